// The graph window's frame as the window changes size: the drawing buffers
// follow the drawing area in each direction alone.

#include "interaktion_fixture.h"

#include "platform/fensterart.h"
#include "platform/felder.h"
#include "platform/melder.h"

#include <QAbstractButton>
#include <QCursor>
#include <QFrame>
#include <QLabel>
#include <QToolButton>
#include <QLineEdit>
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

// Below 25 pixels on either side the drawing area shrinks to a 10 x 10
// stub; at 25 it is still drawn at its size.
TEST_F(RahmenGraphTest, ADrawingAreaUnder25PixelsOnASideIsAStub)
{
    std::tie(Graphik->XMin, Graphik->XMax) = std::pair(-2, 8);  // square: 10 x 10 units
    for (const auto& [w, h, groesse] : {std::tuple(25, 200, QSize(25, 25)), std::tuple(24, 200, QSize(10, 10)),
                                        std::tuple(200, 25, QSize(25, 25)), std::tuple(200, 24, QSize(10, 10))}) {
        FreieFlaeche(w, h);
        EXPECT_EQ(Graphik->PaintBox1->size(), groesse) << w << " x " << h;
    }
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
    const QString farbe = QStringLiteral("Farbe der Gitterlinien");
    EXPECT_EQ((std::vector<QString>{Graphik->GitterFelder[0]->toolTip(), Graphik->GitterFelder[1]->toolTip(),
                                    Graphik->GitterFelder[2]->toolTip(), Graphik->GitterFelder[3]->toolTip()}),
              (std::vector<QString>{QStringLiteral("Schwarze Gitterlinien (empfohlen für SW-Drucker)"), farbe, farbe,
                                    farbe}));
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
    // The label tool's riding field goes too.
    Waehle(Graphik->BeschriftButton);
    Graphik->PaintBox1MouseMove(Graphik->PaintBox1, Qt::NoButton, 100, 100);
    ASSERT_TRUE(Graphik->BeschrEdit->isVisible());
    QCoreApplication::sendEvent(Graphik, &e);
    EXPECT_TRUE(Graphik->BeschrEdit->isHidden());
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
    EXPECT_EQ(Graphik->PaintBox1->cursor().shape(), Qt::CrossCursor);  // the pen goes with the label tool
    Waehle(Graphik->BeschriftButton);
    EXPECT_TRUE(feld->text().isEmpty() && feld->isHidden());
    EXPECT_EQ(std::tuple(feld->font().family(), feld->font().bold(), feld->font().italic(), Tag(feld),
                         Schriftfarbe(feld)),
              std::tuple(QStringLiteral("Tahoma"), false, false, 12, clBlack));
}

// The controls of each group (and of the band and the window itself) that
// are shown lie inside their group and do not cover one another: in cm and
// inch, in the normal window and in presentation mode.
TEST_F(RahmenGraphTest, ShownControlsLieInsideTheirGroupAndApart)
{
    auto pruefen = [](const char* fall) {
        SCOPED_TRACE(fall);
        for (QWidget* gruppe : std::initializer_list<QWidget*>{Graphik, Graphik->CoolBar2, Graphik->GroupBox1, Graphik->GroupBox2,
                                Graphik->GroupBox3, Graphik->AktivBox}) {
            if (gruppe->isHidden())
                continue;
            std::vector<QWidget*> gezeigt;
            for (QWidget* w : gruppe->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
                if (!w->isHidden() && !w->geometry().isEmpty() && !w->isWindow() && w != Graphik->StatusBar1)
                    gezeigt.push_back(w);
            for (std::size_t i = 0; i < gezeigt.size(); ++i) {
                const QRect r = gezeigt[i]->geometry();
                const std::string name = gezeigt[i]->objectName().toStdString();
                EXPECT_TRUE(gruppe->rect().contains(r)) << name << " in " << gruppe->objectName().toStdString();
                for (std::size_t j = i + 1; j < gezeigt.size(); ++j)
                    EXPECT_FALSE(r.intersects(gezeigt[j]->geometry()))
                        << name << " and " << gezeigt[j]->objectName().toStdString();
            }
        }
    };
    Graphik->resize(900, 700);  // a window of the size the program opens with
    Graphik->GraphikResize();
    pruefen("cm");
    const int sb = Graphik->StatusBar1->height();
    EXPECT_EQ(Graphik->StatusBar1->geometry(), QRect(0, 700 - sb, 900, sb));
    Graphik->cm2->click();
    pruefen("inch");
    Graphik->CheckBox2->show();
    Graphik->PunktButton->click();
    pruefen("point tool");
    Graphik->TangenteButton->click();  // with its photo switch
    ASSERT_FALSE(Graphik->CheckBox2->isHidden());
    pruefen("tangent tool");
    // The switch and its text follow the tool buttons, in this order.
    int knoepfe = 0;
    for (QToolButton* b : Graphik->AktivBox->findChildren<QToolButton*>())
        knoepfe = std::max(knoepfe, b->geometry().bottom());
    EXPECT_LT(knoepfe, Graphik->CheckBox2->geometry().top());
    EXPECT_LT(Graphik->CheckBox2->geometry().bottom(), Graphik->LabelText->geometry().top());
    const std::array<int, 4> oben = {Graphik->GroupBox1->y(), Graphik->GroupBox2->y(), Graphik->GroupBox3->y(),
                                     Graphik->AktivBox->y()};
    Form1->SpeedButton5Click();
    Graphik->resize(1024, 700);  // maximised on a screen 1024 pixels wide
    Graphik->GraphikResize();
    pruefen("presentation");
    EXPECT_EQ(Graphik->SpeedButton5->geometry().right(), Graphik->CoolBar2->width() - 2);  // at the band's end
    Graphik->SpeedButton5->click();
    EXPECT_EQ((std::array{Graphik->GroupBox1->y(), Graphik->GroupBox2->y(), Graphik->GroupBox3->y(),
                          Graphik->AktivBox->y()}),
              oben);
}

// The ruler is one unit of length (two units of the view in inch), grey on
// lime, right-aligned just below the drawing area, its grey caption left of
// it; the menu's unit recaptions the length buttons too.
TEST_F(RahmenGraphTest, TheRulerAndItsCaptionBelowTheDrawingArea)
{
    const QRect bild = Graphik->PaintBox1->geometry(), lineal = Graphik->Shape6->geometry();
    EXPECT_EQ(lineal.width(), 331 / 11 + 1);
    EXPECT_EQ(std::pair(lineal.right(), lineal.top()), std::pair(bild.right(), bild.bottom() + 7));
    EXPECT_EQ(Graphik->cm3->geometry().right(), lineal.left() - 4);
    EXPECT_EQ(std::pair(Graphik->Shape6->palette().color(QPalette::Window), Graphik->cm3->palette().color(QPalette::ButtonText)),
              std::pair(QColor(0, 255, 0), QColor(128, 128, 128)));
    // As drawn: a grey frame round a lime middle row.
    const QImage fenster = Graphik->grab().toImage();
    const int mitte = lineal.center().x();
    EXPECT_EQ(std::pair(fenster.pixelColor(mitte, lineal.top()), fenster.pixelColor(mitte, lineal.top() + 1)),
              std::pair(QColor(128, 128, 128), QColor(0, 255, 0)));
    Form1->Inch->trigger();
    EXPECT_EQ(Graphik->Shape6->width(), 2 * (331 / 11 + 1));
    EXPECT_EQ(Graphik->Shape6->geometry().right(), bild.right());
    Form1->cm->trigger();
    EXPECT_EQ(std::tuple(Graphik->cm1->text(), Graphik->cm2->text(), Graphik->cm3->text()),
              std::tuple(QStringLiteral("cm"), QStringLiteral("cm"), QStringLiteral("1 cm")));
}

// A length chosen for a view at the end of the integer range keeps the
// view's top at the largest integer, and the picture follows.
TEST_F(RahmenGraphTest, ALengthAtTheEndOfTheIntegerRange)
{
    constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();
    std::tie(Graphik->XMin, Graphik->XMax) = std::pair(Max - 11, Max);
    Graphik->GraphikResize();
    Graphik->XMin = Max - 3;  // as a document may bring it
    Graphik->ComboBox2->setEditText(QStringLiteral("16"));
    Graphik->ComboBox2Change(Graphik->ComboBox2);
    EXPECT_EQ(std::pair(Graphik->XMin, Graphik->XMax), std::pair(Max - 16, Max));
    EXPECT_EQ(Graphik->PaintBox1->size(), QSize(331, 207));
    // Half an inch typed as "2.": the list keeps "2" and the focus for the
    // rest of the number.
    Graphik->cm2->click();
    Graphik->ComboBox2a->setEditText(QStringLiteral("2."));
    Graphik->ComboBox2Change(Graphik->ComboBox2a);
    EXPECT_EQ(std::pair(Graphik->ComboBox2a->currentText(), Graphik->XMax - Graphik->XMin),
              std::pair(QStringLiteral("2"), 4));
    EXPECT_EQ(Graphik->focusWidget(), Graphik->ComboBox2a);
}


// In presentation mode the band's buttons lie flat on the band, their
// edges in the band's own colour, all but the openers of the windows the
// current tool works with; the tool box's switch for the points window
// raises its opener too.
TEST_F(RahmenGraphTest, TheBandsButtonsLieFlatButTheCurrentToolsOpeners)
{
    Form1->SpeedButton5Click();
    FreieFlaeche(1000, 301);  // the band holds all its buttons
    auto erhaben = [] {
        const QImage band = Graphik->CoolBar2->grab().toImage();
        const QColor grund = band.pixelColor(1, 1);
        std::vector<std::string> r;
        for (QToolButton* b : Graphik->CoolBar2->findChildren<QToolButton*>()) {
            const QRect k = b->geometry();
            if (!band.rect().contains(k))
                ADD_FAILURE() << b->objectName().toStdString() << " off the band";
            else if (band.pixelColor(k.left(), k.center().y()) != grund || band.pixelColor(k.center().x(), k.bottom()) != grund)
                r.push_back(b->objectName().toStdString());
        }
        std::sort(r.begin(), r.end());
        return r;
    };
    EXPECT_EQ(erhaben(), std::vector<std::string>{});
    Waehle(Graphik->PunktButton);
    EXPECT_EQ(erhaben(), std::vector<std::string>{"SpeedButton10"});
    Waehle(Graphik->KreisButton);
    EXPECT_EQ(erhaben(), std::vector<std::string>{"SpeedButton16"});
    Waehle(Graphik->TangenteButton);
    EXPECT_EQ(erhaben(), (std::vector<std::string>{"SpeedButton10", "SpeedButton7"}));
    Graphik->CheckBox2->click();  // no photo: the points window is not needed
    EXPECT_EQ(erhaben(), std::vector<std::string>{"SpeedButton7"});
    Graphik->CheckBox2->click();
    EXPECT_EQ(erhaben(), (std::vector<std::string>{"SpeedButton10", "SpeedButton7"}));
    Waehle(Graphik->UrsprungButton);
    EXPECT_EQ(erhaben(), std::vector<std::string>{});
}

}  // namespace

// Beside the main window: its frame to the right of the main window's with
// the offsets of the window table, the height asked for, not maximised.
TEST_F(RahmenGraphTest, BesideTheMainWindowAtTheTablesOffsets)
{
    // A window made wider goes back to its width at the start.
    Graphik->resize(Graphik->StartBreite + 90, Graphik->height());
    Graphik->showMaximized();
    emit Melder().GraphikNebenHauptfensterVerlangt(QRect(100, 50, 400, 600), 500);
    EXPECT_FALSE(Graphik->isMaximized());
    EXPECT_EQ(Graphik->width(), Graphik->StartBreite);
    EXPECT_EQ(Graphik->pos(), QPoint(100 + FensterVersatz[3] + 400 + 2, 50 + FensterVersatz[4]));
    EXPECT_EQ(Graphik->height(), 500 + FensterVersatz[5]);
}

namespace {

// Records the override cursor as the graph window's state changes.
struct CursorBeimWechsel : QObject {
    std::vector<int> Formen;  // -1: no override cursor
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::WindowStateChange || e->type() == QEvent::Resize) {
            const QCursor* c = QApplication::overrideCursor();
            Formen.push_back(c ? static_cast<int>(c->shape()) : -1);
        }
        return false;
    }
};

}  // namespace

// Presentation mode starts and ends under the wait cursor, and gives the
// pointer back afterwards.
TEST_F(RahmenGraphTest, PresentationModeChangesUnderTheWaitCursorOnly)
{
    CursorBeimWechsel beobachter;
    Graphik->installEventFilter(&beobachter);
    Form1->SpeedButton5Click();
    ASSERT_TRUE(Graphik->Praesentation);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    Graphik->SpeedButton5->click();
    ASSERT_FALSE(Graphik->Praesentation);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    Graphik->removeEventFilter(&beobachter);
    ASSERT_FALSE(beobachter.Formen.empty());
    for (const int form : beobachter.Formen)
        EXPECT_EQ(form, static_cast<int>(Qt::WaitCursor));
}

// A click on a button of the window leaves the keyboard where it was: only
// the length-unit and grid buttons (which never take a click's focus) can
// be reached with the tab key.
TEST_F(RahmenGraphTest, ButtonsTakeNoFocus)
{
    QStringList mitFokus;
    for (const QAbstractButton* b : Graphik->findChildren<QAbstractButton*>())
        if (!qobject_cast<const QCheckBox*>(b) && b->focusPolicy() != Qt::NoFocus)
            mitFokus << b->objectName();
    mitFokus.sort();
    EXPECT_EQ(mitFokus, (QStringList{"SpeedButton1", "SpeedButton2", "SpeedButton3", "SpeedButton6", "cm1", "cm2", "cm3"}));
}

// Every text field of the window takes what a document can store, 255
// characters, and no more; only the function chooser's text is not stored.
TEST_F(RahmenGraphTest, EveryTextFieldHoldsAtMost255Characters)
{
    QStringList andere;
    for (QLineEdit* e : Graphik->findChildren<QLineEdit*>()) {
        const QString name = e->objectName().isEmpty() ? e->parent()->objectName() : e->objectName();
        if (e->maxLength() != 255)
            andere << name;
    }
    EXPECT_EQ(andere, QStringList{"ComboBox3"});
}

// The pointer on the frame empties the coordinate panel to the tool's
// pattern, as wide as the snap step's coordinates need: fixed for the
// origin and label tools, in steps of 15 or 17 pixels per digit for the
// others.
TEST_F(RahmenGraphTest, ThePointerOnTheFrameShowsEachToolsPatternAtItsWidth)
{
    const std::tuple<std::int32_t, bool, const char*, std::array<int, 5>> faelle[] = {
        {ModusUrsprung, true, "P(|)", {90, 90, 90, 90, 90}},
        {ModusBeschriftung, true, "", {90, 90, 90, 90, 90}},
        {ModusSpur, true, "T(|)", {85, 85, 85, 100, 115}},
        {ModusTangente, true, "B(|)", {85, 85, 85, 100, 115}},
        {ModusTangente, false, "N(|)", {85, 85, 85, 100, 115}},
        {ModusPunkte, true, "P(|)", {56, 73, 73, 90, 107}},
        {ModusSenkrechte, true, "P(|)", {56, 73, 73, 90, 107}},
        {ModusKreisMitte, true, "M(|)", {56, 73, 73, 90, 107}},
        {ModusKreisRadius, true, "R(|)", {56, 73, 73, 90, 107}},
        {ModusParabelD, true, "S(|)", {56, 73, 73, 90, 107}},
        {ModusParabelE, true, "S(|)", {56, 73, 73, 90, 107}},
        {ModusParabelA, true, "S(|)", {56, 73, 73, 90, 107}},
        {ModusGeradeM, true, "", {56, 73, 73, 90, 107}},
        {ModusParabelFrage, true, "", {56, 73, 73, 90, 107}},
    };
    QMouseEvent e(QEvent::MouseMove, QPointF(5, 5), Graphik->mapToGlobal(QPointF(5, 5)), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    for (const auto& [modus, tangente, text, breiten] : faelle) {
        for (int r = 0; r <= 4; ++r) {
            Graphik->StatusErneuern = false;
            Graphik->TrackBar3->setValue(r);
            std::tie(Modus, Graphik->IstTangente, Graphik->StatusErneuern) = std::tuple(modus, tangente, true);
            Graphik->StatusBar1->Panels[0] = {1, QStringLiteral("alt")};
            QCoreApplication::sendEvent(Graphik, &e);
            EXPECT_EQ(std::pair(Graphik->StatusBar1->Panels[0].Text, Graphik->StatusBar1->Panels[0].Width),
                      std::pair(QString::fromLatin1(text), breiten[static_cast<std::size_t>(r)]))
                << "mode " << modus << " step " << r;
        }
        // Until the pointer comes back from the drawing area, the frame
        // leaves the panel alone.
        Graphik->StatusBar1->Panels[0].Text = QStringLiteral("alt");
        QCoreApplication::sendEvent(Graphik, &e);
        EXPECT_EQ(Graphik->StatusBar1->Panels[0].Text, "alt");
    }
    Modus = ModusUrsprung;
}

// The buttons around the drawing lie flat on the window, the band's too
// (none of its openers is raised for the origin tool); the tool box's
// buttons and the template button stand out. The effect pictures have
// their images.
TEST_F(RahmenGraphTest, FlatButtonsAndTheEffectsImages)
{
    QStringList erhaben;
    for (const QToolButton* b : Graphik->findChildren<QToolButton*>())
        if (!b->autoRaise())
            erhaben << b->objectName();
    erhaben.sort();
    EXPECT_EQ(erhaben, (QStringList{"BeschriftButton", "GeradeButton", "KreisButton", "NormaleButton", "ParabelButton",
                                    "PunktButton", "Senkrechtebutton", "SitBtn3", "TangenteButton", "Tracebutton",
                                    "UrsprungButton"}));
    for (const QLabel* bild : {Graphik->camera, Graphik->camera2, Graphik->camera3, Graphik->typer, Graphik->typer2})
        EXPECT_FALSE(bild->pixmap().isNull()) << bild->objectName().toStdString();
}

// Where the picture handed to the drawing area is smaller than the area (a
// resize before the next redraw), the rest is white, right and below.
TEST(PaintBoxTest, WhatThePictureDoesNotCoverIsWhite)
{
    TPaintBox box;
    box.resize(40, 30);
    QImage bild(20, 10, QImage::Format_RGB32);
    bild.fill(Qt::black);
    box.SetFront(bild);
    const QImage zu = box.grab().toImage();
    EXPECT_EQ(std::tuple(zu.pixelColor(5, 5), zu.pixelColor(30, 5), zu.pixelColor(5, 20), zu.pixelColor(30, 20)),
              std::tuple(QColor(Qt::black), QColor(Qt::white), QColor(Qt::white), QColor(Qt::white)));
}

// Outside presentation mode the coordinate-system group reaches to 15
// pixels before the window's right edge, never narrower than designed.
TEST_F(RahmenGraphTest, TheCoordinateGroupReachesTheWindowsRightEdge)
{
    Graphik->resize(Graphik->width() + 200, Graphik->height());
    Graphik->GraphikResize();
    const QWidget* g = Graphik->GroupBox2;
    EXPECT_EQ(g->x() + g->width(), Graphik->width() - 15);
    Graphik->resize(300, Graphik->height());
    Graphik->GraphikResize();
    EXPECT_EQ(g->width(), Graphik->StartBreiteKoord);
}
