// The preview's texts: the equation box, the parser-ready terms and the
// coordinate text. Every term is compiled by the term engine and evaluated
// against the numbers it came from.
#include "engine/funktion.h"
#include "engine/vorschau.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

const TVorschauSprache Deutsch{',', "Tangente", "Normale", "nicht definiert"};
const TVorschauSprache Englisch{'.', "Tangent", "Normal", "not defined"};

// v to three significant digits, halves away from zero: what the equation
// shows and the adopted function computes with.
long double Drei(double v)
{
    if (v == 0)
        return 0;
    const int e = static_cast<int>(std::floor(std::log10(std::fabs(v))));
    const long double s = std::pow(10.0L, e - 2);
    return std::round(v / s) * s;
}

// The slope as the term carries it: within 1e-5 of 0, 1 or -1 it is that.
long double TermSteigung(double m)
{
    if (std::fabs(m) < 1e-5)
        return 0;
    if (std::fabs(m - 1) <= 1e-5)
        return 1;
    if (std::fabs(m + 1) < 1e-5)
        return -1;
    return Drei(m);
}

long double TermFaktor(double a)
{
    if (std::fabs(a - 1) < 1e-5)
        return 1;
    if (std::fabs(a + 1) < 1e-5)
        return -1;
    return Drei(a);
}

long double Nah0(double v)
{
    return std::fabs(v) < 1e-5 ? 0 : Drei(v);
}

// Compiles the term and compares it at several x with `soll`.
template <typename F>
void PruefeTerm(const std::string& term, F soll)
{
    SCOPED_TRACE(term);
    TFunktion f;
    f.SetTerm(term);
    ASSERT_TRUE(f.GetCompiled());
    for (const long double x : {-3.5L, -1.0L, 0.0L, 0.25L, 2.0L, 7.0L}) {
        f.Evaluate(x, 0.0L);
        ASSERT_TRUE(f.GetValueValid()) << "x = " << static_cast<double>(x);
        const long double s = soll(x);
        EXPECT_NEAR(static_cast<double>(f.GetValue()), static_cast<double>(s), 1e-9 * (1 + std::fabs(static_cast<double>(s))))
            << "x = " << static_cast<double>(x);
    }
}

TEST(VorschauTerme, EveryLineTermCompilesToTheLineItShows)
{
    const std::vector<double> steigungen = {2, -0.5, 0.5, 1, -1, 1 + 0.9e-5, -1 - 0.9e-5, 1 + 2e-5, 0.9e-5, -0.9e-5,
                                            2e-5, -3.5e-5, 123.456, -0.01234, 98765.4, 1e-4, 1.2345e12, -7.77e-8};
    const std::vector<double> abschnitte = {0, -0.999999, 1.5, 3, -3, 0.9e-5, -0.9e-5, 1.1e-5, -2.2e-5, 1234.5, -0.000456};
    for (const TVorschauSprache& s : {Deutsch, Englisch})
        for (const double m : steigungen)
            for (const double b : abschnitte)
                PruefeTerm(LineFunctionTerm(m, b, true, s.Trenner),
                           [&](long double x) { return TermSteigung(m) * x + Nah0(b); });
}

TEST(VorschauTerme, EveryParabolaTermCompilesToTheParabolaItShows)
{
    const std::vector<double> verschiebungen = {0, 1, -2, 0.5, -0.001, 0.9e-5, -0.9e-5, 2e-5, 12.345, -1234.5};
    const std::vector<double> faktoren = {1, -1, 2, -0.5, 0.9e-5, -0.9e-5, 2e-5, 1 + 0.9e-5, -1 - 0.9e-5, 3.14159, -250.5};
    for (const TVorschauSprache& s : {Deutsch, Englisch})
        for (const double d : verschiebungen)
            for (const double e : {0.0, 3.0, -2.0, 0.125, -1234.5})
                for (const double a : faktoren)
                    PruefeTerm(ParabolaFunctionTerm(d, e, a, s.Trenner), [&](long double x) {
                        // A factor near 0 leaves the line y = e.
                        if (std::fabs(a) < 1e-5)
                            return Drei(e);
                        const long double dx = x - Nah0(d);
                        return TermFaktor(a) * dx * dx + Drei(e);
                    });
}

TEST(VorschauTerme, LineTextsAndTermsAtTheNearValueBoundaries)
{
    struct Fall {
        double m, b;
        const char* deutsch;
        const char* englisch;
        const char* term;  // German
    };
    const Fall faelle[] = {
        {2, -0.999999, "y = 2 x -1 ", "y = 2 x -1 ", "y(x) = 2*x-1"},
        {1, 3, "y = x +3 ", "y = x +3 ", "y(x) = x+3 "},
        {1, -3, "y = x -3 ", "y = x -3 ", "y(x) = x-3 "},
        {1, 0, "y = x ", "y = x ", "y(x) = x"},
        {0.5, 0.000001, "y = 0,5 x ", "y = 0.5 x ", "y(x) = 0,5*x"},
        {0.5, 0.9e-5, "y = 0,5 x ", "y = 0.5 x ", "y(x) = 0,5*x"},
        {0.5, 1.1e-5, "y = 0,5 x +1,1E-5 ", "y = 0.5 x +1.1E-5 ", "y(x) = 0,5*x +1,1E-5"},
        {0.5, -1.1e-5, "y = 0,5 x -1,1E-5 ", "y = 0.5 x -1.1E-5 ", "y(x) = 0,5*x-1,1E-5"},
        {1 + 0.9e-5, 2, "y = x +2 ", "y = x +2 ", "y(x) = x+2 "},
        {1 + 1.1e-5, 2, "y = 1 x +2 ", "y = 1 x +2 ", "y(x) = 1*x +2"},
        {-1 + 0.9e-5, 2, "y = -x +2 ", "y = -x +2 ", "y(x) = -x +2"},
        {-1 - 1.1e-5, -2, "y = -1 x -2 ", "y = -1 x -2 ", "y(x) = -1*x-2"},
        {-1, -2, "y = -x -2 ", "y = -x -2 ", "y(x) = -x-2"},
        {-1, 0, "y = -x ", "y = -x ", "y(x) = -x"},
        {0.9e-5, 2.5, "y = 2,5 ", "y = 2.5 ", "y(x) = 2,5"},
        {-0.9e-5, -2.5, "y = -2,5 ", "y = -2.5 ", "y(x) = -2,5"},
        {0.9e-5, 0, "y = 0 ", "y = 0 ", "y(x) = 0"},
        {1.1e-5, 0, "y = 1,1E-5 x ", "y = 1.1E-5 x ", "y(x) = 1,1E-5*x"},
        {-2.5, 1234.5, "y = -2,5 x +1,23E3 ", "y = -2.5 x +1.23E3 ", "y(x) = -2,5*x +1,23E3"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.m);
        EXPECT_EQ(LineEquationText(f.m, f.b, true, true, Deutsch), f.deutsch);
        EXPECT_EQ(LineEquationText(f.m, f.b, true, true, Englisch), f.englisch);
        EXPECT_EQ(LineFunctionTerm(f.m, f.b, true, ','), f.term);
    }
    EXPECT_EQ(LineEquationText(2, 1, false, true, Deutsch), " Tangente nicht definiert");
    EXPECT_EQ(LineEquationText(2, 1, false, false, Deutsch), " Normale nicht definiert");
    EXPECT_EQ(LineEquationText(2, 1, false, false, Englisch), " Normal not defined");
    // Not compilable on purpose: a stored copy draws nothing.
    EXPECT_EQ(LineFunctionTerm(2, 1, false, ','), "f(x) =");
}

TEST(VorschauTerme, ParabolaTextsByStepAndAtTheNearValueBoundaries)
{
    struct Fall {
        std::int32_t modus;
        double v, d, e, a;
        const char* text;  // German
    };
    const Fall faelle[] = {
        {ModusParabelD, 2, 0, 0, 0, "y = (x -2 )\xC2\xB2"},
        {ModusParabelD, -2, 0, 0, 0, "y = (x +2 )\xC2\xB2"},
        {ModusParabelD, 0, 0, 0, 0, "  y = x\xC2\xB2"},
        {ModusParabelD, 0.9e-5, 0, 0, 0, "  y = x\xC2\xB2"},
        {ModusParabelD, -1.1e-5, 0, 0, 0, "y = (x +1,1E-5 )\xC2\xB2"},
        {ModusParabelD, 0.5, 0, 0, 0, "y = (x -0,5 )\xC2\xB2"},
        {ModusParabelE, 3, 1, 0, 0, "y = (x -1 )\xC2\xB2 +3"},
        {ModusParabelE, 0, -1, 0, 0, "y = (x +1 )\xC2\xB2 +0"},
        {ModusParabelE, -2, 1, 0, 0, "y = (x -1 )\xC2\xB2 -2"},
        {ModusParabelE, 2, 0.9e-5, 0, 0, "y = x\xC2\xB2 +2"},
        {ModusParabelE, -2, 0, 0, 0, "y = x\xC2\xB2 -2"},
        {ModusParabelA, 0, 1, -2, -1, "y = -(x -1 )\xC2\xB2 -2"},
        {ModusParabelA, 0, 1, 2, 1, "y = (x -1 )\xC2\xB2 +2"},
        {ModusParabelA, 0, 1, 2, 1 + 0.9e-5, "y = (x -1 )\xC2\xB2 +2"},
        {ModusParabelA, 0, 1, 2, 1 + 1.1e-5, "y = 1(x -1 )\xC2\xB2 +2"},
        {ModusParabelA, 0, -1, 0, 2, "y = 2(x +1 )\xC2\xB2 +0"},
        {ModusParabelA, 0, 0, -3, 0.5, "y = 0,5x\xC2\xB2 -3"},
        {ModusParabelA, 0, 0, 3, -1, "y = -x\xC2\xB2 +3"},
        {ModusParabelA, 0, 1, 2, 0.9e-5, "y = 2"},
        {ModusParabelA, 0, 1, 2, -1.1e-5, "y = -1,1E-5(x -1 )\xC2\xB2 +2"},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(ParabolaEquationText(f.modus, f.v, f.d, f.e, f.a, ','), f.text) << f.modus << " " << f.v;
    EXPECT_EQ(ParabolaEquationText(ModusParabelA, 0, 1, -2, -0.5, '.'), "y = -0.5(x -1 )\xC2\xB2 -2");

    struct Term {
        double d, e, a;
        const char* term;
    };
    const Term terme[] = {
        {1, -2, -1, "y(x) = -(x -1 )^2 -2"},
        {1, 0, 0.5, "y(x) = 0,5*(x -1 )^2"},
        {-1, 3, 2, "y(x) = 2*(x +1 )^2 +3"},
        {0, 3, 1, "y(x) = x^2 +3"},
        {0.9e-5, 0, -1, "y(x) = -x^2"},
        {0, -3, 2, "y(x) = 2*x^2 -3"},
        {4, 5, -0.9e-5, "y(x) = 5"},
    };
    for (const Term& t : terme)
        EXPECT_EQ(ParabolaFunctionTerm(t.d, t.e, t.a, ','), t.term);
}

TEST(VorschauTerme, CoordinateTextsForEverySnapStepNeverMinusZero)
{
    struct Fall {
        std::int32_t modus;
        int raster;
        double x, y;
        const char* koord;
        int breite;
    };
    const Fall faelle[] = {
        {ModusPunkte, 0, 2, -1, "P(2|-1)", 56},
        {ModusPunkte, 1, 2.5, -0.5, "P(2,5|-0,5)", 73},
        {ModusPunkte, 2, 0.1, -0.1, "P(0,1|-0,1)", 73},
        {ModusPunkte, 3, -0.01, 0.07, "P(-0,01|0,07)", 90},
        {ModusPunkte, 4, 1.234, -0.001, "P(1,234|-0,001)", 107},
        {ModusPunkte, 3, -0.0, -0.0, "P(0,00|0,00)", 90},
        {ModusSenkrechte, 3, 1, 2, "P(1,00|2,00)", 90},
        {ModusGeradeM, 0, 1, 2, "P(1|2)", 56},
        {ModusGeradeB, 0, 1, 2, "P(1|2)", 56},
        {ModusKreisMitte, 2, 1, 2, "M(1,0|2,0)", 73},
        {ModusKreisRadius, 2, 1, 2, "R(1,0|2,0)", 73},
        {ModusParabelD, 4, 1.5, 2, "S(1,500|0)", 107},
        // A function value keeps at least two decimals, and a value that
        // rounds to zero carries no sign.
        {ModusSpur, 0, 1, -0.004, "T(1|0,00)", 85},
        {ModusSpur, 1, 1.5, -0.0001, "T(1,5|0,00)", 85},
        {ModusSpur, 2, 1.5, 2.25, "T(1,5|2,25)", 85},
        {ModusSpur, 3, 1.25, 1.5625, "T(1,25|1,563)", 100},
        {ModusSpur, 4, -0.001, 0.000001, "T(-0,001|0,0000)", 115},
        {ModusTangente, 3, 1, 1, "B(1,00|1,000)", 100},
    };
    for (const Fall& f : faelle) {
        const TKoordinaten k = FormatCursorCoordinates(f.modus, true, f.raster, f.x, f.y, true, 0, 0, ',');
        EXPECT_EQ(k.KoordText, f.koord) << f.modus << " step " << f.raster;
        EXPECT_EQ(k.Breite, f.breite) << f.modus << " step " << f.raster;
    }
    EXPECT_EQ(FormatCursorCoordinates(ModusTangente, false, 3, 1, 1, true, 0, 0, '.').KoordText, "N(1.00|1.000)");
    // Off the graph.
    const TKoordinaten aus = FormatCursorCoordinates(ModusSpur, true, 3, 0.5, 0, false, 0, 0, ',');
    EXPECT_EQ(aus.YText, " --- ");
    EXPECT_EQ(aus.KoordText, "T(0,50| --- )");
    // The parabola's later steps show the vertex so far.
    EXPECT_EQ(FormatCursorCoordinates(ModusParabelE, true, 3, 9, -1.5, true, 2, 7, ',').KoordText, "S(2,00|-1,50)");
    EXPECT_EQ(FormatCursorCoordinates(ModusParabelA, true, 3, 9, 9, true, 2, -0.5, ',').KoordText, "S(2,00|-0,50)");
}

}  // namespace
