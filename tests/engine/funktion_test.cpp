// The function object: defaults, the text it keeps, and evaluation through it.
#include "engine/funktion.h"

#include <gtest/gtest.h>

namespace {

TEST(Funktion, DefaultsAtCreation)
{
    const TFunktion f;
    EXPECT_FALSE(f.GetValueValid());
    EXPECT_FALSE(f.GetCompiled());
    EXPECT_FALSE(f.GetJumpHit());
    EXPECT_FALSE(f.GetNonSmooth());
    EXPECT_EQ(f.GetValue(), 0);
    EXPECT_EQ(f.GetErrorPos(), 0);
    EXPECT_EQ(f.GetReserved1(), 0);
    EXPECT_EQ(f.GetLineStyle(), 1);
    EXPECT_EQ(f.GetReserved2(), 0.0);
    EXPECT_EQ(f.GetTTo(), 5.0);
    EXPECT_EQ(f.GetTStep(), 1.0);
    EXPECT_EQ(f.GetTFrom(), 1.0);
    EXPECT_EQ(f.GetXTo(), 100.0);
    EXPECT_EQ(f.GetXFrom(), -100.0);
    EXPECT_EQ(f.GetTerm(), "f(x) = ");
    EXPECT_EQ(f.GetKind(), " Funktion ");
    EXPECT_EQ(f.GetColor(), 0u);
    EXPECT_EQ(f.GetColor2(), 0u);
}

TEST(Funktion, TermTextAndSmoothnessAfterSetTerm)
{
    TFunktion f;
    f.SetTerm("f(x) = abs(x)");
    EXPECT_TRUE(f.GetCompiled());
    EXPECT_TRUE(f.GetNonSmooth());
    EXPECT_EQ(f.GetTerm(), "f(x) = abs(x)");
    EXPECT_EQ(f.GetErrorPos(), 0);

    f.SetTerm("f(x) = x^");
    EXPECT_FALSE(f.GetCompiled());
    EXPECT_EQ(f.GetTerm(), "f(x)=x^");
    EXPECT_EQ(f.GetErrorPos(), 8);

    f.SetTerm("f(x) = ");
    EXPECT_FALSE(f.GetCompiled());
    EXPECT_EQ(f.GetTerm(), "f(x) = ");
    f.SetTerm("f(x)=");
    EXPECT_EQ(f.GetTerm(), "f(x) = ");
    f.SetTerm("f(x,t) = ");
    EXPECT_EQ(f.GetTerm(), "f(x,t) = ");
    f.SetTerm("g(x) = ");
    EXPECT_EQ(f.GetTerm(), "g(x)=");

    // Commas and odd spacing survive a successful compilation as typed.
    f.SetTerm("  f(x , t) = 2,5 * t*x ");
    EXPECT_TRUE(f.GetCompiled());
    EXPECT_FALSE(f.GetNonSmooth());  // follows the last term
    EXPECT_EQ(f.GetTerm(), "  f(x , t) = 2,5 * t*x ");
    f.SetTerm(f.GetTerm());
    EXPECT_EQ(f.GetTerm(), "  f(x , t) = 2,5 * t*x ");
}

TEST(Funktion, EvaluateFillsValueAndFlags)
{
    TFunktion f;
    f.SetTerm("f(x) = sign(x-2)");
    f.Evaluate(2, 0);
    EXPECT_EQ(f.GetValue(), 0);
    EXPECT_TRUE(f.GetValueValid());
    EXPECT_TRUE(f.GetJumpHit());
    f.Evaluate(5, 0);
    EXPECT_EQ(f.GetValue(), 1);
    EXPECT_FALSE(f.GetJumpHit());

    f.SetTerm("f(x,t) = t*x^2");
    f.Evaluate(3, 2);
    EXPECT_EQ(f.GetValue(), 18);
    const long double p[6] = {-3, 0.5L, 7, 7, 7, 7};
    f.Evaluate(p);
    EXPECT_EQ(f.GetValue(), 4.5L);

    f.SetTerm("f(x) = 1/x");
    f.Evaluate(0, 0);
    EXPECT_FALSE(f.GetValueValid());
    EXPECT_EQ(f.GetValue(), 0);
}

// A failed term is never evaluated, whatever an earlier term left behind.
TEST(Funktion, EvaluateWithoutACompiledTerm)
{
    TFunktion fresh;
    fresh.Evaluate(1, 1);
    EXPECT_FALSE(fresh.GetValueValid());
    EXPECT_EQ(fresh.GetValue(), 0);

    TFunktion f;
    f.SetTerm("f(x) = x^2");
    f.Evaluate(3, 0);
    ASSERT_EQ(f.GetValue(), 9);
    f.SetTerm("f(x) = 2x");  // its prefix "2" parses
    f.Evaluate(3, 0);
    EXPECT_FALSE(f.GetValueValid());
    EXPECT_EQ(f.GetValue(), 0);
    EXPECT_FALSE(f.GetJumpHit());
}

TEST(Funktion, CopiesAreIndependent)
{
    TFunktion a;
    a.SetTerm("f(x) = x+1");
    TFunktion b = a;
    a.SetTerm("f(x) = x-1");
    b.Evaluate(1, 0);
    a.Evaluate(1, 0);
    EXPECT_EQ(b.GetValue(), 2);
    EXPECT_EQ(a.GetValue(), 0);
    EXPECT_EQ(b.GetTerm(), "f(x) = x+1");
}

}  // namespace
