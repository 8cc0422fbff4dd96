#pragma once
// The x-unit and y-unit windows: small stay-on-top windows in which the
// unit of an axis is typed freely ("0,5", "-2", and for x also "Pi",
// "Pi/2", "Pi/3"), where the graph window's track bars offer fixed steps
// only. A typed unit becomes the exact unit of the view and moves the track
// bar to the nearest step without the bar overwriting it. A text that
// cannot be a unit colours the field orange and leaves the unit as it was.

#include <QWidget>

#include <utility>

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

    // The text without the change handler, in a white field.
    void EinheitZeigen(const QString& text);
    // The unit in force (the state's), when it is not the one shown.
    void EinheitAnzeigen();
    // Opened by the graph window at `ort`, with the unit in force.
    void ZeigenBei(const QPoint& ort);

protected:
    // The unit in force and its track bar position, and its text.
    virtual std::pair<double, int> Einheit() const = 0;
    virtual QString EinheitText() const = 0;
    // The unit this window shows (typed here or shown from the state).
    std::pair<double, int> FGezeigt;

    TEinheitDlg(const char* name, const QString& titel, const QString& label, const QString& hinweis,
                QWidget* parent);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};

class TEinheitXDlg : public TEinheitDlg {
    Q_OBJECT
public:
    explicit TEinheitXDlg(QWidget* parent = nullptr);
    // Sets the state's x unit and the x bar's position; the graph window
    // redraws and the value table refills.
    void EditChange() override;

protected:
    std::pair<double, int> Einheit() const override;
    QString EinheitText() const override;
};

class TEinheitYDlg : public TEinheitDlg {
    Q_OBJECT
public:
    explicit TEinheitYDlg(QWidget* parent = nullptr);
    // Sets the state's y unit and the y bar's position; the graph window
    // redraws.
    void EditChange() override;

protected:
    std::pair<double, int> Einheit() const override;
    QString EinheitText() const override;
};

extern TEinheitXDlg* EinheitXDlg;
extern TEinheitYDlg* EinheitYDlg;
