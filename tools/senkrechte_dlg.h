#pragma once
// Tool window: the four vertical segments x = const from y-from to y-to
// (Senkrechte 1..4), each with its colour (shown as the text colour of its
// edits) and its line style, chosen from a list of drawn samples. The graph
// window's vertical-line tool fills the x edits.

#include "engine/farben.h"
#include "tools/werkzeugfenster.h"

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QToolButton;
class TCanvas;
class TStilListe;
struct TRect;

class TSenkrechteDlg : public TWerkzeugfenster {
    Q_OBJECT
public:
    explicit TSenkrechteDlg(QWidget* parent = nullptr);

    // The controls of segment k (1..4) at index k - 1, named as designed:
    // Edit1..Edit12, colour buttons SFarbe, SpeedButton1..3, lists
    // ComboBox2, ComboBox1, ComboBox3, ComboBox4.
    struct TZeile {
        QLabel* Titel = nullptr;  // "1.  x =" ..
        QLineEdit* X = nullptr;
        QLabel* VonLabel = nullptr;  // "y von"
        QLineEdit* YVon = nullptr;
        QLabel* BisLabel = nullptr;  // "y bis"
        QLineEdit* YBis = nullptr;
        QToolButton* Farbe = nullptr;
        TStilListe* Stil = nullptr;
        TColor Stiftfarbe = clGreen;  // pen colour of the list's samples
    };
    std::array<TZeile, 4> Zeilen{};
    const TZeile& Zeile(int k) const { return Zeilen[static_cast<std::size_t>(k - 1)]; }

    QGroupBox* GroupBox1 = nullptr;

    // Shows the four segments.
    void zeigeSenk();
    void Auffrischen() override { zeigeSenk(); }

    // Handlers of segment k (the design's Edit1Change..Edit12Change,
    // SFarbeClick and SpeedButton1Click..SpeedButton3Click, the lists'
    // Change and DrawItem).
    void XChange(int k);
    void YVonChange(int k);
    void YBisChange(int k);
    void FarbeClick(int k);
    void StilChange(int k);
    void StilDrawItem(int k, TCanvas& canvas, const TRect& rect, int index);

private:
    TZeile& ZeileRef(int k) { return Zeilen[static_cast<std::size_t>(k - 1)]; }
};

extern TSenkrechteDlg* SenkrechteDlg;
