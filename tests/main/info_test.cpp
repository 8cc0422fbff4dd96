// The about and tips windows and the captions of the print, copy and
// export dialogs in both languages.
#include "druck_fakes.h"

#include "main/druck_dlg.h"
#include "main/export_dlg.h"
#include "main/form1.h"
#include "main/formoeffne.h"
#include "main/kopier_dlg.h"
#include "platform/sprache.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QUrl>

namespace {

using Info = DruckTest;

TEST_F(Info, AboutWindowShowsTheTermsOfTheLanguageInForce)
{
    auto sichtbar = [](QWidget* seite) {
        return AboutBox->PageControl1->isTabVisible(AboutBox->PageControl1->indexOf(seite));
    };
    Form1->ber1Click();
    ASSERT_EQ(Modal.Gezeigt.size(), 1u);
    EXPECT_EQ(Modal.Gezeigt[0], AboutBox);
    EXPECT_TRUE(sichtbar(AboutBox->TabSheet2));
    EXPECT_FALSE(sichtbar(AboutBox->TabSheet3));
    EXPECT_FALSE(AboutBox->Image1->pixmap().isNull());
    Form1->english1->setChecked(true);
    Form1->ber1Click();
    EXPECT_FALSE(sichtbar(AboutBox->TabSheet2));
    EXPECT_TRUE(sichtbar(AboutBox->TabSheet3));
}

TEST_F(Info, LinksOpenOnlyWebAddresses)
{
    AboutBox->Label5Click(AboutBox->Label5);
    AboutBox->BitBtn2Click(AboutBox->BitBtn1);
    TippsDlg->SpeedButton1Click(TippsDlg->SpeedButton1);
    ASSERT_EQ(Oeffner.Geoeffnet.size(), 3u);
    EXPECT_EQ(Oeffner.Geoeffnet[0].scheme(), QStringLiteral("https"));
    EXPECT_EQ(Oeffner.Geoeffnet[2], QUrl(Txt(516)));
    // An address of another kind in a hint opens nothing.
    AboutBox->Label5->setToolTip(QStringLiteral("file:///usr/bin/xterm"));
    AboutBox->Label5Click(AboutBox->Label5);
    AboutBox->BitBtn2->setToolTip(QStringLiteral("/bin/sh"));
    AboutBox->BitBtn2Click(AboutBox->BitBtn2);
    // A sender of the wrong kind does nothing either.
    AboutBox->Label5Click(AboutBox->BitBtn1);
    EXPECT_EQ(Oeffner.Geoeffnet.size(), 3u);
}

// The dialogs are captioned by the caption table alone: tab pages, the
// tips' memos line by line, the about window's link, in either language.
TEST_F(Info, CaptionsFollowTheLanguage)
{
    auto label = [](QWidget* w, const char* name) {
        auto* l = w->findChild<QLabel*>(QString::fromLatin1(name));
        return l ? l->text() : QStringLiteral("<missing>");
    };
    auto link = [](const QString& adresse) { return QStringLiteral("<a href=\"%1\">%1</a>").arg(adresse); };
    EXPECT_EQ(KopierDlg8->windowTitle(), QStringLiteral("Kopieren der Graphen ..."));
    EXPECT_EQ(DruckDlg->GroupBox2->title(), QStringLiteral(" Optionen Schwarz-Weiß-Drucker  "));
    EXPECT_EQ(label(AboutBox, "Label10"), QStringLiteral("Webseite:"));
    EXPECT_EQ(AboutBox->Label5->toolTip(), Txt(517));
    EXPECT_EQ(AboutBox->Label5->text(), link(Txt(517)));
    EXPECT_EQ(label(TippsDlg, "Memo7"), Txt(493) + QLatin1Char('\n') + Txt(494) + QLatin1Char('\n') + Txt(495));
    const QString adresseDeutsch = Txt(517);

    Form1->english1->trigger();
    EXPECT_EQ(KopierDlg8->windowTitle(), Txt(423) + QStringLiteral(" ..."));
    EXPECT_EQ(WordDlg->PageControl1->tabText(1), QStringLiteral("Help"));
    EXPECT_EQ(label(AboutBox, "Label10"), QStringLiteral("Website:"));
    EXPECT_NE(Txt(517), adresseDeutsch);
    EXPECT_EQ(AboutBox->Label5->text(), link(Txt(517)));
    EXPECT_EQ(label(TippsDlg, "Memo10"), Txt(491) + QLatin1Char('\n') + Txt(492));
    EXPECT_EQ(label(TippsDlg, "Memo7").count(QLatin1Char('\n')), 2) << "lines replaced, not added";
    // The link opens what it shows.
    AboutBox->Label5Click(AboutBox->Label5);
    ASSERT_EQ(Oeffner.Geoeffnet.size(), 1u);
    EXPECT_EQ(Oeffner.Geoeffnet[0], QUrl(Txt(517)));

    // A language without an address shows no link.
    Form1->franzsisch1->trigger();
    EXPECT_EQ(AboutBox->Label5->text(), QString());
}

}  // namespace
