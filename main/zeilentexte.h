#pragma once
// Captions of a window's controls from the language lines, by control name:
// one table per window, applied whenever the language changes.

#include <initializer_list>

class QWidget;

struct TZeilenText {
    const char* Name;       // objectName of the control; "" for the window's own title
    int Zeile;              // language line
    const char* Vor = "";   // text before the line
    const char* Nach = "";  // text after it
    bool Hinweis = false;   // the hint instead of the caption
};

// Sets each control's caption (button and label text, group box title, tab
// text of a page) or hint. Names the window does not have are skipped.
void Beschrifte(QWidget* fenster, std::initializer_list<TZeilenText> tabelle);
