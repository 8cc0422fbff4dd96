#include "referenz_canvas.h"

#include "platform/farbe_qt.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

namespace {

QBrush Pinsel(const TBrush& b)
{
    Qt::BrushStyle s = Qt::SolidPattern;
    switch (b.Style) {
    case TBrushStyle::Solid: s = Qt::SolidPattern; break;
    case TBrushStyle::Clear: s = Qt::NoBrush; break;
    case TBrushStyle::Horizontal: s = Qt::HorPattern; break;
    case TBrushStyle::Vertical: s = Qt::VerPattern; break;
    case TBrushStyle::FDiagonal: s = Qt::FDiagPattern; break;
    case TBrushStyle::BDiagonal: s = Qt::BDiagPattern; break;
    case TBrushStyle::Cross: s = Qt::CrossPattern; break;
    case TBrushStyle::DiagCross: s = Qt::DiagCrossPattern; break;
    }
    return QBrush(ToQColor(b.Color), s);
}

QFont Schrift(const TFont& f)
{
    QFont q(f.Name);
    q.setStyleHint(QFont::SansSerif);
    const double px = std::abs(static_cast<double>(f.Size)) * 96.0 / 72.0;
    q.setPixelSize(!(px < 100000.0) ? 100000 : std::max(1, static_cast<int>(std::lround(px))));
    q.setBold((f.Style & 1) != 0);
    q.setItalic((f.Style & 2) != 0);
    q.setUnderline((f.Style & 4) != 0);
    q.setStrikeOut((f.Style & 8) != 0);
    return q;
}

bool PasstQRect(TRect r)
{
    constexpr int Grenze = 1 << 30;
    return r.Left > -Grenze && r.Top > -Grenze && r.Right < Grenze && r.Bottom < Grenze;
}

// The pixels of a wide round pen along segment a-b, worked out pixel by
// pixel, the plain way: a pixel is covered when, on the scan line through
// its centre (less 1/1024) across the segment's shorter extent, it lies
// between the ends of the pen's swath rounded to pixels. A steep segment is
// cut into columns, a flat one into rows.
void Kapsel(uchar* bits, qsizetype bpl, int L, int T, int R, int B, QPointF a, QPointF b, double r, QRgb farbe)
{
    constexpr double Eps = 1.0 / 1024.0;
    const bool steil = std::abs(b.y() - a.y()) > std::abs(b.x() - a.x());
    const double ac = steil ? a.x() : a.y(), av = steil ? a.y() : a.x();
    const double bc = steil ? b.x() : b.y(), bv = steil ? b.y() : b.x();
    const double R2 = r * r, Dc = bc - ac, Dv = bv - av, L2 = Dc * Dc + Dv * Dv, Rl = r * std::sqrt(L2);
    const double Kc = Dc != 0 ? 1.0 / Dc : 0.0, Kv = Dv != 0 ? 1.0 / Dv : 0.0;
    const double cLo = std::ceil(std::min(ac, bc) - r - 0.5 + Eps);
    const double cHi = std::floor(std::max(ac, bc) + r - 0.5 + Eps);
    const int x0 = std::max(L, static_cast<int>(std::floor(std::min(a.x(), b.x()) - r - 1)));
    const int x1 = std::min(R - 1, static_cast<int>(std::ceil(std::max(a.x(), b.x()) + r + 1)));
    const int y0 = std::max(T, static_cast<int>(std::floor(std::min(a.y(), b.y()) - r - 1)));
    const int y1 = std::min(B - 1, static_cast<int>(std::ceil(std::max(a.y(), b.y()) + r + 1)));
    for (int py = y0; py <= y1; ++py) {
        for (int px = x0; px <= x1; ++px) {
            const int scan = steil ? px : py;
            const int quer = steil ? py : px;
            if (scan < cLo || scan > cHi)
                continue;
            const double c = scan + 0.5 - Eps;
            double lo = HUGE_VAL, hi = -HUGE_VAL;
            // The round ends.
            const double ea = c - ac;
            if (const double q = R2 - ea * ea; q >= 0) {
                lo = av - std::sqrt(q);
                hi = av + std::sqrt(q);
            }
            const double eb = c - bc;
            if (const double q = R2 - eb * eb; q >= 0) {
                lo = std::min(lo, bv - std::sqrt(q));
                hi = std::max(hi, bv + std::sqrt(q));
            }
            // The band along the segment: projection within the segment,
            // distance across within r.
            if (L2 > 0) {
                double blo = -HUGE_VAL, bhi = HUGE_VAL;
                const double s0 = ea * Dc;
                if (Dv != 0) {
                    blo = std::min(-s0 * Kv, (L2 - s0) * Kv);
                    bhi = std::max(-s0 * Kv, (L2 - s0) * Kv);
                } else if (s0 < 0 || s0 > L2) {
                    bhi = -HUGE_VAL;
                }
                const double u0 = -ea * Dv;
                if (Dc != 0) {
                    blo = std::max(blo, std::min((-Rl - u0) * Kc, (Rl - u0) * Kc));
                    bhi = std::min(bhi, std::max((-Rl - u0) * Kc, (Rl - u0) * Kc));
                } else if (std::abs(u0) > Rl) {
                    bhi = -HUGE_VAL;
                }
                if (blo <= bhi) {
                    lo = std::min(lo, av + blo);
                    hi = std::max(hi, av + bhi);
                }
            }
            if (lo <= hi && quer >= std::ceil(lo - 0.5 + Eps) && quer <= std::floor(hi - 0.5 + Eps))
                reinterpret_cast<QRgb*>(bits + py * bpl)[px] = farbe;
        }
    }
}

}  // namespace

QPainter* TReferenzCanvas::Painter()
{
    if (FPainter)
        return FPainter.get();
    FPainter = std::make_unique<QPainter>(FImage);
    FPainter->setRenderHint(QPainter::Antialiasing, false);
    FPainter->setRenderHint(QPainter::TextAntialiasing, true);
    FPenValid = FBrushValid = false;
    FBits = FImage->bits();
    FBpl = FImage->bytesPerLine();
    Schreibbereich();
    if (FHasClip)
        FPainter->setClipRect(QRectF(QPointF(FClip.Left, FClip.Top), QPointF(FClip.Right, FClip.Bottom)).normalized());
    return FPainter.get();
}

void TReferenzCanvas::Schreibbereich()
{
    FL = 0, FT = 0, FR = FImage->width(), FB = FImage->height();
    if (FHasClip) {
        FL = std::max(FL, FClip.Left);
        FT = std::max(FT, FClip.Top);
        FR = std::min(FR, FClip.Right);
        FB = std::min(FB, FClip.Bottom);
    }
}

void TReferenzCanvas::Flush()
{
    FlushLines();
    FPainter.reset();
}

QPen TReferenzCanvas::MakePen() const
{
    if (Pen.Style == TPenStyle::Clear)
        return QPen(Qt::NoPen);
    QPen p;
    p.setColor(ToQColor(Pen.Color));
    const int w = std::abs(Pen.Width);
    if (w <= 1) {
        p.setWidth(0);
        p.setCosmetic(true);
        p.setCapStyle(Qt::SquareCap);
        QList<qreal> muster;
        switch (Pen.Style) {
        case TPenStyle::Dash: muster = {18, 6}; break;
        case TPenStyle::Dot: muster = {3, 3}; break;
        case TPenStyle::DashDot: muster = {9, 6, 3, 6}; break;
        case TPenStyle::DashDotDot: muster = {9, 3, 3, 3, 3, 3}; break;
        default: break;
        }
        if (!muster.isEmpty())
            p.setDashPattern(muster);
    } else {
        p.setWidthF(w);
        p.setCapStyle(Qt::RoundCap);
        p.setJoinStyle(Qt::MiterJoin);
    }
    return p;
}

void TReferenzCanvas::ApplyPen()
{
    if (FPenValid && FAppliedPen == Pen)
        return;
    FPainter->setPen(MakePen());
    FAppliedPen = Pen;
    FPenValid = true;
}

void TReferenzCanvas::ApplyBrush()
{
    if (FBrushValid && FAppliedBrush == Brush)
        return;
    FPainter->setBrush(Pinsel(Brush));
    FAppliedBrush = Brush;
    FBrushValid = true;
}

void TReferenzCanvas::FlushLines()
{
    if (FSelbst) {
        FSelbst = false;
        // One capsule per step, each the plain way.
        const double r = std::abs(FLinesPen.Width) / 2.0;
        const QRgb farbe = 0xFF000000u | ToQColor(FLinesPen.Color).rgb();
        for (std::size_t i = 1; i < FKette.size() && FPainter; ++i)
            Kapsel(FBits, FBpl, FL, FT, FR, FB, QPointF(FKette[i - 1].X, FKette[i - 1].Y), QPointF(FKette[i].X, FKette[i].Y),
                   r, farbe);
        FKette.clear();
        return;
    }
    const qsizetype n = FLines.size();
    if (n < 2 || !FPainter) {
        FLines.clear();
        return;
    }
    if (!(std::abs(FLinesPen.Width) > 1)) {
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

void TReferenzCanvas::DoLine(TPoint from, TPoint to)
{
    const double rand = std::abs(Pen.Width) + 2.0;
    const double w = FImage->width() + rand, h = FImage->height() + rand;
    if ((from.X < -rand && to.X < -rand) || (from.X > w && to.X > w) || (from.Y < -rand && to.Y < -rand) ||
        (from.Y > h && to.Y > h)) {
        FlushLines();
        return;
    }
    if (FEnde == from && (FSelbst || !FLines.isEmpty()) && FLinesPen == Pen) {
        if (FSelbst)
            FKette.push_back(to);
        else
            FLines << QPointF(to.X, to.Y);
        FEnde = to;
        return;
    }
    FlushLines();
    Painter();
    FLinesPen = Pen;
    FEnde = to;
    FSelbst = Pen.Style != TPenStyle::Clear && std::abs(Pen.Width) > 1;
    if (FSelbst) {
        FKette = {from, to};
    } else {
        ApplyPen();
        FLines << QPointF(from.X, from.Y) << QPointF(to.X, to.Y);
    }
}

void TReferenzCanvas::DoRectangle(TRect r)
{
    FlushLines();
    QPainter* p = Painter();
    ApplyPen();
    ApplyBrush();
    if (PasstQRect(r))
        p->drawRect(QRect(r.Left, r.Top, r.Right - r.Left - 1, r.Bottom - r.Top - 1));
    else
        p->drawRect(QRectF(QPointF(r.Left, r.Top), QPointF(r.Right, r.Bottom)));
}

void TReferenzCanvas::DoRoundRect(TRect r, int w, int h)
{
    FlushLines();
    QPainter* p = Painter();
    ApplyPen();
    ApplyBrush();
    p->drawRoundedRect(QRect(r.Left, r.Top, r.Right - r.Left - 1, r.Bottom - r.Top - 1), w / 2.0, h / 2.0);
}

void TReferenzCanvas::DoEllipse(TRect r)
{
    FlushLines();
    QPainter* p = Painter();
    ApplyPen();
    ApplyBrush();
    if (PasstQRect(r))
        p->drawEllipse(QRect(r.Left, r.Top, r.Right - r.Left - 1, r.Bottom - r.Top - 1));
    else
        p->drawEllipse(QRectF(QPointF(r.Left, r.Top), QPointF(r.Right, r.Bottom)));
}

void TReferenzCanvas::DoPolygon(const std::vector<TPoint>& points, bool closed)
{
    FlushLines();
    QPainter* p = Painter();
    ApplyPen();
    QPolygonF poly;
    for (const TPoint& pt : points)
        poly << QPointF(pt.X, pt.Y);
    if (closed) {
        ApplyBrush();
        p->drawPolygon(poly, Qt::OddEvenFill);
    } else {
        p->drawPolyline(poly);
    }
}

void TReferenzCanvas::DoFillRect(TRect r)
{
    FlushLines();
    Painter()->fillRect(QRectF(QPointF(r.Left, r.Top), QPointF(r.Right, r.Bottom)), Pinsel(Brush));
}

void TReferenzCanvas::DoTextOut(TPoint at, const QString& text)
{
    FlushLines();
    QPainter* p = Painter();
    const QFont f = Schrift(Font);
    p->setFont(f);
    const QFontMetricsF fm(f);
    if (Brush.Style == TBrushStyle::Solid)
        p->fillRect(QRectF(at.X, at.Y, std::ceil(fm.horizontalAdvance(text)), std::ceil(fm.height())), ToQColor(Brush.Color));
    p->setPen(ToQColor(Font.Color));
    FPenValid = false;
    p->drawText(QPointF(at.X, at.Y + fm.ascent()), text);
}

QSize TReferenzCanvas::DoTextExtent(const QString& text)
{
    const QFontMetricsF fm(Schrift(Font));
    return QSize(static_cast<int>(std::ceil(fm.horizontalAdvance(text))), static_cast<int>(std::ceil(fm.height())));
}

void TReferenzCanvas::DoDraw(TRect target, const QImage& image)
{
    FlushLines();
    QPainter* p = Painter();
    if (target.Right - target.Left == image.width() && target.Bottom - target.Top == image.height()) {
        p->setCompositionMode(QPainter::CompositionMode_Source);
        p->drawImage(QPoint(target.Left, target.Top), image);
        p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    } else {
        p->drawImage(QRectF(QPointF(target.Left, target.Top), QPointF(target.Right, target.Bottom)).normalized(), image);
    }
}

void TReferenzCanvas::DoClipChanged()
{
    FlushLines();
    if (!FPainter)
        return;
    Schreibbereich();
    if (FHasClip)
        FPainter->setClipRect(QRectF(QPointF(FClip.Left, FClip.Top), QPointF(FClip.Right, FClip.Bottom)).normalized());
    else
        FPainter->setClipping(false);
}
