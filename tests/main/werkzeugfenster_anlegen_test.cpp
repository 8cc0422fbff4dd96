// The tool windows and the overview are made when first opened, not at the
// start: the start leaves their tables with the defaults, and a window made
// later shows the document in the language in force, as translucent as the
// switch says, connected, and without drawing the picture again. The help
// and about dialogs, too, are made on their first use, captioned then.

#include "programm_fixture.h"

#include "bench/volles_dokument.h"
#include "druck_fakes.h"
#include "engine/dokument.h"
#include "main/beschriftung_tabelle.h"
#include "main/hotkey_dlg.h"
#include "main/info_dlg.h"
#include "main/programm.h"
#include "main/tasten_dlg.h"
#include "platform/fensterlage.h"
#include "platform/modal.h"
#include "main/verbindungen.h"
#include "platform/melder.h"
#include "tools/beschriftung_dlg.h"
#include "tools/export_dlg.h"
#include "tools/flaechen_dlg.h"
#include "tools/kopier_dlg.h"
#include "tools/kreise_dlg.h"
#include "tools/punkte_dlg.h"
#include "tools/senkrechte_dlg.h"
#include "tools/uebersicht_dlg.h"
#include "tools/wertetabelle_fenster.h"

#include <QMenu>
#include <QTabWidget>
#include <QTemporaryDir>

#include <tuple>

namespace {

class WerkzeugfensterAnlegenTest : public ProgrammTest {
protected:
    static std::vector<QWidget*> Werkzeugfenster()
    {
        return {PunkteDlg, KreiseDlg, BeschriftungDlg, SenkrechteDlg, FlaechenDlg, Uebersicht_Dlg};
    }

    static void Umschalten(TUmschaltFenster f) { emit Melder().FensterUmschaltenVerlangt(f); }

    // The document with every table full, written to a folder the test owns.
    QString VollesDokumentSchreiben()
    {
        const QString pfad = Ordner.filePath(QStringLiteral("voll.kvd"));
        const std::vector<std::uint8_t> bytes = EncodeDokument(VollesDokument());
        DateiSchreiben(pfad, QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())));
        return pfad;
    }

    QTemporaryDir Ordner;
};

}  // namespace

TEST_F(WerkzeugfensterAnlegenTest, TheStartMakesNoneAndLeavesTheirTablesWithTheDefaults)
{
    AllesNullen();
    TabellenVorbelegen();
    const auto punkte = Punkte;
    const auto kreise = Kreise;
    const auto beschriftungen = Beschriftungen;
    const auto senkrechte = Senkrechte;
    const auto flaechen = Flaechen;
    AllesNullen();

    ProgrammStarten({});
    EXPECT_EQ(Werkzeugfenster(), std::vector<QWidget*>(6, nullptr));
    EXPECT_TRUE(punkte == Punkte && kreise == Kreise && beschriftungen == Beschriftungen &&
                senkrechte == Senkrechte && flaechen == Flaechen);
}

TEST_F(WerkzeugfensterAnlegenTest, AWindowMadeLaterShowsTheDocumentInTheLanguageInForceAndDrawsNothing)
{
    const QString pfad = VollesDokumentSchreiben();
    ProgrammStarten({pfad.toStdString()});
    Form1->english1Click();
    const int bilder = Graphik->Neuzeichnungen();
    const auto punkte = Punkte;

    Umschalten(TUmschaltFenster::Punkte);
    ASSERT_NE(PunkteDlg, nullptr);
    EXPECT_TRUE(PunkteDlg->isVisible());
    EXPECT_EQ(std::tuple(PunkteDlg->windowTitle(), PunkteDlg->OKBtn->text()), std::tuple(Txt(51), Txt(336)));
    EXPECT_EQ(PunkteDlg->Zeile(3).X->text().toStdString(), VollesDokument().Punkte[3].X);
    EXPECT_EQ(std::pair(PunkteDlg->TrackBar2->value(), PunkteDlg->windowOpacity()), std::pair(240, 240 / 255.0));
    EXPECT_EQ(Graphik->Neuzeichnungen(), bilder);
    EXPECT_TRUE(punkte == Punkte);
    // Only the window asked for; the next toggle closes that same one.
    EXPECT_EQ(KreiseDlg, nullptr);
    TPunkteDlg* fenster = PunkteDlg;
    Umschalten(TUmschaltFenster::Punkte);
    EXPECT_EQ(PunkteDlg, fenster);
    EXPECT_FALSE(PunkteDlg->isVisible());

    // With the tool windows made opaque before, a new one is opaque too.
    Form1->ransparenzderZubehrfenster1Click();
    Umschalten(TUmschaltFenster::Kreise);
    ASSERT_NE(KreiseDlg, nullptr);
    EXPECT_EQ(std::pair(KreiseDlg->TrackBar2->value(), KreiseDlg->windowOpacity()), std::pair(255, 1.0));
    EXPECT_EQ(Graphik->Neuzeichnungen(), bilder);
}

TEST_F(WerkzeugfensterAnlegenTest, EveryToggleMakesItsWindowConnected)
{
    ProgrammStarten({});
    const std::pair<TUmschaltFenster, QWidget**> fenster[] = {
        {TUmschaltFenster::Punkte, reinterpret_cast<QWidget**>(&PunkteDlg)},
        {TUmschaltFenster::Kreise, reinterpret_cast<QWidget**>(&KreiseDlg)},
        {TUmschaltFenster::Beschriftung, reinterpret_cast<QWidget**>(&BeschriftungDlg)},
        {TUmschaltFenster::Senkrechte, reinterpret_cast<QWidget**>(&SenkrechteDlg)},
        {TUmschaltFenster::Flaechen, reinterpret_cast<QWidget**>(&FlaechenDlg)},
        {TUmschaltFenster::Uebersicht, reinterpret_cast<QWidget**>(&Uebersicht_Dlg)},
    };
    for (const auto& [f, zeiger] : fenster) {
        Umschalten(f);
        ASSERT_NE(*zeiger, nullptr) << static_cast<int>(f);
        EXPECT_TRUE((*zeiger)->isVisible()) << static_cast<int>(f);
    }

    // Leaving label mode puts a riding label back.
    QToolButton* knopf = BeschriftungDlg->Zeile(2).Verschieben;
    knopf->click();
    ASSERT_TRUE(knopf->isChecked());
    emit Melder().ReiterZuruecklegenVerlangt();
    EXPECT_FALSE(knopf->isChecked());

    // The overview follows the editor while the main window is in front.
    if (!Aktivieren(Form1))
        GTEST_SKIP() << "no active window on this platform";
    const int n = Uebersicht_Dlg->Auffrischungen();
    emit Melder().EditorGeaendert();
    EXPECT_EQ(Uebersicht_Dlg->Auffrischungen(), n + 1);
}

TEST_F(WerkzeugfensterAnlegenTest, TheHelpDialogsAreMadeOnFirstUseAfterALanguageSwitchAndAnOpen)
{
    const QString pfad = VollesDokumentSchreiben();
    FakeModal modal;
    SetModalAnzeige(&modal);
    ProgrammStarten({});
    EXPECT_EQ((std::vector<QWidget*>{AboutBox, TippsDlg, HotkeyDlg, TastenDlg}), std::vector<QWidget*>(4, nullptr));
    Form1->english1Click();
    ASSERT_TRUE(Form1->oeffne(pfad.toStdString()));

    // Each command makes its own dialog only, in English, with the texts
    // that follow the program's state.
    Form1->Hotkeys2->trigger();
    ASSERT_NE(HotkeyDlg, nullptr);
    EXPECT_TRUE(HotkeyDlg->isVisible());
    EXPECT_EQ((QStringList{HotkeyDlg->windowTitle(), LabelText(HotkeyDlg, "Label3"), LabelText(HotkeyDlg, "Label14")}),
              (QStringList{Txt(474), "(Ctrl+F1)", "1st Function"}));
    EXPECT_EQ((std::vector<QWidget*>{AboutBox, TippsDlg, TastenDlg}), std::vector<QWidget*>(3, nullptr));

    Form1->astensteuerung1->trigger();
    ASSERT_NE(TastenDlg, nullptr);
    EXPECT_TRUE(TastenDlg->isVisible());
    EXPECT_EQ(TastenDlg->windowTitle(), Txt(569));

    // The tips come through the notifier, connected before they existed.
    emit Melder().TippsVerlangt(Form1);
    ASSERT_NE(TippsDlg, nullptr);
    EXPECT_TRUE(TippsDlg->isVisible());
    EXPECT_EQ(std::pair(TippsDlg->windowTitle(), LabelText(TippsDlg, "Memo7")),
              std::pair(Txt(482), Txt(493) + QLatin1Char('\n') + Txt(494) + QLatin1Char('\n') + Txt(495)));

    Form1->ber1->trigger();
    ASSERT_NE(AboutBox, nullptr);
    EXPECT_EQ(modal.Gezeigt, std::vector<QDialog*>{AboutBox});
    EXPECT_EQ(AboutBox->Label5->text(), QStringLiteral("<a href=\"%1\">%1</a>").arg(Txt(517)));
    EXPECT_TRUE(AboutBox->PageControl1->isTabVisible(AboutBox->PageControl1->indexOf(AboutBox->TabSheet3)));

    // Made once: later uses show the same dialogs, and a language switch
    // reaches them.
    const std::vector<QWidget*> gemacht = {AboutBox, TippsDlg, HotkeyDlg, TastenDlg};
    Form1->ber1->trigger();
    Form1->Kopieren1->trigger();
    HotkeyDlg->hide();
    Form1->Hotkeys2->trigger();
    Form1->astensteuerung1->trigger();
    EXPECT_EQ((std::vector<QWidget*>{AboutBox, TippsDlg, HotkeyDlg, TastenDlg}), gemacht);
    EXPECT_TRUE(HotkeyDlg->isVisible());
    Form1->deutsch1->trigger();
    EXPECT_EQ(LabelText(HotkeyDlg, "Label14"), "1. " + Txt(134));
    SetModalAnzeige(nullptr);
}

TEST_F(WerkzeugfensterAnlegenTest, TheCopyAndExportDialogsAreMadeOnFirstUseAfterALanguageSwitchAndAnOpen)
{
    const QString pfad = VollesDokumentSchreiben();
    FakeModal modal;
    SetModalAnzeige(&modal);
    ProgrammStarten({});
    auto dialoge = [] {
        return std::vector<QWidget*>{KopierDlg, KopierDlg8, WordDlg, ExcelDlg, WertetabKopierDlg};
    };
    EXPECT_EQ(dialoge(), std::vector<QWidget*>(5, nullptr));
    Form1->english1Click();
    ASSERT_TRUE(Form1->oeffne(pfad.toStdString()));

    // The value table's own button: its dialog only, in English.
    Wertetabelle()->show();
    Form2->SpeedButton2->click();
    ASSERT_NE(WordDlg, nullptr);
    EXPECT_TRUE(WordDlg->isVisible());
    EXPECT_EQ(WordDlg->windowTitle(), Txt(402));
    EXPECT_EQ((std::vector<QWidget*>{KopierDlg, KopierDlg8, ExcelDlg, WertetabKopierDlg}), std::vector<QWidget*>(4, nullptr));
    // Through the notifier, connected before the dialog existed.
    emit Melder().ExportVerlangt(TExportArt::Tabellenkalkulation);
    ASSERT_NE(ExcelDlg, nullptr);
    EXPECT_TRUE(ExcelDlg->isVisible());
    EXPECT_EQ(ExcelDlg->windowTitle(), Txt(401));

    // The copy dialog, and the export it sends the table to.
    modal.Antwort = [](QDialog& d) {
        auto& kopieren = static_cast<TKopierDlg&>(d);
        kopieren.R5->setChecked(true);
        kopieren.OKBtnClick();
    };
    Form1->SpeedButton2->click();
    ASSERT_NE(KopierDlg, nullptr);
    EXPECT_EQ(modal.Gezeigt, std::vector<QDialog*>{KopierDlg});
    EXPECT_EQ(std::pair(KopierDlg->windowTitle(), KopierDlg->R5->text()), std::pair(Txt(228), Txt(421)));
    ASSERT_NE(WertetabKopierDlg, nullptr);
    EXPECT_TRUE(WertetabKopierDlg->isVisible());
    EXPECT_EQ(KopierDlg8, nullptr);

    // The picture's choice of the menu is kept in the dialog made for it.
    KopierDlg->BitmapWaehlen(true);
    TKopierDlg* kopieren = KopierDlg;
    Form1->GraphenalsMetadatei1Click();
    EXPECT_EQ(KopierDlg, kopieren);
    EXPECT_FALSE(KopierDlg->Bitmap());
    SetModalAnzeige(nullptr);
}

// The value table is made once the first picture is painted, or at once
// when something asks for it first; made late, it shows the calculator,
// the function and the rows of the state in the language in force, follows
// the main window and its menu item, and draws no picture.
TEST_F(WerkzeugfensterAnlegenTest, TheValueTableIsMadeAfterTheFirstPictureOrWhenAskedFirst)
{
    ProgrammStarten({});
    EXPECT_EQ(Form2, nullptr);
    WertetabelleNachDemBild();
    QCoreApplication::processEvents();
    EXPECT_EQ(Form2, nullptr);  // nothing painted yet
    EXPECT_TRUE(Form1->PopupMenu2->actions().isEmpty());
    Graphik->PaintBox1->repaint();
    EXPECT_EQ(Form2, nullptr);  // the picture first
    EXPECT_EQ(Form1->Autor1, nullptr);
    QCoreApplication::processEvents();
    ASSERT_NE(Form2, nullptr);
    EXPECT_FALSE(Form2->isVisible());
    // The template and example menus are filled then too.
    EXPECT_NE(Form1->Autor1, nullptr);
    EXPECT_FALSE(Form1->PopupMenu1->actions().isEmpty());
    const TForm2* gemacht = Form2;
    EXPECT_EQ(Wertetabelle(), gemacht);
}

// The template and example menus get their items when one of them first
// opens, captioned in the language in force, each item bound once.
TEST_F(WerkzeugfensterAnlegenTest, TheExampleMenusFilledOnFirstOpeningSpeakTheLanguageInForce)
{
    for (QMenu* TForm1::*menue : {&TForm1::PopupMenu1, &TForm1::PopupMenu2, &TForm1::Beispiele2}) {
        ProgrammStarten({});
        EXPECT_EQ(Form1->Autor1, nullptr);
        Form1->english1Click();
        // Filling captions nothing outside the menus.
        Form1->SpeedButton3->setText("Neu?");
        QMenu* m = Form1->*menue;
        m->popup(QPoint(0, 0));
        m->hide();
        EXPECT_EQ(Form1->SpeedButton3->text(), "Neu?");
        ASSERT_NE(Form1->Autor1, nullptr) << m->objectName().toStdString();
        EXPECT_EQ(Form1->Autor1->text(), Txt(35));
        EXPECT_EQ(Form1->Autor1->statusTip(), Txt(519));
        // Every item there is, in the words a full captioning gives it.
        QStringList texte;
        const auto lesen = [&texte] {
            texte.clear();
            for (QMenu* n : {Form1->PopupMenu1, Form1->PopupMenu2, Form1->Beispiele1, Form1->Beispiele2})
                for (const QAction* a : n->findChildren<QAction*>())
                    texte << a->objectName() + '=' + a->text() + '|' + a->statusTip();
            return texte;
        };
        const QStringList gefuellt = lesen();
        const TBeschriftungsErgebnis ergebnis = BeschriftungAnwenden(Form1);
        EXPECT_TRUE(ergebnis.Fehlend.empty());
        EXPECT_EQ(lesen(), gefuellt);
        EXPECT_TRUE(BeschriftungAnwenden(Form1, Form1->PopupMenu2).Fehlend.empty());
        // Filled once: another opening adds nothing.
        const qsizetype anzahl = Form1->findChildren<QAction*>().size();
        Form1->PopupMenu2->popup(QPoint(0, 0));
        Form1->PopupMenu2->hide();
        Form1->BeispielmenuesFuellen();
        EXPECT_EQ(Form1->findChildren<QAction*>().size(), anzahl);
        ProgrammBeenden();
    }
}

TEST_F(WerkzeugfensterAnlegenTest, AValueTableMadeLateShowsTheStateInTheLanguageInForce)
{
    const QString pfad = VollesDokumentSchreiben();
    ProgrammStarten({});
    Form1->english1Click();
    ASSERT_TRUE(Form1->oeffne(pfad.toStdString()));
    const std::string term = Funktionen[0]->GetTerm();
    const int bilder = Graphik->Neuzeichnungen();

    Form1->Wertetabelle1->trigger();
    ASSERT_NE(Form2, nullptr);
    EXPECT_TRUE(Form2->isVisible());
    EXPECT_EQ(Graphik->Neuzeichnungen(), bilder);
    EXPECT_EQ(Funktionen[0]->GetTerm(), term);
    EXPECT_EQ(Form2->GroupBox1->title(), QLatin1Char(' ') + Txt(307) + QLatin1Char(' '));
    EXPECT_EQ(std::pair(Form2->Edit2->text(), Form2->Edit3->text()), std::pair(QStringLiteral("1"), QStringLiteral("2")));
    EXPECT_TRUE(Form2->Edit3->isVisibleTo(Form2));
    EXPECT_TRUE(Form2->windowTitle().contains(QString::fromStdString(term))) << Form2->windowTitle().toStdString();
    // Its rows are those of the state: filling again changes none.
    QStringList zeilen;
    for (int c = 0; c < 26; ++c)
        zeilen << Form2->Zelle(c, 0) << Form2->Zelle(c, 1);
    EXPECT_FALSE(Form2->Zelle(13, 1).trimmed().isEmpty());
    Form2->FillValueTable();
    QStringList wieder;
    for (int c = 0; c < 26; ++c)
        wieder << Form2->Zelle(c, 0) << Form2->Zelle(c, 1);
    EXPECT_EQ(wieder, zeilen);

    // Connected: the menu item and the main window's moves reach it.
    EXPECT_TRUE(Form2->Gewuenscht);
    Form1->Wertetabelle1->setChecked(false);
    EXPECT_FALSE(Form2->Gewuenscht);
    const QPoint vorher = Form2->pos();
    const QRect haupt = Rahmen(Form1);
    emit Melder().HauptfensterBewegt(haupt.translated(0, -40));
    EXPECT_EQ(Form2->pos().y(), vorher.y() - 40);
}
