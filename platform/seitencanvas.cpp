#include "platform/seitencanvas.h"

#include <QPageLayout>
#include <QPrinter>
#include <QSvgGenerator>

namespace {

// Logical units (0.01 mm) per inch.
constexpr double SeiteProZoll = 2540.0;
// One pixel of the screen that the drawing code measures fonts and dashes in.
constexpr double BildschirmDpi = 96.0;

}  // namespace

// ---------------------------------------------------------------------------
// TPrinterCanvas

TPrinterCanvas::TPrinterCanvas(QPrinter* printer) : FPrinter(printer)
{
    const double d = FPrinter ? FPrinter->resolution() / SeiteProZoll : 1.0;
    SetMapping(d, -d, 0.0, 0.0);
}

TPrinterCanvas::~TPrinterCanvas()
{
    Flush();
}

bool TPrinterCanvas::Beginne()
{
    return Painter() != nullptr;
}

void TPrinterCanvas::NeueSeite()
{
    FlushLines();
    if (FPrinter && Painter())
        FPrinter->newPage();
}

int TPrinterCanvas::Width() const
{
    if (!FPrinter)
        return 0;
    return static_cast<int>(FPrinter->pageLayout().paintRect(QPageLayout::Millimeter).width() * SeiteProMm);
}

int TPrinterCanvas::Height() const
{
    if (!FPrinter)
        return 0;
    return static_cast<int>(FPrinter->pageLayout().paintRect(QPageLayout::Millimeter).height() * SeiteProMm);
}

double TPrinterCanvas::Pixel() const
{
    return FPrinter && FPrinter->resolution() > 0 ? SeiteProZoll / FPrinter->resolution() : 1.0;
}

QPaintDevice* TPrinterCanvas::Device()
{
    return FPrinter;
}

double TPrinterCanvas::FontDpi() const
{
    return FPrinter && FPrinter->resolution() > 0 ? FPrinter->resolution() : 72.0;
}

double TPrinterCanvas::MusterSkala() const
{
    return FontDpi() / BildschirmDpi;
}

// ---------------------------------------------------------------------------
// TSvgCanvas

TSvgCanvas::TSvgCanvas(int breite, int hoehe) : FBreite(breite), FHoehe(hoehe)
{
    FPuffer.open(QIODevice::WriteOnly);
    FGenerator = std::make_unique<QSvgGenerator>();
    FGenerator->setOutputDevice(&FPuffer);
    // One SVG unit per logical unit; at 2540 units per inch the document
    // states its size in millimetres of paper.
    FGenerator->setResolution(static_cast<int>(SeiteProZoll));
    FGenerator->setSize(QSize(breite, hoehe));
    FGenerator->setViewBox(QRect(0, 0, breite, hoehe));
    FGenerator->setTitle(QStringLiteral("Tessaplun 8"));
}

TSvgCanvas::~TSvgCanvas()
{
    Flush();
}

QByteArray TSvgCanvas::Svg()
{
    Flush();
    FFertig = true;
    return FPuffer.data();
}

QPaintDevice* TSvgCanvas::Device()
{
    // Once the document is ended, nothing more is painted into it.
    return FFertig ? nullptr : FGenerator.get();
}

double TSvgCanvas::HaarlinienBreite() const
{
    return SeiteProZoll / BildschirmDpi;
}

double TSvgCanvas::MusterSkala() const
{
    return SeiteProZoll / BildschirmDpi;
}
