// The graph window's frame as the window changes size: the drawing buffers
// follow the drawing area in each direction alone.

#include "interaktion_fixture.h"

#include <QFrame>
#include <QMouseEvent>

namespace {

using RahmenGraphTest = InteraktionTest;

TEST_F(RahmenGraphTest, TheDrawingBuffersFollowTheAreaWhenOnlyOneSideChanges)
{
    Graphik->Gitter = "1b";
    // One unit more of width on the same height: 361 x 301, the new strip
    // on the right painted (the grid line at x = 6.5, column 345).
    Graphik->XMax = 7;
    FreieFlaeche(400, 301);
    ASSERT_EQ(Graphik->PaintBox1->size(), QSize(361, 301));
    EXPECT_EQ(std::tuple(Graphik->Bild.size(), Graphik->Anzeigebild.size(), Graphik->PaintBox1->Front().size()),
              std::tuple(QSize(361, 301), QSize(361, 301), QSize(361, 301)));
    EXPECT_EQ(std::pair(Graphik->BildBreite, Graphik->BildHoehe), std::pair(360, 300));
    EXPECT_EQ(Graphik->PaintBox1->Front().pixelColor(345, 40), QColor(192, 192, 192));
    // And one unit more of height on the same width.
    std::tie(Graphik->XMax, Graphik->YMax) = std::pair(6, 9);
    FreieFlaeche(331, 400);
    ASSERT_EQ(Graphik->PaintBox1->size(), QSize(331, 331));
    EXPECT_EQ(std::tuple(Graphik->Bild.size(), Graphik->Anzeigebild.size(), Graphik->PaintBox1->Front().size()),
              std::tuple(QSize(331, 331), QSize(331, 331), QSize(331, 331)));
    EXPECT_EQ(Graphik->PaintBox1->Front().pixelColor(40, 15), QColor(192, 192, 192));  // y = 8.5 at row 15
    // What the paint box shows is the picture, all of it.
    const QImage gezeigt = Graphik->PaintBox1->grab().toImage();
    EXPECT_EQ(gezeigt.pixelColor(40, 15), QColor(192, 192, 192));
}

// The grid buttons' hints name the grid's spacing in the unit in force; the
// swatches have their hints only while a grid is drawn.
TEST_F(RahmenGraphTest, HintsOfTheGridButtonsAndSwatchesFollowUnitAndGrid)
{
    auto hinweise = [] {
        return std::vector<QString>{Graphik->SpeedButton1->toolTip(), Graphik->SpeedButton2->toolTip(),
                                    Graphik->SpeedButton3->toolTip(), Graphik->SpeedButton6->toolTip()};
    };
    EXPECT_EQ(hinweise(), (std::vector<QString>{"kein Gitter", "Gitter 0,5cm", "Gitter 1cm", "Millimeterpapier"}));
    Form1->Inch->trigger();
    EXPECT_EQ(hinweise(),
              (std::vector<QString>{"kein Gitter", "Gitter 1/4 inch", "Gitter 1/2 inch", "Gitter 1/20 inch"}));
    EXPECT_EQ(std::pair(Graphik->GitterFelder[0]->toolTip(), Graphik->GitterFelder[3]->toolTip()),
              std::pair(QStringLiteral("Schwarze Gitterlinien (empfohlen für SW-Drucker)"),
                        QStringLiteral("Farbe der Gitterlinien")));
    Graphik->SpeedButton1->click();
    for (QFrame* f : Graphik->GitterFelder) {
        EXPECT_TRUE(f->toolTip().isEmpty());
        EXPECT_EQ(f->palette().color(QPalette::Window), QColor(Qt::white));
    }
}

// The pointer leaving the drawing area for the window's frame takes the
// live preview away and shows the tool's empty coordinates.
TEST_F(RahmenGraphTest, ThePointerOnTheFrameEndsThePreview)
{
    Waehle(Graphik->PunktButton);
    Bewege(180, 210);
    ASSERT_EQ(Graphik->StatusBar1->Panels[0].Text, "P(1,00|1,00)");
    // Around the pointer the front picture shows the preview, not the graph.
    auto umZeiger = [](const QImage& b) { return b.copy(130, 160, 100, 100); };
    Graphik->BildCanvas->Flush();
    ASSERT_NE(umZeiger(Graphik->PaintBox1->Front()), umZeiger(Graphik->Bild));
    QMouseEvent e(QEvent::MouseMove, QPointF(5, 5), Graphik->mapToGlobal(QPointF(5, 5)), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QCoreApplication::sendEvent(Graphik, &e);
    EXPECT_EQ(Graphik->StatusBar1->Panels[0].Text, "P(|)");
    EXPECT_FALSE(Graphik->Animator->isActive());
    EXPECT_EQ(umZeiger(Graphik->PaintBox1->Front()), umZeiger(Graphik->Bild));
}

}  // namespace
