// Column evaluation gives, for every x, exactly what one evaluation per x
// gives: the same value bits, the same defined flag and the same jump flag.
#include "engine/funk.h"
#include "engine/funktion.h"
#include "zufallsterme.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr long double kInf = std::numeric_limits<long double>::infinity();
constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();

bool SameBits(long double a, long double b) { return std::memcmp(&a, &b, 10) == 0; }

// x values at and beside the evaluator's guards, and some that are not
// numbers at all.
std::vector<long double> Grenzwerte()
{
    const long double grenzen[] = {0,     1,     0.5L,  2.5L,  3.5L, 1e-8L, 1e8L,  2147483647.0L, 1e19L, 1e37L,
                                   1e-37L, 100,  500,   11355, 64,   65,    0x1p63L, 1e-4L, 7.25L,  1e10L};
    std::vector<long double> v;
    for (const long double g : grenzen) {
        for (const long double s : {g, -g}) {
            v.push_back(s);
            v.push_back(std::nextafter(s, kInf));
            v.push_back(std::nextafter(s, -kInf));
        }
    }
    v.insert(v.end(), {kInf, -kInf, kNaN});
    return v;
}

// Checks a column of x values at one t against one EvaluateTerm per x, in
// both input widths. Returns the number of mismatches.
int Vergleiche(const std::string& term, const std::vector<long double>& xs, long double t, TColumnScratch& scratch)
{
    TFunktionsKopf kopf;
    std::string text = term;
    std::int32_t pos = 0;
    bool nonSmooth = false, ok = false;
    CompileTerm(kopf, text, pos, nonSmooth, ok);
    if (!ok)
        return 0;
    std::vector<double> xd(xs.size());
    for (std::size_t i = 0; i < xs.size(); ++i)
        xd[i] = static_cast<double>(xs[i]);
    std::vector<long double> werte(xs.size(), -7);
    std::unique_ptr<bool[]> definiert(new bool[xs.size() + 1]), spruenge(new bool[xs.size() + 1]);
    int fehler = 0;
    for (int breite = 0; breite < 2; ++breite) {
        if (breite == 0)
            EvaluateTermColumn(kopf, std::span<const double>(xd), t, werte, {definiert.get(), xs.size()},
                               {spruenge.get(), xs.size()}, scratch);
        else
            EvaluateTermColumn(kopf, std::span<const long double>(xs), t, werte, {definiert.get(), xs.size()},
                               {spruenge.get(), xs.size()}, scratch);
        for (std::size_t i = 0; i < xs.size() && fehler < 5; ++i) {
            const long double x = breite == 0 ? static_cast<long double>(xd[i]) : xs[i];
            const long double p[6] = {x, t, 0, 0, 0, 0};
            bool gut = false, sprung = false;
            const long double w = EvaluateTerm(kopf, p, gut, sprung);
            if (!SameBits(w, werte[i]) || gut != definiert[i] || sprung != spruenge[i]) {
                ADD_FAILURE() << term << (breite == 0 ? " (double x)" : " (extended x)") << " at x=" << static_cast<double>(x)
                              << " t=" << static_cast<double>(t) << ": column " << static_cast<double>(werte[i]) << "/"
                              << definiert[i] << "/" << spruenge[i] << ", one by one " << static_cast<double>(w) << "/"
                              << gut << "/" << sprung;
                ++fehler;
            }
        }
    }
    return fehler;
}

TEST(Spalten, RandomTermsGiveTheValuesOfOneEvaluationPerX)
{
    TermMaker maker(4711u);
    TColumnScratch scratch;  // one for all: left-overs of a longer term must not leak into a shorter one
    const std::vector<long double> grenzen = Grenzwerte();
    const long double ts[] = {2, -0.5L, 0, 1e-8L, 1e19L, kInf, kNaN};
    int fehler = 0;
    for (int i = 0; i < 1500 && fehler == 0; ++i) {
        const std::string term = "f(x,t)=" + maker.Render(*maker.Make(1 + static_cast<int>(maker.Pick(6))));
        // A column of mixed x values, longer than one block and not a
        // multiple of it, then the guard values.
        std::vector<long double> xs;
        for (int k = 0; k < 150; ++k)
            xs.push_back(-4 + k * 0.0625L + (k % 7 == 0 ? 1e-9L : 0));
        fehler += Vergleiche(term, xs, ts[maker.Pick(std::size(ts))], scratch);
        fehler += Vergleiche(term, grenzen, ts[maker.Pick(std::size(ts))], scratch);
    }
    EXPECT_EQ(fehler, 0);
}

// Every function and operator alone at its bounds, with x, t and constants
// in every place the steps can read them from.
TEST(Spalten, EachStepAtItsBounds)
{
    TColumnScratch scratch;
    const std::vector<long double> grenzen = Grenzwerte();
    std::vector<std::string> terme = {"f(x)=x", "f(x)=5", "f(x,t)=t", "f(x,t,a)=a+x", "f(x,t,a,b,c,d)=d*x+c",
                                      "f(x)=sign(x-1)+sign(x)", "f(x,t)=t*x^2-3*x+1", "f(x)=2^x", "f(x)=x^x",
                                      "f(x)=(-2)^x", "f(x)=x^(-3)", "f(x)=x^0.5", "f(x,t)=(x+1)*(x-1)/((x+t)*(x-t))",
                                      "f(x,t)=sin(t)+x", "f(x,t)=sign(t)", "f(x)=1E30*x*1E-30/x"};
    for (const TermKeyword& k : FunctionKeywords)
        terme.push_back(std::string("f(x)=") + k.Name + "(x)");
    for (const char op : std::string("+-*/^"))
        for (const char* b : {"x", "t", "2", "0.1", "1E-30", "1E30"})
            terme.push_back(std::string("f(x,t)=x") + op + b);
    int fehler = 0;
    for (const std::string& term : terme)
        for (const long double t : {0.0L, -1.0L, 1e-8L, 1e36L, kInf, kNaN})
            fehler += Vergleiche(term, grenzen, t, scratch);
    EXPECT_EQ(fehler, 0);
}

TEST(Spalten, NothingCompiledIsUndefinedEverywhere)
{
    TFunktion f;
    f.SetTerm("f(x) = x^");
    const double xs[] = {1, 2, 3};
    long double werte[3] = {9, 9, 9};
    bool definiert[3] = {true, true, true}, spruenge[3] = {true, true, true};
    f.EvaluateColumn(std::span<const double>(xs), 0, werte, definiert, spruenge);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(werte[i] == 0 && !definiert[i] && !spruenge[i]) << i;
}

// The function's last value afterwards is that of its last x, as after one
// Evaluate per x; the form for threads leaves it alone.
TEST(Spalten, LastValueAsAfterTheLastEvaluation)
{
    TFunktion f;
    f.SetTerm("f(x,t) = sign(x-t) + 1/x");
    long double werte[3];
    bool definiert[3], spruenge[3];
    for (const long double letztes : {2.0L, 0.0L}) {  // a jump, then undefined
        const long double spalte[3] = {-1, 0.5L, letztes};
        f.EvaluateColumn(std::span<const long double>(spalte), 2, werte, definiert, spruenge);
        const long double wert = f.GetValue();
        const bool gueltig = f.GetValueValid(), sprung = f.GetJumpHit();
        f.Evaluate(letztes, 2);
        EXPECT_TRUE(SameBits(wert, f.GetValue()) && gueltig == f.GetValueValid() && sprung == f.GetJumpHit())
            << static_cast<double>(letztes);
    }
    f.Evaluate(-1, 2);
    TColumnScratch scratch;
    const double spalte[2] = {0.5, 2};
    f.EvaluateColumn(std::span<const double>(spalte), 2, werte, definiert, spruenge, scratch);
    EXPECT_EQ(f.GetValue(), -2.0L);
    EXPECT_TRUE(f.GetValueValid());
}

}  // namespace
