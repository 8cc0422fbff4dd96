// Typed axis units: the steps the track bars stand at.

#include "engine/einheiten.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

double Darueber(double v) { return std::nextafter(v, 1e300); }

}  // namespace

TEST(Einheiten, StepsAtTheirBoundaries)
{
    struct Fall {
        double Einheit;
        int X;
        int Y;
    };
    const Fall faelle[] = {
        {-5.0, -4, -4},          {0.001, -4, -4},       {Darueber(0.001), -4, -3}, {0.01, -4, -3},
        {Darueber(0.01), -3, -2}, {1.0, 1, 1},          {EinheitPiDrittel, 1, 2},  {Darueber(EinheitPiDrittel), 4, 2},
        {2.0, 4, 2},             {Darueber(2.0), 6, 3}, {3.0, 6, 4},               {EinheitPi, 6, 4},
        {4.0, 6, 4},             {4.5, 7, 4},           {50.0, 9, 6},              {51.0, 10, 7},
        {1000.0, 10, 9},         {Darueber(1000.0), 10, 10},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(EinheitXPosition(f.Einheit), f.X) << f.Einheit;
        EXPECT_EQ(EinheitYPosition(f.Einheit), f.Y) << f.Einheit;
    }
}

// Typed units: the pi words in any case with spaces around them, numbers
// with either separator, nothing that cannot be a unit. The y axis has no
// words.
TEST(Einheiten, TypedUnitsWordsNumbersAndRefusals)
{
    using E = std::optional<std::pair<double, int>>;
    const auto x = [](const char* t) {
        const auto e = EinheitXAusText(t, ',');
        return e ? E(std::pair(e->Einheit, e->Position)) : std::nullopt;
    };
    const auto y = [](const char* t) {
        const auto e = EinheitYAusText(t, ',');
        return e ? E(std::pair(e->Einheit, e->Position)) : std::nullopt;
    };
    EXPECT_EQ(x("PI"), E({EinheitPi, 5}));
    EXPECT_EQ(x("  pi/2 "), E({EinheitPiHalbe, 3}));
    EXPECT_EQ(x(" PI   "), E({EinheitPi, 5}));
    EXPECT_EQ(x("Pi/3"), E({EinheitPiDrittel, 2}));
    EXPECT_EQ(x("2,5"), E({2.5, 6}));
    EXPECT_EQ(x("0.5"), E({0.5, EinheitXPosition(0.5)}));
    EXPECT_EQ(x("-3"), E({-3.0, -4}));
    EXPECT_EQ(y("4"), E({4.0, 4}));
    EXPECT_EQ(y("1000"), E({1000.0, 9}));
    for (const char* nein : {"PI/4", "pi /2", "PIE", "P", "", "0", "x", "1e13", "XI", "qi/2"})
        EXPECT_EQ(x(nein), std::nullopt) << nein;
    for (const char* nein : {"PI", "pi/2", "0", "-0", "", "zwei"})
        EXPECT_EQ(y(nein), std::nullopt) << nein;
}

// Only what can be drawn with is a unit: finite, not zero, at most
// MaxEinheit in size, of either sign.
TEST(Einheiten, AUnitIsFiniteNotZeroAndBounded)
{
    for (const double ja : {1.0, -1.0, 1e-300, MaxEinheit, -MaxEinheit})
        EXPECT_TRUE(EinheitBrauchbar(ja)) << ja;
    for (const double nein : {0.0, -0.0, Darueber(MaxEinheit), -Darueber(MaxEinheit), std::nan(""), HUGE_VAL, -HUGE_VAL})
        EXPECT_FALSE(EinheitBrauchbar(nein)) << nein;
}

// The track bars: each position stands for one unit, and that unit typed
// as a number brings the bar back to the same position (the pi positions
// only come from their words); positions beyond the ends count as the
// ends. The x unit's window names the pi positions.
TEST(Einheiten, TrackBarPositionsAndTheirUnits)
{
    for (int p = -4; p <= 10; ++p) {
        if (p != 2 && p != 3 && p != 5) {
            EXPECT_EQ(EinheitXPosition(EinheitXAusPosition(p)), p) << p;
        }
        EXPECT_EQ(EinheitYPosition(EinheitYAusPosition(p)), p) << p;
    }
    EXPECT_EQ(std::tuple(EinheitXAusPosition(-4), EinheitXAusPosition(1), EinheitXAusPosition(10), EinheitXAusPosition(-9),
                         EinheitXAusPosition(99)),
              std::tuple(0.01, 1.0, 100.0, 0.01, 100.0));
    EXPECT_EQ(std::tuple(EinheitYAusPosition(-4), EinheitYAusPosition(1), EinheitYAusPosition(10), EinheitYAusPosition(-5),
                         EinheitYAusPosition(11)),
              std::tuple(0.001, 1.0, 10000.0, 0.001, 10000.0));
    EXPECT_EQ(std::tuple(EinheitXAusPosition(2), EinheitXAusPosition(3), EinheitXAusPosition(5)),
              std::tuple(EinheitPiDrittel, EinheitPiHalbe, EinheitPi));
    EXPECT_EQ(std::tuple(EinheitXText(2, EinheitPiDrittel, ','), EinheitXText(3, 0, ','), EinheitXText(5, 0, ',')),
              std::tuple("Pi/3", "Pi/2", "Pi"));
    EXPECT_EQ(std::tuple(EinheitXText(4, 2.0, ','), EinheitXText(-1, 0.25, ','), EinheitXText(-1, 0.25, '.')),
              std::tuple("2", "0,25", "0.25"));
}
