// Every control of the main window is connected: each tool bar button, each
// button of the input bar, each key of the keypad and each menu item is
// pressed as a user presses it, and its effect is seen in the records, the
// shared state, another window or the picture.

#include "druck_fakes.h"

#include "platform/dateidialog.h"
#include "main/info_dlg.h"
#include "tools/einheit_dlg.h"
#include "main/einstell_dlg.h"
#include "main/hotkey_dlg.h"
#include "main/tasten_dlg.h"
#include "tools/trace_dlg.h"
#include "tools/beschriftung_dlg.h"
#include "tools/flaechen_dlg.h"
#include "tools/kreise_dlg.h"
#include "tools/punkte_dlg.h"
#include "tools/senkrechte_dlg.h"
#include "tools/uebersicht_dlg.h"

#include <QTest>

#include <functional>

namespace {

struct FakeDokumentDialog : TDateiDialog {
    std::optional<QString> Antwort;
    int Gespeichert = 0, Geoeffnet = 0;
    std::optional<QString> Speichern(QWidget*, const QString&, const QString&) override { return ++Gespeichert, Antwort; }
    std::optional<QString> Oeffnen(QWidget*, const QString&, const QString&) override { return ++Geoeffnet, Antwort; }
};

class Hauptfenster : public DruckTest {
protected:
    FakeDokumentDialog Dateien;

    void SetUp() override
    {
        DruckTest::SetUp();
        SetDateiDialog(&Dateien);
        Modal.Antwort = [](QDialog&) {};  // every modal dialog closes unanswered
    }
    void TearDown() override
    {
        SetDateiDialog(nullptr);
        DruckTest::TearDown();
    }

    // One control, what stands before it is pressed, and what it did.
    struct TFall {
        std::string Name;
        std::function<void()> Vorher;
        std::function<void()> Druecken;
        std::function<bool()> Wirkung;
    };
    static void Pruefen(const std::vector<TFall>& faelle)
    {
        for (const TFall& f : faelle) {
            if (f.Vorher)
                f.Vorher();
            f.Druecken();
            EXPECT_TRUE(f.Wirkung()) << f.Name;
        }
    }
    static TFall Knopf(const char* name, QAbstractButton* knopf, std::function<void()> vorher,
                       std::function<bool()> wirkung)
    {
        return {name, std::move(vorher), [knopf] { knopf->click(); }, std::move(wirkung)};
    }
    static TFall Eintrag(QAction* a, std::function<void()> vorher, std::function<bool()> wirkung)
    {
        return {a->objectName().toStdString(), std::move(vorher), [a] { a->trigger(); }, std::move(wirkung)};
    }
    // A tool window toggle: the first press shows the window, the second
    // closes it.
    static std::vector<TFall> Umschalter(const std::string& name, const std::function<void()>& druecken, QWidget* w)
    {
        return {{name + " shows", [w] { w->hide(); }, druecken, [w] { return w->isVisible(); }},
                {name + " closes", nullptr, druecken, [w] { return !w->isVisible(); }}};
    }
    static bool Offen(QMenu* m)
    {
        const bool offen = m->isVisible();
        m->hide();
        return offen;
    }
    bool ZuletztModal(QDialog* d) const { return !Modal.Gezeigt.empty() && Modal.Gezeigt.back() == d; }
};

TEST_F(Hauptfenster, EveryToolBarAndInputBarButtonIsConnected)
{
    std::vector<TFall> faelle = {
        Knopf("Datei", Form1->SpeedButton14, nullptr, [] { return Offen(Graphik->PopupMenu1); }),
        Knopf("Neu", Form1->SpeedButton3,
              [] {
                  Form1->Edit1->setText("f(x) = 5");
                  Graphik->XMin = -20;
              },
              [] { return Funktionen[1]->GetTerm() == "f(x) = x^2" && Graphik->XMin == -5; }),
        Knopf("Beispiele", Form1->SpeedButton16, nullptr, [] { return Offen(Form1->PopupMenu2); }),
        Knopf("Drucken", Form1->SpeedButton1, nullptr, [this] { return ZuletztModal(DruckDlg); }),
        Knopf("Kopieren", Form1->SpeedButton2, nullptr, [this] { return ZuletztModal(KopierDlg); }),
        Knopf("Bibliothek", Form1->SitBtn3, nullptr, [] { return Offen(Form1->PopupMenu1); }),
        Knopf("Farbe", Form1->SFarbe, [this] { FarbDialog.Antwort = clYellow; },
              [] { return Funktionen[1]->GetColor() == clYellow; }),
        Knopf("Farbe 2", Form1->SFarbe2, [this] { FarbDialog.Antwort = clTeal; },
              [] { return Funktionen[1]->GetColor2() == clTeal && Funktionen[1]->GetColor() == clYellow; }),
        // The keyboard goes back to the equation.
        Knopf("<-", Form1->BitBtn1,
              [] {
                  Form1->Edit1->setText("f(x) = x^2");
                  Form1->ComboBox1->setFocus();
              },
              [] {
                  return Form1->Edit1->text() == "f(x) = x^" && !Funktionen[1]->GetCompiled() &&
                         Form1->focusWidget() == Form1->Edit1;
              }),
        Knopf("C", Form1->BitBtn2, nullptr, [] { return Funktionen[1]->GetTerm().empty(); }),
    };
    for (auto [name, knopf, fenster] :
         {std::tuple("Übersicht", Form1->SpeedButton13, static_cast<QWidget*>(Uebersicht_Dlg)),
          std::tuple("Beschriftung", Form1->SpeedButton12, static_cast<QWidget*>(BeschriftungDlg)),
          std::tuple("Senkrechte", Form1->SpeedButton11, static_cast<QWidget*>(SenkrechteDlg)),
          std::tuple("Punkte", Form1->SpeedButton10, static_cast<QWidget*>(PunkteDlg)),
          std::tuple("Kreise", Form1->SpeedButton8, static_cast<QWidget*>(KreiseDlg)),
          std::tuple("Flächen", Form1->SpeedButton9, static_cast<QWidget*>(FlaechenDlg))}) {
        for (TFall& f : Umschalter(name, [knopf] { knopf->click(); }, fenster))
            faelle.push_back(std::move(f));
    }
    faelle.push_back(Knopf("Wertetabelle", Form1->SpeedButton4, [] { Form2->hide(); },
                           [] { return Form2->isVisible() && Form1->Wertetabelle1->isChecked(); }));
    faelle.push_back(Knopf("Wertetabelle again", Form1->SpeedButton4, nullptr,
                           [] { return !Form2->isVisible() && !Form1->Wertetabelle1->isChecked(); }));
    faelle.push_back(Knopf("Präsentation", Form1->SpeedButton5, nullptr,
                           [] { return Graphik->Praesentation && !Graphik->CoolBar2->isHidden(); }));
    Pruefen(faelle);
    Graphik->SpeedButton5Click();
}

// The labels window's first field takes the keyboard when the button opens it.
TEST_F(Hauptfenster, TheLabelsButtonHandsTheKeyboardToTheLabelsWindow)
{
    Form1->SpeedButton12->click();
    EXPECT_EQ(BeschriftungDlg->focusWidget(), static_cast<QWidget*>(BeschriftungDlg->Edit1));
}

// The function list takes a choice from its list and a number typed into it;
// the style list and the five range fields write the selected function.
TEST_F(Hauptfenster, ListsAndRangeFieldsWriteTheSelectedFunction)
{
    // The style list starts at the first function's style.
    EXPECT_EQ(Form1->ComboBox2->currentIndex(), Funktionen[1]->GetLineStyle());
    Form1->ComboBox1->setCurrentIndex(2);
    emit Form1->ComboBox1->activated(2);
    EXPECT_EQ(FunktionNr, 3);
    // The colour buttons write in the chosen function's two colours.
    EXPECT_EQ(std::tuple(Schriftfarbe(Form1->SFarbe), Schriftfarbe(Form1->SFarbe2)),
              std::tuple(Funktionen[3]->GetColor(), Funktionen[3]->GetColor2()));
    QTest::keyClick(Form1->ComboBox1->lineEdit(), Qt::Key_Backspace);
    QTest::keyClick(Form1->ComboBox1->lineEdit(), Qt::Key_Backspace);
    QTest::keyClicks(Form1->ComboBox1->lineEdit(), "7");
    EXPECT_EQ(FunktionNr, 7);

    Form1->ComboBox2->setCurrentIndex(4);
    emit Form1->ComboBox2->activated(4);
    EXPECT_EQ(std::tuple(Funktionen[7]->GetLineStyle(), Graphik->ComboBox4->currentIndex()), std::tuple(4, 4));

    struct TFeld {
        QLineEdit* Feld;
        double (TFunktion::*Wert)() const;
    };
    for (auto [feld, wert] : {TFeld{Form1->Evonx, &TFunktion::GetXFrom}, TFeld{Form1->Ebisx, &TFunktion::GetXTo},
                              TFeld{Form1->Evont, &TFunktion::GetTFrom}, TFeld{Form1->Ebist, &TFunktion::GetTTo},
                              TFeld{Form1->Estept, &TFunktion::GetTStep}}) {
        feld->clear();
        QTest::keyClicks(feld, "2,5");
        EXPECT_EQ((Funktionen[7]->*wert)(), 2.5) << feld->objectName().toStdString();
    }
}

// A document stores at most 255 characters of a text: no field of the main
// window takes more, the selection list's included.
TEST_F(Hauptfenster, NoFieldTakesMoreThanADocumentStores)
{
    std::string zulang;
    for (QLineEdit* feld : Form1->findChildren<QLineEdit*>()) {
        feld->setText(QString(300, QLatin1Char('1')));
        if (feld->text().size() != 255)
            zulang += " " + (feld->objectName().isEmpty() ? feld->parentWidget()->objectName() : feld->objectName())
                                .toStdString();
    }
    EXPECT_EQ(zulang, "");
}

// Each key writes its own word at the caret and leaves the keyboard in the
// equation; the first row writes the equation's head, the decimal key the
// separator in force.
TEST_F(Hauptfenster, EveryKeypadKeyWritesItsWord)
{
    const std::map<QString, QString> besondere = {
        {"Byvonx", "y(x) = "}, {"Bfvonx", "f(x) = "}, {"Bfvonxt", "f(x,t) = "}, {"BKomma", ","},
        {"Be", "exp(1)"},      {"BProzent", "/100"},  {"BWurzel", "Wurzel"},     {"BQuadrat", "Quadrat"},
        {"BBetrag", "Betrag"}, {"BRunde", "round"},   {"BSignum", "sign"},
    };
    const QList<QPushButton*> tasten = Form1->Tastenfeld->findChildren<QPushButton*>();
    ASSERT_EQ(tasten.size(), 61);
    for (QPushButton* t : tasten) {
        const auto b = besondere.find(t->objectName());
        const QString soll = b != besondere.end() ? b->second : t->text();
        Form1->Edit1->clear();
        Form1->ComboBox1->setFocus();
        t->click();
        EXPECT_EQ(Form1->Edit1->text(), soll) << t->objectName().toStdString();
        // and leaves the keyboard in the equation
        EXPECT_EQ(Form1->focusWidget(), Form1->Edit1) << t->objectName().toStdString();
    }
    // In English the words are English and the separator a point.
    Form1->english1->trigger();
    for (auto [taste, soll] : {std::pair("BWurzel", "squareroot"), {"BQuadrat", "square"}, {"BBetrag", "absolut"},
                               {"BKomma", "."}}) {
        Form1->Edit1->clear();
        Form1->Taste(taste)->click();
        EXPECT_EQ(Form1->Edit1->text(), QString::fromLatin1(soll)) << taste;
    }
}

TEST_F(Hauptfenster, EveryFileMenuItemIsConnected)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath("a.kvd");
    const std::vector<TFall> faelle = {
        Eintrag(Form1->Speichernunter1,
                [&] {
                    Form1->Edit1->setText("f(x) = 3*x");
                    Dateien.Antwort = pfad;
                },
                [&] { return QFileInfo(pfad).size() > 0; }),
        Eintrag(Form1->Neu1, nullptr, [] { return Funktionen[1]->GetTerm() == "f(x) = x^2"; }),
        Eintrag(Form1->ffnen1, nullptr, [] { return Funktionen[1]->GetTerm() == "f(x) = 3*x"; }),
        // Printing and copying drop a construction under way.
        Eintrag(Form1->Drucken1, [] { Form1->I4->trigger(); },
                [this] { return ZuletztModal(DruckDlg) && Modus == ModusUrsprung; }),
        Eintrag(Form1->Druckereinrichtung1, nullptr, [this] { return ZuletztModal(KopierDlg); }),
        Eintrag(Form1->GraphenalsBitmap1, [] { Form1->I4->trigger(); },
                [this] { return Ablage.Bilder.size() == 1 && Modus == ModusUrsprung; }),
        Eintrag(Form1->GraphenalsMetadatei1, [] { Form1->I4->trigger(); },
                [this] { return Ablage.Vektorbilder.size() == 1 && Modus == ModusUrsprung; }),
        Eintrag(Form1->WertetabelleinZwischenablage1, [] { Form2->hide(); },
                [] { return WertetabKopierDlg->isVisible() && Form2->isVisible(); }),
        Eintrag(Form1->WertetabelleanExcel1, [] { Form2->hide(); },
                [] { return ExcelDlg->isVisible() && Form2->isVisible(); }),
        Eintrag(Form1->WertetabelleanWord1, [] { Form2->hide(); },
                [] { return WordDlg->isVisible() && Form2->isVisible(); }),
        // Quit asks; a No keeps the program.
        Eintrag(Form1->Beenden1, [this] { Frage.Antwort = QMessageBox::No; },
                [this] { return Frage.Fragen.size() == 1 && Frage.Fragen[0].startsWith(Txt(294)) && Form1->isVisible(); }),
    };
    Pruefen(faelle);
    EXPECT_EQ(std::tuple(Dateien.Gespeichert, Dateien.Geoeffnet), std::tuple(1, 1));
}

TEST_F(Hauptfenster, EveryToolAndWindowMenuItemIsConnected)
{
    std::vector<TFall> faelle;
    for (auto [eintrag, fenster] : {std::pair(Form1->bersicht1, static_cast<QWidget*>(Uebersicht_Dlg)),
                                    {Form1->Beschriftung1, BeschriftungDlg},
                                    {Form1->Senkrechte1, SenkrechteDlg},
                                    {Form1->Punkte1, PunkteDlg},
                                    {Form1->Kreise1, KreiseDlg},
                                    {Form1->Flchen1, FlaechenDlg}}) {
        for (TFall& f : Umschalter(eintrag->objectName().toStdString(), [a = eintrag] { a->trigger(); }, fenster))
            faelle.push_back(std::move(f));
    }
    faelle.push_back(Eintrag(Form1->Wertetabelle1, [] { Form2->hide(); },
                             [] { return Form2->isVisible() && Form1->Wertetabelle1->isChecked(); }));
    faelle.push_back(Eintrag(Form1->Wertetabelle1, nullptr,
                             [] { return !Form2->isVisible() && !Form1->Wertetabelle1->isChecked(); }));
    faelle.push_back(Eintrag(Form1->Graphen1, nullptr,
                             [] { return !Graphik->isVisible() && !Form1->Graphen1->isChecked(); }));
    faelle.push_back(Eintrag(Form1->Graphen1, nullptr,
                             [] { return Graphik->isVisible() && Form1->Graphen1->isChecked(); }));
    Pruefen(faelle);
}

// The tool menu chooses the graph window's tool: the mode, its button, and
// for tangent and normal which of the two.
TEST_F(Hauptfenster, EveryToolOfTheInteractiveMenuIsConnected)
{
    struct TWahl {
        QAction* Eintrag;
        std::int32_t Modus;
        QToolButton* Knopf;
    };
    const TWahl wahl[] = {
        {Form1->I2, ModusBeschriftung, Graphik->BeschriftButton}, {Form1->I3, ModusSenkrechte, Graphik->Senkrechtebutton},
        {Form1->I4, ModusPunkte, Graphik->PunktButton},           {Form1->I5, ModusKreisMitte, Graphik->KreisButton},
        {Form1->I6, ModusGeradeFrage, Graphik->GeradeButton},     {Form1->I7, ModusParabelFrage, Graphik->ParabelButton},
        {Form1->I8, ModusTangente, Graphik->TangenteButton},      {Form1->I10, ModusSpur, Graphik->Tracebutton},
        {Form1->I9, ModusTangente, Graphik->NormaleButton},       {Form1->I1, ModusUrsprung, Graphik->UrsprungButton},
    };
    for (const TWahl& w : wahl) {
        w.Eintrag->trigger();
        EXPECT_EQ(std::tuple(Modus, w.Knopf->isChecked(), w.Eintrag->isChecked()), std::tuple(w.Modus, true, true))
            << w.Eintrag->objectName().toStdString();
        if (w.Eintrag == Form1->I8 || w.Eintrag == Form1->I9) {
            EXPECT_EQ(Graphik->IstTangente, w.Eintrag == Form1->I8);
        }
    }
}

TEST_F(Hauptfenster, EveryOptionAndHelpMenuItemIsConnected)
{
    // Sound and interaction start on, and their items say so.
    EXPECT_TRUE(Form1->Sound1->isChecked() && Form1->Interaktiv1->isChecked());
    const std::vector<TFall> faelle = {
        Eintrag(Form1->english1, nullptr,
                [] { return Dezimaltrenner() == '.' && Einstellungen.Sprache == SpracheEnglisch && Form1->Inch->isChecked(); }),
        Eintrag(Form1->deutsch1, nullptr,
                [] { return Dezimaltrenner() == ',' && Einstellungen.Sprache == SpracheDeutsch && Form1->cm->isChecked(); }),
        Eintrag(Form1->Inch, nullptr,
                [] {
                    return Graphik->Massstab == 1.27 && Graphik->cm3->text() == "1 inch" &&
                           Graphik->cm1->text().trimmed() == "in" && Graphik->cm2->text().trimmed() == "in" &&
                           Einstellungen.Einheit == 2.0;
                }),
        Eintrag(Form1->cm, nullptr,
                [] {
                    return Graphik->Massstab == 1.0 && Graphik->cm3->text() == "1 cm" && Graphik->cm1->text() == "cm" &&
                           Graphik->cm2->text() == "cm" && Einstellungen.Einheit == 1.0;
                }),
        Eintrag(Form1->mitWertetabellestarten1, [this] { Frage.Antwort = QMessageBox::Yes; },
                [] { return Form1->mitWertetabellestarten1->isChecked() && Einstellungen.MitWertetabelle == 1; }),
        Eintrag(Form1->mitWertetabellestarten1, nullptr,
                [] { return !Form1->mitWertetabellestarten1->isChecked() && Einstellungen.MitWertetabelle == 0; }),
        Eintrag(Form1->eigeneEinstellungenverwenden1, nullptr, [] { return EinstellDlg->isVisible(); }),
        Eintrag(Form1->Sound1, nullptr, [] { return !Form1->Sound1->isChecked() && !Graphik->SoundBox->isChecked(); }),
        Eintrag(Form1->Sound1, nullptr, [] { return Form1->Sound1->isChecked() && Graphik->SoundBox->isChecked(); }),
        Eintrag(Form1->Interaktiv1, nullptr,
                [] { return !Form1->Interaktiv1->isChecked() && !Graphik->InteraktivBox->isChecked(); }),
        Eintrag(Form1->Interaktiv1, nullptr,
                [] { return Form1->Interaktiv1->isChecked() && Graphik->InteraktivBox->isChecked(); }),
        Eintrag(Form1->Kopieren1, [] { TippsDlg->hide(); }, [] { return TippsDlg->isVisible(); }),
        Eintrag(Form1->Hotkeys2, [] { HotkeyDlg->hide(); }, [] { return HotkeyDlg->isVisible(); }),
        Eintrag(Form1->astensteuerung1, [] { TastenDlg->hide(); }, [] { return TastenDlg->isVisible(); }),
        Eintrag(Form1->ber1, nullptr, [this] { return ZuletztModal(AboutBox); }),
    };
    Pruefen(faelle);
    for (int k = 9; k >= 1; --k) {
        Form1->F11_F91[static_cast<std::size_t>(k - 1)]->trigger();
        EXPECT_EQ(std::tuple(FunktionNr, Form1->ComboBox1->currentText()),
                  std::tuple(k, QString::number(k) + QLatin1Char('.')));
    }
}

// The translucency item (hidden, for the session) covers the tool windows,
// their sliders and the small windows over the graph window.
TEST_F(Hauptfenster, TranslucencyItemMakesTheToolWindowsOpaqueAndBack)
{
    Form1->ransparenzderZubehrfenster1->trigger();
    EXPECT_EQ(std::tuple(Form1->ransparenzderZubehrfenster1->isChecked(), Einstellungen.Transparent,
                         PunkteDlg->TrackBar2->value(), KreiseDlg->windowOpacity(), EinheitYDlg->windowOpacity()),
              std::tuple(false, 0, 255, 1.0, 1.0));
    Form1->ransparenzderZubehrfenster1->trigger();
    EXPECT_EQ(std::tuple(Einstellungen.Transparent, FlaechenDlg->TrackBar2->value()), std::tuple(1, 240));
    EXPECT_NEAR(TraceParam->windowOpacity(), 240 / 255.0, 1e-3);
}

// A typed unit of either axis is drawn at once, also one whose track bar
// position stays where it was.
TEST_F(Hauptfenster, TypedUnitsAreDrawn)
{
    for (TEinheitDlg* d : std::initializer_list<TEinheitDlg*>{EinheitYDlg, EinheitXDlg}) {
        const QImage vorher = GraphenBild();
        d->Edit->setText("0,75");
        EXPECT_NE(GraphenBild(), vorher) << d->objectName().toStdString();
    }
}

}  // namespace
