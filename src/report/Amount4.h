#pragma once

#include <cstdint>

// A fixed-point amount with four fraction digits: a magnitude of whole units
// and ten-thousandths, and a sign. Its scaled value is
// sign * (integerPart * 10000 + fraction).
class Amount4 {
public:
    // Thrown by Round when the integer part reaches 10^18; carries -1.
    struct Overflow {
        int code = -1;
    };

    Amount4() = default;
    // The sign comes from the whole part; a fraction of 10000 or more is carried.
    Amount4(std::int32_t wholeUnits, std::uint32_t tenThousandths);
    // From an amount in ten-thousandths.
    explicit Amount4(std::int64_t scaled);
    Amount4(const Amount4& other);
    Amount4& operator=(const Amount4& other);
    virtual ~Amount4();

    static Amount4 Subtract(const Amount4& a, const Amount4& b);
    static int IsGreater(const Amount4& a, const Amount4& b);
    static int IsLess(const Amount4& a, const Amount4& b);

    // Mode 0 half up, 1 up, 2 down (on the magnitude); position -12 to 4.
    // 1 when rounded, 0 when mode or position is out of range.
    int Round(int mode, int position);
    // The decimal text with `digits` fraction digits (0 to 4), rounded first
    // with `mode`; null when digits is above 4. Valid until the next ToText.
    const char* ToText(int digits, int mode);

    std::int64_t IntegerPart() const { return integerPart_; }
    std::uint32_t Fraction() const { return fraction_; }
    std::int16_t Sign() const { return sign_; }

private:
    std::int64_t integerPart_ = 0;
    std::uint32_t fraction_ = 0;
    std::int16_t sign_ = 1;
    char text_[30] = {};
};
