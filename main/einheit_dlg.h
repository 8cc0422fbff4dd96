#pragma once
// The x-unit and y-unit windows: small stay-on-top windows in which the
// unit of an axis is typed freely ("0,5", "-2", and for x also "Pi",
// "Pi/2", "Pi/3"), where the graph window's track bars offer fixed steps
// only. A typed unit becomes the exact unit of the view and moves the track
// bar to the nearest step without the bar overwriting it. A text that
// cannot be a unit colours the field orange and leaves the unit as it was.

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

// Caption, field and close button of the small windows above the graph
// window (the unit windows and the trace parameter window), in the design's
// places; the window keeps them in its members of the same names.
struct TKleineFelder {
    QLabel* Label1 = nullptr;
    QLineEdit* Edit = nullptr;
    QPushButton* OKBtn = nullptr;
};
TKleineFelder KleineFelderAnlegen(QWidget* fenster, const QString& label, int editBreite, int okLinks);

// What the two unit windows share.
class TEinheitDlg : public QWidget {
    Q_OBJECT
public:
    QLabel* Label1 = nullptr;      // "Einheit der x-Achse je 1 cm"
    QLineEdit* Edit = nullptr;     // the unit
    QPushButton* OKBtn = nullptr;  // "Schließen"
    // Only typing acts: while it is cleared the field's change handler
    // leaves the unit alone (it still whitens the field and redraws).
    bool Aktiv = false;

    void FormCreate();
    void OKBtnClick();
    // The pointer over the window clears the graph window's preview and
    // coordinates (FormMouseMove, EditMouseMove, Label1MouseMove).
    void FormMouseMove();
    virtual void EditChange() = 0;

    // The graph window shows the unit in force: the text without the
    // change handler, in a white field.
    void EinheitZeigen(const QString& text);

protected:
    TEinheitDlg(const char* name, const QString& titel, const QString& label, const QString& hinweis,
                QWidget* parent);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};

class TEinheitXDlg : public TEinheitDlg {
    Q_OBJECT
public:
    explicit TEinheitXDlg(QWidget* parent = nullptr);
    // Sets EinheitX and the x bar (through the value table's handle on it),
    // then redraws and refills the value table.
    void EditChange() override;
};

class TEinheitYDlg : public TEinheitDlg {
    Q_OBJECT
public:
    explicit TEinheitYDlg(QWidget* parent = nullptr);
    // Sets EinheitY and the y bar, then redraws.
    void EditChange() override;
};

extern TEinheitXDlg* EinheitXDlg;
extern TEinheitYDlg* EinheitYDlg;
