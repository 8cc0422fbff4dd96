#pragma once
// The file common dialogs, behind a small interface so that tests can
// answer them: the document dialogs with the filter "*.kvd", and the save
// dialog for an exported value table.

#include <QString>

#include <optional>

class QWidget;

class TDateiDialog {
public:
    virtual ~TDateiDialog() = default;
    // The chosen path, or nothing when the dialog was cancelled. The dialog
    // starts in `ordner`, which may end in a proposed file name.
    virtual std::optional<QString> Speichern(QWidget* parent, const QString& ordner, const QString& filter) = 0;
    virtual std::optional<QString> Oeffnen(QWidget* parent, const QString& ordner, const QString& filter) = 0;
};

// Tests install a fake; nullptr restores the real dialogs.
void SetDateiDialog(TDateiDialog* dialog);

// The save dialog (SaveDialog1) and the open dialog (OpenDialog1). They
// start in the folder of the file last chosen in any of the dialogs here.
std::optional<QString> SaveDialog1(QWidget* parent);
std::optional<QString> OpenDialog1(QWidget* parent);

// The save dialog for a file passed on from the value table, proposing
// `name` in the same folder as the document dialogs; choosing moves that
// folder too.
std::optional<QString> ExportSpeichernDialog(QWidget* parent, const QString& name, const QString& filter);

// The folder a dialog starts in: `zuletzt` (the folder last used) while it
// exists, else `dokumente` (the user's documents folder) while it exists,
// else the home folder; never the working directory, which for a program
// started from its source tree is that tree.
QString DialogStartOrdner(const QString& zuletzt, const QString& dokumente);
