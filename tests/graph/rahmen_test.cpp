// The graph window's frame as the window changes size: the drawing buffers
// follow the drawing area in each direction alone.

#include "interaktion_fixture.h"

#include "platform/fensterart.h"
#include "platform/felder.h"
#include "platform/melder.h"

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

// The input bar starts with the selected function's line style; in
// presentation mode it lines up with the axes group and reaches to the
// window's right edge, and the coordinate-system group keeps its width.
TEST_F(RahmenGraphTest, InputBarLinesUpWithTheGroupsInPresentationMode)
{
    EXPECT_EQ(Graphik->ComboBox4->currentIndex(), Funktionen[1]->GetLineStyle());
    const int breiteKoord = Graphik->GroupBox2->width();
    Form1->SpeedButton5Click();
    ASSERT_TRUE(Graphik->GroupBox3->isVisible());
    EXPECT_EQ(std::pair(Graphik->GroupBox3->y(), Graphik->GroupBox3->height()),
              std::pair(Graphik->GroupBox1->y(), Graphik->GroupBox1->height()));
    EXPECT_EQ(Graphik->GroupBox3->geometry().right(), Graphik->width() - 9);
    EXPECT_EQ(Graphik->GroupBox2->width(), Graphik->StartBreiteKoord);
    Graphik->SpeedButton5->click();
    EXPECT_TRUE(Graphik->GroupBox3->isHidden());
    EXPECT_EQ(Graphik->GroupBox2->width(), std::max(breiteKoord, Graphik->width() - Graphik->GroupBox2->x() - 15));
}

// The tool box writes everything in its small font, and the label field
// goes back to plain black "Tahoma" whenever the label tool is chosen.
TEST_F(RahmenGraphTest, ToolBoxFontAndTheLabelFieldsDefaults)
{
    for (QWidget* w : Graphik->AktivBox->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (w != Graphik->TrackBar3) {
            EXPECT_EQ(w->font().pointSize(), 7) << w->objectName().toStdString();
        }
    }
    Beschriftungen[3] = TBeschriftung{"Scheitel", 1, 1, {"Courier", clRed, 20, fsBold | fsItalic, {}}, 0, {}};
    emit Melder().BeschriftungAufnehmenVerlangt(3, nullptr);
    const QLineEdit* feld = Graphik->BeschrEdit;
    EXPECT_TRUE(Form1->I2->isChecked() && Graphik->BeschriftButton->isChecked());
    EXPECT_EQ(Graphik->PaintBox1->cursor().shape(), Graphik->StiftCursor.shape());
    EXPECT_EQ(std::tuple(feld->text(), feld->font().bold(), Tag(feld), Schriftfarbe(feld)),
              std::tuple(QStringLiteral("Scheitel"), true, 20, clRed));
    Waehle(Graphik->UrsprungButton);
    Waehle(Graphik->BeschriftButton);
    EXPECT_TRUE(feld->text().isEmpty() && feld->isHidden());
    EXPECT_EQ(std::tuple(feld->font().family(), feld->font().bold(), feld->font().italic(), Tag(feld),
                         Schriftfarbe(feld)),
              std::tuple(QStringLiteral("Tahoma"), false, false, 12, clBlack));
}

}  // namespace
