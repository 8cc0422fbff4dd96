#include "engine/zahlen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <tuple>

namespace {

constexpr auto Max32 = std::numeric_limits<std::int32_t>::max();
constexpr auto Min32 = std::numeric_limits<std::int32_t>::min();
constexpr auto Max64 = std::numeric_limits<std::int64_t>::max();
constexpr auto Min64 = std::numeric_limits<std::int64_t>::min();

// Both widths round alike, including where the fast path hands over to the
// value itself (2^52 for a double, 2^63 for the extended type).
TEST(Runden, HalvesGoToTheEvenNeighbour)
{
    const std::pair<long double, long double> faelle[] = {
        {0.5L, 0},       {1.5L, 2},       {2.5L, 2},      {3.5L, 4},     {-2.5L, -2},
        {-3.5L, -4},     {2.4999999L, 2}, {-0.7L, -1},    {1e300L, 1e300L},
        {0x1p52L - 0.5L, 0x1p52L},        {0x1p52L + 1, 0x1p52L + 1},   {-(0x1p52L + 3), -(0x1p52L + 3)},
    };
    for (const auto& [x, soll] : faelle) {
        EXPECT_EQ(RoundHalfEven(x), soll) << static_cast<double>(x);
        EXPECT_EQ(RoundHalfEven(static_cast<double>(x)), static_cast<double>(soll)) << static_cast<double>(x);
    }
    for (const auto& [x, soll] :
         {std::pair{0x1p63L - 0.5L, 0x1p63L}, {-0x1p62L - 0.5L, -0x1p62L}, {0x1p63L + 1, 0x1p63L + 1}})
        EXPECT_EQ(RoundHalfEven(x), soll) << static_cast<double>(x);
    // Signed zeros and non-finite values as nearbyint gives them.
    EXPECT_TRUE(std::signbit(RoundHalfEven(-0.3L)) && std::signbit(RoundHalfEven(-0.0)));
    EXPECT_TRUE(!std::signbit(RoundHalfEven(0.3)) && std::isnan(RoundHalfEven(std::nanl(""))));
    EXPECT_EQ(RoundHalfEven(-HUGE_VAL), -HUGE_VAL);
}

// Into Int32 only what fits; the saturating conversions give the nearest
// limit instead, in both widths.
TEST(Runden, IntoIntegersOnlyWhatFitsOrSaturated)
{
    EXPECT_EQ(TryRoundToInt32(2147483647.4L), Max32);
    EXPECT_EQ(TryRoundToInt32(-2147483648.5L), Min32);  // the even neighbour fits
    for (long double x : {2147483647.5L, -2147483648.6L, std::nanl(""), 1e4000L})
        EXPECT_FALSE(TryRoundToInt32(x)) << static_cast<double>(x);
    EXPECT_EQ(std::tuple(RoundToInt32(2.5), RoundToInt32(-3.5), RoundToInt64(4.5L), RoundToInt32(1e10)),
              std::tuple(2, -4, 4, Max32));
    EXPECT_EQ(RoundToInt32(-1e10L), Min32);

    const long double inf = HUGE_VALL, nan = std::nanl("");
    for (auto [x, e] : {std::pair{1e300L, Max32}, {-inf, Min32}, {nan, 0}, {2147483648.0L, Max32},
                        {-2147483648.9L, Min32}, {-7.9L, -7}})
        EXPECT_EQ(std::pair(SaturateToInt32(static_cast<double>(x)), SaturateToInt32(x)), std::pair(e, e)) << x;
    for (auto [x, e] : {std::pair{9.3e18L, Max64}, {-0x1p63L, Min64}, {nan, 0L}, {0x1p63L, Max64}})
        EXPECT_EQ(std::pair(SaturateToInt64(static_cast<double>(x)), SaturateToInt64(x)), std::pair(e, e)) << x;
    EXPECT_EQ(SaturateToInt64(-9223372036854775808.5L), Min64);
    EXPECT_EQ(SaturateToInt64(9223372036854775807.0L), Max64);
}

TEST(Parser, AcceptsPlainDecimalNumbersAndNothingElse)
{
    const std::tuple<const char*, char, bool, double> gut[] = {
        {"1,5", ',', false, 1.5}, {" \t-2,5\t ", ',', false, -2.5}, {"+3", ',', false, 3}, {",5", ',', false, 0.5},
        {"5,", ',', false, 5},    {"1e3", ',', false, 1000},        {"1E-2", '.', false, 0.01}, {"2,5e+1", ',', false, 25},
        {"007", '.', false, 7},   {"0.1", '.', false, 0.1},  // correctly rounded
        {"1.5", ',', true, 1.5},  {"1,5", '.', true, 1.5},
        // Tiny values become zero, huge ones fail (below).
        {"1e-400", '.', false, 0}, {"0e999999999999999999", '.', false, 0}, {"1e-99999999999999999999", '.', false, 0},
    };
    for (const auto& [text, trenner, beide, wert] : gut)
        EXPECT_EQ(ParseNumber(text, trenner, beide), wert) << text;
    EXPECT_EQ(ParseNumber("0." + std::string(500, '0') + "1", '.'), 0.0);
    // Too small for any type: zero with the sign as typed.
    for (const char* s : {"-1e-200000", "-0.5e-100000", "-0"}) {
        ASSERT_TRUE(ParseNumber(s, '.') && ParseNumberLong(s, '.')) << s;
        EXPECT_EQ(std::tuple(*ParseNumber(s, '.'), std::signbit(*ParseNumber(s, '.')), *ParseNumberLong(s, '.'),
                             std::signbit(*ParseNumberLong(s, '.'))),
                  std::tuple(0.0, true, 0.0L, true))
            << s;
    }
    EXPECT_FALSE(std::signbit(*ParseNumber("1e-200000", '.')));
    EXPECT_FALSE(ParseNumberLong("1e200000", '.') || ParseNumberLong("1e5000", '.') || ParseNumberLong("x", '.'));
    EXPECT_EQ(ParseNumberLong("1e-5000", '.'), 0.0L);
    EXPECT_EQ(ParseNumberLong("1e4000", '.'), 1e4000L);

    for (const char* s : {"", " ", "-", "+", ",", "1,2,3", "1.5", "inf", "-inf", "nan", "NaN", "Infinity", "0x10",
                          "1e", "1e+", "e5", "1 000", "1'000", "12a", "--1", "+-1", "1,5 x", "\t", "1,e", "Pi",
                          "1e400", "1e99999999999999999999"})
        EXPECT_FALSE(ParseNumber(s, ',')) << '"' << s << '"';
    EXPECT_FALSE(ParseNumber("1" + std::string(400, '0'), '.'));
    // With both separators allowed there is still only one of them; the
    // program's separator alone decides when only one is allowed.
    EXPECT_FALSE(ParseNumber("1.2,3", ',', true));
    EXPECT_FALSE(ParseNumber("1,2.3", '.', true));
    EXPECT_FALSE(ParseNumber("1,5", '.'));
}

struct FormatFall {
    long double v;
    int precision, n;  // minimal exponent digits, or decimals
    char separator;
    const char* expected;
};

TEST(Format, General)
{
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    const FormatFall faelle[] = {
        // Plain while the integer part fits.
        {0, 15, 0, ',', "0"},             {-0.0, 15, 0, ',', "0"},         {1.5, 15, 0, '.', "1.5"},
        {100, 3, 0, ',', "100"},          {1.0 / 3, 15, 0, ',', "0,333333333333333"},
        {0.0001, 15, 0, ',', "0,0001"},   {123.456, 4, 2, ',', "123,5"},   {2.0, 4, 2, ',', "2"},
        // Scientific beyond the precision or below a ten-thousandth.
        {1230, 3, 0, ',', "1,23E3"},      {1230, 3, 2, ',', "1,23E03"},    {0.00001, 15, 2, ',', "1E-05"},
        {-0.000012345, 3, 0, '.', "-1.23E-5"},
        {1e20, 15, 9, ',', "1E0020"},     // at most four exponent digits
        // Decided after rounding.
        {999.5, 3, 0, ',', "1E3"},        {999.4, 3, 0, ',', "999"},       {0.000099999, 3, 0, ',', "0,0001"},
        {9.9999, 3, 0, ',', "10"},
        // Ties round away from zero on the decimal digits; 2.675 is stored
        // as 2.67499999999999982..., so it rounds down.
        {0.125, 2, 0, ',', "0,13"},       {-0.125, 2, 0, ',', "-0,13"},    {2.675, 3, 0, ',', "2,67"},
        {nan, 15, 0, ',', "NAN"},         {-inf, 15, 0, ',', "-INF"},
        // Between one and eighteen digits whatever is asked.
        {1.0L / 3, 25, 0, '.', "0.333333333333333333"}, {1e18, 25, 0, '.', "1E18"}, {0.25, 0, 0, '.', "0.3"},
    };
    for (const FormatFall& f : faelle)
        EXPECT_EQ(FormatGeneral(f.v, f.precision, f.n, f.separator), f.expected) << static_cast<double>(f.v);
    EXPECT_EQ(FloatToStr(2.0 / 3, ','), "0,666666666666667");
}

TEST(Format, Fixed)
{
    const FormatFall faelle[] = {
        {3.14159, 15, 2, ',', "3,14"}, {0, 15, 3, ',', "0,000"}, {2.5, 10, 1, '.', "2.5"}, {2.5, 15, 0, ',', "3"},
        {0.4, 15, 0, ',', "0"}, {99.996, 15, 2, ',', "100,00"}, {-1.25, 10, 1, ',', "-1,3"}, {0.005, 10, 2, ',', "0,01"},
        // Values that round to zero lose their sign.
        {-0.004, 15, 2, ',', "0,00"},          {1e-20, 10, 2, ',', "0,00"},         {-0.0, 10, 1, ',', "0,0"},
        // The precision limits the digits; the general format takes over
        // when the integer part has more of them.
        {1234.5678, 4, 2, ',', "1235,00"},     {0.123456, 2, 4, ',', "0,1200"},     {12345.6, 4, 2, ',', "1,235E4"},
        {9999.6, 4, 1, ',', "1E4"},            {std::numeric_limits<double>::quiet_NaN(), 4, 1, ',', "NAN"},
    };
    for (const FormatFall& f : faelle)
        EXPECT_EQ(FormatFixed(f.v, f.precision, f.n, f.separator), f.expected) << static_cast<double>(f.v);
}

}  // namespace
