// The line segment class: its ends around a centre, rounded half to even,
// and the drawing in its colour with the canvas's pen.
#include "graph/linie.h"
#include "platform/canvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(Linie, EndsLieHalfTheLengthEachSideOfTheCentreRoundedHalfToEven)
{
    struct Fall {
        double cx, cy, dx, dy;
        int laenge;
        TPoint a, b;
    };
    for (const Fall& f : {Fall{50, 50, 0, 1, 100, {50, 100}, {50, 0}},  // pixel y grows downward
                          Fall{50, 50, 3, -4, 10, {47, 46}, {53, 54}},
                          Fall{50, 50, 1, 0, 5, {48, 50}, {52, 50}},  // 47.5 and 52.5
                          Fall{2.5, 3.5, 1, 1, 0, {2, 4}, {2, 4}},    // length 0: the rounded centre
                          Fall{100, 100, 1, 1e300, 40, {100, 120}, {100, 80}},
                          Fall{2.1e9, 0, 1, 0, 2000000000, {1100000000, 0}, {std::numeric_limits<int>::max(), 0}}}) {
        TLinie l;
        l.SetLength(f.laenge);
        l.SetLine(f.cx, f.cy, f.dx, f.dy);
        EXPECT_EQ((TPoint{l.X1, l.Y1}), f.a) << f.cx << " " << f.dx << "," << f.dy << " " << f.laenge;
        EXPECT_EQ((TPoint{l.X2, l.Y2}), f.b) << f.cx << " " << f.dx << "," << f.dy << " " << f.laenge;
    }
}

TEST(Linie, DrawsInItsColourAndIgnoresADirectionWithoutLength)
{
    TLinie l;
    TRecordingCanvas c;
    c.Pen.Width = 3;
    l.SetCanvas(&c);
    l.SetColor(clRed);
    l.SetColor2(clBlue);
    l.SetLength(20);
    l.SetLine(30, 40, 1, 0);
    l.SetLine(80, 80, 0, 0);
    l.SetLine(80, 80, std::nan(""), 1);
    l.Draw2();
    l.Draw();
    const auto linien = c.OpsOf(TRecordingCanvas::TOpKind::Line);
    ASSERT_EQ(linien.size(), 2u);
    EXPECT_EQ(linien[0].Points, (std::vector<TPoint>{{20, 40}, {40, 40}}));
    EXPECT_EQ(linien[0].Pen.Color, clBlue);
    EXPECT_EQ(linien[0].Pen.Width, 3);
    EXPECT_EQ(linien[1].Pen.Color, clRed);
}

}  // namespace
