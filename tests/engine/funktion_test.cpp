// The function object: the text it keeps, and evaluation through it.
#include "engine/funktion.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(Funktion, TermTextAndSmoothnessAfterSetTerm)
{
    TFunktion f;
    f.SetTerm("f(x) = abs(x)");
    EXPECT_TRUE(f.GetCompiled() && f.GetNonSmooth());
    EXPECT_EQ(f.GetTerm(), "f(x) = abs(x)");
    EXPECT_EQ(f.GetErrorPos(), 0);

    f.SetTerm("f(x) = x^");
    EXPECT_FALSE(f.GetCompiled());
    EXPECT_EQ(f.GetTerm(), "f(x)=x^");
    EXPECT_EQ(f.GetErrorPos(), 8);
    // The empty equations keep their display form.
    for (const char* leer : {"f(x) = ", "f(x)=", "f(x,t) = "}) {
        f.SetTerm(leer);
        EXPECT_FALSE(f.GetCompiled());
        EXPECT_EQ(f.GetTerm(), leer[3] == ',' ? "f(x,t) = " : "f(x) = ") << leer;
    }
    f.SetTerm("g(x) = ");
    EXPECT_EQ(f.GetTerm(), "g(x)=");

    // Commas and odd spacing survive a successful compilation as typed.
    f.SetTerm("  f(x , t) = 2,5 * t*x ");
    EXPECT_TRUE(f.GetCompiled());
    EXPECT_FALSE(f.GetNonSmooth());  // follows the last term
    f.SetTerm(f.GetTerm());
    EXPECT_EQ(f.GetTerm(), "  f(x , t) = 2,5 * t*x ");
}

TEST(Funktion, EvaluateFillsValueAndFlags)
{
    TFunktion f;
    f.SetTerm("f(x) = sign(x-2)");
    f.Evaluate(2, 0);
    EXPECT_EQ(std::tuple(f.GetValueValid(), f.GetJumpHit(), f.GetValue()), std::tuple(true, true, 0.0L));
    f.Evaluate(5, 0);
    EXPECT_EQ(std::tuple(f.GetValueValid(), f.GetJumpHit(), f.GetValue()), std::tuple(true, false, 1.0L));

    f.SetTerm("f(x,t) = t*x^2");
    const long double p[6] = {-3, 0.5L, 7, 7, 7, 7};
    f.Evaluate(p);
    EXPECT_EQ(f.GetValue(), 4.5L);

    // A failed term is never evaluated, whatever the term before left behind;
    // a copy keeps its own compiled term.
    const TFunktion kopie = f;
    f.SetTerm("f(x) = 2x");  // its prefix "2" parses
    f.Evaluate(3, 0);
    EXPECT_EQ(std::tuple(f.GetValueValid(), f.GetValue()), std::tuple(false, 0.0L));
    TFunktion b = kopie;
    b.Evaluate(3, 2);
    EXPECT_EQ(b.GetValue(), 18);
}

}  // namespace
