// The GDI-like canvas: pixel rules of the image backend and what the
// recording backend keeps.
#include "platform/canvas.h"

#include <gtest/gtest.h>

namespace {

struct Bild {
    QImage img = MakeScreenImage(40, 30);
    TImageCanvas c{&img};

    QRgb At(int x, int y)
    {
        c.Flush();
        return img.pixel(x, y);
    }
    bool Schwarz(int x, int y) { return At(x, y) == 0xFF000000; }
    bool Leer(int x, int y) { return At(x, y) == 0xFFFFFFFF; }
};

TEST(Canvas, LinesLeaveOutTheirEndPixelButDrawTheirJoints)
{
    struct Fall {
        TPoint Von, Bis, Letzter;
    };
    for (const Fall& f : {Fall{{2, 5}, {10, 5}, {9, 5}}, Fall{{20, 2}, {20, 12}, {20, 11}},
                          Fall{{25, 2}, {31, 8}, {30, 7}}}) {
        Bild b;
        b.c.MoveTo(f.Von.X, f.Von.Y);
        b.c.LineTo(f.Bis.X, f.Bis.Y);
        EXPECT_TRUE(b.Schwarz(f.Von.X, f.Von.Y));
        EXPECT_TRUE(b.Schwarz(f.Letzter.X, f.Letzter.Y));
        EXPECT_TRUE(b.Leer(f.Bis.X, f.Bis.Y));
        EXPECT_EQ(b.c.PenPos(), f.Bis);
    }
    // A polyline draws each joint once and may change colour midway.
    Bild b;
    b.c.MoveTo(2, 2);
    b.c.LineTo(10, 2);
    b.c.LineTo(10, 10);
    b.c.Pen.Color = clRed;
    b.c.LineTo(2, 10);
    EXPECT_TRUE(b.Schwarz(10, 2));
    EXPECT_EQ(b.At(5, 10), 0xFFFF0000);
    EXPECT_TRUE(b.Leer(2, 10));
}

TEST(Canvas, WideDashedAndClearPens)
{
    Bild b;
    b.c.Pen.Width = 5;
    b.c.MoveTo(5, 10);
    b.c.LineTo(30, 10);
    EXPECT_TRUE(b.Schwarz(15, 8) && b.Schwarz(15, 12));
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

TEST(Canvas, ShapesCoverLeftToRightMinusOneInAnyCornerOrder)
{
    Bild r[2], e[2];
    for (int i = 0; i < 2; ++i) {
        r[i].c.Brush.Color = clRed;
        e[i].c.Brush.Color = clBlue;
    }
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

TEST(Canvas, TextBackgroundFollowsTheBrushStyleAndItsSizeTheFont)
{
    Bild b;
    b.c.Brush.Color = clYellow;
    b.c.TextOut(2, 2, QStringLiteral("   "));
    EXPECT_EQ(b.At(3, 3), 0xFFFFFF00);  // opaque cell
    Bild k;
    k.c.Brush.Style = TBrushStyle::Clear;
    k.c.TextOut(2, 2, QStringLiteral("   "));
    EXPECT_TRUE(k.Leer(3, 3));

    EXPECT_GT(b.c.TextWidth(QStringLiteral("WWW")), b.c.TextWidth(QStringLiteral("W")));
    EXPECT_EQ(b.c.TextWidth(QString()), 0);
    const int h8 = b.c.TextHeight(QStringLiteral("Ag"));
    b.c.Font.Size = 16;
    EXPECT_GT(b.c.TextHeight(QStringLiteral("Ag")), h8 + 4);
}

TEST(Canvas, ClipAndFarEndsRestrictWhatIsDrawnButNotWhatReachesThePicture)
{
    Bild b;
    b.c.SetClipRect(TRect{0, 0, 10, 30});
    b.c.MoveTo(0, 5);
    b.c.LineTo(40, 5);
    EXPECT_TRUE(b.Schwarz(9, 5));
    EXPECT_TRUE(b.Leer(10, 5));
    b.c.ClearClip();
    b.c.MoveTo(-100000, 7);
    b.c.LineTo(-50000, 7);  // reaches no pixel
    b.c.LineTo(20, 7);
    b.c.LineTo(20, 100000);
    // A wide pen just beyond the edge still paints its half inside (drawn
    // while the canvas is open, where lines out of sight are left out).
    b.c.Pen.Width = 6;
    b.c.MoveTo(30, -2);
    b.c.LineTo(38, -2);
    EXPECT_TRUE(b.Schwarz(0, 7) && b.Schwarz(19, 7) && b.Schwarz(20, 29));
    EXPECT_TRUE(b.Schwarz(34, 0));

    // Draw copies pixels plainly, at their size.
    QImage quelle = MakeScreenImage(5, 5);
    quelle.fill(Qt::red);
    b.c.Draw(30, 20, quelle);
    EXPECT_EQ(b.At(34, 24), 0xFFFF0000);
    EXPECT_TRUE(b.Leer(35, 25));
}

TEST(RecordingCanvas, KeepsOperationsWithTheirDrawingState)
{
    TRecordingCanvas r(200, 100, true);
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
}

}  // namespace
