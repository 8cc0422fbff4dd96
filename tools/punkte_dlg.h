#pragma once
// Tool window: the ten free points A to J (Punkte 1..10). Each row shows a
// point's name, its x and y as typed, its marker style, where its name
// stands beside the marker, its colour (as the text colour of the row's
// edits) and its name's font. Points the graph window's tools make or take
// back go into the table; the window shows them when told.

#include "tools/werkzeugfenster.h"

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QToolButton;

class TPunkteDlg : public TWerkzeugfenster {
    Q_OBJECT
public:
    explicit TPunkteDlg(QWidget* parent = nullptr);

    // The controls of point k (1..10), in the row at index k - 1. Their
    // object names are the design's (Edit1.., SpeedButton1..), whose
    // irregular numbering lives only in the table in punkte_dlg.cpp.
    struct TZeile {
        QLineEdit* Name = nullptr;
        QLineEdit* X = nullptr;
        QLineEdit* Y = nullptr;
        std::array<QToolButton*, 4> Stil{};     // cross, circle, disc, square
        std::array<QToolButton*, 4> NamePos{};  // "links", "hoch", "tief", "rechts"
        QToolButton* Schrift = nullptr;
        QToolButton* Reset = nullptr;
    };
    std::array<TZeile, 10> Zeilen{};
    const TZeile& Zeile(int k) const { return Zeilen[static_cast<std::size_t>(k - 1)]; }

    QGroupBox* GroupBox1 = nullptr;
    QToolButton* SpeedButton100 = nullptr;  // reset all

    // Shows all ten points in their rows.
    void zeigePunk();
    void Auffrischen() override { zeigePunk(); }

    // Handlers of row k (the design's Edit3Change.., Edit1Change..,
    // Edit2Change.., the style and name-position button clicks, the font
    // buttons SpeedButton101Click..SpeedButton110Click and the row resets
    // SpeedButton90Click..SpeedButton99Click).
    void NameChange(int k);
    void XChange(int k);
    void YChange(int k);
    void StilClick(int k, int stil);        // 1..4
    void NamePosClick(int k, int position); // 1 left, 2 above, 3 below, 4 right
    void SchriftClick(int k);
    void ZeileReset(int k);
    // Reset of all ten points (New calls it).
    void SpeedButton100Click();

private:
    TZeile& ZeileRef(int k) { return Zeilen[static_cast<std::size_t>(k - 1)]; }
};

extern TPunkteDlg* PunkteDlg;
