// The object layers of the graph picture: circles, areas, vertical segments
// and points. They run inside DrawGraphs, which sets the plot mapping
// (PlotXdev, PlotYdev) before it calls them in their order.
//
// Coordinates, radii and bounds are kept as the text the user typed and are
// converted here, at drawing time. An object whose text does not convert is
// simply left out; the others are still drawn. Nothing in here may loop
// without bound, whatever a user or a document types: strokes, markers and
// dashes are limited to what the view can show.
#include "graph/graphik.h"

#include "engine/funktion.h"
#include "engine/tabellen.h"
#include "engine/zahlen.h"

#include <QCheckBox>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// Marker sizes in view units.
constexpr double MarkerRadius = 0.07;
constexpr double QuadratKlein = 0.04;
constexpr double QuadratGross = 0.06;

// A white fill is stored and drawn as this off-white.
constexpr TColor FuellWeiss = RGB(251, 251, 251);

bool KurveGueltig(std::int32_t nr) { return (nr >= 1 && nr <= 9) || nr == 13; }

// The brush style of a circle's fill text; nothing for any other text,
// which leaves the brush style as it is.
std::optional<TBrushStyle> FuellStil(const std::string& fill)
{
    if (fill == "0")
        return TBrushStyle::Clear;
    if (fill == "1")
        return TBrushStyle::Solid;
    if (fill == "2")
        return TBrushStyle::Vertical;
    if (fill == "3")
        return TBrushStyle::BDiagonal;  // rising from left to right
    if (fill == "4")
        return TBrushStyle::FDiagonal;  // falling from left to right
    if (fill == "5")
        return TBrushStyle::Horizontal;
    return std::nullopt;
}

bool Endlich(double a, double b) { return std::isfinite(a) && std::isfinite(b); }

}  // namespace

std::optional<double> TGraphik::ZahlAusText(const std::string& text)
{
    // Either separator: a document typed in German draws in English too.
    // (The parser takes no infinities and fails on overflow.)
    return ParseNumber(text, Dezimaltrenner(), true);
}

std::optional<TGraphik::TWeltPunkt> TGraphik::AnsichtsPunkt(const std::string& xText, const std::string& yText) const
{
    const std::optional<double> x = ZahlAusText(xText);
    const std::optional<double> y = ZahlAusText(yText);
    if (!x || !y)
        return std::nullopt;
    const double vx = *x / EinheitX;
    const double vy = *y / EinheitY;
    if (!Endlich(vx, vy))
        return std::nullopt;
    return TWeltPunkt{vx, vy};
}

bool TGraphik::NaheAnsicht(double x, double y, double rand) const
{
    return x >= XMin - rand && x <= XMax + rand && y >= YMin - rand && y <= YMax + rand;
}

bool TGraphik::Abbildbar(double x, double y) const
{
    // Half the integer range, so that the extent of a shape between two
    // such positions fits an integer too.
    constexpr double Grenze = 1073741824.0;
    const double dx = (x - XMin + Plot.OffX) * Plot.ScaleX;
    const double dy = (YMax - y + Plot.OffY) * Plot.ScaleY;
    return std::abs(dx) < Grenze && std::abs(dy) < Grenze;
}

void TGraphik::MarkerZeichnen(TCanvas& Canvas, double x, double y, std::int32_t style, TColor ink, bool quadratErlaubt)
{
    // A marker far outside the view is invisible: skip it before its
    // corners are mapped, so absurd coordinates never reach the canvas.
    if (!NaheAnsicht(x, y, 1.0))
        return;
    const auto yo = PlotYdev(y - MarkerRadius);  // device row of the lower edge
    const auto yu = PlotYdev(y + MarkerRadius);  // and of the upper one
    if (!yo || !yu)
        return;
    const std::int32_t xl = PlotXdev(x - MarkerRadius);
    const std::int32_t xr = PlotXdev(x + MarkerRadius);
    Canvas.Pen.Color = ink;
    Canvas.Pen.Width = PlotPenWidth(StaerkeMittel);
    Canvas.Pen.Style = TPenStyle::Solid;
    Canvas.Brush = TBrush{clWhite, TBrushStyle::Solid};
    switch (style) {
    case MarkeKreuz:
        Canvas.MoveTo(xr, *yo);
        Canvas.LineTo(xl, *yu);
        Canvas.MoveTo(xr, *yu);
        Canvas.LineTo(xl, *yo);
        break;
    case MarkeKreis:
        Canvas.Ellipse(xl, *yu, xr, *yo);
        break;
    case MarkeScheibe:
        Canvas.Brush.Color = ink;
        Canvas.Ellipse(xl, *yu, xr, *yo);
        break;
    case MarkeQuadrat: {
        if (!quadratErlaubt)
            return;
        const auto y1 = PlotYdev(y + QuadratKlein);
        const auto y2 = PlotYdev(y - QuadratGross);
        if (!y1 || !y2)
            return;
        Canvas.Brush.Color = ink;
        Canvas.Rectangle(PlotXdev(x - QuadratKlein), *y1, PlotXdev(x + QuadratGross), *y2);
        break;
    }
    default:
        return;
    }
    Canvas.Brush = TBrush{clWhite, TBrushStyle::Solid};
}

void TGraphik::DrawCircles(TCanvas& Canvas, bool Hinten)
{
    const bool farbig = Farbig();
    for (int k = 1; k <= 10; ++k) {
        TKreis& kreis = Kreise[k];
        if ((kreis.Hinten != 0) != Hinten)
            continue;
        const TPunkt& mitte = Punkte[10 + k];

        // The fill is written back before anything else, so a stored white
        // fill becomes off-white even when the circle itself cannot be drawn.
        if (kreis.FillColor == clWhite)
            kreis.FillColor = FuellWeiss;
        Canvas.Brush.Color = farbig ? kreis.FillColor : clBlack;
        if (const auto stil = FuellStil(kreis.Fill))
            Canvas.Brush.Style = *stil;

        // The outline keeps the centre's colour even with colour off.
        Canvas.Pen.Color = mitte.Color;
        Canvas.Pen.Style = TPenStyle::Solid;
        switch (kreis.LineStyle) {
        case KreisDuenn: Canvas.Pen.Width = PlotPenWidth(StaerkeDuenn); break;
        case KreisMittel: Canvas.Pen.Width = PlotPenWidth(StaerkeMittel); break;
        case KreisDick: Canvas.Pen.Width = PlotPenWidth(StaerkeDick); break;
        case KreisGestrichelt:
            Canvas.Pen.Width = 1;
            Canvas.Pen.Style = TPenStyle::Dash;
            break;
        default: break;
        }

        const auto m = AnsichtsPunkt(mitte.X, mitte.Y);
        const auto rx = ZahlAusText(kreis.RadiusX);
        const auto ry = ZahlAusText(kreis.RadiusY);
        if (!m || !rx || !ry) {
            Canvas.Pen.Style = TPenStyle::Solid;
            continue;
        }
        const double ax = std::abs(*rx / EinheitX);
        const double ay = std::abs(*ry / EinheitY);
        // A circle wholly outside the view shows nothing, its centre included.
        const bool sichtbar = Endlich(ax, ay) && m->X + ax >= XMin - 1.0 && m->X - ax <= XMax + 1.0 &&
                              m->Y + ay >= YMin - 1.0 && m->Y - ay <= YMax + 1.0;
        // A rim beyond the device range cannot be mapped: such a circle is
        // left out, as any other object whose position does not convert.
        const bool abbildbar = Abbildbar(m->X - ax, m->Y + ay) && Abbildbar(m->X + ax, m->Y - ay);
        const auto y1 = PlotYdev(m->Y + ay);
        const auto y2 = PlotYdev(m->Y - ay);
        if (!sichtbar || !abbildbar || !y1 || !y2) {
            Canvas.Pen.Style = TPenStyle::Solid;
            continue;
        }
        Canvas.Ellipse(PlotXdev(m->X - ax), *y1, PlotXdev(m->X + ax), *y2);
        Canvas.Pen.Style = TPenStyle::Solid;

        if (kreis.ShowCentre == "1")
            MarkerZeichnen(Canvas, m->X, m->Y, mitte.Style, farbig ? mitte.Color : clBlack, false);
    }
}

bool TGraphik::FlaechenAuswerten() const
{
    for (int k = 1; k <= AnzahlFlaechen; ++k) {
        const TFlaeche& fl = Flaechen[k];
        if (KurveGueltig(fl.CurveA) && KurveGueltig(fl.CurveB) && fl.CurveA != fl.CurveB)
            return true;
    }
    return false;
}

void TGraphik::DrawAreas(TCanvas& Canvas)
{
    Canvas.Brush = TBrush{clWhite, TBrushStyle::Solid};
    Canvas.Pen.Color = clBlack;
    if (!(Plot.ScaleX > 0) || !std::isfinite(Plot.ScaleX))
        return;

    TFunktion* const ausgewaehlt = Funktionen[0];
    const double dx = 1.0 / Plot.ScaleX;
    for (int k = 1; k <= AnzahlFlaechen; ++k) {
        const TFlaeche& fl = Flaechen[k];
        if (!KurveGueltig(fl.CurveA) || !KurveGueltig(fl.CurveB) || fl.CurveA == fl.CurveB)
            continue;
        TFunktion* const fa = Funktionen[static_cast<std::size_t>(fl.CurveA)];
        TFunktion* const fb = Funktionen[static_cast<std::size_t>(fl.CurveB)];
        if (!fa || !fb || !fa->GetCompiled() || !fb->GetCompiled())
            continue;
        if (fa->GetKind() == " Funktionenschar " || fb->GetKind() == " Funktionenschar ")
            continue;
        const auto von = ZahlAusText(fl.XFrom);
        const auto bis = ZahlAusText(fl.XTo);
        if (!von || !bis)
            continue;
        const double lo = std::min(*von / EinheitX, *bis / EinheitX);
        const double hi = std::max(*von / EinheitX, *bis / EinheitX);
        if (!Endlich(lo, hi))
            continue;

        Canvas.Pen.Color = Farbig() ? fl.Color : clBlack;
        Canvas.Pen.Width = PlotPenWidth(StaerkeDuenn);
        Canvas.Pen.Style = TPenStyle::Solid;
        double schritt = dx;
        if (fl.Linien != 0)
            schritt = (Canvas.IsPrinter() ? 50.0 : 5.0) * dx;

        // One stroke at x between the two curves, when both are defined.
        // A stroke is vertical, so clamping its ends to just beyond the view
        // changes no visible pixel and keeps huge values off the canvas.
        auto strich = [&](double x) {
            Funktionen[0] = fa;
            const long double ya = EvaluateCurrentFunction(x * EinheitX, 0.0);
            if (!fa->GetValueValid())
                return;
            Funktionen[0] = fb;
            const long double yb = EvaluateCurrentFunction(x * EinheitX, 0.0);
            if (!fb->GetValueValid())
                return;
            const long double oben = YMax + 1.0L;
            const long double unten = YMin - 1.0L;
            const long double va = std::clamp(ya / EinheitY, unten, oben);
            const long double vb = std::clamp(yb / EinheitY, unten, oben);
            if (std::isnan(va) || std::isnan(vb))
                return;
            const auto da = PlotYdev(va);
            const auto db = PlotYdev(vb);
            if (!da || !db)
                return;
            const std::int32_t X = PlotXdev(x);
            Canvas.MoveTo(X, *da);
            Canvas.LineTo(X, *db);
        };

        // Only the part inside the view is walked; the start keeps the
        // stroke pattern of the whole interval so hatching stays in place.
        const double links = XMin - 2 * schritt;
        const double rechts = XMax + 2 * schritt;
        double start = lo;
        if (start < links) {
            start = lo + std::ceil((links - lo) / schritt) * schritt;
            // Far-off bounds lose the pattern to rounding; then start at
            // the view's edge.
            if (!(start >= links - schritt && start <= links + 2 * schritt))
                start = links;
        }
        const double ende = std::min(hi, rechts);
        for (std::int64_t i = 0;; ++i) {
            const double x = start + static_cast<double>(i) * schritt;
            if (!(x < ende))
                break;
            strich(x);
        }
        // The right edge is always closed.
        if (hi <= rechts && hi >= links)
            strich(hi);
    }
    Funktionen[0] = ausgewaehlt;
}

void TGraphik::DrawVerticalSegments(TCanvas& Canvas)
{
    for (int k = 1; k <= 4; ++k) {
        const TSenkrechte& s = Senkrechte[k];
        const auto x = ZahlAusText(s.X);
        const auto y1 = ZahlAusText(s.YFrom);
        const auto y2 = ZahlAusText(s.YTo);
        if (!x || !y1 || !y2)
            continue;
        const double vx = *x / EinheitX;
        const double vy1 = *y1 / EinheitY;
        const double vy2 = *y2 / EinheitY;
        if (!Endlich(vx, vy1) || !std::isfinite(vy2) || vx < XMin - 1.0 || vx > XMax + 1.0)
            continue;

        const TColor ink = Farbig() ? s.Color : clBlack;
        Canvas.Pen.Color = ink;
        Canvas.Pen.Style = TPenStyle::Solid;
        const std::int32_t stil = s.LineStyle;
        if (stil >= LinieDuenn && stil <= LinieGestricheltDick)
            Canvas.Pen.Width = PlotPenWidth(LinienStaerke(stil));

        // Dash and gap lengths in device units; 0 draws the segment solid.
        auto laenge = [&](double v) -> std::int64_t {
            const auto a = PlotYdev(v);
            const auto b = PlotYdev(0.0);
            if (!a || !b)
                return 0;
            return std::abs(static_cast<std::int64_t>(*a) - *b);
        };
        std::int64_t strich = 0, luecke = 0;
        if (IstPunktiert(stil)) {
            strich = laenge(0.05);
            luecke = strich;
        } else if (IstGestrichelt(stil)) {
            strich = laenge(0.25);
            luecke = laenge(0.1);
        }

        // Device rows of the view, with room for the thickest pen and one
        // dash period: everything beyond is invisible.
        const auto vo = PlotYdev(YMax);
        const auto vu = PlotYdev(YMin);
        if (!vo || !vu)
            continue;
        const std::int64_t rand = 2 * (std::int64_t{PlotPenWidth(StaerkeDick)} + strich + luecke) + 2;
        const std::int64_t grenzeKlein = std::min<std::int64_t>(*vo, *vu) - rand;
        const std::int64_t grenzeGross = std::max<std::int64_t>(*vo, *vu) + rand;
        auto geraet = [&](double v) {
            return RoundToInt64((YMax - v + Plot.OffY) * Plot.ScaleY);
        };
        const std::int64_t Y1 = geraet(vy1);
        const std::int64_t Y2 = geraet(vy2);
        const std::int32_t X = PlotXdev(vx);
        auto klemme = [&](std::int64_t v) {
            return static_cast<std::int32_t>(std::clamp(v, grenzeKlein, grenzeGross));
        };

        if (strich <= 0) {
            Canvas.MoveTo(X, klemme(Y1));
            Canvas.LineTo(X, klemme(Y2));
            continue;
        }

        // Walk from the larger device y towards the smaller one, ink and
        // white in turn. Whole periods below the view are skipped, so the
        // pattern inside the view is the one of the whole segment.
        std::int64_t ya = std::max(Y1, Y2);
        std::int64_t yb = std::min(Y1, Y2);
        const std::int64_t periode = strich + luecke;
        if (ya > grenzeGross) {
            // An end beyond every row saturates; the distance to the limit
            // then only fits unsigned (on paper the limit is negative).
            const std::uint64_t ueber = static_cast<std::uint64_t>(ya) - static_cast<std::uint64_t>(grenzeGross);
            ya = grenzeGross + static_cast<std::int64_t>(ueber % static_cast<std::uint64_t>(periode));
        }
        yb = std::max(yb, grenzeKlein);
        if (yb > ya)
            continue;
        Canvas.MoveTo(X, static_cast<std::int32_t>(ya));
        do {
            ya = std::max(ya - strich, yb);
            Canvas.Pen.Color = ink;
            Canvas.LineTo(X, static_cast<std::int32_t>(ya));
            if (yb < ya) {
                // The gap ends at the segment's end: painting white beyond
                // it would wipe out whatever lies there.
                ya = std::max(ya - luecke, yb);
                Canvas.Pen.Color = clWhite;
                Canvas.LineTo(X, static_cast<std::int32_t>(ya));
            }
        } while (yb < ya);
    }
    Canvas.Pen.Color = clBlack;
}

void TGraphik::DrawPoints(TCanvas& Canvas)
{
    Canvas.Brush = TBrush{clWhite, TBrushStyle::Solid};
    Canvas.Pen.Color = clBlack;
    const bool farbig = Farbig();
    for (int k = 1; k <= 10; ++k) {
        const TPunkt& p = Punkte[k];
        const auto v = AnsichtsPunkt(p.X, p.Y);
        if (!v)
            continue;
        MarkerZeichnen(Canvas, v->X, v->Y, p.Style, farbig ? p.Color : clBlack, true);
    }
    Canvas.Brush = TBrush{clWhite, TBrushStyle::Solid};
}
