#include "platform/sprache.h"

#include "engine/tabellen.h"
#include "engine/texte.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QPointer>
#include <QString>
#include <QTranslator>

namespace {

// The list of a language; null for a number that is none.
const char* ListenPfad(int index)
{
    switch (index) {
    case SpracheDeutsch: return ":/languages/deutsch.txt";
    case SpracheEnglisch: return ":/languages/english.txt";
    case SpracheDritte: return ":/languages/dritte.txt";
    default: return nullptr;
    }
}

// The translator of Qt's standard texts in force, and the language it is for
// (the untranslated texts for every language but German).
QPointer<QTranslator> QtUebersetzung;
bool QtDeutsch = false;

}  // namespace

bool LoadLanguage(int index)
{
    const char* pfad = ListenPfad(index);
    if (!pfad)
        return false;
    QFile datei(QString::fromLatin1(pfad));
    if (!datei.open(QIODevice::ReadOnly))
        return false;
    const QByteArray inhalt = datei.readAll();
    TexteLaden(ZeilenAusText(std::string_view(inhalt.constData(), static_cast<std::size_t>(inhalt.size()))));
    return true;
}

bool LoadStandardDialogLanguage(int index)
{
    const bool deutsch = index == SpracheDeutsch;
    if (deutsch == QtDeutsch && (!deutsch || QtUebersetzung))
        return true;  // nothing to change: every change retranslates all windows
    if (QtUebersetzung) {
        QCoreApplication::removeTranslator(QtUebersetzung);
        delete QtUebersetzung;
    }
    QtDeutsch = deutsch;
    if (!deutsch)
        return true;
    auto* uebersetzung = new QTranslator(QCoreApplication::instance());
    if (!uebersetzung->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete uebersetzung;
        return false;
    }
    QCoreApplication::installTranslator(uebersetzung);
    QtUebersetzung = uebersetzung;
    return true;
}

QString Txt(int zeile)
{
    if (zeile < 0 || zeile >= AnzahlTexte)
        return {};
    return QString::fromStdString(Texte[static_cast<std::size_t>(zeile)]);
}
