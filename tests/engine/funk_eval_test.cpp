// The term evaluator: guards on both sides of their bounds, the power rules,
// "carry on with 0" and the jump flag.
#include "engine/funk.h"
#include "engine/funktion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

namespace {

struct Eval {
    long double value = 0;
    bool ok = false;
    bool jump = false;
};

// Evaluates a term over (x, t, u) given as "f(x,t,u) = <body>".
Eval At(const std::string& body, long double x, long double t = 0, long double u = 0)
{
    TFunktionsKopf kopf;
    std::string term = "f(x,t,u) = " + body;
    std::int32_t pos = 0;
    bool nonSmooth = false, compiled = false;
    CompileTerm(kopf, term, pos, nonSmooth, compiled);
    EXPECT_TRUE(compiled) << body;
    const long double p[6] = {x, t, u, 0, 0, 0};
    Eval e;
    e.value = EvaluateTerm(kopf, p, e.ok, e.jump);
    return e;
}

bool Defined(const std::string& body, long double x, long double t = 0) { return At(body, x, t).ok; }

// Undefined always comes with the value 0.
void ExpectUndefined(const std::string& body, long double x, long double t = 0)
{
    const Eval e = At(body, x, t);
    EXPECT_FALSE(e.ok) << body << " at x=" << static_cast<double>(x) << " t=" << static_cast<double>(t);
    EXPECT_EQ(e.value, 0) << body;
}

constexpr long double kPi = 3.14159265358979323846264338327950288L;

TEST(FunkEval, PowerRules)
{
    EXPECT_EQ(At("x^2", -3).value, 9);
    EXPECT_EQ(At("x^3", 3).value, 27);
    EXPECT_EQ(At("x^3", -2).value, -8);
    EXPECT_EQ(At("x^(-1)", -2).value, -0.5L);
    EXPECT_EQ(At("x^64", 2).value, 18446744073709551616.0L);
    EXPECT_EQ(At("floor(x^2)", 9).value, 81);
    EXPECT_EQ(At("x^t", -3, 2).value, 9);     // the exponent need not be a constant
    EXPECT_EQ(At("2^x", 10).value, 1024);     // nor the base a variable
    EXPECT_EQ(At("x^0", 2).value, 1);
    ExpectUndefined("x^0", -2);
    ExpectUndefined("x^0.5", -4);
    ExpectUndefined("x^t", -8, 1.0L / 3);
    EXPECT_NEAR(static_cast<double>(At("2^0.5", 0).value), std::sqrt(2.0), 1e-15);
    EXPECT_EQ(At("0^2", 0).value, 0);
    EXPECT_TRUE(At("0^2", 0).ok);
    ExpectUndefined("0^(-1)", 0);
    ExpectUndefined("0^0", 0);
    ExpectUndefined("x^t", 0, -2);
    // Within 1e-8 of a whole number counts as whole for the sign.
    const Eval near3 = At("x^t", -2, 3 + 1e-9L);
    EXPECT_TRUE(near3.ok);
    EXPECT_NEAR(static_cast<double>(near3.value), -8.0, 1e-7);
    EXPECT_TRUE(Defined("x^65", -1));
    EXPECT_EQ(At("x^65", -1).value, -1);
}

// -800 < b ln|a| < 100, whether the power is multiplied out or not.
TEST(FunkEval, PowerGuardBounds)
{
    for (const char* body : {"x^2", "x^t", "(x+0)^(t+0)"}) {
        EXPECT_TRUE(Defined(body, std::exp(49.99L), 2)) << body;
        EXPECT_FALSE(Defined(body, std::exp(50.01L), 2)) << body;
        EXPECT_FALSE(Defined(body, -std::exp(50.01L), 2)) << body;
        EXPECT_TRUE(Defined(body, std::exp(-399.99L), 2)) << body;
        EXPECT_FALSE(Defined(body, std::exp(-400.01L), 2)) << body;
    }
    for (const char* body : {"x^(-2)", "x^t"}) {
        EXPECT_TRUE(Defined(body, std::exp(-49.99L), -2)) << body;
        EXPECT_FALSE(Defined(body, std::exp(-50.01L), -2)) << body;
        EXPECT_TRUE(Defined(body, std::exp(399.99L), -2)) << body;
        EXPECT_FALSE(Defined(body, std::exp(400.01L), -2)) << body;
    }
    EXPECT_TRUE(Defined("2^x", 144));   // 144 ln 2 = 99.8
    EXPECT_FALSE(Defined("2^x", 145));  // 100.5
    EXPECT_FALSE(Defined("x^2", 1e3000L));
    EXPECT_FALSE(Defined("x^2", 1e-3000L));
    EXPECT_FALSE(Defined("x^64", 5));    // 64 ln 5 = 103
    EXPECT_TRUE(Defined("x^64", 4));     // 88.7
}

// Exponents far beyond 64 bits keep their parity and never overflow an integer.
TEST(FunkEval, HugeExponents)
{
    const long double odd = 9223372036854775808.0L + 1;  // 2^63 + 1, exact in 64 bits
    EXPECT_EQ(At("x^t", -1, odd).value, -1);
    EXPECT_EQ(At("x^t", -1, 1e30L).value, 1);
    EXPECT_EQ(At("x^t", -1, 1e4000L).value, 1);
    EXPECT_EQ(At("x^t", -1, -odd).value, -1);
    EXPECT_FALSE(Defined("x^t", 2, 1e30L));
    EXPECT_FALSE(Defined("x^t", 0.5L, 1e4000L));
}

TEST(FunkEval, ProductGuards)
{
    ExpectUndefined("x*t", 1e-20L, 1e-20L);
    ExpectUndefined("x*t", 1e20L, 1e20L);
    EXPECT_EQ(At("x*t", 1e18L, 1e18L).value, 1e36L);
    ExpectUndefined("x*t", 1e36L, 10);
    EXPECT_TRUE(Defined("x*t", 0.99e36L, 10));
    EXPECT_TRUE(Defined("x*t", 2e-19L, 1e-18L));
    ExpectUndefined("x*t", 0.5e-19L, 1e-18L);
    EXPECT_TRUE(Defined("x*t", 1e-38L, 1e30L));  // |b| > 1: only the upper bound counts
    // A zero factor gives 0 whatever the other one is.
    EXPECT_EQ(At("x*t", 1e4000L, 0).value, 0);
    EXPECT_TRUE(At("x*t", 0, 1e-4000L).ok);
}

TEST(FunkEval, QuotientGuards)
{
    ExpectUndefined("1/x", 0);
    ExpectUndefined("0/x", 0);  // the divisor is tested first
    EXPECT_EQ(At("0/x", 5).value, 0);
    ExpectUndefined("x/t", 1e-20L, 1e20L);
    ExpectUndefined("x/t", 1e20L, 1e-20L);
    EXPECT_EQ(At("x/t", 1e10L, 1e-10L).value, 1e10L / 1e-10L);
    EXPECT_TRUE(Defined("x/t", 2e-17L, 1e20L));
    EXPECT_TRUE(Defined("x/t", 1e-37L, 0.5L));  // |b| <= 1: only the upper bound counts
}

TEST(FunkEval, SumAndDifferenceGuards)
{
    ExpectUndefined("x+t", 6e36L, 5e36L);
    EXPECT_TRUE(Defined("x+t", 6e36L, 3e36L));
    ExpectUndefined("x+t", -6e36L, -5e36L);
    EXPECT_TRUE(Defined("x+t", 6e36L, -9e36L));  // signs differ: no test
    EXPECT_TRUE(Defined("x+t", 0, 1e37L));        // 0 counts as not positive
    ExpectUndefined("x+t", 0, -1e37L);
    ExpectUndefined("x-t", 6e36L, -5e36L);
    ExpectUndefined("x-t", -6e36L, 5e36L);
    EXPECT_TRUE(Defined("x-t", 6e36L, 5e36L));
    EXPECT_TRUE(Defined("x-t", -6e36L, -9e36L));
    ExpectUndefined("x-t", 0, 1e37L);
}

TEST(FunkEval, RoundingFunctions)
{
    EXPECT_EQ(At("round(x)", 2.5L).value, 2);
    EXPECT_EQ(At("round(x)", 3.5L).value, 4);
    EXPECT_EQ(At("round(x)", -2.5L).value, -2);
    EXPECT_EQ(At("round(x)", -2.6L).value, -3);
    EXPECT_EQ(At("round(x)", 2147483646.5L).value, 2147483646);
    ExpectUndefined("round(x)", 2147483647);
    EXPECT_EQ(At("trunc(x)", -2.7L).value, -2);
    EXPECT_EQ(At("int(x)", 2147483646.9L).value, 2147483646);
    ExpectUndefined("trunc(x)", -2147483647);
    EXPECT_EQ(At("floor(x)", -2.7L).value, -3);
    EXPECT_EQ(At("floor(x)", -3).value, -3);
    EXPECT_EQ(At("floor(x)", 2.7L).value, 2);
    EXPECT_EQ(At("floor(x)", -2 - 1e-18L).value, -2);  // within 1e-17 of the integer part
    EXPECT_EQ(At("floor(x)", 9.2e18L).value, 9.2e18L);
    ExpectUndefined("floor(x)", 9.3e18L);
    ExpectUndefined("floor(x)", -9.3e18L);
}

TEST(FunkEval, SignAndJump)
{
    for (const char* body : {"sign(0)", "sign(5E-9)", "sign(-1E-8)", "sign(x-2)"}) {
        const Eval e = At(body, 2);
        EXPECT_EQ(e.value, 0) << body;
        EXPECT_TRUE(e.ok) << body;
        EXPECT_TRUE(e.jump) << body;
    }
    const Eval above = At("sign(2E-8)", 0);
    EXPECT_EQ(above.value, 1);
    EXPECT_FALSE(above.jump);
    EXPECT_EQ(At("signum(x)", -3).value, -1);
    EXPECT_EQ(At("hs(x)", 0).value, 0);
    EXPECT_EQ(At("hs(x)", 1e-4000L).value, 1);
    EXPECT_FALSE(At("hs(x)", 0).jump);
}

// A failed guard gives 0 for its node; the rest goes on with that 0 and the
// whole value is 0 and undefined.
TEST(FunkEval, CarryOnWithZero)
{
    ExpectUndefined("ln(-1)+5", 0);
    const Eval carried = At("sign(ln(x))", -1);
    EXPECT_FALSE(carried.ok);
    EXPECT_TRUE(carried.jump);  // sign met the carried 0
    // Later nodes still compute their true values after an earlier failure.
    const Eval later = At("ln(x)+sign(2*3)", -1);
    EXPECT_FALSE(later.ok);
    EXPECT_FALSE(later.jump);
    const Eval later2 = At("ln(x)+sign(t^2)+sign(u/2)+sign(2^t)+sign(x+t)", -1, 3, 4);
    EXPECT_FALSE(later2.ok);
    EXPECT_FALSE(later2.jump);
}

// Values waiting for a right operand are kept in one register, and in
// memory when that is taken; nesting to the right needs both at once.
TEST(FunkEval, NestedWaitingValues)
{
    for (long double x : {-2.5L, 0.5L, 7.0L}) {
        const long double expected = (x - 1) * ((x + 2) * ((x - 3) * (x + 4)));
        const Eval e = At("(x-1)*((x+2)*((x-3)*(x+4)))", x);
        EXPECT_TRUE(e.ok);
        EXPECT_EQ(e.value, expected) << static_cast<double>(x);
        const Eval mixed = At("(x-1)-(t*(x/(t+(x*t))))+(x-t)", x, 3);
        EXPECT_EQ(mixed.value, (x - 1) - (3 * (x / (3 + (x * 3)))) + (x - 3));
    }
    ExpectUndefined("(x-1)*((1/(x-2))*((x-3)*(x+4)))", 2);
    // A failed inner part carries 0 on; the waiting values are not disturbed.
    const Eval e = At("(x+1)+(sign(x-1)+(ln(x-2)+x))", 1);
    EXPECT_FALSE(e.ok);
    EXPECT_TRUE(e.jump);
}

// Constants that a double holds are read as doubles; the others, and the
// guards on either side, must not notice.
TEST(FunkEval, ConstantOperandsOfBothWidths)
{
    const long double wide = At("1.0000000000000000001", 0).value;
    EXPECT_NE(wide, 1);  // more digits than a double has
    EXPECT_EQ(At("x*1.0000000000000000001", 1).value, wide);
    EXPECT_EQ(At("1.0000000000000000001*x", 1).value, wide);
    EXPECT_EQ(At("x-0.5", 3).value, 2.5L);
    EXPECT_EQ(At("0.5-x", 3).value, -2.5L);
    EXPECT_EQ(At("3*x", 1.0L / 3).value, 3 * (1.0L / 3));
    EXPECT_EQ(At("x/4", 1).value, 0.25L);
    EXPECT_EQ(At("2*3", 0).value, 6);
    ExpectUndefined("x*0.5", 1e-37L);  // below the smallest product
    ExpectUndefined("0.5*x", -1e-37L);
    ExpectUndefined("x/0.5", 6e36L);  // above the largest quotient
    ExpectUndefined("x+4", 1e37L - 2);
    EXPECT_TRUE(At("x*0.5", 4e-37L).ok);
}

TEST(FunkEval, NonFiniteParameters)
{
    const long double inf = std::numeric_limits<long double>::infinity();
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    ExpectUndefined("x", inf);
    ExpectUndefined("x*0", nan);
    ExpectUndefined("abs(x)", -inf);
    ExpectUndefined("sign(x)", nan);
    ExpectUndefined("t+1", 0, inf);
    // A parameter the term does not read does not matter.
    EXPECT_EQ(At("x+1", 1, nan).value, 2);
    EXPECT_TRUE(At("5", nan).ok);
    // Parameters 3 to 6 are read from the vector.
    EXPECT_EQ(At("u*2", 0, 0, 21).value, 42);
}

// x and t are told finite from their bits, the other parameters otherwise;
// every 80-bit encoding must come out as the x87 itself treats it, including
// the unnormal ones it refuses and the pseudo-denormals it accepts.
TEST(FunkEval, OddEncodingsOfParameters)
{
    struct Bits {
        std::uint64_t mantissa;
        std::uint16_t signExponent;
    };
    const Bits cases[] = {
        {0x8000000000000000u, 0x3FFF},  // 1
        {0x0000000000000000u, 0x0000},  // +0
        {0x0000000000000000u, 0x8000},  // -0
        {0x0000000000000001u, 0x0000},  // smallest denormal
        {0x8000000000000001u, 0x0000},  // pseudo-denormal
        {0x4000000000000000u, 0x3FFF},  // unnormal
        {0x0000000000000000u, 0x4000},  // pseudo-zero with an exponent
        {0x8000000000000000u, 0x7FFF},  // infinity
        {0x0000000000000000u, 0x7FFF},  // pseudo-infinity
        {0xC000000000000000u, 0xFFFF},  // quiet NaN
        {0x4000000000000000u, 0x7FFF},  // pseudo-NaN
        {0xFFFFFFFFFFFFFFFFu, 0x7FFE},  // largest finite
    };
    for (const Bits& b : cases) {
        long double v = 0;
        std::memcpy(&v, &b.mantissa, sizeof b.mantissa);
        std::memcpy(reinterpret_cast<char*>(&v) + 8, &b.signExponent, sizeof b.signExponent);
        volatile long double copy = v;
        const long double diff = copy - copy;
        const bool x87Finite = diff == 0;
        EXPECT_EQ(At("x*0+1", v).ok, x87Finite) << std::hex << b.signExponent << " " << b.mantissa;
        EXPECT_EQ(At("t*0+1", 0, v).ok, x87Finite) << std::hex << b.signExponent << " " << b.mantissa;
        EXPECT_EQ(At("u*0+1", 0, 0, v).ok, x87Finite) << std::hex << b.signExponent << " " << b.mantissa;
    }
}

struct FnCase {
    const char* body;
    long double x;
    bool defined;
    long double expected;  // checked when defined
};

TEST(FunkEval, FunctionGuardsAndValues)
{
    const long double pi2 = kPi / 2;
    const FnCase cases[] = {
        {"abs(x)", -3, true, 3},
        {"sqr(x)", 9.9e18L, true, 9.9e18L * 9.9e18L},
        {"sqr(x)", -1e19L, false, 0},
        {"sqrt(x)", 0, true, 0},
        {"sqrt(x)", 2.25L, true, 1.5L},
        {"sqrt(x)", -1e-30L, false, 0},
        {"sin(x)", 9.9e7L, true, std::sin(9.9e7L)},
        {"sin(x)", 1e8L, false, 0},
        {"cos(x)", -1e8L, false, 0},
        {"cos(x)", 0, true, 1},
        {"atan(x)", 1e8L, false, 0},
        {"arctan(x)", 1, true, kPi / 4},
        {"exp(x)", 99.9L, true, std::exp(99.9L)},
        {"exp(x)", 100, false, 0},
        {"exp(x)", -499.9L, true, std::exp(-499.9L)},
        {"exp(x)", -500, false, 0},
        {"ln(x)", 0, false, 0},
        {"ln(x)", 1, true, 0},
        {"log(x)", -1, false, 0},
        {"log(x)", 100, true, std::log(100.0L) / std::log(10.0L)},
        {"tan(x)", 1e8L, false, 0},
        {"tan(x)", 0.5L, true, std::sin(0.5L) / std::cos(0.5L)},
        {"asin(x)", 1, false, 0},
        {"arcsin(x)", -1, false, 0},
        {"asin(x)", 0.5L, true, std::atan(0.5L / std::sqrt(0.75L))},
        {"cot(x)", 0, false, 0},
        {"cot(x)", 1e8L, false, 0},
        {"cot(x)", 1, true, std::cos(1.0L) / std::sin(1.0L)},
        {"sinh(x)", 11354, true, (std::exp(11354.0L) - std::exp(-11354.0L)) / 2},
        {"sinh(x)", 11355, false, 0},
        {"cosh(x)", -11355, false, 0},
        {"cosh(x)", 0, true, 1},
        {"tanh(x)", 11354, true, 1},
        {"tanh(x)", -11355, false, 0},
        {"coth(x)", 0, false, 0},
        {"coth(x)", 1e-4000L, false, 0},  // the formula overflows: undefined, not infinite
        {"coth(x)", 11355, false, 0},
        {"coth(x)", 1, true, (std::exp(1.0L) + std::exp(-1.0L)) / (std::exp(1.0L) - std::exp(-1.0L))},
        {"arsinh(x)", 1, true, std::log(std::sqrt(2.0L) + 1)},
        {"arsinh(x)", -1e10L, false, 0},   // cancellation gives s = 0
        {"arsinh(x)", -1e3000L, false, 0}, // x*x overflows
        {"arsinh(x)", 1e2465L, false, 0},
        {"arcosh(x)", 1, false, 0},
        {"arcosh(x)", 1.0000001L, true, std::log(std::sqrt(1.0000001L * 1.0000001L - 1) + 1.0000001L)},
        {"artanh(x)", 1, false, 0},
        {"artanh(x)", 0.5L, true, std::log(1.5L / 0.5L) / 2},
        {"arcoth(x)", 1, false, 0},
        {"arcoth(x)", -1, false, 0},
        {"arcoth(x)", 2, true, std::log(3.0L) / 2},
        {"acos(x)", 1, false, 0},
        {"arccos(x)", 0, true, pi2},
        {"acot(x)", 0, true, pi2},
        {"arccot(x)", 1e8L, false, 0},
        {"-x", 3, true, -3},
    };
    for (const FnCase& c : cases) {
        const Eval e = At(c.body, c.x);
        EXPECT_EQ(e.ok, c.defined) << c.body << " at " << static_cast<double>(c.x);
        if (c.defined) {
            const long double tol = std::fabs(c.expected) * 1e-18L + 1e-18L;
            EXPECT_LE(std::fabs(e.value - c.expected), tol) << c.body << " at " << static_cast<double>(c.x);
        } else {
            EXPECT_EQ(e.value, 0) << c.body;
        }
    }
}

// The evaluator has an x87 path and a plain C++ path (the sanitizer build
// takes the latter); both must give these bits, through EvaluateTerm and as
// the stored value of a function. Square roots, rounding and arithmetic are
// correctly rounded, so the bits do not depend on the C library.
TEST(FunkEval, PinnedBitsOnBothPaths)
{
    const long double largest = std::numeric_limits<long double>::max();
    const long double smallest = std::numeric_limits<long double>::denorm_min();
    struct Pin {
        const char* term;
        long double x;
        std::uint16_t signExponent;
        std::uint64_t mantissa;
        bool defined = true;
    };
    const Pin pins[] = {
        {"f(x)=sqrt(x)", 2, 0x3FFF, 0xB504F333F9DE6484u},
        {"f(x)=sqrt(x)", 3, 0x3FFF, 0xDDB3D742C265539Eu},
        {"f(x)=sqrt(x)", 0.1L, 0x3FFD, 0xA1E89B12424876DAu},
        {"f(x)=sqrt(x)", -0.0L, 0x8000, 0},
        {"f(x)=sqrt(x)", smallest, 0x1FE0, 0xB504F333F9DE6484u},
        {"f(x)=sqrt(x)", largest, 0x5FFE, 0xFFFFFFFFFFFFFFFFu},
        {"f(x)=sqrt(x)", -1, 0, 0, false},
        {"f(x)=wurzel(sqrt(x)+1)/3", 7, 0x3FFE, 0xA2EF2732C850A023u},
        {"f(x)=x", largest, 0x7FFE, 0xFFFFFFFFFFFFFFFFu},
        {"f(x)=x", smallest, 0, 1},
        {"f(x)=-x", 0, 0x8000, 0},
        {"f(x)=1/x", 3, 0x3FFD, 0xAAAAAAAAAAAAAAABu},
        {"f(x)=x/7-1/3", 1, 0xBFFC, 0xC30C30C30C30C30Du},
        {"f(x)=round(x)", -3.5L, 0xC001, 0x8000000000000000u},
        {"f(x)=floor(x)", -1e18L - 0.5L, 0xC03A, 0xDE0B6B3A76400010u},
        {"f(x)=x^3", 1.1L, 0x3FFF, 0xAA5E353F7CED9169u},
        {"f(x)=x^(-7)", 3, 0x3FF3, 0xEFBAB407F5B2FA44u},
        {"f(x)=(x+1)*(x-1)/(x*x+2)", 0.3L, 0xBFFD, 0xDEEDA07596A90893u},
        {"f(x)=ln(x)", 0, 0, 0, false},
    };
    auto bits = [](long double v) {
        std::uint64_t m = 0;
        std::uint16_t e = 0;
        std::memcpy(&m, &v, sizeof m);
        std::memcpy(&e, reinterpret_cast<const char*>(&v) + 8, sizeof e);
        return std::pair{e, m};
    };
    for (const Pin& c : pins) {
        SCOPED_TRACE(c.term);
        const std::pair expected{c.signExponent, c.mantissa};
        TFunktion f;
        f.SetTerm(c.term);
        f.Evaluate(c.x, 0);
        EXPECT_EQ(f.GetValueValid(), c.defined);
        EXPECT_EQ(bits(f.GetValue()), expected);
        const long double p[6] = {c.x, 0, 0, 0, 0, 0};
        TFunktionsKopf kopf;
        std::string term = c.term;
        std::int32_t pos = 0;
        bool nonSmooth = false, compiled = false, ok = false, jump = false;
        CompileTerm(kopf, term, pos, nonSmooth, compiled);
        EXPECT_EQ(bits(EvaluateTerm(kopf, p, ok, jump)), expected);
    }
}

}  // namespace
