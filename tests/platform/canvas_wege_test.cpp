// The canvas beyond single shapes: calls keep their order on the picture
// whatever is still pending, polylines and one-pixel steps, plain copies,
// wide pens against the rule that defines them, and a canvas whose logical
// units are mapped to the device with a scale and an offset.
#include "platform/canvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr QRgb Weiss = 0xFFFFFFFF;
constexpr QRgb Schwarz = 0xFF000000;
constexpr QRgb Rot = 0xFFFF0000;
constexpr QRgb Blau = 0xFF0000FF;

void Strecke(TCanvas& c, int x1, int y1, int x2, int y2)
{
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}

QImage Zeichne(int w, int h, const std::function<void(TCanvas&)>& zeichnen)
{
    QImage img = MakeScreenImage(w, h);
    {
        TImageCanvas c(&img);
        zeichnen(c);
    }
    return img;
}

// A line still pending when another call paints over it lies beneath that
// call's paint, thin or wide: each call paints the lines before it first.
TEST(CanvasWege, EveryCallPaintsOverTheLinesDrawnBeforeIt)
{
    QImage rot = MakeScreenImage(12, 12);
    rot.fill(Qt::red);
    const std::pair<const char*, std::function<void(TCanvas&)>> aufrufe[] = {
        {"FillRect", [](TCanvas& c) { c.FillRect(TRect{10, 5, 30, 15}); }},
        {"Rectangle", [](TCanvas& c) { c.Rectangle(10, 5, 30, 15); }},
        {"RoundRect", [](TCanvas& c) { c.RoundRect(10, 5, 30, 15, 4, 4); }},
        {"small Ellipse", [](TCanvas& c) { c.Ellipse(10, 2, 30, 18); }},
        {"large Ellipse", [](TCanvas& c) { c.Ellipse(8, -40, 60, 60); }},
        {"Polygon", [](TCanvas& c) { c.Polygon({{10, 5}, {30, 5}, {30, 15}, {10, 15}}); }},
        {"TextOut", [](TCanvas& c) { c.TextOut(15, 3, QStringLiteral("MMMM")); }},
        {"Draw", [&](TCanvas& c) { c.Draw(14, 4, rot); }},
        {"StretchDraw", [&](TCanvas& c) { c.StretchDraw(TRect{10, 5, 30, 15}, rot); }},
    };
    for (const int breite : {1, 3}) {
        for (const auto& [name, aufruf] : aufrufe) {
            const QImage img = Zeichne(40, 20, [&](TCanvas& c) {
                c.Pen = TPen{clBlack, breite, TPenStyle::Solid};
                Strecke(c, 0, 10, 40, 10);
                c.Pen = TPen{clRed, 1, TPenStyle::Solid};
                c.Brush.Color = clRed;
                c.Font.Color = clRed;
                aufruf(c);
            });
            EXPECT_EQ(img.pixel(20, 10), Rot) << name << " over a pen of " << breite;
            EXPECT_EQ(img.pixel(2, 10), Schwarz) << name << " over a pen of " << breite;
        }
    }
}

TEST(CanvasWege, PolylinesDrawEverySegmentAndPolygonsFillTheirInside)
{
    const QImage img = Zeichne(40, 30, [](TCanvas& c) {
        c.Polyline({{2, 2}, {20, 2}, {20, 12}});
        c.Pen.Color = clBlue;
        c.Polyline({{30, 2}});  // a single point draws nothing
        c.Brush.Color = clRed;
        c.Polygon({{2, 15}, {20, 15}, {20, 28}, {2, 28}});
        c.Pen.Style = TPenStyle::Clear;
        c.Polyline({{25, 20}, {38, 20}});
    });
    EXPECT_EQ(std::tuple(img.pixel(10, 2), img.pixel(20, 7), img.pixel(30, 2)), std::tuple(Schwarz, Schwarz, Weiss));
    EXPECT_EQ(std::tuple(img.pixel(2, 15), img.pixel(10, 20), img.pixel(30, 20)), std::tuple(Blau, Rot, Weiss));
}

// A step of one pixel leaves out its end pixel as every line does: alone it
// paints its first pixel only, at the end of a polyline nothing.
TEST(CanvasWege, OnePixelStepsLeaveOutTheirEnd)
{
    const QImage img = Zeichne(20, 10, [](TCanvas& c) {
        Strecke(c, 2, 2, 3, 2);
        Strecke(c, 2, 5, 8, 5);
        c.LineTo(9, 6);
        // A line to where the pen stands draws nothing, however wide.
        Strecke(c, 12, 2, 12, 2);
        c.Pen.Width = 5;
        Strecke(c, 15, 6, 15, 6);
    });
    EXPECT_EQ(std::tuple(img.pixel(2, 2), img.pixel(3, 2)), std::tuple(Schwarz, Weiss));
    EXPECT_EQ(std::tuple(img.pixel(12, 2), img.pixel(15, 6)), std::tuple(Weiss, Weiss));
    EXPECT_EQ(std::tuple(img.pixel(7, 5), img.pixel(8, 5), img.pixel(9, 6)), std::tuple(Schwarz, Schwarz, Weiss));
}

// A plain copy replaces the pixels, transparent ones too; a stretched copy
// lies on top of what is there.
TEST(CanvasWege, APlainCopyReplacesThePixels)
{
    QImage quelle(4, 4, QImage::Format_ARGB32);
    quelle.fill(Qt::transparent);
    quelle.setPixel(1, 1, Blau);
    const QImage img = Zeichne(20, 10, [&](TCanvas& c) {
        c.Brush.Color = clRed;
        c.FillRect(TRect{0, 0, 20, 10});
        c.Draw(2, 2, quelle);
        c.StretchDraw(TRect{10, 2, 18, 10}, quelle);
    });
    EXPECT_EQ(std::tuple(img.pixel(2, 2), img.pixel(3, 3), img.pixel(10, 2), img.pixel(12, 4)),
              std::tuple(Schwarz, Blau, Rot, Blau));
}

TEST(CanvasWege, TextIsSmoothed)
{
    const QImage img = Zeichne(60, 30, [](TCanvas& c) {
        c.Font.Size = 14;
        c.TextOut(2, 2, QStringLiteral("Ag/8"));
    });
    int grau = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            grau += img.pixel(x, y) != Weiss && img.pixel(x, y) != Schwarz;
    EXPECT_GT(grau, 10);
}

// A wide round pen covers every pixel whose centre lies within half its
// width of the segment; a centre exactly on the rim counts on the right
// and bottom only (the centre is taken a hair up and left).
bool InDerKapsel(double px, double py, double ax, double ay, double bx, double by, double r)
{
    constexpr double Eps = 1.0 / 1024.0;
    const double x = px + 0.5 - Eps, y = py + 0.5 - Eps;
    const double dx = bx - ax, dy = by - ay, l2 = dx * dx + dy * dy;
    const double t = l2 > 0 ? std::clamp(((x - ax) * dx + (y - ay) * dy) / l2, 0.0, 1.0) : 0.0;
    const double ex = x - (ax + t * dx), ey = y - (ay + t * dy);
    return ex * ex + ey * ey <= r * r;
}

TEST(CanvasWege, AWidePenCoversThePixelsWithinHalfItsWidthOfTheSegment)
{
    struct Fall {
        int X1, Y1, X2, Y2;
    };
    // Flat and steep, one pixel across or along, both directions, and one
    // that runs off the picture.
    const Fall faelle[] = {{5, 20, 35, 21}, {20, 5, 21, 35}, {5, 5, 35, 17}, {30, 4, 24, 36},
                           {6, 30, 36, 10}, {-10, 3, 50, 9}, {8, 8, 9, 9},
                           // Along the last row and the last column of the picture.
                           {2, 39, 37, 39}, {39, 2, 39, 37}, {0, 0, 38, 1}};
    for (const Fall& f : faelle) {
        for (const int breite : {2, 3, 5, 8}) {
            const QImage img = Zeichne(40, 40, [&](TCanvas& c) {
                c.Pen.Width = breite;
                c.MoveTo(f.X1, f.Y1);
                c.LineTo(f.X2, f.Y2);
            });
            int falsch = 0;
            for (int y = 0; y < 40; ++y)
                for (int x = 0; x < 40; ++x)
                    falsch += (img.pixel(x, y) == Schwarz) != InDerKapsel(x, y, f.X1, f.Y1, f.X2, f.Y2, breite / 2.0);
            EXPECT_EQ(falsch, 0) << f.X1 << "," << f.Y1 << " - " << f.X2 << "," << f.Y2 << " width " << breite;
        }
    }
    // Steps longer than the kept shapes reach, and pens wider than they are
    // kept for, are filled as they are: within the picture and the clip.
    for (const Fall& f : {Fall{-20, 10, 130, 80}, Fall{10, -30, 40, 130}, Fall{5, 50, 145, 52}, Fall{140, 95, 60, 3},
                          Fall{10, 5, 60, 60}}) {  // the last a kept shape
        for (const int breite : {4, 70}) {
            for (const bool clip : {false, true}) {
                const TRect innen{20, 15, 120, 90};
                const QImage img = Zeichne(150, 100, [&](TCanvas& c) {
                    if (clip)
                        c.SetClipRect(innen);
                    c.Pen.Width = breite;
                    c.MoveTo(f.X1, f.Y1);
                    c.LineTo(f.X2, f.Y2);
                });
                int falsch = 0;
                for (int y = 0; y < 100; ++y)
                    for (int x = 0; x < 150; ++x) {
                        const bool drin = !clip || (x >= innen.Left && x < innen.Right && y >= innen.Top && y < innen.Bottom);
                        falsch += (img.pixel(x, y) == Schwarz) != (drin && InDerKapsel(x, y, f.X1, f.Y1, f.X2, f.Y2, breite / 2.0));
                    }
                EXPECT_EQ(falsch, 0) << f.X1 << "," << f.Y1 << " - " << f.X2 << "," << f.Y2 << " width " << breite << " clip " << clip;
            }
        }
    }

    // Along a polyline each segment has its swath; straight stretches of
    // equal steps are filled as one.
    const std::vector<TPoint> kurve = {{3, 3}, {6, 4}, {9, 5}, {12, 6}, {13, 12}, {14, 18}, {30, 20}};
    const QImage img = Zeichne(40, 40, [&](TCanvas& c) {
        c.Pen.Width = 4;
        c.MoveTo(kurve[0].X, kurve[0].Y);
        for (std::size_t i = 1; i < kurve.size(); ++i)
            c.LineTo(kurve[i].X, kurve[i].Y);
    });
    int falsch = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            bool drin = false;
            for (std::size_t i = 1; i < kurve.size(); ++i)
                drin = drin || InDerKapsel(x, y, kurve[i - 1].X, kurve[i - 1].Y, kurve[i].X, kurve[i].Y, 2.0);
            falsch += (img.pixel(x, y) == Schwarz) != drin;
        }
    EXPECT_EQ(falsch, 0);
}

// A canvas whose logical units are device pixels times a scale plus an
// offset, as the printer page's and the vector picture's are.
class SkalierteLeinwand : public TPainterCanvas {
public:
    SkalierteLeinwand(QImage* bild, double sx, double sy, double ox, double oy) : FBild(bild)
    {
        SetMapping(sx, sy, ox, oy);
    }
    ~SkalierteLeinwand() override { Flush(); }
    int Width() const override { return FBild->width(); }
    int Height() const override { return FBild->height(); }
    void Abbildung(double sx, double sy, double ox, double oy) { SetMapping(sx, sy, ox, oy); }

protected:
    QPaintDevice* Device() override { return FBild; }

private:
    QImage* FBild;
};

// Shapes land where the mapping puts them, with a mirrored y axis too, and
// cover their corners inclusive-exclusive as on the screen.
TEST(CanvasWege, MappedShapesLandWhereTheMappingPutsThem)
{
    QImage img = MakeScreenImage(80, 60);
    {
        // Two device pixels a unit, y up from the bottom edge.
        SkalierteLeinwand c(&img, 2.0, -2.0, 0.0, 60.0);
        c.Brush.Color = clRed;
        c.FillRect(TRect{2, 28, 10, 20});  // device x 4..20, y 4..20
        c.Brush.Color = clBlue;
        c.Pen.Style = TPenStyle::Clear;
        c.Rectangle(20, 10, 30, 2);  // device x 40..60, y 40..56
        c.Pen = TPen{clBlack, 1, TPenStyle::Solid};
        c.Brush.Style = TBrushStyle::Clear;
        c.Ellipse(20, 28, 36, 16);  // device x 40..72, y 4..28
        c.RoundRect(2, 14, 14, 2, 8, 8);  // device x 4..28, y 32..56, corners of 8
    }
    EXPECT_EQ(std::tuple(img.pixel(4, 4), img.pixel(19, 19), img.pixel(21, 12), img.pixel(12, 21)),
              std::tuple(Rot, Rot, Weiss, Weiss));
    EXPECT_EQ(std::tuple(img.pixel(41, 41), img.pixel(58, 54), img.pixel(62, 48), img.pixel(50, 38)),
              std::tuple(Blau, Blau, Weiss, Weiss));
    // The ellipse's outline at its left and right ends, its inside empty.
    EXPECT_EQ(std::tuple(img.pixel(38, 16), img.pixel(40, 16), img.pixel(56, 16), img.pixel(72, 16), img.pixel(74, 16)),
              std::tuple(Weiss, Schwarz, Weiss, Schwarz, Weiss));
    // The rounded rectangle's straight sides, rounded corners.
    EXPECT_EQ(std::tuple(img.pixel(16, 32), img.pixel(4, 44), img.pixel(16, 44), img.pixel(4, 32)),
              std::tuple(Schwarz, Schwarz, Weiss, Weiss));
}

// Lines still pending when the mapping changes are drawn where the old
// mapping put them, thin and wide; what follows takes the new one.
TEST(CanvasWege, LinesPendingWhenTheMappingChangesKeepTheOldOne)
{
    QImage img = MakeScreenImage(60, 40);
    {
        SkalierteLeinwand c(&img, 1.0, 1.0, 0.0, 0.0);
        Strecke(c, 2, 3, 30, 3);
        c.Pen.Width = 3;
        Strecke(c, 2, 10, 30, 10);
        c.Abbildung(2.0, 2.0, 0.0, 0.0);
        c.Brush.Color = clRed;
        c.FillRect(TRect{10, 10, 12, 12});  // device x and y 20..24
    }
    EXPECT_EQ(std::tuple(img.pixel(20, 3), img.pixel(20, 11), img.pixel(40, 3)), std::tuple(Schwarz, Schwarz, Weiss));
    EXPECT_EQ(std::tuple(img.pixel(21, 21), img.pixel(23, 23), img.pixel(25, 21)), std::tuple(Rot, Rot, Weiss));
}

// Pens on a mapped canvas: up to one device pixel wide the thinnest line;
// wider ones scaled, solid, with round ends. Dashes of thin pens keep
// their screen length whatever the scale.
TEST(CanvasWege, MappedPensAreScaledAndThinOnesStayThin)
{
    const auto spalte = [](const QImage& img, int x) {
        std::vector<int> r;
        for (int y = 0; y < img.height(); ++y)
            if (img.pixel(x, y) != Weiss)
                r.push_back(y);
        return r;
    };
    QImage img = MakeScreenImage(80, 60);
    {
        SkalierteLeinwand c(&img, 4.0, 4.0, 2.0, 2.0);
        c.Pen.Width = 0;
        Strecke(c, 1, 2, 18, 2);  // device row 10, thin
        c.Pen.Width = 1;          // 4 device pixels across
        Strecke(c, 1, 5, 18, 5);  // device rows 20..23
        c.Pen.Width = 2;          // 8 device pixels across
        Strecke(c, 2, 8, 10, 8);  // device row 34, x 10..42
        c.Pen.Style = TPenStyle::Dot;
        Strecke(c, 2, 13, 18, 13);  // wide: solid all the same
    }
    EXPECT_EQ(spalte(img, 20), (std::vector<int>{10, 20, 21, 22, 23, 30, 31, 32, 33, 34, 35, 36, 37, 50, 51, 52, 53, 54, 55, 56, 57}));
    // Round ends reach half the pen beyond the end point.
    EXPECT_EQ(std::tuple(img.pixel(43, 34), img.pixel(46, 34), img.pixel(7, 34)), std::tuple(Schwarz, Weiss, Schwarz));

    // Dashes: 18 pixels on, 6 off, at any scale of a thin pen.
    QImage strich = MakeScreenImage(120, 10);
    {
        SkalierteLeinwand c(&strich, 3.0, 1.0, 0.0, 0.0);
        c.Pen = TPen{clBlack, 0, TPenStyle::Dash};
        Strecke(c, 0, 5, 40, 5);
    }
    std::vector<int> wechsel;
    for (int x = 1; x < 120; ++x)
        if ((strich.pixel(x, 5) == Weiss) != (strich.pixel(x - 1, 5) == Weiss))
            wechsel.push_back(x);
    EXPECT_EQ(std::vector<int>(wechsel.begin(), wechsel.begin() + std::min<std::size_t>(4, wechsel.size())),
              (std::vector<int>{18, 24, 42, 48}));
}

// Text on a mapped canvas measures in logical units, and a changed mapping
// applies to the calls after it, clip included.
TEST(CanvasWege, MappedTextAndClipFollowTheMapping)
{
    QImage img = MakeScreenImage(100, 60);
    SkalierteLeinwand c(&img, 2.0, 2.0, 0.0, 0.0);
    QImage bild1 = MakeScreenImage(100, 60);
    TImageCanvas eins(&bild1);
    const QString t = QStringLiteral("Wolke");
    EXPECT_EQ(c.TextWidth(t), (eins.TextWidth(t) + 1) / 2);
    EXPECT_EQ(c.TextHeight(t), (eins.TextHeight(t) + 1) / 2);

    c.SetClipRect(TRect{0, 0, 10, 10});  // device 0..20
    c.Brush.Color = clRed;
    c.FillRect(TRect{0, 0, 50, 30});
    c.Abbildung(1.0, 1.0, 50.0, 0.0);  // the same clip now at device x 50..60
    c.Brush.Color = clBlue;
    c.FillRect(TRect{0, 0, 50, 30});
    c.Flush();
    EXPECT_EQ(std::tuple(img.pixel(19, 19), img.pixel(20, 5), img.pixel(5, 20)), std::tuple(Rot, Weiss, Weiss));
    EXPECT_EQ(std::tuple(img.pixel(50, 5), img.pixel(59, 9), img.pixel(60, 5), img.pixel(55, 10)),
              std::tuple(Blau, Blau, Weiss, Weiss));
}

// The screen bitmap: white, 32 bits, 96 dots per inch (3780 per metre),
// never smaller than one pixel.
TEST(CanvasWege, TheScreenBitmapIsWhite32BitsAt96Dpi)
{
    const QImage img = MakeScreenImage(7, 0);
    EXPECT_EQ(std::tuple(img.size(), img.format(), img.dotsPerMeterX(), img.dotsPerMeterY(), img.pixel(6, 0)),
              std::tuple(QSize(7, 1), QImage::Format_RGB32, 3780, 3780, Weiss));
    EXPECT_EQ(MakeScreenImage(0, -3).size(), QSize(1, 1));
}

// A clip set or cleared while the canvas is painting applies to the calls
// after it at once.
TEST(CanvasWege, AClipChangedWhilePaintingAppliesAtOnce)
{
    const QImage img = Zeichne(30, 10, [](TCanvas& c) {
        Strecke(c, 0, 1, 30, 1);
        c.SetClipRect(TRect{10, 0, 20, 10});
        c.Brush.Color = clRed;
        c.FillRect(TRect{0, 3, 30, 6});
        c.ClearClip();
        c.Brush.Color = clBlue;
        c.FillRect(TRect{0, 7, 30, 9});
    });
    EXPECT_EQ(std::tuple(img.pixel(5, 4), img.pixel(10, 4), img.pixel(19, 4), img.pixel(20, 4)), std::tuple(Weiss, Rot, Rot, Weiss));
    EXPECT_EQ(std::tuple(img.pixel(0, 8), img.pixel(29, 8), img.pixel(29, 1)), std::tuple(Blau, Blau, Schwarz));
}

// Rounded rectangles cover Left..Right-1 and Top..Bottom-1 as every shape.
TEST(CanvasWege, RoundedRectanglesCoverTheirCornersExclusive)
{
    const QImage img = Zeichne(30, 20, [](TCanvas& c) {
        c.Brush.Color = clRed;
        c.RoundRect(22, 15, 2, 3, 4, 4);
    });
    EXPECT_EQ(std::tuple(img.pixel(12, 3), img.pixel(12, 14), img.pixel(2, 9), img.pixel(21, 9), img.pixel(12, 9)),
              std::tuple(Schwarz, Schwarz, Schwarz, Schwarz, Rot));
    EXPECT_EQ(std::tuple(img.pixel(12, 15), img.pixel(22, 9), img.pixel(2, 3)), std::tuple(Weiss, Weiss, Weiss));
}

// Small ellipses with pens wide enough to reach past their box come out as
// the painter paints them, rim included.
TEST(CanvasWege, SmallEllipsesWithWidePensKeepTheirWholeRim)
{
    const auto zeichne = [](QImage::Format format) {
        QImage img = MakeScreenImage(120, 60).convertToFormat(format);
        {
            TImageCanvas c(&img);
            c.Brush.Color = clYellow;
            for (const int breite : {4, 6, 9}) {
                c.Pen.Width = breite;
                const int x = 10 + 35 * (breite - 4) / 2;
                c.Ellipse(x, 10, x + 24, 40);
            }
        }
        return img.convertToFormat(QImage::Format_RGB32);
    };
    const QImage direkt = zeichne(QImage::Format_RGB32), maler = zeichne(QImage::Format_RGB888);
    int anders = 0, tinte = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 120; ++x) {
            anders += direkt.pixel(x, y) != maler.pixel(x, y);
            tinte += maler.pixel(x, y) == Schwarz;
        }
    EXPECT_GT(tinte, 300);
    EXPECT_EQ(anders, 0);
}

// The recording canvas keeps every call with the state it was made in,
// pictures with their target.
TEST(CanvasWege, TheRecordingCanvasKeepsPicturesWithTheirTarget)
{
    TRecordingCanvas c(200, 100, true);
    EXPECT_EQ(std::tuple(c.Width(), c.Height(), c.IsPrinter()), std::tuple(200, 100, true));
    QImage bild(4, 3, QImage::Format_RGB32);
    c.SetClipRect(TRect{0, 0, 50, 50});
    c.Draw(10, 20, bild);
    c.StretchDraw(TRect{1, 2, 30, 40}, bild);
    c.Draw(5, 5, QImage());
    const auto ops = c.OpsOf(TRecordingCanvas::TOpKind::Draw);
    ASSERT_EQ(ops.size(), 2u);
    EXPECT_EQ(std::tuple(ops[0].Rect, ops[1].Rect, ops[0].Clipped, ops[0].Clip),
              std::tuple(TRect{10, 20, 14, 23}, TRect{1, 2, 30, 40}, true, TRect{0, 0, 50, 50}));
}

// A canvas without a picture draws nothing and fails nowhere.
TEST(CanvasWege, WithoutAPictureNothingIsDrawn)
{
    QImage leer;
    for (QImage* bild : {static_cast<QImage*>(nullptr), &leer}) {
        TImageCanvas c(bild);
        EXPECT_EQ(std::tuple(c.Width(), c.Height()), std::tuple(0, 0));
        c.Pen.Width = 3;
        Strecke(c, 0, 0, 10, 10);
        c.Rectangle(0, 0, 5, 5);
        c.RoundRect(0, 0, 5, 5, 2, 2);
        c.Ellipse(0, 0, 5, 5);
        c.Polygon({{0, 0}, {5, 0}, {5, 5}});
        c.FillRect(TRect{0, 0, 5, 5});
        c.TextOut(0, 0, QStringLiteral("x"));
        c.Draw(0, 0, MakeScreenImage(2, 2));
        c.SetClipRect(TRect{0, 0, 2, 2});
        c.Flush();
        EXPECT_GT(c.TextWidth(QStringLiteral("x")), 0);
    }
}

// On every painting path (a mapped canvas, a 24-bit picture the painter
// paints alone, the screen bitmap) each shape takes the pen and brush in
// force at its call, whatever the call before it used.
TEST(CanvasWege, EachShapeTakesThePenAndBrushOfItsCall)
{
    struct Form {
        const char* Name;
        std::function<void(TCanvas&)> Zeichnen;
    };
    const Form formen[] = {
        {"Rectangle", [](TCanvas& c) { c.Rectangle(4, 4, 16, 16); }},
        {"RoundRect", [](TCanvas& c) { c.RoundRect(4, 4, 16, 16, 3, 3); }},
        {"Ellipse", [](TCanvas& c) { c.Ellipse(4, 4, 16, 16); }},
        {"large Ellipse", [](TCanvas& c) { c.Ellipse(-60, -60, 80, 80); }},
        {"Polygon", [](TCanvas& c) { c.Polygon({{4, 4}, {16, 4}, {16, 16}, {4, 16}}); }},
    };
    const auto vorher = [](TCanvas& c) {
        c.Pen = TPen{clLime, 1, TPenStyle::Solid};
        c.Brush = TBrush{clYellow, TBrushStyle::Solid};
        c.Rectangle(0, 0, 3, 3);
        c.Ellipse(17, 17, 20, 20);
        c.Polygon({{0, 17}, {3, 17}, {3, 20}});
        c.RoundRect(17, 0, 20, 3, 1, 1);
    };
    for (const Form& f : formen) {
        for (const int weg : {0, 1, 2}) {
            SCOPED_TRACE(std::string(f.Name) + " on path " + std::to_string(weg));
            QImage img = MakeScreenImage(40, 40);
            if (weg == 1)
                img = img.convertToFormat(QImage::Format_RGB888);
            {
                std::unique_ptr<TCanvas> c;
                if (weg == 0)
                    c = std::make_unique<SkalierteLeinwand>(&img, 2.0, 2.0, 0.0, 0.0);
                else
                    c = std::make_unique<TImageCanvas>(&img);
                vorher(*c);
                c->Pen = TPen{clRed, 1, TPenStyle::Solid};
                c->Brush = TBrush{clBlue, TBrushStyle::Solid};
                f.Zeichnen(*c);
            }
            const QImage b = img.convertToFormat(QImage::Format_RGB32);
            const int k = weg == 0 ? 2 : 1;  // device pixels per unit
            EXPECT_EQ(b.pixel(10 * k, 10 * k), Blau);
            if (std::string(f.Name) != "large Ellipse") {
                EXPECT_EQ(b.pixel(10 * k, 4 * k), Rot);
            }
        }
    }
}

// A picture drawn over the canvas leaves what lies under its transparent
// pixels; a plain copy puts its own pixels in their place.
TEST(CanvasWege, DrawOverKeepsWhatLiesUnderTransparentPixels)
{
    QImage bild(4, 2, QImage::Format_ARGB32);
    bild.fill(Qt::transparent);
    bild.setPixel(0, 0, Blau);
    bild.setPixel(3, 1, Blau);
    // On a bitmap of the screen's format (painted from a list) and of
    // another (painted at once).
    for (const QImage::Format format : {QImage::Format_RGB32, QImage::Format_RGB888}) {
        for (const bool ueber : {true, false}) {
            QImage img = MakeScreenImage(8, 4).convertToFormat(format);
            {
                TImageCanvas c(&img);
                c.Brush.Color = clRed;
                c.FillRect(TRect{0, 0, 8, 4});
                if (ueber)
                    c.DrawOver(2, 1, bild);
                else
                    c.Draw(2, 1, bild);
            }
            const QRgb drunter = ueber ? Rot : Schwarz;
            EXPECT_EQ(std::tuple(img.pixel(2, 1), img.pixel(5, 2), img.pixel(3, 1), img.pixel(4, 2), img.pixel(1, 1)),
                      std::tuple(Blau, Blau, drunter, drunter, Rot))
                << (ueber ? "DrawOver" : "Draw") << " on format " << format;
        }
    }
}

// The screen bitmap's store: a picture that grows a little keeps its pixels
// where they are; one whose pixels are shown elsewhere moves to the other
// set and leaves the copy alone; one that outgrows its set gets a new,
// white one. Every picture it hands out is RGB32 at 96 dpi.
TEST(CanvasWege, TheBitmapStoreKeepsPixelsInPlaceAndMovesSharedOnes)
{
    const auto art = [](const QImage& b) {
        return std::tuple(b.size(), b.format(), b.dotsPerMeterX(), b.dotsPerMeterY());
    };
    TBildspeicher vorrat;
    QImage bild;
    vorrat.Freistellen(bild, 0, -5);
    EXPECT_EQ(art(bild), std::tuple(QSize(1, 1), QImage::Format_RGB32, 3780, 3780));
    vorrat.Freistellen(bild, 800, 600);  // a set of 908 x 683
    EXPECT_EQ(bild.pixel(799, 599), Weiss);
    bild.setPixel(5, 5, Rot);
    const uchar* const ort = bild.constBits();
    vorrat.Freistellen(bild, 908, 683);
    EXPECT_EQ(std::tuple(bild.constBits(), bild.pixel(5, 5)), std::tuple(ort, Rot));
    EXPECT_EQ(art(bild), std::tuple(QSize(908, 683), QImage::Format_RGB32, 3780, 3780));
    vorrat.Freistellen(bild, 700, 500);
    EXPECT_EQ(std::tuple(bild.constBits(), bild.pixel(5, 5), bild.size()), std::tuple(ort, Rot, QSize(700, 500)));

    // Shown elsewhere: the other set, white while it is new.
    const QImage gezeigt = bild;
    vorrat.Freistellen(bild, 700, 500);
    EXPECT_NE(bild.constBits(), gezeigt.constBits());
    EXPECT_EQ(std::tuple(bild.pixel(5, 5), gezeigt.pixel(5, 5), gezeigt.constBits()), std::tuple(Weiss, Rot, ort));
    EXPECT_EQ(art(bild), std::tuple(QSize(700, 500), QImage::Format_RGB32, 3780, 3780));
    bild.setPixel(6, 6, Blau);
    EXPECT_EQ(gezeigt.pixel(6, 6), Weiss);
    // The copy gone, the picture stays in its set.
    const uchar* const zweiter = bild.constBits();
    vorrat.Freistellen(bild, 710, 510);
    EXPECT_EQ(std::tuple(bild.constBits(), bild.pixel(6, 6)), std::tuple(zweiter, Blau));

    // Both sets shown: a new set of its own, white.
    const QImage auchGezeigt = bild;
    vorrat.Freistellen(bild, 710, 510);
    EXPECT_EQ(std::tuple(bild.pixel(5, 5), bild.pixel(6, 6), gezeigt.pixel(5, 5), auchGezeigt.pixel(6, 6)),
              std::tuple(Weiss, Weiss, Rot, Blau));

    // Shown elsewhere while the other set is free: the other set's pixels
    // serve again.
    TBildspeicher wechsel;
    QImage w;
    wechsel.Freistellen(w, 100, 80);
    const uchar* const erster = w.constBits();
    {
        const QImage kopie = w;
        wechsel.Freistellen(w, 100, 80);
    }
    ASSERT_NE(w.constBits(), erster);
    {
        const QImage kopie = w;
        wechsel.Freistellen(w, 90, 70);
    }
    EXPECT_EQ(std::pair(w.constBits(), w.size()), std::pair(erster, QSize(90, 70)));

    // Beyond the set's room: a new set, white.
    QImage gross;
    TBildspeicher zweiterVorrat;
    zweiterVorrat.Freistellen(gross, 800, 600);
    gross.setPixel(5, 5, Rot);
    for (const QSize s : {QSize(909, 600), QSize(800, 684)}) {
        zweiterVorrat.Freistellen(gross, 800, 600);
        gross.setPixel(5, 5, Rot);
        zweiterVorrat.Freistellen(gross, s.width(), s.height());
        EXPECT_EQ(std::tuple(gross.size(), gross.pixel(5, 5)), std::tuple(s, Weiss)) << s.width() << "x" << s.height();
    }
}

// Text over a solid brush fills its cell first; over a clear one the
// picture stays between the glyphs. Painted from a list and at once.
TEST(CanvasWege, TextFillsItsCellOnlyOverASolidBrush)
{
    for (const QImage::Format format : {QImage::Format_RGB32, QImage::Format_RGB888}) {
        for (const bool voll : {true, false}) {
            QImage img = MakeScreenImage(40, 30).convertToFormat(format);
            int b = 0, h = 0;
            {
                TImageCanvas c(&img);
                c.Font = TFont{QStringLiteral("Tahoma"), 12, clBlack, 0};
                c.Brush = TBrush{clBlue, voll ? TBrushStyle::Solid : TBrushStyle::Clear};
                c.TextOut(3, 4, QStringLiteral("   "));
                b = c.TextWidth(QStringLiteral("   "));
                h = c.TextHeight(QStringLiteral("   "));
            }
            ASSERT_TRUE(b > 2 && h > 2);
            EXPECT_EQ(std::tuple(img.pixel(3, 4), img.pixel(3 + b - 1, 4 + h - 1), img.pixel(3 + b, 4), img.pixel(2, 4)),
                      std::tuple(voll ? Blau : Weiss, voll ? Blau : Weiss, Weiss, Weiss))
                << format << (voll ? " solid" : " clear");
        }
    }
}

// A graph's commands given at once draw the pixels of the same calls one by
// one: thin, wide, dashed and clear pens, runs far beyond every edge and
// back, repeated points, and commands that only move the pen.
TEST(CanvasWege, CommandsAtOnceDrawWhatTheCallsOneByOneDraw)
{
    std::vector<TGraphBefehl> befehle;
    const auto setze = [&](TGraphBefehl::TArt art, int x, int y) { befehle.push_back(TGraphBefehl{art, x, y, 0, 0}); };
    setze(TGraphBefehl::MoveTo, -30, 20);
    for (int x = -29; x < 90; ++x)
        setze(TGraphBefehl::LineTo, x, 20 + static_cast<int>(std::lround(25 * std::sin(x / 6.0))));
    setze(TGraphBefehl::LineTo, 89, 20 + static_cast<int>(std::lround(25 * std::sin(89 / 6.0))));  // the same point
    for (const auto& [x, y] : {std::pair(-200, -300), std::pair(-210, -320), std::pair(-220, 5), std::pair(-230, 8),
                               std::pair(30, 10), std::pair(300, 12), std::pair(320, 14), std::pair(40, 400),
                               std::pair(45, 420), std::pair(50, 20), std::pair(55, -400), std::pair(60, -420),
                               std::pair(55, -400), std::pair(65, 25)})  // back to where the run left the picture
        setze(TGraphBefehl::LineTo, x, y);
    setze(TGraphBefehl::Ellipse, 10, 30);  // moves only
    setze(TGraphBefehl::LineTo, 70, 35);
    setze(TGraphBefehl::TinteMoveTo, 5, 5);
    setze(TGraphBefehl::LineTo, 75, 5);

    for (const QImage::Format format : {QImage::Format_RGB32, QImage::Format_RGB888}) {
        for (const TPen& stift : {TPen{clRed, 1, TPenStyle::Solid}, TPen{clBlue, 5, TPenStyle::Solid},
                                  TPen{clBlack, 1, TPenStyle::Dash}, TPen{clGreen, 3, TPenStyle::Dot},
                                  TPen{clRed, 4, TPenStyle::Clear}}) {
            QImage einzeln = MakeScreenImage(80, 50).convertToFormat(format), zusammen = einzeln;
            {
                TImageCanvas c(&einzeln);
                c.Pen = stift;
                for (const TGraphBefehl& b : befehle)
                    if (b.Art == TGraphBefehl::LineTo)
                        c.LineTo(b.A, b.B);
                    else
                        c.MoveTo(b.A, b.B);
            }
            {
                TImageCanvas c(&zusammen);
                c.Pen = stift;
                c.Linien(befehle);
            }
            EXPECT_EQ(zusammen, einzeln) << format << " width " << stift.Width << " style " << static_cast<int>(stift.Style);
        }
    }
}

}  // namespace
