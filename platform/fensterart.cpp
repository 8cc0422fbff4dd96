#include "platform/fensterart.h"

#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QSlider>
#include <QVBoxLayout>
#include <QVariant>
#include <QWidget>

#include <algorithm>

void AlsWerkzeugfenster(QWidget* w, const char* name, const QString& caption)
{
    w->setObjectName(QString::fromLatin1(name));
    w->setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                      Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    w->setWindowTitle(caption);
}

QSlider* WerkzeugfensterAnlegen(QWidget* w, const char* name, const QString& caption, int breite,
                                int hoehe)
{
    AlsWerkzeugfenster(w, name, caption);
    w->resize(breite, hoehe);
    auto* box = new QVBoxLayout(w);
    box->addStretch();
    auto* regler = new QSlider(Qt::Horizontal, w);
    regler->setObjectName(QStringLiteral("TrackBar2"));
    regler->setRange(120, 255);
    regler->setValue(255);
    box->addWidget(regler);
    return regler;
}

void HoeheNachTexten(QWidget* w)
{
    const QLayout* l = w ? w->layout() : nullptr;
    if (!l)
        return;
    const int breite = w->width();
    const int hoehe = l->hasHeightForWidth() ? l->totalHeightForWidth(breite) : l->totalSizeHint().height();
    w->resize(breite, std::max(hoehe, l->totalMinimumSize().height()));
}

int Tag(const QWidget* w)
{
    return w ? w->property("Tag").toInt() : 0;
}

void SetTag(QWidget* w, int tag)
{
    if (w)
        w->setProperty("Tag", tag);
}

void MenueAufklappen(QMenu* menu, const QPoint& ecke, QLineEdit* fokus)
{
    if (!menu)
        return;
    if (fokus) {
        fokus->setFocus();
        // When the menu closes, the typing goes on where it was.
        QObject::connect(
            menu, &QMenu::aboutToHide, fokus,
            [fokus] {
                fokus->setFocus();
                fokus->end(false);
            },
            Qt::SingleShotConnection);
    }
    menu->popup(ecke);
}
