#pragma once
// What the object tool windows (points, circles, labels, vertical segments,
// areas) have in common. They hold no data of their own: every control shows
// one field of one record of the shared tables and writes it back the moment
// the user changes it, and the graph window redraws at once. There is no OK
// or Cancel; closing a window keeps everything.
//
// A window derives from TWerkzeugfenster, builds its controls in its
// constructor and implements Auffrischen() as its refresh routine (zeigePunk,
// zeigeSenk, ...). It leaves its table as it finds it: the start writes the
// tables' defaults (engine/tabellen.h), and a window is made only when it is
// first needed, maybe after a document was opened. The base gives it:
//  - a stay-on-top tool window of fixed client size, centred on the screen,
//    opaque at first;
//  - the controls at the bottom edge: `Label55`, the opacity track bar
//    `TrackBar2` (120..255) and `OKBtn`, which hides the window and which
//    the Enter key in any edit presses;
//  - FormShow (the refresh routine on every show), FormMouseMove (the graph
//    window's status display), the main window's toggle (Umschalten);
//  - write-through helpers for edits and colour buttons;
//  - its place at the notifier (platform/melder.h): each write-through says
//    that its table changed (the graph window redraws at once), and the
//    window refreshes itself when another window changed its table or the
//    drawing was replaced as a whole.
//
// The echo: the refresh routine assigns every control. Edits report a new
// text through textChanged only when it differs, check boxes through
// toggled only on a change; lists report only what the user does
// (activated), and speed buttons only clicks. A window connects its handlers
// to exactly these signals, so a refresh writes back what the record already
// holds and at most redraws once more per changed edit.

#include "engine/farben.h"
#include "engine/zustand.h"

#include <QIcon>
#include <QWidget>

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

struct TFont;
struct TSchrift;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QToolButton;

class TWerkzeugfenster : public QWidget {
    Q_OBJECT
public:
    ~TWerkzeugfenster() override;

    QLabel* Label55 = nullptr;       // "Transparenz"
    QSlider* TrackBar2 = nullptr;    // window opacity 120..255
    QPushButton* OKBtn = nullptr;    // "Schließen": hides the window

    // Copies every slot of the window's table into its controls.
    virtual void Auffrischen() = 0;

    // The main window's toggle: a hidden window is shown, which refreshes it
    // from its table; a visible one is closed. (Every control repaints itself
    // when the refresh changes what it shows.)
    void Umschalten();

    void TrackBar2Change();
    void OKBtnClick();
    // The pointer over the window's own surface clears the graph window's
    // live preview and coordinates.
    void FormMouseMove();

    // Changes of its table this window announced (for tests).
    int Neuzeichnungen() const { return FNeuzeichnungen; }
    // Refreshes the notifier asked of it (for tests).
    int Auffrischungen() const { return FAuffrischungen; }

protected:
    // `name`: object name and global instance; `titel` the designed German
    // caption (the caption table writes the language's, by the window's
    // name); `breite`, `hoehe`: the design client size.
    TWerkzeugfenster(const char* name, const QString& titel, int breite, int hoehe, QWidget* parent = nullptr);

    // Runs on every show: the refresh routine.
    virtual void FormShow();
    // The refresh routine, as a change another window announced asks for it.
    void AuffrischenGemeldet();

    // The table the window edits: what it writes is announced as a change
    // of it, and a change of it by another window refreshes the window.
    void TabelleBearbeiten(TObjekttabelle tabelle);

    // Write-through: says that the table changed, so the graph window lays
    // itself out and redraws.
    void Neuzeichnen();
    // Stores an edit's text, cut to the 255 characters a record holds, and
    // redraws.
    void TextSpeichern(std::string& feld, const QLineEdit* e);
    // The colour button: the colour dialog preset with `farbe`; only a
    // confirmed choice is stored. Either way the window is refreshed (its
    // controls repaint what changed) and the graph redrawn.
    void FarbeWaehlen(TColor& farbe);

    // Controls at designed places, named for the caption table and tests.
    QLineEdit* NeuesFeld(QWidget* parent, const QString& name, int x, int y, int breite, int hoehe = 21);
    QLabel* NeuesLabel(QWidget* parent, const QString& name, const QString& text, int x, int y);
    // A flat speed button that never takes the focus (as the design's speed
    // buttons); `umschaltbar` for the pressed state of a button group.
    QToolButton* NeuerKnopf(QWidget* parent, const QString& name, const QString& text, int x, int y, int breite,
                            int hoehe, bool umschaltbar = false);
    // The marker style buttons of a point (23 x 21, side by side from x),
    // showing styles 1, 2, ... as the points are drawn.
    // A name for every button: a row's names and buttons come in equal
    // numbers.
    template <std::size_t N>
    void MarkerKnoepfe(QWidget* parent, const std::array<const char*, N>& namen, int x, int y,
                       std::array<QToolButton*, N>& knoepfe)
    {
        MarkerKnoepfeAnlegen(parent, namen, x, y, knoepfe);
    }
    // The four buttons (18 x 22, side by side from x) that put a point's
    // name "links", "hoch", "tief" or "rechts" of its marker.
    void NamePositionsKnoepfe(QWidget* parent, std::span<const char* const, 4> namen, int x, int y,
                              std::span<QToolButton*, 4> knoepfe);

    // Enter in an edit presses OKBtn, the window's default button.
    void EnterSchliesst(bool an);

    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void MarkerKnoepfeAnlegen(QWidget* parent, std::span<const char* const> namen, int x, int y,
                              std::span<QToolButton*> knoepfe);

    int FNeuzeichnungen = 0;
    int FAuffrischungen = 0;
    bool FAuffrischenOffen = false;  // held back by a whole-document change
    bool FEnterSchliesst = true;
    std::optional<TObjekttabelle> FTabelle;
};

// A row's button group of which exactly one is pressed, kept by hand: a
// stored value outside the group presses none and must leave the buttons as
// they are, which an exclusive Qt button group would not. Presses button
// `index` (0-based) and releases the others; an index outside changes
// nothing.
void ExklusivDruecken(std::span<QToolButton* const> knoepfe, int index);

// A Boolean byte of a record from a check box: written only when the box
// says otherwise than the byte reads, so a stored value other than 1 that
// reads as true survives the refresh's echo.
void ByteSetzen(std::uint8_t& feld, bool wahr);

// Face and style of a stored font on a control; its size stays as designed.
void SchriftZeigen(QWidget* w, const TSchrift& schrift);
// A font the font dialog gave, into a record: the name cut to what a record
// holds.
void SchriftSpeichern(TSchrift& schrift, const TFont& font);
// A record's font as the font dialog takes it.
TFont SchriftLesen(const TSchrift& schrift);

// The glyph of marker style 1..4 as the points are drawn: a diagonal cross,
// a circle, a disc, a square.
QIcon MarkerGlyphe(int stil);

