#include "platform/drucker.h"

#include "platform/fensterhilfen.h"

#include <QPrintDialog>
#include <QPrinter>

#include <memory>

namespace {

class TSystemDruckerWahl : public TDruckerWahl {
public:
    QPrinter* Waehle(QWidget* parent, const QString& titel) override
    {
        // One printer for the whole run, so the dialog offers the last
        // choice again.
        if (!Drucker)
            Drucker = std::make_unique<QPrinter>(QPrinter::HighResolution);
        Drucker->setDocName(titel);
        QPrintDialog dialog(Drucker.get(), Besitzerfenster(parent));
        VorAllenFenstern(&dialog);
        if (dialog.exec() != QDialog::Accepted)
            return nullptr;
        return Drucker.get();
    }

private:
    std::unique_ptr<QPrinter> Drucker;
};

TDruckerWahl* Aktuell = nullptr;

}  // namespace

void SetDruckerWahl(TDruckerWahl* wahl)
{
    Aktuell = wahl;
}

QPrinter* PrintDialog(QWidget* parent, const QString& titel)
{
    // Kept to the end of the process: a printer must not outlive the
    // application in a static destructor.
    static auto* system = new TSystemDruckerWahl;
    return (Aktuell ? Aktuell : system)->Waehle(parent, titel);
}
