#include "tools/flaechen_dlg.h"

#include "engine/tabellen.h"
#include "platform/fensterart.h"


TFlaechenDlg* FlaechenDlg = nullptr;

TFlaechenDlg::TFlaechenDlg(QWidget* parent) : QWidget(parent)
{
    TrackBar2 = WerkzeugfensterAnlegen(this, "FlaechenDlg", QStringLiteral("Flächen"), 585, 413);
    // The table holds its defaults from the window's creation on.
    FlaechenVorbelegen();
}

void TFlaechenDlg::ZeigeFlae()
{
}
