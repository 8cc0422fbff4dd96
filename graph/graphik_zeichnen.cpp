// The redraw pipeline of the graph window and the function graphs.
#include "graph/graphik.h"

#include "engine/funktion.h"
#include "engine/tabellen.h"
#include "engine/zahlen.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr TColor Schwarz = clBlack;
constexpr TColor Weiss = clWhite;

// Values this large are not mapped; the sample before stands in.
constexpr long double Riesig = 1e11L;

bool Endlich(double v)
{
    return std::isfinite(v);
}

// A family parameter this close to 0 is 0, not a rounding residue.
double SnapT(double t)
{
    return (t > -0.001 && t < 0.001) ? 0.0 : t;
}

bool IstGestrichelt(int s)
{
    return s == 4 || s == 6 || s == 8;
}

bool IstGepunktet(int s)
{
    return s == 3 || s == 5 || s == 7;
}

// Thousandths of a view unit of the pen for line style s.
int StrichStaerke(int s)
{
    switch (s) {
    case 0: case 3: case 4: return 15;
    case 2: case 7: case 8: return 60;
    default: return 40;
    }
}

// Walks the members of a family: t from min(TFrom, TTo) in steps of TStep,
// snapped to 0 near 0. A single function, a step that is not a positive
// finite number and the member limit all end the walk.
class TScharLauf {
public:
    explicit TScharLauf(const TFunktion& f)
    {
        const double a = f.GetTFrom();
        const double b = f.GetTTo();
        TMin = TGraphik::MinFloat(a, b);
        TMax = TGraphik::MaxFloat(a, b);
        Step = f.GetTStep();
        Einzeln = f.GetKind() == " Funktion " || !Endlich(Step) || !(Step > 0.0);
        T = Einzeln ? SnapT(TMin) : TMin - Step;
    }

    // The parameter of the next member.
    double Naechster()
    {
        T = Einzeln ? SnapT(TMin) : SnapT(T + Step);
        ++Anzahl;
        return T;
    }

    bool Weiter() const
    {
        if (Einzeln || Anzahl >= TGraphik::MaxScharMitglieder)
            return false;
        return T <= TMax - Step + 0.001;  // false for NaN too
    }

private:
    double TMin = 0, TMax = 0, Step = 1, T = 0;
    bool Einzeln = true;
    int Anzahl = 0;
};

}  // namespace

// ---------------------------------------------------------------------------
// Pipeline

long double TGraphik::EvaluateCurrentFunction(double x, double t)
{
    TFunktion* f = Funktionen[0];
    if (!f)
        return 0;
    f->Evaluate(static_cast<long double>(x), static_cast<long double>(t));
    return f->GetValue();
}

void TGraphik::CopyBildToAnzeigebild()
{
    BildCanvas->Flush();
    if (Anzeigebild.size() == Bild.size()) {
        AnzeigebildCanvas->Draw(0, 0, Bild);
    } else {
        AnzeigebildCanvas->Flush();
        Anzeigebild = Bild.copy();
        AnzeigebildCanvas->SetImage(&Anzeigebild);
    }
}

void TGraphik::CopyToPaintBox()
{
    AnzeigebildCanvas->Flush();
    PaintBox1->SetFront(Anzeigebild);
}

void TGraphik::RepaintGraph()
{
    if (PaintBox1->width() < 25 || PaintBox1->height() < 25)
        return;

    TCanvas& c = *BildCanvas;
    c.Pen.Color = Weiss;
    c.Pen.Style = TPenStyle::Solid;
    c.Pen.Width = 1;
    c.Brush.Color = Weiss;
    c.Brush.Style = TBrushStyle::Solid;
    c.Rectangle(0, 0, Bild.width(), Bild.height());

    if (ZeichnenErlaubt) {
        // An empty or inverted view has no scale: the picture stays white,
        // and the paint box shows it white rather than the last good picture.
        if (ViewValid() && BildBreite > 0 && BildHoehe > 0) {
            const double breite = static_cast<double>(static_cast<std::int64_t>(XMax) - XMin);
            const double hoehe = static_cast<double>(static_cast<std::int64_t>(YMax) - YMin);
            const double fx = BildBreite / breite;
            const double fy = -BildHoehe / hoehe;
            DrawCoordinateSystem(c, fx, fy);
            DrawGraphs(c, fx, BildHoehe / hoehe, 0.0, 0.0);
            DrawLabels(c, fx, fy);
        }
        CopyBildToAnzeigebild();
        DrawModeHints();
    }
    CopyToPaintBox();
}

void TGraphik::PaintBox1Paint()
{
    if (PaintBox1->width() >= 25 && PaintBox1->height() >= 25) {
        CopyBildToAnzeigebild();
        DrawModeHints();
    }
    if (ZeichnenErlaubt)
        CopyToPaintBox();
}

// ---------------------------------------------------------------------------
// Graphs and objects

void TGraphik::DrawGraphs(TCanvas& Canvas, double ScaleX, double ScaleY, double OffX, double OffY)
{
    const bool zeichenbar = ViewValid() && Endlich(ScaleX) && ScaleX > 0.0 && Endlich(ScaleY) && ScaleY != 0.0 &&
                            Endlich(OffX) && Endlich(OffY) && Endlich(EinheitX) && EinheitX > 0.0 &&
                            Endlich(EinheitY) && EinheitY > 0.0;
    if (zeichenbar) {
        Plot = TPlotMapping{ScaleX, ScaleY, OffX, OffY};

        DrawCircles(Canvas, true);
        Canvas.Brush.Color = Weiss;
        Canvas.Brush.Style = TBrushStyle::Solid;
        Canvas.Pen.Color = Schwarz;
        DrawAreas(Canvas);
        DrawVerticalSegments(Canvas);
        Canvas.Pen.Color = Schwarz;
        DrawFunctionGraphs(Canvas);
        DrawCircles(Canvas, false);
        Canvas.Brush.Color = Weiss;
        Canvas.Brush.Style = TBrushStyle::Solid;
        Canvas.Pen.Color = Schwarz;
        DrawPoints(Canvas);
    }
    if (FunktionNr >= 1 && FunktionNr <= 9)
        Funktionen[0] = Funktionen[static_cast<std::size_t>(FunktionNr)];
}

void TGraphik::DrawFunctionGraphs(TCanvas& Canvas)
{
    Canvas.Pen.Color = Schwarz;
    for (std::size_t k = 1; k <= 9; ++k) {
        TFunktion* f = Funktionen[k];
        if (!f)
            continue;
        Funktionen[0] = f;
        const int s = f->GetLineStyle();
        if (s == 9 || s == 10)
            DrawFunctionDiscs(Canvas, *f);
        else
            DrawFunctionLines(Canvas, *f);
    }
}

void TGraphik::DrawFunctionLines(TCanvas& Canvas, TFunktion& f)
{
    int s = f.GetLineStyle();
    if (s < 0 || s > 10)
        s = 1;
    Canvas.Pen.Style = TPenStyle::Solid;
    Canvas.Pen.Width = PlotPenWidth(StrichStaerke(s));
    if (!f.GetCompiled())
        return;

    const double sx = Plot.ScaleX;
    const double sy = Plot.ScaleY;
    const bool gestrichelt = IstGestrichelt(s);
    const bool gepunktet = IstGepunktet(s);
    // Dash machine: c counts switches, a is the arc length since the last
    // switch and h the length of the current dash or gap, in view units. It
    // runs on across pen-up moves and family members.
    int c = 0;
    double a = 0.25;
    double h = 0.3;

    const double dx = 1.0 / sx;
    const double xa = f.GetXFrom() / EinheitX;
    const double xb = f.GetXTo() / EinheitX;
    const double xStart = MaxFloat(XMin, MinFloat(xa, xb) - dx);
    const double xEnde = MinFloat(XMax, MaxFloat(xa, xb) - dx);
    if (!Endlich(xStart) || !Endlich(xEnde))
        return;
    // The view height in device units: a larger step between samples is a
    // pole or a jump and is not joined.
    const double sprungGrenze = static_cast<double>(static_cast<std::int64_t>(YMax) - YMin) * sx;

    // At one function unit per view unit the division is exact and can be
    // left out; it is the slowest step of mapping a sample.
    const bool einsY = EinheitY == 1.0;
    const auto ansicht = [&](long double w) { return einsY ? w : w / EinheitY; };

    TScharLauf schar(f);
    int m = 2;
    do {
        TColor tinte = (m % 2 == 0) ? f.GetColor() : f.GetColor2();
        if (!Farbig())
            tinte = Schwarz;
        Canvas.Pen.Color = tinte;
        ++m;

        const double t = schar.Naechster();
        double x = xStart;

        // First sample: only places the pen.
        long double y = EvaluateCurrentFunction(x * EinheitX, t);
        std::optional<std::int32_t> Y;
        if (std::fabs(y) < Riesig)
            Y = PlotYdev(ansicht(y));
        if (f.GetValueValid() && Y)
            Canvas.MoveTo(PlotXdev(x), *Y);

        std::optional<std::int32_t> Yvor;
        long double y1 = -1.0L;
        long double y2 = -1.0L;
        bool sprungVor = false;
        bool gueltigVor = false;

        // x from the sample index, so a tiny step can never stall the walk.
        for (std::int64_t i = 1;; ++i) {
            x = xStart + static_cast<double>(i) * dx;
            y = EvaluateCurrentFunction(x * EinheitX, t);
            if (std::fabs(y) < Riesig)
                Y = PlotYdev(ansicht(y));  // a failed mapping lifts the pen
            // else Y keeps the device y of the sample before
            const bool gueltig = f.GetValueValid();
            const bool sprung = f.GetJumpHit();

            bool stiftAb = Y && Yvor && gueltig && gueltigVor && !sprung && !sprungVor;
            if (stiftAb) {
                const double dY = static_cast<double>(static_cast<std::int64_t>(*Y) - *Yvor);
                stiftAb = std::fabs(dY) < sprungGrenze && std::fabs(y - y1) < 10.0L * std::fabs(y1 - y2) + 0.1L;
            }
            if (stiftAb) {
                const std::int32_t X = PlotXdev(x);
                if (gestrichelt || gepunktet) {
                    if (a > h) {
                        ++c;
                        if (c % 2 == 0) {
                            Canvas.Pen.Color = tinte;
                            h = gestrichelt ? 0.25 : 0.05;
                        } else {
                            Canvas.Pen.Color = Weiss;
                            h = gestrichelt ? 0.1 : 0.05;
                        }
                        a = 0.0;
                    }
                    const TPoint p = Canvas.PenPos();
                    const double ddx = (p.X - static_cast<double>(X)) / sx;
                    const double ddy = (p.Y - static_cast<double>(*Y)) / sy;
                    a += std::sqrt(ddx * ddx + ddy * ddy);
                }
                Canvas.LineTo(X, *Y);
            } else if (Y && (f.GetNonSmooth() || gueltig)) {
                Canvas.MoveTo(PlotXdev(x), *Y);
            }

            Yvor = Y;
            y2 = y1;
            y1 = y;
            sprungVor = sprung;
            gueltigVor = gueltig;
            if (!(x < xEnde))
                break;
        }
    } while (schar.Weiter());
}

void TGraphik::DrawFunctionDiscs(TCanvas& Canvas, TFunktion& f)
{
    const int s = f.GetLineStyle();
    Canvas.Pen.Width = PlotPenWidth(15);
    Canvas.Pen.Style = TPenStyle::Solid;
    if (!f.GetCompiled())
        return;

    // Whole x values inside both the view and the function's x range.
    const long double vonL = std::ceil(MaxFloat(XMin * EinheitX, MinFloat(f.GetXFrom(), f.GetXTo())));
    const long double bisL = std::floor(MinFloat(XMax * EinheitX, MaxFloat(f.GetXFrom(), f.GetXTo())));
    if (!std::isfinite(vonL) || !std::isfinite(bisL))
        return;
    const long double anzahl = bisL - vonL + 1.0L;
    if (anzahl < 1.0L || std::fabs(vonL) > 1e18L || std::fabs(bisL) > 1e18L)
        return;
    // With more whole values than device units across the view (a large x
    // unit) neighbouring discs lie on one another: every k-th of them paints
    // the same band, and the walk stays as long as the view is wide.
    const double spalten = static_cast<double>(static_cast<std::int64_t>(XMax) - XMin) * Plot.ScaleX + 1.0;
    std::int64_t schritt = 1;
    if (anzahl > static_cast<long double>(spalten))
        schritt = static_cast<std::int64_t>(std::ceil(anzahl / static_cast<long double>(spalten)));
    const std::int64_t von = static_cast<std::int64_t>(vonL);
    const std::int64_t bis = static_cast<std::int64_t>(bisL);
    constexpr double r = 0.08;  // disc radius in view units

    TScharLauf schar(f);
    int m = 2;
    do {
        const TColor farbe = (m % 2 == 0) ? f.GetColor() : f.GetColor2();
        Canvas.Brush.Color = farbe;
        Canvas.Brush.Style = TBrushStyle::Solid;
        Canvas.Pen.Color = Schwarz;
        const double t = schar.Naechster();
        ++m;

        for (std::int64_t n = von; n <= bis; n += schritt) {
            const double xn = static_cast<double>(n);
            const long double y = EvaluateCurrentFunction(xn, t);
            if (!f.GetValueValid() || !(std::fabs(y) < Riesig))
                continue;
            const long double yv = y / EinheitY;
            const auto Y = PlotYdev(yv);
            const auto Ya = PlotYdev(yv - r);
            const auto Yb = PlotYdev(yv + r);
            if (s == 10 && Y) {
                Canvas.Pen.Color = farbe;
                Canvas.MoveTo(PlotXdev(xn / EinheitX), *Y);
                const long double yn = EvaluateCurrentFunction(xn + 1.0, t);
                if (n + 1 <= bis && f.GetValueValid() && std::isfinite(yn)) {
                    if (const auto Yn = PlotYdev(yn / EinheitY))
                        Canvas.LineTo(PlotXdev((xn + 1.0) / EinheitX), *Yn);
                }
            }
            Canvas.Pen.Color = Schwarz;
            if (Ya && Yb)
                Canvas.Ellipse(PlotXdev(xn / EinheitX + r), *Ya, PlotXdev(xn / EinheitX - r), *Yb);
        }
    } while (schar.Weiter());
}
