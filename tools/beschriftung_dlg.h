#pragma once
// Tool window: free text labels 1 to 9. So far the window exists with the
// common tool-window frame and writes its table's defaults; its rows come
// with the window itself.

#include "tools/werkzeugfenster.h"

class QLineEdit;

class TBeschriftungDlg : public TWerkzeugfenster {
    Q_OBJECT
public:
    explicit TBeschriftungDlg(QWidget* parent = nullptr);

    // Shows the table in the controls. Not filled in yet.
    void zeigeBeschr();
    void Auffrischen() override { zeigeBeschr(); }

    // What the graph window's label mode asks of this window.
    // Label k (1..9) back to its defaults: the reset button of its row.
    void BeschriftungZuruecksetzen(int k);
    // Leaving label mode: a pressed move button is released and its label
    // put back. No move buttons yet, so no label can be riding.
    void VerschiebenLoesen();
    // A moved label was placed: the move buttons are released. None yet.
    void VerschiebeKnoepfeFreigeben();
    // The text edit of label k's row; none yet.
    QLineEdit* TextFeld(int k) const;
};

extern TBeschriftungDlg* BeschriftungDlg;
