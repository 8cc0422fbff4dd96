#pragma once
// Window kinds shared by the windows: a stay-on-top tool window with only a
// close box, and an integer tag per control (1 after a field last converted
// to a number, 0 after it failed).

#include <QString>

class QLineEdit;
class QMenu;
class QPoint;
class QSlider;
class QWidget;

// Makes `w` a top-level, stay-on-top tool window named `name` with the
// caption `caption` and the program's dialog font.
void AlsWerkzeugfenster(QWidget* w, const char* name, const QString& caption);

// Lays out a tool window of the given client size with its opacity track bar
// (120..255, opaque at first) at the bottom, and returns that track bar.
QSlider* WerkzeugfensterAnlegen(QWidget* w, const char* name, const QString& caption, int breite,
                                int hoehe);

// Gives a window with a layout the height its wrapped texts need at its
// width. Laid out once, a window keeps its height when its texts grow (in
// another language), and the layout would squeeze them; called when it
// opens.
void HoeheNachTexten(QWidget* w);

// Opens `menu` at the global point `ecke`; when it closes, `fokus` has the
// focus with its caret at the end.
void MenueAufklappen(QMenu* menu, const QPoint& ecke, QLineEdit* fokus);

int Tag(const QWidget* w);
void SetTag(QWidget* w, int tag);
