#pragma once
// Tool window: circles and ellipses 1 to 10 with their centres. So far the window exists, is created in its
// place at start and carries its opacity track bar; its controls and
// their write-through come with the window itself.

#include <QWidget>

class QSlider;

class TKreiseDlg : public QWidget {
    Q_OBJECT
public:
    explicit TKreiseDlg(QWidget* parent = nullptr);

    QSlider* TrackBar2 = nullptr;  // window opacity 120..255

    // Shows the table in the controls. Not filled in yet.
    void ZeigePunk();
};

extern TKreiseDlg* KreiseDlg;
