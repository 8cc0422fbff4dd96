// The main window's function editor, driven through its own controls and
// handlers: kinds, compilation, validity colours, the picture, the ranges,
// the choice of function, colours and the keypad.

#include "programm_fixture.h"

#include "engine/funktion.h"
#include "engine/zahlen.h"
#include "graph/graphik.h"
#include "main/druck_dlg.h"
#include "main/form1.h"
#include "main/trace_dlg.h"
#include "main/wertetabelle_fenster.h"
#include "platform/farbe_qt.h"
#include "platform/fensterart.h"
#include "platform/statusleiste.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

namespace {

// Whether the composed picture has a pixel of colour c within r pixels of
// where the view geometry puts the function point (x, y).
bool KurvenpunktBei(double x, double y, TColor c, int r = 2)
{
    Graphik->BildCanvas->Flush();
    const QImage& bild = Graphik->Bild;
    const double ax = Graphik->BildBreite / double(Graphik->XMax - Graphik->XMin);
    const double ay = Graphik->BildHoehe / double(Graphik->YMax - Graphik->YMin);
    const int px = int(std::lround((x / Graphik->EinheitX - Graphik->XMin) * ax));
    const int py = int(std::lround((Graphik->YMax - y / Graphik->EinheitY) * ay));
    const QColor soll = ToQColor(c);
    for (int dy = -r; dy <= r; ++dy)
        for (int dx = -r; dx <= r; ++dx) {
            const int qx = px + dx, qy = py + dy;
            if (qx < 0 || qy < 0 || qx >= bild.width() || qy >= bild.height())
                continue;
            const QColor ist = bild.pixelColor(qx, qy);
            if (std::abs(ist.red() - soll.red()) < 40 && std::abs(ist.green() - soll.green()) < 40 &&
                std::abs(ist.blue() - soll.blue()) < 40)
                return true;
        }
    return false;
}

class EditorTest : public ProgrammTest {
protected:
    void SetUp() override
    {
        ProgrammTest::SetUp();
        Starten();
        Graphik->resize(585, 565);
        Graphik->GraphikResize();
    }

    void Waehle(int n)
    {
        Form1->ComboBox1->setEditText(QString::number(n) + QLatin1Char('.'));
        Form1->ComboBox1Change();
    }
};

}  // namespace

TEST_F(EditorTest, TypedEquationOrFamilyCompilesColoursAndIsDrawn)
{
    Form1->Edit1->setText(QStringLiteral("f(x) = 0.5*x+1"));
    EXPECT_EQ(Feldfarbe(Form1->Edit1), FarbeGueltig);
    EXPECT_EQ(Form1->Eingabeart, " Funktion ");
    EXPECT_EQ(Funktionen[1]->GetTerm(), "f(x) = 0.5*x+1");
    EXPECT_EQ(Funktionen[1]->GetKind(), " Funktion ");
    EXPECT_TRUE(KurvenpunktBei(2, 2, clRed));
    EXPECT_TRUE(KurvenpunktBei(-4, -1, clRed));
    Graphik->StatusBar1->grab();  // the panels are laid out when painted
    EXPECT_FALSE(KurvenpunktBei(2, 5, clRed));
    // The graph window's input bar and the status bar follow.
    EXPECT_EQ(Graphik->Edit3->text(), Form1->Edit1->text());
    EXPECT_EQ(Feldfarbe(Graphik->Edit3), FarbeGueltig);
    EXPECT_EQ(Graphik->StatusBar1->Panels[1].Text, QStringLiteral("1. f(x) = 0.5*x+1"));
    EXPECT_TRUE(Form1->BitBtn1->isEnabled());

    // A family is drawn at once: members t = 1 and t = 2 in the two colours.
    Form1->Edit1->setText(QStringLiteral("f(x,t) = t*x^2"));
    EXPECT_EQ(Feldfarbe(Form1->Edit1), FarbeGueltig);
    EXPECT_TRUE(KurvenpunktBei(2, 4, clRed) || KurvenpunktBei(2, 4, clBlue));
    EXPECT_TRUE(KurvenpunktBei(1, 2, clRed) || KurvenpunktBei(1, 2, clBlue));
}

TEST_F(EditorTest, InvalidEquationTurnsOrangeAndMendedTurnsGreenAgain)
{
    Waehle(2);
    Form1->Edit1->setText(QStringLiteral("f(x) = 3"));
    Waehle(1);
    Form1->Edit1->setText(QStringLiteral("f(x) = 2x"));
    EXPECT_EQ(Feldfarbe(Form1->Edit1), FarbeUngueltig);
    EXPECT_EQ(Feldfarbe(Graphik->Edit3), FarbeUngueltig);
    EXPECT_FALSE(Funktionen[1]->GetCompiled());
    EXPECT_EQ(Form1->Edit1->text(), QStringLiteral("f(x) = 2x"));  // the field keeps the text as typed
    EXPECT_TRUE(KurvenpunktBei(1, 3, clBlue));                        // the other graph stays
    Graphik->StatusBar1->grab();
    EXPECT_EQ(Graphik->StatusBar1->Panels[1].Width, 0);
    EXPECT_EQ(Graphik->StatusBar1->Panels[1].Text, QStringLiteral(" "));
    EXPECT_TRUE(DruckDlg->CB1->text().endsWith(QStringLiteral(" ?")));

    Form1->Edit1->setText(QStringLiteral("f(x) = 2*x"));
    EXPECT_EQ(Feldfarbe(Form1->Edit1), FarbeGueltig);
    EXPECT_TRUE(KurvenpunktBei(1, 2, clRed));
}

TEST_F(EditorTest, FamilyIsRecognisedByTheFirstCommaBeforeTheFirstBracket)
{
    struct Fall {
        const char* Text;
        bool Schar;
    };
    for (const Fall& f : {Fall{"f(x,t) = t*x^2", true}, Fall{"g(x,a) = a*x", true},
                          Fall{"f(x) = 2,5*(x+1)", false}, Fall{"f(x) = sin(2,5*x)", false},
                          Fall{"f(x) = 1,5", false}, Fall{"", false}}) {
        Form1->Edit1->setText(QString::fromUtf8(f.Text));
        EXPECT_EQ(Form1->Eingabeart, f.Schar ? " Funktionenschar " : " Funktion ") << f.Text;
        EXPECT_EQ(Funktionen[0]->GetKind(), Form1->Eingabeart);
        EXPECT_EQ(!Form1->Evont->isHidden(), f.Schar) << f.Text;
        EXPECT_EQ(!Form1->Bt->isHidden(), f.Schar);
        EXPECT_EQ(!Form1->SFarbe2->isHidden(), f.Schar);
        EXPECT_EQ(!Graphik->Estept->isHidden(), f.Schar);
        EXPECT_EQ(!Form2->Edit3->isHidden(), f.Schar);
        EXPECT_EQ(Form1->GroupBox2->height(), f.Schar ? Form1->Evont->y() + Form1->Evont->height() + 7
                                                      : Form1->Evont->y() + 7);
    }
    EXPECT_FALSE(Form1->BitBtn1->isEnabled());
    EXPECT_FALSE(Form1->BitBtn2->isEnabled());
}

TEST_F(EditorTest, ChoosingAFunctionLoadsItsTermRangesColourAndStyle)
{
    for (int n = 1; n <= 9; ++n) {
        TFunktion* f = Funktionen[static_cast<std::size_t>(n)];
        f->SetTerm("f(x) = x+" + std::to_string(n));
        f->SetXFrom(-n);
        f->SetXTo(10 * n);
        f->SetTFrom(0.5);
        f->SetTTo(n);
        f->SetTStep(0.25);
        f->SetLineStyle(n);
    }
    for (int n = 1; n <= 9; ++n) {
        Waehle(n);
        TFunktion* f = Funktionen[static_cast<std::size_t>(n)];
        EXPECT_EQ(FunktionNr, n);
        EXPECT_EQ(Funktionen[0], f);
        EXPECT_EQ(Form1->Edit1->text().toStdString(), "f(x) = x+" + std::to_string(n));
        EXPECT_EQ(Form1->Evonx->text(), QString::number(-n));
        EXPECT_EQ(Form1->Ebisx->text(), QString::number(10 * n));
        EXPECT_EQ(Form1->Evont->text(), QStringLiteral("0,5"));
        EXPECT_EQ(Form1->Estept->text(), QStringLiteral("0,25"));
        EXPECT_EQ(Schriftfarbe(Form1->Edit1), f->GetColor());
        EXPECT_EQ(Form1->ComboBox2->currentIndex(), n);
        EXPECT_EQ(Graphik->ComboBox4->currentIndex(), n);
        EXPECT_EQ(Graphik->ComboBox3->currentText(), Form1->ComboBox1->currentText());
        EXPECT_EQ(Graphik->Edit3->text(), Form1->Edit1->text());
        EXPECT_EQ(Feldfarbe(Form1->ComboBox1), FarbeGueltig);
        EXPECT_TRUE(Form1->GroupBox2->title().contains(QStringLiteral("(%1.)").arg(n)));
    }
    // A number without its dot selects too; other text keeps the choice.
    Form1->ComboBox1->setEditText(QStringLiteral("7"));
    Form1->ComboBox1Change();
    EXPECT_EQ(FunktionNr, 7);
    Form1->ComboBox1->setEditText(QStringLiteral("x"));
    Form1->ComboBox1Change();
    EXPECT_EQ(FunktionNr, 7);
    EXPECT_EQ(Feldfarbe(Form1->ComboBox1), FarbeUngueltig);
}

TEST_F(EditorTest, TraceWindowFollowsTheKindWhileTracing)
{
    // Outside tracing and tangents a family leaves the window alone.
    Form1->Edit1->setText(QStringLiteral("f(x,t) = t*x"));
    EXPECT_FALSE(TraceParam->isVisible());
    Form1->Edit1->setText(QStringLiteral("f(x) = x"));

    Modus = ModusSpur;
    Form1->Evont->setText(QStringLiteral("2"));
    Form1->Edit1->setText(QStringLiteral("f(x,t) = t*x^2"));
    EXPECT_TRUE(TraceParam->isVisible());
    EXPECT_EQ(TraceParam->Edit->text(), QStringLiteral("2"));
    Form1->Edit1->setText(QStringLiteral("f(x) = x^2"));
    EXPECT_FALSE(TraceParam->isVisible());
    Modus = ModusUrsprung;
}

TEST_F(EditorTest, RangesTakeBothSeparatorsStepMustBePositiveLockedRangesStay)
{
    Form1->Evonx->setText(QStringLiteral("2.5"));
    EXPECT_EQ(Form1->Evonx->text(), QStringLiteral("2,5"));
    EXPECT_DOUBLE_EQ(Funktionen[0]->GetXFrom(), 2.5);
    Form1->Evonx->setText(QStringLiteral("-3,75"));
    EXPECT_DOUBLE_EQ(Funktionen[0]->GetXFrom(), -3.75);
    Form1->Ebisx->setText(QStringLiteral("7.25"));
    EXPECT_DOUBLE_EQ(Funktionen[0]->GetXTo(), 7.25);
    EXPECT_EQ(Tag(Form1->Ebisx), 1);
    EXPECT_EQ(Graphik->Ebisx->text(), QStringLiteral("7,25"));

    Form1->Evont->setText(QStringLiteral("abc"));
    EXPECT_EQ(Feldfarbe(Form1->Evont), FarbeUngueltig);
    EXPECT_EQ(Tag(Form1->Evont), 0);
    EXPECT_DOUBLE_EQ(Funktionen[0]->GetTFrom(), 1.0);
    EXPECT_EQ(Feldfarbe(Graphik->Evont), FarbeUngueltig);

    // With "." as the program's separator a "," is taken as well.
    Texte[9] = ".";
    Form1->Ebist->setText(QStringLiteral("4,5"));
    EXPECT_EQ(Form1->Ebist->text(), QStringLiteral("4.5"));
    EXPECT_DOUBLE_EQ(Funktionen[0]->GetTTo(), 4.5);

    // The step must be positive: 0 is ignored quietly, a negative one is told.
    Form1->Estept->setText(QStringLiteral("0.5"));
    EXPECT_DOUBLE_EQ(Funktionen[0]->GetTStep(), 0.5);
    Form1->Estept->setText(QStringLiteral("0"));
    EXPECT_DOUBLE_EQ(Funktionen[0]->GetTStep(), 0.5);
    EXPECT_TRUE(Meldung.Meldungen.empty());
    Form1->Estept->setText(QStringLiteral("-1"));
    EXPECT_DOUBLE_EQ(Funktionen[0]->GetTStep(), 0.5);
    ASSERT_EQ(Meldung.Meldungen.size(), 1u);
    EXPECT_EQ(Meldung.Meldungen[0], QStringLiteral("Bitte positiven Wert eingeben!"));
    EXPECT_EQ(Feldfarbe(Form1->Estept), FarbeUngueltig);

    // Locked ranges do nothing.
    Form1->BereicheGesperrt = true;
    Form1->Evonx->setText(QStringLiteral("3"));
    EXPECT_DOUBLE_EQ(Funktionen[0]->GetXFrom(), -3.75);
    Form1->BereicheGesperrt = false;
}

TEST_F(EditorTest, CalculatorFieldShowsTheValue)
{
    Form2->Edit2->setText(QStringLiteral("3"));
    Form1->Edit1->setText(QStringLiteral("f(x) = x^2+0,5"));
    EXPECT_EQ(Form2->EditErgebnis->text(), QStringLiteral(" 9,5"));
    EXPECT_TRUE(Form2->windowTitle().contains(QStringLiteral("1.  f(x) = x^2+0,5")));
    Form1->Edit1->setText(QStringLiteral("f(x) = ln(x-5)"));
    EXPECT_EQ(Form2->EditErgebnis->text(), QStringLiteral(" nicht def."));
    // A calculator field that is no number leaves the result empty and the
    // rest of the editor working.
    Form2->Edit2->setText(QStringLiteral("drei"));
    Form1->Edit1->setText(QStringLiteral("f(x) = x"));
    EXPECT_TRUE(Form2->EditErgebnis->text().isEmpty());
    EXPECT_EQ(Graphik->Edit3->text(), QStringLiteral("f(x) = x"));
}

TEST_F(EditorTest, ColourDialogStoresOnlyAConfirmedColourAndLineStyleIsMirrored)
{
    FarbDialog.Antwort = RGB(10, 20, 30);
    Form1->BFarbeClick();
    ASSERT_EQ(FarbDialog.Vorgaben.size(), 1u);
    EXPECT_EQ(FarbDialog.Vorgaben[0], clRed);
    EXPECT_EQ(Funktionen[1]->GetColor(), RGB(10, 20, 30));
    EXPECT_EQ(Schriftfarbe(Form1->Edit1), RGB(10, 20, 30));
    EXPECT_TRUE(KurvenpunktBei(1, 1, RGB(10, 20, 30)));
    FarbDialog.Antwort.reset();
    Form1->BFarbeClick();
    EXPECT_EQ(Funktionen[1]->GetColor(), RGB(10, 20, 30));

    FarbDialog.Antwort = clYellow;
    Form1->SFarbe2Click();
    EXPECT_EQ(Funktionen[1]->GetColor2(), clYellow);
    EXPECT_EQ(Schriftfarbe(Form1->SFarbe2), clYellow);

    // The line style goes to the function and the graph window's mirror.
    Form1->ComboBox2->setCurrentIndex(4);
    Form1->ComboBox2Change();
    EXPECT_EQ(Funktionen[1]->GetLineStyle(), 4);
    EXPECT_EQ(Graphik->ComboBox4->currentIndex(), 4);
}

TEST_F(EditorTest, KeypadInsertsAtTheCaretAndReplacesTheSelection)
{
    Form1->Bfvonxt->click();
    EXPECT_EQ(Form1->Edit1->text(), QStringLiteral("f(x,t) = "));
    EXPECT_EQ(Form1->Eingabeart, " Funktionenschar ");
    Form1->Taste("B2")->click();
    Form1->Taste("BKomma")->click();
    Form1->Taste("B5")->click();
    Form1->Taste("Bmal")->click();
    Form1->Bt->click();
    Form1->Taste("Bmal")->click();
    Form1->Taste("Bsin")->click();
    Form1->Taste("BKlAuf1")->click();
    Form1->Bx->click();
    Form1->Taste("BKlZu1")->click();
    EXPECT_EQ(Form1->Edit1->text(), QStringLiteral("f(x,t) = 2,5*t*sin(x)"));
    EXPECT_EQ(Feldfarbe(Form1->Edit1), FarbeGueltig);

    const int sin = static_cast<int>(Form1->Edit1->text().indexOf(QStringLiteral("sin")));
    Form1->Edit1->setSelection(sin, 3);
    Form1->Taste("Bcos")->click();
    EXPECT_EQ(Form1->Edit1->text(), QStringLiteral("f(x,t) = 2,5*t*cos(x)"));
    EXPECT_EQ(Form1->Edit1->cursorPosition(), sin + 3);
    Form1->Edit1->setCursorPosition(9);
    Form1->Taste("BProzent")->click();
    EXPECT_EQ(Form1->Edit1->text(), QStringLiteral("f(x,t) = /1002,5*t*cos(x)"));
    Form1->Byvonx->click();
    EXPECT_EQ(Form1->Edit1->text(), QStringLiteral("y(x) = "));
    EXPECT_EQ(Form1->Eingabeart, " Funktion ");
    Form1->Taste("BBetrag")->click();
    Form1->Taste("BWurzel")->click();
    Form1->Taste("BQuadrat")->click();
    Form1->Taste("Be")->click();
    EXPECT_EQ(Form1->Edit1->text(), QStringLiteral("y(x) = BetragWurzelQuadratexp(1)"));
}

TEST_F(EditorTest, NothingTypedCrashesOrHangs)
{
    const QString lang(400, QLatin1Char('('));
    const std::vector<QString> eingaben = {
        QString(),
        QStringLiteral("f(x) = "),
        QStringLiteral("f(x,t) = "),
        lang,
        QStringLiteral("f(x) = ") + QString(300, QLatin1Char('x')),
        QStringLiteral("f(x) = 1e999999"),
        QStringLiteral("f(x) = x^999999999"),
        QStringLiteral("f(x) = 1/0"),
        QStringLiteral("f(x) = nan"),
        QStringLiteral("f(x) = ä€\u00ff\u4e2d"),
        QStringLiteral(")))),,,,(((("),
        QStringLiteral("f(x,t,a,b,c,d,e) = t"),
        QStringLiteral("f(x,t) = t*x"),
    };
    const std::vector<QString> bereiche = {QString(),          QStringLiteral("1e308"), QStringLiteral("-1e308"),
                                           QStringLiteral("1e999"), QStringLiteral("nan"), QStringLiteral("inf"),
                                           QStringLiteral("0x10"),  QStringLiteral(",,"),  QStringLiteral("1e-300"),
                                           QStringLiteral("5")};
    for (const QString& e : eingaben) {
        Form1->Edit1->setText(e);
        EXPECT_LE(Form1->Edit1->text().size(), 255);
        for (QLineEdit* feld : {Form1->Evonx, Form1->Ebisx, Form1->Evont, Form1->Ebist, Form1->Estept})
            for (const QString& b : bereiche)
                feld->setText(b);
    }
    EXPECT_TRUE(Meldung.Meldungen.size() >= 1u);  // "-1e308" as a step
    EXPECT_GT(Funktionen[0]->GetTStep(), 0.0);
    EXPECT_TRUE(std::isfinite(Funktionen[0]->GetXFrom()));
}
