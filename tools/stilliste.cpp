#include "tools/stilliste.h"

#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStyledItemDelegate>
#include <QStylePainter>

#include <algorithm>

namespace {

class TStilDelegate : public QStyledItemDelegate {
public:
    explicit TStilDelegate(TStilListe* liste) : QStyledItemDelegate(liste), Liste(liste) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        painter->drawImage(option.rect.topLeft(), Liste->ItemBild(index.row(), option.rect.size()));
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        return {option.rect.width(), Liste->ItemHoehe()};
    }

private:
    TStilListe* Liste;
};

}  // namespace

TStilListe::TStilListe(QWidget* parent, int itemHoehe) : QComboBox(parent), FItemHoehe(itemHoehe)
{
    setItemDelegate(new TStilDelegate(this));
}

QImage TStilListe::ItemBild(int index, QSize groesse) const
{
    QImage bild = MakeScreenImage(std::max(1, groesse.width()), std::max(1, groesse.height()));
    if (OnDrawItem) {
        TImageCanvas canvas(&bild);
        OnDrawItem(canvas, TRect{0, 0, bild.width(), bild.height()}, index);
        canvas.Flush();
    }
    return bild;
}

void TStilListe::paintEvent(QPaintEvent*)
{
    // The frame and the arrow as any list has them, the current item's
    // sample in place of its text.
    QStylePainter p(this);
    QStyleOptionComboBox opt;
    initStyleOption(&opt);
    opt.currentText.clear();
    opt.currentIcon = QIcon();
    p.drawComplexControl(QStyle::CC_ComboBox, opt);
    if (currentIndex() < 0)
        return;
    const QRect feld = style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, this);
    p.drawImage(feld.topLeft(), ItemBild(currentIndex(), feld.size()));
}

void LinienMusterZeichnen(TCanvas& canvas, const TRect& rect, int index, TColor farbe, TColor hintergrund)
{
    canvas.Pen.Style = TPenStyle::Solid;
    canvas.Brush = TBrush{hintergrund, TBrushStyle::Solid};
    canvas.FillRect(rect);
    canvas.Pen.Color = farbe;
    const int y = rect.Top + (rect.Bottom - rect.Top) / 2;
    const int links = rect.Left + 5;
    const int rechts = rect.Right - 5;

    // One piece, cut to the sample area: a wide pen's last dash may start
    // beyond it, and a piece running backwards would paint outside.
    auto stueck = [&](int von, int bis) {
        von = std::clamp(von, links, rechts);
        bis = std::clamp(bis, links, rechts);
        if (bis <= von)
            return;
        canvas.MoveTo(von, y);
        canvas.LineTo(bis, y);
    };
    // Pieces of `laenge` every `abstand` pixels from the left, at least one,
    // while the next start lies before `grenze`; then, with `rest`, a last
    // piece to the right end.
    auto stuecke = [&](int laenge, int abstand, int grenze, bool rest) {
        int x = links;
        do {
            stueck(x, x + laenge);
            x += abstand;
        } while (x < grenze);
        if (rest)
            stueck(x, rechts);
    };

    switch (index) {
    case 0:
    case 1:
    case 2:
        canvas.Pen.Width = 1 + 2 * index;
        stueck(links, rechts);
        break;
    case 3:
    case 4:
        canvas.Pen.Width = 1;
        canvas.Pen.Style = index == 3 ? TPenStyle::Dot : TPenStyle::Dash;
        stueck(links, rechts);
        break;
    case 5:
        canvas.Pen.Width = 3;
        canvas.Pen.Style = TPenStyle::Dot;
        stuecke(4, 8, rechts, false);
        break;
    case 6:
        canvas.Pen.Width = 3;
        canvas.Pen.Style = TPenStyle::Dash;
        stuecke(17, 24, rect.Right - 15, true);
        break;
    case 7:
        canvas.Pen.Width = 5;
        canvas.Pen.Style = TPenStyle::Dot;
        stuecke(3, 10, rechts, false);
        break;
    case 8:
        canvas.Pen.Width = 5;
        canvas.Pen.Style = TPenStyle::Dash;
        stuecke(16, 25, rect.Right - 15, true);
        break;
    default:
        break;
    }
    canvas.Pen.Style = TPenStyle::Solid;
    canvas.Pen.Width = 1;
}

void GraphenMusterZeichnen(TCanvas& canvas, const TRect& rect, int index, TColor farbe)
{
    constexpr TColor Hellgruen = RGB(230, 255, 200);
    // 9 has no line under its discs, 10 the thin line of style 0.
    LinienMusterZeichnen(canvas, rect, index == 10 ? 0 : index, farbe, Hellgruen);
    if (index != 9 && index != 10)
        return;
    const int y = rect.Top + (rect.Bottom - rect.Top) / 2;
    const int d = (rect.Bottom - rect.Top) / 2;
    canvas.Pen = TPen{clBlack, 1, TPenStyle::Solid};
    canvas.Brush = TBrush{farbe, TBrushStyle::Solid};
    for (const int x : {rect.Left + d, rect.Left + (rect.Right - rect.Left) / 2, rect.Right - d})
        canvas.Ellipse(x - 4, y - 4, x + 4, y + 4);
    canvas.Brush = TBrush{Hellgruen, TBrushStyle::Solid};
}
