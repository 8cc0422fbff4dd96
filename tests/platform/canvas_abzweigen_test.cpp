// What the screen canvas sets apart is painted on the pool's threads while
// the drawing goes on, and the picture is the one drawn in one go: runs of
// joined lines that go on across the cut, a clip set before it, every kind
// of call on both sides.
#include "bildvergleich.h"

#include "engine/arbeiterpool.h"
#include "platform/canvas.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// A curve of one-pixel steps from (x, y), `n` steps.
void Kurve(TCanvas& c, int x, int y, int n, int hub)
{
    c.MoveTo(x, y);
    for (int i = 1; i <= n; ++i)
        c.LineTo(x + i, y + (i * hub / 7) % 23 - (i % 3));
}

// The first part: a clip, the background, shapes, text and runs that stay
// open at the end (a thin and a wide one, depending on `offen`).
void ErsterTeil(TCanvas& c, int offen)
{
    c.SetClipRect(TRect{3, 2, 237, 196});
    c.Pen = TPen{clWhite, 1, TPenStyle::Solid};
    c.Brush = TBrush{clWhite, TBrushStyle::Solid};
    c.Rectangle(0, 0, 240, 200);
    c.Pen = TPen{clBlack, 1, TPenStyle::Solid};
    c.Brush = TBrush{clYellow, TBrushStyle::Solid};
    c.Ellipse(20, 30, 31, 41);
    c.Rectangle(100, 150, 140, 170);
    c.Font.Size = 9;
    c.TextOut(50, 60, QStringLiteral("y = 2"));
    c.Pen = TPen{clRed, 4, TPenStyle::Solid};
    Kurve(c, 0, 90, 120, 11);
    c.Pen = TPen{clBlue, 1, TPenStyle::Dash};
    Kurve(c, 10, 10, 200, 5);
    c.Pen = TPen{offen == 1 ? clNavy : clGreen, offen == 1 ? 1 : 5, TPenStyle::Solid};
    Kurve(c, 5, 120, 90, 17);
}

// The second part: the open run goes on, then more of every kind.
void ZweiterTeil(TCanvas& c)
{
    const TPoint p = c.PenPos();
    for (int i = 1; i <= 60; ++i)
        c.LineTo(p.X + i, p.Y - (i * 3) % 17);
    c.Pen = TPen{clPurple, 3, TPenStyle::Solid};
    Kurve(c, 0, 40, 230, 9);
    c.Pen = TPen{clBlack, 1, TPenStyle::Solid};
    c.Brush = TBrush{clAqua, TBrushStyle::Solid};
    c.Ellipse(20, 35, 31, 46);
    c.Font.Size = 12;
    c.TextOut(120, 100, QStringLiteral("x"));
    c.ClearClip();
    c.Pen = TPen{clMaroon, 2, TPenStyle::Solid};
    Kurve(c, 0, 180, 239, 13);
}

TEST(CanvasAbzweigen, PaintedWhileTheDrawingGoesOnAsInOneGo)
{
    TArbeiterPool pool(3);
    ASSERT_GE(pool.Anzahl(), 2u);
    for (const int offen : {1, 2}) {
        QImage eins = MakeScreenImage(240, 200), zwei = MakeScreenImage(240, 200), nachgeholt = MakeScreenImage(240, 200);
        {
            TImageCanvas c(&eins);
            c.SetPool(&pool);
            ErsterTeil(c, offen);
            ZweiterTeil(c);
            c.Flush();
            EXPECT_EQ(c.Zaehlung().Abgezweigt, 0u);
        }
        {
            TImageCanvas c(&zwei);
            EXPECT_EQ(c.AbzweigBaender(), 0u) << "without a pool";
            c.SetPool(&pool);
            EXPECT_EQ(c.Abzweigen(), 0u) << "nothing drawn";
            const std::size_t geplant = c.AbzweigBaender();
            ErsterTeil(c, offen);
            const std::size_t baender = c.Abzweigen();
            EXPECT_EQ(baender, c.Zaehlung().Baender);
            EXPECT_EQ(baender, geplant);
            EXPECT_GT(baender, 1u);
            EXPECT_EQ(c.Abzweigen(), 0u) << "one set apart at a time";
            // The bands on the workers while this thread draws on.
            pool.Ausfuehren(
                baender, [&](std::size_t k, unsigned thread) { c.AbgezweigtMalen(k, thread); }, [](std::size_t) {},
                [&] { ZweiterTeil(c); });
            c.AbgezweigtEnde();
            c.Flush();
            EXPECT_EQ(c.Zaehlung().Abgezweigt, 1u);
            EXPECT_EQ(c.Zaehlung().Baender, 2 * baender);
        }
        EXPECT_TRUE(Gleich(zwei, eins)) << "open run " << offen;
        {
            // Set apart and never painted: the next painting paints it first.
            TImageCanvas c(&nachgeholt);
            c.SetPool(&pool);
            ErsterTeil(c, offen);
            EXPECT_GT(c.Abzweigen(), 1u);
            ZweiterTeil(c);
        }
        EXPECT_TRUE(Gleich(nachgeholt, eins)) << "open run " << offen;
    }
}

}  // namespace
