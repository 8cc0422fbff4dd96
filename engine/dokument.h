#pragma once
// The document file (*.kvd and the start template): a fixed image of
// 115,441 bytes, encoded and decoded field by field at explicit offsets.
//
//   offset      size  block
//        0      4680  TDokumentKopf
//     4680     12264  21 TFunktionSatz records of 584 bytes
//    16944     19584  Beschriftungen (36 x 544)
//    36528     25840  Senkrechte     (20 x 1292)
//    62368     20960  Punkte         (20 x 1048)
//    83328      8416  Flaechen       ( 8 x 1052)
//    91744     21888  Kreise         (16 x 1368)
//   113632      1808  reserve block
//   115440         1  trailing byte (written as 0, ignored on read)
//
// Decoding yields a complete TDokumentBild or a reason; it changes nothing
// in the program. Applying an image (fonts repaired, functions set, windows
// filled, damaged values mended) is the main window's business.

#include "engine/tabellen.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

constexpr std::size_t DokumentKopfGroesse = 4680;
constexpr std::size_t FunktionSatzGroesse = 584;
constexpr int AnzahlFunktionSaetze = 21;
constexpr std::size_t TabellenGroesse = 98496;  // five tables and the reserve block
constexpr std::size_t DokumentGroesse = 115441;
constexpr std::size_t DokumentGroesseOhneSchluss = 115440;  // without the trailing byte

constexpr std::int32_t FormatMarke = 1;  // marker at offset 24 when written

// Header. Field comments give the offset and where the value lives.
struct TDokumentKopf {
    std::int32_t XMin = 0;            //    0 view left edge
    std::int32_t XMax = 0;            //    4 view right edge
    std::int32_t YMax = 0;            //    8 view top edge
    std::int32_t YMin = 0;            //   12 view bottom edge
    std::int32_t TrackBar1 = 0;       //   16 y-unit track bar position
    std::int32_t TrackBar2 = 0;       //   20 x-unit track bar position
    std::int32_t Marke = 0;           //   24 format marker
    TReserve<4> Reserve28{};          //   28
    double EinheitX = 0;              //   32
    double EinheitY = 0;              //   40
    TReserve<8> Reserve48{};          //   48
    std::string XAchse;               //   56 x-axis caption (graph Edit1)
    std::string YAchse;               //  312 y-axis caption (graph Edit2)
    std::string YLaenge;              //  568 y-axis length (graph ComboBox1)
    std::string XLaenge;              //  824 x-axis length (graph ComboBox2)
    std::string Gitter;               // 1080 grid code
    TReserve<257> Reserve1336{};      // 1336
    std::uint8_t Zahlen = 0;          // 1593 Boolean: tick numbers (CB4)
    std::uint8_t Farbig = 0;          // 1594 Boolean: graphs in colour (CB2)
    std::uint8_t Achsen = 0;          // 1595 Boolean: axes drawn (CB3)
    TReserve<4> Reserve1596{};        // 1596
    std::string Evonx;                // 1600 x from
    std::string Ebisx;                // 1856 x to
    std::string Evont;                // 2112 t from
    std::string Ebist;                // 2368 t to
    std::string Estept;               // 2624 t step
    std::string Gleichung;            // 2880 equation (main Edit1)
    std::string RechnerX;             // 3136 calculator x (value table Edit2)
    std::string RechnerT;             // 3392 calculator t (value table Edit3)
    std::string RechnerErgebnis;      // 3648 calculator result (EditErgebnis)
    std::string FunktionWahl;         // 3904 selector text "1." .. "9." (main ComboBox1)
    TReserve<512> Reserve4160{};      // 4160
    std::int32_t FunktionNr = 0;      // 4672 selected function
    TReserve<4> Reserve4676{};        // 4676
    friend bool operator==(const TDokumentKopf&, const TDokumentKopf&) = default;
};

// One function as stored.
struct TFunktionSatz {
    double TTo = 0;                   //   0
    double TStep = 0;                 //   8
    double TFrom = 0;                 //  16
    double Reserved2 = 0;             //  24
    std::int32_t Reserved1 = 0;       //  32
    TReserve<4> Reserve36{};          //  36
    double XTo = 0;                   //  40
    double XFrom = 0;                 //  48
    std::string Term;                 //  56 string[255]
    std::string Kind;                 // 312 string[255]
    TColor Color = 0;                 // 568
    TColor Color2 = 0;                // 572
    TReserve<4> Reserve576{};         // 576
    std::int32_t LineStyle = 0;       // 580
    friend bool operator==(const TFunktionSatz&, const TFunktionSatz&) = default;
};

// A whole document. Funktionen[0] is the selected function, 1..12 are
// Funktionen[1..12] of the program, 13..20 are zero when written by us.
struct TDokumentBild {
    TDokumentKopf Kopf;
    std::array<TFunktionSatz, AnzahlFunktionSaetze> Funktionen{};
    TBeschriftungen Beschriftungen;
    TSenkrechten Senkrechte;
    TPunkte Punkte;
    TFlaechen Flaechen;
    TKreise Kreise;
    TReserveBlock Reserve{};
    std::uint8_t Schluss = 0;         // trailing byte, kept as read
    friend bool operator==(const TDokumentBild&, const TDokumentBild&) = default;
};

enum class DokumentFehler {
    Keiner,
    Leer,        // the file holds no byte
    ZuKurz,      // fewer than 115,440 bytes
    ZuLang,      // more than 115,441 bytes
};

struct DokumentErgebnis {
    DokumentFehler Fehler = DokumentFehler::Keiner;
    std::size_t Groesse = 0;          // size of the input
    TDokumentBild Bild;               // complete only when Fehler == Keiner
    bool Ok() const { return Fehler == DokumentFehler::Keiner; }
};

// Decodes a whole file. 115,441 bytes, or 115,440 without the trailing
// byte, are accepted; anything else gives a reason and no image.
DokumentErgebnis DecodeDokument(std::span<const std::uint8_t> daten);

// Encodes an image to exactly 115,441 bytes. String fields are written
// as short strings (cut to 255 characters, bytes after the text zero).
std::vector<std::uint8_t> EncodeDokument(const TDokumentBild& bild);

// Single function records.
void EncodeFunktionSatz(const TFunktionSatz& f, std::uint8_t* dst);
TFunktionSatz DecodeFunktionSatz(const std::uint8_t* src);

// The header of a new document: view -5..6 x -2..8, track bars 1, marker 1,
// units 1.0, captions "x" and "y", axis lengths "10" and "11", grid "1b",
// numbers, colour and axes on, FunktionNr 1; the input texts empty.
TDokumentKopf NeuerDokumentKopf();

// One function's record from the function object, through its getters.
TFunktionSatz FunktionSatzAus(const TFunktion& f);

// Copies the five global tables and the reserve block into an image, and
// back. The latter is the only part of opening that touches global state
// directly; the main window decides when to call it.
void TabellenInBild(TDokumentBild& bild);
void BildInTabellen(const TDokumentBild& bild);

// A short English description of a decoding failure, for messages and logs.
std::string DokumentFehlerText(DokumentFehler f);
