// The value table as clipboard text, spreadsheet cells and an RTF table.
#include "engine/tabellenexport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TExportGitter Gitter()
{
    TExportGitter g;
    g[0] = {"   x", "   y"};
    for (int c = 1; c < ExportSpalten; ++c) {
        g[static_cast<std::size_t>(c)][0] = std::to_string(c - 13);
        g[static_cast<std::size_t>(c)][1] = std::to_string((c - 13) * (c - 13)) + ",00";
    }
    g[3][1] = "";  // an undefined value that was cleared
    return g;
}

int Zaehle(const std::string& s, const std::string& teil)
{
    int n = 0;
    for (std::size_t p = s.find(teil); p != std::string::npos; p = s.find(teil, p + teil.size()))
        ++n;
    return n;
}

TEST(TabellenExport, PairCountIsClampedToTheGrid)
{
    for (const auto& [paare, spalten, spin] : {std::tuple{25, 26, 25}, {3, 4, 3}, {1, 2, 1}, {0, 26, 25}, {26, 26, 25},
                                               {-5, 26, 25}, {2147483647, 26, 25}}) {
        const TExportUmfang u = ExportUmfang(paare);
        EXPECT_EQ(std::pair(u.Spalten, u.Paare), std::pair(spalten, spin)) << paare;
    }
}

TEST(TabellenExport, ClipboardTextVerticalAndHorizontal)
{
    const TExportGitter g = Gitter();
    // All 25 pairs, the last one too; the cleared y cell stays an empty cell.
    const std::string senkrecht = ExportText(g, 26, false);
    EXPECT_EQ(senkrecht.substr(senkrecht.size() - 11), "12\t144,00\r\n");
    EXPECT_NE(senkrecht.find("\r\n-10\t\r\n"), std::string::npos);
    // 3 pairs horizontal: two lines of four cells.
    EXPECT_EQ(ExportText(g, 4, true), "   x\t-12\t-11\t-10\r\n   y\t144,00\t121,00\t\r\n");
    EXPECT_EQ(ExportText(g, 2, false), "   x\t   y\r\n-12\t144,00\r\n");
}

TEST(TabellenExport, NumbersBecomeNumberCellsTitlesStayTextRtfEscapes)
{
    using Z = TExportZelle;
    for (const auto& [text, trenner, zahl] : {std::tuple{"36,00", ',', 36.0}, {"-5,5", ',', -5.5}, {"-5.5", '.', -5.5}})
        EXPECT_EQ(ExportZelle(text, trenner), Z(zahl)) << text;
    // The other separator is not the program's: text.
    for (const char* text : {"-5.5", "   x", " x * Pi", " n.def.", "s.groß", "s.klein", ""})
        EXPECT_EQ(ExportZelle(text, ','), Z(std::string(text))) << text;

    const std::pair<const char*, const char*> rtf[] = {
        {"ä", "\\u228?"}, {"a\\b", "a\\\\b"}, {"{x}", "\\{x\\}"}, {"€", "\\u8364?"},
        {"\xEF\xBF\xBD", "\\u-3?"},                   // U+FFFD: signed 16 bits
        {"\xF0\x9D\x9C\x8B", "\\u-10187?\\u-8437?"},  // beyond the BMP: a surrogate pair
        {"a\xFF" "b", "a?b"},                           // a broken byte
        {"1\r\n2", "1\\line 2"},
        // Each boundary: the last ASCII character and the first beyond, a
        // control character and a space, the ends of the 16-bit unit's sign
        // and of the plane, and what is no character at all.
        {"\x7F\xC2\x80", "\x7F\\u128?"}, {"\x1F \t", "? \\tab "}, {"\xE7\xBF\xBF\xE8\x80\x80", "\\u32767?\\u-32768?"},
        {"\xEF\xBF\xBF", "\\u-1?"}, {"\xF0\x90\x80\x80", "\\u-10240?\\u-9216?"}, {"\xF4\x8F\xBF\xBF", "\\u-9217?\\u-8193?"},
        {"\xC0\x80", "?"}, {"\xED\xA0\x80", "?"}, {"\xF4\x90\x80\x80", "?"}, {"\xE2\x82", "??"}, {"\x80x", "?x"},
        {"\xDF\xBF\xE0\xA0\x80", "\\u2047?\\u2048?"}, {"\xF8\x88\x80\x80\x80", "?????"},
    };
    for (const auto& [text, soll] : rtf)
        EXPECT_EQ(RtfText(text), soll) << text;
    // A sequence cut off by the end of the text is broken, whatever follows
    // in memory.
    EXPECT_EQ(RtfText(std::string_view("a\xC3\xA4", 2)), "a?");
    EXPECT_EQ(RtfText(std::string_view("\xE2\x82\xAC", 2)), "??");
}

TEST(TabellenExport, RtfTableHasOneRowPerLineAndOneCellPerValue)
{
    const TExportGitter g = Gitter();
    const std::string senkrecht = RtfDokument(ExportBlock(g, 4, false));
    EXPECT_EQ(senkrecht.rfind("{\\rtf1", 0), 0u);
    EXPECT_EQ(senkrecht.back(), '\n');
    EXPECT_EQ(Zaehle(senkrecht, "\\row"), 4);
    EXPECT_EQ(Zaehle(senkrecht, "\\cell\n"), 8);
    EXPECT_EQ(Zaehle(senkrecht, "{"), Zaehle(senkrecht, "}"));
    EXPECT_EQ(Zaehle(senkrecht, "\\landscape"), 0);
    EXPECT_NE(senkrecht.find("\\intbl -10\\cell\n\\pard\\intbl \\cell"), std::string::npos);

    const std::string waagerecht = RtfDokument(ExportBlock(g, 26, true));
    EXPECT_EQ(Zaehle(waagerecht, "\\row"), 2);
    EXPECT_EQ(Zaehle(waagerecht, "\\cell\n"), 52);
    EXPECT_EQ(Zaehle(waagerecht, "\\landscape"), 1);
    // Columns of 1500 twips while they fit the page, narrower beyond;
    // more than eight columns turn the page.
    EXPECT_NE(senkrecht.find("\\cellx1500\\clbrdrt"), std::string::npos);
    EXPECT_NE(senkrecht.find("\\cellx3000\n"), std::string::npos);
    EXPECT_NE(waagerecht.find("\\cellx557\\clbrdrt"), std::string::npos);
    EXPECT_NE(RtfDokument(ExportBlock(g, 17, true)).find("\\cellx852\\clbrdrt"), std::string::npos);  // 14500 / 17
    EXPECT_EQ(Zaehle(RtfDokument(ExportBlock(g, 8, true)), "\\landscape"), 0);
    const std::string neun = RtfDokument(ExportBlock(g, 9, true));
    EXPECT_EQ(Zaehle(neun, "\\landscape"), 1);
    EXPECT_NE(neun.find("\\cellx13500\n"), std::string::npos);
    EXPECT_NE(RtfDokument(ExportBlock(g, 7, false)).find("\\cellx3000\n"), std::string::npos);
    EXPECT_NE(RtfDokument(ExportBlock(g, 6, true)).find("\\cellx9000\n"), std::string::npos);
    EXPECT_NE(RtfDokument(ExportBlock(g, 7, true)).find("\\cellx8995\n"), std::string::npos);
}

}  // namespace
