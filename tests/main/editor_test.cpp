// The main window's function editor, driven through its own controls.

#include "programm_fixture.h"

#include "tools/druck_dlg.h"
#include "tools/trace_dlg.h"
#include "tools/uebersicht_dlg.h"
#include "platform/farbe_qt.h"
#include "platform/fensterart.h"
#include "platform/statusleiste.h"

#include <QElapsedTimer>
#include <QTest>

#include <cmath>

namespace {

// Whether the composed picture has a pixel of colour c within 2 pixels of
// where the view geometry puts the function point (x, y).
bool KurvenpunktBei(double x, double y, TColor c)
{
    Graphik->BildCanvas->Flush();
    const QImage& bild = Graphik->Bild;
    const int px = int(std::lround((x / Graphik->EinheitX - Graphik->XMin) * Graphik->BildBreite /
                                   double(Graphik->XMax - Graphik->XMin)));
    const int py = int(std::lround((Graphik->YMax - y / Graphik->EinheitY) * Graphik->BildHoehe /
                                   double(Graphik->YMax - Graphik->YMin)));
    const QColor soll = ToQColor(c);
    for (int qy = py - 2; qy <= py + 2; ++qy)
        for (int qx = px - 2; qx <= px + 2; ++qx) {
            const QColor ist = bild.valid(qx, qy) ? bild.pixelColor(qx, qy) : QColor(Qt::transparent);
            if (bild.valid(qx, qy) && std::abs(ist.red() - soll.red()) < 40 &&
                std::abs(ist.green() - soll.green()) < 40 && std::abs(ist.blue() - soll.blue()) < 40)
                return true;
        }
    return false;
}

class EditorTest : public GestartetTest {
protected:
    void SetUp() override
    {
        GestartetTest::SetUp();
        Graphik->resize(585, 565);
        Graphik->GraphikResize();
    }
};

}  // namespace

TEST_F(EditorTest, TypedEquationCompilesColoursAndIsDrawnAndAFaultyOneLeavesTheOthers)
{
    FunktionWaehlen(2);
    Form1->Edit1->setText("f(x) = 3");
    FunktionWaehlen(1);
    Form1->Edit1->setText("f(x) = 0.5*x+1");
    EXPECT_EQ(Feldfarbe(Form1->Edit1), FarbeGueltig);
    EXPECT_EQ(Funktionen[1]->GetTerm(), "f(x) = 0.5*x+1");
    EXPECT_TRUE(KurvenpunktBei(2, 2, clRed));
    EXPECT_FALSE(KurvenpunktBei(2, 5, clRed));

    Form1->Edit1->setText("f(x) = 2x");
    EXPECT_EQ(std::tuple(Feldfarbe(Form1->Edit1), Feldfarbe(Graphik->Edit3)), std::tuple(FarbeUngueltig, FarbeUngueltig));
    EXPECT_FALSE(Funktionen[1]->GetCompiled());
    EXPECT_EQ(Form1->Edit1->text(), "f(x) = 2x");  // the field keeps the text as typed
    EXPECT_TRUE(KurvenpunktBei(1, 3, clBlue));  // the other graph stays

    // A family is drawn at once: members t = 1 and t = 2 in the two colours.
    Form1->Edit1->setText("f(x,t) = t*x^2");
    EXPECT_EQ(Feldfarbe(Form1->Edit1), FarbeGueltig);
    EXPECT_TRUE(KurvenpunktBei(2, 4, clRed) || KurvenpunktBei(2, 4, clBlue));
    EXPECT_TRUE(KurvenpunktBei(1, 2, clRed) || KurvenpunktBei(1, 2, clBlue));
}

TEST_F(EditorTest, FamilyIsRecognisedByTheFirstCommaBeforeTheFirstBracket)
{
    const std::pair<const char*, bool> faelle[] = {{"f(x,t) = t*x^2", true}, {"f(x) = sin(2,5*x)", false}, {"", false}};
    for (const auto& [text, schar] : faelle) {
        Form1->Edit1->setText(QString::fromUtf8(text));
        EXPECT_EQ(Funktionen[0]->GetKind(), schar ? " Funktionenschar " : " Funktion ") << text;
        // The t fields of all three windows show only for a family.
        for (QWidget* w : std::initializer_list<QWidget*>{Form1->Evont, Form1->Bt, Form1->SFarbe2, Graphik->Estept,
                                                          Form2->Edit3})
            EXPECT_EQ(!w->isHidden(), schar) << text << " " << w->objectName().toStdString();
    }
    EXPECT_FALSE(Form1->BitBtn1->isEnabled());
}

TEST_F(EditorTest, ChoosingAFunctionLoadsItsTermRangesColourAndStyle)
{
    // The list offers the nine functions, no more.
    QStringList angebot;
    for (int i = 0; i < Form1->ComboBox1->count(); ++i)
        angebot << Form1->ComboBox1->itemText(i);
    EXPECT_EQ(angebot.join(QLatin1Char(' ')), QStringLiteral("1. 2. 3. 4. 5. 6. 7. 8. 9."));
    for (int n = 1; n <= 9; ++n) {
        TFunktion* f = Funktionen[static_cast<std::size_t>(n)];
        f->SetTerm("f(x) = x+" + std::to_string(n));
        f->SetXFrom(-n);
        f->SetTStep(0.25 * n);
        f->SetLineStyle(n % 9);  // (function 9 the first style)
    }
    for (int n = 1; n <= 9; ++n) {
        FunktionWaehlen(n);
        TFunktion* f = Funktionen[static_cast<std::size_t>(n)];
        EXPECT_EQ(std::tuple(FunktionNr, Funktionen[0]), std::tuple(n, f));
        EXPECT_EQ(Form1->Edit1->text().toStdString(), "f(x) = x+" + std::to_string(n));
        EXPECT_EQ(Form1->Evonx->text(), QString::number(-n));
        EXPECT_EQ(Form1->Estept->text(), QString::number(0.25 * n).replace(QLatin1Char('.'), QLatin1Char(',')));
        EXPECT_EQ(Schriftfarbe(Form1->Edit1), f->GetColor());
        EXPECT_EQ(std::tuple(Form1->ComboBox2->currentIndex(), Graphik->ComboBox4->currentIndex()), std::tuple(n % 9, n % 9));
        EXPECT_EQ(Graphik->ComboBox3->currentText(), Form1->ComboBox1->currentText());
    }
    // A number without its dot selects too; other text keeps the choice
    // and turns the list orange until a valid choice makes it green again.
    for (const auto& [text, farbe] : {std::pair("7", FarbeGueltig), std::pair("x", FarbeUngueltig)}) {
        Form1->ComboBox1->setEditText(QString::fromLatin1(text));
        Form1->ComboBox1Change();
        EXPECT_EQ(std::pair(FunktionNr, Feldfarbe(Form1->ComboBox1)), std::pair(7, farbe)) << text;
    }
}

TEST_F(EditorTest, TraceWindowFollowsTheKindWhileTracing)
{
    // Outside tracing and tangents a family leaves the window alone.
    Form1->Edit1->setText("f(x,t) = t*x");
    EXPECT_FALSE(TraceParam->isVisible());
    Form1->Edit1->setText("f(x) = x");

    Modus = ModusSpur;
    Form1->Evont->setText("2");
    Form1->Edit1->setText("f(x,t) = t*x^2");
    EXPECT_TRUE(TraceParam->isVisible());
    EXPECT_EQ(TraceParam->Edit->text(), "2");
    Form1->Edit1->setText("f(x) = x^2");
    EXPECT_FALSE(TraceParam->isVisible());
    Modus = ModusUrsprung;
}

// The trace window comes up for a family typed in the main window; the
// keyboard stays in the equation, and an open overview is not brought
// forward (only when it was the active window does it become so again).
TEST_F(EditorTest, TheTraceWindowLeavesTheOverviewBehind)
{
    Uebersicht_Dlg->show();
    Form1->activateWindow();
    if (!QTest::qWaitForWindowActive(Form1))
        GTEST_SKIP() << "no active window on this platform";
    Modus = ModusSpur;
    // (Even when the keyboard was elsewhere in the window, as in the
    // function list when a family is chosen.)
    Form1->ComboBox1->setFocus();
    Form1->Edit1->setText("f(x,t) = t*x^2");
    QCoreApplication::processEvents();
    EXPECT_TRUE(TraceParam->isVisible());
    EXPECT_NE(QApplication::activeWindow(), Uebersicht_Dlg);
    EXPECT_EQ(Form1->focusWidget(), Form1->Edit1);
    Modus = ModusUrsprung;
}

// A family typed in the graph window's input bar brings the trace window up
// without moving the main window's keyboard to its equation.
TEST_F(EditorTest, TheTraceWindowLeavesTheMainWindowsFocusAloneFromTheGraphWindow)
{
    Form1->show();
    Form1->ComboBox1->setFocus();
    Graphik->show();
    Graphik->activateWindow();
    if (!QTest::qWaitForWindowActive(Graphik))
        GTEST_SKIP() << "no active window on this platform";
    Modus = ModusSpur;
    Graphik->Edit3->setText("f(x,t) = t*x^2");
    QCoreApplication::processEvents();
    EXPECT_TRUE(TraceParam->isVisible());
    EXPECT_EQ(Form1->focusWidget(), static_cast<QWidget*>(Form1->ComboBox1));
    Modus = ModusUrsprung;
}

TEST_F(EditorTest, RangesTakeBothSeparatorsStepMustBePositiveLockedRangesStay)
{
    // Typed with either separator (also first), shown with the program's.
    struct Fall {
        QLineEdit* Feld;
        const char *Trenner, *Getippt, *Gezeigt;
        double (TFunktion::*Wert)() const;
        double Soll;
    };
    for (const Fall& f : {Fall{Form1->Evonx, ",", "2.5", "2,5", &TFunktion::GetXFrom, 2.5},
                          Fall{Form1->Ebisx, ",", "-3,75", "-3,75", &TFunktion::GetXTo, -3.75},
                          Fall{Form1->Ebist, ".", "4,5", "4.5", &TFunktion::GetTTo, 4.5},
                          Fall{Form1->Evont, ".", ",5", ".5", &TFunktion::GetTFrom, 0.5}}) {
        Texte[9] = f.Trenner;
        f.Feld->setText(QString::fromLatin1(f.Getippt));
        EXPECT_EQ(f.Feld->text(), QString::fromLatin1(f.Gezeigt)) << f.Getippt;
        EXPECT_DOUBLE_EQ((Funktionen[0]->*f.Wert)(), f.Soll) << f.Getippt;
        EXPECT_EQ(Feldfarbe(f.Feld), FarbeGueltig) << f.Getippt;
    }
    EXPECT_EQ(Graphik->Ebisx->text(), "-3,75");
    Texte[9] = ",";

    Form1->Evont->setText("abc");
    EXPECT_EQ(Feldfarbe(Form1->Evont), FarbeUngueltig);
    EXPECT_DOUBLE_EQ(Funktionen[0]->GetTFrom(), 0.5);
    EXPECT_EQ(Feldfarbe(Graphik->Evont), FarbeUngueltig);

    // The step must be positive: 0 is ignored quietly, a negative one is
    // told; neither is stored nor colours the field, whose step stays in
    // force. Text that is no number is orange as in every range field.
    Form1->Estept->setText("0,5");
    for (const char* schritt : {"0", "-1"}) {
        Form1->Estept->setText(QString::fromLatin1(schritt));
        EXPECT_DOUBLE_EQ(Funktionen[0]->GetTStep(), 0.5);
        EXPECT_EQ(Feldfarbe(Form1->Estept), FarbeGueltig) << schritt;
    }
    EXPECT_EQ(Meldung.Meldungen, std::vector<QString>{Txt(156)});
    Form1->Estept->setText("x");
    EXPECT_EQ(Feldfarbe(Form1->Estept), FarbeUngueltig);
    Form1->Estept->setText("0");
    EXPECT_EQ(Feldfarbe(Form1->Estept), FarbeUngueltig);

    Form1->BereicheGesperrt = true;
    Form1->Evonx->setText("3");
    EXPECT_DOUBLE_EQ(Funktionen[0]->GetXFrom(), 2.5);
    Form1->BereicheGesperrt = false;
}

TEST_F(EditorTest, ColourDialogStoresOnlyAConfirmedColourAndLineStyleIsMirrored)
{
    FarbDialog.Antwort = RGB(10, 20, 30);
    Form1->BFarbeClick();
    EXPECT_EQ(FarbDialog.Vorgaben, std::vector<TColor>{clRed});
    EXPECT_EQ(std::tuple(Funktionen[1]->GetColor(), Schriftfarbe(Form1->Edit1)),
              std::tuple(RGB(10, 20, 30), RGB(10, 20, 30)));
    EXPECT_TRUE(KurvenpunktBei(1, 1, RGB(10, 20, 30)));
    FarbDialog.Antwort.reset();
    Form1->BFarbeClick();
    EXPECT_EQ(Funktionen[1]->GetColor(), RGB(10, 20, 30));

    FarbDialog.Antwort = clYellow;
    Form1->Edit1->setCursorPosition(0);
    Form1->SFarbe2Click();
    EXPECT_EQ(std::tuple(Funktionen[1]->GetColor2(), Schriftfarbe(Form1->SFarbe2)), std::tuple(clYellow, clYellow));
    // Typing goes on at the end of the equation.
    EXPECT_EQ(Form1->Edit1->cursorPosition(), Form1->Edit1->text().size());

    Form1->ComboBox2->setCurrentIndex(4);
    Form1->ComboBox2Change();
    EXPECT_EQ(std::tuple(Funktionen[1]->GetLineStyle(), Graphik->ComboBox4->currentIndex()), std::tuple(4, 4));
}

// Shown again, the main window has the keyboard in its equation, at its end.
TEST_F(EditorTest, ShowingTheWindowPutsTheCaretAtTheEndOfTheEquation)
{
    Form1->hide();
    Form1->ComboBox1->setFocus();
    Form1->Edit1->setCursorPosition(0);
    Form1->show();
    EXPECT_EQ(Form1->focusWidget(), static_cast<QWidget*>(Form1->Edit1));
    EXPECT_EQ(Form1->Edit1->cursorPosition(), Form1->Edit1->text().size());
}

TEST_F(EditorTest, KeypadInsertsAtTheCaretReplacesTheSelectionAndWritesTheSeparator)
{
    auto tippe = [](std::initializer_list<const char*> tasten) {
        for (const char* t : tasten)
            Form1->Taste(t)->click();
    };
    Form1->Bfvonxt->click();
    EXPECT_EQ(Funktionen[0]->GetKind(), " Funktionenschar ");
    tippe({"B2", "BKomma", "B5", "Bmal"});
    Form1->Bt->click();
    tippe({"Bmal", "Bsin", "BKlAuf1"});
    Form1->Bx->click();
    tippe({"BKlZu1"});
    EXPECT_EQ(Form1->Edit1->text(), "f(x,t) = 2,5*t*sin(x)");
    EXPECT_EQ(Feldfarbe(Form1->Edit1), FarbeGueltig);

    const int sin = static_cast<int>(Form1->Edit1->text().indexOf("sin"));
    Form1->Edit1->setSelection(sin, 3);
    tippe({"Bcos"});
    EXPECT_EQ(Form1->Edit1->text(), "f(x,t) = 2,5*t*cos(x)");
    EXPECT_EQ(Form1->Edit1->cursorPosition(), sin + 3);
    Form1->Edit1->setCursorPosition(9);
    tippe({"BProzent"});
    EXPECT_EQ(Form1->Edit1->text(), "f(x,t) = /1002,5*t*cos(x)");
    Form1->Byvonx->click();
    EXPECT_EQ(Funktionen[0]->GetKind(), " Funktion ");
}

TEST_F(EditorTest, NothingTypedCrashesOrHangs)
{
    const QString eingaben[] = {
        QString(), "f(x,t) = ", QString(400, QLatin1Char('(')),
        QStringLiteral("f(x) = ") + QString(300, QLatin1Char('x')), "f(x) = 1e999999",
        "f(x) = x^999999999", "f(x) = 1/0", "f(x) = nan",
        "f(x) = ä€\u00ff\u4e2d", ")))),,,,((((", "f(x,t,a,b,c,d,e) = t",
        "f(x,t) = t*x"};
    const QString bereiche[] = {QString(), "1e308", "-1e308", "1e999",
                                "nan", "inf", "0x10", ",,",
                                "1e-300", "5"};
    for (const QString& e : eingaben) {
        Form1->Edit1->setText(e);
        EXPECT_LE(Form1->Edit1->text().size(), 255);
        for (QLineEdit* feld : {Form1->Evonx, Form1->Ebisx, Form1->Evont, Form1->Ebist, Form1->Estept})
            for (const QString& b : bereiche)
                feld->setText(b);
    }
    EXPECT_GE(Meldung.Meldungen.size(), 1u);  // "-1e308" as a step
    EXPECT_GT(Funktionen[0]->GetTStep(), 0.0);
    EXPECT_TRUE(std::isfinite(Funktionen[0]->GetXFrom()));
}

// Nine families with a tiny t step, typed one after the other: every redraw
// on the way stays within the picture's budget (a cheap term keeps the test
// short; the budget counts evaluations whatever the term), and the status
// bar says that not all members are drawn until a new document.
TEST_F(EditorTest, TypedTinyStepFamiliesRedrawSoonAndSaySo)
{
    for (int n = 1; n <= 9; ++n) {
        FunktionWaehlen(n);
        Form1->Edit1->setText("f(x,t)=t*x/5");
        Form1->Evont->setText("1");
        Form1->Ebist->setText("5");
    }
    ASSERT_EQ(Graphik->StatusBar1->Panels[10].Width, 0);
    QElapsedTimer uhr;  // without the budget the steps below take minutes
    uhr.start();
    for (int n = 1; n <= 9; ++n) {
        FunktionWaehlen(n);
        Form1->Estept->setText("0,000001");
    }
    EXPECT_LT(uhr.elapsed(), 30000);
    EXPECT_EQ(Graphik->StatusBar1->Panels[10].Text, Txt(TGraphik::ZeileNichtAlleMitglieder));
    EXPECT_GT(Graphik->StatusBar1->Panels[10].Width, 0);

    // Nine families fill the bar past its end: the note stands whole at
    // the right end over them, at the window's width and at a smaller one,
    // and a click on it chooses no function.
    TStatusBar* bar = Graphik->StatusBar1;
    QFont fett = Graphik->font();
    fett.setBold(true);
    const int text = QFontMetrics(fett).horizontalAdvance(bar->Panels[10].Text);
    for (int breite : {Graphik->width(), 420}) {
        Graphik->resize(breite, Graphik->height());
        SCOPED_TRACE(bar->width());
        const QRect notiz = bar->PanelRect(10);
        EXPECT_TRUE(bar->rect().contains(notiz));
        EXPECT_GE(notiz.width(), text);
        for (int n = 0; n <= 9; ++n)
            EXPECT_FALSE(bar->PanelRect(n).intersects(notiz)) << n;
        FunktionWaehlen(2);
        Graphik->StatusBar1MouseDown(notiz.center().x());
        EXPECT_EQ(FunktionNr, 2);
    }
    Form1->SpeedButton3Click();
    EXPECT_EQ(std::tuple(Graphik->StatusBar1->Panels[10].Text, Graphik->StatusBar1->Panels[10].Width), std::tuple("", 0));
}
