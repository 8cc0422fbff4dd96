// Orders of effects that one window relies on when it drives another: the
// overview typing into the editor, a label picked up into the graph window,
// the trace window opened while another window is in front, Open filling the
// value table before the equation, and an example writing the graph
// window's ranges. Each test asserts only what the user sees or what is
// stored, whichever way the windows reach each other.

#include "programm_fixture.h"

#include "engine/dokument.h"
#include "tools/trace_dlg.h"
#include "platform/dateidialog.h"
#include "platform/fensterart.h"
#include "tools/beschriftung_dlg.h"
#include "tools/uebersicht_dlg.h"

#include <QSignalBlocker>
#include <QTemporaryDir>

namespace {

class FensterfolgenTest : public GestartetTest {};

}  // namespace

// A field of row n: function n is selected first (so the text lands in it
// and in no other), then the text goes to the editor, and only then does the
// row take the editor's verdict as its colour.
TEST_F(FensterfolgenTest, TheOverviewSelectsItsRowThenTypesThenTakesTheVerdict)
{
    const TUebersicht_Dlg::TZeile& z4 = Uebersicht_Dlg->Zeile(4);
    if (!Aktivieren(Uebersicht_Dlg))
        GTEST_SKIP() << "no active window on this platform";
    const double xVon1 = F(1).GetXFrom();
    const std::string term1 = F(1).GetTerm();

    z4.XVon->setText(QStringLiteral("a"));
    EXPECT_EQ(std::tuple(FunktionNr, Form1->Evonx->text(), Feldfarbe(z4.XVon)),
              std::tuple(4, QStringLiteral("a"), FarbeUngueltig));
    z4.XVon->setText(QStringLiteral("-3"));
    EXPECT_EQ(std::pair(F(4).GetXFrom(), Feldfarbe(z4.XVon)), std::pair(-3.0, FarbeGueltig));

    z4.Gleichung->setText(QStringLiteral("f(x,t) = t*x"));
    EXPECT_EQ(std::tuple(F(4).GetTerm(), Form1->Edit1->text(), Feldfarbe(z4.Gleichung)),
              std::tuple(std::string("f(x,t) = t*x"), QStringLiteral("f(x,t) = t*x"), FarbeGueltig));
    EXPECT_FALSE(z4.TVon->isHidden() || z4.Zusatzfarbe->isHidden());
    z4.Gleichung->setText(QStringLiteral("f(x) = x^"));
    EXPECT_EQ(Feldfarbe(z4.Gleichung), FarbeUngueltig);
    EXPECT_TRUE(z4.TVon->isHidden());

    // Another row: its own function, the one typed into before untouched.
    Uebersicht_Dlg->Zeile(7).XBis->setText(QStringLiteral("2,5"));
    EXPECT_EQ(std::tuple(FunktionNr, F(7).GetXTo(), F(4).GetXFrom()), std::tuple(7, 2.5, -3.0));
    EXPECT_EQ(std::pair(F(1).GetXFrom(), F(1).GetTerm()), std::pair(xVon1, term1));
}

// The graph window's switch to label mode empties its typing field; the
// label picked up must ride in it afterwards, in its own font.
TEST_F(FensterfolgenTest, APickedUpLabelRidesAfterTheSwitchToLabelMode)
{
    Beschriftungen[2].Text = "Scheitel";
    Beschriftungen[2].Font = TSchrift{"Courier", clGreen, 16, 0, {}};
    BeschriftungDlg->zeigeBeschr();
    BeschriftungDlg->Zeile(2).Verschieben->click();
    EXPECT_EQ(std::tuple(Modus, Graphik->BeschrEdit->text(), Tag(Graphik->BeschrEdit), Schriftfarbe(Graphik->BeschrEdit)),
              std::tuple(ModusBeschriftung, QStringLiteral("Scheitel"), 16, clGreen));
    EXPECT_EQ(BeschriftungDlg->Zeile(2).Text->text(), QStringLiteral("Scheitel"));
}

// The trace window appears when a family is typed while the trace tool is
// on; the window that was in front before it appeared gets the keyboard back,
// and a family that compiled hands the graph window's keyboard to its cursor
// control.
TEST_F(FensterfolgenTest, TheTraceWindowHandsTheKeyboardBackToTheWindowTypedIn)
{
    Graphik->show();
    Graphik->Tracebutton->click();
    ASSERT_FALSE(TraceParam->isVisible());
    if (!Aktivieren(Form1))
        GTEST_SKIP() << "no active window on this platform";
    Form1->Edit1->setFocus();
    Form1->Edit1->setText(QStringLiteral("f(x,t) = t*x"));
    ASSERT_TRUE(TraceParam->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), Form1->Edit1);
    // The family compiled: the graph window's cursor control has its
    // keyboard for when the user goes there.
    EXPECT_EQ(Graphik->focusWidget(), Graphik->CursorBar);
    Form1->Edit1->setText(QStringLiteral("f(x) = x"));
    EXPECT_FALSE(TraceParam->isVisible());

    if (!Aktivieren(Graphik))
        GTEST_SKIP() << "the graph window cannot be made active";
    // A family that does not compile yet: the keyboard stays where it typed.
    Graphik->Edit3->setFocus();
    Graphik->Edit3->setText(QStringLiteral("f(x,a) = a*"));
    ASSERT_TRUE(TraceParam->isVisible());
    EXPECT_EQ(std::pair(QApplication::activeWindow(), QApplication::focusWidget()),
              std::pair(static_cast<QWidget*>(Graphik), static_cast<QWidget*>(Graphik->Edit3)));
    Graphik->Edit3->setText(QStringLiteral("f(x) = x"));
    ASSERT_FALSE(TraceParam->isVisible());
    // One that compiles: the keyboard to the cursor control, arrows step the
    // trace point.
    Graphik->Edit3->setText(QStringLiteral("f(x,a) = a*x"));
    ASSERT_TRUE(TraceParam->isVisible());
    EXPECT_EQ(std::pair(QApplication::activeWindow(), QApplication::focusWidget()),
              std::pair(static_cast<QWidget*>(Graphik), Graphik->CursorBar));
}

// Open fills the value table's x and t before the equation, so the result
// shown is computed for the stored x, whatever result the file carried.
TEST_F(FensterfolgenTest, OpenComputesTheResultForTheStoredXAndT)
{
    struct DateiDialog : TDateiDialog {
        QString Pfad;
        std::optional<QString> Speichern(QWidget*, const QString&, const QString&) override { return Pfad; }
        std::optional<QString> Oeffnen(QWidget*, const QString&, const QString&) override { return Pfad; }
    } dialog;
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    dialog.Pfad = ordner.filePath(QStringLiteral("a.kvd"));

    TDokumentBild bild = Form1->DokumentBild();
    bild.Kopf.Gleichung = "f(x,t) = t*x^2";
    bild.Funktionen[0].Term = "f(x,t) = t*x^2";
    bild.Funktionen[1] = bild.Funktionen[0];
    std::tie(bild.Kopf.RechnerX, bild.Kopf.RechnerT, bild.Kopf.RechnerErgebnis) = std::tuple("3", "2", " 99");
    const std::vector<std::uint8_t> bytes = EncodeDokument(bild);
    DateiSchreiben(dialog.Pfad, QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                           static_cast<qsizetype>(bytes.size())));
    SetDateiDialog(&dialog);
    Form1->SpeedButton7Click();
    SetDateiDialog(nullptr);
    EXPECT_EQ(std::tuple(Form2->Edit2->text(), Form2->Edit3->text(), Form2->EditErgebnis->text()),
              std::tuple(QStringLiteral("3"), QStringLiteral("2"), QStringLiteral(" 18")));
}

// An example started from the graph window, while that window is in front
// (where its range fields hand what they show to the editor): they show
// whole numbers and the step as it is, and the function keeps the example's
// values.
TEST_F(FensterfolgenTest, AnExampleShowsItsRangesInTheGraphWindowAndKeepsItsValues)
{
    Frage.Antwort = QMessageBox::Yes;
    if (!Aktivieren(Graphik))
        GTEST_SKIP() << "no active window on this platform";
    Form1->findChild<QAction*>(QStringLiteral("Kolibri1"))->trigger();
    EXPECT_EQ(std::tuple(Graphik->Evonx->text(), Graphik->Ebisx->text(), Graphik->Evont->text(),
                         Graphik->Ebist->text(), Graphik->Estept->text()),
              std::tuple("-5", "4", "0", "2", "0,03"));
    EXPECT_EQ(std::tuple(F(1).GetXFrom(), F(1).GetXTo(), F(1).GetTFrom(), F(1).GetTTo(), F(1).GetTStep()),
              std::tuple(-5.0, 4.0, 0.0, 2.0, 0.03));
    EXPECT_EQ(std::pair(FunktionNr, Form1->Estept->text()), std::pair(1, QStringLiteral("0,03")));
}

// The graph window's input bar shows what the editor holds: texts, their
// verdicts, the choice of the function as typed, the function's colour, its
// style and the t fields of a family. A range that shows a rounded number
// (an example, with the main window in front) keeps it until the editor's
// own text of that range changes.
TEST_F(FensterfolgenTest, TheGraphWindowsInputBarShowsTheEditor)
{
    Form1->Edit1->setText(QStringLiteral("f(x,t) = t*x"));
    Form1->Evonx->setText(QStringLiteral("a"));
    Form1->Ebisx->setText(QStringLiteral("2,5"));
    F(1).SetLineStyle(5);
    Form1->ComboBox2->setCurrentIndex(5);
    Form1->ComboBox2Change();
    FarbDialog.Antwort = clTeal;
    Form1->BFarbeClick();
    EXPECT_EQ(std::tuple(Graphik->Edit3->text(), Graphik->Evonx->text(), Graphik->Ebisx->text()),
              std::tuple(QStringLiteral("f(x,t) = t*x"), QStringLiteral("a"), QStringLiteral("2,5")));
    EXPECT_EQ(std::tuple(Feldfarbe(Graphik->Evonx), Feldfarbe(Graphik->Ebisx), Feldfarbe(Graphik->Edit3)),
              std::tuple(FarbeUngueltig, FarbeGueltig, FarbeGueltig));
    EXPECT_EQ(std::tuple(Schriftfarbe(Graphik->Edit3), Schriftfarbe(Graphik->Estept), Schriftfarbe(Graphik->SFarbe)),
              std::tuple(clTeal, clTeal, clTeal));
    EXPECT_EQ(Graphik->ComboBox4->currentIndex(), 5);
    EXPECT_FALSE(Graphik->Evont->isHidden() || Graphik->SFarbe2->isHidden());

    Form1->ComboBox1->setEditText(QStringLiteral("x"));
    Form1->ComboBox1Change();
    EXPECT_EQ(std::pair(Graphik->ComboBox3->currentText(), Feldfarbe(Graphik->ComboBox3->lineEdit())),
              std::pair(QStringLiteral("x"), FarbeUngueltig));
    FunktionWaehlen(2);
    EXPECT_EQ(std::tuple(Graphik->ComboBox3->currentText(), Schriftfarbe(Graphik->Edit3), Graphik->Evont->isHidden()),
              std::tuple(QStringLiteral("2."), F(2).GetColor(), true));

    // Rounded as an example shows it, without the editor taking it.
    {
        const QSignalBlocker still(Graphik->Ebisx);
        Graphik->Ebisx->setText(QStringLiteral("3"));
    }
    Form1->Edit1->setText(QStringLiteral("f(x) = x^3"));
    EXPECT_EQ(std::pair(Graphik->Ebisx->text(), Graphik->Edit3->text()),
              std::pair(QStringLiteral("3"), QStringLiteral("f(x) = x^3")));
    Form1->Ebisx->setText(QStringLiteral("4"));
    EXPECT_EQ(Graphik->Ebisx->text(), QStringLiteral("4"));
}
