#include "engine/zahlen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr auto Max32 = std::numeric_limits<std::int32_t>::max();
constexpr auto Min32 = std::numeric_limits<std::int32_t>::min();
constexpr auto Max64 = std::numeric_limits<std::int64_t>::max();
constexpr auto Min64 = std::numeric_limits<std::int64_t>::min();

// Both widths round alike, including where the fast path hands over to the
// value itself (2^52 for a double, 2^63 for the extended type).
TEST(Runden, HalvesGoToTheEvenNeighbour)
{
    const struct {
        long double x, expected;
    } faelle[] = {
        {0.5L, 0},       {1.5L, 2},       {2.5L, 2},      {3.5L, 4},     {-2.5L, -2},
        {-3.5L, -4},     {2.4999999L, 2}, {-0.7L, -1},    {1e300L, 1e300L},
        {0x1p52L - 0.5L, 0x1p52L},        {0x1p52L + 1, 0x1p52L + 1},   {-(0x1p52L + 3), -(0x1p52L + 3)},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(RoundHalfEven(f.x), f.expected) << static_cast<double>(f.x);
        EXPECT_EQ(RoundHalfEven(static_cast<double>(f.x)), static_cast<double>(f.expected)) << static_cast<double>(f.x);
    }
    EXPECT_EQ(RoundHalfEven(0x1p63L - 0.5L), 0x1p63L);
    EXPECT_EQ(RoundHalfEven(-0x1p62L - 0.5L), -0x1p62L);
    EXPECT_EQ(RoundHalfEven(0x1p63L + 1), 0x1p63L + 1);
    // Signed zeros and non-finite values as nearbyint gives them.
    EXPECT_TRUE(std::signbit(RoundHalfEven(-0.3L)) && std::signbit(RoundHalfEven(-0.0)));
    EXPECT_FALSE(std::signbit(RoundHalfEven(0.3)));
    EXPECT_TRUE(std::isnan(RoundHalfEven(std::nanl(""))));
    EXPECT_EQ(RoundHalfEven(-HUGE_VAL), -HUGE_VAL);
}

TEST(Runden, IntoInt32OnlyWhatFits)
{
    EXPECT_EQ(TryRoundToInt32(2147483647.4L), Max32);
    EXPECT_EQ(TryRoundToInt32(-2147483648.5L), Min32);  // the even neighbour fits
    EXPECT_EQ(TryRoundToInt32(-2.5L), -2);
    EXPECT_FALSE(TryRoundToInt32(2147483647.5L));
    EXPECT_FALSE(TryRoundToInt32(-2147483648.6L));
    EXPECT_FALSE(TryRoundToInt32(std::nanl("")));
    EXPECT_FALSE(TryRoundToInt32(1e4000L));
    EXPECT_EQ(RoundToInt32(2.5), 2);
    EXPECT_EQ(RoundToInt32(-3.5), -4);
    EXPECT_EQ(RoundToInt64(4.5L), 4);
}

TEST(Runden, ConversionsSaturateInsteadOfOverflowing)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(SaturateToInt32(1e300), Max32);
    EXPECT_EQ(SaturateToInt32(-1e300), Min32);
    EXPECT_EQ(SaturateToInt32(inf), Max32);
    EXPECT_EQ(SaturateToInt32(-inf), Min32);
    EXPECT_EQ(SaturateToInt32(nan), 0);
    EXPECT_EQ(SaturateToInt32(2147483647.9), Max32);
    EXPECT_EQ(SaturateToInt32(2147483648.0), Max32);
    EXPECT_EQ(SaturateToInt32(-2147483648.9), Min32);
    EXPECT_EQ(SaturateToInt32(-7.9), -7);
    EXPECT_EQ(SaturateToInt64(9.3e18), Max64);
    EXPECT_EQ(SaturateToInt64(-9.3e18), Min64);
    EXPECT_EQ(SaturateToInt64(-9223372036854775808.0), Min64);
    EXPECT_EQ(SaturateToInt64(nan), 0);
    EXPECT_EQ(SaturateToInt64(-9223372036854775808.5L), Min64);
    EXPECT_EQ(SaturateToInt64(9223372036854775807.0L), Max64);
    EXPECT_EQ(SaturateToInt32(static_cast<long double>(nan)), 0);
    EXPECT_EQ(RoundToInt32(1e10), Max32);
    EXPECT_EQ(RoundToInt32(-1e10L), Min32);
}

TEST(Parser, AcceptsPlainDecimalNumbers)
{
    EXPECT_EQ(ParseNumber("1,5", ','), 1.5);
    EXPECT_EQ(ParseNumber("  -2,5  ", ','), -2.5);
    EXPECT_EQ(ParseNumber("+3", ','), 3.0);
    EXPECT_EQ(ParseNumber(",5", ','), 0.5);
    EXPECT_EQ(ParseNumber("5,", ','), 5.0);
    EXPECT_EQ(ParseNumber("1e3", ','), 1000.0);
    EXPECT_EQ(ParseNumber("1E-2", '.'), 0.01);
    EXPECT_EQ(ParseNumber("2,5e+1", ','), 25.0);
    EXPECT_EQ(ParseNumber("007", '.'), 7.0);
    EXPECT_EQ(ParseNumber("0.1", '.'), 0.1);  // correctly rounded
    EXPECT_EQ(ParseNumber("1.5", ',', true), 1.5);
    EXPECT_EQ(ParseNumber("1,5", '.', true), 1.5);
    EXPECT_EQ(ParseNumberLong("1e4000", '.'), 1e4000L);
}

TEST(Parser, TinyValuesBecomeZeroButHugeOnesFail)
{
    EXPECT_EQ(ParseNumber("1e-400", '.'), 0.0);
    EXPECT_EQ(ParseNumber("0." + std::string(500, '0') + "1", '.'), 0.0);
    EXPECT_EQ(ParseNumber("0e999999999999999999", '.'), 0.0);
    EXPECT_FALSE(ParseNumber("1e400", '.'));
    EXPECT_FALSE(ParseNumber("1" + std::string(400, '0'), '.'));
    EXPECT_FALSE(ParseNumber("1e99999999999999999999", '.'));
    EXPECT_EQ(ParseNumber("1e-99999999999999999999", '.'), 0.0);
}

TEST(Parser, RejectsEverythingElse)
{
    for (const char* s : {"", " ", "-", "+", ",", "1,2,3", "1.5", "inf", "-inf", "nan", "NaN", "Infinity", "0x10",
                          "1e", "1e+", "e5", "1 000", "1'000", "12a", "--1", "+-1", "1,5 x", "\t", "1,e", "Pi"}) {
        EXPECT_FALSE(ParseNumber(s, ',')) << '"' << s << '"';
    }
    // With both separators allowed there is still only one of them.
    EXPECT_FALSE(ParseNumber("1.2,3", ',', true));
    EXPECT_FALSE(ParseNumber("1,2.3", '.', true));
    // The program's separator alone decides when only one is allowed.
    EXPECT_FALSE(ParseNumber("1,5", '.'));
}

TEST(FormatGeneral, PlainWhileTheIntegerPartFits)
{
    EXPECT_EQ(FormatGeneral(0, 15, 0, ','), "0");
    EXPECT_EQ(FormatGeneral(-0.0, 15, 0, ','), "0");
    EXPECT_EQ(FormatGeneral(1.5, 15, 0, ','), "1,5");
    EXPECT_EQ(FormatGeneral(1.5, 15, 0, '.'), "1.5");
    EXPECT_EQ(FormatGeneral(-2.5, 15, 0, ','), "-2,5");
    EXPECT_EQ(FormatGeneral(100, 3, 0, ','), "100");
    EXPECT_EQ(FormatGeneral(0.1, 15, 0, ','), "0,1");
    EXPECT_EQ(FormatGeneral(1.0 / 3, 15, 0, ','), "0,333333333333333");
    EXPECT_EQ(FormatGeneral(0.0001, 15, 0, ','), "0,0001");
    EXPECT_EQ(FormatGeneral(123.456, 4, 2, ','), "123,5");
    EXPECT_EQ(FormatGeneral(2.0, 4, 2, ','), "2");
}

TEST(FormatGeneral, ScientificBeyondPrecisionOrBelowTenThousandth)
{
    EXPECT_EQ(FormatGeneral(1230, 3, 0, ','), "1,23E3");
    EXPECT_EQ(FormatGeneral(1230, 3, 2, ','), "1,23E03");
    EXPECT_EQ(FormatGeneral(123456789, 8, 0, ','), "1,2345679E8");
    EXPECT_EQ(FormatGeneral(0.00001, 15, 0, ','), "1E-5");
    EXPECT_EQ(FormatGeneral(0.00001, 15, 2, ','), "1E-05");
    EXPECT_EQ(FormatGeneral(-0.000012345, 3, 0, '.'), "-1.23E-5");
    EXPECT_EQ(FormatGeneral(1e20, 15, 0, ','), "1E20");
    EXPECT_EQ(FormatGeneral(1e20, 15, 9, ','), "1E0020");  // at most four exponent digits
}

TEST(FormatGeneral, DecidesAfterRounding)
{
    EXPECT_EQ(FormatGeneral(999.5, 3, 0, ','), "1E3");
    EXPECT_EQ(FormatGeneral(999.4, 3, 0, ','), "999");
    EXPECT_EQ(FormatGeneral(0.000099999, 3, 0, ','), "0,0001");
    EXPECT_EQ(FormatGeneral(9.9999, 3, 0, ','), "10");
}

TEST(FormatGeneral, TiesRoundAwayFromZeroOnTheDecimalDigits)
{
    EXPECT_EQ(FormatGeneral(0.125, 2, 0, ','), "0,13");
    EXPECT_EQ(FormatGeneral(-0.125, 2, 0, ','), "-0,13");
    // 2.675 is stored as 2.67499999999999982..., so it rounds down.
    EXPECT_EQ(FormatGeneral(2.675, 3, 0, ','), "2,67");
}

TEST(FormatGeneral, NonFiniteValues)
{
    EXPECT_EQ(FormatGeneral(std::numeric_limits<double>::quiet_NaN(), 15, 0, ','), "NAN");
    EXPECT_EQ(FormatGeneral(std::numeric_limits<double>::infinity(), 15, 0, ','), "INF");
    EXPECT_EQ(FormatGeneral(-std::numeric_limits<double>::infinity(), 15, 0, ','), "-INF");
    EXPECT_EQ(FloatToStr(0.25, ','), "0,25");
}

TEST(FormatFixed, ExactlyNDecimals)
{
    EXPECT_EQ(FormatFixed(3.14159, 15, 2, ','), "3,14");
    EXPECT_EQ(FormatFixed(0, 15, 3, ','), "0,000");
    EXPECT_EQ(FormatFixed(2, 10, 0, ','), "2");
    EXPECT_EQ(FormatFixed(2.5, 10, 1, '.'), "2.5");
    EXPECT_EQ(FormatFixed(2.5, 15, 0, ','), "3");
    EXPECT_EQ(FormatFixed(0.5, 15, 0, ','), "1");
    EXPECT_EQ(FormatFixed(0.4, 15, 0, ','), "0");
    EXPECT_EQ(FormatFixed(99.996, 15, 2, ','), "100,00");
    EXPECT_EQ(FormatFixed(-1.25, 10, 1, ','), "-1,3");
    EXPECT_EQ(FormatFixed(0.05, 10, 2, ','), "0,05");
    EXPECT_EQ(FormatFixed(0.005, 10, 2, ','), "0,01");
}

TEST(FormatFixed, ValuesThatRoundToZeroLoseTheirSign)
{
    EXPECT_EQ(FormatFixed(-0.004, 15, 2, ','), "0,00");
    EXPECT_EQ(FormatFixed(1e-20, 10, 2, ','), "0,00");
    EXPECT_EQ(FormatFixed(-0.0, 10, 1, ','), "0,0");
}

TEST(FormatFixed, PrecisionLimitsTheDigitsAndFallsBackToGeneral)
{
    EXPECT_EQ(FormatFixed(1234.5678, 4, 2, ','), "1235,00");
    EXPECT_EQ(FormatFixed(0.123456, 2, 4, ','), "0,1200");
    EXPECT_EQ(FormatFixed(12345.6, 4, 2, ','), "1,235E4");
    EXPECT_EQ(FormatFixed(9999.6, 4, 1, ','), "1E4");
    EXPECT_EQ(FormatFixed(std::numeric_limits<double>::quiet_NaN(), 4, 1, ','), "NAN");
}

}  // namespace
