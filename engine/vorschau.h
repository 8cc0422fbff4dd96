#pragma once
// The construction preview's numbers and texts: the samples of the selected
// function with the tangent or normal through them, the straight line and
// the parabola of the two assistants, the circle being opened, the
// coordinate text, the equation texts and the parser-ready terms that a
// click turns into a function. Everything here takes its inputs as
// arguments; the graph window gathers them, draws what comes out and keeps
// the values that outlive a tick.

#include "engine/tabellen.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// ---------------------------------------------------------------------------
// Numbers as the preview writes them, with the program's decimal separator.

std::string ZahlF(double v, int stellen, char trenner);  // fixed, precision 10, `stellen` decimals
std::string ZahlG(double v, char trenner);               // general, 3 significant digits
std::string ZahlG4(double v, char trenner);              // general, 4 significant digits
std::string ZahlC(double v, char trenner);               // general, 15 significant digits
// The slope label "m = ...": like ZahlG, but an exponent has at least two
// digits (1,23E03).
std::string ZahlM(double v, char trenner);

// A quantity within this distance of 0, 1 or -1 counts as that value in the
// equation texts and terms.
constexpr double VorschauNaehe = 1e-5;

// ---------------------------------------------------------------------------
// Pixels of the drawing area and coordinates.

// A conversion to pixels gives at most this far from the origin, so that
// sums and halves of a few pixel positions stay inside the integer range and
// nothing is drawn at the far end of it.
constexpr std::int32_t VorschauPixelGrenze = 10'000'000;

struct TPixel {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    friend bool operator==(const TPixel&, const TPixel&) = default;
};

// The screen mapping of the graph window's view (view units, the axis units
// and the picture's extent).
struct TVorschauAbbildung {
    std::int32_t XMin = -5;
    std::int32_t XMax = 6;
    std::int32_t YMin = -2;
    std::int32_t YMax = 8;
    double EinheitX = 1.0;
    double EinheitY = 1.0;
    std::int32_t BildBreite = 0;  // drawing area width - 1
    std::int32_t BildHoehe = 0;   // drawing area height - 1

    // A pixel column or row in view units (not rounded).
    double PixelToWorldX(std::int32_t px) const;
    double PixelToWorldY(std::int32_t py) const;
    // A coordinate in function units to its pixel: rounded half to even and
    // held within +-VorschauPixelGrenze (not a number gives 0).
    std::int32_t WorldToPixelX(double v) const;
    std::int32_t WorldToPixelY(double v) const;
};

// The sizes of one drawn tick, all from one size unit s in pixels.
struct TVorschauMasse {
    int s = 0;
    int W18 = 0;   // curve pen
    int W135 = 0;  // marker pen
    int W28 = 0;   // intercept pen
    // Point marker at (cx, cy): ellipse (cx + r2, cy + r2) - (cx - r1, cy - r1).
    int r1 = 0;
    int r2 = 0;
    // Trace marker: rectangle (cx + SpurRechts, ..) - (cx - SpurLinks, ..);
    // rim dot: ellipse (cx + SpurRechts, ..) - (cx - RandLinks, ..).
    int SpurRechts = 0;
    int SpurLinks = 0;
    int RandLinks = 0;
    int Schrift = 1;  // label font size in points, 1..1000
};
TVorschauMasse VorschauMasse(const TVorschauAbbildung& a, double massstab);

// The height of a font of `punkte` points as a canvas of 96 dots per inch
// reports it: negative, as for every size given in points.
int SchriftHoehe(int punkte);

// ---------------------------------------------------------------------------
// Samples of the selected function (trace, tangent and normal).

// The function's value at x, or nothing where it is undefined.
using TWertAn = std::function<std::optional<long double>(long double x)>;

struct TAbtastung {
    bool Mitte = false;   // defined at x
    bool Rechts = false;  // at x + 0.001
    bool Links = false;   // at x - 0.001
    double Y = 0;         // the value at x (0 where undefined)
    double M = 0;         // slope of the tangent or normal
    double B = 0;         // its intercept
    // The tangent or normal exists: all three samples are defined, and slope
    // and intercept are finite numbers a double holds; a normal in addition
    // needs a tangent slope between 1e-7 and 1e7 in magnitude.
    bool Gueltig = false;
};

// Samples f at x, x + 0.001 and x - 0.001. The slope is the difference
// quotient of the outer samples (the normal's: -1 over it); the tangent's
// intercept is taken through the left sample, the normal's through its foot
// point (x, f(x)). A value beyond the double range counts as undefined; a
// sample that throws ends the sampling there.
TAbtastung Abtasten(const TWertAn& f, double x, bool istTangente);

// ---------------------------------------------------------------------------
// Texts

struct TVorschauSprache {
    char Trenner = ',';
    std::string Tangente = "Tangente";              // language line 215
    std::string Normale = "Normale";                // line 216
    std::string NichtDefiniert = "nicht definiert"; // line 513
};

struct TKoordinaten {
    std::string XText;
    std::string YText;
    std::string KoordText;
    int Breite = 0;  // least width of status panel 0
};

// The snapped pointer as text, by mode and snap step (0..4): x, y and the
// coordinate display text. In modes 3 and 4 y is the function value (" --- "
// where it is undefined); the parabola steps show the vertex so far (d, e).
TKoordinaten FormatCursorCoordinates(std::int32_t modus, bool istTangente, int raster, double x, double y,
                                     bool mitteDefiniert, double d, double e, char trenner);

// The equation of the line y = m x + b for the box; for a line that is not
// defined, " Tangente nicht definiert" or " Normale nicht definiert".
std::string LineEquationText(double m, double b, bool definiert, bool istTangente, const TVorschauSprache& s);
// The same as a term for the compiler, "y(x) = ..."; "f(x) =" when not defined.
std::string LineFunctionTerm(double m, double b, bool definiert, char trenner);
// The parabola y = a (x - d)^2 + e for the box at step 9 (v is the new d),
// 91 (v is the new e) or 93.
std::string ParabolaEquationText(std::int32_t modus, double v, double d, double e, double a, char trenner);
// The parabola of step 93 as a term for the compiler.
std::string ParabolaFunctionTerm(double d, double e, double a, char trenner);

// ---------------------------------------------------------------------------
// One tick.

// What the tick starts from.
struct TVorschauEingabe {
    std::int32_t Modus = 0;
    bool IstTangente = true;
    int Raster = 3;        // snap step 0..4
    double X = 0;          // snapped pointer, function units
    double Y = 0;          // snapped pointer (not used in modes 3 and 4)
    TAbtastung Proben;     // modes 3 and 4
    TVorschauSprache Sprache;
};

// What ticks leave for the clicks and for the later steps of a construction.
struct TVorschauStand {
    double SteigungM = 0;      // line slope m, chosen in step 1 of the line
    double VerschiebungD = 0;  // shift d, step 1 of the parabola
    double VerschiebungE = 0;  // shift e, step 2
    double FaktorA = 0;        // factor a, step 3
    bool Gueltig = true;       // the preview has a defined object
    std::string VorschauTerm;  // parser-ready term of the last line, tangent, normal or parabola
};

// What one tick shows.
struct TVorschauErgebnis {
    TKoordinaten Koordinaten;
    // False: the tick ends after the texts (mode 8 on the y axis, mode 3 off
    // the graph): nothing drawn, nothing copied.
    bool Zeichnen = true;
    // Mode 4: the tangent or normal is drawn (otherwise only its box).
    bool Figur = false;
    double X = 0;  // snapped pointer
    double Y = 0;  // snapped pointer; the function value in modes 3 and 4
    double M = 0;  // the line of modes 4, 8 and 81
    double B = 0;
    std::string Gleichung;   // the equation box (in mode 71 its green part)
    std::string Gleichung2;  // mode 71: the radius part, in red
    // Parabola steps: the vertex as the curve uses it, snapped again from
    // its pixel. The window fills them in; snapping is its own.
    double ScheitelX = 0;
    double ScheitelY = 0;
};

// Runs the numbers of one tick of mode `ein.Modus`: the texts, the values of
// the step (written into `stand`) and, in mode 71, the rim and radius of the
// circle under construction (written into `flagge`).
TVorschauErgebnis VorschauRechnen(const TVorschauEingabe& ein, TVorschauStand& stand, TFlagge& flagge);

// The parabola of a step (9, 91, 93) as a polyline: the first point is the
// start, one point per pixel column follows. d, e, a: the vertex and factor
// so far (in step 91, e is the pointer's y); xs, ys: the vertex snapped
// again from its pixel. Columns lie within -1 .. breite + 1; where the
// curve cannot reach the picture the polyline is empty.
std::vector<TPixel> ParabelPunkte(const TVorschauAbbildung& a, std::int32_t modus, double d, double e, double faktor,
                                  double xs, double ys, int breite, int hoehe);
