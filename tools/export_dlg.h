#pragma once
// The three export dialogs of the value table: to the clipboard as text, to
// a spreadsheet as a new workbook, to a word processor as a new document.
// They pass the grid on as it is shown and never compute values.

#include "engine/tabellenexport.h"

#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

class TExportDlg : public QDialog {
    Q_OBJECT
public:
    TExportDlg(QWidget* parent, const char* name, const QString& caption);

    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;   // settings
    QWidget* TabSheet2 = nullptr;   // help
    QGroupBox* OptGroup = nullptr;  // direction of the table
    QRadioButton* Senkrecht = nullptr;   // item 0: one pair per row
    QRadioButton* Waagerecht = nullptr;  // item 1: an x row and a y row
    QSpinBox* SpinEdit1 = nullptr;  // number of pairs, 1..25
    QPushButton* SpeedButton1 = nullptr;  // OK
    QPushButton* CancelBtn = nullptr;

    // The chosen item of OptGroup: 0 vertical, 1 horizontal.
    int ItemIndex() const;
    void SetItemIndex(int index);

    virtual void SpeedButton1Click() = 0;
    void CancelBtnClick();

protected:
    // Cancel, Escape and the close box: the value table goes away again
    // unless the menu shows it.
    void reject() override;
    // Opens at the size its pages need in the language in force: the help
    // page's texts wrap, and the window would keep the height it had.
    void showEvent(QShowEvent* event) override;
    // The grid columns to copy, the spin box set back when out of range;
    // also hides the value table window unless the menu shows it.
    TExportUmfang Vorbereiten();
    // The value table's grid as it is shown.
    static TExportGitter Gitter();
    QLabel* Hilfe(const char* name);
    // Passes the file on: written into the temporary folder and opened by
    // the desktop's program for its kind. When no program opens it, says
    // where it lies and offers to save it in a folder of the user's choice.
    // True when it was opened or saved (the dialog then closes).
    bool Uebergeben(const QByteArray& daten, const QString& endung, const QString& filter);

private:
    QButtonGroup* FRichtung = nullptr;
};

class TWordDlg : public TExportDlg {
    Q_OBJECT
public:
    explicit TWordDlg(QWidget* parent = nullptr);
    void SpeedButton1Click() override;
};

class TExcelDlg : public TExportDlg {
    Q_OBJECT
public:
    explicit TExcelDlg(QWidget* parent = nullptr);
    void SpeedButton1Click() override;
};

class TWertetabKopierDlg : public TExportDlg {
    Q_OBJECT
public:
    explicit TWertetabKopierDlg(QWidget* parent = nullptr);
    void SpeedButton1Click() override;
};

extern TWordDlg* WordDlg;
extern TExcelDlg* ExcelDlg;
extern TWertetabKopierDlg* WertetabKopierDlg;

// Each made on its first use (tools/spaete_dialoge.h).
TWordDlg* WordDialog();
TExcelDlg* ExcelDialog();
TWertetabKopierDlg* WertetabKopierDialog();
