#pragma once
// Print options, about and tips windows. Created at start so that the window
// order holds; only the print option that the editor captions is here yet.

#include <QDialog>

class QCheckBox;

class TDruckDlg : public QDialog {
    Q_OBJECT
public:
    explicit TDruckDlg(QWidget* parent = nullptr);
    QCheckBox* CB1 = nullptr;  // print the value table of ...
};

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);
};

class TTippsDlg : public QDialog {
    Q_OBJECT
public:
    explicit TTippsDlg(QWidget* parent = nullptr);
};

extern TDruckDlg* DruckDlg;
extern TAboutBox* AboutBox;
extern TTippsDlg* TippsDlg;
