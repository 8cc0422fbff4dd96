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

// Shows the hourglass for as long as it lives, also when the work it
// guards leaves early.
class TSanduhr {
public:
    TSanduhr();
    ~TSanduhr();
    TSanduhr(const TSanduhr&) = delete;
    TSanduhr& operator=(const TSanduhr&) = delete;
};
