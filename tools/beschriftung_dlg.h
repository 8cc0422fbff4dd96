#pragma once
// Tool window: free text labels 1 to 9. So far the window exists, is created in its
// place at start and carries its opacity track bar; its controls and
// their write-through come with the window itself.

#include <QWidget>

class QSlider;

class TBeschriftungDlg : public QWidget {
    Q_OBJECT
public:
    explicit TBeschriftungDlg(QWidget* parent = nullptr);

    QSlider* TrackBar2 = nullptr;  // window opacity 120..255

    // Shows the table in the controls. Not filled in yet.
    void zeigeBeschr();
};

extern TBeschriftungDlg* BeschriftungDlg;
