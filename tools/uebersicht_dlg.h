#pragma once
// Tool window: all nine functions in one view. So far the window exists, is created in its
// place at start and carries its opacity track bar; its controls and
// their write-through come with the window itself.

#include <QWidget>

class QSlider;

class TUebersicht_Dlg : public QWidget {
    Q_OBJECT
public:
    explicit TUebersicht_Dlg(QWidget* parent = nullptr);

    QSlider* TrackBar2 = nullptr;  // window opacity 120..255

    // Shows the table in the controls. Not filled in yet.
    void zeichneneu();
};

extern TUebersicht_Dlg* Uebersicht_Dlg;
