#pragma once
// The program's own short sounds (resources/sounds/), played asynchronously
// behind a small interface so that tests can record them instead.

#include <QString>

class QObject;

class TKlangSpieler {
public:
    virtual ~TKlangSpieler() = default;
    // Starts the sound `name` ("blop", "klick", "schlag", "schreib", "weg")
    // and returns at once; a new sound cuts off the one still playing.
    virtual void Spiele(const QString& name) = 0;
};

// Tests install a fake; nullptr restores the player of the program.
void SetKlangSpieler(TKlangSpieler* spieler);
// Plays through the installed player. Never fails and never reports: where
// no audio device exists, or the device fails, the program stays silent.
void SpieleKlang(const QString& name);

// The program's player lives in a module of its own (platform/klang_qt.h),
// loaded from the program's folder when the first sound plays: Qt Multimedia
// and the twenty-odd libraries it needs stay out of the start. Loads the
// module at `pfad` and makes its player, a child of `eltern`; null, and
// the program silent, when the module is missing or cannot be loaded.
TKlangSpieler* KlangModulLaden(const QString& pfad, QObject* eltern);
