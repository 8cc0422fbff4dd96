// The graph window's view geometry: pixel, view, function and printer
// coordinates.
#include "graph/graphik.h"

#include <QSlider>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// The default view in a drawing area of 331 x 301 pixels.
class Ansicht : public ::testing::Test {
protected:
    Ansicht()
    {
        g.PaintBox1->resize(331, 301);
        g.ResizeBilder();
    }
    TGraphik g;
};

TEST_F(Ansicht, DrawingAreaOf331By301)
{
    EXPECT_EQ(g.BildBreite, 330);
    EXPECT_EQ(g.BildHoehe, 300);
    EXPECT_EQ(g.Bild.size(), QSize(331, 301));
    EXPECT_EQ(g.Anzeigebild.size(), QSize(331, 301));
    EXPECT_DOUBLE_EQ(g.PixelToWorldX(0), -5.0);
    EXPECT_DOUBLE_EQ(g.PixelToWorldX(330), 6.0);
    EXPECT_DOUBLE_EQ(g.PixelToWorldY(0), 8.0);
    EXPECT_DOUBLE_EQ(g.PixelToWorldY(300), -2.0);
    // The origin lies at pixel (150, 240), both ways.
    EXPECT_DOUBLE_EQ(g.PixelToWorldX(150), 0.0);
    EXPECT_DOUBLE_EQ(g.PixelToWorldY(240), 0.0);
    const double fx = 330.0 / 11.0;
    const double fy = 300.0 / -10.0;
    EXPECT_EQ(g.AxisXdev(0.0, fx), 150);
    EXPECT_EQ(g.AxisYdev(0.0L, fy), 240);
    EXPECT_EQ(g.AxisXdev(6.0, fx), 330);
    EXPECT_EQ(g.AxisYdev(-2.0L, fy), 300);
    // A y beyond every integer lands far outside the picture.
    EXPECT_EQ(g.AxisYdev(1e300L, fy), 1000000);
}

TEST_F(Ansicht, SnappingAtEveryStepOfTheTrackBar)
{
    // Pixel 100 is view x -1.6666...
    const double expected[5] = {-2.0, -1.5, -1.7, -1.67, -1.667};
    for (int r = 0; r <= 4; ++r) {
        g.TrackBar3->setValue(r);
        EXPECT_DOUBLE_EQ(g.PixelToWorldXSnapped(100), expected[r]) << "step " << r;
    }
    // In function units: the x unit 2 doubles the value before snapping.
    g.EinheitX = 2.0;
    g.TrackBar3->setValue(1);
    EXPECT_DOUBLE_EQ(g.PixelToWorldXSnapped(100), -3.5);
    g.TrackBar3->setValue(2);
    EXPECT_DOUBLE_EQ(g.PixelToWorldXSnapped(100), -3.3);
    // Pixel 45 is view y 6.5; the y unit 0.1 gives 0.65.
    g.EinheitY = 0.1;
    g.TrackBar3->setValue(1);
    EXPECT_DOUBLE_EQ(g.PixelToWorldYSnapped(45), 0.5);
    g.TrackBar3->setValue(3);
    EXPECT_DOUBLE_EQ(g.PixelToWorldYSnapped(45), 0.65);
}

TEST(Snap, HalfStepAndHalvesToEven)
{
    EXPECT_EQ(TGraphik::SnapToStep(2.2, 1), 2.0);
    EXPECT_EQ(TGraphik::SnapToStep(2.3, 1), 2.5);
    EXPECT_EQ(TGraphik::SnapToStep(2.75, 1), 3.0);
    EXPECT_EQ(TGraphik::SnapToStep(-0.3, 1), -0.5);
    EXPECT_EQ(TGraphik::SnapToStep(-1.4, 1), -1.5);
    EXPECT_EQ(TGraphik::SnapToStep(-1.8, 1), -2.0);
    const double null = TGraphik::SnapToStep(-0.2, 1);
    EXPECT_EQ(null, 0.0);
    EXPECT_FALSE(std::signbit(null));  // shown as "0", never "-0"
    EXPECT_EQ(TGraphik::SnapToStep(2.5, 0), 2.0);
    EXPECT_EQ(TGraphik::SnapToStep(3.5, 0), 4.0);
    EXPECT_EQ(TGraphik::SnapToStep(-2.5, 0), -2.0);
    EXPECT_DOUBLE_EQ(TGraphik::SnapToStep(1.2345, 4), 1.234);  // half to even in thousandths
    EXPECT_TRUE(std::isnan(TGraphik::SnapToStep(std::nan(""), 2)));
}

TEST_F(Ansicht, PrinterUnitsWithMarginsAndInchScale)
{
    // The left edge prints 2 cm from the page edge, whatever the scale.
    EXPECT_EQ(g.WorldToPrintX(-5.0), 2000);
    EXPECT_EQ(g.WorldToPrintX(0.0), 7000);
    EXPECT_EQ(g.WorldToPrintY(8.0L), -2000);
    EXPECT_EQ(g.WorldToPrintY(0.0L), -10000);
    g.DruckMitKopf = true;
    EXPECT_EQ(g.WorldToPrintY(8.0L), -8000);
    EXPECT_EQ(g.WorldToPrintYUnscaled(8.0L), -8000);
    g.DruckMitKopf = false;

    g.Massstab = 1.27;
    EXPECT_EQ(g.WorldToPrintX(-5.0), 2000);
    EXPECT_EQ(g.WorldToPrintX(-4.0), 3270);  // one view unit is 1.27 cm
    EXPECT_EQ(g.WorldToPrintY(8.0L), -2000);
    EXPECT_EQ(g.WorldToPrintY(7.0L), -3270);
    EXPECT_EQ(g.WorldToPrintXUnscaled(-4.0), 3000);
    EXPECT_EQ(g.WorldToPrintYUnscaled(7.0L), -3000);

    // A y that cannot be converted lands far off the page.
    EXPECT_EQ(g.WorldToPrintY(1e30L), 1000000);
    EXPECT_EQ(g.WorldToPrintY(std::numeric_limits<long double>::quiet_NaN()), 1000000);
    EXPECT_EQ(g.WorldToPrintYUnscaled(-1e30L), 1000000);
}

TEST_F(Ansicht, HugeViewsDoNotOverflowIntegerArithmetic)
{
    g.XMin = std::numeric_limits<std::int32_t>::min() + 1;
    g.XMax = std::numeric_limits<std::int32_t>::max();
    g.YMin = std::numeric_limits<std::int32_t>::min() + 1;
    g.YMax = std::numeric_limits<std::int32_t>::max();
    EXPECT_DOUBLE_EQ(g.PixelToWorldX(330), g.XMax);
    EXPECT_DOUBLE_EQ(g.PixelToWorldY(300), g.YMin);
    EXPECT_NEAR(g.PixelToWorldX(165), 0.0, 1.0);
    EXPECT_EQ(g.WorldToPrintX(1e300), std::numeric_limits<std::int32_t>::max());
}

TEST(Ansichtshilfen, MaxAndMin)
{
    EXPECT_EQ(TGraphik::MaxInteger(-3, 2), 2);
    EXPECT_EQ(TGraphik::MaxFloat(1.5, -2.0), 1.5);
    EXPECT_EQ(TGraphik::MinFloat(1.5, -2.0), -2.0);
}

TEST(Ansichtshilfen, ViewValidity)
{
    TGraphik g;
    EXPECT_TRUE(g.ViewValid());
    g.XMax = g.XMin;
    EXPECT_FALSE(g.ViewValid());
    g.XMax = g.XMin + 1;
    g.YMin = g.YMax + 1;
    EXPECT_FALSE(g.ViewValid());
}

}  // namespace
