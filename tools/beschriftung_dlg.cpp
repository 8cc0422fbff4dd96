#include "tools/beschriftung_dlg.h"

#include "engine/tabellen.h"
#include "platform/fensterart.h"


TBeschriftungDlg* BeschriftungDlg = nullptr;

TBeschriftungDlg::TBeschriftungDlg(QWidget* parent) : QWidget(parent)
{
    TrackBar2 = WerkzeugfensterAnlegen(this, "BeschriftungDlg", QStringLiteral("Beschriftung"), 400, 443);
    // The table holds its defaults from the window's creation on.
    BeschriftungenVorbelegen();
}

void TBeschriftungDlg::zeigeBeschr()
{
}
