#include "platform/zwischenablage.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {

class TSystemZwischenablage : public TZwischenablage {
public:
    bool Text(const QString& text) override
    {
        QClipboard* c = QGuiApplication::clipboard();
        if (!c)
            return false;
        c->setText(text);
        return true;
    }

    bool Bild(const QImage& bild) override
    {
        QClipboard* c = QGuiApplication::clipboard();
        if (!c || bild.isNull())
            return false;
        auto* daten = new QMimeData;
        daten->setImageData(bild);
        c->setMimeData(daten);
        return true;
    }

    bool Vektorbild(const QByteArray& svg, const QImage& bild) override
    {
        QClipboard* c = QGuiApplication::clipboard();
        if (!c || svg.isEmpty())
            return false;
        auto* daten = new QMimeData;
        daten->setData(QStringLiteral("image/svg+xml"), svg);
        if (!bild.isNull())
            daten->setImageData(bild);
        c->setMimeData(daten);
        return true;
    }
};

TSystemZwischenablage SystemAblage;
TZwischenablage* Aktuell = nullptr;

}  // namespace

void SetZwischenablage(TZwischenablage* ablage)
{
    Aktuell = ablage;
}

TZwischenablage& Zwischenablage()
{
    return Aktuell ? *Aktuell : SystemAblage;
}
