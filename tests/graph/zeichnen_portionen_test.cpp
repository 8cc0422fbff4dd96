// The function layer's set-up, counted where the picture cannot tell: the
// pen of each line style at a scale where the three widths differ, the
// budget of disc families, and the portions a redraw samples and paints.
#include "zeichnen_hilfe.h"

#include "engine/proben.h"

namespace {

using TWert = std::optional<long double>;

class ZeichnenPortionen : public TZeichnenTest {
protected:
    void TearDown() override
    {
        ProbenPoolGroesse(0);
        TZeichnenTest::TearDown();
    }
    // Paintings of the screen picture in one redraw, on one thread (one
    // band each).
    std::uint64_t Malungen()
    {
        const std::uint64_t vorher = G->BildCanvas->Zaehlung().Baender;
        G->RepaintGraph();
        return G->BildCanvas->Zaehlung().Baender - vorher;
    }
};

// At 100 device units per view unit the thin, medium and thick pens are 2,
// 4 and 6 units wide; dotted and dashed lines are solid pens that switch
// colour. A style out of range draws medium.
TEST_F(ZeichnenPortionen, EachLineStyleHasItsPenWidth)
{
    const int duenn = 2, mittel = 4, dick = 6;
    const std::pair<int, int> stile[] = {{LinieDuenn, duenn},
                                         {LinieMittel, mittel},
                                         {LinieDick, dick},
                                         {LiniePunktiertDuenn, duenn},
                                         {LinieGestricheltDuenn, duenn},
                                         {LiniePunktiertMittel, mittel},
                                         {LinieGestricheltMittel, mittel},
                                         {LiniePunktiertDick, dick},
                                         {LinieGestricheltDick, dick},
                                         {-1, mittel},
                                         {11, mittel}};
    for (const auto& [stil, breite] : stile) {
        Setze(1, [](long double x, long double) { return TWert(x / 2); }).SetLineStyle(stil);
        const auto linien = Linien(100.0);
        ASSERT_GT(linien.size(), 100u) << stil;
        for (const TOp& l : linien) {
            ASSERT_EQ(l.Pen.Width, breite) << stil;
            ASSERT_EQ(l.Pen.Style, TPenStyle::Solid) << stil;
        }
    }
}

// A disc family shares the budget by its evaluations at the whole x values:
// twelve in the default view, so that a budget of 2048 picture widths
// (679,936 evaluations) takes every second member of 100,000.
TEST_F(ZeichnenPortionen, DiscFamiliesShareTheBudgetByTheirWholeValues)
{
    for (const int stil : {LinieScheiben, LinieScheibenVerbunden}) {
        auto& f = Familie(1, 0, 99999, 1, [](long double x, long double) { return x < -4.5L ? TWert(1.0L) : std::nullopt; });
        f.SetLineStyle(stil);
        Graphen();
        EXPECT_TRUE(G->NichtAlleMitglieder) << stil;
        EXPECT_LE(static_cast<double>(f.Aufrufe), TGraphik::BudgetBildbreiten * (11 * Skala + 2)) << stil;
        const std::size_t erwartet = stil == LinieScheiben ? 50000 : 25000;
        EXPECT_GE(f.TWerte.size(), erwartet) << stil;
        EXPECT_LE(f.TWerte.size(), erwartet + 1) << stil;
    }
}

// A redraw samples and paints its members in portions of about 384 picture
// widths of canvas calls: a line takes one call per column (about 332 in
// the default view), a disc member two per whole x value.
TEST_F(ZeichnenPortionen, MembersArePaintedInPortionsOfAboutThreeHundredPictureWidthsOfCalls)
{
    ProbenPoolGroesse(1);
    Setze(1, [](long double x, long double) { return TWert(x); });
    const std::uint64_t einzeln = Malungen();
    ASSERT_GE(einzeln, 1u);
    const struct {
        int Stil;
        double Bis;
        std::uint64_t Portionen;
    } faelle[] = {{LinieMittel, 300, 1}, {LinieMittel, 500, 2}, {LinieMittel, 1200, 4},
                  {LinieScheiben, 4000, 1}, {LinieScheiben, 6000, 2}};
    for (const auto& f : faelle) {
        Familie(1, 0, f.Bis, 1, [](long double x, long double t) { return TWert(x + t / 1000); }).SetLineStyle(f.Stil);
        EXPECT_EQ(Malungen(), einzeln + f.Portionen - 1) << f.Stil << ", " << f.Bis;
        EXPECT_FALSE(G->NichtAlleMitglieder);
    }
}

}  // namespace
