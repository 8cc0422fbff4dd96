// The GDI-like canvas on a screen bitmap: the pixel rules of lines, pens,
// shapes, brushes, text and clip, and the bitmap's own drawing of wide pens
// and small ellipses against QPainter's.
#include "platform/canvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <vector>

namespace {

void Strecke(TCanvas& c, int x1, int y1, int x2, int y2)
{
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}

constexpr QRgb Weiss = 0xFFFFFFFF;
constexpr QRgb SchwarzRgb = 0xFF000000;

struct Bild {
    QImage img = MakeScreenImage(40, 30);
    TImageCanvas c{&img};

    QRgb At(int x, int y)
    {
        c.Flush();
        return img.pixel(x, y);
    }
    bool Schwarz(int x, int y) { return At(x, y) == SchwarzRgb; }
    bool Leer(int x, int y) { return At(x, y) == Weiss; }
};

TEST(Canvas, LinesLeaveOutTheirEndPixelButDrawTheirJoints)
{
    struct Fall {
        TPoint Von, Bis, Letzter;
    };
    for (const Fall& f : {Fall{{2, 5}, {10, 5}, {9, 5}}, Fall{{20, 2}, {20, 12}, {20, 11}}, Fall{{25, 2}, {31, 8}, {30, 7}}}) {
        Bild b;
        Strecke(b.c, f.Von.X, f.Von.Y, f.Bis.X, f.Bis.Y);
        EXPECT_TRUE(b.Schwarz(f.Von.X, f.Von.Y) && b.Schwarz(f.Letzter.X, f.Letzter.Y) && b.Leer(f.Bis.X, f.Bis.Y));
        EXPECT_EQ(b.c.PenPos(), f.Bis);
    }
    // A polyline draws each joint once and may change colour midway.
    Bild b;
    Strecke(b.c, 2, 2, 10, 2);
    b.c.LineTo(10, 10);
    b.c.Pen.Color = clRed;
    b.c.LineTo(2, 10);
    EXPECT_TRUE(b.Schwarz(10, 2) && b.Leer(2, 10));
    EXPECT_EQ(b.At(5, 10), 0xFFFF0000);
}

TEST(Canvas, DashedAndClearPens)
{
    Bild d, k;
    d.c.Pen.Style = TPenStyle::Dash;
    k.c.Pen.Style = TPenStyle::Clear;
    Strecke(d.c, 0, 5, 40, 5);
    Strecke(k.c, 0, 5, 40, 5);
    int schwarz = 0;
    for (int x = 0; x < 39; ++x)
        schwarz += d.Schwarz(x, 5);
    EXPECT_TRUE(schwarz > 20 && schwarz < 39) << schwarz;
    EXPECT_TRUE(k.Leer(10, 5) && k.c.PenPos() == (TPoint{40, 5}));
}

TEST(Canvas, ShapesCoverLeftToRightMinusOneInAnyCornerOrder)
{
    Bild r[2], e[2];
    r[0].c.Brush.Color = r[1].c.Brush.Color = clRed;
    e[0].c.Brush.Color = e[1].c.Brush.Color = clBlue;
    r[0].c.Rectangle(2, 2, 12, 9);
    r[1].c.Rectangle(12, 9, 2, 2);
    e[0].c.Ellipse(4, 3, 30, 21);
    e[1].c.Ellipse(30, 21, 4, 3);
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(r[i].Schwarz(2, 2) && r[i].Schwarz(11, 8) && r[i].Schwarz(11, 2));
        EXPECT_TRUE(r[i].Leer(12, 5) && r[i].Leer(5, 9));
        EXPECT_EQ(r[i].At(6, 5), 0xFFFF0000);
        EXPECT_EQ(e[i].At(17, 12), 0xFF0000FF);            // filled centre
        EXPECT_TRUE(e[i].Leer(4, 3) && e[i].Leer(30, 12));  // corner outside, right edge exclusive
    }
    EXPECT_EQ(e[0].img, e[1].img);
}

TEST(Canvas, HatchedBrushesLeaveTheBackgroundShowingAndTextFollowsTheBrushAndFont)
{
    Bild b;
    b.c.Brush.Color = clLime;
    b.c.FillRect(TRect{0, 0, 40, 30});
    b.c.Brush.Color = clBlack;
    b.c.Brush.Style = TBrushStyle::BDiagonal;
    b.c.FillRect(TRect{0, 0, 40, 30});
    int gruen = 0, schwarz = 0;
    for (int x = 0; x < 40; ++x) {
        gruen += b.At(x, 10) == 0xFF00FF00;
        schwarz += b.Schwarz(x, 10);
    }
    EXPECT_TRUE(gruen > 0 && schwarz > 0);
    EXPECT_EQ(gruen + schwarz, 40);

    Bild t, k;
    t.c.Brush.Color = clYellow;
    k.c.Brush.Style = TBrushStyle::Clear;
    t.c.TextOut(2, 2, QStringLiteral("   "));
    k.c.TextOut(2, 2, QStringLiteral("   "));
    EXPECT_EQ(t.At(3, 3), 0xFFFFFF00);  // opaque cell
    EXPECT_TRUE(k.Leer(3, 3));
    EXPECT_EQ(t.c.TextWidth(QString()), 0);
    const int h8 = t.c.TextHeight(QStringLiteral("Ag"));
    t.c.Font.Size = 16;
    EXPECT_GT(t.c.TextHeight(QStringLiteral("Ag")), h8 + 4);
}

TEST(Canvas, ClipAndFarEndsRestrictWhatIsDrawnButNotWhatReachesThePicture)
{
    Bild b;
    b.c.SetClipRect(TRect{0, 0, 10, 30});
    Strecke(b.c, 0, 5, 40, 5);
    EXPECT_TRUE(b.Schwarz(9, 5) && b.Leer(10, 5));
    b.c.ClearClip();
    b.c.MoveTo(-100000, 7);
    b.c.LineTo(-50000, 7);  // reaches no pixel
    b.c.LineTo(20, 7);
    b.c.LineTo(20, 100000);
    // A wide pen just beyond the edge still paints its half inside (drawn
    // while the canvas is open, where lines out of sight are left out).
    b.c.Pen.Width = 6;
    Strecke(b.c, 30, -2, 38, -2);
    EXPECT_TRUE(b.Schwarz(0, 7) && b.Schwarz(19, 7) && b.Schwarz(20, 29) && b.Schwarz(34, 0));

    // Draw copies pixels plainly, at their size.
    QImage quelle = MakeScreenImage(5, 5);
    quelle.fill(Qt::red);
    b.c.Draw(30, 20, quelle);
    EXPECT_EQ(b.At(34, 24), 0xFFFF0000);
    EXPECT_TRUE(b.Leer(35, 25));
}

// ---------------------------------------------------------------------------
// The bitmap's own drawing against QPainter's: a 32-bit image is filled
// directly, a 24-bit one is left to QPainter; both come back as 32-bit
// pictures.

struct TZwei {
    QImage Direkt, Maler;
};
TZwei ZeichneBeide(int w, int h, const std::function<void(TCanvas&)>& zeichnen)
{
    QImage a = MakeScreenImage(w, h);
    QImage b = MakeScreenImage(w, h).convertToFormat(QImage::Format_RGB888);
    {
        TImageCanvas ca(&a), cb(&b);
        zeichnen(ca);
        zeichnen(cb);
    }
    return {a, b.convertToFormat(QImage::Format_RGB32)};
}

// Pixels that differ between a and b (b white: the painted ones of a).
int Unterschiede(const QImage& a, const QImage& b = {})
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != (b.isNull() ? Weiss : b.pixel(x, y)) ? 1 : 0;
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
            Strecke(c, 20, 20, 50, 20);
            Strecke(c, 5, 5, 5, 35);
        });
        SCOPED_TRACE(breite);
        // Across a straight line both agree exactly: w rows, w columns.
        EXPECT_EQ(Zeilen(z.Direkt, 30), Zeilen(z.Maler, 30));
        EXPECT_EQ(static_cast<int>(Zeilen(z.Direkt, 30).size()), breite);
        EXPECT_EQ(Unterschiede(z.Direkt.copy(0, 30, 15, 1)), breite);
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
    const TZwei z = ZeichneBeide(200, 120, [](TCanvas& c) {
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
    });
    const int tinte = Unterschiede(z.Maler);
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
    // Lines and discs far beyond and across the edges and the clip: nothing
    // may be written outside (the sanitizer build catches a stray write).
    QImage k = MakeScreenImage(40, 40);
    {
        TImageCanvas c(&k);
        c.SetClipRect(TRect{10, 10, 30, 30});
        c.Pen.Width = 5;
        Strecke(c, 0, 20, 39, 20);
        c.Pen.Width = 1;
        c.Brush.Color = clBlue;
        c.Ellipse(2, 2, 14, 14);
    }
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            if (x < 10 || x >= 30 || y < 10 || y >= 30) {
                ASSERT_EQ(k.pixel(x, y), Weiss) << x << "," << y;
            }
    EXPECT_EQ(std::tuple(k.pixel(10, 20), k.pixel(29, 20)), std::tuple(SchwarzRgb, SchwarzRgb));
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
        c.Ellipse(Min, 0, Max, 10);  // wider than any int
        c.RoundRect(Min, Min, Max, Max, 4, 4);
        c.Brush.Style = TBrushStyle::Clear;
        c.Rectangle(Min, Min, Max, Max);
        c.Pen.Width = 3;
        Strecke(c, Min, Min, Max, Max);
        c.Pen.Width = 1;
        Strecke(c, Max, Min, Min, Max);
        c.Draw(Max - 2, Max - 2, MakeScreenImage(5, 5));
        c.DrawOver(Max - 2, Max - 2, MakeScreenImage(5, 5));
        c.Pen.Width = 9;
        Strecke(c, -5, -5, 35, 25);
        c.LineTo(-2000000000, 10);
        c.LineTo(15, 2000000000);
        c.Ellipse(-10, -10, 6, 6);
        c.Ellipse(25, 15, 45, 35);
    }
    // The solid rounded rectangle covers the picture in red; the diagonals
    // cross its middle in black, as the wide line does.
    EXPECT_EQ(std::tuple(grenzen.pixel(3, 17), grenzen.pixel(10, 10), grenzen.pixel(15, 10)),
              std::tuple(0xFFFF0000u, SchwarzRgb, SchwarzRgb));
}

// A box that reaches past one end of the int range is drawn from doubles:
// its far corner and size no longer fit QPainter's integer rectangle.
TEST(CanvasDirekt, ABoxPastOneEndOfTheIntRangeIsDrawnWhereItReachesThePicture)
{
    constexpr int Min = std::numeric_limits<int>::min();
    constexpr int Max = std::numeric_limits<int>::max();
    struct Fall {
        TRect Kasten;
        int InX, InY, AusX, AusY;
    };
    const Fall faelle[] = {{{Min, 5, 20, 15}, 10, 10, 25, 10},
                           {{10, Min, 20, 15}, 15, 5, 15, 20},
                           {{10, 5, Max, 15}, 35, 10, 5, 10},
                           {{10, 5, 20, Max}, 15, 25, 5, 25}};
    for (const Fall& f : faelle) {
        for (int form = 0; form < 2; ++form) {
            Bild b;
            b.c.Brush.Color = clRed;
            if (form == 0)
                b.c.Rectangle(f.Kasten.Left, f.Kasten.Top, f.Kasten.Right, f.Kasten.Bottom);
            else
                b.c.RoundRect(f.Kasten.Left, f.Kasten.Top, f.Kasten.Right, f.Kasten.Bottom, 2, 2);
            EXPECT_EQ(std::pair(b.At(f.InX, f.InY), b.At(f.AusX, f.AusY)), std::pair(0xFFFF0000u, Weiss))
                << form << ": " << f.Kasten.Left << " " << f.Kasten.Top << " " << f.Kasten.Right << " " << f.Kasten.Bottom;
        }
    }
}

TEST(CanvasDirekt, SmallEllipsesAreTheSameAsPaintedAndKeepTheirColours)
{
    const TZwei z = ZeichneBeide(290, 80, [](TCanvas& c) {
        for (int i = 0; i < 12; ++i) {
            c.Brush.Color = i % 2 ? clYellow : clAqua;
            c.Brush.Style = i % 3 == 2 ? TBrushStyle::Clear : TBrushStyle::Solid;
            c.Pen.Color = i % 4 == 3 ? clRed : clBlack;
            c.Pen.Width = i % 5 == 4 ? 3 : 1;
            c.Ellipse(5 + 23 * i, 10 + i, 24 + 23 * i, 29 + i);
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
    });
    EXPECT_EQ(Unterschiede(z.Direkt, z.Maler), 0);
    // Aqua and yellow centres, a clear brush, purple on top.
    EXPECT_EQ(std::tuple(z.Direkt.pixel(14, 20), z.Direkt.pixel(37, 21), z.Direkt.pixel(60, 22), z.Direkt.pixel(120, 59)),
              std::tuple(0xFF00FFFFu, 0xFFFFFF00u, Weiss, 0xFF800080u));
}

}  // namespace
