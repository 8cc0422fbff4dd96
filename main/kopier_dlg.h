#pragma once
// The two copy dialogs (graphs with or without the value table). Created at
// start so that the window order holds; their choices come with copying.

#include <QDialog>

class TKopierDlg : public QDialog {
    Q_OBJECT
public:
    explicit TKopierDlg(QWidget* parent = nullptr, const char* name = "KopierDlg");
};

class TKopierDlg8 : public TKopierDlg {
    Q_OBJECT
public:
    explicit TKopierDlg8(QWidget* parent = nullptr);
};

extern TKopierDlg* KopierDlg;
extern TKopierDlg8* KopierDlg8;
