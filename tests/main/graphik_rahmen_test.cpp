// The graph window's frame: layout, ruler, status panels, input bar and
// window states as a window manager reports them.

#include "programm_fixture.h"

#include "tools/einheit_dlg.h"
#include "tools/trace_dlg.h"
#include "platform/fensterlage.h"
#include "platform/statusleiste.h"

#include <QFrame>
#include <QGroupBox>
#include <QSlider>
#include <QScreen>

#include <functional>

namespace {

class RahmenTest : public GestartetTest {
protected:
    // Sizes the window so that the free room for the drawing area is w x h.
    static void FreieFlaeche(int w, int h)
    {
        const int m = Graphik->GroupBox1->x();
        const int links = Graphik->InteraktivBox->isChecked() ? 2 * m + Graphik->AktivBox->width() : m;
        const int oben = m + Graphik->GroupBox1->y() + Graphik->GroupBox1->height();
        Graphik->resize(w + m + links, h + oben + m + Graphik->StatusBar1->sizeHint().height());
        Graphik->GraphikResize();
    }
    static QPoint BeimHauptfenster()
    {
        const QRect haupt = Form1->frameGeometry();
        return {haupt.x() + haupt.width() + 2, haupt.y()};
    }
};

}  // namespace

TEST_F(RahmenTest, DrawingAreaKeepsTheViewsAspectCentredAndRecoversFromTooSmall)
{
    FreieFlaeche(400, 300);  // the default view is 11 x 10 units
    EXPECT_EQ(Graphik->PaintBox1->geometry(), QRect(2 * 16 + Graphik->AktivBox->width() + 35, 16 + 8 + 81, 330, 300));
    EXPECT_EQ(std::tuple(Graphik->BildBreite, Graphik->BildHoehe, Graphik->Bild.size()),
              std::tuple(329, 299, QSize(330, 300)));

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
    EXPECT_EQ(Graphik->PaintBox1->geometry(), QRect(16, Graphik->PaintBox1->y(), 330, 300));

    // The widths of a view as wide as the integer range do not fit an int;
    // the layout works in wider numbers (the sanitizer build stops on an
    // overflow).
    std::tie(Graphik->XMin, Graphik->XMax, Graphik->YMin, Graphik->YMax) =
        std::tuple(-2147483647, 2147483647, -2147483647, 2147483647);
    FreieFlaeche(400, 300);
    EXPECT_EQ(Graphik->PaintBox1->size(), QSize(300, 300));
    EXPECT_EQ(Graphik->Shape6->width(), 1);
}

// The unit commands scale the page, double the ruler, recaption and store
// the unit without a message.
TEST_F(RahmenTest, UnitCommandsScaleThePageAndTheRulerAndAreStored)
{
    FreieFlaeche(440, 400);
    const int n = Graphik->PaintBox1->width() / 11 + 1;
    EXPECT_EQ(Graphik->Shape6->geometry().right(), Graphik->PaintBox1->geometry().right());
    struct TFall {
        QAction* Eintrag;
        double Massstab;
        int Lineal;
        const char *Knopf, *Text;
        double Gespeichert;
    };
    for (const TFall& f : {TFall{Form1->Inch, 1.27, 2 * n, "in  ", "1 inch", 2.0}, TFall{Form1->cm, 1.0, n, "cm", "1 cm", 1.0}}) {
        SCOPED_TRACE(f.Text);
        f.Eintrag->trigger();
        EXPECT_TRUE(f.Eintrag->isChecked());
        EXPECT_DOUBLE_EQ(Graphik->Massstab, f.Massstab);
        EXPECT_EQ(Graphik->Shape6->width(), f.Lineal);
        EXPECT_EQ(std::tuple(Graphik->cm1->text(), Graphik->cm2->text(), Graphik->cm3->text()),
                  std::tuple(QString::fromLatin1(f.Knopf), QString::fromLatin1(f.Knopf), QString::fromLatin1(f.Text)));
        EXPECT_EQ(GespeicherteEinstellungen().Einheit, f.Gespeichert);
    }
    EXPECT_TRUE(Meldung.Meldungen.empty());
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
        EXPECT_EQ(std::tuple(Graphik->ComboStrich->currentIndex(), Graphik->ComboStrich->isEnabled()),
                  std::tuple(f.Strich, f.An)) << f.Art;
    }
}

TEST_F(RahmenTest, StatusPanelZeroShowsTheModesEmptyPatternOnRequest)
{
    struct Fall {
        int Modus, Raster;
        bool Tangente;
        const char* Text;
        int Breite;
    };
    for (const Fall& f : {Fall{ModusTangente, 4, true, "B(|)", 115}, Fall{ModusTangente, 4, false, "N(|)", 115},
                          Fall{ModusUrsprung, 0, false, "P(|)", 90}, Fall{ModusPunkte, 0, false, "P(|)", 56},
                          Fall{ModusSenkrechte, 1, false, "P(|)", 73}, Fall{ModusKreisMitte, 3, false, "M(|)", 90},
                          Fall{ModusKreisRadius, 4, false, "R(|)", 107}, Fall{ModusParabelA, 2, false, "S(|)", 73},
                          Fall{ModusParabelFrage, 2, false, "", 73}, Fall{ModusSpur, 1, false, "T(|)", 85},
                          Fall{ModusSpur, 3, false, "T(|)", 100}, Fall{ModusBeschriftung, 4, false, "", 90}}) {
        std::tie(Modus, Graphik->IstTangente) = std::tuple(f.Modus, f.Tangente);
        Graphik->TrackBar3->setValue(f.Raster);
        Graphik->StatusErneuern = true;
        Graphik->BeschrEdit->show();
        Graphik->Statusanzeige();
        EXPECT_EQ(std::tuple(Graphik->StatusBar1->Panels[0].Text, Graphik->StatusBar1->Panels[0].Width),
                  std::tuple(QString::fromLatin1(f.Text), f.Breite)) << f.Modus << " " << f.Raster;
        EXPECT_TRUE(Graphik->BeschrEdit->isHidden() && !Graphik->StatusErneuern);
    }
    // A one-shot request: nothing happens until it is set again.
    Modus = ModusSpur;
    Graphik->Statusanzeige();
    EXPECT_EQ(Graphik->StatusBar1->Panels[0].Text, "");
}

TEST_F(RahmenTest, FunctionPanelsShowCompiledTermsOnly)
{
    Funktionen[2]->SetTerm("f(x) = x^2");
    Funktionen[3]->SetTerm("f(x) = x^");
    const QImage bild = Graphik->StatusBar1->grab().toImage();  // the panels are laid out when painted
    EXPECT_EQ(Graphik->StatusBar1->Panels[2].Text, "2. f(x) = x^2");
    EXPECT_GT(Graphik->StatusBar1->Panels[2].Width, 10);
    EXPECT_EQ(std::tuple(Graphik->StatusBar1->Panels[3].Text, Graphik->StatusBar1->Panels[3].Width),
              std::tuple(" ", 0));
    // The selected function's panel has the light green background.
    const QRect r1 = Graphik->StatusBar1->PanelRect(1);
    EXPECT_EQ(bild.pixelColor(r1.left() + 1, r1.bottom() - 1), QColor(230, 255, 200));
}

TEST_F(RahmenTest, InputBarShowsTheSelectedFunctionAndHandsTheEquationToTheMainWindow)
{
    // The mirror acts only while the graph window is the active window; the
    // offscreen platform activates it on request.
    Graphik->activateWindow();
    QApplication::setActiveWindow(Graphik);
    if (QApplication::activeWindow() != Graphik)
        GTEST_SKIP() << "no active window on this platform";
    Graphik->Edit3->setText("f(x) = 3*x");
    EXPECT_EQ(Form1->Edit1->text(), "f(x) = 3*x");
    EXPECT_EQ(Funktionen[1]->GetTerm(), "f(x) = 3*x");
    Graphik->Evonx->setText("1.5");
    EXPECT_DOUBLE_EQ(Funktionen[1]->GetXFrom(), 1.5);
    EXPECT_EQ(Graphik->Evonx->text(), "1,5");

    // Typing in the middle of a mirrored field: the echo from the main
    // window must leave the caret where the typing goes on.
    Graphik->Edit3->setCursorPosition(7);
    Graphik->Edit3->insert("2*");
    EXPECT_EQ(Funktionen[1]->GetTerm(), "f(x) = 2*3*x");
    EXPECT_EQ(Graphik->Edit3->cursorPosition(), 9);
    EXPECT_TRUE(Graphik->Edit3->isUndoAvailable());
    Graphik->Ebisx->setText("15");
    Graphik->Ebisx->setCursorPosition(0);
    Graphik->Ebisx->insert("-");
    EXPECT_DOUBLE_EQ(Funktionen[1]->GetXTo(), -15.0);
    EXPECT_EQ(Graphik->Ebisx->cursorPosition(), 1);
}

TEST_F(RahmenTest, MovingTheMainWindowTakesTheOthersAlong)
{
    Form1->move(100, 60);
    Form1->AlignForm();
    EXPECT_EQ(Graphik->pos(), BeimHauptfenster());
    // The value table goes below the main window, but stays on the screen.
    // A hidden window is placed by the frame it will have.
    const QRect haupt = Form1->frameGeometry();
    const int unten = QGuiApplication::primaryScreen()->geometry().height() - 30 - Rahmen(Form2).height();
    EXPECT_EQ(Rahmen(Form2).topLeft(), QPoint(haupt.x(), std::min(haupt.y() + haupt.height() + 2, unten)));
    EXPECT_EQ(Form2->width(), Form2->PassendeBreite(haupt.x()));

    // The unit windows side by side under the unit track bar of the axes
    // group, the trace window right-aligned under the coordinate system's.
    QGroupBox* achsen = Graphik->GroupBox1;
    const int links = Graphik->TrackBar1->x() + 24;
    EXPECT_EQ(std::pair(Rahmen(EinheitXDlg).topLeft(), Rahmen(EinheitYDlg).topLeft()),
              std::pair(achsen->mapToGlobal(QPoint(links, achsen->height())),
                        achsen->mapToGlobal(QPoint(links + EinheitXDlg->width() + 5, achsen->height()))));
    QGroupBox* system = Graphik->GroupBox2;
    EXPECT_EQ(Rahmen(TraceParam).topLeft(),
              system->mapToGlobal(QPoint(system->width() - TraceParam->width(), system->height())));

    // In presentation mode the graph window stays where it is.
    Form1->SpeedButton5Click();
    ASSERT_TRUE(Graphik->Praesentation);
    const QPoint da = Graphik->pos();
    Form1->move(30, 40);
    Form1->AlignForm();
    EXPECT_EQ(Graphik->pos(), da);
    Graphik->SpeedButton5Click();
    EXPECT_EQ(Graphik->pos(), BeimHauptfenster());

    EXPECT_EQ(TForm1::Startposition(QSize(1024, 768)), QPoint(1, 1));
    EXPECT_EQ(TForm1::Startposition(QSize(1280, 800)), QPoint(20, 20));
    EXPECT_EQ(TForm1::Startposition(QSize(1280, 1024)), QPoint(50, 49));
}

// Maximising the graph window starts presentation mode over the whole
// screen; the end button, a title-bar double click and minimising end it and
// bring back the size from before, beside the main window.
TEST_F(RahmenTest, MaximisingTheGraphWindowStartsPresentationModeAndEveryWayOutRestoresIt)
{
    Graphik->resize(500, 420);
    // A window manager may hand the window back at the maximised size (a
    // resize also ends the maximised state, so not before the double click).
    const std::tuple<const char*, bool, std::function<void()>> wege[] = {
        {"end button", true, [] { Graphik->SpeedButton5Click(); }},
        {"title-bar double click", false, [] { Graphik->WMNCLButtonDblClk(); }},
        {"minimise", true, [] { Graphik->setWindowState(Qt::WindowMinimized); }},
    };
    for (const auto& [name, bildschirmgross, ende] : wege) {
        SCOPED_TRACE(name);
        Graphik->setWindowState(Qt::WindowMaximized);
        ASSERT_TRUE(Graphik->Praesentation);
        EXPECT_FALSE(Graphik->GroupBox3->isHidden());
        EXPECT_EQ(Graphik->GroupBox1->y(), 40);
        if (bildschirmgross) {
            Graphik->move(0, 0);
            Graphik->resize(QGuiApplication::primaryScreen()->availableGeometry().size());
        }
        ende();
        EXPECT_FALSE(Graphik->Praesentation || Graphik->isMaximized() || Graphik->isMinimized());
        EXPECT_TRUE(Graphik->GroupBox3->isHidden());
        EXPECT_EQ(std::tuple(Graphik->GroupBox1->y(), Graphik->AktivBox->y()), std::tuple(8, 8 + 81 + 13));
        EXPECT_EQ(std::tuple(Graphik->pos(), Graphik->size()), std::tuple(BeimHauptfenster(), QSize(500, 420)));
        EXPECT_TRUE(Form1->isVisible());
    }
}

TEST_F(RahmenTest, TheMainWindowsMaximiseTogglesPresentationMode)
{
    // Window managers offer maximising only to windows that can be resized.
    EXPECT_GT(Form1->maximumWidth(), Form1->minimumWidth());
    // Presentation mode from the tool bar leaves the main window up; its
    // title-bar double click (a maximise under X11) ends it.
    Form1->SpeedButton5Click();
    ASSERT_TRUE(Graphik->Praesentation);
    Form1->setWindowState(Qt::WindowMaximized);
    EXPECT_FALSE(Graphik->Praesentation || Graphik->isMaximized() || Form1->isMaximized());
    // Otherwise maximising starts it, and the main window hides until it ends.
    Form1->setWindowState(Qt::WindowMaximized);
    EXPECT_TRUE(Graphik->Praesentation && Graphik->isMaximized());
    EXPECT_FALSE(Form1->isVisible() || Form1->isMaximized());
    Graphik->setWindowState(Qt::WindowNoState);
    EXPECT_TRUE(Form1->isVisible());
}

// The trace window comes up under the coordinate system's group of the graph
// window, also after the graph window was moved and resized.
TEST_F(RahmenTest, TheTraceWindowComesUpUnderTheMovedGraphWindow)
{
    Graphik->move(Graphik->pos() + QPoint(60, 40));
    Graphik->resize(Graphik->size() + QSize(-150, 120));
    Form1->Edit1->setText("f(x,t) = t*x");
    Form1->I10->trigger();
    ASSERT_TRUE(TraceParam->isVisible());
    QGroupBox* system = Graphik->GroupBox2;
    EXPECT_EQ(Rahmen(TraceParam).topLeft(),
              system->mapToGlobal(QPoint(system->width() - TraceParam->width(), system->height())));
}

// Minimising the main window takes every window down, and back.
TEST_F(RahmenTest, TheWholeProgramMinimisesWithTheMainWindow)
{
    Form1->Wertetabelle1Click();
    Form1->SpeedButton5Click();
    ASSERT_TRUE(Form2->isVisible());
    ASSERT_TRUE(TraceParam->isHidden());
    Form1->setWindowState(Qt::WindowMinimized);
    EXPECT_FALSE(Graphik->isVisible() || Form2->isVisible());
    // A hidden window is reported in its normal state under X11: that is
    // no restore, presentation mode goes on.
    Graphik->setWindowState(Qt::WindowNoState);
    EXPECT_TRUE(Graphik->Praesentation);
    Form1->setWindowState(Qt::WindowNoState);
    EXPECT_TRUE(Graphik->isVisible() && Graphik->isMaximized() && Form2->isVisible());
    EXPECT_TRUE(TraceParam->isHidden());
    // The value table closed meanwhile stays closed after the next round.
    Form2->hide();
    Form1->setWindowState(Qt::WindowMinimized);
    Form1->setWindowState(Qt::WindowNoState);
    EXPECT_TRUE(Graphik->isVisible() && Form2->isHidden());
}
