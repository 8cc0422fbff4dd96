#include "platform/klang_qt.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>

namespace {

bool AusgabeVorhanden()
{
    return !QMediaDevices::audioOutputs().isEmpty();
}

}  // namespace

TQtKlangSpieler::TQtKlangSpieler(TGeraetPruefung geraetDa, QObject* parent)
    : QObject(parent), FGeraetDa(geraetDa ? std::move(geraetDa) : TGeraetPruefung(AusgabeVorhanden))
{
}

TQtKlangSpieler::~TQtKlangSpieler() = default;

QSoundEffect* TQtKlangSpieler::Effekt(const QString& name)
{
    if (const auto it = FEffekte.find(name); it != FEffekte.end())
        return it->second.get();
    const QString pfad = QStringLiteral(":/sounds/") + name + QStringLiteral(".wav");
    if (!QFile::exists(pfad))
        return nullptr;
    auto effekt = std::make_unique<QSoundEffect>();
    // A device that fails makes the program silent for good: no message,
    // and no new attempt on every click.
    QObject::connect(effekt.get(), &QSoundEffect::statusChanged, this, [this, e = effekt.get()] {
        if (e->status() == QSoundEffect::Error)
            FStumm = true;
    });
    effekt->setSource(QUrl(QStringLiteral("qrc") + pfad));
    return FEffekte.emplace(name, std::move(effekt)).first->second.get();
}

QUrl TQtKlangSpieler::Quelle(const QString& name) const
{
    const auto it = FEffekte.find(name);
    return it != FEffekte.end() ? it->second->source() : QUrl();
}

void TQtKlangSpieler::Spiele(const QString& name)
{
    if (!FGeprueft) {
        FGeprueft = true;
        FStumm = !FGeraetDa();
    }
    if (FStumm)
        return;
    QSoundEffect* effekt = Effekt(name);
    if (!effekt)
        return;
    if (FAktuell && FAktuell->isPlaying())
        FAktuell->stop();
    FAktuell = effekt;
    effekt->play();
}

extern "C" Q_DECL_EXPORT QObject* TessaplunKlangSpieler(QObject* eltern, TKlangSpieler** spieler)
{
    auto* p = new TQtKlangSpieler({}, eltern);
    *spieler = p;
    return p;
}
