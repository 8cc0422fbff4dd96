#pragma once
// The value table window: 25 x/y pairs of the selected function around the
// middle of the graph window's x view, a small calculator for one x and one
// t, the x-unit track bar (the table's spacing) and the buttons that pass the
// table on. The content is computed in engine/wertetabelle.h; this window
// only shows it.

#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QTableWidget;
class QToolButton;
struct TWertetabelle;

class TForm2 : public QWidget {
    Q_OBJECT
public:
    // `haupt`: the main window's frame, which the window starts below.
    // `ersteFuellung`: its rows show f(x) = x^2 from -6 to 6, the first
    // function set to that (a table made before anything else ran); else
    // they wait for the function there is.
    explicit TForm2(QWidget* parent = nullptr, const QRect& haupt = QRect(), bool ersteFuellung = true);

    // Grid of 2 rows x 26 columns: column 0 the row titles, 1..25 the pairs;
    // row 0 x, row 1 y.
    QTableWidget* StringGrid1 = nullptr;

    QGroupBox* GroupBox6 = nullptr;     // calculator
    QLabel* Label1 = nullptr;           // x
    QLineEdit* Edit2 = nullptr;         // calculator x, tag 1 while it is a number
    QLabel* Label3 = nullptr;           // t
    QLineEdit* Edit3 = nullptr;         // calculator t (also the table's t)
    QLabel* Label4 = nullptr;           // result
    QLineEdit* EditErgebnis = nullptr;  // result, written by the main window

    QGroupBox* GroupBox1 = nullptr;     // spacing
    QLabel* LabelBeschr = nullptr;
    QSlider* TrackBar2 = nullptr;       // x unit, -4..10, a second handle on the graph window's
    QPushButton* BitBtn1 = nullptr;     // opens the x-unit window

    QToolButton* SpeedButton5 = nullptr;  // spreadsheet
    QToolButton* SpeedButton2 = nullptr;  // word processor
    QToolButton* SpeedButton3 = nullptr;  // clipboard
    QToolButton* SpeedButton1 = nullptr;  // print

    // The window keeps its size except while this is set (the main window's
    // placement sets it around its one change of the width).
    class TGroesseErlaubt {
    public:
        explicit TGroesseErlaubt(QWidget* w) : W(w) {}
        TGroesseErlaubt& operator=(bool erlaubt);
        operator bool() const { return Wert; }

    private:
        QWidget* W;
        bool Wert = false;
    };
    TGroesseErlaubt GroesseErlaubt{this};
    int StartBreite = 0;  // its width at creation
    bool FErsteAusrichtung = true;  // not yet placed below the main window
    // The width for a frame whose left edge is at `links`: as wide as the
    // table, but not beyond the screen's edge, and never so narrow that the
    // controls below the table lose room.
    int PassendeBreite(int links) const;
    // The room the controls below the table take.
    int MindestBreite() const;

    // Refills both rows for the selected function from the view and x unit
    // of the state (the graph window's).
    void FillValueTable();
    // The times the rows were filled (for tests).
    int Fuellungen() const { return FFuellungen; }
    // Empties cells 1..25 of the y row.
    void ClearValueRow();
    // What the editor took: the calculator's t field for a family, the
    // rows, the calculator's result for its x and t, the caption with the
    // function's number, equation and t.
    void EditorZeigen();
    // The calculator's fields show what the state holds.
    void RechnerZeigen();

    // The menu asks for the window (its check mark); main/ keeps it.
    bool Gewuenscht = false;
    // Hidden again after an export or a print unless the menu asks for it.
    void VerbergenWennUngewuenscht();
    // Below the main window's frame `haupt`, as wide as the table.
    void Unterbringen(const QRect& haupt);
    // The main window's frame is at `haupt` now: below it, as wide as the
    // table but not beyond the screen's edge, its bottom on the screen.
    void HauptfensterFolgen(const QRect& haupt);
    // The t of the table when it is a number, for the titles of the
    // printed table; empty otherwise.
    QString ParameterText() const;

    void FormCreate(bool ersteFuellung = true);
    void Edit2Change();
    void Edit3Change();
    void TrackBar2Change();
    void StringGrid1Click(int spalte);
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton5Click();
    void BitBtn1Click();

    // The text of a cell (column 0..25, row 0..1), for the export and tests.
    QString Zelle(int spalte, int zeile) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // What of the view the rows depend on: the x edges, the x unit, the x
    // bar's position. A change of the view refills the rows only when one
    // of them changed.
    using TXAnsicht = std::tuple<std::int32_t, std::int32_t, double, std::int32_t>;
    static TXAnsicht XAnsicht();
    std::optional<TXAnsicht> FGefuellt;
    int FFuellungen = 0;

    void ZeigeTabelle(const TWertetabelle& t);
    void SpaltenAnpassen(const TWertetabelle& t);
    int SpaltenBreite(const std::vector<std::string>& texte) const;
    void SetzeZelle(int spalte, int zeile, const QString& text);
};

extern TForm2* Form2;

// The value table is made when it is first needed, or once the start has
// drawn its first picture: the window, made now by the maker that the
// folder making the windows gives, if it does not exist yet.
void SetWertetabellenMacher(std::function<void()> macher);
TForm2* Wertetabelle();
