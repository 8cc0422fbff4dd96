#pragma once
// A status bar of fixed-width panels whose owner draws them. Qt's own status
// bar arranges widgets; the windows here want panels of given pixel widths,
// texts that their owner paints itself (bold, coloured, on a tinted
// background) and a click that reports the pointer position.

#include <QString>
#include <QWidget>

#include <array>
#include <functional>

class QPainter;

class TStatusBar : public QWidget {
    Q_OBJECT
public:
    struct TPanel {
        int Width = 0;
        QString Text;
    };
    static constexpr int PanelCount = 11;

    explicit TStatusBar(QWidget* parent = nullptr);

    std::array<TPanel, PanelCount> Panels;

    // Rectangle of panel i in the bar's client coordinates: panels side by
    // side from the left; a zero-width panel has an empty rectangle. The
    // last panel carries a note that must be seen: when the panels before
    // it run past the bar's right end, it stands at that end over them, and
    // theirs are cut where it begins.
    QRect PanelRect(int i) const;
    // The panel under the point x, or -1.
    int PanelAt(int x) const;

    // Called for every panel on each paint, with a painter whose state the
    // callee may change freely (it is restored between panels).
    std::function<void(TStatusBar&, QPainter&, int panel, const QRect&)> OnDrawPanel;
    // Called before each painting, so the owner can set texts and widths.
    std::function<void(TStatusBar&)> OnUpdatePanels;
    std::function<void(TStatusBar&, Qt::MouseButton, QPoint)> OnMouseDown;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    // Where the last panel stands when it had to move into view; empty
    // while it has its place in the row, or no width.
    QRect Notizplatz() const;
    void mousePressEvent(QMouseEvent* e) override;
};
