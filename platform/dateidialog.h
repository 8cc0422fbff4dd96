#pragma once
// The file common dialogs for documents, behind a small interface so that
// tests can answer them. Both carry the document filter "*.kvd".

#include <QString>

#include <optional>

class QWidget;

class TDateiDialog {
public:
    virtual ~TDateiDialog() = default;
    // The chosen path, or nothing when the dialog was cancelled. The dialog
    // starts in `ordner`.
    virtual std::optional<QString> Speichern(QWidget* parent, const QString& ordner, const QString& filter) = 0;
    virtual std::optional<QString> Oeffnen(QWidget* parent, const QString& ordner, const QString& filter) = 0;
};

// Tests install a fake; nullptr restores the real dialogs.
void SetDateiDialog(TDateiDialog* dialog);

// The save dialog (SaveDialog1) and the open dialog (OpenDialog1). Both
// start in the folder of the file last chosen in either of them.
std::optional<QString> SaveDialog1(QWidget* parent);
std::optional<QString> OpenDialog1(QWidget* parent);

// The folder a dialog starts in: `zuletzt` (the folder last used) while it
// exists, else `dokumente` (the user's documents folder) while it exists,
// else the home folder; never the working directory, which for a program
// started from its source tree is that tree.
QString DialogStartOrdner(const QString& zuletzt, const QString& dokumente);
