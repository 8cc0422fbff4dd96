#pragma once
// Axis units typed as text: which numbers can be a unit, and where the
// unit track bars stand for a typed unit. A unit is the number of function
// units one view unit (1 cm, or half an inch) stands for; a negative unit
// mirrors its axis.

#include <optional>
#include <string>
#include <string_view>

// The largest unit in size that the program draws with; beyond it the view
// spans more than a double can place a pixel in.
constexpr double MaxEinheit = 1e12;

// The units of the x bar's pi positions 5, 3 and 2, as the track bars and
// documents hold them (pi/3 is the extended-precision quotient rounded, one
// step above the double quotient).
constexpr double EinheitPi = 3.141592653589793;
constexpr double EinheitPiHalbe = 1.5707963267948966;
constexpr double EinheitPiDrittel = 1.0471975511965979;

// A unit the view can be drawn with: finite, not zero and at most
// MaxEinheit in size. Negative units are sound.
bool EinheitBrauchbar(double einheit);

// A typed unit and the track bar position that stands nearest to it. The
// exact unit is kept: the bar only shows the step.
struct TEinheitEingabe {
    double Einheit = 1.0;
    int Position = 1;
};

// The x unit: the words "PI", "PI/2", "PI/3" in any case (positions 5, 3
// and 2, the positions that number the axis in multiples of pi), or a
// number with the program's separator or "."; nothing for anything else,
// and for a number that EinheitBrauchbar refuses.
std::optional<TEinheitEingabe> EinheitXAusText(std::string_view text, char trenner);
// The y unit: a number only.
std::optional<TEinheitEingabe> EinheitYAusText(std::string_view text, char trenner);

// The bar positions of a typed number (first interval that holds it; every
// number up to the smallest step, negative ones too, gives -4).
int EinheitXPosition(double einheit);
int EinheitYPosition(double einheit);

// The track bars' positions -4..10 and the units they stand for. Positions
// 2, 3 and 5 of the x bar are pi/3, pi/2 and pi, which the axis numbers in
// units of pi; positions outside the range count as its nearest end.
double EinheitXAusPosition(int position);
double EinheitYAusPosition(int position);
// The x unit as the x-unit window shows it: "Pi/3", "Pi/2", "Pi" at the pi
// positions, the number otherwise.
std::string EinheitXText(int position, double einheit, char trenner);
