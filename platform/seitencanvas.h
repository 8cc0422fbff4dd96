#pragma once
// Canvases on paper-like devices, in logical units of 0.01 mm: the printer
// page and the vector clipboard picture. The drawing code is the same as on
// the screen; only the mapping to the device differs.

#include "platform/canvas.h"

#include <QBuffer>
#include <QByteArray>

#include <memory>

class QPrinter;
class QSvgGenerator;

// Logical units per millimetre.
constexpr int SeiteProMm = 100;

// A printer page (any printer the system knows, or a PDF file). The origin
// is the top left corner of the printable area and y grows upwards, so a
// point b mm below the top has y = -100 b. Font sizes are points on paper.
// Flush or destruction ends the document.
class TPrinterCanvas : public TPainterCanvas {
public:
    explicit TPrinterCanvas(QPrinter* printer);
    ~TPrinterCanvas() override;

    // Starts the document; false when the printer cannot be started.
    bool Beginne();
    // Ends the page and starts the next one.
    void NeueSeite();

    bool IsPrinter() const override { return true; }
    // The printable area in logical units.
    int Width() const override;
    int Height() const override;
    // Logical units per device pixel.
    double Pixel() const;

protected:
    QPaintDevice* Device() override;
    double FontDpi() const override;
    double MusterSkala() const override;

private:
    QPrinter* FPrinter;
};

// The vector clipboard picture: an SVG document of a given size in
// logical units, whose width and height say millimetres. The origin is its
// top left corner and y grows downwards, as in a bitmap. Font sizes follow
// the screen's 96 dpi, as the drawing code measures labels in screen
// points; lines thinner than a screen pixel are drawn one pixel wide.
class TSvgCanvas : public TPainterCanvas {
public:
    TSvgCanvas(int breite, int hoehe);
    ~TSvgCanvas() override;

    int Width() const override { return FBreite; }
    int Height() const override { return FHoehe; }

    // Ends the painting and gives the document.
    QByteArray Svg();

protected:
    QPaintDevice* Device() override;
    double HaarlinienBreite() const override;
    double MusterSkala() const override;

private:
    int FBreite;
    int FHoehe;
    QBuffer FPuffer;
    std::unique_ptr<QSvgGenerator> FGenerator;
    bool FFertig = false;
};
