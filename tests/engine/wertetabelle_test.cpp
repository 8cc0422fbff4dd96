#include "engine/wertetabelle.h"

#include "engine/funktion.h"
#include "engine/tabellen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <optional>
#include <tuple>
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
        Alt = Texte;
        std::tie(Texte[311], Texte[312], Texte[313]) = std::tuple("s.klein", "s.groß", "n.def.");
    }
    void TearDown() override { Texte = Alt; }
    decltype(Texte) Alt;
};

TEST_F(WertetabelleTest, ViewMinusFiveToSixRunsFromMinusSixToSix)
{
    FesteFunktion f([](long double x, long double t) { return x * x + t; });
    WertetabelleEingabe e;  // view -5..6, unit 1
    e.T = 0;
    EXPECT_EQ(WertetabelleBerechnen(e, f).X[12], "0");
    ASSERT_EQ(f.Gefragt.size(), 25u);
    EXPECT_EQ(std::pair(f.Gefragt[0].first, f.Gefragt[24].first), std::pair(-6.0L, 6.0L));
    // The first fill evaluates at t = 0.
    const TWertetabelle erste = WertetabelleErste(f, ',');
    EXPECT_EQ(std::tuple(erste.X[1], erste.Y[1], f.Gefragt.back().second), std::tuple("-5,5", "30,25", 0.0L));

    // The start truncates half the width toward zero, without overflow.
    EXPECT_EQ(WertetabelleStart(-3, 4), -6);     // width 7: 7 div 2 = 3
    EXPECT_EQ(WertetabelleStart(3, -4), -6);     // width -7: -7 div 2 = -3, not -4
    EXPECT_EQ(WertetabelleStart(INT32_MIN, INT32_MAX), std::int64_t{INT32_MIN} + (std::int64_t{UINT32_MAX} / 2) - 6);
}

// Half-unit steps in the unit's numbers; the pi units count in multiples
// of pi but evaluate at x itself.
TEST_F(WertetabelleTest, XRowFollowsTheUnit)
{
    const double pi = std::numbers::pi;
    const std::tuple<std::int32_t, double, char, const char*, const char*, const char*> faelle[] = {
        {-3, 0.1, ',', "-0,6", "-0,55", "   x"}, {10, 100, '.', "-600", "-550", "   x"},
        {5, pi, ',', "-6", "-5,5", " x * Pi"},   {3, pi / 2, ',', "-3", "-2,75", " x * Pi"},
        {2, pi / 3, ',', "-2", "-1,83", " x * Pi"},  // -11/6 to hundredths
    };
    for (const auto& [regler, einheit, trenner, x0, x1, kopf] : faelle) {
        FesteFunktion f([](long double x, long double) { return x; });
        WertetabelleEingabe e;
        e.T = 0;
        std::tie(e.Schieberegler, e.EinheitX, e.Trenner) = std::tuple(regler, einheit, trenner);
        const TWertetabelle t = WertetabelleBerechnen(e, f);
        EXPECT_EQ(std::tuple(t.X[0], t.X[1], t.KopfX), std::tuple(x0, x1, kopf)) << regler;
    }
    // Eight significant digits, after the hundredths.
    EXPECT_EQ(std::pair(WertetabelleXText(1, 0, 246913.5, ','), WertetabelleXText(1, 0, 2469134.25, '.')),
              std::pair(std::string("123456,75"), std::string("1234567.1")));
}

TEST_F(WertetabelleTest, DecimalsBySizeAndWordsForLargeSmallUndefined)
{
    const std::tuple<bool, long double, char, const char*> faelle[] = {
        {true, 99, ',', "99,00"},  {true, 99.5L, ',', "99,5"},   {true, 999, '.', "999.0"},  {true, 1000, ',', "1000"},
        {true, -9, ',', "-9,00"},  {true, -9.5L, ',', "-9,5"},   {true, -99, ',', "-99,0"},  {true, -100, ',', "-100"},
        {true, 0.5L, '.', "0.50"}, {true, 9999.75L, ',', "10000"},
        // Large, small and undefined values as words; a value that is not
        // a number is never shown as one.
        {true, 10000, ',', "s.groß"}, {true, 1e300L, ',', "s.groß"},  {true, -10000, ',', "-10000"},
        {true, -10000.5L, ',', "s.klein"}, {false, 0, ',', " n.def."}, {true, std::nanl(""), ',', " n.def."},
    };
    for (const auto& [gueltig, y, trenner, text] : faelle)
        EXPECT_EQ(WertetabelleYText(gueltig, y, trenner), text) << static_cast<double>(y);
}

// The first fill writes every value with two decimals in ten significant
// digits, never as a word: cells without a finite value stay empty.
TEST_F(WertetabelleTest, FirstFillTenDigitsTwoDecimalsAndEmptyCells)
{
    FesteFunktion f([](long double x, long double) -> std::optional<long double> {
        if (x < -5)
            return std::nullopt;
        if (x < -4)
            return HUGE_VALL;
        return x < 0 ? 123456789.126L : 1e5L + x;
    });
    const TWertetabelle t = WertetabelleErste(f, ',');
    EXPECT_EQ(std::tuple(t.Y[0], t.Y[2], t.Y[3], t.Y[11], t.Y[12], t.Y[13]),
              std::tuple("", "", "", "123456789,10", "100000,00", "100000,50"));
    FesteFunktion nicht([](long double x, long double) { return x; }, false);
    EXPECT_EQ(std::pair(WertetabelleErste(nicht, ',').Y[12], nicht.Gefragt.size()), std::pair(std::string(), std::size_t{0}));
}

TEST_F(WertetabelleTest, YRowEmptyWithoutCompiledTermOrTAndUndefinedCells)
{
    FesteFunktion nicht([](long double x, long double) { return x; }, false);
    WertetabelleEingabe e;
    e.T = 0;
    auto leer = [](const TWertetabelle& t) {
        return std::all_of(std::begin(t.Y), std::end(t.Y), [](const std::string& y) { return y.empty(); });
    };
    EXPECT_TRUE(leer(WertetabelleBerechnen(e, nicht)) && nicht.Gefragt.empty());

    FesteFunktion f([](long double x, long double t) { return x * t; });
    e.T.reset();  // the t field does not convert
    EXPECT_TRUE(leer(WertetabelleBerechnen(e, f)));
    e.T = 2;
    TWertetabelle t = WertetabelleBerechnen(e, f);
    EXPECT_EQ(std::pair(t.Y[0], f.Gefragt[0].second), std::pair(std::string("-12,0"), 2.0L));

    // Undefined cells in a mixed row.
    FesteFunktion wurzel([](long double x, long double) { return x < 0 ? std::nullopt : std::optional(std::sqrt(x)); });
    t = WertetabelleBerechnen(e, wurzel);
    EXPECT_EQ(std::tuple(t.Y[11], t.Y[12], t.Y[24]), std::tuple(" n.def.", "0,00", "2,45"));
}

TEST(WertetabelleKlick, ColumnClickShiftsTheView)
{
    for (const auto& [l, r, spalte, soll] : {std::tuple{-5, 6, 1, std::pair(1, 12)}, {-5, 6, 13, std::pair(-5, 6)},
                                             {-5, 6, 25, std::pair(-11, 0)}, {100, 110, 2, std::pair(0, 10)}})
        EXPECT_EQ(WertetabelleSpalteGeklickt(l, r, spalte), soll) << l << " " << spalte;
    // The width survives even at the edges of the integer range.
    const auto [l, r] = WertetabelleSpalteGeklickt(-1000000, 0, 25);
    EXPECT_EQ(static_cast<std::int64_t>(r) - l, 1000000);
}

}  // namespace
