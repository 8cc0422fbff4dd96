#pragma once
// Files of the value table export, written into the system's temporary
// folder, from where the desktop opens them.

#include <QByteArray>
#include <QString>

// A new file "<temporary folder>/tessaplun-<name>-XXXXXX.<endung>", made
// empty; its path, or nothing when it cannot be made.
QString ExportPfad(const QString& name, const QString& endung);

// Writes the bytes as the whole file, or leaves no half-written file.
bool DateiSchreiben(const QString& pfad, const QByteArray& daten);
