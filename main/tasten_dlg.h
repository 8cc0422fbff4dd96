#pragma once
// The help on moving the graph window's pointer with the keyboard. The keys
// are shown by their names as the system gives them.

#include <QDialog>

class QGroupBox;
class QPushButton;

class TTastenDlg : public QDialog {
    Q_OBJECT
public:
    explicit TTastenDlg(QWidget* parent = nullptr);

    QGroupBox* GroupBox1 = nullptr;
    QPushButton* OKBtn = nullptr;
    void OKBtnClick();
    // Names the keys in the language in force (the system's key names).
    void TastenBeschriften();
};

extern TTastenDlg* TastenDlg;
