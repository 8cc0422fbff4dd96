#pragma once
// The x-unit and y-unit windows. Created at start so that the window order
// holds; their controls come with the axis-unit commands.

#include <QWidget>

class QLabel;
class QLineEdit;

class TEinheitXDlg : public QWidget {
    Q_OBJECT
public:
    explicit TEinheitXDlg(QWidget* parent = nullptr, const char* name = "EinheitXDlg");
    QLabel* Label1 = nullptr;
    QLineEdit* Edit = nullptr;
};

class TEinheitYDlg : public QWidget {
    Q_OBJECT
public:
    explicit TEinheitYDlg(QWidget* parent = nullptr);
    QLabel* Label1 = nullptr;
    QLineEdit* Edit = nullptr;
};

extern TEinheitXDlg* EinheitXDlg;
extern TEinheitYDlg* EinheitYDlg;
