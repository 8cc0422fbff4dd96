#pragma once
// The interaction modes side by side, for the graph window's own files: for
// each value of Modus how the tool buttons set the window up, what a mouse
// move, a left click and a right click do, and which instruction box the
// picture carries. The table itself is TGraphik::ModusEintrag.

#include "graph/graphik.h"

class QAction;

namespace Modi {

// Runs a handler that the event loop called: nothing it throws goes on into
// the event loop (the window keeps what it showed).
template <typename F>
void Sicher(F&& f) noexcept
{
    try {
        f();
    } catch (...) {
    }
}

// Opener buttons of the tool windows a tool writes into (bits).
enum Oeffner : unsigned {
    KeinOeffner = 0,
    OeffnerPunkte = 1,
    OeffnerSenkrechte = 2,
    OeffnerBeschriftung = 4,
    OeffnerUebersicht = 8,
    OeffnerKreise = 16,
};
constexpr unsigned AlleOeffner = OeffnerPunkte | OeffnerSenkrechte | OeffnerBeschriftung | OeffnerUebersicht | OeffnerKreise;

// "Foto mit" (CheckBox2) and its caption LabelText.
enum class TFoto : std::uint8_t {
    VerborgenAus,  // hidden and unticked
    Verborgen,     // hidden, the tick kept
    SichtbarAn,    // shown and ticked
};

// Width of status panel 0 for the mode's empty pattern.
enum class TBreite : std::uint8_t {
    Fest90,  // 90 pixels
    W17,     // (p + 3) * 17 - 12, p the snap step
    W15,     // (p + 4) * 15 - 5
};

// The instruction boxes (graphik_hinweise.cpp).
using THinweis = void (*)(TCanvas&, const TGraphik::THinweisLage&);
void HinweisPunkt(TCanvas& c, const TGraphik::THinweisLage& l);
void HinweisSpur(TCanvas& c, const TGraphik::THinweisLage& l);
void HinweisTangente(TCanvas& c, const TGraphik::THinweisLage& l);
void HinweisSenkrechte(TCanvas& c, const TGraphik::THinweisLage& l);
void HinweisBeschriftung(TCanvas& c, const TGraphik::THinweisLage& l);
void HinweisKreis(TCanvas& c, const TGraphik::THinweisLage& l);
void HinweisGerade(TCanvas& c, const TGraphik::THinweisLage& l);
void HinweisParabel(TCanvas& c, const TGraphik::THinweisLage& l);

}  // namespace Modi

struct TGraphik::TModusEintrag {
    std::int32_t Modus = 0;

    // ---- Set-up by TracebuttonClick (only where Einrichten is set; the
    // inner steps of a construction leave the window as it is) ----
    bool Einrichten = false;
    int Menue = 0;  // the main window's menu item I1..I10 ticked (0: none; mode 4: 8 tangent, 9 normal)
    unsigned Oeffner = Modi::KeinOeffner;
    bool Raster = false;  // snap controls shown
    Modi::TFoto Foto = Modi::TFoto::VerborgenAus;
    const char* Vorlage = "";  // status panel 0 (mode 4: by IstTangente)
    Modi::TBreite Breite = Modi::TBreite::Fest90;
    bool SpurfensterAus = false;  // the trace window is hidden
    void (*Zusatz)(TGraphik&) = nullptr;

    // ---- Mouse ----
    // A move stores the pointer and switches the preview on.
    bool VorschauFolgt = false;
    // What else a move does (label field, origin).
    void (*Bewegung)(TGraphik&, Qt::MouseButtons, int X, int Y) = nullptr;
    // A left click first declares the preview valid (objects without a
    // condition) ...
    bool KlickGueltig = false;
    // ... then captures the previewed object (flash, "klick") and hands it
    // to the construction handler ...
    void (TGraphik::*Fang)(QObject*, int, int) = nullptr;
    // ... and then takes the tool's step.
    void (*Schritt)(TGraphik&, QObject* Sender, int X, int Y) = nullptr;
    // A right click before the tool's undo (PaintBoxClick_Rechts).
    void (*Rechts)(TGraphik&) = nullptr;
    // The tool's undo: the right click takes back its newest object.
    void (TGraphik::*Zuruecknehmen)() = nullptr;
    // The right click steps back to this mode (0: none), pressing this
    // button; with Sofort the step's preview is drawn at once.
    std::int32_t ZurueckNach = 0;
    QToolButton* TGraphik::*ZurueckKnopf = nullptr;
    bool ZurueckSofort = false;
    // Releasing the left button.
    void (*Loslassen)(TGraphik&) = nullptr;

    // ---- The instruction box (none where null) ----
    Modi::THinweis Hinweis = nullptr;
};
