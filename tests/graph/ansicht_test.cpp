// The graph window's view geometry: pixel, view and printer coordinates.
#include "zeichnen_hilfe.h"

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
    EXPECT_EQ(G->AxisXdev(0.0, 30.0, 1.0), 180);
    EXPECT_EQ(G->AxisYdev(0.0L, -30.0), 240);
    EXPECT_EQ(G->AxisYdev(0.0L, -30.0, 1.0), 270);
    EXPECT_EQ(G->AxisYdev(1e300L, -30.0), 1000000);  // beyond every integer: far off
    EXPECT_EQ(G->WorldToPrintX(1e300), std::numeric_limits<std::int32_t>::max());
}

TEST_F(Ansicht, PrinterUnitsWithMarginsHeaderAndInchScale)
{
    // 0.01 mm, y up; the left edge prints 2 cm from the page edge, the top
    // 2 cm below it (8 cm with the header), whatever the scale.
    const std::tuple<double, bool, double, double, std::array<std::int32_t, 4>> faelle[] = {
        {1.0, false, 0.0, 0.0, {7000, -10000, 7000, -10000}},
        {1.0, true, -5.0, 8.0, {2000, -8000, 2000, -8000}},
        {1.27, false, -4.0, 7.0, {3270, -3270, 3000, -3000}},  // one view unit is 1.27 cm
        {1.27, true, -4.0, 7.0, {3270, -9270, 3000, -9000}},
    };
    for (const auto& [massstab, kopf, x, y, soll] : faelle) {
        G->Massstab = massstab;
        G->DruckMitKopf = kopf;
        EXPECT_EQ((std::array{G->WorldToPrintX(x), G->WorldToPrintY(y), G->WorldToPrintXUnscaled(x),
                              G->WorldToPrintYUnscaled(y)}),
                  soll)
            << massstab << ' ' << kopf;
    }
    // A y that cannot be converted lands far off the page.
    EXPECT_EQ(G->WorldToPrintY(std::numeric_limits<long double>::quiet_NaN()), 1000000);
    EXPECT_EQ(G->WorldToPrintYUnscaled(-1e30L), 1000000);
}

}  // namespace
