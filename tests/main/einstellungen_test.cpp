// The settings file and the start template: what is written when, and
// what is said about it.

#include "programm_fixture.h"

#include "engine/dokument.h"
#include "tools/einheit_dlg.h"
#include "main/einstell_dlg.h"
#include "tools/trace_dlg.h"
#include "tools/beschriftung_dlg.h"
#include "tools/flaechen_dlg.h"
#include "tools/kreise_dlg.h"
#include "tools/punkte_dlg.h"
#include "tools/senkrechte_dlg.h"
#include "tools/uebersicht_dlg.h"

#include <QFileInfo>
#include <QFrame>

// OK asks first; only Yes writes, the whole record with the reserved bytes
// as they were read, and only then says so. Cancel keeps the box's change
// in memory only.
TEST_F(ProgrammTest, OptionsDialogWritesTheWholeRecordOnlyAfterYes)
{
    TEinstellungen e;
    e.Reserve0 = {9, 8, 7};
    e.Reserve72[20] = 0x55;
    EinstellungenSchreiben(e);
    const QByteArray vorher = DateiLesen(Einstellungsdatei());
    Starten();

    Form1->eigeneEinstellungenverwenden1->trigger();
    EXPECT_FALSE(Form1->eigeneEinstellungenverwenden1->isChecked()) << "the click alone does not tick it";
    EinstellDlg->CheckBox2->click();
    EXPECT_EQ(Einstellungen.Startvorlage, 1);
    EXPECT_TRUE(Form1->eigeneEinstellungenverwenden1->isChecked());

    Frage.Antwort = QMessageBox::No;
    EinstellDlg->OKBtn->click();
    EXPECT_EQ(Frage.Fragen.size(), 1u);
    EXPECT_TRUE(EinstellDlg->isVisible());
    EXPECT_EQ(DateiLesen(Einstellungsdatei()), vorher);
    EXPECT_TRUE(Meldung.Meldungen.empty());

    Frage.Antwort = QMessageBox::Yes;
    EinstellDlg->OKBtn->click();
    EXPECT_FALSE(EinstellDlg->isVisible());
    EXPECT_EQ(Meldung.Meldungen, std::vector<QString>{Txt(220)});
    TEinstellungen erwartet = e;
    erwartet.Startvorlage = 1;
    EXPECT_EQ(GespeicherteEinstellungen(), erwartet);

    // Cancel: the box's change stays in memory, the file keeps the old value.
    Form1->eigeneEinstellungenverwenden1->trigger();
    EinstellDlg->CheckBox2->click();
    EinstellDlg->CancelBtn->click();
    EXPECT_FALSE(EinstellDlg->isVisible());
    EXPECT_EQ(Einstellungen.Startvorlage, 0);
    EXPECT_FALSE(Form1->eigeneEinstellungenverwenden1->isChecked());
    EXPECT_EQ(GespeicherteEinstellungen().Startvorlage, 1);
}

// A new user: nothing is created at start; the first option written makes
// the folder and a record that is zero but for what was chosen.
TEST_F(ProgrammTest, FirstOptionCreatesFolderAndAZeroRecord)
{
    Starten();
    EXPECT_FALSE(QFileInfo::exists(Einstellungsordner())) << "looking for the template creates nothing";

    Frage.Antwort = QMessageBox::No;
    Form1->mitWertetabellestarten1->trigger();
    EXPECT_FALSE(Form1->mitWertetabellestarten1->isChecked());
    EXPECT_FALSE(QFileInfo::exists(Einstellungsordner()));

    Frage.Antwort = QMessageBox::Yes;
    Form1->mitWertetabellestarten1->trigger();
    EXPECT_TRUE(Form1->mitWertetabellestarten1->isChecked());
    EXPECT_EQ(Meldung.Meldungen.size(), 1u);
    QByteArray soll(1096, '\0');
    soll[3] = soll[7] = 1;
    EXPECT_EQ(DateiLesen(Einstellungsdatei()).toHex(), soll.toHex());

    Form1->mitWertetabellestarten1->trigger();
    EXPECT_EQ(Frage.Fragen, (std::vector<QString>{Txt(218), Txt(218), Txt(219)})) << "the question says which way";
    EXPECT_FALSE(Form1->mitWertetabellestarten1->isChecked());
    EXPECT_EQ(GespeicherteEinstellungen().MitWertetabelle, 0);
}

// Choosing a language or a unit stores it at once, without a word.
TEST_F(ProgrammTest, LanguageAndUnitAreStoredAtOnceWithoutAWord)
{
    Starten();
    Form1->english1->trigger();
    EXPECT_EQ(GespeicherteEinstellungen().Sprache, SpracheEnglisch);
    EXPECT_TRUE(EinheitXDlg->Label1->text().endsWith(" 1/2 in"));
    Form1->cm->trigger();
    EXPECT_EQ(std::tuple(GespeicherteEinstellungen().Sprache, GespeicherteEinstellungen().Einheit),
              std::tuple(SpracheEnglisch, 1.0));
    EXPECT_TRUE(Meldung.Meldungen.empty());
    // The unit windows name the unit of length in force.
    EXPECT_TRUE(EinheitXDlg->Label1->text().endsWith(" 1 cm") && EinheitYDlg->Label1->text().endsWith(" 1 cm"));
}

// A write that fails is reported and never called "saved"; where there is
// no settings folder at all, nothing is said. The unit is drawn anyway.
TEST_F(ProgrammTest, FailedSettingsWritesNeverSaySaved)
{
    Starten();
    // The settings file's place is taken by a folder: the write fails.
    ASSERT_TRUE(QDir().mkpath(Einstellungsdatei()));
    Frage.Antwort = QMessageBox::Yes;
    Form1->mitWertetabellestarten1->trigger();
    Form1->franzsisch1->trigger();
    ASSERT_EQ(Meldung.Meldungen.size(), 2u);
    for (const QString& m : Meldung.Meldungen) {
        EXPECT_TRUE(m.startsWith("Die Einstellungen konnten nicht gespeichert werden:")) << m.toStdString();
        EXPECT_TRUE(m.contains(Einstellungsdatei()));
    }
    EXPECT_TRUE(QFileInfo(Einstellungsdatei()).isDir()) << "nothing in the way was removed";
    Form1->deutsch1->trigger();
    Meldung.Meldungen.clear();

    // No folder can be made at all (the configuration folder is a file).
    const QString datei = Konfig.filePath("keinOrdner");
    ASSERT_TRUE(QFile(datei).open(QIODevice::WriteOnly));
    setenv("XDG_CONFIG_HOME", (datei + "/unter").toLocal8Bit().constData(), 1);
    const int lineal = Graphik->Shape6->width();
    Form1->Inch->trigger();
    EXPECT_DOUBLE_EQ(Graphik->Massstab, 1.27);
    EXPECT_GT(Graphik->Shape6->width(), lineal) << "the drawing follows the unit";
    EXPECT_EQ(Einstellungen.Einheit, 2.0);
    Form1->franzsisch1->trigger();
    Form1->english1->trigger();
    Form1->mitWertetabellestarten1->trigger();
    EXPECT_TRUE(Meldung.Meldungen.empty());
    EXPECT_FALSE(QFileInfo::exists(datei + "/unter"));
}

// The template: written as a whole document, asked before it replaces one,
// reported when it cannot be written; the dialog shows whether it exists.
TEST_F(ProgrammTest, StartTemplateIsWrittenAskedForAndReported)
{
    Starten();
    Frage.Antwort = QMessageBox::Yes;
    Form1->Edit1->setText("f(x) = 3*x");
    EinstellDlg->BitBtn3->click();
    EXPECT_TRUE(Frage.Fragen.empty()) << "nothing to replace yet";
    const QByteArray erste = DateiLesen(Startvorlage());
    ASSERT_EQ(erste.size(), 115441);
    EXPECT_EQ(EinstellDlg->Label2->text(), "ja");

    Form1->Edit1->setText("f(x) = 4*x");
    Frage.Antwort = QMessageBox::No;
    EinstellDlg->BitBtn3->click();
    EXPECT_EQ(Frage.Fragen, std::vector<QString>{Txt(434)});
    EXPECT_EQ(DateiLesen(Startvorlage()), erste);
    Frage.Antwort = QMessageBox::Yes;
    EinstellDlg->BitBtn3->click();
    EXPECT_NE(DateiLesen(Startvorlage()), erste);
    EXPECT_TRUE(Meldung.Meldungen.empty());

    // Its place taken by a folder: the write fails and says so.
    QFile::remove(Startvorlage());
    ASSERT_TRUE(QDir().mkpath(Startvorlage()));
    EinstellDlg->BitBtn3->click();
    EXPECT_EQ(Meldung.Meldungen, std::vector<QString>{Txt(435)});
    EXPECT_EQ(EinstellDlg->Label2->text(), "nein");

    // A template put there meanwhile (by another copy of the program, say)
    // is seen when the dialog opens again.
    ASSERT_TRUE(QDir().rmdir(Startvorlage()));
    DateiSchreiben(Startvorlage(), erste);
    Form1->eigeneEinstellungenverwenden1->trigger();
    EXPECT_EQ(EinstellDlg->Label2->text(), "ja");
}

// Translucency is switched for the session over nine windows and not
// written; the start makes the tool windows translucent again.
TEST_F(ProgrammTest, TranslucencyToggleCoversNineWindowsForTheSession)
{
    Starten();
    for (const int alpha : {255, 240}) {
        SCOPED_TRACE(alpha);
        Form1->ransparenzderZubehrfenster1->trigger();
        EXPECT_EQ(Form1->ransparenzderZubehrfenster1->isChecked(), alpha == 240);
        EXPECT_EQ(Einstellungen.Transparent, alpha == 240 ? 1 : 0);
        for (QWidget* w : std::initializer_list<QWidget*>{Uebersicht_Dlg, BeschriftungDlg, SenkrechteDlg, PunkteDlg,
                                                          KreiseDlg, FlaechenDlg, TraceParam, EinheitXDlg, EinheitYDlg}) {
            EXPECT_NEAR(w->windowOpacity(), alpha / 255.0, 0.01) << w->objectName().toStdString();
            if (auto* regler = w->findChild<QSlider*>("TrackBar2")) {
                EXPECT_EQ(regler->value(), alpha) << w->objectName().toStdString();
            }
        }
    }
    EXPECT_FALSE(QFileInfo::exists(Einstellungsdatei()));
}

// What the commands stored, the next start honours (the template and its
// option are read back with the start tests).
TEST_F(ProgrammTest, NextStartHonoursTheStoredOptions)
{
    Starten();
    Frage.Antwort = QMessageBox::Yes;
    Form1->english1->trigger();
    Form1->Inch->trigger();
    Form1->mitWertetabellestarten1->trigger();
    ProgrammBeenden();
    Starten();
    EXPECT_EQ(std::tuple(Form1->english1->isChecked(), Form1->Datei1->title(), Form1->Inch->isChecked(),
                         Graphik->Massstab, Form2->isVisible()),
              std::tuple(true, "File", true, 1.27, true));
}
