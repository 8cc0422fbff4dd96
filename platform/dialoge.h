#pragma once
// The plain message box and the colour dialog, each behind a small
// interface so that tests can replace the modal parts.

#include "engine/farben.h"

#include <QString>

#include <optional>
#include <string>

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

// The colour common dialog: preset with a colour, gives the chosen colour
// or nothing when cancelled.
class TFarbDialog {
public:
    virtual ~TFarbDialog() = default;
    virtual std::optional<TColor> Waehle(TColor vorgabe) = 0;
};
void SetFarbDialog(TFarbDialog* dialog);
std::optional<TColor> WaehleFarbe(TColor vorgabe);
