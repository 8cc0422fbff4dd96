#pragma once
// Window placement by the frame, as the design places its windows (Left and
// Top are the corner of the frame, title bar included), and dialogs that
// open at the same place every time with their whole frame on the screen.

#include <QMargins>
#include <QPoint>
#include <QRect>

class QWidget;

// `rahmen` moved into `bereich` as far as it fits: the right and bottom
// edges first, then the left and top edges, so that a frame larger than the
// area keeps its title bar and its left end on it.
QRect AufBildschirm(const QRect& rahmen, const QRect& bereich);

// The frame's margins (title bar and borders) of a top-level window: those
// the window manager drew when it first framed the window in its normal
// state, else those of another framed window of the program, one of the
// same kind (the window manager frames them alike) before a tool window for
// another tool window and any other window for any other, else none.
// Frameless windows have none.
QMargins Rahmenbreiten(const QWidget* fenster);

// The frame a window has, or will have once it is framed in its normal
// state: its geometry grown by Rahmenbreiten (a maximised window's frame is
// the one it has).
QRect Rahmen(const QWidget* fenster);

// Moves a top-level window so that its frame's top-left corner is at
// `rahmen`: its client area goes to `rahmen` plus Rahmenbreiten. While
// those margins are a guess (the window manager has not yet framed the
// window), the window is placed once more when it has.
void RahmenVerschieben(QWidget* fenster, const QPoint& rahmen);

// The largest client width with which the window's frame, its left edge at
// `links`, ends on the available area of the screen.
int BreiteBisZumRand(const QWidget* fenster, int links);

// Places a dialog when it next opens: its frame centred on the available
// area of the screen and wholly on it. The same dialog thus opens at the
// same place every time (Qt centres a dialog by its client area at the
// first opening and by its frame at the later ones). A dialog that is up
// stays where it is.
void DialogPlatzieren(QWidget* dialog);
