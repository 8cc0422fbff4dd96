#include "platform/dialoge.h"

#include "platform/farbe_qt.h"
#include "platform/fensterhilfen.h"

#include <QColorDialog>
#include <QMessageBox>

namespace {

class TEchteMeldung : public TMeldung {
public:
    void Zeige(const QString& text) override
    {
        MeldungsBox(text)->exec();
    }
};

class TEchterFarbDialog : public TFarbDialog {
public:
    std::optional<TColor> Waehle(TColor vorgabe) override
    {
        // Qt's own dialog, which speaks the program's language.
        QColorDialog dialog(ToQColor(vorgabe), Besitzerfenster());
        dialog.setOption(QColorDialog::DontUseNativeDialog);
        VorAllenFenstern(&dialog);
        if (dialog.exec() != QDialog::Accepted || !dialog.selectedColor().isValid())
            return std::nullopt;
        return FromQColor(dialog.selectedColor());
    }
};

TMeldung* GMeldung = nullptr;
TFarbDialog* GFarbDialog = nullptr;

}  // namespace

void SetMeldung(TMeldung* meldung)
{
    GMeldung = meldung;
}

std::unique_ptr<QMessageBox> MeldungsBox(const QString& text)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, QStringLiteral("Tessaplun 8"), text, QMessageBox::Ok,
                                             Besitzerfenster());
    VorAllenFenstern(box.get());
    BoxTitelPlatz(box.get());
    return box;
}

void ShowMessage(const QString& text)
{
    if (GMeldung) {
        GMeldung->Zeige(text);
        return;
    }
    TEchteMeldung echt;
    echt.Zeige(text);
}

void ShowMessage(const std::string& utf8)
{
    ShowMessage(QString::fromStdString(utf8));
}

void SetFarbDialog(TFarbDialog* dialog)
{
    GFarbDialog = dialog;
}

std::optional<TColor> WaehleFarbe(TColor vorgabe)
{
    if (GFarbDialog)
        return GFarbDialog->Waehle(vorgabe);
    TEchterFarbDialog echt;
    return echt.Waehle(vorgabe);
}
