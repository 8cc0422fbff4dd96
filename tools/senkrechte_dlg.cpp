#include "tools/senkrechte_dlg.h"

#include "engine/tabellen.h"
#include "main/fensterart.h"
#include "platform/fensterhilfen.h"

#include <QSlider>
#include <QVBoxLayout>

TSenkrechteDlg* SenkrechteDlg = nullptr;

TSenkrechteDlg::TSenkrechteDlg(QWidget* parent) : QWidget(parent)
{
    AlsWerkzeugfenster(this, "SenkrechteDlg", QStringLiteral("Senkrechte"));
    resize(472, 246);
    auto* box = new QVBoxLayout(this);
    box->addStretch(1);
    TrackBar2 = new QSlider(Qt::Horizontal, this);
    TrackBar2->setObjectName(QStringLiteral("TrackBar2"));
    TrackBar2->setRange(120, 255);
    TrackBar2->setValue(255);
    box->addWidget(TrackBar2);
    SetWindowAlpha(this, 255);
    // The table holds its defaults from the window's creation on.
    SenkrechteVorbelegen();
}

void TSenkrechteDlg::zeigeSenk()
{
}
