// The main window's options: the language and unit commands, the start
// options, the translucency of the tool windows and the two help windows of
// the options menu.

#include "main/form1.h"
#include "main/verbindungen.h"

#include "engine/tabellen.h"
#include "engine/zahlen.h"
#include "graph/graphik.h"
#include "tools/einheit_dlg.h"
#include "main/einstell_dlg.h"
#include "main/formoeffne.h"
#include "main/hotkey_dlg.h"
#include "main/tasten_dlg.h"
#include "tools/trace_dlg.h"
#include "platform/dialoge.h"
#include "platform/fensterhilfen.h"
#include "platform/melder.h"
#include "platform/modal.h"
#include "platform/sprache.h"
#include "tools/beschriftung_dlg.h"
#include "tools/flaechen_dlg.h"
#include "tools/kreise_dlg.h"
#include "tools/punkte_dlg.h"
#include "tools/senkrechte_dlg.h"
#include "tools/uebersicht_dlg.h"

#include <QAction>
#include <QMenu>
#include <QSlider>
#include <QToolButton>

namespace {

constexpr int ZeileGespeichert = 220;
constexpr int ZeileMitWertetabelle = 218;
constexpr int ZeileOhneWertetabelle = 219;

constexpr int AlphaDurchscheinend = 240;
constexpr int AlphaDeckend = 255;

// A checkable item whose handler decides about its mark: the click's own
// toggle is taken back before the handler runs.
template <typename F>
void SelbstMarkiert(QAction* a, F handler)
{
    QObject::connect(a, &QAction::triggered, a, [a, handler](bool checked) {
        a->setChecked(!checked);
        handler();
    });
}

QAction* NeuerEintrag(QMenu* menu, const char* name)
{
    QAction* a = menu->addAction(QString());
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

void Zeigen(QWidget* w)
{
    if (w && !w->isVisible())
        DialogZeigen(w);
}

}  // namespace

void TForm1::OptionenVerbinden()
{
    Hotkeys2 = NeuerEintrag(Hilfe1, "Hotkeys2");
    astensteuerung1 = NeuerEintrag(Hilfe1, "astensteuerung1");
    connect(Hotkeys2, &QAction::triggered, this, [this] { Hotkeys2Click(); });
    connect(astensteuerung1, &QAction::triggered, this, [this] { astensteuerung1Click(); });

    connect(deutsch1, &QAction::triggered, this, [this] { deutsch1Click(); });
    connect(english1, &QAction::triggered, this, [this] { english1Click(); });
    connect(franzsisch1, &QAction::triggered, this, [this] { franzsisch1Click(); });
    connect(cm, &QAction::triggered, this, [this] { cmClick(cm); });
    connect(Inch, &QAction::triggered, this, [this] { cmClick(Inch); });
    SelbstMarkiert(mitWertetabellestarten1, [this] { mitWertetabellestarten1Click(); });
    SelbstMarkiert(eigeneEinstellungenverwenden1, [this] { eigeneEinstellungenverwenden1Click(); });
    SelbstMarkiert(ransparenzderZubehrfenster1, [this] { ransparenzderZubehrfenster1Click(); });
}

// ---------------------------------------------------------------------------
// Language

void TForm1::deutsch1Click()
{
    SpracheWaehlen(SpracheDeutsch);
}

void TForm1::english1Click()
{
    SpracheWaehlen(SpracheEnglisch);
}

void TForm1::franzsisch1Click()
{
    SpracheWaehlen(SpracheDritte);
}

void TForm1::SpracheWaehlen(int sprache)
{
    // The third list may leave the "saved" line empty: then it is said in
    // the words of the language before.
    const QString gespeichertVorher = Txt(ZeileGespeichert);
    // Every window takes the new captions once and the picture is drawn
    // once, at the end.
    const TAenderungsklammer klammer;

    deutsch1->setChecked(sprache == SpracheDeutsch);
    english1->setChecked(sprache == SpracheEnglisch);
    franzsisch1->setChecked(sprache == SpracheDritte);
    Einstellungen.Sprache = sprache;
    Zustand.Sprache = sprache;
    LoadLanguage(sprache);
    // Qt's own buttons and dialogs (Yes, Cancel, the file dialog) follow.
    LoadStandardDialogLanguage(sprache);

    // A user who never chose a unit gets the one of the language, as a
    // check mark; the settings keep "not chosen". Ticked before the
    // captions are written, so the unit labels name the unit ticked.
    if (RoundToInt32(Einstellungen.Einheit) == 0) {
        if (sprache == SpracheEnglisch)
            Inch->setChecked(true);
        else if (sprache == SpracheDeutsch)
            cm->setChecked(true);
    }
    if (FormOeffne)
        FormOeffne->beschriften();

    if (sprache == SpracheDritte) {
        // Stored, and said over the picture in its new captions.
        const QString gespeichert = Txt(ZeileGespeichert);
        Melder().NachDerKlammer([text = gespeichert.isEmpty() ? gespeichertVorher : gespeichert] {
            EinstellungenSchreibenMelden(true, text);
        });
        return;
    }
    EinstellungenSchreibenMelden(false);
    emit Melder().SpracheGeaendert();
}

// ---------------------------------------------------------------------------
// Unit of length

void TForm1::cmClick(QAction* Sender)
{
    const bool inch = Sender == Inch;
    // The check mark sets the state's scale (main/verbindungen.cpp).
    (inch ? Inch : cm)->setChecked(true);
    if (FormOeffne)
        FormOeffne->EinheitenBeschriften();
    Einstellungen.Einheit = inch ? 2.0 : 1.0;
    EinstellungenSchreibenMelden(false);
    // The drawing follows the unit whether or not it could be stored.
    emit Melder().AnsichtGeaendert(this);
}

// ---------------------------------------------------------------------------
// Start options

void TForm1::mitWertetabellestarten1Click()
{
    if (mitWertetabellestarten1->isChecked()) {
        if (AskYesNo(Txt(ZeileOhneWertetabelle)) != IDYES)
            return;
        mitWertetabellestarten1->setChecked(false);
        Einstellungen.MitWertetabelle = 0;
    } else {
        if (AskYesNo(Txt(ZeileMitWertetabelle)) != IDYES)
            return;
        mitWertetabellestarten1->setChecked(true);
        Einstellungen.MitWertetabelle = 1;
    }
    EinstellungenSchreibenMelden(true);
}

void TForm1::eigeneEinstellungenverwenden1Click()
{
    if (!EinstellDlg)
        return;
    EinstellDlg->CheckFile();
    // Modal to the whole program, without a nested event loop.
    EinstellDlg->setModal(true);
    DialogZeigen(EinstellDlg);
}

// ---------------------------------------------------------------------------
// Translucency of the tool windows (for this session: the start makes them
// translucent again)

void TForm1::ransparenzderZubehrfenster1Click()
{
    const bool an = !ransparenzderZubehrfenster1->isChecked();
    ransparenzderZubehrfenster1->setChecked(an);
    Einstellungen.Transparent = an ? 1 : 0;
    emit Melder().TransparenzVerlangt(ZubehoerAlpha());
}

int TForm1::ZubehoerAlpha() const
{
    return ransparenzderZubehrfenster1->isChecked() ? AlphaDurchscheinend : AlphaDeckend;
}

// ---------------------------------------------------------------------------
// Help windows

void TForm1::Hotkeys2Click()
{
    Zeigen(HotkeyFenster());
}

void TForm1::astensteuerung1Click()
{
    Zeigen(TastenFenster());
}
