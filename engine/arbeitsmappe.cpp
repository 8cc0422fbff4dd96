#include "engine/arbeitsmappe.h"

#include <array>
#include <charconv>
#include <cmath>
#include <map>
#include <string_view>

namespace {

// ---------------------------------------------------------------------------
// The zip archive, members stored

constexpr std::array<std::uint32_t, 256> CrcTabelle = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        t[n] = c;
    }
    return t;
}();

std::uint32_t Crc32(std::string_view daten)
{
    std::uint32_t c = 0xFFFFFFFFu;
    for (const char z : daten)
        c = CrcTabelle[(c ^ static_cast<unsigned char>(z)) & 0xFFu] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

void U16(std::vector<std::uint8_t>& b, std::uint32_t v)
{
    b.push_back(static_cast<std::uint8_t>(v & 0xFFu));
    b.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFFu));
}

void U32(std::vector<std::uint8_t>& b, std::uint32_t v)
{
    U16(b, v & 0xFFFFu);
    U16(b, v >> 16);
}

void Text(std::vector<std::uint8_t>& b, std::string_view s)
{
    b.insert(b.end(), s.begin(), s.end());
}

struct TMitglied {
    std::string Name;
    std::string Daten;
};

// The archive: each member behind its local header, then the central
// directory and its end record. The date is the earliest a zip can hold
// (1980-01-01), so that the same table gives the same bytes.
std::vector<std::uint8_t> Zip(const std::vector<TMitglied>& mitglieder)
{
    constexpr std::uint32_t Version = 20;
    constexpr std::uint32_t Zeit = 0;
    constexpr std::uint32_t Datum = (1u << 5) | 1u;
    std::vector<std::uint8_t> b;
    std::vector<std::uint32_t> orte;
    for (const TMitglied& m : mitglieder) {
        orte.push_back(static_cast<std::uint32_t>(b.size()));
        U32(b, 0x04034B50u);
        U16(b, Version);
        U16(b, 0);  // flags
        U16(b, 0);  // stored
        U16(b, Zeit);
        U16(b, Datum);
        U32(b, Crc32(m.Daten));
        U32(b, static_cast<std::uint32_t>(m.Daten.size()));
        U32(b, static_cast<std::uint32_t>(m.Daten.size()));
        U16(b, static_cast<std::uint32_t>(m.Name.size()));
        U16(b, 0);  // no extra field
        Text(b, m.Name);
        Text(b, m.Daten);
    }
    const auto verzeichnis = static_cast<std::uint32_t>(b.size());
    for (std::size_t i = 0; i < mitglieder.size(); ++i) {
        const TMitglied& m = mitglieder[i];
        U32(b, 0x02014B50u);
        U16(b, Version);  // made by
        U16(b, Version);  // needed
        U16(b, 0);
        U16(b, 0);
        U16(b, Zeit);
        U16(b, Datum);
        U32(b, Crc32(m.Daten));
        U32(b, static_cast<std::uint32_t>(m.Daten.size()));
        U32(b, static_cast<std::uint32_t>(m.Daten.size()));
        U16(b, static_cast<std::uint32_t>(m.Name.size()));
        U16(b, 0);  // extra field
        U16(b, 0);  // comment
        U16(b, 0);  // disk
        U16(b, 0);  // internal attributes
        U32(b, 0);  // external attributes
        U32(b, orte[i]);
        Text(b, m.Name);
    }
    const auto verzeichnisGroesse = static_cast<std::uint32_t>(b.size()) - verzeichnis;
    U32(b, 0x06054B50u);
    U16(b, 0);
    U16(b, 0);
    U16(b, static_cast<std::uint32_t>(mitglieder.size()));
    U16(b, static_cast<std::uint32_t>(mitglieder.size()));
    U32(b, verzeichnisGroesse);
    U32(b, verzeichnis);
    U16(b, 0);  // comment
    return b;
}

// ---------------------------------------------------------------------------
// The parts of the workbook

constexpr std::string_view Kopf = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
constexpr std::string_view Haupt = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
constexpr std::string_view Beziehungen = "http://schemas.openxmlformats.org/package/2006/relationships";
constexpr std::string_view Dokument = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";

// Text content of an element: the three markup characters escaped, the
// control characters XML does not allow replaced.
std::string XmlText(std::string_view s)
{
    std::string r;
    for (const char z : s) {
        switch (z) {
        case '&': r += "&amp;"; break;
        case '<': r += "&lt;"; break;
        case '>': r += "&gt;"; break;
        case '\t': case '\n': case '\r': r += z; break;
        default: r += static_cast<unsigned char>(z) < 0x20 ? '?' : z; break;
        }
    }
    return r;
}

bool IstLeer(char z)
{
    return z == ' ' || z == '\t' || z == '\n' || z == '\r';
}

std::string Inhaltstypen()
{
    const std::string art = "application/vnd.openxmlformats-officedocument.spreadsheetml.";
    return std::string(Kopf) + "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">" +
           "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>" +
           "<Default Extension=\"xml\" ContentType=\"application/xml\"/>" +
           "<Override PartName=\"/xl/workbook.xml\" ContentType=\"" + art + "sheet.main+xml\"/>" +
           "<Override PartName=\"/xl/worksheets/sheet1.xml\" ContentType=\"" + art + "worksheet+xml\"/>" +
           "<Override PartName=\"/xl/sharedStrings.xml\" ContentType=\"" + art + "sharedStrings+xml\"/>" +
           "<Override PartName=\"/xl/styles.xml\" ContentType=\"" + art + "styles+xml\"/></Types>";
}

std::string PaketBeziehungen()
{
    return std::string(Kopf) + "<Relationships xmlns=\"" + std::string(Beziehungen) + "\">" +
           "<Relationship Id=\"rId1\" Type=\"" + std::string(Dokument) +
           "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>";
}

std::string MappenBeziehungen()
{
    const std::string typ = std::string(Dokument) + "/";
    return std::string(Kopf) + "<Relationships xmlns=\"" + std::string(Beziehungen) + "\">" +
           "<Relationship Id=\"rId1\" Type=\"" + typ + "worksheet\" Target=\"worksheets/sheet1.xml\"/>" +
           "<Relationship Id=\"rId2\" Type=\"" + typ + "sharedStrings\" Target=\"sharedStrings.xml\"/>" +
           "<Relationship Id=\"rId3\" Type=\"" + typ + "styles\" Target=\"styles.xml\"/></Relationships>";
}

std::string Mappe()
{
    return std::string(Kopf) + "<workbook xmlns=\"" + std::string(Haupt) + "\" xmlns:r=\"" + std::string(Dokument) +
           "\"><sheets><sheet name=\"Sheet1\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>";
}

// One font, the two fills every workbook has, one border, one cell format.
std::string Stile()
{
    return std::string(Kopf) + "<styleSheet xmlns=\"" + std::string(Haupt) + "\">" +
           "<fonts count=\"1\"><font><sz val=\"11\"/><name val=\"Calibri\"/></font></fonts>" +
           "<fills count=\"2\"><fill><patternFill patternType=\"none\"/></fill>"
           "<fill><patternFill patternType=\"gray125\"/></fill></fills>" +
           "<borders count=\"1\"><border><left/><right/><top/><bottom/><diagonal/></border></borders>" +
           "<cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\"/></cellStyleXfs>" +
           "<cellXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\"/></cellXfs>" +
           "<cellStyles count=\"1\"><cellStyle name=\"Normal\" xfId=\"0\" builtinId=\"0\"/></cellStyles></styleSheet>";
}

}  // namespace

std::string XlsxZahl(double v)
{
    if (v == 0)
        return "0";  // also -0
    // The longest shortest form of a double has 24 characters:
    // -2.2250738585072014e-308.
    std::array<char, 24> puffer{};
    const auto [ende, fehler] = std::to_chars(puffer.data(), puffer.data() + puffer.size(), v);
    return fehler == std::errc() ? std::string(puffer.data(), ende) : std::string("0");
}

std::string XlsxZelle(std::size_t zeile, std::size_t spalte)
{
    std::string buchstaben;
    for (std::size_t n = spalte + 1; n > 0; n = (n - 1) / 26)
        buchstaben.insert(buchstaben.begin(), static_cast<char>('A' + (n - 1) % 26));
    return buchstaben + std::to_string(zeile + 1);
}

std::vector<std::uint8_t> XlsxArbeitsmappe(const std::vector<std::vector<TExportZelle>>& block)
{
    std::map<std::string, std::size_t> nummern;  // shared string -> its index
    std::vector<const std::string*> texte;       // in the order of their indices
    std::size_t verwendet = 0;
    std::string blatt = std::string(Kopf) + "<worksheet xmlns=\"" + std::string(Haupt) + "\"><sheetData>";
    for (std::size_t r = 0; r < block.size(); ++r) {
        std::string zellen;
        for (std::size_t c = 0; c < block[r].size(); ++c) {
            const std::string ort = XlsxZelle(r, c);
            if (const double* zahl = std::get_if<double>(&block[r][c])) {
                if (std::isfinite(*zahl))
                    zellen += "<c r=\"" + ort + "\"><v>" + XlsxZahl(*zahl) + "</v></c>";
                continue;
            }
            const std::string& text = std::get<std::string>(block[r][c]);
            if (text.empty())
                continue;
            const auto [eintrag, neu] = nummern.try_emplace(text, texte.size());
            if (neu)
                texte.push_back(&eintrag->first);
            ++verwendet;
            zellen += "<c r=\"" + ort + "\" t=\"s\"><v>" + std::to_string(eintrag->second) + "</v></c>";
        }
        if (!zellen.empty())
            blatt += "<row r=\"" + std::to_string(r + 1) + "\">" + zellen + "</row>";
    }
    blatt += "</sheetData></worksheet>";

    std::string geteilt = std::string(Kopf) + "<sst xmlns=\"" + std::string(Haupt) + "\" count=\"" +
                          std::to_string(verwendet) + "\" uniqueCount=\"" + std::to_string(texte.size()) + "\">";
    for (const std::string* t : texte) {
        // Blanks at either end are part of the text ("   x").
        const bool erhalten = IstLeer(t->front()) || IstLeer(t->back());
        geteilt += erhalten ? "<si><t xml:space=\"preserve\">" : "<si><t>";
        geteilt += XmlText(*t) + "</t></si>";
    }
    geteilt += "</sst>";

    return Zip({{"[Content_Types].xml", Inhaltstypen()},
                {"_rels/.rels", PaketBeziehungen()},
                {"xl/workbook.xml", Mappe()},
                {"xl/_rels/workbook.xml.rels", MappenBeziehungen()},
                {"xl/styles.xml", Stile()},
                {"xl/sharedStrings.xml", geteilt},
                {"xl/worksheets/sheet1.xml", blatt}});
}
