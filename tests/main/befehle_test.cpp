// The main window's commands: hot keys, menu items, buttons and links.

#include "druck_fakes.h"

#include "main/info_dlg.h"
#include "tools/flaechen_dlg.h"
#include "tools/punkte_dlg.h"
#include "tools/senkrechte_dlg.h"

#include <QKeyEvent>
#include <QTabWidget>
#include <QTest>

namespace {

// A line edit that takes every control key as its own, as line edits on
// X11 do with Ctrl+K and Ctrl+U.
class TX11Feld : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::ShortcutOverride && (static_cast<QKeyEvent*>(e)->modifiers() & Qt::ControlModifier)) {
            e->accept();
            return true;
        }
        return QLineEdit::event(e);
    }
};

using Befehle = DruckTest;

// Makes `fenster` the active window with the focus in a line edit of its
// own; false where the platform has no active window.
bool Aktivieren(QWidget* fenster, QLineEdit* feld)
{
    fenster->show();
    fenster->activateWindow();
    QApplication::setActiveWindow(fenster);
    feld->setFocus();
    return QApplication::activeWindow() == fenster;
}

// Activation comes from the platform as an event of its own.
bool AktivWird(QWidget* fenster)
{
    return QTest::qWaitFor([fenster] { return QApplication::activeWindow() == fenster; }, 1000);
}

// A function's hot key in the graph window selects it and brings the main
// window forward with the keyboard in its equation.
TEST_F(Befehle, AFunctionsHotKeyInTheGraphWindowActivatesTheMainWindowsEquation)
{
    Form1->show();
    Graphik->show();
    Graphik->activateWindow();
    if (!AktivWird(Graphik))
        GTEST_SKIP() << "no active window on this platform";
    Form1->F11Click(4);
    EXPECT_EQ(FunktionNr, 4);
    EXPECT_TRUE(AktivWird(Form1));
    EXPECT_EQ(Form1->focusWidget(), static_cast<QWidget*>(Form1->Edit1));
    EXPECT_EQ(Form1->Edit1->cursorPosition(), Form1->Edit1->text().size());
}

TEST_F(Befehle, HotKeysReachTheirCommandsFromEitherWindowAndLineEditsLetThemPass)
{
    struct TFall {
        const char* Name;
        QKeyCombination Taste;
        std::function<void()> Vorher;
        std::function<bool()> Wirkung;
    };
    const TFall faelle[] = {
        {"Ctrl+P", Qt::CTRL | Qt::Key_P, [] { PunkteDlg->hide(); }, [] { return PunkteDlg->isVisible(); }},
        {"Ctrl+S", Qt::CTRL | Qt::Key_S, [] { SenkrechteDlg->hide(); }, [] { return SenkrechteDlg->isVisible(); }},
        {"Ctrl+F", Qt::CTRL | Qt::Key_F, [] { FlaechenDlg->hide(); }, [] { return FlaechenDlg->isVisible(); }},
        {"Ctrl+F3", Qt::CTRL | Qt::Key_F3, [] { FunktionNr = 1; }, [] { return FunktionNr == 3; }},
        {"F7", QKeyCombination(Qt::Key_F7), [] { WertetabKopierDlg->hide(); }, [] { return WertetabKopierDlg->isVisible(); }},
        {"Ctrl+R", Qt::CTRL | Qt::Key_R, [] { Funktionen[1]->SetTerm("f(x) = 5"); },
         [] { return Funktionen[1]->GetTerm() == "f(x) = x^2"; }},
    };
    // The keys whose targets come with other windows are bound to their
    // menu items all the same.
    int kreise = 0;
    QObject::connect(Form1->Kreise1, &QAction::triggered, [&] { ++kreise; });
    QLineEdit* felder[] = {new TX11Feld(Form1->GroupBox1), new TX11Feld(Graphik->GroupBox3)};
    QWidget* fenster[] = {Form1, Graphik};
    for (int w = 0; w < 2; ++w) {
        if (!Aktivieren(fenster[w], felder[w]))
            GTEST_SKIP() << "no active window on this platform";
        for (const TFall& f : faelle) {
            f.Vorher();
            Aktivieren(fenster[w], felder[w]);
            QTest::keyClick(felder[w], f.Taste.key(), f.Taste.keyboardModifiers());
            EXPECT_TRUE(f.Wirkung()) << f.Name << " in " << fenster[w]->objectName().toStdString();
        }
        Aktivieren(fenster[w], felder[w]);
        QTest::keyClick(felder[w], Qt::Key_K, Qt::ControlModifier);
        EXPECT_EQ(kreise, w + 1);
    }
}

TEST_F(Befehle, PrintCopyAndExportItemsCallTheirCommands)
{
    Modal.Antwort = [](QDialog&) {};
    Form1->Drucken1->trigger();
    Form1->Druckereinrichtung1->trigger();
    EXPECT_EQ(Modal.Gezeigt, (std::vector<QDialog*>{DruckDlg, KopierDlg}));

    // No construction stays pending: the origin tool, with its button.
    Modus = ModusPunkte;
    Graphik->PunktButton->setChecked(true);
    KopierDlg->R3->setChecked(true);  // the item copies a vector picture whatever the dialog's choice
    Form1->GraphenalsMetadatei1->trigger();
    Form1->GraphenalsBitmap1->trigger();
    EXPECT_EQ(std::tuple(Ablage.Vektorbilder.size(), Ablage.Bilder.size(), Modus, Graphik->UrsprungButton->isChecked()),
              std::tuple(1u, 1u, ModusUrsprung, true));

    Form2->hide();
    Form1->WertetabelleanWord1->trigger();
    EXPECT_TRUE(WordDlg->isVisible() && Form2->isVisible());
}

TEST_F(Befehle, BackspaceAndClearWorkOnTheSelectionAndKeepTheFocus)
{
    struct TFall {
        QPushButton* TForm1::*Knopf;
        int Caret, Auswahl;  // characters selected from the caret on, 0: none
        const char* Text;
        int CaretDanach;
    };
    const TFall faelle[] = {
        {&TForm1::BitBtn1, 12, 0, "f(x) = x^2+", 11},  // left of the caret
        {&TForm1::BitBtn1, 0, 0, "f(x) = x^2+1", 0},   // nothing at the start
        {&TForm1::BitBtn1, 7, 3, "f(x) = +1", 7},      // the selection
        {&TForm1::BitBtn2, 7, 3, "f(x) = +1", 9},      // the selection, caret at the end
        {&TForm1::BitBtn2, 4, 0, "", 0},               // the whole text
    };
    for (const TFall& f : faelle) {
        Form1->Evonx->setFocus();  // the keyboard comes back to the equation
        Form1->Edit1->setText("f(x) = x^2+1");
        Form1->Edit1->setCursorPosition(f.Caret);
        if (f.Auswahl > 0)
            Form1->Edit1->setSelection(f.Caret, f.Auswahl);
        (Form1->*f.Knopf)->click();
        EXPECT_EQ(std::tuple(Form1->Edit1->text(), Form1->Edit1->cursorPosition()),
                  std::tuple(QString::fromUtf8(f.Text), f.CaretDanach)) << f.Caret;
        // The editor's change handler ran: the graph window's mirror follows.
        EXPECT_EQ(Graphik->Edit3->text(), Form1->Edit1->text());
        EXPECT_EQ(Form1->focusWidget(), static_cast<QWidget*>(Form1->Edit1));
    }
    EXPECT_EQ(std::tuple(Form1->BitBtn1->focusPolicy(), Form1->BitBtn2->focusPolicy()), std::tuple(Qt::NoFocus, Qt::NoFocus));
}

// Menu items, the about window and the tips open the address in their hint,
// as the language list gives it, and only web addresses; a sender of the
// wrong kind opens nothing.
TEST_F(Befehle, WebLinksOpenTheAddressInTheirHintAndOnlyWebAddresses)
{
    for (QAction* a : {Form1->Inhalt1, Form1->Suchen1, Form1->Video1LineareFunktion1, Form1->Video2ZweiteFunktion1,
                       Form1->Autor1})
        a->trigger();
    AboutBox->Label5Click(AboutBox->Label5);
    AboutBox->BitBtn2Click(AboutBox->BitBtn1);
    TippsDlg->SpeedButton1Click(TippsDlg->SpeedButton1);
    std::vector<QUrl> soll;
    for (const int zeile : {521, 524, 522, 523, 519, 517, 518, 516})
        soll.emplace_back(Txt(zeile));
    EXPECT_EQ(Oeffner.Geoeffnet, soll);

    Form1->Inhalt1->setToolTip("file:///etc/passwd");
    Form1->Inhalt1->trigger();
    AboutBox->Label5->setToolTip("/usr/bin/xterm");
    AboutBox->Label5Click(AboutBox->Label5);
    Form1->Inhalt1Click(Form1->SpeedButton1);  // not a menu item
    AboutBox->Label5Click(AboutBox->BitBtn1);  // not a label
    EXPECT_EQ(Oeffner.Geoeffnet.size(), soll.size());
}

// The about window shows our picture and the terms of the language in force.
TEST_F(Befehle, AboutWindowShowsTheTermsOfTheLanguageInForce)
{
    auto sichtbar = [](QWidget* seite) { return AboutBox->PageControl1->isTabVisible(AboutBox->PageControl1->indexOf(seite)); };
    Form1->ber1Click();
    EXPECT_FALSE(AboutBox->Image1->pixmap().isNull());
    EXPECT_TRUE(sichtbar(AboutBox->TabSheet2) && !sichtbar(AboutBox->TabSheet3));
    Form1->english1->trigger();
    Form1->ber1Click();
    EXPECT_TRUE(!sichtbar(AboutBox->TabSheet2) && sichtbar(AboutBox->TabSheet3));
}

TEST_F(Befehle, PopupButtonsOpenTheirMenusAtTheButtonAndGiveTheCaretBack)
{
    Form1->move(0, 0);
    Graphik->move(0, 0);
    Graphik->CoolBar2->show();
    struct TFall {
        QAbstractButton* Knopf;
        QMenu* Menue;
        int Unten;  // the menu's top below the button's; -1: where the screen's edge may move it
        QLineEdit* Feld;
    };
    const TFall faelle[] = {
        {Form1->SitBtn3, Form1->PopupMenu1, Form1->SitBtn3->height() - 2, Form1->Edit1},
        {Form1->SpeedButton16, Form1->PopupMenu2, Form1->SpeedButton16->height(), Form1->Edit1},
        {Graphik->SpeedButton4, Graphik->PopupMenu1, Graphik->SpeedButton4->height(), Graphik->Edit3},
        {Graphik->SitBtn3, Form1->PopupMenu1, -1, Graphik->Edit3},
    };
    for (const TFall& f : faelle) {
        const std::string name = f.Knopf->objectName().toStdString();
        f.Feld->setCursorPosition(0);
        f.Knopf->click();
        EXPECT_TRUE(f.Menue->isVisible()) << name;
        if (f.Unten >= 0) {
            EXPECT_EQ(f.Menue->pos(), f.Knopf->mapToGlobal(QPoint(0, f.Unten))) << name;
        }
        f.Menue->hide();
        EXPECT_EQ(f.Feld->cursorPosition(), f.Feld->text().size()) << name;
    }
}

TEST_F(Befehle, StyleListsDrawTheSelectedFunctionsSamples)
{
    Funktionen[0]->SetColor(clRed);
    const QSize groesse(80, 16);
    const QColor grund(230, 255, 200);
    for (TStilListe* liste : {static_cast<TStilListe*>(Form1->ComboBox2), Graphik->ComboBox4}) {
        const QImage linie = liste->ItemBild(2, groesse);  // solid, 5 pixels
        EXPECT_EQ(std::tuple(linie.pixelColor(40, 8), linie.pixelColor(40, 2), linie.pixelColor(2, 8)),
                  std::tuple(QColor(Qt::red), grund, grund));
        // Points only: red discs at d = 8 from both ends and in the middle,
        // no line between them.
        const QImage punkte = liste->ItemBild(9, groesse);
        for (const int x : {8, 40, 71})
            EXPECT_EQ(punkte.pixelColor(x, 8), QColor(Qt::red)) << x;
        EXPECT_EQ(punkte.pixelColor(24, 8), grund);
    }
}

TEST_F(Befehle, PresentationRoundTripThroughBothButtons)
{
    if (!Aktivieren(Form1, Form1->Edit1))
        GTEST_SKIP() << "no active window on this platform";
    // The graph window comes to the front with the keyboard, in front of the
    // main window whose button started it.
    Form1->SpeedButton5->click();
    EXPECT_TRUE(Graphik->isMaximized() && !Graphik->CoolBar2->isHidden());
    EXPECT_TRUE(AktivWird(Graphik));
    // The function hot keys now go to the graph window's equation, and the
    // caret with them, also from the main window.
    ASSERT_TRUE(Aktivieren(Form1, Form1->Edit1));
    Form1->F11_F91[2]->trigger();
    EXPECT_EQ(std::tuple(FunktionNr, Graphik->focusWidget(), Graphik->Edit3->cursorPosition()),
              std::tuple(3, static_cast<QWidget*>(Graphik->Edit3), Graphik->Edit3->text().size()));
    EXPECT_TRUE(AktivWird(Graphik));

    Graphik->SpeedButton5->click();
    EXPECT_TRUE(Graphik->CoolBar2->isHidden());
    Form1->F11_F91[1]->trigger();
    EXPECT_EQ(std::tuple(FunktionNr, Form1->focusWidget()), std::tuple(2, static_cast<QWidget*>(Form1->Edit1)));
}

}  // namespace
