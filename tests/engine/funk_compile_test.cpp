// The term compiler: what compiles, where it stops, and what the tree means.
#include "engine/funk.h"

#include <gtest/gtest.h>

#include <cmath>
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

// Value of a one-parameter term at x (NaN when it does not compile, so a
// test comparing values fails loudly).
long double ValueAt(const std::string& term, long double x)
{
    TFunktionsKopf kopf;
    if (!Compile(kopf, term).ok) return NAN;
    const long double p[6] = {x, 0, 0, 0, 0, 0};
    bool ok = false, jump = false;
    return EvaluateTerm(kopf, p, ok, jump);
}

const TKnoten& RootOf(const TFunktionsKopf& kopf) { return kopf.Nodes.at(static_cast<std::size_t>(kopf.Root)); }
const TKnoten& Child(const TFunktionsKopf& kopf, std::int32_t i) { return kopf.Nodes.at(static_cast<std::size_t>(i)); }

TEST(FunkCompile, EquationsThatCompile)
{
    for (const char* t : {"f(x) = x^2", "F1(x) = 2,5*x", "f'(x) = 2*x", "f''(x)=2", "g(x,t) = t*x^2",
                          "f(x,a,b,c,d,e) = a+b+c+d+e+x", "'(x)=x", "f(x)=(x+1]", "f(x)=[x+1)",
                          "f(x)=2^(-1)", "f(x)=+-x", "f(x)=(-x)", "f(x)=1.", "f(x)=pi*x", "f(x)=Pi",
                          "f(x,t)=t*x^2-3*x+1", "y(x) = 0.5*x + 2"}) {
        const Result r = Compile(t);
        EXPECT_EQ(std::tuple(r.ok, r.errorPos, r.rest), std::tuple(true, 0, "$")) << t;
    }
}

// Error positions are 1-based in the blank-free text; the term comes back
// blank-free.
TEST(FunkCompile, FailuresAndTheirPositions)
{
    struct Case {
        const char* term;
        int pos;
    };
    const Case cases[] = {
        {"f(x) = ", 6},                {"f(x,a,b,c,d,e,g) = x", 16},  // the seventh name is read, then refused
        {"f() = x", 3},                {"y = x", 2},
        {"sin(x) = x", 4},             {"f(cos) = 1", 6},             // keywords as names
        {"f(x) = 2e3", 7},             // lower-case e ends the number
        {"f(x) = 2E", 8},              {"f(x) = 2E+", 9},             {"f(x) = 2^-1", 8},
        {"f(x) = 2*-x", 8},            {"f(x) = --x", 7},             {"f(x) = PI*x", 6},
        {"f(x) = pI", 6},              {"f(x,p) = p*x", 8},           {"f(x) = pix", 8},  // "pi", then x
        {"f(x) = (x+1", 10},           {"f(x) = 2x", 7},              {"f(x) = 2(x+1)", 7},
        {"f(x) = sin x", 6},           // blanks go first: "sinx" is unknown
        {"f(x) = .5", 6},              {"f(x) = *x", 6},
        {"f(x) = X", 6},               // parameters are case-sensitive
        {"f(x) = x$", 7},              // a typed end mark is left over
        {"f(x) = 1E37", 10},           {"f(x) = 10E36", 11},          {"f(x) = 0.5E-36", 13},
        {"f(x)x", 5},                  {"f(x", 4},                    {"", 1},
        {"f(x)=x)", 7},
        // UTF-8 letters are just characters the language does not know.
        {"f(x) = \xC3\xA4*x", 6},      {"f(x) = x+\xF0\x9F\x98\x80", 8}, {"\xC3\xA4(x)=x", 1},
        {"f(x\xE2\x82\xAC)=x", 4},
        // Inside brackets: where the innermost failing bracketed expression stopped.
        {"f(x)=(x+*2)+3", 9},          {"f(x)=sin((x+1)*)", 16},      {"f(x)=((x)+(2x))", 13},
    };
    for (const Case& c : cases) {
        const Result r = Compile(c.term);
        EXPECT_EQ(std::pair(r.ok, r.errorPos), std::pair(false, c.pos)) << c.term;
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

    // The last parameter of a name wins.
    ASSERT_TRUE(Compile(kopf, "f(a,b,a) = a").ok);
    EXPECT_EQ(std::tuple(RootOf(kopf).Kind, RootOf(kopf).Code, RootOf(kopf).Name),
              std::tuple(TKnoten::Parameter, 3, "a"));  // the third parameter
}

TEST(FunkCompile, NonSmoothFlagAndKeywordLookup)
{
    for (const char* t : {"f(x) = Sin(x)+ABSOLUT(x)", "f(x)=round(x)", "f(x)=int(x)", "f(x)=gauss(x)",
                          "f(x)=signum(x)", "f(x)=heaviside(x)", "f(x)=betrag[x]"})
        EXPECT_TRUE(Compile(t).nonSmooth) << t;
    for (const char* t : {"f(x)=sqr(x)", "f(x)=exp(x)", "f(x)=coth(x)", "f(x)=-x", "f(x)=sin(x)+x"})
        EXPECT_FALSE(Compile(t).nonSmooth) << t;
    // Lookup ignores the case of a-z only; the minus sign has no keyword.
    EXPECT_EQ(LookupFunctionKeyword("WuRzEl"), FunctionCode::Sqrt);
    for (const char* t : {"SINUS", "NEG", "s\xC3\xAFn"})
        EXPECT_EQ(LookupFunctionKeyword(t), 0) << t;
}

// A keyword takes one factor: the next number, bracket or keyword.
TEST(FunkCompile, KeywordArguments)
{
    EXPECT_TRUE(Compile("f(x)=sin[x]").ok);
    EXPECT_TRUE(Compile("f(x)=sqrt(2)").ok);
    EXPECT_FALSE(Compile("f(x)=sqrt2").ok);  // one identifier "sqrt2"
    EXPECT_FALSE(Compile("f(x)=sin-x").ok);
    EXPECT_NEAR(static_cast<double>(ValueAt("f(x)=sin(x)^2", 0.5)), std::pow(std::sin(0.5), 2), 1e-15);
    EXPECT_NEAR(static_cast<double>(ValueAt("f(x)=ln(x)*x", 3)), std::log(3.0) * 3, 1e-15);
}

TEST(FunkCompile, PrecedenceThroughValues)
{
    const struct {
        const char* term;
        long double x, value;
    } cases[] = {
        {"f(x) = -x^2", 3, -9},     {"f(x) = -x^2+1", 3, -8},  {"f(x) = -2*x+3", 1, 1},
        {"f(x) = 2^3^2", 0, 64},    // (2^3)^2
        {"f(x) = 2+3*4^2", 0, 50},  {"f(x) = 12/3/2", 0, 2},   {"f(x) = 10-3-2", 0, 5},
        {"f(x) = 2*(3+4)", 0, 14},  {"f(x) = +-x", 5, -5},     {"f(x) = 2^(-1)", 0, 0.5L},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ValueAt(c.term, c.x), c.value) << c.term;

    TFunktionsKopf kopf;
    ASSERT_TRUE(Compile(kopf, "f(x)=-x^2").ok);
    const TKnoten& neg = RootOf(kopf);
    EXPECT_EQ(neg.Kind, TKnoten::Function);
    EXPECT_EQ(neg.Code, FunctionCode::Negate);
    EXPECT_EQ(Child(kopf, neg.Left).Kind, TKnoten::Operator);
    EXPECT_EQ(Child(kopf, neg.Left).Code, OperatorCode::Power);
}

TEST(FunkCompile, Numbers)
{
    EXPECT_EQ(ValueAt("f(x) = 3,5E-2", 0), 3.5L / 100);
    EXPECT_EQ(ValueAt("f(x) = 2,5", 0), 2.5L);
    EXPECT_EQ(ValueAt("f(x) = 1.", 0), 1);
    EXPECT_EQ(ValueAt("f(x) = 0E99", 0), 0);
    auto close = [](long double a, long double b) { return std::fabs(a / b - 1) < 1e-18L; };
    EXPECT_TRUE(close(ValueAt("f(x) = 1E36", 0), 1e36L));
    EXPECT_TRUE(close(ValueAt("f(x) = 12E+2", 0), 1200));
    EXPECT_TRUE(close(ValueAt("f(x) = 1E-36", 0), 1e-36L));
    EXPECT_TRUE(Compile("f(x) = 0.1E37").ok);
    EXPECT_TRUE(Compile("f(x) = 9.9E36").ok);
    EXPECT_EQ(ValueAt("f(x) = pi", 0), 3.14159265358979323846264338327950288L);
    // Without an exponent there is no range test.
    EXPECT_TRUE(close(ValueAt("f(x) = 1000000000000000000000000000000000000000", 0), 1e39L));
    // An exponent that overflows any integer is refused, not wrapped.
    EXPECT_FALSE(Compile("f(x) = 1E99999999999999999999").ok);
    EXPECT_EQ(ValueAt("f(x) = 0E99999999999999999999", 0), 0);
}

// Faults that would hang or overflow the stack are refused.
TEST(FunkCompile, AbsurdInputFailsCleanly)
{
    // A digit string beyond the extended range.
    const std::string huge(5000, '9');
    EXPECT_FALSE(Compile("f(x)=" + huge).ok);
    EXPECT_FALSE(Compile("f(x)=" + huge + "E1").ok);
    EXPECT_FALSE(Compile("f(x)=1." + huge).ok);
    // A long string of zeros after the point is just 0.
    EXPECT_EQ(ValueAt("f(x)=0." + std::string(6000, '0') + "1", 0), 0);

    // Nesting: 500 brackets are fine, 501 are refused at the 501st opener.
    auto nested = [](int n) { return "f(x)=" + std::string(static_cast<std::size_t>(n), '(') + "x" +
                                     std::string(static_cast<std::size_t>(n), ')'); };
    EXPECT_TRUE(Compile(nested(500)).ok);
    const Result deep = Compile(nested(501));
    EXPECT_FALSE(deep.ok);
    EXPECT_EQ(deep.errorPos, 6 + 500);
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
    const std::size_t nodes = kopf.Nodes.size();
    for (int i = 0; i < 1000; ++i) ASSERT_TRUE(Compile(kopf, "f(x,t)=t*x").ok);
    EXPECT_EQ(kopf.Nodes.size(), nodes);

    ASSERT_FALSE(Compile(kopf, "f(x)=2x").ok);
    EXPECT_EQ(kopf.Text, "f(x)=2x");
    const long double p[6] = {1, 2, 0, 0, 0, 0};
    bool ok = true, jump = true;
    EXPECT_EQ(EvaluateTerm(kopf, p, ok, jump), 0);
    EXPECT_FALSE(ok);
    EXPECT_FALSE(jump);

    TFunktionsKopf fresh;
    EXPECT_EQ(EvaluateTerm(fresh, p, ok, jump), 0);
    EXPECT_FALSE(ok);
}

}  // namespace
