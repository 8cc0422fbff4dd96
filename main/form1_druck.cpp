// The main window's commands for printing and copying: they prepare the
// print options dialog and the copy dialog and open them, or copy and export
// directly.
#include "main/form1.h"

#include "engine/druckseite.h"
#include "engine/funktion.h"
#include "engine/tabellen.h"
#include "graph/graphik.h"
#include "main/info_dlg.h"
#include "tools/druck_dlg.h"
#include "tools/export_dlg.h"
#include "tools/kopier_dlg.h"
#include "tools/trace_dlg.h"
#include "tools/wertetabelle_fenster.h"
#include "platform/dialoge.h"
#include "platform/fensterart.h"
#include "platform/modal.h"
#include "platform/sprache.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

void TForm1::KeineKonstruktion()
{
    // The origin tool, with its button pressed and the window set up for
    // it: a construction under way is dropped, its hints go.
    if (Graphik)
        Graphik->UrsprungWaehlen();
    else
        Modus = ModusUrsprung;
}

void TForm1::SpeedButton1Click()
{
    if (!Graphik || !DruckDlg || !KopierDlg)
        return;
    KeineKonstruktion();

    // Hatched circles cannot be printed: the copy dialog offers the bitmap.
    // Its choice is made before it opens, so the user sees it.
    if (SchraffierteKreise(Kreise)) {
        ShowMessage(Txt(158) + QLatin1Char(' ') + Txt(159));
        KopierDlg->Vorbereiten();
        KopierDlg->R3->setChecked(true);
        ShowModal(*KopierDlg);
        return;
    }

    if (Form2)
        Form2->show();
    DruckDlg->Vorbereiten();
    ShowModal(*DruckDlg);
}

void TForm1::SpeedButton2Click()
{
    if (!Graphik || !KopierDlg)
        return;
    KeineKonstruktion();
    if (AssistentFenster)
        AssistentFenster->close();
    Graphik->PaintBox1Paint();
    KopierDlg->Vorbereiten();
    ShowModal(*KopierDlg);
}

void TForm1::GraphenalsBitmap1Click()
{
    if (!Graphik || !KopierDlg)
        return;
    KeineKonstruktion();
    KopierDlg->R3->setChecked(true);
    Graphik->Button1Click();
}

void TForm1::GraphenalsMetadatei1Click()
{
    if (!Graphik || !KopierDlg)
        return;
    KeineKonstruktion();
    KopierDlg->R1->setChecked(true);
    Graphik->Button1Click();
}

namespace {

void ExportZeigen(QDialog* dlg)
{
    if (!dlg || !Form2)
        return;
    // The dialog shows the table: the table first, the dialog above it.
    Form2->show();
    Form2->FillValueTable();
    DialogZeigen(dlg, Form2);
}

}  // namespace

void TForm1::WertetabelleinZwischenablage1Click()
{
    ExportZeigen(WertetabKopierDlg);
}

void TForm1::WertetabelleanExcel1Click()
{
    ExportZeigen(ExcelDlg);
}

void TForm1::WertetabelleanWord1Click()
{
    ExportZeigen(WordDlg);
}

void TForm1::ber1Click()
{
    if (!AboutBox)
        return;
    AboutBox->beschrift();
    ShowModal(*AboutBox);
}

void TForm1::Kopieren1Click()
{
    if (TippsDlg && TippsDlg->isHidden())
        DialogZeigen(TippsDlg);
}
