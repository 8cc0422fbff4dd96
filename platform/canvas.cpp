#include "platform/canvas.h"

#include <QFontMetricsF>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
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

QFont MakeQFont(const TFont& f, double dpi)
{
    QFont q(f.Name);
    q.setStyleHint(QFont::SansSerif);
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
    uchar* Bits = nullptr;
    qsizetype Bpl = 0;
    int L = 0, T = 0, R = 0, B = 0;  // writable pixels: L <= x < R, T <= y < B
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

}  // namespace

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
// TPainterCanvas

TPainterCanvas::~TPainterCanvas() = default;

void TPainterCanvas::Flush()
{
    FlushLines();
    if (FPainter) {
        FPainter->end();
        FPainter.reset();
    }
    FDevice = nullptr;
    FBits = nullptr;
}

void TPainterCanvas::SetMapping(double sx, double sy, double ox, double oy)
{
    FSx = sx;
    FSy = sy;
    FOx = ox;
    FOy = oy;
    FlushLines();
    FPenValid = false;
    if (FPainter)
        DoClipChanged();
}

QPainter* TPainterCanvas::Painter()
{
    if (FPainter)
        return FPainter.get();
    QPaintDevice* d = Device();
    if (!d)
        return nullptr;
    FPainter = std::make_unique<QPainter>();
    if (!FPainter->begin(d)) {
        FPainter.reset();
        return nullptr;
    }
    FPainter->setRenderHint(QPainter::Antialiasing, false);
    FPainter->setRenderHint(QPainter::TextAntialiasing, true);
    FPenValid = false;
    FBrushValid = false;
    FDevice = d;
    FBits = nullptr;
    if (d->devType() == QInternal::Image) {
        auto* img = static_cast<QImage*>(d);
        const QImage::Format f = img->format();
        // The painter has already detached the image, so these are the
        // pixels it paints into as well.
        const bool format = f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 || f == QImage::Format_ARGB32_Premultiplied;
        if (format && img->devicePixelRatio() == 1.0) {
            FBits = img->bits();
            FBpl = img->bytesPerLine();
        }
    }
    SchreibbereichSetzen();
    if (FHasClip)
        FPainter->setClipRect(MapRect(FClip));
    return FPainter.get();
}

void TPainterCanvas::SchreibbereichSetzen()
{
    if (!FDevice)
        return;
    FSchreibL = 0;
    FSchreibT = 0;
    FGeraetB = FDevice->width();
    FGeraetH = FDevice->height();
    FSchreibR = FGeraetB;
    FSchreibB = FGeraetH;
    if (FHasClip && IsIdentityMapping()) {
        FSchreibL = std::max(FSchreibL, FClip.Left);
        FSchreibT = std::max(FSchreibT, FClip.Top);
        FSchreibR = std::min(FSchreibR, FClip.Right);
        FSchreibB = std::min(FSchreibB, FClip.Bottom);
    }
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
    FPainter->setPen(MakePen());
    FAppliedPen = Pen;
    FPenValid = true;
}

QPen TPainterCanvas::MakePen() const
{
    QPen p;
    if (Pen.Style == TPenStyle::Clear) {
        p = QPen(Qt::NoPen);
    } else {
        p.setColor(ToQColor(Pen.Color));
        const double w = std::abs(Pen.Width * FSx);
        const bool thin = !(w > HaarlinienBreite());
        if (thin) {
            // One device pixel whatever the scale. Square caps draw both
            // end pixels; FlushLines leaves out the last one, as GDI does.
            p.setWidth(0);
            p.setCosmetic(true);
            p.setCapStyle(Qt::SquareCap);
        } else {
            // Round ends as GDI's wide pens have. Curves arrive as
            // polylines of one segment per device unit, where mitred joins
            // look the same as round ones and cost far less.
            p.setWidthF(w);
            p.setCapStyle(Qt::RoundCap);
            p.setJoinStyle(Qt::MiterJoin);
        }
        // Styled lines exist only for thin pens; a wide pen draws solid.
        if (thin && Pen.Style != TPenStyle::Solid) {
            QList<qreal> pattern;
            switch (Pen.Style) {
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
    return MakeQFont(Font, FontDpi());
}

void TPainterCanvas::FlushLines()
{
    if (FLinesSelbst) {
        FLinesSelbst = false;
        const std::size_t n = FKette.size();
        if (n >= 2 && FPainter && FBits) {
            const double r = std::abs(FLinesPen.Width * FSx) / 2.0;
            const TKapselZiel z{FBits, FBpl, FSchreibL, FSchreibT, FSchreibR, FSchreibB};
            const QRgb farbe = 0xFF000000u | ToQColor(FLinesPen.Color).rgb();
            const auto punkt = [](TPoint p) { return QPointF(p.X, p.Y); };
            const auto Schritt = [](TPoint a, TPoint b) {
                return std::pair<std::int64_t, std::int64_t>(std::int64_t{b.X} - a.X, std::int64_t{b.Y} - a.Y);
            };
            // Consecutive steps of the same size and direction (a curve's
            // flat or straight stretches) lie on one straight line, and
            // their swaths together are the swath of the whole stretch: one
            // fill instead of one per step.
            std::size_t von = 0;
            for (std::size_t i = 1; i < n; ++i) {
                if (i + 1 < n && Schritt(FKette[i], FKette[i + 1]) == Schritt(FKette[i - 1], FKette[i]))
                    continue;
                FuelleKapsel(z, punkt(FKette[von]), punkt(FKette[i]), r, farbe);
                von = i;
            }
        }
        FKette.clear();
        return;
    }
    const qsizetype n = FLines.size();
    if (n < 2 || !FPainter) {
        FLines.clear();
        return;
    }
    if (FLinesPixelGenau) {
        // A thin line on a pixel device ends one pixel short of its end
        // point, so a polyline never paints a joint or an end twice.
        const QPointF a = FLines[n - 2];
        const QPointF b = FLines[n - 1];
        const double dx = b.x() - a.x();
        const double dy = b.y() - a.y();
        const double schritte = std::max(std::abs(dx), std::abs(dy));
        if (schritte <= 1.0) {
            FLines.removeLast();
            if (FLines.size() == 1)
                FPainter->drawPoint(FLines[0]);
        } else {
            const double k = (schritte - 1.0) / schritte;
            FLines[n - 1] = QPointF(std::round(a.x() + dx * k), std::round(a.y() + dy * k));
        }
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
    if (Unsichtbar(from, to)) {
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
    QPainter* p = Painter();
    if (!p)
        return;
    FLinesPen = Pen;
    FLinesEnd = to;
    FLinesPixelGenau = IsIdentityMapping() && !(std::abs(Pen.Width * FSx) > 1.0);
    // A run filled here keeps its points as they are and never needs the
    // painter's pen; a dashed curve starts thousands of runs.
    FLinesSelbst = FBits && IsIdentityMapping() && Pen.Style != TPenStyle::Clear && std::abs(Pen.Width * FSx) > 1.0;
    if (FLinesSelbst) {
        FKette.push_back(from);
        FKette.push_back(to);
    } else {
        ApplyPen();
        FLines << Map(from) << Map(to);
    }
}

void TPainterCanvas::DoRectangle(TRect r)
{
    FlushLines();
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
    QPainter* p = Painter();
    if (!p)
        return;
    if (EllipseAusVorrat(r))
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
    QPainter* p = Painter();
    if (!p)
        return;
    ApplyPen();
    QPolygonF poly;
    poly.reserve(static_cast<qsizetype>(points.size()));
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
    // once into a transparent picture and then copied. Only on a 32-bit
    // image at one logical unit per pixel, and only with a plain brush,
    // whose fill does not depend on the position.
    constexpr int Groesste = 64;
    // Corners may lie anywhere in the int range: sizes and offsets are
    // worked out in 64 bits.
    const std::int64_t w64 = std::int64_t{r.Right} - r.Left;
    const std::int64_t h64 = std::int64_t{r.Bottom} - r.Top;
    if (!FBits || !IsIdentityMapping() || w64 < 1 || h64 < 1 || w64 > Groesste || h64 > Groesste ||
        std::abs(std::int64_t{Pen.Width}) > Groesste)
        return false;
    const int w = static_cast<int>(w64);
    const int h = static_cast<int>(h64);
    if (Brush.Style != TBrushStyle::Solid && Brush.Style != TBrushStyle::Clear)
        return false;
    const int rand = std::abs(Pen.Width) + 2;
    auto it = std::find_if(FEllipsen.begin(), FEllipsen.end(), [&](const TEllipsenBild& e) {
        return e.W == w && e.H == h && e.Stift == Pen && e.Pinsel == Brush;
    });
    if (it == FEllipsen.end()) {
        if (FEllipsen.size() >= 32)
            FEllipsen.erase(FEllipsen.begin());
        TEllipsenBild e{w, h, rand, Pen, Brush, QImage(w + 2 * rand, h + 2 * rand, QImage::Format_ARGB32_Premultiplied)};
        e.Bild.fill(Qt::transparent);
        QPainter q(&e.Bild);
        q.setRenderHint(QPainter::Antialiasing, false);
        q.setPen(MakePen());
        q.setBrush(ToQBrush(Brush));
        q.drawEllipse(QRect(rand, rand, w - 1, h - 1));
        q.end();
        FEllipsen.push_back(std::move(e));
        it = FEllipsen.end() - 1;
    }
    // Copies the painted pixels; without antialiasing every pixel is either
    // painted (opaque) or untouched (transparent).
    const QImage& b = it->Bild;
    const std::int64_t x0 = std::int64_t{r.Left} - it->Rand;
    const std::int64_t y0 = std::int64_t{r.Top} - it->Rand;
    const std::int64_t zVon = std::max<std::int64_t>(0, FSchreibT - y0);
    const std::int64_t zBis = std::min<std::int64_t>(b.height(), FSchreibB - y0);
    const std::int64_t sVon = std::max<std::int64_t>(0, FSchreibL - x0);
    const std::int64_t sBis = std::min<std::int64_t>(b.width(), FSchreibR - x0);
    for (std::int64_t zy = zVon; zy < zBis; ++zy) {
        const QRgb* q = reinterpret_cast<const QRgb*>(b.constScanLine(static_cast<int>(zy)));
        QRgb* z = reinterpret_cast<QRgb*>(FBits + (y0 + zy) * FBpl);
        for (std::int64_t sx = sVon; sx < sBis; ++sx)
            if (qAlpha(q[sx]) != 0)
                z[x0 + sx] = q[sx];
    }
    return true;
}

void TPainterCanvas::DoFillRect(TRect r)
{
    FlushLines();
    QPainter* p = Painter();
    if (!p)
        return;
    p->fillRect(MapRect(r), ToQBrush(Brush));
}

void TPainterCanvas::DoTextOut(TPoint at, const QString& text)
{
    FlushLines();
    QPainter* p = Painter();
    if (!p)
        return;
    const QFont f = MakeFont();
    p->setFont(f);
    const QFontMetricsF fm(f);
    const QPointF d = Map(at);
    if (Brush.Style == TBrushStyle::Solid)
        p->fillRect(QRectF(d.x(), d.y(), std::ceil(fm.horizontalAdvance(text)), std::ceil(fm.height())), ToQColor(Brush.Color));
    p->setPen(ToQColor(Font.Color));
    FPenValid = false;
    p->drawText(QPointF(d.x(), d.y() + fm.ascent()), text);
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
    FlushLines();
    QPainter* p = Painter();
    if (!p)
        return;
    const QRectF t = MapRect(target);
    if (IsIdentityMapping() && target.Right - target.Left == image.width() && target.Bottom - target.Top == image.height()) {
        // A plain copy: source pixels replace the target's.
        p->setCompositionMode(QPainter::CompositionMode_Source);
        p->drawImage(QPoint(target.Left, target.Top), image);
        p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    } else {
        p->drawImage(t, image);
    }
}

void TPainterCanvas::DoClipChanged()
{
    FlushLines();
    if (!FPainter)
        return;
    SchreibbereichSetzen();
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
