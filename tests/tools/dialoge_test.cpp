// The small windows and dialogs beside the tool windows, in the started
// program: what each shows before anything is chosen in it, and what its
// fields take.

#include "werkzeug_fixture.h"

#include "engine/funktion.h"
#include "engine/tabellen.h"
#include "engine/zustand.h"
#include "main/form1.h"
#include "platform/drucker.h"
#include "platform/felder.h"
#include "platform/melder.h"
#include "platform/sprache.h"
#include "platform/zwischenablage.h"
#include "tools/druck_dlg.h"
#include "tools/einheit_dlg.h"
#include "tools/export_dlg.h"
#include "tools/kopier_dlg.h"
#include "tools/trace_dlg.h"
#include "tools/wertetabelle_fenster.h"

#include <QDialog>
#include <QSignalSpy>
#include <QGroupBox>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QLabel>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QTabWidget>
#include <QTableWidget>

#include <cstdlib>

namespace {

class DialogeTest : public WerkzeugTest {
protected:
    static std::vector<QWidget*> Fenster()
    {
        return {DruckDlg,   KopierDlg,   KopierDlg8, WordDlg,     ExcelDlg, WertetabKopierDlg,
                EinheitXDlg, EinheitYDlg, TraceParam, AssistentFenster, Form2};
    }
};

}  // namespace

TEST_F(DialogeTest, EveryWindowHasATitleAndEveryButtonACaptionOrAnArrow)
{
    AssistentFenster->show();  // its texts come with the language when it shows
    for (QWidget* w : Fenster()) {
        SCOPED_TRACE(w->objectName().toStdString());
        if (w != AssistentFenster) {
            EXPECT_FALSE(w->windowTitle().trimmed().isEmpty());
        }
        for (const QAbstractButton* b : w->findChildren<QAbstractButton*>()) {
            if (b->objectName().isEmpty())
                continue;  // the table's corner
            const auto* werkzeug = qobject_cast<const QToolButton*>(b);
            EXPECT_FALSE(b->text().trimmed().isEmpty() && b->icon().isNull() &&
                         !(werkzeug && werkzeug->arrowType() != Qt::NoArrow))
                << b->objectName().toStdString();
        }
    }
    // The value table, the unit and trace windows, the tool windows, the
    // dialogs and the assistant, found by their design names, float above
    // the main windows.
    for (const char* name : {"Form2", "EinheitXDlg", "EinheitYDlg", "TraceParam", "PunkteDlg", "Uebersicht_Dlg", "WordDlg",
                             "ExcelDlg", "WertetabKopierDlg", "DruckDlg", "KopierDlg", "KopierDlg8", "AssistentFenster"}) {
        const QWidget* w = nullptr;
        for (QWidget* fenster : QApplication::topLevelWidgets())
            if (fenster->objectName() == QLatin1String(name))
                w = fenster;
        ASSERT_NE(w, nullptr) << name;
        // (The export dialogs are dialogs, above the value table.)
        const bool dialog = qobject_cast<const QDialog*>(w);
        EXPECT_EQ(std::pair(w->windowType(), w->windowFlags().testFlag(Qt::WindowStaysOnTopHint)),
                  std::pair(dialog ? Qt::Dialog : Qt::Tool, true))
            << name;
    }
    // The assistant asks and answers in the language in force when it
    // shows.
    auto texte = [] {
        return std::tuple(AssistentFenster->Feld2->text(), AssistentFenster->JaButton->text(),
                          AssistentFenster->NeinButton->text());
    };
    EXPECT_EQ(texte(), std::tuple(QStringLiteral("Sollen alle bisher gezeichneten Graphen gelöscht werden?"),
                                  QStringLiteral("Ja"), QStringLiteral("Nein")));
    AssistentFenster->hide();
    ASSERT_TRUE(LoadLanguage(SpracheEnglisch));
    AssistentFenster->show();
    EXPECT_EQ(texte(), std::tuple(QStringLiteral("Delete all graphs drawn so far?"), QStringLiteral("Yes"),
                                  QStringLiteral("No")));
    // The assistant's title stands out above its question, white on dark
    // red.
    EXPECT_EQ(AssistentFenster->grab().toImage().pixelColor(2, 2), QColor(175, 16, 16));
    for (const QLabel* l : {AssistentFenster->Feld1, AssistentFenster->Feld2})
        EXPECT_EQ(l->palette().color(QPalette::WindowText), QColor(Qt::white)) << l->objectName().toStdString();
    const QFont titel = AssistentFenster->Feld1->font(), frage = AssistentFenster->Feld2->font();
    EXPECT_TRUE(titel.bold() && !frage.bold());
    EXPECT_GT(QFontInfo(titel).pixelSize(), QFontInfo(frage).pixelSize());
}

// Up to 255 characters in every field of the unit and trace windows and the
// calculator, as the stored texts hold; the calculator's result is only
// shown.
TEST_F(DialogeTest, TheFieldsTake255CharactersAndTheResultIsNotTypedInto)
{
    const QString lang(300, QLatin1Char('1'));
    for (QLineEdit* e : {EinheitXDlg->Edit, EinheitYDlg->Edit, TraceParam->Edit, Form2->Edit2, Form2->Edit3,
                         Form2->EditErgebnis}) {
        SCOPED_TRACE(e->parentWidget()->objectName().toStdString() + " " + e->objectName().toStdString());
        e->setText(lang);
        EXPECT_EQ(e->text().size(), 255);
    }
    Form2->show();
    Form1->Edit1->setText(QStringLiteral("f(x) = x^2"));
    Tippen(Form2->Edit2, "3");
    const QString ergebnis = Form2->EditErgebnis->text();
    EXPECT_EQ(ergebnis.trimmed(), QStringLiteral("9"));
    Form2->EditErgebnis->setFocus();
    QTest::keyClicks(Form2->EditErgebnis, QStringLiteral("77"));
    QTest::keyClick(Form2->EditErgebnis, Qt::Key_Backspace);
    EXPECT_EQ(Form2->EditErgebnis->text(), ergebnis);
}

// The help page of each export says how its table arrives; the last of its
// paragraphs belongs to the clipboard alone.
TEST_F(DialogeTest, OnlyTheClipboardsHelpPageHasItsLastParagraph)
{
    for (TExportDlg* d : {static_cast<TExportDlg*>(WordDlg), static_cast<TExportDlg*>(ExcelDlg),
                          static_cast<TExportDlg*>(WertetabKopierDlg)}) {
        const auto* letzter = d->TabSheet2->findChild<QLabel*>(QStringLiteral("Label3"));
        ASSERT_NE(letzter, nullptr);
        EXPECT_EQ(letzter->isVisibleTo(d->TabSheet2), d == WertetabKopierDlg) << d->objectName().toStdString();
    }
}

// The copy dialog says how to paste, under the picture choices.
TEST_F(DialogeTest, TheCopyDialogSaysHowToPasteUnderItsChoices)
{
    for (TKopierDlg* d : {KopierDlg, static_cast<TKopierDlg*>(KopierDlg8)}) {
        d->show();
        d->adjustSize();
        SCOPED_TRACE(d->objectName().toStdString());
        EXPECT_FALSE(d->Label11->text().isEmpty());
        EXPECT_GT(d->Label11->y(), d->CB3->geometry().bottom());
        EXPECT_TRUE(d->GroupBox1->rect().contains(d->Label11->geometry()));
        d->hide();
    }
}

// A family: the value table's caption and the print dialog's table option
// name the calculator's t, which is 0 before anything was typed into it.
TEST_F(DialogeTest, AFamilysTableNamesTheCalculatorsTFromTheStart)
{
    Form2->show();
    Form1->Edit1->setText(QStringLiteral("f(x,t) = t*x"));
    ASSERT_EQ(Zustand.Editor.Eingabeart, ArtFunktionenschar);
    const QString t = Txt(154) + QStringLiteral(" 0");
    EXPECT_TRUE(Form2->windowTitle().endsWith(t)) << Form2->windowTitle().toStdString();
    DruckDlg->Vorbereiten();
    EXPECT_TRUE(DruckDlg->CB1->text().endsWith(t)) << DruckDlg->CB1->text().toStdString();
    // A t that is no number is left out, and the result and the y row are
    // empty; a number again is named again.
    Tippen(Form2->Edit2, "2");
    ASSERT_FALSE(Form2->EditErgebnis->text().isEmpty());
    Tippen(Form2->Edit3, "x");
    EXPECT_TRUE(Form2->windowTitle().startsWith(QStringLiteral("Wertetabelle:"))) << Form2->windowTitle().toStdString();
    EXPECT_EQ(std::pair(Form2->EditErgebnis->text(), Form2->Zelle(13, 1)), std::pair(QString(), QString()));
    DruckDlg->Vorbereiten();
    EXPECT_FALSE(DruckDlg->CB1->text().contains(Txt(154)));
    Tippen(Form2->Edit3, "2,5");
    DruckDlg->Vorbereiten();
    EXPECT_TRUE(DruckDlg->CB1->text().endsWith(Txt(154) + QStringLiteral(" 2,5")));
}

// The trace window's t is typed after a click into it; the Tab key passes
// it by (the keys stay with the graph window's pointer otherwise).
TEST_F(DialogeTest, TheTabKeyPassesTheTraceWindowsFieldByAndAClickFocusesIt)
{
    TraceParam->show();
    QApplication::setActiveWindow(TraceParam);
    TraceParam->OKBtn->setFocus();
    // The Tab key goes between the button and the spin button.
    for (QWidget* naechstes : {static_cast<QWidget*>(TraceParam->SpinButton1), static_cast<QWidget*>(TraceParam->OKBtn),
                               static_cast<QWidget*>(TraceParam->SpinButton1)}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), naechstes) << naechstes->objectName().toStdString();
    }
    QTest::mouseClick(TraceParam->Edit, Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), TraceParam->Edit);
    // The two arrows fill the spin button, one above the other.
    const TSpinButton* pfeile = TraceParam->SpinButton1;
    EXPECT_EQ(std::tuple(pfeile->Hoch->geometry().united(pfeile->Runter->geometry()), pfeile->Hoch->y(),
                         std::abs(pfeile->Hoch->height() - pfeile->Runter->height()) <= 1),
              std::tuple(pfeile->rect(), 0, true));
    // A step takes the focus to the spin button, out of the field.
    Zustand.Editor[TEditorFeld::TSchritt].Text = "0,5";
    TraceParam->Edit->setText(QStringLiteral("1"));
    TraceParam->SpinButton1->Hoch->click();
    EXPECT_EQ(std::pair(TraceParam->Edit->text(), QApplication::focusWidget()),
              std::pair(QStringLiteral("1,5"), static_cast<QWidget*>(TraceParam->SpinButton1)));
}

// No control of a dialog lies over another, and each lies inside its window
// (laid out as it opens).
TEST_F(DialogeTest, NoControlOfADialogCoversAnother)
{
    for (QWidget* w : Fenster()) {
        w->show();
        SCOPED_TRACE(w->objectName().toStdString());
        std::vector<std::pair<const QWidget*, QRect>> teile;
        for (const QWidget* k : w->findChildren<QWidget*>()) {
            if (!k->isVisibleTo(w) || k->objectName().isEmpty() ||
                !(qobject_cast<const QAbstractButton*>(k) || qobject_cast<const QLineEdit*>(k) ||
                  qobject_cast<const QAbstractSpinBox*>(k) || qobject_cast<const QAbstractSlider*>(k) ||
                  qobject_cast<const QAbstractItemView*>(k) || qobject_cast<const QGroupBox*>(k) ||
                  qobject_cast<const QTabWidget*>(k)))
                continue;
            teile.emplace_back(k, QRect(k->mapTo(w, QPoint(0, 0)), k->size()));
        }
        // What stands in a box, captions too, stands below its title.
        for (const QWidget* k : w->findChildren<QWidget*>()) {
            const auto* box = qobject_cast<const QGroupBox*>(k->parentWidget());
            if (box && k->isVisibleTo(w) && !k->objectName().isEmpty() && !box->title().trimmed().isEmpty()) {
                EXPECT_TRUE(BoxInneres(box).contains(k->geometry()))
                    << k->objectName().toStdString() << " in " << box->objectName().toStdString();
            }
        }
        for (std::size_t i = 0; i < teile.size(); ++i) {
            const auto& [a, ra] = teile[i];
            EXPECT_TRUE(w->rect().contains(ra)) << a->objectName().toStdString();
            for (std::size_t j = i + 1; j < teile.size(); ++j) {
                const auto& [b, rb] = teile[j];
                if (!a->isAncestorOf(b) && !b->isAncestorOf(a)) {
                    EXPECT_FALSE(ra.intersects(rb)) << a->objectName().toStdString() << " / " << b->objectName().toStdString();
                }
            }
        }
        w->hide();
    }
}

// The value table keeps the size the program gives it, as high as its
// controls need: the user does not pull it wider than its columns.
TEST_F(DialogeTest, TheValueTableKeepsItsSize)
{
    Form2->show();
    EXPECT_EQ(Form2->minimumSize(), Form2->maximumSize());
    // In the tool windows' font.
    for (const QWidget* w : {static_cast<QWidget*>(Form2), static_cast<QWidget*>(AssistentFenster)})
        EXPECT_EQ(std::pair(w->font().family(), w->font().pointSize()), std::pair(QStringLiteral("Tahoma"), 8));
    // Both rows of the grid show whole, the values on light yellow, the
    // row titles on the colour of a button; no headers take room from them.
    QTableWidget* gitter = Form2->StringGrid1;
    EXPECT_EQ(gitter->viewport()->geometry().topLeft(), QPoint(gitter->frameWidth(), gitter->frameWidth()));
    EXPECT_EQ(gitter->rowViewportPosition(1) + gitter->rowHeight(1), gitter->viewport()->height());
    const QImage bild = gitter->viewport()->grab().toImage();
    auto farbe = [&](int spalte) {
        return bild.pixelColor(gitter->visualRect(gitter->model()->index(1, spalte)).topLeft() + QPoint(2, 2));
    };
    EXPECT_EQ(std::pair(farbe(3), farbe(0)), std::pair(QColor(250, 255, 210), gitter->palette().color(QPalette::Button)));
    EXPECT_EQ(Form2->height(), Form2->sizeHint().height());
    std::tie(Graphik->XMin, Graphik->XMax) = std::tuple(-1000005, -999994);
    Form2->FillValueTable();
    EXPECT_EQ(std::pair(Form2->minimumSize(), Form2->maximumSize()), std::pair(Form2->size(), Form2->size()));
    // So do the unit and trace windows.
    for (QWidget* w : {static_cast<QWidget*>(EinheitXDlg), static_cast<QWidget*>(EinheitYDlg),
                       static_cast<QWidget*>(TraceParam)})
        EXPECT_EQ(w->minimumSize(), w->maximumSize()) << w->objectName().toStdString();
}

// OK and Cancel stand side by side at the right end of a dialog's bottom.
TEST_F(DialogeTest, OkAndCancelStandAtTheRightEnd)
{
    const std::tuple<QDialog*, QPushButton*, QPushButton*> dialoge[] = {
        {DruckDlg, DruckDlg->OKBtn, DruckDlg->CancelBtn},
        {KopierDlg, KopierDlg->OKBtn, KopierDlg->CancelBtn},
        {WordDlg, WordDlg->SpeedButton1, WordDlg->CancelBtn},
    };
    for (const auto& [d, ok, abbrechen] : dialoge) {
        d->show();
        SCOPED_TRACE(d->objectName().toStdString());
        EXPECT_LT(d->width() - abbrechen->geometry().right(), 20);
        EXPECT_EQ(ok->y(), abbrechen->y());
        EXPECT_LT(ok->geometry().right(), abbrechen->x());
        EXPECT_GT(ok->geometry().right(), abbrechen->x() - 20);
        EXPECT_EQ(std::pair(ok->width(), abbrechen->width()), std::pair(ok->sizeHint().width(), abbrechen->sizeHint().width()));
        d->hide();
    }
}

// The exports open with one pair per row chosen and all 25 pairs, and
// offer 1 to 25 pairs.
TEST_F(DialogeTest, TheExportsOpenWithOnePairPerRowAndAllPairs)
{
    for (TExportDlg* d : {static_cast<TExportDlg*>(WordDlg), static_cast<TExportDlg*>(ExcelDlg),
                          static_cast<TExportDlg*>(WertetabKopierDlg)}) {
        d->show();
        EXPECT_EQ(std::tuple(d->Senkrecht->isChecked(), d->Waagerecht->isChecked(), d->ItemIndex(), d->SpinEdit1->value()),
                  std::tuple(true, false, 0, 25))
            << d->objectName().toStdString();
        QSpinBox* paare = d->SpinEdit1;
        paare->setValue(99);
        const int hoechstens = paare->value();
        paare->setValue(0);
        EXPECT_EQ(std::pair(hoechstens, paare->value()), std::pair(25, 1)) << d->objectName().toStdString();
        paare->setValue(25);
        // The choices keep their height at the top of their page, however
        // tall the dialog.
        d->resize(d->width(), d->height() + 200);
        QCoreApplication::processEvents();
        EXPECT_EQ(d->OptGroup->height(), d->OptGroup->sizeHint().height()) << d->objectName().toStdString();
        d->hide();
    }
}

// The pointer over the unit and trace windows' captions and fields clears
// the graph window's preview, as over their bare surface.
TEST_F(DialogeTest, ThePointerOverTheSmallWindowsClearsThePreview)
{
    int verlangt = 0;
    const auto verbindung = QObject::connect(&Melder(), &TMelder::StatusanzeigeVerlangt, [&] { ++verlangt; });
    for (QWidget* fenster : {static_cast<QWidget*>(EinheitXDlg), static_cast<QWidget*>(EinheitYDlg),
                             static_cast<QWidget*>(TraceParam)}) {
        fenster->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(fenster));
        for (const char* name : {"Label1", "Edit"}) {
            auto* teil = fenster->findChild<QWidget*>(QString::fromLatin1(name));
            ASSERT_NE(teil, nullptr);
            const int vorher = verlangt;
            // Through the window, as the window system delivers a move.
            QTest::mouseMove(fenster->windowHandle(), teil->mapTo(fenster, QPoint(5, 5)));
            QTest::mouseMove(fenster->windowHandle(), teil->mapTo(fenster, QPoint(8, 6)));
            EXPECT_GT(verlangt, vorher) << fenster->objectName().toStdString() << " " << name;
        }
        const QPoint frei(fenster->width() - 3, 2);
        ASSERT_EQ(fenster->childAt(frei), nullptr);
        const int vorher = verlangt;
        QTest::mouseMove(fenster->windowHandle(), frei);
        QTest::mouseMove(fenster->windowHandle(), frei - QPoint(1, 0));
        EXPECT_GT(verlangt, vorher) << fenster->objectName().toStdString();
        fenster->hide();
    }
    QObject::disconnect(verbindung);
}

// Enter copies as chosen; Cancel closes the copy dialog and takes its
// black grid lines back.
TEST_F(DialogeTest, EnterCopiesCancelClosesTheCopyDialogAndPutsTheGridBack)
{
    KopierDlg->show();
    QSignalSpy kopieren(&Melder(), &TMelder::BildKopierenVerlangt);
    QTest::keyClick(KopierDlg, Qt::Key_Return);
    EXPECT_EQ(std::tuple(kopieren.count(), KopierDlg->isVisible(), KopierDlg->result()),
              std::tuple(1, false, int{QDialog::Accepted}));

    Zustand.Ansicht.Gitter = "2c";
    KopierDlg->show();
    Druecken(KopierDlg->CB3);
    ASSERT_EQ(Zustand.Ansicht.Gitter, "2");
    Druecken(KopierDlg->CancelBtn);
    EXPECT_EQ(std::tuple(KopierDlg->isVisible(), KopierDlg->result(), Zustand.Ansicht.Gitter, KopierDlg->CB3->isChecked()),
              std::tuple(false, int{QDialog::Rejected}, "2c", false));
}

// Either answer goes to whoever asked, and the assistant steps aside.
TEST_F(DialogeTest, TheAssistantPassesOnEitherAnswerAndHides)
{
    QSignalSpy antworten(&Melder(), &TMelder::AssistentAntwortVerlangt);
    for (QPushButton* knopf : {AssistentFenster->JaButton, AssistentFenster->NeinButton}) {
        AssistentFenster->show();
        knopf->click();
        EXPECT_FALSE(AssistentFenster->isVisible()) << knopf->objectName().toStdString();
    }
    ASSERT_EQ(antworten.count(), 2);
    EXPECT_EQ(std::pair(antworten[0][0].toBool(), antworten[1][0].toBool()), std::pair(true, false));
}

// What is no unit colours a unit window's field; a unit makes it white
// again. The calculator's fields likewise, with the validity colours.
TEST_F(DialogeTest, AUnitFieldShowsWhetherItHoldsAUnit)
{
    for (TEinheitDlg* d : {static_cast<TEinheitDlg*>(EinheitXDlg), static_cast<TEinheitDlg*>(EinheitYDlg)}) {
        SCOPED_TRACE(d->objectName().toStdString());
        d->show();
        Tippen(d->Edit, "abc");
        EXPECT_EQ(Feldfarbe(d->Edit), FarbeUngueltig);
        Tippen(d->Edit, "2");
        EXPECT_EQ(Feldfarbe(d->Edit), clWhite);
    }
    // The calculator's x and t show it in the validity colours.
    Form2->show();
    for (QLineEdit* e : {Form2->Edit2, Form2->Edit3}) {
        SCOPED_TRACE(e->objectName().toStdString());
        Tippen(e, "abc");
        EXPECT_EQ(Feldfarbe(e), FarbeUngueltig);
        Tippen(e, "2");
        EXPECT_EQ(Feldfarbe(e), FarbeGueltig);
    }
}

// The print dialog offers the value table and the header ticked at first.
// Its OK steps out of the way before the printing starts and closes it.
TEST_F(DialogeTest, ThePrintDialogStartsWithTableAndHeaderTickedAndIsGoneWhileItPrints)
{
    EXPECT_EQ(std::pair(DruckDlg->CB1->isChecked(), DruckDlg->CB4->isChecked()), std::pair(true, true));
    struct : TDruckerWahl {
        QPrinter* Waehle(QWidget*, const QString&) override { return nullptr; }  // cancelled
    } abgebrochen;
    SetDruckerWahl(&abgebrochen);
    std::vector<bool> sichtbar;
    const auto verbindung =
        QObject::connect(&Melder(), &TMelder::DruckenVerlangt, [&] { sichtbar.push_back(DruckDlg->isVisible()); });
    DruckDlg->show();
    Druecken(DruckDlg->OKBtn);
    QObject::disconnect(verbindung);
    SetDruckerWahl(nullptr);
    EXPECT_EQ(std::tuple(sichtbar, DruckDlg->isVisible(), DruckDlg->result()),
              std::tuple(std::vector<bool>{false}, false, int{QDialog::Accepted}));
}

// The trace window's family parameter starts at 1.
TEST_F(DialogeTest, TheTraceWindowStartsAtTOne)
{
    EXPECT_EQ(TraceParam->ParameterText(), QStringLiteral("1"));
}

// A value table made before anything else ran shows f(x) = x^2 from -6 to
// 6, whatever the first function held.
TEST_F(DialogeTest, AValueTableStartsWithXSquaredFromMinus6To6)
{
    Funktionen[0]->SetTerm("f(x) = x");
    const TForm2 neu(nullptr, QRect());
    EXPECT_EQ(Funktionen[0]->GetTerm(), "f(x) = x^2");
    EXPECT_EQ(std::tuple(neu.Zelle(1, 0), neu.Zelle(13, 0), neu.Zelle(25, 0), neu.StringGrid1->columnCount()),
              std::tuple(QStringLiteral("-6"), QStringLiteral("0"), QStringLiteral("6"), 26));
    EXPECT_EQ(std::tuple(neu.Zelle(1, 1).trimmed(), neu.Zelle(13, 1).trimmed(), neu.Zelle(25, 1).trimmed()),
              std::tuple(QStringLiteral("36,00"), QStringLiteral("0,00"), QStringLiteral("36,00")));
}

// The print dialog gives the graph window its colour back once, as it found
// it: a later close leaves a colour switched since alone.
TEST_F(DialogeTest, ThePrintDialogGivesTheColourBackOnce)
{
    Zustand.Ansicht.Farbig = true;
    DruckDlg->Vorbereiten();
    DruckDlg->show();
    Druecken(DruckDlg->CB2);  // black and white while it is open
    ASSERT_FALSE(Zustand.Ansicht.Farbig);
    Druecken(DruckDlg->CancelBtn);
    EXPECT_TRUE(Zustand.Ansicht.Farbig);
    Zustand.Ansicht.Farbig = false;  // switched in the graph window
    DruckDlg->show();
    DruckDlg->reject();
    EXPECT_FALSE(Zustand.Ansicht.Farbig);
}

// The value table's step bar moves one step of the x unit a page, as a
// click beside its handle does, and takes the view along.
TEST_F(DialogeTest, TheValueTablesStepBarMovesOneStepAPage)
{
    Form2->show();
    QSlider* bar = Form2->TrackBar2;
    const int vorher = bar->value();
    QTest::keyClick(bar, Qt::Key_PageUp);
    EXPECT_EQ(std::pair(bar->value(), Zustand.Ansicht.PositionX), std::pair(vorher + 1, vorher + 1));
}

// The value table shows the function selected in the editor, not the
// first one.
TEST_F(DialogeTest, TheValueTableShowsTheSelectedFunction)
{
    Funktionen[1]->SetTerm("f(x) = 1");
    Form1->ComboBox1->setEditText(QStringLiteral("2."));
    Form1->ComboBox1Change();
    ASSERT_EQ(FunktionNr, 2);
    Form1->Edit1->setText(QStringLiteral("f(x) = 7"));
    Form2->show();
    Form2->FillValueTable();
    EXPECT_EQ(std::pair(Form2->Zelle(1, 1).trimmed(), Form2->Zelle(25, 1).trimmed()),
              std::pair(QStringLiteral("7,00"), QStringLiteral("7,00")));
}

// Enter in the clipboard export copies the pairs chosen, in the direction
// chosen, and closes it.
TEST_F(DialogeTest, EnterInTheClipboardExportCopiesThePairsChosen)
{
    struct : TZwischenablage {
        std::vector<QString> Texte;
        bool Text(const QString& text) override
        {
            Texte.push_back(text);
            return true;
        }
        bool Bild(const QImage&) override { return false; }
        bool Vektorbild(const QByteArray&, const QImage&) override { return false; }
    } ablage;
    SetZwischenablage(&ablage);
    Form2->show();
    Form2->FillValueTable();
    TExportDlg* d = WertetabKopierDlg;
    d->show();
    d->SpinEdit1->setValue(2);
    Druecken(d->Waagerecht);
    QTest::keyClick(d, Qt::Key_Return);
    SetZwischenablage(nullptr);
    ASSERT_EQ(ablage.Texte.size(), 1u);
    QStringList zeilen = ablage.Texte[0].split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (QString& z : zeilen)
        z.remove(QLatin1Char('\r'));
    auto zeile = [](int r) {
        return QStringList{Form2->Zelle(0, r), Form2->Zelle(1, r), Form2->Zelle(2, r)}.join(QLatin1Char('\t'));
    };
    EXPECT_EQ(zeilen, (QStringList{zeile(0), zeile(1)}));
    EXPECT_FALSE(d->isVisible());
}

// The copy dialog's value table choices open their export beside the
// value table, filled anew; no picture is copied then.
TEST_F(DialogeTest, TheCopyDialogsTableChoicesOpenTheirExportBesideTheFilledTable)
{
    QSignalSpy bild(&Melder(), &TMelder::BildKopierenVerlangt);
    const std::pair<QRadioButton*, QDialog*> wahlen[] = {
        {KopierDlg->R2, ExcelDlg}, {KopierDlg->R4, WordDlg}, {KopierDlg->R5, WertetabKopierDlg}};
    for (const auto& [wahl, export_] : wahlen) {
        SCOPED_TRACE(wahl->objectName().toStdString());
        Form2->hide();
        KopierDlg->show();
        Druecken(wahl);
        const int fuellungen = Form2->Fuellungen();
        Druecken(KopierDlg->OKBtn);
        EXPECT_EQ(std::tuple(export_->isVisible(), Form2->isVisible(), Form2->Fuellungen() - fuellungen),
                  std::tuple(true, true, 1));
        export_->hide();
    }
    EXPECT_EQ(bild.count(), 0);
}

// The value table is only shown: a key opens no editor in its cells.
TEST_F(DialogeTest, TheValueTablesCellsAreNotEdited)
{
    Form2->show();
    QTableWidget* gitter = Form2->StringGrid1;
    gitter->setCurrentCell(1, 3);
    QTest::keyClick(gitter, Qt::Key_F2);
    QTest::keyClicks(gitter, QStringLiteral("7"));
    EXPECT_EQ(gitter->findChild<QLineEdit*>(), nullptr);
    // The row titles are not cells to choose: a click on one leaves it
    // unselected, where a value is selected.
    for (const int r : {0, 1}) {
        QTest::mouseClick(gitter->viewport(), Qt::LeftButton, {}, gitter->visualItemRect(gitter->item(r, 0)).center());
        EXPECT_FALSE(gitter->item(r, 0)->isSelected()) << r;
        QTest::mouseClick(gitter->viewport(), Qt::LeftButton, {}, gitter->visualItemRect(gitter->item(r, 2)).center());
        EXPECT_TRUE(gitter->item(r, 2)->isSelected()) << r;
    }
    Form2->hide();
}

// The pointer over the bare surface of the value table and of every tool
// window clears the graph window's preview too.
TEST_F(DialogeTest, ThePointerOverTheValueTableAndTheToolWindowsClearsThePreview)
{
    int verlangt = 0;
    const auto verbindung = QObject::connect(&Melder(), &TMelder::StatusanzeigeVerlangt, [&] { ++verlangt; });
    for (QWidget* fenster : std::initializer_list<QWidget*>{Form2, PunkteDlg, KreiseDlg, BeschriftungDlg, SenkrechteDlg,
                                                            FlaechenDlg, Uebersicht_Dlg}) {
        SCOPED_TRACE(fenster->objectName().toStdString());
        fenster->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(fenster));
        const QPoint frei(fenster->width() - 2, 1);
        ASSERT_EQ(fenster->childAt(frei), nullptr);
        const int vorher = verlangt;
        QTest::mouseMove(fenster->windowHandle(), frei);
        QTest::mouseMove(fenster->windowHandle(), frei - QPoint(1, 0));
        EXPECT_GT(verlangt, vorher);
        fenster->hide();
    }
    QObject::disconnect(verbindung);
}
