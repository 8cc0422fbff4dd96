// The GDI-like canvas: pixel rules of the image backend and what the
// recording backend keeps.
#include "platform/canvas.h"

#include <gtest/gtest.h>

namespace {

constexpr QRgb Weiss = 0xFFFFFFFF;

struct Bild {
    QImage img = MakeScreenImage(40, 30);
    TImageCanvas c{&img};

    QRgb At(int x, int y)
    {
        c.Flush();
        return img.pixel(x, y);
    }
    bool Schwarz(int x, int y) { return At(x, y) == 0xFF000000; }
    bool Leer(int x, int y) { return At(x, y) == Weiss; }
};

TEST(Canvas, LineToLeavesOutItsEndPixel)
{
    Bild b;
    b.c.MoveTo(2, 5);
    b.c.LineTo(10, 5);   // horizontal
    b.c.MoveTo(20, 2);
    b.c.LineTo(20, 12);  // vertical
    b.c.MoveTo(25, 2);
    b.c.LineTo(31, 8);   // diagonal
    EXPECT_TRUE(b.Schwarz(2, 5));
    EXPECT_TRUE(b.Schwarz(9, 5));
    EXPECT_TRUE(b.Leer(10, 5));
    EXPECT_TRUE(b.Schwarz(20, 2));
    EXPECT_TRUE(b.Schwarz(20, 11));
    EXPECT_TRUE(b.Leer(20, 12));
    EXPECT_TRUE(b.Schwarz(30, 7));
    EXPECT_TRUE(b.Leer(31, 8));
    EXPECT_EQ(b.c.PenPos(), (TPoint{31, 8}));
}

TEST(Canvas, ConnectedLinesDrawTheirJointsAndChangeColourMidway)
{
    Bild b;
    b.c.MoveTo(2, 2);
    b.c.LineTo(10, 2);
    b.c.LineTo(10, 10);
    b.c.Pen.Color = clRed;
    b.c.LineTo(2, 10);
    EXPECT_TRUE(b.Schwarz(10, 2));  // the joint
    EXPECT_TRUE(b.Schwarz(10, 9));
    EXPECT_EQ(b.At(5, 10), 0xFFFF0000);
    EXPECT_TRUE(b.Leer(2, 10));
}

TEST(Canvas, WidePenAndDashedPen)
{
    Bild b;
    b.c.Pen.Width = 5;
    b.c.MoveTo(5, 10);
    b.c.LineTo(30, 10);
    EXPECT_TRUE(b.Schwarz(15, 8));
    EXPECT_TRUE(b.Schwarz(15, 12));
    EXPECT_TRUE(b.Leer(15, 14));

    Bild d;
    d.c.Pen.Style = TPenStyle::Dash;
    d.c.MoveTo(0, 5);
    d.c.LineTo(40, 5);
    int schwarz = 0;
    for (int x = 0; x < 39; ++x)
        schwarz += d.Schwarz(x, 5) ? 1 : 0;
    EXPECT_GT(schwarz, 20);
    EXPECT_LT(schwarz, 39);

    Bild k;
    k.c.Pen.Style = TPenStyle::Clear;
    k.c.MoveTo(0, 5);
    k.c.LineTo(40, 5);
    EXPECT_TRUE(k.Leer(10, 5));
    EXPECT_EQ(k.c.PenPos(), (TPoint{40, 5}));
}

TEST(Canvas, RectangleCoversLeftToRightMinusOneInAnyCornerOrder)
{
    for (bool umgekehrt : {false, true}) {
        Bild b;
        b.c.Brush.Color = clRed;
        if (umgekehrt)
            b.c.Rectangle(12, 9, 2, 2);
        else
            b.c.Rectangle(2, 2, 12, 9);
        EXPECT_TRUE(b.Schwarz(2, 2));
        EXPECT_TRUE(b.Schwarz(11, 8));
        EXPECT_TRUE(b.Schwarz(11, 2));
        EXPECT_TRUE(b.Leer(12, 5));
        EXPECT_TRUE(b.Leer(5, 9));
        EXPECT_EQ(b.At(6, 5), 0xFFFF0000);
    }
    Bild leer;
    leer.c.Brush.Style = TBrushStyle::Clear;
    leer.c.Rectangle(2, 2, 12, 9);
    EXPECT_TRUE(leer.Schwarz(2, 5));
    EXPECT_TRUE(leer.Leer(6, 5));
}

TEST(Canvas, EllipseIsTheSameInAnyCornerOrder)
{
    Bild a, b;
    a.c.Brush.Color = clBlue;
    b.c.Brush.Color = clBlue;
    a.c.Ellipse(4, 3, 30, 21);
    b.c.Ellipse(30, 21, 4, 3);
    a.c.Flush();
    b.c.Flush();
    EXPECT_EQ(a.img, b.img);
    EXPECT_EQ(a.At(17, 12), 0xFF0000FF);  // filled centre
    EXPECT_TRUE(a.Leer(4, 3));            // the box's corner is outside
    EXPECT_TRUE(a.Leer(30, 12));          // right edge exclusive
}

TEST(Canvas, HatchedBrushesLeaveTheBackgroundShowing)
{
    Bild b;
    b.c.Brush.Color = clLime;
    b.c.FillRect(TRect{0, 0, 40, 30});
    b.c.Brush.Color = clBlack;
    b.c.Brush.Style = TBrushStyle::BDiagonal;
    b.c.FillRect(TRect{0, 0, 40, 30});
    int gruen = 0, schwarz = 0;
    for (int x = 0; x < 40; ++x) {
        gruen += b.At(x, 10) == 0xFF00FF00 ? 1 : 0;
        schwarz += b.Schwarz(x, 10) ? 1 : 0;
    }
    EXPECT_GT(gruen, 0);
    EXPECT_GT(schwarz, 0);
    EXPECT_EQ(gruen + schwarz, 40);
}

TEST(Canvas, TextBackgroundFollowsTheBrushStyle)
{
    Bild b;
    b.c.Brush.Color = clYellow;
    b.c.TextOut(2, 2, QStringLiteral("   "));
    EXPECT_EQ(b.At(3, 3), 0xFFFFFF00);  // opaque cell

    Bild k;
    k.c.Brush.Style = TBrushStyle::Clear;
    k.c.TextOut(2, 2, QStringLiteral("   "));
    EXPECT_TRUE(k.Leer(3, 3));
    EXPECT_EQ(k.c.PenPos(), (TPoint{0, 0}));

    EXPECT_GT(b.c.TextWidth(QStringLiteral("WWW")), b.c.TextWidth(QStringLiteral("W")));
    EXPECT_EQ(b.c.TextWidth(QString()), 0);
    const int h8 = b.c.TextHeight(QStringLiteral("Ag"));
    b.c.Font.Size = 16;
    EXPECT_GT(b.c.TextHeight(QStringLiteral("Ag")), h8 + 4);
}

TEST(Canvas, ClipRectangleRestrictsDrawing)
{
    Bild b;
    b.c.SetClipRect(TRect{0, 0, 10, 30});
    b.c.MoveTo(0, 5);
    b.c.LineTo(40, 5);
    EXPECT_TRUE(b.Schwarz(9, 5));
    EXPECT_TRUE(b.Leer(10, 5));
    b.c.ClearClip();
    b.c.MoveTo(0, 7);
    b.c.LineTo(40, 7);
    EXPECT_TRUE(b.Schwarz(30, 7));
}

TEST(Canvas, LinesFromFarOutsideStillReachTheirVisiblePart)
{
    Bild b;
    b.c.MoveTo(-100000, 5);
    b.c.LineTo(-50000, 5);  // reaches no pixel
    b.c.LineTo(20, 5);
    b.c.LineTo(20, 100000);
    EXPECT_TRUE(b.Schwarz(0, 5));
    EXPECT_TRUE(b.Schwarz(19, 5));
    EXPECT_TRUE(b.Schwarz(20, 29));
    // A wide pen just beyond the edge still paints its half inside.
    b.c.Pen.Width = 6;
    b.c.MoveTo(30, -2);
    b.c.LineTo(38, -2);
    EXPECT_TRUE(b.Schwarz(34, 0));
}

TEST(Canvas, DrawCopiesPixelsPlainly)
{
    QImage quelle = MakeScreenImage(5, 5);
    quelle.fill(Qt::red);
    Bild b;
    b.c.Draw(10, 10, quelle);
    EXPECT_EQ(b.At(10, 10), 0xFFFF0000);
    EXPECT_EQ(b.At(14, 14), 0xFFFF0000);
    EXPECT_TRUE(b.Leer(15, 15));
}

TEST(RecordingCanvas, KeepsOperationsWithTheirDrawingState)
{
    TRecordingCanvas r(200, 100, true);
    EXPECT_TRUE(r.IsPrinter());
    EXPECT_FALSE(TRecordingCanvas().IsPrinter());
    r.Pen.Color = clRed;
    r.Pen.Width = 3;
    r.MoveTo(1, 2);
    r.LineTo(3, 4);
    r.LineTo(3, 4);  // zero length: nothing
    r.Brush.Style = TBrushStyle::Clear;
    r.Ellipse(10, 10, 0, 0);
    r.SetClipRect(TRect{0, 0, 50, 50});
    r.TextOut(5, 6, std::string("Ä"));
    ASSERT_EQ(r.Ops().size(), 3u);
    const auto& l = r.Ops()[0];
    EXPECT_EQ(l.Kind, TRecordingCanvas::TOpKind::Line);
    EXPECT_EQ(l.Points, (std::vector<TPoint>{{1, 2}, {3, 4}}));
    EXPECT_EQ(l.Pen.Color, clRed);
    EXPECT_EQ(l.Pen.Width, 3);
    EXPECT_EQ(r.Ops()[1].Rect, (TRect{0, 0, 10, 10}));
    EXPECT_EQ(r.Ops()[1].Brush.Style, TBrushStyle::Clear);
    const auto& t = r.Ops()[2];
    EXPECT_EQ(t.Text, QString::fromUtf8("Ä"));
    EXPECT_TRUE(t.Clipped);
    EXPECT_GT(t.Rect.Right, t.Rect.Left);
    EXPECT_EQ(r.OpsOf(TRecordingCanvas::TOpKind::Text).size(), 1u);
}

}  // namespace
