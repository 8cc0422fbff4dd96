#include "platform/fensterhilfen.h"
#include "platform/sprache.h"

#include "engine/tabellen.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QSpacerItem>
#include <QWidget>
#include <algorithm>

namespace {

// The real question: a modal message box with the question icon that stays
// on top of the tool windows. No is the Escape button, so Escape and the
// close button of the title bar both answer No.
class TMessageBoxFrage : public TJaNeinFrage {
public:
    QMessageBox::StandardButton Frage(const QString& caption, const QString& text) override
    {
        const std::unique_ptr<QMessageBox> box = FrageBox(caption, text);
        return static_cast<QMessageBox::StandardButton>(box->exec());
    }
};

TMessageBoxFrage StandardFrage;
TJaNeinFrage* AktuelleFrage = nullptr;

}  // namespace

QWidget* Besitzerfenster(QWidget* fragend)
{
    auto oben = [](QWidget* w) { return w && w->isVisible() ? w->window() : nullptr; };
    if (QWidget* modal = oben(QApplication::activeModalWidget()))
        return modal;
    if (QWidget* w = oben(fragend))
        return w;
    return oben(QApplication::activeWindow());
}

void VorAllenFenstern(QWidget* box)
{
    if (box)
        box->setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

int TitelleistenBreite(const QString& titel)
{
    // Measured under openbox: the icon and the three buttons take 62 pixels
    // on each side of the centred title.
    constexpr int Rand = 2 * 62;
    QFont schrift = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    schrift.setPointSize(8);
    schrift.setBold(true);
    return QFontMetrics(schrift).horizontalAdvance(titel) + Rand;
}

void BoxTitelPlatz(QMessageBox* box)
{
    auto* gitter = qobject_cast<QGridLayout*>(box->layout());
    if (!gitter)
        return;
    const QMargins r = gitter->contentsMargins();
    const int breite = TitelleistenBreite(box->windowTitle()) - r.left() - r.right();
    gitter->addItem(new QSpacerItem(breite, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), gitter->rowCount(), 0, 1,
                    gitter->columnCount());
}

std::unique_ptr<QMessageBox> FrageBox(const QString& caption, const QString& text)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::Question, caption, text,
                                             QMessageBox::Yes | QMessageBox::No, Besitzerfenster());
    VorAllenFenstern(box.get());
    box->setDefaultButton(QMessageBox::Yes);
    box->setEscapeButton(QMessageBox::No);
    BoxTitelPlatz(box.get());
    return box;
}

void SetWindowAlpha(QWidget* window, int alpha)
{
    if (!window)
        return;
    window->setWindowOpacity(std::clamp(alpha, 0, 255) / 255.0);
}

void SetJaNeinFrage(TJaNeinFrage* frage)
{
    AktuelleFrage = frage;
}

TJaNeinFrage* JaNeinFrage()
{
    return AktuelleFrage ? AktuelleFrage : &StandardFrage;
}

int AskYesNo(const QString& text, int)
{
    const QString caption = Txt(328);
    return JaNeinFrage()->Frage(caption, text) == QMessageBox::Yes ? IDYES : IDNO;
}

int AskYesNo(const std::string& text, int unbenutzt)
{
    return AskYesNo(QString::fromStdString(text), unbenutzt);
}

int AskYesNo(const char* text, int unbenutzt)
{
    return AskYesNo(QString::fromUtf8(text), unbenutzt);
}
