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

    // Rectangle of panel i in the bar's client coordinates (panels side by
    // side from the left; a zero-width panel has an empty rectangle).
    QRect PanelRect(int i) const;

    // Called for every panel on each paint, with a painter whose state the
    // callee may change freely (it is restored between panels).
    std::function<void(TStatusBar&, QPainter&, int panel, const QRect&)> OnDrawPanel;
    // Called before each painting, so the owner can set texts and widths.
    std::function<void(TStatusBar&)> OnUpdatePanels;
    std::function<void(TStatusBar&, Qt::MouseButton, QPoint)> OnMouseDown;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
};
