#include "engine/kurztext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <tuple>

namespace {

using Feld = std::array<std::uint8_t, KurztextGroesse>;

TEST(Kurztext, CodePageBothWaysAndQuestionMarksForTheRest)
{
    EXPECT_EQ(Utf8ToCp1252("äöüß€„"), std::string("\xE4\xF6\xFC\xDF\x80\x84"));
    // Every byte survives the way through UTF-8; the five the code page
    // leaves undefined keep their C1 code points.
    std::string alle;
    for (int b = 0; b < 256; ++b)
        alle += static_cast<char>(b);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(alle)), alle);
    EXPECT_EQ(Cp1252ToUtf8("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");
    // Outside the code page, a C1 code point it defines otherwise, and
    // invalid UTF-8: stray continuation, overlong form, surrogate, cut sequence.
    for (const auto& [ein, aus] : {std::pair{"π ≤ 😀", "? ? ?"}, {"\u0080", "?"}, {"a\x80" "b", "a?b"},
                                   {"\xC0\xAF", "??"}, {"\xED\xA0\x80", "???"}, {"x\xE2\x82", "x??"},
                                   {"\xC3" "A", "?A"}, {"\xE2\x82" "A", "??A"}, {"\xF4\x90\x80\x80", "????"}})
        EXPECT_EQ(Utf8ToCp1252(ein), aus) << ein;
}

// 255 characters fit, longer texts are cut at 255 characters, not bytes.
// What lies behind the text is ignored on reading and zeroed on writing,
// also over a field that held a longer text.
TEST(Kurztext, CapacityIs255Characters)
{
    Feld f{};
    EXPECT_EQ(LeseKurztext(f.data()), "");
    std::string voll;
    for (int i = 0; i < 255; ++i)
        voll += (i % 2) ? "ß" : "x";
    SchreibeKurztext(f.data(), voll);
    EXPECT_EQ(std::tuple(f[0], f[254], f[255]), std::tuple(255, 0xDF, 'x'));
    EXPECT_EQ(LeseKurztext(f.data()), voll);

    const std::string lang = std::string(254, 'a') + "€€€";
    SchreibeKurztext(f.data(), lang);
    EXPECT_EQ(std::pair(f[0], LeseKurztext(f.data())), std::pair(std::uint8_t{255}, std::string(254, 'a') + "€"));
    EXPECT_EQ(AufKapazitaet(lang), std::string(254, 'a') + "€");

    f.fill(0xAA);
    SchreibeKurztext(f.data(), "äb");
    EXPECT_EQ(std::tuple(f[0], f[1], f[2]), std::tuple(2, 0xE4, 'b'));
    EXPECT_TRUE(std::all_of(f.begin() + 3, f.end(), [](std::uint8_t b) { return b == 0; }));
}

}  // namespace
