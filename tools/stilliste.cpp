#include "tools/stilliste.h"

#include "platform/felder.h"

#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStyledItemDelegate>
#include <QStylePainter>

#include <algorithm>
#include <array>

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

TStilListe::TStilListe(QWidget* parent, int itemHoehe) : QComboBox(parent), FItemHoehe(itemHoehe) {}

void TStilListe::showPopup()
{
    if (!FMusterDelegat) {
        setItemDelegate(new TStilDelegate(this));
        FMusterDelegat = true;
    }
    QComboBox::showPopup();
}

QImage TStilListe::ItemBild(int index, QSize groesse) const
{
    QImage bild = MakeScreenImage(std::max(1, groesse.width()), std::max(1, groesse.height()));
    if (OnDrawItem) {
        TImageCanvas canvas(&bild);  // paints what it kept when it goes
        OnDrawItem(canvas, TRect{0, 0, bild.width(), bild.height()}, index);
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

namespace {

// One line style's sample: a pen, and either one line across (Laenge 0)
// or pieces of Laenge pixels every Abstand pixels from the left, at least
// one, while the next start lies left of Right - Grenze; with Rest a last
// piece from that start to the right end.
struct TMuster {
    int Breite;
    TPenStyle Stil;
    int Laenge = 0;
    int Abstand = 0;
    int Grenze = 0;
    bool Rest = false;
};

// The vertical segments' nine styles.
constexpr auto SenkrechtenMuster = std::to_array<TMuster>({
    {1, TPenStyle::Solid},
    {3, TPenStyle::Solid},
    {5, TPenStyle::Solid},
    {1, TPenStyle::Dot},
    {1, TPenStyle::Dash},
    {3, TPenStyle::Dot, 4, 8, 5, false},
    {3, TPenStyle::Dash, 17, 24, 15, true},
    {5, TPenStyle::Dot, 3, 10, 5, false},
    {5, TPenStyle::Dash, 16, 25, 15, true},
});
static_assert(SenkrechtenMuster.size() == 9);

// The line styles 0..8 of the function graphs; 9 and 10 are discs.
constexpr auto GraphenMuster = std::to_array<TMuster>({
    {1, TPenStyle::Solid},
    {3, TPenStyle::Solid},
    {5, TPenStyle::Solid},
    {1, TPenStyle::Dot},
    {1, TPenStyle::Dash},
    {3, TPenStyle::Dot, 4, 8, 5, false},
    {3, TPenStyle::Dash, 17, 27, 15, true},
    {5, TPenStyle::Dot, 3, 10, 4, false},
    {5, TPenStyle::Dash, 17, 27, 15, true},
});
static_assert(GraphenMuster.size() == 9);
constexpr int GraphenScheiben = 9;     // discs alone
constexpr int GraphenLinieScheiben = 10;  // a thin line through discs

void MusterZeichnen(TCanvas& canvas, const TRect& rect, const TMuster& m)
{
    const int y = rect.Top + (rect.Bottom - rect.Top) / 2;
    const int links = rect.Left + 5;
    const int rechts = rect.Right - 5;

    // One piece, cut to the sample area: a wide pen's last dash may start
    // beyond it (cut to nothing there, which the canvas does not draw).
    auto stueck = [&](int von, int bis) {
        von = std::clamp(von, links, rechts);
        bis = std::clamp(bis, links, rechts);
        canvas.MoveTo(von, y);
        canvas.LineTo(bis, y);
    };

    canvas.Pen.Width = m.Breite;
    canvas.Pen.Style = m.Stil;
    if (m.Laenge == 0) {
        stueck(links, rechts);
    } else {
        int x = links;
        do {
            stueck(x, x + m.Laenge);
            x += m.Abstand;
        } while (x < rect.Right - m.Grenze);
        if (m.Rest)
            stueck(x, rechts);
    }
    canvas.Pen.Style = TPenStyle::Solid;
    canvas.Pen.Width = 1;
}

}  // namespace

void LinienMusterZeichnen(TCanvas& canvas, const TRect& rect, int index, TColor farbe)
{
    canvas.Pen.Style = TPenStyle::Solid;
    canvas.Brush = TBrush{clWhite, TBrushStyle::Solid};
    canvas.FillRect(rect);
    canvas.Pen.Color = farbe;
    if (index >= 0 && index < static_cast<int>(SenkrechtenMuster.size()))
        MusterZeichnen(canvas, rect, SenkrechtenMuster[static_cast<std::size_t>(index)]);
}

void GraphenMusterZeichnen(TCanvas& canvas, const TRect& rect, int index, TColor farbe)
{
    canvas.Pen.Style = TPenStyle::Solid;
    canvas.Pen.Width = 1;
    canvas.Pen.Color = farbe;
    canvas.Brush = TBrush{FarbeGueltig, TBrushStyle::Solid};
    canvas.FillRect(rect);
    if (index >= 0 && index < static_cast<int>(GraphenMuster.size())) {
        MusterZeichnen(canvas, rect, GraphenMuster[static_cast<std::size_t>(index)]);
        return;
    }
    if (index != GraphenScheiben && index != GraphenLinieScheiben)
        return;
    const int d = (rect.Bottom - rect.Top) / 2;
    const int y = rect.Top + d;
    if (index == GraphenLinieScheiben) {
        canvas.MoveTo(rect.Left + 5, y);
        canvas.LineTo(rect.Right - 5, y);
    }
    // Three discs of 8 pixels: at the left, in the middle, at the right.
    canvas.Pen.Color = clBlack;
    canvas.Brush = TBrush{farbe, TBrushStyle::Solid};
    for (const int x : {rect.Left + d, rect.Left + (rect.Right - rect.Left) / 2, rect.Right - d})
        canvas.Ellipse(x - 4, y - 4, x + 4, y + 4);
}
