// A number as its decimal digits, so that display masks round on the digits a user would read
// (0.953465 is 95.3465 %, which shows as 95.347 %) and never on the binary value behind them.
#pragma once

#include <cstdint>
#include <string>

namespace kragmoor::text {

class DecimalDigits {
  public:
    static DecimalDigits FromInteger(std::int64_t value);
    // The value as printed with `significant` significant digits (15 for a double, 7 for a
    // single), correctly rounded from its binary value.
    static DecimalDigits FromDouble(double value, int significant);

    bool Negative() const { return negative_; }
    bool IsZero() const { return count_ == 0; }

    // The digit for 10^power ('0' outside the significant digits).
    char DigitAt(int power) const {
        const int index = exponent_ - power;
        return index >= 0 && index < count_ ? digits_[index] : '0';
    }

    // Digits left of the decimal point, without leading zeros (0 for a number below 1).
    int WholeDigitCount() const { return count_ == 0 || exponent_ < 0 ? 0 : exponent_ + 1; }

    // Multiplies by 10^places exactly (a "%" of a mask shifts by two).
    void Shift(int places) { exponent_ += places; }

    // Keeps `decimals` digits after the point; a dropped part of one half or more rounds the
    // magnitude up.
    void RoundHalfAwayFromZero(int decimals);

    // Up to `significant` digits without trailing zeros: plain for powers -5 < e < significant,
    // otherwise with an exponent ("1.234568E+07", "1E-05").
    std::string ShortText(int significant, char decimal_point) const;

  private:
    void StripTrailingZeros();

    static constexpr int kMaxDigits = 24;
    char digits_[kMaxDigits] = {};
    int count_ = 0;     // significant digits held, no leading zero, none when the value is 0
    int exponent_ = 0;  // power of ten of digits_[0]
    bool negative_ = false;
};

}  // namespace kragmoor::text
