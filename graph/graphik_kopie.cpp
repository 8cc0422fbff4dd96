// The picture on the clipboard, at its size on paper: a bitmap of 130
// pixels per cm, or a vector picture (SVG) whose grid, axes and labels are
// vectors and whose graphs and objects are that bitmap stretched in.
#include "graph/graphik.h"

#include "engine/druckseite.h"
#include "engine/zahlen.h"
#include "tools/kopier_dlg.h"
#include "platform/dialoge.h"
#include "platform/seitencanvas.h"
#include "platform/sprache.h"
#include "platform/zwischenablage.h"

#include <QPainter>

#include <cstdint>
#include <QRadioButton>
#include <QSvgRenderer>

namespace {

constexpr int ZeileBildZuGross = 574;
const QString KopierFehler = QStringLiteral("Fehler beim Kopieren!");

// A bitmap canvas whose texts are not smoothed: the picture keeps the few
// colours it is drawn in, so the 8-bit palette holds them exactly.
class TKopieCanvas : public TImageCanvas {
public:
    explicit TKopieCanvas(QImage* bild) : TImageCanvas(bild) { SetTextAntialiasing(false); }
};

// White becomes the transparent colour of a palette picture.
void WeissDurchsichtig(QImage& bild)
{
    QList<QRgb> farben = bild.colorTable();
    for (QRgb& f : farben)
        if ((f & 0x00FFFFFFu) == 0x00FFFFFFu)
            f = qRgba(255, 255, 255, 0);
    bild.setColorTable(farben);
}

}  // namespace

std::optional<QImage> TGraphik::KopieBitmap(bool mitKoordinaten)
{
    const TBildGroesse g = BitmapGroesse(XMin, YMax, XMax, YMin, Massstab);
    if (!ViewValid() || BildZuGross(g))
        return std::nullopt;
    QImage arbeit = MakeScreenImage(static_cast<int>(g.Breite), static_cast<int>(g.Hoehe));
    if (arbeit.isNull() || arbeit.width() != g.Breite || arbeit.height() != g.Hoehe)
        return std::nullopt;

    // The screen's mappings are put back afterwards: the screen picture and
    // the tools that read them are not touched by a copy.
    const TPlotMapping plot = Plot;
    const TTextAbbildung text = TextAbbildung;
    {
        const double f = BitmapPixelProCm * Massstab;
        TKopieCanvas c(&arbeit);
        if (mitKoordinaten)
            DrawCoordinateSystem(c, f, -f);
        DrawGraphs(c, f, f, 0.0, 0.0);
        if (mitKoordinaten)
            DrawLabels(c, f, -f);
    }  // (the canvas hands its last strokes to the picture as it ends)
    Plot = plot;
    TextAbbildung = text;

    QImage bild = Farbig()
                      ? arbeit.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither)
                      : arbeit.convertToFormat(QImage::Format_Mono, Qt::MonoOnly | Qt::ThresholdDither);
    if (bild.isNull())
        return std::nullopt;
    WeissDurchsichtig(bild);
    // 130 pixels per cm of paper, in inch mode too.
    bild.setDotsPerMeterX(BitmapPunkteProMeter);
    bild.setDotsPerMeterY(BitmapPunkteProMeter);
    return bild;
}

QByteArray TGraphik::KopieSvg(const QImage& graphen)
{
    const TBildGroesse g = VektorbildGroesse(XMin, YMax, XMax, YMin, Massstab);
    // Its size is only a number in the document; the bitmap in it has
    // passed its own check.
    if (!ViewValid() || g.Breite > INT32_MAX || g.Hoehe > INT32_MAX)
        return {};
    const TTextAbbildung text = TextAbbildung;
    const double f = 1000.0 * Massstab;
    TSvgCanvas c(static_cast<int>(g.Breite), static_cast<int>(g.Hoehe));
    DrawCoordinateSystem(c, f, -f);
    const double breite = static_cast<double>(std::int64_t{XMax} - XMin);
    const double hoehe = static_cast<double>(std::int64_t{YMax} - YMin);
    c.StretchDraw(TRect{0, 0, RoundToInt32(breite * f), RoundToInt32(hoehe * f)}, graphen);
    DrawLabels(c, f, -f);
    TextAbbildung = text;
    return c.Svg();
}

void TGraphik::Button1Click()
{
    if (!ViewValid())
        return;
    // The bitmap when the copy dialog chooses it, the vector picture else.
    const bool bitmap = !KopierDlg || KopierDlg->Bitmap();
    const std::optional<QImage> bild = KopieBitmap(bitmap);
    if (!bild) {
        ShowMessage(Txt(ZeileBildZuGross));
        return;
    }
    bool kopiert = false;
    if (bitmap) {
        kopiert = Zwischenablage().Bild(*bild);
    } else {
        const QByteArray svg = KopieSvg(*bild);
        // Beside it the same picture as a bitmap of 130 pixels per cm, for
        // programs that take no vector pictures.
        const TBildGroesse v = VektorbildGroesse(XMin, YMax, XMax, YMin, Massstab);
        QImage png(static_cast<int>(RoundToInt64(v.Breite * 0.13)), static_cast<int>(RoundToInt64(v.Hoehe * 0.13)),
                   QImage::Format_RGB32);
        if (!svg.isEmpty() && !png.isNull()) {
            png.fill(Qt::white);
            QSvgRenderer renderer(svg);
            QPainter p(&png);
            renderer.render(&p);
            p.end();
            png.setDotsPerMeterX(BitmapPunkteProMeter);
            png.setDotsPerMeterY(BitmapPunkteProMeter);
            kopiert = Zwischenablage().Vektorbild(svg, png);
        }
    }
    if (!kopiert)
        ShowMessage(KopierFehler);
}
