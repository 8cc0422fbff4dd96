// Documents and settings: the byte-exact codecs, and the checking and
// mending of a decoded document before it is applied.
#include "engine/dokument.h"
#include "engine/dokument_pruefen.h"
#include "engine/einheiten.h"
#include "engine/einstellungen.h"
#include "engine/funktion.h"
#include "engine/tabellen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

template <typename T>
T Bei(const Bytes& b, std::size_t off)
{
    T v;
    std::memcpy(&v, b.data() + off, sizeof v);
    return v;
}
constexpr auto I32 = Bei<std::int32_t>;
constexpr auto F64 = Bei<double>;

std::string Kurz(const Bytes& b, std::size_t off)
{
    return std::string(reinterpret_cast<const char*>(b.data() + off + 1), b[off]);
}

// Every short string of the file, listed independently of the codec: the
// bytes behind a short string's text are not significant and are written as
// zero.
Bytes OhneTextReste(Bytes b)
{
    std::vector<std::size_t> o = {56, 312, 568, 824, 1080};
    for (std::size_t a = 1600; a <= 3904; a += 256)
        o.push_back(a);
    auto satz = [&](std::size_t start, std::size_t n, std::size_t groesse, std::initializer_list<std::size_t> felder) {
        for (std::size_t r = 0; r < n; ++r)
            for (std::size_t f : felder)
                o.push_back(start + r * groesse + f);
    };
    satz(4680, 21, 584, {56, 312});              // functions
    satz(16944, 36, 544, {0, 272});              // labels
    satz(36528, 20, 1292, {0, 256, 512});        // vertical segments
    satz(62368, 20, 1048, {0, 256, 512, 780});   // points
    satz(83328, 8, 1052, {8, 264});              // areas
    satz(91744, 16, 1368, {64, 320, 576, 832});  // circles
    for (std::size_t t : o)
        std::memset(b.data() + t + 1 + b[t], 0, 255 - b[t]);
    return b;
}

Bytes Zufall(std::size_t n, unsigned seed)
{
    std::mt19937 rng(seed);
    Bytes b(n);
    for (auto& x : b)
        x = static_cast<std::uint8_t>(rng());
    return b;
}

// The fields land at the offsets of the file format: the header, the last
// function record, fields of the tables, and the last byte of every block.
TEST(Dokument, FieldsAtTheirOffsets)
{
    TDokumentBild bild;
    TDokumentKopf& k = bild.Kopf;
    std::tie(k.XMin, k.XMax, k.YMax, k.YMin, k.TrackBar1, k.TrackBar2, k.Marke) = std::tuple(-5, 6, 8, -2, 3, 4, 1);
    std::tie(k.EinheitX, k.EinheitY, k.FunktionNr, k.Zahlen, k.Farbig, k.Achsen) = std::tuple(0.5, 2.0, 7, 1, 2, 3);
    // Every text of the header holds its offset.
    std::tie(k.XAchse, k.YAchse, k.YLaenge, k.XLaenge, k.Gitter, k.Evonx, k.Ebisx, k.Evont) =
        std::tuple("56", "312", "568", "824", "1080", "1600", "1856", "2112");
    std::tie(k.Ebist, k.Estept, k.Gleichung, k.RechnerX, k.RechnerT, k.RechnerErgebnis, k.FunktionWahl) =
        std::tuple("2368", "2624", "2880", "3136", "3392", "3648", "3904");
    TFunktionSatz& f = bild.Funktionen[20];
    std::tie(f.TTo, f.TStep, f.TFrom, f.Reserved2, f.Reserved1, f.XTo, f.XFrom) =
        std::tuple(7.5, 0.25, -1.0, 2.5, 42, 3.0, -3.0);
    std::tie(f.Term, f.Kind, f.Color, f.Color2, f.LineStyle) = std::tuple("f(x)=x", " Funktionenschar ", 11, 12, 10);
    std::tie(bild.Punkte[3].Name, bild.Punkte[3].Color, bild.Kreise[1].FillColor) = std::tuple("Ä€", 13, 14);
    std::tie(bild.Beschriftungen[36].Vorne, bild.Senkrechte[20].Reserve1288[3], bild.Punkte[20].Font.Reserve265[2],
             bild.Flaechen[8].Reserve781[270], bild.Kreise[16].Reserve1360[7], bild.Reserve[1807], k.Reserve4676[3]) =
        std::tuple(0xB1, 0xB2, 0xB3, 0xB4, 0xB5, 0xB6, 0xB7);
    const Bytes b = EncodeDokument(bild);
    ASSERT_EQ(b.size(), 115441u);

    constexpr std::size_t F = 4680 + 20 * 584, P3 = 62368 + 2 * 1048;
    const std::pair<std::size_t, std::int32_t> ganz[] = {
        {0, -5},  {4, 6},        {8, 8},        {12, -2},      {16, 3},       {20, 4},           {24, 1},
        {4672, 7}, {F + 32, 42}, {F + 568, 11}, {F + 572, 12}, {F + 580, 10}, {P3 + 776, 13}, {91744 + 1356, 14}};
    for (const auto& [off, v] : ganz)
        EXPECT_EQ(I32(b, off), v) << off;
    const std::pair<std::size_t, double> gleit[] = {{32, 0.5},      {40, 2.0},      {F, 7.5},       {F + 8, 0.25},
                                                    {F + 16, -1.0}, {F + 24, 2.5},  {F + 40, 3.0},  {F + 48, -3.0}};
    for (const auto& [off, v] : gleit)
        EXPECT_EQ(F64(b, off), v) << off;
    for (std::size_t off : {56, 312, 568, 824, 1080, 1600, 1856, 2112, 2368, 2624, 2880, 3136, 3392, 3648, 3904})
        EXPECT_EQ(Kurz(b, off), std::to_string(off));
    const std::pair<std::size_t, const char*> text[] = {
        {F + 56, "f(x)=x"}, {F + 312, " Funktionenschar "}, {P3 + 512, "\xC4\x80"}};  // in code page 1252
    for (const auto& [off, v] : text)
        EXPECT_EQ(Kurz(b, off), v) << off;
    EXPECT_EQ(std::tuple(b[1593], b[1594], b[1595], b[115440]), std::tuple(1, 2, 3, 0));
    EXPECT_EQ(std::tuple(b[16944 + 35 * 544 + 540], b[36528 + 20 * 1292 - 1], b[62368 + 20 * 1048 - 1],
                         b[83328 + 8 * 1052 - 1], b[91744 + 16 * 1368 - 1], b[113632 + 1807], b[4679]),
              std::tuple(0xB1, 0xB2, 0xB3, 0xB4, 0xB5, 0xB6, 0xB7));
}

// Whatever a file holds comes back byte for byte, apart from the bytes
// behind texts; a file written by us comes back identical.
TEST(Dokument, RandomImageRoundTripsByteForByte)
{
    for (unsigned seed = 1; seed <= 3; ++seed) {
        const Bytes roh = Zufall(DokumentGroesse, seed);
        const Bytes erwartet = OhneTextReste(roh);
        const auto r = DecodeDokument(roh);
        ASSERT_TRUE(r.Ok());
        EXPECT_EQ(EncodeDokument(r.Bild), erwartet);
        const auto r2 = DecodeDokument(erwartet);
        ASSERT_TRUE(r2.Ok());
        EXPECT_EQ(EncodeDokument(r2.Bild), erwartet);
    }
}

TEST(Dokument, WrongSizesGiveAReasonAndNoImage)
{
    const Bytes gut = EncodeDokument(TDokumentBild{});
    Bytes lang = gut;
    lang.push_back(0);
    const auto r = DecodeDokument(lang);
    using F = DokumentFehler;
    EXPECT_EQ(std::tuple(DecodeDokument({}).Fehler, DecodeDokument(Bytes(1, 0)).Fehler,
                         DecodeDokument(Bytes(gut.begin(), gut.end() - 2)).Fehler, r.Fehler, r.Groesse),
              std::tuple(F::Leer, F::ZuKurz, F::ZuKurz, F::ZuLang, 115442u));
    EXPECT_FALSE(DokumentFehlerText(r.Fehler).empty());
    // Without the trailing byte the file is still complete.
    EXPECT_TRUE(DecodeDokument(Bytes(gut.begin(), gut.end() - 1)).Ok());
}

TEST(Einstellungen, FieldsAtTheirOffsetsAndRandomRecordsRoundTrip)
{
    TEinstellungen e;
    std::tie(e.MitWertetabelle, e.Startvorlage, e.Transparent, e.Sprache, e.Einheit) = std::tuple(1, 1, 1, 2, 2.0);
    const auto a = EncodeEinstellungen(e);
    static_assert(sizeof(a) == 1096);
    const Bytes b(a.begin(), a.end());
    EXPECT_EQ(std::tuple(b[3], b[4], b[7], I32(b, 28), F64(b, 64)), std::tuple(1, 1, 1, 2, 2.0));
    EXPECT_EQ(std::count_if(b.begin(), b.end(), [](std::uint8_t x) { return x != 0; }),
              3 + 1 + 1);  // three flags, the language, the top byte of 2.0

    const Bytes roh = Zufall(EinstellungenGroesse, 99);
    const auto gelesen = DecodeEinstellungen(roh);
    ASSERT_TRUE(gelesen);
    const auto c = EncodeEinstellungen(*gelesen);
    EXPECT_TRUE(std::equal(c.begin(), c.end(), roh.begin()));
    for (std::size_t falsch : {0, 1095, 1097})
        EXPECT_FALSE(DecodeEinstellungen(Bytes(falsch))) << falsch;
}

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

// A new document: the fixed-size marker, the first function selected, the
// default view and grid, and the tables' defaults in their blocks.
TEST(Dokument, NewDocumentHasTheMarkerTheSelectionAndTheTableDefaults)
{
    const Bytes b = EncodeDokument(GesundesBild());
    ASSERT_EQ(b.size(), 115441u);
    EXPECT_EQ(std::tuple(I32(b, 24), I32(b, 4672), I32(b, 0), I32(b, 4), I32(b, 8), I32(b, 12)), std::tuple(1, 1, -5, 6, 8, -2));
    EXPECT_EQ(F64(b, 32), 1.0);
    EXPECT_EQ(std::tuple(Kurz(b, 1080), Kurz(b, 824)), std::tuple("1b", "11"));
    EXPECT_EQ(b[1593] + b[1594] + b[1595], 3);
    // Point 3 of the points table, third block after the labels and
    // segments; circle 1's fill colour at the end of its record.
    EXPECT_EQ(Kurz(b, 62368 + 2 * 1048 + 512), "C");
    EXPECT_EQ(I32(b, 62368 + 2 * 1048 + 776), static_cast<std::int32_t>(clBlue));
    EXPECT_EQ(I32(b, 91744 + 1356), static_cast<std::int32_t>(clYellow));
    AllesNullen();
}

// A function record holds every value of its function object.
TEST(Dokument, FunctionRecordFromTheFunctionObject)
{
    TFunktion f;
    f.SetTTo(7.5);
    f.SetTStep(0.25);
    f.SetTFrom(-1);
    f.SetXTo(3);
    f.SetXFrom(-3);
    f.SetReserved1(42);
    f.SetReserved2(2.5);
    f.SetColor(clRed);
    f.SetColor2(clTeal);
    f.SetLineStyle(10);
    f.SetKind(" Funktionenschar ");
    f.SetTerm("f(x,t) = t*x");
    const TFunktionSatz s = FunktionSatzAus(f);
    Bytes b(FunktionSatzGroesse);
    EncodeFunktionSatz(s, b.data());
    const std::pair<std::size_t, double> gleit[] = {{0, 7.5}, {8, 0.25}, {16, -1.0}, {24, 2.5}, {40, 3.0}, {48, -3.0}};
    for (const auto& [off, v] : gleit)
        EXPECT_EQ(F64(b, off), v) << off;
    EXPECT_EQ(std::tuple(I32(b, 32), I32(b, 568), I32(b, 572), I32(b, 580)),
              std::tuple(42, static_cast<std::int32_t>(clRed), static_cast<std::int32_t>(clTeal), 10));
    EXPECT_EQ(std::tuple(Kurz(b, 56), Kurz(b, 312)), std::tuple("f(x,t) = t*x", " Funktionenschar "));
    EXPECT_EQ(DecodeFunktionSatz(b.data()), s);
    // Back into a function object through the setters, and out again.
    TFunktion g;
    SatzInFunktion(s, g);
    EXPECT_EQ(FunktionSatzAus(g), s);
}

// Open and save as the main window does them, apart from the windows: a
// document written by the program comes back byte for byte, with the
// functions, the tables and the bytes no window shows.
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
    quelle.Kreise[14].Reserve1088[3] = 0x5A;  // unused slot
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

    // A box switched off meanwhile writes 0, whatever the file held; one
    // still on keeps the byte the file held.
    std::tie(neu.Kopf.Farbig, neu.Kopf.Zahlen) = std::tuple(0, 1);
    DokumentRestEinsetzen(neu);
    EXPECT_EQ(std::tuple(neu.Kopf.Farbig, neu.Kopf.Zahlen), std::tuple(0, 3));

    DokumentRest = restVorher;
    ReserveBlock = reserveVorher;
}

TEST(DokumentPruefen, SoundDocumentIsLeftAlone)
{
    TDokumentBild b = GesundesBild();
    // Values at the edges of what is allowed are sound too.
    std::tie(b.Kopf.XMin, b.Kopf.XMax, b.Kopf.FunktionNr, b.Kopf.Gitter) = std::tuple(-500000, 500000, 9, "7c");
    std::tie(b.Kopf.YMin, b.Kopf.YMax) = std::tuple(INT32_MAX - 1, INT32_MAX);
    std::tie(b.Kopf.TrackBar1, b.Kopf.TrackBar2) = std::tuple(-4, 10);
    std::tie(b.Kopf.EinheitX, b.Kopf.EinheitY) = std::tuple(-MaxEinheit, MaxEinheit);  // a negative unit mirrors
    std::tie(b.Funktionen[3].LineStyle, b.Funktionen[4].LineStyle) = std::tuple(10, 0);
    b.Funktionen[5].Kind = ArtFunktionenschar;
    b.Funktionen[6].TStep = 1e-300;
    // What the program writes itself: an area whose curve was typed as a
    // name, the largest font the font dialog offers.
    std::tie(b.Flaechen[2].CurveB, b.Flaechen[3].CurveA) = std::tuple(13, 0);
    b.Beschriftungen[4].Font.Size = 512;
    // Records 13..20 and unused table slots are only carried.
    std::tie(b.Funktionen[13].TStep, b.Funktionen[20].LineStyle) = std::tuple(0, 99);
    std::tie(b.Senkrechte[5].LineStyle, b.Kreise[11].LineStyle, b.Beschriftungen[11].Font.Size) = std::tuple(99, -7, -5);
    // A point without a font name gets a fresh font from the reader.
    std::tie(b.Punkte[2].Font.Name, b.Punkte[2].Font.Size) = std::tuple("", 0);
    const TDokumentBild vorher = b;
    EXPECT_TRUE(DokumentPruefen(b).empty());
    EXPECT_TRUE(b == vorher);
    // A grid kind alone (the worked examples, black lines for a print), or
    // with any scheme character.
    for (const char* g : {"0", "1", "7", "5a", "2x"}) {
        b.Kopf.Gitter = g;
        EXPECT_TRUE(DokumentPruefen(b).empty()) << g;
    }
}

// A value that would hang or crash the program gets the value of a new
// document, so the mended document is the sound one again.
TEST(DokumentPruefen, DamagedValuesGetNewDocumentValues)
{
    using M = DokumentMangel;
    using B = TDokumentBild&;
    struct Fall {
        DokumentMangel art;
        int slot;
        std::function<void(B)> schaden;
    };
    std::vector<Fall> faelle = {
        {M::FunktionNr, 0, [](B b) { b.Kopf.FunktionNr = 0; }}, {M::FunktionNr, 0, [](B b) { b.Kopf.FunktionNr = 10; }},
        {M::SchiebereglerY, 0, [](B b) { b.Kopf.TrackBar1 = 11; }},
        {M::SchiebereglerX, 0, [](B b) { b.Kopf.TrackBar2 = -5; }},
        {M::TSchritt, 0, [](B b) { b.Funktionen[0].TStep = 0; }},
        {M::TSchritt, 2, [](B b) { b.Funktionen[2].TStep = NaN; }},
        {M::TSchritt, 12, [](B b) { b.Funktionen[12].TStep = Inf; }},
        {M::TBereich, 4, [](B b) { b.Funktionen[4].TTo = Inf; }},
        {M::TBereich, 4, [](B b) { b.Funktionen[4].TFrom = NaN; }},
        {M::XBereich, 5, [](B b) { b.Funktionen[5].XFrom = NaN; }},
        {M::XBereich, 5, [](B b) { b.Funktionen[5].XTo = -Inf; }},
        {M::Linienstil, 6, [](B b) { b.Funktionen[6].LineStyle = 11; }},
        {M::Linienstil, 7, [](B b) { b.Funktionen[7].LineStyle = -1; }},
        {M::Art, 9, [](B b) { b.Funktionen[9].Kind = " Taschenrechner "; }},
        {M::SenkrechteStil, 4, [](B b) { b.Senkrechte[4].LineStyle = 9; }},
        {M::KreisStil, 10, [](B b) { b.Kreise[10].LineStyle = 4; }},
        {M::KreisStil, 1, [](B b) { b.Kreise[1].LineStyle = -1; }},
        {M::PunktStil, 3, [](B b) { b.Punkte[3].Style = 0; }}, {M::PunktStil, 20, [](B b) { b.Punkte[20].Style = 5; }},
        {M::PunktNamePos, 15, [](B b) { b.Punkte[15].NamePos = 5; }},
        {M::FlaecheKurve, 1, [](B b) { b.Flaechen[1].CurveA = -1; }},
        {M::FlaecheKurve, 8, [](B b) { b.Flaechen[8].CurveB = 14; }},
        {M::FlaecheKurve, 8, [](B b) { b.Flaechen[8].CurveB = 10; }},
        {M::Schriftgroesse, 2, [](B b) { b.Beschriftungen[2].Font.Size = MaxSchriftgroesse + 1; }},
        {M::Schriftgroesse, 10, [](B b) { b.Beschriftungen[10].Font.Size = 0; }},
        {M::Schriftgroesse, 1, [](B b) { b.Punkte[1].Font.Size = 0; }},
    };
    for (double e : {NaN, Inf, -Inf, 0.0, -0.0, std::nextafter(MaxEinheit, Inf), -std::nextafter(MaxEinheit, Inf)}) {  // the track bar agrees with the mended unit
        faelle.push_back({M::EinheitX, 0, [e](B b) { std::tie(b.Kopf.EinheitX, b.Kopf.TrackBar2) = std::tuple(e, 5); }});
        faelle.push_back({M::EinheitY, 0, [e](B b) { std::tie(b.Kopf.EinheitY, b.Kopf.TrackBar1) = std::tuple(e, 7); }});
    }
    for (const char* g : {"", "8", "/a", "1bx", "b1"})
        faelle.push_back({M::Gitter, 0, [g](B b) { b.Kopf.Gitter = g; }});
    // Empty, inverted and too wide views; the width must not overflow.
    for (std::pair v : {std::pair{3, 3}, {6, -5}, {0, 1000001}, {INT32_MIN, INT32_MAX}, {INT32_MAX, INT32_MIN}}) {
        faelle.push_back({M::AnsichtX, 0, [v](B b) { std::tie(b.Kopf.XMin, b.Kopf.XMax) = v; }});
        faelle.push_back({M::AnsichtY, 0, [v](B b) { std::tie(b.Kopf.YMin, b.Kopf.YMax) = v; }});
    }
    const TDokumentBild gesund = GesundesBild();
    for (std::size_t i = 0; i < faelle.size(); ++i) {
        TDokumentBild b = gesund;
        faelle[i].schaden(b);
        EXPECT_EQ(DokumentPruefen(b), (std::vector<DokumentMangelFund>{{faelle[i].art, faelle[i].slot}})) << i;
        EXPECT_TRUE(b == gesund) << i;
    }
    // A kind that is neither: the equation says which kind it is.
    TDokumentBild b = gesund;
    std::tie(b.Funktionen[8].Kind, b.Funktionen[8].Term) = std::tuple("", "f(x,t) = t*x");
    EXPECT_EQ(DokumentPruefen(b).size(), 1u);
    EXPECT_EQ(b.Funktionen[8].Kind, ArtFunktionenschar);
}

// Every value the program writes, in the first and the last slot the
// check covers, is sound; one step beyond either end is damaged in that
// slot alone and gets the value of a new document.
TEST(DokumentPruefen, EveryValueTheProgramWritesIsSoundAndOneBeyondIsMended)
{
    using M = DokumentMangel;
    using B = TDokumentBild&;
    struct Feld {
        const char* Name;
        M Art;
        int Erster, Letzter;
        std::function<std::int32_t&(B, int)> Wert;
        std::int32_t Von, Bis;
    };
    const Feld felder[] = {
        {"function line style", M::Linienstil, 0, 12, [](B b, int k) -> std::int32_t& { return b.Funktionen[k].LineStyle; }, 0, 10},
        {"vertical segment style", M::SenkrechteStil, 1, 4, [](B b, int k) -> std::int32_t& { return b.Senkrechte[k].LineStyle; }, 0, 8},
        {"circle style", M::KreisStil, 1, 10, [](B b, int k) -> std::int32_t& { return b.Kreise[k].LineStyle; }, 0, 3},
        {"point mark", M::PunktStil, 1, AnzahlPunkte, [](B b, int k) -> std::int32_t& { return b.Punkte[k].Style; }, 1, 4},
        {"point name position", M::PunktNamePos, 1, AnzahlPunkte, [](B b, int k) -> std::int32_t& { return b.Punkte[k].NamePos; }, 1, 4},
        {"point font", M::Schriftgroesse, 1, 10, [](B b, int k) -> std::int32_t& { return b.Punkte[k].Font.Size; }, 1, MaxSchriftgroesse},
        {"label font", M::Schriftgroesse, 1, 10, [](B b, int k) -> std::int32_t& { return b.Beschriftungen[k].Font.Size; }, 1, MaxSchriftgroesse},
        {"area curve a", M::FlaecheKurve, 1, AnzahlFlaechen, [](B b, int k) -> std::int32_t& { return b.Flaechen[k].CurveA; }, 0, 9},
        {"area curve b", M::FlaecheKurve, 1, AnzahlFlaechen, [](B b, int k) -> std::int32_t& { return b.Flaechen[k].CurveB; }, 0, 9},
        {"selected function", M::FunktionNr, 0, 0, [](B b, int) -> std::int32_t& { return b.Kopf.FunktionNr; }, 1, 9},
        {"y track bar", M::SchiebereglerY, 0, 0, [](B b, int) -> std::int32_t& { return b.Kopf.TrackBar1; }, SchiebereglerMin, SchiebereglerMax},
        {"x track bar", M::SchiebereglerX, 0, 0, [](B b, int) -> std::int32_t& { return b.Kopf.TrackBar2; }, SchiebereglerMin, SchiebereglerMax},
    };
    const TDokumentBild gesund = GesundesBild();
    for (const Feld& f : felder) {
        for (const int k : {f.Erster, f.Letzter}) {
            SCOPED_TRACE(std::string(f.Name) + " in slot " + std::to_string(k));
            TDokumentBild vorlage = gesund;
            const std::int32_t neu = f.Wert(vorlage, k);
            // Fonts go up to a thousand: their ends and a few between.
            std::vector<std::int32_t> werte;
            for (std::int32_t v = f.Von; v <= f.Bis; v += f.Bis - f.Von > 20 ? (f.Bis - f.Von) / 7 : 1)
                werte.push_back(v);
            werte.push_back(f.Bis);
            for (const std::int32_t v : werte) {
                TDokumentBild b = gesund;
                f.Wert(b, k) = v;
                EXPECT_TRUE(DokumentPruefen(b).empty()) << v;
                EXPECT_EQ(f.Wert(b, k), v);
            }
            for (const std::int32_t v : {f.Von - 1, f.Bis + 1}) {
                if (v == 13 && f.Art == M::FlaecheKurve)
                    continue;  // a curve of its own kind
                TDokumentBild b = gesund;
                f.Wert(b, k) = v;
                EXPECT_EQ(DokumentPruefen(b), (std::vector<DokumentMangelFund>{{f.Art, k}})) << v;
                EXPECT_EQ(f.Wert(b, k), neu) << v;
            }
        }
    }
}

// Documents of the older format (any marker but 1) numbered some units one
// lower; the range is checked after the shift, so 9 (now 10) is sound.
TEST(DokumentPruefen, OlderFormatTrackBars)
{
    TDokumentKopf k = NeuerDokumentKopf();
    // Marker, stored x bar, y bar -> the bars as this version numbers them.
    using T = std::tuple<int, int, int, int, int>;
    for (const auto& [marke, x, y, xNeu, yNeu] : {T{1, 5, 8, 5, 8}, T{0, 5, 7, 6, 7}, T{7, 1, 8, 1, 9}, T{7, 2, 9, 3, 10},
                                                   T{7, 9, 10, 10, 10}, T{7, 10, 2, 10, 2}, T{7, -4, 7, -4, 7}}) {
        std::tie(k.Marke, k.TrackBar2, k.TrackBar1) = std::tuple(marke, x, y);
        EXPECT_EQ(std::pair(SchiebereglerAusKopf(k).TrackBar2, SchiebereglerAusKopf(k).TrackBar1), std::pair(xNeu, yNeu))
            << marke << " " << x << " " << y;
    }
    TDokumentBild b = GesundesBild();
    std::tie(b.Kopf.Marke, b.Kopf.TrackBar1, b.Kopf.TrackBar2) = std::tuple(0, 9, 9);
    EXPECT_TRUE(DokumentPruefen(b).empty());
}

TEST(DokumentPruefen, MendingIsCompleteOnRandomImages)
{
    // Whatever a damaged file holds, one pass leaves nothing to mend.
    for (unsigned runde = 0; runde < 30; ++runde) {
        DokumentErgebnis e = DecodeDokument(Zufall(DokumentGroesse, 4711 + runde));
        ASSERT_TRUE(e.Ok());
        DokumentPruefen(e.Bild);
        // Bytes, not fields: carried doubles may be NaN.
        const std::vector<std::uint8_t> einmal = EncodeDokument(e.Bild);
        EXPECT_TRUE(DokumentPruefen(e.Bild).empty());
        EXPECT_TRUE(EncodeDokument(e.Bild) == einmal);
        const TDokumentKopf& k = e.Bild.Kopf;
        EXPECT_TRUE(k.XMax > k.XMin && k.YMax > k.YMin && std::isfinite(k.EinheitX) && k.EinheitX != 0);
        EXPECT_TRUE(k.FunktionNr >= 1 && k.FunktionNr <= 9);
    }
}

TEST(DokumentEndung, KvdAppendedUnlessPresentInAnyCaseFamilyByItsHeader)
{
    for (const char* fertig : {"/tmp/haus.kvd", "/tmp/HAUS.KVD", "/tmp/haus.KvD", "/tmp/Übung.kvd"})
        EXPECT_EQ(MitKvdEndung(fertig), fertig);
    // Without the dot the three letters are part of the name.
    for (const char* ohne : {"/tmp/haus", "/tmp/hauskvd", "kvd", "/tmp/haus.kvd.txt"})
        EXPECT_EQ(MitKvdEndung(ohne), std::string(ohne) + ".kvd");
    // A family when a comma comes before the closing bracket of the header.
    for (const auto& [term, schar] : {std::pair{"f(x,t) = t*x^2", true}, {"g(x,a) = a*x", true}, {"f(x,t", false},
                                      {"f(x) = 2,5*(x+1)", false}, {"f(x) = sin(2,5*x)", false}, {"", false}})
        EXPECT_EQ(IstFunktionenschar(term), schar) << term;
}

// New gives functions 1..9 the values of a fresh function object and
// leaves 10..12 alone.
TEST(DokumentPruefen, NewResetsOneToNineAndLeavesTenToTwelve)
{
    const auto alt = Funktionen;
    std::array<TFunktion, 14> eigene;
    for (std::size_t i = 0; i < eigene.size(); ++i) {
        Funktionen[i] = &eigene[i];
        eigene[i].SetTerm("f(x,t) = t");
        eigene[i].SetKind(ArtFunktionenschar);
        eigene[i].SetXFrom(-1);
        eigene[i].SetTStep(0.25);
        eigene[i].SetLineStyle(7);
    }
    FunktionenNeu();
    for (std::size_t i = 1; i <= 12; ++i)
        EXPECT_TRUE(FunktionSatzAus(eigene[i]) == FunktionSatzAus(i <= 9 ? TFunktion{} : eigene[13])) << i;
    Funktionen = alt;
}

}  // namespace
