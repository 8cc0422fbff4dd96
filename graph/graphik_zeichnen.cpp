// The redraw pipeline of the graph window and the function graphs.
#include "graph/graphik.h"

#include "engine/arbeiterpool.h"
#include "engine/funktion.h"
#include "engine/tabellen.h"
#include "engine/zahlen.h"
#include "engine/proben.h"

#include <QCoreApplication>
#include <QHashFunctions>

#include <algorithm>
#include <array>
#include <atomic>
#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

namespace {

constexpr TColor Schwarz = clBlack;
constexpr TColor Weiss = clWhite;

bool Endlich(double v)
{
    return std::isfinite(v);
}

// A family parameter this close to 0 is 0, not a rounding residue.
double SnapT(double t)
{
    return (t > -0.001 && t < 0.001) ? 0.0 : t;
}

bool IstScheiben(int s)
{
    return s == LinieScheiben || s == LinieScheibenVerbunden;
}

// The members of a family: t runs from min(TFrom, TTo) in steps of TStep as
// a running sum, and a value within 0.001 of 0 is taken as exactly 0 (also
// for the sum that follows). A single function, or a step that is not a
// positive finite number, has one member.
//
// The walk ends where the drawing rules end it, and also where they would
// never end it: when the sum stops moving (t + TStep rounds back to t, or
// snaps back to 0), every later member would repeat the same curve.
//
// Members that are not drawn are passed over without adding up each of
// them: wherever t and the sums that follow lie in one binade and away
// from 0, each sum adds the same increment, exactly, so many members are
// passed in one addition. Elsewhere the walk adds one member at a time, at
// most MaxEinzelschritte times; that and MaxMitglieder are the limits of
// a walk the rules would never end.
class TScharLauf {
public:
    static constexpr std::int64_t MaxMitglieder = std::int64_t{1} << 53;
    static constexpr std::int64_t MaxEinzelschritte = std::int64_t{1} << 23;

    explicit TScharLauf(const TFunktion& f)
    {
        const double a = f.GetTFrom();
        const double b = f.GetTTo();
        TMin = TGraphik::MinFloat(a, b);
        const double tMax = TGraphik::MaxFloat(a, b);
        Step = f.GetTStep();
        Einzeln = f.GetKind() == " Funktion " || !Endlich(Step) || !(Step > 0.0);
        Grenze = tMax - Step + 0.001;
        Spanne = tMax - TMin + 0.001;
        T = Einzeln ? SnapT(TMin) : SnapT(TMin - Step + Step);
    }

    // How many members the family has, as far as the range and the step
    // tell before the walk (the walk may end sooner).
    std::int64_t Geschaetzt() const
    {
        if (Einzeln)
            return 1;
        const double n = Spanne / Step;
        if (!(n < static_cast<double>(MaxMitglieder)))  // also for NaN
            return MaxMitglieder;
        return std::max<std::int64_t>(1, static_cast<std::int64_t>(n) + 1);
    }

    // Moves on to the next member whose index is a multiple of `jeder`, or
    // to the last member if that comes first; the first call stays on
    // member 0. False when the walk is over.
    bool Naechster(std::int64_t jeder)
    {
        if (Index < 0) {
            Index = 0;
            return true;
        }
        if (!HatNaechsten())
            return false;
        const std::int64_t von = Index;
        const std::int64_t ziel = std::min((Index / jeder + 1) * jeder, MaxMitglieder - 1);
        do {
            const auto [k, d] = Gleichschritte(ziel - Index);
            if (k > 1) {
                T += static_cast<double>(k) * d;  // exact, see Gleichschritte
                Index += k;
            } else {
                T = SnapT(T + Step);
                ++Index;
                ++Einzelschritte;
            }
        } while (Index < ziel && HatNaechsten());
        if (Index - von > 1)
            Ausgelassen = true;
        return true;
    }

    double Wert() const { return T; }
    std::int64_t Nummer() const { return Index; }
    // Whether the walk passed over members, or ended at one of its limits
    // before the family's end.
    bool NichtAlle() const { return Ausgelassen || (!HatNaechsten() && HatNaechstenOhneGrenzen()); }

private:
    bool HatNaechstenOhneGrenzen() const
    {
        return !Einzeln && T <= Grenze && SnapT(T + Step) != T;  // false for NaN
    }
    bool HatNaechsten() const
    {
        return Index + 1 < MaxMitglieder && Einzelschritte < MaxEinzelschritte && HatNaechstenOhneGrenzen();
    }

    // How many of the next members, at most kMax, follow from the current
    // one by adding one and the same increment d: k members with
    // t_i = T + i * d, each of the first k - 1 with a successor. 0 when
    // none can be passed this way.
    //
    // Doubles in a binade are the multiples of its spacing u, so while t
    // and t + TStep lie in one binade, the sum rounds TStep to a multiple
    // Q * u of that spacing, the same for every t (unless TStep lies
    // exactly halfway, where ties go to even and Q alternates). Away from
    // 0 (|t| >= 0.001) nothing snaps. Counting in units of u keeps every
    // bound exact.
    struct TGleich {
        std::int64_t K;  // {} for none
        double D;
    };
    TGleich Gleichschritte(std::int64_t kMax) const
    {
        if (kMax < 2 || !(std::fabs(T) >= 0.001) || !Endlich(T))
            return {};
        int e = 0;
        std::frexp(T, &e);  // the binade of T is [2^(e-1), 2^e) in magnitude
        const double u = std::ldexp(1.0, e - 53);
        const double q = Step / u;  // exact: a power of two apart
        if (!(q < 0x1p52))
            return {};
        const double ganz = std::floor(q);
        if (q - ganz == 0.5)
            return {};
        const std::int64_t Q = static_cast<std::int64_t>(ganz) + (q - ganz > 0.5 ? 1 : 0);
        if (Q == 0)
            return {};  // the sum no longer moves: a single step finds that
        constexpr std::int64_t Unten = std::int64_t{1} << 52;  // the binade in units of u
        constexpr std::int64_t Oben = std::int64_t{1} << 53;
        const std::int64_t N = static_cast<std::int64_t>(T / u);
        std::int64_t k = 0;
        if (!std::signbit(T)) {
            k = (Oben - 1 - N) / Q;  // each sum stays below the top
        } else {
            if (std::ldexp(1.0, e - 1) < 0.001)
                return {};            // the binade reaches into the snap
            k = (-Unten - 1 - N) / Q;  // each sum stays above the bottom
        }
        // Members passed over must have successors: t <= Grenze.
        const double g = std::floor(Grenze / u);
        if (std::fabs(g) < 0x1p62)
            k = std::min(k, (static_cast<std::int64_t>(g) - N) / Q + 1);
        return {std::min(k, kMax), static_cast<double>(Q) * u};
    }

    double TMin, Grenze, Spanne, Step, T;  // set by the constructor
    bool Einzeln;
    bool Ausgelassen = false;
    std::int64_t Index = -1;
    std::int64_t Einzelschritte = 0;
};

// The x walk of a curve in view units: the first sample at Start, then one
// per device unit until a sample reaches Ende.
struct TLinienGang {
    double Start = 0;
    double Ende = 0;
};

std::optional<TLinienGang> LinienGang(const TGraphik& g, const TFunktion& f, double dx)
{
    const double xa = f.GetXFrom() / g.EinheitX;
    const double xb = f.GetXTo() / g.EinheitX;
    const TLinienGang r{TGraphik::MaxFloat(g.XMin, TGraphik::MinFloat(xa, xb) - dx),
                        TGraphik::MinFloat(g.XMax, TGraphik::MaxFloat(xa, xb) - dx)};
    if (!Endlich(r.Start) || !Endlich(r.Ende))
        return std::nullopt;
    return r;
}

// Samples of one member on that walk: the first one and every step up to
// the one that reaches the end. The walk lies inside the view, so this is
// at most its width in device units, plus two.
std::int64_t LinienProben(const TLinienGang& w, double scaleX)
{
    const double n = std::min(std::ceil((w.Ende - w.Start) * scaleX), 1e15);
    return 1 + (n > 1.0 ? static_cast<std::int64_t>(n) : 1);
}

// The whole x values of disc mode: from Von to Bis in steps of Schritt.
struct TScheibenGang {
    std::int64_t Von, Bis, Schritt;
};

std::optional<TScheibenGang> ScheibenGang(const TGraphik& g, const TFunktion& f, double scaleX)
{
    // Whole x values inside both the view and the function's x range. A
    // negative x unit mirrors the axis: the view's left edge is then its
    // largest x.
    const double linksX = g.XMin * g.EinheitX;
    const double rechtsX = g.XMax * g.EinheitX;
    const long double vonL = std::ceil(TGraphik::MaxFloat(TGraphik::MinFloat(linksX, rechtsX),
                                                          TGraphik::MinFloat(f.GetXFrom(), f.GetXTo())));
    const long double bisL = std::floor(TGraphik::MinFloat(TGraphik::MaxFloat(linksX, rechtsX),
                                                           TGraphik::MaxFloat(f.GetXFrom(), f.GetXTo())));
    if (!std::isfinite(vonL) || !std::isfinite(bisL))
        return std::nullopt;
    const long double anzahl = bisL - vonL + 1.0L;
    if (anzahl < 1.0L || std::fabs(vonL) > 1e18L || std::fabs(bisL) > 1e18L)
        return std::nullopt;
    // With more whole values than device units across the view (a large x
    // unit) neighbouring discs lie on one another: every k-th of them paints
    // the same band, and the walk stays as long as the view is wide.
    const double spalten = static_cast<double>(static_cast<std::int64_t>(g.XMax) - g.XMin) * scaleX + 1.0;
    TScheibenGang r{static_cast<std::int64_t>(vonL), static_cast<std::int64_t>(bisL), 1};
    if (anzahl > static_cast<long double>(spalten))
        r.Schritt = static_cast<std::int64_t>(std::ceil(anzahl / static_cast<long double>(spalten)));
    return r;
}

// Evaluations of one member in disc mode; style 10 evaluates each value's
// neighbour too.
std::int64_t ScheibenProben(const TScheibenGang& w, int stil)
{
    const std::int64_t n = (w.Bis - w.Von) / w.Schritt + 1;
    return stil == LinieScheibenVerbunden ? 2 * n : n;
}

// Shares the budget among the functions: each gets what it asks for when
// that is no more than an equal share of what the others leave; the rest
// share the remainder equally. Returns the evaluations each may spend.
std::array<std::int64_t, 10> BudgetTeilen(const std::array<std::int64_t, 10>& bedarf, std::int64_t budget)
{
    std::array<std::size_t, 10> folge{};
    std::size_t offen = 0;
    for (std::size_t k = 1; k <= 9; ++k)
        if (bedarf[k] > 0)
            folge[offen++] = k;
    std::sort(folge.begin(), folge.begin() + static_cast<std::ptrdiff_t>(offen),
              [&](std::size_t a, std::size_t b) { return bedarf[a] < bedarf[b]; });
    std::array<std::int64_t, 10> anteil{};
    std::int64_t rest = budget;
    for (std::size_t i = 0; i < offen; ++i) {
        const std::size_t k = folge[i];
        const std::int64_t gleich = rest / static_cast<std::int64_t>(offen - i);
        anteil[k] = std::min(bedarf[k], gleich);
        rest -= anteil[k];
    }
    return anteil;
}

// The length in view units of a line between two device points, as the dash
// machine of dashed and dotted styles counts it. A curve steps one device
// column at a time, so most of its lines have one of a few hundred shapes:
// their lengths are worked out once, by the same formula, and looked up.
class TBogenTafel {
public:
    TBogenTafel(double sx, double sy) : Sx(sx), Sy(sy)
    {
        for (int dx = -RX; dx <= RX; ++dx)
            for (int dy = -RY; dy <= RY; ++dy)
                T[static_cast<std::size_t>((dx + RX) * (2 * RY + 1) + dy + RY)] = Rechnen(dx, dy);
    }
    double Laenge(TPoint von, TPoint nach) const
    {
        const std::int64_t dx = std::int64_t{von.X} - nach.X, dy = std::int64_t{von.Y} - nach.Y;
        if (dx < -RX || dx > RX || dy < -RY || dy > RY)
            return Rechnen(static_cast<double>(dx), static_cast<double>(dy));
        return T[static_cast<std::size_t>((dx + RX) * (2 * RY + 1) + dy + RY)];
    }

private:
    static constexpr int RX = 2, RY = 64;
    // Both differences are whole numbers that a double holds exactly.
    double Rechnen(double dx, double dy) const
    {
        const double ddx = dx / Sx;
        const double ddy = dy / Sy;
        return std::sqrt(ddx * ddx + ddy * ddy);
    }
    const double Sx, Sy;
    std::array<double, (2 * RX + 1) * (2 * RY + 1)> T{};
};

// One function's part of the function layer: its set-up, the members it
// draws and their canvas calls, kept from the last redraw or sampled anew.
struct TFunktionsPlan {
    TFunktion* Funktion = nullptr;
    bool Scheiben = false;
    int Stil = 0;
    bool Zeichnen = false;  // compiled and with an x walk: members follow
    bool Speichern = false; // kept in the screen picture's store
    TProbenAuftrag Auftrag;
    std::vector<double> T;
    std::vector<std::int64_t> Nummer;
    const TProbenEintrag* Gespeichert = nullptr;
    TProbenEintrag Neu;
    std::int64_t BefehleJeMitglied = 0;  // at most, for the portions
};

// Sampled and drawn in portions of about this many picture widths of
// canvas calls: a portion is sampled, drawn and painted before the next one
// is sampled, so a redraw holds the lists and commands of one portion,
// however many members it draws. The heavy scenes of a screen picture
// (three families of a hundred members) are one portion.
constexpr double PortionBildbreiten = 384.0;

// The canvas of a layered redraw. Every call goes to the layer of the part
// of the drawing it belongs to (below the graph of one function, that
// graph, above it, the labels), made with the pen, brush, font and clip it
// was made with, and adds to that layer's digest. A layer without a canvas
// only takes the digest. Whether a run of joined lines would go on from
// one layer into the next, as it does on a single canvas, is noted: the
// layers then do not give the same pixels.
class TEbenenCanvas : public TCanvas {
public:
    enum TEbene : std::uint8_t { Unten, Mitte, Oben, Text };

    TEbenenCanvas(TCanvas& messen, int breite, int hoehe) : Messen(messen), B(breite), H(hoehe) {}

    std::array<TCanvas*, 4> Ziele{};
    std::array<std::uint64_t, 4> Digest{};
    bool Verbunden = false;
    // Called on a change of layer, before the first call of the new one.
    std::function<void(TEbene von, TEbene nach)> Wechsel;

    void Ebene(TEbene e)
    {
        if (e == FEbene)
            return;
        const TEbene von = FEbene;
        FEbene = e;
        if (Wechsel)
            Wechsel(von, e);
        // The clip a layer starts with belongs to it.
        Mischen(FHasClip ? 1 : 2);
        if (FHasClip)
            Mischen(Punkt(FClip.Left, FClip.Top)), Mischen(Punkt(FClip.Right, FClip.Bottom));
    }
    int Width() const override { return B; }
    int Height() const override { return H; }
    void Flush() override { Alle([](TCanvas& c) { c.Flush(); }); }
    void DrawPending() override { Alle([](TCanvas& c) { c.DrawPending(); }); }

    // The lines as one by one, handed to the layer's canvas in one call:
    // it sees the same lines in the same order.
    void Linien(std::span<const TGraphBefehl> befehle) override
    {
        if (Pen.Style != TPenStyle::Clear) {
            TPoint pos = FPenPos;
            for (const TGraphBefehl& b : befehle) {
                const TPoint to{b.A, b.B};
                if (b.Art == TGraphBefehl::LineTo && !(to == pos))
                    Linie(pos, to);
                pos = to;
            }
        }
        if (befehle.empty())
            return;
        FPenPos = TPoint{befehle.back().A, befehle.back().B};
        if (TCanvas* z = Ziel())
            z->Linien(befehle);
    }

protected:
    void DoLine(TPoint from, TPoint to) override
    {
        Linie(from, to);
        if (TCanvas* z = Ziel()) {
            z->MoveTo(from.X, from.Y);
            z->LineTo(to.X, to.Y);
        }
    }
    void DoRectangle(TRect r) override
    {
        Form(2, r);
        if (TCanvas* z = Ziel())
            z->Rectangle(r);
    }
    void DoRoundRect(TRect r, int w, int h) override
    {
        Form(3, r), Mischen(Punkt(w, h));
        if (TCanvas* z = Ziel())
            z->RoundRect(r.Left, r.Top, r.Right, r.Bottom, w, h);
    }
    void DoEllipse(TRect r) override
    {
        Form(4, r);
        if (TCanvas* z = Ziel())
            z->Ellipse(r.Left, r.Top, r.Right, r.Bottom);
    }
    void DoPolygon(const std::vector<TPoint>& points, bool closed) override
    {
        Form(closed ? 5 : 6, TRect{});
        for (const TPoint& p : points)
            Mischen(Punkt(p.X, p.Y));
        if (TCanvas* z = Ziel())
            closed ? z->Polygon(points) : z->Polyline(points);
    }
    void DoFillRect(TRect r) override
    {
        Form(7, r);
        if (TCanvas* z = Ziel())
            z->FillRect(r);
    }
    void DoTextOut(TPoint at, const QString& text) override
    {
        Form(8, TRect{at.X, at.Y, 0, 0});
        MischenSchrift();
        Mischen(qHash(text));
        if (TCanvas* z = Ziel())
            z->TextOut(at.X, at.Y, text);
    }
    QSize DoTextExtent(const QString& text) override
    {
        Messen.Font = Font;
        return QSize(Messen.TextWidth(text), Messen.TextHeight(text));
    }
    void DoDraw(TRect target, const QImage& image) override
    {
        Form(9, target);
        Mischen(static_cast<std::uint64_t>(image.cacheKey()));
        if (TCanvas* z = Ziel())
            z->StretchDraw(target, image);
    }
    void DoClipChanged() override
    {
        LetzteLinie = false;
        Mischen(FHasClip ? 10 : 11);
        if (FHasClip)
            Mischen(Punkt(FClip.Left, FClip.Top)), Mischen(Punkt(FClip.Right, FClip.Bottom));
        if (TCanvas* z = Ziele[FEbene])
            FHasClip ? z->SetClipRect(FClip) : z->ClearClip();
    }

private:
    // A line's part in the digest and in telling joined runs.
    void Linie(TPoint from, TPoint to)
    {
        if (LetzteLinie && LetzteEbene != FEbene && from == LetztesEnde && Pen == LetzterStift)
            Verbunden = true;
        // Curves come as one call per pixel column: one mix per line.
        if (!(Pen == GemischterStift)) {
            GemischterStift = Pen;
            StiftWert = ((std::uint64_t{Pen.Color} << 8 | static_cast<std::uint8_t>(Pen.Style)) * 0xD6E8FEB86659FD93ull) ^
                        static_cast<std::uint32_t>(Pen.Width);
        }
        Mischen(Punkt(from.X, from.Y) * 0x9E3779B97F4A7C15ull ^ Punkt(to.X, to.Y) * 0xC2B2AE3D27D4EB4Full ^ StiftWert);
        LetzteLinie = true;
        LetzteEbene = FEbene;
        LetztesEnde = to;
        LetzterStift = Pen;
    }
    static std::uint64_t Punkt(int x, int y)
    {
        return (std::uint64_t{static_cast<std::uint32_t>(x)} << 32) | static_cast<std::uint32_t>(y);
    }
    void Mischen(std::uint64_t v)
    {
        std::uint64_t& d = Digest[FEbene];
        d = std::rotl(d ^ v, 29) * 0x9E3779B97F4A7C15ull;
        d ^= d >> 32;
    }
    void MischenStift()
    {
        Mischen((std::uint64_t{Pen.Color} << 8) | static_cast<std::uint8_t>(Pen.Style));
        Mischen(static_cast<std::uint32_t>(Pen.Width));
    }
    void MischenSchrift()
    {
        Mischen(qHash(Font.Name));
        Mischen((std::uint64_t{Font.Color} << 32) | (std::uint64_t{Font.Style} << 24) | (static_cast<std::uint32_t>(Font.Size) & 0xFFFFFFu));
        Mischen(static_cast<std::uint32_t>(Font.Size));
    }
    // A shape: its kind, box, pen and brush. It ends a run of lines.
    void Form(std::uint64_t art, TRect r)
    {
        LetzteLinie = false;
        Mischen(art), MischenStift();
        Mischen((std::uint64_t{Brush.Color} << 8) | static_cast<std::uint8_t>(Brush.Style));
        Mischen(Punkt(r.Left, r.Top)), Mischen(Punkt(r.Right, r.Bottom));
    }
    // The layer's canvas, set to this call's pen, brush, font and clip.
    TCanvas* Ziel()
    {
        TCanvas* z = Ziele[FEbene];
        if (!z)
            return nullptr;
        z->Pen = Pen;
        z->Brush = Brush;
        z->Font = Font;
        if (z->HasClip() != FHasClip || (FHasClip && !(z->ClipRect() == FClip)))
            FHasClip ? z->SetClipRect(FClip) : z->ClearClip();
        return z;
    }
    // Each canvas once, the layers' own before the picture's, which copies
    // them.
    template <typename F>
    void Alle(F f)
    {
        std::array<TCanvas*, 4> folge = {Ziele[Unten], Ziele[Oben], Ziele[Mitte], Ziele[Text]};
        for (std::size_t i = 0; i < folge.size(); ++i)
            if (folge[i] && std::find(folge.begin(), folge.begin() + static_cast<std::ptrdiff_t>(i), folge[i]) == folge.begin() + static_cast<std::ptrdiff_t>(i))
                f(*folge[i]);
    }

    TCanvas& Messen;
    const int B, H;
    TEbene FEbene = Unten;
    bool LetzteLinie = false;
    TEbene LetzteEbene = Unten;
    TPoint LetztesEnde;
    TPen LetzterStift;
    TPen GemischterStift{0xFFFFFFFF, -1, TPenStyle::Clear};
    std::uint64_t StiftWert = 0;
};

// The whole picture white, with a thin solid white pen and brush left set.
void WeissFuellen(TCanvas& c, int breite, int hoehe)
{
    c.Pen.Color = Weiss;
    c.Pen.Style = TPenStyle::Solid;
    c.Pen.Width = 1;
    c.Brush.Color = Weiss;
    c.Brush.Style = TBrushStyle::Solid;
    c.Rectangle(0, 0, breite, hoehe);
}

}  // namespace

// ---------------------------------------------------------------------------
// Line styles

int TGraphik::LinienStaerke(int s)
{
    switch (s) {
    case LinieDuenn: case LiniePunktiertDuenn: case LinieGestricheltDuenn: return StaerkeDuenn;
    case LinieDick: case LiniePunktiertDick: case LinieGestricheltDick: return StaerkeDick;
    default: return StaerkeMittel;
    }
}

bool TGraphik::IstPunktiert(int s)
{
    return s == LiniePunktiertDuenn || s == LiniePunktiertMittel || s == LiniePunktiertDick;
}

bool TGraphik::IstGestrichelt(int s)
{
    return s == LinieGestricheltDuenn || s == LinieGestricheltMittel || s == LinieGestricheltDick;
}

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
    AnzeigebildCanvas->Flush();
    // Written whole: the pixels that the paint box may still show are
    // neither needed nor copied first.
    AnzeigeVorrat.Freistellen(Anzeigebild, Bild.width(), Bild.height());
    AnzeigebildCanvas->Draw(0, 0, Bild);
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

    // Drawn whole: the last picture, which the paint box may still show,
    // is neither needed nor copied.
    BildCanvas->Flush();
    BildVorrat.Freistellen(Bild, Bild.width(), Bild.height());

    // The picture is painted in bands of rows on the sampling threads, while
    // this thread waits; nothing else touches it meanwhile. Threads that
    // painted keep Qt's data of their own (fonts): they end with the
    // application, before that data's owners go.
    static const bool beenden = (qAddPostRoutine([] { ProbenPoolGroesse(1); }), true);
    (void)beenden;
    struct TBaender {
        TImageCanvas& C;
        explicit TBaender(TImageCanvas& c) : C(c) { C.SetPool(&ProbenPool()); }
        ~TBaender() { C.SetPool(nullptr); }
    } baender(*BildCanvas);
    if (ZeichnenErlaubt && ViewValid() && BildBreite > 0 && BildHoehe > 0) {
        const double breite = static_cast<double>(static_cast<std::int64_t>(XMax) - XMin);
        const double hoehe = static_cast<double>(static_cast<std::int64_t>(YMax) - YMin);
        const double fx = BildBreite / breite;
        const double fy = -BildHoehe / hoehe;
        if (!MitEbenenZeichnen(fx, fy))
            InhaltZeichnen(*BildCanvas, fx, fy);
    } else {
        // An empty or inverted view has no scale: the picture stays white,
        // and the paint box shows it white rather than the last good picture.
        WeissFuellen(*BildCanvas, Bild.width(), Bild.height());
        if (ZeichnenErlaubt)
            NichtAlleMitglieder = false;
        Ebenen.reset();
    }

    if (ZeichnenErlaubt) {
        ScharHinweisAnzeigen();
        if (!HatHinweis()) {
            // Nothing to add: the paint box shows the picture itself.
            BildCanvas->Flush();
            PaintBox1->SetFront(Bild);
            return;
        }
        CopyBildToAnzeigebild();
        DrawModeHints();
    } else if (!PaintBox1->Front().isNull()) {
        // No new picture: the paint box keeps the last one.
        return;
    }
    CopyToPaintBox();
}

void TGraphik::InhaltZeichnen(TCanvas& c, double fx, double fy)
{
    // The background and the coordinate system, drawn while the graphs
    // are being sampled where it can be.
    const auto grund = [&] {
        WeissFuellen(c, Bild.width(), Bild.height());
        DrawCoordinateSystem(c, fx, fy);
    };
    ProbenSpeicherAn = true;
    try {
        DrawGraphs(c, fx, -fy, 0.0, 0.0, grund);
    } catch (...) {
        ProbenSpeicherAn = false;
        throw;
    }
    ProbenSpeicherAn = false;
    if (GraphWechsel)
        GraphWechsel(11);
    DrawLabels(c, fx, fy);
}

bool TGraphik::MitEbenenZeichnen(double fx, double fy)
{
    // Around the one function sampled anew last time (being typed), or
    // around the one the kept layers are for when nothing was sampled.
    std::size_t k = 0;
    const int neu = std::popcount(ZuletztAbgetastet);
    if (neu == 1)
        k = static_cast<std::size_t>(std::countr_zero(ZuletztAbgetastet));
    else if (neu == 0 && Ebenen)
        k = Ebenen->K;
    // An area bounded by the function lies below the graphs before it.
    const auto begrenzt = [&] {
        for (const TFlaeche& fl : Flaechen)
            if (fl.CurveA != fl.CurveB && (fl.CurveA == static_cast<std::int32_t>(k) || fl.CurveB == static_cast<std::int32_t>(k)))
                return true;
        return false;
    };
    if (EbenenVerbundenBei != k)
        EbenenVerbundenBei = 0;
    const bool nutzen = Ebenen && Ebenen->K == k && Ebenen->Unten.size() == Bild.size();
    // Layers around a graph whose lines went on into its neighbour's are
    // not made again while it is the one being typed.
    if (!ProbenSpeicherBenutzen || k < 1 || k > 9 || begrenzt() || (!nutzen && EbenenVerbundenBei == k)) {
        Ebenen.reset();
        return false;
    }
    const int w = Bild.width(), h = Bild.height();
    std::unique_ptr<TEbenen> neue;
    std::unique_ptr<TImageCanvas> unten, oben;
    if (!nutzen) {
        neue = std::make_unique<TEbenen>();
        neue->K = k;
        // Their pixels are all drawn: the layer below starts with the
        // white background, the one above transparent.
        neue->Unten = QImage(w, h, QImage::Format_RGB32);
        neue->Oben = QImage(w, h, QImage::Format_ARGB32_Premultiplied);
        if (neue->Unten.isNull() || neue->Oben.isNull()) {
            Ebenen.reset();
            return false;
        }
        neue->Oben.fill(Qt::transparent);
        for (QImage* bild : {&neue->Unten, &neue->Oben})
            bild->setDotsPerMeterX(3780), bild->setDotsPerMeterY(3780);
        unten = std::make_unique<TImageCanvas>(&neue->Unten);
        oben = std::make_unique<TImageCanvas>(&neue->Oben);
        unten->SetPool(&ProbenPool());
        oben->SetPool(&ProbenPool());
    }
    const TEbenen& e = nutzen ? *Ebenen : *neue;
    TEbenenCanvas ebenen(*BildCanvas, w, h);
    ebenen.Ziele = {unten.get(), BildCanvas.get(), oben.get(), BildCanvas.get()};
    // The picture: the layer below, the graph, the layer above, the labels.
    ebenen.Wechsel = [&](TEbenenCanvas::TEbene von, TEbenenCanvas::TEbene nach) {
        // The layer below is copied when a portion of the graphs is painted
        // (DrawPending): its last run of lines must be among its commands.
        if (von == TEbenenCanvas::Unten) {
            if (unten)
                unten->CloseRun();
            BildCanvas->Draw(0, 0, e.Unten);
        }
        if (nach == TEbenenCanvas::Text)
            BildCanvas->DrawOver(0, 0, e.Oben);
    };
    GraphWechsel = [&](std::size_t n) {
        ebenen.Ebene(n < k ? TEbenenCanvas::Unten : n == k ? TEbenenCanvas::Mitte : n <= 10 ? TEbenenCanvas::Oben : TEbenenCanvas::Text);
    };
    struct TZuruecksetzen {
        std::function<void(std::size_t)>& F;
        ~TZuruecksetzen() { F = nullptr; }
    } zuruecksetzen{GraphWechsel};
    InhaltZeichnen(ebenen, fx, fy);
    GraphWechsel = nullptr;
    const bool gleich = !nutzen || (ebenen.Digest[TEbenenCanvas::Unten] == e.DigestUnten &&
                                    ebenen.Digest[TEbenenCanvas::Oben] == e.DigestOben);
    if (ebenen.Verbunden || !gleich) {
        // Drawn whole instead; what was painted of this is painted over. It
        // finds the samples in the store: what was sampled is told as
        // sampled in this redraw.
        if (unten)
            unten->Discard();
        if (oben)
            oben->Discard();
        BildCanvas->Discard();
        Ebenen.reset();
        if (ebenen.Verbunden)
            EbenenVerbundenBei = k;
        const std::uint32_t abgetastet = ZuletztAbgetastet;
        const int neuAbgetastet = Proben ? Proben->NeuAbgetastet : 0;
        InhaltZeichnen(*BildCanvas, fx, fy);
        ZuletztAbgetastet = abgetastet;
        if (Proben)
            Proben->NeuAbgetastet = neuAbgetastet;
        return true;
    }
    if (nutzen) {
        ++EbenenGenutzt;
        return true;
    }
    // The layers' canvases paint what they hold when they end, at the
    // return, before the picture that copies them is painted.
    neue->DigestUnten = ebenen.Digest[TEbenenCanvas::Unten];
    neue->DigestOben = ebenen.Digest[TEbenenCanvas::Oben];
    Ebenen = std::move(neue);
    return true;
}

void TGraphik::PaintBox1Paint()
{
    const bool gross = PaintBox1->width() >= 25 && PaintBox1->height() >= 25;
    if (gross && ZeichnenErlaubt && !HatHinweis()) {
        BildCanvas->Flush();
        PaintBox1->SetFront(Bild);
        return;
    }
    if (gross) {
        CopyBildToAnzeigebild();
        DrawModeHints();
    }
    if (ZeichnenErlaubt)
        CopyToPaintBox();
}

// ---------------------------------------------------------------------------
// Graphs and objects

void TGraphik::DrawGraphs(TCanvas& Canvas, double ScaleX, double ScaleY, double OffX, double OffY,
                          const std::function<void()>& davor)
{
    const bool zeichenbar = ViewValid() && Endlich(ScaleX) && ScaleX > 0.0 && Endlich(ScaleY) && ScaleY != 0.0 &&
                            Endlich(OffX) && Endlich(OffY) && Endlich(EinheitX) && EinheitX != 0.0 &&
                            Endlich(EinheitY) && EinheitY != 0.0;
    if (zeichenbar) {
        Plot = TPlotMapping{ScaleX, ScaleY, OffX, OffY};

        // Everything below the graphs. It reads no function unless an area
        // is drawn, so it may be drawn while the graphs are sampled.
        const auto unten = [&] {
            if (davor)
                davor();
            DrawCircles(Canvas, true);
            Canvas.Brush.Color = Weiss;
            Canvas.Brush.Style = TBrushStyle::Solid;
            Canvas.Pen.Color = Schwarz;
            DrawAreas(Canvas);
            DrawVerticalSegments(Canvas);
            Canvas.Pen.Color = Schwarz;
        };
        if (davor && !FlaechenAuswerten()) {
            DrawFunctionGraphs(Canvas, unten);
        } else {
            unten();
            DrawFunctionGraphs(Canvas, {});
        }
        DrawCircles(Canvas, false);
        Canvas.Brush.Color = Weiss;
        Canvas.Brush.Style = TBrushStyle::Solid;
        Canvas.Pen.Color = Schwarz;
        DrawPoints(Canvas);
    } else if (davor) {
        davor();
    }
    if (FunktionNr >= 1 && FunktionNr <= 9)
        Funktionen[0] = Funktionen[static_cast<std::size_t>(FunktionNr)];
}

void TGraphik::DrawFunctionGraphs(TCanvas& Canvas, const std::function<void()>& davor)
{
    NichtAlleMitglieder = false;

    // What each function would cost drawn whole: members times the
    // evaluations of one member.
    std::array<std::int64_t, 10> jeMitglied{};
    std::array<std::int64_t, 10> mitglieder{};
    std::array<std::int64_t, 10> bedarf{};
    const double dx = 1.0 / Plot.ScaleX;
    for (std::size_t k = 1; k <= 9; ++k) {
        const TFunktion* f = Funktionen[k];
        if (!f || !f->GetCompiled())
            continue;
        const int s = f->GetLineStyle();
        if (IstScheiben(s)) {
            if (const auto w = ScheibenGang(*this, *f, Plot.ScaleX))
                jeMitglied[k] = ScheibenProben(*w, s);
        } else if (const auto w = LinienGang(*this, *f, dx)) {
            jeMitglied[k] = LinienProben(*w, Plot.ScaleX);
        }
        mitglieder[k] = TScharLauf(*f).Geschaetzt();
        const std::int64_t grenze = std::numeric_limits<std::int64_t>::max() / mitglieder[k];
        bedarf[k] = jeMitglied[k] > grenze ? std::numeric_limits<std::int64_t>::max() : mitglieder[k] * jeMitglied[k];
    }

    // The picture's budget: BudgetBildbreiten members across the whole view,
    // in the device units of this canvas. So the same members are drawn on
    // the screen, the clipboard and paper, and a redraw takes time in
    // proportion to the picture's width, whatever the families ask for.
    const double spalten = static_cast<double>(static_cast<std::int64_t>(XMax) - XMin) * Plot.ScaleX + 2.0;
    const double budget = std::min(BudgetBildbreiten * spalten, 1e15);
    const std::array<std::int64_t, 10> anteil = BudgetTeilen(bedarf, static_cast<std::int64_t>(budget));

    // Each function's drawing set-up and the t values of the members it
    // draws, walked here; then one sampling task per member, unless the
    // screen picture kept the function's lists from the last redraw.
    TProbenSpeicher* speicher = nullptr;
    if (ProbenSpeicherAn && ProbenSpeicherBenutzen) {
        if (!Proben)
            Proben = std::make_shared<TProbenSpeicher>();
        speicher = Proben.get();
        speicher->NeuAbgetastet = 0;
    }
    const TPlotAbbildung abbildung{XMin, YMax, Plot.ScaleX, Plot.ScaleY, Plot.OffX, Plot.OffY};
    std::array<TFunktionsPlan, 10> plan;
    std::array<bool, 10> ausSpeicher{};
    for (std::size_t k = 1; k <= 9; ++k) {
        TFunktion* f = Funktionen[k];
        if (!f)
            continue;
        TFunktionsPlan& p = plan[k];
        p.Funktion = f;
        p.Stil = f->GetLineStyle();
        p.Scheiben = IstScheiben(p.Stil);
        if (!p.Scheiben && (p.Stil < LinieDuenn || p.Stil > LinieGestricheltDick))
            p.Stil = LinieMittel;
        if (!f->GetCompiled())
            continue;
        // Every k-th member, so that the ones drawn lie evenly across the
        // family and include its first and last.
        std::int64_t jeder = 1;
        if (bedarf[k] > anteil[k]) {
            const std::int64_t n = mitglieder[k];
            const std::int64_t m = std::max<std::int64_t>(2, anteil[k] / jeMitglied[k]);
            jeder = m >= n ? 1 : (n - 2) / (m - 1) + 1;
        }
        TProbenAuftrag& a = p.Auftrag;
        a.Funktion = f;
        a.Abbildung = abbildung;
        a.EinheitX = EinheitX;
        a.EinheitY = EinheitY;
        a.Scheiben = p.Scheiben;
        a.Stil = p.Stil;
        std::vector<std::uint64_t> schluessel;
        const auto zahl = [&schluessel](double v) { schluessel.push_back(std::bit_cast<std::uint64_t>(v)); };
        if (p.Scheiben) {
            const auto gang = ScheibenGang(*this, *f, Plot.ScaleX);
            if (!gang)
                continue;
            a.Von = gang->Von;
            a.Bis = gang->Bis;
            a.Schritt = gang->Schritt;
            schluessel = {1, static_cast<std::uint64_t>(p.Stil), static_cast<std::uint64_t>(a.Von),
                          static_cast<std::uint64_t>(a.Bis), static_cast<std::uint64_t>(a.Schritt)};
        } else {
            const auto gang = LinienGang(*this, *f, dx);
            if (!gang)
                continue;
            a.XStart = gang->Start;
            a.XEnde = gang->Ende;
            a.Dx = dx;
            // The view height in device units: a larger step between samples
            // is a pole or a jump and is not joined.
            a.SprungGrenze = static_cast<double>(static_cast<std::int64_t>(YMax) - YMin) * Plot.ScaleX;
            a.NonSmooth = f->GetNonSmooth();
            schluessel = {0, a.NonSmooth ? 1u : 0u};
            for (const double v : {a.XStart, a.XEnde, a.Dx, a.SprungGrenze})
                zahl(v);
        }
        for (const double v : {EinheitX, EinheitY, abbildung.ScaleX, abbildung.ScaleY, abbildung.OffX, abbildung.OffY})
            zahl(v);
        schluessel.push_back(static_cast<std::uint32_t>(abbildung.XMin));
        schluessel.push_back(static_cast<std::uint32_t>(abbildung.YMax));
        p.Zeichnen = true;
        TScharLauf schar(*f);
        while (schar.Naechster(jeder)) {
            p.T.push_back(schar.Wert());
            p.Nummer.push_back(schar.Nummer());
        }
        if (schar.NichtAlle())
            NichtAlleMitglieder = true;
        // One call per sample; a disc takes up to four per whole x.
        p.BefehleJeMitglied = p.Scheiben ? 2 * jeMitglied[k] : jeMitglied[k];
        // The key holds what the compiled term's values depend on; a function
        // that gives its values through its own Evaluate is not kept, nor
        // one whose lists would not fit the store.
        const double bytes = static_cast<double>(p.T.size()) *
                             (sizeof(TMitgliedBefehle) + sizeof(TGraphBefehl) * static_cast<double>(p.BefehleJeMitglied));
        p.Speichern = speicher && f->ColumnsCompiled() && bytes <= static_cast<double>(speicher->MaxBytes);
        if (!p.Speichern) {
            if (speicher)
                speicher->Entfernen(k);
            continue;
        }
        for (const double t : p.T)
            zahl(t);
        p.Gespeichert = speicher->Finden(k, f->GetTerm(), schluessel);
        ausSpeicher[k] = p.Gespeichert != nullptr;
        if (!p.Gespeichert) {
            // The old lists go before the new ones are made.
            speicher->Entfernen(k);
            p.Neu.Term = f->GetTerm();
            p.Neu.Schluessel = std::move(schluessel);
            p.Neu.Mitglieder.resize(p.T.size());
        }
    }
    // The tasks: each function's members in order, function after function.
    std::array<std::size_t, 11> erste{};  // first task of function k; erste[10]: all
    for (std::size_t k = 1; k <= 9; ++k)
        erste[k + 1] = erste[k] + plan[k].T.size();
    const auto aufgabe = [&erste](std::size_t i) {
        const auto k = static_cast<std::size_t>(std::upper_bound(erste.begin() + 2, erste.end(), i) - erste.begin() - 1);
        return std::pair<std::size_t, std::size_t>(k, i - erste[k]);
    };
    // The lists of the portion being drawn; they keep their room for the
    // next portion and the next redraw.
    std::vector<TMitgliedBefehle>& listen = ListenVorrat;
    std::size_t portionVon = 0;

    // Drawing, in the order of the functions and their members. The dash
    // machine (c counts switches, a is the arc length since the last switch
    // and h the length of the current dash or gap, in view units) runs on
    // across pen-up moves and family members; each function starts it anew.
    int c = 0;
    double a = 0.25;
    double h = 0.3;
    std::size_t naechste = 1;  // the next function whose set-up is due
    const auto bisFunktion = [&](std::size_t k) {
        for (; naechste <= k; ++naechste) {
            if (GraphWechsel)
                GraphWechsel(naechste);
            const TFunktionsPlan& p = plan[naechste];
            if (!p.Funktion)
                continue;
            Funktionen[0] = p.Funktion;
            if (p.Scheiben) {
                Canvas.Pen.Width = PlotPenWidth(StaerkeDuenn);
                Canvas.Pen.Style = TPenStyle::Solid;
            } else {
                Canvas.Pen.Style = TPenStyle::Solid;
                Canvas.Pen.Width = PlotPenWidth(LinienStaerke(p.Stil));
                c = 0;
                a = 0.25;
                h = 0.3;
            }
        }
    };
    const bool farbig = Farbig();
    std::optional<TBogenTafel> bogen;
    const auto zeichnen = [&](std::size_t i) {
        const auto [k, m] = aufgabe(i);
        bisFunktion(k);
        const TFunktionsPlan& p = plan[k];
        const TFunktion& f = *p.Funktion;
        const TMitgliedBefehle& befehle = p.Gespeichert ? p.Gespeichert->Mitglieder[m] : listen[i - portionVon];
        const TColor farbe = (p.Nummer[m] % 2 == 0) ? f.GetColor() : f.GetColor2();
        if (p.Scheiben) {
            Canvas.Brush.Color = farbe;
            Canvas.Brush.Style = TBrushStyle::Solid;
            Canvas.Pen.Color = Schwarz;
            for (const TGraphBefehl& b : befehle) {
                switch (b.Art) {
                case TGraphBefehl::TinteMoveTo:
                    Canvas.Pen.Color = farbe;
                    Canvas.MoveTo(b.A, b.B);
                    break;
                case TGraphBefehl::LineTo: Canvas.LineTo(b.A, b.B); break;
                case TGraphBefehl::Schwarz: Canvas.Pen.Color = Schwarz; break;
                case TGraphBefehl::Ellipse: Canvas.Ellipse(b.A, b.B, b.C, b.D); break;
                case TGraphBefehl::MoveTo: Canvas.MoveTo(b.A, b.B); break;
                }
            }
            return;
        }
        // The ink by the member's place in the family, drawn or not.
        const TColor tinte = farbig ? farbe : Schwarz;
        Canvas.Pen.Color = tinte;
        const bool gestrichelt = IstGestrichelt(p.Stil);
        const bool gepunktet = IstPunktiert(p.Stil);
        if (!gestrichelt && !gepunktet) {
            Canvas.Linien(befehle);
            return;
        }
        // The calls between two switches of the dash machine go as one.
        if (!bogen)
            bogen.emplace(Plot.ScaleX, Plot.ScaleY);
        TPoint q = Canvas.PenPos();
        std::size_t von = 0;
        for (std::size_t i = 0; i < befehle.size(); ++i) {
            const TGraphBefehl& b = befehle[i];
            if (b.Art == TGraphBefehl::LineTo) {
                if (a > h) {
                    Canvas.Linien(std::span(befehle).subspan(von, i - von));
                    von = i;
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
                a += bogen->Laenge(q, TPoint{b.A, b.B});
            }
            q = TPoint{b.A, b.B};
        }
        Canvas.Linien(std::span(befehle).subspan(von));
    };
    const auto abtasten = [&](std::size_t i, unsigned thread) {
        const auto [k, m] = aufgabe(i);
        TFunktionsPlan& p = plan[k];
        if (!p.Gespeichert)
            MitgliedAbtasten(p.Auftrag, p.T[m], thread, listen[i - portionVon]);
    };
    // A member's list stays only when the store is to keep it.
    const auto zeichnenUndAblegen = [&](std::size_t i) {
        zeichnen(i);
        const auto [k, m] = aufgabe(i);
        TFunktionsPlan& p = plan[k];
        if (p.Speichern && !p.Gespeichert)
            p.Neu.Mitglieder[m] = std::move(listen[i - portionVon]);
    };
    // A function that gives its values through its own Evaluate keeps the
    // whole layer on this thread.
    const bool parallel = std::all_of(plan.begin(), plan.end(), [](const TFunktionsPlan& p) {
        return !p.Zeichnen || p.Gespeichert || p.Funktion->ColumnsCompiled();
    });
    const double grenze = PortionBildbreiten * spalten;
    // What comes before the graphs is drawn once, before the first of
    // them: while the first portion is sampled, where it is sampled on the
    // pool.
    bool davorGezeichnet = !davor;
    const std::function<void()> davorZeichnen = [&] {
        if (!davorGezeichnet) {
            davorGezeichnet = true;
            davor();
        }
    };
    while (portionVon < erste[10]) {
        std::size_t bis = portionVon;
        double befehle = 0;
        while (bis < erste[10] && (bis == portionVon || befehle + plan[aufgabe(bis).first].BefehleJeMitglied <= grenze)) {
            befehle += static_cast<double>(plan[aufgabe(bis).first].BefehleJeMitglied);
            ++bis;
        }
        if (listen.size() < bis - portionVon)
            listen.resize(bis - portionVon);
        if (parallel) {
            if (!davorGezeichnet)
                ++GrundBeimAbtasten;
            // Once every member of the portion is sampled, this thread may
            // still have members to draw, while the others have nothing to
            // do: what it has drawn so far is then set apart, and the
            // others paint it meanwhile. Its bands are the run's last
            // tasks; a thread that takes one waits until it is set apart
            // (this thread sets it apart when it takes one itself), or
            // until the run has failed.
            const std::size_t von = portionVon;
            const std::size_t n = bis - portionVon;
            const std::size_t baender = n >= 8 ? Canvas.AbzweigBaender() : 0;
            enum : int { Wartet, Abgezweigt, Nicht };
            std::atomic<int> zustand{baender ? Wartet : Nicht};
            std::atomic<std::size_t> offen{n};
            std::size_t abgezweigt = 0;
            const auto aufgeben = [&] {
                int z = Wartet;
                if (zustand.compare_exchange_strong(z, Nicht))
                    zustand.notify_all();
            };
            // On this thread only.
            const auto abzweigen = [&] {
                if (zustand.load() != Wartet)
                    return;
                abgezweigt = Canvas.Abzweigen();
                int z = Wartet;
                if (zustand.compare_exchange_strong(z, abgezweigt == baender ? Abgezweigt : Nicht))
                    zustand.notify_all();
            };
            struct TEnde {
                TCanvas& C;
                const std::atomic<int>& Z;
                ~TEnde()
                {
                    // Painted by the run; otherwise the canvas paints it first when it paints next.
                    if (Z.load() == Abgezweigt)
                        C.AbgezweigtEnde();
                }
            } ende{Canvas, zustand};
            ProbenPool().Ausfuehren(
                n + baender,
                [&](std::size_t i, unsigned thread) {
                    if (i < n) {
                        try {
                            abtasten(von + i, thread);
                        } catch (...) {
                            aufgeben();
                            throw;
                        }
                        offen.fetch_sub(1);
                        return;
                    }
                    if (thread == 0)
                        abzweigen();
                    zustand.wait(Wartet);
                    if (zustand.load() == Abgezweigt)
                        Canvas.AbgezweigtMalen(i - n, thread);
                },
                [&](std::size_t i) {
                    if (i >= n)
                        return;
                    try {
                        zeichnenUndAblegen(von + i);
                    } catch (...) {
                        aufgeben();
                        throw;
                    }
                    if (offen.load() == 0)
                        abzweigen();
                },
                [&] {
                    try {
                        davorZeichnen();
                    } catch (...) {
                        aufgeben();
                        throw;
                    }
                });
        } else {
            davorZeichnen();
            for (std::size_t i = portionVon; i < bis; ++i) {
                abtasten(i, 0);
                zeichnenUndAblegen(i);
            }
        }
        portionVon = bis;
        if (portionVon < erste[10])
            Canvas.DrawPending();
    }
    davorZeichnen();
    bisFunktion(9);
    if (GraphWechsel)
        GraphWechsel(10);

    if (speicher) {
        ZuletztAbgetastet = 0;
        for (std::size_t k = 1; k <= 9; ++k) {
            TFunktionsPlan& p = plan.at(k);
            if (p.Zeichnen && !p.Gespeichert)
                ZuletztAbgetastet |= 1u << k;
            if (!p.Speichern) {
                speicher->Entfernen(k);
            } else if (!p.Gespeichert) {
                ++speicher->NeuAbgetastet;
                speicher->Ablegen(k, std::move(p.Neu), ausSpeicher);
            }
        }
    }
}
