#pragma once
// TCanvas: a GDI-like drawing surface over QPainter.
//
// The drawing routines of the graph window are written against this class
// only. Pen, brush and font are persistent: they keep their settings between
// calls and between routines, exactly as the drawing code expects. The pen
// position is persistent too (MoveTo/LineTo), and LineTo leaves out its end
// pixel on a pixel device, so a polyline never draws a joint twice.
//
// Coordinates are logical device units (int). A backend maps them to its
// real device: the screen bitmap uses pixels with y down; a printer page
// (0.01 mm, y up) and an SVG picture map them with a scale and an offset,
// and need no change in the drawing code.

#include "engine/farben.h"
#include "engine/graphbefehl.h"
#include "platform/farbe_qt.h"

#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

class TArbeiterPool;
class TMusterVorrat;
struct TDeckung;

struct TPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

// A rectangle with Left/Top inclusive and Right/Bottom exclusive, as in GDI.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    friend bool operator==(const TRect&, const TRect&) = default;
};

enum class TPenStyle : std::uint8_t { Solid, Dash, Dot, DashDot, DashDotDot, Clear };

enum class TBrushStyle : std::uint8_t {
    Solid,
    Clear,
    Horizontal,  // horizontal lines
    Vertical,    // vertical lines
    FDiagonal,   // 45-degree lines falling from left to right (\)
    BDiagonal,   // 45-degree lines rising from left to right (/)
    Cross,
    DiagCross
};

struct TPen {
    TColor Color = 0x000000;
    int Width = 1;  // logical units; 0 and 1 both give the thinnest line
    TPenStyle Style = TPenStyle::Solid;
    friend bool operator==(const TPen&, const TPen&) = default;
};

struct TBrush {
    TColor Color = 0xFFFFFF;
    TBrushStyle Style = TBrushStyle::Solid;
    friend bool operator==(const TBrush&, const TBrush&) = default;
};

struct TFont {
    QString Name = QStringLiteral("Tahoma");
    int Size = 8;  // points
    TColor Color = 0x000000;
    std::uint8_t Style = 0;  // bits: 1 bold, 2 italic, 4 underline, 8 strike-out
    friend bool operator==(const TFont&, const TFont&) = default;
};

class TCanvas {
public:
    TCanvas() = default;
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;
    virtual ~TCanvas();

    // Persistent drawing state, read by every call.
    TPen Pen;
    TBrush Brush;
    TFont Font;

    TPoint PenPos() const { return FPenPos; }
    void MoveTo(int x, int y);
    // Draws from the pen position to (x, y), leaving out (x, y) itself on a
    // pixel device, and moves the pen there.
    void LineTo(int x, int y);
    // A graph's moves and lines in order, with the pen as it is: LineTo for
    // each LineTo call, MoveTo for every other. The same as those calls one
    // by one; a canvas may take them faster.
    virtual void Linien(std::span<const TGraphBefehl> befehle);

    // Outline with the pen, inside with the brush. Corners may come in any
    // order; Right and Bottom are exclusive as in GDI.
    void Rectangle(int x1, int y1, int x2, int y2);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    void RoundRect(int x1, int y1, int x2, int y2, int w, int h);
    // The ellipse inscribed in the bounding box; corners in any order.
    void Ellipse(int x1, int y1, int x2, int y2);
    void Polygon(const std::vector<TPoint>& points);
    void Polyline(const std::vector<TPoint>& points);
    // Fills with the brush, no outline.
    void FillRect(const TRect& r);

    // Writes text with its top-left corner at (x, y) in the canvas font.
    // The cell is filled with the brush colour when the brush is solid and
    // left transparent otherwise. The pen position does not move.
    void TextOut(int x, int y, const QString& text);
    void TextOut(int x, int y, const std::string& utf8) { TextOut(x, y, QString::fromStdString(utf8)); }
    int TextWidth(const QString& text);
    int TextWidth(const std::string& utf8) { return TextWidth(QString::fromStdString(utf8)); }
    int TextHeight(const QString& text);
    int TextHeight(const std::string& utf8) { return TextHeight(QString::fromStdString(utf8)); }

    // Copies a picture with its top-left corner at (x, y), one picture pixel
    // per logical unit (a plain copy), or stretched into a rectangle.
    void Draw(int x, int y, const QImage& image);
    void StretchDraw(const TRect& r, const QImage& image);
    // Copies only the opaque pixels of a picture with an alpha channel whose
    // pixels are either opaque or transparent (a layer drawn before), with
    // its top-left corner at (x, y).
    void DrawOver(int x, int y, const QImage& image);

    // Restricts all drawing to a rectangle until ClearClip.
    void SetClipRect(const TRect& r);
    void ClearClip();
    bool HasClip() const { return FHasClip; }
    TRect ClipRect() const { return FClip; }

    // True for a printer page: some drawing differs on paper.
    virtual bool IsPrinter() const { return false; }

    // Size of the drawing surface in logical units (0 when not known).
    virtual int Width() const = 0;
    virtual int Height() const = 0;

    // Ends any pending painting so that the target can be read or copied.
    virtual void Flush() {}
    // Paints what has been drawn so far, but keeps the run of joined lines
    // that is still open: a curve goes on across it as if nothing had
    // happened. Bounds what a long drawing holds in memory.
    virtual void DrawPending() {}
    // Ends the run of joined lines: the next line starts a new one, as
    // after any other call.
    virtual void CloseRun() {}

    // Sets apart what has been drawn so far, to be painted while the
    // drawing goes on, as DrawPending would paint it now: returns the
    // number of its bands, each to be painted once by AbgezweigtMalen, on
    // any thread and at the same time as each other and as the drawing;
    // then AbgezweigtEnde, on the drawing thread. 0 when the canvas keeps
    // nothing apart (it then paints as it always does).
    virtual std::size_t Abzweigen() { return 0; }
    // The number of bands Abzweigen gives when it sets something apart;
    // 0 when it would set nothing apart however much is drawn.
    virtual std::size_t AbzweigBaender() { return 0; }
    virtual void AbgezweigtMalen(std::size_t /*band*/, unsigned /*thread*/) {}
    virtual void AbgezweigtEnde() {}

protected:
    // Backend primitives. Pen, Brush and Font are read from the members.
    virtual void DoLine(TPoint from, TPoint to) = 0;
    virtual void DoRectangle(TRect r) = 0;  // normalised
    virtual void DoRoundRect(TRect r, int w, int h) = 0;
    virtual void DoEllipse(TRect r) = 0;  // normalised
    virtual void DoPolygon(const std::vector<TPoint>& points, bool closed) = 0;
    virtual void DoFillRect(TRect r) = 0;  // normalised
    virtual void DoTextOut(TPoint at, const QString& text) = 0;
    virtual QSize DoTextExtent(const QString& text) = 0;
    virtual void DoDraw(TRect target, const QImage& image) = 0;
    virtual void DoDrawOver(TPoint at, const QImage& image) { DoDraw(TRect{at.X, at.Y, at.X + image.width(), at.Y + image.height()}, image); }
    virtual void DoClipChanged() = 0;

    static TRect Normalised(int x1, int y1, int x2, int y2);

    TPoint FPenPos;
    bool FHasClip = false;
    TRect FClip;
};

// A canvas that paints through a QPainter onto a paint device. Logical
// coordinates map to device coordinates as device = logical * scale + offset
// on each axis; the screen bitmap uses scale 1 and offset 0.
//
// On a 32-bit image at one logical unit per pixel the calls are not painted
// at once: they are kept as a list of commands, already cut into bands of
// rows, and painted on Flush or DrawPending, band by band. Each band paints
// through its own painter, clipped to its rows, onto the same pixels, in the
// order of the calls; the bands do not overlap, so they may run on several
// threads at once (SetPool) and the picture is the same pixel for pixel.
// Wide pens are filled by the canvas itself, and small ellipses come from
// pictures painted once.
class TPainterCanvas : public TCanvas {
public:
    ~TPainterCanvas() override;
    void Flush() override;
    void DrawPending() override;
    // Paints the bands on this pool's threads from now on (null: on the
    // calling thread, which also waits for the pool). What is pending is
    // painted first. The pool must outlive its use here; the canvas only
    // uses it inside Flush and DrawPending.
    void SetPool(TArbeiterPool* pool);
    // Forgets what was drawn since the last Flush or DrawPending, unpainted.
    void Discard();
    void CloseRun() override { FlushLines(); }
    void Linien(std::span<const TGraphBefehl> befehle) override;
    std::size_t Abzweigen() override;
    std::size_t AbzweigBaender() override;
    void AbgezweigtMalen(std::size_t band, unsigned thread) override;
    void AbgezweigtEnde() override;
    // What is kept from picture to picture, both bounded: the pictures of
    // small ellipses and the tables of wide pens' step shapes.
    std::size_t EllipsenBilder() const { return FEllipsen.size(); }
    std::size_t MusterTafeln() const;

    // The kept commands, by band (canvas.cpp).
    struct TListe;

    // What the canvas made and painted, counted; each count costs an
    // addition where it happens, on the drawing thread.
    struct TZaehlung {
        std::uint64_t Baender = 0;         // bands painted (one per painting without bands)
        std::uint64_t Bandbefehle = 0;     // commands the painted bands were given, summed
        std::uint64_t Zustaende = 0;       // pens and brushes made for kept commands
        std::uint64_t Ellipsenbilder = 0;  // small ellipses painted into a picture
        std::uint64_t Formen = 0;          // wide pens' step shapes made (read at Flush)
        std::uint64_t Abgezweigt = 0;      // lists set apart and painted while drawing went on
    };
    const TZaehlung& Zaehlung() const { return FZaehlung; }

protected:
    TPainterCanvas();
    // The device to paint on; null when there is none yet.
    virtual QPaintDevice* Device() = 0;
    // Dots per inch that a font point size is measured in.
    virtual double FontDpi() const { return 96.0; }
    // Device units per logical unit (may be negative for y up) and offset.
    void SetMapping(double sx, double sy, double ox, double oy);
    bool IsIdentityMapping() const { return FSx == 1.0 && FSy == 1.0 && FOx == 0.0 && FOy == 0.0; }
    // Pens no wider than this many device units draw the thinnest line the
    // device has (one pixel on the screen, however the picture is scaled).
    virtual double HaarlinienBreite() const { return 1.0; }
    // Device units per screen pixel: dashes and dots of thin pens keep the
    // length they have on the screen.
    virtual double MusterSkala() const { return 1.0; }
    // Whether the texts drawn from now on are smoothed (on by default).
    void SetTextAntialiasing(bool on);
    // The painter on the device, begun on first use; null when the device
    // cannot be painted on or the calls are being kept as commands.
    QPainter* Painter();
    // Draws the pending run of lines, without ending the painter.
    void FlushLines();

    void DoLine(TPoint from, TPoint to) override;
    void DoRectangle(TRect r) override;
    void DoRoundRect(TRect r, int w, int h) override;
    void DoEllipse(TRect r) override;
    void DoPolygon(const std::vector<TPoint>& points, bool closed) override;
    void DoFillRect(TRect r) override;
    void DoTextOut(TPoint at, const QString& text) override;
    QSize DoTextExtent(const QString& text) override;
    void DoDraw(TRect target, const QImage& image) override;
    void DoDrawOver(TPoint at, const QImage& image) override;
    void DoClipChanged() override;

private:
    void BildMalen(TRect target, const QImage& image, int art);
    // Begins drawing on the device: true when the calls are kept as
    // commands (FListe), false when they are painted at once (FPainter).
    bool Aufzeichnen();
    void ListeMalen();
    // The index of the kept pen and brush (commands refer to it).
    std::uint32_t Zustand(const TPen& pen, const TBrush& brush);

    // Consecutive LineTo calls with one pen are drawn as one polyline (see
    // FlushLines): the same pixels, far fewer painter calls.
    bool Unsichtbar(TPoint from, TPoint to) const;
    void ApplyPen();
    QPen MakePen(const TPen& pen) const;
    // Draws a small ellipse from a picture painted once; false when the
    // ellipse must be painted by the painter.
    bool EllipseAusVorrat(TRect r);
    void ApplyBrush();
    QFont MakeFont() const;
    QPointF Map(TPoint p) const;
    QRectF MapRect(TRect r) const;  // device rectangle of the covered pixels

    std::unique_ptr<QPainter> FPainter;
    std::unique_ptr<TListe> FListe;
    std::unique_ptr<TListe> FListeVorrat;  // an ended list, kept for its buffers
    std::unique_ptr<TListe> FAbgezweigt;   // set apart, being painted (Abzweigen)
    // Paints what was set apart and not yet ended, on this thread.
    void AbgezweigtNachholen();
    TArbeiterPool* FPool = nullptr;
    bool FTextGlatt = true;
    QPaintDevice* FDevice = nullptr;  // while the painter or the list is active
    QPolygonF FLines;
    TPoint FLinesEnd;
    bool FLinesPixelGenau = false;  // thin pen, one logical unit per pixel
    // Wide pen on a kept list: the run is kept in FKette and filled by the
    // canvas rather than stroked by the painter (see FlushLines).
    bool FLinesSelbst = false;
    std::vector<TPoint> FKette;
    // Thin pen on a kept list: the run's points go straight into the list's
    // points, from FLinesVon on (see FlushLines).
    bool FLinesListe = false;
    std::size_t FLinesVon = 0;
    // The wide pens' step patterns (canvas.cpp), kept from picture to picture.
    std::unique_ptr<TMusterVorrat> FMuster;
    TPen FLinesPen;  // the pen of the pending run
    int FGeraetB = 0, FGeraetH = 0;  // device size, read once per painter
    struct TEllipsenBild {
        int W = 0, H = 0, Rand = 0;
        TPen Stift;
        TBrush Pinsel;
        QImage Bild;
        std::shared_ptr<const TDeckung> Deckung;  // its painted pixels by row
    };
    std::vector<TEllipsenBild> FEllipsen;
    bool FPenValid = false;
    bool FBrushValid = false;
    TPen FAppliedPen;
    TBrush FAppliedBrush;
    double FSx = 1.0, FSy = 1.0, FOx = 0.0, FOy = 0.0;
    TZaehlung FZaehlung;
};

// The screen bitmap backend: device pixels, y down. The image is owned by the
// caller and must outlive the canvas; call Flush() before reading, copying or
// resizing it.
class TImageCanvas : public TPainterCanvas {
public:
    explicit TImageCanvas(QImage* image);
    ~TImageCanvas() override;
    // Points the canvas at another (or resized) image. Flushes first.
    void SetImage(QImage* image);
    QImage* Image() const { return FImage; }
    int Width() const override;
    int Height() const override;

protected:
    QPaintDevice* Device() override;

private:
    QImage* FImage = nullptr;
};

// Makes a white bitmap for the screen backend (RGB32, 96 dpi).
QImage MakeScreenImage(int width, int height);

// The pixels behind a screen bitmap that is drawn anew again and again, in
// two sets with room to spare. A picture that is shown elsewhere (it shares
// its pixels with a copy) is not copied when it is drawn on next: it moves
// to the other set. A picture that grows or shrinks a little keeps its set
// and is neither allocated nor cleared again.
class TBildspeicher {
public:
    TBildspeicher();
    ~TBildspeicher();
    TBildspeicher(const TBildspeicher&) = delete;
    TBildspeicher& operator=(const TBildspeicher&) = delete;

    // Makes `bild` a bitmap of w x h (RGB32, 96 dpi) that shares its pixels
    // with no other picture, so that drawing on it copies nothing. Its
    // pixels stay where they can (same set, not shared); otherwise they
    // are those the other set held, or white in a new set. Flush the
    // canvas that paints on `bild` first.
    void Freistellen(QImage& bild, int w, int h);

private:
    struct TSatz;
    std::array<std::shared_ptr<TSatz>, 2> FSaetze;
};

// A canvas that records every drawing call, for tests. Text is measured with
// the same font metrics as the screen backend.
class TRecordingCanvas : public TCanvas {
public:
    enum class TOpKind : std::uint8_t { Line, Rectangle, RoundRect, Ellipse, Polygon, Polyline, FillRect, Text, Draw };

    struct TOp {
        TOpKind Kind = TOpKind::Line;
        std::vector<TPoint> Points;  // line: from, to; polygon/polyline: corners
        TRect Rect;                  // rectangles, ellipses, text cell, image target
        int W = 0, H = 0;            // corner size of a rounded rectangle
        QString Text;
        TPen Pen;
        TBrush Brush;
        TFont Font;
        bool Clipped = false;
        TRect Clip;
    };

    explicit TRecordingCanvas(int width = 1000, int height = 1000, bool printer = false);
    ~TRecordingCanvas() override;

    bool IsPrinter() const override { return FPrinter; }
    int Width() const override { return FWidth; }
    int Height() const override { return FHeight; }

    const std::vector<TOp>& Ops() const { return FOps; }
    void ClearOps() { FOps.clear(); }
    // The recorded operations of one kind, in order.
    std::vector<TOp> OpsOf(TOpKind kind) const;

protected:
    void DoLine(TPoint from, TPoint to) override;
    void DoRectangle(TRect r) override;
    void DoRoundRect(TRect r, int w, int h) override;
    void DoEllipse(TRect r) override;
    void DoPolygon(const std::vector<TPoint>& points, bool closed) override;
    void DoFillRect(TRect r) override;
    void DoTextOut(TPoint at, const QString& text) override;
    QSize DoTextExtent(const QString& text) override;
    void DoDraw(TRect target, const QImage& image) override;
    void DoClipChanged() override {}

private:
    TOp Make(TOpKind kind) const;

    int FWidth;
    int FHeight;
    bool FPrinter;
    std::vector<TOp> FOps;
};
