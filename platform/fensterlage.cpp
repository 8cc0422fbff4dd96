#include "platform/fensterlage.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

void RahmenVerschieben(QWidget* fenster, const QPoint& rahmen)
{
    if (!fenster)
        return;
    QWindow* fensterX11 = nullptr;
    if (QGuiApplication::platformName() == QLatin1String("xcb") && fenster->isVisible())
        fensterX11 = fenster->windowHandle();
    if (fensterX11)
        fensterX11->setFramePosition(rahmen);
    else
        fenster->move(rahmen);
}
