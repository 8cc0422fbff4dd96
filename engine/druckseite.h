#pragma once
// Where things go on the printed page and how large the clipboard pictures
// are: the arithmetic of printing and copying, free of any device.
//
// Page units are 0.01 mm. The origin is the top left corner of the
// printable area and y grows upwards, so everything on the page has a
// negative y; a view unit is `Massstab` cm of paper. The graph is placed
// 2 cm from the left and 2 cm from the top, or 8 cm from the top when the
// header is printed.

#include "engine/tabellen.h"

#include <cstdint>

struct TDruckAnsicht {
    std::int32_t XMin = -5;
    std::int32_t YMax = 8;
    std::int32_t XMax = 6;
    std::int32_t YMin = -2;
    double Massstab = 1.0;
    bool MitKopf = false;  // header box, title and equations above the graph
};

// A position that cannot be computed lies here, off every page.
constexpr std::int32_t SeiteFern = 1000000;

// Top margin in cm: 8 with the header, 2 without.
double ObererRand(const TDruckAnsicht& a);

// View position to page position, scaled (the graph: one view unit is
// Massstab cm) and unscaled (header, value table: fixed centimetres from
// the same margins).
std::int32_t SeiteY(const TDruckAnsicht& a, long double y);
std::int32_t SeiteXUnskaliert(const TDruckAnsicht& a, double x);
std::int32_t SeiteYUnskaliert(const TDruckAnsicht& a, long double y);

// Page position of a page point (a, b): a cm right of the printable area's
// left edge, b cm below its top.
struct TSeitenPunkt {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    friend bool operator==(const TSeitenPunkt&, const TSeitenPunkt&) = default;
};
TSeitenPunkt Seitenpunkt(double a, double b);

// The highest view (in view units) under which the value table still fits
// below the graph with the header: 14 in cm mode, 10.29 in inch mode.
double TabellenGrenze(double massstab);

// Where the value table goes: its caption, two blocks of grid columns one
// below the other, and whether it takes a page of its own (printed before
// the graph's page).
struct TTabellenLage {
    bool EigeneSeite = false;
    TSeitenPunkt Titel;   // top left of the caption
    TSeitenPunkt Block1;  // top left of columns 0..12
    TSeitenPunkt Block2;  // top left of columns 13..25
};
TTabellenLage TabellenLage(const TDruckAnsicht& a);

// Top left of the k-th (1..9) equation of the header: four in the left
// column, the others in the right one.
TSeitenPunkt GleichungsLage(const TDruckAnsicht& a, int k);

// The value table prints at three quarters of its size on screen.
constexpr double TabellenSkala = 0.75;
// Block bounds of the printed grid columns.
constexpr int TabelleBlock1Von = 0;
constexpr int TabelleBlock1Bis = 12;
constexpr int TabelleBlock2Von = 13;
constexpr int TabelleBlock2Bis = 26;  // clamped to the last column when printed

// Clamps a block of rows or columns to a grid of `anzahl` of them as the
// printed table does: a start below 0 becomes 0, an end at or beyond the
// count (or negative) becomes the last one, a reversed range is swapped.
// False when nothing can be printed (a start beyond the grid).
bool TabellenBereich(int& von, int& bis, int anzahl);

// Points of the screen grid to page units at a scale: the printed table
// measures its cells in points.
std::int32_t PunkteZuSeite(double punkte, double skala);

// The last whole view unit at the right edge of the page and at its bottom
// edge: drawing stops there, however far the view goes. `breite` and
// `hoehe` are the printable area in page units.
std::int32_t SeiteXMaxSichtbar(const TDruckAnsicht& a, std::int32_t breite);
std::int32_t SeiteYMinSichtbar(const TDruckAnsicht& a, std::int32_t hoehe);

// ---------------------------------------------------------------------------
// Clipboard pictures

// Pixels per cm of paper of the clipboard bitmap, and its resolution.
constexpr int BitmapPixelProCm = 130;
constexpr int BitmapPunkteProMeter = 13000;

struct TBildGroesse {
    std::int64_t Breite = 0;
    std::int64_t Hoehe = 0;
    friend bool operator==(const TBildGroesse&, const TBildGroesse&) = default;
};

// The bitmap: (extent * 130, as a whole number) * Massstab, rounded, + 1
// pixels on each axis.
TBildGroesse BitmapGroesse(std::int32_t xMin, std::int32_t yMax, std::int32_t xMax, std::int32_t yMin, double massstab);
// The vector picture in 0.01 mm: extent * 1000 * Massstab + 40, rounded.
TBildGroesse VektorbildGroesse(std::int32_t xMin, std::int32_t yMax, std::int32_t xMax, std::int32_t yMin,
                               double massstab);

// A picture is built as a 32-bit image first; one larger than this is
// refused before anything is allocated.
constexpr std::int64_t GroessteBildSeite = 32767;
constexpr std::int64_t GroessteBildPixel = std::int64_t{64} * 1024 * 1024;
bool BildZuGross(const TBildGroesse& g);

// Whether any of circles 1..10 has a hatched fill (fill choices 2..5),
// whether or not it is drawn. Such circles cannot be printed or copied as a
// vector picture.
bool SchraffierteKreise(const TKreise& kreise);
