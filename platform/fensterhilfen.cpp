#include "platform/fensterhilfen.h"
#include "platform/sprache.h"

#include "engine/tabellen.h"

#include <QApplication>
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

std::unique_ptr<QMessageBox> FrageBox(const QString& caption, const QString& text)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::Question, caption, text,
                                             QMessageBox::Yes | QMessageBox::No, Besitzerfenster());
    VorAllenFenstern(box.get());
    box->setDefaultButton(QMessageBox::Yes);
    box->setEscapeButton(QMessageBox::No);
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
