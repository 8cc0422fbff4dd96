// The screen canvas keeps its calls as commands and paints them later; any
// other device is painted at once through a painter. Both give the same
// pixels for the same calls, a canvas used for one picture after another
// paints each as a fresh one would.
#include "engine/arbeiterpool.h"
#include "platform/canvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

class TPfadCanvas : public TImageCanvas {
public:
    using TImageCanvas::TImageCanvas;
};

using TSzene = std::function<void(TCanvas&)>;

::testing::AssertionResult Gleich(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return ::testing::AssertionFailure() << "sizes differ";
    long n = 0;
    int ex = -1, ey = -1;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y) && n++ == 0)
                ex = x, ey = y;
    if (n == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << n << " pixels differ, first at (" << ex << ", " << ey << ")";
}

QImage Malen(const TSzene& szene, QImage::Format format, TArbeiterPool* pool = nullptr)
{
    QImage bild = MakeScreenImage(211, 173).convertToFormat(format);
    {
        TPfadCanvas c(&bild);
        c.SetPool(pool);
        szene(c);
    }
    return bild.convertToFormat(QImage::Format_RGB32);
}

TEST(CanvasPfade, KeptCommandsPaintWhatAPainterPaintsAtOnce)
{
    const std::vector<std::pair<const char*, TSzene>> szenen = {
        {"thin lines", [](TCanvas& c) {
             c.Pen = TPen{clRed, 1, TPenStyle::Solid};
             c.MoveTo(3, 4), c.LineTo(200, 170), c.LineTo(5, 160), c.LineTo(6, 160), c.LineTo(6, 161);
             c.MoveTo(100, 2), c.LineTo(101, 3);
             c.Pen.Style = TPenStyle::Dash;
             c.MoveTo(0, 50), c.LineTo(210, 60);
             c.Pen.Style = TPenStyle::DashDotDot;
             c.MoveTo(0, 80);
             for (int x = 1; x < 211; ++x)
                 c.LineTo(x, 80 + static_cast<int>(std::lround(60 * std::sin(x / 13.0))));
         }},
        {"shapes", [](TCanvas& c) {
             c.Pen = TPen{clBlue, 1, TPenStyle::Solid};
             c.Brush = TBrush{clYellow, TBrushStyle::Solid};
             c.Rectangle(10, 10, 60, 40);
             c.Ellipse(70, 10, 90, 25);
             c.Ellipse(100, 5, 200, 100);
             c.RoundRect(20, 50, 90, 120, 20, 14);
             c.Brush = TBrush{clLime, TBrushStyle::FDiagonal};
             c.Polygon({{120, 110}, {200, 170}, {110, 160}});
             c.Ellipse(30, 130, 60, 150);
             c.Polyline({{0, 172}, {100, 100}, {210, 172}});
             c.Brush = TBrush{clFuchsia, TBrushStyle::Solid};
             c.FillRect(TRect{150, 20, 140, 60});
             c.Pen = TPen{clGreen, 3, TPenStyle::Solid};
             c.Rectangle(150, 120, 180, 150);
             c.Ellipse(5, 60, 15, 70);
         }},
        {"text and pictures under a clip", [](TCanvas& c) {
             c.SetClipRect(TRect{5, 5, 200, 150});
             c.Font = TFont{QStringLiteral("Tahoma"), 14, clMaroon, 1};
             c.Brush = TBrush{clAqua, TBrushStyle::Solid};
             c.TextOut(10, 10, QStringLiteral("Wertetabelle"));
             c.Brush.Style = TBrushStyle::Clear;
             c.TextOut(10, 40, QStringLiteral("f(x) = x²"));
             QImage bild(30, 20, QImage::Format_ARGB32);
             bild.fill(QColor(0, 0, 200, 100));
             bild.setPixel(4, 4, 0xFFFF0000u);
             c.Draw(100, 100, bild);
             c.DrawOver(150, 100, bild);
             c.StretchDraw(TRect{0, 120, 60, 180}, bild);
             c.ClearClip();
             c.Pen = TPen{clBlack, 1, TPenStyle::Solid};
             c.MoveTo(0, 0), c.LineTo(210, 172);
         }},
    };
    TArbeiterPool pool(3);
    for (const auto& [name, szene] : szenen) {
        const QImage sofort = Malen(szene, QImage::Format_RGB888);
        EXPECT_TRUE(Gleich(Malen(szene, QImage::Format_RGB32), sofort)) << name;
        EXPECT_TRUE(Gleich(Malen(szene, QImage::Format_RGB32, &pool), sofort)) << name;
    }
}

// One canvas for picture after picture, as the screen is drawn: what the
// pictures before left behind (points, states, ellipse pictures, a clip,
// a run still open, calls forgotten) changes nothing in the next.
TEST(CanvasPfade, APictureAfterOthersIsTheFreshPicture)
{
    const auto vorher = [](TCanvas& c) {
        c.Pen = TPen{clNavy, 1, TPenStyle::Dot};
        c.MoveTo(0, 0);
        for (int x = 1; x < 211; ++x)
            c.LineTo(x, (x * 7) % 173);
        c.Brush = TBrush{clRed, TBrushStyle::Solid};
        for (int i = 0; i < 40; ++i)
            c.Ellipse(i * 5, i * 4, i * 5 + 9, i * 4 + 9);
        c.Pen = TPen{clTeal, 6, TPenStyle::Solid};
        c.MoveTo(0, 170), c.LineTo(100, 3), c.LineTo(210, 170);
        c.SetClipRect(TRect{50, 50, 60, 60});
        c.MoveTo(3, 3), c.LineTo(30, 100);
    };
    const auto danach = [](TCanvas& c) {
        c.Pen = TPen{clBlack, 1, TPenStyle::Solid};
        c.MoveTo(10, 5), c.LineTo(10, 90), c.LineTo(200, 100);
        c.Brush = TBrush{clYellow, TBrushStyle::Solid};
        c.Ellipse(20, 20, 29, 29);
        c.Pen.Width = 4;
        c.MoveTo(5, 160), c.LineTo(200, 120);
    };
    TArbeiterPool pool(3);
    for (TArbeiterPool* p : {static_cast<TArbeiterPool*>(nullptr), &pool}) {
        QImage frisch = MakeScreenImage(211, 173);
        {
            TPfadCanvas c(&frisch);
            c.SetPool(p);
            danach(c);
        }
        QImage erstes = MakeScreenImage(211, 173), zweites = MakeScreenImage(211, 173), drittes = MakeScreenImage(211, 173);
        TPfadCanvas c(&erstes);
        c.SetPool(p);
        vorher(c);
        c.Flush();
        c.ClearClip();
        c.SetImage(&zweites);
        danach(c);
        c.Flush();
        EXPECT_TRUE(Gleich(zweites, frisch)) << (p ? "bands" : "one band");
        // Calls forgotten before they were painted leave nothing.
        c.SetImage(&drittes);
        vorher(c);
        c.Discard();
        c.ClearClip();
        danach(c);
        c.Flush();
        EXPECT_TRUE(Gleich(drittes, frisch)) << (p ? "bands" : "one band");
    }
}

}  // namespace
