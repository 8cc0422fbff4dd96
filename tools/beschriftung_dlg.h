#pragma once
// Tool window: free text labels 1 to 9. So far the window exists, is created in its
// place at start and carries its opacity track bar; its controls and
// their write-through come with the window itself.

#include <QWidget>

class QLineEdit;
class QSlider;

class TBeschriftungDlg : public QWidget {
    Q_OBJECT
public:
    explicit TBeschriftungDlg(QWidget* parent = nullptr);

    QSlider* TrackBar2 = nullptr;  // window opacity 120..255

    // Shows the table in the controls. Not filled in yet.
    void zeigeBeschr();

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
