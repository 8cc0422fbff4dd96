#pragma once
// The main window: the function editor (equation, function 1..9, ranges,
// colours, line style, keypad), the menus and tool bar, the placement of the
// other windows around it and the end of the program.

#include "engine/farben.h"
#include "engine/funktion.h"
#include "engine/zustand.h"
#include "platform/felder.h"
#include "platform/canvas.h"
#include "tools/stilliste.h"

#include <QList>
#include <QMainWindow>
#include <QMargins>
#include <QPointer>
#include <QString>

#include <array>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class QAction;
class QActionGroup;
class QComboBox;
class TKopierDlg;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolButton;
class QWidget;
struct TBeispiel;
struct TDokumentBild;
struct TVorlage;


class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // Creates the controls and runs FormCreate. argv are the command-line
    // parameters without the program name.
    explicit TForm1(const std::vector<std::string>& parameter = {}, QWidget* parent = nullptr);
    ~TForm1() override;

    // ---- State --------------------------------------------------------
    std::string& Eingabeart = Zustand.Editor.Eingabeart;  // " Funktion " or " Funktionenschar "
    bool BereicheGesperrt = false;          // while set the range handlers do nothing
    bool StartvorlageLaden = false;         // a mouse press on New asked for the start template
    bool BeispielBestaetigt = false;        // the examples' question was answered Yes in this run

    // ---- Menus ---------------------------------------------------------
    QMenu* Datei1 = nullptr;
    QAction* Neu1 = nullptr;
    QAction* ffnen1 = nullptr;
    QAction* Speichernunter1 = nullptr;
    QAction* Drucken1 = nullptr;
    QAction* Druckereinrichtung1 = nullptr;  // "Kopieren...": the copy dialog
    QAction* GraphenalsBitmap1 = nullptr;
    QAction* GraphenalsMetadatei1 = nullptr;
    QAction* WertetabelleinZwischenablage1 = nullptr;
    QAction* WertetabelleanExcel1 = nullptr;
    QAction* WertetabelleanWord1 = nullptr;
    QAction* Beenden1 = nullptr;
    QMenu* Beispiele1 = nullptr;  // the term templates; hidden, PopupMenu1 serves
    QMenu* Beispiele2 = nullptr;  // the worked examples
    QAction* Autor1 = nullptr;    // further examples on the web
    QMenu* Fenster1 = nullptr;
    QAction* Wertetabelle1 = nullptr;
    QAction* Graphen1 = nullptr;
    QMenu* Interaktiv2 = nullptr;
    QActionGroup* InteraktivGruppe = nullptr;
    QAction* I1 = nullptr;
    QAction* I2 = nullptr;
    QAction* I3 = nullptr;
    QAction* I4 = nullptr;
    QAction* I5 = nullptr;
    QAction* I6 = nullptr;
    QAction* I7 = nullptr;
    QAction* I8 = nullptr;
    QAction* I9 = nullptr;
    QAction* I10 = nullptr;
    QMenu* Einstellungen2 = nullptr;
    QMenu* Sprache1 = nullptr;
    QAction* deutsch1 = nullptr;
    QAction* english1 = nullptr;
    QAction* franzsisch1 = nullptr;  // third language; hidden
    QMenu* Maeinheit1 = nullptr;
    QAction* cm = nullptr;
    QAction* Inch = nullptr;
    QMenu* Start1 = nullptr;
    QAction* mitWertetabellestarten1 = nullptr;
    QAction* eigeneEinstellungenverwenden1 = nullptr;
    QAction* ransparenzderZubehrfenster1 = nullptr;  // hidden, checked from the start
    QAction* Sound1 = nullptr;
    QAction* Interaktiv1 = nullptr;
    QMenu* Zubehr1 = nullptr;        // the tool windows
    QAction* bersicht1 = nullptr;
    QAction* Beschriftung1 = nullptr;
    QAction* Senkrechte1 = nullptr;
    QAction* Punkte1 = nullptr;
    QAction* Kreise1 = nullptr;
    QAction* Flchen1 = nullptr;
    QMenu* Hilfe1 = nullptr;
    QAction* Inhalt1 = nullptr;
    QAction* Suchen1 = nullptr;
    QMenu* Videotutorial1 = nullptr;
    QAction* Video1LineareFunktion1 = nullptr;
    QAction* Video2ZweiteFunktion1 = nullptr;
    QAction* Kopieren1 = nullptr;
    QAction* Hotkeys2 = nullptr;
    QAction* astensteuerung1 = nullptr;
    QAction* ber1 = nullptr;
    QMenu* Hotkeys1 = nullptr;           // hidden: Ctrl+F1 .. Ctrl+F9
    std::array<QAction*, 9> F11_F91{};   // its items F11 .. F91
    QMenu* PopupMenu1 = nullptr;         // the term templates
    QMenu* PopupMenu2 = nullptr;         // the worked examples
    QMenu* Dateimenue = nullptr;         // open and save: the graph window's, which main/ hands over

    // ---- Tool bar --------------------------------------------------------
    QToolButton* SpeedButton14 = nullptr;  // file
    QToolButton* SpeedButton3 = nullptr;   // new
    QToolButton* SpeedButton16 = nullptr;  // examples
    QToolButton* SpeedButton1 = nullptr;   // print
    QToolButton* SpeedButton2 = nullptr;   // copy
    QToolButton* SpeedButton4 = nullptr;   // value table
    QToolButton* SpeedButton5 = nullptr;   // presentation

    // ---- Input bar -------------------------------------------------------
    QGroupBox* GroupBox1 = nullptr;  // " Funktion " / " Funktionenschar "
    QLineEdit* Edit1 = nullptr;      // the equation
    QPushButton* BitBtn1 = nullptr;  // backspace
    QPushButton* BitBtn2 = nullptr;  // clear
    QToolButton* SitBtn3 = nullptr;  // term templates
    QComboBox* ComboBox1 = nullptr;  // function "1." .. "9."

    QGroupBox* GroupBox2 = nullptr;  // properties of the selected graph
    QLabel* Label4 = nullptr;        // x from
    QLabel* Label6 = nullptr;        // x to
    QLabel* Label5 = nullptr;        // t from
    QLabel* Label7 = nullptr;        // t to
    QLabel* Label8 = nullptr;        // t step
    QLineEdit* Evonx = nullptr;
    QLineEdit* Ebisx = nullptr;
    QLineEdit* Evont = nullptr;
    QLineEdit* Ebist = nullptr;
    QLineEdit* Estept = nullptr;
    QPushButton* SFarbe = nullptr;   // colour
    QPushButton* SFarbe2 = nullptr;  // additional colour (families)
    TStilListe* ComboBox2 = nullptr;  // line style 0..10, drawn as samples

    QGroupBox* GroupBox3 = nullptr;  // tool windows
    QToolButton* SpeedButton13 = nullptr;  // overview
    QToolButton* SpeedButton12 = nullptr;  // labels
    QToolButton* SpeedButton11 = nullptr;  // vertical segments
    QToolButton* SpeedButton10 = nullptr;  // points
    QToolButton* SpeedButton8 = nullptr;   // circles
    QToolButton* SpeedButton9 = nullptr;   // areas

    QWidget* Tastenfeld = nullptr;   // the keypad
    // Keypad buttons by name (B0..B9, BKomma, Bplus, ..., Byvonx, Bfvonx, Bfvonxt).
    QPushButton* Taste(const char* name) const;
    QPushButton* Bx = nullptr;
    QPushButton* Bt = nullptr;
    QPushButton* B1 = nullptr;
    QPushButton* Byvonx = nullptr;
    QPushButton* Bfvonx = nullptr;
    QPushButton* Bfvonxt = nullptr;
    QPushButton* BKomma = nullptr;

    // ---- Function editor --------------------------------------------------
    void Edit1Change();
    void EvonxChange();
    void EbisxChange();
    void EvontChange();
    void EbistChange();
    void EsteptChange();
    void ComboBox1Change();
    void BFarbeClick();
    void SFarbe2Click();
    void ComboBox2Change();
    void ClickButton(QPushButton* sender);
    // The texts of both input bars in the selected function's colours, as
    // a selection leaves them: at start, after New and after Open.
    void SchriftfarbenZeigen();

    // ---- Frame -------------------------------------------------------------
    void FormCreate(const std::vector<std::string>& parameter);
    void Reset();
    // Where the window starts on a screen of the given size.
    static QPoint Startposition(const QSize& bildschirm);
    void AlignForm();
    void Wertetabelle1Click();
    void Graphen1Click();
    // The graph window's tool by the menu Interaktiv2 (Sender: I1 .. I10).
    void I1Click(QAction* Sender);
    // The switches of Einstellungen2 and their mirrors in the graph window.
    void Sound1Click();
    void Interaktiv1Click();
    // Starts presentation mode: the graph window maximised with its input
    // bar. Ended by the graph window's SpeedButton5Click.
    void SpeedButton5Click();
    // Toggles of the tool windows (also the menu items and the graph
    // window's tool bar): a hidden window is refreshed and shown, a visible
    // one closed.
    void SpeedButton8Click();   // circles
    void SpeedButton9Click();   // areas
    void SpeedButton10Click();  // points
    void SpeedButton11Click();  // vertical segments
    void SpeedButton12Click();  // labels; its first axis caption takes the focus
    void SpeedButton13Click();  // the overview of the functions
    void Kreise1Click();
    void Beschriftung1Click();
    // The value table window, by the check mark of Wertetabelle1.
    void SpeedButton4Click();

    // ---- Commands (form1_menues.cpp) ------------------------------------------
    void Neu1Click();                 // New; the menu never asks for the start template
    void ffnen1Click();
    void Speichernunter1Click();
    void Drucken1Click();
    void Beenden1Click();
    // The web links: the address in the hint of the menu item `Sender`;
    // any other sender does nothing.
    void Inhalt1Click(QObject* Sender);
    void Autor1Click(QObject* Sender);
    // Ctrl+F1 .. Ctrl+F9: function `taste` (1..9) selected, the caret at the
    // end of the equation of the window in front.
    void F11Click(int taste);
    // Popup buttons: templates, examples and the graph window's file menu.
    void BitBtn3Click();
    void SpeedButton16Click();
    void SpeedButton14Click();
    // Input bar: backspace and clear, on the selection when there is one.
    void BitBtn1Click();
    void BitBtn2Click();
    // The style list's item `index` (0..10) in the selected function's colour.
    static void ComboBox2DrawItem(TCanvas& canvas, const TRect& rect, int index);
    // The items of the template and example menus (the library button's,
    // the tool bar's and the menu bar's), captioned: made once, when one of
    // the menus first opens or once the first picture is on the screen.
    void BeispielmenuesFuellen();
    // The actions with the program's hot keys: added to the graph window too,
    // so that they work from either window.
    QList<QAction*> Tastenkuerzel() const;

    // ---- Term templates (vorlagen.cpp) --------------------------------------
    // Fills the input bar with template `v`; the fields' own handlers do
    // the rest. Changes only the selected function.
    void VorlageAnwenden(const TVorlage& v);

    // ---- Worked examples (beispiele.cpp) --------------------------------------
    // The one question before the first example of a run.
    void Meldung();
    // Loads example `b` as a new document; nothing happens without a Yes.
    void BeispielLaden(const TBeispiel& b);
    // The same from the popup: a maximised graph window keeps its layout.
    void BeispielAusPopup(const TBeispiel& b);
    // The common last step of the examples and the assistant: function 1
    // selected and shown in both input bars, the picture drawn.
    void beispiele();

    // ---- Language, unit and options (form1_optionen.cpp) -------------------
    void deutsch1Click();
    void english1Click();
    void franzsisch1Click();
    // Handler of both unit items; Sender is cm or Inch.
    void cmClick(QAction* Sender);
    void mitWertetabellestarten1Click();
    void eigeneEinstellungenverwenden1Click();
    void ransparenzderZubehrfenster1Click();
    // The opacity of the tool windows as the switch above says (they are
    // translucent from the start).
    int ZubehoerAlpha() const;
    void Hotkeys2Click();
    void astensteuerung1Click();

    // ---- Documents (unit1_dokument.cpp) -------------------------------------
    void SpeedButton3Click();  // New
    void SpeedButton6Click();  // Save as
    void SpeedButton7Click();  // Open
    // A mouse press on the New button: the next New may load the start template.
    void SpeedButton3MouseDown();
    // Opens a document file; false when it was not applied (missing, not a
    // document, unreadable: then nothing has changed).
    bool oeffne(const std::string& dateiname);
    // Writes the drawing to `dateiname` as a whole, or not at all; false
    // with a message when that failed.
    bool speichere(const std::string& dateiname);
    // The drawing as a document image, as Save writes it.
    TDokumentBild DokumentBild() const;

    // ---- Printing and copying (form1_druck.cpp) -----------------------------
    void SpeedButton1Click();  // Print: the print options dialog, or the copy dialog for hatched circles
    void SpeedButton2Click();  // Copy: the copy dialog
    void GraphenalsBitmap1Click();
    void GraphenalsMetadatei1Click();
    void WertetabelleinZwischenablage1Click();
    void WertetabelleanExcel1Click();
    void WertetabelleanWord1Click();
    void ber1Click();          // the about window
    void Kopieren1Click();     // the tips on copying

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void ErzeugeMenues();
    void ErzeugeBefehlsmenues();
    void ErzeugeVorlagenmenues();
    void ErzeugeBeispielmenues();
    void BefehleVerbinden();
    // Options (form1_optionen.cpp): the help items of the option dialogs
    // and the handlers of the language, unit and start options.
    void OptionenVerbinden();
    void SpracheWaehlen(int sprache);
    void ErzeugeEingabe();
    void ErzeugeTastenfeld();
    // The five range fields share one routine; which function setter a field
    // feeds is told by its index 0..4 (x from, x to, t from, t to, t step).
    void BereichChange(int feld);
    QLineEdit* Bereichsfeld(int feld) const;
    // The editor's six fields, their texts and verdicts, into the state.
    void EditorZustandMerken();
    void Einrichten(QLineEdit* e);
    bool FormCloseAllowed();
    void NachFarbwahl();
    // Printing and copying (form1_druck.cpp): no construction stays pending.
    void KeineKonstruktion();
    // Documents (unit1_dokument.cpp).
    void NeuKnopfEinrichten();
    void DokumentAnwenden(const TDokumentBild& bild);

    // The whole program minimises with the main window: the windows that
    // were up hide and come back with it.
    void AndereFensterVerbergen();
    void AndereFensterZeigen();

    std::array<std::unique_ptr<TFunktion>, 14> FObjekte;  // owned function objects
    bool FImZustandswechsel = false;
    std::vector<std::pair<QPointer<QWidget>, bool>> FVerborgeneFenster;  // and maximised
    bool FRahmenBekannt = false;  // the window manager has framed the window
};

extern TForm1* Form1;
