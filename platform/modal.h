#pragma once
// Showing a dialog, modally behind an interface (tests answer the dialog by
// pressing its buttons from code instead of waiting for a user), or
// without a loop of its own. Either way it opens at the same place every
// time, with its whole frame on the screen.

class QDialog;
class QWidget;

class TModalAnzeige {
public:
    virtual ~TModalAnzeige() = default;
    // Shows the dialog and returns when it has closed, with its result.
    virtual int Zeige(QDialog& dialog) = 0;
};

// Tests install a fake; nullptr restores the real modal loop.
void SetModalAnzeige(TModalAnzeige* anzeige);
int ShowModal(QDialog& dialog);

// Opens a dialog, or brings it to the front when it is up: placed (a
// dialog that is up stays where it is), shown, raised and activated. With
// `ueber`, the dialog belongs to that window and stays above it while both
// are up (under X11 it is transient for it: a window manager keeps it above
// its owner, also when both stay on top and the owner is clicked); a modal
// owner does not block it.
void DialogZeigen(QWidget* dialog, QWidget* ueber = nullptr);
