#pragma once
// Tool window: areas between two curves 1 to 8. So far the window exists, is created in its
// place at start and carries its opacity track bar; its controls and
// their write-through come with the window itself.

#include <QWidget>

class QSlider;

class TFlaechenDlg : public QWidget {
    Q_OBJECT
public:
    explicit TFlaechenDlg(QWidget* parent = nullptr);

    QSlider* TrackBar2 = nullptr;  // window opacity 120..255

    // Shows the table in the controls. Not filled in yet.
    void ZeigeFlae();
};

extern TFlaechenDlg* FlaechenDlg;
