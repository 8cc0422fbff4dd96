// The line segment class: its ends around a centre, rounded half to even,
// and the drawing in its two colours.
#include "graph/linie.h"
#include "platform/canvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using Op = TRecordingCanvas::TOpKind;

TEST(Linie, EndsLieHalfTheLengthEachSideOfTheCentre)
{
    struct Fall {
        double cx, cy, dx, dy;
        int laenge;
        int x1, y1, x2, y2;
    };
    const Fall faelle[] = {
        {50, 50, 1, 0, 100, 0, 50, 100, 50},
        // Pixel y grows downward: the first end lies below.
        {50, 50, 0, 1, 100, 50, 100, 50, 0},
        {50, 50, 3, -4, 10, 47, 46, 53, 54},
        {50, 50, 1, 1, 10, 46, 54, 54, 46},
        // 47.5 and 52.5: halves go to the even neighbour.
        {50, 50, 1, 0, 5, 48, 50, 52, 50},
        {0.5, 0.5, 1, 0, 1, 0, 0, 1, 0},
        // Length 0: both ends on the rounded centre.
        {2.5, 3.5, 1, 1, 0, 2, 4, 2, 4},
        // A slope of 1e300 is a vertical, not a division by infinity.
        {100, 100, 1, 1e300, 40, 100, 120, 100, 80},
        // Ends beyond the integer range saturate.
        {2.1e9, 0, 1, 0, 2000000000, 1100000000, 0, std::numeric_limits<int>::max(), 0},
    };
    for (const Fall& f : faelle) {
        TLinie l;
        l.SetLength(f.laenge);
        l.SetLine(f.cx, f.cy, f.dx, f.dy);
        EXPECT_EQ(l.X1, f.x1) << f.cx << " " << f.dx << "," << f.dy << " " << f.laenge;
        EXPECT_EQ(l.Y1, f.y1) << f.cx << " " << f.dx << "," << f.dy << " " << f.laenge;
        EXPECT_EQ(l.X2, f.x2) << f.cx << " " << f.dx << "," << f.dy << " " << f.laenge;
        EXPECT_EQ(l.Y2, f.y2) << f.cx << " " << f.dx << "," << f.dy << " " << f.laenge;
    }
}

TEST(Linie, ADirectionWithoutLengthLeavesTheEnds)
{
    TLinie l;
    EXPECT_EQ(l.Length, 0);
    EXPECT_EQ(l.Canvas, nullptr);
    EXPECT_EQ(l.Color, 0u);
    l.SetLength(10);
    l.SetLine(5, 5, 1, 0);
    l.SetLine(80, 80, 0, 0);
    l.SetLine(80, 80, std::nan(""), 1);
    EXPECT_EQ(l.X1, 0);
    EXPECT_EQ(l.X2, 10);
    EXPECT_EQ(l.Y1, 5);
}

TEST(Linie, DrawsInItsColourWithTheCanvasPen)
{
    TLinie l;
    l.Draw2();  // no canvas yet: nothing happens
    TRecordingCanvas c;
    c.Pen.Width = 3;
    l.SetCanvas(&c);
    l.SetColor(clRed);
    l.SetColor2(clBlue);
    l.SetLength(20);
    l.SetLine(30, 40, 1, 0);
    l.Draw2();
    l.Draw();
    const auto linien = c.OpsOf(Op::Line);
    ASSERT_EQ(linien.size(), 2u);
    EXPECT_EQ(linien[0].Points, (std::vector<TPoint>{{20, 40}, {40, 40}}));
    EXPECT_EQ(linien[0].Pen.Color, clBlue);
    EXPECT_EQ(linien[0].Pen.Width, 3);
    EXPECT_EQ(linien[1].Pen.Color, clRed);
}

}  // namespace
