#include "engine/kurztext.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

using Feld = std::array<std::uint8_t, KurztextGroesse>;

TEST(Kurztext, GermanLettersAndTypographicQuotesMapToTheirBytes)
{
    const std::string text = "äöüß€„";
    EXPECT_EQ(Utf8ToCp1252(text), std::string("\xE4\xF6\xFC\xDF\x80\x84"));
    EXPECT_EQ(Cp1252ToUtf8("\xE4\xF6\xFC\xDF\x80\x84"), text);
    EXPECT_EQ(Cp1252Laenge(text), 6u);
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

TEST(Kurztext, EveryByteSurvivesTheWayThroughUtf8)
{
    std::string alle;
    for (int b = 0; b < 256; ++b)
        alle += static_cast<char>(b);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(alle)), alle);
    // The five bytes the code page leaves undefined keep their C1 code points.
    EXPECT_EQ(Cp1252ToUtf8("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");
}

TEST(Kurztext, LengthZeroAnd255)
{
    Feld f{};
    EXPECT_EQ(LeseKurztext(f.data()), "");
    std::string lang;
    for (int i = 0; i < 255; ++i)
        lang += (i % 2) ? "ß" : "x";
    SchreibeKurztext(f.data(), lang);
    EXPECT_EQ(f[0], 255);
    EXPECT_EQ(f[254], 0xDF);  // ß
    EXPECT_EQ(f[255], 'x');
    EXPECT_EQ(LeseKurztext(f.data()), lang);
}

TEST(Kurztext, LongerTextsAreCutAt255CharactersNotBytes)
{
    Feld f{};
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
    f[2] = 'b';
    f[3] = 'c';
    EXPECT_EQ(LeseKurztext(f.data()), "abc");
    SchreibeKurztext(f.data(), "ab");  // zeroing also covers the empty text
    EXPECT_EQ(f[0], 2);
    EXPECT_EQ(f[2], 'b');
    for (std::size_t i = 3; i < f.size(); ++i)
        ASSERT_EQ(f[i], 0) << i;
}

TEST(Kurztext, ZeroBytesInsideTheTextAreKept)
{
    Feld f{};
    f[0] = 3;
    f[2] = 'x';
    const std::string s = LeseKurztext(f.data());
    ASSERT_EQ(s.size(), 3u);
    Feld g{};
    SchreibeKurztext(g.data(), s);
    EXPECT_EQ(f, g);
}

}  // namespace
