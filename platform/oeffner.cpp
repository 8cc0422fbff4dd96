#include "platform/oeffner.h"

#include <QDesktopServices>

namespace {

class TSystemOeffner : public TDesktopOeffner {
public:
    bool Oeffne(const QUrl& url) override { return QDesktopServices::openUrl(url); }
};

TSystemOeffner SystemOeffner;
TDesktopOeffner* Aktuell = nullptr;

TDesktopOeffner& Oeffner()
{
    return Aktuell ? *Aktuell : SystemOeffner;
}

}  // namespace

void SetDesktopOeffner(TDesktopOeffner* oeffner)
{
    Aktuell = oeffner;
}

bool OeffneWebadresse(const QString& adresse)
{
    const QUrl url(adresse.trimmed(), QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty())
        return false;
    const QString schema = url.scheme().toLower();
    if (schema != QLatin1String("http") && schema != QLatin1String("https"))
        return false;
    return Oeffner().Oeffne(url);
}

bool OeffneMitDesktop(const QString& pfad)
{
    if (pfad.isEmpty())
        return false;
    return Oeffner().Oeffne(QUrl::fromLocalFile(pfad));
}
