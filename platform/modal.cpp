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
    // Set before the window is mapped: the window manager reads it then. A
    // dialog shown for nobody belongs to its parent, or to nobody, whoever
    // it was shown for before.
    if (!ueber)
        ueber = dialog->parentWidget();
    QWindow* besitzer = nullptr;
    if (ueber && ueber->window() != dialog) {
        ueber->window()->winId();
        besitzer = ueber->window()->windowHandle();
    }
    // A dialog made just now has Qt's default size until it is shown; its
    // native window, made here for the owner, would be mapped at that size,
    // and a busy window manager may keep it. Give it its own size first.
    if (!dialog->testAttribute(Qt::WA_Resized))
        dialog->adjustSize();
    dialog->winId();
    dialog->windowHandle()->setTransientParent(besitzer);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}
