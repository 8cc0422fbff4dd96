#include "platform/zeiger.h"

#include <QApplication>
#include <QCursor>

namespace {

TZeiger* GZeiger = nullptr;
int GOhneSanduhr = 0;

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
    if (GOhneSanduhr > 0)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    FGesetzt = true;
}

TSanduhr::~TSanduhr()
{
    if (FGesetzt)
        QApplication::restoreOverrideCursor();
}

TOhneSanduhr::TOhneSanduhr()
{
    ++GOhneSanduhr;
}

TOhneSanduhr::~TOhneSanduhr()
{
    --GOhneSanduhr;
}
