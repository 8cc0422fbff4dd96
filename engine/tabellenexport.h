#pragma once
// The value table passed on: as tab-separated text for the clipboard, as
// cells of a spreadsheet (numbers as numbers), and as an RTF document with a
// table for word processors. The grid is given as it is shown: column 0 the
// row titles, columns 1..25 the pairs; row 0 x, row 1 y.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

constexpr int ExportSpalten = 26;  // grid columns: titles and 25 pairs

using TExportGitter = std::array<std::array<std::string, 2>, ExportSpalten>;  // [column][row], UTF-8

// The number of grid columns copied for `paare` value pairs (the spin box):
// pairs + 1, counted from the titles. A count that gives more than 26 or
// fewer than 2 columns copies all 26 and sets the spin box back to 25.
struct TExportUmfang {
    int Spalten = ExportSpalten;
    int Paare = ExportSpalten - 1;  // what the spin box shows afterwards
};
TExportUmfang ExportUmfang(int paare);

// Tab-separated text of the first `spalten` grid columns, every line ended
// by CR LF. Vertical: one line per column (x TAB y); horizontal: two lines,
// the x row and the y row.
std::string ExportText(const TExportGitter& gitter, int spalten, bool waagerecht);

// The cells as a block of rows and columns, oriented like the text.
std::vector<std::vector<std::string>> ExportBlock(const TExportGitter& gitter, int spalten, bool waagerecht);

// A spreadsheet cell: a number where the text reads as one with the
// program's decimal separator, else the text.
using TExportZelle = std::variant<std::string, double>;
TExportZelle ExportZelle(const std::string& text, char trenner);

// RTF of a text: backslash and braces escaped, line ends as \line, every
// character beyond ASCII as \uN? (UTF-16 units, signed, as RTF wants them).
std::string RtfText(std::string_view utf8);

// A complete RTF document holding the block as one table with borders.
std::string RtfDokument(const std::vector<std::vector<std::string>>& block);
