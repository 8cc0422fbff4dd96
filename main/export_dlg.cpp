#include "main/export_dlg.h"

TWordDlg* WordDlg = nullptr;
TExcelDlg* ExcelDlg = nullptr;
TWertetabKopierDlg* WertetabKopierDlg = nullptr;

TExportDlg::TExportDlg(QWidget* parent, const char* name, const QString& caption) : QDialog(parent)
{
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(caption);
}

TWordDlg::TWordDlg(QWidget* parent) : TExportDlg(parent, "WordDlg", QStringLiteral("Word"))
{
}

TExcelDlg::TExcelDlg(QWidget* parent) : TExportDlg(parent, "ExcelDlg", QStringLiteral("Excel"))
{
}

TWertetabKopierDlg::TWertetabKopierDlg(QWidget* parent)
    : TExportDlg(parent, "WertetabKopierDlg", QStringLiteral("Wertetabelle kopieren"))
{
}
