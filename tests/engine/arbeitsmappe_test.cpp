// The value table as a workbook: its members are stored, so the parts can
// be read straight from the bytes (the window tests unpack it with unzip).
#include "engine/arbeitsmappe.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Bytes(const std::vector<std::vector<TExportZelle>>& block)
{
    const std::vector<std::uint8_t> b = XlsxArbeitsmappe(block);
    return std::string(b.begin(), b.end());
}

// The numbers the table shows come back as they are shown, not as the
// 16 digits of their binary value.
TEST(Arbeitsmappe, NumbersInTheirShortestForm)
{
    using T = std::pair<double, const char*>;
    for (const auto& [v, text] : {T{9.87, "9.87"}, T{-0.1, "-0.1"}, T{-6, "-6"}, T{0.0, "0"}, T{-0.0, "0"},
                                  T{1e21, "1e+21"}, T{30.25, "30.25"}})
        EXPECT_EQ(XlsxZahl(v), text) << text;
    const std::string b = Bytes({{std::string("   x"), 9.87}});
    EXPECT_NE(b.find("<c r=\"B1\"><v>9.87</v></c>"), std::string::npos);
}

TEST(Arbeitsmappe, CellReferencesPastZ)
{
    using T = std::tuple<std::size_t, std::size_t, const char*>;
    for (const auto& [zeile, spalte, ort] : {T{0, 0, "A1"}, T{1, 25, "Z2"}, T{0, 26, "AA1"}, T{9, 51, "AZ10"},
                                             T{0, 52, "BA1"}, T{0, 701, "ZZ1"}, T{0, 702, "AAA1"}})
        EXPECT_EQ(XlsxZelle(zeile, spalte), ort);
}

// Texts are shared once each, in the order they first appear, escaped, with
// their blanks kept; empty texts leave no cell and an empty row no row.
TEST(Arbeitsmappe, TextsAreSharedEscapedAndKeepTheirBlanks)
{
    const std::string b = Bytes({{std::string("   x"), std::string("n.def.")},
                                 {std::string(""), std::string("")},
                                 {std::string("a<b&c>"), std::string("n.def.")}});
    for (const char* teil :
         {"count=\"4\" uniqueCount=\"3\"", "<si><t xml:space=\"preserve\">   x</t></si><si><t>n.def.</t></si>"
                                           "<si><t>a&lt;b&amp;c&gt;</t></si>",
          "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" t=\"s\"><v>1</v></c></row>"
          "<row r=\"3\"><c r=\"A3\" t=\"s\"><v>2</v></c><c r=\"B3\" t=\"s\"><v>1</v></c></row>"})
        EXPECT_NE(b.find(teil), std::string::npos) << teil;
    EXPECT_EQ(b.find("row r=\"2\""), std::string::npos);
}

// The archive ends with its directory: seven members, the directory's size
// and place as its end record gives them.
TEST(Arbeitsmappe, ArchiveDirectoryPointsAtItsMembers)
{
    const std::vector<std::uint8_t> b = XlsxArbeitsmappe({{1.0}});
    ASSERT_GE(b.size(), 22u);
    auto u16 = [&](std::size_t i) { return static_cast<unsigned>(b[i] | (b[i + 1] << 8)); };
    auto u32 = [&](std::size_t i) { return u16(i) | (u16(i + 2) << 16); };
    const std::size_t ende = b.size() - 22;
    EXPECT_EQ(u32(ende), 0x06054B50u);
    EXPECT_EQ(std::pair(u16(ende + 8), u16(ende + 10)), std::pair(7u, 7u));
    const std::size_t verzeichnis = u32(ende + 16);
    EXPECT_EQ(verzeichnis + u32(ende + 12), ende);
    // Each directory entry names a local header at its offset with the
    // same name; the members follow each other without a gap.
    std::size_t eintrag = verzeichnis;
    std::size_t naechster = 0;
    for (int i = 0; i < 7; ++i) {
        ASSERT_EQ(u32(eintrag), 0x02014B50u) << i;
        const std::size_t ort = u32(eintrag + 42);
        const unsigned name = u16(eintrag + 28);
        EXPECT_EQ(ort, naechster) << i;
        ASSERT_EQ(u32(ort), 0x04034B50u) << i;
        EXPECT_EQ(std::string(b.begin() + static_cast<long>(ort) + 30, b.begin() + static_cast<long>(ort + 30 + name)),
                  std::string(b.begin() + static_cast<long>(eintrag) + 46,
                              b.begin() + static_cast<long>(eintrag + 46 + name)));
        EXPECT_EQ(u32(ort + 14), u32(eintrag + 16)) << i;  // the same CRC
        naechster = ort + 30 + name + u32(ort + 18);
        eintrag += 46 + name;
    }
    EXPECT_EQ(naechster, verzeichnis);
}

}  // namespace
