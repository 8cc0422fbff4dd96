// What keeps the screen canvas cheap, counted: the bands a picture is
// painted in, the commands each band is given, and the pens, ellipse
// pictures and wide pens' step shapes it makes and keeps. None of this
// changes a pixel, so only the counts can tell it.
#include "engine/arbeiterpool.h"
#include "platform/canvas.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <array>
#include <functional>
#include <limits>

namespace {

struct TFall {
    QImage Bild;
    TImageCanvas C;
    TFall(int w, int h, TArbeiterPool* pool) : Bild(MakeScreenImage(w, h)), C(&Bild) { C.SetPool(pool); }
    const TPainterCanvas::TZaehlung& Z()
    {
        C.Flush();
        return C.Zaehlung();
    }
};

void Linie(TCanvas& c, int x1, int y1, int x2, int y2)
{
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}

TEST(CanvasZaehlung, FourBandsPerThreadOfSixteenRowsAtLeastAndNothingPaintedForNothingDrawn)
{
    TArbeiterPool pool(3);
    // The pool takes no more threads than the machine has cores: on two
    // cores 200 rows make 8 bands, on three or more 12.
    ASSERT_GE(pool.Anzahl(), 2u);
    const std::uint64_t voll = std::min<std::uint64_t>(4 * pool.Anzahl(), 12);
    const struct {
        int Hoehe;
        TArbeiterPool* Pool;
        std::uint64_t Baender;
    } faelle[] = {{200, &pool, voll}, {100, &pool, 6}, {31, &pool, 1}, {32, &pool, 2}, {200, nullptr, 1}};
    for (const auto& f : faelle) {
        TFall t(40, f.Hoehe, f.Pool);
        t.C.Pen = TPen{clBlack, 1, TPenStyle::Solid};
        Linie(t.C, 0, 0, 30, f.Hoehe - 1);
        t.C.CloseRun();
        t.C.DrawPending();
        EXPECT_EQ(t.C.Zaehlung().Baender, f.Baender) << f.Hoehe;
        // Painted once: nothing new is nothing to paint.
        EXPECT_EQ(t.Z().Baender, f.Baender) << f.Hoehe;
    }
    // A pool given midway paints what is pending in one band, then bands
    // by the pool.
    TFall t(40, 200, nullptr);
    t.C.Pen = TPen{clBlack, 3, TPenStyle::Solid};
    Linie(t.C, 0, 0, 30, 100);
    t.C.CloseRun();
    t.C.SetPool(&pool);
    Linie(t.C, 0, 100, 30, 199);
    EXPECT_EQ(t.Z().Baender, 1 + voll);
}

// Four bands of 16 rows (64 rows on two threads): each command goes to the
// bands its pixels reach, a clip to all of them, and a long run of a wide
// pen in pieces of at most 64 steps.
TEST(CanvasZaehlung, CommandsGoToTheBandsTheyReach)
{
    TArbeiterPool pool(2);
    const auto befehle = [&](const std::function<void(TCanvas&)>& malen) {
        TFall t(300, 64, &pool);
        malen(t.C);
        const auto& z = t.Z();
        EXPECT_EQ(z.Baender, z.Bandbefehle ? 4u : 0u);
        return z.Bandbefehle;
    };
    const auto breit = [](TCanvas& c) { c.Pen = TPen{clRed, 5, TPenStyle::Solid}; };
    const auto duenn = [](TCanvas& c) { c.Pen = TPen{clRed, 1, TPenStyle::Solid}; };
    // A wide pen's rows 38..42 lie in band 2; rows 31..35 in bands 1 and 2.
    EXPECT_EQ(befehle([&](TCanvas& c) { breit(c), Linie(c, 0, 40, 50, 40); }), 1u);
    EXPECT_EQ(befehle([&](TCanvas& c) { breit(c), Linie(c, 0, 33, 50, 33); }), 2u);
    // A thin line is given two rows on each side.
    EXPECT_EQ(befehle([&](TCanvas& c) { duenn(c), Linie(c, 0, 24, 50, 24); }), 1u);
    EXPECT_EQ(befehle([&](TCanvas& c) { duenn(c), Linie(c, 0, 17, 50, 17); }), 2u);
    // So is each step of a thin run across bands 1 and 2: a step up to row
    // 17 (or down to row 46) reaches band 0 (band 3) as well, one to row 18
    // (45) does not.
    const auto zacke = [&](int y) {
        return befehle([&](TCanvas& c) {
            duenn(c), c.MoveTo(0, 40);
            c.LineTo(10, 40), c.LineTo(20, y), c.LineTo(30, 40), c.LineTo(40, 20);
        });
    };
    EXPECT_EQ(std::tuple(zacke(17), zacke(18), zacke(46), zacke(45)), std::tuple(3u, 2u, 3u, 2u));
    // A thin run down through all bands: each band gets its own piece.
    EXPECT_EQ(befehle([&](TCanvas& c) {
                  duenn(c), c.MoveTo(0, 0);
                  for (int y = 1; y < 64; ++y)
                      c.LineTo(y, y);
              }),
              4u);
    // Shapes, with the pen's width and two rows around their box.
    EXPECT_EQ(befehle([&](TCanvas& c) { duenn(c), c.Rectangle(10, 20, 30, 27); }), 1u);
    EXPECT_EQ(befehle([&](TCanvas& c) { duenn(c), c.Rectangle(10, 20, 30, 40); }), 2u);
    EXPECT_EQ(befehle([&](TCanvas& c) { duenn(c), c.FillRect(TRect{0, 50, 20, 62}); }), 1u);
    // A clip is every band's.
    EXPECT_EQ(befehle([&](TCanvas& c) { c.SetClipRect(TRect{0, 0, 10, 10}), breit(c), Linie(c, 0, 40, 50, 40); }), 5u);
    EXPECT_EQ(befehle([&](TCanvas& c) { breit(c), Linie(c, 0, 40, 50, 40), c.ClearClip(); }), 5u);
    // A wide pen's run in one band goes in pieces of at most 64 steps.
    for (const int schritte : {128, 129})
        EXPECT_EQ(befehle([&](TCanvas& c) {
                      breit(c), c.MoveTo(0, 40);
                      for (int x = 1; x <= schritte; ++x)
                          c.LineTo(x, 40 + x % 2);
                  }),
                  schritte == 128 ? 2u : 3u);
    // Lines wholly beyond an edge are no command.
    EXPECT_EQ(befehle([&](TCanvas& c) { breit(c), Linie(c, 0, -9, 50, -8), Linie(c, 0, 73, 50, 72), Linie(c, 310, 5, 320, 6); }), 0u);
}

// What a redraw drawn whole instead forgets is not painted.
TEST(CanvasZaehlung, DiscardedCommandsAreNotPainted)
{
    TArbeiterPool pool(2);
    TFall t(100, 64, &pool);
    t.C.Pen = TPen{clRed, 5, TPenStyle::Solid};
    Linie(t.C, 0, 10, 90, 50);
    t.C.CloseRun();
    t.C.Rectangle(5, 5, 30, 30);
    Linie(t.C, 0, 50, 90, 10);
    t.C.Discard();
    Linie(t.C, 10, 60, 20, 60);
    EXPECT_EQ(t.Z().Bandbefehle, 1u);
    EXPECT_EQ(t.Bild.pixel(50, 30), 0xFFFFFFFFu);
}

// A graph's lines handed on at once, as the first call on a new canvas and
// on a picture that grew, with their ends near and beyond the edges:
// drawn as one by one, and those too far beyond an edge are no command.
TEST(CanvasZaehlung, LinesAtOnceFirstAndBeyondTheEdges)
{
    using B = TGraphBefehl;
    for (const int breite : {1, 4}) {
        std::vector<B> linien = {{B::MoveTo, 260, 5}};
        for (int x = 261; x < 290; ++x)
            linien.push_back({B::LineTo, x, 5 + (x * 7) % 40});
        const auto malen = [&](TCanvas& c, bool einzeln) {
            c.Pen = TPen{clBlue, breite, TPenStyle::Solid};
            if (!einzeln)
                return c.Linien(linien);
            for (const B& b : linien)
                b.Art == B::LineTo ? c.LineTo(b.A, b.B) : c.MoveTo(b.A, b.B);
        };
        QImage klein = MakeScreenImage(50, 40), gross = MakeScreenImage(300, 60), einzeln = MakeScreenImage(300, 60);
        {
            TImageCanvas c(&einzeln);
            malen(c, true);
        }
        TImageCanvas c(&gross);
        malen(c, false);
        c.Flush();
        EXPECT_EQ(gross, einzeln) << breite;
        gross.fill(Qt::white);
        c.SetImage(&klein);
        c.Rectangle(0, 0, 10, 10);
        c.SetImage(&gross);
        malen(c, false);
        c.Flush();
        EXPECT_EQ(gross, einzeln) << breite;

        // Runs that go out beyond each edge, along it by more than the
        // pen's width and two, and back: the line along it ends the run.
        const int w = breite + 3;
        const std::vector<B> draussen = {
            {B::MoveTo, 10, 5},   {B::LineTo, -w, 5},       {B::LineTo, -w, 50},      {B::LineTo, 10, 50},
            {B::MoveTo, 290, 5},  {B::LineTo, 300 + w, 5},  {B::LineTo, 300 + w, 50}, {B::LineTo, 290, 50},
            {B::MoveTo, 20, 10},  {B::LineTo, 20, -w},      {B::LineTo, 280, -w},     {B::LineTo, 280, 10},
            {B::MoveTo, 20, 50},  {B::LineTo, 20, 60 + w},  {B::LineTo, 280, 60 + w}, {B::LineTo, 280, 50}};
        TFall t(300, 60, nullptr);
        t.C.Pen = TPen{clBlue, breite, TPenStyle::Solid};
        t.C.Rectangle(0, 0, 1, 1);
        t.C.Linien(draussen);
        EXPECT_EQ(t.Z().Bandbefehle, 9u) << breite;
    }
}

// Dashes switch between two pens run after run: the last four pens and
// brushes are looked up before a new one is made.
TEST(CanvasZaehlung, TheLastFourPensAreReused)
{
    const std::array<TColor, 5> farben = {clRed, clBlue, clGreen, clNavy, clOlive};
    for (const std::size_t anzahl : {std::size_t{2}, std::size_t{4}, std::size_t{5}}) {
        TFall t(100, 100, nullptr);
        for (int i = 0; i < 20; ++i) {
            t.C.Pen = TPen{farben[static_cast<std::size_t>(i) % anzahl], 1, TPenStyle::Solid};
            Linie(t.C, i, 10, i + 1, 50);
        }
        EXPECT_EQ(t.Z().Zustaende, anzahl < 5 ? anzahl : 20u) << anzahl;
    }
    // A brush changes the state as well.
    TFall t(100, 100, nullptr);
    t.C.Pen = TPen{clRed, 1, TPenStyle::Solid};
    for (const TColor b : {clWhite, clAqua, clWhite}) {
        t.C.Brush = TBrush{b, TBrushStyle::Solid};
        t.C.Rectangle(5, 5, 20, 20);
    }
    EXPECT_EQ(t.Z().Zustaende, 2u);
}

// Small ellipses are painted once into a picture per size, pen and brush;
// the last 32 such pictures are kept from picture to picture.
TEST(CanvasZaehlung, SmallEllipsesArePaintedOncePerSizePenAndBrush)
{
    TFall t(300, 200, nullptr);
    t.C.Pen = TPen{clBlack, 1, TPenStyle::Solid};
    t.C.Brush = TBrush{clRed, TBrushStyle::Solid};
    for (int i = 0; i < 50; ++i)
        t.C.Ellipse(3 * i, 20, 3 * i + 10, 30);
    EXPECT_EQ(t.Z().Ellipsenbilder, 1u);
    // Another brush colour, pen width or style, or size: another picture.
    t.C.Brush.Color = clBlue;
    t.C.Ellipse(5, 5, 15, 15);
    t.C.Pen.Width = 3;
    t.C.Ellipse(5, 5, 15, 15);
    t.C.Brush.Style = TBrushStyle::Clear;
    t.C.Ellipse(5, 5, 15, 15);
    t.C.Ellipse(5, 5, 15, 16);
    EXPECT_EQ(t.Z().Ellipsenbilder, 5u);
    // Hatched brushes and boxes over 64 units are painted where they are.
    t.C.Brush = TBrush{clRed, TBrushStyle::Cross};
    t.C.Ellipse(5, 5, 15, 15);
    t.C.Brush.Style = TBrushStyle::Solid;
    t.C.Ellipse(5, 5, 70, 15);
    t.C.Ellipse(5, 5, 15, 70);
    t.C.Ellipse(5, 5, 5, 15);
    EXPECT_EQ(t.Z().Ellipsenbilder, 5u);
    // 40 sizes: the last 32 of them are kept.
    TFall u(300, 200, nullptr);
    u.C.Pen = TPen{clBlack, 1, TPenStyle::Solid};
    u.C.Brush = TBrush{clRed, TBrushStyle::Solid};
    for (int w = 2; w <= 41; ++w)
        u.C.Ellipse(10, 10, 10 + w, 20);
    u.C.Flush();
    u.C.Ellipse(100, 100, 141, 110);
    u.C.Ellipse(100, 100, 110, 110);
    EXPECT_EQ(u.Z().Ellipsenbilder, 40u);
    u.C.Ellipse(100, 100, 109, 110);
    EXPECT_EQ(u.Z().Ellipsenbilder, 41u);
}

// A wide pen's step shapes are made once per width and kept from picture
// to picture, until more than eight widths are kept.
TEST(CanvasZaehlung, StepShapesAreMadeOncePerWidthAndForgottenPastEightWidths)
{
    TArbeiterPool pool(3);
    TFall t(200, 200, &pool);
    const auto zickzack = [&](int breite) {
        t.C.Pen = TPen{clRed, breite, TPenStyle::Solid};
        t.C.MoveTo(0, 100);
        // Steps (1, 1) and (1, -1) by turns.
        for (int x = 1; x < 190; ++x)
            t.C.LineTo(x, 100 + x % 2);
    };
    zickzack(5);
    EXPECT_EQ(t.Z().Formen, 2u);
    zickzack(5);
    EXPECT_EQ(t.Z().Formen, 2u);
    for (int breite = 6; breite <= 13; ++breite)
        zickzack(breite);
    EXPECT_EQ(t.Z().Formen, 18u);
    // Nine widths kept: the next picture starts without them.
    zickzack(5);
    EXPECT_EQ(t.Z().Formen, 20u);
    // Thin pens and pens wider than 64 have none.
    zickzack(1);
    zickzack(65);
    EXPECT_EQ(t.Z().Formen, 20u);
}

}  // namespace

namespace {

long TinteIn(const QImage& b, int x0, int y0, int x1, int y1)
{
    long n = 0;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            n += b.pixel(x, y) != 0xFFFFFFFFu;
    return n;
}

// Ellipses too large for a kept picture whose box reaches past an end of
// the int range are painted in the bands where they reach the picture; a
// picture of another format is painted at once, and a line of one pixel
// there paints its first pixel only.
TEST(CanvasBandFormen, FarEllipsesInBandsAndOnePixelLinesPaintedAtOnce)
{
    constexpr int Min = std::numeric_limits<int>::min();
    TArbeiterPool pool(2);
    for (TArbeiterPool* p : {static_cast<TArbeiterPool*>(nullptr), &pool}) {
        TFall t(60, 64, p);
        t.C.Pen = TPen{clBlack, 1, TPenStyle::Solid};
        t.C.Brush = TBrush{clRed, TBrushStyle::Solid};
        t.C.Ellipse(Min, 20, 40, 44);
        t.Z();
        EXPECT_GT(TinteIn(t.Bild, 0, 20, 39, 43), 20) << (p != nullptr);
        EXPECT_EQ(TinteIn(t.Bild, 41, 0, 59, 63) + TinteIn(t.Bild, 0, 0, 59, 18) + TinteIn(t.Bild, 0, 45, 59, 63), 0);
    }
    QImage bild(20, 10, QImage::Format_RGB888);
    bild.fill(Qt::white);
    {
        TImageCanvas c(&bild);
        c.Pen = TPen{clBlack, 1, TPenStyle::Solid};
        c.MoveTo(3, 2), c.LineTo(4, 2);
        c.MoveTo(3, 6), c.LineTo(5, 6);
    }
    EXPECT_EQ(TinteIn(bild, 0, 0, 19, 9), 3);
    EXPECT_NE(bild.pixel(3, 2), 0xFFFFFFFFu);
    EXPECT_NE(bild.pixel(4, 6), 0xFFFFFFFFu);
}

}  // namespace
