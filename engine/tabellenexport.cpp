#include "engine/tabellenexport.h"

#include "engine/zahlen.h"

#include <algorithm>
#include <cmath>

TExportUmfang ExportUmfang(int paare)
{
    const long long n = static_cast<long long>(paare) + 1;
    if (n > ExportSpalten || n < 2)
        return TExportUmfang{};
    return TExportUmfang{static_cast<int>(n), paare};
}

std::vector<std::vector<std::string>> ExportBlock(const TExportGitter& gitter, int spalten, bool waagerecht)
{
    const int n = std::clamp(spalten, 0, ExportSpalten);
    std::vector<std::vector<std::string>> block;
    if (waagerecht) {
        block.assign(2, {});
        for (int r = 0; r < 2; ++r)
            for (int c = 0; c < n; ++c)
                block[static_cast<std::size_t>(r)].push_back(gitter[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)]);
    } else {
        for (int c = 0; c < n; ++c)
            block.push_back({gitter[static_cast<std::size_t>(c)][0], gitter[static_cast<std::size_t>(c)][1]});
    }
    return block;
}

std::string ExportText(const TExportGitter& gitter, int spalten, bool waagerecht)
{
    std::string text;
    for (const auto& zeile : ExportBlock(gitter, spalten, waagerecht)) {
        for (std::size_t i = 0; i < zeile.size(); ++i) {
            if (i > 0)
                text += '\t';
            text += zeile[i];
        }
        text += "\r\n";
    }
    return text;
}

TExportZelle ExportZelle(const std::string& text, char trenner)
{
    if (const auto v = ParseNumber(text, trenner, false); v && std::isfinite(*v))
        return *v;
    return text;
}

namespace {

// The next code point of UTF-8 text; an invalid byte gives '?' and is
// skipped alone.
char32_t NaechstesZeichen(std::string_view s, std::size_t& i)
{
    const auto b = static_cast<unsigned char>(s[i]);
    // Appends continuation byte k to cp; false where there is none.
    auto folge = [&](std::size_t k, char32_t& cp) {
        if (i + k >= s.size())
            return false;
        const auto c = static_cast<unsigned char>(s[i + k]);
        if ((c & 0xC0) != 0x80)
            return false;
        cp = (cp << 6) | (c & 0x3Fu);
        return true;
    };
    int laenge;
    char32_t cp;
    if (b < 0x80) {
        ++i;
        return b;
    }
    if ((b & 0xE0) == 0xC0) {
        laenge = 2;
        cp = b & 0x1F;
    } else if ((b & 0xF0) == 0xE0) {
        laenge = 3;
        cp = b & 0x0F;
    } else if ((b & 0xF8) == 0xF0) {
        laenge = 4;
        cp = b & 0x07;
    } else {
        ++i;
        return U'?';
    }
    for (int k = 1; k < laenge; ++k) {
        if (!folge(static_cast<std::size_t>(k), cp)) {
            ++i;
            return U'?';
        }
    }
    static constexpr char32_t Kleinste[] = {0, 0, 0x80, 0x800, 0x10000};
    i += static_cast<std::size_t>(laenge);
    if (cp < Kleinste[laenge] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return U'?';
    return cp;
}

void RtfEinheit(std::string& r, unsigned einheit)
{
    // \uN takes a signed 16-bit number; "?" stands for readers without
    // Unicode.
    const int n = einheit > 32767 ? static_cast<int>(einheit) - 65536 : static_cast<int>(einheit);
    r += "\\u" + std::to_string(n) + "?";
}

}  // namespace

std::string RtfText(std::string_view utf8)
{
    std::string r;
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t c = NaechstesZeichen(utf8, i);
        if (c == U'\\' || c == U'{' || c == U'}') {
            r += '\\';
            r += static_cast<char>(c);
        } else if (c == U'\n') {
            r += "\\line ";
        } else if (c == U'\r') {
            // part of a line end
        } else if (c == U'\t') {
            r += "\\tab ";
        } else if (c < 0x20) {
            r += '?';
        } else if (c < 0x80) {
            r += static_cast<char>(c);
        } else if (c < 0x10000) {
            RtfEinheit(r, static_cast<unsigned>(c));
        } else {
            const char32_t v = c - 0x10000;
            RtfEinheit(r, 0xD800 + static_cast<unsigned>(v >> 10));
            RtfEinheit(r, 0xDC00 + static_cast<unsigned>(v & 0x3FF));
        }
    }
    return r;
}

std::string RtfDokument(const std::vector<std::vector<std::string>>& block)
{
    std::size_t spalten = 0;
    for (const auto& zeile : block)
        spalten = std::max(spalten, zeile.size());
    // A wide table (the horizontal layout) gets a landscape page and narrow
    // columns; twips, 1440 per inch.
    const bool quer = spalten > 8;
    const int nutzbar = quer ? 14500 : 9000;
    const int breite = spalten == 0 ? 1000 : std::min(1500, nutzbar / static_cast<int>(spalten));

    std::string r = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl{\\f0\\fswiss Tahoma;}}\n";
    if (quer)
        r += "\\paperw16838\\paperh11906\\landscape\\margl1134\\margr1134\\margt1134\\margb1134\n";
    r += "\\f0\\fs18\n";
    for (const auto& zeile : block) {
        r += "\\trowd\\trgaph60\\trleft0";
        for (std::size_t c = 0; c < spalten; ++c) {
            r += "\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10\\clbrdrr\\brdrs\\brdrw10";
            r += "\\cellx" + std::to_string(breite * static_cast<int>(c + 1));
        }
        r += "\n";
        for (std::size_t c = 0; c < spalten; ++c) {
            r += "\\pard\\intbl ";
            if (c < zeile.size())
                r += RtfText(zeile[c]);
            r += "\\cell\n";
        }
        r += "\\row\n";
    }
    r += "\\pard\\par\n}\n";
    return r;
}
