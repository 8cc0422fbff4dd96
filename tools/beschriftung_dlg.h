#pragma once
// Tool window: free text labels 1 to 9. So far the window exists with the
// common tool-window frame and writes its table's defaults; its rows come
// with the window itself.

#include "tools/werkzeugfenster.h"

class TBeschriftungDlg : public TWerkzeugfenster {
    Q_OBJECT
public:
    explicit TBeschriftungDlg(QWidget* parent = nullptr);

    // Shows the table in the controls. Not filled in yet.
    void zeigeBeschr();
    void Auffrischen() override { zeigeBeschr(); }
};

extern TBeschriftungDlg* BeschriftungDlg;
