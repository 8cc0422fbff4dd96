#include "platform/melder.h"

#include <utility>

TMelder& Melder()
{
    // Lives as long as the program; windows that listen disconnect as they go.
    static TMelder melder;
    return melder;
}

bool TMelder::Zurueckhalten(TNachholen was)
{
    if (FTiefe == 0)
        return false;
    FOffen[static_cast<std::size_t>(was)] = true;
    return true;
}

void TMelder::Erlassen(TNachholen was)
{
    FOffen[static_cast<std::size_t>(was)] = false;
}

void TMelder::DokumentErneuern()
{
    if (FTiefe > 0)
        FErneuert = true;
    else
        emit DokumentErneuert();
}

void TMelder::NachDerKlammer(std::function<void()> arbeit)
{
    if (FTiefe > 0)
        FDanach.push_back(std::move(arbeit));
    else
        arbeit();
}

void TMelder::KlammerAuf()
{
    ++FTiefe;
}

void TMelder::KlammerZu()
{
    if (FTiefe > 1) {
        --FTiefe;
        return;
    }
    // The windows refresh from the tables while the bracket is still open:
    // what their fields echo back into the tables is drawn with the rest
    // below, not once per field. A replaced document refreshes them all,
    // the overview with them.
    constexpr auto werkzeuge = static_cast<std::size_t>(TNachholen::Werkzeugfenster);
    try {
        if (FErneuert) {
            FErneuert = false;
            emit DokumentErneuert();
            FOffen[static_cast<std::size_t>(TNachholen::Uebersicht)] = false;
        } else if (FOffen[werkzeuge]) {
            // (What is owed to the tool windows is dropped with the rest
            // below; the loop there starts after them.)
            emit NachholenVerlangt(TNachholen::Werkzeugfenster);
        }
    } catch (...) {
        // The next change finds no bracket open and nothing owed.
        FTiefe = 0;
        FOffen = {};
        FDanach.clear();
        throw;
    }
    FTiefe = 0;
    const std::array<bool, AnzahlNachholen> offen = std::exchange(FOffen, {});
    const std::vector<std::function<void()>> danach = std::exchange(FDanach, {});
    // The rest, after the tool windows' refresh above.
    for (std::size_t i = werkzeuge + 1; i < offen.size(); ++i) {
        if (offen[i])
            emit NachholenVerlangt(static_cast<TNachholen>(i));
    }
    for (const std::function<void()>& arbeit : danach)
        arbeit();
}

TAenderungsklammer::TAenderungsklammer()
{
    Melder().KlammerAuf();
}

TAenderungsklammer::~TAenderungsklammer()
{
    // Ends the change even when it was left by an exception; nothing
    // that it then runs may throw out of here.
    try {
        Melder().KlammerZu();
    } catch (...) {
    }
}
