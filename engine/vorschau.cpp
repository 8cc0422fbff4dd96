#include "engine/vorschau.h"

#include "engine/zahlen.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace {

// "²" in UTF-8, the display texts' square.
const std::string Hoch2 = "\xC2\xB2";

bool Nahe0(double v) { return std::fabs(v) < VorschauNaehe; }
bool NaheMinus1(double v) { return std::fabs(v + 1.0) < VorschauNaehe; }
// The line texts take a slope within the distance as 1, the factor a only
// strictly inside it.
bool Nahe1Gerade(double v) { return std::fabs(v - 1.0) <= VorschauNaehe; }
bool Nahe1Faktor(double v) { return std::fabs(v - 1.0) < VorschauNaehe; }

// An intercept near 0 is 0 in the texts and in the figure.
double Achsenabschnitt(double b) { return Nahe0(b) ? 0.0 : b; }

// A pixel position, rounded and held within the drawing range.
std::int32_t ZuPixel(double p)
{
    if (std::isnan(p))
        return 0;
    const double r = std::clamp(RoundHalfEven(p), -static_cast<double>(VorschauPixelGrenze),
                                static_cast<double>(VorschauPixelGrenze));
    return static_cast<std::int32_t>(r);
}

// A sample as a double; nothing when a double cannot hold it.
std::optional<double> AlsDouble(long double v)
{
    if (!std::isfinite(v) || std::fabs(v) > static_cast<long double>(DBL_MAX))
        return std::nullopt;
    return static_cast<double>(v);
}

std::optional<double> Probe(const TWertAn& f, double x)
{
    if (const auto v = f(x))
        return AlsDouble(*v);
    return std::nullopt;
}

}  // namespace

// ---------------------------------------------------------------------------
// Numbers

std::string ZahlF(double v, int stellen, char trenner) { return FormatFixed(v, 10, stellen, trenner); }
std::string ZahlG(double v, char trenner) { return FormatGeneral(v, 3, 0, trenner); }
std::string ZahlG4(double v, char trenner) { return FormatGeneral(v, 4, 0, trenner); }
std::string ZahlC(double v, char trenner) { return FormatGeneral(v, 15, 0, trenner); }
std::string ZahlM(double v, char trenner) { return FormatGeneral(v, 3, 2, trenner); }

// ---------------------------------------------------------------------------
// Pixels

double TVorschauAbbildung::PixelToWorldX(std::int32_t px) const
{
    if (BildBreite == 0)
        return XMin;
    const std::int64_t prod = (static_cast<std::int64_t>(XMax) - XMin) * px;
    return XMin + static_cast<double>(prod) / BildBreite;
}

double TVorschauAbbildung::PixelToWorldY(std::int32_t py) const
{
    if (BildHoehe == 0)
        return YMax;
    const std::int64_t prod = (static_cast<std::int64_t>(YMin) - YMax) * py;
    return YMax + static_cast<double>(prod) / BildHoehe;
}

std::int32_t TVorschauAbbildung::WorldToPixelX(double v) const
{
    return ZuPixel((v / EinheitX - XMin) * BildBreite / (static_cast<double>(XMax) - XMin));
}

std::int32_t TVorschauAbbildung::WorldToPixelY(double v) const
{
    return ZuPixel((YMax - v / EinheitY) * BildHoehe / (static_cast<double>(YMax) - YMin));
}

TVorschauMasse VorschauMasse(const TVorschauAbbildung& a, double massstab)
{
    // 0.26928 view units in pixels, divided by the page scale. A picture
    // without extent gives the largest size, held far below the range of the
    // sums that follow.
    constexpr int GroessteEinheit = 100000;
    const double proPixel = a.PixelToWorldX(1) - a.PixelToWorldX(2);
    const double s = std::fabs(1.02 * 0.264 / proPixel) / massstab;
    TVorschauMasse m;
    m.s = std::clamp(RoundToInt32(s), 0, GroessteEinheit);
    m.W18 = RoundToInt32(m.s * 1.8 * massstab) / 10;
    m.W135 = RoundToInt32(m.s * 1.35) / 10;
    m.W28 = RoundToInt32(m.s * 2.8 * massstab) / 10;
    m.r1 = RoundToInt32(m.s * 2.8) / 9;
    m.r2 = RoundToInt32(m.s * 3.6) / 10;
    m.SpurRechts = 3 * m.s / 10;
    m.SpurLinks = 2 * m.s / 9;
    m.RandLinks = RoundToInt32(m.s * 2.4) / 9;
    m.Schrift = std::clamp(m.s, 1, 1000);
    return m;
}

int SchriftHoehe(int punkte)
{
    const int p = std::clamp(punkte, 0, 100000);
    return -((p * 96 + 36) / 72);
}

// ---------------------------------------------------------------------------
// Samples

TAbtastung Abtasten(const TWertAn& f, double x, bool istTangente)
{
    TAbtastung a;
    if (!f)
        return a;
    const double x1 = x + 0.001;
    const double x2 = x - 0.001;
    std::optional<double> y1, y2;
    try {
        const auto y = Probe(f, x);
        a.Mitte = y.has_value();
        a.Y = y.value_or(0.0);
        y1 = Probe(f, x1);
        a.Rechts = y1.has_value();
        y2 = Probe(f, x2);
        a.Links = y2.has_value();
    } catch (...) {
        // The samples taken so far stand.
    }
    if (!(a.Mitte && a.Rechts && a.Links))
        return a;

    long double m = (static_cast<long double>(*y1) - *y2) / (static_cast<long double>(x1) - x2);
    if (!istTangente) {
        // The normal's slope; a tangent too flat or too steep has none.
        if (std::fabs(m) >= 1e-7L)
            m = -1.0L / m;
        if (!(std::fabs(m) >= 1e-7L))
            return a;
    }
    // The tangent through the left-hand sample, the normal through the
    // point itself.
    const long double b = istTangente ? *y2 - m * x2 : static_cast<long double>(a.Y) - m * x;
    const auto md = AlsDouble(m);
    const auto bd = AlsDouble(b);
    if (!md || !bd)
        return a;
    a.M = *md;
    a.B = *bd;
    a.Gueltig = true;
    return a;
}

// ---------------------------------------------------------------------------
// Texts

TKoordinaten FormatCursorCoordinates(std::int32_t modus, bool istTangente, int raster, double x, double y,
                                     bool mitteDefiniert, double d, double e, char trenner)
{
    // Decimals by the snap step 1; 0,5; 0,1; 0,01; 0,001: 0, 1, 1, 2, 3, and
    // for a function value at least 2.
    int n = raster;
    if (n == 1)
        n = 2;
    else if (n == 0)
        n = 1;
    const int stellen = n - 1;
    const bool funktionswert = modus == ModusSpur || modus == ModusTangente;

    TKoordinaten k;
    k.XText = ZahlF(x, stellen, trenner);
    if (funktionswert)
        k.YText = mitteDefiniert ? ZahlF(y, std::max(n, 2), trenner) : " --- ";
    else
        k.YText = ZahlF(y, stellen, trenner);
    std::string vorsatz = "P(";
    switch (modus) {
    case ModusParabelD:
        k.YText = "0";
        vorsatz = "S(";
        break;
    case ModusParabelE:
        k.XText = ZahlF(d, stellen, trenner);
        vorsatz = "S(";
        break;
    case ModusParabelA:
        k.XText = ZahlF(d, stellen, trenner);
        k.YText = ZahlF(e, stellen, trenner);
        vorsatz = "S(";
        break;
    case ModusKreisMitte: vorsatz = "M("; break;
    case ModusKreisRadius: vorsatz = "R("; break;
    case ModusSpur: vorsatz = "T("; break;
    case ModusTangente: vorsatz = istTangente ? "B(" : "N("; break;
    default: break;
    }
    k.KoordText = vorsatz + k.XText + "|" + k.YText + ")";

    const int p = raster;
    if (funktionswert)
        k.Breite = p <= 1 ? 85 : (p + 4) * 15 - 5;
    else
        k.Breite = p == 0 ? 56 : p == 1 ? 73 : (p + 3) * 17 - 12;
    return k;
}

std::string LineEquationText(double m, double b, bool definiert, bool istTangente, const TVorschauSprache& s)
{
    if (!definiert)
        return " " + (istTangente ? s.Tangente : s.Normale) + " " + s.NichtDefiniert;
    b = Achsenabschnitt(b);
    const char t = s.Trenner;
    // The sign of a negative b comes from its number.
    const std::string rest = b < 0 ? " " + ZahlG(b, t) + " " : b > 0 ? " +" + ZahlG(b, t) + " " : " ";
    if (Nahe0(m))
        return "y = " + ZahlG(b, t) + " ";
    if (Nahe1Gerade(m))
        return "y = x" + rest;
    if (NaheMinus1(m))
        return "y = -x" + rest;
    return "y = " + ZahlG(m, t) + " x" + rest;
}

std::string LineFunctionTerm(double m, double b, bool definiert, char t)
{
    if (!definiert)
        return "f(x) =";
    b = Achsenabschnitt(b);
    if (Nahe0(m))
        return "y(x) = " + ZahlG(b, t);
    if (Nahe1Gerade(m))
        return b < 0 ? "y(x) = x" + ZahlG(b, t) + " " : b > 0 ? "y(x) = x+" + ZahlG(b, t) + " " : "y(x) = x";
    const std::string rest = b < 0 ? ZahlG(b, t) : b > 0 ? " +" + ZahlG(b, t) : "";
    if (NaheMinus1(m))
        return "y(x) = -x" + rest;
    return "y(x) = " + ZahlG(m, t) + "*x" + rest;
}

namespace {

// "(x +2" for d = -2, "(x -2" for d = 2: the bracket of the vertex form.
std::string Klammer(double d, char t)
{
    return (d < 0 ? "(x +" : "(x ") + ZahlG(-d, t);
}

// The closing bracket and the shift e of the display text.
std::string Schluss(double e, char t)
{
    return (e >= 0 ? " )" + Hoch2 + " +" : " )" + Hoch2 + " ") + ZahlG(e, t);
}

// The factor before the bracket: nothing for 1, "-" for -1.
std::string Faktor(double a, char t, const char* mal)
{
    if (Nahe1Faktor(a))
        return "";
    if (NaheMinus1(a))
        return "-";
    return ZahlG(a, t) + mal;
}

}  // namespace

std::string ParabolaEquationText(std::int32_t modus, double v, double d, double e, double a, char t)
{
    if (modus == ModusParabelD) {
        if (Nahe0(v))
            return "  y = x" + Hoch2;
        return "y = " + Klammer(v, t) + " )" + Hoch2;
    }
    if (modus == ModusParabelE) {
        if (Nahe0(d))
            return (v >= 0 ? "y = x" + Hoch2 + " +" : "y = x" + Hoch2 + " ") + ZahlG(v, t);
        return "y = " + Klammer(d, t) + Schluss(v, t);
    }
    if (Nahe0(a))
        return "y = " + ZahlG(e, t);
    const std::string vorn = "y = " + Faktor(a, t, "");
    if (Nahe0(d))
        return vorn + (e >= 0 ? "x" + Hoch2 + " +" : "x" + Hoch2 + " ") + ZahlG(e, t);
    return vorn + Klammer(d, t) + Schluss(e, t);
}

std::string ParabolaFunctionTerm(double d, double e, double a, char t)
{
    if (Nahe0(a))
        return "y(x) = " + ZahlG(e, t);
    const std::string vorn = "y(x) = " + Faktor(a, t, "*");
    const std::string ee = e > 0 ? " +" + ZahlG(e, t) : e < 0 ? " " + ZahlG(e, t) : "";
    if (Nahe0(d))
        return vorn + "x^2" + ee;
    return vorn + Klammer(d, t) + " )^2" + ee;
}

// ---------------------------------------------------------------------------
// One tick

TVorschauErgebnis VorschauRechnen(const TVorschauEingabe& ein, TVorschauStand& st, TFlagge& flagge)
{
    TVorschauErgebnis r;
    const std::int32_t modus = ein.Modus;
    const char t = ein.Sprache.Trenner;
    const bool funktionswert = modus == ModusSpur || modus == ModusTangente;
    r.X = ein.X;
    r.Y = funktionswert ? ein.Proben.Y : ein.Y;
    const bool mitte = !funktionswert || ein.Proben.Mitte;
    r.Koordinaten =
        FormatCursorCoordinates(modus, ein.IstTangente, ein.Raster, r.X, r.Y, mitte, st.VerschiebungD, st.VerschiebungE, t);

    switch (modus) {
    case ModusParabelA:
        st.FaktorA = r.Y - st.VerschiebungE;
        // A parabola always exists (a flat one is the line y = e).
        st.Gueltig = true;
        r.Gleichung = ParabolaEquationText(modus, r.Y, st.VerschiebungD, st.VerschiebungE, st.FaktorA, t);
        st.VorschauTerm = ParabolaFunctionTerm(st.VerschiebungD, st.VerschiebungE, st.FaktorA, t);
        break;
    case ModusParabelE:
        st.VerschiebungE = r.Y;
        r.Gleichung = ParabolaEquationText(modus, r.Y, st.VerschiebungD, st.VerschiebungE, st.FaktorA, t);
        break;
    case ModusParabelD:
        st.VerschiebungD = r.X;
        r.Gleichung = ParabolaEquationText(modus, r.X, st.VerschiebungD, st.VerschiebungE, st.FaktorA, t);
        break;
    case ModusGeradeB:
        st.Gueltig = true;
        r.M = st.SteigungM;
        r.B = Achsenabschnitt(r.Y);
        r.Gleichung = LineEquationText(r.M, r.B, true, ein.IstTangente, ein.Sprache);
        st.VorschauTerm = LineFunctionTerm(r.M, r.B, true, t);
        break;
    case ModusGeradeM:
        // On the y axis there is no slope: the tick ends without a frame.
        st.Gueltig = r.X != 0;
        if (st.Gueltig)
            st.SteigungM = r.Y / r.X;
        r.M = st.SteigungM;
        r.Zeichnen = st.Gueltig;
        r.Gleichung = LineEquationText(r.M, 0.0, st.Gueltig, ein.IstTangente, ein.Sprache);
        break;
    case ModusSenkrechte: r.Gleichung = "x = " + r.Koordinaten.XText; break;
    case ModusTangente:
        st.Gueltig = ein.Proben.Gueltig;
        r.Figur = st.Gueltig;
        r.M = ein.Proben.M;
        r.B = Achsenabschnitt(ein.Proben.B);
        if (st.Gueltig)
            st.VorschauTerm = LineFunctionTerm(r.M, r.B, true, t);
        r.Gleichung = LineEquationText(r.M, r.B, st.Gueltig, ein.IstTangente, ein.Sprache);
        break;
    case ModusSpur:
        // Off the graph there is no trace point.
        st.Gueltig = mitte;
        r.Zeichnen = mitte;
        break;
    case ModusPunkte:
    case ModusKreisMitte: break;
    case ModusKreisRadius:
        flagge.RandX = r.X;
        flagge.RandY = r.Y;
        flagge.Radius = std::hypot(flagge.RandX - flagge.MittelX, flagge.RandY - flagge.MittelY);
        flagge.RadiusText = ZahlG4(flagge.Radius, t);
        r.Gleichung = "M(" + ZahlC(flagge.MittelX, t) + "|" + ZahlC(flagge.MittelY, t) + ")   ";
        r.Gleichung2 = "r = " + flagge.RadiusText;
        break;
    default:
        // No preview in the other modes.
        r.Zeichnen = false;
        break;
    }
    return r;
}

std::vector<TPixel> ParabelPunkte(const TVorschauAbbildung& a, std::int32_t modus, double d, double e, double faktor,
                                  double xs, double ys, int breite, int hoehe)
{
    std::vector<TPixel> p;
    if (modus == ModusParabelA && std::fabs(faktor) <= VorschauNaehe) {
        // Flat: the horizontal line through the vertex.
        const std::int32_t y = a.WorldToPixelY(e);
        p.push_back({-1, y});
        p.push_back({breite + 1, y});
        return p;
    }
    // How far the curve reaches to each side of d before it leaves the
    // picture; no reach (a root of a negative number) means it never enters.
    double reichweite2 = 0;
    if (modus == ModusParabelD)
        reichweite2 = a.PixelToWorldY(-2) * a.EinheitY;
    else if (modus == ModusParabelE)
        reichweite2 = a.PixelToWorldY(-2) * a.EinheitY - e;
    else if (modus == ModusParabelA)
        reichweite2 = ((faktor > 0 ? a.PixelToWorldY(-1) : a.PixelToWorldY(hoehe + 1)) * a.EinheitY - e) / faktor;
    else
        return p;
    if (!(reichweite2 >= 0))
        return p;
    const double w = std::sqrt(reichweite2);
    std::int32_t xl = a.WorldToPixelX(d - w);
    std::int32_t xr = a.WorldToPixelX(d + w);
    // A curve that reaches an edge is drawn to just beyond it; columns
    // never lie further out than that, and a curve wholly beside the
    // picture has none.
    if (xl <= 0)
        xl = -1;
    if (xr >= breite)
        xr = breite + 1;
    if (xr < xl)
        return p;

    const auto wert = [&](std::int32_t c) {
        const double dx = a.PixelToWorldX(c) * a.EinheitX - xs;
        switch (modus) {
        case ModusParabelD: return dx * dx;
        case ModusParabelE: return dx * dx + ys;
        default: return ys + faktor * dx * dx;
        }
    };
    p.reserve(static_cast<std::size_t>(xr - xl) + 1);
    for (std::int32_t c = xl; c <= xr; ++c)
        p.push_back({c, a.WorldToPixelY(wert(c))});
    return p;
}
