#pragma once
// The overview: all nine functions side by side, one row each, with their
// equations, ranges, line styles and colours. It holds nothing of its own:
// what is typed or chosen in row n asks the function editor (through the
// notifier) to select function n and take it, and the editor stores it and
// redraws; the overview mirrors the functions through zeichneneu. Four
// colour schemes recolour all nine at once.
//
// Its field handlers act only while the overview is the active window, and
// never while zeichneneu fills the fields: so what the overview shows never
// feeds back into the main window or into the overview itself.

#include "engine/farben.h"
#include "tools/werkzeugfenster.h"

#include <array>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QToolButton;
class TCanvas;
class TStilListe;
struct TRect;

class TUebersicht_Dlg : public TWerkzeugfenster {
    Q_OBJECT
public:
    explicit TUebersicht_Dlg(QWidget* parent = nullptr);

    // The controls of row r (function r, 1..9) at index r - 1, named as
    // designed (Edit3, Evonx, SFarbe, ComboBox4, Label6 in row 1, ...); the
    // irregular numbering lives only in the table in uebersicht_dlg.cpp.
    struct TZeile {
        QLineEdit* Gleichung = nullptr;
        QLineEdit* XVon = nullptr;
        QLineEdit* XBis = nullptr;
        QLineEdit* TVon = nullptr;
        QLineEdit* TBis = nullptr;
        QLineEdit* TSchritt = nullptr;
        TStilListe* Stil = nullptr;
        QToolButton* Farbe = nullptr;
        QToolButton* Zusatzfarbe = nullptr;
        // The family labels: "t von", "bis", "Schrittweite".
        std::array<QLabel*, 3> ScharLabels{};
        // The equation and the five range fields, in this order.
        std::array<QLineEdit*, 6> Felder() const { return {Gleichung, XVon, XBis, TVon, TBis, TSchritt}; }
    };
    std::array<TZeile, 9> Zeilen{};
    const TZeile& Zeile(int r) const { return Zeilen[static_cast<std::size_t>(r - 1)]; }

    QGroupBox* GroupBox3 = nullptr;  // " Funktionen 1 bis 9 "
    QLabel* Label56 = nullptr;       // "Farbwechsel"
    std::array<QToolButton*, 4> Farboptionen{};  // SpeedButton17..SpeedButton20

    // The colour button's width for a single function, as designed.
    int FarbBreite() const { return FFarbBreite; }

    // Shows all nine functions.
    void zeichneneu();
    void Auffrischen() override { zeichneneu(); }

    // The range fields of a row by role: 0 x from, 1 x to, 2 t from, 3 t
    // to, 4 t step.
    static constexpr int AnzahlBereiche = 5;

    // Handlers of row r (the design's Edit3Change, EvonxChange, ...,
    // ComboBox4Change .., SFarbeClick .., SFarbe2Click ..).
    void GleichungChange(int r);
    void BereichChange(int r, int feld);
    void StilChange(int r);
    void FarbeClick(int r);
    void ZusatzfarbeClick(int r);
    void StilDrawItem(int r, TCanvas& canvas, const TRect& rect, int index);
    // The colour schemes 1..4 (SpeedButton17Click .. SpeedButton20Click).
    void FarboptionClick(int schema);

    // The colours and additional colours of functions 1..9 in scheme 1..4.
    static std::array<TColor, 9> SchemaFarben(int schema);
    static std::array<TColor, 9> SchemaZusatzfarben(int schema);

    // The windows in which the user works with the function editor (the
    // main window and the graph window's input bar): what the editor took
    // shows here only while one of them is the active window.
    void EditorFensterSetzen(std::vector<const QWidget*> fenster);

private:
    TZeile& ZeileRef(int r) { return Zeilen[static_cast<std::size_t>(r - 1)]; }
    // Whether a field handler may act: the overview is the active window
    // and is not filling its own fields.
    bool Handelt() const;
    // Function r becomes the editor's selected function.
    static void Waehlen(int r);
    bool EditorAktiv() const;
    // The family fields of row r shown or hidden, the colour button as
    // wide as the additional colour button or as designed.
    void ScharZeigen(int r, bool schar);

    int FFarbBreite = 40;
    bool FFuellt = false;
    std::vector<const QWidget*> FEditorFenster;
};

extern TUebersicht_Dlg* Uebersicht_Dlg;
