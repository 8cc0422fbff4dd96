#include "platform/modal.h"

#include "platform/fensterlage.h"

#include <QDialog>
#include <QWindow>

namespace {

TModalAnzeige* Aktuell = nullptr;

}  // namespace

void SetModalAnzeige(TModalAnzeige* anzeige)
{
    Aktuell = anzeige;
}

int ShowModal(QDialog& dialog)
{
    DialogPlatzieren(&dialog);
    if (Aktuell)
        return Aktuell->Zeige(dialog);
    return dialog.exec();
}

void DialogZeigen(QWidget* dialog, QWidget* ueber)
{
    if (!dialog)
        return;
    DialogPlatzieren(dialog);
    if (ueber && ueber->window() != dialog) {
        // Set before the window is mapped: the window manager reads it then.
        dialog->winId();
        ueber->window()->winId();
        dialog->windowHandle()->setTransientParent(ueber->window()->windowHandle());
    }
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}
