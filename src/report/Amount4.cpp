#include "report/Amount4.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

constexpr std::int64_t kUnitsPerWhole = 10000;
constexpr std::int64_t kIntegerLimit = 1000000000000000000;  // 10^18
constexpr int kLowestPosition = -12;
constexpr int kHighestPosition = 4;
constexpr int kMostFractionDigits = 4;
// Fraction divisor by position 0 to 4; position 0 rounds like 1.
constexpr std::uint32_t kFractionDivisor[] = {10000, 10000, 1000, 100, 10};

enum Mode { kHalfUp = 0, kUp = 1, kDown = 2 };

std::int64_t PowerOfTen(int exponent) {
    std::int64_t power = 1;
    for (int i = 0; i < exponent; ++i) {
        power *= 10;
    }
    return power;
}

bool IsZero(const Amount4& a) {
    return a.IntegerPart() == 0 && a.Fraction() == 0;
}

// -1, 0 or 1 as the magnitude of a is below, equal to or above that of b.
int CompareMagnitudes(const Amount4& a, const Amount4& b) {
    if (a.IntegerPart() != b.IntegerPart()) {
        return a.IntegerPart() < b.IntegerPart() ? -1 : 1;
    }
    if (a.Fraction() != b.Fraction()) {
        return a.Fraction() < b.Fraction() ? -1 : 1;
    }
    return 0;
}

// -1, 0 or 1 as the value of a is below, equal to or above that of b; a zero
// is zero whatever its sign.
int Compare(const Amount4& a, const Amount4& b) {
    const int signA = IsZero(a) ? 0 : a.Sign();
    const int signB = IsZero(b) ? 0 : b.Sign();
    if (signA != signB) {
        return signA < signB ? -1 : 1;
    }
    return signA >= 0 ? CompareMagnitudes(a, b) : -CompareMagnitudes(a, b);
}

}  // namespace

Amount4::Amount4(std::int32_t wholeUnits, std::uint32_t tenThousandths)
    : integerPart_(wholeUnits < 0 ? -static_cast<std::int64_t>(wholeUnits) : wholeUnits),
      fraction_(tenThousandths % kUnitsPerWhole),
      sign_(wholeUnits < 0 ? -1 : 1) {
    integerPart_ += tenThousandths / kUnitsPerWhole;
}

Amount4::Amount4(std::int64_t scaled) : sign_(scaled < 0 ? -1 : 1) {
    // Unsigned, so that the most negative amount has a magnitude too.
    const std::uint64_t magnitude =
        scaled < 0 ? 0 - static_cast<std::uint64_t>(scaled) : static_cast<std::uint64_t>(scaled);
    integerPart_ = static_cast<std::int64_t>(magnitude / kUnitsPerWhole);
    fraction_ = static_cast<std::uint32_t>(magnitude % kUnitsPerWhole);
}

// The text belongs to the object it was made for.
Amount4::Amount4(const Amount4& other)
    : integerPart_(other.integerPart_), fraction_(other.fraction_), sign_(other.sign_) {}

Amount4& Amount4::operator=(const Amount4& other) {
    integerPart_ = other.integerPart_;
    fraction_ = other.fraction_;
    sign_ = other.sign_;
    return *this;
}

Amount4::~Amount4() = default;

// On the magnitudes, so that no intermediate scaled value has to fit 64 bits.
Amount4 Amount4::Subtract(const Amount4& a, const Amount4& b) {
    Amount4 result;
    if (IsZero(b) || IsZero(a) || a.sign_ != b.sign_) {
        // a - b = a + (-b): the magnitudes add up under the sign of a, or of -b when a is zero.
        const std::int64_t scaledFraction =
            static_cast<std::int64_t>(a.fraction_) + static_cast<std::int64_t>(b.fraction_);
        result.integerPart_ = a.integerPart_ + b.integerPart_ + scaledFraction / kUnitsPerWhole;
        result.fraction_ = static_cast<std::uint32_t>(scaledFraction % kUnitsPerWhole);
        result.sign_ = IsZero(a) ? static_cast<std::int16_t>(-b.sign_) : a.sign_;
    } else {
        // Same sign: the smaller magnitude comes off the larger one.
        const int order = CompareMagnitudes(a, b);
        const Amount4& larger = order >= 0 ? a : b;
        const Amount4& smaller = order >= 0 ? b : a;
        std::int64_t integer = larger.integerPart_ - smaller.integerPart_;
        std::int64_t fraction = static_cast<std::int64_t>(larger.fraction_) -
                                static_cast<std::int64_t>(smaller.fraction_);
        if (fraction < 0) {
            fraction += kUnitsPerWhole;
            --integer;
        }
        result.integerPart_ = integer;
        result.fraction_ = static_cast<std::uint32_t>(fraction);
        result.sign_ = order >= 0 ? a.sign_ : static_cast<std::int16_t>(-a.sign_);
    }
    if (IsZero(result)) {
        result.sign_ = 1;
    }
    return result;
}

int Amount4::IsGreater(const Amount4& a, const Amount4& b) {
    return Compare(a, b) > 0 ? 1 : 0;
}

int Amount4::IsLess(const Amount4& a, const Amount4& b) {
    return Compare(a, b) < 0 ? 1 : 0;
}

int Amount4::Round(int mode, int position) {
    if (mode < kHalfUp || mode > kDown || position < kLowestPosition ||
        position > kHighestPosition) {
        return 0;
    }
    if (position >= 0) {
        const std::uint32_t d = kFractionDivisor[position];
        std::uint32_t fraction = fraction_;
        if (mode == kHalfUp) {
            fraction = (fraction + d / 2) / d * d;
        } else if (mode == kUp) {
            fraction = (fraction + d - 1) / d * d;
        } else {
            fraction = fraction / d * d;
        }
        integerPart_ += fraction / kUnitsPerWhole;
        fraction_ = static_cast<std::uint32_t>(fraction % kUnitsPerWhole);
    } else {
        const std::int64_t p = PowerOfTen(-position);
        if (mode == kHalfUp) {
            integerPart_ = (integerPart_ + p / 2) / p * p;
        } else if (mode == kUp) {
            if (integerPart_ % p != 0 || fraction_ != 0) {
                integerPart_ = (integerPart_ / p + 1) * p;
            }
        } else {
            integerPart_ = integerPart_ / p * p;
        }
        fraction_ = 0;
    }
    if (integerPart_ >= kIntegerLimit) {
        throw Overflow{};
    }
    return 1;
}

const char* Amount4::ToText(int digits, int mode) {
    const int position = digits + 1;
    if (position >= kLowestPosition && position <= kHighestPosition && mode >= kHalfUp &&
        mode <= kDown) {
        Round(mode, position);
    }
    if (IsZero(*this)) {
        sign_ = 1;
    }
    if (digits > kMostFractionDigits) {
        return nullptr;
    }
    std::string text = (sign_ < 0 ? "-" : "") + std::to_string(integerPart_);
    if (digits > 0) {
        std::string fraction = std::to_string(fraction_);
        fraction.insert(0, kMostFractionDigits - fraction.size(), '0');
        text += "." + fraction.substr(0, static_cast<std::size_t>(digits));
    }
    const std::size_t length = std::min(text.size(), sizeof text_ - 1);
    std::memcpy(text_, text.data(), length);
    text_[length] = '\0';
    return text_;
}
