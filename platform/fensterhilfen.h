#pragma once
// Window utilities every window uses: translucency and the Yes/No question.

#include <QMessageBox>
#include <QString>
#include <string>

class QWidget;

constexpr int IDYES = 6;
constexpr int IDNO = 7;

// Sets a top-level window's opacity, alpha 0..255 (255 opaque); values
// outside are clamped. A null window is ignored.
void SetWindowAlpha(QWidget* window, int alpha);

// Shows the modal question and returns the button that closed it;
// anything but a Yes button counts as No.
class TJaNeinFrage {
public:
    virtual ~TJaNeinFrage() = default;
    virtual QMessageBox::StandardButton Frage(const QString& caption, const QString& text) = 0;
};

// Tests install a fake; nullptr restores the real message box.
void SetJaNeinFrage(TJaNeinFrage* frage);
TJaNeinFrage* JaNeinFrage();

// Asks `text` (UTF-8) with the caption Texte[328] of the language in force.
// Returns IDYES (6) only for an explicit Yes; No, Escape, closing the box or
// a box that could not be shown give IDNO (7). `unbenutzt` has no effect.
int AskYesNo(const std::string& text, int unbenutzt = 0);
int AskYesNo(const char* text, int unbenutzt = 0);
int AskYesNo(const QString& text, int unbenutzt = 0);
