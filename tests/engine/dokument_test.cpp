#include "engine/dokument.h"

#include "engine/einstellungen.h"
#include "engine/funktion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <tuple>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

std::int32_t I32(const Bytes& b, std::size_t off)
{
    std::int32_t v;
    std::memcpy(&v, b.data() + off, 4);
    return v;
}

double F64(const Bytes& b, std::size_t off)
{
    double v;
    std::memcpy(&v, b.data() + off, 8);
    return v;
}

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
    bild.Beschriftungen[36].Vorne = 0xB1;
    bild.Senkrechte[20].Reserve1288[3] = 0xB2;
    bild.Punkte[20].Font.Reserve265[2] = 0xB3;
    bild.Flaechen[8].Reserve781[270] = 0xB4;
    bild.Kreise[16].Reserve1360[7] = 0xB5;
    bild.Reserve[1807] = 0xB6;
    bild.Kopf.Reserve4676[3] = 0xB7;
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
    EXPECT_EQ(b[16944 + 35 * 544 + 540], 0xB1);
    EXPECT_EQ(b[36528 + 20 * 1292 - 1], 0xB2);
    EXPECT_EQ(b[62368 + 20 * 1048 - 1], 0xB3);
    EXPECT_EQ(b[83328 + 8 * 1052 - 1], 0xB4);
    EXPECT_EQ(b[91744 + 16 * 1368 - 1], 0xB5);
    EXPECT_EQ(b[113632 + 1807], 0xB6);
    EXPECT_EQ(b[4679], 0xB7);
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
    EXPECT_EQ(DecodeDokument({}).Fehler, DokumentFehler::Leer);
    EXPECT_EQ(DecodeDokument(Bytes(1, 0)).Fehler, DokumentFehler::ZuKurz);
    EXPECT_EQ(DecodeDokument(Bytes(gut.begin(), gut.end() - 2)).Fehler, DokumentFehler::ZuKurz);
    Bytes lang = gut;
    lang.push_back(0);
    const auto r = DecodeDokument(lang);
    EXPECT_EQ(r.Fehler, DokumentFehler::ZuLang);
    EXPECT_EQ(r.Groesse, 115442u);
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
    EXPECT_FALSE(DecodeEinstellungen({}));
    EXPECT_FALSE(DecodeEinstellungen(Bytes(1095)));
    EXPECT_FALSE(DecodeEinstellungen(Bytes(1097)));
}

}  // namespace
