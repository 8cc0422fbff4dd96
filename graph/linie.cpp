#include "graph/linie.h"

#include "engine/zahlen.h"
#include "platform/canvas.h"

#include <cmath>

void TLinie::Draw()
{
    Zeichne(Color);
}

void TLinie::Draw2()
{
    Zeichne(Color2);
}

void TLinie::Zeichne(TColor farbe)
{
    if (!Canvas)
        return;
    Canvas->Pen.Color = farbe;
    Canvas->MoveTo(X1, Y1);
    Canvas->LineTo(X2, Y2);
}

void TLinie::SetLine(double cx, double cy, double dx, double dy)
{
    // hypot: a steep direction such as (1, 1e300) keeps its length finite.
    const double betrag = std::hypot(dx, dy);
    if (!(betrag > 0) || !std::isfinite(betrag))
        return;
    const double k = Length / (2.0 * betrag);
    // Pixel y grows downward: the y ends are mirrored against the x ends.
    X1 = RoundToInt32(cx - dx * k);
    X2 = RoundToInt32(cx + dx * k);
    Y1 = RoundToInt32(cy + dy * k);
    Y2 = RoundToInt32(cy - dy * k);
}

void TLinie::SetLength(std::int32_t n)
{
    Length = n;
}

void TLinie::SetColor(TColor c)
{
    Color = c;
}

void TLinie::SetColor2(TColor c)
{
    Color2 = c;
}

void TLinie::SetCanvas(TCanvas* canvas)
{
    Canvas = canvas;
}
