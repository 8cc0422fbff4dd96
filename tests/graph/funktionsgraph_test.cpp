// The function layer of DrawGraphs on a recording canvas: members of a
// family, the pen-down rules, dashes and discs.
#include "graph/graphik.h"

#include "fake_funktion.h"

#include <QCheckBox>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <set>

namespace {

using Op = TRecordingCanvas::TOp;
using Kind = TRecordingCanvas::TOpKind;

std::unique_ptr<TFakeFunktion> Fake(TFakeFunktion::TWert w, const std::string& kind = " Funktion ")
{
    return std::make_unique<TFakeFunktion>(std::move(w), kind);
}

// Default view (-5..6, -2..8) at 30 device units per view unit: device x
// = (x + 5) * 30, device y = (8 - y) * 30.
class Graphen : public ::testing::Test {
protected:
    std::vector<Op> Zeichne(double scale = 30.0)
    {
        TRecordingCanvas c(2000, 2000);
        g.DrawGraphs(c, scale, scale, 0.0, 0.0);
        return c.Ops();
    }
    static std::vector<Op> Linien(const std::vector<Op>& ops)
    {
        std::vector<Op> r;
        for (const Op& op : ops)
            if (op.Kind == Kind::Line)
                r.push_back(op);
        return r;
    }
    // Runs of equal pen colour, in drawing order.
    static std::vector<TColor> Farbfolge(const std::vector<Op>& linien)
    {
        std::vector<TColor> r;
        for (const Op& l : linien)
            if (r.empty() || r.back() != l.Pen.Color)
                r.push_back(l.Pen.Color);
        return r;
    }

    TFunktionenScope scope;
    TGraphik g;
};

TEST_F(Graphen, OneCurveForASingleFunction)
{
    auto& f = scope.Setze(1, Fake([](long double x, long double) { return x; }));
    f.SetTFrom(-2);
    f.SetTTo(2);  // a single function ignores its t range
    const auto linien = Linien(Zeichne());
    ASSERT_FALSE(linien.empty());
    EXPECT_EQ(f.TWerte.size(), 1u);
    // One unbroken curve across the view, in the function's colour.
    for (std::size_t i = 1; i < linien.size(); ++i)
        ASSERT_EQ(linien[i].Points[0], linien[i - 1].Points[1]) << i;
    EXPECT_EQ(Farbfolge(linien), std::vector<TColor>{clRed});
    EXPECT_EQ(linien.front().Points[0].X, 1);
    EXPECT_NEAR(linien.back().Points[1].X, 330, 1);
    EXPECT_EQ(linien.front().Pen.Width, 1);  // medium: 40 * 30 / 1000 rounded
    // y = x at x = 0 is device (150, 240).
    const auto bei150 = std::find_if(linien.begin(), linien.end(), [](const Op& l) { return l.Points[1].X == 150; });
    ASSERT_NE(bei150, linien.end());
    EXPECT_EQ(bei150->Points[1].Y, 240);
    // Slot 0 names the selected function again afterwards.
    EXPECT_EQ(Funktionen[0], Funktionen[1]);
}

TEST_F(Graphen, FamilyMembersAndAlternatingColours)
{
    for (bool umgekehrt : {false, true}) {
        auto& f = scope.Setze(2, Fake([](long double x, long double t) { return t * x; }, " Funktionenschar "));
        f.SetTFrom(umgekehrt ? 2 : -2);
        f.SetTTo(umgekehrt ? -2 : 2);
        f.SetTStep(1);
        const auto linien = Linien(Zeichne());
        EXPECT_EQ(f.TWerte, (std::set<long double>{-2, -1, 0, 1, 2}));
        EXPECT_EQ(Farbfolge(linien), (std::vector<TColor>{clRed, clBlue, clRed, clBlue, clRed}));
    }
}

TEST_F(Graphen, MembersFromTheRunningSumWithTheSnapToZero)
{
    constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
    constexpr double Inf = std::numeric_limits<double>::infinity();
    struct Fall {
        double von, bis, step;
        std::set<long double> t;
    };
    const Fall faelle[] = {
        {-0.0005, 0.0005, 0.0005, {0}},  // every sum lies within 0.001 of 0
        {1, 5, 0, {1}},                  // steps that cannot walk: one member
        {1, 5, -1, {1}},
        {1, 5, NaN, {1}},
        {1, 5, Inf, {1}},
        {1e20, 2e20, 1, {1e20}},         // the sum no longer moves
        {-1e308, 1e308, 1, {-1e308}},
    };
    for (const Fall& fall : faelle) {
        auto& f = scope.Setze(1, Fake([](long double x, long double t) { return t * x; }, " Funktionenschar "));
        f.SetTFrom(fall.von);
        f.SetTTo(fall.bis);
        f.SetTStep(fall.step);
        Zeichne();
        EXPECT_EQ(f.TWerte, fall.t) << fall.von << " .. " << fall.bis << " step " << fall.step;
        EXPECT_LT(f.Aufrufe, 1000);
        EXPECT_FALSE(g.NichtAlleMitglieder);
    }
}

// Evaluations that one picture may spend, at 30 device units per view unit
// across the default view.
double Budget(double scale = 30.0) { return TGraphik::BudgetBildbreiten * (11 * scale + 2); }

TEST_F(Graphen, MembersBeyondTheBudgetAreLeftOutEvenlyAndKeepTheirInk)
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
        auto& f = scope.Setze(1, Fake([](long double x, long double) -> std::optional<long double> {
            return x < -4.8L ? std::optional<long double>(1.0L) : std::nullopt;
        }, " Funktionenschar "));
        f.SetTFrom(0);
        f.SetTTo(n - 1);
        f.SetTStep(1);
        auto& klein = scope.Setze(2, Fake([](long double, long double) { return std::nullopt; }, " Funktionenschar "));
        klein.SetTFrom(-2);
        klein.SetTTo(2);
        klein.SetTStep(1);
        const auto linien = Linien(Zeichne(scale));
        SCOPED_TRACE(scale);
        EXPECT_EQ(f.TWerte, soll);
        EXPECT_EQ(klein.TWerte.size(), 5u);  // the small family is drawn whole
        EXPECT_LE(f.Aufrufe + klein.Aufrufe, Budget(scale));
        std::vector<Op> erste;
        std::copy_if(linien.begin(), linien.end(), std::back_inserter(erste),
                     [&](const Op& l) { return l.Points[0].Y == std::lround(7 * scale); });
        EXPECT_EQ(Farbfolge(erste), (std::vector<TColor>{clRed, clBlue}));
        EXPECT_TRUE(g.NichtAlleMitglieder);
    }
}

// The same family in every slot, with real terms.
class TZaehlFunktion : public TFunktion {
public:
    void Evaluate(const long double p[6]) override
    {
        ++Aufrufe;
        TWerte.insert(p[1]);
        TFunktion::Evaluate(p);
    }
    long Aufrufe = 0;
    std::set<long double> TWerte;
};

TEST_F(Graphen, NineTinyStepFamiliesShareOneBudget)
{
    std::vector<TZaehlFunktion*> scharen;
    for (int k = 1; k <= 9; ++k) {
        auto f = std::make_unique<TZaehlFunktion>();
        f->SetKind(" Funktionenschar ");
        f->SetTerm("f(x,t)=t*sin(x)/x");
        f->SetTFrom(1);
        f->SetTTo(5);
        f->SetTStep(1e-6);
        ASSERT_TRUE(f->GetCompiled());
        scharen.push_back(&scope.Setze(k, std::move(f)));
    }
    Zeichne(10.0);
    EXPECT_TRUE(g.NichtAlleMitglieder);
    long gesamt = 0;
    for (const TZaehlFunktion* f : scharen)
        gesamt += f->Aufrufe;
    EXPECT_LE(gesamt, Budget(10.0));
    EXPECT_GE(gesamt, 0.9 * Budget(10.0));
    // The members drawn are every k-th of the running sum, and its last.
    const std::set<long double>& t = scharen[8]->TWerte;
    ASSERT_GT(t.size(), 10u);
    const long jeder = std::lround((*std::next(t.begin()) - *t.begin()) / 1e-6);
    std::set<long double> soll;
    double summe = 1 - 1e-6;
    for (long i = 0;; ++i) {
        summe += 1e-6;
        const bool letzter = !(summe <= 5 - 1e-6 + 0.001);
        if (i % jeder == 0 || letzter)
            soll.insert(summe);
        if (letzter)
            break;
    }
    EXPECT_EQ(t, soll);
}

TEST_F(Graphen, WalksOfBillionsOfMembersEndSoon)
{
    // A narrow x range keeps every member to a few samples. A billion
    // whole t are passed in jumps, up to the last; halfway steps at 2^53
    // (ties to even) only one by one, and that walk ends at its limit.
    struct Fall {
        double von, bis, step, letzter;
    };
    for (const Fall& fall : {Fall{0, 1e9, 1, 1e9}, Fall{0x1p53, 0x1p54, 3, 0}}) {
        auto& f = scope.Setze(1, Fake([](long double x, long double) { return x; }, " Funktionenschar "));
        f.SetXFrom(0);
        f.SetXTo(0.05);
        f.SetTFrom(fall.von);
        f.SetTTo(fall.bis);
        f.SetTStep(fall.step);
        Zeichne();
        SCOPED_TRACE(fall.bis);
        EXPECT_TRUE(g.NichtAlleMitglieder);
        EXPECT_EQ(*f.TWerte.begin(), fall.von);
        if (fall.letzter > 0) {
            EXPECT_EQ(*f.TWerte.rbegin(), fall.letzter);
        }
        EXPECT_LE(f.Aufrufe, Budget());
    }
}

// Whether a segment crosses device column X.
bool Ueberbrueckt(const std::vector<Op>& linien, double X)
{
    return std::any_of(linien.begin(), linien.end(), [X](const Op& l) {
        const int a = std::min(l.Points[0].X, l.Points[1].X);
        const int b = std::max(l.Points[0].X, l.Points[1].X);
        return a < X && b > X;
    });
}

TEST_F(Graphen, StepsAreNotJoinedButDrawingGoesOn)
{
    // A sign-like step at x = 1 (device 180) with no jump flag: the
    // 10 |y1 - y2| + 0.1 rule breaks the line.
    scope.Setze(1, Fake([](long double x, long double) -> long double { return x < 1.01L ? -1.0L : 1.0L; }));
    auto linien = Linien(Zeichne());
    EXPECT_FALSE(std::any_of(linien.begin(), linien.end(), [](const Op& l) { return l.Points[0].Y != l.Points[1].Y; }));
    EXPECT_TRUE(std::any_of(linien.begin(), linien.end(), [](const Op& l) { return l.Points[0].Y == 270 && l.Points[1].X == 180; }));
    // The next sample after the jump is joined again.
    EXPECT_TRUE(std::any_of(linien.begin(), linien.end(), [](const Op& l) { return l.Points[0].Y == 210 && l.Points[0].X == 181; }));

    // A small step of a floor-like term flagged by the evaluator.
    auto& gauss = scope.Setze(1, Fake([](long double x, long double) { return std::floor(x * 10.0L) / 10.0L; }));
    long double vorher = -1e9L;
    gauss.Sprung = [&vorher](long double x) {
        const long double fl = std::floor(x * 10.0L);
        const bool s = fl != vorher;
        vorher = fl;
        return s;
    };
    linien = Linien(Zeichne());
    ASSERT_FALSE(linien.empty());
    EXPECT_FALSE(std::any_of(linien.begin(), linien.end(), [](const Op& l) { return l.Points[0].Y != l.Points[1].Y; }));
}

TEST_F(Graphen, PoleLeavesAGap)
{
    scope.Setze(1, Fake([](long double x, long double) -> std::optional<long double> {
        if (x == 0)
            return std::nullopt;
        return 1.0L / x;
    }));
    const auto linien = Linien(Zeichne());
    EXPECT_FALSE(Ueberbrueckt(linien, 150));
    EXPECT_TRUE(std::any_of(linien.begin(), linien.end(), [](const Op& l) { return l.Points[1].X < 150; }));
    EXPECT_TRUE(std::any_of(linien.begin(), linien.end(), [](const Op& l) { return l.Points[0].X > 150; }));
    // Even a pole whose samples straddle 0 without hitting it.
    scope.Setze(1, Fake([](long double x, long double) { return 1.0L / (x - 0.01L); }));
    EXPECT_FALSE(Ueberbrueckt(Linien(Zeichne()), 150.5));
}

TEST_F(Graphen, ResumesFromTheSecondDefinedSampleAfterAGap)
{
    // Undefined only at the sample of device column 180 (x = 1).
    scope.Setze(1, Fake([](long double x, long double) -> std::optional<long double> {
        if (std::fabs(x - 1.0L) < 0.01L)
            return std::nullopt;
        return 0.0L;
    }));
    const auto linien = Linien(Zeichne());
    EXPECT_FALSE(std::any_of(linien.begin(), linien.end(), [](const Op& l) { return l.Points[0].X <= 180 && l.Points[1].X >= 180; }));
    EXPECT_FALSE(std::any_of(linien.begin(), linien.end(), [](const Op& l) { return l.Points[0].X == 179; }));
    const auto weiter = std::find_if(linien.begin(), linien.end(), [](const Op& l) { return l.Points[0].X > 180; });
    ASSERT_NE(weiter, linien.end());
    EXPECT_EQ(weiter->Points[0].X, 181);
}

TEST_F(Graphen, UnmappableValuesLiftThePen)
{
    // 1e10 is below the 1e11 limit but far beyond the device's integers.
    scope.Setze(1, Fake([](long double x, long double) { return (x > 1.0L && x < 2.0L) ? 1e10L : 0.0L; }));
    const auto linien = Linien(Zeichne());
    ASSERT_FALSE(linien.empty());
    for (const Op& l : linien) {
        EXPECT_EQ(l.Points[0].Y, 240);
        EXPECT_EQ(l.Points[1].Y, 240);
    }
    EXPECT_FALSE(Ueberbrueckt(linien, 195));
}

TEST_F(Graphen, XRangeNarrowerThanTheView)
{
    for (bool umgekehrt : {false, true}) {
        auto& f = scope.Setze(1, Fake([](long double x, long double) { return x; }));
        f.SetXFrom(umgekehrt ? 2 : -1);
        f.SetXTo(umgekehrt ? -1 : 2);
        const auto linien = Linien(Zeichne());
        ASSERT_FALSE(linien.empty());
        // x = -1 is device 120 and x = 2 device 210; sampling starts one
        // device unit earlier and ends one device unit before the end.
        EXPECT_EQ(linien.front().Points[0].X, 120);
        EXPECT_NEAR(linien.back().Points[1].X, 209, 1);
    }
}

TEST_F(Graphen, ColourOffBlackensLinesButNotDiscs)
{
    g.CB2->setChecked(false);
    scope.Setze(1, Fake([](long double x, long double) { return x; }));
    auto& d = scope.Setze(2, Fake([](long double x, long double) { return x; }));
    d.SetLineStyle(9);
    const auto ops = Zeichne();
    const auto linien = Linien(ops);
    ASSERT_FALSE(linien.empty());
    EXPECT_EQ(Farbfolge(linien), std::vector<TColor>{clBlack});
    for (const Op& op : ops) {
        if (op.Kind == Kind::Ellipse) {
            EXPECT_EQ(op.Brush.Color, clRed);
        }
    }
}

TEST_F(Graphen, DashAndDotLengthsAlongAStraightLine)
{
    // y = 0 at 100 device units per view unit: 0.01 view units per sample.
    for (int stil : {4, 3}) {
        auto& f = scope.Setze(1, Fake([](long double, long double) { return 0.0L; }));
        f.SetLineStyle(stil);
        const auto linien = Linien(Zeichne(100.0));
        std::vector<int> laengen;
        std::vector<TColor> farben;
        for (const Op& l : linien) {
            if (farben.empty() || farben.back() != l.Pen.Color) {
                farben.push_back(l.Pen.Color);
                laengen.push_back(0);
            }
            laengen.back() += l.Points[1].X - l.Points[0].X;
        }
        ASSERT_GE(laengen.size(), 6u);
        EXPECT_EQ(farben[0], clRed);
        EXPECT_EQ(farben[1], clWhite);
        EXPECT_EQ(farben[2], clRed);
        const std::vector<int> soll = stil == 4 ? std::vector<int>{5, 10, 25, 10, 25} : std::vector<int>{5, 5, 5, 5, 5};
        for (std::size_t i = 0; i < soll.size(); ++i)
            EXPECT_NEAR(laengen[i], soll[i], 1.5) << "style " << stil << " run " << i;
        EXPECT_EQ(linien.front().Pen.Width, 2);  // thin: 15 * 100 / 1000 rounded
    }
}

TEST_F(Graphen, DashStateRunsOnIntoTheNextMemberWhichStartsInItsInk)
{
    // Two members y = 0 and y = 1, each 0.1 view units long at 100 device
    // units per view unit: the first ends inside its first gap (0.05 ink,
    // then white). The second starts in its own ink and, with the gap's
    // arc carried over, stays in ink: the gap ends and a dash begins.
    auto& f = scope.Setze(1, Fake([](long double, long double t) { return t; }, " Funktionenschar "));
    f.SetLineStyle(4);
    f.SetXFrom(0);
    f.SetXTo(0.1);
    f.SetTFrom(0);
    f.SetTTo(1);
    f.SetTStep(1);
    std::vector<TColor> erstes, zweites;
    for (const Op& l : Linien(Zeichne(100.0)))
        (l.Points[0].Y == 800 ? erstes : zweites).push_back(l.Pen.Color);
    ASSERT_FALSE(erstes.empty());
    ASSERT_FALSE(zweites.empty());
    EXPECT_EQ(erstes.front(), clRed);
    EXPECT_EQ(erstes.back(), clWhite);
    for (TColor c : zweites)
        EXPECT_EQ(c, clBlue);
}

TEST_F(Graphen, DiscsOnlyAtWholeX)
{
    auto& f = scope.Setze(1, Fake([](long double x, long double) { return x; }));
    f.SetLineStyle(9);
    f.SetXFrom(-2.5);
    f.SetXTo(2.5);
    auto ops = Zeichne();
    std::vector<Op> scheiben;
    for (const Op& op : ops)
        if (op.Kind == Kind::Ellipse)
            scheiben.push_back(op);
    ASSERT_EQ(scheiben.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        const TRect r = scheiben[static_cast<std::size_t>(i)].Rect;
        const int x = i - 2;
        EXPECT_EQ((r.Left + r.Right) / 2, (x + 5) * 30);
        EXPECT_EQ((r.Top + r.Bottom) / 2, (8 - x) * 30);
        EXPECT_NEAR(r.Right - r.Left, 0.16 * 30, 1);
        EXPECT_EQ(scheiben[static_cast<std::size_t>(i)].Brush.Color, clRed);
        EXPECT_EQ(scheiben[static_cast<std::size_t>(i)].Pen.Color, clBlack);
    }
    EXPECT_TRUE(Linien(ops).empty());

    // Style 10 joins neighbouring discs in the member's colour.
    f.SetLineStyle(10);
    const auto linien = Linien(Zeichne());
    ASSERT_EQ(linien.size(), 4u);
    EXPECT_EQ(linien[0].Points, (std::vector<TPoint>{{90, 300}, {120, 270}}));
    EXPECT_EQ(linien[0].Pen.Color, clRed);
}

TEST_F(Graphen, DiscsNeverWalkMoreWholeValuesThanTheViewShows)
{
    auto& f = scope.Setze(1, Fake([](long double x, long double) { return x; }));
    f.SetLineStyle(9);
    f.SetXFrom(-1e300);
    f.SetXTo(1e300);
    Zeichne();
    EXPECT_EQ(f.Aufrufe, 12);  // -5 .. 6
    // More whole values than device columns (x unit 50: 551 values on 331
    // columns, or an absurd unit): the discs still cover the curve across
    // the view, and the walk is no longer than the view is wide.
    for (double einheit : {50.0, 1e17}) {
        f.Aufrufe = 0;
        g.EinheitX = einheit;
        f.Wert = [einheit](long double x, long double) { return x / einheit; };
        const auto ops = Zeichne();
        std::vector<int> mitten;
        for (const Op& op : ops)
            if (op.Kind == Kind::Ellipse)
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

TEST_F(Graphen, DegenerateViewsAndUncompiledTermsDrawNothing)
{
    auto& f = scope.Setze(1, Fake([](long double x, long double) { return x; }));
    g.XMax = g.XMin;
    EXPECT_TRUE(Zeichne().empty());
    g.XMax = g.XMin + 5;
    g.YMin = g.YMax;
    EXPECT_TRUE(Zeichne().empty());
    EXPECT_EQ(f.Aufrufe, 0);
    g.YMin = g.YMax - 5;
    scope.Setze(1, Fake(nullptr));  // does not compile
    EXPECT_TRUE(Linien(Zeichne()).empty());
}

}  // namespace
