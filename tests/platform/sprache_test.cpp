#include "platform/sprache.h"

#include "engine/tabellen.h"
#include "engine/texte.h"

#include <QFile>

#include <gtest/gtest.h>

// The resources live in a static library: register them once. The macro
// declares its function at the enclosing namespace, so this stays global.
namespace {
bool RessourcenGeladen = false;
}

void SpracheTestRessourcenLaden()
{
    if (!RessourcenGeladen)
        Q_INIT_RESOURCE(resources);
    RessourcenGeladen = true;
}

// Takes the resources away again, so that a test sees a list that cannot
// be read; SpracheTestRessourcenLaden brings them back.
void SpracheTestRessourcenEntfernen()
{
    if (RessourcenGeladen)
        Q_CLEANUP_RESOURCE(resources);
    RessourcenGeladen = false;
}

namespace {

std::vector<std::string> Liste(const char* name)
{
    SpracheTestRessourcenLaden();
    QFile f(QString::fromLatin1(":/languages/") + QString::fromLatin1(name));
    const QByteArray b = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    return ZeilenAusText(std::string_view(b.constData(), static_cast<std::size_t>(b.size())));
}

bool Kommentar(const std::string& zeile) { return zeile.rfind("//", 0) == 0; }

// A line that one list fills and the other leaves empty is an untranslated
// caption; a comment where the other list has none is a shifted line. The
// third list is a template: its priority, its separator and the comments.
TEST(Sprache, TheListsFillTheSameLinesAndCommentTheSameOnes)
{
    const auto de = Liste("deutsch.txt");
    const auto en = Liste("english.txt");
    const auto dr = Liste("dritte.txt");
    ASSERT_EQ(std::tuple(de.size(), en.size(), dr.size()), std::tuple(581u, 581u, 525u));
    for (std::size_t n = 0; n < de.size(); ++n) {
        EXPECT_EQ(de[n].empty(), en[n].empty()) << n;
        EXPECT_EQ(Kommentar(de[n]), Kommentar(en[n])) << n;
        if (n < dr.size()) {
            EXPECT_EQ(Kommentar(dr[n]), Kommentar(de[n])) << n;
            EXPECT_TRUE(dr[n].empty() || Kommentar(dr[n]) || n == 7 || n == 9) << n;
        }
    }
}

// Loading switches the lines and the separator; an unknown list changes
// nothing.
TEST(Sprache, LoadingSwitchesTheLinesAndTheSeparator)
{
    SpracheTestRessourcenLaden();
    AllesNullen();
    ASSERT_TRUE(LoadLanguage(SpracheEnglisch));
    EXPECT_EQ(std::tuple(Dezimaltrenner(), Texte[157]), std::tuple('.', "Graph options "));
    ASSERT_TRUE(LoadLanguage(SpracheDeutsch));
    EXPECT_EQ(std::tuple(Dezimaltrenner(), Texte[565], Texte[581]),  // never trimmed
              std::tuple(',', "Optionen Schwarz-Weiß-Drucker ", ""));
    // The template for a third language is hidden from the menu.
    ASSERT_TRUE(LoadLanguage(SpracheDritte));
    EXPECT_EQ(Texte[7], "-1");
    Texte[9] = ".";
    EXPECT_FALSE(LoadLanguage(3) || LoadLanguage(-1));
    EXPECT_EQ(Texte[9], ".");
    // A list that cannot be read changes nothing either.
    SpracheTestRessourcenEntfernen();
    EXPECT_FALSE(LoadLanguage(SpracheEnglisch));
    SpracheTestRessourcenLaden();
    EXPECT_EQ(Texte[9], ".");
    EXPECT_TRUE(LoadLanguage(SpracheEnglisch));
    AllesNullen();
}

}  // namespace
