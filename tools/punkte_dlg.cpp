#include "tools/punkte_dlg.h"

#include "engine/tabellen.h"
#include "platform/fensterart.h"


TPunkteDlg* PunkteDlg = nullptr;

TPunkteDlg::TPunkteDlg(QWidget* parent) : QWidget(parent)
{
    TrackBar2 = WerkzeugfensterAnlegen(this, "PunkteDlg", QStringLiteral("Punkte"), 525, 397);
    // The table holds its defaults from the window's creation on.
    PunkteVorbelegen();
}

void TPunkteDlg::zeigePunk()
{
}
