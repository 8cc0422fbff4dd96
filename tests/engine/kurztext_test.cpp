#include "engine/kurztext.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>

namespace {

using Feld = std::array<std::uint8_t, KurztextGroesse>;

TEST(Kurztext, CodePageBothWays)
{
    const std::string text = "äöüß€„";
    EXPECT_EQ(Utf8ToCp1252(text), std::string("\xE4\xF6\xFC\xDF\x80\x84"));
    EXPECT_EQ(Cp1252ToUtf8("\xE4\xF6\xFC\xDF\x80\x84"), text);
    EXPECT_EQ(Cp1252Laenge(text), 6u);
    // Every byte survives the way through UTF-8; the five the code page
    // leaves undefined keep their C1 code points.
    std::string alle;
    for (int b = 0; b < 256; ++b)
        alle += static_cast<char>(b);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(alle)), alle);
    EXPECT_EQ(Cp1252ToUtf8("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");
}

TEST(Kurztext, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    EXPECT_EQ(Utf8ToCp1252("π ≤ 😀"), "? ? ?");
    EXPECT_EQ(Utf8ToCp1252("\u0080"), "?");  // a C1 code point the code page does define otherwise
    // Invalid UTF-8: stray continuation, overlong form, surrogate, cut sequence.
    EXPECT_EQ(Utf8ToCp1252("a\x80" "b"), "a?b");
    EXPECT_EQ(Utf8ToCp1252("\xC0\xAF"), "??");
    EXPECT_EQ(Utf8ToCp1252("\xED\xA0\x80"), "???");
    EXPECT_EQ(Utf8ToCp1252("x\xE2\x82"), "x??");
}

// 255 characters fit, longer texts are cut at 255 characters, not bytes.
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
    EXPECT_EQ(f[0], 255);
    EXPECT_EQ(LeseKurztext(f.data()), std::string(254, 'a') + "€");
    EXPECT_EQ(AufKapazitaet(lang), std::string(254, 'a') + "€");
    EXPECT_EQ(AufKapazitaet("kurz"), "kurz");
}

TEST(Kurztext, BytesAfterTheLengthAreIgnoredOnReadAndZeroedOnWrite)
{
    Feld f;
    f.fill('Z');
    f[0] = 3;
    f[1] = 'a';
    f[2] = 0;  // a zero byte inside the text is kept
    f[3] = 'c';
    const std::string s = LeseKurztext(f.data());
    EXPECT_EQ(s, std::string("a\0c", 3));
    SchreibeKurztext(f.data(), "ab");
    EXPECT_EQ(std::tuple(f[0], f[2]), std::tuple(2, 'b'));
    for (std::size_t i = 3; i < f.size(); ++i)
        ASSERT_EQ(f[i], 0) << i;
    Feld g{};
    SchreibeKurztext(g.data(), s);
    EXPECT_EQ(std::tuple(g[0], g[1], g[2], g[3]), std::tuple(3, 'a', 0, 'c'));
}

}  // namespace
