#pragma once
// Window placement by the frame, as the design places its windows (Left and
// Top are the corner of the frame, title bar included).

#include <QPoint>

class QWidget;

// Moves a top-level window so that its frame's top-left corner is at
// `rahmen`. Under X11, once the window is shown, the frame position goes to
// the window manager, which knows the frame it draws: QWidget::move would
// convert it with the frame it saw last, and a window that has just left the
// maximised state (drawn without borders) would land a title bar off.
// Elsewhere, and before the window is shown, QWidget::move places it.
void RahmenVerschieben(QWidget* fenster, const QPoint& rahmen);
