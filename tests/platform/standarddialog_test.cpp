// Qt's own dialogs in the program's language, and the folder the file
// dialogs start in. No dialog is shown: the widgets are only built.

#include "platform/dateidialog.h"
#include "platform/sprache.h"

#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct StandardText {
    QString Ja, Nein, SuchenIn;
};

StandardText StandardTexte()
{
    QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
    QFileDialog datei(nullptr);
    datei.setOption(QFileDialog::DontUseNativeDialog);
    const auto* suchenIn = datei.findChild<QLabel*>(QStringLiteral("lookInLabel"));
    return {box.button(QMessageBox::Yes)->text(), box.button(QMessageBox::No)->text(),
            suchenIn ? suchenIn->text() : QString()};
}

TEST(StandardDialoge, SpeakTheProgramsLanguageAndSwitchBack)
{
    ASSERT_TRUE(LoadStandardDialogLanguage(SpracheDeutsch)) << "qtbase_de.qm missing (qt6-translations-l10n)";
    StandardText t = StandardTexte();
    EXPECT_EQ(t.Ja, QStringLiteral("&Ja"));
    EXPECT_EQ(t.Nein, QStringLiteral("&Nein"));
    EXPECT_EQ(t.SuchenIn, QStringLiteral("Suchen in:"));
    for (int sprache : {SpracheEnglisch, SpracheDritte}) {
        EXPECT_TRUE(LoadStandardDialogLanguage(sprache));
        t = StandardTexte();
        EXPECT_EQ(t.Ja, QStringLiteral("&Yes")) << sprache;
        EXPECT_EQ(t.SuchenIn, QStringLiteral("Look in:")) << sprache;
        ASSERT_TRUE(LoadStandardDialogLanguage(SpracheDeutsch));
        EXPECT_EQ(StandardTexte().Nein, QStringLiteral("&Nein")) << sprache;
    }
    LoadStandardDialogLanguage(SpracheEnglisch);
}

TEST(StandardDialoge, StartInTheLastFolderElseDocumentsElseHome)
{
    QTemporaryDir zuletzt, dokumente;
    ASSERT_TRUE(zuletzt.isValid() && dokumente.isValid());
    const QString weg = zuletzt.filePath(QStringLiteral("weg"));
    struct Fall {
        QString Zuletzt, Dokumente, Start;
    };
    for (const Fall& f : {Fall{zuletzt.path(), dokumente.path(), zuletzt.path()},
                          Fall{weg, dokumente.path(), dokumente.path()}, Fall{QString(), dokumente.path(), dokumente.path()},
                          Fall{weg, weg, QDir::homePath()}, Fall{QString(), QString(), QDir::homePath()}}) {
        EXPECT_EQ(DialogStartOrdner(f.Zuletzt, f.Dokumente), f.Start) << f.Zuletzt.toStdString() << " "
                                                                      << f.Dokumente.toStdString();
    }
}

}  // namespace
