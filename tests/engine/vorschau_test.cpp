// The preview's numbers: samples with the tangent and normal through them,
// sizes, the pixel mapping, the steps of one tick and the parabola's columns.
#include "engine/funktion.h"
#include "engine/vorschau.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

namespace {

// A compiled term as the preview samples it.
struct TTerm {
    TFunktion f;
    explicit TTerm(const std::string& term) { f.SetTerm(term); }
    TWertAn Wert()
    {
        return [this](long double x) -> std::optional<long double> {
            f.Evaluate(x, 0.0L);
            if (f.GetValueValid() && f.GetCompiled())
                return f.GetValue();
            return std::nullopt;
        };
    }
};

TEST(VorschauProben, TangentAndNormalOfXSquaredAtOne)
{
    TTerm q("f(x) = x^2");
    const TAbtastung t = Abtasten(q.Wert(), 1.0, true);
    EXPECT_TRUE(t.Mitte && t.Rechts && t.Links && t.Gueltig);
    EXPECT_DOUBLE_EQ(t.Y, 1.0);
    EXPECT_NEAR(t.M, 2.0, 1e-12);
    // Through the left sample point (0.999 | 0.998001).
    EXPECT_NEAR(t.B, -0.999999, 1e-12);

    // The normal goes through its foot point (1 | 1): b = 1 + 0.5 * 1. The
    // left sample point would give 1.4975, which prints the same.
    const TAbtastung n = Abtasten(q.Wert(), 1.0, false);
    EXPECT_TRUE(n.Gueltig);
    EXPECT_NEAR(n.M, -0.5, 1e-12);
    EXPECT_NEAR(n.B, 1.5, 1e-12);
    EXPECT_NEAR(n.Y - n.M * 1.0, n.B, 1e-12);
}

TEST(VorschauProben, UndefinedOrUnrepresentableSamplesMakeNoTangentOrNormal)
{
    struct Fall {
        const char* term;
        double x;
        bool tangente;
        bool mitte, rechts, links, gueltig;
    };
    const Fall faelle[] = {
        // Normal at an extremum: the tangent is flat.
        {"f(x) = x^2", 0, false, true, true, true, false},
        {"f(x) = x^2", 0, true, true, true, true, true},
        // Steeper than 1e7: the normal would be flatter than 1e-7.
        {"f(x) = 20000000*x", 1, false, true, true, true, false},
        {"f(x) = 5000000*x", 1, false, true, true, true, true},
        // The left sample is undefined.
        {"f(x) = sqrt(x)", 0, true, true, true, false, false},
        {"f(x) = sqrt(x)", 0, false, true, true, false, false},
        // Only the middle is missing (a gap at 0).
        {"f(x) = x/x", 0, true, false, true, true, false},
        {"f(x) = ln(x)", -1, true, false, false, false, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::string(f.term) + " at " + std::to_string(f.x));
        TTerm q(f.term);
        ASSERT_TRUE(q.f.GetCompiled());
        const TAbtastung a = Abtasten(q.Wert(), f.x, f.tangente);
        EXPECT_EQ(a.Mitte, f.mitte);
        EXPECT_EQ(a.Rechts, f.rechts);
        EXPECT_EQ(a.Links, f.links);
        EXPECT_EQ(a.Gueltig, f.gueltig);
    }

    // Values a double cannot hold are undefined; a slope that overflows a
    // double is no slope.
    const TAbtastung riesig = Abtasten([](long double) { return std::optional<long double>(1e400L); }, 0, true);
    EXPECT_FALSE(riesig.Mitte || riesig.Rechts || riesig.Links || riesig.Gueltig);
    const TAbtastung steil = Abtasten(
        [](long double x) { return std::optional<long double>(x > 0 ? 1e308L : x < 0 ? -1e308L : 0.0L); }, 0, true);
    EXPECT_TRUE(steil.Mitte && steil.Rechts && steil.Links);
    EXPECT_FALSE(steil.Gueltig);

    // A sampler that fails ends the sampling; what was taken stands.
    int n = 0;
    const TAbtastung abbruch = Abtasten(
        [&n](long double) -> std::optional<long double> {
            if (++n == 2)
                throw std::runtime_error("kaputt");
            return 1.0L;
        },
        0, true);
    EXPECT_TRUE(abbruch.Mitte);
    EXPECT_FALSE(abbruch.Rechts || abbruch.Links || abbruch.Gueltig);
    EXPECT_FALSE(Abtasten(nullptr, 0, true).Mitte);
}

TEST(VorschauMasse, SizesFollowTheZoomAndThePageScale)
{
    // The default view, -5..6 across 440 pixels: 40 pixels per cm.
    TVorschauAbbildung a;
    a.BildBreite = 440;
    a.BildHoehe = 400;
    const TVorschauMasse m = VorschauMasse(a, 1.0);
    EXPECT_EQ(m.s, 11);
    EXPECT_EQ(m.W18, 2);
    EXPECT_EQ(m.W135, 1);
    EXPECT_EQ(m.W28, 3);
    EXPECT_EQ(m.r1, 3);
    EXPECT_EQ(m.r2, 4);
    EXPECT_EQ(m.SpurRechts, 3);
    EXPECT_EQ(m.SpurLinks, 2);
    EXPECT_EQ(m.RandLinks, 2);
    EXPECT_EQ(m.Schrift, 11);

    // Inch mode: s shrinks by 1.27, the curve pen is scaled back.
    const TVorschauMasse zoll = VorschauMasse(a, 1.27);
    EXPECT_EQ(zoll.s, 8);
    EXPECT_EQ(zoll.W18, 1);  // Round(8 * 1.8 * 1.27) div 10
    EXPECT_EQ(VorschauMasse(a, 1.27).W28, 2);

    // A view so wide that s is 0 still gives a font of 1 point; a picture
    // without extent gives bounded sizes.
    a.XMin = -50000;
    a.XMax = 50000;
    const TVorschauMasse klein = VorschauMasse(a, 1.0);
    EXPECT_EQ(klein.s, 0);
    EXPECT_EQ(klein.Schrift, 1);
    a.BildBreite = 0;
    const TVorschauMasse leer = VorschauMasse(a, 1.0);
    EXPECT_LE(leer.s, 100000);
    EXPECT_EQ(leer.Schrift, 1000);

    // 11 points on 96 dots per inch: 15 pixels, negative.
    EXPECT_EQ(SchriftHoehe(11), -15);
    EXPECT_EQ(SchriftHoehe(10), -13);
    EXPECT_EQ((SchriftHoehe(11) - 6) / 2, -10);
}

TEST(VorschauAbbildung, PixelsRoundHalfToEvenAndSaturate)
{
    // 30 pixels per unit, origin at (150, 240).
    TVorschauAbbildung a;
    a.BildBreite = 330;
    a.BildHoehe = 300;
    EXPECT_EQ(a.WorldToPixelX(0), 150);
    EXPECT_EQ(a.WorldToPixelX(1), 180);
    EXPECT_EQ(a.WorldToPixelY(1), 210);
    TVorschauAbbildung grob;  // 2 pixels per unit: exact halves
    grob.BildBreite = 22;
    EXPECT_EQ(grob.WorldToPixelX(0.25), 10);  // 10.5 -> 10
    EXPECT_EQ(grob.WorldToPixelX(0.75), 12);  // 11.5 -> 12
    EXPECT_DOUBLE_EQ(a.PixelToWorldX(180), 1.0);
    EXPECT_DOUBLE_EQ(a.PixelToWorldY(-2), 8.0 + 2.0 / 30);
    a.EinheitX = 2;
    a.EinheitY = 0.5;
    EXPECT_EQ(a.WorldToPixelX(2), 180);
    EXPECT_EQ(a.WorldToPixelY(0.5), 210);

    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(a.WorldToPixelX(1e300), VorschauPixelGrenze);
    EXPECT_EQ(a.WorldToPixelY(1e300), -VorschauPixelGrenze);
    EXPECT_EQ(a.WorldToPixelX(-inf), -VorschauPixelGrenze);
    EXPECT_EQ(a.WorldToPixelY(std::nan("")), 0);
    a.XMax = a.XMin;  // no extent: no division result reaches the pixels
    EXPECT_EQ(a.WorldToPixelX(0), VorschauPixelGrenze);
}

class VorschauTick : public ::testing::Test {
protected:
    TVorschauEingabe Ein(std::int32_t modus, double x, double y)
    {
        TVorschauEingabe e;
        e.Modus = modus;
        e.X = x;
        e.Y = y;
        return e;
    }
    TVorschauStand Stand;
    TFlagge Flagge;
};

TEST_F(VorschauTick, LineStepsLeaveSlopeAndTerm)
{
    // Step 1 at (2 | 1): slope 0.5.
    TVorschauErgebnis r = VorschauRechnen(Ein(ModusGeradeM, 2, 1), Stand, Flagge);
    EXPECT_TRUE(r.Zeichnen);
    EXPECT_TRUE(Stand.Gueltig);
    EXPECT_DOUBLE_EQ(Stand.SteigungM, 0.5);
    EXPECT_EQ(r.Gleichung, "y = 0,5 x ");
    EXPECT_EQ(r.Koordinaten.KoordText, "P(2,00|1,00)");
    r = VorschauRechnen(Ein(ModusGeradeM, -2, 1), Stand, Flagge);
    EXPECT_DOUBLE_EQ(r.M, -0.5);
    // On the y axis: no slope, nothing drawn, the slope so far kept.
    r = VorschauRechnen(Ein(ModusGeradeM, 0, 1), Stand, Flagge);
    EXPECT_FALSE(r.Zeichnen);
    EXPECT_FALSE(Stand.Gueltig);
    EXPECT_DOUBLE_EQ(Stand.SteigungM, -0.5);

    // Step 2: the intercept is the pointer's y; the term is adopted.
    r = VorschauRechnen(Ein(ModusGeradeB, 3, 2), Stand, Flagge);
    EXPECT_TRUE(Stand.Gueltig);
    EXPECT_DOUBLE_EQ(r.B, 2);
    EXPECT_EQ(r.Gleichung, "y = -0,5 x +2 ");
    EXPECT_EQ(Stand.VorschauTerm, "y(x) = -0,5*x +2");
    EXPECT_DOUBLE_EQ(Stand.SteigungM, -0.5);
}

TEST_F(VorschauTick, TangentAdoptsATermOnlyWhileItExists)
{
    TTerm q("f(x) = x^2");
    TVorschauEingabe e = Ein(ModusTangente, 1, 99);
    e.Proben = Abtasten(q.Wert(), 1, true);
    TVorschauErgebnis r = VorschauRechnen(e, Stand, Flagge);
    EXPECT_TRUE(r.Figur);
    EXPECT_DOUBLE_EQ(r.Y, 1);  // the function value, not the pointer's y
    EXPECT_EQ(r.Gleichung, "y = 2 x -1 ");
    EXPECT_EQ(Stand.VorschauTerm, "y(x) = 2*x-1");
    EXPECT_EQ(r.Koordinaten.KoordText, "B(1,00|1,000)");

    // The normal at the extremum: the box says so, the term stays.
    e = Ein(ModusTangente, 0, 0);
    e.IstTangente = false;
    e.Proben = Abtasten(q.Wert(), 0, false);
    r = VorschauRechnen(e, Stand, Flagge);
    EXPECT_FALSE(r.Figur);
    EXPECT_FALSE(Stand.Gueltig);
    EXPECT_TRUE(r.Zeichnen);  // the box is still shown
    EXPECT_EQ(r.Gleichung, " Normale nicht definiert");
    EXPECT_EQ(Stand.VorschauTerm, "y(x) = 2*x-1");

    // The trace point off the graph: nothing drawn, " --- " for y.
    TTerm w("f(x) = sqrt(x)");
    e = Ein(ModusSpur, -1, 5);
    e.Proben = Abtasten(w.Wert(), -1, true);
    r = VorschauRechnen(e, Stand, Flagge);
    EXPECT_FALSE(r.Zeichnen);
    EXPECT_FALSE(Stand.Gueltig);
    EXPECT_EQ(r.Koordinaten.KoordText, "T(-1,00| --- )");
    // At its end point the trace point exists, though the tangent does not.
    e = Ein(ModusSpur, 0, 5);
    e.Proben = Abtasten(w.Wert(), 0, true);
    r = VorschauRechnen(e, Stand, Flagge);
    EXPECT_TRUE(r.Zeichnen);
    EXPECT_TRUE(Stand.Gueltig);
    EXPECT_EQ(r.Koordinaten.YText, "0,000");
}

TEST_F(VorschauTick, ParabolaStepsBuildTheVertexForm)
{
    TVorschauErgebnis r = VorschauRechnen(Ein(ModusParabelD, 1, 5), Stand, Flagge);
    EXPECT_DOUBLE_EQ(Stand.VerschiebungD, 1);
    EXPECT_EQ(r.Gleichung, "y = (x -1 )\xC2\xB2");
    EXPECT_EQ(r.Koordinaten.KoordText, "S(1,00|0)");
    r = VorschauRechnen(Ein(ModusParabelE, 7, 2), Stand, Flagge);
    EXPECT_DOUBLE_EQ(Stand.VerschiebungE, 2);
    EXPECT_EQ(r.Gleichung, "y = (x -1 )\xC2\xB2 +2");
    EXPECT_EQ(r.Koordinaten.KoordText, "S(1,00|2,00)");
    // Step 3: the pointer's height one unit right of the vertex.
    Stand.Gueltig = false;  // left over from a normal elsewhere
    r = VorschauRechnen(Ein(ModusParabelA, 7, 4), Stand, Flagge);
    EXPECT_DOUBLE_EQ(Stand.FaktorA, 2);
    EXPECT_TRUE(Stand.Gueltig);
    EXPECT_EQ(r.Gleichung, "y = 2(x -1 )\xC2\xB2 +2");
    EXPECT_EQ(Stand.VorschauTerm, "y(x) = 2*(x -1 )^2 +2");
    EXPECT_EQ(r.Koordinaten.KoordText, "S(1,00|2,00)");
    EXPECT_DOUBLE_EQ(Stand.VerschiebungD, 1);
}

TEST_F(VorschauTick, CircleRadiusAndItsTexts)
{
    Flagge.MittelX = 1;
    Flagge.MittelY = 2;
    TVorschauErgebnis r = VorschauRechnen(Ein(ModusKreisRadius, 3.5, 2), Stand, Flagge);
    EXPECT_DOUBLE_EQ(Flagge.RandX, 3.5);
    EXPECT_DOUBLE_EQ(Flagge.RandY, 2);
    EXPECT_DOUBLE_EQ(Flagge.Radius, 2.5);
    EXPECT_EQ(Flagge.RadiusText, "2,5");
    EXPECT_EQ(r.Gleichung, "M(1|2)   ");
    EXPECT_EQ(r.Gleichung2, "r = 2,5");
    Flagge.MittelX = 0;
    Flagge.MittelY = 0;
    VorschauRechnen(Ein(ModusKreisRadius, 3, 4), Stand, Flagge);
    EXPECT_DOUBLE_EQ(Flagge.Radius, 5);
    VorschauRechnen(Ein(ModusKreisRadius, 1, 1), Stand, Flagge);
    EXPECT_EQ(Flagge.RadiusText, "1,414");

    // The vertical and the modes without a preview.
    EXPECT_EQ(VorschauRechnen(Ein(ModusSenkrechte, 1.5, 0), Stand, Flagge).Gleichung, "x = 1,50");
    EXPECT_TRUE(VorschauRechnen(Ein(ModusPunkte, 1, 1), Stand, Flagge).Gleichung.empty());
    EXPECT_FALSE(VorschauRechnen(Ein(ModusUrsprung, 1, 1), Stand, Flagge).Zeichnen);
}

TEST(VorschauParabel, ColumnsStayInsideThePictureAndFollowTheCurve)
{
    // 30 pixels per unit, origin at (150, 240), picture 331 x 301.
    TVorschauAbbildung a;
    a.BildBreite = 330;
    a.BildHoehe = 300;
    // Step 3 with vertex (1 | 2) and a = 2: the curve leaves the top edge
    // at 1 +- sqrt((8 + 1/30 - 2) / 2).
    const auto p = ParabelPunkte(a, ModusParabelA, 1, 2, 2, 1, 2, 331, 301);
    ASSERT_FALSE(p.empty());
    const double w = std::sqrt((8.0 + 1.0 / 30 - 2) / 2);
    EXPECT_EQ(p.front().X, a.WorldToPixelX(1 - w));
    EXPECT_EQ(p.back().X, a.WorldToPixelX(1 + w));
    for (std::size_t i = 1; i < p.size(); ++i)
        EXPECT_EQ(p[i].X, p[i - 1].X + 1);
    // At the vertex column and one unit right of it.
    const auto bei = [&](int spalte) {
        for (const TPixel& q : p)
            if (q.X == spalte)
                return q.Y;
        return -1;
    };
    EXPECT_EQ(bei(180), a.WorldToPixelY(2));
    EXPECT_EQ(bei(210), a.WorldToPixelY(4));

    // A view a thousand units tall: the columns end just beyond the edges.
    TVorschauAbbildung hoch = a;
    hoch.YMax = 1000000;
    for (const std::int32_t modus : {ModusParabelD, ModusParabelE, ModusParabelA}) {
        const auto q = ParabelPunkte(hoch, modus, 0, 0, 0.001, 0, 0, 331, 301);
        ASSERT_EQ(q.size(), 334u) << modus;
        EXPECT_EQ(q.front().X, -1);
        EXPECT_EQ(q.back().X, 332);
    }
    // Where the curve cannot reach the picture there are no columns (and
    // no root of a negative number).
    TVorschauAbbildung unten = a;
    unten.YMax = -1;
    unten.YMin = -12;
    EXPECT_TRUE(ParabelPunkte(unten, ModusParabelD, 0, 0, 1, 0, 0, 331, 301).empty());
    EXPECT_TRUE(ParabelPunkte(a, ModusParabelE, 0, 20, 1, 0, 20, 331, 301).empty());
    EXPECT_TRUE(ParabelPunkte(a, ModusParabelA, 0, 20, 1, 0, 20, 331, 301).empty());
    EXPECT_TRUE(ParabelPunkte(a, ModusParabelA, 0, -5, -1, 0, -5, 331, 301).empty());
    // A curve entirely beside the picture.
    EXPECT_LE(ParabelPunkte(a, ModusParabelD, 1e6, 0, 1, 1e6, 0, 331, 301).size(), 1u);

    // A flat factor: the horizontal line through the vertex.
    const auto flach = ParabelPunkte(a, ModusParabelA, 1, 2, 1e-5, 1, 2, 331, 301);
    ASSERT_EQ(flach.size(), 2u);
    EXPECT_EQ(flach[0], (TPixel{-1, 180}));
    EXPECT_EQ(flach[1], (TPixel{332, 180}));
}

}  // namespace
