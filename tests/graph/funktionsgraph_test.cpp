// The function layer on a recording canvas (family members and the budget,
// pen-down rules, dashes, discs), and when the paint box gets a new picture.
#include "zeichnen_hilfe.h"

#include <iterator>

namespace {

using TWert = std::optional<long double>;

// Device x = (x + 5) * 30, device y = (8 - y) * 30 at the default scale.
class Funktionsgraph : public TZeichnenTest {
protected:
    template <typename P>
    static bool Irgendeine(const std::vector<TOp>& linien, P p)
    {
        return std::any_of(linien.begin(), linien.end(), p);
    }
    // Whether a segment crosses device column X.
    static bool Ueberbrueckt(const std::vector<TOp>& linien, double X)
    {
        return Irgendeine(linien, [X](const TOp& l) {
            return std::min(l.Points[0].X, l.Points[1].X) < X && std::max(l.Points[0].X, l.Points[1].X) > X;
        });
    }
    static bool Waagerecht(const std::vector<TOp>& linien)
    {
        return !Irgendeine(linien, [](const TOp& l) { return l.Points[0].Y != l.Points[1].Y; });
    }
    // A red pixel in column x within one row of y, or anywhere in column x.
    static bool RotBei(const QImage& img, int x, int y = -1)
    {
        for (int z = y < 0 ? 0 : y - 1; z <= (y < 0 ? img.height() - 1 : y + 1); ++z)
            if (z >= 0 && z < img.height() && img.pixel(x, z) == 0xFFFF0000)
                return true;
        return false;
    }
    const QImage& Vorn() { return G->PaintBox1->Front(); }
};

// Evaluations that one picture may spend across the default view.
double Budget(double scale = 30.0) { return TGraphik::BudgetBildbreiten * (11 * scale + 2); }

TEST_F(Funktionsgraph, OneUnbrokenCurveForASingleFunctionInsideItsXRange)
{
    auto& f = Setze(1, [](long double x, long double) { return x; });
    f.SetTFrom(-2);
    f.SetTTo(2);  // a single function ignores its t range
    auto linien = Linien();
    EXPECT_EQ(f.TWerte.size(), 1u);
    for (std::size_t i = 1; i < linien.size(); ++i)
        ASSERT_EQ(linien[i].Points[0], linien[i - 1].Points[1]) << i;
    EXPECT_EQ(Farbfolge(linien), std::vector<TColor>{clRed});
    EXPECT_EQ(linien.front().Points[0].X, 1);
    EXPECT_NEAR(linien.back().Points[1].X, 330, 1);
    EXPECT_TRUE(Irgendeine(linien, [](const TOp& l) { return l.Points[1] == TPoint{150, 240}; }));
    // x from 2 to -1 (either order): device 120 to 210; sampling starts one
    // device unit earlier and ends one before the end.
    f.SetXFrom(2);
    f.SetXTo(-1);
    linien = Linien();
    ASSERT_FALSE(linien.empty());
    EXPECT_EQ(linien.front().Points[0].X, 120);
    EXPECT_NEAR(linien.back().Points[1].X, 209, 1);
}

TEST_F(Funktionsgraph, MembersFromTheRunningSumWithTheSnapToZero)
{
    constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
    constexpr double Inf = std::numeric_limits<double>::infinity();
    struct Fall {
        double von, bis, step;
        std::set<long double> t;
    };
    const Fall faelle[] = {
        {-2, 2, 1, {-2, -1, 0, 1, 2}}, {2, -2, 1, {-2, -1, 0, 1, 2}},  // the same members either way round
        {-0.0005, 0.0005, 0.0005, {0}},                                 // every sum lies within 0.001 of 0
        {1, 5, 0, {1}}, {1, 5, -1, {1}}, {1, 5, NaN, {1}}, {1, 5, Inf, {1}},  // steps that cannot walk
        {1e20, 2e20, 1, {1e20}}, {-1e308, 1e308, 1, {-1e308}},          // sums that no longer move
    };
    for (const Fall& fall : faelle) {
        auto& f = Familie(1, fall.von, fall.bis, fall.step, [](long double x, long double t) { return t * x; });
        const auto linien = Linien();
        EXPECT_EQ(f.TWerte, fall.t) << fall.von << " .. " << fall.bis << " step " << fall.step;
        EXPECT_LT(f.Aufrufe, 2000);
        EXPECT_FALSE(G->NichtAlleMitglieder);
        EXPECT_TRUE(fall.t.size() != 5 ||  // the inks alternate by member
                    Farbfolge(linien) == (std::vector<TColor>{clRed, clBlue, clRed, clBlue, clRed}));
    }
}

TEST_F(Funktionsgraph, MembersBeyondTheBudgetAreLeftOutEvenlyAndKeepTheirInk)
{
    // About 1.5 budgets of full-width members: every second one is drawn,
    // and the last, whose index is odd. Inks go by the index, so all but
    // the last are drawn in the first colour. Any scale gives the same
    // members: the budget grows with the picture's width. (Defined only at
    // the left edge, which keeps the recording small.)
    const int n = static_cast<int>(1.5 * TGraphik::BudgetBildbreiten);
    std::set<long double> soll{n - 1.0L};
    for (int i = 0; i < n; i += 2)
        soll.insert(i);
    for (double scale : {30.0, 100.0}) {
        auto& f = Familie(1, 0, n - 1, 1, [](long double x, long double) {
            return x < -4.8L ? TWert(1.0L) : std::nullopt;
        });
        auto& klein = Familie(2, -2, 2, 1, [](long double, long double) { return std::nullopt; });
        const auto linien = Linien(scale);
        SCOPED_TRACE(scale);
        EXPECT_EQ(f.TWerte, soll);
        EXPECT_EQ(klein.TWerte.size(), 5u);  // the small family is drawn whole
        EXPECT_LE(f.Aufrufe + klein.Aufrufe, Budget(scale));
        EXPECT_EQ(Farbfolge(linien), (std::vector<TColor>{clRed, clBlue}));
        EXPECT_TRUE(G->NichtAlleMitglieder);
    }
    Familie(1, 0, 9, 1, [](long double, long double) { return std::nullopt; });
    Graphen();
    EXPECT_FALSE(G->NichtAlleMitglieder);
}

// Every k-th member of the running sum from `von` to `bis`, and its last,
// with k read from the first two of `t`.
std::set<long double> JederKte(const std::set<long double>& t, double von, double bis, double step)
{
    if (t.size() < 10)
        return {};
    const long jeder = std::lround((*std::next(t.begin()) - *t.begin()) / step);
    EXPECT_GT(jeder, 1);
    std::set<long double> soll;
    double summe = von - step;
    for (long i = 0;; ++i) {
        summe += step;
        const bool letzter = !(summe <= bis - step + 0.001);
        if (i % jeder == 0 || letzter)
            soll.insert(summe);
        if (letzter)
            break;
    }
    return soll;
}

TEST_F(Funktionsgraph, NineTinyStepFamiliesShareOneBudget)
{
    // t*sin(x)/x for t from 1 to 5 in steps of 1e-6 in every slot.
    for (int k = 1; k <= 9; ++k)
        Familie(k, 1, 5, 1e-6, [](long double x, long double t) { return t * std::sin(x) / x; });
    Graphen(10.0);
    EXPECT_TRUE(G->NichtAlleMitglieder);
    long gesamt = 0;
    for (int k = 1; k <= 9; ++k)
        gesamt += Fake(k).Aufrufe;
    EXPECT_LE(gesamt, Budget(10.0));
    EXPECT_GE(gesamt, 0.9 * Budget(10.0));
    // The members drawn are every k-th of the running sum, and its last.
    EXPECT_EQ(Fake(9).TWerte, JederKte(Fake(9).TWerte, 1, 5, 1e-6));
}

// From -5 on past -4, and from 3 past 4: into the next binade, where the
// step rounds to another increment. The members passed over in jumps are
// still those of the running sum, bit for bit.
TEST_F(Funktionsgraph, MembersPassedInJumpsAreThoseOfTheRunningSumAcrossBinades)
{
    Familie(1, -5, -3, 3e-6, [](long double x, long double t) { return t * std::sin(x) / x; });
    Familie(2, 3, 5, 3e-6, [](long double x, long double t) { return t * std::sin(x) / x; });
    Graphen(10.0);
    EXPECT_TRUE(G->NichtAlleMitglieder);
    EXPECT_EQ(Fake(1).TWerte, JederKte(Fake(1).TWerte, -5, -3, 3e-6));
    EXPECT_EQ(Fake(2).TWerte, JederKte(Fake(2).TWerte, 3, 5, 3e-6));
}

TEST_F(Funktionsgraph, WalksOfBillionsOfMembersEndSoon)
{
    // A narrow x range keeps every member to a few samples. A billion
    // whole t are passed in jumps, up to the last, also below 0 (where the
    // sums shrink towards the bottom of each binade); halfway steps at 2^53
    // (ties to even) only one by one, and that walk ends at its limit.
    for (const auto& [von, bis, step, letzter] :
         {std::tuple{0.0, 1e9, 1.0, 1e9}, {-1e9, -1.0, 1.0, -1.0}, {0x1p53, 0x1p54, 3.0, 0.0}}) {
        auto& f = Familie(1, von, bis, step, [](long double x, long double) { return x; });
        f.SetXFrom(0);
        f.SetXTo(0.05);
        Graphen();
        SCOPED_TRACE(bis);
        EXPECT_TRUE(G->NichtAlleMitglieder);
        EXPECT_EQ(*f.TWerte.begin(), von);
        EXPECT_TRUE(letzter == 0 || *f.TWerte.rbegin() == letzter);
        EXPECT_LE(f.Aufrufe, Budget());
    }
}

TEST_F(Funktionsgraph, StepsPolesAndUndefinedOrUnmappableValuesLeaveGaps)
{
    // A sign-like step at x = 1 (device 180) with no jump flag: the
    // 10 |y1 - y2| + 0.1 rule breaks the line; the next sample is joined.
    Setze(1, [](long double x, long double) { return x < 1.01L ? -1.0L : 1.0L; });
    auto linien = Linien();
    EXPECT_TRUE(Waagerecht(linien));
    EXPECT_TRUE(Irgendeine(linien, [](const TOp& l) { return l.Points[0].Y == 210 && l.Points[0].X == 181; }));
    // A small step of a floor-like term flagged by the evaluator.
    auto& gauss = Setze(1, [](long double x, long double) { return std::floor(x * 10.0L) / 10.0L; });
    gauss.Sprung = [vorher = -1e9L](long double x) mutable {
        const long double stufe = std::floor(x * 10.0L);
        return std::exchange(vorher, stufe) != stufe;
    };
    linien = Linien();
    EXPECT_TRUE(!linien.empty() && Waagerecht(linien));
    // Poles, also one whose samples straddle 0 without hitting it.
    Setze(1, [](long double x, long double) { return x == 0 ? std::nullopt : TWert(1.0L / x); });
    linien = Linien();
    EXPECT_FALSE(Ueberbrueckt(linien, 150.5));
    EXPECT_TRUE(Irgendeine(linien, [](const TOp& l) { return l.Points[0].X > 150; }));
    Setze(1, [](long double x, long double) { return 1.0L / (x - 0.01L); });
    EXPECT_FALSE(Ueberbrueckt(Linien(), 150.5));
    // 1e10 is below the 1e11 limit but far beyond the device's integers: a
    // gap. From 1e11 on the row before stands in, and equal values join.
    for (long double gross : {1e10L, 1e12L}) {
        Setze(1, [gross](long double x, long double) { return (x > 1.0L && x < 2.0L) ? gross : 0.0L; });
        linien = Linien();
        EXPECT_FALSE(Irgendeine(linien, [](const TOp& l) { return l.Points[0].Y != 240 || l.Points[1].Y != 240; }));
        EXPECT_EQ(Ueberbrueckt(linien, 195.5), gross > 1e11L);
    }
}

TEST_F(Funktionsgraph, DashAndDotLengthsAlongAStraightLineAndColourOff)
{
    // y = 0 at 100 device units per view unit: 0.01 view units per sample.
    // Widths: thin 15, thick 60 thousandths of 100 device units, rounded.
    for (const auto& [stil, breite] : {std::pair{LinieGestricheltDuenn, 2}, std::pair{LiniePunktiertDick, 6}}) {
        Setze(1, [](long double, long double) { return 0.0L; }).SetLineStyle(stil);
        const auto linien = Linien(100.0);
        std::vector<int> laengen;
        std::vector<TColor> farben;
        for (const TOp& l : linien) {
            if (farben.empty() || farben.back() != l.Pen.Color) {
                farben.push_back(l.Pen.Color);
                laengen.push_back(0);
            }
            laengen.back() += l.Points[1].X - l.Points[0].X;
        }
        ASSERT_GE(laengen.size(), 6u);
        EXPECT_EQ(std::vector<TColor>(farben.begin(), farben.begin() + 3), (std::vector<TColor>{clRed, clWhite, clRed}));
        const std::vector<int> soll =
            stil == LinieGestricheltDuenn ? std::vector<int>{5, 10, 25, 10, 25} : std::vector<int>{5, 5, 5, 5, 5};
        for (std::size_t i = 0; i < soll.size(); ++i)
            EXPECT_NEAR(laengen[i], soll[i], 1.5) << "style " << stil << " run " << i;
        EXPECT_EQ(linien.front().Pen.Width, breite);
    }
    // Colour off blackens lines, but not discs.
    G->CB2->setChecked(false);
    Setze(1, [](long double x, long double) { return x; }).SetLineStyle(LinieMittel);
    Setze(2, [](long double x, long double) { return x; }).SetLineStyle(LinieScheiben);
    std::vector<TOp> linien;
    for (const TOp& op : Graphen()) {
        if (op.Kind == Op::Line)
            linien.push_back(op);
        else
            EXPECT_EQ(op.Brush.Color, clRed);
    }
    EXPECT_EQ(Farbfolge(linien), std::vector<TColor>{clBlack});
}

TEST_F(Funktionsgraph, DashesSwitchWhereTheArcOfTheDrawnLinesSaysAtUnequalScales)
{
    // Dash 0.25, gap 0.1 (dots 0.05 each) view units along the curve, the
    // arc measured line by line, across both members (the second starts in
    // its ink): the switches follow from the recorded lines alone, also
    // where a step spans a hundred rows.
    for (const auto& [stil, sy] : {std::pair(LinieGestricheltDuenn, 25.0), std::pair(LiniePunktiertMittel, 25.0),
                                   std::pair(LinieGestricheltDuenn, 2000.0)}) {
        Familie(1, 0, 1, 1, [](long double x, long double t) { return t + std::sin(2 * x); }).SetLineStyle(stil);
        const double sx = 40;
        TRecordingCanvas c(2000, 2000);
        G->DrawGraphs(c, sx, sy, 0.0, 0.0);
        const bool gestrichelt = stil == LinieGestricheltDuenn;
        int schalter = 0, falsch = 0;
        double a = 0.25, h = 0.3;
        bool neu = false;
        int x = -1;
        for (const TOp& l : c.OpsOf(Op::Line)) {
            neu = neu || l.Points[0].X < x;  // back at the left: the second member
            x = l.Points[1].X;
            if (a > h) {
                ++schalter;
                h = schalter % 2 == 0 ? (gestrichelt ? 0.25 : 0.05) : (gestrichelt ? 0.1 : 0.05);
                a = 0;
                neu = false;
            }
            falsch += (l.Pen.Color == clWhite) != (schalter % 2 == 1 && !neu);
            const double dx = (l.Points[0].X - static_cast<double>(l.Points[1].X)) / sx;
            const double dy = (l.Points[0].Y - static_cast<double>(l.Points[1].Y)) / sy;
            a += std::sqrt(dx * dx + dy * dy);
        }
        EXPECT_GT(schalter, 100) << stil;
        EXPECT_EQ(falsch, 0) << stil;
    }
}

TEST_F(Funktionsgraph, DashStateRunsOnIntoTheNextMemberWhichStartsInItsInk)
{
    // Two members y = 0 and y = 1, each 0.1 view units long at 100 device
    // units per view unit: the first ends inside its first gap (0.05 ink,
    // then white). The second starts in its own ink and, with the gap's
    // arc carried over, stays in ink: the gap ends and a dash begins.
    auto& f = Familie(1, 0, 1, 1, [](long double, long double t) { return t; });
    f.SetLineStyle(LinieGestricheltDuenn);
    f.SetXFrom(0);
    f.SetXTo(0.1);
    std::vector<TColor> erstes, zweites;
    for (const TOp& l : Linien(100.0))
        (l.Points[0].Y == 800 ? erstes : zweites).push_back(l.Pen.Color);
    ASSERT_FALSE(erstes.empty() || zweites.empty());
    EXPECT_EQ(std::pair(erstes.front(), erstes.back()), std::pair(clRed, clWhite));
    for (TColor c : zweites)
        EXPECT_EQ(c, clBlue);
}

TEST_F(Funktionsgraph, DiscsOnlyAtWholeXAndNeverMoreThanTheViewShows)
{
    auto& f = Setze(1, [](long double x, long double) { return x; });
    f.SetLineStyle(LinieScheiben);
    f.SetXFrom(-2.5);
    f.SetXTo(2.5);
    const auto scheiben = Graphen();
    ASSERT_EQ(scheiben.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        const TOp& s = scheiben[static_cast<std::size_t>(i)];
        EXPECT_EQ(s.Rect.Left + s.Rect.Right, 2 * (i + 3) * 30);  // x = i - 2
        EXPECT_EQ(s.Rect.Top + s.Rect.Bottom, 2 * (10 - i) * 30);
        EXPECT_EQ(std::pair(s.Brush.Color, s.Pen.Color), std::pair(clRed, clBlack));
    }
    // Style 10 joins neighbouring discs in the member's colour.
    f.SetLineStyle(LinieScheibenVerbunden);
    const auto linien = Linien();
    ASSERT_EQ(linien.size(), 4u);
    EXPECT_EQ(linien[0].Points, (std::vector<TPoint>{{90, 300}, {120, 270}}));
    f.SetLineStyle(LinieScheiben);
    f.SetXFrom(-1e300);
    f.SetXTo(1e300);
    f.Aufrufe = 0;
    Graphen();
    EXPECT_EQ(f.Aufrufe, 12);  // -5 .. 6
    // More whole values than device columns (x unit 50: 551 values on 331
    // columns, or an absurd unit): the discs still cover the curve across
    // the view, and the walk is no longer than the view is wide.
    for (double einheit : {50.0, 1e17}) {
        f.Aufrufe = 0;
        G->EinheitX = einheit;
        f.Wert = [einheit](long double x, long double) { return x / einheit; };
        std::vector<int> mitten;
        for (const TOp& op : Graphen())
            mitten.push_back((op.Rect.Left + op.Rect.Right) / 2);
        SCOPED_TRACE(einheit);
        EXPECT_LE(f.Aufrufe, 332);
        ASSERT_GT(mitten.size(), 100u);
        EXPECT_LE(mitten.front(), 2);
        EXPECT_GE(mitten.back(), 328);
        for (std::size_t i = 1; i < mitten.size(); ++i)
            ASSERT_LE(mitten[i] - mitten[i - 1], 2) << i;  // no gap between neighbours
    }
}

TEST_F(Funktionsgraph, NoNewPictureWhileDrawingIsNotAllowed)
{
    auto& f = Setze(1, [](long double, long double) { return 1.0L; });
    G->RepaintGraph();
    ZeichnenErlaubt = false;
    f.Wert = [](long double, long double) { return 5.0L; };
    G->RepaintGraph();
    EXPECT_TRUE(RotBei(Vorn(), 100, 210));  // the last picture stays
    EXPECT_FALSE(RotBei(Vorn(), 100, 90));
    G->BildCanvas->Flush();
    EXPECT_FALSE(RotBei(G->Bild, 100));  // Bild is white until drawing is allowed
    ZeichnenErlaubt = true;
    G->RepaintGraph();
    EXPECT_TRUE(RotBei(Vorn(), 100, 90));
    EXPECT_FALSE(RotBei(Vorn(), 100, 210));

    // Resized while drawing is not allowed, the pictures are white, as new
    // ones are, not what was left of the old drawing.
    G->BildCanvas->Flush();
    ASSERT_TRUE(RotBei(G->Bild, 100));
    ZeichnenErlaubt = false;
    G->PaintBox1->resize(G->PaintBox1->width() + 10, G->PaintBox1->height());
    G->ResizeBilder();
    EXPECT_FALSE(RotBei(G->Bild, 100));
    EXPECT_FALSE(RotBei(G->Anzeigebild, 100));
    ZeichnenErlaubt = true;
}

TEST_F(Funktionsgraph, TinyAreasDrawNothingDegenerateViewsShowWhiteTheCheapRefreshEvaluatesNothing)
{
    auto& f = Setze(1, [](long double x, long double) { return x; });
    G->PaintBox1->resize(24, 301);
    G->ResizeBilder();
    G->RepaintGraph();
    G->PaintBox1Paint();
    EXPECT_EQ(f.Aufrufe, 0);
    G->PaintBox1->resize(331, 301);
    G->ResizeBilder();
    G->RepaintGraph();
    ASSERT_TRUE(RotBei(Vorn(), 180, 210));
    const long aufrufe = f.Aufrufe;
    // Something drawn on the display picture only (a live preview)
    // disappears with the cheap refresh.
    G->AnzeigebildCanvas->Brush.Color = clBlue;
    G->AnzeigebildCanvas->FillRect(TRect{0, 0, 331, 301});
    G->CopyToPaintBox();
    EXPECT_EQ(Vorn().pixel(5, 5), 0xFF0000FF);
    G->PaintBox1Paint();
    EXPECT_EQ(Vorn().pixel(5, 5), 0xFFFFFFFF);
    EXPECT_TRUE(RotBei(Vorn(), 180, 210));
    EXPECT_EQ(f.Aufrufe, aufrufe);
    // The paint box shows the white picture of a degenerate view, not the
    // last good one nor any before it.
    G->RepaintGraph();
    G->RepaintGraph();
    const long davor = f.Aufrufe;
    G->YMin = G->YMax + 3;
    G->RepaintGraph();
    EXPECT_EQ(f.Aufrufe, davor);
    EXPECT_EQ(Vorn().pixel(150, 150), 0xFFFFFFFF);
    EXPECT_FALSE(RotBei(Vorn(), 180, 210));
}

TEST_F(Funktionsgraph, ViewsAtTheEndsOfTheIntegerRangeDrawWithoutOverflow)
{
    // Every kind of style on the widest and the farthest views an Int32 can
    // hold, with values that map next to the ends of the device's integers.
    constexpr std::int32_t Min = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();
    for (int stil : {LinieMittel, LinieDick, LinieGestricheltDuenn, LinieScheiben, LinieScheibenVerbunden}) {
        Setze(1, [](long double x, long double) { return x * 1e3L; }).SetLineStyle(stil);
        // Device row -2^31 + 3 in the default view.
        Setze(2, [](long double, long double) { return 8.0L + (2147483648.0L - 3.0L) / 30.0L; })
            .SetLineStyle(stil);
        for (const auto& a : {std::array{Min, Max, Min, Max}, {Max - 11, Max, Min, Min + 10}, {-5, 6, -2, 8}}) {
            std::tie(G->XMin, G->XMax, G->YMin, G->YMax) = std::tuple(a[0], a[1], a[2], a[3]);
            G->RepaintGraph();
            EXPECT_EQ(Vorn().size(), QSize(331, 301));
        }
    }
}

}  // namespace
