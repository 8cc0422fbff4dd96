// Every control of the value table window and of the dialogs that belong to
// the main window is connected: each button, check box and choice is
// pressed as a user presses it, and its effect is seen in the records, the
// settings, another window, the clipboard, the printer or the picture.

#include "druck_fakes.h"

#include "main/info_dlg.h"
#include "main/splash.h"
#include "tools/einheit_dlg.h"
#include "main/einstell_dlg.h"
#include "main/hotkey_dlg.h"
#include "main/tasten_dlg.h"
#include "tools/trace_dlg.h"
#include "platform/dateidialog.h"

#include <QCheckBox>
#include <QLayout>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QWindow>

namespace {

class DialogKnoepfe : public DruckTest {
protected:
    void SetUp() override
    {
        DruckTest::SetUp();
        Drucker.Abbrechen = true;  // a print asks for the printer and stops there
    }
    void TearDown() override
    {
        for (const QUrl& url : Oeffner.Geoeffnet)
            if (url.isLocalFile())
                QFile::remove(url.toLocalFile());
        DruckTest::TearDown();
    }
    // Opens `dlg` through `oeffnen` and presses `knopf` in it.
    void ImDialog(const std::function<void()>& oeffnen, const std::function<void()>& druecken)
    {
        Modal.Antwort = [druecken](QDialog&) { druecken(); };
        oeffnen();
        Modal.Antwort = nullptr;
    }
};

TEST_F(DialogKnoepfe, ValueTableWindow)
{
    Form2->show();
    Form1->Wertetabelle1->setChecked(true);
    // The print button: the print options with the table ticked.
    DruckDlg->CB1->setChecked(false);
    bool angekreuzt = false;
    Modal.Antwort = [&](QDialog& d) { angekreuzt = &d == DruckDlg && DruckDlg->CB1->isChecked(); };
    Form2->SpeedButton1->click();
    EXPECT_TRUE(angekreuzt);
    // The export buttons open their dialogs above the table.
    for (auto [knopf, dlg] : {std::pair(Form2->SpeedButton5, static_cast<QDialog*>(ExcelDlg)),
                              {Form2->SpeedButton2, WordDlg},
                              {Form2->SpeedButton3, WertetabKopierDlg}}) {
        dlg->hide();
        knopf->click();
        EXPECT_TRUE(dlg->isVisible()) << knopf->objectName().toStdString();
        EXPECT_EQ(dlg->windowHandle()->transientParent(), Form2->windowHandle()) << knopf->objectName().toStdString();
        dlg->hide();
    }
    // The unit button opens the x-unit window with the unit in force.
    EinheitXDlg->hide();
    Form2->BitBtn1->click();
    EXPECT_TRUE(EinheitXDlg->isVisible());
    // A click into a column of values moves the view there.
    QTableWidget* g = Form2->StringGrid1;
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(g->model()->index(0, 1)).center());
    EXPECT_EQ(std::tuple(Graphik->XMin, Graphik->XMax), std::tuple(1, 12));
    // The unit bar sets the graph window's.
    Form2->TrackBar2->setValue(3);
    EXPECT_EQ(Graphik->TrackBar2->value(), 3);
}

TEST_F(DialogKnoepfe, PrintOptions)
{
    Graphik->Gitter = "1b";
    ImDialog([] { Form1->SpeedButton1->click(); },
             [] {
                 DruckDlg->CB3->click();
                 EXPECT_EQ(Graphik->Gitter, "1");
                 DruckDlg->CB3->click();
                 EXPECT_EQ(Graphik->Gitter, "1b");
                 DruckDlg->CB2->click();
                 EXPECT_FALSE(Graphik->CB2->isChecked());
                 DruckDlg->CB2->click();
                 EXPECT_TRUE(Graphik->CB2->isChecked());
                 DruckDlg->OKBtn->click();
             });
    EXPECT_EQ(Drucker.Aufrufe, 1);
    EXPECT_FALSE(DruckDlg->isVisible());
    ImDialog([] { Form1->SpeedButton1->click(); },
             [] {
                 EXPECT_TRUE(DruckDlg->isVisible());
                 DruckDlg->CancelBtn->click();
                 EXPECT_FALSE(DruckDlg->isVisible());
             });
    EXPECT_EQ(Drucker.Aufrufe, 1);
}

TEST_F(DialogKnoepfe, CopyDialog)
{
    struct TFall {
        QRadioButton* Wahl;
        std::function<bool()> Wirkung;
    };
    const TFall faelle[] = {
        {KopierDlg->R3, [this] { return Ablage.Bilder.size() == 1; }},
        {KopierDlg->R1, [this] { return Ablage.Vektorbilder.size() == 1; }},
        {KopierDlg->R2, [] { return ExcelDlg->isVisible(); }},
        {KopierDlg->R4, [] { return WordDlg->isVisible(); }},
        {KopierDlg->R5, [] { return WertetabKopierDlg->isVisible(); }},
    };
    for (const TFall& f : faelle) {
        ImDialog([] { Form1->SpeedButton2->click(); },
                 [&] {
                     f.Wahl->click();
                     KopierDlg->OKBtn->click();
                 });
        EXPECT_TRUE(f.Wirkung()) << f.Wahl->objectName().toStdString();
    }
    const int kopiert = Ablage.Aufrufe();
    Graphik->Gitter = "2c";
    ImDialog([] { Form1->SpeedButton2->click(); },
             [] {
                 KopierDlg->CB3->click();
                 EXPECT_EQ(Graphik->Gitter, "2");
                 KopierDlg->BitBtn1->click();
                 EXPECT_TRUE(TippsDlg->isVisible());
                 KopierDlg->CancelBtn->click();
             });
    EXPECT_EQ(std::tuple(Ablage.Aufrufe(), Graphik->Gitter), std::tuple(kopiert, "2c"));
}

TEST_F(DialogKnoepfe, ExportDialogs)
{
    Form2->show();
    Form1->Wertetabelle1->setChecked(true);
    Form2->FillValueTable();
    // The clipboard's dialog: across with three pairs.
    Form1->WertetabelleinZwischenablage1->trigger();
    WertetabKopierDlg->Waagerecht->click();
    WertetabKopierDlg->SpinEdit1->setValue(3);
    WertetabKopierDlg->SpeedButton1->click();
    ASSERT_EQ(Ablage.Texte.size(), 1u);
    EXPECT_EQ(Ablage.Texte[0], "   x\t-6\t-5,5\t-5\r\n   y\t36,00\t30,25\t25,00\r\n");
    EXPECT_FALSE(WertetabKopierDlg->isVisible());
    Form1->WertetabelleinZwischenablage1->trigger();
    WertetabKopierDlg->Senkrecht->click();
    WertetabKopierDlg->SpeedButton1->click();
    EXPECT_TRUE(Ablage.Texte[1].startsWith("   x\t   y\r\n-6\t36,00\r\n"));

    Form1->WertetabelleanExcel1->trigger();
    ExcelDlg->SpeedButton1->click();
    Form1->WertetabelleanWord1->trigger();
    WordDlg->SpeedButton1->click();
    ASSERT_EQ(Oeffner.Geoeffnet.size(), 2u);
    EXPECT_TRUE(Oeffner.Geoeffnet[0].toLocalFile().endsWith(".xlsx") && Oeffner.Geoeffnet[1].toLocalFile().endsWith(".rtf"));
    EXPECT_FALSE(ExcelDlg->isVisible() || WordDlg->isVisible());

    // Cancel closes and sends nothing.
    for (TExportDlg* d : {static_cast<TExportDlg*>(ExcelDlg), static_cast<TExportDlg*>(WordDlg),
                          static_cast<TExportDlg*>(WertetabKopierDlg)}) {
        d->show();
        d->CancelBtn->click();
        EXPECT_FALSE(d->isVisible()) << d->objectName().toStdString();
    }
    EXPECT_EQ(std::tuple(Ablage.Texte.size(), Oeffner.Geoeffnet.size()), std::tuple(2u, 2u));
}

TEST_F(DialogKnoepfe, OptionsDialog)
{
    Form1->eigeneEinstellungenverwenden1->trigger();
    ASSERT_TRUE(EinstellDlg->isVisible());
    EXPECT_TRUE(EinstellDlg->isModal());
    EinstellDlg->CheckBox2->click();
    EXPECT_EQ(std::tuple(Einstellungen.Startvorlage, Form1->eigeneEinstellungenverwenden1->isChecked()),
              std::tuple(1, true));
    // The start template is the drawing as it stands.
    Form1->Edit1->setText("f(x) = 4*x");
    EinstellDlg->BitBtn3->click();
    EXPECT_EQ(EinstellDlg->Label2->text(), Txt(431));
    EXPECT_TRUE(DateiLesen(Startvorlage()).contains("f(x) = 4*x"));
    // The help button explains in a message.
    EinstellDlg->BitBtn4->click();
    ASSERT_FALSE(Meldung.Meldungen.empty());
    EXPECT_TRUE(Meldung.Meldungen.back().startsWith(Txt(436) + "\n" + Txt(437) + "\n\n" + Txt(438)));
    // OK asks, writes and closes; Cancel only closes.
    Frage.Antwort = QMessageBox::Yes;
    EinstellDlg->OKBtn->click();
    EXPECT_EQ(Frage.Fragen.back(), Txt(441));
    EXPECT_FALSE(EinstellDlg->isVisible());
    EXPECT_EQ(GespeicherteEinstellungen().Startvorlage, 1);
    Form1->eigeneEinstellungenverwenden1->trigger();
    EinstellDlg->CheckBox2->click();
    EinstellDlg->CancelBtn->click();
    EXPECT_FALSE(EinstellDlg->isVisible());
    EXPECT_EQ(GespeicherteEinstellungen().Startvorlage, 1);
}

// The small windows over the graph window.
TEST_F(DialogKnoepfe, TraceParameterAndAssistant)
{
    Form1->Edit1->setText("f(x,t) = t*x");
    Form2->show();
    Form2->Edit3->setText("");  // t of the table from the trace window
    Form1->I10->trigger();
    ASSERT_TRUE(TraceParam->isVisible());
    const QImage vorher = GraphenBild();
    const int fuellungen = Form2->Fuellungen();
    TraceParam->Edit->setText("3");
    EXPECT_NE(GraphenBild(), vorher);
    EXPECT_EQ(Form2->Fuellungen(), fuellungen);  // the table has a t of its own
    TraceParam->OKBtn->click();
    EXPECT_FALSE(TraceParam->isVisible());

    // The line assistant: No keeps the graphs, Yes clears them.
    // It asks in its fields, in either language, under no caption.
    for (QAction* sprache : {Form1->english1, Form1->deutsch1})
        EXPECT_EQ((sprache->trigger(), AssistentFenster->windowTitle()), QString()) << sprache->objectName().toStdString();
    for (QPushButton* knopf : {AssistentFenster->NeinButton, AssistentFenster->JaButton}) {
        Form1->I6->trigger();
        ASSERT_TRUE(AssistentFenster->isVisible());
        knopf->click();
        EXPECT_FALSE(AssistentFenster->isVisible());
        EXPECT_EQ(Funktionen[1]->GetCompiled(), knopf == AssistentFenster->NeinButton) << knopf->objectName().toStdString();
        EXPECT_EQ(Modus, ModusGeradeFrage / 10);
    }
}

TEST_F(DialogKnoepfe, WindowsThatOnlyClose)
{
    for (QWidget* w : std::initializer_list<QWidget*>{HotkeyDlg, TastenDlg, EinheitXDlg, EinheitYDlg, TippsDlg}) {
        w->show();
        auto* ok = w->findChild<QPushButton*>(QStringLiteral("OKBtn"));
        ASSERT_NE(ok, nullptr) << w->objectName().toStdString();
        ok->click();
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
    }
}

// The program's own dialogs and its splash stay above the windows they
// explain; Return in a dialog with a question presses its OK.
TEST_F(DialogKnoepfe, DialogsStayOnTopAndReturnIsTheirOk)
{
    for (QWidget* w : std::initializer_list<QWidget*>{AboutBox, TippsDlg, TastenDlg, HotkeyDlg, EinstellDlg,
                                                      splashscreen})
        EXPECT_TRUE(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) << w->objectName().toStdString();

    Frage.Antwort = QMessageBox::No;
    Form1->eigeneEinstellungenverwenden1->trigger();
    QTest::keyClick(EinstellDlg->CheckBox2, Qt::Key_Return);
    EXPECT_EQ(Frage.Fragen, std::vector<QString>{Txt(441)});
}

// The tips window is as high as its wrapped texts need at its width,
// whatever height it had before.
TEST_F(DialogKnoepfe, TheTipsWindowIsAsHighAsItsTexts)
{
    // Each tip under its title in bold.
    for (const char* titel : {"Label2", "Label1", "Label10", "Label7", "Label9"})
        EXPECT_TRUE(TippsDlg->findChild<QLabel*>(QString::fromLatin1(titel))->font().bold()) << titel;
    EXPECT_FALSE(TippsDlg->findChild<QLabel*>(QStringLiteral("Memo1"))->font().bold());
    TippsDlg->resize(TippsDlg->minimumWidth(), 40);
    TippsDlg->show();
    const QLayout* l = TippsDlg->layout();
    EXPECT_EQ(TippsDlg->height(), l->totalHeightForWidth(TippsDlg->width()));
    TippsDlg->hide();
    TippsDlg->resize(TippsDlg->width(), 2000);
    TippsDlg->show();
    EXPECT_EQ(TippsDlg->height(), l->totalHeightForWidth(TippsDlg->width()));
}

// The copy help opened again while it is up stays where the user put it.
TEST_F(DialogKnoepfe, TheCopyHelpStaysWhereTheUserMovedIt)
{
    Form1->Kopieren1->trigger();
    ASSERT_TRUE(TippsDlg->isVisible());
    const QPoint verschoben = TippsDlg->pos() + QPoint(37, 23);
    TippsDlg->move(verschoben);
    Form1->Kopieren1->trigger();
    EXPECT_EQ(TippsDlg->pos(), verschoben);
}

// A start template that cannot be written, even without a settings folder,
// is said, and the dialog says there is none.
TEST_F(DialogKnoepfe, AStartTemplateWithoutAFolderIsSaid)
{
    const QString datei = Konfig.filePath("keinOrdner");
    ASSERT_TRUE(QFile(datei).open(QIODevice::WriteOnly));
    setenv("XDG_CONFIG_HOME", (datei + "/unter").toLocal8Bit().constData(), 1);
    Form1->eigeneEinstellungenverwenden1->trigger();
    EinstellDlg->BitBtn3->click();
    EXPECT_EQ(Meldung.Meldungen, std::vector<QString>{Txt(435)});
    EXPECT_TRUE(Frage.Fragen.empty());
    EXPECT_EQ(EinstellDlg->Label2->text(), Txt(432));
}

TEST_F(DialogKnoepfe, AboutAndTipsOpenTheirLinks)
{
    ImDialog([] { Form1->ber1->trigger(); },
             [] {
                 // The web address stands right under its label, however
                 // tall the picture beside them.
                 const QRect bild = AboutBox->Image1->geometry();
                 ASSERT_GT(bild.height(), AboutBox->Label5->geometry().bottom() + 20);
                 EXPECT_EQ(bild.width(), AboutBox->Image1->sizeHint().width());  // the texts take the width
                 EXPECT_LT(AboutBox->Label5->y() - AboutBox->Label10->geometry().bottom(), 12);
                 AboutBox->BitBtn1->click();
                 AboutBox->BitBtn2->click();
                 emit AboutBox->Label5->linkActivated(AboutBox->Label5->toolTip());
                 AboutBox->OKButton->click();
                 EXPECT_FALSE(AboutBox->isVisible());
             });
    // Return is OK, not the web button of the terms.
    ImDialog([] { Form1->ber1->trigger(); },
             [] {
                 AboutBox->show();
                 AboutBox->PageControl1->setCurrentWidget(AboutBox->TabSheet2);
                 QTest::keyClick(AboutBox->PageControl1, Qt::Key_Return);
                 EXPECT_FALSE(AboutBox->isVisible());
             });
    Form1->Kopieren1->trigger();
    TippsDlg->SpeedButton1->click();
    std::vector<QUrl> soll;
    for (const int zeile : {518, 518, 517, 516})
        soll.emplace_back(Txt(zeile));
    EXPECT_EQ(Oeffner.Geoeffnet, soll);
}

}  // namespace
