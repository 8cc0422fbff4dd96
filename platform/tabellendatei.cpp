#include "platform/tabellendatei.h"

#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>

QString ExportPfad(const QString& name, const QString& endung)
{
    const QString ordner = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    if (ordner.isEmpty())
        return {};
    // The file is created here, so the name is ours alone, also where
    // several users share the folder; it stays for the program that opens
    // it.
    QTemporaryFile datei(ordner + QStringLiteral("/tessaplun-") + name + QStringLiteral("-XXXXXX.") + endung);
    datei.setAutoRemove(false);
    if (!datei.open())
        return {};
    return datei.fileName();
}

bool DateiSchreiben(const QString& pfad, const QByteArray& daten)
{
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly))
        return false;
    // A short write returns without a commit: QSaveFile then drops its
    // temporary file and leaves the target as it was.
    if (datei.write(daten) != daten.size())
        return false;
    return datei.commit();
}
