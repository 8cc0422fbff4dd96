#include "engine/dokument_pruefen.h"

#include "engine/funktion.h"
#include "engine/tabellen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

// A document as New leaves it.
TDokumentBild GesundesBild()
{
    AllesNullen();
    TabellenVorbelegen();
    TDokumentBild b;
    b.Kopf = NeuerDokumentKopf();
    for (std::size_t i = 0; i <= 12; ++i)
        b.Funktionen[i] = FunktionSatzAus(TFunktion{});
    TabellenInBild(b);
    return b;
}

bool Gefunden(const std::vector<DokumentMangelFund>& f, DokumentMangel art, int slot = 0)
{
    return std::find(f.begin(), f.end(), DokumentMangelFund{art, slot}) != f.end();
}

TEST(DokumentPruefen, SoundDocumentIsLeftAlone)
{
    TDokumentBild b = GesundesBild();
    // Values at the edges of what is allowed are sound too.
    std::tie(b.Kopf.XMin, b.Kopf.XMax, b.Kopf.FunktionNr, b.Kopf.Gitter) = std::tuple(-500000, 500000, 9, "7c");
    std::tie(b.Kopf.TrackBar1, b.Kopf.TrackBar2) = std::tuple(-4, 10);
    b.Funktionen[3].LineStyle = 10;
    b.Funktionen[4].LineStyle = 0;
    b.Funktionen[5].Kind = " Funktionenschar ";
    b.Funktionen[6].TStep = 1e-300;
    b.Flaechen[2].CurveB = 13;
    const TDokumentBild vorher = b;
    EXPECT_TRUE(DokumentPruefen(b).empty());
    EXPECT_TRUE(b == vorher);
}

TEST(DokumentPruefen, EmptyInvertedAndHugeViews)
{
    struct Fall {
        std::int32_t von, bis;
        bool gesund;
    };
    const Fall faelle[] = {
        {3, 3, false}, {6, -5, false}, {0, 1000000, true}, {0, 1000001, false},
        {INT32_MIN, INT32_MAX, false},  // the width must not overflow
        {INT32_MAX, INT32_MIN, false}, {INT32_MAX - 1, INT32_MAX, true},
    };
    for (const Fall& c : faelle) {
        TDokumentBild b = GesundesBild();
        b.Kopf.XMin = c.von;
        b.Kopf.XMax = c.bis;
        b.Kopf.YMin = c.von;
        b.Kopf.YMax = c.bis;
        const auto f = DokumentPruefen(b);
        EXPECT_EQ(Gefunden(f, DokumentMangel::AnsichtX), !c.gesund) << c.von << ".." << c.bis;
        EXPECT_EQ(Gefunden(f, DokumentMangel::AnsichtY), !c.gesund) << c.von << ".." << c.bis;
        if (!c.gesund) {
            EXPECT_EQ(std::tuple(b.Kopf.XMin, b.Kopf.XMax, b.Kopf.YMin, b.Kopf.YMax), std::tuple(-5, 6, -2, 8));
        }
    }
}

// Header values outside their range get the values of a new document.
TEST(DokumentPruefen, HeaderValuesOutsideTheirRange)
{
    struct Fall {
        DokumentMangel art;
        std::function<void(TDokumentKopf&)> schaden;
        std::function<void(const TDokumentKopf&)> pruefen;
    };
    std::vector<Fall> faelle;
    for (double e : {NaN, Inf, -Inf, 0.0, -1.0})
        for (DokumentMangel art : {DokumentMangel::EinheitX, DokumentMangel::EinheitY})
            faelle.push_back({art,
                              [e](TDokumentKopf& k) {
                                  std::tie(k.EinheitX, k.TrackBar2, k.EinheitY, k.TrackBar1) = std::tuple(e, 5, e, 7);
                              },
                              [](const TDokumentKopf& k) {  // the track bars agree with the mended unit
                                  EXPECT_EQ(std::tuple(k.EinheitX, k.EinheitY, k.TrackBar2, k.TrackBar1),
                                            std::tuple(1.0, 1.0, 1, 1));
                              }});
    for (std::int32_t nr : {0, 10, 99, -1, INT32_MIN})
        faelle.push_back({DokumentMangel::FunktionNr, [nr](TDokumentKopf& k) { k.FunktionNr = nr; },
                          [](const TDokumentKopf& k) { EXPECT_EQ(k.FunktionNr, 1); }});
    for (const char* g : {"", "1", "8a", "1d", "1bx", "b1"})
        faelle.push_back({DokumentMangel::Gitter, [g](TDokumentKopf& k) { k.Gitter = g; },
                          [](const TDokumentKopf& k) { EXPECT_EQ(k.Gitter, "1b"); }});
    for (DokumentMangel art : {DokumentMangel::SchiebereglerY, DokumentMangel::SchiebereglerX})
        faelle.push_back({art, [](TDokumentKopf& k) { std::tie(k.TrackBar1, k.TrackBar2) = std::tuple(11, -5); },
                          [](const TDokumentKopf& k) { EXPECT_EQ(std::tuple(k.TrackBar1, k.TrackBar2), std::tuple(1, 1)); }});
    for (std::size_t i = 0; i < faelle.size(); ++i) {
        SCOPED_TRACE(i);
        TDokumentBild b = GesundesBild();
        faelle[i].schaden(b.Kopf);
        EXPECT_TRUE(Gefunden(DokumentPruefen(b), faelle[i].art));
        faelle[i].pruefen(b.Kopf);
    }
}

TEST(DokumentPruefen, FunctionRecords)
{
    TDokumentBild b = GesundesBild();
    b.Funktionen[0].TStep = 0;
    b.Funktionen[1].TStep = -1;
    b.Funktionen[2].TStep = NaN;
    b.Funktionen[3].TStep = Inf;
    b.Funktionen[4].TTo = Inf;
    b.Funktionen[5].XFrom = NaN;
    b.Funktionen[6].LineStyle = 11;
    b.Funktionen[7].LineStyle = -1;
    b.Funktionen[8].Kind = "";
    b.Funktionen[8].Term = "f(x,t) = t*x";
    b.Funktionen[9].Kind = " Taschenrechner ";
    b.Funktionen[9].Term = "f(x) = 2,5*(x+1)";
    b.Funktionen[12].TStep = 0;
    // Records 13..20 are only carried: whatever they hold stays.
    b.Funktionen[13].TStep = 0;
    b.Funktionen[20].LineStyle = 99;
    const auto f = DokumentPruefen(b);

    for (std::size_t i : {0, 1, 2, 3, 12}) {
        EXPECT_TRUE(Gefunden(f, DokumentMangel::TSchritt, static_cast<int>(i))) << i;
        EXPECT_EQ(b.Funktionen[i].TStep, 1.0);
    }
    EXPECT_TRUE(Gefunden(f, DokumentMangel::TBereich, 4) && Gefunden(f, DokumentMangel::XBereich, 5));
    EXPECT_TRUE(Gefunden(f, DokumentMangel::Linienstil, 7) && Gefunden(f, DokumentMangel::Art, 9));
    EXPECT_EQ(std::tuple(b.Funktionen[4].TFrom, b.Funktionen[4].TTo), std::tuple(1.0, 5.0));
    EXPECT_EQ(std::tuple(b.Funktionen[5].XFrom, b.Funktionen[5].XTo), std::tuple(-100.0, 100.0));
    EXPECT_EQ(std::tuple(b.Funktionen[6].LineStyle, b.Funktionen[7].LineStyle), std::tuple(1, 1));
    EXPECT_EQ(b.Funktionen[8].Kind, " Funktionenschar ");  // the equation says which kind
    EXPECT_EQ(b.Funktionen[9].Kind, " Funktion ");
    EXPECT_EQ(std::tuple(b.Funktionen[13].TStep, b.Funktionen[20].LineStyle), std::tuple(0.0, 99));
    EXPECT_EQ(f.size(), 11u);
}

TEST(DokumentPruefen, ObjectTablesOnlyInUsedSlots)
{
    TDokumentBild b = GesundesBild();
    b.Senkrechte[4].LineStyle = 9;
    b.Senkrechte[5].LineStyle = 99;  // unused slot
    b.Kreise[10].LineStyle = 4;
    b.Kreise[11].LineStyle = -7;     // unused slot
    b.Punkte[3].Style = 0;
    b.Punkte[15].NamePos = 5;
    b.Flaechen[1].CurveA = 0;
    b.Flaechen[8].CurveB = 14;
    b.Beschriftungen[2].Font.Size = 1000000;
    b.Beschriftungen[20].Font.Size = -5;  // unused slot
    b.Punkte[1].Font.Size = 0;
    b.Punkte[2].Font.Name.clear();        // the reader gives it a fresh font
    b.Punkte[2].Font.Size = 0;
    const auto f = DokumentPruefen(b);
    EXPECT_EQ(f, (std::vector<DokumentMangelFund>{
                     {DokumentMangel::SenkrechteStil, 4}, {DokumentMangel::KreisStil, 10},
                     {DokumentMangel::Schriftgroesse, 1}, {DokumentMangel::PunktStil, 3},
                     {DokumentMangel::PunktNamePos, 15}, {DokumentMangel::FlaecheKurve, 1},
                     {DokumentMangel::FlaecheKurve, 8}, {DokumentMangel::Schriftgroesse, 2}}));
    EXPECT_EQ(std::tuple(b.Senkrechte[4].LineStyle, b.Senkrechte[5].LineStyle), std::tuple(1, 99));
    EXPECT_EQ(std::tuple(b.Kreise[10].LineStyle, b.Kreise[11].LineStyle), std::tuple(1, -7));
    EXPECT_EQ(std::tuple(b.Punkte[3].Style, b.Punkte[15].NamePos), std::tuple(1, 4));
    EXPECT_EQ(std::tuple(b.Flaechen[1].CurveA, b.Flaechen[8].CurveB), std::tuple(1, 1));
    EXPECT_EQ(std::tuple(b.Beschriftungen[2].Font.Size, b.Beschriftungen[20].Font.Size), std::tuple(12, -5));
    EXPECT_EQ(std::tuple(b.Punkte[1].Font.Size, b.Punkte[2].Font.Size), std::tuple(10, 0));
}

TEST(DokumentPruefen, OlderFormatTrackBars)
{
    TDokumentKopf k = NeuerDokumentKopf();
    k.Marke = 0;
    k.TrackBar2 = 5;
    EXPECT_EQ(SchiebereglerAusKopf(k).TrackBar2, 6);
    k.Marke = 1;
    EXPECT_EQ(SchiebereglerAusKopf(k).TrackBar2, 5);

    k.Marke = 7;  // any marker other than 1 is the older format
    for (auto [alt, neu] : {std::pair{1, 1}, {2, 3}, {9, 10}, {10, 10}, {-4, -4}}) {
        k.TrackBar2 = alt;
        EXPECT_EQ(SchiebereglerAusKopf(k).TrackBar2, neu) << alt;
    }
    for (auto [alt, neu] : {std::pair{7, 7}, {8, 9}, {9, 10}, {10, 10}, {2, 2}}) {
        k.TrackBar1 = alt;
        EXPECT_EQ(SchiebereglerAusKopf(k).TrackBar1, neu) << alt;
    }
    // The range is checked after the shift: 9 becomes 10, and 10 stays.
    TDokumentBild b = GesundesBild();
    b.Kopf.Marke = 0;
    b.Kopf.TrackBar1 = 9;
    b.Kopf.TrackBar2 = 10;
    EXPECT_TRUE(DokumentPruefen(b).empty());
}

TEST(DokumentPruefen, MendingIsCompleteOnRandomImages)
{
    // Whatever a damaged file holds, one pass leaves nothing to mend.
    std::mt19937 zufall(4711);
    std::uniform_int_distribution<int> byte(0, 255);
    std::vector<std::uint8_t> daten(DokumentGroesse);
    for (int runde = 0; runde < 30; ++runde) {
        for (std::uint8_t& d : daten)
            d = static_cast<std::uint8_t>(byte(zufall));
        DokumentErgebnis e = DecodeDokument(daten);
        ASSERT_TRUE(e.Ok());
        DokumentPruefen(e.Bild);
        // Bytes, not fields: carried doubles may be NaN.
        const std::vector<std::uint8_t> einmal = EncodeDokument(e.Bild);
        EXPECT_TRUE(DokumentPruefen(e.Bild).empty());
        EXPECT_TRUE(EncodeDokument(e.Bild) == einmal);
        const TDokumentKopf& k = e.Bild.Kopf;
        EXPECT_GT(k.XMax, k.XMin);
        EXPECT_GT(k.YMax, k.YMin);
        EXPECT_TRUE(std::isfinite(k.EinheitX) && k.EinheitX > 0);
        EXPECT_GE(k.FunktionNr, 1);
        EXPECT_LE(k.FunktionNr, 9);
    }
}

TEST(DokumentEndung, KvdAppendedUnlessPresentInAnyCase)
{
    for (const char* fertig : {"/tmp/haus.kvd", "/tmp/HAUS.KVD", "/tmp/haus.KvD", "/tmp/Übung.kvd"})
        EXPECT_EQ(MitKvdEndung(fertig), fertig);
    // Without the dot the three letters are part of the name.
    for (const char* ohne : {"/tmp/haus", "/tmp/hauskvd", "kvd", "/tmp/haus.kvd.txt", "/tmp/Übung"})
        EXPECT_EQ(MitKvdEndung(ohne), std::string(ohne) + ".kvd");
}

TEST(DokumentArt, FamilyWhenCommaBeforeClosingBracket)
{
    EXPECT_TRUE(IstFunktionenschar("f(x,t) = t*x^2"));
    EXPECT_TRUE(IstFunktionenschar("g(x,a) = a*x"));
    EXPECT_FALSE(IstFunktionenschar("f(x) = 2,5*(x+1)"));
    EXPECT_FALSE(IstFunktionenschar("f(x) = sin(2,5*x)"));
    EXPECT_FALSE(IstFunktionenschar("f(x,t"));
    EXPECT_FALSE(IstFunktionenschar(""));
}

class MitFunktionen : public ::testing::Test {
protected:
    void SetUp() override
    {
        Alt = Funktionen;
        for (std::size_t i = 1; i < Funktionen.size(); ++i) {
            Eigene[i] = std::make_unique<TFunktion>();
            Funktionen[i] = Eigene[i].get();
        }
        Funktionen[0] = Funktionen[1];
    }
    void TearDown() override { Funktionen = Alt; }
    std::array<TFunktion*, 14> Alt{};
    std::array<std::unique_ptr<TFunktion>, 14> Eigene;
};

// New gives functions 1..9 the values of a fresh function object and
// leaves 10..12 alone.
TEST_F(MitFunktionen, NewResetsOneToNineAndLeavesTenToTwelve)
{
    TFunktionSatz alt = FunktionSatzAus(TFunktion{});
    std::tie(alt.TTo, alt.TStep, alt.TFrom, alt.XTo, alt.XFrom) = std::tuple(9.0, 0.25, 2.0, 7.0, -1.0);
    std::tie(alt.Term, alt.Kind, alt.LineStyle) = std::tuple("f(x,t) = t", ArtFunktionenschar, 7);
    for (std::size_t i = 1; i <= 12; ++i)
        SatzInFunktion(alt, *Funktionen[i]);
    FunktionenNeu();
    for (std::size_t i = 1; i <= 12; ++i)
        EXPECT_TRUE(FunktionSatzAus(*Funktionen[i]) == (i <= 9 ? FunktionSatzAus(TFunktion{}) : alt)) << i;
}

// Everything of a document that does not live in a window: functions 1..12
// with their reserved values, the tables with unused slots and reserved
// bytes, the reserve block and the carried bytes. Opened and saved again,
// it comes back byte for byte.
TEST_F(MitFunktionen, FunctionsTablesAndCarriedBytesRoundTrip)
{
    std::mt19937 zufall(99);
    std::uniform_int_distribution<int> byte(0, 255);
    const TDokumentRest restVorher = DokumentRest;
    const TReserveBlock reserveVorher = ReserveBlock;

    TDokumentBild quelle = GesundesBild();
    for (std::size_t i = 0; i <= 20; ++i) {
        TFunktionSatz& s = quelle.Funktionen[i];
        const double d = static_cast<double>(i);
        const auto n = static_cast<std::uint8_t>(i);
        s.Term = i % 2 ? "f(x,t) = t*x^" + std::to_string(i) : "f(x)=sin(x)+" + std::to_string(i);
        s.Kind = i % 2 ? ArtFunktionenschar : ArtFunktion;
        std::tie(s.TTo, s.TStep, s.TFrom, s.XTo, s.XFrom, s.Reserved2) =
            std::tuple(100 + d, 0.125 * (d + 1), -d, 1e6 + d, -1e-6 * d, 1e-300 * d);
        std::tie(s.Reserved1, s.Color, s.Color2, s.LineStyle) =
            std::tuple(-1000 - n, 0x00010203u * n, 0xFFFFFFu - n, n % 11);
        std::tie(s.Reserve36, s.Reserve576) = std::tuple(TReserve<4>{n, 1, 2, 3}, TReserve<4>{4, 5, 6, n});
    }
    quelle.Kopf.FunktionNr = 4;
    quelle.Funktionen[0] = quelle.Funktionen[4];  // record 0 is the selected function
    for (std::uint8_t& b : quelle.Reserve)
        b = static_cast<std::uint8_t>(byte(zufall));
    quelle.Kreise[14].Reserve1088[3] = 0x5A;   // unused slot
    quelle.Beschriftungen[30].Text = "unused";
    TDokumentKopf& k = quelle.Kopf;
    std::tie(k.Reserve28, k.Reserve48[2], k.Reserve1336[100], k.Reserve1596[1], k.Reserve4160[0], k.Reserve4676) =
        std::tuple(TReserve<4>{1, 2, 3, 4}, 0x33, 0x42, 0x44, 0x11, TReserve<4>{9, 9, 9, 9});
    std::tie(k.Zahlen, k.Farbig) = std::tuple(3, 0xFF);  // true, as bytes other than 1

    const std::vector<std::uint8_t> datei = EncodeDokument(quelle);
    DokumentErgebnis gelesen = DecodeDokument(datei);
    ASSERT_TRUE(gelesen.Ok());
    ASSERT_TRUE(DokumentPruefen(gelesen.Bild).empty());

    // Open: what the reader does apart from the windows.
    BildInTabellen(gelesen.Bild);
    DokumentRestMerken(gelesen.Bild);
    for (std::size_t i = 1; i <= 12; ++i)
        SatzInFunktion(gelesen.Bild.Funktionen[i], *Funktionen[i]);
    Funktionen[0] = Funktionen[static_cast<std::size_t>(gelesen.Bild.Kopf.FunktionNr)];
    SatzInFunktion(gelesen.Bild.Funktionen[0], *Funktionen[0]);

    TDokumentBild neu;
    // Save: the header as the windows give it, without reserved bytes and
    // with 0 or 1 for the Boolean bytes.
    neu.Kopf = NeuerDokumentKopf();
    neu.Kopf.FunktionNr = gelesen.Bild.Kopf.FunktionNr;
    FunktionenInBild(neu);
    TabellenInBild(neu);
    DokumentRestEinsetzen(neu);
    EXPECT_TRUE(EncodeDokument(neu) == datei);

    // A box switched off meanwhile writes 0, whatever the file held.
    neu.Kopf.Farbig = 0;
    DokumentRestEinsetzen(neu);
    EXPECT_EQ(neu.Kopf.Farbig, 0);

    DokumentRest = restVorher;
    ReserveBlock = reserveVorher;
}

}  // namespace
