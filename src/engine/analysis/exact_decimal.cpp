#include "engine/analysis/exact_decimal.h"

#include <algorithm>

namespace kragmoor {

std::string WholeDecimal(UInt128 value) {
    std::string digits;
    do {
        digits += static_cast<char>('0' + static_cast<int>(value % 10));
        value /= 10;
    } while (value != 0);
    std::reverse(digits.begin(), digits.end());
    return digits;
}

std::string ExactDecimal(UInt128 numerator, UInt128 denominator, int decimals) {
    std::string digits = WholeDecimal(numerator / denominator);
    UInt128 rest = numerator % denominator;
    for (int d = 0; d < decimals; ++d) {
        // rest < denominator < 2^124: ten times it still fits.
        rest *= 10;
        digits += static_cast<char>('0' + static_cast<int>(rest / denominator));
        rest %= denominator;
    }
    if (rest >= denominator - rest) {  // the rest is half the last digit's unit or more
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
        if (i == 0) {
            digits.insert(digits.begin(), '1');
        } else {
            ++digits[i - 1];
        }
    }
    const std::size_t point = digits.size() - static_cast<std::size_t>(decimals);
    return decimals > 0 ? digits.substr(0, point) + "." + digits.substr(point) : digits;
}

}  // namespace kragmoor
