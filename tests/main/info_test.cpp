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
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
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

TEST_F(Info, CaptionsFollowTheLanguage)
{
    EXPECT_EQ(KopierDlg8->windowTitle(), QStringLiteral("Kopieren der Graphen ..."));
    EXPECT_EQ(DruckDlg->GroupBox2->title(), QStringLiteral(" Optionen Schwarz-Weiß-Drucker  "));
    LoadLanguage(SpracheEnglisch);
    FormOeffne->beschriften();
    EXPECT_EQ(DruckDlg->CB2->text(), Txt(364));
    EXPECT_EQ(KopierDlg->R4->text(), Txt(402) + QStringLiteral(" ..."));
    EXPECT_EQ(Txt(9), QStringLiteral("."));
    EXPECT_EQ(WordDlg->PageControl1->tabText(1), QStringLiteral("Help"));
}

}  // namespace
