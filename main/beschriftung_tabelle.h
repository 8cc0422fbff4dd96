#pragma once
// The caption table: which control of which window takes which language
// line as its caption or text, as its hint, or as a list item. Controls are
// found by their objectName inside their window. TFormOeffne::beschriften
// applies the table in its order, window by window; the composite captions
// that depend on the program's state are written there, not here.

#include <QHash>
#include <QString>

#include <cstdint>
#include <span>
#include <vector>

class QObject;
class QWidget;

enum class TFensterNr : std::uint8_t {
    Form1, Graphik, Form2, Uebersicht, Punkte, Kreise, Beschriftung, Senkrechte, Flaechen,
    EinheitX, EinheitY, TraceParam, Assistent, Druck, Kopier, Kopier8, Excel, Word,
    WertetabKopier, Einstell, Hotkey, Tasten, Tipps, About,
};

enum class TBeschriftungsArt : std::uint8_t {
    Text,           // caption, text or title; the window's own caption when no name is given
    Hinweis,        // the hint shown when the pointer rests on the control
    Eintrag,        // one item of a list, radio group or memo
    Fuelloptionen,  // a circle's fill-option group: title " " + line + " " and its six choices
};

// One row: every control named in `Namen` (blank-separated, applied in this
// order) gets Vor + Texte[Zeile] + Nach.
struct TBeschriftungsZeile {
    TFensterNr Fenster;
    TBeschriftungsArt Art;
    const char* Namen;
    int Zeile;
    const char* Vor = "";
    const char* Nach = "";
    int Eintrag = -1;
};

std::span<const TBeschriftungsZeile> Beschriftungstabelle();

// One assignment of the table, rows expanded to single controls.
struct TBeschriftungsZiel {
    TFensterNr Fenster;
    TBeschriftungsArt Art;  // Text, Hinweis or Eintrag
    QString Name;           // empty: the window itself
    int Zeile;
    QString Vor;
    QString Nach;
    int Eintrag = -1;  // the item, for Eintrag only
};
std::vector<TBeschriftungsZiel> BeschriftungsZiele();

// The class name of a window ("TForm1") and the window itself, null while
// it does not exist.
const char* Fensterklasse(TFensterNr f);
QWidget* Fenster(TFensterNr f);

// The control `name` inside `fenster` (a widget, a menu or a menu item);
// the window itself for an empty name; null when there is none.
QObject* Steuerelement(QWidget* fenster, const QString& name);

// Every named object inside `fenster` by its name: for each name the one
// that Steuerelement finds.
QHash<QString, QObject*> Namenstabelle(const QWidget* fenster);

// Writes `text` into the control as the target's kind says. False, changing
// nothing, when the control cannot take it (a hint on something that has
// none, a list item beyond the list's end).
bool Beschriften(QObject* ziel, TBeschriftungsArt art, int eintrag, const QString& text);

// Applies the whole table with the language lines in force, or only its
// rows for window `nur` (one made after the start), and of those only the
// controls inside `innerhalb` if given (a part made later). Returns the targets
// whose window or control does not exist, and those whose control refused
// the text, in the table's order.
struct TBeschriftungsErgebnis {
    std::vector<TBeschriftungsZiel> Fehlend;
    std::vector<TBeschriftungsZiel> Abgelehnt;
};
TBeschriftungsErgebnis BeschriftungAnwenden(const QWidget* nur = nullptr, const QObject* innerhalb = nullptr);
