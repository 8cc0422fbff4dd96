// The settings file and the start template: the options dialog, the start
// options of the menu, the unit and the translucency, what is written when
// and what is said about it, and what the next start makes of it.

#include "programm_fixture.h"

#include "engine/dokument.h"
#include "graph/graphik.h"
#include "main/einstell_dlg.h"
#include "main/form1.h"
#include "main/trace_dlg.h"
#include "main/einheit_dlg.h"
#include "main/wertetabelle_fenster.h"
#include "platform/sprache.h"
#include "tools/beschriftung_dlg.h"
#include "tools/flaechen_dlg.h"
#include "tools/kreise_dlg.h"
#include "tools/punkte_dlg.h"
#include "tools/senkrechte_dlg.h"
#include "tools/uebersicht_dlg.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>

namespace {

QByteArray Lesen(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEinstellungen Gespeichert()
{
    const QByteArray b = Lesen(Einstellungsdatei());
    const auto e = DecodeEinstellungen(
        std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(b.constData()), static_cast<std::size_t>(b.size())));
    EXPECT_TRUE(e.has_value()) << "a settings file of " << b.size() << " bytes";
    return e.value_or(TEinstellungen{});
}

}  // namespace

// OK asks first; only Yes writes, the whole record with the reserved bytes
// as they were read, and only then says so. Cancel keeps the box's change
// in memory only.
TEST_F(ProgrammTest, OptionsDialogWritesTheWholeRecordOnlyAfterYes)
{
    TEinstellungen e;
    for (std::size_t i = 0; i < e.Reserve72.size(); ++i)
        e.Reserve72[i] = static_cast<std::uint8_t>(i * 7 + 1);
    e.Reserve0 = {9, 8, 7};
    e.Reserve8[19] = 0x55;
    e.Reserve32[0] = 0xAA;
    EinstellungenSchreiben(e);
    const QByteArray vorher = Lesen(Einstellungsdatei());
    Starten();

    Form1->eigeneEinstellungenverwenden1->trigger();
    EXPECT_TRUE(EinstellDlg->isVisible());
    EXPECT_FALSE(Form1->eigeneEinstellungenverwenden1->isChecked()) << "the click alone does not tick it";
    EinstellDlg->CheckBox2->click();
    EXPECT_EQ(Einstellungen.Startvorlage, 1);
    EXPECT_TRUE(Form1->eigeneEinstellungenverwenden1->isChecked());

    Frage.Antwort = QMessageBox::No;
    EinstellDlg->OKBtn->click();
    ASSERT_EQ(Frage.Fragen.size(), 1u);
    EXPECT_EQ(Frage.Fragen[0], QStringLiteral("Möchten Sie die Einstellungen speichern?"));
    EXPECT_TRUE(EinstellDlg->isVisible());
    EXPECT_EQ(Lesen(Einstellungsdatei()), vorher);
    EXPECT_TRUE(Meldung.Meldungen.empty());

    Frage.Antwort = QMessageBox::Yes;
    EinstellDlg->OKBtn->click();
    EXPECT_FALSE(EinstellDlg->isVisible());
    ASSERT_EQ(Meldung.Meldungen.size(), 1u);
    EXPECT_EQ(Meldung.Meldungen[0], QStringLiteral("Die Einstellungen wurden gespeichert."));
    const QByteArray nachher = Lesen(Einstellungsdatei());
    ASSERT_EQ(nachher.size(), 1096);
    TEinstellungen erwartet = e;
    erwartet.Startvorlage = 1;
    EXPECT_EQ(Gespeichert(), erwartet);

    // Cancel: the box's change stays in memory, the file keeps the old value.
    Form1->eigeneEinstellungenverwenden1->trigger();
    EinstellDlg->CheckBox2->click();
    EinstellDlg->CancelBtn->click();
    EXPECT_FALSE(EinstellDlg->isVisible());
    EXPECT_EQ(Einstellungen.Startvorlage, 0);
    EXPECT_FALSE(Form1->eigeneEinstellungenverwenden1->isChecked());
    EXPECT_EQ(Gespeichert().Startvorlage, 1);
}

// A new user: nothing is created at start; the first option written makes
// the folder and a record that is zero but for what was chosen.
TEST_F(ProgrammTest, FirstOptionCreatesFolderAndAZeroRecord)
{
    Starten();
    EXPECT_FALSE(QFileInfo::exists(Einstellungsordner())) << "looking for the template creates nothing";
    EXPECT_EQ(EinstellDlg->Label2->text(), QStringLiteral("nein"));

    Frage.Antwort = QMessageBox::No;
    Form1->mitWertetabellestarten1->trigger();
    EXPECT_FALSE(Form1->mitWertetabellestarten1->isChecked());
    EXPECT_FALSE(QFileInfo::exists(Einstellungsordner()));

    Frage.Antwort = QMessageBox::Yes;
    Form1->mitWertetabellestarten1->trigger();
    ASSERT_EQ(Frage.Fragen.size(), 2u);
    EXPECT_EQ(Frage.Fragen[1], QStringLiteral("Möchten Sie mit Wertetabelle starten?"));
    EXPECT_TRUE(Form1->mitWertetabellestarten1->isChecked());
    ASSERT_EQ(Meldung.Meldungen.size(), 1u);
    const QByteArray b = Lesen(Einstellungsdatei());
    ASSERT_EQ(b.size(), 1096);
    for (int i = 0; i < b.size(); ++i) {
        const int soll = (i == 3 || i == 7) ? 1 : 0;
        EXPECT_EQ(static_cast<int>(static_cast<std::uint8_t>(b[i])), soll) << "byte " << i;
    }

    Form1->mitWertetabellestarten1->trigger();
    EXPECT_EQ(Frage.Fragen.back(), QStringLiteral("Möchten Sie ohne Wertetabelle starten?"));
    EXPECT_FALSE(Form1->mitWertetabellestarten1->isChecked());
    EXPECT_EQ(Gespeichert().MitWertetabelle, 0);
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
        EXPECT_TRUE(m.startsWith(QStringLiteral("Die Einstellungen konnten nicht gespeichert werden:"))) << m.toStdString();
        EXPECT_TRUE(m.contains(Einstellungsdatei()));
    }
    EXPECT_TRUE(QFileInfo(Einstellungsdatei()).isDir()) << "nothing in the way was removed";
    Form1->deutsch1->trigger();
    Meldung.Meldungen.clear();

    // No folder can be made at all (the configuration folder is a file).
    const QString datei = Konfig.filePath(QStringLiteral("keinOrdner"));
    {
        QFile f(datei);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    setenv("XDG_CONFIG_HOME", (datei + QStringLiteral("/unter")).toLocal8Bit().constData(), 1);
    const int lineal = Graphik->Shape6->width();
    Form1->Inch->trigger();
    EXPECT_DOUBLE_EQ(Graphik->Massstab, 1.27);
    EXPECT_GT(Graphik->Shape6->width(), lineal) << "the drawing follows the unit";
    EXPECT_EQ(Einstellungen.Einheit, 2.0);
    Form1->franzsisch1->trigger();
    Form1->english1->trigger();
    Form1->mitWertetabellestarten1->trigger();
    EXPECT_TRUE(Meldung.Meldungen.empty());
    EXPECT_FALSE(QFileInfo::exists(datei + QStringLiteral("/unter")));
}

// The unit: mark, page scale, the unit buttons and the stored value.
TEST_F(ProgrammTest, UnitCommandsSetScaleCaptionsAndTheStoredUnit)
{
    Starten();
    struct TFall {
        QAction* Eintrag;
        double Massstab;
        const char* Knopf;
        const char* Lineal;
        double Gespeichert;
    };
    const TFall faelle[] = {
        {Form1->Inch, 1.27, "in  ", "1 inch", 2.0},
        {Form1->cm, 1.0, "cm", "1 cm", 1.0},
    };
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.Lineal);
        f.Eintrag->trigger();
        EXPECT_TRUE(f.Eintrag->isChecked());
        EXPECT_DOUBLE_EQ(Graphik->Massstab, f.Massstab);
        EXPECT_EQ(Graphik->cm1->text(), QString::fromLatin1(f.Knopf));
        EXPECT_EQ(Graphik->cm2->text(), QString::fromLatin1(f.Knopf));
        EXPECT_EQ(Graphik->cm3->text(), QString::fromLatin1(f.Lineal));
        EXPECT_EQ(Gespeichert().Einheit, f.Gespeichert);
    }
    EXPECT_TRUE(Meldung.Meldungen.empty()) << "the unit is stored without a message";
}

// The template: written as a whole document, asked before it replaces one,
// reported when it cannot be written; the dialog shows whether it exists.
TEST_F(ProgrammTest, StartTemplateIsWrittenAskedForAndReported)
{
    Starten();
    Frage.Antwort = QMessageBox::Yes;
    Form1->Edit1->setText(QStringLiteral("f(x) = 3*x"));
    EinstellDlg->BitBtn3->click();
    EXPECT_TRUE(Frage.Fragen.empty()) << "nothing to replace yet";
    const QByteArray erste = Lesen(Startvorlage());
    ASSERT_EQ(erste.size(), 115441);
    EXPECT_EQ(EinstellDlg->Label2->text(), QStringLiteral("ja"));

    Form1->Edit1->setText(QStringLiteral("f(x) = 4*x"));
    Frage.Antwort = QMessageBox::No;
    EinstellDlg->BitBtn3->click();
    ASSERT_EQ(Frage.Fragen.size(), 1u);
    EXPECT_EQ(Frage.Fragen[0],
              QStringLiteral("Sollen die noch vorhandenen eigenen Einstellungen überschrieben werden?"));
    EXPECT_EQ(Lesen(Startvorlage()), erste);

    Frage.Antwort = QMessageBox::Yes;
    EinstellDlg->BitBtn3->click();
    EXPECT_NE(Lesen(Startvorlage()), erste);
    EXPECT_TRUE(Meldung.Meldungen.empty());

    // Its place taken by a folder: the write fails and says so.
    QFile::remove(Startvorlage());
    ASSERT_TRUE(QDir().mkpath(Startvorlage()));
    EinstellDlg->BitBtn3->click();
    ASSERT_EQ(Meldung.Meldungen.size(), 1u);
    EXPECT_EQ(Meldung.Meldungen[0], QStringLiteral("Eigene Einstellungen konnten nicht gespeichert werden."));
    EXPECT_EQ(EinstellDlg->Label2->text(), QStringLiteral("nein"));

    // The explanation: its five lines and an empty one after the second.
    EinstellDlg->BitBtn4->click();
    const QStringList zeilen = Meldung.Meldungen.back().split(QLatin1Char('\n'));
    ASSERT_EQ(zeilen.size(), 6);
    EXPECT_EQ(zeilen[0], Txt(436));
    EXPECT_EQ(zeilen[2], QString());
    EXPECT_EQ(zeilen[5], Txt(440));
}

// Translucency is switched for the session over nine windows and not
// written; the start makes the tool windows translucent again.
TEST_F(ProgrammTest, TranslucencyToggleCoversNineWindowsForTheSession)
{
    Starten();
    const std::initializer_list<QWidget*> mitRegler = {Uebersicht_Dlg, BeschriftungDlg, SenkrechteDlg,
                                                       PunkteDlg,      KreiseDlg,       FlaechenDlg};
    const std::initializer_list<QWidget*> ohneRegler = {TraceParam, EinheitXDlg, EinheitYDlg};
    for (const int alpha : {255, 240}) {
        SCOPED_TRACE(alpha);
        Form1->ransparenzderZubehrfenster1->trigger();
        EXPECT_EQ(Form1->ransparenzderZubehrfenster1->isChecked(), alpha == 240);
        EXPECT_EQ(Einstellungen.Transparent, alpha == 240 ? 1 : 0);
        for (QWidget* w : mitRegler) {
            EXPECT_NEAR(w->windowOpacity(), alpha / 255.0, 0.01) << w->objectName().toStdString();
            EXPECT_EQ(w->findChild<QSlider*>(QStringLiteral("TrackBar2"))->value(), alpha);
        }
        for (QWidget* w : ohneRegler)
            EXPECT_NEAR(w->windowOpacity(), alpha / 255.0, 0.01) << w->objectName().toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(Einstellungsdatei()));
}

// What the commands stored, the next start honours: language, unit, the
// value table and the start template.
TEST_F(ProgrammTest, NextStartHonoursTheStoredOptions)
{
    Starten();
    Frage.Antwort = QMessageBox::Yes;
    Form1->english1->trigger();
    Form1->Inch->trigger();
    Form1->mitWertetabellestarten1->trigger();
    Form1->Edit1->setText(QStringLiteral("f(x) = 5*x"));
    EinstellDlg->BitBtn3->click();
    Form1->eigeneEinstellungenverwenden1->trigger();
    EinstellDlg->CheckBox2->click();
    EinstellDlg->OKBtn->click();
    ProgrammBeenden();
    Gestartet = false;

    Starten();
    EXPECT_TRUE(Form1->english1->isChecked());
    EXPECT_EQ(Form1->Datei1->title(), QStringLiteral("File"));
    EXPECT_TRUE(Form1->Inch->isChecked());
    EXPECT_DOUBLE_EQ(Graphik->Massstab, 1.27);
    EXPECT_TRUE(Form2->isVisible());
    EXPECT_TRUE(Form1->mitWertetabellestarten1->isChecked());
    EXPECT_TRUE(Form1->eigeneEinstellungenverwenden1->isChecked());
    EXPECT_TRUE(EinstellDlg->CheckBox2->isChecked());
    EXPECT_EQ(Form1->Edit1->text(), QStringLiteral("f(x) = 5*x"));
    EXPECT_EQ(EinstellDlg->Label2->text(), QStringLiteral("yes"));
}
