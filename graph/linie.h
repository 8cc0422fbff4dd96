#pragma once
// TLinie: a straight segment of a fixed length in pixels, centred on a
// pixel and pointing in a given direction, drawn on a canvas it is handed.
// The graph window's preview draws the tangent, the normal, the line under
// construction and the vertical through the pointer with it, long enough to
// cross the whole picture.

#include "engine/farben.h"

#include <cstdint>

class TCanvas;

class TLinie {
public:
    // A new segment has every field zero: length 0, black, no canvas.
    TLinie() = default;
    virtual ~TLinie() = default;
    TLinie(const TLinie&) = delete;
    TLinie& operator=(const TLinie&) = delete;

    // From (X1, Y1) to (X2, Y2) in Color; only the pen colour is set, width
    // and style are the canvas's own.
    virtual void Draw();
    // The ends for centre (cx, cy) in pixels and direction (dx, dy) in the
    // orientation of the plane (y up): the first end lies against the
    // direction, the second along it, Length / 2 from the centre each,
    // rounded half to even. A direction without length (or not a number)
    // leaves the ends as they were.
    virtual void SetLine(double cx, double cy, double dx, double dy);
    virtual void SetLength(std::int32_t n);
    virtual void SetColor(TColor c);
    virtual void SetColor2(TColor c);
    virtual void SetCanvas(TCanvas* canvas);
    // As Draw, in Color2.
    virtual void Draw2();

    std::int32_t Length = 0;
    std::int32_t X1 = 0;
    std::int32_t X2 = 0;
    std::int32_t Y1 = 0;
    std::int32_t Y2 = 0;
    TCanvas* Canvas = nullptr;  // not owned
    TColor Color = 0;
    TColor Color2 = 0;

private:
    void Zeichne(TColor farbe);
};
