#include "platform/canvas.h"

#include "engine/arbeiterpool.h"

#include <QFontMetricsF>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <map>
#include <type_traits>
#include <utility>

namespace {

Qt::BrushStyle ToQtBrushStyle(TBrushStyle s)
{
    switch (s) {
    case TBrushStyle::Solid: return Qt::SolidPattern;
    case TBrushStyle::Clear: return Qt::NoBrush;
    case TBrushStyle::Horizontal: return Qt::HorPattern;
    case TBrushStyle::Vertical: return Qt::VerPattern;
    case TBrushStyle::FDiagonal: return Qt::FDiagPattern;
    case TBrushStyle::BDiagonal: return Qt::BDiagPattern;
    case TBrushStyle::Cross: return Qt::CrossPattern;
    case TBrushStyle::DiagCross: return Qt::DiagCrossPattern;
    }
    return Qt::SolidPattern;
}

QBrush ToQBrush(const TBrush& b)
{
    return QBrush(ToQColor(b.Color), ToQtBrushStyle(b.Style));
}

// Font pixel height (em size) of a point size at a resolution.
int FontPixels(int size, double dpi)
{
    const double px = std::abs(static_cast<double>(size)) * dpi / 72.0;
    if (!(px < 100000.0))
        return 100000;
    return std::max(1, static_cast<int>(std::lround(px)));
}

// Text is smoothed unless `glatt` is false. (The painter's text hint does
// not turn smoothing off: the font's strategy does.)
QFont MakeQFont(const TFont& f, double dpi, bool glatt = true)
{
    QFont q(f.Name);
    q.setStyleHint(QFont::SansSerif, glatt ? QFont::PreferDefault : QFont::NoAntialias);
    q.setPixelSize(FontPixels(f.Size, dpi));
    q.setBold((f.Style & 1) != 0);
    q.setItalic((f.Style & 2) != 0);
    q.setUnderline((f.Style & 4) != 0);
    q.setStrikeOut((f.Style & 8) != 0);
    return q;
}

// Pixels of a wide round pen along one segment, written straight into a
// 32-bit image: every pixel whose centre lies within the pen's half width of
// the segment, i.e. round ends and, along a polyline, round joints, as wide
// pens have. QPainter strokes such a pen through its general outline
// stroker, which costs far more for a curve of one-pixel steps. A centre
// exactly on the rim counts on the right and bottom side only, so a pen of
// width w covers w rows across a horizontal line, as QPainter does.
struct TKapselZiel {
    uchar* Bits;
    qsizetype Bpl;
    int L, T, R, B;  // writable pixels: L <= x < R, T <= y < B
};

// The pen swath of segment a-b with half width r, cut along one scan line:
// the points (c, v) within r of the segment form the interval lo <= v <= hi
// (lo > hi when empty). Coordinates are given with the scan axis first.
struct TSchnitt {
    double Ac, Av, Bc, Bv;  // segment ends: scan axis, other axis
    double R2, Rl, L2, Dc, Dv, Kc, Kv;

    TSchnitt(double ac, double av, double bc, double bv, double r)
        : Ac(ac), Av(av), Bc(bc), Bv(bv), R2(r * r), Dc(bc - ac), Dv(bv - av)
    {
        L2 = Dc * Dc + Dv * Dv;
        Rl = r * std::sqrt(L2);
        Kc = Dc != 0 ? 1.0 / Dc : 0.0;
        Kv = Dv != 0 ? 1.0 / Dv : 0.0;
    }

    bool Bei(double c, double& lo, double& hi) const
    {
        lo = HUGE_VAL;
        hi = -HUGE_VAL;
        // The round ends.
        const double ea = c - Ac;
        if (const double q = R2 - ea * ea; q >= 0) {
            const double h = std::sqrt(q);
            lo = Av - h;
            hi = Av + h;
        }
        const double eb = c - Bc;
        if (const double q = R2 - eb * eb; q >= 0) {
            const double h = std::sqrt(q);
            lo = std::min(lo, Bv - h);
            hi = std::max(hi, Bv + h);
        }
        // The band along the segment: 0 <= s <= L2 (projection) and
        // |u| <= r * l (distance across), both linear in v on the line:
        // s = (v - Av) * Dv + ea * Dc, u = (v - Av) * Dc - ea * Dv.
        if (L2 > 0) {
            double blo = -HUGE_VAL, bhi = HUGE_VAL;
            const double s0 = ea * Dc;
            if (Dv != 0) {
                const double u = -s0 * Kv, w = (L2 - s0) * Kv;
                blo = std::min(u, w);
                bhi = std::max(u, w);
            } else if (s0 < 0 || s0 > L2) {
                bhi = -HUGE_VAL;
            }
            const double u0 = -ea * Dv;
            if (Dc != 0) {
                const double u = (-Rl - u0) * Kc, w = (Rl - u0) * Kc;
                blo = std::max(blo, std::min(u, w));
                bhi = std::min(bhi, std::max(u, w));
            } else if (std::abs(u0) > Rl) {
                bhi = -HUGE_VAL;
            }
            if (blo <= bhi) {
                lo = std::min(lo, Av + blo);
                hi = std::max(hi, Av + bhi);
            }
        }
        return lo <= hi;
    }
};

// Whether the integer rectangle of QPainter (whose size and far corner are
// ints) can hold a shape's box: true for everything but positions near the
// ends of the int range, which are drawn with a rectangle of doubles.
bool PasstQRect(TRect r)
{
    constexpr int Grenze = 1 << 30;
    return r.Left > -Grenze && r.Top > -Grenze && r.Right < Grenze && r.Bottom < Grenze;
}

void FuelleKapsel(const TKapselZiel& z, QPointF a, QPointF b, double r, QRgb farbe)
{
    // Pixel (px, py) is covered when (px + 0.5 - Eps, py + 0.5 - Eps) lies
    // within r of the segment. A steep segment is cut into columns, a flat
    // one into rows, so the loop runs along its shorter extent; both give
    // the same pixels.
    constexpr double Eps = 1.0 / 1024.0;
    const bool steil = std::abs(b.y() - a.y()) > std::abs(b.x() - a.x());
    const TSchnitt s = steil ? TSchnitt(a.x(), a.y(), b.x(), b.y(), r) : TSchnitt(a.y(), a.x(), b.y(), b.x(), r);
    const double cMin = steil ? z.L : z.T, cMax = steil ? z.R - 1 : z.B - 1;
    const double vMin = steil ? z.T : z.L, vMax = steil ? z.B - 1 : z.R - 1;
    const double von = std::max(std::ceil(std::min(s.Ac, s.Bc) - r - 0.5 + Eps), cMin);
    const double bis = std::min(std::floor(std::max(s.Ac, s.Bc) + r - 0.5 + Eps), cMax);
    if (!(von <= bis))
        return;
    const int c0 = static_cast<int>(von);
    const int c1 = static_cast<int>(bis);
    for (int pc = c0; pc <= c1; ++pc) {
        double lo = 0, hi = 0;
        if (!s.Bei(pc + 0.5 - Eps, lo, hi))
            continue;
        const double vVon = std::max(std::ceil(lo - 0.5 + Eps), vMin);
        const double vBis = std::min(std::floor(hi - 0.5 + Eps), vMax);
        if (!(vVon <= vBis))
            continue;
        const int v0 = static_cast<int>(vVon);
        const int v1 = static_cast<int>(vBis);
        if (steil) {
            uchar* p = z.Bits + v0 * z.Bpl + pc * static_cast<qsizetype>(sizeof(QRgb));
            for (int v = v0; v <= v1; ++v, p += z.Bpl)
                *reinterpret_cast<QRgb*>(p) = farbe;
        } else {
            QRgb* zeile = reinterpret_cast<QRgb*>(z.Bits + pc * z.Bpl);
            std::fill(zeile + v0, zeile + v1 + 1, farbe);
        }
    }
}

// The pixels of a wide pen's step, as row spans relative to its start.
// With whole-number ends the pixels of FuelleKapsel move with the step:
// every decision it makes is a pixel centre (less 1/1024 on both axes)
// against the rim of a disc or a band, and for steps of at most
// MusterGrenze pixels on each axis no centre comes nearer to a rim than
// about 1e-9, a thousand times the rounding of the sums. So each step shape
// is filled once, into a small picture, and its spans are copied wherever
// the shape recurs: a curve of one-pixel steps has a few dozen shapes.
struct TSpanne {
    std::int16_t Zeile, Von, Bis;  // row and columns (inclusive) from the start
};

constexpr int MusterGrenze = 64;  // largest step and pen width kept as a pattern

}  // namespace

// The painted pixels of a picture whose pixels are either painted (opaque)
// or untouched (transparent), as row spans relative to its top left
// corner: copied span by span instead of testing every pixel.
struct TDeckung {
    std::vector<TSpanne> Spannen;

    explicit TDeckung(const QImage& bild)
    {
        for (int y = 0; y < bild.height(); ++y) {
            const QRgb* zeile = reinterpret_cast<const QRgb*>(bild.constScanLine(y));
            for (int x = 0; x < bild.width();) {
                if (qAlpha(zeile[x]) == 0) {
                    ++x;
                    continue;
                }
                const int von = x;
                while (x < bild.width() && qAlpha(zeile[x]) != 0)
                    ++x;
                Spannen.push_back({static_cast<std::int16_t>(y), static_cast<std::int16_t>(von), static_cast<std::int16_t>(x - 1)});
            }
        }
    }
};

namespace {

// The spans of one step shape, and the rows they reach.
struct TMusterForm {
    int Oben = 0, Unten = -1;
    std::vector<TSpanne> Spannen;
};

// The step shapes of one pen width, made as the bands first need them: each
// thread that finds a shape missing makes it and offers it; the first offer
// stays, and every thread then uses that one.
class TMusterTafel {
public:
    explicit TMusterTafel(int w) : W(w), Formen(new std::atomic<const TMusterForm*>[Seite * Seite]())
    {
    }
    ~TMusterTafel()
    {
        for (std::size_t i = 0; i < Seite * Seite; ++i)
            delete Formen[i].load(std::memory_order_relaxed);
    }
    TMusterTafel(const TMusterTafel&) = delete;
    TMusterTafel& operator=(const TMusterTafel&) = delete;

    // The shape of step (dx, dy), each at most MusterGrenze.
    const TMusterForm& Form(int dx, int dy)
    {
        std::atomic<const TMusterForm*>& platz = Formen[static_cast<std::size_t>((dy + MusterGrenze) * Seite + dx + MusterGrenze)];
        if (const TMusterForm* f = platz.load(std::memory_order_acquire))
            return *f;
        auto neu = std::make_unique<TMusterForm>(Anlegen(dx, dy));
        const TMusterForm* da = nullptr;
        if (!platz.compare_exchange_strong(da, neu.get(), std::memory_order_acq_rel, std::memory_order_acquire))
            return *da;
        AnzahlSpannen.fetch_add(neu->Spannen.size(), std::memory_order_relaxed);
        AnzahlFormen.fetch_add(1, std::memory_order_relaxed);
        return *neu.release();
    }
    std::atomic<std::size_t> AnzahlSpannen{0};
    std::atomic<std::size_t> AnzahlFormen{0};

private:
    static constexpr std::size_t Seite = 2 * MusterGrenze + 1;
    TMusterForm Anlegen(int dx, int dy) const
    {
        const double r = W / 2.0;
        const int rand = static_cast<int>(std::ceil(r)) + 2;
        const int bw = std::abs(dx) + 2 * rand + 1, bh = std::abs(dy) + 2 * rand + 1;
        const int ax = rand + std::max(0, -dx), ay = rand + std::max(0, -dy);
        std::vector<QRgb> bild(static_cast<std::size_t>(bw) * static_cast<std::size_t>(bh), 0);
        const TKapselZiel z{reinterpret_cast<uchar*>(bild.data()), static_cast<qsizetype>(bw * sizeof(QRgb)), 0, 0, bw, bh};
        FuelleKapsel(z, QPointF(ax, ay), QPointF(ax + dx, ay + dy), r, 1);
        TMusterForm f;
        f.Oben = bh;
        for (int y = 0; y < bh; ++y) {
            const QRgb* zeile = bild.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(bw);
            for (int x = 0; x < bw;) {
                if (!zeile[x]) {
                    ++x;
                    continue;
                }
                const int von = x;
                while (x < bw && zeile[x])
                    ++x;
                f.Spannen.push_back({static_cast<std::int16_t>(y - ay), static_cast<std::int16_t>(von - ax),
                                     static_cast<std::int16_t>(x - 1 - ax)});
                f.Oben = std::min(f.Oben, y - ay);
                f.Unten = std::max(f.Unten, y - ay);
            }
        }
        return f;
    }
    const int W;
    std::unique_ptr<std::atomic<const TMusterForm*>[]> Formen;
};

}  // namespace

// The wide pens' step shapes, by pen width, kept from picture to picture.
class TMusterVorrat {
public:
    // The table of pen width w, null when the width has none. Tables are
    // made here, on the drawing thread, before the bands paint.
    TMusterTafel* Tafel(std::uint32_t w)
    {
        if (w < 2 || w > MusterGrenze)
            return nullptr;
        std::unique_ptr<TMusterTafel>& t = Tafeln[static_cast<int>(w)];
        if (!t)
            t = std::make_unique<TMusterTafel>(static_cast<int>(w));
        return t.get();
    }
    // Forgets the shapes when there are many; only between pictures, while
    // no kept command refers to them.
    // The shapes made in all tables so far, those forgotten included.
    std::uint64_t Formen() const
    {
        std::uint64_t n = Vergessen;
        for (const auto& [w, t] : Tafeln)
            n += t->AnzahlFormen.load(std::memory_order_relaxed);
        return n;
    }
    std::size_t Anzahl() const { return Tafeln.size(); }
    void Begrenzen()
    {
        std::size_t spannen = 0;
        for (const auto& [w, t] : Tafeln)
            spannen += t->AnzahlSpannen.load(std::memory_order_relaxed);
        if (Tafeln.size() > 8 || spannen > (std::size_t{1} << 22)) {
            Vergessen = Formen();
            Tafeln.clear();
        }
    }

private:
    std::map<int, std::unique_ptr<TMusterTafel>> Tafeln;
    std::uint64_t Vergessen = 0;
};

// ---------------------------------------------------------------------------
// TCanvas

TCanvas::~TCanvas() = default;

TRect TCanvas::Normalised(int x1, int y1, int x2, int y2)
{
    return TRect{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

void TCanvas::MoveTo(int x, int y)
{
    FPenPos = TPoint{x, y};
}

void TCanvas::LineTo(int x, int y)
{
    const TPoint to{x, y};
    if (Pen.Style != TPenStyle::Clear && !(to == FPenPos))
        DoLine(FPenPos, to);
    FPenPos = to;
}

void TCanvas::Linien(std::span<const TGraphBefehl> befehle)
{
    for (const TGraphBefehl& b : befehle) {
        if (b.Art == TGraphBefehl::LineTo)
            LineTo(b.A, b.B);
        else
            MoveTo(b.A, b.B);
    }
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    DoRectangle(Normalised(x1, y1, x2, y2));
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int w, int h)
{
    DoRoundRect(Normalised(x1, y1, x2, y2), std::abs(w), std::abs(h));
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    DoEllipse(Normalised(x1, y1, x2, y2));
}

void TCanvas::Polygon(const std::vector<TPoint>& points)
{
    if (points.size() >= 2)
        DoPolygon(points, true);
}

void TCanvas::Polyline(const std::vector<TPoint>& points)
{
    if (points.size() >= 2 && Pen.Style != TPenStyle::Clear)
        DoPolygon(points, false);
}

void TCanvas::FillRect(const TRect& r)
{
    if (Brush.Style != TBrushStyle::Clear)
        DoFillRect(Normalised(r.Left, r.Top, r.Right, r.Bottom));
}

void TCanvas::TextOut(int x, int y, const QString& text)
{
    if (!text.isEmpty())
        DoTextOut(TPoint{x, y}, text);
}

int TCanvas::TextWidth(const QString& text)
{
    return text.isEmpty() ? 0 : DoTextExtent(text).width();
}

int TCanvas::TextHeight(const QString& text)
{
    return DoTextExtent(text.isEmpty() ? QStringLiteral(" ") : text).height();
}

void TCanvas::Draw(int x, int y, const QImage& image)
{
    // A corner so far right or down that the picture's far edge is beyond
    // the int range lies outside every device.
    if (!image.isNull() && x <= std::numeric_limits<int>::max() - image.width() &&
        y <= std::numeric_limits<int>::max() - image.height())
        DoDraw(TRect{x, y, x + image.width(), y + image.height()}, image);
}

void TCanvas::DrawOver(int x, int y, const QImage& image)
{
    if (!image.isNull() && x <= std::numeric_limits<int>::max() - image.width() &&
        y <= std::numeric_limits<int>::max() - image.height())
        DoDrawOver(TPoint{x, y}, image);
}

void TCanvas::StretchDraw(const TRect& r, const QImage& image)
{
    if (!image.isNull())
        DoDraw(r, image);
}

void TCanvas::SetClipRect(const TRect& r)
{
    FHasClip = true;
    FClip = Normalised(r.Left, r.Top, r.Right, r.Bottom);
    DoClipChanged();
}

void TCanvas::ClearClip()
{
    FHasClip = false;
    DoClipChanged();
}

// ---------------------------------------------------------------------------
// TPainterCanvas: the kept commands

namespace {

// One command of a band. Coordinates are device pixels.
struct TBefehl {
    enum TArt : std::uint8_t {
        Kette,         // wide round pen along Anzahl points of Kette from Index: width C, colour D
        Linienzug,     // thin polyline: Anzahl points from Index, pen of Zustand
        Punkt,         // one pixel at (A, B), pen of Zustand
        Rechteck,      // A..D with pen and brush
        RundRechteck,  // A..D, corners Index x Anzahl
        Ellipse,       // A..D with pen and brush
        EllipseBild,   // picture Index with its top left corner at (A, B)
        Vieleck,       // Anzahl points from Index; closed (C = 1) or open
        Flaeche,       // A..D filled with the brush of Zustand
        Text,          // text Index
        Bild,          // picture Index into A..D; Anzahl 1: a plain copy, 2: its opaque pixels
        Clip,          // Index 1: clip to A..D; 0: no clip
    };
    TArt Art = Kette;
    bool Ganz = false;  // shapes: the box as an integer rectangle (GDI's)
    std::uint32_t Zustand = 0;
    std::int32_t A = 0, B = 0, C = 0, D = 0;
    std::uint32_t Index = 0, Anzahl = 0;
};

// A shape's command: its box in A..D.
TBefehl Kasten(TBefehl::TArt art, bool ganz, std::uint32_t zustand, const TRect& r)
{
    TBefehl b;
    b.Art = art;
    b.Ganz = ganz;
    b.Zustand = zustand;
    b.A = r.Left, b.B = r.Top, b.C = r.Right, b.D = r.Bottom;
    return b;
}

struct TTextBefehl {
    QString Text;
    TFont Schrift;
    double Dpi;
    bool Glatt;  // smoothed
    QPointF Grundlinie;
    bool Fuellen;
    QRectF Zelle;
    QColor Hintergrund, Farbe;
};

}  // namespace

struct TPainterCanvas::TListe {
    // The picture's pixels and how they are painted, set for each picture
    // (Aufzeichnen, BaenderEinrichten).
    uchar* Bits;
    qsizetype Bpl;
    int W, H;
    QImage::Format Format;
    int BandHoehe;
    std::vector<std::vector<TBefehl>> Baender;
    struct TZustand {
        TPen TStift;
        TBrush TPinsel;
        QPen Stift;
        QBrush Pinsel;
    };
    std::vector<TZustand> Zustaende;
    std::vector<QPointF> Punkte;
    std::vector<TTextBefehl> Texte;
    std::vector<QImage> Bilder;
    std::vector<std::shared_ptr<const TDeckung>> Deckungen;  // of ellipse pictures
    TMusterVorrat* Muster = nullptr;
    // The step shape tables of the wide pens its commands use (a command
    // gives the index): the bands never look into the canvas's store, which
    // may take new tables while a list set apart is painted.
    std::vector<TMusterTafel*> Tafeln;
    std::vector<TPoint> Kette;  // the points of wide pens' runs
    bool Leer = true;
    // Runs of a polyline being cut into bands: first and last segment.
    std::vector<std::int64_t> LaufVon, LaufBis;

    void BaenderEinrichten(unsigned threads)
    {
        // Four bands per thread, so that a thread whose bands hold little
        // takes another; none lower than 16 rows.
        const int n = threads <= 1 ? 1 : std::clamp(H / 16, 1, static_cast<int>(4 * threads));
        BandHoehe = (H + n - 1) / n;
        Baender.resize(static_cast<std::size_t>(n));
        LaufVon.assign(Baender.size(), -1);
        LaufBis.assign(Baender.size(), -1);
    }
    int BandVon(double y) const
    {
        return static_cast<int>(std::clamp(std::floor(y / BandHoehe), 0.0, static_cast<double>(Baender.size() - 1)));
    }
    // Gives a command to every band that rows oben..unten reach (a bound
    // that may be wider than the command's pixels, never narrower).
    void Verteilen(const TBefehl& b, double oben, double unten)
    {
        if (!(unten >= 0.0) || !(oben < H))
            return;
        Leer = false;
        const int b1 = BandVon(unten);
        for (int k = BandVon(oben); k <= b1; ++k)
            Baender[static_cast<std::size_t>(k)].push_back(b);
    }
    void Allen(const TBefehl& b)
    {
        Leer = false;
        for (auto& band : Baender)
            band.push_back(b);
    }
    // A thin polyline of Anzahl points from `von` in Punkte. In bands, each
    // band gets the runs of segments that come within two rows of it: the
    // ends of a run, which the painter caps, then lie at least two rows
    // outside the band, and the band's pixels are those of the whole
    // polyline.
    void Linienzug(std::uint32_t zustand, std::size_t von, std::size_t anzahl)
    {
        TBefehl b;
        b.Art = TBefehl::Linienzug;
        b.Zustand = zustand;
        // A run within one band goes there whole, and so does a dashed one
        // to every band it reaches: its dashes are counted from its start.
        double oben = HUGE_VAL, unten = -HUGE_VAL;
        for (std::size_t i = von; i < von + anzahl; ++i)
            oben = std::min(oben, Punkte[i].y()), unten = std::max(unten, Punkte[i].y());
        if (Baender.size() == 1 || BandVon(oben - 2) == BandVon(unten + 2) ||
            Zustaende[zustand].TStift.Style != TPenStyle::Solid) {
            b.Index = static_cast<std::uint32_t>(von);
            b.Anzahl = static_cast<std::uint32_t>(anzahl);
            Verteilen(b, oben - 2, unten + 2);
            return;
        }
        const auto abgeben = [&](std::size_t k) {
            b.Index = static_cast<std::uint32_t>(von + static_cast<std::size_t>(LaufVon[k]));
            b.Anzahl = static_cast<std::uint32_t>(LaufBis[k] - LaufVon[k] + 2);
            Baender[k].push_back(b);
            LaufVon[k] = LaufBis[k] = -1;
        };
        int kMin = static_cast<int>(Baender.size()), kMax = std::numeric_limits<int>::min();
        // The rows lo <= y < hi of the band the segment before went to
        // alone, and that band; its run goes on while the segments stay
        // there. None (no row compares) when it went to several or none.
        constexpr double KeinBand = std::numeric_limits<double>::quiet_NaN();
        double lo = KeinBand, hi = KeinBand;
        std::size_t kAllein = 0;
        for (std::size_t i = 0; i + 1 < anzahl; ++i) {
            const double y1 = Punkte[von + i].y(), y2 = Punkte[von + i + 1].y();
            const double oben = std::min(y1, y2) - 2, unten = std::max(y1, y2) + 2;
            const auto s = static_cast<std::int64_t>(i);
            if (oben >= lo && unten < hi) {
                LaufBis[kAllein] = s;
                continue;
            }
            lo = hi = KeinBand;
            if (!(unten >= 0.0) || !(oben < H))
                continue;
            const int b0 = BandVon(oben), b1 = BandVon(unten);
            kMin = std::min(kMin, b0);
            kMax = std::max(kMax, b1);
            if (b0 == b1) {
                kAllein = static_cast<std::size_t>(b0);
                lo = static_cast<double>(b0) * BandHoehe;
                hi = std::min(lo + BandHoehe, static_cast<double>(H));
            }
            for (int k = b0; k <= b1; ++k) {
                const auto kk = static_cast<std::size_t>(k);
                if (LaufVon[kk] >= 0 && LaufBis[kk] == s - 1) {
                    LaufBis[kk] = s;
                    continue;
                }
                if (LaufVon[kk] >= 0)
                    abgeben(kk);
                LaufVon[kk] = LaufBis[kk] = s;
            }
        }
        for (int k = kMin; k <= kMax; ++k)
            if (LaufVon[static_cast<std::size_t>(k)] >= 0)
                abgeben(static_cast<std::size_t>(k));
        // Runs that reach a single band (clamped at the edges) went whole
        // above, so this one reached two bands at least.
        Leer = false;
    }
    // Forgets the commands; the last `offen` points (a run not yet handed
    // on) stay, at the start.
    void Leeren(std::size_t offen = 0)
    {
        for (auto& band : Baender)
            band.clear();
        Zustaende.clear();
        Kette.clear();
        Punkte.erase(Punkte.begin(), Punkte.end() - static_cast<std::ptrdiff_t>(offen));
        Texte.clear();
        Bilder.clear();
        Deckungen.clear();
        Tafeln.clear();
        Leer = true;
    }
};

namespace {

// Paints the commands of one band: through its own painter on an image
// over the shared pixels, clipped to its rows, and with the canvas's own
// fills limited to them.
class TBandMaler {
public:
    TBandMaler(const TPainterCanvas::TListe& l, std::size_t band)
        : L(l), Befehle(l.Baender[band]), Y0(static_cast<int>(band) * l.BandHoehe),
          Y1(std::min(l.H, Y0 + l.BandHoehe)), Mehrere(l.Baender.size() > 1)
    {
        Schreibbereich();
    }

    void Malen()
    {
        for (const TBefehl& b : Befehle)
            Befehl(b);
        if (P)
            P->end();
    }

private:
    QPainter* Maler()
    {
        if (P)
            return P.get();
        Ziel = QImage(L.Bits, L.W, L.H, L.Bpl, L.Format);
        // A new painter draws shapes without antialiasing, pixel for
        // pixel as GDI does.
        P = std::make_unique<QPainter>(&Ziel);
        ClipAnwenden();
        return P.get();
    }
    void ClipAnwenden()
    {
        if (!P)
            return;
        const QRectF clip(QPointF(Clip.Left, Clip.Top), QPointF(Clip.Right, Clip.Bottom));
        if (!Mehrere) {
            if (HatClip)
                P->setClipRect(clip.normalized());
            else
                P->setClipping(false);
            return;
        }
        QRect band(0, Y0, L.W, Y1 - Y0);
        if (HatClip)
            band &= QRect(QPoint(Clip.Left, Clip.Top), QPoint(Clip.Right - 1, Clip.Bottom - 1));
        P->setClipRect(band.isEmpty() ? QRect(0, Y0, 0, 0) : band);
    }
    void Schreibbereich()
    {
        SL = 0, ST = Y0, SR = L.W, SB = Y1;
        if (HatClip) {
            SL = std::max(SL, Clip.Left);
            ST = std::max(ST, Clip.Top);
            SR = std::min(SR, Clip.Right);
            SB = std::min(SB, Clip.Bottom);
        }
    }
    void ZustandAnwenden(std::uint32_t z)
    {
        if (StiftGueltig && z == Angewandt)
            return;
        P->setPen(L.Zustaende[z].Stift);
        P->setBrush(L.Zustaende[z].Pinsel);
        Angewandt = z;
        StiftGueltig = true;
    }
    static QRect GanzesRechteck(const TBefehl& b) { return QRect(b.A, b.B, b.C - b.A - 1, b.D - b.B - 1); }
    static QRectF Rechteck(const TBefehl& b) { return QRectF(QPointF(b.A, b.B), QPointF(b.C, b.D)); }

    void Befehl(const TBefehl& b);
    void Kette(const TBefehl& b);

    const TPainterCanvas::TListe& L;
    const std::vector<TBefehl>& Befehle;
    const int Y0, Y1;
    const bool Mehrere;
    QImage Ziel;
    std::unique_ptr<QPainter> P;
    bool HatClip = false;
    TRect Clip;
    int SL, ST, SR, SB;  // the pixels it may write (Schreibbereich)
    std::uint32_t Angewandt = 0;
    bool StiftGueltig = false;
};

void TBandMaler::Befehl(const TBefehl& b)
{
    switch (b.Art) {
    case TBefehl::Kette:
        Kette(b);
        break;
    case TBefehl::Linienzug:
        Maler();
        ZustandAnwenden(b.Zustand);
        P->drawPolyline(&L.Punkte[b.Index], static_cast<int>(b.Anzahl));
        break;
    case TBefehl::Punkt:
        Maler();
        ZustandAnwenden(b.Zustand);
        P->drawPoint(QPointF(b.A, b.B));
        break;
    case TBefehl::Rechteck:
        Maler();
        ZustandAnwenden(b.Zustand);
        if (b.Ganz)
            P->drawRect(GanzesRechteck(b));
        else
            P->drawRect(Rechteck(b));
        break;
    case TBefehl::RundRechteck:
        Maler();
        ZustandAnwenden(b.Zustand);
        if (b.Ganz)
            P->drawRoundedRect(GanzesRechteck(b), b.Index / 2.0, b.Anzahl / 2.0);
        else
            P->drawRoundedRect(Rechteck(b), b.Index / 2.0, b.Anzahl / 2.0);
        break;
    case TBefehl::Ellipse:
        Maler();
        ZustandAnwenden(b.Zustand);
        if (b.Ganz)
            P->drawEllipse(GanzesRechteck(b));
        else
            P->drawEllipse(Rechteck(b));
        break;
    case TBefehl::EllipseBild: {
        // Copies the painted pixels; without antialiasing every pixel is
        // either painted (opaque) or untouched (transparent).
        const QImage& bild = L.Bilder[b.Index];
        const std::int64_t x0 = b.A, y0 = b.B;
        for (const TSpanne& sp : L.Deckungen[static_cast<std::size_t>(b.C)]->Spannen) {
            const std::int64_t y = y0 + sp.Zeile;
            if (y < ST || y >= SB)
                continue;
            const std::int64_t von = std::max<std::int64_t>(x0 + sp.Von, SL);
            const std::int64_t bis = std::min<std::int64_t>(x0 + sp.Bis, std::int64_t{SR} - 1);
            if (von > bis)
                continue;
            const QRgb* q = reinterpret_cast<const QRgb*>(bild.constScanLine(sp.Zeile));
            QRgb* z = reinterpret_cast<QRgb*>(L.Bits + y * L.Bpl);
            std::copy(q + (von - x0), q + (bis - x0) + 1, z + von);
        }
        break;
    }
    case TBefehl::Vieleck:
        Maler();
        ZustandAnwenden(b.Zustand);
        if (b.C)
            P->drawPolygon(&L.Punkte[b.Index], static_cast<int>(b.Anzahl), Qt::OddEvenFill);
        else
            P->drawPolyline(&L.Punkte[b.Index], static_cast<int>(b.Anzahl));
        break;
    case TBefehl::Flaeche:
        Maler()->fillRect(Rechteck(b), L.Zustaende[b.Zustand].Pinsel);
        break;
    case TBefehl::Text: {
        const TTextBefehl& t = L.Texte[b.Index];
        Maler()->setFont(MakeQFont(t.Schrift, t.Dpi, t.Glatt));
        if (t.Fuellen)
            P->fillRect(t.Zelle, t.Hintergrund);
        P->setPen(t.Farbe);
        StiftGueltig = false;
        P->drawText(t.Grundlinie, t.Text);
        break;
    }
    case TBefehl::Bild: {
        const QImage& bild = L.Bilder[b.Index];
        Maler();
        if (b.Anzahl == 1) {
            // A plain copy: source pixels replace the target's.
            P->setCompositionMode(QPainter::CompositionMode_Source);
            P->drawImage(QPoint(b.A, b.B), bild);
            P->setCompositionMode(QPainter::CompositionMode_SourceOver);
        } else if (b.Anzahl == 2) {
            P->drawImage(QPoint(b.A, b.B), bild);
        } else {
            P->drawImage(Rechteck(b).normalized(), bild);
        }
        break;
    }
    case TBefehl::Clip:
        HatClip = b.Index != 0;
        Clip = TRect{b.A, b.B, b.C, b.D};
        Schreibbereich();
        ClipAnwenden();
        break;
    }
}

// A wide pen along a piece of a run, within the band's rows. Consecutive
// steps of the same size and direction (a curve's flat or straight
// stretches) lie on one straight line, and their swaths together are the
// swath of the whole stretch: one fill instead of one per step. Stretches
// of at most MusterGrenze on each axis copy their shape's spans, longer ones
// and wider pens are filled as they are.
void TBandMaler::Kette(const TBefehl& b)
{
    const std::uint32_t breite = static_cast<std::uint32_t>(b.C);
    const QRgb farbe = static_cast<QRgb>(b.D);
    const double r = breite / 2.0;
    TMusterTafel* const tafel = L.Tafeln[b.Zustand];
    const TPoint* const k = L.Kette.data() + b.Index;
    const std::size_t n = b.Anzahl;
    const auto schritt = [k](std::size_t i) {
        return std::pair<std::int64_t, std::int64_t>(std::int64_t{k[i + 1].X} - k[i].X, std::int64_t{k[i + 1].Y} - k[i].Y);
    };
    std::size_t von = 0;
    auto s = schritt(0);
    for (std::size_t i = 1; i < n; ++i) {
        if (i + 1 < n) {
            const auto naechster = schritt(i);
            const bool gleich = naechster == s;
            s = naechster;
            if (gleich)
                continue;
        }
        const TPoint a = k[von], e = k[i];
        von = i;
        if (std::max(a.Y, e.Y) + r + 1 < ST || std::min(a.Y, e.Y) - r - 1 >= SB)
            continue;
        const std::int64_t dx = std::int64_t{e.X} - a.X, dy = std::int64_t{e.Y} - a.Y;
        if (!tafel || std::abs(dx) > MusterGrenze || std::abs(dy) > MusterGrenze) {
            const TKapselZiel z{L.Bits, L.Bpl, SL, ST, SR, SB};
            FuelleKapsel(z, QPointF(a.X, a.Y), QPointF(e.X, e.Y), r, farbe);
            continue;
        }
        const TMusterForm& f = tafel->Form(static_cast<int>(dx), static_cast<int>(dy));
        if (std::int64_t{a.Y} + f.Unten < ST || std::int64_t{a.Y} + f.Oben >= SB)
            continue;
        for (const TSpanne& sp : f.Spannen) {
            const std::int64_t y = std::int64_t{a.Y} + sp.Zeile;
            if (y < ST || y >= SB)
                continue;
            const std::int64_t x0 = std::max<std::int64_t>(std::int64_t{a.X} + sp.Von, SL);
            const std::int64_t x1 = std::min<std::int64_t>(std::int64_t{a.X} + sp.Bis, std::int64_t{SR} - 1);
            if (x0 <= x1) {
                QRgb* zeile = reinterpret_cast<QRgb*>(L.Bits + y * L.Bpl);
                std::fill(zeile + x0, zeile + x1 + 1, farbe);
            }
        }
    }
}

}  // namespace

// ---------------------------------------------------------------------------
// TPainterCanvas

TPainterCanvas::TPainterCanvas() : FMuster(std::make_unique<TMusterVorrat>()) {}
TPainterCanvas::~TPainterCanvas() = default;

std::size_t TPainterCanvas::MusterTafeln() const
{
    return FMuster->Anzahl();
}

void TPainterCanvas::Flush()
{
    FlushLines();
    AbgezweigtNachholen();
    if (FListe) {
        ListeMalen();
        // Its buffers serve the next picture.
        FListeVorrat = std::move(FListe);
    }
    // (A painter ends as it goes.)
    FPainter.reset();
    FDevice = nullptr;
}

void TPainterCanvas::DrawPending()
{
    AbgezweigtNachholen();
    if (FListe)
        ListeMalen();
}

std::size_t TPainterCanvas::AbzweigBaender()
{
    // Only kept commands in bands on a pool can be set apart; the list
    // starts here if it has not yet.
    if (!FPool || FPool->Anzahl() < 2 || !Aufzeichnen() || FListe->Baender.size() < 2)
        return 0;
    return FListe->Baender.size();
}

std::size_t TPainterCanvas::Abzweigen()
{
    if (!FListe || FListe->Leer || FAbgezweigt)
        return 0;
    TListe& alt = *FListe;
    std::unique_ptr<TListe> neu = FListeVorrat ? std::move(FListeVorrat) : std::make_unique<TListe>();
    neu->Leeren();
    neu->Bits = alt.Bits;
    neu->Bpl = alt.Bpl;
    neu->W = alt.W;
    neu->H = alt.H;
    neu->Format = alt.Format;
    neu->Muster = alt.Muster;
    // The same bands: each band's commands follow those set apart.
    neu->BandHoehe = alt.BandHoehe;
    neu->Baender.resize(alt.Baender.size());
    neu->LaufVon.assign(alt.Baender.size(), -1);
    neu->LaufBis.assign(alt.Baender.size(), -1);
    if (FHasClip)
        neu->Allen(TBefehl{TBefehl::Clip, false, 0, FClip.Left, FClip.Top, FClip.Right, FClip.Bottom, 1, 0});
    // A thin run still open goes on in the new list, with its points.
    if (FLinesListe) {
        neu->Punkte.assign(alt.Punkte.begin() + static_cast<std::ptrdiff_t>(FLinesVon), alt.Punkte.end());
        FLinesVon = 0;
    }
    const std::size_t n = alt.Baender.size();
    FZaehlung.Baender += n;
    for (const auto& band : alt.Baender)
        FZaehlung.Bandbefehle += band.size();
    ++FZaehlung.Abgezweigt;
    FAbgezweigt = std::move(FListe);
    FListe = std::move(neu);
    return n;
}

void TPainterCanvas::AbgezweigtMalen(std::size_t band, unsigned /*thread*/)
{
    if (FAbgezweigt && band < FAbgezweigt->Baender.size())
        TBandMaler(*FAbgezweigt, band).Malen();
}

void TPainterCanvas::AbgezweigtEnde()
{
    if (!FAbgezweigt)
        return;
    FZaehlung.Formen = FMuster->Formen();
    FAbgezweigt->Leeren();
    if (!FListeVorrat)
        FListeVorrat = std::move(FAbgezweigt);
    FAbgezweigt.reset();
}

void TPainterCanvas::AbgezweigtNachholen()
{
    if (!FAbgezweigt)
        return;
    for (std::size_t k = 0; k < FAbgezweigt->Baender.size(); ++k)
        TBandMaler(*FAbgezweigt, k).Malen();
    AbgezweigtEnde();
}

void TPainterCanvas::SetPool(TArbeiterPool* pool)
{
    if (pool == FPool)
        return;
    AbgezweigtNachholen();
    if (FListe) {
        ListeMalen();
        FListe->BaenderEinrichten(pool ? pool->Anzahl() : 1);
    }
    FPool = pool;
}

void TPainterCanvas::Discard()
{
    AbgezweigtNachholen();
    FKette.clear();
    FLines.clear();
    FLinesSelbst = false;
    FLinesListe = false;
    if (FListe)
        FListe->Leeren();
}

void TPainterCanvas::SetTextAntialiasing(bool on)
{
    FTextGlatt = on;
}

void TPainterCanvas::ListeMalen()
{
    TListe& l = *FListe;
    const std::size_t n = l.Baender.size();
    if (!l.Leer) {
        FZaehlung.Baender += n;
        for (const auto& band : l.Baender)
            FZaehlung.Bandbefehle += band.size();
    }
    if (!l.Leer && FPool && n > 1) {
        FPool->Ausfuehren(
            n, [&l](std::size_t k, unsigned) { TBandMaler(l, k).Malen(); }, [](std::size_t) {});
    } else if (!l.Leer) {
        for (std::size_t k = 0; k < n; ++k)
            TBandMaler(l, k).Malen();
    }
    FZaehlung.Formen = FMuster->Formen();
    // A thin run still open keeps its points, now from the start.
    l.Leeren(FLinesListe ? l.Punkte.size() - FLinesVon : 0);
    FLinesVon = 0;
}

bool TPainterCanvas::Aufzeichnen()
{
    if (FListe)
        return true;
    if (FPainter)
        return false;
    QPaintDevice* d = Device();
    if (d && IsIdentityMapping() && d->devType() == QInternal::Image) {
        auto* img = static_cast<QImage*>(d);
        const QImage::Format f = img->format();
        const bool format = f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 || f == QImage::Format_ARGB32_Premultiplied;
        if (format && img->devicePixelRatio() == 1.0 && !img->isNull()) {
            FListe = FListeVorrat ? std::move(FListeVorrat) : std::make_unique<TListe>();
            TListe& l = *FListe;
            // Detaches the image here, on this thread: the bands paint into
            // these pixels.
            l.Bits = img->bits();
            l.Bpl = img->bytesPerLine();
            l.W = img->width();
            l.H = img->height();
            l.Format = f;
            FMuster->Begrenzen();
            l.Muster = FMuster.get();
            l.BaenderEinrichten(FPool ? FPool->Anzahl() : 1);
            if (FHasClip)
                l.Allen(TBefehl{TBefehl::Clip, false, 0, FClip.Left, FClip.Top, FClip.Right, FClip.Bottom, 1, 0});
            FDevice = d;
            FGeraetB = l.W;
            FGeraetH = l.H;
            return true;
        }
    }
    Painter();
    return false;
}

std::uint32_t TPainterCanvas::Zustand(const TPen& pen, const TBrush& brush)
{
    // Dashes switch between two pens, run after run: the last few states
    // are looked up before a new one (and its painter pen) is made.
    TListe& l = *FListe;
    const std::size_t n = l.Zustaende.size();
    for (std::size_t k = n; k > 0 && k + 4 > n; --k)
        if (l.Zustaende[k - 1].TStift == pen && l.Zustaende[k - 1].TPinsel == brush)
            return static_cast<std::uint32_t>(k - 1);
    l.Zustaende.push_back({pen, brush, MakePen(pen), ToQBrush(brush)});
    ++FZaehlung.Zustaende;
    return static_cast<std::uint32_t>(n);
}

void TPainterCanvas::SetMapping(double sx, double sy, double ox, double oy)
{
    FlushLines();
    AbgezweigtNachholen();
    if (FListe) {
        // The kept commands are in pixels of the old mapping.
        ListeMalen();
        FListeVorrat = std::move(FListe);
        FDevice = nullptr;
    }
    FSx = sx;
    FSy = sy;
    FOx = ox;
    FOy = oy;
    FPenValid = false;
    if (FPainter)
        DoClipChanged();
}

QPainter* TPainterCanvas::Painter()
{
    if (FPainter)
        return FPainter.get();
    if (FListe)
        return nullptr;
    QPaintDevice* d = Device();
    if (!d)
        return nullptr;
    FPainter = std::make_unique<QPainter>();
    if (!FPainter->begin(d)) {
        FPainter.reset();
        return nullptr;
    }
    // (Shapes without antialiasing: a new painter's default.)
    FPenValid = false;
    FBrushValid = false;
    FDevice = d;
    FGeraetB = d->width();
    FGeraetH = d->height();
    if (FHasClip)
        FPainter->setClipRect(MapRect(FClip));
    return FPainter.get();
}

QPointF TPainterCanvas::Map(TPoint p) const
{
    return QPointF(p.X * FSx + FOx, p.Y * FSy + FOy);
}

QRectF TPainterCanvas::MapRect(TRect r) const
{
    const QPointF a = Map(TPoint{r.Left, r.Top});
    const QPointF b = Map(TPoint{r.Right, r.Bottom});
    return QRectF(a, b).normalized();
}

void TPainterCanvas::ApplyPen()
{
    if (FPenValid && FAppliedPen == Pen)
        return;
    FPainter->setPen(MakePen(Pen));
    FAppliedPen = Pen;
    FPenValid = true;
}

QPen TPainterCanvas::MakePen(const TPen& pen) const
{
    QPen p;
    if (pen.Style == TPenStyle::Clear) {
        p = QPen(Qt::NoPen);
    } else {
        p.setColor(ToQColor(pen.Color));
        const double w = std::abs(pen.Width * FSx);
        const bool thin = !(w > HaarlinienBreite());
        if (thin) {
            // One device pixel whatever the scale. The pen's square caps
            // draw both end pixels; FlushLines leaves out the last one, as
            // GDI does.
            p.setWidth(0);
            p.setCosmetic(true);
        } else {
            // Round ends as GDI's wide pens have. Curves arrive as
            // polylines of one segment per device unit, where mitred joins
            // look the same as round ones and cost far less.
            p.setWidthF(w);
            p.setCapStyle(Qt::RoundCap);
            p.setJoinStyle(Qt::MiterJoin);
        }
        // Styled lines exist only for thin pens; a wide pen draws solid.
        if (thin && pen.Style != TPenStyle::Solid) {
            QList<qreal> pattern;
            switch (pen.Style) {
            case TPenStyle::Dash: pattern = {18, 6}; break;
            case TPenStyle::Dot: pattern = {3, 3}; break;
            case TPenStyle::DashDot: pattern = {9, 6, 3, 6}; break;
            case TPenStyle::DashDotDot: pattern = {9, 3, 3, 3, 3, 3}; break;
            default: break;
            }
            for (qreal& l : pattern)
                l *= MusterSkala();
            if (!pattern.isEmpty())
                p.setDashPattern(pattern);
        }
    }
    return p;
}

void TPainterCanvas::ApplyBrush()
{
    if (FBrushValid && FAppliedBrush == Brush)
        return;
    FPainter->setBrush(ToQBrush(Brush));
    FAppliedBrush = Brush;
    FBrushValid = true;
}

QFont TPainterCanvas::MakeFont() const
{
    return MakeQFont(Font, FontDpi(), FTextGlatt);
}

namespace {

// A thin line on a pixel device ends one pixel short of its end point, so a
// polyline never paints a joint or an end twice: the end b moves a pixel
// back towards a, or must go (false) when the line is a single step.
bool EinenPixelKuerzer(QPointF a, QPointF& b)
{
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    const double schritte = std::max(std::abs(dx), std::abs(dy));
    if (schritte <= 1.0)
        return false;
    const double k = (schritte - 1.0) / schritte;
    b = QPointF(std::round(a.x() + dx * k), std::round(a.y() + dy * k));
    return true;
}

}  // namespace

void TPainterCanvas::FlushLines()
{
    if (FLinesSelbst) {
        FLinesSelbst = false;
        const std::size_t n = FKette.size();
        if (n >= 2 && FListe) {
            // Handed to the bands in pieces that reach few of them: up to
            // KettenStueck steps, and fewer where the run climbs or falls
            // more than a band's height.
            constexpr std::size_t KettenStueck = 64;
            TListe& l = *FListe;
            const auto breite = static_cast<std::uint32_t>(std::abs(std::int64_t{FLinesPen.Width}));
            TMusterTafel* const tafel = FMuster->Tafel(breite);
            const auto t = std::find(l.Tafeln.begin(), l.Tafeln.end(), tafel);
            const auto tafelNr = static_cast<std::uint32_t>(t - l.Tafeln.begin());
            if (t == l.Tafeln.end())
                l.Tafeln.push_back(tafel);
            const double r = breite / 2.0;
            TBefehl b;
            b.Art = TBefehl::Kette;
            b.Zustand = tafelNr;
            b.C = static_cast<std::int32_t>(breite);
            b.D = static_cast<std::int32_t>(qRgb(GetRValue(FLinesPen.Color), GetGValue(FLinesPen.Color), GetBValue(FLinesPen.Color)));
            const std::size_t basis = l.Kette.size();
            l.Kette.insert(l.Kette.end(), FKette.begin(), FKette.end());
            std::size_t von = 0;
            std::int32_t oben = FKette[0].Y, unten = FKette[0].Y;
            for (std::size_t i = 1; i < n; ++i) {
                oben = std::min(oben, FKette[i].Y);
                unten = std::max(unten, FKette[i].Y);
                if (i + 1 < n && i - von < KettenStueck && std::int64_t{unten} - oben < l.BandHoehe)
                    continue;
                b.Index = static_cast<std::uint32_t>(basis + von);
                b.Anzahl = static_cast<std::uint32_t>(i - von + 1);
                l.Verteilen(b, oben - r - 1, unten + r + 1);
                von = i;
                oben = unten = FKette[i].Y;
            }
        }
        FKette.clear();
        return;
    }
    if (FLinesListe) {
        // A thin run on a kept list (one logical unit per pixel).
        FLinesListe = false;
        std::vector<QPointF>& punkte = FListe->Punkte;
        if (punkte.size() - FLinesVon >= 2 && !EinenPixelKuerzer(punkte[punkte.size() - 2], punkte.back())) {
            punkte.pop_back();
            if (punkte.size() - FLinesVon == 1) {
                TBefehl p;
                p.Art = TBefehl::Punkt;
                p.Zustand = Zustand(FLinesPen, Brush);
                p.A = static_cast<std::int32_t>(punkte.back().x());
                p.B = static_cast<std::int32_t>(punkte.back().y());
                FListe->Verteilen(p, p.B - 2.0, p.B + 2.0);
            }
        }
        if (punkte.size() - FLinesVon >= 2)
            FListe->Linienzug(Zustand(FLinesPen, Brush), FLinesVon, punkte.size() - FLinesVon);
        else
            punkte.resize(FLinesVon);
        return;
    }
    // A run has two points at least, and the painter it began on.
    const qsizetype n = FLines.size();
    if (n == 0)
        return;
    if (FLinesPixelGenau && !EinenPixelKuerzer(FLines[n - 2], FLines[n - 1])) {
        FLines.removeLast();
        if (FLines.size() == 1)
            FPainter->drawPoint(FLines[0]);
    }
    if (FLines.size() >= 2)
        FPainter->drawPolyline(FLines);
    FLines.clear();
}

bool TPainterCanvas::Unsichtbar(TPoint from, TPoint to) const
{
    if (!FDevice)
        return false;
    // Both ends beyond the same edge, with room for the pen: no pixel of the
    // segment can reach the device.
    const QPointF a = Map(from);
    const QPointF b = Map(to);
    const double rand = std::abs(Pen.Width * FSx) + 2.0;
    const double w = FGeraetB + rand;
    const double h = FGeraetH + rand;
    return (a.x() < -rand && b.x() < -rand) || (a.x() > w && b.x() > w) || (a.y() < -rand && b.y() < -rand) ||
           (a.y() > h && b.y() > h);
}

void TPainterCanvas::DoLine(TPoint from, TPoint to)
{
    if (FListe) {
        // Kept commands are in pixels: the test of Unsichtbar in integers,
        // and the commonest case, a run going on, first. A curve comes as
        // one call per pixel column.
        const std::int64_t rand = std::abs(std::int64_t{Pen.Width}) + 2;
        const std::int64_t w = FGeraetB + rand, h = FGeraetH + rand;
        if ((from.X < -rand && to.X < -rand) || (from.X > w && to.X > w) || (from.Y < -rand && to.Y < -rand) ||
            (from.Y > h && to.Y > h)) {
            FlushLines();
            return;
        }
        if (FLinesEnd == from && FLinesPen == Pen && (FLinesSelbst || FLinesListe)) {
            if (FLinesSelbst)
                FKette.push_back(to);
            else
                FListe->Punkte.emplace_back(to.X, to.Y);
            FLinesEnd = to;
            return;
        }
    } else if (Unsichtbar(from, to)) {
        FlushLines();
        return;
    }
    if (FLinesEnd == from && (FLinesSelbst || !FLines.isEmpty()) && FLinesPen == Pen) {
        if (FLinesSelbst)
            FKette.push_back(to);
        else
            FLines << Map(to);
        FLinesEnd = to;
        return;
    }
    FlushLines();
    const bool liste = Aufzeichnen();
    if (!liste && !FPainter)
        return;
    FLinesPen = Pen;
    FLinesEnd = to;
    FLinesPixelGenau = IsIdentityMapping() && !(std::abs(Pen.Width * FSx) > 1.0);
    // A run filled here keeps its points as they are and never needs the
    // painter's pen; a dashed curve starts thousands of runs.
    FLinesSelbst = liste && Pen.Style != TPenStyle::Clear && std::abs(Pen.Width * FSx) > 1.0;
    if (FLinesSelbst) {
        FKette.push_back(from);
        FKette.push_back(to);
    } else if (liste) {
        FLinesListe = true;
        FLinesVon = FListe->Punkte.size();
        FListe->Punkte.emplace_back(from.X, from.Y);
        FListe->Punkte.emplace_back(to.X, to.Y);
    } else {
        ApplyPen();
        FLines << Map(from) << Map(to);
    }
}

void TPainterCanvas::Linien(std::span<const TGraphBefehl> befehle)
{
    // LineTo and DoLine inline: a curve is a call per pixel column, and a
    // run on a kept list only takes its next points.
    const bool klar = Pen.Style == TPenStyle::Clear;
    const std::int64_t rand = std::abs(std::int64_t{Pen.Width}) + 2;
    // A line wholly beyond an edge draws nothing and ends the run; most of
    // a steep curve's lines lie there. (The list and its device size may
    // come with the first line.)
    const auto weg = [&](TPoint from, TPoint to) {
        const std::int64_t w = std::int64_t{FGeraetB} + rand, h = std::int64_t{FGeraetH} + rand;
        return (from.X < -rand && to.X < -rand) || (from.X > w && to.X > w) || (from.Y < -rand && to.Y < -rand) ||
               (from.Y > h && to.Y > h);
    };
    // The open run takes the lines from befehle[i] on while they go on from
    // its end and can be seen; returns the index of the last one taken.
    const auto weiter = [&](auto& punkte, std::size_t i) {
        const std::size_t alt = punkte.size();
        punkte.resize(alt + befehle.size() - i);
        auto* z = punkte.data() + alt;
        TPoint pos = FLinesEnd;
        std::size_t j = i;
        for (; j < befehle.size(); ++j) {
            const TGraphBefehl& c = befehle[j];
            const TPoint to{c.A, c.B};
            if (c.Art != TGraphBefehl::LineTo)
                break;
            if (to == pos)
                continue;
            if (weg(pos, to))
                break;
            if constexpr (std::is_same_v<std::remove_cvref_t<decltype(*z)>, QPointF>)
                *z++ = QPointF(to.X, to.Y);
            else
                *z++ = to;
            pos = to;
        }
        punkte.resize(static_cast<std::size_t>(z - punkte.data()));
        FPenPos = FLinesEnd = pos;
        return j - 1;
    };
    for (std::size_t i = 0; i < befehle.size(); ++i) {
        const TGraphBefehl& b = befehle[i];
        const TPoint to{b.A, b.B};
        if (b.Art != TGraphBefehl::LineTo || klar || to == FPenPos) {
            FPenPos = to;
            continue;
        }
        const TPoint from = FPenPos;
        FPenPos = to;
        if (FListe && weg(from, to)) {
            if (FLinesSelbst || FLinesListe)
                FlushLines();
            continue;
        }
        if ((FLinesSelbst || FLinesListe) && FListe && FLinesEnd == from && FLinesPen == Pen) {
            i = FLinesSelbst ? weiter(FKette, i) : weiter(FListe->Punkte, i);
            continue;
        }
        DoLine(from, to);
    }
}

namespace {

// The rows a shape with this box and pen may reach.
std::pair<double, double> Zeilen(TRect r, const TPen& pen)
{
    const double rand = std::abs(static_cast<double>(pen.Width)) + 2.0;
    return {r.Top - rand, r.Bottom + rand};
}

}  // namespace

void TPainterCanvas::DoRectangle(TRect r)
{
    FlushLines();
    if (Aufzeichnen()) {
        const TBefehl b = Kasten(TBefehl::Rechteck, PasstQRect(r), Zustand(Pen, Brush), r);
        const auto [oben, unten] = Zeilen(r, Pen);
        FListe->Verteilen(b, oben, unten);
        return;
    }
    QPainter* p = Painter();
    if (!p)
        return;
    ApplyPen();
    ApplyBrush();
    if (IsIdentityMapping() && PasstQRect(r)) {
        // GDI covers Left..Right-1; Qt strokes one pixel beyond the rect.
        p->drawRect(QRect(r.Left, r.Top, r.Right - r.Left - 1, r.Bottom - r.Top - 1));
    } else {
        p->drawRect(MapRect(r));
    }
}

void TPainterCanvas::DoRoundRect(TRect r, int w, int h)
{
    FlushLines();
    if (Aufzeichnen()) {
        const TBefehl b{TBefehl::RundRechteck, PasstQRect(r), Zustand(Pen, Brush), r.Left, r.Top, r.Right, r.Bottom,
                        static_cast<std::uint32_t>(w), static_cast<std::uint32_t>(h)};
        const auto [oben, unten] = Zeilen(r, Pen);
        FListe->Verteilen(b, oben, unten);
        return;
    }
    QPainter* p = Painter();
    if (!p)
        return;
    ApplyPen();
    ApplyBrush();
    if (IsIdentityMapping() && PasstQRect(r)) {
        p->drawRoundedRect(QRect(r.Left, r.Top, r.Right - r.Left - 1, r.Bottom - r.Top - 1), w / 2.0, h / 2.0);
    } else {
        p->drawRoundedRect(MapRect(r), std::abs(w * FSx) / 2.0, std::abs(h * FSy) / 2.0);
    }
}

void TPainterCanvas::DoEllipse(TRect r)
{
    FlushLines();
    if (Aufzeichnen()) {
        if (EllipseAusVorrat(r))
            return;
        const TBefehl b = Kasten(TBefehl::Ellipse, PasstQRect(r), Zustand(Pen, Brush), r);
        const auto [oben, unten] = Zeilen(r, Pen);
        FListe->Verteilen(b, oben, unten);
        return;
    }
    QPainter* p = Painter();
    if (!p)
        return;
    ApplyPen();
    ApplyBrush();
    if (IsIdentityMapping() && PasstQRect(r)) {
        p->drawEllipse(QRect(r.Left, r.Top, r.Right - r.Left - 1, r.Bottom - r.Top - 1));
    } else {
        p->drawEllipse(MapRect(r));
    }
}

void TPainterCanvas::DoPolygon(const std::vector<TPoint>& points, bool closed)
{
    FlushLines();
    if (Aufzeichnen()) {
        TListe& l = *FListe;
        const TBefehl b{TBefehl::Vieleck, false, Zustand(Pen, Brush), 0, 0, closed ? 1 : 0, 0,
                  static_cast<std::uint32_t>(l.Punkte.size()), static_cast<std::uint32_t>(points.size())};
        double oben = HUGE_VAL, unten = -HUGE_VAL;
        for (const TPoint& pt : points) {
            l.Punkte.emplace_back(pt.X, pt.Y);
            oben = std::min<double>(oben, pt.Y);
            unten = std::max<double>(unten, pt.Y);
        }
        const double rand = std::abs(static_cast<double>(Pen.Width)) + 2.0;
        l.Verteilen(b, oben - rand, unten + rand);
        return;
    }
    QPainter* p = Painter();
    if (!p)
        return;
    ApplyPen();
    QPolygonF poly;
    for (const TPoint& pt : points)
        poly << Map(pt);
    if (closed) {
        ApplyBrush();
        p->drawPolygon(poly, Qt::OddEvenFill);
    } else {
        p->drawPolyline(poly);
    }
}

bool TPainterCanvas::EllipseAusVorrat(TRect r)
{
    // Small ellipses come by the thousand (the discs of a family of graphs)
    // and QPainter builds each from curves. The same ellipse with the same
    // pen and brush has the same pixels wherever it stands, so it is painted
    // once into a transparent picture and then copied. Only with a plain
    // brush, whose fill does not depend on the position.
    constexpr int Groesste = 64;
    // Corners may lie anywhere in the int range: sizes and offsets are
    // worked out in 64 bits.
    const std::int64_t w64 = std::int64_t{r.Right} - r.Left;
    const std::int64_t h64 = std::int64_t{r.Bottom} - r.Top;
    if (w64 < 1 || h64 < 1 || w64 > Groesste || h64 > Groesste || std::abs(std::int64_t{Pen.Width}) > Groesste)
        return false;
    const int w = static_cast<int>(w64);
    const int h = static_cast<int>(h64);
    const int rand = std::abs(Pen.Width) + 2;
    // Beyond the int range the picture's corner cannot be given: such an
    // ellipse, far outside every device, is left to the painter.
    const std::int64_t x0 = std::int64_t{r.Left} - rand;
    const std::int64_t y0 = std::int64_t{r.Top} - rand;
    if ((Brush.Style != TBrushStyle::Solid && Brush.Style != TBrushStyle::Clear) ||
        x0 < std::numeric_limits<std::int32_t>::min() || y0 < std::numeric_limits<std::int32_t>::min())
        return false;
    auto it = std::find_if(FEllipsen.begin(), FEllipsen.end(), [&](const TEllipsenBild& e) {
        return e.W == w && e.H == h && e.Stift == Pen && e.Pinsel == Brush;
    });
    if (it == FEllipsen.end()) {
        if (FEllipsen.size() >= 32)
            FEllipsen.erase(FEllipsen.begin());
        TEllipsenBild e{w, h, rand, Pen, Brush, QImage(w + 2 * rand, h + 2 * rand, QImage::Format_ARGB32_Premultiplied), nullptr};
        e.Bild.fill(Qt::transparent);
        {
            QPainter q(&e.Bild);  // ended before the picture moves
            q.setPen(MakePen(Pen));
            q.setBrush(ToQBrush(Brush));
            q.drawEllipse(QRect(rand, rand, w - 1, h - 1));
        }
        e.Deckung = std::make_shared<const TDeckung>(e.Bild);
        ++FZaehlung.Ellipsenbilder;
        FEllipsen.push_back(std::move(e));
        it = FEllipsen.end() - 1;
    }
    TListe& l = *FListe;
    // One copy of the picture per list, shared by the ellipses that use it.
    if (l.Bilder.empty() || l.Deckungen.empty() || l.Bilder.back().cacheKey() != it->Bild.cacheKey()) {
        l.Bilder.push_back(it->Bild);
        l.Deckungen.push_back(it->Deckung);
    }
    const TBefehl b{TBefehl::EllipseBild, false, 0, static_cast<std::int32_t>(x0), static_cast<std::int32_t>(y0),
                    static_cast<std::int32_t>(l.Deckungen.size() - 1), 0, static_cast<std::uint32_t>(l.Bilder.size() - 1), 0};
    l.Verteilen(b, static_cast<double>(y0), static_cast<double>(y0) + it->Bild.height());
    return true;
}

void TPainterCanvas::DoFillRect(TRect r)
{
    FlushLines();
    if (Aufzeichnen()) {
        const TBefehl b = Kasten(TBefehl::Flaeche, false, Zustand(Pen, Brush), r);
        FListe->Verteilen(b, r.Top - 1.0, r.Bottom + 1.0);
        return;
    }
    QPainter* p = Painter();
    if (!p)
        return;
    p->fillRect(MapRect(r), ToQBrush(Brush));
}

void TPainterCanvas::DoTextOut(TPoint at, const QString& text)
{
    FlushLines();
    const bool liste = Aufzeichnen();
    if (!liste && !FPainter)
        return;
    const QFont f = MakeFont();
    const QFontMetricsF fm(f);
    const QPointF d = Map(at);
    const QRectF zelle(d.x(), d.y(), std::ceil(fm.horizontalAdvance(text)), std::ceil(fm.height()));
    const QPointF grundlinie(d.x(), d.y() + fm.ascent());
    if (liste) {
        TListe& l = *FListe;
        l.Texte.push_back(
            {text, Font, FontDpi(), FTextGlatt, grundlinie, Brush.Style == TBrushStyle::Solid, zelle, ToQColor(Brush.Color),
             ToQColor(Font.Color)});
        const TBefehl b{TBefehl::Text, false, 0, at.X, at.Y, 0, 0, static_cast<std::uint32_t>(l.Texte.size() - 1), 0};
        // Glyphs may reach beyond the cell (accents, italics): a band more
        // than the cell is given the text too.
        l.Verteilen(b, zelle.top() - zelle.height() - 2, zelle.bottom() + zelle.height() + 2);
        return;
    }
    QPainter* p = FPainter.get();
    p->setFont(f);
    if (Brush.Style == TBrushStyle::Solid)
        p->fillRect(zelle, ToQColor(Brush.Color));
    p->setPen(ToQColor(Font.Color));
    FPenValid = false;
    p->drawText(grundlinie, text);
}

QSize TPainterCanvas::DoTextExtent(const QString& text)
{
    const QFontMetricsF fm(MakeFont());
    const double sx = std::abs(FSx) > 0 ? std::abs(FSx) : 1.0;
    const double sy = std::abs(FSy) > 0 ? std::abs(FSy) : 1.0;
    return QSize(static_cast<int>(std::ceil(fm.horizontalAdvance(text) / sx)), static_cast<int>(std::ceil(fm.height() / sy)));
}

void TPainterCanvas::DoDraw(TRect target, const QImage& image)
{
    const bool kopie = target.Right - target.Left == image.width() && target.Bottom - target.Top == image.height();
    BildMalen(target, image, kopie ? 1 : 0);
}

void TPainterCanvas::DoDrawOver(TPoint at, const QImage& image)
{
    BildMalen(TRect{at.X, at.Y, at.X + image.width(), at.Y + image.height()}, image, 2);
}

// art 0: stretched into the target; 1: a plain copy; 2: the opaque pixels.
void TPainterCanvas::BildMalen(TRect target, const QImage& image, int art)
{
    FlushLines();
    if (Aufzeichnen()) {
        TListe& l = *FListe;
        l.Bilder.push_back(image);
        const TBefehl b{TBefehl::Bild, false, 0, target.Left, target.Top, target.Right, target.Bottom,
                        static_cast<std::uint32_t>(l.Bilder.size() - 1), static_cast<std::uint32_t>(art)};
        l.Verteilen(b, std::min(target.Top, target.Bottom) - 1.0, std::max(target.Top, target.Bottom) + 1.0);
        return;
    }
    QPainter* p = Painter();
    if (!p)
        return;
    if (art == 2) {
        p->drawImage(Map(TPoint{target.Left, target.Top}), image);
    } else if (IsIdentityMapping() && art == 1) {
        // A plain copy: source pixels replace the target's.
        p->setCompositionMode(QPainter::CompositionMode_Source);
        p->drawImage(QPoint(target.Left, target.Top), image);
        p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    } else {
        p->drawImage(MapRect(target), image);
    }
}

void TPainterCanvas::DoClipChanged()
{
    FlushLines();
    if (FListe) {
        FListe->Allen(TBefehl{TBefehl::Clip, false, 0, FClip.Left, FClip.Top, FClip.Right, FClip.Bottom, FHasClip ? 1u : 0u, 0});
        return;
    }
    if (!FPainter)
        return;
    if (FHasClip)
        FPainter->setClipRect(MapRect(FClip));
    else
        FPainter->setClipping(false);
}

// ---------------------------------------------------------------------------
// TImageCanvas

TImageCanvas::TImageCanvas(QImage* image) : FImage(image) {}

TImageCanvas::~TImageCanvas()
{
    Flush();
}

void TImageCanvas::SetImage(QImage* image)
{
    Flush();
    FImage = image;
}

int TImageCanvas::Width() const
{
    return FImage ? FImage->width() : 0;
}

int TImageCanvas::Height() const
{
    return FImage ? FImage->height() : 0;
}

QPaintDevice* TImageCanvas::Device()
{
    if (!FImage || FImage->isNull())
        return nullptr;
    return FImage;
}

QImage MakeScreenImage(int width, int height)
{
    QImage img(std::max(1, width), std::max(1, height), QImage::Format_RGB32);
    img.fill(Qt::white);
    // 96 dpi, the resolution that font point sizes are measured in.
    img.setDotsPerMeterX(3780);
    img.setDotsPerMeterY(3780);
    return img;
}

// ---------------------------------------------------------------------------
// TBildspeicher

struct TBildspeicher::TSatz {
    QImage Ganz;  // owns the pixels, at the set's full size
};

TBildspeicher::TBildspeicher() = default;
TBildspeicher::~TBildspeicher() = default;

void TBildspeicher::Freistellen(QImage& bild, int w, int h)
{
    w = std::max(1, w);
    h = std::max(1, h);
    // The set whose pixels `bild` shows, if any.
    const auto zeigt = [&](const std::shared_ptr<TSatz>& s) { return s && !bild.isNull() && bild.constBits() == s->Ganz.constBits(); };
    // Free: no picture but `bild` (unshared) shows its pixels. The store
    // holds one reference, and each picture made from it one more.
    const auto frei = [&](const std::shared_ptr<TSatz>& s) {
        return s && (s.use_count() == 1 || (s.use_count() == 2 && zeigt(s) && bild.isDetached()));
    };
    const auto passt = [&](const std::shared_ptr<TSatz>& s) { return s->Ganz.width() >= w && s->Ganz.height() >= h; };
    for (const auto& s : FSaetze)
        if (zeigt(s) && frei(s) && bild.width() == w && bild.height() == h)
            return;
    // Its own set first, then the other.
    std::size_t k = zeigt(FSaetze[1]) ? 1 : 0;
    if (!(frei(FSaetze[k]) && passt(FSaetze[k])))
        k = 1 - k;
    if (!(frei(FSaetze[k]) && passt(FSaetze[k]))) {
        // A new set, an eighth larger than asked on each side, in the place
        // of one that is not shown (or, when both are, of the first: its
        // pictures keep their pixels alive).
        k = frei(FSaetze[0]) || !FSaetze[0] ? 0 : frei(FSaetze[1]) || !FSaetze[1] ? 1 : 0;
        auto satz = std::make_shared<TSatz>();
        satz->Ganz = MakeScreenImage(w + w / 8 + 8, h + h / 8 + 8);
        if (satz->Ganz.isNull())
            return;
        FSaetze[k] = std::move(satz);
    }
    // The picture holds a reference to its set for as long as it and its
    // copies live.
    auto* halter = new std::shared_ptr<TSatz>(FSaetze[k]);
    QImage& ganz = FSaetze[k]->Ganz;
    bild = QImage(
        ganz.bits(), w, h, ganz.bytesPerLine(), QImage::Format_RGB32,
        [](void* h) { delete static_cast<std::shared_ptr<TSatz>*>(h); }, halter);
    bild.setDotsPerMeterX(3780);
    bild.setDotsPerMeterY(3780);
}

// ---------------------------------------------------------------------------
// TRecordingCanvas

TRecordingCanvas::TRecordingCanvas(int width, int height, bool printer) : FWidth(width), FHeight(height), FPrinter(printer) {}

TRecordingCanvas::~TRecordingCanvas() = default;

std::vector<TRecordingCanvas::TOp> TRecordingCanvas::OpsOf(TOpKind kind) const
{
    std::vector<TOp> r;
    for (const TOp& op : FOps)
        if (op.Kind == kind)
            r.push_back(op);
    return r;
}

TRecordingCanvas::TOp TRecordingCanvas::Make(TOpKind kind) const
{
    TOp op;
    op.Kind = kind;
    op.Pen = Pen;
    op.Brush = Brush;
    op.Font = Font;
    op.Clipped = FHasClip;
    op.Clip = FClip;
    return op;
}

void TRecordingCanvas::DoLine(TPoint from, TPoint to)
{
    TOp op = Make(TOpKind::Line);
    op.Points = {from, to};
    FOps.push_back(std::move(op));
}

void TRecordingCanvas::DoRectangle(TRect r)
{
    TOp op = Make(TOpKind::Rectangle);
    op.Rect = r;
    FOps.push_back(std::move(op));
}

void TRecordingCanvas::DoRoundRect(TRect r, int w, int h)
{
    TOp op = Make(TOpKind::RoundRect);
    op.Rect = r;
    op.W = w;
    op.H = h;
    FOps.push_back(std::move(op));
}

void TRecordingCanvas::DoEllipse(TRect r)
{
    TOp op = Make(TOpKind::Ellipse);
    op.Rect = r;
    FOps.push_back(std::move(op));
}

void TRecordingCanvas::DoPolygon(const std::vector<TPoint>& points, bool closed)
{
    TOp op = Make(closed ? TOpKind::Polygon : TOpKind::Polyline);
    op.Points = points;
    FOps.push_back(std::move(op));
}

void TRecordingCanvas::DoFillRect(TRect r)
{
    TOp op = Make(TOpKind::FillRect);
    op.Rect = r;
    FOps.push_back(std::move(op));
}

void TRecordingCanvas::DoTextOut(TPoint at, const QString& text)
{
    TOp op = Make(TOpKind::Text);
    const QSize s = DoTextExtent(text);
    op.Points = {at};
    op.Rect = TRect{at.X, at.Y, at.X + s.width(), at.Y + s.height()};
    op.Text = text;
    FOps.push_back(std::move(op));
}

QSize TRecordingCanvas::DoTextExtent(const QString& text)
{
    const QFontMetricsF fm(MakeQFont(Font, 96.0));
    return QSize(static_cast<int>(std::ceil(fm.horizontalAdvance(text))), static_cast<int>(std::ceil(fm.height())));
}

void TRecordingCanvas::DoDraw(TRect target, const QImage& /*image*/)
{
    TOp op = Make(TOpKind::Draw);
    op.Rect = target;
    FOps.push_back(std::move(op));
}
