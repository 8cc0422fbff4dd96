#pragma once
// The object tables and the state that several windows share. They live for
// the whole run in the document state (engine/zustand.h); the names below
// are references into it. A window that changes them says so through the
// notifier (platform/melder.h).
//
// Indexing: every object table is 1-based, as the windows and the stored
// documents count their slots: Punkte[1] is point A, Kreise[10] the tenth
// circle. TTabelle::operator[] takes 1..N; slot k is stored at k - 1, which is
// also the order in which a document holds them.
//
// Strings are UTF-8 in memory (what the widgets give and take). In documents
// they are short strings of at most 255 characters in code page 1252; the
// codecs convert (engine/kurztext.h). Booleans are kept as bytes so that a
// stored value other than 0 or 1 survives a load and a save unchanged; any
// non-zero byte reads as true. Reserved bytes are kept with their records for
// the same reason.

#include "engine/farben.h"

#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <string>

class TFunktion;

template <std::size_t N>
using TReserve = std::array<std::uint8_t, N>;

// A fixed table with 1-based slots 1..N.
template <typename T, int N>
struct TTabelle {
    static constexpr int Anzahl = N;
    std::array<T, N> Slots{};

    T& operator[](int k)
    {
        assert(k >= 1 && k <= N);
        return Slots[static_cast<std::size_t>(k - 1)];
    }
    const T& operator[](int k) const
    {
        assert(k >= 1 && k <= N);
        return Slots[static_cast<std::size_t>(k - 1)];
    }
    auto begin() { return Slots.begin(); }
    auto end() { return Slots.end(); }
    auto begin() const { return Slots.begin(); }
    auto end() const { return Slots.end(); }
    friend bool operator==(const TTabelle&, const TTabelle&) = default;
};

// Font sub-record of labels, point names and the graph window's texts.
// Style bits: 1 bold, 2 italic, 4 underline, 8 strike-out.
constexpr std::uint8_t fsBold = 1;
constexpr std::uint8_t fsItalic = 2;
constexpr std::uint8_t fsUnderline = 4;
constexpr std::uint8_t fsStrikeOut = 8;

struct TSchrift {                 // 268 bytes stored
    std::string Name;             //   0 string[255]
    TColor Color = 0;             // 256
    std::int32_t Size = 0;        // 260 points
    std::uint8_t Style = 0;       // 264 bit set, see fsBold..
    TReserve<3> Reserve265{};     // 265
    friend bool operator==(const TSchrift&, const TSchrift&) = default;
};

// Free text label; an empty text is a free slot and is not drawn.
struct TBeschriftung {            // 544 bytes stored
    std::string Text;             //   0 string[255]
    double X = 0;                 // 256 cm from the view's left edge
    double Y = 0;                 // 264 cm from the view's top edge
    TSchrift Font;                // 272
    std::uint8_t Vorne = 0;       // 540 Boolean: drawn in front
    TReserve<3> Reserve541{};     // 541
    friend bool operator==(const TBeschriftung&, const TBeschriftung&) = default;
};

// Markers of points and circle centres (TPunkt::Style); centres have no
// square.
constexpr std::int32_t MarkeKreuz = 1;    // diagonal cross
constexpr std::int32_t MarkeKreis = 2;    // circle filled white
constexpr std::int32_t MarkeScheibe = 3;  // disc in the point's colour
constexpr std::int32_t MarkeQuadrat = 4;  // square in the point's colour

// Where a point's name stands beside it (TPunkt::NamePos).
constexpr std::int32_t NameLinks = 1;
constexpr std::int32_t NameOben = 2;
constexpr std::int32_t NameUnten = 3;
constexpr std::int32_t NameRechts = 4;

// Point; slots 1..10 are A..J, slots 11..20 the centres of circles 1..10.
// Drawn only when X and Y both convert to numbers.
struct TPunkt {                   // 1048 bytes stored
    std::string X;                //   0 string[255] as typed
    std::string Y;                // 256 string[255] as typed
    std::string Name;             // 512 string[255]
    std::int32_t Style = 0;       // 768 MarkeKreuz..MarkeQuadrat
    std::int32_t NamePos = 0;     // 772 NameLinks..NameRechts
    TColor Color = 0;             // 776 mark and name (centres: circle line)
    TSchrift Font;                // 780 font of the name
    friend bool operator==(const TPunkt&, const TPunkt&) = default;
};

// Outlines of circles (TKreis::LineStyle).
constexpr std::int32_t KreisDuenn = 0;
constexpr std::int32_t KreisMittel = 1;
constexpr std::int32_t KreisDick = 2;
constexpr std::int32_t KreisGestrichelt = 3;  // dashed, one device unit wide

// Circle or ellipse k; its centre is Punkte[10 + k].
struct TKreis {                   // 1368 bytes stored
    std::uint8_t Hinten = 0;      //    0 Boolean: drawn behind the graphs
    TReserve<3> Reserve1{};       //    1
    std::int32_t LineStyle = 0;   //    4 KreisDuenn..KreisGestrichelt
    TReserve<56> Reserve8{};      //    8
    std::string RadiusX;          //   64 string[255] as typed
    std::string RadiusY;          //  320 string[255] as typed
    std::string ShowCentre;       //  576 string[255] "1" show, "0" hide
    std::string Fill;             //  832 string[255] "0".."5"
    TReserve<268> Reserve1088{};  // 1088
    TColor FillColor = 0;         // 1356
    TReserve<8> Reserve1360{};    // 1360
    friend bool operator==(const TKreis&, const TKreis&) = default;
};

// Line styles of function graphs (TFunktion::GetLineStyle, 0..10) and of
// vertical segments (TSenkrechte::LineStyle, 0..8, the same meanings): solid,
// dotted and dashed in three widths, and for graphs discs at whole x.
constexpr std::int32_t LinieDuenn = 0;
constexpr std::int32_t LinieMittel = 1;
constexpr std::int32_t LinieDick = 2;
constexpr std::int32_t LiniePunktiertDuenn = 3;
constexpr std::int32_t LinieGestricheltDuenn = 4;
constexpr std::int32_t LiniePunktiertMittel = 5;
constexpr std::int32_t LinieGestricheltMittel = 6;
constexpr std::int32_t LiniePunktiertDick = 7;
constexpr std::int32_t LinieGestricheltDick = 8;
constexpr std::int32_t LinieScheiben = 9;            // discs at whole x
constexpr std::int32_t LinieScheibenVerbunden = 10;  // discs joined by lines

// Vertical segment x = const from YFrom to YTo; empty X is not drawn.
struct TSenkrechte {              // 1292 bytes stored
    std::string X;                //    0 string[255]
    std::string YFrom;            //  256 string[255]
    std::string YTo;              //  512 string[255]
    TReserve<512> Reserve768{};   //  768
    TColor Color = 0;             // 1280
    std::int32_t LineStyle = 0;   // 1284 LinieDuenn..LinieGestricheltDick
    TReserve<4> Reserve1288{};    // 1288
    friend bool operator==(const TSenkrechte&, const TSenkrechte&) = default;
};

// Area between two curves (function 1..9, or 13 for the x-axis);
// CurveA == CurveB means no area.
struct TFlaeche {                 // 1052 bytes stored
    std::int32_t CurveA = 0;      //    0
    std::int32_t CurveB = 0;      //    4
    std::string XFrom;            //    8 string[255]
    std::string XTo;              //  264 string[255]
    TReserve<256> Reserve520{};   //  520
    TColor Color = 0;             //  776
    std::uint8_t Linien = 0;      //  780 Boolean: spaced strokes, not solid
    TReserve<271> Reserve781{};   //  781
    friend bool operator==(const TFlaeche&, const TFlaeche&) = default;
};

// The reserved eighth block of a document: zero for the whole run unless a
// document brought other bytes, which are then written back unchanged.
constexpr std::size_t ReserveBlockGroesse = 1808;
using TReserveBlock = TReserve<ReserveBlockGroesse>;

// Options record, stored whole as the settings file (1096 bytes).
struct TEinstellungen {
    TReserve<3> Reserve0{};             //  0
    std::uint8_t MitWertetabelle = 0;   //  3 Boolean: show the value table at start
    std::uint8_t Startvorlage = 0;      //  4 Boolean: load the start template
    TReserve<2> Reserve5{};             //  5
    std::uint8_t Transparent = 0;       //  7 Boolean: tool windows translucent
    TReserve<20> Reserve8{};            //  8
    std::int32_t Sprache = 0;           // 28 0 German, 1 English, 2 third language
    TReserve<32> Reserve32{};           // 32
    double Einheit = 0;                 // 64 1.0 cm, 2.0 inch, 0 not yet chosen
    TReserve<1024> Reserve72{};         // 72
    friend bool operator==(const TEinstellungen&, const TEinstellungen&) = default;
};

// The circle under construction in the graph window (mode 7 / 71).
struct TFlagge {
    double MittelX = 0;
    double MittelY = 0;
    double RandX = 0;
    double RandY = 0;
    double Radius = 0;
    std::string MittelXText;
    std::string MittelYText;
    std::string RandXText;
    std::string RandYText;
    std::string RadiusText;
};

// Table sizes (slots) and the slots that carry meaning.
constexpr int AnzahlBeschriftungen = 36;  // 1..9 used, 1..10 get defaults
constexpr int AnzahlPunkte = 20;          // 1..10 points A..J, 11..20 centres
constexpr int AnzahlKreise = 16;          // 1..10 used
constexpr int AnzahlSenkrechte = 20;      // 1..4 used
constexpr int AnzahlFlaechen = 8;         // all used
constexpr int AnzahlTexte = 582;          // language lines 0..581
constexpr int AnzahlFensterVersatz = 274;

using TBeschriftungen = TTabelle<TBeschriftung, AnzahlBeschriftungen>;
using TPunkte = TTabelle<TPunkt, AnzahlPunkte>;
using TKreise = TTabelle<TKreis, AnzahlKreise>;
using TSenkrechten = TTabelle<TSenkrechte, AnzahlSenkrechte>;
using TFlaechen = TTabelle<TFlaeche, AnzahlFlaechen>;

extern TBeschriftungen& Beschriftungen;
extern TPunkte& Punkte;
extern TKreise& Kreise;
extern TSenkrechten& Senkrechte;
extern TFlaechen& Flaechen;
extern TReserveBlock& ReserveBlock;

// 0 is the selected function (the same object as Funktionen[FunktionNr]),
// 1..9 the user's functions, 10..12 further stored functions, 13 "f(x) = 0"
// (the x-axis for areas). The main window creates and owns the objects.
extern std::array<TFunktion*, 14>& Funktionen;

extern std::int32_t& FunktionNr;      // selected function 1..9
extern std::int32_t& Modus;           // interaction mode of the graph window

// The values Modus takes: the tool of the graph window and, for the tools
// that take several clicks, the step the user stands at.
constexpr std::int32_t ModusUrsprung = 1;       // drag the origin
constexpr std::int32_t ModusPunkte = 2;         // set the next free point
constexpr std::int32_t ModusSpur = 3;           // trace point on the current graph
constexpr std::int32_t ModusTangente = 4;       // tangent or normal
constexpr std::int32_t ModusSenkrechte = 5;     // vertical segment
constexpr std::int32_t ModusBeschriftung = 6;   // place a typed label
constexpr std::int32_t ModusKreisMitte = 7;     // circle, step 1: centre
constexpr std::int32_t ModusKreisRadius = 71;   // circle, step 2: rim point
constexpr std::int32_t ModusGeradeFrage = 82;   // line: assistant question pending
constexpr std::int32_t ModusGeradeM = 8;        // line, step 1: slope
constexpr std::int32_t ModusGeradeB = 81;       // line, step 2: y-intercept
constexpr std::int32_t ModusParabelFrage = 92;  // parabola: assistant question pending
constexpr std::int32_t ModusParabelD = 9;       // parabola, step 1: shift in x
constexpr std::int32_t ModusParabelE = 91;      // parabola, step 2: shift in y
constexpr std::int32_t ModusParabelA = 93;      // parabola, step 3: stretch factor
extern bool ZeichnenErlaubt;          // the graph window may draw
extern std::int32_t& VerschiebeNr;    // label being moved, 0 = none
extern TFlagge Flagge;
extern std::array<std::int32_t, AnzahlFensterVersatz> FensterVersatz;
extern bool BeendenBestaetigt;        // quit question answered Yes
extern std::string StartDokument;     // document path from the command line
extern TEinstellungen Einstellungen;
extern std::array<std::string, AnzahlTexte> Texte;  // UTF-8, by line number

// Defaults of the used slots, one routine per table as each tool window
// writes its own; New calls them all through TabellenVorbelegen. Only the
// fields that have defaults are written: reserved bytes stay as they are.
void BeschriftungenVorbelegen();  // labels 1..10
void BeschriftungVorbelegen(int k);  // label k of 1..10 alone
void PunkteVorbelegen();          // points 1..10
void PunktVorbelegen(int k);      // point k of 1..10 alone
void KreiseVorbelegen();          // circles 1..10 and their centres, points 11..20
void KreisVorbelegen(int k);      // circle k of 1..10 and its centre alone
void SenkrechteVorbelegen();      // vertical segments 1..4
void FlaechenVorbelegen();        // areas 1..8
void TabellenVorbelegen();        // all of the above

// Zeroes every table, the reserve block, the options record, the language
// lines and the shared state, as at program start. The function objects are
// owned by the main window: Funktionen is left alone.
void AllesNullen();
// What the windows show besides the tables and functions (the editor's
// texts, the view, the program's switches) back to how a start finds it.
void FensterzustandNullen();

// The program's decimal separator: the first character of language line 9,
// "," while no list is loaded.
char Dezimaltrenner();
