#pragma once
// The system print dialog, behind an interface: tests hand out a printer
// that writes a PDF file instead of asking anyone.

#include <QString>

class QPrinter;
class QWidget;

class TDruckerWahl {
public:
    virtual ~TDruckerWahl() = default;
    // The printer chosen in the print dialog, ready for a job titled
    // `titel`, or null when the dialog was cancelled. The printer belongs
    // to the chooser and stays valid until the next choice.
    virtual QPrinter* Waehle(QWidget* parent, const QString& titel) = 0;
};

// Tests install a fake; nullptr restores the system print dialog.
void SetDruckerWahl(TDruckerWahl* wahl);
QPrinter* PrintDialog(QWidget* parent, const QString& titel);
