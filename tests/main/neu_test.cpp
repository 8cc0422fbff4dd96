// New from the main window: besides the drawing (the document tests compare
// it with a fresh start) it resets what no document keeps: the windows that
// are up, the graph window's switches and tool, what the mouse could take
// back, the calculator, and where the keyboard is.

#include "programm_fixture.h"

#include "engine/dokument.h"
#include "main/beispiele.h"

#include "tools/einheit_dlg.h"
#include "tools/kreise_dlg.h"
#include "tools/punkte_dlg.h"
#include "tools/senkrechte_dlg.h"
#include "tools/trace_dlg.h"
#include "tools/wertetabelle_fenster.h"

#include <QSlider>
#include <QTest>

namespace {

using NeuTest = GestartetTest;

TEST_F(NeuTest, NewResetsWhatNoDocumentKeeps)
{
    // A family of function 3, the graph window's switches changed, windows
    // up, a construction under way and history to take back.
    FunktionWaehlen(3);
    Form1->Edit1->setText("f(x,t) = t*x");
    Form1->Ebisx->setText("7");
    Form1->Evont->setText("-3");
    Form1->Ebist->setText("9");
    Form1->Estept->setText("2");
    Form1->ComboBox2->setCurrentIndex(6);
    Graphik->TrackBar3->setValue(0);
    Graphik->CheckBox2->setChecked(true);
    Graphik->SoundBox->setChecked(false);
    Graphik->InteraktivBox->setChecked(false);
    Form1->I6->trigger();  // the line assistant asks
    Graphik->TangentenHistorie = Graphik->PunktHistorie = "1x";
    for (QWidget* w : std::initializer_list<QWidget*>{EinheitXDlg, EinheitYDlg, PunkteDlg, KreiseDlg, SenkrechteDlg, Form2})
        w->show();
    Form2->Edit2->setText("3");
    Form2->Edit3->setText("2");
    SenkrechteDlg->Zeile(1).X->setText("3");
    Form2->move(Form1->frameGeometry().x() + 200, 500);
    Form1->ComboBox1->setFocus();
    Graphik->Edit1->setText("t");
    Graphik->Edit2->setText("s");

    Form1->SpeedButton3->click();

    EXPECT_EQ(std::tuple(Graphik->TrackBar3->value(), Graphik->CheckBox2->isChecked(), Graphik->SoundBox->isChecked(),
                         Graphik->InteraktivBox->isChecked()),
              std::tuple(3, false, true, true));
    EXPECT_EQ(std::tuple(Modus, Graphik->UrsprungButton->isChecked(), AssistentFenster->isVisible()),
              std::tuple(ModusUrsprung, true, false));
    EXPECT_EQ(Graphik->TangentenHistorie + Graphik->PunktHistorie, "");
    EXPECT_EQ(std::tuple(Graphik->Edit1->text(), Graphik->Edit2->text()), std::tuple("x", "y"));
    for (QWidget* w : std::initializer_list<QWidget*>{EinheitXDlg, EinheitYDlg, PunkteDlg, KreiseDlg, SenkrechteDlg, Form2})
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
    EXPECT_EQ(std::tuple(Form2->Edit2->text(), Form2->Edit3->text()), std::tuple("0", "0"));
    // The hidden tool windows show the emptied tables.
    EXPECT_EQ(SenkrechteDlg->Zeile(1).X->text(), "");
    // The graph window's input bar shows function 1 as a function, with
    // the one wide colour button.
    EXPECT_EQ(std::tuple(Graphik->ComboBox3->currentText(), Graphik->Edit3->text(), Graphik->Evonx->text(),
                         Graphik->Evont->isVisible()),
              std::tuple("1.", "f(x) = x^2", Form1->Evonx->text(), false));
    EXPECT_EQ(std::tuple(Form1->Evonx->text(), Form1->Ebisx->text()), std::tuple("-100", "100"));
    EXPECT_EQ(std::tuple(Form1->Evont->text(), Form1->Ebist->text(), Form1->Estept->text()),
              std::tuple(QString::number(F(1).GetTFrom()), QString::number(F(1).GetTTo()), QString::number(F(1).GetTStep())));
    EXPECT_EQ(std::tuple(F(1).GetTFrom(), F(1).GetTTo(), F(1).GetTStep()), std::tuple(TFunktion().GetTFrom(), 5.0, 1.0));
    EXPECT_EQ(Form1->GroupBox2->title(), " " + Txt(141) + " (1.) ");
    EXPECT_EQ(std::tuple(F(1).GetLineStyle(), Form1->ComboBox2->currentIndex()), std::tuple(1, 1));
    EXPECT_EQ(Graphik->SFarbe->width(), 2 * Graphik->SFarbe2->width());
    // Both input bars write in function 1's colours, not function 3's.
    EXPECT_EQ(std::tuple(Schriftfarbe(Form1->Edit1), Schriftfarbe(Form1->SFarbe2), Schriftfarbe(Graphik->Edit3)),
              std::tuple(clRed, clBlue, clRed));
    // The value table stands under the main window again; the keyboard is
    // in the equation.
    EXPECT_EQ(Form2->frameGeometry().x(), Form1->frameGeometry().x());
    EXPECT_EQ(Form1->focusWidget(), static_cast<QWidget*>(Form1->Edit1));    // What is typed now is function 1's; function 3 is empty.
    Form1->Edit1->setText("f(x) = 5");
    FunktionWaehlen(3);
    EXPECT_EQ(std::tuple(Funktionen[1]->GetTerm(), Form1->Edit1->text()), std::tuple("f(x) = 5", "f(x) = "));
}

// The equation New writes may be the one already there: the table and the
// picture still follow the new view.
TEST_F(NeuTest, NewWithTheSameEquationRefillsTheTableAndRedraws)
{
    Form2->show();
    std::tie(Graphik->XMin, Graphik->XMax) = std::tuple(-30, -19);
    Form2->FillValueTable();
    Graphik->GraphikResize();
    ASSERT_NE(Form2->Zelle(1, 0), "-6");
    const QImage vorher = GraphenBild();
    Einstellungen.MitWertetabelle = 1;
    Form1->Neu1->trigger();
    EXPECT_EQ(std::tuple(Form2->Zelle(1, 0), Form2->Zelle(25, 0)), std::tuple("-6", "6"));
    EXPECT_NE(GraphenBild(), vorher);
}

// New, Open and an example leave the same drawing, value table, calculator
// and picture whether or not the editor held their equation already (the
// field's change handler then does not run by itself): the windows follow
// the replaced drawing, not the field.
TEST_F(NeuTest, TheirEquationAlreadyInTheFieldMakesNoDifference)
{
    Einstellungen.MitWertetabelle = 1;
    Frage.Antwort = QMessageBox::Yes;  // the examples' question
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("d.kvd"));
    {
        TDokumentBild bild = Form1->DokumentBild();  // x^2, as started
        std::tie(bild.Kopf.XMin, bild.Kopf.XMax, bild.Kopf.RechnerX) = std::tuple(4, 15, "2");
        const std::vector<std::uint8_t> v = EncodeDokument(bild);
        DateiSchreiben(pfad, QByteArray(reinterpret_cast<const char*>(v.data()), static_cast<qsizetype>(v.size())));
    }
    QAction* beispiel = Form1->findChild<QAction*>(QString::fromLatin1(Beispiele().front().Haupt));
    ASSERT_NE(beispiel, nullptr);

    struct Stand {
        QByteArray Dokument;
        QStringList Tabelle;
        QString Ergebnis, Art;
        QImage Bild;
        bool operator==(const Stand&) const = default;
    };
    auto jetzt = [] {
        Stand s;
        const std::vector<std::uint8_t> v = EncodeDokument(Form1->DokumentBild());
        s.Dokument = QByteArray(reinterpret_cast<const char*>(v.data()), static_cast<qsizetype>(v.size()));
        for (int spalte = 1; spalte <= 25; ++spalte)
            s.Tabelle << Form2->Zelle(spalte, 0) + QLatin1Char('|') + Form2->Zelle(spalte, 1);
        std::tie(s.Ergebnis, s.Art, s.Bild) = std::tuple(Form2->EditErgebnis->text(), Form1->GroupBox1->title(), GraphenBild());
        return s;
    };
    const std::pair<const char*, std::function<void()>> faelle[] = {
        {"New", [] { Form1->SpeedButton3->click(); }},
        {"the graph window's New", [] { Graphik->SpeedButton15->click(); }},
        {"Open", [&] { ASSERT_TRUE(Form1->oeffne(pfad.toStdString())); }},
        {"example", [&] { beispiel->trigger(); }},
    };
    for (const auto& [name, tun] : faelle) {
        SCOPED_TRACE(name);
        Form1->Edit1->setText(QStringLiteral("f(x) = 1"));
        tun();
        const Stand anders = jetzt();
        // Again, over a moved view and another calculator x: the field
        // holds the equation now.
        std::tie(Graphik->XMin, Graphik->XMax) = std::tuple(-30, -19);
        Form2->Edit2->setText(QStringLiteral("3"));
        Form2->FillValueTable();
        Graphik->GraphikResize();
        Form1->Edit1->setCursorPosition(0);
        tun();
        const Stand s = jetzt();
        // The caret stands after the equation, as after typing it.
        EXPECT_EQ(Form1->Edit1->cursorPosition(), Form1->Edit1->text().size());
        EXPECT_TRUE(s.Dokument == anders.Dokument);
        EXPECT_EQ(s.Tabelle, anders.Tabelle);
        EXPECT_EQ(std::tuple(s.Ergebnis, s.Art), std::tuple(anders.Ergebnis, anders.Art));
        EXPECT_TRUE(s.Bild == anders.Bild);
    }
}

// After an example the graph window shows the t step with all its digits
// and the main window with four: New puts the graph window's back too.
TEST_F(NeuTest, NewPutsBackTheGraphWindowsStepWhereTheMainWindowsStaysTheSame)
{
    Funktionen[1]->SetTStep(1.00001);
    Form1->beispiele();
    ASSERT_EQ(std::tuple(Graphik->Estept->text(), Form1->Estept->text()), std::tuple("1,00001", "1"));
    Form1->Neu1->trigger();
    EXPECT_EQ(Graphik->Estept->text(), "1");
}

// New from the menu (also by its hot key in the graph window) puts the graph
// window back beside the main window, also while it is the active window.
TEST_F(NeuTest, NewFromTheMenuPutsTheGraphWindowBesideTheMainWindow)
{
    const QPoint daneben = Graphik->pos();
    Graphik->move(daneben + QPoint(150, 90));
    Graphik->activateWindow();
    if (!QTest::qWaitForWindowActive(Graphik))
        GTEST_SKIP() << "no active window on this platform";
    Form1->Neu1->trigger();
    // (where the frame lies on each side depends on the window manager)
    EXPECT_LE((Graphik->pos() - daneben).manhattanLength(), 12);
}

// New lays the graph window out anew: a minimised one comes back, at its
// place beside the main window.
TEST_F(NeuTest, NewBringsBackAMinimisedGraphWindow)
{
    Graphik->showMinimized();
    Form1->SpeedButton3->click();
    EXPECT_FALSE(Graphik->isMinimized() || Graphik->isMaximized());
    EXPECT_TRUE(Graphik->isVisible());
}

}  // namespace
