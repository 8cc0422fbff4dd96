// The unit windows, the trace parameter's spin steps, and negative units.

#include "graph/interaktion_fixture.h"
#include "graph/zeichnen_hilfe.h"

#include "engine/einheiten.h"
#include "engine/funktion.h"
#include "tools/einheit_dlg.h"
#include "tools/trace_dlg.h"
#include "tools/wertetabelle_fenster.h"
#include "platform/felder.h"

#include <QAction>
#include <QLineEdit>
#include <QSlider>
#include <QTableWidget>
#include <QToolButton>

namespace {

class EinheitDlgTest : public InteraktionTest {
protected:
    static QString X(int spalte) { return Form2->Zelle(spalte, 0); }
};

}  // namespace

TEST_F(EinheitDlgTest, TypedUnitsAreExactTheBarsShowTheNearestStepAndOnlyXRefillsTheTable)
{
    struct Fall {
        TEinheitDlg* Dlg;
        const char* Text;
        double Einheit;
        int Position;
        const char* ErsteSpalte;  // the value table's first x (-6 units), "" untouched
    };
    const Fall faelle[] = {
        {EinheitXDlg, "0,5", 0.5, 0, "-3"},
        {EinheitXDlg, "Pi/3", EinheitPiDrittel, 2, "-2"},  // the table counts in multiples of pi
        {EinheitXDlg, " pi/2", EinheitPiHalbe, 3, "-3"},
        {EinheitXDlg, "-2", -2.0, -4, "12"},
        {EinheitYDlg, "2.5", 2.5, 3, ""},
    };
    for (const Fall& f : faelle) {
        Form2->StringGrid1->item(0, 1)->setText("Marke");
        f.Dlg->Edit->setText(QString::fromLatin1(f.Text));
        const bool x = f.Dlg == EinheitXDlg;
        EXPECT_EQ(x ? Graphik->EinheitX : Graphik->EinheitY, f.Einheit) << f.Text;
        EXPECT_EQ((x ? Graphik->TrackBar2 : Graphik->TrackBar1)->value(), f.Position) << f.Text;
        EXPECT_EQ(X(1), x ? QString::fromLatin1(f.ErsteSpalte) : "Marke") << f.Text;
    }
    EXPECT_EQ(Form2->TrackBar2->value(), -4);

    // What cannot be a unit colours the field and leaves the unit alone.
    for (const char* text : {"0", "-0,0", "abc", "", "inf", "nan", "1e400", "1,0000001e12", "Pi/4"}) {
        EinheitXDlg->Edit->setText(QString::fromLatin1(text));
        EXPECT_EQ(Graphik->EinheitX, -2.0) << text;
        EXPECT_EQ(Feldfarbe(EinheitXDlg->Edit), FarbeUngueltig) << text;
    }
    // The bar and the opener show the unit in force in a white field.
    Graphik->TrackBar2->setValue(5);
    EXPECT_EQ(std::tuple(Graphik->EinheitX, EinheitXDlg->Edit->text(), Feldfarbe(EinheitXDlg->Edit)),
              std::tuple(EinheitPi, "Pi", clWhite));
    EinheitXDlg->Edit->setText("x");
    Form2->BitBtn1Click();
    EXPECT_EQ(std::tuple(EinheitXDlg->isVisible(), EinheitXDlg->Edit->text(), Feldfarbe(EinheitXDlg->Edit)),
              std::tuple(true, "Pi", clWhite));

    // While the active flag is cleared, a text only shows.
    EinheitXDlg->Aktiv = false;
    EinheitXDlg->Edit->setText("7");
    EXPECT_EQ(Graphik->EinheitX, EinheitPi);
}

TEST_F(EinheitDlgTest, NegativeUnitsMirrorTheAxesInGraphsDiscsAndTheValueTable)
{
    // f(x) = x; 30 pixels per unit, the origin at (150, 240). With a
    // mirrored x axis view x = 1 shows the value at x = -1.
    Form1->Edit1->setText("f(x) = x");
    const TColor farbe = Funktionen[1]->GetColor();
    struct Fall {
        const char* EinheitX;
        const char* EinheitY;
        int Zeile;  // where the graph crosses column 180 (view x = 1)
    };
    for (const Fall& f : {Fall{"-1", "1", 270}, Fall{"-1", "-1", 210}, Fall{"1", "-1", 270}}) {
        EinheitXDlg->Edit->setText(QString::fromLatin1(f.EinheitX));
        EinheitYDlg->Edit->setText(QString::fromLatin1(f.EinheitY));
        for (int stil : {LinieMittel, LinieScheiben}) {
            Funktionen[1]->SetLineStyle(stil);
            Graphik->GraphikResize();
            EXPECT_EQ(PixelFarbe(Graphik->Bild, 180, f.Zeile), farbe) << f.EinheitX << f.EinheitY << stil;
            EXPECT_NE(PixelFarbe(Graphik->Bild, 180, 480 - f.Zeile), farbe) << f.EinheitX << f.EinheitY << stil;
        }
    }

    // The extreme units draw the objects and take clicks too.
    Punkte[1].X = Punkte[1].Y = Punkte[11].X = Punkte[11].Y = Senkrechte[1].X = "1";
    std::tie(Flaechen[1].CurveA, Flaechen[1].CurveB) = std::tuple(1, 13);
    for (const char* e : {"-1e12", "1e-300"}) {
        EinheitXDlg->Edit->setText(QString::fromLatin1(e));
        EinheitYDlg->Edit->setText(QString::fromLatin1(e));
        for (QToolButton* w : {Graphik->TangenteButton, Graphik->KreisButton}) {
            Waehle(w);
            Klick(100, 100);
            Klick(200, 150);
        }
    }
}

TEST_F(EinheitDlgTest, SpinStepsAddTheMainWindowsStepWithEitherSeparatorAndMoveThePreview)
{
    struct Fall {
        QAction* TForm1::*Sprache;
        const char* Schritt;
        const char* Hoch;
        const char* Runter;
    };
    for (const Fall& f : {Fall{&TForm1::deutsch1, "0,1", "1,1", "0,9"}, Fall{&TForm1::english1, "0.1", "1.1", "0.9"},
                          Fall{&TForm1::deutsch1, "0.5", "1,5", "0,5"}}) {
        (Form1->*f.Sprache)->trigger();
        Form1->Estept->setText(QString::fromLatin1(f.Schritt));
        TraceParam->Edit->setText("1");
        TraceParam->SpinButton1->Hoch->click();
        EXPECT_EQ(TraceParam->Edit->text(), QString::fromLatin1(f.Hoch)) << f.Schritt;
        TraceParam->SpinButton1->Runter->click();
        TraceParam->SpinButton1DownClick();
        EXPECT_EQ(TraceParam->Edit->text(), QString::fromLatin1(f.Runter)) << f.Schritt;
    }
    // A step that is not a number changes nothing.
    Form1->Estept->setText("x");
    TraceParam->SpinButton1UpClick();
    EXPECT_EQ(TraceParam->Edit->text(), "0,5");

    // The traced point of a family follows t at once; the graph window's Up
    // key steps t while the window is shown, also by a step of 0.
    Form1->Edit1->setText("f(x,t) = t*x");
    Waehle(Graphik->Tracebutton);
    ASSERT_TRUE(TraceParam->isVisible());
    Form1->Estept->setText("0,5");
    TraceParam->Edit->setText("1");
    Graphik->PaintBox1MouseMove(Graphik->PaintBox1, Qt::NoButton, 180, 100);  // x = 1
    Zeiger.Stelle = Graphik->PaintBox1->mapToGlobal(QPoint(180, 100));
    Graphik->FormKeyDown(Qt::Key_Up);
    EXPECT_EQ(std::tuple(TraceParam->Edit->text(), Graphik->YText), std::tuple("1,5", "1,500"));
    Form1->Estept->setText("0");
    Graphik->YText.clear();
    Graphik->FormKeyDown(Qt::Key_Up);
    EXPECT_EQ(std::tuple(TraceParam->Edit->text(), Graphik->YText), std::tuple("1,5", "1,500"));
}
