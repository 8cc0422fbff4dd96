#pragma once
// Window utilities every window uses: translucency, the Yes/No question and
// the window that a message or a dialog belongs to.

#include <QMessageBox>
#include <QString>

#include <memory>
#include <string>

class QWidget;

constexpr int IDYES = 6;
constexpr int IDNO = 7;

// Sets a top-level window's opacity, alpha 0..255 (255 opaque); values
// outside are clamped. A null window is ignored.
void SetWindowAlpha(QWidget* window, int alpha);

// The window that a message, a question or a standard dialog belongs to,
// which the box then stands above (under X11 it is transient for it, and a
// window manager keeps it above its owner, an owner that stays on top
// included): the modal dialog that is open (it blocks every other window),
// else the asking window `fragend`, else the active window, else none. Only
// windows that are up count.
QWidget* Besitzerfenster(QWidget* fragend = nullptr);

// Shows the modal question and returns the button that closed it;
// anything but a Yes button counts as No.
class TJaNeinFrage {
public:
    virtual ~TJaNeinFrage() = default;
    virtual QMessageBox::StandardButton Frage(const QString& caption, const QString& text) = 0;
};

// Keeps a modal box or dialog in front of every window, the program's
// stay-on-top windows included: one of them covering it would leave the
// program looking frozen.
void VorAllenFenstern(QWidget* box);

// The width a window needs for the window manager to show `titel` whole in
// its title bar: the title in the bar's bold 8-point font, with the room of
// the icon and the three buttons free on both sides.
int TitelleistenBreite(const QString& titel);

// A message box of a short text is narrower than its title bar needs, and
// the window manager then shortens the title ("T… 8"): this makes the box at
// least that wide. QMessageBox fixes its own size from its layout when it is
// shown, so the width goes into the layout.
void BoxTitelPlatz(QMessageBox* box);

// The real question's box, owned by Besitzerfenster(), not yet shown.
std::unique_ptr<QMessageBox> FrageBox(const QString& caption, const QString& text);

// Tests install a fake; nullptr restores the real message box.
void SetJaNeinFrage(TJaNeinFrage* frage);
TJaNeinFrage* JaNeinFrage();

// Asks `text` (UTF-8) with the caption Texte[328] of the language in force.
// Returns IDYES (6) only for an explicit Yes; No, Escape, closing the box or
// a box that could not be shown give IDNO (7). `unbenutzt` has no effect.
int AskYesNo(const std::string& text, int unbenutzt = 0);
int AskYesNo(const char* text, int unbenutzt = 0);
int AskYesNo(const QString& text, int unbenutzt = 0);
