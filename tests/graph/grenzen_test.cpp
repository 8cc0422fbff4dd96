// Where the graph window's limits lie: the smallest drawing areas, the view
// width beyond which grids, ticks and numbers are left out, the x range in
// which vertical segments are drawn, the ends of the unit bars, and which
// tools show an instruction box.
#include "zeichnen_hilfe.h"

#include "platform/sprache.h"

// Registers the program's resources (hinweise_test.cpp).
void HinweiseTestRessourcenLaden();

namespace {

using Grenzen = TZeichnenTest;

TEST_F(Grenzen, TinyDrawingAreasMapTheirLastPixelToTheFarEdge)
{
    // A window not laid out yet maps its 10 x 10 start picture.
    const TGraphik neu;
    EXPECT_EQ(std::pair(neu.PixelToWorldX(9), neu.PixelToWorldY(9)),
              std::pair(static_cast<double>(neu.XMax), static_cast<double>(neu.YMin)));
    // Two pixels still span the view; one pixel has no span and maps every
    // pixel to the top left corner instead of dividing by zero.
    G->PaintBox1->resize(2, 2);
    G->ResizeBilder();
    EXPECT_EQ(std::pair(G->PixelToWorldX(1), G->PixelToWorldY(1)), std::pair(6.0, -2.0));
    G->PaintBox1->resize(1, 1);
    G->ResizeBilder();
    EXPECT_EQ(std::pair(G->PixelToWorldX(5), G->PixelToWorldY(5)), std::pair(-5.0, 8.0));
}

// Both pictures take every new size of the drawing area, a change of the
// width alone too (else a widened window shows an unpainted strip). While
// drawing is held back they are white, also when a size comes back.
TEST_F(Grenzen, BothPicturesFollowEveryNewSizeOfTheDrawingArea)
{
    for (const bool zeichnen : {true, false}) {
        ZeichnenErlaubt = zeichnen;
        for (const QSize neu : {QSize(400, 301), QSize(400, 350), QSize(331, 301), QSize(400, 301), QSize(200, 200)}) {
            G->Bild.fill(Qt::red);
            G->Anzeigebild.fill(Qt::red);
            G->PaintBox1->resize(neu);
            G->ResizeBilder();
            for (const QImage* b : {&G->Bild, &G->Anzeigebild}) {
                EXPECT_EQ(b->size(), neu) << zeichnen;
                EXPECT_TRUE(zeichnen || (b->pixel(0, 0) | 0xFF000000u) == 0xFFFFFFFFu) << neu.width();
            }
            EXPECT_EQ(std::pair(G->PixelToWorldX(neu.width() - 1), G->PixelToWorldY(neu.height() - 1)),
                      std::pair(6.0, -2.0));
        }
    }
    // The area paints itself whole: nothing behind it needs painting first.
    EXPECT_TRUE(G->PaintBox1->testAttribute(Qt::WA_OpaquePaintEvent));
}

// Up to 100000 units across, the unit grid, the ticks and the numbers are
// drawn; one unit more and they are left out, in either direction.
TEST_F(Grenzen, GridTicksAndNumbersStopBeyondAHundredThousandUnits)
{
    G->Gitter = "2";
    const double f = 30.0;
    for (const bool breit : {true, false}) {
        for (const std::int32_t weite : {100000, 100001}) {
            std::tie(G->XMin, G->XMax, G->YMin, G->YMax) =
                breit ? std::tuple(-weite / 2, weite - weite / 2, -2, 8) : std::tuple(-5, 6, -weite / 2, weite - weite / 2);
            TRecordingCanvas c(400, 400);
            G->DrawCoordinateSystem(c, f, -f);
            const bool alles = weite == 100000;
            const std::size_t quer = breit ? 11 : 12;  // the grid lines of the short side
            // Grid lines across the long side, one per unit and both ends;
            // ticks inside; one number per tick but the y axis's zero; the
            // two axes and their captions always.
            const std::size_t gitter = alles ? weite + 1 + quer : 0;
            const std::size_t ticks = alles ? (weite - 1) + (quer - 2) : 0;
            EXPECT_EQ(c.OpsOf(Op::Line).size(), gitter + ticks + 2) << breit << ' ' << weite;
            EXPECT_EQ(c.OpsOf(Op::Text).size(), 2 + (alles ? ticks - 1 : 0)) << breit << ' ' << weite;
        }
    }
}

TEST_F(Grenzen, VerticalSegmentsAreDrawnUpToOneUnitBeyondTheView)
{
    // The view runs from -5 to 6: segments at -6 and 7 still reach into a
    // thick pen's width, those further out are not drawn at all.
    const char* xs[] = {"-6", "7", "-6,01", "7,01"};
    for (int k = 1; k <= 4; ++k)
        Senkrechte[k] = TSenkrechte{xs[k - 1], "0", "2", {}, RGB(10, 20, static_cast<std::uint8_t>(k)), 0, {}};
    std::set<int> spalten;
    for (const TOp& l : Linien())
        if (l.Points[0].X == l.Points[1].X && l.Points[0].Y == Zeile(0) && l.Points[1].Y == Zeile(2))
            spalten.insert(l.Points[0].X);
    EXPECT_EQ(spalten, (std::set<int>{Spalte(-6), Spalte(7)}));
}

TEST_F(Grenzen, UnitBarsAndLengthListsEndAtTheirTablesEnds)
{
    // Lengths from 3 cm to 17 (x) or 20 (y), from 1.5 inch to 7 or 8.
    const std::tuple<QComboBox*, const char*, const char*, int> listen[] = {
        {G->ComboBox2, "3", "17", 15}, {G->ComboBox1, "3", "20", 18},
        {G->ComboBox2a, "1.5", "7", 12}, {G->ComboBox1a, "1.5", "8", 14}};
    for (const auto& [liste, erste, letzte, anzahl] : listen) {
        ASSERT_EQ(liste->count(), anzahl) << erste << ' ' << letzte;
        EXPECT_EQ(std::pair(liste->itemText(0), liste->itemText(anzahl - 1)),
                  std::pair(QString::fromLatin1(erste), QString::fromLatin1(letzte)));
    }
    for (QSlider* bar : {G->TrackBar1, G->TrackBar2}) {
        bar->setValue(11);
        EXPECT_EQ(bar->value(), 10);
        bar->setValue(-5);
        EXPECT_EQ(bar->value(), -4);
        EXPECT_EQ(std::pair(bar->tickPosition(), bar->pageStep()), std::pair(QSlider::TicksBelow, 1));
    }
}

// A tool has an instruction box exactly when it draws one; the origin tool,
// the pending assistant questions and unknown modes draw none.
TEST_F(Grenzen, OnlyToolsThatDrawAnInstructionBoxSayTheyHaveOne)
{
    HinweiseTestRessourcenLaden();
    ASSERT_TRUE(LoadLanguage(SpracheDeutsch));
    std::set<std::int32_t> mitBox;
    for (const std::int32_t m : {0, 1, 2, 3, 4, 5, 6, 7, 71, 8, 81, 82, 9, 91, 92, 93, 42, -1}) {
        Modus = m;
        TRecordingCanvas c(400, 300);
        TGraphik::HinweiseZeichnen(c, G->HinweisLage());
        EXPECT_EQ(G->HatHinweis(), !c.OpsOf(Op::Text).empty()) << m;
        if (G->HatHinweis())
            mitBox.insert(m);
    }
    EXPECT_EQ(mitBox, (std::set<std::int32_t>{2, 3, 4, 5, 6, 7, 71, 8, 81, 9, 91, 93}));
}

}  // namespace
