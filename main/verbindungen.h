#pragma once
// The requests of the notifier (platform/melder.h), each connected to the
// window that serves it. main/ creates every window and is the only folder
// that knows them all, so it wires them; the start calls this once every
// window that serves a request exists.
void FensterVerbinden();

enum class TUmschaltFenster : int;
class TWerkzeugfenster;

// The tool windows and the overview are made when they are first needed, so
// that the start does not pay for windows it does not show: the window that
// toggle `f` shows, made now if it does not exist yet (captioned in the
// language in force, as translucent as the main window's switch says, and
// connected); null for a toggle of another window.
TWerkzeugfenster* Werkzeugfenster(TUmschaltFenster f);
// All of them, in the order the toggles list them.
void WerkzeugfensterAnlegen();

class TAboutBox;
class TTippsDlg;
class THotkeyDlg;
class TTastenDlg;

// The help and about dialogs of the main window are made on first use as
// well (the about window's picture alone costs as much as a small window):
// each, made now if it does not exist yet, captioned in the language in
// force. A dialog that exists is returned as it is.
TAboutBox* InfoFenster();
TTippsDlg* TippsFenster();
THotkeyDlg* HotkeyFenster();
TTastenDlg* TastenFenster();
// A dialog of tools/ made on its first use takes its captions as these do,
// and the value table is made by WertetabelleAnlegen.
void SpaeteDialogeBeschriften();
// The value table, unless it exists: captioned in the language in force,
// placed under the main window, connected, showing the calculator and the
// rows of the state, without drawing the picture again.
void WertetabelleAnlegen();
// Every window and dialog that the start leaves for its first use.
void SpaeteFensterAnlegen();
