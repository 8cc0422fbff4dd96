// The redraw pipeline on real pictures: where curves land in Bild, when the
// paint box gets a new picture, and an example picture of real terms.
#include "graph/graphik.h"

#include "fake_funktion.h"

#include <QDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>

namespace {

constexpr QRgb Rot = 0xFFFF0000;

class Bild : public ::testing::Test {
protected:
    Bild()
    {
        g.PaintBox1->resize(331, 301);
        g.ResizeBilder();
    }
    // A red pixel in column x within one row of y.
    bool RotBei(const QImage& img, int x, int y)
    {
        for (int dy = -1; dy <= 1; ++dy)
            if (y + dy >= 0 && y + dy < img.height() && img.pixel(x, y + dy) == Rot)
                return true;
        return false;
    }
    bool RotInSpalte(const QImage& img, int x)
    {
        for (int y = 0; y < img.height(); ++y)
            if (img.pixel(x, y) == Rot)
                return true;
        return false;
    }
    TFunktionenScope scope;
    TGraphik g;
};

TEST_F(Bild, CurveCrossesTheColumnsAtTheRowsTheGeometrySays)
{
    auto& f = scope.Setze(1, std::make_unique<TFakeFunktion>([](long double x, long double) { return x * x / 2.0L; }));
    f.SetLineStyle(2);
    g.EinheitY = 0.5;  // y = x^2 / 2 in function units is x^2 in view units
    g.RepaintGraph();
    const QImage& bild = g.PaintBox1->Front();
    ASSERT_EQ(bild.size(), QSize(331, 301));
    // View x -2, -1, 1, 2 are columns 90, 120, 180, 210; view y 4 and 1 are
    // rows 120 and 210 (30 pixels per view unit, origin at (150, 240)).
    EXPECT_TRUE(RotBei(bild, 90, 120));
    EXPECT_TRUE(RotBei(bild, 120, 210));
    EXPECT_TRUE(RotBei(bild, 180, 210));
    EXPECT_TRUE(RotBei(bild, 210, 120));
    EXPECT_TRUE(RotBei(bild, 150, 240));
    EXPECT_FALSE(RotBei(bild, 180, 150));
    // x^2 leaves the view at x = +-sqrt(8): nothing red at the edges.
    EXPECT_FALSE(RotInSpalte(bild, 10));
    EXPECT_FALSE(RotInSpalte(bild, 320));
}

TEST_F(Bild, NoNewPictureWhileDrawingIsNotAllowed)
{
    auto& f = scope.Setze(1, std::make_unique<TFakeFunktion>([](long double, long double) { return 1.0L; }));
    g.RepaintGraph();
    EXPECT_TRUE(RotBei(g.PaintBox1->Front(), 100, 210));

    ZeichnenErlaubt = false;
    f.Wert = [](long double, long double) { return 5.0L; };
    g.RepaintGraph();
    EXPECT_TRUE(RotBei(g.PaintBox1->Front(), 100, 210));  // the last picture stays
    EXPECT_FALSE(RotBei(g.PaintBox1->Front(), 100, 90));
    g.BildCanvas->Flush();
    EXPECT_FALSE(RotInSpalte(g.Bild, 100));  // Bild is white until drawing is allowed

    ZeichnenErlaubt = true;
    g.RepaintGraph();
    EXPECT_TRUE(RotBei(g.PaintBox1->Front(), 100, 90));
    EXPECT_FALSE(RotBei(g.PaintBox1->Front(), 100, 210));
}

TEST_F(Bild, TinyDrawingAreaDrawsNothing)
{
    auto& f = scope.Setze(1, std::make_unique<TFakeFunktion>([](long double x, long double) { return x; }));
    g.PaintBox1->resize(10, 10);
    g.ResizeBilder();
    g.RepaintGraph();
    g.PaintBox1Paint();
    EXPECT_EQ(f.Aufrufe, 0);
    // Enlarged again, it draws normally.
    g.PaintBox1->resize(331, 301);
    g.ResizeBilder();
    g.RepaintGraph();
    EXPECT_GT(f.Aufrufe, 300);
}

TEST_F(Bild, DegenerateViewLeavesAWhitePicture)
{
    auto& f = scope.Setze(1, std::make_unique<TFakeFunktion>([](long double x, long double) { return x; }));
    g.RepaintGraph();
    ASSERT_TRUE(RotBei(g.PaintBox1->Front(), 180, 210));
    const long aufrufe = f.Aufrufe;
    g.YMin = g.YMax + 3;
    g.RepaintGraph();
    EXPECT_EQ(f.Aufrufe, aufrufe);
    g.BildCanvas->Flush();
    EXPECT_EQ(g.Bild.pixel(150, 150), 0xFFFFFFFF);
    // The paint box shows the white picture, not the last good one.
    EXPECT_FALSE(RotBei(g.PaintBox1->Front(), 180, 210));
}

TEST_F(Bild, CheapRefreshRestoresTheComposedPicture)
{
    auto& f = scope.Setze(1, std::make_unique<TFakeFunktion>([](long double x, long double) { return x; }));
    g.RepaintGraph();
    const long aufrufe = f.Aufrufe;
    // Something drawn on the display picture only (a live preview) ...
    g.AnzeigebildCanvas->Brush.Color = clBlue;
    g.AnzeigebildCanvas->FillRect(TRect{0, 0, 331, 301});
    g.CopyToPaintBox();
    EXPECT_EQ(g.PaintBox1->Front().pixel(5, 5), 0xFF0000FF);
    // ... disappears with the cheap refresh, which evaluates nothing.
    g.PaintBox1Paint();
    EXPECT_EQ(g.PaintBox1->Front().pixel(5, 5), 0xFFFFFFFF);
    EXPECT_TRUE(RotBei(g.PaintBox1->Front(), 180, 210));
    EXPECT_EQ(f.Aufrufe, aufrufe);
}

TEST_F(Bild, EvaluateCurrentFunctionUsesSlotZeroWithXAndT)
{
    auto& f = scope.Setze(1, std::make_unique<TFakeFunktion>([](long double x, long double t) { return x * 10 + t; }));
    EXPECT_EQ(g.EvaluateCurrentFunction(2.0, 3.0), 23.0L);
    EXPECT_TRUE(f.GetValueValid());
}

// x^2, a family and a pole from real terms. With TESSAPLUN_BILD_PNG set to
// a file name the picture is saved there to be looked at.
TEST_F(Bild, ExamplePictureOfRealTerms)
{
    auto neu = [](const std::string& term, const std::string& kind, TColor c1, TColor c2, int stil) {
        auto f = std::make_unique<TFunktion>();
        f->SetKind(kind);
        f->SetTerm(term);
        f->SetColor(c1);
        f->SetColor2(c2);
        f->SetLineStyle(stil);
        return f;
    };
    auto& parabel = scope.Setze(1, neu("f(x) = x^2", " Funktion ", clRed, clRed, 2));
    auto& schar = scope.Setze(2, neu("f(x,t) = t*x + 1", " Funktionenschar ", clBlue, clGreen, 1));
    schar.SetTFrom(-2);
    schar.SetTTo(2);
    schar.SetTStep(1);
    auto& pol = scope.Setze(3, neu("f(x) = 1/x", " Funktion ", clPurple, clPurple, 6));
    auto& scheiben = scope.Setze(4, neu("f(x) = 0.5*x + 6", " Funktion ", clYellow, clYellow, 10));
    ASSERT_TRUE(parabel.GetCompiled());
    ASSERT_TRUE(schar.GetCompiled());
    ASSERT_TRUE(pol.GetCompiled());
    ASSERT_TRUE(scheiben.GetCompiled());

    g.PaintBox1->resize(551, 501);
    g.ResizeBilder();
    g.RepaintGraph();
    const QImage& bild = g.PaintBox1->Front();
    // 50 pixels per view unit, origin at (250, 400): x^2 at x = 1 is (300, 350).
    bool gefunden = false;
    for (int dy = -2; dy <= 2; ++dy)
        gefunden = gefunden || bild.pixel(300, 350 + dy) == Rot;
    EXPECT_TRUE(gefunden);
    // The pole of 1/x is not joined: the column of x = 0 has no purple.
    for (int y = 0; y < bild.height(); ++y)
        ASSERT_NE(bild.pixel(250, y), 0xFF800080) << y;
    if (const char* ziel = std::getenv("TESSAPLUN_BILD_PNG")) {
        EXPECT_TRUE(bild.save(QString::fromLocal8Bit(ziel), "PNG"));
    }
}

}  // namespace

namespace {

TEST_F(Bild, ViewsAtTheEndsOfTheIntegerRangeDrawWithoutOverflow)
{
    // Every style on the widest and the farthest views an Int32 can hold,
    // with values that map next to the ends of the device's integers.
    for (int stil : {1, 2, 4, 9, 10}) {
        auto& f = scope.Setze(1, std::make_unique<TFakeFunktion>([](long double x, long double) { return x * 1e3L; }));
        f.SetLineStyle(stil);
        // Device row -2^31 + 3 in the default view (30 pixels per unit).
        auto& g2 = scope.Setze(2, std::make_unique<TFakeFunktion>(
                                      [](long double, long double) { return 8.0L + (2147483648.0L - 3.0L) / 30.0L; }));
        g2.SetLineStyle(stil);
        for (int ansicht = 0; ansicht < 3; ++ansicht) {
            constexpr std::int32_t Min = std::numeric_limits<std::int32_t>::min();
            constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();
            g.XMin = ansicht == 0 ? Min : (ansicht == 1 ? Max - 11 : -5);
            g.XMax = ansicht == 0 ? Max : (ansicht == 1 ? Max : 6);
            g.YMin = ansicht == 0 ? Min : (ansicht == 1 ? Min : -2);
            g.YMax = ansicht == 0 ? Max : (ansicht == 1 ? Min + 10 : 8);
            g.RepaintGraph();
            EXPECT_EQ(g.PaintBox1->Front().size(), QSize(331, 301));
        }
    }
}

}  // namespace
