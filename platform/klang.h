#pragma once
// The program's own short sounds (resources/sounds/), played asynchronously
// behind a small interface so that tests can record them instead.

#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>
#include <map>
#include <memory>

class QSoundEffect;

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
