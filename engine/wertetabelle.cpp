#include "engine/wertetabelle.h"

#include "engine/funktion.h"
#include "engine/tabellen.h"
#include "engine/zahlen.h"

#include <array>
#include <cmath>
#include <span>

namespace {

constexpr const char* KopfXNormal = "   x";
constexpr const char* KopfXPi = " x * Pi";
constexpr const char* KopfYText = "   y";

long double AufHundertstel(long double v)
{
    return RoundHalfEven(v * 100.0L) / 100.0L;
}

}  // namespace

bool IstPiEinheit(std::int32_t schieberegler)
{
    return schieberegler == 2 || schieberegler == 3 || schieberegler == 5;
}

std::int64_t WertetabelleStart(std::int32_t xmin, std::int32_t xmax)
{
    const std::int64_t breite = static_cast<std::int64_t>(xmax) - xmin;
    return static_cast<std::int64_t>(xmin) + breite / 2 - 6;  // C++ truncates toward zero
}

int WertetabelleDezimalen(long double v)
{
    if (v >= -9 && v <= 99)
        return 2;
    if (v >= -99 && v <= 999)
        return 1;
    return 0;
}

std::string WertetabelleXText(std::int64_t k, std::int32_t schieberegler, double einheitX, char trenner)
{
    const long double kk = static_cast<long double>(k);
    long double v;
    switch (schieberegler) {
    case 5: v = kk / 2; break;
    case 3: v = kk / 4; break;
    case 2: v = kk / 6; break;
    default: v = kk / 2 * static_cast<long double>(einheitX); break;
    }
    return FormatGeneral(AufHundertstel(v), 8, 0, trenner);
}

std::string WertetabelleYText(bool definiert, long double v, char trenner)
{
    if (!definiert || !std::isfinite(v))
        return " " + Texte[313];
    if (v >= 10000)
        return Texte[312];
    if (v < -10000)
        return Texte[311];
    // Five digits hold every value shown as a number (-10000 at the most).
    return FormatFixed(v, 5, WertetabelleDezimalen(v), trenner);
}

TWertetabelle WertetabelleBerechnen(const WertetabelleEingabe& e, TFunktion& f)
{
    TWertetabelle t;
    t.KopfX = IstPiEinheit(e.Schieberegler) ? KopfXPi : KopfXNormal;
    t.KopfY = KopfYText;
    const std::int64_t k0 = 2 * WertetabelleStart(e.XMin, e.XMax);
    for (int c = 0; c < WertetabelleSpalten; ++c)
        t.X[static_cast<std::size_t>(c)] = WertetabelleXText(k0 + c, e.Schieberegler, e.EinheitX, e.Trenner);

    // Without a compiled term or a usable t there is no y row at all.
    if (!f.GetCompiled() || !e.T.has_value())
        return t;
    // The Pi units show x / Pi above, but the function is evaluated at x.
    std::array<long double, WertetabelleSpalten> x{};
    for (int c = 0; c < WertetabelleSpalten; ++c)
        x[static_cast<std::size_t>(c)] = static_cast<long double>(k0 + c) / 2 * static_cast<long double>(e.EinheitX);
    std::array<long double, WertetabelleSpalten> y{};
    std::array<bool, WertetabelleSpalten> definiert{}, sprung{};
    f.EvaluateColumn(std::span<const long double>(x), *e.T, y, definiert, sprung);
    for (std::size_t c = 0; c < WertetabelleSpalten; ++c)
        t.Y[c] = WertetabelleYText(definiert[c], y[c], e.Trenner);
    return t;
}

TWertetabelle WertetabelleErste(TFunktion& f, char trenner)
{
    TWertetabelle t;
    t.KopfX = KopfXNormal;
    t.KopfY = KopfYText;
    std::array<long double, WertetabelleSpalten> x{};
    for (int c = 0; c < WertetabelleSpalten; ++c) {
        x[static_cast<std::size_t>(c)] = static_cast<long double>(c - 12) / 2;
        t.X[static_cast<std::size_t>(c)] = FloatToStr(x[static_cast<std::size_t>(c)], trenner);
    }
    if (!f.GetCompiled())
        return t;
    std::array<long double, WertetabelleSpalten> y{};
    std::array<bool, WertetabelleSpalten> definiert{}, sprung{};
    f.EvaluateColumn(std::span<const long double>(x), 0.0L, y, definiert, sprung);
    for (std::size_t c = 0; c < WertetabelleSpalten; ++c)
        if (definiert[c] && std::isfinite(y[c]))
            t.Y[c] = FormatFixed(y[c], 10, 2, trenner);
    return t;
}

std::pair<std::int32_t, std::int32_t> WertetabelleSpalteGeklickt(std::int32_t xmin, std::int32_t xmax, int spalte)
{
    const std::int64_t breite = static_cast<std::int64_t>(xmax) - xmin;
    const std::int64_t links = 6 - breite / 2 - spalte / 2;
    return {SaturateToInt32(static_cast<double>(links)), SaturateToInt32(static_cast<double>(links + breite))};
}
