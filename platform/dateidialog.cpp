#include "platform/dateidialog.h"

#include <QFileDialog>

namespace {

// Documents are found in either case of the extension.
const QString DokumentFilter = QStringLiteral("Tessaplun (*.kvd *.KVD)");

class TEchterDateiDialog : public TDateiDialog {
public:
    std::optional<QString> Speichern(QWidget* parent, const QString& filter) override
    {
        // The overwrite question is the program's own, asked after the
        // extension rule has settled the final name.
        const QString name = QFileDialog::getSaveFileName(parent, QString(), QString(), filter, nullptr,
                                                          QFileDialog::DontConfirmOverwrite);
        if (name.isEmpty())
            return std::nullopt;
        return name;
    }
    std::optional<QString> Oeffnen(QWidget* parent, const QString& filter) override
    {
        const QString name = QFileDialog::getOpenFileName(parent, QString(), QString(), filter);
        if (name.isEmpty())
            return std::nullopt;
        return name;
    }
};

TEchterDateiDialog EchterDialog;
TDateiDialog* AktuellerDialog = &EchterDialog;

}  // namespace

void SetDateiDialog(TDateiDialog* dialog)
{
    AktuellerDialog = dialog ? dialog : &EchterDialog;
}

std::optional<QString> SaveDialog1(QWidget* parent)
{
    return AktuellerDialog->Speichern(parent, DokumentFilter);
}

std::optional<QString> OpenDialog1(QWidget* parent)
{
    return AktuellerDialog->Oeffnen(parent, DokumentFilter);
}
