#pragma once
// The value table's content: 25 pairs of x and y centred on the middle of the
// graph window's x view, with the spacing of the x unit. The window only
// shows what is computed here.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

class TFunktion;

constexpr int WertetabelleSpalten = 25;  // value columns 1..25 of the grid

struct TWertetabelle {
    std::string KopfX;  // cell (0,0): "   x", or " x * Pi" for the Pi units
    std::string KopfY;  // cell (0,1): "   y"
    std::array<std::string, WertetabelleSpalten> X{};  // columns 1..25 of row 0
    std::array<std::string, WertetabelleSpalten> Y{};  // columns 1..25 of row 1
};

struct WertetabelleEingabe {
    std::int32_t XMin = -5;            // the graph window's whole-unit x view
    std::int32_t XMax = 6;
    std::int32_t Schieberegler = 1;    // x-unit track bar position
    double EinheitX = 1.0;             // x units per view unit
    std::optional<long double> T;      // the t field's number; none when it does not convert
    char Trenner = ',';                // decimal separator
};

// The x-unit positions whose units are Pi/3, Pi/2 and Pi.
bool IstPiEinheit(std::int32_t schieberegler);

// Half of the first table index: m = XMin + (XMax - XMin) div 2 - 6, with the
// division truncating toward zero. The indices run from 2m to 2m + 24.
std::int64_t WertetabelleStart(std::int32_t xmin, std::int32_t xmax);

// Decimals shown for a value of size v: 2 for -9 <= v <= 99, 1 up to 999 and
// down to -99, 0 beyond.
int WertetabelleDezimalen(long double v);

// The x cell for index k: k/2 x EinheitX, or for the Pi units the multiple
// of Pi (k/2, k/4, k/6), rounded to hundredths, general format 8 digits.
std::string WertetabelleXText(std::int64_t k, std::int32_t schieberegler, double einheitX, char trenner);

// The y cell of an evaluation: " n.def." when undefined, "s.groß" from
// 10000 on, "s.klein" below -10000, otherwise fixed format with the
// decimals by size. The words come from the language lines 311 to 313.
std::string WertetabelleYText(bool definiert, long double v, char trenner);

// The whole table for the function f. The y row stays empty when f did not
// compile or the t field does not convert.
TWertetabelle WertetabelleBerechnen(const WertetabelleEingabe& e, TFunktion& f);

// The table the window shows at its creation: x from -6 to 6 in steps of
// 0.5 in the shortest form, y at t = 0 with two decimals where defined.
TWertetabelle WertetabelleErste(TFunktion& f, char trenner);

// The view after a click on grid column `spalte`: the width is kept and the
// left edge becomes 6 - (width div 2) - (spalte div 2).
std::pair<std::int32_t, std::int32_t> WertetabelleSpalteGeklickt(std::int32_t xmin, std::int32_t xmax, int spalte);
