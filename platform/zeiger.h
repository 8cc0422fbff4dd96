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

private:
    bool FGesetzt = false;
};

// While one lives, an hourglass made then shows nothing. The start holds
// one while it builds its windows: none of them is on the screen yet, so a
// wait cursor has nowhere to show, and making the first one loads the
// pointer theme (a millisecond and more, before the first picture).
class TOhneSanduhr {
public:
    TOhneSanduhr();
    ~TOhneSanduhr();
    TOhneSanduhr(const TOhneSanduhr&) = delete;
    TOhneSanduhr& operator=(const TOhneSanduhr&) = delete;
};
