// The graph window's view geometry: pixel, view, function and printer
// coordinates.
#include "zeichnen_hilfe.h"

#include <QSlider>

#include <limits>

namespace {

using Ansicht = TZeichnenTest;

TEST_F(Ansicht, PixelsAndViewUnitsBothWays)
{
    EXPECT_EQ(G->Bild.size(), QSize(331, 301));
    EXPECT_DOUBLE_EQ(G->PixelToWorldX(0), -5.0);
    EXPECT_DOUBLE_EQ(G->PixelToWorldX(330), 6.0);
    EXPECT_DOUBLE_EQ(G->PixelToWorldY(0), 8.0);
    EXPECT_DOUBLE_EQ(G->PixelToWorldY(300), -2.0);
    EXPECT_EQ(G->AxisXdev(0.0, 30.0), 150);
    EXPECT_EQ(G->AxisYdev(0.0L, -30.0), 240);
    EXPECT_EQ(G->AxisYdev(1e300L, -30.0), 1000000);  // beyond every integer: far off

    // A view as wide as the integers reach: no overflow on the way.
    G->XMin = G->YMin = std::numeric_limits<std::int32_t>::min() + 1;
    G->XMax = G->YMax = std::numeric_limits<std::int32_t>::max();
    EXPECT_DOUBLE_EQ(G->PixelToWorldX(330), G->XMax);
    EXPECT_DOUBLE_EQ(G->PixelToWorldY(300), G->YMin);
    EXPECT_EQ(G->WorldToPrintX(1e300), std::numeric_limits<std::int32_t>::max());
}

TEST_F(Ansicht, SnappingAtEveryStepHalvesToEvenInFunctionUnits)
{
    struct Fall {
        double v;
        int r;
        double soll;
    };
    const Fall faelle[] = {
        {2.2, 1, 2.0},   {2.3, 1, 2.5},   {2.75, 1, 3.0},  {-0.3, 1, -0.5}, {-1.4, 1, -1.5},
        {-1.8, 1, -2.0}, {2.5, 0, 2.0},   {3.5, 0, 4.0},   {-2.5, 0, -2.0}, {1.2345, 4, 1.234},
        {-1.6666, 2, -1.7}, {-1.6666, 3, -1.67}, {2.25, 1, 2.0},
    };
    for (const Fall& f : faelle)
        EXPECT_DOUBLE_EQ(TGraphik::SnapToStep(f.v, f.r), f.soll) << f.v << " at step " << f.r;
    EXPECT_FALSE(std::signbit(TGraphik::SnapToStep(-0.2, 1)));  // shown as "0", never "-0"
    EXPECT_TRUE(std::isnan(TGraphik::SnapToStep(std::nan(""), 2)));

    // Pixel 100 is view x -1.666..., pixel 45 view y 6.5; units 2 and 0.1.
    G->EinheitX = 2.0;
    G->EinheitY = 0.1;
    G->TrackBar3->setValue(1);
    EXPECT_DOUBLE_EQ(G->PixelToWorldXSnapped(100), -3.5);
    EXPECT_DOUBLE_EQ(G->PixelToWorldYSnapped(45), 0.5);
    G->TrackBar3->setValue(3);
    EXPECT_DOUBLE_EQ(G->PixelToWorldXSnapped(100), -3.33);
    EXPECT_DOUBLE_EQ(G->PixelToWorldYSnapped(45), 0.65);
}

TEST_F(Ansicht, PrinterUnitsWithMarginsHeaderAndInchScale)
{
    // 0.01 mm, y up; the left edge prints 2 cm from the page edge, the top
    // 2 cm below it (8 cm with the header), whatever the scale.
    struct Fall {
        double massstab;
        bool kopf;
        double x, y;
        std::int32_t px, py, pxRoh, pyRoh;
    };
    const Fall faelle[] = {
        {1.0, false, 0.0, 0.0, 7000, -10000, 7000, -10000},
        {1.0, true, -5.0, 8.0, 2000, -8000, 2000, -8000},
        {1.27, false, -4.0, 7.0, 3270, -3270, 3000, -3000},  // one view unit is 1.27 cm
    };
    for (const Fall& f : faelle) {
        G->Massstab = f.massstab;
        G->DruckMitKopf = f.kopf;
        EXPECT_EQ(G->WorldToPrintX(f.x), f.px);
        EXPECT_EQ(G->WorldToPrintY(f.y), f.py);
        EXPECT_EQ(G->WorldToPrintXUnscaled(f.x), f.pxRoh);
        EXPECT_EQ(G->WorldToPrintYUnscaled(f.y), f.pyRoh);
    }
    // A y that cannot be converted lands far off the page.
    EXPECT_EQ(G->WorldToPrintY(std::numeric_limits<long double>::quiet_NaN()), 1000000);
    EXPECT_EQ(G->WorldToPrintYUnscaled(-1e30L), 1000000);
}

}  // namespace
