// The main window's toggles of the object tool windows. The tool bar
// buttons, the menu items and the graph window's tool bar all come here.

#include "main/form1.h"

#include "tools/beschriftung_dlg.h"
#include "tools/flaechen_dlg.h"
#include "tools/kreise_dlg.h"
#include "tools/punkte_dlg.h"
#include "tools/senkrechte_dlg.h"
#include "tools/uebersicht_dlg.h"

#include <QLineEdit>

void TForm1::SpeedButton8Click()
{
    if (KreiseDlg)
        KreiseDlg->Umschalten();
}

void TForm1::Kreise1Click()
{
    SpeedButton8Click();
}

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

void TForm1::SpeedButton12Click()
{
    if (!BeschriftungDlg)
        return;
    BeschriftungDlg->Umschalten();
    if (BeschriftungDlg->isVisible())
        BeschriftungDlg->Edit1->setFocus();
}

void TForm1::Beschriftung1Click()
{
    SpeedButton12Click();
}

void TForm1::SpeedButton13Click()
{
    if (Uebersicht_Dlg)
        Uebersicht_Dlg->Umschalten();
}
