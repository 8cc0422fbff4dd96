#include "engine/tabellen.h"

#include "engine/texte.h"

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
    TabellenVorbelegen();
    EXPECT_EQ(std::tuple(Kreise[2].Reserve1088[7], Punkte[12].Font.Name, Punkte[1].X), std::tuple(0x5A, "Arial", ""));
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
    EXPECT_EQ(std::tuple(Texte[579], Texte[580]), std::tuple("alt", ""));
    TexteLaden(std::vector<std::string>(600, "lang"));  // more lines than the table holds
    EXPECT_EQ(Texte[581], "lang");
    AllesNullen();
}

}  // namespace
