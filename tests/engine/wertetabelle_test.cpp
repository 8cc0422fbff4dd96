#include "engine/wertetabelle.h"

#include "engine/funktion.h"
#include "engine/tabellen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <optional>
#include <vector>

namespace {

// A function whose values the test chooses; it records where it was asked.
class FesteFunktion : public TFunktion {
public:
    using Wert = std::function<std::optional<long double>(long double x, long double t)>;
    explicit FesteFunktion(Wert w, bool kompiliert = true) : W(std::move(w)) { Compiled = kompiliert; }

    using TFunktion::Evaluate;
    void Evaluate(const long double p[6]) override
    {
        Gefragt.push_back({p[0], p[1]});
        const std::optional<long double> v = W(p[0], p[1]);
        ValueValid = v.has_value();
        Value = v.value_or(0);
    }

    Wert W;
    std::vector<std::pair<long double, long double>> Gefragt;
};

class WertetabelleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Alt = {Texte[311], Texte[312], Texte[313]};
        Texte[311] = "s.klein";
        Texte[312] = "s.groß";
        Texte[313] = "n.def.";
    }
    void TearDown() override
    {
        Texte[311] = Alt[0];
        Texte[312] = Alt[1];
        Texte[313] = Alt[2];
    }
    std::array<std::string, 3> Alt;
};

TEST_F(WertetabelleTest, ViewMinusFiveToSixRunsFromMinusSixToSix)
{
    EXPECT_EQ(WertetabelleStart(-5, 6), -6);
    FesteFunktion f([](long double x, long double) { return x * x; });
    WertetabelleEingabe e;  // view -5..6, unit 1
    e.T = 0;
    const TWertetabelle t = WertetabelleBerechnen(e, f);
    EXPECT_EQ(t.KopfX, "   x");
    EXPECT_EQ(t.KopfY, "   y");
    EXPECT_EQ(t.X[0], "-6");
    EXPECT_EQ(t.X[1], "-5,5");
    EXPECT_EQ(t.X[12], "0");
    EXPECT_EQ(t.X[24], "6");
    EXPECT_EQ(t.Y[0], "36,00");
    ASSERT_EQ(f.Gefragt.size(), 25u);
    EXPECT_EQ(f.Gefragt[0].first, -6.0L);
    EXPECT_EQ(f.Gefragt[24].first, 6.0L);
}

TEST_F(WertetabelleTest, StartTruncatesTowardZero)
{
    EXPECT_EQ(WertetabelleStart(-3, 4), -6);     // width 7: 7 div 2 = 3
    EXPECT_EQ(WertetabelleStart(-10, -3), -13);
    EXPECT_EQ(WertetabelleStart(3, -4), -6);     // width -7: -7 div 2 = -3, not -4
    // Extreme edges do not overflow.
    EXPECT_EQ(WertetabelleStart(INT32_MIN, INT32_MAX), std::int64_t{INT32_MIN} + (std::int64_t{UINT32_MAX} / 2) - 6);
}

TEST_F(WertetabelleTest, XRowFollowsTheUnit)
{
    FesteFunktion f([](long double x, long double) { return x; });
    WertetabelleEingabe e;
    e.T = 0;
    e.Schieberegler = -3;
    e.EinheitX = 0.1;
    TWertetabelle t = WertetabelleBerechnen(e, f);
    EXPECT_EQ(t.X[0], "-0,6");
    EXPECT_EQ(t.X[1], "-0,55");
    e.Trenner = '.';
    e.Schieberegler = 10;
    e.EinheitX = 100;
    t = WertetabelleBerechnen(e, f);
    EXPECT_EQ(t.X[0], "-600");
    EXPECT_EQ(t.X[1], "-550");
    EXPECT_EQ(t.KopfX, "   x");
}

TEST_F(WertetabelleTest, PiUnitsShowMultiplesOfPiButEvaluateAtX)
{
    const double pi = std::numbers::pi;
    FesteFunktion f([](long double x, long double) { return x; });
    WertetabelleEingabe e;
    e.T = 0;
    e.Schieberegler = 5;
    e.EinheitX = pi;
    TWertetabelle t = WertetabelleBerechnen(e, f);
    EXPECT_EQ(t.KopfX, " x * Pi");
    EXPECT_EQ(t.X[0], "-6");
    EXPECT_EQ(t.X[1], "-5,5");
    EXPECT_EQ(t.X[24], "6");
    EXPECT_NEAR(static_cast<double>(f.Gefragt[1].first), -5.5 * pi, 1e-12);
    EXPECT_EQ(t.Y[1], "-17,3");  // -5.5 pi, one decimal below -9

    e.Schieberegler = 3;  // Pi/2
    e.EinheitX = pi / 2;
    t = WertetabelleBerechnen(e, f);
    EXPECT_EQ(t.X[0], "-3");
    EXPECT_EQ(t.X[1], "-2,75");

    e.Schieberegler = 2;  // Pi/3
    e.EinheitX = pi / 3;
    t = WertetabelleBerechnen(e, f);
    EXPECT_EQ(t.X[0], "-2");
    EXPECT_EQ(t.X[1], "-1,83");  // -11/6 to hundredths
    EXPECT_EQ(t.KopfX, " x * Pi");
}

TEST_F(WertetabelleTest, DecimalsBySizeAndWordsForLargeSmallUndefined)
{
    EXPECT_EQ(WertetabelleYText(true, 99, ','), "99,00");
    EXPECT_EQ(WertetabelleYText(true, 99.5L, ','), "99,5");
    EXPECT_EQ(WertetabelleYText(true, 999, '.'), "999.0");
    EXPECT_EQ(WertetabelleYText(true, 1000, ','), "1000");
    EXPECT_EQ(WertetabelleYText(true, -9, ','), "-9,00");
    EXPECT_EQ(WertetabelleYText(true, -9.5L, ','), "-9,5");
    EXPECT_EQ(WertetabelleYText(true, -99, ','), "-99,0");
    EXPECT_EQ(WertetabelleYText(true, -100, ','), "-100");
    EXPECT_EQ(WertetabelleYText(true, 0.5L, '.'), "0.50");
    EXPECT_EQ(WertetabelleYText(true, 9999.75L, ','), "10000");
    // Large, small and undefined values as words.
    EXPECT_EQ(WertetabelleYText(true, 10000, ','), "s.groß");
    EXPECT_EQ(WertetabelleYText(true, 1e300L, ','), "s.groß");
    EXPECT_EQ(WertetabelleYText(true, -10000, ','), "-10000");
    EXPECT_EQ(WertetabelleYText(true, -10000.5L, ','), "s.klein");
    EXPECT_EQ(WertetabelleYText(false, 0, ','), " n.def.");
    // A value that is not a number is never shown as one.
    EXPECT_EQ(WertetabelleYText(true, std::nanl(""), ','), " n.def.");
}

TEST_F(WertetabelleTest, YRowEmptyWithoutCompiledTermOrTAndUndefinedCells)
{
    FesteFunktion nicht([](long double x, long double) { return x; }, false);
    WertetabelleEingabe e;
    e.T = 0;
    TWertetabelle t = WertetabelleBerechnen(e, nicht);
    EXPECT_EQ(t.X[0], "-6");
    for (const std::string& y : t.Y)
        EXPECT_TRUE(y.empty());
    EXPECT_TRUE(nicht.Gefragt.empty());

    FesteFunktion f([](long double x, long double t) { return x * t; });
    e.T.reset();  // the t field does not convert
    t = WertetabelleBerechnen(e, f);
    for (const std::string& y : t.Y)
        EXPECT_TRUE(y.empty());
    e.T = 2;
    t = WertetabelleBerechnen(e, f);
    EXPECT_EQ(t.Y[0], "-12,0");
    EXPECT_EQ(f.Gefragt[0].second, 2.0L);

    // Undefined cells in a mixed row.
    FesteFunktion wurzel([](long double x, long double) -> std::optional<long double> {
        if (x < 0)
            return std::nullopt;
        return std::sqrt(x);
    });
    t = WertetabelleBerechnen(e, wurzel);
    EXPECT_EQ(t.Y[11], " n.def.");
    EXPECT_EQ(t.Y[12], "0,00");
    EXPECT_EQ(t.Y[24], "2,45");
}

TEST_F(WertetabelleTest, FirstFill)
{
    FesteFunktion f([](long double x, long double t) { return x * x + t; });
    const TWertetabelle t = WertetabelleErste(f, ',');
    EXPECT_EQ(t.X[1], "-5,5");
    EXPECT_EQ(t.Y[1], "30,25");
    EXPECT_EQ(f.Gefragt[0].second, 0.0L);
}

TEST(WertetabelleKlick, ColumnClickShiftsTheView)
{
    EXPECT_EQ(WertetabelleSpalteGeklickt(-5, 6, 1), std::make_pair(1, 12));
    EXPECT_EQ(WertetabelleSpalteGeklickt(-5, 6, 13), std::make_pair(-5, 6));
    EXPECT_EQ(WertetabelleSpalteGeklickt(-5, 6, 25), std::make_pair(-11, 0));
    EXPECT_EQ(WertetabelleSpalteGeklickt(100, 110, 2), std::make_pair(0, 10));
    // The width survives even at the edges of the integer range.
    const auto [l, r] = WertetabelleSpalteGeklickt(-1000000, 0, 25);
    EXPECT_EQ(static_cast<std::int64_t>(r) - l, 1000000);
}

}  // namespace
