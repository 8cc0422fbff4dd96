#include "platform/modal.h"

#include <QDialog>

namespace {

TModalAnzeige* Aktuell = nullptr;

}  // namespace

void SetModalAnzeige(TModalAnzeige* anzeige)
{
    Aktuell = anzeige;
}

int ShowModal(QDialog& dialog)
{
    if (Aktuell)
        return Aktuell->Zeige(dialog);
    return dialog.exec();
}
