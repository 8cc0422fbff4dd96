// The x-unit and y-unit windows, the trace parameter window's spin steps,
// and drawing with the units they allow (negative ones mirror an axis).

#include "graph/interaktion_fixture.h"
#include "graph/zeichnen_hilfe.h"

#include "engine/einheiten.h"
#include "engine/funktion.h"
#include "main/einheit_dlg.h"
#include "main/trace_dlg.h"
#include "main/wertetabelle_fenster.h"
#include "platform/felder.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <QTimer>

#include <chrono>

namespace {

class EinheitDlgTest : public InteraktionTest {
protected:
    static QString X(int spalte) { return Form2->Zelle(spalte, 0); }
};

}  // namespace

TEST_F(EinheitDlgTest, TheXUnitIsTypedExactlyAndTheBarsShowTheNearestStep)
{
    struct Fall {
        const char* Text;
        double Einheit;
        int Position;
        const char* ErsteSpalte;  // the value table's first x: -6 units
    };
    const Fall faelle[] = {
        {"0,5", 0.5, 0, "-3"},
        {"0.25", 0.25, -1, "-1,5"},
        {"3", 3.0, 6, "-18"},
        {"pi/2", EinheitPiHalbe, 3, "-3"},  // the table counts in multiples of pi
        {"-2", -2.0, -4, "12"},
    };
    for (const Fall& f : faelle) {
        EinheitXDlg->Edit->setText(QString::fromLatin1(f.Text));
        EXPECT_EQ(Graphik->EinheitX, f.Einheit) << f.Text;
        EXPECT_EQ(Graphik->TrackBar2->value(), f.Position) << f.Text;
        EXPECT_EQ(Form2->TrackBar2->value(), f.Position) << f.Text;
        EXPECT_EQ(Feldfarbe(EinheitXDlg->Edit), clWhite) << f.Text;
        EXPECT_EQ(X(1), QString::fromLatin1(f.ErsteSpalte)) << f.Text;
    }

    // What cannot be a unit colours the field and leaves the unit alone.
    for (const char* text : {"0", "abc", "", "inf", "2e12"}) {
        EinheitXDlg->Edit->setText(QString::fromLatin1(text));
        EXPECT_EQ(Graphik->EinheitX, -2.0) << text;
        EXPECT_EQ(Feldfarbe(EinheitXDlg->Edit), FarbeUngueltig) << text;
    }
    // Moving the bar shows its step in a white field: "Pi" at position 5.
    Graphik->TrackBar2->setValue(5);
    EXPECT_EQ(Graphik->EinheitX, EinheitPi);
    EXPECT_EQ(EinheitXDlg->Edit->text(), QStringLiteral("Pi"));
    EXPECT_EQ(Feldfarbe(EinheitXDlg->Edit), clWhite);
    EXPECT_EQ(Graphik->EinheitX, EinheitPi);

    // While the active flag is cleared, a text only shows.
    EinheitXDlg->Aktiv = false;
    EinheitXDlg->Edit->setText(QStringLiteral("abc"));
    EinheitXDlg->Edit->setText(QStringLiteral("7"));
    EXPECT_EQ(Graphik->EinheitX, EinheitPi);
    EXPECT_EQ(Graphik->TrackBar2->value(), 5);
}

TEST_F(EinheitDlgTest, TheYUnitHasItsOwnStepsAndLeavesTheValueTableAlone)
{
    Form2->StringGrid1->item(0, 1)->setText(QStringLiteral("Marke"));
    struct Fall {
        const char* Text;
        double Einheit;
        int Position;
    };
    for (const Fall& f : {Fall{"2,5", 2.5, 3}, Fall{"1000", 1000.0, 9}, Fall{"1001", 1001.0, 10},
                          Fall{"0.001", 0.001, -4}, Fall{"-3", -3.0, -4}}) {
        EinheitYDlg->Edit->setText(QString::fromLatin1(f.Text));
        EXPECT_EQ(Graphik->EinheitY, f.Einheit) << f.Text;
        EXPECT_EQ(Graphik->TrackBar1->value(), f.Position) << f.Text;
    }
    EXPECT_EQ(X(1), QStringLiteral("Marke"));
    EinheitYDlg->Edit->setText(QStringLiteral("pi"));
    EXPECT_EQ(Feldfarbe(EinheitYDlg->Edit), FarbeUngueltig);
    EXPECT_EQ(Graphik->EinheitY, -3.0);
    // The bar writes its step back into the field.
    Graphik->TrackBar1->setValue(0);
    EXPECT_EQ(EinheitYDlg->Edit->text(), QStringLiteral("0,5"));
    EXPECT_EQ(Feldfarbe(EinheitYDlg->Edit), clWhite);
}

TEST_F(EinheitDlgTest, TheOpenersShowTheUnitInForce)
{
    EinheitXDlg->Edit->setText(QStringLiteral("3"));
    EinheitXDlg->Edit->setText(QStringLiteral("x"));
    Graphik->BitBtn1Click();
    EXPECT_TRUE(EinheitXDlg->isVisible());
    EXPECT_EQ(EinheitXDlg->Edit->text(), QStringLiteral("3"));
    EXPECT_EQ(Feldfarbe(EinheitXDlg->Edit), clWhite);
    Graphik->TrackBar2->setValue(2);
    EinheitXDlg->hide();
    // The value table's button opens the same window.
    Form2->BitBtn1Click();
    EXPECT_TRUE(EinheitXDlg->isVisible());
    EXPECT_EQ(EinheitXDlg->Edit->text(), QStringLiteral("Pi/3"));
    EXPECT_EQ(Graphik->EinheitX, EinheitPiDrittel);

    Graphik->EinheitY = 0.25;
    Graphik->BitBtn2Click();
    EXPECT_TRUE(EinheitYDlg->isVisible());
    EXPECT_EQ(EinheitYDlg->Edit->text(), QStringLiteral("0,25"));
    EXPECT_EQ(EinheitYDlg->x(), EinheitXDlg->x() + EinheitXDlg->width() + 5);
    EinheitYDlg->OKBtn->click();
    EXPECT_FALSE(EinheitYDlg->isVisible());
}

TEST_F(EinheitDlgTest, NegativeUnitsMirrorTheAxesInGraphsDiscsAndTheValueTable)
{
    // f(x) = x; 30 pixels per unit, the origin at (150, 240). With a
    // mirrored axis view x = 1 shows the value at x = -1.
    Form1->Edit1->setText(QStringLiteral("f(x) = x"));
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
    EinheitXDlg->Edit->setText(QStringLiteral("-1"));
    EXPECT_EQ(X(1), QStringLiteral("6"));
    EXPECT_EQ(Form2->Zelle(1, 1), QStringLiteral("6,00"));
}

TEST_F(EinheitDlgTest, TheLargestAndSmallestUnitsDrawEverythingInBoundedTime)
{
    Form1->Edit1->setText(QStringLiteral("f(x) = sin(x)"));
    Funktionen[2]->SetTerm("f(x) = x^2");
    Funktionen[2]->SetLineStyle(LinieScheibenVerbunden);
    Punkte[1].X = "1";
    Punkte[1].Y = "1";
    Punkte[11].X = "0";
    Punkte[11].Y = "0";
    Senkrechte[1].X = "1";
    Flaechen[1].CurveA = 1;
    Flaechen[1].CurveB = 13;
    Beschriftungen[1].Text = "A";
    const auto anfang = std::chrono::steady_clock::now();
    for (const char* x : {"-1e12", "1e12", "1e-300", "-1e-300"}) {
        for (const char* y : {"1e12", "-1e-300"}) {
            EinheitXDlg->Edit->setText(QString::fromLatin1(x));
            EinheitYDlg->Edit->setText(QString::fromLatin1(y));
            ASSERT_EQ(Feldfarbe(EinheitXDlg->Edit), clWhite) << x;
            for (QToolButton* w : {Graphik->PunktButton, Graphik->TangenteButton, Graphik->KreisButton}) {
                Waehle(w);
                Klick(100, 100);
                Klick(200, 150);
            }
        }
    }
    EXPECT_LT(std::chrono::steady_clock::now() - anfang, std::chrono::seconds(20));
}

TEST_F(EinheitDlgTest, SpinStepsAddTheMainWindowsStepWithEitherSeparator)
{
    struct Fall {
        QAction* TForm1::*Sprache;
        const char* Schritt;
        const char* Hoch;
        const char* Runter;
    };
    for (const Fall& f : {Fall{&TForm1::deutsch1, "0,1", "1,1", "0,9"}, Fall{&TForm1::english1, "0.1", "1.1", "0.9"},
                          Fall{&TForm1::deutsch1, "0.1", "1,1", "0,9"}}) {
        (Form1->*f.Sprache)->trigger();
        Form1->Estept->setText(QString::fromLatin1(f.Schritt));
        TraceParam->Edit->setText(QStringLiteral("1"));
        TraceParam->SpinButton1UpClick();
        EXPECT_EQ(TraceParam->Edit->text(), QString::fromLatin1(f.Hoch)) << f.Schritt;
        TraceParam->SpinButton1DownClick();
        TraceParam->SpinButton1DownClick();
        EXPECT_EQ(TraceParam->Edit->text(), QString::fromLatin1(f.Runter)) << f.Schritt;
    }
    Form1->deutsch1->trigger();
    Form1->Estept->setText(QStringLiteral("0,5"));
    TraceParam->Edit->setText(QStringLiteral("1"));
    TraceParam->SpinButton1->Hoch->click();
    TraceParam->SpinButton1->Hoch->click();
    EXPECT_EQ(TraceParam->Edit->text(), QStringLiteral("2"));

    // A step that is not a number changes nothing; a step of 0 keeps t but
    // still draws the preview anew.
    Form1->Estept->setText(QStringLiteral("x"));
    Graphik->LetzteMausX = 7;
    TraceParam->SpinButton1UpClick();
    EXPECT_EQ(TraceParam->Edit->text(), QStringLiteral("2"));
    EXPECT_EQ(Graphik->LetzteMausX, 7);
    Form1->Estept->setText(QStringLiteral("0"));
    TraceParam->SpinButton1UpClick();
    EXPECT_EQ(TraceParam->Edit->text(), QStringLiteral("2"));
    EXPECT_EQ(Graphik->LetzteMausX, -3);
}

TEST_F(EinheitDlgTest, ASpinStepMovesTheTracedPointAtOnce)
{
    Form1->Edit1->setText(QStringLiteral("f(x,t) = t*x"));
    Form1->Estept->setText(QStringLiteral("0,5"));
    Waehle(Graphik->Tracebutton);
    ASSERT_TRUE(TraceParam->isVisible());
    TraceParam->Edit->setText(QStringLiteral("1"));
    Graphik->PaintBox1MouseMove(Graphik->PaintBox1, Qt::NoButton, 180, 100);  // x = 1
    Graphik->AnimatorTimer();
    EXPECT_EQ(Graphik->YText, QStringLiteral("1,000"));
    // The Up key of the graph window steps t while the window is shown.
    Zeiger.Stelle = Graphik->PaintBox1->mapToGlobal(QPoint(180, 100));
    Graphik->FormKeyDown(Qt::Key_Up);
    EXPECT_EQ(TraceParam->Edit->text(), QStringLiteral("1,5"));
    EXPECT_EQ(Graphik->YText, QStringLiteral("1,500"));
    // The field's change redraws and whitens it.
    SetzeFeldfarbe(TraceParam->Edit, FarbeUngueltig);
    TraceParam->Edit->setText(QStringLiteral("2"));
    EXPECT_EQ(Feldfarbe(TraceParam->Edit), clWhite);
}
