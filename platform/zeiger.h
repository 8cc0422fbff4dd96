#pragma once
// The mouse pointer's position on the screen, read and set behind a small
// interface so that tests can move a pointer of their own.

#include <QPoint>

class TZeiger {
public:
    virtual ~TZeiger() = default;
    virtual QPoint Position() const = 0;  // screen coordinates
    virtual void Setze(QPoint p) = 0;
};

// Tests install a fake; nullptr restores the system pointer.
void SetZeiger(TZeiger* zeiger);
QPoint ZeigerPosition();
// Moving the system pointer makes the window under it receive ordinary
// mouse-move events.
void ZeigerSetzen(QPoint p);
