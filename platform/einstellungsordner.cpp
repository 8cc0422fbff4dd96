#include "platform/einstellungsordner.h"

#include "engine/einstellungen.h"

#include <QDir>
#include <QSaveFile>
#include <QStandardPaths>

QString GetSpecialFolderPath(int folder)
{
    struct TOrdner {
        int Nummer;
        QStandardPaths::StandardLocation Ort;
    };
    static constexpr TOrdner Ordner[] = {
        {CSIDL_DESKTOPDIRECTORY, QStandardPaths::DesktopLocation},
        {CSIDL_PERSONAL, QStandardPaths::DocumentsLocation},
        {CSIDL_APPDATA, QStandardPaths::GenericConfigLocation},
        {CSIDL_LOCAL_APPDATA, QStandardPaths::GenericDataLocation},
    };
    for (const TOrdner& o : Ordner) {
        if (o.Nummer == folder)
            return QStandardPaths::writableLocation(o.Ort);
    }
    return {};
}

QString Einstellungsordner()
{
    const QString basis = GetSpecialFolderPath(CSIDL_APPDATA);
    if (basis.isEmpty())
        return {};
    return QDir(basis).filePath(QStringLiteral("tessaplun"));
}

QString Einstellungsdatei()
{
    const QString ordner = Einstellungsordner();
    return ordner.isEmpty() ? QString() : QDir(ordner).filePath(QStringLiteral("tessaplun2.set"));
}

QString Startvorlage()
{
    const QString ordner = Einstellungsordner();
    return ordner.isEmpty() ? QString() : QDir(ordner).filePath(QStringLiteral("tessaplun1.set"));
}

bool EinstellungsordnerAnlegen()
{
    const QString ordner = Einstellungsordner();
    return !ordner.isEmpty() && QDir().mkpath(ordner);
}

TSchreibErgebnis SchreibeInEinstellungsordner(const QString& pfad, std::span<const std::uint8_t> daten)
{
    if (pfad.isEmpty() || !EinstellungsordnerAnlegen())
        return TSchreibErgebnis::KeinOrdner;
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly))
        return TSchreibErgebnis::Fehler;
    const qint64 soll = static_cast<qint64>(daten.size());
    // Until the commit the old file is untouched; without one QSaveFile
    // drops what it wrote.
    if (datei.write(reinterpret_cast<const char*>(daten.data()), soll) != soll)
        return TSchreibErgebnis::Fehler;
    return datei.commit() ? TSchreibErgebnis::Geschrieben : TSchreibErgebnis::Fehler;
}

TSchreibErgebnis EinstellungenSpeichern(const TEinstellungen& e)
{
    const auto bytes = EncodeEinstellungen(e);
    return SchreibeInEinstellungsordner(Einstellungsdatei(), bytes);
}
