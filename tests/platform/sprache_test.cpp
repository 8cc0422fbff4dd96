#include "platform/sprache.h"

#include "engine/tabellen.h"
#include "engine/texte.h"

#include <QFile>

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

std::vector<std::string> Liste(const char* name)
{
    QFile f(QString::fromLatin1(":/languages/") + QString::fromLatin1(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray b = f.readAll();
    return ZeilenAusText(std::string_view(b.constData(), static_cast<std::size_t>(b.size())));
}

// Head comments and section comments: the only lines that start with "//".
constexpr int Kommentarzeilen[] = {0,   1,   4,   6,   8,   11,  12,  131, 151, 253, 254, 265, 288,
                                   302, 326, 340, 350, 361, 369, 400, 425, 443, 472, 515, 529};

// A line that one list fills and the other leaves empty is an untranslated
// caption; a comment away from its section number is a shifted line.
TEST(Sprache, GermanAndEnglishFillTheSameLinesAndCommentOnlyTheSections)
{
    SpracheTestRessourcenLaden();
    // The third list is a template: its priority, its separator and the
    // section comments, nothing else.
    const auto dr = Liste("dritte.txt");
    ASSERT_EQ(dr.size(), 525u);
    for (std::size_t n = 0; n < dr.size(); ++n)
        if (n != 7 && n != 9 && dr[n].rfind("//", 0) != 0) {
            EXPECT_TRUE(dr[n].empty()) << n;
        }
    const auto de = Liste("deutsch.txt");
    const auto en = Liste("english.txt");
    ASSERT_EQ(de.size(), en.size());
    std::vector<bool> kommentar(de.size(), false);
    for (int n : Kommentarzeilen)
        kommentar[static_cast<std::size_t>(n)] = true;
    for (std::size_t n = 0; n < de.size(); ++n) {
        EXPECT_EQ(de[n].empty(), en[n].empty()) << n;
        EXPECT_EQ(de[n].rfind("//", 0) == 0, kommentar[n]) << n;
        EXPECT_EQ(en[n].rfind("//", 0) == 0, kommentar[n]) << n;
    }
}

// The messages that code shows by line number, in both lists at the same
// number.
TEST(Sprache, MessageLinesStandAtTheirNumbersInBothLists)
{
    SpracheTestRessourcenLaden();
    struct Zeile {
        int n;
        const char* de;
        const char* en;
    };
    const Zeile zeilen[] = {
        {9, ",", "."},
        {58, "Wertetabelle", "Table"},
        {132, "Wertetabelle", "Table"},
        {141, "Eigenschaft Graph", "Options graph"},
        {153, "nicht def.", "not def."},
        {154, "für  t=", "with t="},
        {156, "Bitte positiven Wert eingeben!", "Please enter positive number!"},
        {157, "Eigenschaft Graph", "Graph options "},
        {160, "Möchten Sie die vorhandene Datei überschreiben?", "Overwrite existing file?"},
        {218, "Möchten Sie mit Wertetabelle starten?", "Start with table?"},
        {219, "Möchten Sie ohne Wertetabelle starten?", "Start without table?"},
        {220, "Die Einstellungen wurden gespeichert.", "Settings saved!"},
        {294, "Möchten Sie Tessaplun beenden?", "Would you like to quit Tessaplun?"},
        {311, "s.klein", "small"},
        {312, "s.groß", "large"},
        {313, "n.def.", "n.def."},
        {314, "Fehler bei t", "t: error"},
        {328, "Bestätigung", "Confirmation"},
        {338, "Strg", "Ctrl"},
        {431, "ja", "yes"},
        {432, "nein", "no"},
        {434, "Sollen die noch vorhandenen eigenen Einstellungen überschrieben werden?",
         "Overwrite existing template?"},
        {435, "Eigene Einstellungen konnten nicht gespeichert werden.", "Template could not be saved."},
        {441, "Möchten Sie die Einstellungen speichern?", "Save settings?"},
    };
    const auto de = Liste("deutsch.txt");
    const auto en = Liste("english.txt");
    ASSERT_EQ(de.size(), 580u);
    ASSERT_EQ(en.size(), 580u);
    for (const Zeile& z : zeilen) {
        EXPECT_EQ(de[static_cast<std::size_t>(z.n)], z.de) << z.n;
        EXPECT_EQ(en[static_cast<std::size_t>(z.n)], z.en) << z.n;
    }
}

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
