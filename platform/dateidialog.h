#pragma once
// The file common dialogs for documents, behind a small interface so that
// tests can answer them. Both carry the document filter "*.kvd".

#include <QString>

#include <optional>

class QWidget;

class TDateiDialog {
public:
    virtual ~TDateiDialog() = default;
    // The chosen path, or nothing when the dialog was cancelled.
    virtual std::optional<QString> Speichern(QWidget* parent, const QString& filter) = 0;
    virtual std::optional<QString> Oeffnen(QWidget* parent, const QString& filter) = 0;
};

// Tests install a fake; nullptr restores the real dialogs.
void SetDateiDialog(TDateiDialog* dialog);

// The save dialog (SaveDialog1) and the open dialog (OpenDialog1).
std::optional<QString> SaveDialog1(QWidget* parent);
std::optional<QString> OpenDialog1(QWidget* parent);
