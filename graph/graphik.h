#pragma once
// The graph window: the view of the plane in centimetres of paper, the
// composed picture and everything that is drawn on it.
//
// The class body is grouped by concern; each group is kept by whoever works
// on that concern. Add members only to your own group.

#include "engine/vorschau.h"
#include "engine/zustand.h"
#include "graph/linie.h"
#include "platform/canvas.h"
#include "tools/stilliste.h"

#include <QByteArray>
#include <QCursor>
#include <QImage>
#include <QPointer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTimer;
class QToolButton;
class TStatusBar;
class QSlider;
class QMenu;
class QAction;
class TFunktion;

// The drawing area: shows the front picture that the graph window hands it
// and reports the mouse. Painting happens only here, in paintEvent.
class TPaintBox : public QWidget {
    Q_OBJECT
public:
    explicit TPaintBox(QWidget* parent = nullptr);

    // "Copy to the paint box": the picture shown from the next paint on.
    void SetFront(const QImage& image);
    const QImage& Front() const { return FFront; }

    // Mouse hooks, set by the graph window's interaction code.
    std::function<void(QMouseEvent*)> OnMouseDown;
    std::function<void(QMouseEvent*)> OnMouseMove;
    std::function<void(QMouseEvent*)> OnMouseUp;
    std::function<void()> OnMouseLeave;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QImage FFront;
};

class TGraphik : public QWidget {
    Q_OBJECT
    // The view of a graph window made alone (tests, benchmarks); the
    // program's graph window shows the document state's.
    TAnsicht FEigeneAnsicht;

public:
    // `ansicht`: the view this window shows and changes; without one the
    // window has a view of its own.
    explicit TGraphik(QWidget* parent = nullptr, TAnsicht* ansicht = nullptr);
    ~TGraphik() override;

    // =====================================================================
    // View geometry and drawing core
    // =====================================================================

    // The view, the units, the grid and the colour switch (engine/zustand.h).
    // The names below are the parts of it that the drawing reads.
    TAnsicht& Ansicht;
    std::int32_t& XMin = Ansicht.XMin;
    std::int32_t& YMax = Ansicht.YMax;
    std::int32_t& XMax = Ansicht.XMax;
    std::int32_t& YMin = Ansicht.YMin;
    double& EinheitX = Ansicht.EinheitX;
    double& EinheitY = Ansicht.EinheitY;
    double& Massstab = Ansicht.Massstab;
    std::int32_t BildBreite = 0;  // pixel extent of the view's width (area width - 1)
    std::int32_t BildHoehe = 0;   // pixel extent of the view's height (area height - 1)

    // Grid: two-character code (kind '0'..'7', colour scheme 'a'..'c'), the
    // four grid colours (black, schemes a, b, c) and the grid line style.
    std::string& Gitter = Ansicht.Gitter;
    std::array<TColor, 4> GitterFarbe = {0x000000, 0x006363B1, 0x00C0C0C0, 0x00B7FFB7};
    std::int32_t GitterStil = 0;

    // The composed picture and the displayed one (Bild plus hints and the
    // live preview). Their canvases keep pen, brush and font between
    // routines; flush a canvas before its image is read or copied.
    QImage Bild;
    QImage Anzeigebild;
    std::unique_ptr<TImageCanvas> BildCanvas;
    std::unique_ptr<TImageCanvas> AnzeigebildCanvas;
    // Their pixels: the picture the paint box shows is not copied when it
    // is drawn anew, and a small resize keeps them.
    TBildspeicher BildVorrat;
    TBildspeicher AnzeigeVorrat;

    TPaintBox* PaintBox1 = nullptr;  // the drawing area
    QCheckBox* CB2 = nullptr;        // "farbig": colour on; placed by the frame layout
    QSlider* TrackBar3 = nullptr;    // pointer snap step 0..4; placed by the frame layout

    // Set by the printing code from the print dialog's header option before
    // it converts to page units: the top margin is then 8 cm instead of 2.
    bool DruckMitKopf = false;

    // Pixel <-> view conversions of the screen (no rounding).
    double PixelToWorldX(std::int32_t px) const;
    double PixelToWorldY(std::int32_t py) const;
    // The same in function units, snapped to the pointer step of TrackBar3.
    double PixelToWorldXSnapped(std::int32_t px) const;
    double PixelToWorldYSnapped(std::int32_t py) const;
    // Snaps a function coordinate to step r (0: 1, 1: 0.5, 2: 0.1, 3: 0.01, 4: 0.001).
    static double SnapToStep(double v, int r);
    // View units to printer units (0.01 mm, y up) with the page margins.
    std::int32_t WorldToPrintX(double x) const;
    std::int32_t WorldToPrintY(long double y) const;
    std::int32_t WorldToPrintXUnscaled(double x) const;
    std::int32_t WorldToPrintYUnscaled(long double y) const;
    static std::int32_t MaxInteger(std::int32_t a, std::int32_t b);
    static double MaxFloat(double a, double b);
    static double MinFloat(double a, double b);

    // Axis form (coordinate system and labels): device position of view
    // coordinates at fx, fy device units per view unit, with margins in view
    // units. A y that cannot be converted gives 1000000 (off every page).
    std::int32_t AxisXdev(double x, double fx, double offX = 0.0) const;
    std::int32_t AxisYdev(long double y, double fy, double offY = 0.0) const;

    // True when the view can be drawn (XMax > XMin, YMax > YMin).
    bool ViewValid() const;

    // Sizes Bild and Anzeigebild to PaintBox1 and sets BildBreite and
    // BildHoehe; the frame layout calls it after placing PaintBox1.
    void ResizeBilder();

    // Full redraw of Bild, then the hints and the copy to the paint box.
    void RepaintGraph();
    // Cheap refresh: hints on a fresh copy of Bild, then the copy to the
    // paint box. Recomputes no graph.
    void PaintBox1Paint();
    // Anzeigebild := Bild (removes hints and the live preview).
    void CopyBildToAnzeigebild();
    // Whether the current mode draws an instruction box (DrawModeHints):
    // without one the paint box shows Bild itself.
    bool HatHinweis() const;
    // Hands Anzeigebild to the paint box (the plain copy of a redraw).
    void CopyToPaintBox();

    // Value of the selected function (Funktionen[0]) at x and parameter t;
    // the validity and jump flags stay in the function object.
    long double EvaluateCurrentFunction(double x, double t);

    // Graphs and objects on any canvas. ScaleX, ScaleY: device units per
    // view unit (ScaleY > 0 where device y grows downwards); OffX, OffY:
    // margins in view units. `davor` draws what lies below the graphs and
    // objects (the background and the coordinate system): first, or, when
    // nothing before the graphs evaluates a function, while the graphs are
    // being sampled.
    void DrawGraphs(TCanvas& Canvas, double ScaleX, double ScaleY, double OffX, double OffY,
                    const std::function<void()>& davor = {});

    // Plot form, valid while DrawGraphs runs (it sets the mapping). PlotYdev
    // gives no value when the position is outside the integer range.
    std::int32_t PlotXdev(long double x) const;
    std::optional<std::int32_t> PlotYdev(long double y) const;
    // Pen width of thousandths of a view unit at the current plot scale.
    int PlotPenWidth(int thousandths) const;
    static constexpr int StaerkeDuenn = 15;   // thousandths of a view unit
    static constexpr int StaerkeMittel = 40;
    static constexpr int StaerkeDick = 60;
    // The pen of line style s (LinieDuenn..LinieGestricheltDick): thin,
    // medium or thick; and whether it is dotted or dashed.
    static int LinienStaerke(int s);
    static bool IstPunktiert(int s);
    static bool IstGestrichelt(int s);
    // Whether colour is on (CB2 ticked).
    bool Farbig() const { return Ansicht.Farbig; }

    // The evaluations one picture spends on the function graphs: as many as
    // this many members drawn across the whole view, shared by the
    // functions. When the families ask for more, each draws every k-th
    // member (always its first and its last) and NichtAlleMitglieder is
    // set; RepaintGraph shows it in the status bar. 2048 keeps t from -1000
    // to 1000 in steps of 1 (2001 members across the view) whole.
    static constexpr double BudgetBildbreiten = 2048.0;
    bool NichtAlleMitglieder = false;
    // Status panel 10 after a redraw: the note that not all members of the
    // families are drawn (language line ZeileNichtAlleMitglieder), or nothing.
    static constexpr int ZeileNichtAlleMitglieder = 578;
    void ScharHinweisAnzeigen();
    // The screen picture's sampled graphs, kept for the next redraw
    // (engine/proben.h); off, every redraw samples anew.
    std::shared_ptr<class TProbenSpeicher> Proben;
    bool ProbenSpeicherBenutzen = true;
    // Bit k: function k was sampled anew in the last screen redraw.
    std::uint32_t ZuletztAbgetastet = 0;
    // The lists of the members a redraw samples, kept with their room from
    // redraw to redraw (a list the store keeps goes to it).
    std::vector<TMitgliedBefehle> ListenVorrat;

    // The retyped redraw. When one function alone was sampled anew, the
    // next redraws keep the drawing below its graph and the one above it
    // (graphs after it, circles in front, points) as two pictures, and draw
    // only that graph and the labels again, between and over them. Each
    // layer is kept with a digest of every canvas call that made it; a
    // redraw whose calls for a layer differ, or whose runs of joined lines
    // would cross a layer's edge, is drawn whole (graphik_zeichnen.cpp).
    struct TEbenen {
        std::size_t K = 0;   // the function between them
        QImage Unten;        // below it, opaque
        QImage Oben;         // above it, transparent where nothing is drawn
        std::uint64_t DigestUnten = 0, DigestOben = 0;
    };
    std::unique_ptr<TEbenen> Ebenen;
    int EbenenGenutzt = 0;  // redraws composed from kept layers
    int GrundBeimAbtasten = 0;  // redraws whose coordinate system was drawn while the graphs were sampled
    std::size_t EbenenVerbundenBei = 0;  // a function whose layers could not be kept
    // Called by DrawFunctionGraphs before the graph of function k (1..9) is
    // drawn and with 10 after the last one; RepaintGraph with 11 before
    // the labels. The layered redraw routes the canvas calls by it.
    std::function<void(std::size_t)> GraphWechsel;
    // The redraw's content (background, coordinate system, graphs and
    // objects, labels) on a canvas, at fx, fy device units per view unit.
    void InhaltZeichnen(TCanvas& Canvas, double fx, double fy);
    // Draws the content with kept layers, or builds them (or, when the
    // layers turn out not to fit, plainly); false when it drew nothing and
    // the redraw is to be made plainly.
    bool MitEbenenZeichnen(double fx, double fy);

    // =====================================================================
    // Coordinate system, objects and labels
    // =====================================================================

    // Background layer: grid, axes, numbering, captions and the labels.
    // fx, fy: device units per view unit (fy < 0 where device y grows
    // downwards); offX, offY: margins in view units.
    void DrawCoordinateSystem(TCanvas& Canvas, double fx, double fy, double offX = 0.0, double offY = 0.0);
    // Text layer: labels, point names and centre names; scales as above.
    void DrawLabels(TCanvas& Canvas, double ScaleX, double ScaleY, double offX = 0.0, double offY = 0.0);

    // Object layers of DrawGraphs, in their order (the plot mapping of
    // DrawGraphs is set while they run):
    // circles marked "behind" (Hinten = true) and later the others,
    void DrawCircles(TCanvas& Canvas, bool Hinten);
    // areas between two curves,
    void DrawAreas(TCanvas& Canvas);
    // vertical segments,
    void DrawVerticalSegments(TCanvas& Canvas);
    // [the function graphs], then the other circles, then
    // points.
    void DrawPoints(TCanvas& Canvas);

    // Writes Text with its anchor X view units right of the view's left edge
    // and Y view units below its top edge, in the scale of the last
    // DrawCoordinateSystem or DrawLabels. The size follows the view's scale;
    // the colour is black with colour off. Centred: the anchor is the middle
    // of the top edge; RightAligned: the middle of the right edge; neither:
    // the top-left corner, or the middle of the left edge while TextMittig
    // is set (a one-shot request that every left-aligned text clears).
    void DrawTextAt(TCanvas& Canvas, const QString& Text, const TFont& Font, double X, double Y, bool RightAligned,
                    bool Centred);
    // Device position of a view position in that same scale; a y that
    // cannot be converted gives 1000000.
    std::int32_t TextXdev(double x) const;
    std::int32_t TextYdev(long double y) const;
    // Point size on the canvas of a label font of `punkte` points, at least
    // 1 and at most 1000.
    int TextGroesse(int punkte) const;
    // Writes Text at the device anchor (a, b) in Font at `groesse` points,
    // aligned as DrawTextAt says; `unten` is the device direction of a
    // smaller y on the view (+1 on the screen, -1 on paper, whose y grows
    // upwards), so that half a line lower means the same on both.
    // Takes the one-shot request TextMittig for a text of these alignments:
    // returns it and clears it for a left-aligned text, which uses it up.
    bool TextMittigNehmen(bool RightAligned, bool Centred);
    void TextAmAnker(TCanvas& Canvas, const QString& Text, const TFont& Font, int groesse, std::int64_t a,
                     std::int64_t b, bool RightAligned, bool Centred, bool mittig, int unten);
    static TFont SchriftAusRecord(const struct TSchrift& s);

    // A coordinate typed as text, with either decimal separator; nothing
    // when it does not convert to a finite number.
    static std::optional<double> ZahlAusText(const std::string& text);
    // The view position of a point whose coordinates are typed as text.
    struct TWeltPunkt {
        double X = 0;
        double Y = 0;
    };
    std::optional<TWeltPunkt> AnsichtsPunkt(const std::string& xText, const std::string& yText) const;

    // The x numbering: a tick's text in units of pi for the track bar
    // positions 2, 3 and 5 (pi/3, pi/2, pi), and the decimal value of tick
    // k at unit `einheit` otherwise.
    static bool IstPiPosition(int position);
    static QString PiText(std::int64_t k, int position);
    static double XTeilstrichWert(std::int64_t k, double einheit);

    // Controls the coordinate system reads; the frame places them.
    QCheckBox* CB3 = nullptr;               // "Achsen": axes
    QCheckBox* CB4 = nullptr;               // "skaliert": ticks and numbers
    QLineEdit* Edit1 = nullptr;             // caption of the x axis
    QLineEdit* Edit2 = nullptr;             // caption of the y axis
    void CB3Click();
    void CB4Click();
    void Edit1Change();
    void Edit2Change();
    // Caption `Text` for axis 1 (Edit1) or 2 (Edit2), as the labels window
    // asks for it.
    void AchsenbeschriftungSetzen(int Achse, const QString& Text);

    // The scale DrawTextAt works in, set by DrawCoordinateSystem and
    // DrawLabels.
    struct TTextAbbildung {
        double fx = 1.0;
        double fy = -1.0;
        double offX = 0.0;
        double offY = 0.0;
    };
    TTextAbbildung TextAbbildung;

    // Helpers of the layers.
    void BeschriftungenZeichnen(TCanvas& Canvas, bool vorne);
    void BeschriftungenVorne(TCanvas& Canvas);
    void NameZeichnen(TCanvas& Canvas, const struct TPunkt& p, const TFont& Font);
    bool NaheAnsicht(double x, double y, double rand) const;
    // Whether a view position maps to a device position well inside the
    // integer range (plot mapping of DrawGraphs).
    bool Abbildbar(double x, double y) const;
    void MarkerZeichnen(TCanvas& Canvas, double x, double y, std::int32_t style, TColor ink, bool quadratErlaubt);

    // =====================================================================
    // Axis units and lengths
    // =====================================================================

    QSlider* TrackBar1 = nullptr;    // y unit, positions -4..10
    QSlider* TrackBar2 = nullptr;    // x unit, positions -4..10
    QComboBox* ComboBox1 = nullptr;  // y length in cm, "3".."20"
    QComboBox* ComboBox2 = nullptr;  // x length in cm, "3".."17"
    QComboBox* ComboBox1a = nullptr; // y length in inch, "1.5".."8"
    QComboBox* ComboBox2a = nullptr; // x length in inch, "1.5".."7"

    // Creates the unit and length controls and the coordinate system's
    // check boxes and captions, and connects their handlers; the
    // constructor calls it, the frame layout places the controls.
    void ErzeugeAchsenSteuerung();

    void TrackBar1Change();
    void TrackBar2Change();
    // Tells the other windows that this window changed the state's view
    // (a window with a view of its own tells nobody).
    void AnsichtMelden();
    // Shows the view as another window changed it: the unit bars, the
    // colour switch, the picture.
    void AnsichtZeigen();
    // Sender: the cm list or the inch list that changed.
    void ComboBox1Change(QComboBox* Sender);
    void ComboBox2Change(QComboBox* Sender);
    // Restore the default length with a message, then apply it through
    // the change handler with the same Sender.
    void ResetYAxisLength(QComboBox* Sender);
    void ResetXAxisLength(QComboBox* Sender);
    void CB2Click();

private:
    void AchsenLaengeAendern(bool yAchse, QComboBox* Sender);
    void AchsenLaengeZuruecksetzen(bool yAchse, QComboBox* Sender);
    int AchsenRuecksetzTiefe = 0;

public:

    // =====================================================================
    // Frame, controls and status bar
    // =====================================================================

    // Set-up after construction (the main window exists by then): fields,
    // bitmaps, view, placement beside the main window, first layout, the
    // pen cursor.
    void FormCreate();
    // Drawing area at the view's aspect ratio, centred in the free room;
    // group widths, grid buttons, unit captions and the ruler.
    void ArrangeControls();
    // Layout and full redraw: what every window calls after any change.
    // Nothing escapes from it.
    void GraphikResize();
    // The redraws GraphikResize did (for tests).
    int Neuzeichnungen() const { return FNeuzeichnungen; }
    // The assistant at the drawing area's top-left corner, the trace window
    // under the coordinate group's right end: by their frames, as every
    // other window is placed.
    void AssistentPlatzieren();
    void TraceParamPlatzieren();
    // Removes the live preview and resets status panel 0 to the mode's
    // empty pattern; acts only while StatusErneuern is set, and clears it.
    void Statusanzeige();
    void StatusBar1DrawPanel(TStatusBar& bar, QPainter& p, int panel, const QRect& rect);
    // Title-bar double click: starts presentation mode, or ends it when the
    // window is maximised.
    void WMNCLButtonDblClk();
    // Ends presentation mode: normal window beside the main window.
    void SpeedButton5Click();
    // Close request of the graph window: the quit question.
    bool FormCloseQuery();

    bool TextMittig = false;
    // Place and size kept through a New (the state's).
    bool& LayoutHalten = Zustand.LayoutHalten;
    bool TrackBar1Aktiv = true;
    bool TrackBar2Aktiv = true;
    bool StatusErneuern = true;    // one-shot request for Statusanzeige
    bool IstTangente = true;       // mode 4: tangent (true) or normal
    std::int32_t StartBreiteKoord = 0;
    std::int32_t StartHoeheAktiv = 0;
    std::int32_t StartBreite = 0;
    std::int32_t StartHoehe = 0;
    QCursor StiftCursor;           // the pen cursor of the tools (number 4704)
    QTimer* Animator = nullptr;    // preview timer, 20 ms, off at start

    // The main window, which this window stands beside (main/ sets it
    // before FormCreate), and the menus of term templates and worked
    // examples that the input bar and the band open.
    QPointer<QWidget> Hauptfenster;
    QMenu* Vorlagenmenue = nullptr;
    QMenu* Beispielmenue = nullptr;

    QWidget* CoolBar2 = nullptr;     // tool bar band (presentation mode)
    // Tool bar buttons that open and close tool windows through the main
    // window's toggles.
    QToolButton* SpeedButton9 = nullptr;   // areas
    QToolButton* SpeedButton10 = nullptr;  // points
    QToolButton* SpeedButton11 = nullptr;  // vertical segments
    QToolButton* SpeedButton12 = nullptr;  // labels
    QToolButton* SpeedButton16 = nullptr;  // circles
    QToolButton* SpeedButton7 = nullptr;   // overview of the functions
    void ErzeugeWerkzeugleiste();
    void SpeedButton9Click();
    void SpeedButton10Click();
    void SpeedButton11Click();
    void SpeedButton12Click();
    void SpeedButton16Click();
    void SpeedButton7Click();
    QGroupBox* GroupBox1 = nullptr;  // " Achsen "
    QGroupBox* GroupBox2 = nullptr;  // " Koordinatensystem "
    QGroupBox* GroupBox3 = nullptr;  // mirror of the main window's input bar
    QGroupBox* AktivBox = nullptr;   // " Interaktiv ": the tool buttons
    QCheckBox* InteraktivBox = nullptr;
    QFrame* Shape6 = nullptr;        // ruler of one unit of length
    QToolButton* cm1 = nullptr;
    QToolButton* cm2 = nullptr;
    QToolButton* cm3 = nullptr;      // caption of the ruler
    QToolButton* SpeedButton1 = nullptr;  // no grid
    QToolButton* SpeedButton2 = nullptr;  // 0.5 cm lines
    QToolButton* SpeedButton3 = nullptr;  // 1 cm lines
    QToolButton* SpeedButton6 = nullptr;  // millimetre paper
    TStilListe* ComboStrich = nullptr;    // grid line style, drawn as samples
    TColor ComboStrichFarbe = 0xFFFFFFFF; // the samples' colour as last painted (none yet)
    std::array<QFrame*, 4> GitterFelder{};  // Shape2..Shape5: grid colour squares
    TStatusBar* StatusBar1 = nullptr;
    QLineEdit* BeschrEdit = nullptr;  // label typing field

    // The input bar (GroupBox3) mirrors the main window's editor; its
    // handlers hand everything to the main window's controls and act only
    // while the graph window is active.
    QComboBox* ComboBox3 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QLineEdit* Evonx = nullptr;
    QLineEdit* Ebisx = nullptr;
    QLineEdit* Evont = nullptr;
    QLineEdit* Ebist = nullptr;
    QLineEdit* Estept = nullptr;
    QPushButton* SFarbe = nullptr;
    QPushButton* SFarbe2 = nullptr;
    TStilListe* ComboBox4 = nullptr;  // line style, drawn as samples
    QLabel* Label6 = nullptr;  // t from
    QLabel* Label8 = nullptr;  // t to
    QLabel* Label9 = nullptr;  // t step
    void Edit3Change();
    void ComboBox3Change();
    void ComboBox4Change();
    // The input bar shows the editor's texts, their validity, the choice of
    // the function, its colours and line style, and the t fields of a
    // family. Without `Alles` a text is written only where the editor's
    // changed since it was shown last.
    void EingabeZeigen(bool Alles);
    // Texts and widths of the function panels 1..9, before each painting.
    void StatusPanelsAktualisieren();
    bool PraesentationWechsel = false;  // a window-state change of our own
    // Presentation mode is on (the state's): set by PraesentationBeginnen,
    // which the main window's SpeedButton5Click asks for, cleared by our
    // SpeedButton5Click. The window states follow it, not the other way
    // round: a window manager reports states late and sometimes twice.
    bool& Praesentation = Zustand.Praesentation;
    // Presentation mode starts: the value table translucent, the window
    // maximised with its groups moved up and its presentation band shown,
    // laid out, in front with the keyboard.
    void PraesentationBeginnen();
    // The main window's frame is at `Rahmen` now: this window stands to its
    // right (not in presentation mode), the unit and trace windows under
    // their groups.
    void HauptfensterFolgen(const QRect& Rahmen);
    // The unit windows under the unit track bar of the axes group, the
    // trace window right-aligned under the coordinate-system group; their
    // frames' corners, as every window's.
    void KleineFensterPlatzieren();
    // A New: shown beside the main window's frame `Rahmen`, as high as its
    // client area `Hoehe` (plus the frame), not maximised; nothing of this
    // while the layout is kept.
    void NebenHauptfensterStellen(const QRect& Rahmen, int Hoehe);
    // The window's size to return to when presentation mode ends, taken
    // when it starts.
    QSize NormalGroesse;
    void NormalGroesseMerken();

    // =====================================================================
    // Controls: grid, unit switch, tool bar band, input bar buttons and
    // status bar clicks (graphik_steuerung.cpp)
    // =====================================================================

    // Creates the controls of this group and connects every control of the
    // side panel, the band and the status bar; FormCreate calls it.
    void ErzeugeSteuerung();
    // Places the controls of the bottom bar; ArrangeControls calls it.
    void SteuerungAnordnen();

    QToolButton* SpeedButton4 = nullptr;   // band: file (open, save)
    QToolButton* SpeedButton15 = nullptr;  // band: new, keeping this window's layout
    QToolButton* SpeedButton14 = nullptr;  // band: examples
    QToolButton* SpeedButton8 = nullptr;   // band: print
    QToolButton* SpeedButton13 = nullptr;  // band: copy
    QToolButton* SpeedButton5 = nullptr;   // band: end of presentation, at its right end
    QToolButton* SpeedButton17 = nullptr;  // bottom bar: value table and calculator
    QToolButton* SitBtn3 = nullptr;        // input bar: the term templates
    QPushButton* BitBtn1 = nullptr;        // axes: the x-unit window
    QPushButton* BitBtn2 = nullptr;        // axes: the y-unit window
    QMenu* PopupMenu1 = nullptr;           // file: open, save
    QAction* ffnen1 = nullptr;
    QAction* Speichern1 = nullptr;

    // Grid: none, lines every 0.5 cm, every 1 cm, millimetre paper, and the
    // line style. They write the first character of Gitter.
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton1Click5();  // of SpeedButton3
    void SpeedButton6Click();
    void ComboStrichChange();
    void ComboStrichDrawItem(TCanvas& Canvas, const TRect& Rect, int Index) const;
    // The grid colour swatches Shape2..Shape5 (Sender): black or scheme a, b, c.
    void Shape2MouseDown(QFrame* Sender);
    void Shape2MouseUp(QFrame* Sender);
    // cm or inch for the axis lengths (cm1, cm2, cm3).
    void cm2Click();
    // The main window's value table toggle.
    void SpeedButton17Click();
    // The line style list of the input bar.
    void ComboBox4DrawItem(TCanvas& Canvas, const TRect& Rect, int Index) const;
    // Band and input bar.
    void SpeedButton4Click();
    void BitBtn3Click();
    void SpeedButton14Click();
    void ffnen1Click();
    void Speichern1Click();
    void SpeedButton15Click();
    void SpeedButton13Click();
    void SpeedButton8Click();
    // The unit windows at their track bars.
    void BitBtn1Click();
    void BitBtn2Click();
    // A click on the status bar at `x` (bar pixels): a function panel
    // selects its function.
    void StatusBar1MouseDown(int x);
    // The origin tool, so that no construction is pending.
    void UrsprungWaehlen();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

public:
    // ---- end of frame ----

    // =====================================================================
    // Printing and the clipboard picture
    // =====================================================================

    // Prints the graph page through the system print dialog: the value
    // table (below the graph or first on a page of its own), the header and
    // the drawing at its true size, as the print options dialog says. Puts
    // the grid back when the dialog forced black grid lines, printed or not.
    void BDruckClick();
    // Puts the picture on the clipboard at its size on paper: the bitmap of
    // 130 pixels per cm, or (the copy dialog's vector choice) an SVG picture
    // with the graphs as that bitmap, a PNG beside it.
    void Button1Click();

    // Text on the printed page, anchored at X view units right of the
    // view's left edge and Y below its top, in the font's own point size;
    // alignments and TextMittig as in DrawTextAt.
    void PrintTextAt(TCanvas& Canvas, const QString& Text, const TFont& Font, double X, double Y, bool RightAligned,
                     bool Centred);
    // The same at fixed centimetres from the page margins, on white.
    void PrintTextAtUnscaled(TCanvas& Canvas, const QString& Text, const TFont& Font, double X, double Y,
                             bool RightAligned, bool Centred);
    // A block of cells of the value table's grid with its top left corner at
    // the page position (X, Y), cells measured in points at `Scale`.
    void PrintValueTable(TCanvas& Canvas, const QTableWidget& Grid, std::int32_t X, std::int32_t Y, int FromCol,
                         int ToCol, int FromRow, int ToRow, double Scale, bool Coloured);
    // The whole page (all pages) on a printer canvas that has begun.
    void DruckeSeiten(TCanvas& Canvas, bool mitTabelle, std::int32_t seitenBreite, std::int32_t seitenHoehe,
                      const std::function<void()>& neueSeite);

    // The clipboard bitmap, with the coordinate system and the labels or
    // the graphs and objects alone: 8 bits a pixel with colour on, 1 bit
    // without, white transparent, 130 pixels per cm. Nothing when the
    // picture is too large to be made.
    std::optional<QImage> KopieBitmap(bool mitKoordinaten);
    // The vector picture: grid, axes and labels as vectors, `graphen` (the
    // bitmap of graphs and objects) stretched in.
    QByteArray KopieSvg(const QImage& graphen);

private:
    // Page drawing steps of the printer.
    void DruckKoordinatensystem(TCanvas& Canvas, std::int32_t xMaxSeite, std::int32_t yMinSeite);
    void DruckKopf(TCanvas& Canvas);
    void DruckNamen(TCanvas& Canvas);
    void DruckTextBei(TCanvas& Canvas, const QString& Text, const TFont& Font, std::int32_t a, std::int32_t b,
                      bool RightAligned, bool Centred, bool mittig);

public:
    // =====================================================================
    // Interaction modes and mouse
    // =====================================================================

    // The current mode's instruction box, written on Anzeigebild. Callers
    // refresh Anzeigebild from Bild first (CopyBildToAnzeigebild), which is
    // also how a live preview disappears.
    void DrawModeHints();

    // What the instruction box shows, read once from the windows.
    struct THinweisLage {
        std::int32_t Modus = 1;
        bool IstTangente = true;
        bool Kompiliert = false;  // the selected function's term compiles
        bool Schar = false;       // it is edited as a family (Eingabeart)
        QString Term;             // as typed in the main window
        QString Parameter;        // the trace window's family parameter
    };
    THinweisLage HinweisLage() const;
    // The instruction box on any canvas. Leaves the canvas as the preview
    // expects it: font "Tahoma" 10, pen 1 pixel, brush white, solid in modes
    // 1..6, 82, 92 and clear in the step modes 7, 71, 8, 81, 9, 91, 93.
    static void HinweiseZeichnen(TCanvas& Canvas, const THinweisLage& Lage);

    // Creates the tool buttons and the other controls of this group, the
    // effect pictures and timers, and connects them; FormCreate calls it.
    void ErzeugeInteraktion();

    // The ten tool buttons of AktivBox: one group, exactly one pressed.
    QToolButton* UrsprungButton = nullptr;
    QToolButton* PunktButton = nullptr;
    QToolButton* Tracebutton = nullptr;
    QToolButton* TangenteButton = nullptr;
    QToolButton* NormaleButton = nullptr;
    QToolButton* Senkrechtebutton = nullptr;
    QToolButton* BeschriftButton = nullptr;
    QToolButton* KreisButton = nullptr;
    QToolButton* GeradeButton = nullptr;
    QToolButton* ParabelButton = nullptr;
    QCheckBox* CheckBox2 = nullptr;  // "Foto mit": points also get their coordinates
    QLabel* LabelText = nullptr;     // what "Foto mit" adds: coordinates, touching point
    QCheckBox* SoundBox = nullptr;   // mirrored into the main window's Sound1
    // The snap step: caption "Raster" and the five steps beside TrackBar3.
    QLabel* Label12 = nullptr;
    QLabel* Label10 = nullptr;  // 1
    QLabel* Label11 = nullptr;  // 0,5
    QLabel* Label2 = nullptr;   // 0,1
    QLabel* Label1 = nullptr;   // 0,01
    QLabel* Label32 = nullptr;  // 0,001
    // Focus target of the keyboard pointer: takes the focus without
    // reacting to the arrow keys.
    QWidget* CursorBar = nullptr;
    // The camera flash in three stages and the typewriter in two.
    QLabel* camera = nullptr;
    QLabel* camera2 = nullptr;
    QLabel* camera3 = nullptr;
    QLabel* typer = nullptr;
    QLabel* typer2 = nullptr;
    QTimer* Timer1 = nullptr;  // flash, 30 ms
    QTimer* Timer2 = nullptr;  // typewriter, 30 ms

    // Pointer in PaintBox1 pixels as the last move left it, and where the
    // last preview was drawn (a negative x forces the next tick to draw).
    std::int32_t MausX = 0;
    std::int32_t MausY = 0;
    std::int32_t LetzteMausX = 0;
    std::int32_t LetzteMausY = 0;
    // Where the last step of an origin drag began.
    std::int32_t ZiehStartX = 0;
    std::int32_t ZiehStartY = 0;
    // The snapped pointer as text (program's separator) and as shown.
    QString XText;
    QString YText;
    QString KoordText;
    bool VorschauGueltig = true;  // the preview has a defined object
    // A flash or typewriter is playing. One flag for both: the first
    // effect to end clears it.
    bool EffektLaeuft = false;
    int BlitzBild = 0;   // frame counter of the flash
    int TyperBild = 0;   // frame counter of the typewriter
    std::string BeschrHistorie;  // label digits placed by mouse, newest last

    // The handler of all ten tool buttons; with any other sender Modus is
    // left as the caller set it and only the window is configured.
    void TracebuttonClick(QObject* Sender);
    // The tool of the main window's interaction menu item I1..I10
    // (`Menue` 1..10), as its button would choose it; `Sender` is the item.
    void WerkzeugWaehlen(int Menue, QObject* Sender);
    // The assistant's answers in modes 82 and 92.
    void JaButtonClick(QObject* Sender);
    void NeinButtonClick(QObject* Sender);
    // What the assistant window `Fenster` asks for with its answer: Yes
    // (with the sound "weg", the tools' histories of functions emptied) or
    // No (the preview runs on); a fresh preview either way.
    void AssistentAntwort(bool Ja, QObject* Fenster);
    // The preview drawn anew where the pointer stands (the family parameter
    // of the trace window stepped).
    void VorschauErneuern();
    void InteraktivBoxClick();
    void CheckBox2Click();
    void TrackBar3Change();
    void ShowSnapControls(bool zeigen);
    void SoundBoxClick();

    // The drawing area's mouse events; the keyboard pointer calls them too.
    void PaintBox1MouseMove(QObject* Sender, Qt::MouseButtons Shift, int X, int Y);
    void PaintBox1MouseDown(QObject* Sender, Qt::MouseButton Button, int X, int Y);
    void PaintBox1MouseUp(QObject* Sender, Qt::MouseButton Button, int X, int Y);
    void BeschrEditChange();
    // The label typing field empty, in black "Tahoma" 12 (Tag), no style:
    // also where the labels window puts back a label that rode on it.
    void BeschrEditZuruecksetzen();
    // What the labels window asks for a label it picks up: label mode for
    // its move button `Knopf`, then label k (1..9) rides in BeschrEdit in
    // its font; the riding text; the font of label k on the riding field.
    void BeschriftungAufnehmen(int k, QObject* Knopf);
    void ReiterText(const QString& Text);
    void ReiterSchrift(int k);
    // Keys of the whole window (key preview): the keyboard pointer.
    void FormKeyDown(int Key);

    void Timer1Timer();
    void Timer2Timer();

    // ---- The construction preview ----
    // The tick of Animator (20 ms): a fresh frame of Bild with the step's
    // instruction box, the object a left click would create, its equation
    // box, and the copy to the screen (not while an effect plays). A tick
    // whose pointer pixel has not moved draws nothing, except in mode 8 and
    // for a family in modes 3 and 4 (its parameter can change meanwhile).
    void AnimatorTimer();
    // The tick's numbers for the pointer at (X, Y), without drawing: the
    // coordinate texts, status panel 0 and the values below, exactly as a
    // drawn tick at that pixel leaves them. A click calls it for its own
    // position before it adopts anything.
    TVorschauErgebnis VorschauBerechnen(int X, int Y);
    // The figure and the equation box of a tick on Canvas (pen, brush and
    // font as the instruction box left them). Deutsch: the parabola's
    // shifts are labelled d and e, otherwise h and k.
    void VorschauZeichnen(TCanvas& Canvas, const TVorschauErgebnis& Erg, bool Deutsch);
    // The preview's pixel mapping and sizes for the current view.
    TVorschauAbbildung VorschauAbbildung() const;

    // What the preview leaves for the clicks and the later steps.
    QString VorschauTerm;      // "y(x) = ..." of the line, tangent, normal or parabola
    double SteigungM = 0;      // line slope m, step 1 of the line
    double VerschiebungD = 0;  // shift d, step 1 of the parabola
    double VerschiebungE = 0;  // shift e, step 2
    double FaktorA = 0;        // factor a, step 3
    TLinie Linie;              // the preview's long straight lines

    // What a click adopts, by mode (the objects made with the mouse).
    void PaintBoxClick_Links_23(QObject* Sender, int X, int Y);
    void PaintBoxClick_Links_4(QObject* Sender, int X, int Y);
    void PaintBoxClick_Links_5(QObject* Sender, int X, int Y);
    void PaintBoxClick_Links_71(QObject* Sender, int X, int Y);
    void PaintBoxClick_Links_81(QObject* Sender, int X, int Y);
    void PaintBoxClick_Links_93(QObject* Sender, int X, int Y);
    // Right click in every mode: takes back a step or the tool's newest object.
    void PaintBoxClick_Rechts(QObject* Sender, int X, int Y);
    // Circle i (1..10) and its centre back to their defaults; the circles
    // window shows them.
    void ResetCircle(int i);

    // What the mouse made, one history per tool, newest last: a right click
    // takes the objects back in turn. An entry names a slot, not an object.
    // Points "A".."J" and trace points "P".."Y" (points 1..10); tangents and
    // normals two characters each, the function's digit and the point's
    // ("0" for point 10, "x" for none); vertical segments "1".."4"; circles
    // "1".."9", "0" for circle 10; lines and parabolas the function's digit.
    // The labels' history is BeschrHistorie. Documents do not keep them.
    std::string PunktHistorie;
    std::string SpurHistorie;
    std::string TangentenHistorie;
    std::string NormalenHistorie;
    std::string SenkrechtenHistorie;
    std::string KreisHistorie;
    std::string GeradenHistorie;
    std::string ParabelHistorie;
    // Empties all nine (a new document).
    void HistorienLeeren();
    // The interaction of a new document: interaction on, the origin tool
    // (Sender asks for it), "Foto mit" off, sounds on, snap step 0.01, and
    // no history.
    void NeuBeginnen(QObject* Sender);
    // The keyboard in the equation field, its caret at the end.
    // `Aktivieren`: the window comes to the front first.
    void EingabeFokus(bool Aktivieren);
    // The trace window right-aligned under the coordinate-system group.
    void SpurfensterAnheften();

    // Plays one of the program's sounds while the main window's Sound1 is ticked.
    void Klang(const char* name);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // ---- Interaction modes and mouse (private) ----
    struct TModusEintrag;
    static const TModusEintrag* ModusEintrag(std::int32_t modus);
    void WerkzeugKnopfDruecken(QToolButton* knopf);
    void OeffnerHervorheben(unsigned fenster);
    void UrsprungBewegung(Qt::MouseButtons Shift, int X, int Y);
    void BeschrEditFolgt(int X, int Y);
    void BeschriftungPlatzieren(int X, int Y);
    void BeschriftungZuruecknehmen();
    void Fangen(QObject* Sender, int X, int Y, const TModusEintrag& e);
    void BlitzStarten(int px, int py);
    void TyperStarten(int X, int Y);
    void SchrittZurueck(QObject* Sender, const TModusEintrag& e);
    // The construction's pieces (graphik_konstruktion.cpp).
    void PunktSetzen(int k, TColor farbe, std::int32_t stil, const QString& name);
    void FunktionAnnehmen(std::string& historie);
    void PunktZuruecknehmen();
    // Point k (1..10) back to its defaults, shown and drawn.
    void PunktZuruecksetzen(int k);
    void TangenteZuruecknehmen();
    void SenkrechteZuruecknehmen();
    void KreisZuruecknehmen();
    void GeradeZuruecknehmen();
    void ParabelZuruecknehmen();
    void FunktionZuruecknehmen(std::string& historie);

private:
    // What the input bar showed of the editor last.
    std::optional<TEditorZustand> FEingabeGezeigt;

    // ---- View geometry and drawing core (private) ----
    struct TPlotMapping {
        double ScaleX = 1.0;
        double ScaleY = 1.0;
        double OffX = 0.0;
        double OffY = 0.0;
    };
    TPlotMapping Plot;

    // The function layer: samples the members on the pool of
    // engine/proben.h and draws them in order. `davor` draws what comes
    // before them on the canvas, while the first members are sampled.
    void DrawFunctionGraphs(TCanvas& Canvas, const std::function<void()>& davor);
    // Whether an area is drawn from two functions' values (evaluated on
    // this thread, so not while they are sampled elsewhere).
    bool FlaechenAuswerten() const;
    // Set by RepaintGraph while it draws the screen picture, the only one
    // that uses the store of sampled graphs.
    bool ProbenSpeicherAn = false;
    int FNeuzeichnungen = 0;
};

// The one graph window.
extern TGraphik* Graphik;

