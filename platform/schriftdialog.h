#pragma once
// The font common dialog: face, size, style and a colour, behind a small
// interface so that tests can answer it. Qt's own font dialog has no colour;
// the real dialog here embeds it and adds a colour button.

#include "platform/canvas.h"

#include <QDialog>

#include <optional>

class QFontDialog;
class QPushButton;

class TSchriftDialog {
public:
    virtual ~TSchriftDialog() = default;
    // Preset with `vorgabe`; gives the confirmed font or nothing when the
    // dialog was cancelled.
    virtual std::optional<TFont> Waehle(const TFont& vorgabe) = 0;
};
// Tests install a fake; nullptr restores the real dialog.
void SetSchriftDialog(TSchriftDialog* dialog);
std::optional<TFont> WaehleSchrift(const TFont& vorgabe);

// The real dialog's window, built without being run, so that its preset and
// its result can be checked.
class TSchriftAuswahl : public QDialog {
    Q_OBJECT
public:
    explicit TSchriftAuswahl(QWidget* parent = nullptr);

    void Setzen(const TFont& vorgabe);
    // What the dialog shows now. A face the system does not have is shown
    // as a substitute, and a style a face lacks as another: while the user
    // keeps the face, the preset's name is given back, and while the user
    // changes nothing of the font, the whole preset, so confirming without
    // a change changes nothing.
    TFont Ergebnis() const;
    // The colour button: the colour dialog, preset with the current colour.
    void FarbeClick();

    QFontDialog* Schrift = nullptr;
    QPushButton* FarbKnopf = nullptr;

private:
    void FarbeZeigen();
    TColor FFarbe = 0;
    TFont FVorgabe;
    QFont FVorgabeAnzeige;  // the font the dialog showed for the preset
};
