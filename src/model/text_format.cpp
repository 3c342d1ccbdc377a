#include "model/text_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "model/decimal_digits.h"

namespace kragmoor::text {

namespace {

bool IsDigitPlace(char c) {
    return c == '#' || c == '0';
}

// What a mask asks for: where its decimal point is, how many decimals it shows and how often it
// multiplies by 100.
struct MaskShape {
    std::size_t point = std::string_view::npos;  // index of the decimal point, npos if none
    int decimals = 0;
    int percent_shift = 0;
};

MaskShape ShapeOf(std::string_view mask) {
    MaskShape shape;
    shape.point = mask.find('.');
    for (std::size_t i = 0; i < mask.size(); ++i) {
        if (mask[i] == '%') shape.percent_shift += 2;
        if (shape.point != std::string_view::npos && i > shape.point && IsDigitPlace(mask[i])) {
            ++shape.decimals;
        }
    }
    return shape;
}

// Walks the integer part of a mask right to left and hands each character it shows to `emit`:
// digits fill the digit places from the right, places left of the number show nothing ("#") or a
// zero ("0"), the leftmost place takes every digit that is left over, and every other character
// stands where it is. `emit(c, is_digit)`.
template <typename Emit>
void WalkIntegerPart(std::string_view int_mask, const DecimalDigits& number, Emit emit) {
    const int whole = number.WholeDigitCount();
    const std::size_t leftmost_place = int_mask.find_first_of("#0");
    int next = 0;  // power of ten of the next digit to show
    for (std::size_t i = int_mask.size(); i-- > 0;) {
        const char c = int_mask[i];
        if (!IsDigitPlace(c)) {
            emit(c, false);
        } else if (next < whole) {
            do {
                emit(number.DigitAt(next++), true);
            } while (i == leftmost_place && next < whole);
        } else if (c == '0') {
            emit('0', true);
        }
    }
    if (leftmost_place == std::string_view::npos) {
        // No digit place at all: the digits go in front of the literals.
        while (next < whole) emit(number.DigitAt(next++), true);
    }
}

void AppendIntegerPart(std::string& out, std::string_view int_mask, const DecimalDigits& number,
                       bool negative) {
    std::size_t length = negative ? 1 : 0;
    WalkIntegerPart(int_mask, number, [&length](char, bool) { ++length; });
    const std::size_t start = out.size();
    out.resize(start + length);
    char* const end = out.data() + out.size();
    char* dst = end;
    char* first_digit = nullptr;
    WalkIntegerPart(int_mask, number, [&dst, &first_digit](char c, bool is_digit) {
        *--dst = c;
        if (is_digit) first_digit = dst;
    });
    if (negative) {
        // The sign goes directly before the first digit; what stands left of it moves one place.
        char* const sign_at = first_digit != nullptr ? first_digit : end;
        for (char* p = dst; p < sign_at; ++p) p[-1] = *p;
        sign_at[-1] = '-';
    }
}

void AppendFractionPart(std::string& out, std::string_view frac_mask, const DecimalDigits& number) {
    int power = -1;
    for (char c : frac_mask) {
        if (IsDigitPlace(c)) {
            out.push_back(number.DigitAt(power--));
        } else {
            out.push_back(c);
        }
    }
}

void AppendFormatted(std::string& out, DecimalDigits number, std::string_view mask) {
    const MaskShape shape = ShapeOf(mask);
    number.Shift(shape.percent_shift);
    number.RoundHalfAwayFromZero(shape.decimals);
    const bool negative = number.Negative() && !number.IsZero();

    AppendIntegerPart(out, mask.substr(0, shape.point), number, negative);
    if (shape.point != std::string_view::npos) {
        AppendFractionPart(out, mask.substr(shape.point), number);
    }
}

bool AppendNonFinite(std::string& out, double value) {
    if (std::isnan(value)) {
        out += "NaN";
        return true;
    }
    if (std::isinf(value)) {
        out += value < 0 ? "-Inf" : "Inf";
        return true;
    }
    return false;
}

// A number text too large or too small for a double: an infinity or a zero with its sign.
double OutOfRangeValue(std::string_view text) {
    const bool negative = text[0] == '-';
    // Power of ten of the first significant digit: from the mantissa and the exponent.
    long long power = 0;
    bool seen_point = false, seen_digit = false;
    long long whole_digits = 0, leading_fraction_zeros = 0;
    std::size_t i = 0;
    for (; i < text.size() && text[i] != 'e' && text[i] != 'E'; ++i) {
        const char c = text[i];
        if (c == '.') {
            seen_point = true;
        } else if (c >= '0' && c <= '9') {
            if (c != '0') seen_digit = true;
            if (!seen_point && seen_digit) ++whole_digits;
            if (seen_point && !seen_digit) ++leading_fraction_zeros;
        }
    }
    power = whole_digits > 0 ? whole_digits - 1 : -leading_fraction_zeros - 1;
    if (i < text.size()) {
        long long exponent = 0;
        std::string_view e = text.substr(i + 1);
        if (!e.empty() && e[0] == '+') e.remove_prefix(1);
        const auto r = std::from_chars(e.data(), e.data() + e.size(), exponent);
        // Far beyond any mantissa's length either way: only the sign of the sum matters.
        constexpr long long kFar = 1000000000;
        if (r.ec == std::errc::result_out_of_range) exponent = e[0] == '-' ? -kFar : kFar;
        power += std::clamp(exponent, -kFar, kFar);
    }
    if (!seen_digit || power < 0) return negative ? -0.0 : 0.0;
    return negative ? -std::numeric_limits<double>::infinity()
                    : std::numeric_limits<double>::infinity();
}

}  // namespace

void AppendMask(std::string& out, std::int64_t value, std::string_view mask) {
    AppendFormatted(out, DecimalDigits::FromInteger(value), mask);
}

void AppendMask(std::string& out, double value, std::string_view mask) {
    if (AppendNonFinite(out, value)) return;
    AppendFormatted(out, DecimalDigits::FromDouble(value, 15), mask);
}

std::string Mask(std::int64_t value, std::string_view mask) {
    std::string s;
    AppendMask(s, value, mask);
    return s;
}

std::string Mask(double value, std::string_view mask) {
    std::string s;
    AppendMask(s, value, mask);
    return s;
}

std::string MaskSingle(float value, std::string_view mask) {
    std::string s;
    if (!AppendNonFinite(s, value)) {
        AppendFormatted(s, DecimalDigits::FromDouble(static_cast<double>(value), 7), mask);
    }
    return s;
}

void AppendAtMask(std::string& out, std::string_view value, std::string_view mask) {
    std::size_t places = 0;
    for (char c : mask) places += c == '@' ? 1u : 0u;
    const std::size_t extra = value.size() > places ? value.size() - places : 0;
    const std::size_t start = out.size();
    out.resize(start + mask.size() + extra);
    // Right to left: the text fills the "@" places from the right, blanks where it has run out;
    // the leftmost place takes what is left of a longer text.
    char* dst = out.data() + out.size();
    std::size_t remaining = value.size();
    std::size_t places_left = places;
    for (std::size_t i = mask.size(); i-- > 0;) {
        if (mask[i] != '@') {
            *--dst = mask[i];
            continue;
        }
        --places_left;
        if (places_left == 0) {
            while (remaining > 1) *--dst = value[--remaining];
        }
        *--dst = remaining > 0 ? value[--remaining] : ' ';
    }
    if (places == 0) {
        // No character places: the text goes in front of the mask's literals.
        while (remaining > 0) *--dst = value[--remaining];
    }
}

std::string Trimmed(std::string_view s) {
    const std::size_t first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const std::size_t last = s.find_last_not_of(' ');
    return std::string(s.substr(first, last - first + 1));
}

void AppendDecimal(std::string& out, std::int64_t value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

std::string Decimal(std::int64_t value) {
    std::string s;
    AppendDecimal(s, value);
    return s;
}

void AppendNumberField(std::string& out, std::int64_t value) {
    if (value >= 0) out.push_back(' ');
    AppendDecimal(out, value);
    out.push_back(' ');
}

void AppendRight(std::string& out, std::string_view value, std::size_t width) {
    if (value.size() >= width) {
        out.append(value.substr(value.size() - width));
    } else {
        out.append(width - value.size(), ' ');
        out.append(value);
    }
}

void AppendLeft(std::string& out, std::string_view value, std::size_t width) {
    if (value.size() >= width) {
        out.append(value.substr(0, width));
    } else {
        out.append(value);
        out.append(width - value.size(), ' ');
    }
}

void PadToNextZone(std::string& out) {
    constexpr std::size_t kZone = 14;
    const std::size_t line_end = out.rfind('\n');
    const std::size_t column =
        line_end == std::string::npos ? out.size() : out.size() - line_end - 1;
    // Always moves on: a line that already stands at the start of a zone goes to the next one.
    out.append(kZone - column % kZone, ' ');
}

std::optional<LeadingNumber> ReadLeadingNumber(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ') ++i;
    const std::size_t start = i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++digits;
    }
    if (digits == 0) return std::nullopt;
    std::size_t end = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        const std::size_t exp_start = j;
        while (j < s.size() && s[j] >= '0' && s[j] <= '9') ++j;
        if (j > exp_start) end = j;  // an "e" without digits does not continue the number
    }
    std::string_view text = s.substr(start, end - start);
    if (!text.empty() && text[0] == '+') text.remove_prefix(1);
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range) value = OutOfRangeValue(text);
    return LeadingNumber{value, end};
}

double ValueOfText(std::string_view s) {
    const auto number = ReadLeadingNumber(s);
    return number ? number->value : 0.0;
}

std::optional<std::int16_t> RoundToInt16(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    if (value < -32769.0 || value > 32768.0) return std::nullopt;
    const double rounded = std::nearbyint(value);  // the default rounding mode: halves to even
    if (rounded < -32768.0 || rounded > 32767.0) return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

std::string SingleText(float value, char decimal_point) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-Inf" : "Inf";
    DecimalDigits number = DecimalDigits::FromDouble(static_cast<double>(value), 7);
    return number.ShortText(7, decimal_point);
}

std::string RtpText(float game_rtp) {
    const float hundredths = game_rtp * 100.0f;
    std::string s = SingleText(hundredths);
    // Below 10 % a single's seven digits reach past the hundredths (9.02 x 100 is 902.0001):
    // a value within a thousandth of a whole number of hundredths is written as that number.
    const double whole = std::nearbyint(static_cast<double>(hundredths));
    if (s.find('.') != std::string::npos && std::fabs(hundredths - whole) < 1e-3 &&
        std::fabs(whole) < 1e6) {
        s = Decimal(static_cast<std::int64_t>(whole));
    }
    // A header below 10 % keeps two whole-percent digits, so that the report still reads back.
    if (s.find_first_not_of("0123456789") == std::string::npos && s.size() < 4) {
        s.insert(0, 4 - s.size(), '0');
    }
    const std::size_t cut = s.size() >= 2 ? s.size() - 2 : 0;
    return s.substr(0, cut) + "," + s.substr(cut);
}

std::string LoadTimeText(const std::tm& t) {
    auto two = [](std::string& out, int v) {
        out.push_back(static_cast<char>('0' + (v / 10) % 10));
        out.push_back(static_cast<char>('0' + v % 10));
    };
    std::string s;
    two(s, t.tm_mday);
    s.push_back('.');
    two(s, t.tm_mon + 1);
    s.push_back('.');
    AppendDecimal(s, static_cast<std::int64_t>(t.tm_year) + 1900);
    s += "  ";
    two(s, t.tm_hour);
    s.push_back(':');
    two(s, t.tm_min);
    s.push_back(':');
    two(s, t.tm_sec);
    return s;
}

}  // namespace kragmoor::text
