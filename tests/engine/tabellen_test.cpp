#include "engine/tabellen.h"

#include "engine/texte.h"
#include "engine/zustand.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// Defaults replace what a window shows, but keep what a document brought
// that no window shows: reserved bytes and the centres' fonts.
TEST(Tabellen, DefaultsKeepWhatNoWindowShows)
{
    AllesNullen();
    EXPECT_EQ(FunktionNr, 1);  // zeroing keeps a valid index
    std::tie(Kreise[2].Reserve1088[7], Punkte[12].Font.Name, Punkte[1].X) = std::tuple(0x5A, "Arial", "3");
    std::tie(Beschriftungen[1].Text, Beschriftungen[10].Text, Beschriftungen[11].Text) = std::tuple("a", "b", "c");
    TabellenVorbelegen();
    EXPECT_EQ(std::tuple(Kreise[2].Reserve1088[7], Punkte[12].Font.Name, Punkte[1].X), std::tuple(0x5A, "Arial", ""));
    EXPECT_EQ(std::tuple(Beschriftungen[1].Text, Beschriftungen[10].Text, Beschriftungen[11].Text), std::tuple("", "", "c"));
    // The one-based table reaches its last centre.
    EXPECT_EQ(std::tuple(Punkte[20].Name, Punkte.Slots.back().Name, Punkte.Slots.front().Name), std::tuple("V", "V", "A"));
    AllesNullen();
}

// Lines are split but never trimmed; a shorter list leaves the lines beyond
// its count as the last list had them (the language tests switch lists).
TEST(Texte, LinesAreSplitButNeverTrimmedAndLoadingKeepsTheLinesBeyondTheCount)
{
    EXPECT_EQ(ZeilenAusText("a\r\n b \n\nc\r\n"), (std::vector<std::string>{"a", " b ", "", "c"}));
    EXPECT_TRUE(ZeilenAusText("").empty());
    AllesNullen();
    TexteLaden(std::vector<std::string>(580, "alt"));
    EXPECT_EQ(std::tuple(Texte[0], Texte[579], Texte[580]), std::tuple("alt", "alt", ""));
    TexteLaden(std::vector<std::string>(600, "lang"));  // more lines than the table holds
    EXPECT_EQ(Texte[581], "lang");
    AllesNullen();
}

// Zeroing leaves nothing of a session behind: tables, texts, settings,
// the mode and every flag; only the selected function stays a valid index.
TEST(Tabellen, ZeroingClearsEverything)
{
    TabellenVorbelegen();
    std::tie(Texte[0], Texte[9], Texte[AnzahlTexte - 1], Einstellungen.Sprache, Modus, VerschiebeNr, BeendenBestaetigt) =
        std::tuple("Zeile 0", ".", "letzte", 2, ModusKreisRadius, 4, true);
    std::tie(FensterVersatz[6], FunktionNr, ZeichnenErlaubt, StartDokument, Flagge.RadiusText, ReserveBlock[3]) =
        std::tuple(8, 5, true, "/tmp/a.kvd", "2", 7);
    Zustand.Editor[TEditorFeld::XBis].Text = "5";
    AllesNullen();
    EXPECT_EQ(std::tuple(Punkte[3], Beschriftungen[1], Kreise[10], Senkrechte[4], Flaechen[8]),
              std::tuple(TPunkt{}, TBeschriftung{}, TKreis{}, TSenkrechte{}, TFlaeche{}));
    EXPECT_EQ(Einstellungen, TEinstellungen{});
    EXPECT_EQ(std::tuple(Texte[0], Texte[9], Texte[AnzahlTexte - 1], Modus, VerschiebeNr, BeendenBestaetigt, FensterVersatz[6]),
              std::tuple("", "", "", 0, 0, false, 0));
    EXPECT_EQ(std::tuple(ZeichnenErlaubt, StartDokument, Flagge.RadiusText, ReserveBlock[3], Zustand.Editor[TEditorFeld::XBis].Text),
              std::tuple(false, "", "", 0, ""));
    EXPECT_EQ(FunktionNr, 1);  // stays a valid index
    EXPECT_EQ(Dezimaltrenner(), ',');
}

}  // namespace
