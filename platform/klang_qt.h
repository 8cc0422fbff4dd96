#pragma once
// The program's player on Qt Multimedia. Built into the sound module that
// SpieleKlang loads on first use (platform/klang.h), not into the program.

#include "platform/klang.h"

#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>
#include <map>
#include <memory>

class QSoundEffect;

// The player on Qt Multimedia. One sound effect per name, made on first use.
// The device check runs once, before the first sound; without a device, or
// after a sound effect reported an error, every later call does nothing.
class TQtKlangSpieler : public QObject, public TKlangSpieler {
public:
    using TGeraetPruefung = std::function<bool()>;
    // Without a check the system's list of audio outputs decides.
    explicit TQtKlangSpieler(TGeraetPruefung geraetDa = {}, QObject* parent = nullptr);
    ~TQtKlangSpieler() override;

    void Spiele(const QString& name) override;

    bool Stumm() const { return FStumm; }
    int Effekte() const { return static_cast<int>(FEffekte.size()); }
    // Where the sound effect made for `name` loads from; empty before.
    QUrl Quelle(const QString& name) const;

private:
    QSoundEffect* Effekt(const QString& name);

    TGeraetPruefung FGeraetDa;
    bool FGeprueft = false;
    bool FStumm = false;
    std::map<QString, std::unique_ptr<QSoundEffect>> FEffekte;
    QSoundEffect* FAktuell = nullptr;
};

// The module's entry: makes the player as a child of `eltern` and gives it
// as the object that owns it and as the player.
extern "C" QObject* TessaplunKlangSpieler(QObject* eltern, TKlangSpieler** spieler);
