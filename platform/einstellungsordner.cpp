#include "platform/einstellungsordner.h"

#include <QDir>
#include <QStandardPaths>

QString Einstellungsordner()
{
    const QString basis = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
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
