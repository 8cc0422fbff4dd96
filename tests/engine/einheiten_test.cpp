// Typed axis units: the steps the track bars stand at, the pi words, and
// which numbers can be a unit at all (also when a document brings them).

#include "engine/dokument_pruefen.h"
#include "engine/einheiten.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace {

double Darueber(double v) { return std::nextafter(v, 1e300); }

}  // namespace

TEST(Einheiten, XStepsAtTheirBoundaries)
{
    struct Fall {
        double Einheit;
        int Position;
    };
    const Fall faelle[] = {
        {-5.0, -4}, {0.01, -4}, {Darueber(0.01), -3}, {0.25, -1}, {0.5, 0},   {1.0, 1},
        // pi/3 and pi/2 stay on their neighbours' steps; pi stands for 4.
        {EinheitPiDrittel, 1}, {Darueber(EinheitPiDrittel), 4}, {2.0, 4}, {Darueber(2.0), 6}, {3.0, 6},
        {EinheitPi, 6}, {4.0, 6}, {4.5, 7}, {50.0, 9}, {51.0, 10}, {MaxEinheit, 10},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(EinheitXPosition(f.Einheit), f.Position) << f.Einheit;
}

TEST(Einheiten, YStepsAtTheirBoundaries)
{
    struct Fall {
        double Einheit;
        int Position;
    };
    const Fall faelle[] = {
        {-1.0, -4}, {0.001, -4}, {Darueber(0.001), -3}, {0.01, -3}, {0.1, -2}, {0.25, -1}, {0.5, 0},
        {1.0, 1},   {2.0, 2},    {2.5, 3},               {5.0, 4},   {10.0, 5}, {50.0, 6},  {100.0, 7},
        {500.0, 8}, {1000.0, 9}, {Darueber(1000.0), 10},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(EinheitYPosition(f.Einheit), f.Position) << f.Einheit;
}

TEST(Einheiten, TypedTextsWithEitherSeparatorAndThePiWords)
{
    struct Fall {
        const char* Text;
        char Trenner;
        std::optional<double> X;  // nothing: refused
        int PositionX;
        bool AuchY;  // the y unit reads it the same (no pi words there)
    };
    const Fall faelle[] = {
        {"0,5", ',', 0.5, 0, true},
        {"0.5", ',', 0.5, 0, true},
        {"0,5", '.', 0.5, 0, true},
        {" -2 ", ',', -2.0, -4, true},
        {"1e12", '.', 1e12, 10, true},
        {"-1e12", '.', -1e12, -4, true},
        {"3", ',', 3.0, 6, true},
        {"PI", ',', EinheitPi, 5, false},
        {"pi/2", ',', EinheitPiHalbe, 3, false},
        {" Pi/3", ',', EinheitPiDrittel, 2, false},
        {"0", ',', std::nullopt, 0, true},
        {"-0,0", ',', std::nullopt, 0, true},
        {"1,0000001e12", ',', std::nullopt, 0, true},
        {"1e400", '.', std::nullopt, 0, true},
        {"inf", '.', std::nullopt, 0, true},
        {"nan", '.', std::nullopt, 0, true},
        {"", ',', std::nullopt, 0, true},
        {"PI/4", ',', std::nullopt, 0, false},
        {"2PI", ',', std::nullopt, 0, false},
        {"0x10", '.', std::nullopt, 0, true},
    };
    for (const Fall& f : faelle) {
        const auto x = EinheitXAusText(f.Text, f.Trenner);
        ASSERT_EQ(x.has_value(), f.X.has_value()) << f.Text;
        const auto y = EinheitYAusText(f.Text, f.Trenner);
        EXPECT_EQ(y.has_value(), f.X.has_value() && f.AuchY) << f.Text;
        if (!x)
            continue;
        EXPECT_EQ(x->Einheit, *f.X) << f.Text;  // exactly: the bar's step does not replace it
        EXPECT_EQ(x->Position, f.PositionX) << f.Text;
        if (y) {
            EXPECT_EQ(y->Einheit, *f.X) << f.Text;
        }
    }
}

TEST(Einheiten, ADocumentKeepsANegativeUnitAndMendsOnlyUnusableOnes)
{
    struct Fall {
        double Einheit;
        bool Brauchbar;
    };
    const Fall faelle[] = {
        {-1.0, true},  {-MaxEinheit, true}, {1e-300, true}, {MaxEinheit, true}, {Darueber(MaxEinheit), false},
        {-Darueber(MaxEinheit), false}, {0.0, false}, {-0.0, false},
        {std::numeric_limits<double>::infinity(), false}, {std::numeric_limits<double>::quiet_NaN(), false},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(EinheitBrauchbar(f.Einheit), f.Brauchbar) << f.Einheit;
        TDokumentBild b;
        b.Kopf = NeuerDokumentKopf();
        b.Kopf.EinheitX = f.Einheit;
        b.Kopf.EinheitY = f.Einheit;
        b.Kopf.TrackBar1 = -4;
        b.Kopf.TrackBar2 = -4;
        const auto funde = DokumentPruefen(b);
        const bool xGemeldet =
            std::find(funde.begin(), funde.end(), DokumentMangelFund{DokumentMangel::EinheitX, 0}) != funde.end();
        EXPECT_EQ(xGemeldet, !f.Brauchbar) << f.Einheit;
        if (f.Brauchbar) {
            EXPECT_EQ(b.Kopf.EinheitX, f.Einheit);
            EXPECT_EQ(b.Kopf.TrackBar2, -4);
        } else {
            EXPECT_EQ(b.Kopf.EinheitX, 1.0);
            EXPECT_EQ(b.Kopf.EinheitY, 1.0);
        }
    }
}
