// The term language: what compiles, where it stops and what the tree
// means; the text a function object keeps; the evaluator's guards on both
// sides of their bounds, the power rules, "carry on with 0", the jump flag,
// and the bits both evaluator paths give.
#include "engine/funk.h"
#include "engine/funktion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <tuple>

namespace {

struct Result {
    bool ok = false;
    std::int32_t errorPos = -1;
    bool nonSmooth = false;
    std::string rest;  // the term as CompileTerm leaves it
};

Result Compile(TFunktionsKopf& kopf, const std::string& term)
{
    Result r;
    r.rest = term;
    CompileTerm(kopf, r.rest, r.errorPos, r.nonSmooth, r.ok);
    return r;
}

Result Compile(const std::string& term)
{
    TFunktionsKopf kopf;
    return Compile(kopf, term);
}

struct Eval {
    long double value = NAN;  // NaN when the term does not compile, so a comparison fails loudly
    bool ok = false;
    bool jump = false;
};

Eval Run(const std::string& term, long double x, long double t = 0, long double u = 0)
{
    TFunktionsKopf kopf;
    Eval e;
    const long double p[6] = {x, t, u, 0, 0, 0};
    if (Compile(kopf, term).ok)
        e.value = EvaluateTerm(kopf, p, e.ok, e.jump);
    return e;
}

long double ValueAt(const std::string& term, long double x) { return Run(term, x).value; }

// Evaluates a term over (x, t, u) given as "f(x,t,u) = <body>".
Eval At(const std::string& body, long double x, long double t = 0, long double u = 0)
{
    const Eval e = Run("f(x,t,u) = " + body, x, t, u);
    EXPECT_FALSE(std::isnan(e.value)) << body << " does not compile";
    return e;
}

constexpr long double kAny = std::numeric_limits<long double>::quiet_NaN();
constexpr long double kPi = 3.14159265358979323846264338327950288L;

// One evaluation and what it must give: defined or not (undefined always
// comes with 0), and the exact value unless it is kAny.
struct Case {
    const char* body;
    long double x, t;
    bool defined;
    long double value = kAny;
};

void Check(const Case& c)
{
    const Eval e = At(c.body, c.x, c.t);
    const std::string where = std::string(c.body) + " at x=" + std::to_string(static_cast<double>(c.x)) +
                              " t=" + std::to_string(static_cast<double>(c.t));
    EXPECT_EQ(e.ok, c.defined) << where;
    if (!c.defined || !std::isnan(c.value)) {
        EXPECT_EQ(e.value, c.defined ? c.value : 0) << where;
    }
}

TEST(FunkCompile, EquationsThatCompile)
{
    for (const char* t : {"f(x) = x^2", "F1(x) = 2,5*x", "f''(x)=2", "f(x,a,b,c,d,e) = a+b+c+d+e+x", "'(x)=x",
                          "f(x)=(x+1]", "f(x)=[x+1)", "f(x)=+-x", "f(x)=1.", "f(x)=Pi", "y(x) = 0.5*x + 2"}) {
        const Result r = Compile(t);
        EXPECT_EQ(std::tuple(r.ok, r.errorPos, r.rest), std::tuple(true, 0, "$")) << t;
    }
}

// Error positions are 1-based in the blank-free text; the term comes back
// blank-free.
TEST(FunkCompile, FailuresAndTheirPositions)
{
    const std::pair<const char*, int> cases[] = {
        {"f(x) = ", 6}, {"f(x,a,b,c,d,e,g) = x", 16},  // the seventh name is read, then refused
        {"f() = x", 3}, {"y = x", 2}, {"f+1", 2}, {"sin(x) = x", 4}, {"f(cos) = 1", 6},  // keywords as names
        {"f(x) = 2e3", 7},  // lower-case e ends the number
        {"f(x) = 2E", 8}, {"f(x) = 2E+", 9}, {"f(x) = 2^-1", 8}, {"f(x) = 2*-x", 8}, {"f(x) = --x", 7},
        {"f(x) = PI*x", 6}, {"f(x) = pI", 6}, {"f(x,p) = p*x", 8}, {"f(x) = pix", 8},  // "pi", then x
        {"f(x) = (x+1", 10}, {"f(x) = 2x", 7}, {"f(x) = 2(x+1)", 7}, {"f(x) = .5", 6}, {"f(x) = *x", 6},
        {"f(x) = sin x", 6},  // blanks go first: "sinx" is unknown
        {"f(x) = X", 6},      // parameters are case-sensitive
        {"f(x) = x$", 7},     // a typed end mark is left over
        {"f(x) = 1E37", 10}, {"f(x) = 10E36", 11}, {"f(x) = 0.5E-36", 13}, {"f(x)x", 5}, {"f(x", 4}, {"", 1},
        {"f(x)=x)", 7}, {"f(x(x)", 4}, {"f(x,t(x)", 6},  // an unclosed header before what would be a term
        // UTF-8 letters are just characters the language does not know.
        {"f(x) = \xC3\xA4*x", 6}, {"f(x) = x+\xF0\x9F\x98\x80", 8}, {"\xC3\xA4(x)=x", 1}, {"f(x\xE2\x82\xAC)=x", 4},
        // Inside brackets: where the innermost failing bracketed expression stopped.
        {"f(x)=(x+*2)+3", 9}, {"f(x)=sin((x+1)*)", 16}, {"f(x)=((x)+(2x))", 13},
    };
    for (const auto& [term, pos] : cases) {
        const Result r = Compile(term);
        EXPECT_EQ(std::pair(r.ok, r.errorPos), std::pair(false, pos)) << term;
    }
    EXPECT_EQ(Compile("f(x) = x ^").rest, "f(x)=x^");
    EXPECT_EQ(Compile("F1(x) = 2,5*x ^").rest, "F1(x)=2,5*x^");  // commas as typed
}

TEST(FunkCompile, HeaderNamesAreCut)
{
    TFunktionsKopf kopf;
    ASSERT_TRUE(Compile(kopf, "abcdefgh(xyzw,time) = xyzw*tim").ok);
    EXPECT_EQ(std::tuple(kopf.Name, kopf.Count, kopf.Parameters[0], kopf.Parameters[1], kopf.Text),
              std::tuple("abcdef", 2, "xyz", "tim", "$"));

    // A longer body identifier reaches a parameter through its cut form.
    EXPECT_EQ(ValueAt("f(xyz) = xyzw+xyzabc", 2), 4);
    // "sinus" cut to 6 is no keyword, "sinh" is.
    EXPECT_TRUE(Compile("sinus(x)=x").ok);
    EXPECT_FALSE(Compile("sinh(x)=x").ok);
    // A long parameter whose cut form is a keyword is refused.
    EXPECT_FALSE(Compile("f(x,absx)=x").ok);
    EXPECT_TRUE(Compile("f(x,square)=x").ok);  // "squ" is no keyword

    // The last parameter of a name wins: a is the third value.
    ASSERT_TRUE(Compile(kopf, "f(a,b,a) = a").ok);
    const long double p[6] = {1, 2, 3, 0, 0, 0};
    bool ok = false, jump = false;
    EXPECT_EQ(EvaluateTerm(kopf, p, ok, jump), 3);
    // A failed header keeps no name or parameter of the term before.
    ASSERT_FALSE(Compile(kopf, "").ok);
    EXPECT_EQ(std::tuple(kopf.Name, kopf.Count, kopf.Parameters[0]), std::tuple("", 0, ""));
}

TEST(FunkCompile, NonSmoothFlagAndKeywordLookup)
{
    for (const char* t : {"f(x) = Sin(x)+ABSOLUT(x)", "f(x)=round(x)", "f(x)=int(x)", "f(x)=gauss(x)",
                          "f(x)=signum(x)", "f(x)=heaviside(x)"})
        EXPECT_TRUE(Compile(t).nonSmooth) << t;
    for (const char* t : {"f(x)=sqr(x)", "f(x)=coth(x)", "f(x)=-x"})
        EXPECT_FALSE(Compile(t).nonSmooth) << t;
    // Lookup ignores the case of a-z only; the minus sign has no keyword.
    for (const char* t : {"SINUS", "NEG", "s\xC3\xAFn"})
        EXPECT_EQ(LookupFunctionKeyword(t), 0) << t;
}

// Precedence, keywords that take one factor (the next number or bracket),
// and numbers, through values.
TEST(FunkCompile, PrecedenceAndNumbersThroughValues)
{
    const std::tuple<const char*, long double, long double> cases[] = {
        {"f(x) = -x^2", 3, -9},     {"f(x) = -x^2+1", 3, -8},  {"f(x) = -2*x+3", 1, 1},
        {"f(x) = 2^3^2", 0, 64},    // (2^3)^2
        {"f(x) = 2+3*4^2", 0, 50},  {"f(x) = 12/3/2", 0, 2},   {"f(x) = 10-3-2", 0, 5},
        {"f(x) = 2*(3+4)", 0, 14},  {"f(x) = +-x", 5, -5},     {"f(x) = 2^(-1)", 0, 0.5L},
        {"f(x)=round(x)^2", 1.5L, 4}, {"f(x)=sqrt(x)*x", 4, 8}, {"f(x)=sqrt[x]", 4, 2},
        {"f(x)=sqrt(2)", 0, std::sqrt(2.0L)},
        {"f(x) = 3,5E-2", 0, 3.5L / 100}, {"f(x) = 2,5", 0, 2.5L},  {"f(x) = 1.", 0, 1},
        {"f(x) = 0E99", 0, 0},      {"f(x) = pi", 0, kPi},      {"f(x) = 0E99999999999999999999", 0, 0},
    };
    for (const auto& [term, x, value] : cases)
        EXPECT_EQ(ValueAt(term, x), value) << term;
    EXPECT_EQ(ValueAt("f(x)=0." + std::string(6000, '0') + "1", 0), 0);  // just 0
    // Exponents to +-36 (and digit strings without one, which have no range
    // test) to the last bit or so.
    for (const auto& [term, v] : {std::pair{"1E36", 1e36L}, {"12E+2", 1200}, {"1E-36", 1e-36L},
                                  {"1000000000000000000000000000000000000000", 1e39L}})
        EXPECT_LT(std::fabs(ValueAt(std::string("f(x)=") + term, 0) / v - 1), 1e-18L) << term;
    for (const char* t : {"f(x) = 0.1E37", "f(x) = 9.9E36", "f(x)=sin[x]"})
        EXPECT_TRUE(Compile(t).ok) << t;
    // An exponent that overflows any integer is refused, not wrapped.
    for (const char* t : {"f(x) = 1E99999999999999999999", "f(x)=sqrt2", "f(x)=sin-x"})
        EXPECT_FALSE(Compile(t).ok) << t;
}

// Faults that would hang or overflow the stack are refused.
TEST(FunkCompile, AbsurdInputFailsCleanly)
{
    // A digit string beyond the extended range.
    const std::string huge(5000, '9');
    EXPECT_FALSE(Compile("f(x)=" + huge).ok);
    EXPECT_FALSE(Compile("f(x)=" + huge + "E1").ok);
    EXPECT_FALSE(Compile("f(x)=1." + huge).ok);

    // Nesting: 500 brackets are fine, 501 are refused at the 501st opener.
    auto nested = [](int n) { return "f(x)=" + std::string(static_cast<std::size_t>(n), '(') + "x" +
                                     std::string(static_cast<std::size_t>(n), ')'); };
    EXPECT_TRUE(Compile(nested(500)).ok);
    const Result deep = Compile(nested(501));
    EXPECT_EQ(std::pair(deep.ok, deep.errorPos), std::pair(false, 6 + 500));
    EXPECT_FALSE(Compile(nested(100000)).ok);
    std::string sines = "f(x)=";
    for (int i = 0; i < 600; ++i) sines += "sin(";
    sines += "x" + std::string(600, ')');
    EXPECT_FALSE(Compile(sines).ok);

    // A long flat chain has no nesting and evaluates without recursion.
    std::string chain = "f(x)=x";
    for (int i = 0; i < 200000; ++i) chain += "+x";
    EXPECT_EQ(ValueAt(chain, 1), 200001);
}

// Each compilation replaces the last; a failed one leaves nothing runnable.
TEST(FunkCompile, RecompilationReplacesEverything)
{
    TFunktionsKopf kopf;
    ASSERT_TRUE(Compile(kopf, "f(x,t)=t*x").ok);
    const std::size_t nodes = kopf.Nodes.size(), steps = kopf.Steps.size();
    for (int i = 0; i < 1000; ++i) ASSERT_TRUE(Compile(kopf, "f(x,t)=t*x").ok);
    EXPECT_EQ(std::pair(kopf.Nodes.size(), kopf.Steps.size()), std::pair(nodes, steps));

    ASSERT_FALSE(Compile(kopf, "f(x)=2x").ok);
    EXPECT_EQ(kopf.Text, "f(x)=2x");
    const long double p[6] = {1, 2, 0, 0, 0, 0};
    bool ok = true, jump = true;
    EXPECT_EQ(std::tuple(EvaluateTerm(kopf, p, ok, jump), ok, jump), std::tuple(0.0L, false, false));
    TFunktionsKopf fresh;
    EXPECT_EQ(std::pair(EvaluateTerm(fresh, p, ok, jump), ok), std::pair(0.0L, false));
}

// The function object: the text it keeps, and evaluation through it.
TEST(Funktion, TermTextFlagsAndEvaluation)
{
    TFunktion f;
    f.SetTerm("f(x) = sign(x-2)");
    EXPECT_EQ(std::tuple(f.GetCompiled(), f.GetNonSmooth(), f.GetErrorPos()), std::tuple(true, true, 0));
    f.Evaluate(2, 0);
    EXPECT_EQ(std::tuple(f.GetValueValid(), f.GetJumpHit(), f.GetValue()), std::tuple(true, true, 0.0L));
    // A failed term keeps its blank-free text, except the empty equations,
    // which keep their display form.
    for (const auto& [term, text] : {std::pair{"f(x) = x^", "f(x)=x^"}, {"f(x)=", "f(x) = "}, {"f(x,t) = ", "f(x,t) = "},
                                     {"g(x) = ", "g(x)="}}) {
        f.SetTerm(term);
        EXPECT_EQ(std::pair(f.GetCompiled(), f.GetTerm()), std::pair(false, std::string(text))) << term;
    }
    EXPECT_EQ(f.GetErrorPos(), 6);
    // Commas and odd spacing survive a successful compilation as typed.
    f.SetTerm("  f(x , t) = 2,5 * t*x ");
    EXPECT_EQ(std::tuple(f.GetCompiled(), f.GetNonSmooth(), f.GetTerm()),
              std::tuple(true, false, "  f(x , t) = 2,5 * t*x "));
    const long double p[6] = {-3, 0.5L, 7, 7, 7, 7};
    f.Evaluate(p);
    EXPECT_EQ(f.GetValue(), -3.75L);

    // A failed term is never evaluated, whatever the term before left behind;
    // a copy keeps its own compiled term.
    const TFunktion kopie = f;
    f.SetTerm("f(x) = 2x");  // its prefix "2" parses
    f.Evaluate(3, 0);
    EXPECT_EQ(std::tuple(f.GetValueValid(), f.GetValue()), std::tuple(false, 0.0L));
    TFunktion b = kopie;
    b.Evaluate(3, 2);
    EXPECT_EQ(b.GetValue(), 15);
}

TEST(FunkEval, Powers)
{
    const long double e50 = std::exp(50.01L), eMinus400 = std::exp(-400.01L);
    const long double odd = 9223372036854775808.0L + 1;  // 2^63 + 1, exact in 64 bits
    const Case cases[] = {
        {"x^2", -3, 0, true, 9},          {"x^3", -2, 0, true, -8},     {"x^(-1)", -2, 0, true, -0.5L},
        {"x^64", 2, 0, true, 18446744073709551616.0L},
        {"floor(x^2)", 9, 0, true, 81},   // multiplied out, not e^(2 ln 9)
        {"x^t", -3, 2, true, 9},          // the exponent need not be a constant
        {"2^x", 10, 0, true, 1024},       // nor the base a variable
        {"x^0", 2, 0, true, 1},           {"x^0", -2, 0, false},        {"x^0.5", -4, 0, false},
        {"x^t", -8, 1.0L / 3, false},     {"0^2", 0, 0, true, 0},       {"0^(-1)", 0, 0, false},
        {"0^0", 0, 0, false},             {"x^t", 0, -2, false},        {"x^65", -1, 0, true, -1},
        // Within 1e-8 of a whole number counts as whole for the sign.
        {"sign(x^t+7.9)", -2, 3 + 1e-9L, true, -1}, {"sign(x^t)", -2, 1 + 1e-9L, true, -1},
        // Exponents far beyond 64 bits keep their parity and overflow nothing.
        {"x^t", -1, odd, true, -1},       {"x^t", -1, -odd, true, -1},  {"x^t", -1, 1e30L, true, 1},
        {"x^t", -1, 1e4000L, true, 1},    {"x^t", 2, 1e30L, false},     {"x^t", 0.5L, 1e4000L, false},
        // -800 < b ln|a| < 100, whether the power is multiplied out or not:
        // 144 ln 2 = 99.8, 145 ln 2 = 100.5, 64 ln 4 = 88.7, 64 ln 5 = 103.
        {"2^x", 144, 0, true},            {"2^x", 145, 0, false},       {"x^64", 4, 0, true},
        {"x^64", 5, 0, false},            {"x^2", 1e3000L, 0, false},   {"x^2", 1e-3000L, 0, false},
        // Exactly at the bounds: ln(exp(1)) is 1, so b ln|a| is x itself.
        {"exp(1)^x", 100, 0, false},      {"exp(1)^x", std::nextafter(100.0L, 0.0L), 0, true},
        {"exp(1)^x", -800, 0, false},     {"exp(1)^x", std::nextafter(-800.0L, 0.0L), 0, true},
    };
    ASSERT_EQ(At("ln(exp(1))", 0).value, 1);  // what the exact bounds below rest on
    for (const Case& c : cases)
        Check(c);
    // Multiplied out or not, and with constant or variable operands: e^50
    // and e^-400 bound |a| for b = 2, e^-50 and e^400 for b = -2.
    const std::tuple<long double, long double, bool> grenzen[] = {
        {std::exp(49.99L), 2, true},   {e50, 2, false},              {-e50, 2, false}, {std::exp(-399.99L), 2, true},
        {eMinus400, 2, false},         {std::exp(-49.99L), -2, true}, {std::exp(-50.01L), -2, false},
        {std::exp(399.99L), -2, true}, {std::exp(400.01L), -2, false}};
    for (const auto& [x, t, definiert] : grenzen)
        for (const char* body : {"x^t", t > 0 ? "x^2" : "x^(-2)", "(x+0)^(t+0)"})
            Check({body, x, t, definiert});
    EXPECT_NEAR(static_cast<double>(At("2^0.5", 0).value), std::sqrt(2.0), 1e-15);
}

TEST(FunkEval, ArithmeticGuards)
{
    const long double wide = At("1.0000000000000000001", 0).value;
    EXPECT_NE(wide, 1);  // more digits than a double has
    const Case cases[] = {
        {"x*t", 1e-20L, 1e-20L, false},   {"x*t", 1e20L, 1e20L, false},     {"x*t", 1e18L, 1e18L, true, 1e36L},
        {"x*t", 1e36L, 10, false},        {"x*t", 0.99e36L, 10, true},      {"x*t", 2e-19L, 1e-18L, true},
        {"x*t", 0.5e-19L, 1e-18L, false},
        {"x*t", 1e-38L, 1e30L, true},     // |b| > 1: only the upper bound counts
        {"x*t", 1e-38L, 1, false},        {"x/t", 1e-38L, 1, true},         // |b| = 1 counts as small
        {"x*t", 1e4000L, 0, true, 0},     // a zero factor gives 0 whatever the other is
        {"x*t", 0, 1e-4000L, true, 0},    {"1/x", 0, 0, false},
        {"0/x", 0, 0, false},             // the divisor is tested first
        {"0/x", 5, 0, true, 0},           {"x/t", 1e-20L, 1e20L, false},    {"x/t", 1e20L, 1e-20L, false},
        {"x/t", 1e10L, 1e-10L, true, 1e10L / 1e-10L},                       {"x/t", 2e-17L, 1e20L, true},
        {"x/t", 1e-37L, 0.5L, true},      // |b| <= 1: only the upper bound counts
        {"x+t", 6e36L, 5e36L, false},     {"x+t", 6e36L, 3e36L, true},      {"x+t", -6e36L, -5e36L, false},
        {"x+t", 6e36L, -9e36L, true},     // signs differ: no test
        {"x+t", 0, 1e37L, true},          // 0 counts as not positive
        {"x+t", 0, -1e37L, false},        {"x-t", 6e36L, -5e36L, false},    {"x-t", -6e36L, 5e36L, false},
        {"x-t", 6e36L, 5e36L, true},      {"x-t", -6e36L, -9e36L, true},    {"x-t", 0, 1e37L, false},
        // Constants that a double holds are read as doubles; the others, and
        // the guards on either side, must not notice.
        {"x*1.0000000000000000001", 1, 0, true, wide},                      {"1.0000000000000000001*x", 1, 0, true, wide},
        {"x-0.5", 3, 0, true, 2.5L},      {"0.5-x", 3, 0, true, -2.5L},     {"3*x", 1.0L / 3, 0, true, 3 * (1.0L / 3)},
        {"x/4", 1, 0, true, 0.25L},       {"x*0.5", 4e-37L, 0, true},
        {"x*0.5", 1e-37L, 0, false},      // below the smallest product
        {"0.5*x", -1e-37L, 0, false},     {"x/0.5", 6e36L, 0, false},       // above the largest quotient
        {"x+4", 1e37L - 2, 0, false},
    };
    for (const Case& c : cases)
        Check(c);
}

// The jump flag: sign met an argument within 1e-8 of 0, even when that is
// the 0 a failed node carries on (a failed guard gives 0 for its node, the
// rest goes on with it, and the whole is 0 and undefined).
TEST(FunkEval, JumpFlagAndCarriedZero)
{
    const std::tuple<const char*, long double, bool, bool, long double> cases[] = {
        {"sign(0)", 2, true, true, 0},          {"sign(5E-9)", 2, true, true, 0},  {"sign(-1E-8)", 2, true, true, 0},
        {"sign(x-2)", 2, true, true, 0},        {"sign(2E-8)", 0, true, false, 1}, {"hs(x)", 0, true, false, 0},
        {"ln(-1)+5", 0, false, false, 0},       {"sign(ln(x))", -1, false, true, 0},
        {"(x+1)+(sign(x-1)+(ln(x-2)+x))", 1, false, true, 0},
        // Later nodes still compute their true values after an earlier failure.
        {"ln(x)+sign(2*3)+sign(t^2)+sign(u/2)+sign(2^t)+sign(x+t)", -1, false, false, 0},
    };
    for (const auto& [body, x, ok, jump, value] : cases) {
        const Eval e = At(body, x, 3, 4);
        EXPECT_EQ(std::tuple(e.ok, e.jump, e.value), std::tuple(ok, jump, value)) << body;
    }
    // (Values waiting for a right operand are kept in one register, and in
    // memory when that is taken: the random terms check such nesting.)
    Check({"(x-1)*((1/(x-2))*((x-3)*(x+4)))", 2, 0, false});
}

// x and t are told finite from their bits, the other parameters otherwise;
// every 80-bit encoding must come out as the x87 itself treats it, including
// the unnormal ones it refuses and the pseudo-denormals it accepts.
TEST(FunkEval, OddEncodingsOfParameters)
{
    const std::pair<std::uint64_t, std::uint16_t> cases[] = {  // mantissa, sign and exponent
        {0x8000000000000000u, 0x3FFF} /* 1 */,        {0x0000000000000000u, 0x8000} /* -0 */,
        {0x0000000000000001u, 0x0000} /* denormal */, {0x8000000000000001u, 0x0000} /* pseudo-denormal */,
        {0x4000000000000000u, 0x3FFF} /* unnormal */, {0x0000000000000000u, 0x4000} /* pseudo-zero */,
        {0x8000000000000000u, 0x7FFF} /* infinity */, {0x0000000000000000u, 0x7FFF} /* pseudo-infinity */,
        {0xC000000000000000u, 0xFFFF} /* NaN */,      {0x4000000000000000u, 0x7FFF} /* pseudo-NaN */,
        {0xFFFFFFFFFFFFFFFFu, 0x7FFE} /* largest finite */,
    };
    for (const auto& [mantissa, signExponent] : cases) {
        long double v = 0;
        std::memcpy(&v, &mantissa, sizeof mantissa);
        std::memcpy(reinterpret_cast<char*>(&v) + 8, &signExponent, sizeof signExponent);
        volatile long double copy = v;
        const bool x87Finite = copy - copy == 0;
        EXPECT_EQ(std::tuple(At("x*0+1", v).ok, At("t*0+1", 0, v).ok, At("u*0+1", 0, 0, v).ok),
                  std::tuple(x87Finite, x87Finite, x87Finite))
            << std::hex << signExponent << " " << mantissa;
    }
    // A parameter the term does not read may be anything; u is the third.
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    Check({"x+1", 1, nan, true, 2});
    Check({"5", nan, 0, true, 5});
    EXPECT_EQ(At("u*2", 0, 0, 21).value, 42);
    // Beside a parameter that is not finite the others keep their values,
    // which sign still sees: the whole is undefined, the jump is there.
    TFunktionsKopf kopf;
    ASSERT_TRUE(Compile(kopf, "f(x,t,u,v) = u+sign(v-5)").ok);
    const long double p[6] = {0, 0, nan, 5, 0, 0};
    bool ok = true, jump = false;
    EvaluateTerm(kopf, p, ok, jump);
    EXPECT_EQ(std::pair(ok, jump), std::pair(false, true));
}

// Every function at the bounds of its guard and at values, each keyword in
// either case with a value that tells its function from the others, so that
// a keyword with a wrong code or a function with a wrong guard is caught.
TEST(FunkEval, EveryKeywordComputesItsFunction)
{
    const long double e1 = std::exp(1.0L), eh = std::exp(0.5L), w = std::sqrt(0.75L);
    const struct {
        const char* name;
        long double x;
        bool defined;
        long double expected = 0;  // checked to 1e-18 when defined
    } cases[] = {
        {"abs", -3, true, 3}, {"ABSOLUT", -2.5L, true, 2.5L}, {"Betrag", -0.5L, true, 0.5L},
        {"sqr", 9.9e18L, true, 9.9e18L * 9.9e18L}, {"SQR", -1e19L, false}, {"square", -3, true, 9},
        {"Quadrat", 0.5L, true, 0.25L}, {"round", 2.5L, true, 2}, {"ROUND", 3.5L, true, 4}, {"runde", -2.5L, true, -2},
        {"Runde", -2.6L, true, -3}, {"round", 2147483646.5L, true, 2147483646}, {"round", 2147483647, false},
        {"trunc", -2.7L, true, -2}, {"INT", 2147483646.9L, true, 2147483646}, {"int", -2.7L, true, -2},
        {"int", -2147483647, false}, {"sqrt", 0, true, 0}, {"Wurzel", 2.25L, true, 1.5L},
        {"SQUAREROOT", 6.25L, true, 2.5L}, {"sqrt", -1e-30L, false}, {"sin", 9.9e7L, true, std::sin(9.9e7L)},
        {"SIN", 1e8L, false}, {"cos", -1e8L, false}, {"COS", 0.5L, true, std::cos(0.5L)},
        {"atan", 1e8L, false}, {"ATAN", -1, true, -kPi / 4}, {"ArcTan", 0.5L, true, std::atan(0.5L)},
        {"exp", 99.9L, true, std::exp(99.9L)}, {"EXP", 100, false}, {"exp", -499.9L, true, std::exp(-499.9L)},
        {"exp", -500, false}, {"ln", 0, false}, {"LN", 1, true, 0}, {"ln", 10, true, std::log(10.0L)},
        {"log", -1, false}, {"LOG", 100, true, std::log(100.0L) / std::log(10.0L)}, {"-", 3, true, -3},
        {"tan", 1e8L, false}, {"TAN", 0.5L, true, std::sin(0.5L) / std::cos(0.5L)}, {"tan", 0, true, 0}, {"asin", 1, false},
        {"ARCSIN", -1, false}, {"asin", 0.5L, true, std::atan(0.5L / w)}, {"ArcSin", -0.5L, true, -std::atan(0.5L / w)},
        {"cot", 0, false}, {"COT", 1e8L, false}, {"cot", 1, true, std::cos(1.0L) / std::sin(1.0L)},
        {"sinh", 11354, true, (std::exp(11354.0L) - std::exp(-11354.0L)) / 2}, {"SINH", 11355, false},
        {"cosh", -11355, false}, {"COSH", 1, true, (1 / e1 + e1) / 2}, {"tanh", 11354, true, 1},
        {"TANH", -11355, false}, {"tanh", 0.5L, true, (eh - 1 / eh) / (eh + 1 / eh)}, {"coth", 0, false},
        {"COTH", 1e-4000L, false},  // the formula overflows: undefined, not infinite
        {"coth", 11355, false}, {"coth", 1, true, (e1 + 1 / e1) / (e1 - 1 / e1)},
        {"arsinh", 1, true, std::log(std::sqrt(2.0L) + 1)},
        {"ARSINH", -1e10L, false},  // cancellation gives s = 0
        {"arsinh", -1e3000L, false},  // x*x overflows
        {"arsinh", 1e2465L, false}, {"arcosh", 1, false},
        {"ARCOSH", 1.0000001L, true, std::log(std::sqrt(1.0000001L * 1.0000001L - 1) + 1.0000001L)},
        {"artanh", 1, false}, {"ARTANH", 0.5L, true, std::log(1.5L / 0.5L) / 2}, {"arcoth", 1, false},
        {"ARCOTH", -1, false}, {"arcoth", 2, true, std::log(3.0L) / 2}, {"acos", 1, false},
        {"ACOS", -0.5L, true, kPi / 2 + std::atan(0.5L / w)}, {"arccos", 0.5L, true, kPi / 2 - std::atan(0.5L / w)},
        {"acot", 0.5L, true, kPi / 2 - std::atan(0.5L)}, {"ARCCOT", 1e8L, false}, {"arccot", -1, true, kPi * 3 / 4},
        {"gauss", -2.7L, true, -3}, {"FLOOR", -3, true, -3}, {"floor", 2.7L, true, 2},
        {"floor", -2 - 1e-18L, true, -2},  // within 1e-17 of the integer part
        {"floor", 9.2e18L, true, 9.2e18L}, {"GAUSS", 9.3e18L, false}, {"floor", -9.3e18L, false},
        {"floor", 0x1p63L, false}, {"sign", -3, true, -1}, {"SIGNUM", -0.5L, true, -1}, {"hs", 0, true, 0},
        {"HEAVISIDE", 1e-4000L, true, 1}, {"Heaviside", -3, true, 0},
    };
    auto upper = [](std::string n) {
        for (char& ch : n)
            ch = ch >= 'a' ? static_cast<char>(ch - 'a' + 'A') : ch;
        return n;
    };
    for (const TermKeyword& k : FunctionKeywords)
        EXPECT_TRUE(std::any_of(std::begin(cases), std::end(cases),
                                [&](const auto& c) { return c.defined && upper(c.name) == k.Name; }))
            << k.Name << " has no value to tell its function by";
    for (const auto& c : cases) {
        const Eval e = At(std::string(c.name) + "(x)", c.x);
        const long double tol = std::fabs(c.expected) * 1e-18L + 1e-18L;
        EXPECT_TRUE(e.ok == c.defined && std::fabs(e.value - c.expected) <= tol)
            << c.name << " at " << static_cast<double>(c.x) << ": " << static_cast<double>(e.value) << " " << e.ok;
    }
}

// The evaluator has an x87 path and a plain C++ path (the sanitizer build
// takes the latter); both must give these bits, as the value a function
// stores. Square roots, rounding and arithmetic are correctly rounded, so
// the bits do not depend on the C library.
TEST(FunkEval, PinnedBitsOnBothPaths)
{
    const long double largest = std::numeric_limits<long double>::max();
    const long double smallest = std::numeric_limits<long double>::denorm_min();
    const std::tuple<const char*, long double, std::uint16_t, std::uint64_t> pins[] = {
        {"f(x)=sqrt(x)", 2, 0x3FFF, 0xB504F333F9DE6484u},         {"f(x)=sqrt(x)", 3, 0x3FFF, 0xDDB3D742C265539Eu},
        {"f(x)=sqrt(x)", 0.1L, 0x3FFD, 0xA1E89B12424876DAu},      {"f(x)=sqrt(x)", -0.0L, 0x8000, 0},
        {"f(x)=sqrt(x)", smallest, 0x1FE0, 0xB504F333F9DE6484u},  {"f(x)=sqrt(x)", largest, 0x5FFE, ~0ull},
        {"f(x)=sqrt(x)", -1, 0, 0},  // undefined
        {"f(x)=wurzel(sqrt(x)+1)/3", 7, 0x3FFE, 0xA2EF2732C850A023u},
        {"f(x)=x", largest, 0x7FFE, ~0ull},                       {"f(x)=x", smallest, 0, 1},
        {"f(x)=-x", 0, 0x8000, 0},                                {"f(x)=1/x", 3, 0x3FFD, 0xAAAAAAAAAAAAAAABu},
        {"f(x)=x/7-1/3", 1, 0xBFFC, 0xC30C30C30C30C30Du},         {"f(x)=round(x)", -3.5L, 0xC001, 1ull << 63},
        {"f(x)=floor(x)", -1e18L - 0.5L, 0xC03A, 0xDE0B6B3A76400010u},
        {"f(x)=x^3", 1.1L, 0x3FFF, 0xAA5E353F7CED9169u},          {"f(x)=x^(-7)", 3, 0x3FF3, 0xEFBAB407F5B2FA44u},
        {"f(x)=(x+1)*(x-1)/(x*x+2)", 0.3L, 0xBFFD, 0xDEEDA07596A90893u},
    };
    for (const auto& [term, x, signExponent, mantissa] : pins) {
        TFunktion f;
        f.SetTerm(term);
        f.Evaluate(x, 0);
        const long double v = f.GetValue();
        std::uint64_t m = 0;
        std::uint16_t e = 0;
        std::memcpy(&m, &v, sizeof m);
        std::memcpy(&e, reinterpret_cast<const char*>(&v) + 8, sizeof e);
        EXPECT_EQ(std::pair(e, m), std::pair(signExponent, mantissa)) << term << " at " << static_cast<double>(x);
        EXPECT_EQ(f.GetValueValid(), signExponent != 0 || mantissa != 0) << term;
    }
}

}  // namespace
