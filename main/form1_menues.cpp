// The main window's menus and the commands behind its menu items, tool bar
// buttons and hot keys that are neither the editor's own nor documents:
// forwarding items, the web links, the function hot keys, the popup buttons,
// the backspace and clear buttons and the drawing of the style list.
//
// Menu items that have a button call the button's handler. The hot keys
// work from the main window and from the graph window alike: their actions
// are added to both windows, and the line edits of both windows let them
// pass instead of taking them as editing keys.

#include "main/form1.h"

#include "engine/funktion.h"
#include "engine/tabellen.h"
#include "graph/graphik.h"
#include "platform/melder.h"
#include "platform/fensterart.h"
#include "platform/oeffner.h"
#include "tools/stilliste.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>

#include <array>
#include <string>

namespace {

QAction* NeueAktion(QMenu* menu, const char* name, const QString& text, bool checkable = false)
{
    QAction* a = menu->addAction(text);
    a->setObjectName(QString::fromLatin1(name));
    a->setCheckable(checkable);
    return a;
}

QAction* NeueAktion(QMenu* menu, const char* name, const QString& text, const QKeySequence& taste)
{
    QAction* a = NeueAktion(menu, name, text);
    a->setShortcut(taste);
    return a;
}

QMenu* NeuesMenue(QMenuBar* bar, const char* name, const QString& text)
{
    QMenu* m = bar->addMenu(text);
    m->setObjectName(QString::fromLatin1(name));
    m->menuAction()->setObjectName(QString::fromLatin1(name));
    return m;
}

QMenu* NeuesUntermenue(QMenu* parent, const char* name, const QString& text)
{
    QMenu* m = parent->addMenu(text);
    m->setObjectName(QString::fromLatin1(name));
    return m;
}

// A checkable action whose handler wants to see the mark as it was before
// the click (the handler decides and sets it itself).
template <typename F>
void UmschaltHandler(QAction* a, F handler)
{
    QObject::connect(a, &QAction::triggered, a, [a, handler](bool checked) {
        a->setChecked(!checked);
        handler();
    });
}

QKeySequence Strg(Qt::Key taste)
{
    return QKeySequence(Qt::CTRL | taste);
}

// Line edits take some control keys as editing keys where the desktop says
// so (on X11 Ctrl+K deletes to the end of the line, Ctrl+U the whole line).
// In the two main windows the program's hot keys come first: the edit is
// told that it does not want them, and the shortcut runs.
class THotkeyVorrang : public QObject {
public:
    explicit THotkeyVorrang(TForm1* form) : QObject(form), Form(form) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ShortcutOverride || !qobject_cast<QLineEdit*>(watched))
            return QObject::eventFilter(watched, event);
        const QWidget* fenster = static_cast<QWidget*>(watched)->window();
        if (fenster != Form && fenster != Graphik)
            return QObject::eventFilter(watched, event);
        // The hot keys are control keys and function keys; typing goes on
        // without a look at the menus.
        const auto* k = static_cast<QKeyEvent*>(event);
        if (!(k->modifiers() & Qt::ControlModifier) && (k->key() < Qt::Key_F1 || k->key() > Qt::Key_F35))
            return QObject::eventFilter(watched, event);
        const QKeySequence taste(k->keyCombination());
        for (const QAction* a : Form->Tastenkuerzel()) {
            if (a->shortcut() == taste && a->isEnabled()) {
                event->ignore();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    TForm1* Form;
};

}  // namespace

// ---------------------------------------------------------------------------
// The menus

void TForm1::ErzeugeMenues()
{
    QMenuBar* bar = menuBar();
    // The menu titles a little closer together than the style sets them:
    // the German ones fill the window's width, and the last would go
    // behind the bar's extension button.
    bar->setStyleSheet(QStringLiteral("QMenuBar { spacing: 2px; }"));

    Datei1 = NeuesMenue(bar, "Datei1", QStringLiteral("Datei"));
    Neu1 = NeueAktion(Datei1, "Neu1", QStringLiteral("Neu"), Strg(Qt::Key_R));
    ffnen1 = NeueAktion(Datei1, "ffnen1", QStringLiteral("Öffnen..."), Strg(Qt::Key_O));
    Speichernunter1 = NeueAktion(Datei1, "Speichernunter1", QStringLiteral("Speichern unter"), Strg(Qt::Key_U));
    Datei1->addSeparator();
    Drucken1 = NeueAktion(Datei1, "Drucken1", QStringLiteral("Drucken..."), Strg(Qt::Key_D));
    Druckereinrichtung1 = NeueAktion(Datei1, "Druckereinrichtung1", QStringLiteral("Kopieren..."));
    Datei1->addSeparator();
    GraphenalsBitmap1 =
        NeueAktion(Datei1, "GraphenalsBitmap1", QStringLiteral("Graphen als Bitmap"), QKeySequence(Qt::Key_F5));
    GraphenalsMetadatei1 =
        NeueAktion(Datei1, "GraphenalsMetadatei1", QStringLiteral("Graphen als Metadatei"), QKeySequence(Qt::Key_F6));
    WertetabelleinZwischenablage1 = NeueAktion(Datei1, "WertetabelleinZwischenablage1",
                                               QStringLiteral("Wertetabelle in die Zwischenablage"),
                                               QKeySequence(Qt::Key_F7));
    WertetabelleanExcel1 = NeueAktion(Datei1, "WertetabelleanExcel1",
                                      QStringLiteral("Wertetabelle an die Tabellenkalkulation"), QKeySequence(Qt::Key_F8));
    WertetabelleanWord1 = NeueAktion(Datei1, "WertetabelleanWord1",
                                     QStringLiteral("Wertetabelle an die Textverarbeitung"), QKeySequence(Qt::Key_F9));
    Datei1->addSeparator();
    Beenden1 = NeueAktion(Datei1, "Beenden1", QStringLiteral("Beenden"));

    // The templates' main menu stays hidden; its popup twin serves.
    Beispiele1 = NeuesMenue(bar, "Beispiele1", QStringLiteral("Einfügen"));
    Beispiele1->menuAction()->setVisible(false);
    Beispiele2 = NeuesMenue(bar, "Beispiele2", QStringLiteral("Beispiele"));
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu2 = new QMenu(this);
    PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    // Their items come when one of them first opens, or once the first
    // picture is on the screen (BeispielmenuesFuellen).
    for (QMenu* m : {PopupMenu1, PopupMenu2, Beispiele2})
        connect(m, &QMenu::aboutToShow, this, [this] { BeispielmenuesFuellen(); });

    Zubehr1 = NeuesMenue(bar, "Zubehr1", QStringLiteral("Zubehör"));
    bersicht1 = NeueAktion(Zubehr1, "bersicht1", QStringLiteral("Übersicht"), Strg(Qt::Key_T));
    Beschriftung1 = NeueAktion(Zubehr1, "Beschriftung1", QStringLiteral("Beschriftung"), Strg(Qt::Key_B));
    Senkrechte1 = NeueAktion(Zubehr1, "Senkrechte1", QStringLiteral("Senkrechte"), Strg(Qt::Key_S));
    Punkte1 = NeueAktion(Zubehr1, "Punkte1", QStringLiteral("Punkte"), Strg(Qt::Key_P));
    Kreise1 = NeueAktion(Zubehr1, "Kreise1", QStringLiteral("Kreise"), Strg(Qt::Key_K));
    Flchen1 = NeueAktion(Zubehr1, "Flchen1", QStringLiteral("Flächen"), Strg(Qt::Key_F));

    Fenster1 = NeuesMenue(bar, "Fenster1", QStringLiteral("Fenster"));
    Wertetabelle1 = NeueAktion(Fenster1, "Wertetabelle1", QStringLiteral("Wertetabelle"), true);
    Graphen1 = NeueAktion(Fenster1, "Graphen1", QStringLiteral("Graphen"), true);
    Graphen1->setChecked(true);
    UmschaltHandler(Wertetabelle1, [this] { SpeedButton4Click(); });
    UmschaltHandler(Graphen1, [this] { Graphen1Click(); });

    Interaktiv2 = NeuesMenue(bar, "Interaktiv2", QStringLiteral("Interaktiv"));
    InteraktivGruppe = new QActionGroup(this);
    const std::array<std::pair<const char*, const char*>, 10> modi = {{
        {"I1", "Ursprung (Voreinstellung)"},
        {"I2", "Beschriftung"},
        {"I3", "Senkrechte"},
        {"I4", "Punkt"},
        {"I5", "Kreis"},
        {"I6", "Assistent: Gerade"},
        {"I7", "Assistent: Parabel"},
        {"I8", "Tangente"},
        {"I9", "Normale"},
        {"I10", "Tracepunkt"},
    }};
    std::array<QAction**, 10> ziele = {&I1, &I2, &I3, &I4, &I5, &I6, &I7, &I8, &I9, &I10};
    for (std::size_t i = 0; i < modi.size(); ++i) {
        *ziele[i] = NeueAktion(Interaktiv2, modi[i].first, QString::fromUtf8(modi[i].second), true);
        InteraktivGruppe->addAction(*ziele[i]);
    }
    I1->setChecked(true);
    for (QAction** a : ziele)
        connect(*a, &QAction::triggered, this, [this, a = *a] { I1Click(a); });

    Einstellungen2 = NeuesMenue(bar, "Einstellungen2", QStringLiteral("Einstellungen"));
    Sprache1 = NeuesUntermenue(Einstellungen2, "Sprache1", QStringLiteral("Sprache"));
    auto* sprachen = new QActionGroup(this);
    deutsch1 = NeueAktion(Sprache1, "deutsch1", QStringLiteral("deutsch"), true);
    english1 = NeueAktion(Sprache1, "english1", QStringLiteral("english"), true);
    franzsisch1 = NeueAktion(Sprache1, "franzsisch1", QString(), true);
    franzsisch1->setVisible(false);
    for (QAction* a : {deutsch1, english1, franzsisch1})
        sprachen->addAction(a);
    deutsch1->setChecked(true);
    Maeinheit1 = NeuesUntermenue(Einstellungen2, "Maeinheit1", QStringLiteral("Maßeinheit"));
    auto* einheiten = new QActionGroup(this);
    cm = NeueAktion(Maeinheit1, "cm", QStringLiteral("1 cm"), true);
    Inch = NeueAktion(Maeinheit1, "Inch", QStringLiteral("1 inch"), true);
    einheiten->addAction(cm);
    einheiten->addAction(Inch);
    cm->setChecked(true);
    Start1 = NeuesUntermenue(Einstellungen2, "Start1", QStringLiteral("Start"));
    mitWertetabellestarten1 =
        NeueAktion(Start1, "mitWertetabellestarten1", QStringLiteral("mit Wertetabelle starten"), true);
    eigeneEinstellungenverwenden1 = NeueAktion(Start1, "eigeneEinstellungenverwenden1",
                                               QStringLiteral("eigene Einstellungen verwenden"), true);
    ransparenzderZubehrfenster1 = NeueAktion(Einstellungen2, "ransparenzderZubehrfenster1",
                                             QStringLiteral("Transparenz der Zubehörfenster"), true);
    ransparenzderZubehrfenster1->setChecked(true);
    ransparenzderZubehrfenster1->setVisible(false);
    Sound1 = NeueAktion(Einstellungen2, "Sound1", QStringLiteral("Sound"), true);
    Sound1->setChecked(true);
    Interaktiv1 = NeueAktion(Einstellungen2, "Interaktiv1", QStringLiteral("Interaktiv"), true);
    Interaktiv1->setChecked(true);
    UmschaltHandler(Sound1, [this] { Sound1Click(); });
    UmschaltHandler(Interaktiv1, [this] { Interaktiv1Click(); });

    Hilfe1 = NeuesMenue(bar, "Hilfe1", QStringLiteral("Hilfe"));
    Inhalt1 = NeueAktion(Hilfe1, "Inhalt1", QStringLiteral("Inhalt"), QKeySequence(Qt::Key_F1));
    Suchen1 = NeueAktion(Hilfe1, "Suchen1", QStringLiteral("Suchen"));
    Videotutorial1 = NeuesUntermenue(Hilfe1, "Videotutorial1", QStringLiteral("Videotutorials"));
    Video1LineareFunktion1 =
        NeueAktion(Videotutorial1, "Video1LineareFunktion1", QStringLiteral("Video 1: Lineare Funktion"));
    Video2ZweiteFunktion1 =
        NeueAktion(Videotutorial1, "Video2ZweiteFunktion1", QStringLiteral("Video 2: Eine zweite Funktion"));
    Hilfe1->addSeparator();
    Kopieren1 = NeueAktion(Hilfe1, "Kopieren1", QStringLiteral("Kopieren"));
    OptionenVerbinden();  // Hotkeys2 and astensteuerung1 come next
    Hilfe1->addSeparator();
    ber1 = NeueAktion(Hilfe1, "ber1", QStringLiteral("Info..."));

    // The function hot keys: a hidden menu, its items added to the window
    // (a hidden menu's items take no keys of their own).
    Hotkeys1 = NeuesMenue(bar, "Hotkeys1", QStringLiteral("Hotkeys"));
    Hotkeys1->menuAction()->setVisible(false);
    for (int k = 1; k <= 9; ++k) {
        const std::string name = "F" + std::to_string(k) + "1";
        QAction* a = NeueAktion(Hotkeys1, name.c_str(), QString::number(k),
                                QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_F1 + k - 1)));
        F11_F91[static_cast<std::size_t>(k - 1)] = a;
        connect(a, &QAction::triggered, this, [this, k] { F11Click(k); });
    }
    addActions(QList<QAction*>(F11_F91.begin(), F11_F91.end()));

    connect(Neu1, &QAction::triggered, this, [this] { Neu1Click(); });
    connect(ffnen1, &QAction::triggered, this, [this] { ffnen1Click(); });
    connect(Speichernunter1, &QAction::triggered, this, [this] { Speichernunter1Click(); });
    connect(Drucken1, &QAction::triggered, this, [this] { Drucken1Click(); });
    connect(Druckereinrichtung1, &QAction::triggered, this, [this] { SpeedButton2Click(); });
    connect(Beenden1, &QAction::triggered, this, [this] { Beenden1Click(); });
    connect(GraphenalsBitmap1, &QAction::triggered, this, [this] { GraphenalsBitmap1Click(); });
    connect(GraphenalsMetadatei1, &QAction::triggered, this, [this] { GraphenalsMetadatei1Click(); });
    connect(WertetabelleinZwischenablage1, &QAction::triggered, this, [this] { WertetabelleinZwischenablage1Click(); });
    connect(WertetabelleanExcel1, &QAction::triggered, this, [this] { WertetabelleanExcel1Click(); });
    connect(WertetabelleanWord1, &QAction::triggered, this, [this] { WertetabelleanWord1Click(); });

    connect(Senkrechte1, &QAction::triggered, this, [this] { SpeedButton11Click(); });
    connect(Punkte1, &QAction::triggered, this, [this] { SpeedButton10Click(); });
    connect(Flchen1, &QAction::triggered, this, [this] { SpeedButton9Click(); });
    connect(bersicht1, &QAction::triggered, this, [this] { SpeedButton13Click(); });
    connect(Beschriftung1, &QAction::triggered, this, [this] { Beschriftung1Click(); });
    connect(Kreise1, &QAction::triggered, this, [this] { Kreise1Click(); });

    for (QAction* a : {Inhalt1, Suchen1, Video1LineareFunktion1, Video2ZweiteFunktion1})
        connect(a, &QAction::triggered, this, [this, a] { Inhalt1Click(a); });
    connect(Kopieren1, &QAction::triggered, this, [this] { Kopieren1Click(); });
    connect(ber1, &QAction::triggered, this, [this] { ber1Click(); });

    qApp->installEventFilter(new THotkeyVorrang(this));
}

QList<QAction*> TForm1::Tastenkuerzel() const
{
    QList<QAction*> liste;
    for (QAction* a : findChildren<QAction*>()) {
        if (!a->shortcut().isEmpty())
            liste.append(a);
    }
    return liste;
}

// The controls of the input bar and the tool bar, once they exist.
void TForm1::BefehleVerbinden()
{
    connect(SpeedButton14, &QToolButton::clicked, this, [this] { SpeedButton14Click(); });
    connect(SpeedButton16, &QToolButton::clicked, this, [this] { SpeedButton16Click(); });
    connect(SitBtn3, &QToolButton::clicked, this, [this] { BitBtn3Click(); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    ComboBox2->OnDrawItem = [](TCanvas& canvas, const TRect& rect, int index) {
        ComboBox2DrawItem(canvas, rect, index);
    };
}

// ---------------------------------------------------------------------------
// Forwarding items

void TForm1::Neu1Click()
{
    // Only a mouse press on the New button may bring the start template.
    StartvorlageLaden = false;
    SpeedButton3Click();
}

void TForm1::ffnen1Click()
{
    SpeedButton7Click();
}

void TForm1::Speichernunter1Click()
{
    SpeedButton6Click();
}

void TForm1::Drucken1Click()
{
    SpeedButton1Click();
}

void TForm1::Beenden1Click()
{
    close();
}

void TForm1::SpeedButton4Click()
{
    Wertetabelle1Click();
}

// ---------------------------------------------------------------------------
// Web links

void TForm1::Inhalt1Click(QObject* Sender)
{
    if (const auto* eintrag = qobject_cast<const QAction*>(Sender))
        OeffneWebadresse(eintrag->toolTip());
}

void TForm1::Autor1Click(QObject* Sender)
{
    Inhalt1Click(Sender);
}

// ---------------------------------------------------------------------------
// Function hot keys

void TForm1::F11Click(int taste)
{
    if (taste < 1 || taste > 9)
        return;
    ComboBox1->setCurrentIndex(taste - 1);
    ComboBox1Change();
    // The caret shows only in the active window: in presentation mode the
    // graph window's equation takes it.
    if (Zustand.Praesentation) {
        emit Melder().EingabeFokusVerlangt(true);
        return;
    }
    // (The function's equation, set by the list's change, has the caret
    // at its end.)
    Edit1->activateWindow();
    Edit1->setFocus();
}

// ---------------------------------------------------------------------------
// Popup buttons

void TForm1::BitBtn3Click()
{
    MenueAufklappen(PopupMenu1, SitBtn3->mapToGlobal(QPoint(0, SitBtn3->height() - 2)), Edit1);
}

void TForm1::SpeedButton16Click()
{
    MenueAufklappen(PopupMenu2, SpeedButton16->mapToGlobal(QPoint(0, SpeedButton16->height())), Edit1);
}

void TForm1::SpeedButton14Click()
{
    MenueAufklappen(Dateimenue, SpeedButton14->mapToGlobal(QPoint(0, SpeedButton14->height())), Edit1);
}

// ---------------------------------------------------------------------------
// Backspace and clear. The buttons take no focus, so the selection of the
// equation survives the click.

void TForm1::BitBtn1Click()
{
    QString text = Edit1->text();
    int anfang = Edit1->cursorPosition();
    if (!text.isEmpty()) {
        if (Edit1->hasSelectedText()) {
            anfang = Edit1->selectionStart();
            text.remove(anfang, static_cast<int>(Edit1->selectedText().size()));
        } else if (anfang > 0) {
            --anfang;
            text.remove(anfang, 1);
        }
        Edit1->setText(text);
    }
    Edit1->setFocus();
    Edit1->setCursorPosition(anfang);  // (0 in an empty field)
}

void TForm1::BitBtn2Click()
{
    QString text = Edit1->text();
    if (!text.isEmpty()) {
        if (Edit1->hasSelectedText())
            text.remove(Edit1->selectionStart(), static_cast<int>(Edit1->selectedText().size()));
        else
            text.clear();
        Edit1->setText(text);  // (the caret after it)
    }
    Edit1->setFocus();
}

// ---------------------------------------------------------------------------
// The style list

void TForm1::ComboBox2DrawItem(TCanvas& canvas, const TRect& rect, int index)
{
    const TFunktion* f = Funktionen[0];
    GraphenMusterZeichnen(canvas, rect, index, f ? f->GetColor() : clBlack);
}
