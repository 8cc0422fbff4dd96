#pragma once
// Showing a dialog modally, behind an interface: tests answer the dialog by
// pressing its buttons from code instead of waiting for a user.

class QDialog;

class TModalAnzeige {
public:
    virtual ~TModalAnzeige() = default;
    // Shows the dialog and returns when it has closed, with its result.
    virtual int Zeige(QDialog& dialog) = 0;
};

// Tests install a fake; nullptr restores the real modal loop.
void SetModalAnzeige(TModalAnzeige* anzeige);
int ShowModal(QDialog& dialog);
