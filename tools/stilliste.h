#pragma once
// Drop-down lists whose items their owner draws: the line style lists of the
// tool windows show a sample line for each item instead of its text. The
// items keep their texts ("1.", "2.", ...) for the keyboard and for tests.

#include "platform/canvas.h"

#include <QComboBox>
#include <QImage>

#include <functional>

class TStilListe : public QComboBox {
    Q_OBJECT
public:
    // `itemHoehe`: the fixed height of an item in the open list.
    explicit TStilListe(QWidget* parent = nullptr, int itemHoehe = 14);

    // Draws item `index` into `rect` on `canvas` (a white bitmap of the
    // item's size). The selection state is not shown.
    std::function<void(TCanvas& canvas, const TRect& rect, int index)> OnDrawItem;

    int ItemHoehe() const { return FItemHoehe; }
    // Item `index` as drawn at the given size.
    QImage ItemBild(int index, QSize groesse) const;

    // The open list draws the samples through a delegate of its own. Setting
    // it makes the popup list at once, which most lists never show (a tool
    // window has one list a row): it is set when the list first opens.
    void showPopup() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int FItemHoehe;
    bool FMusterDelegat = false;
};

// The sample of line style `index` (0..8) of the vertical segments, in
// `farbe` on white: 0..2 solid 1, 3 and 5 pixels; 3 dotted and 4 dashed,
// 1 pixel; 5 and 7 dots, 6 and 8 dashes of 3 and 5 pixels, drawn piece by
// piece because wide pens draw solid. Every piece stays between Left + 5
// and Right - 5; other indices draw only the white background.
void LinienMusterZeichnen(TCanvas& canvas, const TRect& rect, int index, TColor farbe);

// The sample of a function graph's line style `index` (0..10) in `farbe` on
// light green: 0..8 as the vertical segments' samples, but the dashes of 6
// and 8 are 17 pixels every 27 and the dots of 7 run on while they start
// left of Right - 4; 9 three discs of 8 pixels with a black outline (left,
// middle, right), 10 a thin line through them. Other indices draw only the
// background.
void GraphenMusterZeichnen(TCanvas& canvas, const TRect& rect, int index, TColor farbe);
