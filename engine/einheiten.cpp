#include "engine/einheiten.h"

#include "engine/zahlen.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <string>
#include <utility>

namespace {

// Upper bounds of the intervals and their positions; above the last bound
// the bar stands at 10. The x bar reaches its pi positions 2, 3 and 5 only
// through the words: a number near pi/3 stands at 1, one near pi/2 at 4
// (the step for 2), one near pi at 6 (the step for 4).
constexpr std::array<std::pair<double, int>, 14> StufenX = {{
    {0.01, -4},
    {0.1, -3},
    {0.2, -2},
    {0.25, -1},
    {0.5, 0},
    {1.0, 1},
    {EinheitPiDrittel, 1},
    {EinheitPiHalbe, 4},
    {2.0, 4},
    {EinheitPi, 6},
    {4.0, 6},
    {5.0, 7},
    {10.0, 8},
    {50.0, 9},
}};

constexpr std::array<std::pair<double, int>, 14> StufenY = {{
    {0.001, -4},
    {0.01, -3},
    {0.1, -2},
    {0.25, -1},
    {0.5, 0},
    {1.0, 1},
    {2.0, 2},
    {2.5, 3},
    {5.0, 4},
    {10.0, 5},
    {50.0, 6},
    {100.0, 7},
    {500.0, 8},
    {1000.0, 9},
}};

template <std::size_t N>
int Position(const std::array<std::pair<double, int>, N>& stufen, double v)
{
    for (const auto& [bis, position] : stufen)
        if (v <= bis)
            return position;
    return 10;
}

std::string_view Getrimmt(std::string_view s)
{
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

bool GleichOhneFall(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::optional<double> Zahl(std::string_view text, char trenner)
{
    const std::optional<double> v = ParseNumber(text, trenner, true);
    if (!v || !EinheitBrauchbar(*v))
        return std::nullopt;
    return v;
}

}  // namespace

bool EinheitBrauchbar(double einheit)
{
    return std::isfinite(einheit) && einheit != 0.0 && std::fabs(einheit) <= MaxEinheit;
}

int EinheitXPosition(double einheit) { return Position(StufenX, einheit); }

int EinheitYPosition(double einheit) { return Position(StufenY, einheit); }

std::optional<TEinheitEingabe> EinheitXAusText(std::string_view text, char trenner)
{
    static constexpr std::array<std::pair<std::string_view, TEinheitEingabe>, 3> Worte = {{
        {"PI", {EinheitPi, 5}},
        {"PI/2", {EinheitPiHalbe, 3}},
        {"PI/3", {EinheitPiDrittel, 2}},
    }};
    const std::string_view wort = Getrimmt(text);
    for (const auto& [w, eingabe] : Worte)
        if (GleichOhneFall(wort, w))
            return eingabe;
    if (const auto v = Zahl(text, trenner))
        return TEinheitEingabe{*v, EinheitXPosition(*v)};
    return std::nullopt;
}

std::optional<TEinheitEingabe> EinheitYAusText(std::string_view text, char trenner)
{
    if (const auto v = Zahl(text, trenner))
        return TEinheitEingabe{*v, EinheitYPosition(*v)};
    return std::nullopt;
}

namespace {

constexpr int KleinstePosition = -4;
constexpr int GroesstePosition = 10;

// Units per view unit by track bar position -4..10.
constexpr double EinheitenX[] = {0.01, 0.1, 0.2, 0.25, 0.5, 1.0, EinheitPiDrittel, EinheitPiHalbe,
                                 2.0, EinheitPi, 4.0, 5.0, 10.0, 50.0, 100.0};
constexpr double EinheitenY[] = {0.001, 0.01, 0.1, 0.25, 0.5, 1.0, 2.0, 2.5, 5.0, 10.0, 50.0, 100.0,
                                 500.0, 1000.0, 10000.0};
static_assert(std::size(EinheitenX) == GroesstePosition - KleinstePosition + 1 &&
              std::size(EinheitenY) == std::size(EinheitenX));

std::size_t Index(int position)
{
    return static_cast<std::size_t>(std::clamp(position, KleinstePosition, GroesstePosition) - KleinstePosition);
}

}  // namespace

double EinheitXAusPosition(int position) { return EinheitenX[Index(position)]; }

double EinheitYAusPosition(int position) { return EinheitenY[Index(position)]; }

std::string EinheitXText(int position, double einheit, char trenner)
{
    switch (position) {
    case 2: return "Pi/3";
    case 3: return "Pi/2";
    case 5: return "Pi";
    default: return FloatToStr(einheit, trenner);
    }
}
