#include "platform/dateidialog.h"

#include "platform/fensterhilfen.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// Documents are found in either case of the extension.
const QString DokumentFilter = QStringLiteral("Tessaplun (*.kvd *.KVD)");

// Qt's own dialog: a desktop's native one speaks the desktop's language,
// not the one chosen in the program.
std::optional<QString> Waehlen(QWidget* parent, const QString& ordner, const QString& filter, bool speichern)
{
    QFileDialog dialog(Besitzerfenster(parent), QString(), ordner, filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(speichern ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(speichern ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The overwrite question is the program's own, asked after the
    // extension rule has settled the final name.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, speichern);
    VorAllenFenstern(&dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty() ||
        dialog.selectedFiles().constFirst().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

class TEchterDateiDialog : public TDateiDialog {
public:
    std::optional<QString> Speichern(QWidget* parent, const QString& ordner, const QString& filter) override
    {
        return Waehlen(parent, ordner, filter, true);
    }
    std::optional<QString> Oeffnen(QWidget* parent, const QString& ordner, const QString& filter) override
    {
        return Waehlen(parent, ordner, filter, false);
    }
};

TEchterDateiDialog EchterDialog;
TDateiDialog* AktuellerDialog = &EchterDialog;
QString ZuletztOrdner;  // the folder of the file last chosen

QString StartOrdner()
{
    return DialogStartOrdner(ZuletztOrdner, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

std::optional<QString> Gewaehlt(std::optional<QString> pfad)
{
    if (pfad)
        ZuletztOrdner = QFileInfo(*pfad).absolutePath();
    return pfad;
}

}  // namespace

void SetDateiDialog(TDateiDialog* dialog)
{
    AktuellerDialog = dialog ? dialog : &EchterDialog;
}

std::optional<QString> SaveDialog1(QWidget* parent)
{
    return Gewaehlt(AktuellerDialog->Speichern(parent, StartOrdner(), DokumentFilter));
}

std::optional<QString> OpenDialog1(QWidget* parent)
{
    return Gewaehlt(AktuellerDialog->Oeffnen(parent, StartOrdner(), DokumentFilter));
}

std::optional<QString> ExportSpeichernDialog(QWidget* parent, const QString& name, const QString& filter)
{
    return Gewaehlt(AktuellerDialog->Speichern(parent, QDir(StartOrdner()).filePath(name), filter));
}

QString DialogStartOrdner(const QString& zuletzt, const QString& dokumente)
{
    for (const QString& ordner : {zuletzt, dokumente}) {
        if (!ordner.isEmpty() && QFileInfo(ordner).isDir())
            return ordner;
    }
    return QDir::homePath();
}
