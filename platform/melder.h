#pragma once
// The notifier: the one way windows tell each other about the document state
// (engine/zustand.h) and ask each other for something.
//
// Changes. A window that changed the state emits what it changed, after the
// change, naming itself as the sender. Every window that shows that part
// connects itself to the signal and refreshes itself, unless it is the
// sender (it shows its own change already; refreshing would rewrite the
// field the user is typing in). A listener keeps the conditions under which
// it refreshes.
//
// Requests. Where one window needs another to act (select a function in the
// editor, take a label on the pointer, ...), it emits a request at the point
// where it needs the action. main/, which creates the windows, connects each
// request to the window that serves it. All connections are direct: the
// sender goes on only after every listener has returned, exactly as after a
// call.

#include "engine/zustand.h"

#include <QObject>
#include <QRect>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <vector>

class QWidget;

// What a whole-document change holds back until it ends, in the order it is
// done then: the tool windows that another window's change of their table
// was to refresh (while their echoes are still held), the value table's
// rows, the overview's rows, the picture.
enum class TNachholen : int { Werkzeugfenster, Wertetabelle, Uebersicht, Bild };
constexpr int AnzahlNachholen = 4;

// The value table's exports.
enum class TExportArt : int { Zwischenablage, Tabellenkalkulation, Textverarbeitung };

// The windows that toggles show and hide.
enum class TUmschaltFenster : int { Punkte, Kreise, Beschriftung, Senkrechte, Flaechen, Uebersicht, Wertetabelle };

class TMelder : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // ---- Whole-document changes ----------------------------------------
    //
    // New, Open, a worked example and a language switch change nearly every
    // field of every window, and each field's change handler would refresh
    // or redraw at once. They run inside a bracket (TAenderungsklammer)
    // instead: while it is open, refreshes and redraws are only noted, and
    // when the outermost bracket ends, every window that was to refresh
    // does so once and the picture is drawn once. What the user does in a
    // window outside such a change still takes effect at once.

    bool KlammerOffen() const { return FTiefe > 0; }
    // Asked by a window about to do `was`: inside a bracket it is noted as
    // owed and the answer is true (the window leaves it); outside, false
    // (the window does it now).
    bool Zurueckhalten(TNachholen was);
    // What the open bracket noted as owed for `was` is not owed after all
    // (the outermost bracket's owner knows that nothing changed for it).
    void Erlassen(TNachholen was);
    // The drawing was replaced as a whole: DokumentErneuert now, or once at
    // the end of the bracket.
    void DokumentErneuern();
    // `arbeit` (a message about the change, say) once the bracket has ended
    // and everything is drawn; at once outside a bracket.
    void NachDerKlammer(std::function<void()> arbeit);

signals:
    // ---- Changes --------------------------------------------------------

    // Table `tabelle` changed.
    void TabelleGeaendert(TObjekttabelle tabelle, QObject* absender);
    // Function k (1..9) changed, or several of them (k = 0): its term,
    // ranges, colours or line style.
    void FunktionGeaendert(int k, QObject* absender);
    // The function editor took what was typed or chosen into it (its
    // equation, ranges, colours, style) for the selected function; the
    // editor's texts and their validity are in the state.
    void EditorGeaendert();
    // The value table's calculator texts were set as a whole (Open, New):
    // the value table shows them, and its fields' handlers act on them.
    void RechnerGeaendert(QObject* absender);
    // The language changed (the state's Sprache, the lines of Texte).
    void SpracheGeaendert();
    // The editor selected another function or shows the selected one's
    // colours anew; its texts are in the state (Zustand.Editor).
    void AuswahlGeaendert();
    // The view, the units, the grid or the colour switch of the program's
    // graph window changed (the state's Ansicht).
    void AnsichtGeaendert(QObject* absender);
    // The trace window's family parameter changed: the picture and the
    // value table follow.
    void ScharparameterGeaendert();
    // The sound or the interaction switch changed (the state's Klang,
    // Interaktiv): the main window's menu and the graph window's boxes
    // show them.
    void SchalterGeaendert(QObject* absender);
    // The graph window's tool changed; `menue` is its item 1..10 in the
    // main window's interaction menu (I1..I10).
    void WerkzeugGeaendert(int menue);
    // The text of the label riding on the graph window's pointer changed
    // (typed into its field there).
    void ReiterGeaendert(const QString& text);
    // The drawing was replaced as a whole (New, Open, an example): every
    // window shows the state afresh.
    void DokumentErneuert();

    // The end of a bracket: what was held back there is done now, once.
    void NachholenVerlangt(TNachholen was);

    // ---- Requests -------------------------------------------------------

    // The graph window's status bar: the mode letter, and no live preview
    // or coordinates left from a pointer that has gone elsewhere.
    void StatusanzeigeVerlangt();
    // The editor selects function k (1..9) as if "k." were chosen in its
    // list; or takes over the selected function as it stands now.
    void FunktionWaehlenVerlangt(int k);
    void AuswahlErneuernVerlangt();
    // `text` into the editor's field `feld`, as typed there.
    void EditorEingabeVerlangt(TEditorFeld feld, const QString& text);
    // Line style `stil` (0..10) for the selected function, as chosen in the
    // editor's list.
    void LinienstilVerlangt(int stil);
    // The editor's colour dialog for the selected function's colour, or its
    // additional colour.
    void FarbwahlVerlangt(bool zusatzfarbe);
    // The graph window switches to label mode (for the move button `knopf`)
    // and label k (1..9) rides on its pointer in the label's font.
    void BeschriftungAufnehmenVerlangt(int k, QObject* knopf);
    // The riding label's text, or its font taken from label k's record.
    void ReiterTextVerlangt(const QString& text);
    void ReiterSchriftVerlangt(int k);
    // The riding field empty again, in its default font.
    void ReiterZuruecksetzenVerlangt();
    // Label mode ends: the riding label goes back to its place, its move
    // button up.
    void ReiterZuruecklegenVerlangt();
    // Caption `text` for axis 1 (x) or 2 (y) of the graph window.
    void AchsenbeschriftungVerlangt(int achse, const QString& text);

    // The editor selects the function the text names, as if it were typed
    // into its list ("5.", or what was typed, which may name none).
    void FunktionWahlTextVerlangt(const QString& text);
    // The openers of the tool windows a tool writes into stand raised: of
    // the openers in `welche` (bits of Modi::Oeffner), those in `erhaben`.
    void OeffnerVerlangt(unsigned welche, unsigned erhaben);
    // A window's toggle: shown when hidden (refreshed first), closed when
    // shown.
    void FensterUmschaltenVerlangt(TUmschaltFenster fenster);
    // The value table window or the graph window shown (the value table
    // refilled, the picture laid out anew) or hidden.
    void WertetabelleZeigenVerlangt(bool zeigen);
    void GraphikZeigenVerlangt(bool zeigen);
    // The graph window's tool by the item `menue` (1..10) of the main
    // window's interaction menu; `absender` is that item.
    void WerkzeugVerlangt(int menue, QObject* absender);
    // The tool windows, the overview, the trace and unit windows at
    // opacity `alpha` (0..255), their opacity bars with them.
    void TransparenzVerlangt(int alpha);
    // The document commands: New (never with the start template), Open,
    // Save as.
    void NeuVerlangt();
    void OeffnenVerlangt();
    void SpeichernVerlangt();
    // Presentation mode starts; after it ended, the windows are placed
    // around the main window again.
    void PraesentationVerlangt();
    void AusrichtenVerlangt();
    // The graph window goes into presentation mode (the main window's
    // SpeedButton5Click asks), or leaves it.
    void PraesentationBeginnenVerlangt();
    void PraesentationBeendenVerlangt();
    // The main window's frame is at `rahmen` now: the graph window, the
    // value table, the unit and trace windows place themselves around it.
    void HauptfensterBewegt(const QRect& rahmen);
    // New: the graph window beside the main window's frame `rahmen`, as
    // high as its client area `hoehe`, not maximised; unless the state says
    // the layout is kept.
    void GraphikNebenHauptfensterVerlangt(const QRect& rahmen, int hoehe);

    // The tool windows hidden, and with `einheiten` the unit windows too.
    void KleineFensterVerbergenVerlangt(bool einheiten);
    // The graph window's interaction starts over (New): the origin tool
    // (`absender` asks), "Foto mit" off, sounds on, the snap step 0.01, no
    // history of the mouse tools.
    void WerkzeugeZuruecksetzenVerlangt(QObject* absender);
    // The graph window's range fields show `texte` (x from, x to, t from,
    // t to, t step), as typed there.
    void BereicheZeigenVerlangt(const QStringList& texte);
    // The keyboard to the graph window's equation, its caret at the end;
    // with `aktivieren` the window comes to the front first.
    void EingabeFokusVerlangt(bool aktivieren);
    // The trace window under the graph window's coordinate-system group.
    void SpurfensterAnheftenVerlangt();
    // The graph window lays itself out and draws its picture anew.
    void ZeichnenVerlangt();
    // The value table passed on by one of its export dialogs, which opens
    // above the table (shown and refilled first).
    void ExportVerlangt(TExportArt art);
    // The trace window follows the kind of the selected function: shown
    // for a family while trace, tangent or normal is the tool (the window
    // typed in keeps the keyboard), hidden for a single function.
    void SpurfensterFolgenVerlangt();

    // The graph window prints its page, as the print options dialog says.
    void DruckenVerlangt();
    // The graph window puts its picture on the clipboard, as the copy
    // dialog says.
    void BildKopierenVerlangt();
    // The main window's print command (the print options first).
    void DruckbefehlVerlangt();
    // The tips on copying, above the window `ueber` (none: above the
    // window in front).
    void TippsVerlangt(QWidget* ueber);
    // The graph window opens the x-unit window at its track bar.
    void EinheitXFensterVerlangt();
    // The value table window was closed by its close box: the menu no
    // longer asks for it.
    void WertetabelleGeschlossen();
    // The editor runs its equation handler anew (the value table's
    // calculator fields changed: its result, caption and rows follow).
    void GleichungAuswertenVerlangt();
    // The graph window draws its construction preview anew where the
    // pointer stands (the family parameter stepped).
    void VorschauErneuernVerlangt();
    // The assistant's answer (Yes: clear the graphs first) to the line or
    // parabola tool's question; `fenster` is the assistant.
    void AssistentAntwortVerlangt(bool ja, QObject* fenster);

private:
    friend class TAenderungsklammer;
    void KlammerAuf();
    void KlammerZu();

    int FTiefe = 0;
    bool FErneuert = false;
    std::array<bool, AnzahlNachholen> FOffen{};
    std::vector<std::function<void()>> FDanach;
};

// Brackets a whole-document change for as long as it lives; brackets nest,
// and only the outermost one's end refreshes and draws.
class TAenderungsklammer {
public:
    TAenderungsklammer();
    ~TAenderungsklammer();
    TAenderungsklammer(const TAenderungsklammer&) = delete;
    TAenderungsklammer& operator=(const TAenderungsklammer&) = delete;
};

// The one notifier of the program.
TMelder& Melder();
