#pragma once
// The plain message box and the colour dialog, each behind a small
// interface so that tests can replace the modal parts.

#include "engine/farben.h"

#include <QString>

#include <memory>
#include <optional>
#include <string>

class QMessageBox;
class QWidget;

// A plain information message with the program's title.
class TMeldung {
public:
    virtual ~TMeldung() = default;
    virtual void Zeige(const QString& text) = 0;
};
// Tests install a fake; nullptr restores the real message box.
void SetMeldung(TMeldung* meldung);
void ShowMessage(const QString& text);
void ShowMessage(const std::string& utf8);
// The real message's box, owned by Besitzerfenster(), not yet shown.
std::unique_ptr<QMessageBox> MeldungsBox(const QString& text);

// The colour common dialog: preset with a colour, gives the chosen colour
// or nothing when cancelled.
class TFarbDialog {
public:
    virtual ~TFarbDialog() = default;
    virtual std::optional<TColor> Waehle(TColor vorgabe) = 0;
};
void SetFarbDialog(TFarbDialog* dialog);
std::optional<TColor> WaehleFarbe(TColor vorgabe);
