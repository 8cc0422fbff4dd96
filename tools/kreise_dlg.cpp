#include "tools/kreise_dlg.h"

#include "engine/tabellen.h"

TKreiseDlg* KreiseDlg = nullptr;

TKreiseDlg::TKreiseDlg(QWidget* parent)
    : TWerkzeugfenster("KreiseDlg", 176, QStringLiteral("Kreise und Ellipsen"), 827, 470, parent)
{
    // The table holds its defaults from the window's creation on.
    KreiseVorbelegen();
}

void TKreiseDlg::ZeigePunk()
{
}
