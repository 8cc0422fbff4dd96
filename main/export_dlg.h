#pragma once
// The three export dialogs of the value table (spreadsheet, word processor,
// clipboard). Created at start so that the window order holds.

#include <QDialog>

class TExportDlg : public QDialog {
    Q_OBJECT
public:
    TExportDlg(QWidget* parent, const char* name, const QString& caption);
};

class TWordDlg : public TExportDlg {
    Q_OBJECT
public:
    explicit TWordDlg(QWidget* parent = nullptr);
};

class TExcelDlg : public TExportDlg {
    Q_OBJECT
public:
    explicit TExcelDlg(QWidget* parent = nullptr);
};

class TWertetabKopierDlg : public TExportDlg {
    Q_OBJECT
public:
    explicit TWertetabKopierDlg(QWidget* parent = nullptr);
};

extern TWordDlg* WordDlg;
extern TExcelDlg* ExcelDlg;
extern TWertetabKopierDlg* WertetabKopierDlg;
