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

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int FItemHoehe;
};

// The sample of line style `index` (0..8) of the vertical segments, in
// `farbe` on white (or on `hintergrund`): 0..2 solid 1, 3 and 5 pixels; 3
// dotted and 4 dashed, 1 pixel; 5 and 7 dots, 6 and 8 dashes of 3 and 5
// pixels, drawn piece by piece because wide pens draw solid. Every piece
// stays between Left + 5 and Right - 5; other indices draw only the
// background.
void LinienMusterZeichnen(TCanvas& canvas, const TRect& rect, int index, TColor farbe, TColor hintergrund = clWhite);

// The sample of a function graph's line style `index` (0..10) on the light
// green of the editors: 0..8 as the lines above; 9 points only, three discs
// of 8 pixels in `farbe` with a black rim, half the item height in from the
// left, in the middle and half the item height in from the right; 10 a thin
// line with the same three discs.
void GraphenMusterZeichnen(TCanvas& canvas, const TRect& rect, int index, TColor farbe);
