#include "tools/uebersicht_dlg.h"

#include "platform/fensterart.h"


TUebersicht_Dlg* Uebersicht_Dlg = nullptr;

TUebersicht_Dlg::TUebersicht_Dlg(QWidget* parent) : QWidget(parent)
{
    TrackBar2 = WerkzeugfensterAnlegen(this, "Uebersicht_Dlg", QStringLiteral("Übersicht"), 560, 420);
}

void TUebersicht_Dlg::zeichneneu()
{
}
