#include "tools/senkrechte_dlg.h"

#include "engine/tabellen.h"
#include "platform/fensterart.h"


TSenkrechteDlg* SenkrechteDlg = nullptr;

TSenkrechteDlg::TSenkrechteDlg(QWidget* parent) : QWidget(parent)
{
    TrackBar2 = WerkzeugfensterAnlegen(this, "SenkrechteDlg", QStringLiteral("Senkrechte"), 472, 246);
    // The table holds its defaults from the window's creation on.
    SenkrechteVorbelegen();
}

void TSenkrechteDlg::zeigeSenk()
{
}
