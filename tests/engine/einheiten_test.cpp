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
