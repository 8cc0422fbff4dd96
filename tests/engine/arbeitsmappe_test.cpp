// The value table as a workbook: its members are stored, so the parts can
// be read straight from the bytes (the window tests unpack it with unzip,
// which also checks the archive).
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
    EXPECT_EQ(std::tuple(XlsxZelle(1, 25), XlsxZelle(0, 26), XlsxZelle(9, 51)), std::tuple("Z2", "AA1", "AZ10"));
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

}  // namespace
