// The standard dialogs behind their interfaces, their language, their start
// folders and the font dialog's colour. No dialog is shown.

#include "engine/tabellen.h"
#include "platform/dateidialog.h"
#include "platform/dialoge.h"
#include "platform/einstellungsordner.h"
#include "platform/fensterhilfen.h"
#include "platform/schriftdialog.h"
#include "platform/sprache.h"

#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

struct FakeFrage : TJaNeinFrage {
    QMessageBox::StandardButton Antwort = QMessageBox::Yes;
    QString Caption, Text;
    QMessageBox::StandardButton Frage(const QString& caption, const QString& text) override
    {
        std::tie(Caption, Text) = std::tuple(caption, text);
        return Antwort;
    }
};

TEST(StandardDialoge, OnlyAnExplicitYesIsYesAskedUnderTheLanguagesCaption)
{
    FakeFrage fake;
    SetJaNeinFrage(&fake);
    Texte[328] = "Bestätigung";
    // No, Escape, the title bar's close button, or a box that never showed.
    for (auto [antwort, ergebnis] : {std::pair{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDNO},
                                     {QMessageBox::Close, IDNO}, {QMessageBox::Abort, IDNO}, {QMessageBox::NoButton, IDNO}}) {
        fake.Antwort = antwort;
        EXPECT_EQ(AskYesNo(std::string("Möchten Sie die vorhandene Datei überschreiben?")), ergebnis) << antwort;
    }
    EXPECT_EQ(std::tuple(fake.Caption, fake.Text), std::tuple(QString::fromUtf8("Bestätigung"),
                                                            QString::fromUtf8("Möchten Sie die vorhandene Datei überschreiben?")));
    SetJaNeinFrage(nullptr);
    EXPECT_NE(JaNeinFrage(), nullptr) << "without a fake the real message box asks";
    AllesNullen();
}

TEST(StandardDialoge, SpeakTheProgramsLanguageAndSwitchBack)
{
    auto texte = [] {
        QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
        QFileDialog datei(nullptr);
        datei.setOption(QFileDialog::DontUseNativeDialog);
        const auto* suchenIn = datei.findChild<QLabel*>(QStringLiteral("lookInLabel"));
        return QStringList{box.button(QMessageBox::Yes)->text(), box.button(QMessageBox::No)->text(),
                           suchenIn ? suchenIn->text() : QString()};
    };
    ASSERT_TRUE(LoadStandardDialogLanguage(SpracheDeutsch)) << "qtbase_de.qm missing (qt6-translations-l10n)";
    EXPECT_EQ(texte(), (QStringList{"&Ja", "&Nein", "Suchen in:"}));
    // The third language has no dialog translation: English.
    EXPECT_TRUE(LoadStandardDialogLanguage(SpracheDritte));
    EXPECT_EQ(texte(), (QStringList{"&Yes", "&No", "Look in:"}));
    LoadStandardDialogLanguage(SpracheEnglisch);
}

TEST(StandardDialoge, StartInTheLastFolderElseDocumentsElseHome)
{
    QTemporaryDir zuletzt, dokumente;
    ASSERT_TRUE(zuletzt.isValid() && dokumente.isValid());
    const QString weg = zuletzt.filePath(QStringLiteral("weg")), z = zuletzt.path(), d = dokumente.path();
    const QString faelle[][3] = {{z, d, z}, {weg, d, d}, {QString(), d, d}, {weg, weg, QDir::homePath()},
                                 {QString(), QString(), QDir::homePath()}};
    for (const auto& [letzter, dok, start] : faelle)
        EXPECT_EQ(DialogStartOrdner(letzter, dok), start) << letzter.toStdString() << " " << dok.toStdString();
}

TEST(StandardDialoge, ShellFolderNumbersFollowTheXdgVariables)
{
    QTemporaryDir konfig, daten;
    ASSERT_TRUE(konfig.isValid() && daten.isValid());
    setenv("XDG_CONFIG_HOME", konfig.path().toLocal8Bit().constData(), 1);
    setenv("XDG_DATA_HOME", daten.path().toLocal8Bit().constData(), 1);
    EXPECT_EQ(std::tuple(GetSpecialFolderPath(CSIDL_APPDATA), GetSpecialFolderPath(CSIDL_LOCAL_APPDATA), Einstellungsordner()),
              std::tuple(konfig.path(), daten.path(), QDir(konfig.path()).filePath(QStringLiteral("tessaplun"))));
    EXPECT_FALSE(GetSpecialFolderPath(CSIDL_PERSONAL).isEmpty());
    // Numbers without a counterpart give nothing, as a failed shell call.
    for (const int ohne : {-1, 2, 27, 0x23, 1000})
        EXPECT_TRUE(GetSpecialFolderPath(ohne).isEmpty()) << ohne;
    unsetenv("XDG_CONFIG_HOME");
    unsetenv("XDG_DATA_HOME");
}

struct FakeFarbe : TFarbDialog {
    std::optional<TColor> Antwort;
    std::vector<TColor> Vorgaben;
    std::optional<TColor> Waehle(TColor vorgabe) override { return Vorgaben.push_back(vorgabe), Antwort; }
};

// The font dialog, built but not run: what it is preset with comes back
// unchanged, and its colour button goes through the colour dialog.
TEST(StandardDialoge, FontPresetComesBackUnchangedAndTheColourComesFromTheColourDialog)
{
    for (const QString& name : {QStringLiteral("Tahoma"), QStringLiteral("Kein Font von hier")})
        for (std::uint8_t stil : {0, int(fsBold), int(fsItalic), int(fsUnderline), int(fsStrikeOut), 15}) {
            TSchriftAuswahl d;
            const TFont vorgabe{name, 13, RGB(1, 2, 3), stil};
            d.Setzen(vorgabe);
            // A face the system lacks is shown as another and given back by
            // its own name while the user keeps it.
            EXPECT_EQ(d.Ergebnis(), vorgabe) << name.toStdString() << " " << int(stil);
        }

    FakeFarbe farbe;
    SetFarbDialog(&farbe);
    TSchriftAuswahl d;
    d.Setzen(TFont{QStringLiteral("Tahoma"), 10, clBlue, 0});
    d.FarbKnopf->click();  // cancelled
    EXPECT_EQ(farbe.Vorgaben, (std::vector<TColor>{clBlue}));
    EXPECT_EQ(d.Ergebnis().Color, clBlue);
    farbe.Antwort = clRed;
    d.FarbKnopf->click();
    EXPECT_EQ(d.Ergebnis().Color, clRed);
    // The button shows the colour chosen.
    EXPECT_EQ(d.FarbKnopf->icon().pixmap(24, 12).toImage().pixelColor(5, 5), QColor(Qt::red));
    SetFarbDialog(nullptr);
}

}  // namespace
