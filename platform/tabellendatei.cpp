#include "platform/tabellendatei.h"

#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <xlsxwriter.h>

QString ExportPfad(const QString& name, const QString& endung)
{
    const QString ordner = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    if (ordner.isEmpty())
        return {};
    // The file is created here, so the name is ours alone, also where
    // several users share the folder; it stays for the program that opens
    // it.
    QTemporaryFile datei(ordner + QStringLiteral("/tessaplun-") + name + QStringLiteral("-XXXXXX.") + endung);
    datei.setAutoRemove(false);
    if (!datei.open())
        return {};
    return datei.fileName();
}

TXlsxErgebnis XlsxSchreiben(const QString& pfad, const std::vector<std::vector<TExportZelle>>& block)
{
    const QByteArray name = QFile::encodeName(pfad);
    lxw_workbook* mappe = workbook_new(name.constData());
    if (!mappe)
        return TXlsxErgebnis::NichtGeschrieben;
    lxw_worksheet* blatt = workbook_add_worksheet(mappe, nullptr);
    bool gefuellt = blatt != nullptr;
    for (std::size_t r = 0; gefuellt && r < block.size(); ++r) {
        for (std::size_t c = 0; gefuellt && c < block[r].size(); ++c) {
            const auto zeile = static_cast<lxw_row_t>(r);
            const auto spalte = static_cast<lxw_col_t>(c);
            lxw_error e = LXW_NO_ERROR;
            if (const double* zahl = std::get_if<double>(&block[r][c]))
                e = worksheet_write_number(blatt, zeile, spalte, *zahl, nullptr);
            else if (const auto& text = std::get<std::string>(block[r][c]); !text.empty())
                e = worksheet_write_string(blatt, zeile, spalte, text.c_str(), nullptr);
            gefuellt = e == LXW_NO_ERROR;
        }
    }
    // Closing writes the file and frees the workbook in every case.
    const lxw_error geschlossen = workbook_close(mappe);
    if (!gefuellt)
        return TXlsxErgebnis::NichtGefuellt;
    return geschlossen == LXW_NO_ERROR ? TXlsxErgebnis::Geschrieben : TXlsxErgebnis::NichtGeschrieben;
}

bool DateiSchreiben(const QString& pfad, const QByteArray& daten)
{
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly))
        return false;
    if (datei.write(daten) != daten.size()) {
        datei.cancelWriting();
        return false;
    }
    return datei.commit();
}
