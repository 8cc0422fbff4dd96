#pragma once
// The value table window: 25 x/y pairs of the selected function and a small
// calculator. Only what the editor and the start need is here so far: the
// calculator fields and the routines the other windows call.

#include <QWidget>

class QLabel;
class QLineEdit;

class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;  // x
    QLineEdit* Edit2 = nullptr;  // calculator x, tag 1 while it is a number
    QLabel* Label3 = nullptr;  // t
    QLineEdit* Edit3 = nullptr;  // calculator t (also the table's t)
    QLineEdit* EditErgebnis = nullptr;  // result, written by the main window

    bool GroesseErlaubt = false;  // the window may change its width
    int StartBreite = 0;          // its width at creation

    // Refills the table for the selected function. Not filled in yet.
    void FillValueTable();
    // Empties the y row. Not filled in yet.
    void ClearValueRow();
};

extern TForm2* Form2;
