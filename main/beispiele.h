#pragma once
// The worked examples: whole drawings built in code. Each one resets the
// program to a new document, sets the view, the axes and the grid, fills
// functions 1 to 7 and places objects straight into the object tables.
//
// The data are tables, one row per function or object, each row tagged with
// the example it belongs to. In texts '#' stands for the program's decimal
// separator (numbers the design builds from pieces); a literal comma stays a
// comma.

#include "engine/farben.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <span>

enum class TBeispielNr : std::uint8_t {
    Geradensteigung, TangenteNormale,                                  // straight lines
    Saegezahn, Kolibri, Sinusschar,                                    // curve families
    Parabelschar1, Parabelschar2, Parabelschar3, Parabelschar4,        // parabola families
    KonvergenteFolge, AlternierendeFolge,                              // number sequences
    RotationX, RotationY,                                              // solids of revolution
    BW1999, Hamburg2007, Bayern2007, Berlin2007, BW2007, LKBayern2002, LKBayern2007, LKBerlin2007,  // exams
    FreierFall, Schwingung, Spannung,                                  // physics
    ZubehoerSenkrechte, ZubehoerPunkte, ZubehoerKreise, ZubehoerFlaechen,  // one per kind of object
};
constexpr int AnzahlBeispiele = 28;

// A text: a language line between two fixed pieces (no line: Zeile < 0).
struct TBspText {
    const char* Vor = "";
    int Zeile = -1;
    const char* Nach = "";
    QString Text() const;
};

struct TBspAnsicht {
    std::int32_t XMin, XMax, YMin, YMax;
};

// The groups of the two example menus, in their order.
struct TBeispielGruppe {
    const char* Haupt;      // submenu of Beispiele2
    const char* Popup;      // submenu of PopupMenu2
    const char* Text;       // designed caption
};

constexpr int KeineStellung = 99;  // a unit track bar left as New set it

struct TBeispiel {
    TBeispielNr Nr = TBeispielNr::Geradensteigung;
    int Gruppe = 0;               // index into BeispielGruppen()
    const char* Laden = "";       // the loader's name in the design
    const char* Haupt = "";       // its item in Beispiele2
    const char* Huelle = "";      // the popup wrapper's name
    const char* Popup = "";       // its item in PopupMenu2
    const char* Text = "";        // designed caption of both items
    std::optional<TBspAnsicht> Ansicht = std::nullopt;  // none: New's view stays
    const char* Gitter = "0";
    TBspText XAchse{"x"};
    TBspText YAchse{"y"};
    bool Achsen = true;      // CB3
    int TrackBar1 = KeineStellung;  // y unit position
    int TrackBar2 = KeineStellung;  // x unit position
    double EinheitY = 0;     // 0: as the track bar sets it
    int Auswahl = 1;         // the function selected at the end
};

struct TBspFunktion {
    TBeispielNr Bsp;
    int Nr;                  // function 1..9
    const char* Term;
    double XVon = 0, XBis = 0;
    TColor Farbe = clRed;
    int Stil = 1;
    bool Schar = false;
    double TVon = 0, TBis = 0, TSchritt = 0;
    TColor Farbe2 = clRed;
    bool NurTerm = false;    // only the term (the empty equation)
};

struct TBspPunkt {
    TBeispielNr Bsp;
    int Slot;                // 1..10
    const char* X;
    const char* Y;
    TBspText Name;
    int Stil;
    int Lage;
    TColor Farbe;
};

// Circle k with its centre, point 10 + k.
struct TBspKreis {
    TBeispielNr Bsp;
    int K;
    int Stil;
    const char* RadiusX;
    const char* RadiusY;
    const char* Mitte;       // centre shown "1" or hidden "0"
    const char* Fuellung;
    TColor FuellFarbe;
    const char* X;
    const char* Y;
    TBspText Name;
    int MarkenStil;
    int Lage;
    TColor Farbe;
};

struct TBspBeschriftung {
    TBeispielNr Bsp;
    TBspText Text;
    double X, Y;
    TColor Farbe;
    int Groesse;
    bool Fett = true;
};

struct TBspSenkrechte {
    TBeispielNr Bsp;
    int Nr;
    const char* X;
    const char* YVon;
    const char* YBis;
    TColor Farbe;
    int Stil;
};

struct TBspFlaeche {
    TBeispielNr Bsp;
    int Nr;
    int KurveA;
    int KurveB;              // 13: the x axis
    const char* XVon;
    const char* XBis;
    TColor Farbe;
    bool Linien = false;
};

std::span<const TBeispielGruppe> BeispielGruppen();
std::span<const TBeispiel> Beispiele();
const TBeispiel& Beispiel(TBeispielNr nr);
std::span<const TBspFunktion> BeispielFunktionen();
std::span<const TBspPunkt> BeispielPunkte();
std::span<const TBspKreis> BeispielKreise();
std::span<const TBspBeschriftung> BeispielBeschriftungen();
std::span<const TBspSenkrechte> BeispielSenkrechte();
std::span<const TBspFlaeche> BeispielFlaechen();
