#pragma once
// The value table as a spreadsheet workbook: the bytes of an .xlsx file
// holding one worksheet. Numbers are written in their shortest form that
// reads back as the same number, so a cell holds the number the table shows
// (9.87, not 9.869999999999999); texts go to the shared strings.
//
// The file is a zip archive whose members are stored, not compressed: the
// table is small, and every spreadsheet program reads stored members.

#include "engine/tabellenexport.h"

#include <cstdint>
#include <string>
#include <vector>

// The workbook with the block on its first worksheet, row by row from A1;
// empty texts leave their cells empty.
std::vector<std::uint8_t> XlsxArbeitsmappe(const std::vector<std::vector<TExportZelle>>& block);

// The shortest decimal text that reads back as v, with "." and, where
// needed, an exponent ("9.87", "-6", "1e+21").
std::string XlsxZahl(double v);

// The cell reference of a row and column counted from 0 ("A1", "Z2", "AA1").
std::string XlsxZelle(std::size_t zeile, std::size_t spalte);
