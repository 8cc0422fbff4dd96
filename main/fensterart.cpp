#include "main/fensterart.h"

#include <QVariant>
#include <QWidget>

void AlsWerkzeugfenster(QWidget* w, const char* name, const QString& caption)
{
    w->setObjectName(QString::fromLatin1(name));
    w->setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                      Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    w->setWindowTitle(caption);
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
