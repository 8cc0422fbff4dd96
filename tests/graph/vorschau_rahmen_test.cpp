// Each preview frame starts from the finished picture: what the last frame
// drew at the pointer is gone once the pointer moves on.

#include "interaktion_fixture.h"
#include "zeichnen_hilfe.h"

namespace {

using VorschauRahmen = InteraktionTest;

// Pixels of the screen that differ from the finished picture around (x, y).
int Anders(int x, int y)
{
    const QImage& vorn = Graphik->PaintBox1->Front();
    int n = 0;
    for (int j = y - 15; j <= y + 15; ++j)
        for (int i = x - 15; i <= x + 15; ++i)
            n += vorn.pixel(i, j) != Graphik->Bild.pixel(i, j);
    return n;
}

TEST_F(VorschauRahmen, TheLastFramesFigureIsGoneWhenThePointerMovesOn)
{
    Waehle(Graphik->PunktButton);
    Bewege(100, 200);
    Graphik->BildCanvas->Flush();
    ASSERT_GT(Anders(100, 200), 0);
    Bewege(280, 200);
    EXPECT_EQ(Anders(100, 200), 0);
    EXPECT_GT(Anders(280, 200), 0);
}

// A new front picture is painted on the screen at the next chance, without
// anything else asking for it.
TEST_F(VorschauRahmen, ANewFrontPictureIsPaintedAtTheNextChance)
{
    struct Zaehler : QObject {
        int Malen = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            Malen += e->type() == QEvent::Paint;
            return false;
        }
    } zaehler;
    ASSERT_TRUE(Graphik->PaintBox1->isVisible());
    QCoreApplication::processEvents();
    Graphik->PaintBox1->installEventFilter(&zaehler);
    QCoreApplication::processEvents();
    ASSERT_EQ(zaehler.Malen, 0);
    QImage bild(Graphik->PaintBox1->size(), QImage::Format_RGB32);
    bild.fill(Qt::blue);
    Graphik->PaintBox1->SetFront(bild);
    QCoreApplication::processEvents();
    EXPECT_GT(zaehler.Malen, 0);
    Graphik->PaintBox1->removeEventFilter(&zaehler);
}

}  // namespace
