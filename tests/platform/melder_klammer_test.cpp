// The notifier's bracket of whole-document changes: held back while open,
// done once when the outermost one ends, in a fixed order, and never left
// open behind an exception.
#include "platform/melder.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Records, in order, what the notifier said and did at a bracket's end.
struct TProtokoll {
    std::vector<std::string> Eintraege;
    std::vector<QMetaObject::Connection> Verbindungen;

    TProtokoll()
    {
        TMelder& m = Melder();
        Verbindungen.push_back(QObject::connect(&m, &TMelder::DokumentErneuert, [this] {
            // The windows' echoes while they refresh are still held back.
            Eintraege.push_back(Melder().KlammerOffen() ? "erneuert (offen)" : "erneuert");
        }));
        Verbindungen.push_back(QObject::connect(&m, &TMelder::NachholenVerlangt, [this](TNachholen was) {
            const char* namen[] = {"werkzeugfenster", "wertetabelle", "uebersicht", "bild"};
            Eintraege.push_back(std::string(namen[static_cast<int>(was)]) + (Melder().KlammerOffen() ? " (offen)" : ""));
        }));
    }
    ~TProtokoll()
    {
        for (const auto& v : Verbindungen)
            QObject::disconnect(v);
    }
};

}  // namespace

TEST(MelderKlammer, OutsideABracketEverythingHappensAtOnce)
{
    TProtokoll p;
    bool danach = false;
    EXPECT_FALSE(Melder().KlammerOffen());
    EXPECT_FALSE(Melder().Zurueckhalten(TNachholen::Bild));
    Melder().DokumentErneuern();
    Melder().NachDerKlammer([&] { danach = true; });
    EXPECT_TRUE(danach);
    EXPECT_EQ(p.Eintraege, std::vector<std::string>{"erneuert"});
}

// Nested brackets: only the outermost end acts, each owed thing once, the
// windows' refresh first (while echoes are still held), then the rows, then
// the picture, then what waited for all of it. The tool windows and the
// overview are all refreshed when the document was replaced.
TEST(MelderKlammer, TheOutermostEndRefreshesOnceThenDoesWhatWasOwedInOrder)
{
    TProtokoll p;
    std::vector<std::string> danach;
    {
        const TAenderungsklammer aussen;
        {
            const TAenderungsklammer innen;
            EXPECT_TRUE(Melder().Zurueckhalten(TNachholen::Bild));
            Melder().DokumentErneuern();
            Melder().NachDerKlammer([&] { danach.push_back("meldung " + std::to_string(p.Eintraege.size())); });
        }
        EXPECT_TRUE(Melder().KlammerOffen());
        EXPECT_TRUE(p.Eintraege.empty());
        EXPECT_TRUE(Melder().Zurueckhalten(TNachholen::Uebersicht));
        EXPECT_TRUE(Melder().Zurueckhalten(TNachholen::Werkzeugfenster));
        EXPECT_TRUE(Melder().Zurueckhalten(TNachholen::Bild));
        EXPECT_TRUE(Melder().Zurueckhalten(TNachholen::Wertetabelle));
        Melder().DokumentErneuern();
    }
    EXPECT_FALSE(Melder().KlammerOffen());
    EXPECT_EQ(p.Eintraege, (std::vector<std::string>{"erneuert (offen)", "wertetabelle", "bild"}));
    EXPECT_EQ(danach, std::vector<std::string>{"meldung 3"});

    // Nothing is left owed for the next bracket; without a replaced
    // document the windows refresh by themselves, the tool windows still
    // inside the bracket.
    p.Eintraege.clear();
    {
        const TAenderungsklammer k;
        Melder().Zurueckhalten(TNachholen::Bild);
        Melder().Zurueckhalten(TNachholen::Uebersicht);
        Melder().Zurueckhalten(TNachholen::Werkzeugfenster);
    }
    EXPECT_EQ(p.Eintraege, (std::vector<std::string>{"werkzeugfenster (offen)", "uebersicht", "bild"}));
}

// A refresh that draws while the windows take the replaced document is
// drawn after it, once.
TEST(MelderKlammer, WhatTheRefreshOwesIsDoneAfterIt)
{
    TProtokoll p;
    const auto echo = QObject::connect(&Melder(), &TMelder::DokumentErneuert, [] {
        EXPECT_TRUE(Melder().Zurueckhalten(TNachholen::Bild));
    });
    {
        const TAenderungsklammer k;
        Melder().DokumentErneuern();
    }
    QObject::disconnect(echo);
    EXPECT_EQ(p.Eintraege, (std::vector<std::string>{"erneuert (offen)", "bild"}));
}

TEST(MelderKlammer, ABracketLeftByAnExceptionStillEnds)
{
    // The change itself fails, and so does what its end asks for.
    const auto wirft = QObject::connect(&Melder(), &TMelder::NachholenVerlangt, [](TNachholen) {
        throw std::runtime_error("refresh failed");
    });
    EXPECT_THROW(
        {
            const TAenderungsklammer k;
            Melder().Zurueckhalten(TNachholen::Bild);
            throw std::runtime_error("change failed");
        },
        std::runtime_error);
    QObject::disconnect(wirft);
    EXPECT_FALSE(Melder().KlammerOffen());
    EXPECT_FALSE(Melder().Zurueckhalten(TNachholen::Bild));

    // A window fails to take the replaced document: nothing of that bracket
    // is owed to the next one.
    const auto scheitert = QObject::connect(&Melder(), &TMelder::DokumentErneuert, [] {
        throw std::runtime_error("refresh failed");
    });
    bool danach = false;
    {
        const TAenderungsklammer k;
        Melder().Zurueckhalten(TNachholen::Bild);
        Melder().NachDerKlammer([&] { danach = true; });
        Melder().DokumentErneuern();
    }
    QObject::disconnect(scheitert);
    EXPECT_FALSE(Melder().KlammerOffen());
    TProtokoll p;
    {
        const TAenderungsklammer k;
    }
    EXPECT_TRUE(p.Eintraege.empty());
    EXPECT_FALSE(danach);
}
