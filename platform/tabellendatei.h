#pragma once
// Files of the value table export: a new spreadsheet workbook (.xlsx,
// numbers as numbers) and plain bytes, written into the system's temporary
// folder, from where the desktop opens them.

#include "engine/tabellenexport.h"

#include <QByteArray>
#include <QString>

#include <vector>

// A new file "<temporary folder>/tessaplun-<name>-XXXXXX.<endung>", made
// empty; its path, or nothing when it cannot be made.
QString ExportPfad(const QString& name, const QString& endung);

enum class TXlsxErgebnis {
    Geschrieben,
    NichtGefuellt,     // a cell could not be put into the workbook
    NichtGeschrieben,  // the file could not be written
};

// Writes the block as the first worksheet of a new workbook, row by row
// from A1; empty texts stay empty cells.
TXlsxErgebnis XlsxSchreiben(const QString& pfad, const std::vector<std::vector<TExportZelle>>& block);

// Writes the bytes as the whole file, or leaves no half-written file.
bool DateiSchreiben(const QString& pfad, const QByteArray& daten);
