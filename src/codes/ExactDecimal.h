#pragma once
// An exact decimal number of at most 30 digits, as the masked decimal codes read it: moved by
// powers of ten, rounded half away from zero (or cut toward zero) to a number of decimals, and
// read back digit by digit. No binary floating point, no heap: a fixed array of digit characters
// and the place of the decimal point.

#include <cstddef>
#include <optional>
#include <string_view>

class ExactDecimal {
  public:
    // The most digits a number may be written with, leading and trailing zeros included.
    static constexpr std::size_t kMostDigits = 30;

    // Digits with at most one decimal point (the text of point, one character) and at least one
    // digit: "12", "12.", "12.5", ".5". With signAllowed an optional leading + or - comes first.
    // Nothing for any other text or for more than kMostDigits digits.
    static std::optional<ExactDecimal> Read(std::string_view text, std::string_view point,
                                            bool signAllowed);

    // Negative when the number was read (or set) with a minus and is not zero.
    bool Negative() const { return negative_ && count_ != 0; }
    void SetNegative(bool negative) { negative_ = negative; }
    bool IsZero() const { return count_ == 0; }

    // Multiplies by 10^places (divides when places is negative); exact.
    void ShiftPoint(int places) { fraction_ -= places; }
    // Keeps decimals digits after the point: half away from zero, or toward zero with truncate.
    void RoundTo(int decimals, bool truncate);

    // The digit of the magnitude that stands for 10^power (0 beyond the digits held).
    int DigitAt(int power) const;
    // How many digits the integer part of the magnitude has, at least 1 (a lone 0).
    int IntegerDigits() const;

  private:
    // A carry can add one digit to kMostDigits.
    char digits_[kMostDigits + 1] = {};  // '0'..'9', most significant first, never a leading '0'
    int count_ = 0;                      // 0: the number is zero
    int fraction_ = 0;                   // the last digit held stands for 10^-fraction_
    bool negative_ = false;
};
