#include "report/Amount4.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace {

// By value, so that no reference into an object is kept.
std::int64_t Scaled(const Amount4& a) {
    return a.Sign() * (a.IntegerPart() * 10000 + static_cast<std::int64_t>(a.Fraction()));
}

std::string Text(Amount4 a, int digits, int mode) {
    const char* text = a.ToText(digits, mode);
    return text ? text : "(none)";
}

TEST(Amount4Construction, FromWholeUnitsAndTenThousandths) {
    const Amount4 a(-12, 3456);
    EXPECT_EQ(a.IntegerPart(), 12);
    EXPECT_EQ(a.Fraction(), 3456u);
    EXPECT_EQ(a.Sign(), -1);
    EXPECT_EQ(Scaled(a), -123456);
    const Amount4 zero(0, 0);
    EXPECT_EQ(zero.Sign(), 1);
}

TEST(Amount4Construction, FractionOfTenThousandOrMoreIsCarried) {
    const Amount4 a(5, 12345);
    EXPECT_EQ(a.IntegerPart(), 6);
    EXPECT_EQ(a.Fraction(), 2345u);
    const Amount4 b(-1, 30000);
    EXPECT_EQ(b.IntegerPart(), 4);
    EXPECT_EQ(b.Fraction(), 0u);
    EXPECT_EQ(b.Sign(), -1);
    const Amount4 c(std::numeric_limits<std::int32_t>::min(), 0);
    EXPECT_EQ(c.IntegerPart(), 2147483648);
}

TEST(Amount4Construction, FromScaledAmount) {
    const Amount4 a(std::int64_t{-31415});
    EXPECT_EQ(a.IntegerPart(), 3);
    EXPECT_EQ(a.Fraction(), 1415u);
    EXPECT_EQ(a.Sign(), -1);
    const Amount4 b(std::int64_t{123455000});
    EXPECT_EQ(b.IntegerPart(), 12345);
    EXPECT_EQ(b.Fraction(), 5000u);
    EXPECT_EQ(b.Sign(), 1);
    const Amount4 most(std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(most.IntegerPart(), 922337203685477);
    EXPECT_EQ(most.Fraction(), 5808u);
    EXPECT_EQ(most.Sign(), -1);
}

TEST(Amount4Construction, CopyTakesTheNumbers) {
    Amount4 a(std::int64_t{-25000});
    const Amount4 copy(a);
    EXPECT_EQ(Scaled(copy), -25000);
    Amount4 assigned(std::int64_t{7});
    assigned = a;
    EXPECT_EQ(Scaled(assigned), -25000);
    EXPECT_STREQ(a.ToText(1, 0), "-2.5");
    Amount4 other(std::int64_t{10000});
    other = a;
    EXPECT_STREQ(other.ToText(0, 2), "-2");
    EXPECT_STREQ(a.ToText(1, 0), "-2.5");
}

TEST(Amount4Arithmetic, SubtractGivesTheScaledDifference) {
    const std::int64_t values[] = {0, 1, -1, 9999, 10000, -10000, 123456789, -987654321, 5000};
    for (std::int64_t x : values) {
        for (std::int64_t y : values) {
            const Amount4 d = Amount4::Subtract(Amount4(x), Amount4(y));
            EXPECT_EQ(Scaled(d), x - y) << x << " - " << y;
            EXPECT_LT(d.Fraction(), 10000u);
            EXPECT_EQ(d.Sign(), x - y < 0 ? -1 : 1) << x << " - " << y;
        }
    }
}

TEST(Amount4Arithmetic, ComparisonsOfScaledValues) {
    const std::int64_t values[] = {0, 1, -1, 9999, 10000, -10000, 15000, -15000, 123456789};
    for (std::int64_t x : values) {
        for (std::int64_t y : values) {
            EXPECT_EQ(Amount4::IsGreater(Amount4(x), Amount4(y)), x > y ? 1 : 0) << x << " " << y;
            EXPECT_EQ(Amount4::IsLess(Amount4(x), Amount4(y)), x < y ? 1 : 0) << x << " " << y;
        }
    }
}

TEST(Amount4Arithmetic, ZeroLeftByRoundingANegativeValueIsZero) {
    Amount4 a(std::int64_t{-1});
    ASSERT_EQ(a.Round(2, 1), 1);
    EXPECT_EQ(a.IntegerPart(), 0);
    EXPECT_EQ(Amount4::IsLess(a, Amount4()), 0);
    EXPECT_EQ(Amount4::IsGreater(Amount4(), a), 0);
    EXPECT_EQ(Amount4::Subtract(a, Amount4()).Sign(), 1);
}

TEST(Amount4Round, ExamplesOfEachMode) {
    Amount4 a(std::int64_t{12010000});  // 1,201
    EXPECT_EQ(a.Round(1, -2), 1);
    EXPECT_EQ(Scaled(a), 13000000);
    Amount4 b(std::int64_t{12499999});  // 1,249.9999
    EXPECT_EQ(b.Round(0, -2), 1);
    EXPECT_EQ(Scaled(b), 12000000);
    Amount4 c(std::int64_t{12500000});
    EXPECT_EQ(c.Round(0, -2), 1);
    EXPECT_EQ(Scaled(c), 13000000);
    Amount4 d(std::int64_t{12999999});
    EXPECT_EQ(d.Round(2, -2), 1);
    EXPECT_EQ(Scaled(d), 12000000);
}

TEST(Amount4Round, ActsOnTheMagnitude) {
    Amount4 halfUp(std::int64_t{-15000});
    halfUp.Round(0, 1);
    EXPECT_EQ(Scaled(halfUp), -20000);
    Amount4 up(std::int64_t{-10001});
    up.Round(1, 1);
    EXPECT_EQ(Scaled(up), -20000);
    Amount4 down(std::int64_t{-19999});
    down.Round(2, 1);
    EXPECT_EQ(Scaled(down), -10000);
}

TEST(Amount4Round, FractionPositions) {
    struct Case {
        std::int64_t scaled;
        int mode;
        int position;
        std::int64_t expected;
    };
    // Position 2 keeps one decimal, 3 two, 4 three.
    const Case cases[] = {
        {14999, 0, 1, 10000}, {15000, 0, 1, 20000}, {14999, 0, 0, 10000}, {10001, 1, 0, 20000},
        {12345, 0, 2, 12000}, {12500, 0, 2, 13000}, {12301, 1, 2, 13000}, {12399, 2, 2, 12000},
        {12349, 0, 3, 12300}, {12350, 0, 3, 12400}, {12301, 1, 3, 12400}, {12399, 2, 3, 12300},
        {12345, 0, 4, 12350}, {12344, 0, 4, 12340}, {12341, 1, 4, 12350}, {12349, 2, 4, 12340},
        {12340, 1, 4, 12340}, {10000, 1, 1, 10000}, {0, 1, -12, 0},
    };
    for (const Case& c : cases) {
        Amount4 a(c.scaled);
        EXPECT_EQ(a.Round(c.mode, c.position), 1);
        EXPECT_EQ(Scaled(a), c.expected) << c.scaled << " mode " << c.mode << " at " << c.position;
    }
}

TEST(Amount4Round, CarryIntoTheIntegerPart) {
    Amount4 a(std::int64_t{99995});  // 9.9995
    EXPECT_EQ(a.Round(0, 4), 1);
    EXPECT_EQ(a.IntegerPart(), 10);
    EXPECT_EQ(a.Fraction(), 0u);
    Amount4 b(std::int64_t{-99001});
    EXPECT_EQ(b.Round(1, 2), 1);
    EXPECT_EQ(Scaled(b), -100000);
}

TEST(Amount4Round, UpAtANegativePositionCountsTheFraction) {
    Amount4 a(std::int64_t{12000001});  // 1,200.0001
    a.Round(1, -2);
    EXPECT_EQ(Scaled(a), 13000000);
    Amount4 b(std::int64_t{12000000});
    b.Round(1, -2);
    EXPECT_EQ(Scaled(b), 12000000);
    Amount4 c(std::int64_t{12345678});
    c.Round(2, -1);
    EXPECT_EQ(Scaled(c), 12300000);
}

TEST(Amount4Round, OutOfRangeLeavesTheValue) {
    Amount4 a(std::int64_t{12345});
    EXPECT_EQ(a.Round(3, 1), 0);
    EXPECT_EQ(a.Round(-1, 1), 0);
    EXPECT_EQ(a.Round(0, 5), 0);
    EXPECT_EQ(a.Round(0, -13), 0);
    EXPECT_EQ(Scaled(a), 12345);
}

// Whole yen beyond what one scaled int64 holds, built up by subtraction.
Amount4 LargeYen(std::int64_t yen) {
    constexpr std::int64_t kPiece = 100000000000000;  // 10^14 yen, 10^18 scaled
    Amount4 result;
    for (; yen >= kPiece; yen -= kPiece) {
        result = Amount4::Subtract(result, Amount4(-kPiece * 10000));
    }
    return Amount4::Subtract(result, Amount4(-yen * 10000));
}

bool RoundOverflows(Amount4 a, int mode, int position) {
    try {
        a.Round(mode, position);
    } catch (const Amount4::Overflow& overflow) {
        EXPECT_EQ(overflow.code, -1);
        return true;
    }
    return false;
}

TEST(Amount4Round, ReachingTenToTheEighteenOverflows) {
    const Amount4 justBelow = LargeYen(999999000000000001);
    ASSERT_EQ(justBelow.IntegerPart(), 999999000000000001);
    EXPECT_TRUE(RoundOverflows(justBelow, 1, -12));
    EXPECT_FALSE(RoundOverflows(justBelow, 2, -12));
    EXPECT_FALSE(RoundOverflows(justBelow, 0, -12));

    const Amount4 largest = Amount4::Subtract(LargeYen(999999999999999999), Amount4(-5000));
    ASSERT_EQ(largest.Fraction(), 5000u);
    EXPECT_TRUE(RoundOverflows(largest, 0, 1));
    EXPECT_FALSE(RoundOverflows(largest, 2, 1));
    EXPECT_FALSE(RoundOverflows(largest, 1, 2));
}

TEST(Amount4Text, ExamplesAndDigits) {
    EXPECT_EQ(Text(Amount4(std::int64_t{-31415}), 2, 2), "-3.14");
    EXPECT_EQ(Text(Amount4(std::int64_t{-31415}), 2, 0), "-3.14");
    EXPECT_EQ(Text(Amount4(std::int64_t{-31415}), 2, 1), "-3.15");
    EXPECT_EQ(Text(Amount4(std::int64_t{-31415}), 4, 1), "-3.1415");
    EXPECT_EQ(Text(Amount4(std::int64_t{-31415}), 3, 0), "-3.142");
    EXPECT_EQ(Text(Amount4(std::int64_t{-31415}), 0, 0), "-3");
    EXPECT_EQ(Text(Amount4(std::int64_t{123455000}), 0, 0), "12346");
    EXPECT_EQ(Text(Amount4(std::int64_t{123454999}), 0, 0), "12345");
    EXPECT_EQ(Text(Amount4(std::int64_t{123456789}), 1, 7), "12345.6");
}

TEST(Amount4Text, LeadingZerosOfTheFractionAreKept) {
    EXPECT_EQ(Text(Amount4(7, 500), 2, 2), "7.05");
    EXPECT_EQ(Text(Amount4(7, 5), 4, 0), "7.0005");
    EXPECT_EQ(Text(Amount4(7, 5), 3, 0), "7.001");
    EXPECT_EQ(Text(Amount4(7, 5), 3, 2), "7.000");
}

TEST(Amount4Text, ZeroHasNoSign) {
    EXPECT_EQ(Text(Amount4(), 0, 0), "0");
    EXPECT_EQ(Text(Amount4(std::int64_t{-4999}), 0, 0), "0");
    EXPECT_EQ(Text(Amount4(std::int64_t{-1}), 2, 2), "0.00");
    Amount4 a(std::int64_t{-1});
    a.ToText(0, 2);
    EXPECT_EQ(a.Sign(), 1);
}

TEST(Amount4Text, MoreThanFourDigitsGiveNoText) {
    Amount4 a(std::int64_t{12345});
    EXPECT_EQ(a.ToText(5, 0), nullptr);
    EXPECT_EQ(Scaled(a), 12345);
}

TEST(Amount4Text, LargestMagnitudeFits) {
    Amount4 a(std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(Text(a, 4, 0), "-922337203685477.5808");
}

}  // namespace
