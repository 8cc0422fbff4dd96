// The redraw pipeline on real pictures: where curves land in Bild, and when
// the paint box gets a new picture.
#include "zeichnen_hilfe.h"

#include <limits>

namespace {

constexpr QRgb Rot = 0xFFFF0000;

class Bild : public TZeichnenTest {
protected:
    // A red pixel in column x within one row of y.
    static bool RotBei(const QImage& img, int x, int y)
    {
        for (int dy = -1; dy <= 1; ++dy)
            if (y + dy >= 0 && y + dy < img.height() && img.pixel(x, y + dy) == Rot)
                return true;
        return false;
    }
    static bool RotInSpalte(const QImage& img, int x)
    {
        for (int y = 0; y < img.height(); ++y)
            if (img.pixel(x, y) == Rot)
                return true;
        return false;
    }
    TFakeFunktion& Setze(TFakeFunktion::TWert w) { return TZeichnenTest::Setze(1, std::move(w)); }
};

TEST_F(Bild, CurveCrossesTheColumnsAtTheRowsTheGeometrySays)
{
    Setze([](long double x, long double) { return x * x / 2.0L; }).SetLineStyle(LinieDick);
    G->EinheitY = 0.5;  // y = x^2 / 2 in function units is x^2 in view units
    G->RepaintGraph();
    const QImage& bild = G->PaintBox1->Front();
    ASSERT_EQ(bild.size(), QSize(331, 301));
    // View x -2, -1, 0, 1, 2 and y 4, 1, 0.
    EXPECT_TRUE(RotBei(bild, 90, 120));
    EXPECT_TRUE(RotBei(bild, 120, 210));
    EXPECT_TRUE(RotBei(bild, 150, 240));
    EXPECT_TRUE(RotBei(bild, 180, 210));
    EXPECT_TRUE(RotBei(bild, 210, 120));
    EXPECT_FALSE(RotBei(bild, 180, 150));
    // x^2 leaves the view at x = +-sqrt(8): nothing red at the edges.
    EXPECT_FALSE(RotInSpalte(bild, 10));
    EXPECT_FALSE(RotInSpalte(bild, 320));
}

TEST_F(Bild, NoNewPictureWhileDrawingIsNotAllowed)
{
    auto& f = Setze([](long double, long double) { return 1.0L; });
    G->RepaintGraph();
    EXPECT_TRUE(RotBei(G->PaintBox1->Front(), 100, 210));

    ZeichnenErlaubt = false;
    f.Wert = [](long double, long double) { return 5.0L; };
    G->RepaintGraph();
    EXPECT_TRUE(RotBei(G->PaintBox1->Front(), 100, 210));  // the last picture stays
    EXPECT_FALSE(RotBei(G->PaintBox1->Front(), 100, 90));
    G->BildCanvas->Flush();
    EXPECT_FALSE(RotInSpalte(G->Bild, 100));  // Bild is white until drawing is allowed

    ZeichnenErlaubt = true;
    G->RepaintGraph();
    EXPECT_TRUE(RotBei(G->PaintBox1->Front(), 100, 90));
    EXPECT_FALSE(RotBei(G->PaintBox1->Front(), 100, 210));
}

TEST_F(Bild, TinyAreasDrawNothingDegenerateViewsShowWhite)
{
    auto& f = Setze([](long double x, long double) { return x; });
    G->PaintBox1->resize(24, 301);
    G->ResizeBilder();
    G->RepaintGraph();
    G->PaintBox1Paint();
    EXPECT_EQ(f.Aufrufe, 0);

    G->PaintBox1->resize(331, 301);
    G->ResizeBilder();
    G->RepaintGraph();
    ASSERT_TRUE(RotBei(G->PaintBox1->Front(), 180, 210));
    const long aufrufe = f.Aufrufe;
    G->YMin = G->YMax + 3;
    G->RepaintGraph();
    EXPECT_EQ(f.Aufrufe, aufrufe);
    // The paint box shows the white picture, not the last good one.
    EXPECT_EQ(G->PaintBox1->Front().pixel(150, 150), 0xFFFFFFFF);
    EXPECT_FALSE(RotBei(G->PaintBox1->Front(), 180, 210));
}

TEST_F(Bild, CheapRefreshRestoresTheComposedPicture)
{
    auto& f = Setze([](long double x, long double) { return x; });
    G->RepaintGraph();
    const long aufrufe = f.Aufrufe;
    // Something drawn on the display picture only (a live preview) ...
    G->AnzeigebildCanvas->Brush.Color = clBlue;
    G->AnzeigebildCanvas->FillRect(TRect{0, 0, 331, 301});
    G->CopyToPaintBox();
    EXPECT_EQ(G->PaintBox1->Front().pixel(5, 5), 0xFF0000FF);
    // ... disappears with the cheap refresh, which evaluates nothing.
    G->PaintBox1Paint();
    EXPECT_EQ(G->PaintBox1->Front().pixel(5, 5), 0xFFFFFFFF);
    EXPECT_TRUE(RotBei(G->PaintBox1->Front(), 180, 210));
    EXPECT_EQ(f.Aufrufe, aufrufe);
}

TEST_F(Bild, ViewsAtTheEndsOfTheIntegerRangeDrawWithoutOverflow)
{
    // Every kind of style on the widest and the farthest views an Int32 can
    // hold, with values that map next to the ends of the device's integers.
    constexpr std::int32_t Min = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();
    const std::int32_t ansichten[][4] = {{Min, Max, Min, Max}, {Max - 11, Max, Min, Min + 10}};
    for (int stil : {LinieMittel, LinieDick, LinieGestricheltDuenn, LinieScheiben, LinieScheibenVerbunden}) {
        Setze([](long double x, long double) { return x * 1e3L; }).SetLineStyle(stil);
        // Device row -2^31 + 3 in the default view.
        TZeichnenTest::Setze(2, [](long double, long double) { return 8.0L + (2147483648.0L - 3.0L) / 30.0L; })
            .SetLineStyle(stil);
        for (const auto& a : ansichten) {
            G->XMin = a[0];
            G->XMax = a[1];
            G->YMin = a[2];
            G->YMax = a[3];
            G->RepaintGraph();
            EXPECT_EQ(G->PaintBox1->Front().size(), QSize(331, 301));
        }
        G->XMin = -5, G->XMax = 6, G->YMin = -2, G->YMax = 8;
        G->RepaintGraph();
    }
}

}  // namespace
