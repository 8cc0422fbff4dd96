// The graph window's frame: layout of the drawing area, ruler and unit
// captions, status panels, and the window states of presentation mode.

#include "programm_fixture.h"

#include "engine/funktion.h"
#include "graph/graphik.h"
#include "main/form1.h"
#include "main/wertetabelle_fenster.h"
#include "platform/statusleiste.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QSlider>
#include <QScreen>
#include <QToolButton>

namespace {

class RahmenTest : public ProgrammTest {
protected:
    void SetUp() override
    {
        ProgrammTest::SetUp();
        Starten();
    }

    // Sizes the window so that the free room for the drawing area is w x h.
    void FreieFlaeche(int w, int h)
    {
        const int m = Graphik->GroupBox1->x();
        const int links = Graphik->InteraktivBox->isChecked() ? 2 * m + Graphik->AktivBox->width() : m;
        const int oben = m + Graphik->GroupBox1->y() + Graphik->GroupBox1->height();
        const int sb = Graphik->StatusBar1->sizeHint().height();
        Graphik->resize(w + m + links, h + oben + m + sb);
        Graphik->GraphikResize();
    }
};

}  // namespace

TEST_F(RahmenTest, DrawingAreaKeepsTheViewsAspectCentredAndRecoversFromTooSmall)
{
    FreieFlaeche(400, 300);  // the default view is 11 x 10 units
    EXPECT_EQ(Graphik->PaintBox1->size(), QSize(330, 300));
    EXPECT_EQ(Graphik->PaintBox1->x(), 2 * 16 + Graphik->AktivBox->width() + 35);
    EXPECT_EQ(Graphik->PaintBox1->y(), 16 + 8 + 81);
    EXPECT_EQ(Graphik->BildBreite, 329);
    EXPECT_EQ(Graphik->BildHoehe, 299);
    EXPECT_EQ(Graphik->Bild.size(), QSize(330, 300));

    // A view relatively wider than the room: full width, centred vertically.
    Graphik->XMax = 15;  // 20 x 10 units
    FreieFlaeche(400, 300);
    EXPECT_EQ(Graphik->PaintBox1->size(), QSize(400, 200));
    EXPECT_EQ(Graphik->PaintBox1->y(), 105 + 50);

    // Too small a window draws nothing, and recovers.
    Graphik->resize(120, 150);
    Graphik->GraphikResize();
    EXPECT_EQ(Graphik->PaintBox1->size(), QSize(10, 10));
    Graphik->XMax = 6;
    // Without the tool box the area starts at the margin.
    Graphik->InteraktivBox->setChecked(false);
    FreieFlaeche(330, 300);
    EXPECT_EQ(Graphik->PaintBox1->x(), 16);
    EXPECT_EQ(Graphik->PaintBox1->size(), QSize(330, 300));
}

TEST_F(RahmenTest, InchModeScalesThePageAndDoublesTheRuler)
{
    FreieFlaeche(440, 400);
    const int n = Graphik->PaintBox1->width() / 11 + 1;
    EXPECT_EQ(Graphik->Shape6->width(), n);
    EXPECT_EQ(Graphik->cm3->text(), QStringLiteral("1 cm"));
    EXPECT_EQ(Graphik->Shape6->x() + Graphik->Shape6->width(), Graphik->PaintBox1->x() + Graphik->PaintBox1->width());
    EXPECT_EQ(Graphik->Shape6->y(), Graphik->PaintBox1->y() + Graphik->PaintBox1->height() + 6);

    Form1->Inch->setChecked(true);
    Graphik->GraphikResize();
    EXPECT_DOUBLE_EQ(Graphik->Massstab, 1.27);
    EXPECT_EQ(Graphik->Shape6->width(), 2 * n);
    EXPECT_EQ(Graphik->cm3->text(), QStringLiteral("1 inch"));
    EXPECT_EQ(Graphik->cm1->text(), QStringLiteral("in  "));
    EXPECT_EQ(Graphik->cm3->x() + Graphik->cm3->width() + 3, Graphik->Shape6->x());
}

TEST_F(RahmenTest, GridButtonsFollowTheGridCode)
{
    struct Fall {
        char Art;
        QToolButton* Knopf;
        int Strich;
        bool An;
    };
    for (const Fall& f : {Fall{'0', Graphik->SpeedButton1, -1, false}, Fall{'1', Graphik->SpeedButton2, 0, true},
                          Fall{'7', Graphik->SpeedButton2, 1, true}, Fall{'4', Graphik->SpeedButton3, 2, true},
                          Fall{'5', Graphik->SpeedButton6, 0, false}}) {
        Graphik->Gitter = std::string(1, f.Art) + "b";
        Graphik->GraphikResize();
        EXPECT_TRUE(f.Knopf->isChecked()) << f.Art;
        EXPECT_EQ(Graphik->ComboStrich->currentIndex(), f.Strich) << f.Art;
        EXPECT_EQ(Graphik->ComboStrich->isEnabled(), f.An) << f.Art;
    }
}

TEST_F(RahmenTest, StatusPanelZeroShowsTheModesEmptyPattern)
{
    Modus = ModusTangente;
    Graphik->TrackBar3->setValue(4);
    Graphik->IstTangente = true;
    Graphik->StatusErneuern = true;
    Graphik->Statusanzeige();
    EXPECT_EQ(Graphik->StatusBar1->Panels[0].Text, QStringLiteral("B(|)"));
    EXPECT_EQ(Graphik->StatusBar1->Panels[0].Width, 115);
    EXPECT_FALSE(Graphik->StatusErneuern);

    // A one-shot request: nothing happens until it is set again.
    Graphik->IstTangente = false;
    Graphik->Statusanzeige();
    EXPECT_EQ(Graphik->StatusBar1->Panels[0].Text, QStringLiteral("B(|)"));
    Graphik->StatusErneuern = true;
    Graphik->Statusanzeige();
    EXPECT_EQ(Graphik->StatusBar1->Panels[0].Text, QStringLiteral("N(|)"));

    struct Fall {
        int Modus;
        int Raster;
        const char* Text;
        int Breite;
    };
    for (const Fall& f : {Fall{ModusUrsprung, 0, "P(|)", 90}, Fall{ModusPunkte, 0, "P(|)", 56}, Fall{ModusSenkrechte, 1, "P(|)", 73},
                          Fall{ModusKreisMitte, 3, "M(|)", 90}, Fall{ModusKreisRadius, 4, "R(|)", 107}, Fall{ModusParabelA, 2, "S(|)", 73},
                          Fall{ModusParabelFrage, 2, "", 73}, Fall{ModusGeradeFrage, 2, "", 73}, Fall{ModusSpur, 1, "T(|)", 85}, Fall{ModusSpur, 3, "T(|)", 100},
                          Fall{ModusBeschriftung, 4, "", 90}, Fall{ModusGeradeB, 0, "", 56}}) {
        Modus = f.Modus;
        Graphik->TrackBar3->setValue(f.Raster);
        Graphik->StatusErneuern = true;
        Graphik->BeschrEdit->show();
        Graphik->Statusanzeige();
        EXPECT_EQ(Graphik->StatusBar1->Panels[0].Text, QString::fromLatin1(f.Text)) << f.Modus;
        EXPECT_EQ(Graphik->StatusBar1->Panels[0].Width, f.Breite) << f.Modus << " " << f.Raster;
        EXPECT_TRUE(Graphik->BeschrEdit->isHidden());
    }
}

TEST_F(RahmenTest, FunctionPanelsShowCompiledTermsOnly)
{
    Funktionen[2]->SetTerm("f(x) = x^2");
    Funktionen[3]->SetTerm("f(x) = x^");
    Graphik->StatusBar1->grab();
    EXPECT_EQ(Graphik->StatusBar1->Panels[2].Text, QStringLiteral("2. f(x) = x^2"));
    EXPECT_GT(Graphik->StatusBar1->Panels[2].Width, 10);
    EXPECT_EQ(Graphik->StatusBar1->Panels[3].Width, 0);
    EXPECT_EQ(Graphik->StatusBar1->Panels[3].Text, QStringLiteral(" "));
    // The selected function's panel has the light green background.
    const QImage bild = Graphik->StatusBar1->grab().toImage();
    const QRect r1 = Graphik->StatusBar1->PanelRect(1);
    EXPECT_EQ(bild.pixelColor(r1.left() + 1, r1.bottom() - 1), QColor(230, 255, 200));
}

TEST_F(RahmenTest, PresentationModeByTheWindowStates)
{
    Form1->SpeedButton5Click();
    EXPECT_TRUE(Graphik->isMaximized());
    EXPECT_FALSE(Graphik->GroupBox3->isHidden());
    EXPECT_EQ(Graphik->GroupBox1->y(), 40);

    // A title-bar double click on the maximised window ends it.
    Graphik->WMNCLButtonDblClk();
    EXPECT_FALSE(Graphik->isMaximized());
    EXPECT_TRUE(Graphik->GroupBox3->isHidden());
    EXPECT_EQ(Graphik->GroupBox1->y(), 8);
    EXPECT_EQ(Graphik->AktivBox->y(), 8 + 81 + 13);

    // Maximising starts it; minimising the maximised window ends it and
    // leaves the window open.
    Graphik->setWindowState(Qt::WindowMaximized);
    EXPECT_FALSE(Graphik->GroupBox3->isHidden());
    Graphik->setWindowState(Qt::WindowMinimized);
    EXPECT_FALSE(Graphik->isMinimized());
    EXPECT_FALSE(Graphik->isMaximized());
    EXPECT_TRUE(Graphik->GroupBox3->isHidden());
    EXPECT_TRUE(Form1->isVisible());
}

TEST_F(RahmenTest, InputBarHandsTheEquationToTheMainWindow)
{
    // The mirror acts only while the graph window is the active window; the
    // offscreen platform activates it on request.
    Graphik->activateWindow();
    QApplication::setActiveWindow(Graphik);
    if (QApplication::activeWindow() != Graphik)
        GTEST_SKIP() << "no active window on this platform";
    Graphik->Edit3->setText(QStringLiteral("f(x) = 3*x"));
    EXPECT_EQ(Form1->Edit1->text(), QStringLiteral("f(x) = 3*x"));
    EXPECT_EQ(Funktionen[1]->GetTerm(), "f(x) = 3*x");
    Graphik->Evonx->setText(QStringLiteral("1.5"));
    EXPECT_DOUBLE_EQ(Funktionen[1]->GetXFrom(), 1.5);
    EXPECT_EQ(Graphik->Evonx->text(), QStringLiteral("1,5"));

    // Typing in the middle of a mirrored field: the echo from the main
    // window must leave the caret where the typing goes on.
    Graphik->Edit3->setCursorPosition(7);
    Graphik->Edit3->insert(QStringLiteral("2*"));
    EXPECT_EQ(Funktionen[1]->GetTerm(), "f(x) = 2*3*x");
    EXPECT_EQ(Graphik->Edit3->cursorPosition(), 9);
    EXPECT_TRUE(Graphik->Edit3->isUndoAvailable());
    Graphik->Ebisx->setText(QStringLiteral("15"));
    Graphik->Ebisx->setCursorPosition(0);
    Graphik->Ebisx->insert(QStringLiteral("-"));
    EXPECT_DOUBLE_EQ(Funktionen[1]->GetXTo(), -15.0);
    EXPECT_EQ(Graphik->Ebisx->cursorPosition(), 1);
}

TEST_F(RahmenTest, MovingTheMainWindowTakesTheGraphWindowAlong)
{
    Form1->move(100, 60);
    Form1->AlignForm();
    const QRect haupt = Form1->frameGeometry();
    EXPECT_EQ(Graphik->pos(), QPoint(haupt.x() + haupt.width() + 2, haupt.y()));
    // The value table goes below the main window, but stays on the screen.
    const int unten = QGuiApplication::primaryScreen()->geometry().height() - 30 - Form2->frameGeometry().height();
    EXPECT_EQ(Form2->x(), haupt.x());
    EXPECT_EQ(Form2->y(), std::min(haupt.y() + haupt.height() + 2, unten));
    EXPECT_EQ(Form2->width(), Form2->StartBreite);
}

TEST(Hauptfenster, StartPositionFollowsTheScreenSize)
{
    EXPECT_EQ(TForm1::Startposition(QSize(1024, 768)), QPoint(1, 1));
    EXPECT_EQ(TForm1::Startposition(QSize(1280, 800)), QPoint(20, 20));
    EXPECT_EQ(TForm1::Startposition(QSize(1280, 1024)), QPoint(50, 49));
}

TEST_F(RahmenTest, PenCursorHasItsTipAsHotSpot)
{
    EXPECT_FALSE(Graphik->StiftCursor.pixmap().isNull());
    EXPECT_EQ(Graphik->StiftCursor.hotSpot(), QPoint(1, 30));
}

TEST_F(RahmenTest, AViewAsWideAsTheIntegerRangeIsLaidOut)
{
    // The widths of such a view do not fit an int; the layout works in wider
    // numbers (the sanitizer build stops on an overflow).
    Graphik->XMin = -2147483647;
    Graphik->XMax = 2147483647;
    Graphik->YMin = -2147483647;
    Graphik->YMax = 2147483647;
    FreieFlaeche(400, 300);
    EXPECT_EQ(Graphik->PaintBox1->size(), QSize(300, 300));
    EXPECT_EQ(Graphik->Shape6->width(), 1);
}
