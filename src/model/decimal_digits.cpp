#include "model/decimal_digits.h"

#include <charconv>
#include <cmath>

namespace kragmoor::text {

DecimalDigits DecimalDigits::FromInteger(std::int64_t value) {
    DecimalDigits d;
    d.negative_ = value < 0;
    const std::uint64_t magnitude =
        d.negative_ ? ~static_cast<std::uint64_t>(value) + 1u : static_cast<std::uint64_t>(value);
    const auto result = std::to_chars(d.digits_, d.digits_ + kMaxDigits, magnitude);
    d.count_ = static_cast<int>(result.ptr - d.digits_);
    d.exponent_ = d.count_ - 1;
    if (magnitude == 0) d.count_ = 0;
    d.StripTrailingZeros();
    return d;
}

DecimalDigits DecimalDigits::FromDouble(double value, int significant) {
    DecimalDigits d;
    d.negative_ = std::signbit(value);
    if (value == 0.0) return d;
    if (significant < 1) significant = 1;
    if (significant > 17) significant = 17;
    // "d.ddddde+XX": the digits and the power of ten of the first one.
    char buffer[40];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::scientific, significant - 1);
    const char* p = buffer;
    for (; p < result.ptr && *p != 'e'; ++p) {
        if (*p != '.') d.digits_[d.count_++] = *p;
    }
    int exponent = 0;
    if (p < result.ptr) {
        const char* q = p + 1;
        if (*q == '+') ++q;
        std::from_chars(q, result.ptr, exponent);
    }
    d.exponent_ = exponent;
    d.StripTrailingZeros();
    return d;
}

void DecimalDigits::StripTrailingZeros() {
    while (count_ > 0 && digits_[count_ - 1] == '0') --count_;
}

void DecimalDigits::RoundHalfAwayFromZero(int decimals) {
    if (count_ == 0) return;
    const int keep = exponent_ + decimals + 1;  // digits at powers >= -decimals
    if (keep >= count_) return;
    if (keep < 0) {
        count_ = 0;
        return;
    }
    const bool up = digits_[keep] >= '5';
    count_ = keep;
    if (up) {
        int i = keep - 1;
        while (i >= 0 && digits_[i] == '9') digits_[i--] = '0';
        if (i >= 0) {
            ++digits_[i];
        } else {
            // Every kept digit was a 9 (or none was kept): the number gains a digit in front.
            digits_[0] = '1';
            count_ = 1;
            exponent_ += 1;
        }
    }
    StripTrailingZeros();
}

std::string DecimalDigits::ShortText(int significant, char decimal_point) const {
    if (count_ == 0) return "0";
    std::string s;
    if (negative_) s.push_back('-');
    const bool plain = exponent_ > -5 && exponent_ < significant;
    if (plain) {
        if (exponent_ < 0) {
            s.push_back('0');
            s.push_back(decimal_point);
            s.append(static_cast<std::size_t>(-exponent_ - 1), '0');
            s.append(digits_, static_cast<std::size_t>(count_));
            return s;
        }
        for (int power = exponent_; power >= 0; --power) s.push_back(DigitAt(power));
        if (count_ > exponent_ + 1) {
            s.push_back(decimal_point);
            s.append(digits_ + exponent_ + 1, static_cast<std::size_t>(count_ - exponent_ - 1));
        }
        return s;
    }
    s.push_back(digits_[0]);
    if (count_ > 1) {
        s.push_back(decimal_point);
        s.append(digits_ + 1, static_cast<std::size_t>(count_ - 1));
    }
    s.push_back('E');
    s.push_back(exponent_ < 0 ? '-' : '+');
    const int magnitude = exponent_ < 0 ? -exponent_ : exponent_;
    if (magnitude < 10) s.push_back('0');
    char buffer[8];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude);
    s.append(buffer, result.ptr);
    return s;
}

}  // namespace kragmoor::text
