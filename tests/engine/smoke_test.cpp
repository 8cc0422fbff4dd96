#include "engine/funktion.h"
#include <gtest/gtest.h>

TEST(FunktionDefaults, FreshObject)
{
    TFunktion f;
    EXPECT_EQ(f.GetTerm(), "f(x) = ");
    EXPECT_EQ(f.GetKind(), " Funktion ");
    EXPECT_EQ(f.GetLineStyle(), 1);
    EXPECT_DOUBLE_EQ(f.GetXFrom(), -100.0);
    EXPECT_FALSE(f.GetCompiled());
}
