// The graph window's view: construction of the drawing core, the drawing
// area, and every conversion between pixels, view units, function units and
// printer units.
#include "graph/graphik.h"

#include "engine/zahlen.h"
#include "engine/proben.h"

#include <QCheckBox>
#include <QFont>
#include <QMouseEvent>
#include <QPainter>
#include <QSlider>

#include <cmath>
#include <limits>

// ---------------------------------------------------------------------------
// TPaintBox

TPaintBox::TPaintBox(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PaintBox1"));
    setCursor(Qt::CrossCursor);
    setMouseTracking(true);
    // The front picture covers the whole area; nothing below needs painting.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPaintBox::SetFront(const QImage& image)
{
    FFront = image;
    update();
}

void TPaintBox::paintEvent(QPaintEvent* /*event*/)
{
    QPainter p(this);
    if (FFront.isNull()) {
        p.fillRect(rect(), Qt::white);
        return;
    }
    p.drawImage(QPoint(0, 0), FFront);
    // Anything the picture does not cover (a resize before the next redraw).
    if (FFront.width() < width())
        p.fillRect(QRect(FFront.width(), 0, width() - FFront.width(), height()), Qt::white);
    if (FFront.height() < height())
        p.fillRect(QRect(0, FFront.height(), width(), height() - FFront.height()), Qt::white);
}

void TPaintBox::mousePressEvent(QMouseEvent* event)
{
    if (OnMouseDown)
        OnMouseDown(event);
}

void TPaintBox::mouseMoveEvent(QMouseEvent* event)
{
    if (OnMouseMove)
        OnMouseMove(event);
}

void TPaintBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (OnMouseUp)
        OnMouseUp(event);
}

void TPaintBox::leaveEvent(QEvent* /*event*/)
{
    if (OnMouseLeave)
        OnMouseLeave();
}

// ---------------------------------------------------------------------------
// TGraphik: construction of the drawing core

TGraphik::TGraphik(QWidget* parent, TAnsicht* ansicht) : QWidget(parent), Ansicht(ansicht ? *ansicht : FEigeneAnsicht)
{
    setObjectName(QStringLiteral("Graphik"));
    // The window's font before its controls: set later, it is handed to each
    // control made so far, with a font change for every one.
    QFont schrift(QStringLiteral("Tahoma"));
    schrift.setPointSize(8);
    setFont(schrift);

    PaintBox1 = new TPaintBox(this);
    PaintBox1->resize(10, 10);

    CB2 = new QCheckBox(this);
    CB2->setObjectName(QStringLiteral("CB2"));
    CB2->setChecked(Ansicht.Farbig);

    TrackBar3 = new QSlider(Qt::Horizontal, this);
    TrackBar3->setObjectName(QStringLiteral("TrackBar3"));
    TrackBar3->setRange(0, 4);
    TrackBar3->setValue(3);

    ErzeugeAchsenSteuerung();

    // Small until the first layout sizes them to the drawing area.
    Bild = MakeScreenImage(10, 10);
    Anzeigebild = MakeScreenImage(10, 10);
    BildCanvas = std::make_unique<TImageCanvas>(&Bild);
    AnzeigebildCanvas = std::make_unique<TImageCanvas>(&Anzeigebild);
    BildBreite = 9;
    BildHoehe = 9;
}

TGraphik::~TGraphik()
{
    // The canvases paint on the images: end them first.
    BildCanvas.reset();
    AnzeigebildCanvas.reset();
}

void TGraphik::ResizeBilder()
{
    const int w = std::max(1, PaintBox1->width());
    const int h = std::max(1, PaintBox1->height());
    // A picture of another size keeps its pixels where they have room: the
    // redraw that follows covers them. One that may not be drawn yet is
    // shown as it is, and is white, as a new one is.
    if (Bild.width() != w || Bild.height() != h) {
        BildCanvas->Flush();
        BildVorrat.Freistellen(Bild, w, h);
        if (!ZeichnenErlaubt)
            Bild.fill(Qt::white);
    }
    if (Anzeigebild.width() != w || Anzeigebild.height() != h) {
        AnzeigebildCanvas->Flush();
        AnzeigeVorrat.Freistellen(Anzeigebild, w, h);
        if (!ZeichnenErlaubt)
            Anzeigebild.fill(Qt::white);
    }
    BildBreite = w - 1;
    BildHoehe = h - 1;
}

bool TGraphik::ViewValid() const
{
    return XMax > XMin && YMax > YMin;
}

// ---------------------------------------------------------------------------
// Conversions

double TGraphik::PixelToWorldX(std::int32_t px) const
{
    if (BildBreite == 0)
        return XMin;
    // 64-bit product: a wide view times a large pixel never overflows.
    const std::int64_t prod = (static_cast<std::int64_t>(XMax) - XMin) * px;
    return XMin + static_cast<double>(prod) / BildBreite;
}

double TGraphik::PixelToWorldY(std::int32_t py) const
{
    if (BildHoehe == 0)
        return YMax;
    const std::int64_t prod = (static_cast<std::int64_t>(YMin) - YMax) * py;
    return YMax + static_cast<double>(prod) / BildHoehe;
}

double TGraphik::SnapToStep(double v, int r)
{
    if (!std::isfinite(v))
        return v;
    if (r == 1) {
        const double frac = v - std::trunc(v);  // with the sign of v
        const double a = std::fabs(frac);
        const double res = (a > 0.25 && a < 0.75) ? std::floor(v) + 0.5 : RoundHalfEven(v);
        return res + 0.0;  // no negative zero
    }
    double k = 1.0;
    if (r == 2)
        k = 10.0;
    else if (r == 3)
        k = 100.0;
    else if (r == 4)
        k = 1000.0;
    const double scaled = k * v;
    if (!std::isfinite(scaled))
        return v;
    return RoundHalfEven(scaled) / k + 0.0;
}

double TGraphik::PixelToWorldXSnapped(std::int32_t px) const
{
    return SnapToStep(PixelToWorldX(px) * EinheitX, TrackBar3->value());
}

double TGraphik::PixelToWorldYSnapped(std::int32_t py) const
{
    return SnapToStep(PixelToWorldY(py) * EinheitY, TrackBar3->value());
}

namespace {

constexpr std::int32_t FarAway = 1000000;

}  // namespace

std::int32_t TGraphik::WorldToPrintX(double x) const
{
    return RoundToInt32((static_cast<long double>(x) - XMin + 2.0L / Massstab) * 1000.0L * Massstab);
}

std::int32_t TGraphik::WorldToPrintY(long double y) const
{
    const long double m = DruckMitKopf ? 8.0L : 2.0L;
    return TryRoundToInt32((y - YMax - m / Massstab) * 1000.0L * Massstab).value_or(FarAway);
}

std::int32_t TGraphik::WorldToPrintXUnscaled(double x) const
{
    return RoundToInt32((static_cast<long double>(x) - XMin + 2.0L) * 1000.0L);
}

std::int32_t TGraphik::WorldToPrintYUnscaled(long double y) const
{
    const long double m = DruckMitKopf ? 8.0L : 2.0L;
    return TryRoundToInt32((y - YMax - m) * 1000.0L).value_or(FarAway);
}

std::int32_t TGraphik::MaxInteger(std::int32_t a, std::int32_t b)
{
    return a > b ? a : b;
}

double TGraphik::MaxFloat(double a, double b)
{
    return a > b ? a : b;
}

double TGraphik::MinFloat(double a, double b)
{
    return a > b ? b : a;
}

std::int32_t TGraphik::AxisXdev(double x, double fx, double offX) const
{
    return RoundToInt32((static_cast<long double>(x) - XMin + offX) * fx);
}

std::int32_t TGraphik::AxisYdev(long double y, double fy, double offY) const
{
    return TryRoundToInt32((y - YMax - offY) * fy).value_or(FarAway);
}

std::int32_t TGraphik::PlotXdev(long double x) const
{
    return TPlotAbbildung{XMin, YMax, Plot.ScaleX, Plot.ScaleY, Plot.OffX, Plot.OffY}.Xdev(x);
}

std::optional<std::int32_t> TGraphik::PlotYdev(long double y) const
{
    return TPlotAbbildung{XMin, YMax, Plot.ScaleX, Plot.ScaleY, Plot.OffX, Plot.OffY}.Ydev(y);
}

int TGraphik::PlotPenWidth(int thousandths) const
{
    return RoundToInt32(static_cast<double>(thousandths) * Plot.ScaleX / 1000.0);
}

