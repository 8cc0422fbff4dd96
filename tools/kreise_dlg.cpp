#include "tools/kreise_dlg.h"

#include "engine/tabellen.h"
#include "platform/fensterart.h"


TKreiseDlg* KreiseDlg = nullptr;

TKreiseDlg::TKreiseDlg(QWidget* parent) : QWidget(parent)
{
    TrackBar2 = WerkzeugfensterAnlegen(this, "KreiseDlg", QStringLiteral("Kreise und Ellipsen"), 827, 470);
    // The table holds its defaults from the window's creation on.
    KreiseVorbelegen();
}

void TKreiseDlg::ZeigePunk()
{
}
