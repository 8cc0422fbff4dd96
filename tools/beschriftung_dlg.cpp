#include "tools/beschriftung_dlg.h"

#include "engine/tabellen.h"

TBeschriftungDlg* BeschriftungDlg = nullptr;

TBeschriftungDlg::TBeschriftungDlg(QWidget* parent)
    : TWerkzeugfenster("BeschriftungDlg", 351, QStringLiteral("Beschriftung"), 400, 443, parent)
{
    // The table holds its defaults from the window's creation on.
    BeschriftungenVorbelegen();
}

void TBeschriftungDlg::zeigeBeschr()
{
}
