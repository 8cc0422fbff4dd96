#include "engine/tabellen.h"

#include "engine/texte.h"

#include <gtest/gtest.h>

namespace {

class Tabellen : public ::testing::Test {
protected:
    void SetUp() override
    {
        AllesNullen();
        TabellenVorbelegen();
    }
    void TearDown() override { AllesNullen(); }
};

TEST_F(Tabellen, PointsAToJAndTheCircleCentres)
{
    const TPunkt& c = Punkte[3];
    EXPECT_EQ(c.Name, "C");
    EXPECT_EQ(c.Style, 1);
    EXPECT_EQ(c.NamePos, 4);
    EXPECT_EQ(c.Color, clBlue);
    EXPECT_EQ(c.Font.Name, "Tahoma");
    EXPECT_EQ(c.Font.Color, clBlue);
    EXPECT_EQ(c.Font.Size, 10);
    EXPECT_TRUE(c.X.empty() && c.Y.empty());
    EXPECT_EQ(Punkte[10].Name, "J");

    const TPunkt& m = Punkte[11];
    EXPECT_EQ(m.Name, "M");
    EXPECT_EQ(m.Color, clGreen);
    EXPECT_EQ(m.Style, 1);
    EXPECT_EQ(m.NamePos, 4);
    EXPECT_EQ(m.Font, TSchrift{});  // centres have no font defaults
    EXPECT_EQ(Punkte[20].Name, "V");
}

TEST_F(Tabellen, LabelsCirclesSegmentsAndAreas)
{
    for (int k = 1; k <= 10; ++k) {
        EXPECT_TRUE(Beschriftungen[k].Text.empty());
        EXPECT_DOUBLE_EQ(Beschriftungen[k].X, 2.1);
        EXPECT_DOUBLE_EQ(Beschriftungen[k].Y, k - 0.2);
        EXPECT_EQ(Beschriftungen[k].Font.Name, "Tahoma");
        EXPECT_EQ(Beschriftungen[k].Font.Size, 12);
        EXPECT_EQ(Beschriftungen[k].Vorne, 1);
    }
    EXPECT_EQ(Beschriftungen[11], TBeschriftung{});  // beyond the used slots: zero

    EXPECT_EQ(Kreise[1].RadiusX, "2");
    EXPECT_EQ(Kreise[1].RadiusY, "2");
    EXPECT_EQ(Kreise[1].ShowCentre, "1");
    EXPECT_EQ(Kreise[1].Fill, "0");
    EXPECT_EQ(Kreise[1].LineStyle, 1);
    EXPECT_EQ(Kreise[1].Hinten, 0);
    EXPECT_EQ(Kreise[10].FillColor, clYellow);
    EXPECT_EQ(Kreise[11], TKreis{});

    EXPECT_TRUE(Senkrechte[4].X.empty());
    EXPECT_EQ(Senkrechte[4].YFrom, "-100");
    EXPECT_EQ(Senkrechte[4].YTo, "100");
    EXPECT_EQ(Senkrechte[4].Color, clGreen);
    EXPECT_EQ(Senkrechte[5], TSenkrechte{});

    for (const TFlaeche& f : Flaechen) {
        EXPECT_EQ(f.CurveA, 1);
        EXPECT_EQ(f.CurveB, f.CurveA);  // equal curves: no area
        EXPECT_EQ(f.XFrom, "-2");
        EXPECT_EQ(f.XTo, "2");
        EXPECT_EQ(f.Color, clGreen);
        EXPECT_EQ(f.Linien, 0);
    }
}

TEST_F(Tabellen, DefaultsKeepReservedBytesThatADocumentBrought)
{
    Kreise[2].Reserve1088[7] = 0x5A;
    Punkte[12].Font.Name = "Arial";
    Punkte[1].X = "3";
    TabellenVorbelegen();
    EXPECT_EQ(Kreise[2].Reserve1088[7], 0x5A);
    EXPECT_EQ(Punkte[12].Font.Name, "Arial");
    EXPECT_TRUE(Punkte[1].X.empty());
}

TEST_F(Tabellen, TablesAreOneBased)
{
    Punkte[1].Name = "erster";
    Punkte[20].Name = "letzter";
    EXPECT_EQ(Punkte.Slots.front().Name, "erster");
    EXPECT_EQ(Punkte.Slots.back().Name, "letzter");
}

TEST_F(Tabellen, ZeroingClearsEverything)
{
    Texte[9] = ".";
    Einstellungen.Sprache = 2;
    Modus = ModusKreisRadius;
    VerschiebeNr = 4;
    BeendenBestaetigt = true;
    FensterVersatz[6] = 8;
    AllesNullen();
    EXPECT_EQ(Punkte[3], TPunkt{});
    EXPECT_EQ(Einstellungen, TEinstellungen{});
    EXPECT_TRUE(Texte[9].empty());
    EXPECT_EQ(Modus, 0);
    EXPECT_EQ(VerschiebeNr, 0);
    EXPECT_FALSE(BeendenBestaetigt);
    EXPECT_EQ(FensterVersatz[6], 0);
    EXPECT_EQ(FunktionNr, 1);
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
