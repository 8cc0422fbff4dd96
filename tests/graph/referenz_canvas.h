#pragma once
// A frozen screen canvas for comparisons: the serial drawing of the screen
// bitmap as it was before the drawing was split into bands, its own fill of
// wide pens made one step at a time, kept here unchanged so that tests can
// hold every faster path of the real canvas and of the redraw against it,
// pixel for pixel. Only what the screen uses: a 32-bit image at one logical
// unit per pixel.

#include "platform/canvas.h"

#include <QImage>
#include <QPainter>
#include <QPolygonF>

#include <memory>
#include <vector>

class TReferenzCanvas : public TCanvas {
public:
    explicit TReferenzCanvas(QImage* image) : FImage(image) {}
    ~TReferenzCanvas() override { Flush(); }
    int Width() const override { return FImage->width(); }
    int Height() const override { return FImage->height(); }
    void Flush() override;

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
    void DoClipChanged() override;

private:
    QPainter* Painter();
    void FlushLines();
    QPen MakePen() const;
    void ApplyPen();
    void ApplyBrush();
    void Schreibbereich();

    QImage* FImage;
    std::unique_ptr<QPainter> FPainter;
    uchar* FBits = nullptr;
    qsizetype FBpl = 0;
    int FL = 0, FT = 0, FR = 0, FB = 0;  // writable pixels
    QPolygonF FLines;
    std::vector<TPoint> FKette;
    bool FSelbst = false;
    TPoint FEnde;
    TPen FLinesPen;
    bool FPenValid = false, FBrushValid = false;
    TPen FAppliedPen;
    TBrush FAppliedBrush;
};
