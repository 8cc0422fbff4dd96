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
    Kreise[2].Reserve1088[7] = 0x5A;
    Punkte[12].Font.Name = "Arial";
    Punkte[1].X = "3";
    TabellenVorbelegen();
    EXPECT_EQ(Kreise[2].Reserve1088[7], 0x5A);
    EXPECT_EQ(Punkte[12].Font.Name, "Arial");
    EXPECT_TRUE(Punkte[1].X.empty());
    EXPECT_EQ(Punkte[20].Name, "V");  // the last centre, at the end of the one-based table
    EXPECT_EQ(Punkte.Slots.back().Name, "V");
    EXPECT_EQ(Punkte.Slots.front().Name, "A");
    AllesNullen();
}

TEST(Tabellen, ZeroingClearsEverything)
{
    TabellenVorbelegen();
    std::tie(Texte[9], Einstellungen.Sprache, Modus, VerschiebeNr, BeendenBestaetigt, FensterVersatz[6], FunktionNr) =
        std::tuple(".", 2, ModusKreisRadius, 4, true, 8, 5);
    AllesNullen();
    EXPECT_EQ(Punkte[3], TPunkt{});
    EXPECT_EQ(Einstellungen, TEinstellungen{});
    EXPECT_EQ(std::tuple(Texte[9], Modus, VerschiebeNr, BeendenBestaetigt, FensterVersatz[6]), std::tuple("", 0, 0, false, 0));
    EXPECT_EQ(FunktionNr, 1);  // stays a valid index
}

TEST(Texte, LinesAreSplitButNeverTrimmed)
{
    EXPECT_EQ(ZeilenAusText("a\n b \n\nc"), (std::vector<std::string>{"a", " b ", "", "c"}));
    EXPECT_EQ(ZeilenAusText("a\r\nb\r\n"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(ZeilenAusText("\n\n"), (std::vector<std::string>{"", ""}));
    EXPECT_TRUE(ZeilenAusText("").empty());
}

TEST(Texte, LoadingKeepsTheLinesBeyondTheListsCount)
{
    AllesNullen();
    TexteLaden(std::vector<std::string>(580, "alt"));
    TexteLaden(std::vector<std::string>(525, "neu"));
    EXPECT_EQ(Texte[524], "neu");
    EXPECT_EQ(Texte[525], "alt");
    EXPECT_EQ(Texte[579], "alt");
    EXPECT_TRUE(Texte[580].empty());
    TexteLaden(std::vector<std::string>(600, "lang"));  // more lines than the table holds
    EXPECT_EQ(Texte[581], "lang");
    AllesNullen();
}

}  // namespace
