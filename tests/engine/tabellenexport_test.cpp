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
    const struct {
        int paare, spalten, spin;
    } faelle[] = {{25, 26, 25}, {3, 4, 3}, {1, 2, 1}, {0, 26, 25}, {26, 26, 25}, {-5, 26, 25}, {2147483647, 26, 25}};
    for (const auto& f : faelle) {
        const TExportUmfang u = ExportUmfang(f.paare);
        EXPECT_EQ(u.Spalten, f.spalten) << f.paare;
        EXPECT_EQ(u.Paare, f.spin) << f.paare;
    }
}

TEST(TabellenExport, ClipboardTextVerticalAndHorizontal)
{
    const TExportGitter g = Gitter();
    // 25 pairs vertical: 26 lines, the titles first, every line with CR LF.
    const std::string senkrecht = ExportText(g, 26, false);
    EXPECT_EQ(Zaehle(senkrecht, "\r\n"), 26);
    EXPECT_EQ(senkrecht.substr(0, 11), "   x\t   y\r\n");
    EXPECT_EQ(senkrecht.substr(senkrecht.size() - 11), "12\t144,00\r\n");
    // The cleared y cell stays an empty cell.
    EXPECT_NE(senkrecht.find("\r\n-10\t\r\n"), std::string::npos);
    // 3 pairs horizontal: two lines of four cells.
    EXPECT_EQ(ExportText(g, 4, true), "   x\t-12\t-11\t-10\r\n   y\t144,00\t121,00\t\r\n");
    EXPECT_EQ(ExportText(g, 2, false), "   x\t   y\r\n-12\t144,00\r\n");
}

TEST(TabellenExport, NumbersBecomeNumberCellsTitlesStayText)
{
    using Z = TExportZelle;
    EXPECT_EQ(ExportZelle("36,00", ','), Z(36.0));
    EXPECT_EQ(ExportZelle("-5,5", ','), Z(-5.5));
    EXPECT_EQ(ExportZelle("-5.5", '.'), Z(-5.5));
    EXPECT_EQ(ExportZelle("12", ','), Z(12.0));
    // The other separator is not the program's: text.
    EXPECT_EQ(ExportZelle("-5.5", ','), Z(std::string("-5.5")));
    for (const char* text : {"   x", " x * Pi", " n.def.", "s.groß", "s.klein", ""})
        EXPECT_EQ(ExportZelle(text, ','), Z(std::string(text))) << text;
}

TEST(TabellenExport, RtfEscapesWhatWouldBreakTheDocument)
{
    EXPECT_EQ(RtfText("ä"), "\\u228?");
    EXPECT_EQ(RtfText("a\\b"), "a\\\\b");
    EXPECT_EQ(RtfText("{x}"), "\\{x\\}");
    EXPECT_EQ(RtfText("s.groß"), "s.gro\\u223?");
    EXPECT_EQ(RtfText("€"), "\\u8364?");
    EXPECT_EQ(RtfText("\xEF\xBF\xBD"), "\\u-3?");     // U+FFFD: signed 16 bits
    EXPECT_EQ(RtfText("\xF0\x9D\x9C\x8B"), "\\u-10187?\\u-8437?");  // beyond the BMP: a surrogate pair
    EXPECT_EQ(RtfText("a\xFF" "b"), "a?b");           // a broken byte
    EXPECT_EQ(RtfText("1\r\n2"), "1\\line 2");
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
}

}  // namespace
