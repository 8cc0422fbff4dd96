#pragma once
// Tool window: circles and ellipses 1 to 10 with their centres. So far the
// window exists with the common tool-window frame and writes its table's
// defaults; its rows come with the window itself.

#include "tools/werkzeugfenster.h"

class TKreiseDlg : public TWerkzeugfenster {
    Q_OBJECT
public:
    explicit TKreiseDlg(QWidget* parent = nullptr);

    // Shows the table in the controls. Not filled in yet.
    void ZeigePunk();
    void Auffrischen() override { ZeigePunk(); }
};

extern TKreiseDlg* KreiseDlg;
