// The main window's toggles of the object tool windows. The tool bar
// buttons, the menu items and the graph window's tool bar all come here.

#include "main/form1.h"

#include "tools/flaechen_dlg.h"
#include "tools/punkte_dlg.h"
#include "tools/senkrechte_dlg.h"

void TForm1::SpeedButton9Click()
{
    if (FlaechenDlg)
        FlaechenDlg->Umschalten();
}

void TForm1::SpeedButton10Click()
{
    if (PunkteDlg)
        PunkteDlg->Umschalten();
}

void TForm1::SpeedButton11Click()
{
    if (SenkrechteDlg)
        SenkrechteDlg->Umschalten();
}
