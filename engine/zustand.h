#pragma once
// The document state: everything the windows show of a drawing and change,
// held in one place. A window reads it to show it, writes it to change it,
// and then says through the notifier (platform/melder.h) what it changed,
// so that every other window that shows that part refreshes itself.
//
// The names the windows have always used (Punkte, Funktionen, FunktionNr,
// Modus, ...; engine/tabellen.h) are references into this one object, so
// code that reads a table directly reads the state.
//
// The view of the program's graph window is here too (TAnsicht); a graph
// window made for a test or a benchmark draws with a view of its own. So
// are the value table's calculator and the program's switches: sound, the
// interaction tools and the language in force (whose lines are Texte of
// engine/tabellen.h).

#include "engine/tabellen.h"

#include <array>
#include <cstdint>
#include <string>

class TFunktion;

// The fields of the main window's function editor, in the order of its
// input bar: the equation, then the five ranges.
enum class TEditorFeld : int { Gleichung = 0, XVon, XBis, TVon, TBis, TSchritt };
constexpr int AnzahlEditorFelder = 6;

// One field of the editor: its text as typed, and whether the editor took it
// (the field shows light green) or not (light orange).
struct TEingabe {
    std::string Text;
    bool Gueltig = true;
    friend bool operator==(const TEingabe&, const TEingabe&) = default;
};

// What the function editor holds for the selected function.
struct TEditorZustand {
    // " Funktion " or " Funktionenschar ", as the equation reads.
    std::string Eingabeart = " Funktion ";
    std::array<TEingabe, AnzahlEditorFelder> Felder{};
    // The choice of the function as its list shows it ("1." .. "9.", or
    // what was typed, which may name none).
    TEingabe Auswahl{"1.", true};

    TEingabe& operator[](TEditorFeld f) { return Felder[static_cast<std::size_t>(f)]; }
    const TEingabe& operator[](TEditorFeld f) const { return Felder[static_cast<std::size_t>(f)]; }
};

// Centimetres of paper per view unit: a view unit is 1 cm, or half an inch.
constexpr double MassstabCm = 1.0;
constexpr double MassstabZoll = 1.27;

// What the graph window shows of the plane, and how.
struct TAnsicht {
    // The view in whole view units (1 view unit = Massstab cm of paper).
    // Every writer keeps XMax > XMin and YMax > YMin; a view that breaks
    // this is not drawn.
    std::int32_t XMin = -5;
    std::int32_t YMax = 8;
    std::int32_t XMax = 6;
    std::int32_t YMin = -2;
    double EinheitX = 1.0;  // function units per view unit, x axis
    double EinheitY = 1.0;  // function units per view unit, y axis
    // The unit track bars' positions -4..10. A typed unit stands between
    // two steps: the bar shows the nearest one, the unit stays as typed.
    std::int32_t PositionX = 1;
    std::int32_t PositionY = 1;
    double Massstab = 1.0;  // cm of paper per view unit: 1.0 (cm) or 1.27 (inch)
    // Grid: kind '0'..'7' and colour scheme 'a'..'c'.
    std::string Gitter = "1b";
    bool Farbig = true;  // graphs and objects in their colours
    bool Achsen = true;  // axes drawn
    bool Zahlen = true;  // axes with ticks and numbers
    // The axis captions and the axis lengths in cm (as the graph window's
    // lists show them), as typed.
    std::string XAchse = "x";
    std::string YAchse = "y";
    std::string XLaenge = "11";
    std::string YLaenge = "10";
    friend bool operator==(const TAnsicht&, const TAnsicht&) = default;
};

// The value table's calculator as it shows: x, t and the result.
struct TRechner {
    std::string X = "0";
    std::string T = "0";
    std::string Ergebnis;
    friend bool operator==(const TRechner&, const TRechner&) = default;
};

// The object tables, as a change names them.
enum class TObjekttabelle : int { Punkte, Kreise, Beschriftungen, Senkrechte, Flaechen };

struct TZustand {
    TBeschriftungen Beschriftungen;
    TPunkte Punkte;
    TKreise Kreise;
    TSenkrechten Senkrechte;
    TFlaechen Flaechen;
    TReserveBlock ReserveBlock{};

    // 0 is the selected function (the same object as Funktionen[FunktionNr]),
    // 1..9 the user's, 10..12 further stored ones, 13 the x-axis.
    std::array<TFunktion*, 14> Funktionen{};
    std::int32_t FunktionNr = 1;   // the selected function, 1..9
    std::int32_t Modus = 0;        // the graph window's tool and step
    std::int32_t VerschiebeNr = 0; // the label riding on the pointer, 0 = none

    TEditorZustand Editor;

    // The program's graph window shows this view.
    TAnsicht Ansicht;
    TRechner Rechner;

    // Switches of the program, not of the document: sounds on, the graph
    // window's interaction tools shown, the language (0 German, 1 English,
    // 2 the third list).
    bool Klang = true;
    bool Interaktiv = true;
    std::int32_t Sprache = 0;

    // The program's graph window in presentation mode; and its place and
    // size kept through a New (asked from its own New button, or by an
    // example loaded in presentation mode).
    bool Praesentation = false;
    bool LayoutHalten = false;
};

// The one document state of the program.
extern TZustand Zustand;
