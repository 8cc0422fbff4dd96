#pragma once
// Tool window: the free text labels 1 to 9 (Beschriftungen 1..9) and the
// two axis captions. Each row shows a label's text in its font and whether
// it is drawn in front; its move button hands the label to the graph
// window, where it rides on the pointer in the typing field BeschrEdit
// (label mode) until a click puts it down. While label k rides (VerschiebeNr
// = k) its slot's text is empty and its text lives in BeschrEdit and in the
// row's edit, which then types into BeschrEdit.

#include "tools/werkzeugfenster.h"

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QToolButton;

class TBeschriftungDlg : public TWerkzeugfenster {
    Q_OBJECT
public:
    explicit TBeschriftungDlg(QWidget* parent = nullptr);

    // The controls of label k (1..9) at index k - 1, named as designed:
    // move buttons B1..B9, edits Edit3..Edit11, check boxes CheckBox1..9;
    // the font and reset buttons' numbers are in the table in
    // beschriftung_dlg.cpp.
    struct TZeile {
        QToolButton* Verschieben = nullptr;  // B1..B9
        QLineEdit* Text = nullptr;
        QCheckBox* Vorne = nullptr;          // "vorne"
        QToolButton* Schrift = nullptr;
        QToolButton* Reset = nullptr;
    };
    std::array<TZeile, 9> Zeilen{};
    const TZeile& Zeile(int k) const { return Zeilen[static_cast<std::size_t>(k - 1)]; }

    QGroupBox* GroupBox3 = nullptr;  // " Text "
    QGroupBox* GroupBox1 = nullptr;  // " Achsen "
    QLineEdit* Edit1 = nullptr;      // caption of the first axis
    QLineEdit* Edit2 = nullptr;      // caption of the second axis
    QToolButton* SpeedButton6 = nullptr;  // back to "x"
    QToolButton* SpeedButton7 = nullptr;  // back to "y"

    // Shows the nine labels (not the axis captions).
    void zeigeBeschr();
    void Auffrischen() override { zeigeBeschr(); }

    // Handlers of row k (the design's Edit3Change .., CheckBox1Click ..,
    // the font buttons SpeedButton23Click .., the resets SpeedButton5Click
    // .., and B1Click .. B9Click with the button's state already toggled).
    void TextChange(int k);
    void VorneClick(int k);
    void SchriftClick(int k);
    void VerschiebenClick(int k);
    // Label k (1..9) back to its defaults: the reset button of its row.
    void BeschriftungZuruecksetzen(int k);
    void Edit1Change();
    void Edit2Change();
    void SpeedButton6Click();
    void SpeedButton7Click();

    // Leaving the graph window's label mode: a pressed move button is
    // released and its label put back where it was.
    void VerschiebenLoesen();

private:
    TZeile& ZeileRef(int k) { return Zeilen[static_cast<std::size_t>(k - 1)]; }
    void Aufnehmen(int k);
    void Zuruecklegen(int k);
    // Caption of a move button by its state: "Verschieben" up,
    // "Interaktiv" pressed.
    static void KnopfBeschriften(QToolButton* knopf);
};

extern TBeschriftungDlg* BeschriftungDlg;
