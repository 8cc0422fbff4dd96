#include "tools/uebersicht_dlg.h"

#include "main/fensterart.h"
#include "platform/fensterhilfen.h"

#include <QSlider>
#include <QVBoxLayout>

TUebersicht_Dlg* Uebersicht_Dlg = nullptr;

TUebersicht_Dlg::TUebersicht_Dlg(QWidget* parent) : QWidget(parent)
{
    AlsWerkzeugfenster(this, "Uebersicht_Dlg", QStringLiteral("Übersicht"));
    resize(560, 420);
    auto* box = new QVBoxLayout(this);
    box->addStretch(1);
    TrackBar2 = new QSlider(Qt::Horizontal, this);
    TrackBar2->setObjectName(QStringLiteral("TrackBar2"));
    TrackBar2->setRange(120, 255);
    TrackBar2->setValue(255);
    box->addWidget(TrackBar2);
    SetWindowAlpha(this, 255);
}

void TUebersicht_Dlg::zeichneneu()
{
}
