#include "engine/dokument.h"

#include "engine/einstellungen.h"
#include "engine/funktion.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
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

// Every short string of the file, listed independently of the codec.
std::vector<std::size_t> TextFelder()
{
    std::vector<std::size_t> o = {56, 312, 568, 824, 1080};
    for (std::size_t a = 1600; a <= 3904; a += 256)
        o.push_back(a);
    for (std::size_t r = 0; r < 21; ++r) {
        o.push_back(4680 + r * 584 + 56);
        o.push_back(4680 + r * 584 + 312);
    }
    for (std::size_t r = 0; r < 36; ++r) {
        o.push_back(16944 + r * 544);
        o.push_back(16944 + r * 544 + 272);
    }
    for (std::size_t r = 0; r < 20; ++r)
        for (std::size_t f : {0, 256, 512})
            o.push_back(36528 + r * 1292 + f);
    for (std::size_t r = 0; r < 20; ++r)
        for (std::size_t f : {0, 256, 512, 780})
            o.push_back(62368 + r * 1048 + f);
    for (std::size_t r = 0; r < 8; ++r)
        for (std::size_t f : {8, 264})
            o.push_back(83328 + r * 1052 + f);
    for (std::size_t r = 0; r < 16; ++r)
        for (std::size_t f : {64, 320, 576, 832})
            o.push_back(91744 + r * 1368 + f);
    return o;
}

// The bytes behind a short string's text are not significant and are
// written as zero.
Bytes OhneTextReste(Bytes b)
{
    for (std::size_t o : TextFelder())
        std::memset(b.data() + o + 1 + b[o], 0, 255 - b[o]);
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

TDokumentBild FrischesBild()
{
    AllesNullen();
    TabellenVorbelegen();
    TDokumentBild bild;
    bild.Kopf = NeuerDokumentKopf();
    TabellenInBild(bild);
    return bild;
}

TEST(Dokument, FreshStateHasTheFixedSizeMarkerAndSelection)
{
    const Bytes b = EncodeDokument(FrischesBild());
    ASSERT_EQ(b.size(), 115441u);
    EXPECT_EQ(I32(b, 24), 1);
    EXPECT_EQ(I32(b, 4672), 1);
    EXPECT_EQ(I32(b, 0), -5);
    EXPECT_EQ(I32(b, 4), 6);
    EXPECT_EQ(I32(b, 8), 8);
    EXPECT_EQ(I32(b, 12), -2);
    EXPECT_EQ(F64(b, 32), 1.0);
    EXPECT_EQ(Kurz(b, 1080), "1b");
    EXPECT_EQ(Kurz(b, 824), "11");
    EXPECT_EQ(b[1593] + b[1594] + b[1595], 3);
    EXPECT_EQ(b[115440], 0);
    // Point 3 of the points table, third block after the labels and segments.
    EXPECT_EQ(Kurz(b, 62368 + 2 * 1048 + 512), "C");
    EXPECT_EQ(I32(b, 62368 + 2 * 1048 + 776), static_cast<std::int32_t>(clBlue));
    // Circle 1's fill colour at the end of its record.
    EXPECT_EQ(I32(b, 91744 + 1356), static_cast<std::int32_t>(clYellow));
    AllesNullen();
}

TEST(Dokument, BlocksLieAtTheirOffsetsInFileOrder)
{
    TDokumentBild bild;
    bild.Funktionen[20].LineStyle = 0x01020304;
    bild.Beschriftungen[36].Vorne = 0xB1;
    bild.Senkrechte[20].Reserve1288[3] = 0xB2;
    bild.Punkte[20].Font.Reserve265[2] = 0xB3;
    bild.Flaechen[8].Reserve781[270] = 0xB4;
    bild.Kreise[16].Reserve1360[7] = 0xB5;
    bild.Reserve[1807] = 0xB6;
    bild.Kopf.Reserve4676[3] = 0xB7;
    const Bytes b = EncodeDokument(bild);
    EXPECT_EQ(I32(b, 4680 + 20 * 584 + 580), 0x01020304);
    EXPECT_EQ(b[16944 + 35 * 544 + 540], 0xB1);
    EXPECT_EQ(b[36528 + 20 * 1292 - 1], 0xB2);
    EXPECT_EQ(b[62368 + 20 * 1048 - 1], 0xB3);
    EXPECT_EQ(b[83328 + 8 * 1052 - 1], 0xB4);
    EXPECT_EQ(b[91744 + 16 * 1368 - 1], 0xB5);
    EXPECT_EQ(b[113632 + 1807], 0xB6);
    EXPECT_EQ(b[4679], 0xB7);
}

TEST(Dokument, RandomImageRoundTripsByteForByte)
{
    for (unsigned seed = 1; seed <= 3; ++seed) {
        const Bytes roh = Zufall(DokumentGroesse, seed);
        const Bytes erwartet = OhneTextReste(roh);
        const auto r = DecodeDokument(roh);
        ASSERT_TRUE(r.Ok());
        EXPECT_EQ(EncodeDokument(r.Bild), erwartet);
        // A file written by us comes back identical, bytes after texts included.
        const auto r2 = DecodeDokument(erwartet);
        ASSERT_TRUE(r2.Ok());
        EXPECT_EQ(EncodeDokument(r2.Bild), erwartet);
    }
}

TEST(Dokument, BooleanBytesKeepTheirValue)
{
    Bytes b = EncodeDokument(FrischesBild());
    b[1594] = 0x7F;
    b[91744] = 0x02;             // circle 1 "behind"
    b[16944 + 540] = 0xFF;       // label 1 "in front"
    const auto r = DecodeDokument(b);
    ASSERT_TRUE(r.Ok());
    EXPECT_TRUE(r.Bild.Kopf.Farbig);
    EXPECT_TRUE(r.Bild.Kreise[1].Hinten);
    EXPECT_EQ(EncodeDokument(r.Bild), b);
    AllesNullen();
}

TEST(Dokument, StringsAreCodePage1252InTheFile)
{
    TDokumentBild bild;
    bild.Kopf.Gleichung = "f(x) = x²";
    bild.Punkte[1].Name = "Ä€";
    const Bytes b = EncodeDokument(bild);
    EXPECT_EQ(Kurz(b, 2880), "f(x) = x\xB2");
    EXPECT_EQ(Kurz(b, 62368 + 512), "\xC4\x80");
    const auto r = DecodeDokument(b);
    ASSERT_TRUE(r.Ok());
    EXPECT_EQ(r.Bild.Kopf.Gleichung, "f(x) = x²");
    EXPECT_EQ(r.Bild.Punkte[1].Name, "Ä€");
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
    const TFunktionSatz s = FunktionSatzAus(f);
    Bytes b(FunktionSatzGroesse);
    EncodeFunktionSatz(s, b.data());
    EXPECT_EQ(F64(b, 0), 7.5);
    EXPECT_EQ(F64(b, 8), 0.25);
    EXPECT_EQ(F64(b, 16), -1.0);
    EXPECT_EQ(F64(b, 24), 2.5);
    EXPECT_EQ(I32(b, 32), 42);
    EXPECT_EQ(F64(b, 40), 3.0);
    EXPECT_EQ(F64(b, 48), -3.0);
    EXPECT_EQ(Kurz(b, 312), " Funktionenschar ");
    EXPECT_EQ(I32(b, 568), static_cast<std::int32_t>(clRed));
    EXPECT_EQ(I32(b, 572), static_cast<std::int32_t>(clTeal));
    EXPECT_EQ(I32(b, 580), 10);
    EXPECT_EQ(DecodeFunktionSatz(b.data()), s);
}

// Damaged files: flipped bytes, cut or lengthened files. Decoding never
// crashes, and whatever it accepts encodes to a file that decodes to itself.
TEST(Dokument, MutatedFilesNeverCrashTheDecoder)
{
    const Bytes basis = EncodeDokument(FrischesBild());
    std::mt19937 rng(4711);
    for (int runde = 0; runde < 5000; ++runde) {
        Bytes b = basis;
        const int flips = 1 + static_cast<int>(rng() % 64);
        for (int i = 0; i < flips; ++i)
            b[rng() % b.size()] = static_cast<std::uint8_t>(rng());
        switch (rng() % 8) {
        case 0: b.resize(rng() % b.size()); break;
        case 1: b.resize(b.size() + 1 + rng() % 16, 0xEE); break;
        case 2: b.pop_back(); break;
        default: break;
        }
        const auto r = DecodeDokument(b);
        if (!r.Ok())
            continue;
        const Bytes neu = EncodeDokument(r.Bild);
        ASSERT_EQ(neu.size(), DokumentGroesse);
        const auto r2 = DecodeDokument(neu);
        ASSERT_TRUE(r2.Ok());
        ASSERT_EQ(EncodeDokument(r2.Bild), neu);
    }
    AllesNullen();
}

TEST(Einstellungen, FieldsAtTheirOffsets)
{
    TEinstellungen e;
    e.MitWertetabelle = 1;
    e.Startvorlage = 1;
    e.Transparent = 1;
    e.Sprache = 2;
    e.Einheit = 2.0;
    const auto a = EncodeEinstellungen(e);
    static_assert(sizeof(a) == 1096);
    EXPECT_EQ(a[3], 1);
    EXPECT_EQ(a[4], 1);
    EXPECT_EQ(a[7], 1);
    const Bytes b(a.begin(), a.end());
    EXPECT_EQ(I32(b, 28), 2);
    EXPECT_EQ(F64(b, 64), 2.0);
    int gesetzt = 0;
    for (auto x : a)
        gesetzt += x != 0;
    EXPECT_EQ(gesetzt, 3 + 1 + 1);  // three flags, the language, the top byte of 2.0
}

TEST(Einstellungen, RandomRecordRoundTripsAndWrongSizesAreRefused)
{
    const Bytes roh = Zufall(EinstellungenGroesse, 99);
    const auto e = DecodeEinstellungen(roh);
    ASSERT_TRUE(e);
    const auto a = EncodeEinstellungen(*e);
    EXPECT_TRUE(std::equal(a.begin(), a.end(), roh.begin()));
    EXPECT_FALSE(DecodeEinstellungen({}));
    EXPECT_FALSE(DecodeEinstellungen(Bytes(1095)));
    EXPECT_FALSE(DecodeEinstellungen(Bytes(1097)));
}

}  // namespace
