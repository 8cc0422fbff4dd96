// The printed page laid out without a printer: margins, header, the two
// columns of equations, where the value table goes, and the sizes of the
// clipboard pictures.
#include "engine/druckseite.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// Page units are 0.01 mm with y up: b cm below the top is -1000 b.
constexpr std::int32_t Cm(double b) { return static_cast<std::int32_t>(b * 1000.0 + (b >= 0 ? 0.5 : -0.5)); }

TDruckAnsicht Ansicht(std::int32_t yMin, std::int32_t yMax, double massstab, bool kopf)
{
    return TDruckAnsicht{-5, yMax, 6, yMin, massstab, kopf};
}

TEST(DruckSeite, MarginsPlaceTheViewOnPaper)
{
    // View top 2 cm down, or 8 cm with the header; one view unit is 1 cm, or
    // 1.27 cm in inch mode. Unscaled: fixed centimetres from the same corner.
    EXPECT_EQ(SeiteY(Ansicht(-2, 8, 1.0, true), 8), -Cm(8));
    EXPECT_EQ(SeiteY(Ansicht(-2, 8, 1.27, true), 7), -Cm(9.27));
    EXPECT_EQ(SeiteYUnskaliert(Ansicht(-2, 8, 1.27, true), 7), -Cm(9));
    // A y that cannot be placed lies off every page.
    EXPECT_EQ(SeiteY(Ansicht(-2, 8, 1.0, false), 1e300L), SeiteFern);
}

TEST(DruckSeite, ValueTableBelowTheGraphOrOnAPageOfItsOwn)
{
    using T = std::tuple<std::int32_t, std::int32_t, double, bool, bool, double, double, double>;
    // yMin, yMax, Massstab, header -> own page, caption, block 1, block 2 (cm from the top)
    const T faelle[] = {
        // Header and a view higher than 14 units: a page of its own.
        {-2, 13, 1.0, true, true, 3.8, 4.5, 6.0},
        // Exactly 14 units still fit below.
        {-6, 8, 1.0, true, false, 22.8, 23.5, 25.0},
        // Inch mode: 16 units are more than 10.29.
        {-8, 8, 1.27, true, true, 8 - 4.2 * 1.27, 8 - 3.5 * 1.27, 8 - 2 * 1.27},
        // Inch mode, 10 units: below the graph at 8 + 12.7 cm.
        {-2, 8, 1.27, true, false, 8 + 10.8 * 1.27, 8 + 11.5 * 1.27, 8 + 13 * 1.27},
        // Without the header always a page of its own, below its top margin.
        {-2, 8, 1.0, false, true, 2.8, 3.5, 5.0},
        {-2, 8, 1.27, false, true, 2 + 0.8 * 1.27, 2 + 1.5 * 1.27, 2 + 3 * 1.27},
    };
    for (const auto& [yMin, yMax, m, kopf, eigene, titel, block1, block2] : faelle) {
        const TTabellenLage l = TabellenLage(Ansicht(yMin, yMax, m, kopf));
        SCOPED_TRACE(::testing::Message() << yMin << ".." << yMax << " m " << m << " kopf " << kopf);
        EXPECT_EQ(l.EigeneSeite, eigene);
        EXPECT_EQ(l.Titel, (TSeitenPunkt{Cm(2), -Cm(titel)}));
        EXPECT_EQ(l.Block1, (TSeitenPunkt{Cm(1.65), -Cm(block1)}));
        EXPECT_EQ(l.Block2, (TSeitenPunkt{Cm(1.65), -Cm(block2)}));
    }
}

TEST(DruckSeite, EquationsInTwoColumnsAndTableBlocksClampedToTheGrid)
{
    // Four on the left from 4.7 cm down, five on the right, 0.7 cm apart.
    const TDruckAnsicht a = Ansicht(-2, 8, 1.0, true);
    for (const auto& [k, x, y] : {std::tuple{1, 2.0, 4.7}, {4, 2.0, 6.8}, {5, 10.0, 4.7}, {9, 10.0, 7.5}})
        EXPECT_EQ(GleichungsLage(a, k), (TSeitenPunkt{Cm(x), -Cm(y)})) << k;

    // From, to, cells -> printed, from, to.
    using T = std::tuple<int, int, int, bool, int, int>;
    for (const auto& [von, bis, anzahl, ok, vonDanach, bisDanach] :
         {T{0, 12, 26, true, 0, 12}, T{13, 26, 26, true, 13, 25}, T{-3, 1, 2, true, 0, 1}, T{0, 2, 2, true, 0, 1},
          T{5, -1, 26, true, 5, 25}, T{20, 3, 26, true, 3, 20}, T{26, 30, 26, false, 0, 0}}) {
        int v = von, b = bis;
        EXPECT_EQ(TabellenBereich(v, b, anzahl), ok) << von << ' ' << bis;
        if (ok) {
            EXPECT_EQ(std::pair(v, b), std::pair(vonDanach, bisDanach)) << von << ' ' << bis;
        }
    }
    // 36 points of cell width at three quarters: 27 pt = 9.525 mm, the
    // half rounded to even.
    EXPECT_EQ(PunkteZuSeite(36, TabellenSkala), 952);
    EXPECT_EQ(PunkteZuSeite(72, 1.0), 2540);
}

TEST(DruckSeite, DrawingStopsAtTheEdgesOfThePage)
{
    // A4 printable area of 20 x 28.7 cm: the default view fits; a huge one
    // is cut one unit beyond the paper's edge.
    const TDruckAnsicht a = Ansicht(-2, 8, 1.0, false), riesig{-5, 8, 1000000, -1000000, 1.27, true};
    EXPECT_EQ(std::pair(SeiteXMaxSichtbar(a, 20000), SeiteYMinSichtbar(a, 28700)), std::pair(6, -2));
    EXPECT_EQ(std::pair(SeiteXMaxSichtbar(riesig, 20000), SeiteYMinSichtbar(riesig, 28700)), std::pair(-5 + 16, 8 - 18));
    EXPECT_EQ(SeiteXMaxSichtbar(riesig, 1000), -4);  // never less than one unit
}

TEST(KopieBild, SizesOfTheBitmapAndTheVectorPicture)
{
    // Default view 11 x 10 in inch mode: 1817 x 1652 pixels, 14.01 cm x
    // 12.74 cm.
    EXPECT_EQ(BitmapGroesse(-5, 8, 6, -2, 1.27), (TBildGroesse{1817, 1652}));
    EXPECT_EQ(VektorbildGroesse(-5, 8, 6, -2, 1.27), (TBildGroesse{14010, 12740}));
    // 130 * 3 = 390 first, then * 1.27 = 495.3: 496 pixels.
    EXPECT_EQ(BitmapGroesse(0, 3, 3, 0, 1.27), (TBildGroesse{496, 496}));
}

TEST(KopieBild, PicturesTooLargeForMemoryAreRefusedHatchedCirclesReadFromTheRecords)
{
    EXPECT_FALSE(BildZuGross(BitmapGroesse(-5, 8, 6, -2, 1.27)));
    EXPECT_FALSE(BildZuGross(TBildGroesse{8192, 8192}) || BildZuGross(TBildGroesse{1, 1}));
    // A side of 32767 pixels is the most a bitmap may have.
    EXPECT_FALSE(BildZuGross(TBildGroesse{32767, 10}) || BildZuGross(TBildGroesse{10, 32767}));
    for (const TBildGroesse g : {TBildGroesse{8193, 8192}, {8192, 8193}, {32768, 10}, {10, 32768}, {40000, 10}, {0, 100}, {100, 0},
                                 BitmapGroesse(-1000000, 1000000, 1000000, -1000000, 1.0)})
        EXPECT_TRUE(BildZuGross(g)) << g.Breite << " x " << g.Hoehe;

    TKreise k;
    for (int i = 1; i <= AnzahlKreise; ++i)
        k[i].Fill = "0";
    k[4].Fill = "1";   // no colour
    k[11].Fill = "3";  // slots beyond 10 are not circles of the window
    EXPECT_FALSE(SchraffierteKreise(k));
    for (const char* f : {"2", "3", "4", "5"}) {
        k[1].Fill = f;
        EXPECT_TRUE(SchraffierteKreise(k)) << f;
        k[1].Fill = "0";
        k[10].Fill = f;
        EXPECT_TRUE(SchraffierteKreise(k)) << f;
        k[10].Fill = "0";
    }
    k[10].Fill = "6";
    EXPECT_FALSE(SchraffierteKreise(k));
}

}  // namespace
