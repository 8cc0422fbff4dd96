// The screen bitmap's own drawing of wide pens and small ellipses: the
// pixels it writes straight into the image must agree with what QPainter
// paints, stay inside the image, the clip and the integer range, and keep
// the pen's shape.
#include "platform/canvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <vector>

namespace {

constexpr QRgb Weiss = 0xFFFFFFFF;

// Draws on a 32-bit image (filled directly) and on a 24-bit one, which the
// canvas leaves to QPainter, and hands both back as 32-bit pictures.
struct TZwei {
    QImage Direkt;
    QImage Maler;
};

TZwei ZeichneBeide(int w, int h, const std::function<void(TCanvas&)>& zeichnen)
{
    QImage a = MakeScreenImage(w, h);
    QImage b = MakeScreenImage(w, h).convertToFormat(QImage::Format_RGB888);
    {
        TImageCanvas ca(&a);
        TImageCanvas cb(&b);
        zeichnen(ca);
        zeichnen(cb);
    }
    return {a, b.convertToFormat(QImage::Format_RGB32)};
}

int Farbig(const QImage& img)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += img.pixel(x, y) != Weiss ? 1 : 0;
    return n;
}

int Unterschiede(const QImage& a, const QImage& b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    return n;
}

// Rows painted in one column.
std::vector<int> Zeilen(const QImage& img, int x)
{
    std::vector<int> r;
    for (int y = 0; y < img.height(); ++y)
        if (img.pixel(x, y) != Weiss)
            r.push_back(y);
    return r;
}

TEST(CanvasDirekt, WidePenCoversItsWidthAcrossAndHasRoundEnds)
{
    for (int breite : {2, 3, 4, 5, 7}) {
        const TZwei z = ZeichneBeide(60, 40, [&](TCanvas& c) {
            c.Pen.Width = breite;
            c.MoveTo(20, 20);
            c.LineTo(50, 20);
            c.MoveTo(5, 5);
            c.LineTo(5, 35);
        });
        SCOPED_TRACE(breite);
        // Across a straight line both agree exactly: w rows, w columns.
        EXPECT_EQ(Zeilen(z.Direkt, 30), Zeilen(z.Maler, 30));
        EXPECT_EQ(static_cast<int>(Zeilen(z.Direkt, 30).size()), breite);
        int spalten = 0;
        for (int x = 0; x < 15; ++x)
            spalten += z.Direkt.pixel(x, 30) != Weiss ? 1 : 0;
        EXPECT_EQ(spalten, breite);
        // Round ends: the outermost column of the left end is narrower than
        // the pen.
        if (breite >= 4) {
            int links = 12;
            while (links < 20 && Zeilen(z.Direkt, links).empty())
                ++links;
            EXPECT_LT(links, 20);
            EXPECT_LT(static_cast<int>(Zeilen(z.Direkt, links).size()), breite);
        }
    }
}

TEST(CanvasDirekt, CurveOfOnePixelStepsMatchesThePainterWithinItsRim)
{
    // A sine of one segment per column with a steep part, as a graph is
    // drawn, and a dashed look by switching the colour along the way.
    const auto kurve = [](TCanvas& c) {
        c.Pen.Width = 5;
        c.MoveTo(0, 60);
        for (int x = 1; x < 200; ++x) {
            if (x % 30 == 0)
                c.Pen.Color = (x / 30) % 2 ? clLime : clRed;
            c.LineTo(x, 60 + static_cast<int>(std::lround(50 * std::sin(x / 12.0))));
        }
        c.Pen.Color = clBlue;
        c.MoveTo(100, 0);
        c.LineTo(104, 119);  // steep: filled column by column
    };
    const TZwei z = ZeichneBeide(200, 120, kurve);
    const int tinte = Farbig(z.Maler);
    ASSERT_GT(tinte, 1000);
    // Only rim pixels at ends and sharp turns may differ.
    EXPECT_LT(Unterschiede(z.Direkt, z.Maler), tinte / 20);
    // No gap along the curve: every column is painted.
    for (int x = 0; x < 199; ++x)
        EXPECT_FALSE(Zeilen(z.Direkt, x).empty()) << x;
    EXPECT_EQ(z.Direkt.pixel(102, 60), 0xFF0000FFu);
}

TEST(CanvasDirekt, StaysInsideTheImageAndTheClipAndTheIntegerRange)
{
    // Lines and discs far beyond and across the edges: nothing may be
    // written outside (the sanitizer build catches a stray write).
    QImage img = MakeScreenImage(30, 20);
    {
        TImageCanvas c(&img);
        c.Pen.Width = 9;
        c.Brush.Color = clRed;
        c.MoveTo(-5, -5);
        c.LineTo(35, 25);
        c.LineTo(-2000000000, 10);
        c.LineTo(15, 2000000000);
        c.Ellipse(-10, -10, 6, 6);
        c.Ellipse(25, 15, 45, 35);
    }
    EXPECT_EQ(img.pixel(15, 10), 0xFF000000u);

    QImage k = MakeScreenImage(40, 40);
    {
        TImageCanvas c(&k);
        c.SetClipRect(TRect{10, 10, 30, 30});
        c.Pen.Width = 5;
        c.MoveTo(0, 20);
        c.LineTo(39, 20);
        c.Pen.Width = 1;
        c.Brush.Color = clBlue;
        c.Ellipse(2, 2, 14, 14);
    }
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) {
            if (x < 10 || x >= 30 || y < 10 || y >= 30) {
                ASSERT_EQ(k.pixel(x, y), Weiss) << x << "," << y;
            }
        }
    }
    EXPECT_EQ(k.pixel(10, 20), 0xFF000000u);
    EXPECT_EQ(k.pixel(29, 20), 0xFF000000u);
    EXPECT_EQ(k.pixel(11, 11), 0xFF0000FFu);  // the disc's clipped part

    // Corners at the very ends of the int range (a saturated device
    // position): nothing may overflow, and what reaches the picture is
    // still drawn.
    constexpr int Min = std::numeric_limits<int>::min();
    constexpr int Max = std::numeric_limits<int>::max();
    QImage grenzen = MakeScreenImage(30, 20);
    {
        TImageCanvas c(&grenzen);
        c.Brush.Color = clRed;
        c.Ellipse(Min, Min, Min + 10, Min + 10);  // small: the copied disc
        c.Ellipse(Max - 10, Max - 10, Max, Max);
        c.Ellipse(Min, 2, Min + 12, 14);
        c.Ellipse(Max, 2, Max - 12, 14);
        c.Ellipse(Min, 0, Max, 10);               // wider than any int
        c.RoundRect(Min, Min, Max, Max, 4, 4);
        c.Brush.Style = TBrushStyle::Clear;
        c.Rectangle(Min, Min, Max, Max);
        c.Pen.Width = 3;
        c.MoveTo(Min, Min);
        c.LineTo(Max, Max);
        c.Pen.Width = 1;
        c.MoveTo(Max, Min);
        c.LineTo(Min, Max);
        c.Draw(Max - 2, Max - 2, MakeScreenImage(5, 5));
    }
    // The solid rounded rectangle covers the picture in red; the diagonals
    // cross its middle in black.
    EXPECT_EQ(grenzen.pixel(3, 17), 0xFFFF0000u);
    EXPECT_EQ(grenzen.pixel(10, 10), 0xFF000000u);
}

TEST(CanvasDirekt, SmallEllipsesAreTheSameAsPaintedAndKeepTheirColours)
{
    const auto scheiben = [](TCanvas& c) {
        for (int i = 0; i < 12; ++i) {
            c.Brush.Color = i % 2 ? clYellow : clAqua;
            c.Brush.Style = i % 3 == 2 ? TBrushStyle::Clear : TBrushStyle::Solid;
            c.Pen.Color = i % 4 == 3 ? clRed : clBlack;
            c.Pen.Width = i % 5 == 4 ? 3 : 1;
            const int x = 5 + 23 * i;
            c.Ellipse(x, 10 + i, x + 19, 29 + i);
        }
        // Overlapping discs: the later one lies on top.
        c.Brush.Style = TBrushStyle::Solid;
        c.Brush.Color = clGreen;
        c.Pen.Width = 1;
        c.Pen.Color = clBlack;
        c.Ellipse(100, 50, 119, 69);
        c.Brush.Color = clPurple;
        c.Ellipse(108, 50, 127, 69);
        // Large ellipses and hatched brushes go through the painter.
        c.Brush.Style = TBrushStyle::Cross;
        c.Ellipse(150, 45, 200, 78);
        c.Brush.Style = TBrushStyle::Solid;
        c.Ellipse(10, 45, 90, 78);
    };
    const TZwei z = ZeichneBeide(290, 80, scheiben);
    EXPECT_EQ(Unterschiede(z.Direkt, z.Maler), 0);
    EXPECT_EQ(z.Direkt.pixel(14, 20), 0xFF00FFFFu);   // aqua centre
    EXPECT_EQ(z.Direkt.pixel(37, 21), 0xFFFFFF00u);   // yellow centre
    EXPECT_EQ(z.Direkt.pixel(60, 22), Weiss);         // clear brush
    EXPECT_EQ(z.Direkt.pixel(120, 59), 0xFF800080u);  // purple on top
}

}  // namespace
