#include "platform/sprache.h"

#include "engine/tabellen.h"
#include "engine/texte.h"

#include <QFile>
#include <QString>

namespace {

const char* const ListenPfade[] = {
    ":/languages/deutsch.txt",   // SpracheDeutsch
    ":/languages/english.txt",   // SpracheEnglisch
    ":/languages/dritte.txt",    // SpracheDritte
};

}  // namespace

bool LoadLanguage(int index)
{
    if (index < 0 || index >= static_cast<int>(std::size(ListenPfade)))
        return false;
    QFile datei(QString::fromLatin1(ListenPfade[index]));
    if (!datei.open(QIODevice::ReadOnly))
        return false;
    const QByteArray inhalt = datei.readAll();
    TexteLaden(ZeilenAusText(std::string_view(inhalt.constData(), static_cast<std::size_t>(inhalt.size()))));
    return true;
}

QString Txt(int zeile)
{
    if (zeile < 0 || zeile >= AnzahlTexte)
        return {};
    return QString::fromStdString(Texte[static_cast<std::size_t>(zeile)]);
}
