#include "platform/zeiger.h"

#include <QApplication>
#include <QCursor>

namespace {

TZeiger* GZeiger = nullptr;

}  // namespace

void SetZeiger(TZeiger* zeiger)
{
    GZeiger = zeiger;
}

QPoint ZeigerPosition()
{
    return GZeiger ? GZeiger->Position() : QCursor::pos();
}

void ZeigerSetzen(QPoint p)
{
    if (GZeiger)
        GZeiger->Setze(p);
    else
        QCursor::setPos(p);
}

TSanduhr::TSanduhr()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

TSanduhr::~TSanduhr()
{
    QApplication::restoreOverrideCursor();
}
