// Column evaluation gives, for every x, exactly what one evaluation per x
// gives: the same value bits, the same defined flag and the same jump flag.
#include "engine/funk.h"
#include "engine/funk_register.h"
#include "engine/funktion.h"
#include "zufallsterme.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
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
    // 80-bit encodings a double has no counterpart for: an unnormal and a
    // pseudo-denormal (the x87 refuses the first and accepts the second).
    for (const auto& [mantissa, signExponent] :
         {std::pair<std::uint64_t, std::uint16_t>{0x4000000000000000u, 0x3FFF}, {0x8000000000000001u, 0x0000}}) {
        long double u = 0;
        std::memcpy(&u, &mantissa, sizeof mantissa);
        std::memcpy(reinterpret_cast<char*>(&u) + 8, &signExponent, sizeof signExponent);
        v.push_back(u);
    }
    return v;
}

bool Kompiliere(TFunktionsKopf& kopf, const std::string& term)
{
    std::string text = term;
    std::int32_t pos = 0;
    bool nonSmooth = false, ok = false;
    CompileTerm(kopf, text, pos, nonSmooth, ok);
    return ok;
}

// The values and flags of one column.
struct Spalte {
    std::vector<long double> Werte;
    std::unique_ptr<bool[]> Definiert, Spruenge;
};

template <class X>
Spalte Spaltenwerte(const TFunktionsKopf& kopf, const std::vector<X>& xs, long double t, TColumnScratch& scratch)
{
    // What an evaluation before left in the scratch must not matter.
    std::fill(scratch.Columns.begin(), scratch.Columns.end(), kNaN);
    std::fill(scratch.Checks.begin(), scratch.Checks.end(), 0.0);
    std::fill(scratch.Died.begin(), scratch.Died.end(), 0);
    Spalte s;
    s.Werte.assign(xs.size(), -7);
    s.Definiert.reset(new bool[xs.size() + 1]);
    s.Spruenge.reset(new bool[xs.size() + 1]);
    EvaluateTermColumn(kopf, std::span<const X>(xs), t, s.Werte, {s.Definiert.get(), xs.size()},
                       {s.Spruenge.get(), xs.size()}, scratch);
    return s;
}

// Checks a column of x values at one t against one EvaluateTerm per x, in
// both input widths, with the register form as machine code (where the
// evaluator makes it) and interpreted. Returns the number of mismatches.
int Vergleiche(const std::string& term, const std::vector<long double>& xs, long double t, TColumnScratch& scratch)
{
    TFunktionsKopf kopf, interpretiert;
    if (!Kompiliere(kopf, term))
        return 0;
    AllowRegisterCode(false);
    Kompiliere(interpretiert, term);
    AllowRegisterCode(true);
    std::vector<double> xd(xs.size());
    for (std::size_t i = 0; i < xs.size(); ++i)
        xd[i] = static_cast<double>(xs[i]);
    int fehler = 0;
    for (int art = 0; art < 4; ++art) {
        const int breite = art % 2;
        const TFunktionsKopf& k = art < 2 ? kopf : interpretiert;
        const Spalte s = breite == 0 ? Spaltenwerte(k, xd, t, scratch) : Spaltenwerte(k, xs, t, scratch);
        for (std::size_t i = 0; i < xs.size() && fehler < 5; ++i) {
            const long double x = breite == 0 ? static_cast<long double>(xd[i]) : xs[i];
            const long double p[6] = {x, t, 0, 0, 0, 0};
            bool gut = false, sprung = false;
            const long double w = EvaluateTerm(kopf, p, gut, sprung);
            if (!SameBits(w, s.Werte[i]) || gut != s.Definiert[i] || sprung != s.Spruenge[i]) {
                ADD_FAILURE() << term << (breite == 0 ? " (double x" : " (extended x") << (art < 2 ? ")" : ", interpreted)")
                              << " at x=" << static_cast<double>(x)
                              << " (entry " << i << ") t=" << static_cast<double>(t) << ": column "
                              << static_cast<double>(s.Werte[i]) << "/" << s.Definiert[i] << "/" << s.Spruenge[i]
                              << ", one by one " << static_cast<double>(w) << "/" << gut << "/" << sprung;
                ++fehler;
            }
        }
    }
    return fehler;
}

// A column of 150 mixed x values, longer than one block and not a multiple
// of it.
std::vector<long double> Gemischt()
{
    std::vector<long double> xs;
    for (int k = 0; k < 150; ++k)
        xs.push_back(-4 + k * 0.0625L + (k % 7 == 0 ? 1e-9L : 0));
    return xs;
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
        // A column of mixed x values, then the guard values.
        fehler += Vergleiche(term, Gemischt(), ts[maker.Pick(std::size(ts))], scratch);
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
                                      "f(x,t)=sin(t)+x", "f(x,t)=sign(t)", "f(x)=1E30*x*1E-30/x",
                                      // square roots of values that cannot be negative, and of some that can
                                      "f(x)=sqrt(abs(x))", "f(x)=sqrt(x*x)", "f(x)=sqrt(x^2+1)", "f(x)=sqrt(exp(x)*2)",
                                      "f(x,t)=sqrt(x*t)", "f(x)=sqrt(x-1)", "f(x)=sqrt(-(x^2))", "f(x)=sqrt(x^3)",
                                      "f(x)=sqrt(2^x)", "f(x)=sqrt((-2)^x)", "f(x)=sqrt(x^(-2))+sqrt(sqrt(hs(x)))"};
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

// Each operator with the value that decides its guard carried in by x, by
// a value computed before (running or waiting), and the other operand taken
// from every place a step reads one from: x, t, a constant a double holds,
// one it does not, a parameter, a value computed before. The deciding values
// lie at and beside the bounds of every guard, each one alone among ordinary
// values in a run of 64 x values, so that a value wrongly taken as safe
// cannot hide behind another in the same block.
TEST(Spalten, OperandPairsAtTheEdgesOfTheirGuards)
{
    const long double betraege[] = {0x1p119L, 1e37L, 5e36L, 0x1p100L, 0x1p-100L, 1e-37L,
                                    0x1p70L,  0x1p-70L, 0x1p-500L, 0x1p500L, 1e19L};
    std::vector<long double> rand = {0.0L, -0.0L};
    for (const long double b : betraege)
        for (const long double v : {b, -b})
            rand.insert(rand.end(), {v, std::nextafter(v, 0.0L), std::nextafter(v, 2 * v)});
    std::vector<long double> xs;
    for (std::size_t k = 0; k < rand.size(); ++k) {
        const std::size_t stelle = (k * 29) % 64;
        for (std::size_t i = 0; i < 64; ++i)
            xs.push_back(i == stelle ? rand[k] : 1.5L + static_cast<long double>(i) / 64);
    }
    std::vector<std::string> terme = {"x^2", "x^3", "x^(-2)", "(-x)^2", "x^64", "x^(-1)"};
    for (const char op : std::string("+-*/"))
        for (const std::string traeger : {"x", "(-x)"})
            for (const std::string partner : {"t", "1", "1.0000000000000000001", "(t*1)", "u"})
                for (const std::string& koerper : {traeger + op + partner, partner + op + traeger})
                    for (const std::string rahmen : {"#", "(t*1)-(#)", "(t*1)-((t*1)-(#))"})
                        terme.push_back(rahmen.substr(0, rahmen.find('#')) + koerper +
                                        rahmen.substr(rahmen.find('#') + 1));
    TColumnScratch scratch;
    int fehler = 0;
    for (const std::string& term : terme)
        for (const long double t : {1.0L, -1.0L, 0.0L})
            if (fehler < 10)
                fehler += Vergleiche("f(x,t,u)=" + term, xs, t, scratch);
    EXPECT_EQ(fehler, 0);
}

// A value that is not a number, alone in a block of ordinary ones, at its
// first and last place and in a short last block.
TEST(Spalten, OneValueThatIsNotANumberInABlock)
{
    TColumnScratch scratch;
    int fehler = 0;
    for (const long double boese : {kNaN, kInf, -kInf})
        for (const std::size_t stelle : {0u, 63u, 64u, 127u, 130u}) {
            std::vector<long double> xs(131);
            for (std::size_t i = 0; i < xs.size(); ++i)
                xs[i] = 0.25L + static_cast<long double>(i) / 16;
            xs[stelle] = boese;
            for (const char* term : {"f(x)=x^2", "f(x,t)=t*2+x", "f(x)=sin(x)+x", "f(x)=1/x"})
                fehler += Vergleiche(term, xs, 3, scratch);
        }
    EXPECT_EQ(fehler, 0);
}

// Powers of values no bound covers (function values, |x|) at the edges of
// the power's band: e^(3*33) lies inside and e^(3*34) beyond its top, a
// square of 2^-600 below its bottom, where the guard decides otherwise than
// the band (2^-577 is where 2 ln|a| reaches -800).
TEST(Spalten, PowersOfUnboundedValuesAtTheirBands)
{
    std::vector<long double> xs;
    for (const long double rand : {0x1p-600L, 0x1p-577L, std::nextafter(0x1p-577L, 0.0L), 1e-200L, 33.0L, 34.0L, -34.0L,
                                   0.0L, 1e-20L})
        for (int i = 0; i < 64; ++i)
            xs.push_back(i == 17 ? rand : 0.5L + i / 64.0L);
    TColumnScratch scratch;
    int fehler = 0;
    for (const char* term : {"f(x)=abs(x)^2", "f(x)=abs(x)^3", "f(x)=(-x)^(-2)", "f(x)=exp(x)^3", "f(x)=sin(x)^2",
                             "f(x)=exp(x)^(-3)", "f(x)=sqrt(abs(x))^4", "f(x)=abs(x)^2+1", "f(x)=exp(x)^2*exp(x)^2"})
        fehler += Vergleiche(term, xs, 0, scratch);
    EXPECT_EQ(fehler, 0);
}

// Products whose top the register form leaves unchecked because bounds on
// their operands, derived from the steps before, keep them below the band:
// with x near 10^8.5, x^2 * 1E20 crosses the product guard's 1E37 where the
// bound of sqrt(x^4) or x*x is what decides that no check is needed, and
// |x| * 1E40 lies beyond it everywhere here, where the bound of a product or
// quotient of |x| decides. A bound derived too small lets the overflowed
// product through as defined.
TEST(Spalten, ProductsBoundedByEarlierStepsAtTheGuard)
{
    const long double kreuzung = std::sqrt(1e17L);
    std::vector<long double> xs;
    for (const long double rand : {kreuzung, std::nextafter(kreuzung, 0.0L), std::nextafter(kreuzung, kInf), 4e8L,
                                   -4e8L, 0x1p31L, 3e8L})
        for (int i = 0; i < 64; ++i)
            xs.push_back(i == 9 ? rand : 1.5L + i / 64.0L);
    TColumnScratch scratch;
    int fehler = 0;
    for (const char* term : {"f(x)=sqrt(x^4)*1E20", "f(x)=sqrt(abs(x)^4)*1E20", "f(x)=(x*x)*1E20", "f(x)=abs(x^2)*1E20",
                             "f(x)=-(x^2)*1E20", "f(x)=1E20*sqrt(x^4)", "f(x)=abs(x)*1E20*1E20",
                             "f(x)=abs(x)/1E-20*1E20"})
        fehler += Vergleiche(term, xs, 0, scratch);
    EXPECT_EQ(fehler, 0);
}

// Column evaluation leaves the x87 stack as it found it: empty, no register
// pushed or popped too many (the unit would note a stack fault).
#if defined(__x86_64__) && defined(__GNUC__)
TEST(Spalten, TheX87StackStaysBalanced)
{
    TermMaker maker(99u);
    TColumnScratch scratch;
    const std::vector<long double> xs = Gemischt();
    const std::vector<double> xd(xs.begin(), xs.end());
    std::uint16_t vorher = 0, nachher = 0;
    asm volatile("fnclex\n\tfnstsw %0" : "=m"(vorher));
    for (int i = 0; i < 300; ++i) {
        TFunktionsKopf kopf;
        if (!Kompiliere(kopf, "f(x,t)=" + maker.Render(*maker.Make(1 + static_cast<int>(maker.Pick(6))))))
            continue;
        Spaltenwerte(kopf, xs, 2, scratch);
        Spaltenwerte(kopf, xd, 2, scratch);
    }
    asm volatile("fnstsw %0" : "=m"(nachher));
    EXPECT_EQ(nachher & 0x3840, vorher & 0x3840);  // the stack top, and the stack fault flag clear
}
#endif

// A function of R right after a save that keeps R: the form never made
// today puts the saved copy on top of the x87 stack, so the step must fetch
// R first. The register form of u - f(u) with u computed once, by hand.
TEST(Spalten, AFunctionOfRBelowTheSavedCopy)
{
    const std::vector<long double> xs = Gemischt();
    TColumnScratch scratch;
    for (const char* term : {"f(x)=(x+1)-abs(x+1)", "f(x)=(x+1)-(x+1)^2", "f(x)=(x+1)-(-(x+1))"}) {
        TFunktionsKopf kopf;
        ASSERT_TRUE(Kompiliere(kopf, term));
        ASSERT_EQ(kopf.RegisterSteps.size(), 5u) << term;  // u, save, u again, f, difference
        kopf.RegisterSteps.erase(kopf.RegisterSteps.begin() + 2);
        kopf.RegisterCode = registerform::MakeRegisterCode(kopf);
        TFunktionsKopf interpretiert = kopf;
        interpretiert.RegisterCode = nullptr;
        for (const TFunktionsKopf* k : {&kopf, &interpretiert}) {
            const Spalte s = Spaltenwerte(*k, xs, 0, scratch);
            for (std::size_t i = 0; i < xs.size(); ++i) {
                const long double p[6] = {xs[i], 0, 0, 0, 0, 0};
                bool gut = false, sprung = false;
                const long double w = EvaluateTerm(kopf, p, gut, sprung);
                if (!SameBits(w, s.Werte[i]) || !s.Definiert[i]) {
                    ADD_FAILURE() << term << (k == &kopf ? "" : " interpreted") << " at x=" << static_cast<double>(xs[i]);
                    break;
                }
            }
        }
    }
}

// Machine code is made only where allowed; the tests run the interpreter so.
TEST(Spalten, NoMachineCodeWhereNotAllowed)
{
    AllowRegisterCode(false);
    TFunktionsKopf kopf;
    const bool ok = Kompiliere(kopf, "f(x)=x^2+1");
    AllowRegisterCode(true);
    ASSERT_TRUE(ok);
    EXPECT_FALSE(kopf.RegisterSteps.empty());
    EXPECT_EQ(kopf.RegisterCode, nullptr);
}

// Where a value is undefined already, a later overflow changes nothing the
// caller sees, unless sign still looks at the value that carries on: the
// product below overflows only where ln is undefined, and sign must then see
// the 0 the failed product carries, not the overflowed product.
TEST(Spalten, SignSeesTheZeroAFailedStepCarriesOnWhereTheValueIsUndefined)
{
    std::vector<long double> xs;
    for (int i = 0; i < 130; ++i)
        xs.push_back(i == 40 || i == 100 ? -1.0L : 1e-31L * (1 + i / 100.0L));
    TColumnScratch scratch;
    int fehler = 0;
    for (const char* term : {"f(x,t)=sign(ln(x)+x*t)", "f(x)=sign(ln(x)+x*1E30*1E30)", "f(x,t)=sign(ln(x)+(x*t)*2)",
                             "f(x,t)=hs(ln(x)+x*t)+sign(x)"})
        fehler += Vergleiche(term, xs, 1e60L, scratch);
    EXPECT_EQ(fehler, 0);
}

// The bits of random terms without library functions are pinned: a change
// that moves both the column and the one-by-one evaluation the same way
// fails here. Both evaluator paths give these bits.
TEST(Spalten, PinnedBitsOfRandomTermsWithoutLibraryFunctions)
{
    TermMaker maker(20240917u, TermMaker::LibraryFree{});
    TColumnScratch scratch;
    const std::vector<long double> gemischt = Gemischt(), grenzen = Grenzwerte();
    const long double ts[] = {2, -0.5L, 0, 1e-8L, 1e19L, 3, -7};
    std::uint64_t hash = 1469598103934665603u;
    const auto mische = [&](const void* daten, std::size_t bytes) {
        for (std::size_t i = 0; i < bytes; ++i) {
            hash ^= static_cast<const unsigned char*>(daten)[i];
            hash *= 1099511628211u;
        }
    };
    int fehler = 0;
    for (int i = 0; i < 1000; ++i) {
        const std::string term = "f(x,t)=" + maker.Render(*maker.Make(1 + static_cast<int>(maker.Pick(6))));
        const long double t = ts[maker.Pick(std::size(ts))];
        TFunktionsKopf kopf;
        ASSERT_TRUE(Kompiliere(kopf, term)) << term;
        for (const std::vector<long double>* xs : {&gemischt, &grenzen}) {
            if (fehler == 0)
                fehler += Vergleiche(term, *xs, t, scratch);
            const Spalte s = Spaltenwerte(kopf, *xs, t, scratch);
            for (std::size_t k = 0; k < xs->size(); ++k) {
                mische(&s.Werte[k], 10);
                mische(&s.Definiert[k], 1);
                mische(&s.Spruenge[k], 1);
            }
        }
    }
    EXPECT_EQ(fehler, 0);
    EXPECT_EQ(hash, 7157456897421862246u);
}

// The register form takes every block of ordinary x values, and leaves to
// the step list exactly the blocks it cannot vouch for: a value outside its
// band where it counts, an x that is not finite or beyond 2^32, and every
// block when t is beyond 2^32. (Both give the same values; this pins that
// the faster one is used.)
TEST(Spalten, RegisterFormTakesTheBlocksItCanVouchFor)
{
    using Bloecke = std::pair<std::size_t, std::size_t>;  // register form, step list
    const Bloecke alle(8, 0);
    // Blocks of both widths, counted for the machine code and checked to be
    // the same interpreted.
    const auto bloecke = [](const std::string& term, const std::vector<long double>& xs, long double t) {
        Bloecke zahl[2];
        for (const bool code : {true, false}) {
            AllowRegisterCode(code);
            TFunktionsKopf kopf;
            EXPECT_TRUE(Kompiliere(kopf, term)) << term;
            AllowRegisterCode(true);
            TColumnScratch scratch;
            Spaltenwerte(kopf, xs, t, scratch);
            std::vector<double> xd(xs.begin(), xs.end());
            Spaltenwerte(kopf, xd, t, scratch);
            zahl[code] = std::pair(scratch.RegisterBlocks, scratch.StepBlocks);
        }
        EXPECT_EQ(zahl[0], zahl[1]) << term << " interpreted";
        return zahl[1];
    };
    std::vector<long double> gewoehnlich;
    for (int i = 0; i < 200; ++i)  // four blocks, the last one short
        gewoehnlich.push_back(-3.3L + i * 0.031L);
    for (const char* term :
         {"f(x)=x^2", "f(x,t)=t*x^2-3*x+1", "f(x)=(x-1)*(x+2)*(x-3)/(x^2+1)", "f(x)=sin(x)*exp(-x/5)",
          "f(x)=sqrt(abs(x))+ln(x^2+1)", "f(x)=round(x)+sign(x-1)*cos(3*x)", "f(x)=2^x/(1+x^4)",
          "f(x,t)=(x+1)*(x-2)+(x+3)*((x-4)*t)", "f(x)=x^(-3)+abs(x)-(-x)", "f(x,t)=0,1*x+pi*t", "f(x)=7",
          "f(x,t)=(x+1)^2*(t-x)^3/(x*t-9)^(-2)"})
        EXPECT_EQ(bloecke(term, gewoehnlich, 2), alle) << term;
    // Whole powers, sums, products, quotients, |a|, -a and square roots of
    // what cannot be negative run inline, with no general step.
    for (const char* term : {"f(x)=x^2", "f(x,t)=t*x^2-3*x+1", "f(x)=(x-1)*(x+2)*(x-3)/(x^2+1)",
                             "f(x)=x^(-3)+abs(x)-(-x)", "f(x)=sqrt(x^2+1)/x^64"}) {
        TFunktionsKopf kopf;
        EXPECT_TRUE(Kompiliere(kopf, term) && !kopf.RegisterSteps.empty() && !kopf.RegisterGeneral) << term;
    }

    // One x per case in the second block, in both widths.
    const auto mit = [&](long double x) {
        std::vector<long double> xs = gewoehnlich;
        xs[100] = x;
        return xs;
    };
    const Bloecke eineZurueck(6, 2);
    EXPECT_EQ(bloecke("f(x)=1/(x-0,5)", mit(0.5L), 2), eineZurueck);   // a division by 0
    EXPECT_EQ(bloecke("f(x)=x*(x+1E20)", mit(3e36L), 2), eineZurueck);  // a sum beyond its band
    EXPECT_EQ(bloecke("f(x)=x+1", mit(kNaN), 2), eineZurueck);
    EXPECT_EQ(bloecke("f(x)=x+1", mit(0x1p32L), 2), eineZurueck);
    EXPECT_EQ(bloecke("f(x)=x+1", mit(0x1p32L - 1), 2), alle);
    EXPECT_EQ(bloecke("f(x,t)=x+t", gewoehnlich, 0x1p32L), Bloecke(0, 8));
    EXPECT_EQ(bloecke("f(x,t)=x+t", gewoehnlich, kInf), Bloecke(0, 8));
    EXPECT_EQ(bloecke("f(x)=5", mit(kNaN), 2), alle);  // x unread
    // Where ln leaves a value undefined already, a later product of 0 changes
    // nothing; with sign in the term it may.
    std::vector<long double> positiv = gewoehnlich;
    for (long double& x : positiv)
        x = 4 + x;
    positiv[100] = -1;
    EXPECT_EQ(bloecke("f(x)=ln(x)*2", positiv, 2), alle);
    EXPECT_EQ(bloecke("f(x)=sign(ln(x)*2)", positiv, 2), eineZurueck);
    // A sum of values below 2^117 is not checked; one that may pass 2^119
    // is (4^64 = 2^128 lies inside the power's band, the sum outside its own).
    EXPECT_EQ(bloecke("f(x)=x+1E30", mit(1e9L), 2), alle);
    EXPECT_EQ(bloecke("f(x)=x^64+1", mit(4), 2), eineZurueck);
    EXPECT_EQ(bloecke("f(x)=x^64+1", mit(3.5L), 2), alle);
}

// A term compiled over another keeps nothing of it: its own register form
// or none, its own machine code or none, nothing where it does not compile.
TEST(Spalten, ATermCompiledOverAnotherKeepsNothingOfIt)
{
    const std::vector<long double> xs = Gemischt();
    const char* const ohneForm = "f(x)=(x+1)*((x+2)*((x+3)*(x+4)))";  // more saved values than registers
    TColumnScratch scratch;
    for (const bool code : {true, false}) {
        AllowRegisterCode(code);
        for (const auto& [vorher, term] : {std::pair("f(x)=sin(x)*x", ohneForm), std::pair(ohneForm, "f(x)=x^3-x"),
                                           std::pair("f(x)=x^3-x", "f(x)=sin(x)*x")}) {
            TFunktionsKopf kopf, frisch;
            ASSERT_TRUE(Kompiliere(kopf, vorher) && Kompiliere(kopf, term) && Kompiliere(frisch, term));
            EXPECT_EQ(std::tuple(kopf.RegisterSteps.size(), kopf.RegisterCode == nullptr),
                      std::tuple(frisch.RegisterSteps.size(), frisch.RegisterCode == nullptr))
                << vorher << " then " << term;
            const Spalte s = Spaltenwerte(kopf, xs, 0, scratch);
            for (std::size_t i = 0; i < xs.size(); ++i) {
                const long double p[6] = {xs[i], 0, 0, 0, 0, 0};
                bool gut = false, sprung = false;
                const long double w = EvaluateTerm(frisch, p, gut, sprung);
                if (!SameBits(w, s.Werte[i]) || gut != s.Definiert[i]) {
                    ADD_FAILURE() << vorher << " then " << term << " at x=" << static_cast<double>(xs[i]);
                    break;
                }
            }
        }
        TFunktionsKopf kopf;
        ASSERT_TRUE(Kompiliere(kopf, "f(x)=x^3-x"));
        EXPECT_FALSE(Kompiliere(kopf, "f(x)=x^"));
        const Spalte s = Spaltenwerte(kopf, xs, 0, scratch);
        EXPECT_TRUE(std::none_of(s.Definiert.get(), s.Definiert.get() + xs.size(), [](bool d) { return d; }));
        EXPECT_EQ(std::tuple(kopf.Steps.size(), kopf.RegisterSteps.size(), kopf.RegisterCode), std::tuple(0u, 0u, nullptr));
    }
    AllowRegisterCode(true);
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

// A family's term split at a part that depends on x alone gives, from
// that part's column of values and Outer over it, exactly what one
// evaluation of the whole term per x gives: random terms, x values at the
// guards and mixed, with and without machine code.
TEST(Spalten, ASplitTermGivesTheValuesOfTheWholeTerm)
{
    TermMaker maker(90210u);
    TColumnScratch scratch, innen;
    const std::vector<long double> grenzen = Grenzwerte();
    const long double ts[] = {2, -0.5L, 0, 1e-8L, 1e19L, kInf, kNaN};
    int fehler = 0;
    int geteilt[2] = {0, 0};  // Outer reading Inner as x, as parameter 3
    for (int i = 0; i < 4000 && fehler < 5; ++i) {
        const std::string term = "f(x,t)=" + maker.Render(*maker.Make(1 + static_cast<int>(maker.Pick(6))));
        for (const bool code : {true, false}) {
            AllowRegisterCode(code);
            TFunktionsKopf kopf;
            const bool kompiliert = Kompiliere(kopf, term);
            AllowRegisterCode(true);
            const auto teilung = kompiliert ? SplitTerm(kopf) : nullptr;
            if (!teilung)
                continue;
            geteilt[teilung->InnerAsParameter ? 1 : 0] += code ? 1 : 0;
            for (const std::vector<long double>& xs : {Gemischt(), grenzen}) {
                const long double t = ts[maker.Pick(std::size(ts))];
                std::vector<double> xd(xs.size());
                for (std::size_t k = 0; k < xs.size(); ++k)
                    xd[k] = static_cast<double>(xs[k]);
                const Spalte h = Spaltenwerte(teilung->Inner, xd, 0, innen);
                Spalte s;
                s.Werte.assign(xs.size(), -7);
                s.Definiert.reset(new bool[xs.size()]);
                s.Spruenge.reset(new bool[xs.size()]);
                EvaluateOuterColumn(*teilung, xd, h.Werte, h.Definiert.get(), h.Spruenge.get(), t, s.Werte,
                                    {s.Definiert.get(), xs.size()}, {s.Spruenge.get(), xs.size()}, scratch);
                for (std::size_t k = 0; k < xs.size() && fehler < 5; ++k) {
                    const long double p[6] = {xd[k], t, 0, 0, 0, 0};
                    bool gut = false, sprung = false;
                    const long double w = EvaluateTerm(kopf, p, gut, sprung);
                    if (!SameBits(w, s.Werte[k]) || gut != s.Definiert[k] || sprung != s.Spruenge[k]) {
                        ADD_FAILURE() << term << " split, at x=" << xd[k] << " t=" << static_cast<double>(t) << ": "
                                      << static_cast<double>(s.Werte[k]) << "/" << s.Definiert[k] << "/" << s.Spruenge[k]
                                      << ", whole " << static_cast<double>(w) << "/" << gut << "/" << sprung;
                        ++fehler;
                    }
                }
            }
        }
    }
    EXPECT_EQ(fehler, 0);
    EXPECT_GT(geteilt[0], 100);
    EXPECT_GT(geteilt[1], 100);
}

// Where a term is split: at the largest part that reads x alone, holds a
// function or a power worth sparing and is not the whole term, one that
// holds every x first; not with a sign outside it, nor, when x lies outside
// it too, with a third parameter in the term.
TEST(Spalten, WhereATermIsSplit)
{
    const auto teil = [](const std::string& term) -> std::string {
        TFunktionsKopf kopf;
        if (!Kompiliere(kopf, term))
            return "not compiled";
        const auto teilung = SplitTerm(kopf);
        if (!teilung)
            return "-";
        // Inner told by its values at x = 0.5 and 2, Outer by its value at
        // x = 3, t = 2 and 1 for Inner's value.
        std::string s;
        for (const long double x : {0.5L, 2.0L}) {
            const long double p[6] = {x, 0, 0, 0, 0, 0};
            bool gut = false, sprung = false;
            const long double w = EvaluateTerm(teilung->Inner, p, gut, sprung);
            s += std::to_string(static_cast<double>(w)) + (gut ? " " : "? ");
        }
        const long double q[6] = {3, 2, 1, 0, 0, 0};
        bool gut = false, sprung = false;
        const long double w = EvaluateTerm(teilung->Outer, q, gut, sprung);
        return s + (teilung->InnerAsParameter ? "|p " : "| ") + std::to_string(static_cast<double>(w));
    };
    EXPECT_EQ(teil("f(x,t) = sin(x)*t"), "0.479426 0.909297 | 6.000000");
    EXPECT_EQ(teil("f(x,t) = t*(2 + 3*exp(x))"), "6.946164 24.167168 | 6.000000");  // 2 + 3*exp(x)
    EXPECT_EQ(teil("f(x,t) = t + ln(x-1)"), "0.000000? 0.000000 | 5.000000");
    EXPECT_EQ(teil("f(x,t) = t/(1+x^0.5)"), "1.707107 2.414214 | 0.666667");
    EXPECT_EQ(teil("f(x,t) = 2^x - t"), "1.414214 4.000000 | 1.000000");
    EXPECT_EQ(teil("f(x,t) = t*(sign(x-1)*sqrt(x))"), "-0.707107 1.414214 | 6.000000");  // the sign inside
    EXPECT_EQ(teil("f(x,t) = sin(x)^t"), "0.479426 0.909297 | 9.000000");
    EXPECT_EQ(teil("f(x,t) = t*atan(x)"), "0.463648 1.107149 | 6.000000");
    EXPECT_EQ(teil("f(x,t) = t*x^65"), "0.000000 36893488147419103232.000000 | 6.000000");
    // x outside the part as well: the larger part; of two the same size, the
    // later one in the term.
    EXPECT_EQ(teil("f(x,t) = t*sin(x)/x"), "0.479426 0.909297 |p 0.666667");
    EXPECT_EQ(teil("f(x,t) = x*t + exp(x)*2 + cos(x)"), "3.297443 14.778112 |p 6.010008");
    EXPECT_EQ(teil("f(x,t) = cos(x) + x*t + sin(x)"), "0.479426 0.909297 |p 6.010008");
    EXPECT_EQ(teil("f(x,t) = sign(x)*t + exp(x)"), "-");
    EXPECT_EQ(teil("f(x,t,a) = x*t*a + exp(x)"), "-");
    EXPECT_EQ(teil("f(x,t,a) = t*a + exp(x)"), "1.648721 7.389056 | 5.000000");
    // No part worth sparing: powers by whole numbers, cheap functions.
    EXPECT_EQ(teil("f(x,t) = t*x^2 - 3"), "-");
    for (const char* billig : {"abs", "round", "sqr", "int", "floor", "hs", "sign"})
        EXPECT_EQ(teil(std::string("f(x,t) = t*") + billig + "(x)"), "-") << billig;
    EXPECT_EQ(teil("f(x,t) = t*(-x)"), "-");
    EXPECT_EQ(teil("f(x,t) = t*x^64"), "-");
    // t inside the part, a sign outside, no t at all, no x.
    EXPECT_EQ(teil("f(x,t) = sin(x+t)"), "-");
    EXPECT_EQ(teil("f(x,t) = sign(t)*sin(x)"), "-");
    EXPECT_EQ(teil("f(x) = sin(x)"), "-");
    EXPECT_EQ(teil("f(x,t) = sin(t)"), "-");
    EXPECT_EQ(teil("f(x,t) = (0#8)^x"), "not compiled");
}

}  // namespace
