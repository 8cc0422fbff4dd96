#pragma once
// What opening, saving and New can do without a window: checking and mending
// a decoded document before it is applied, the file name rule, the older
// track-bar format, the bytes a document carries that no window shows, and
// the function defaults of a new document.
//
// Opening is all or nothing: the file is read whole, decoded
// (engine/dokument.h), checked here, and only then applied by the main
// window. Values that would hang or crash the program are replaced by the
// defaults of a new document; everything else is taken as stored.

#include "engine/dokument.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TFunktion;

// A value found damaged and mended, with the slot it was found in (the
// function record 0..20, the table slot, or 0 for header fields).
enum class DokumentMangel {
    EinheitX,          // x unit zero, not finite or beyond MaxEinheit in size (a negative one mirrors the axis)
    EinheitY,          // y unit, the same
    AnsichtX,          // x view empty, inverted or wider than a million units
    AnsichtY,          // y view, the same
    SchiebereglerX,    // x-unit track bar outside -4..10
    SchiebereglerY,    // y-unit track bar outside -4..10
    FunktionNr,        // selected function outside 1..9
    Gitter,            // grid code not a digit 0..7, alone or with one more character
    TSchritt,          // t step not positive or not finite
    TBereich,          // t from or t to not finite
    XBereich,          // x from or x to not finite
    Linienstil,        // function line style outside 0..10
    Art,               // kind neither " Funktion " nor " Funktionenschar "
    SenkrechteStil,    // vertical segment line style outside 0..8
    KreisStil,         // circle line style outside 0..3
    PunktStil,         // point mark outside 1..4
    PunktNamePos,      // point name position outside 1..4
    FlaecheKurve,      // area curve neither 0..9 nor 13
    Schriftgroesse,    // label or point font size outside 1..MaxSchriftgroesse
};

struct DokumentMangelFund {
    DokumentMangel Art;
    int Slot = 0;
    friend bool operator==(const DokumentMangelFund&, const DokumentMangelFund&) = default;
};

// The largest font size a document may ask for; beyond it text layout takes
// unbounded time and memory. The font dialog offers up to 512 points, and
// paper takes up to 1000.
constexpr std::int32_t MaxSchriftgroesse = 1000;
// The widest view (in view units) that a document may hold.
constexpr std::int64_t MaxAnsichtBreite = 1000000;

// Mends in place what would hang or crash the program and reports what it
// changed; an empty list means the document is sound. Only the slots the
// program uses are checked: unused slots and reserved bytes are carried
// unchanged. The positions of the track bars are checked after the older
// format's shift (SchiebereglerAusKopf).
std::vector<DokumentMangelFund> DokumentPruefen(TDokumentBild& bild);

// True when the name already ends in ".kvd", in any mix of case.
bool HatKvdEndung(std::string_view name);
// The name a document is saved under: ".kvd" appended unless it is there.
std::string MitKvdEndung(std::string_view name);

// Track bar positions as a document asks for them. Documents of the older
// format (marker other than 1) numbered some units one lower: there a
// y position of 8 or 9 and an x position of 2 to 9 are raised by one.
struct SchiebereglerStellung {
    std::int32_t TrackBar1 = 1;  // y unit
    std::int32_t TrackBar2 = 1;  // x unit
};
SchiebereglerStellung SchiebereglerAusKopf(const TDokumentKopf& kopf);

constexpr std::int32_t SchiebereglerMin = -4;
constexpr std::int32_t SchiebereglerMax = 10;

// Sets a function from its record through the function object's setters,
// in the order the program has always used: t to, t step, t from, x to,
// x from, term (compiles), kind, colour, line style, colour 2, reserved
// value 2, reserved value 1.
void SatzInFunktion(const TFunktionSatz& satz, TFunktion& f);

// Bytes of a document that no window shows: the reserved fields of the
// header and of the function records, the header's Boolean bytes as stored,
// and the records 13..20. They are remembered when a document is opened and
// written back by the next save, so that a document round-trips unchanged.
// A fresh program carries zeros.
struct TDokumentRest {
    TReserve<4> Kopf28{};
    TReserve<8> Kopf48{};
    TReserve<257> Kopf1336{};
    TReserve<4> Kopf1596{};
    TReserve<512> Kopf4160{};
    TReserve<4> Kopf4676{};
    std::uint8_t Zahlen = 1;
    std::uint8_t Farbig = 1;
    std::uint8_t Achsen = 1;
    std::array<TReserve<4>, 13> Satz36{};
    std::array<TReserve<4>, 13> Satz576{};
    std::array<TFunktionSatz, AnzahlFunktionSaetze - 13> Saetze13{};
    friend bool operator==(const TDokumentRest&, const TDokumentRest&) = default;
};
extern TDokumentRest DokumentRest;

void DokumentRestMerken(const TDokumentBild& bild);
// Writes the remembered bytes into an image about to be saved. A header
// Boolean keeps its stored byte while its check box still says the same.
void DokumentRestEinsetzen(TDokumentBild& bild);

// Records 0..12 from Funktionen (0 is the selected function); records
// 13..20 are left as they are.
void FunktionenInBild(TDokumentBild& bild);

// Functions 1..9 of a new document: term "f(x) = ", x from -100 to 100,
// t from 1 to 5 step 1, kind " Funktion ", line style 1. Colours are the
// main window's reset's business; functions 10..12 are not touched.
void FunktionenNeu();
