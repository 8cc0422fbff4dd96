#pragma once
// Input fields: the validity colours and the helpers that set a field's
// colours and text the way every window needs them.

#include "engine/farben.h"

#include <QString>

class QBoxLayout;
class QLineEdit;
class QPushButton;
class QWidget;

// Light green and light orange: the validity colours of every input field.
constexpr TColor FarbeGueltig = RGB(230, 255, 200);
constexpr TColor FarbeUngueltig = RGB(255, 230, 200);

// Sets a widget's background (Base for edits, Button for buttons) and font
// colour the way the classic controls had them as two properties.
void SetzeFeldfarbe(QWidget* w, TColor background);
void SetzeSchriftfarbe(QWidget* w, TColor text);
TColor Feldfarbe(const QWidget* w);
TColor Schriftfarbe(const QWidget* w);
// Sets a mirrored field's text only when it differs: setting the same text
// again would move the caret of someone typing there to the end and clear
// the field's undo history.
void TextSetzen(QLineEdit* e, const QString& text);
// Appends to a window's column a row with its default button "OKBtn" at
// the right.
QPushButton* OKZeileAnfuegen(QWidget* fenster, QBoxLayout* spalte);

// Gives a new widget its object name, by which the caption table and the
// tests find it, and hands it back for the assignment.
template <typename W>
W* Benannt(W* w, const char* name)
{
    w->setObjectName(QString::fromLatin1(name));
    return w;
}
