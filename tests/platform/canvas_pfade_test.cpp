// The screen canvas keeps its calls as commands and paints them later; any
// other device is painted at once through a painter. Both give the same
// pixels for the same calls, a canvas used for one picture after another
// paints each as a fresh one would.
#include "engine/arbeiterpool.h"
#include "platform/canvas.h"
#include "bildvergleich.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

namespace {

class TPfadCanvas : public TImageCanvas {
public:
    using TImageCanvas::TImageCanvas;
    using TPainterCanvas::SetTextAntialiasing;
};

using TSzene = std::function<void(TCanvas&)>;

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
             // Corners near the ends of the int range.
             c.Pen.Width = 1;
             c.Ellipse(-(1 << 30) - 5, 100, 60, 130);
             c.Rectangle(150, -(1 << 30) - 5, 160, 20);
             c.RoundRect(180, 100, (1 << 30) + 5, 110, 6, 6);
         }},
        {"small discs across the picture's edges and a clip's", [](TCanvas& c) {
             c.Pen = TPen{clNavy, 2, TPenStyle::Solid};
             c.Brush = TBrush{clYellow, TBrushStyle::Solid};
             const auto scheiben = [&c] {
                 for (const auto& [x, y] : {std::pair(-6, -6), std::pair(205, 80), std::pair(100, 168), std::pair(-4, 100),
                                            std::pair(100, -5), std::pair(205, 168), std::pair(40, 30), std::pair(150, 120)})
                     c.Ellipse(x, y, x + 12, y + 10);
             };
             scheiben();
             c.SetClipRect(TRect{44, 34, 155, 124});
             c.Brush.Color = clRed;
             scheiben();
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
        // Another picture given paints what is pending on the one before.
        QImage viertes = MakeScreenImage(211, 173);
        danach(c);
        c.SetImage(&viertes);
        EXPECT_TRUE(Gleich(zweites, frisch)) << (p ? "bands" : "one band");
        danach(c);
        c.Flush();
        EXPECT_TRUE(Gleich(viertes, frisch)) << (p ? "bands" : "one band");
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

// Text is smoothed unless the canvas is told otherwise, before its first
// call or between two: kept and painted at once alike.
TEST(CanvasPfade, TextIsSmoothedUntilToldOtherwise)
{
    // Pixels neither white nor black in rows von..bis.
    const auto grau = [](const QImage& b, int von, int bis) {
        int n = 0;
        for (int y = von; y < bis; ++y)
            for (int x = 0; x < b.width(); ++x)
                n += b.pixel(x, y) != 0xFFFFFFFFu && b.pixel(x, y) != 0xFF000000u;
        return n;
    };
    for (const QImage::Format format : {QImage::Format_RGB32, QImage::Format_RGB888}) {
        for (const bool vorher : {false, true}) {
            QImage bild = MakeScreenImage(80, 60).convertToFormat(format);
            {
                TPfadCanvas c(&bild);
                c.Font.Size = 14;
                c.Brush.Style = TBrushStyle::Clear;
                if (vorher)
                    c.SetTextAntialiasing(false);
                c.TextOut(2, 2, QStringLiteral("Ag/8"));
                c.SetTextAntialiasing(vorher);
                c.TextOut(2, 32, QStringLiteral("Ag/8"));
            }
            bild = bild.convertToFormat(QImage::Format_RGB32);
            EXPECT_EQ(grau(bild, 0, 30) > 10, !vorher) << format;
            EXPECT_EQ(grau(bild, 30, 60) > 10, vorher) << format;
        }
    }
}

// A painted picture holds on to none of the texts and pictures of its
// calls.
TEST(CanvasPfade, APaintedPictureHoldsNoTextsOrPictures)
{
    QImage bild = MakeScreenImage(100, 60);
    TPfadCanvas c(&bild);
    QString text = QStringLiteral("f(x) = ");
    text += QStringLiteral("x²");
    QImage muster(8, 6, QImage::Format_ARGB32);
    muster.fill(Qt::red);
    c.TextOut(2, 2, text);
    c.Draw(50, 10, muster);
    c.DrawOver(60, 10, muster);
    c.StretchDraw(TRect{70, 10, 90, 30}, muster);
    EXPECT_FALSE(text.isDetached() && muster.isDetached()) << "kept until painted";
    c.DrawPending();
    EXPECT_TRUE(text.isDetached());
    EXPECT_TRUE(muster.isDetached());
    c.TextOut(2, 30, text);
    c.Draw(50, 30, muster);
    c.Flush();
    EXPECT_TRUE(text.isDetached());
    EXPECT_TRUE(muster.isDetached());
}

// What the screen canvas keeps from picture to picture stays bounded: the
// pictures of small ellipses (one per size, pen and brush, up to 64 pixels
// and the newest 32 of them) and the wide pens' shape tables (dropped
// between pictures once there are more than eight widths).
TEST(CanvasPfade, WhatIsKeptForTheNextPictureStaysFew)
{
    QImage bild = MakeScreenImage(300, 200);
    TPfadCanvas c(&bild);
    c.Brush = TBrush{clRed, TBrushStyle::Solid};
    for (int i = 0; i < 2; ++i) {
        c.Ellipse(0, 0, 64, 5);
        c.Ellipse(20, 30, 21, 94);
        c.Ellipse(5, 5, 15, 15);
    }
    EXPECT_EQ(c.EllipsenBilder(), 3u);
    c.Ellipse(0, 0, 65, 5);
    c.Ellipse(0, 0, 5, 65);
    c.Brush.Style = TBrushStyle::Cross;
    c.Ellipse(5, 5, 15, 15);
    c.Brush.Style = TBrushStyle::Clear;
    c.Ellipse(5, 5, 15, 15);
    c.Pen.Width = 64;
    c.Ellipse(5, 5, 15, 15);
    c.Pen.Width = 65;
    c.Ellipse(5, 5, 15, 15);
    c.Pen.Width = 1;
    EXPECT_EQ(c.EllipsenBilder(), 5u);
    c.Brush.Color = clBlue;
    for (int i = 1; i <= 40; ++i)
        c.Ellipse(0, 0, i, 5);
    EXPECT_EQ(c.EllipsenBilder(), 32u);
    c.Flush();

    const auto breit = [&](std::initializer_list<int> breiten) {
        for (const int b : breiten) {
            c.Pen = TPen{clGreen, b, TPenStyle::Solid};
            c.MoveTo(0, 10), c.LineTo(100, 50), c.LineTo(200, 10);
            c.Rectangle(0, 0, 1, 1);  // ends the run
        }
        c.Flush();
        return c.MusterTafeln();
    };
    EXPECT_EQ(breit({1, 2, 3, 4, 5, 6, 7, 8, 9, 65}), 8u);
    EXPECT_EQ(breit({10}), 9u);
    EXPECT_EQ(breit({2, 2}), 1u);
    EXPECT_EQ(breit({64}), 2u);

    // A picture painted at once keeps none.
    QImage tief = MakeScreenImage(50, 50).convertToFormat(QImage::Format_RGB888);
    TPfadCanvas sofort(&tief);
    sofort.Ellipse(1, 1, 9, 9);
    sofort.Pen.Width = 5;
    sofort.MoveTo(0, 0), sofort.LineTo(40, 40);
    sofort.Flush();
    EXPECT_EQ(std::pair(sofort.EllipsenBilder(), sofort.MusterTafeln()), std::pair(std::size_t{0}, std::size_t{0}));
}

// What a call hands to a canvas, seen on the recording canvas: corners in
// either order come as a normal box, calls that would draw nothing come not
// at all, and each comes with the pen, brush, font and clip of its call.
TEST(CanvasPfade, EveryCallReachesTheCanvasWithWhatWasInForce)
{
    using K = TRecordingCanvas::TOpKind;
    TRecordingCanvas c(300, 200);
    const TPen stift{clRed, 3, TPenStyle::Dash};
    const TBrush pinsel{clBlue, TBrushStyle::Cross};
    const TFont schrift{QStringLiteral("DejaVu Sans"), 12, clGreen, 1};
    c.Pen = stift;
    c.Brush = pinsel;
    c.Font = schrift;
    c.SetClipRect(TRect{50, 40, 10, 20});
    c.MoveTo(1, 2);
    c.LineTo(1, 2);  // no length
    c.LineTo(5, 6);
    c.Rectangle(30, 40, 10, 20);
    c.RoundRect(30, 40, 10, 20, -8, 6);
    c.Ellipse(10, 40, 30, 20);
    c.Polygon({{1, 1}, {9, 1}});
    c.Polygon({{1, 1}});
    c.Polyline({{2, 2}, {8, 3}});
    c.Polyline({{2, 2}});
    c.FillRect(TRect{7, 8, 3, 4});
    c.TextOut(4, 5, QStringLiteral("fx"));
    c.TextOut(4, 5, QString());
    c.ClearClip();
    const QImage bild(4, 3, QImage::Format_RGB32);
    constexpr int Groesste = std::numeric_limits<int>::max();
    c.Draw(Groesste - 4, 0, bild);  // its far edge the last int
    c.Draw(Groesste - 3, 0, bild);
    c.Draw(0, Groesste - 2, bild);
    c.DrawOver(Groesste - 4, Groesste - 3, bild);
    c.DrawOver(Groesste - 3, 0, bild);
    c.DrawOver(0, Groesste - 2, bild);
    c.DrawOver(0, 0, QImage());
    c.StretchDraw(TRect{0, 0, 9, 9}, QImage());
    const std::vector<TRecordingCanvas::TOp>& ops = c.Ops();
    const std::vector<K> arten = {K::Line, K::Rectangle, K::RoundRect, K::Ellipse, K::Polygon, K::Polyline,
                                  K::FillRect, K::Text, K::Draw, K::Draw};
    ASSERT_EQ(ops.size(), arten.size());
    for (std::size_t i = 0; i < ops.size(); ++i) {
        EXPECT_EQ(ops[i].Kind, arten[i]) << i;
        EXPECT_EQ(std::tuple(ops[i].Pen, ops[i].Brush, ops[i].Font), std::tuple(stift, pinsel, schrift)) << i;
        EXPECT_EQ(ops[i].Clipped, i < 8) << i;
        EXPECT_EQ(ops[i].Clip, (TRect{10, 20, 50, 40})) << i;
    }
    EXPECT_EQ(ops[0].Points, (std::vector<TPoint>{{1, 2}, {5, 6}}));
    const TRect box{10, 20, 30, 40};
    EXPECT_EQ(std::tuple(ops[1].Rect, ops[2].Rect, ops[2].W, ops[2].H, ops[3].Rect), std::tuple(box, box, 8, 6, box));
    EXPECT_EQ(std::pair(ops[4].Points, ops[5].Points),
              std::pair(std::vector<TPoint>{{1, 1}, {9, 1}}, std::vector<TPoint>{{2, 2}, {8, 3}}));
    EXPECT_EQ(ops[6].Rect, (TRect{3, 4, 7, 8}));
    EXPECT_EQ(std::tuple(ops[7].Text, ops[7].Points, ops[7].Rect),
              std::tuple(QStringLiteral("fx"), std::vector<TPoint>{{4, 5}},
                         TRect{4, 5, 4 + c.TextWidth(QStringLiteral("fx")), 5 + c.TextHeight(QStringLiteral("fx"))}));
    EXPECT_EQ(std::pair(ops[8].Rect, ops[9].Rect),
              std::pair(TRect{Groesste - 4, 0, Groesste, 3}, TRect{Groesste - 4, Groesste - 3, Groesste, Groesste}));

    // Measures: nothing is no width, but a line's height.
    EXPECT_EQ(c.TextWidth(QString()), 0);
    EXPECT_GT(c.TextWidth(QStringLiteral("fx")), c.TextWidth(QStringLiteral("f")));
    EXPECT_EQ(c.TextHeight(QString()), c.TextHeight(QStringLiteral(" ")));
    EXPECT_GT(c.TextHeight(QString()), 10);

    // A clear pen draws no line and no open outline; a clear brush fills
    // nothing, but shapes keep their outline.
    c.ClearOps();
    c.Pen.Style = TPenStyle::Clear;
    c.MoveTo(0, 0), c.LineTo(5, 5);
    c.Polyline({{0, 0}, {5, 5}});
    c.Brush.Style = TBrushStyle::Clear;
    c.FillRect(TRect{0, 0, 5, 5});
    c.Rectangle(0, 0, 5, 5);
    ASSERT_EQ(c.Ops().size(), 1u);
    EXPECT_EQ(c.Ops()[0].Kind, K::Rectangle);
    // Lines given at once are the calls one by one, the pen moving along.
    c.ClearOps();
    c.Pen.Style = TPenStyle::Solid;
    const TGraphBefehl befehle[] = {{TGraphBefehl::MoveTo, 1, 1}, {TGraphBefehl::LineTo, 4, 1}, {TGraphBefehl::LineTo, 4, 1},
                                    {TGraphBefehl::MoveTo, 7, 7}, {TGraphBefehl::LineTo, 7, 9}};
    c.Linien(befehle);
    c.LineTo(0, 0);
    ASSERT_EQ(c.Ops().size(), 3u);
    EXPECT_EQ(std::tuple(c.Ops()[0].Points, c.Ops()[1].Points, c.Ops()[2].Points),
              std::tuple(std::vector<TPoint>{{1, 1}, {4, 1}}, std::vector<TPoint>{{7, 7}, {7, 9}}, std::vector<TPoint>{{7, 9}, {0, 0}}));
}

}  // namespace
