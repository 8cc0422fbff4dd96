#include "engine/druckseite.h"

#include "engine/zahlen.h"

#include <algorithm>
#include <cmath>

namespace {

// Rounds half to even into Int32, or SeiteFern when the value does not fit.
std::int32_t SeiteOderFern(long double v)
{
    if (!(std::fabs(v) <= 2147483647.0L))
        return SeiteFern;
    return RoundToInt32(v);
}

}  // namespace

double ObererRand(const TDruckAnsicht& a)
{
    return a.MitKopf ? 8.0 : 2.0;
}

std::int32_t SeiteY(const TDruckAnsicht& a, long double y)
{
    return SeiteOderFern((y - a.YMax - ObererRand(a) / a.Massstab) * 1000.0L * a.Massstab);
}

std::int32_t SeiteXUnskaliert(const TDruckAnsicht& a, double x)
{
    return RoundToInt32((static_cast<long double>(x) - a.XMin + 2.0L) * 1000.0L);
}

std::int32_t SeiteYUnskaliert(const TDruckAnsicht& a, long double y)
{
    return SeiteOderFern((y - a.YMax - ObererRand(a)) * 1000.0L);
}

TSeitenPunkt Seitenpunkt(double a, double b)
{
    return TSeitenPunkt{RoundToInt32(a * 1000.0), RoundToInt32(-b * 1000.0)};
}

double TabellenGrenze(double massstab)
{
    return 14.0 / (massstab + (massstab - 1.0) / 3.0);
}

TTabellenLage TabellenLage(const TDruckAnsicht& a)
{
    const double h = static_cast<double>(static_cast<std::int64_t>(a.YMax) - a.YMin);
    const double m = a.Massstab;
    // The caption is written like a header text: X and Y are centimetres
    // from the view's top left corner at the page margins.
    auto titel = [&](double y) {
        return TSeitenPunkt{SeiteXUnskaliert(a, a.XMin), SeiteYUnskaliert(a, static_cast<long double>(a.YMax) - y)};
    };
    const std::int32_t links = SeiteXUnskaliert(a, a.XMin - 0.35);
    TTabellenLage l;
    if (a.MitKopf && h <= TabellenGrenze(m)) {
        l.Titel = titel((h + 0.8) * m);
        l.Block1 = {links, SeiteY(a, a.YMin - 1.5L)};
        l.Block2 = {links, SeiteY(a, a.YMin - 3.0L)};
    } else if (a.MitKopf) {
        l.EigeneSeite = true;
        l.Titel = titel(-4.2 * m);
        l.Block1 = {links, SeiteY(a, a.YMax + 3.5L)};
        l.Block2 = {links, SeiteY(a, a.YMax + 2.0L)};
    } else {
        l.EigeneSeite = true;
        l.Titel = titel(0.8 * m);
        l.Block1 = {links, SeiteY(a, a.YMax - 1.5L)};
        l.Block2 = {links, SeiteY(a, a.YMax - 3.0L)};
    }
    return l;
}

TSeitenPunkt GleichungsLage(const TDruckAnsicht& /*a*/, int k)
{
    if (k <= 4)
        return Seitenpunkt(2.0, 4.0 + 0.7 * k);
    return Seitenpunkt(10.0, 4.0 + 0.7 * k - 2.8);
}

bool TabellenBereich(int& von, int& bis, int anzahl)
{
    if (von < 0)
        von = 0;
    if (bis >= anzahl || bis < 0)
        bis = anzahl - 1;
    // A start beyond the grid prints nothing, also when the clamped end
    // now lies before it.
    if (von >= anzahl || anzahl < 1)
        return false;
    if (von > bis)
        std::swap(von, bis);
    return true;
}

std::int32_t PunkteZuSeite(double punkte, double skala)
{
    // One point is 2540 / 72 units of 0.01 mm.
    return RoundToInt32(punkte * 2540.0 / 72.0 * skala);
}

std::int32_t SeiteXMaxSichtbar(const TDruckAnsicht& a, std::int32_t breite)
{
    const double einheiten = (static_cast<double>(breite) - 2000.0) / (1000.0 * a.Massstab);
    const double letzte = static_cast<double>(a.XMin) + std::max(1.0, std::ceil(einheiten) + 1.0);
    if (!(letzte < static_cast<double>(a.XMax)))
        return a.XMax;
    return static_cast<std::int32_t>(letzte);
}

std::int32_t SeiteYMinSichtbar(const TDruckAnsicht& a, std::int32_t hoehe)
{
    const double einheiten = (static_cast<double>(hoehe) - 1000.0 * ObererRand(a)) / (1000.0 * a.Massstab);
    const double letzte = static_cast<double>(a.YMax) - std::max(1.0, std::ceil(einheiten) + 1.0);
    if (!(letzte > static_cast<double>(a.YMin)))
        return a.YMin;
    return static_cast<std::int32_t>(letzte);
}

TBildGroesse BitmapGroesse(std::int32_t xMin, std::int32_t yMax, std::int32_t xMax, std::int32_t yMin, double massstab)
{
    // The product with 130 is a whole number first; only then the scale.
    const std::int64_t b = (std::int64_t{xMax} - xMin) * BitmapPixelProCm;
    const std::int64_t h = (std::int64_t{yMax} - yMin) * BitmapPixelProCm;
    return TBildGroesse{RoundToInt64(static_cast<double>(b) * massstab) + 1,
                        RoundToInt64(static_cast<double>(h) * massstab) + 1};
}

TBildGroesse VektorbildGroesse(std::int32_t xMin, std::int32_t yMax, std::int32_t xMax, std::int32_t yMin,
                               double massstab)
{
    const double b = static_cast<double>(std::int64_t{xMax} - xMin);
    const double h = static_cast<double>(std::int64_t{yMax} - yMin);
    return TBildGroesse{RoundToInt64(b * 1000.0 * massstab + 40.0), RoundToInt64(h * 1000.0 * massstab + 40.0)};
}

bool BildZuGross(const TBildGroesse& g)
{
    if (g.Breite < 1 || g.Hoehe < 1)
        return true;
    if (g.Breite > GroessteBildSeite || g.Hoehe > GroessteBildSeite)
        return true;
    return g.Breite * g.Hoehe > GroessteBildPixel;
}

bool SchraffierteKreise(const TKreise& kreise)
{
    for (int k = 1; k <= 10; ++k) {
        const std::string& f = kreise[k].Fill;
        if (f == "2" || f == "3" || f == "4" || f == "5")
            return true;
    }
    return false;
}
