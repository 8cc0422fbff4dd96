#pragma once
// The start measured from outside (bench/start.sh): once a widget that
// `flaeche` picks has been painted for the first time, one line goes to
// standard output,
//   erstes-bild <nanoseconds since the epoch> <window width> <window height>
//               <processor time of all threads so far, nanoseconds>
// after the paint has been handed to the window system. The processor time
// tells a lighter start from a quieter machine on a shared one. The window is the
// one the widget lies in. Installed before the windows are made, so that a
// paint during the start (under a message it shows) is not missed.

#include <functional>

class QObject;

void ErstesBildMelden(std::function<bool(QObject*)> flaeche);

// fontconfig reads its configuration and its font caches (a sixth of the
// start's instructions) the first time a text is measured, the splash's.
// SchriftVorlaufStarten hands that to a thread while the application
// object and the splash are made; SchriftVorlaufAbwarten, called before the
// first text, waits for it. Without fontconfig loaded both do nothing.
void SchriftVorlaufStarten();
void SchriftVorlaufAbwarten();
