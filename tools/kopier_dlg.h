#pragma once
// The copy dialog: the graph picture to the clipboard as a bitmap or as a
// vector picture, and the value table to a spreadsheet, a word processor or
// the clipboard. TKopierDlg8 is the same dialog without the value table.

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class TKopierDlg : public QDialog {
    Q_OBJECT
public:
    explicit TKopierDlg(QWidget* parent = nullptr, const char* name = "KopierDlg");

    QGroupBox* GroupBox1 = nullptr;  // copying the graphs
    QRadioButton* R3 = nullptr;      // bitmap for print and presentations; chosen at start
    QRadioButton* R1 = nullptr;      // vector picture for word processors
    QCheckBox* CB3 = nullptr;        // black grid lines while the dialog is open
    QLabel* Label11 = nullptr;       // pasting the picture
    QGroupBox* GroupBox2 = nullptr;  // copying the value table
    QRadioButton* R2 = nullptr;      // to the spreadsheet
    QRadioButton* R4 = nullptr;      // to the word processor
    QRadioButton* R5 = nullptr;      // to the clipboard
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* BitBtn1 = nullptr;  // help and tips

    // The five choices are one choice across both groups.
    QButtonGroup* Wahl = nullptr;

    // The black grid option: shown for a coloured grid only, unticked.
    void Vorbereiten();
    // The picture goes to the clipboard as a bitmap (else as a vector picture).
    bool Bitmap() const;
    void BitmapWaehlen(bool bitmap);

    void OKBtnClick();
    void CancelBtnClick();
    void CB3Click();
    void BitBtn1Click();

protected:
    // Every way of closing puts the grid colours back.
    void done(int r) override;
};

class TKopierDlg8 : public TKopierDlg {
    Q_OBJECT
public:
    explicit TKopierDlg8(QWidget* parent = nullptr);
};

extern TKopierDlg* KopierDlg;
extern TKopierDlg8* KopierDlg8;

// Each made on its first use (tools/spaete_dialoge.h).
TKopierDlg* KopierDialog();
TKopierDlg8* KopierDialog8();
