#pragma once
// Tool window: circles and ellipses 1 to 10 (Kreise 1..10) with their
// centres (Punkte 11..20). Each row shows the centre's name and
// coordinates, the two radii, whether and how the centre is marked and
// where its name stands, the outline's thickness and colour (the centre's
// colour), whether the circle lies in front of the graphs, and its fill:
// colour and pattern. The ten rows scroll. The graph window's circle tool
// fills rows through these edits.

#include "tools/werkzeugfenster.h"

#include <array>
#include <optional>
#include <string>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QScrollArea;
class QToolButton;
class TCanvas;
class TStilListe;
struct TRect;

class TKreiseDlg : public TWerkzeugfenster {
    Q_OBJECT
public:
    explicit TKreiseDlg(QWidget* parent = nullptr);

    // The controls of circle k (1..10) at index k - 1. Their object names
    // are the design's (Edit3, CheckBox1, SpeedButton90, RadioGroup1, ...),
    // whose irregular numbering lives only in the table in kreise_dlg.cpp.
    struct TZeile {
        QGroupBox* Kreis = nullptr;       // " k. Kreis (Ellipse) "
        QGroupBox* Mitte = nullptr;       // " Mittelpunkt "
        QGroupBox* Linie = nullptr;       // " Kreislinie "
        QGroupBox* Flaeche = nullptr;     // " Füllfläche "
        QLineEdit* Name = nullptr;        // the centre's name
        QLineEdit* X = nullptr;           // the centre's x
        QLineEdit* Y = nullptr;           // the centre's y
        QLineEdit* RadiusX = nullptr;
        QLineEdit* RadiusY = nullptr;
        QCheckBox* Zeigen = nullptr;      // "zeigen": the centre is marked
        std::array<QToolButton*, 3> Stil{};     // cross, circle, disc
        std::array<QToolButton*, 4> NamePos{};  // "links", "hoch", "tief", "rechts"
        TStilListe* Linienstil = nullptr;
        QToolButton* Linienfarbe = nullptr;
        QCheckBox* Vorne = nullptr;       // "vorne": drawn in front of the graphs
        QToolButton* Fuellfarbe = nullptr;
        QGroupBox* Fuellung = nullptr;    // " Optionen Füllfläche ": six choices
        QButtonGroup* FuellWahl = nullptr;
    };
    std::array<TZeile, 10> Zeilen{};
    const TZeile& Zeile(int k) const { return Zeilen[static_cast<std::size_t>(k - 1)]; }

    QScrollArea* ScrollBox1 = nullptr;

    // The fill choices: item 0 "gefüllt" stores "1" (solid), item 1 "ohne
    // Farbe" "0", items 2..5 their own digit. The item that shows a stored
    // fill number (none: -1), and the text an item stores.
    static int FuellIndex(int fill);
    static std::string FuellText(int index);
    // The fill number a stored text holds: a whole number and nothing else,
    // as the drawing reads it; nothing for any other text.
    static std::optional<int> FuellZahl(const std::string& fill);

    // Shows the ten circles and their centres.
    void ZeigePunk();
    void Auffrischen() override { ZeigePunk(); }

    // Handlers of row k (the design's edit changes, CheckBox1Click ..,
    // the style and name-position buttons, ComboBox2Change .., SFarbeClick
    // .., SpeedButton90Click .., RadioGroup1Click ..).
    void NameChange(int k);
    void XChange(int k);
    void YChange(int k);
    void RadiusXChange(int k);
    void RadiusYChange(int k);
    void ZeigenClick(int k);
    void StilClick(int k, int stil);         // 1..3
    void NamePosClick(int k, int position);  // 1 left, 2 above, 3 below, 4 right
    void LinienstilChange(int k);
    void LinienfarbeClick(int k);
    void VorneClick(int k);
    void FuellfarbeClick(int k);
    void FuellungClick(int k, int index);
    void LinienstilDrawItem(int k, TCanvas& canvas, const TRect& rect, int index);

private:
    TZeile& ZeileRef(int k) { return Zeilen[static_cast<std::size_t>(k - 1)]; }
    void ZeileAnlegen(int k, QWidget* inhalt);
};

extern TKreiseDlg* KreiseDlg;
