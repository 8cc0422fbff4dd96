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
                                  T{1e21, "1e+21"}, T{30.25, "30.25"},
                                  T{-2.2250738585072014e-308, "-2.2250738585072014e-308"}})
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
    // Tabs and line ends stay, other control characters XML cannot hold
    // become "?", text beyond ASCII is kept as it is.
    const std::string s = Bytes({{std::string("a\tb\nc\rd\x01" "e\x1f" "\xC3\xA4")}});
    EXPECT_NE(s.find("<si><t>a\tb\nc\rd?e?\xC3\xA4</t></si>"), std::string::npos);
}

}  // namespace

namespace {

// A reader of stored zip archives, written from the format's description:
// the end record, the central directory, each local header and its data.
std::uint32_t Le(const std::vector<std::uint8_t>& b, std::size_t o, int n)
{
    std::uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i)
        v = (v << 8) | b.at(o + static_cast<std::size_t>(i));
    return v;
}

std::uint32_t CrcBitweise(const std::string& s)
{
    std::uint32_t c = 0xFFFFFFFFu;
    for (const char z : s) {
        c ^= static_cast<unsigned char>(z);
        for (int k = 0; k < 8; ++k)
            c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
    }
    return ~c;
}

// Every member is where the directory says, stored, with its size, its
// checksum, the fixed date, and the same fields in both headers.
TEST(Arbeitsmappe, TheArchiveIsAValidStoredZip)
{
    const std::vector<std::uint8_t> b = XlsxArbeitsmappe({{std::string("x"), 1.5}, {std::string("ä"), -2.0}});
    ASSERT_GE(b.size(), 22u);
    const std::size_t ende = b.size() - 22;
    ASSERT_EQ(Le(b, ende, 4), 0x06054B50u);
    EXPECT_EQ(std::tuple(Le(b, ende + 4, 2), Le(b, ende + 6, 2), Le(b, ende + 20, 2)), std::tuple(0u, 0u, 0u));
    const std::uint32_t anzahl = Le(b, ende + 10, 2);
    EXPECT_EQ(Le(b, ende + 8, 2), anzahl);
    const std::uint32_t groesse = Le(b, ende + 12, 4), start = Le(b, ende + 16, 4);
    EXPECT_EQ(start + groesse, ende);

    std::vector<std::string> namen;
    std::size_t o = start;
    std::size_t erwarteterOrt = 0;
    for (std::uint32_t i = 0; i < anzahl; ++i) {
        SCOPED_TRACE(i);
        ASSERT_EQ(Le(b, o, 4), 0x02014B50u);
        // made by, needed, flags, method, time, date
        EXPECT_EQ(std::tuple(Le(b, o + 4, 2), Le(b, o + 6, 2), Le(b, o + 8, 2), Le(b, o + 10, 2), Le(b, o + 12, 2), Le(b, o + 14, 2)),
                  std::tuple(20u, 20u, 0u, 0u, 0u, 0x21u));
        const std::uint32_t crc = Le(b, o + 16, 4), gepackt = Le(b, o + 20, 4), ungepackt = Le(b, o + 24, 4);
        const std::uint32_t nameLaenge = Le(b, o + 28, 2);
        // extra, comment, disk, internal and external attributes
        EXPECT_EQ(std::tuple(Le(b, o + 30, 2), Le(b, o + 32, 2), Le(b, o + 34, 2), Le(b, o + 36, 2), Le(b, o + 38, 4)),
                  std::tuple(0u, 0u, 0u, 0u, 0u));
        const std::uint32_t ort = Le(b, o + 42, 4);
        const std::string name(b.begin() + static_cast<std::ptrdiff_t>(o + 46),
                               b.begin() + static_cast<std::ptrdiff_t>(o + 46 + nameLaenge));
        namen.push_back(name);
        o += 46 + nameLaenge;

        // The members lie one after the other from the start.
        EXPECT_EQ(ort, erwarteterOrt);
        ASSERT_EQ(Le(b, ort, 4), 0x04034B50u);
        EXPECT_EQ(std::tuple(Le(b, ort + 4, 2), Le(b, ort + 6, 2), Le(b, ort + 8, 2), Le(b, ort + 10, 2), Le(b, ort + 12, 2)),
                  std::tuple(20u, 0u, 0u, 0u, 0x21u));
        EXPECT_EQ(std::tuple(Le(b, ort + 14, 4), Le(b, ort + 18, 4), Le(b, ort + 22, 4), Le(b, ort + 26, 2), Le(b, ort + 28, 2)),
                  std::tuple(crc, gepackt, ungepackt, nameLaenge, 0u));
        EXPECT_EQ(gepackt, ungepackt);
        const std::size_t daten = ort + 30 + nameLaenge;
        EXPECT_EQ(std::string(b.begin() + static_cast<std::ptrdiff_t>(ort + 30), b.begin() + static_cast<std::ptrdiff_t>(daten)), name);
        ASSERT_LE(daten + gepackt, start);
        const std::string inhalt(b.begin() + static_cast<std::ptrdiff_t>(daten),
                                 b.begin() + static_cast<std::ptrdiff_t>(daten + gepackt));
        EXPECT_EQ(crc, CrcBitweise(inhalt)) << name;
        EXPECT_EQ(inhalt.rfind("<?xml", 0), 0u) << name;
        erwarteterOrt = static_cast<std::uint32_t>(daten + gepackt);
    }
    EXPECT_EQ(o, ende);
    EXPECT_EQ(erwarteterOrt, start);
    EXPECT_EQ(namen, (std::vector<std::string>{"[Content_Types].xml", "_rels/.rels", "xl/workbook.xml", "xl/_rels/workbook.xml.rels",
                                               "xl/styles.xml", "xl/sharedStrings.xml", "xl/worksheets/sheet1.xml"}));
}

}  // namespace
