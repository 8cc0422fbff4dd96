// The preview's numbers and texts. Every term is compiled by the term engine
// and evaluated against the numbers it came from.
#include "engine/funktion.h"
#include "engine/vorschau.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <tuple>

namespace {

const TVorschauSprache Englisch{'.', "Tangent", "Normal", "not defined"};

// A compiled term as the preview samples it.
TWertAn Wert(TFunktion& f)
{
    return [&f](long double x) -> std::optional<long double> {
        f.Evaluate(x, 0.0L);
        return f.GetValueValid() ? std::optional<long double>(f.GetValue()) : std::nullopt;
    };
}

// v to three significant digits, halves away from zero, as the term carries
// it; within 1e-5 of 0 (and, for a factor, of 1 or -1) it is that value.
long double Drei(double v, bool eins = false)
{
    if (std::fabs(v) < 1e-5)
        return 0;
    if (eins && std::fabs(std::fabs(v) - 1) < 1e-5)
        return v > 0 ? 1 : -1;
    const long double s = std::pow(10.0L, std::floor(std::log10(std::fabs(v))) - 2);
    return std::round(v / s) * s;
}

TEST(Vorschau, TangentAndNormalExistOnlyWithThreeSamplesAndARepresentableSlope)
{
    TFunktion q;
    q.SetTerm("f(x) = x^2");
    // The normal through its foot point (1 | 1); through the left sample it
    // would be 1.4975, which prints the same.
    const TAbtastung n = Abtasten(Wert(q), 1.0, false);
    EXPECT_NEAR(n.M, -0.5, 1e-12);
    EXPECT_NEAR(n.B, 1.5, 1e-12);

    // Normal at the extremum, normals of slopes beyond 1e7, a missing side.
    for (const auto& [term, tangente, gueltig] :
         {std::tuple{"f(x) = x^2", false, false}, std::tuple{"f(x) = 20000000*x", false, false},
          std::tuple{"f(x) = 5000000*x", false, true}, std::tuple{"f(x) = sqrt(x)", true, false},
          std::tuple{"f(x) = x/x", true, false}}) {
        TFunktion g;
        g.SetTerm(term);
        EXPECT_EQ(Abtasten(Wert(g), 0, tangente).Gueltig, gueltig) << term;
    }
    // Values and slopes a double cannot hold are undefined; a sampler that
    // fails ends the sampling, what was taken stands.
    EXPECT_FALSE(Abtasten([](long double) { return std::optional<long double>(1e400L); }, 0, true).Mitte);
    EXPECT_FALSE(Abtasten([](long double x) { return std::optional<long double>(x > 0 ? 1e308L : -1e308L); }, 0, true)
                     .Gueltig);
    int n2 = 0;
    const TAbtastung abbruch = Abtasten(
        [&n2](long double) -> std::optional<long double> {
            if (++n2 == 2)
                throw std::runtime_error("kaputt");
            return 1.0L;
        },
        0, true);
    EXPECT_TRUE(abbruch.Mitte && !abbruch.Rechts);
}

// The term compiles and agrees with `soll` at several x.
template <typename F>
void PruefeTerm(const std::string& term, F soll)
{
    SCOPED_TRACE(term);
    TFunktion f;
    f.SetTerm(term);
    ASSERT_TRUE(f.GetCompiled());
    for (const long double x : {-3.5L, 0.0L, 0.25L, 2.0L, 7.0L}) {
        f.Evaluate(x, 0.0L);
        const double s = static_cast<double>(soll(x));
        EXPECT_NEAR(static_cast<double>(f.GetValue()), s, 1e-9 * (1 + std::fabs(s))) << static_cast<double>(x);
    }
}

TEST(Vorschau, EveryTermCompilesToTheLineOrParabolaItCameFrom)
{
    for (const char trenner : {',', '.'}) {
        for (const double m : {2.0, -0.5, 1.0, -1.0, 1 + 9e-6, -1 - 9e-6, 1 + 2e-5, 9e-6, 2e-5, 123.456, -98765.4,
                               1.2345e12})
            for (const double b : {0.0, -0.999999, 1.5, 9e-6, -2.2e-5, 1234.5})
                PruefeTerm(LineFunctionTerm(m, b, true, trenner), [&](long double x) {
                    return (std::fabs(m - 1) <= 1e-5 ? 1 : Drei(m, true)) * x + Drei(b);
                });
        for (const double d : {0.0, -2.0, 0.5, 9e-6, -2e-5, -1234.5})
            for (const double e : {0.0, 3.0, -0.125})
                for (const double a : {1.0, -1.0, 2.0, 9e-6, 2e-5, 1 + 9e-6, -250.5})
                    PruefeTerm(ParabolaFunctionTerm(d, e, a, trenner), [&](long double x) {
                        return Drei(a, true) * (x - Drei(d)) * (x - Drei(d)) + Drei(e);
                    });
    }
}

TEST(Vorschau, EquationTextsAtTheNearValueBoundaries)
{
    struct Gerade {
        double m, b;
        const char* text;  // English
        const char* term;  // German
    };
    for (const Gerade& g : {Gerade{1, 3, "y = x +3 ", "y(x) = x+3 "}, Gerade{0.5, 9e-6, "y = 0.5 x ", "y(x) = 0,5*x"},
                            Gerade{0.5, -1.1e-5, "y = 0.5 x -1.1E-5 ", "y(x) = 0,5*x-1,1E-5"},
                            Gerade{1 + 9e-6, -2, "y = x -2 ", "y(x) = x-2 "}, Gerade{1 + 1.1e-5, 0, "y = 1 x ", "y(x) = 1*x"},
                            Gerade{-1 + 9e-6, 2, "y = -x +2 ", "y(x) = -x +2"}, Gerade{-1, 0, "y = -x ", "y(x) = -x"},
                            Gerade{9e-6, -2.5, "y = -2.5 ", "y(x) = -2,5"}, Gerade{1.1e-5, 0, "y = 1.1E-5 x ", "y(x) = 1,1E-5*x"}}) {
        EXPECT_EQ(LineEquationText(g.m, g.b, true, true, Englisch), g.text);
        EXPECT_EQ(LineFunctionTerm(g.m, g.b, true, ','), g.term);
    }
    EXPECT_EQ(LineEquationText(0.5, 2, true, true, TVorschauSprache{}), "y = 0,5 x +2 ");
    EXPECT_EQ(LineEquationText(2, 1, false, false, TVorschauSprache{}), " Normale nicht definiert");
    EXPECT_EQ(LineEquationText(2, 1, false, true, Englisch), " Tangent not defined");
    EXPECT_EQ(LineFunctionTerm(2, 1, false, ','), "f(x) =");
    // The slope label writes its exponent with two digits at least.
    EXPECT_EQ(ZahlM(-1234, ','), "-1,23E03");
    EXPECT_EQ(ZahlG(-1234, ','), "-1,23E3");

    struct Parabel {
        std::int32_t modus;
        double v, d, e, a;
        const char* text;
    };
    for (const Parabel& p :
         {Parabel{ModusParabelD, 2, 0, 0, 0, "y = (x -2 )\xC2\xB2"}, Parabel{ModusParabelD, -2, 0, 0, 0, "y = (x +2 )\xC2\xB2"},
          Parabel{ModusParabelD, 9e-6, 0, 0, 0, "  y = x\xC2\xB2"}, Parabel{ModusParabelE, 0, -1, 0, 0, "y = (x +1 )\xC2\xB2 +0"},
          Parabel{ModusParabelE, -2, 9e-6, 0, 0, "y = x\xC2\xB2 -2"}, Parabel{ModusParabelE, 0.5, 0, 0, 0, "y = x\xC2\xB2 +0,5"},
          Parabel{ModusParabelE, 0, 0, 0, 0, "y = x\xC2\xB2 +0"}, Parabel{ModusParabelA, 0, 1, -2, -1, "y = -(x -1 )\xC2\xB2 -2"},
          Parabel{ModusParabelA, 0, 1, 2, 1 + 9e-6, "y = (x -1 )\xC2\xB2 +2"},
          Parabel{ModusParabelA, 0, 1, 2, 1 + 1.1e-5, "y = 1(x -1 )\xC2\xB2 +2"},
          Parabel{ModusParabelA, 0, 0, -3, 0.5, "y = 0,5x\xC2\xB2 -3"}, Parabel{ModusParabelA, 0, 1, 2, 9e-6, "y = 2"}})
        EXPECT_EQ(ParabolaEquationText(p.modus, p.v, p.d, p.e, p.a, ','), p.text) << p.modus << " " << p.v;
    EXPECT_EQ(ParabolaEquationText(ModusParabelA, 0, 1, -2, -0.5, '.'), "y = -0.5(x -1 )\xC2\xB2 -2");
    EXPECT_EQ(ParabolaFunctionTerm(1, -2, -1, ','), "y(x) = -(x -1 )^2 -2");
    EXPECT_EQ(ParabolaFunctionTerm(1, 0, 0.5, ','), "y(x) = 0,5*(x -1 )^2");
}

TEST(Vorschau, CoordinateTextsForEverySnapStepNeverMinusZero)
{
    struct Fall {
        std::int32_t modus;
        int raster;
        double x, y;
        const char* koord;
        int breite;
    };
    for (const Fall& f : {Fall{ModusPunkte, 0, 2, -1, "P(2|-1)", 56}, Fall{ModusKreisMitte, 1, 2.5, -0.5, "M(2,5|-0,5)", 73},
                          Fall{ModusKreisRadius, 2, 0.1, 0, "R(0,1|0,0)", 73},
                          Fall{ModusSenkrechte, 3, -0.0, -0.01, "P(0,00|-0,01)", 90},
                          Fall{ModusParabelD, 4, 1.234, 5, "S(1,234|0)", 107},
                          // A function value: at least two decimals, no "-0".
                          Fall{ModusSpur, 0, 1, -0.004, "T(1|0,00)", 85}, Fall{ModusSpur, 1, 1.5, -0.0001, "T(1,5|0,00)", 85},
                          Fall{ModusSpur, 3, 1.25, 1.5625, "T(1,25|1,563)", 100},
                          Fall{ModusTangente, 4, -0.001, 1e-6, "B(-0,001|0,0000)", 115}}) {
        const TKoordinaten k = FormatCursorCoordinates(f.modus, true, f.raster, f.x, f.y, true, 0, 0, ',');
        EXPECT_EQ(k.KoordText, f.koord);
        EXPECT_EQ(k.Breite, f.breite) << f.koord;
    }
    EXPECT_EQ(FormatCursorCoordinates(ModusSpur, true, 3, 0.5, 0, false, 0, 0, '.').KoordText, "T(0.50| --- )");
    EXPECT_EQ(FormatCursorCoordinates(ModusTangente, false, 2, 1, 1, true, 0, 0, ',').KoordText, "N(1,0|1,00)");
    // The parabola's later steps show the vertex so far.
    EXPECT_EQ(FormatCursorCoordinates(ModusParabelA, true, 3, 9, 9, true, 2, -0.5, ',').KoordText, "S(2,00|-0,50)");
}

TEST(Vorschau, ATickLeavesEachStepsValues)
{
    TVorschauStand st;
    TFlagge flagge;
    const auto tick = [&](std::int32_t modus, double x, double y) {
        TVorschauEingabe e;
        e.Modus = modus;
        e.X = x;
        e.Y = y;
        return VorschauRechnen(e, st, flagge);
    };
    // On the y axis: no slope, no frame, the slope so far kept.
    tick(ModusGeradeM, 2, 1);
    EXPECT_FALSE(tick(ModusGeradeM, 0, 1).Zeichnen);
    EXPECT_FALSE(st.Gueltig);
    EXPECT_EQ(tick(ModusGeradeB, 3, 2).Gleichung, "y = 0,5 x +2 ");
    EXPECT_EQ(st.VorschauTerm, "y(x) = 0,5*x +2");
    // A parabola always exists, whatever a normal left behind.
    tick(ModusParabelD, 1, 5);
    tick(ModusParabelE, 7, 2);
    st.Gueltig = false;
    EXPECT_EQ(tick(ModusParabelA, 7, 4).Gleichung, "y = 2(x -1 )\xC2\xB2 +2");
    EXPECT_TRUE(st.Gueltig);
    EXPECT_EQ(st.VorschauTerm, "y(x) = 2*(x -1 )^2 +2");
    // An undefined tangent keeps the term of the last one.
    const TVorschauErgebnis r = tick(ModusTangente, 0, 0);
    EXPECT_FALSE(r.Figur || st.Gueltig);
    EXPECT_EQ(st.VorschauTerm, "y(x) = 2*(x -1 )^2 +2");
    flagge.MittelX = 1;
    EXPECT_EQ(tick(ModusKreisRadius, 2, 1).Gleichung2, "r = 1,414");
}

TEST(Vorschau, PixelsSaturateFontsStayReadableParabolaColumnsStayInThePicture)
{
    // 30 pixels per unit, origin at (150, 240), picture 331 x 301.
    TVorschauAbbildung a;
    a.BildBreite = 330;
    a.BildHoehe = 300;
    EXPECT_EQ(a.WorldToPixelY(1e300), -VorschauPixelGrenze);
    EXPECT_EQ(a.WorldToPixelX(std::nan("")), 0);
    // A picture one pixel wide or high spans the view; none stays at its
    // left and top edge.
    TVorschauAbbildung schmal;
    schmal.BildBreite = schmal.BildHoehe = 1;
    EXPECT_EQ(std::pair(schmal.PixelToWorldX(1), schmal.PixelToWorldY(1)),
              std::pair(static_cast<double>(schmal.XMax), static_cast<double>(schmal.YMin)));
    schmal.BildBreite = schmal.BildHoehe = 0;
    EXPECT_EQ(std::pair(schmal.PixelToWorldX(1), schmal.PixelToWorldY(1)),
              std::pair(static_cast<double>(schmal.XMin), static_cast<double>(schmal.YMax)));
    TVorschauAbbildung grob;  // 2 pixels per unit: 10.5 and 11.5
    grob.BildBreite = 22;
    EXPECT_EQ(grob.WorldToPixelX(0.25), 10);
    EXPECT_EQ(grob.WorldToPixelX(0.75), 12);
    grob.XMax = 60000;
    EXPECT_EQ(VorschauMasse(grob, 1.0).Schrift, 1);
    EXPECT_EQ(VorschauMasse(a, 1.27).W18, 1);  // s = 6: Round(6 * 1.8 * 1.27) div 10

    // Step 3, vertex (1 | 2), a = 2: leaves the top edge at 1 +- w.
    const auto p = ParabelPunkte(a, ModusParabelA, 1, 2, 2, 1, 2, 331, 301);
    const double w = std::sqrt((8.0 + 1.0 / 30 - 2) / 2);
    ASSERT_EQ(p.size(), static_cast<std::size_t>(a.WorldToPixelX(1 + w) - a.WorldToPixelX(1 - w) + 1));
    EXPECT_EQ(p[static_cast<std::size_t>(210 - p.front().X)], (TPixel{210, a.WorldToPixelY(4)}));
    // A view a million units tall: columns end just beyond the edges.
    TVorschauAbbildung hoch = a;
    hoch.YMax = 1000000;
    for (const std::int32_t modus : {ModusParabelD, ModusParabelE, ModusParabelA}) {
        const auto q = ParabelPunkte(hoch, modus, 0, 0, 0.001, 0, 0, 331, 301);
        ASSERT_EQ(q.size(), 334u);
        EXPECT_EQ(q.front().X, -1);
    }
    // Where the curve cannot reach the picture (a root of a negative
    // number) there are no columns.
    EXPECT_TRUE(ParabelPunkte(a, ModusParabelE, 0, 20, 1, 0, 20, 331, 301).empty());
    EXPECT_TRUE(ParabelPunkte(a, ModusParabelA, 0, -5, -1, 0, -5, 331, 301).empty());
    // Nor where it stays wholly beside the picture (the view is -5..6).
    EXPECT_TRUE(ParabelPunkte(a, ModusParabelE, -9, 7, 1, -9, 7, 331, 301).empty());
    EXPECT_TRUE(ParabelPunkte(a, ModusParabelE, 9, 7, 1, 9, 7, 331, 301).empty());
    EXPECT_EQ(ParabelPunkte(a, ModusParabelA, 1, 2, 1e-5, 1, 2, 331, 301),
              (std::vector<TPixel>{{-1, 180}, {332, 180}}));
}

}  // namespace

namespace {

// The sizes of a tick follow the zoom and the page scale; restored from an
// earlier version of these tests, with the bounds exact.
TEST(VorschauMasse, SizesFollowTheZoomAndThePageScale)
{
    // The default view, -5..6 across 440 pixels: 40 pixels per cm.
    TVorschauAbbildung a;
    a.BildBreite = 440;
    a.BildHoehe = 400;
    const TVorschauMasse m = VorschauMasse(a, 1.0);
    EXPECT_EQ(std::tuple(m.s, m.W18, m.W135, m.W28, m.r1, m.r2), std::tuple(11, 2, 1, 3, 3, 4));
    EXPECT_EQ(std::tuple(m.SpurRechts, m.SpurLinks, m.RandLinks, m.Schrift), std::tuple(3, 2, 2, 11));

    // Inch mode: s shrinks by 1.27, the curve pen is scaled back.
    const TVorschauMasse zoll = VorschauMasse(a, 1.27);
    EXPECT_EQ(std::tuple(zoll.s, zoll.W18, zoll.W28), std::tuple(8, 1, 2));

    // A view so wide that s is 0 still gives a font of 1 point; a picture
    // without extent gives the largest sizes.
    a.XMin = -50000;
    a.XMax = 50000;
    const TVorschauMasse klein = VorschauMasse(a, 1.0);
    EXPECT_EQ(std::tuple(klein.s, klein.Schrift), std::tuple(0, 1));
    a.BildBreite = 0;
    const TVorschauMasse leer = VorschauMasse(a, 1.0);
    EXPECT_EQ(std::tuple(leer.s, leer.Schrift), std::tuple(100000, 1000));
    // Large enough that each factor and divisor tells.
    EXPECT_EQ(std::tuple(leer.W18, leer.W135, leer.W28, leer.r1, leer.r2), std::tuple(18000, 13500, 28000, 31111, 36000));
    EXPECT_EQ(std::tuple(leer.SpurRechts, leer.SpurLinks, leer.RandLinks), std::tuple(30000, 22222, 26666));

    // 11 points on 96 dots per inch: 14.67, rounded to 15 pixels, negative.
    EXPECT_EQ(std::tuple(SchriftHoehe(11), SchriftHoehe(10), SchriftHoehe(3), SchriftHoehe(0), SchriftHoehe(-4)),
              std::tuple(-15, -13, -4, 0, 0));
    EXPECT_EQ(std::tuple(SchriftHoehe(54), SchriftHoehe(100000), SchriftHoehe(200000)), std::tuple(-72, -133333, -133333));
}

}  // namespace

namespace {

// The parabola's first two steps are drawn until the curve lies two pixels
// above the picture: vertices where a row more or less would move the
// last column.
TEST(Vorschau, ParabolaStepsReachTwoPixelsBeyondTheTopEdge)
{
    TVorschauAbbildung a;
    a.BildBreite = 330;
    a.BildHoehe = 300;
    struct Fall {
        std::int32_t Modus;
        double D, E;
        std::int32_t Letzte;
    };
    for (const Fall& f : {Fall{ModusParabelD, -2.9863, 0, 146}, Fall{ModusParabelD, -2.9589, 0, 146},
                          Fall{ModusParabelE, -2.9452, 1.5, 139}, Fall{ModusParabelE, -2.9178, 1.5, 139}}) {
        const auto p = ParabelPunkte(a, f.Modus, f.D, f.E, 0, f.D, f.E, 331, 301);
        ASSERT_FALSE(p.empty()) << f.D;
        EXPECT_EQ(std::tuple(p.front().X, p.back().X, p.size()), std::tuple(-1, f.Letzte, static_cast<std::size_t>(f.Letzte + 2)))
            << f.Modus << " " << f.D;
    }
}

// Ticks of the modes without a construction of their own: a vertical
// segment shows its x, a trace point exists only on the graph, points and
// centres show their coordinates, other modes draw nothing.
TEST(Vorschau, TicksOfTheSimpleModes)
{
    TVorschauStand st;
    TFlagge flagge;
    const auto tick = [&](std::int32_t modus, double x, double y, bool mitte = true) {
        TVorschauEingabe e;
        e.Modus = modus;
        e.X = x;
        e.Y = y;
        e.Raster = 1;
        e.Proben.Mitte = mitte;
        e.Proben.Y = 4.25;
        e.Sprache.Trenner = ',';
        return VorschauRechnen(e, st, flagge);
    };
    const TVorschauErgebnis s = tick(ModusSenkrechte, 1.5, 2);
    EXPECT_EQ(std::tuple(s.Gleichung, s.Zeichnen), std::tuple("x = " + s.Koordinaten.XText, true));
    EXPECT_EQ(s.Koordinaten.XText, "1,5");
    const TVorschauErgebnis spur = tick(ModusSpur, 2, 9);
    EXPECT_EQ(std::tuple(spur.Zeichnen, st.Gueltig, spur.Y), std::tuple(true, true, 4.25));
    const TVorschauErgebnis daneben = tick(ModusSpur, 2, 9, false);
    EXPECT_EQ(std::tuple(daneben.Zeichnen, st.Gueltig), std::tuple(false, false));
    for (const std::int32_t modus : {ModusPunkte, ModusKreisMitte}) {
        const TVorschauErgebnis p = tick(modus, -1, 2.5);
        EXPECT_EQ(std::tuple(p.Zeichnen, p.Gleichung, p.Y), std::tuple(true, "", 2.5)) << modus;
    }
    for (const std::int32_t modus : {ModusUrsprung, ModusBeschriftung, ModusGeradeFrage, 0})
        EXPECT_FALSE(tick(modus, 1, 1).Zeichnen) << modus;
}

}  // namespace

namespace {

// The coefficient fields show fifteen significant digits.
TEST(VorschauZahlen, CoefficientsWithFifteenDigits)
{
    EXPECT_EQ(ZahlC(1.0 / 3, ','), "0,333333333333333");
    EXPECT_EQ(ZahlC(-2.5, '.'), "-2.5");
}

}  // namespace
