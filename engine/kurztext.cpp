#include "engine/kurztext.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

// Code points of the bytes 0x80..0x9F. The five bytes the code page leaves
// undefined keep their C1 code point, so every byte has a partner.
constexpr std::array<char32_t, 32> Hoch = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t ByteZuZeichen(std::uint8_t b)
{
    if (b >= 0x80 && b <= 0x9F)
        return Hoch[b - 0x80];
    return b;
}

// Returns the byte for a code point, or -1 when the code page lacks it.
int ZeichenZuByte(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<int>(c);
    for (std::size_t i = 0; i < Hoch.size(); ++i)
        if (Hoch[i] == c)
            return static_cast<int>(0x80 + i);
    return -1;
}

void Utf8Anhaengen(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {  // everything in the table lies below U+10000
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Reads one code point at `i`; sets `laenge` to the bytes taken. Invalid
// UTF-8 (stray continuation bytes, overlong forms, surrogates, values past
// U+10FFFF, cut sequences) takes one byte and yields no code point.
bool Utf8Lesen(std::string_view s, std::size_t i, char32_t& c, std::size_t& laenge)
{
    const auto b0 = static_cast<std::uint8_t>(s[i]);
    laenge = 1;
    if (b0 < 0x80) {
        c = b0;
        return true;
    }
    std::size_t n;
    char32_t min;
    if ((b0 & 0xE0) == 0xC0) {
        n = 2;
        c = b0 & 0x1F;
        min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        n = 3;
        c = b0 & 0x0F;
        min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        n = 4;
        c = b0 & 0x07;
        min = 0x10000;
    } else {
        return false;
    }
    if (i + n > s.size())
        return false;
    for (std::size_t k = 1; k < n; ++k) {
        const auto b = static_cast<std::uint8_t>(s[i + k]);
        if ((b & 0xC0) != 0x80)
            return false;
        c = (c << 6) | (b & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return false;
    laenge = n;
    return true;
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char ch : bytes)
        Utf8Anhaengen(out, ByteZuZeichen(static_cast<std::uint8_t>(ch)));
    return out;
}

std::string Utf8ToCp1252(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        char32_t c;
        std::size_t n;  // at least 1, also where the bytes are no character
        const int b = Utf8Lesen(utf8, i, c, n) ? ZeichenZuByte(c) : -1;
        out += b < 0 ? '?' : static_cast<char>(b);
        i += n;
    }
    return out;
}

std::string AufKapazitaet(std::string_view utf8)
{
    std::size_t zahl = 0;
    std::size_t i = 0;
    while (i < utf8.size() && zahl < KurztextKapazitaet) {
        char32_t c;
        std::size_t n;
        Utf8Lesen(utf8, i, c, n);
        i += n;
        ++zahl;
    }
    return std::string(utf8.substr(0, i));
}

std::string LeseKurztext(const std::uint8_t* src)
{
    return Cp1252ToUtf8(std::string_view(reinterpret_cast<const char*>(src + 1), src[0]));
}

void SchreibeKurztext(std::uint8_t* dst, std::string_view utf8)
{
    std::string bytes = Utf8ToCp1252(utf8);
    bytes.resize(std::min(bytes.size(), KurztextKapazitaet));
    std::memset(dst, 0, KurztextGroesse);
    dst[0] = static_cast<std::uint8_t>(bytes.size());
    std::memcpy(dst + 1, bytes.data(), bytes.size());
}
