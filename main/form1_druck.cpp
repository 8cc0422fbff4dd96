// The main window's commands for printing and copying: they prepare the
// print options dialog and the copy dialog and open them, or copy and export
// directly.
#include "main/form1.h"
#include "main/verbindungen.h"

#include "engine/druckseite.h"
#include "engine/funktion.h"
#include "engine/tabellen.h"
#include "main/info_dlg.h"
#include "platform/dialoge.h"
#include "platform/fensterart.h"
#include "platform/melder.h"
#include "platform/modal.h"
#include "platform/sprache.h"
#include "tools/druck_dlg.h"
#include "tools/kopier_dlg.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

void TForm1::KeineKonstruktion()
{
    // The origin tool, with its button pressed and the window set up for
    // it: a construction under way is dropped, its hints go.
    Modus = ModusUrsprung;
    emit Melder().WerkzeugVerlangt(1, this);
}

void TForm1::SpeedButton1Click()
{
    if (!DruckDlg)
        return;
    KeineKonstruktion();

    // Hatched circles cannot be printed: the copy dialog offers the bitmap.
    // Its choice is made before it opens, so the user sees it.
    if (SchraffierteKreise(Kreise)) {
        ShowMessage(Txt(158) + QLatin1Char(' ') + Txt(159));
        TKopierDlg* kopieren = KopierDialog();
        kopieren->Vorbereiten();
        kopieren->BitmapWaehlen(true);
        ShowModal(*kopieren);
        return;
    }

    emit Melder().WertetabelleZeigenVerlangt(true);
    DruckDlg->Vorbereiten();
    ShowModal(*DruckDlg);
}

void TForm1::SpeedButton2Click()
{
    // The origin tool also sends the assistant away; the graph window shows
    // its picture without a tool's hint as it takes the tool.
    KeineKonstruktion();
    TKopierDlg* kopieren = KopierDialog();
    kopieren->Vorbereiten();
    ShowModal(*kopieren);
}

void TForm1::GraphenalsBitmap1Click()
{
    KeineKonstruktion();
    KopierDialog()->BitmapWaehlen(true);
    emit Melder().BildKopierenVerlangt();
}

void TForm1::GraphenalsMetadatei1Click()
{
    KeineKonstruktion();
    KopierDialog()->BitmapWaehlen(false);
    emit Melder().BildKopierenVerlangt();
}

// The dialog shows the table: the table first, the dialog above it.
void TForm1::WertetabelleinZwischenablage1Click()
{
    emit Melder().ExportVerlangt(TExportArt::Zwischenablage);
}

void TForm1::WertetabelleanExcel1Click()
{
    emit Melder().ExportVerlangt(TExportArt::Tabellenkalkulation);
}

void TForm1::WertetabelleanWord1Click()
{
    emit Melder().ExportVerlangt(TExportArt::Textverarbeitung);
}

void TForm1::ber1Click()
{
    TAboutBox* info = InfoFenster();
    if (!info)
        return;
    info->beschrift();
    ShowModal(*info);
}

void TForm1::Kopieren1Click()
{
    if (TTippsDlg* tipps = TippsFenster(); tipps && tipps->isHidden())
        DialogZeigen(tipps);
}
