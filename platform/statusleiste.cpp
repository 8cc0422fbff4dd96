#include "platform/statusleiste.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>

TStatusBar::TStatusBar(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    setCursor(Qt::PointingHandCursor);
}

QRect TStatusBar::Notizplatz() const
{
    const int breite = Panels[PanelCount - 1].Width;
    if (breite <= 0)
        return {};
    int links = 0;
    for (int k = 0; k < PanelCount - 1; ++k)
        links += std::max(0, Panels[static_cast<std::size_t>(k)].Width);
    if (links + breite <= width())
        return {};
    return QRect(std::max(0, width() - breite), 0, breite, height());
}

QRect TStatusBar::PanelRect(int i) const
{
    if (i < 0 || i >= PanelCount)
        return {};
    int left = 0;
    for (int k = 0; k < i; ++k)
        left += std::max(0, Panels[static_cast<std::size_t>(k)].Width);
    const QRect r(left, 0, std::max(0, Panels[static_cast<std::size_t>(i)].Width), height());
    const QRect notiz = Notizplatz();
    if (notiz.isEmpty())
        return r;
    if (i == PanelCount - 1)
        return notiz;
    return r.intersected(QRect(0, 0, notiz.left(), height()));
}

int TStatusBar::PanelAt(int x) const
{
    for (int i = PanelCount - 1; i >= 0; --i) {
        const QRect r = PanelRect(i);
        if (!r.isEmpty() && x >= r.left() && x <= r.right())
            return i;
    }
    return -1;
}

QSize TStatusBar::sizeHint() const
{
    return {200, fontMetrics().height() + 8};
}

void TStatusBar::paintEvent(QPaintEvent*)
{
    if (OnUpdatePanels)
        OnUpdatePanels(*this);
    QPainter p(this);
    for (int i = 0; i < PanelCount; ++i) {
        const QRect r = PanelRect(i);
        if (r.isEmpty())
            continue;
        p.save();
        p.setClipRect(r);
        if (OnDrawPanel) {
            OnDrawPanel(*this, p, i, r);
        } else {
            p.drawText(r.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                       Panels[static_cast<std::size_t>(i)].Text);
        }
        p.restore();
        // A sunken separator after each panel, like the classic bar.
        p.setPen(palette().color(QPalette::Mid));
        p.drawLine(r.right(), r.top() + 2, r.right(), r.bottom() - 2);
    }
}

void TStatusBar::mousePressEvent(QMouseEvent* e)
{
    if (OnMouseDown)
        OnMouseDown(*this, e->button(), e->position().toPoint());
    QWidget::mousePressEvent(e);
}
