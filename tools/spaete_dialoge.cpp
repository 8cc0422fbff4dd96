#include "tools/spaete_dialoge.h"

#include <utility>

namespace {

std::function<void(QWidget*)>& Beschrifter()
{
    static std::function<void(QWidget*)> beschrifter;
    return beschrifter;
}

}  // namespace

void SetDialogBeschrifter(std::function<void(QWidget*)> beschrifter)
{
    Beschrifter() = std::move(beschrifter);
}

void NeuenDialogBeschriften(QWidget* dialog)
{
    if (Beschrifter())
        Beschrifter()(dialog);
}
