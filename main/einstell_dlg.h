#pragma once
// The start options dialog and the two help windows (hotkeys, keyboard
// control). Created at start so that the window order holds.

#include <QDialog>

class QCheckBox;

class TEinstellDlg : public QDialog {
    Q_OBJECT
public:
    explicit TEinstellDlg(QWidget* parent = nullptr);
    QCheckBox* CheckBox2 = nullptr;  // use the start template
};

class THotkeyDlg : public QDialog {
    Q_OBJECT
public:
    explicit THotkeyDlg(QWidget* parent = nullptr);
};

class TTastenDlg : public QDialog {
    Q_OBJECT
public:
    explicit TTastenDlg(QWidget* parent = nullptr);
};

extern TEinstellDlg* EinstellDlg;
extern THotkeyDlg* HotkeyDlg;
extern TTastenDlg* TastenDlg;
