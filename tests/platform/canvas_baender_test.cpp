// The screen canvas painted in bands of rows on several threads gives the
// pixels of the same calls painted on one thread: lines thin and wide,
// dashed, crossing many bands, shapes, text, clips and pictures.
#include "engine/arbeiterpool.h"
#include "platform/canvas.h"
#include "bildvergleich.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <random>

namespace {

// A canvas whose painter and pool tests may set.
class TBandCanvas : public TImageCanvas {
public:
    using TImageCanvas::TImageCanvas;
    using TPainterCanvas::SetTextAntialiasing;
};

using TSzene = std::function<void(TBandCanvas&)>;

QImage Malen(const TSzene& szene, TArbeiterPool* pool, int w = 301, int h = 257)
{
    QImage bild = MakeScreenImage(w, h);
    TBandCanvas c(&bild);
    c.SetPool(pool);
    szene(c);
    c.Flush();
    return bild;
}

long Tinte(const QImage& a)
{
    long n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != 0xFFFFFFFFu;
    return n;
}

// A curve of one step per column, as graphs are drawn.
void Kurve(TCanvas& c, int y0, double hoehe, double periode, int von = -20, int bis = 320)
{
    c.MoveTo(von, y0);
    for (int x = von + 1; x <= bis; ++x)
        c.LineTo(x, y0 + static_cast<int>(std::lround(hoehe * std::sin(x / periode))));
}

TEST(CanvasBaender, BandsOnThreadsPaintTheSerialPixels)
{
    const std::vector<std::pair<const char*, TSzene>> szenen = {
        {"thin and wide curves, steep and flat, beyond the edges",
         [](TBandCanvas& c) {
             for (const int w : {1, 2, 3, 5, 8, 13}) {
                 c.Pen = TPen{RGB(static_cast<std::uint8_t>(20 * w), 0, 160), w, TPenStyle::Solid};
                 Kurve(c, 40 + 15 * w, 30 + 8 * w, 7.0 + w);
             }
             c.Pen = TPen{clRed, 1, TPenStyle::Solid};
             Kurve(c, 128, 400, 3.0);  // steps far taller than a band
             c.Pen.Width = 6;
             c.MoveTo(-500, -300), c.LineTo(700, 600), c.LineTo(150, -80), c.LineTo(151, 400);
         }},
        {"dashed and dotted thin pens, a colour switched along a curve",
         [](TBandCanvas& c) {
             const TPenStyle stile[] = {TPenStyle::Dash, TPenStyle::Dot, TPenStyle::DashDot, TPenStyle::DashDotDot};
             for (int i = 0; i < 4; ++i) {
                 c.Pen = TPen{clBlue, 1, stile[i]};
                 c.MoveTo(3 + i * 9, 0), c.LineTo(290 - i * 40, 256), c.LineTo(10, 200 - i * 30);
             }
             c.Pen = TPen{clGreen, 4, TPenStyle::Solid};
             c.MoveTo(0, 100);
             for (int x = 1; x < 300; ++x) {
                 c.Pen.Color = (x / 7) % 2 ? clWhite : clGreen;
                 c.LineTo(x, 100 + static_cast<int>(std::lround(90 * std::sin(x / 19.0))));
             }
         }},
        {"shapes, discs by the hundred, text, pictures",
         [](TBandCanvas& c) {
             c.Brush = TBrush{clYellow, TBrushStyle::Solid};
             c.Pen = TPen{clBlack, 2, TPenStyle::Solid};
             for (int i = 0; i < 300; ++i)
                 c.Ellipse(i, (i * 37) % 260 - 3, i + 9, (i * 37) % 260 + 6);
             c.Brush.Style = TBrushStyle::DiagCross;
             c.Ellipse(20, 30, 250, 240);
             c.Brush = TBrush{clAqua, TBrushStyle::BDiagonal};
             c.Rectangle(-10, 120, 90, 310);
             c.Polygon({{150, 5}, {290, 250}, {10, 180}, {200, 90}});
             c.Brush = TBrush{clFuchsia, TBrushStyle::Solid};
             c.FillRect(TRect{200, 50, 260, 140});
             c.Pen.Width = 1;
             c.RoundRect(5, 5, 120, 200, 30, 40);
             c.Polyline({{0, 255}, {150, 0}, {300, 255}});
             c.Font = TFont{QStringLiteral("Tahoma"), 14, clMaroon, 2 | 4};
             c.TextOut(30, 60, QStringLiteral("Ägypten fx y² π"));
             c.Brush.Style = TBrushStyle::Clear;
             c.Font.Size = 30;
             c.TextOut(100, 118, QStringLiteral("Qjg"));
             QImage bild(40, 70, QImage::Format_ARGB32);
             bild.fill(QColor(0, 100, 0, 128));
             c.Draw(250, 100, bild);
             c.StretchDraw(TRect{10, 200, 120, 250}, bild);
             bild.fill(Qt::transparent);
             for (int y = 0; y < 70; y += 3)
                 bild.setPixel(y / 2, y, 0xFF0000FFu);
             c.DrawOver(140, 150, bild);
         }},
        {"clips set before drawing, changed and cleared midway",
         [](TBandCanvas& c) {
             c.SetClipRect(TRect{30, 40, 260, 150});
             c.Pen = TPen{clBlue, 5, TPenStyle::Solid};
             Kurve(c, 100, 90, 11.0);
             c.SetClipRect(TRect{100, 0, 120, 257});
             c.Pen = TPen{clRed, 1, TPenStyle::Solid};
             Kurve(c, 128, 120, 5.0);
             c.Brush = TBrush{clLime, TBrushStyle::Solid};
             c.Ellipse(90, 90, 130, 130);
             c.ClearClip();
             c.Pen.Width = 3;
             c.MoveTo(0, 0), c.LineTo(300, 256);
         }},
        {"a curve going on across what is painted meanwhile",
         [](TBandCanvas& c) {
             c.Pen = TPen{clNavy, 1, TPenStyle::Solid};
             c.MoveTo(0, 10);
             for (int x = 1; x < 300; ++x) {
                 c.LineTo(x, 10 + (x * x) % 240);
                 if (x % 50 == 0)
                     c.DrawPending();
             }
             c.Pen = TPen{clOlive, 7, TPenStyle::Solid};
             c.MoveTo(0, 250);
             for (int x = 1; x < 300; ++x) {
                 c.LineTo(x, 250 - x * 3 / 4);
                 if (x % 60 == 0)
                     c.DrawPending();
             }
         }},
    };
    for (const unsigned threads : {2u, 3u, 8u}) {
        TArbeiterPool pool(threads);
        for (const auto& [name, szene] : szenen) {
            const QImage serial = Malen(szene, nullptr);
            EXPECT_GT(Tinte(serial), 2000) << name;
            EXPECT_TRUE(Gleich(Malen(szene, &pool), serial)) << name << ", " << threads << " threads";
        }
    }
}

// What is pending painted in the middle of a curve, thin or wide, leaves
// the curve as it is without: its run goes on.
TEST(CanvasBaender, ACurveGoesOnAcrossWhatIsPaintedMeanwhile)
{
    TArbeiterPool pool(3);
    for (const int breite : {1, 5}) {
        const auto szene = [breite](TBandCanvas& c, bool zwischendurch) {
            c.Pen = TPen{clNavy, breite, TPenStyle::Solid};
            c.MoveTo(0, 10);
            for (int x = 1; x < 300; ++x) {
                c.LineTo(x, 10 + (x * x) % 240);
                if (zwischendurch && x % 50 == 0)
                    c.DrawPending();
            }
        };
        for (TArbeiterPool* p : {static_cast<TArbeiterPool*>(nullptr), &pool}) {
            const QImage am_stueck = Malen([&](TBandCanvas& c) { szene(c, false); }, p);
            EXPECT_TRUE(Gleich(Malen([&](TBandCanvas& c) { szene(c, true); }, p), am_stueck)) << breite;
        }
    }
}

// A pool given while calls are pending paints them first and takes over
// from there; pictures lower than a band or two are painted whole.
TEST(CanvasBaender, PoolGivenMidwayAndTinyPictures)
{
    TArbeiterPool pool(3);
    const auto szene = [&](TBandCanvas& c, bool wechseln) {
        c.Pen = TPen{clRed, 4, TPenStyle::Solid};
        Kurve(c, 60, 50, 9.0);
        if (wechseln)
            c.SetPool(&pool);
        c.SetTextAntialiasing(false);
        c.Font = TFont{QStringLiteral("Tahoma"), 16, clBlack, 0};
        c.TextOut(20, 100, QStringLiteral("glatt?"));
        c.Pen.Width = 1;
        Kurve(c, 180, 70, 4.0);
        c.Pen.Width = 5;  // wide again, now across the pool's bands
        Kurve(c, 200, 40, 6.0);
    };
    const QImage serial = Malen([&](TBandCanvas& c) { szene(c, false); }, nullptr);
    EXPECT_TRUE(Gleich(Malen([&](TBandCanvas& c) { szene(c, true); }, nullptr), serial));
    for (const int h : {1, 15, 17, 40}) {
        const TSzene klein = [](TBandCanvas& c) {
            c.Pen = TPen{clBlue, 3, TPenStyle::Solid};
            c.MoveTo(0, 0), c.LineTo(10, 39), c.LineTo(20, 0);
        };
        EXPECT_TRUE(Gleich(Malen(klein, &pool, 21, h), Malen(klein, nullptr, 21, h))) << h;
    }
}

}  // namespace
