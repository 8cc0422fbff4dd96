// The value table passed on: as text to the clipboard, as a workbook with
// numbers as numbers, as an RTF document; what happens when no program
// opens the file; and the windows that the dialogs hide.
#include "druck_fakes.h"

#include "main/export_dlg.h"
#include "main/form1.h"
#include "main/wertetabelle_fenster.h"

#include <QAction>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSpinBox>

namespace {

class Exportieren : public DruckTest {
protected:
    void SetUp() override
    {
        DruckTest::SetUp();
        Form2->show();
        Form2->FillValueTable();
        Form1->Wertetabelle1->setChecked(true);
    }

    void TearDown() override
    {
        for (const QUrl& url : Oeffner.Geoeffnet)
            QFile::remove(url.toLocalFile());
        DruckTest::TearDown();
    }

    // One member of an .xlsx file (a zip archive), as unzip prints it.
    static QString AusXlsx(const QString& pfad, const QString& teil)
    {
        const QString unzip = QStandardPaths::findExecutable(QStringLiteral("unzip"));
        EXPECT_FALSE(unzip.isEmpty()) << "unzip is needed";
        QProcess p;
        p.start(unzip, {QStringLiteral("-p"), pfad, teil});
        EXPECT_TRUE(p.waitForFinished(30000));
        return QString::fromUtf8(p.readAllStandardOutput());
    }
};

TEST_F(Exportieren, ClipboardTextWithTabsAndLineEnds)
{
    Form1->WertetabelleinZwischenablage1Click();
    EXPECT_TRUE(WertetabKopierDlg->isVisible());
    WertetabKopierDlg->SpeedButton1Click();
    EXPECT_FALSE(WertetabKopierDlg->isVisible());
    ASSERT_EQ(Ablage.Texte.size(), 1u);
    const QString text = Ablage.Texte[0];
    EXPECT_EQ(text.count(QStringLiteral("\r\n")), 26);
    EXPECT_TRUE(text.startsWith(QStringLiteral("   x\t   y\r\n-6\t36,00\r\n-5,5\t30,25\r\n")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("6\t36,00\r\n")));

    WertetabKopierDlg->SetItemIndex(1);
    WertetabKopierDlg->SpinEdit1->setValue(3);
    WertetabKopierDlg->SpeedButton1Click();
    ASSERT_EQ(Ablage.Texte.size(), 2u);
    EXPECT_EQ(Ablage.Texte[1], QStringLiteral("   x\t-6\t-5,5\t-5\r\n   y\t36,00\t30,25\t25,00\r\n"));
}

TEST_F(Exportieren, WorkbookHasNumbersAsNumbersAndTitlesAsText)
{
    Form1->Edit1->setText(QStringLiteral("f(x) = sqrt(x)"));
    Form1->WertetabelleanExcel1Click();
    ExcelDlg->SpinEdit1->setValue(25);
    ExcelDlg->SpeedButton1Click();
    EXPECT_FALSE(ExcelDlg->isVisible());
    EXPECT_TRUE(Meldung.Meldungen.empty());
    ASSERT_EQ(Oeffner.Geoeffnet.size(), 1u);
    const QString pfad = Oeffner.Geoeffnet[0].toLocalFile();
    EXPECT_TRUE(pfad.endsWith(QStringLiteral(".xlsx")));

    const QString blatt = AusXlsx(pfad, QStringLiteral("xl/worksheets/sheet1.xml"));
    const QString texte = AusXlsx(pfad, QStringLiteral("xl/sharedStrings.xml"));
    // Titles and undefined values are text (t="s"), the rest numbers.
    EXPECT_TRUE(blatt.contains(QRegularExpression(QStringLiteral("<c r=\"A1\" t=\"s\">"))));
    EXPECT_TRUE(blatt.contains(QRegularExpression(QStringLiteral("<c r=\"B2\" t=\"s\">"))));  // n.def. at -6
    EXPECT_TRUE(blatt.contains(QStringLiteral("<c r=\"A2\"><v>-6</v></c>")));
    EXPECT_TRUE(blatt.contains(QStringLiteral("<c r=\"A4\"><v>-5</v></c>")));
    EXPECT_TRUE(blatt.contains(QStringLiteral("<c r=\"A26\"><v>6</v></c>")));
    EXPECT_TRUE(blatt.contains(QStringLiteral("<c r=\"B22\"><v>2</v></c>")));  // sqrt(4) = 2,00
    EXPECT_FALSE(blatt.contains(QStringLiteral("A27")));
    EXPECT_TRUE(texte.contains(QStringLiteral("n.def.")));
    EXPECT_TRUE(texte.contains(QStringLiteral("   x")));

    // Horizontal: two rows.
    Form1->WertetabelleanExcel1Click();
    ExcelDlg->SetItemIndex(1);
    ExcelDlg->SpinEdit1->setValue(2);
    ExcelDlg->SpeedButton1Click();
    ASSERT_EQ(Oeffner.Geoeffnet.size(), 2u);
    const QString quer = AusXlsx(Oeffner.Geoeffnet[1].toLocalFile(), QStringLiteral("xl/worksheets/sheet1.xml"));
    EXPECT_TRUE(quer.contains(QStringLiteral("<c r=\"C1\"><v>-5.5</v></c>")));
    EXPECT_FALSE(quer.contains(QStringLiteral("D1")));
    EXPECT_FALSE(quer.contains(QStringLiteral("A3")));
}

TEST_F(Exportieren, RtfDocumentOpensInTheWordProcessor)
{
    Form1->WertetabelleanWord1Click();
    WordDlg->SpinEdit1->setValue(1);
    WordDlg->SpeedButton1Click();
    EXPECT_FALSE(WordDlg->isVisible());
    ASSERT_EQ(Oeffner.Geoeffnet.size(), 1u);
    QFile datei(Oeffner.Geoeffnet[0].toLocalFile());
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    const QByteArray rtf = datei.readAll();
    EXPECT_TRUE(rtf.startsWith("{\\rtf1"));
    EXPECT_EQ(rtf.count("\\row"), 2);
    EXPECT_TRUE(rtf.contains("\\intbl -6\\cell\n\\pard\\intbl 36,00\\cell"));
}

TEST_F(Exportieren, NoProgramForTheFileKeepsTheDialogOpenWithTheMessage)
{
    Oeffner.Ergebnis = false;
    Form1->WertetabelleanExcel1Click();
    ExcelDlg->SpeedButton1Click();
    EXPECT_TRUE(ExcelDlg->isVisible());
    ASSERT_EQ(Meldung.Meldungen.size(), 1u);
    EXPECT_TRUE(Meldung.Meldungen[0].startsWith(
        QStringLiteral("Die Wertetabelle konnte nicht an ein anderes Programm übergeben werden:\n")));
    EXPECT_TRUE(Meldung.Meldungen[0].endsWith(QStringLiteral(".xlsx")));

    Form1->WertetabelleanWord1Click();
    WordDlg->SpeedButton1Click();
    EXPECT_TRUE(WordDlg->isVisible());
    ASSERT_EQ(Meldung.Meldungen.size(), 2u);
    EXPECT_EQ(Meldung.Meldungen[1], QStringLiteral("Direktexport nach Word nicht möglich. Verwenden Sie in Tessaplun "
                                                   "die Methode Kopieren."));
}

TEST_F(Exportieren, OkAndCancelHideTheTableUnlessTheMenuShowsIt)
{
    for (TExportDlg* dlg : {static_cast<TExportDlg*>(ExcelDlg), static_cast<TExportDlg*>(WordDlg),
                            static_cast<TExportDlg*>(WertetabKopierDlg)}) {
        for (const bool ok : {false, true}) {
            for (const bool menu : {false, true}) {
                Form1->Wertetabelle1->setChecked(menu);
                Form2->show();
                dlg->show();
                if (ok)
                    dlg->SpeedButton1Click();
                else
                    dlg->CancelBtnClick();
                EXPECT_EQ(Form2->isVisible(), menu) << dlg->objectName().toStdString() << ok;
                EXPECT_FALSE(dlg->isVisible());
            }
        }
    }
}

}  // namespace
