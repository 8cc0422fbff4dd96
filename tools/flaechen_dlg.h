#pragma once
// Tool window: the eight areas between two curves (Flaechen 1..8). Each
// area lies between curve A and curve B, each one of the functions 1 to 9
// or the x-axis, over an x interval, in its colour, filled or hatched with
// spaced strokes ("Linien"). A function family cannot bound an area: choosing
// one brings a warning (the choice is kept; the drawing leaves such an area
// out).

#include "tools/werkzeugfenster.h"

#include <array>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QToolButton;

class TFlaechenDlg : public TWerkzeugfenster {
    Q_OBJECT
public:
    explicit TFlaechenDlg(QWidget* parent = nullptr);

    // The controls of area k (1..8) at index k - 1, named as designed:
    // lists ComboBox1..16 (odd: curve A, even: curve B), edits Edit1..16,
    // colour buttons SFarbe, SpeedButton1..7, check boxes CheckBox1..8.
    struct TZeile {
        QLabel* Zwischen = nullptr;  // "1. Zwischen" ..
        QComboBox* KurveA = nullptr;
        QLabel* Und = nullptr;
        QComboBox* KurveB = nullptr;
        QLabel* VonLabel = nullptr;
        QLineEdit* XVon = nullptr;
        QLabel* BisLabel = nullptr;
        QLineEdit* XBis = nullptr;
        QToolButton* Farbe = nullptr;
        QCheckBox* Linien = nullptr;
    };
    std::array<TZeile, 8> Zeilen{};
    const TZeile& Zeile(int k) const { return Zeilen[static_cast<std::size_t>(k - 1)]; }

    QGroupBox* GroupBox1 = nullptr;

    // The stored curve number of list item `index` (-1 for a typed text:
    // 0), and the item that shows a stored curve number (-1: none).
    static std::int32_t KurveAusIndex(int index);
    static int IndexAusKurve(std::int32_t kurve);

    // Shows the eight areas.
    void ZeigeFlae();
    void Auffrischen() override { ZeigeFlae(); }

    // Handlers of area k (the design's ComboBox1Change..ComboBox16Change
    // with the list's item index, Edit1Change..Edit16Change, SFarbeClick
    // and SpeedButton1Click..SpeedButton7Click, CheckBox1Click..
    // CheckBox8Click).
    void KurveChange(int k, bool kurveB, int index);
    void XVonChange(int k);
    void XBisChange(int k);
    void FarbeClick(int k);
    void LinienClick(int k);

private:
    TZeile& ZeileRef(int k) { return Zeilen[static_cast<std::size_t>(k - 1)]; }
};

extern TFlaechenDlg* FlaechenDlg;
