#include "platform/sprache.h"

#include "engine/tabellen.h"

#include <gtest/gtest.h>

// The resources live in a static library: register them once. The macro
// declares its function at the enclosing namespace, so this stays global.
void SpracheTestRessourcenLaden()
{
    static const bool geladen = [] {
        Q_INIT_RESOURCE(resources);
        return true;
    }();
    (void)geladen;
}

namespace {

// Loading switches the lines and the separator; the third list keeps the
// previous lines from 525 on, and an unknown list changes nothing.
TEST(Sprache, LoadingSwitchesTheLinesAndTheSeparator)
{
    SpracheTestRessourcenLaden();
    AllesNullen();
    ASSERT_TRUE(LoadLanguage(SpracheEnglisch));
    EXPECT_EQ(Dezimaltrenner(), '.');
    EXPECT_EQ(Texte[157], "Graph options ");
    ASSERT_TRUE(LoadLanguage(SpracheDeutsch));
    EXPECT_EQ(Dezimaltrenner(), ',');
    EXPECT_EQ(Texte[294], "Möchten Sie Tessaplun beenden?");
    EXPECT_EQ(Texte[565], "Optionen Schwarz-Weiß-Drucker ");  // never trimmed
    EXPECT_TRUE(Texte[580].empty());

    Texte[560] = "vorher";
    ASSERT_TRUE(LoadLanguage(SpracheDritte));
    EXPECT_EQ(Texte[560], "vorher");
    EXPECT_TRUE(Texte[328].empty());
    EXPECT_EQ(Texte[9], ",");

    Texte[9] = ".";
    EXPECT_FALSE(LoadLanguage(3));
    EXPECT_FALSE(LoadLanguage(-1));
    EXPECT_EQ(Texte[9], ".");
    AllesNullen();
}

}  // namespace
