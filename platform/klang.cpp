#include "platform/klang.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QPointer>

#include <tuple>
#include <utility>

namespace {

TKlangSpieler* GSpieler = nullptr;

using TModulEingang = QObject* (*)(QObject*, TKlangSpieler**);

// The player of the module at `pfad` and the object that owns it; both null
// when there is none.
std::pair<QObject*, TKlangSpieler*> ModulSpieler(const QString& pfad, QObject* eltern)
{
    // The module stays loaded for the rest of the process: its player and
    // the sound effects it made run its code until the application ends.
    QLibrary modul(pfad);
    const auto eingang = reinterpret_cast<TModulEingang>(modul.resolve("TessaplunKlangSpieler"));
    if (!eingang)
        return {nullptr, nullptr};
    TKlangSpieler* spieler = nullptr;
    QObject* besitzer = eingang(eltern, &spieler);
    return {besitzer, spieler};
}

}  // namespace

void SetKlangSpieler(TKlangSpieler* spieler)
{
    GSpieler = spieler;
}

TKlangSpieler* KlangModulLaden(const QString& pfad, QObject* eltern)
{
    return ModulSpieler(pfad, eltern).second;
}

void SpieleKlang(const QString& name)
{
    if (GSpieler) {
        GSpieler->Spiele(name);
        return;
    }
    // The program's player lives as long as the application object; a
    // module that could not be loaded is not looked for again.
    static QPointer<QObject> besitzer;
    static TKlangSpieler* programm = nullptr;
    static bool fehlt = false;
    if (!besitzer) {
        QCoreApplication* app = QCoreApplication::instance();
        if (!app || fehlt)
            return;
        std::tie(besitzer, programm) =
            ModulSpieler(QCoreApplication::applicationDirPath() + QStringLiteral("/" TESSAPLUN_KLANG_MODUL), app);
        fehlt = !programm;
        if (!programm)
            return;
    }
    programm->Spiele(name);
}
