// The text layer of the graph picture: labels, point names, centre names,
// and the one routine that writes a text anchored at a view position.
#include "graph/graphik.h"

#include "engine/tabellen.h"
#include "engine/zahlen.h"

#include <algorithm>
#include <cmath>

namespace {

// A font size follows the view's scale; these bounds keep a damaged size
// (0, negative, or absurdly large) from making an invisible or a huge text.
constexpr int KleinsteSchrift = 1;
constexpr int GroessteSchrift = 1000;

// Anchors beyond this many device units lie outside every picture and
// page; they are not handed to the canvas at all.
constexpr std::int64_t FernsterAnker = 10000000;

// Offsets of a name from its point, in view units.
constexpr double AbstandLinks = 0.13;
constexpr double AbstandUnten = 0.13;
constexpr double AbstandRechts = 0.15;
constexpr double AbstandObenJePunkt = 0.05;  // per point of font size

}  // namespace

TFont TGraphik::SchriftAusRecord(const TSchrift& s)
{
    TFont f;
    f.Name = QString::fromStdString(s.Name);
    f.Size = s.Size;
    f.Color = s.Color;
    f.Style = s.Style;
    return f;
}

std::int32_t TGraphik::TextXdev(double x) const
{
    return AxisXdev(x, TextAbbildung.fx, TextAbbildung.offX);
}

std::int32_t TGraphik::TextYdev(long double y) const
{
    return AxisYdev(y, TextAbbildung.fy, TextAbbildung.offY);
}

int TGraphik::TextGroesse(int punkte) const
{
    // One view unit is 1 cm of paper at Massstab 1; a point size is turned
    // into the device units that 0.0264 cm per point give at this scale, so
    // a label keeps its place relative to the drawing when the view zooms.
    const double geraet = std::abs(RoundHalfEven(punkte * 0.0264 * TextAbbildung.fx));
    double groesse = RoundHalfEven(geraet / Massstab);
    if (!std::isfinite(groesse))
        groesse = KleinsteSchrift;
    return static_cast<int>(std::clamp<double>(groesse, KleinsteSchrift, GroessteSchrift));
}

void TGraphik::DrawTextAt(TCanvas& Canvas, const QString& Text, const TFont& Font, double X, double Y,
                          bool RightAligned, bool Centred)
{
    const bool mittig = TextMittigNehmen(RightAligned, Centred);
    if (!std::isfinite(X) || !std::isfinite(Y))
        return;
    const std::int64_t a = TextXdev(XMin + X);
    const std::int64_t b = TextYdev(static_cast<long double>(YMax) - Y);
    if (std::abs(a) > FernsterAnker || std::abs(b) > FernsterAnker)
        return;

    TextAmAnker(Canvas, Text, Font, TextGroesse(Font.Size), a, b, RightAligned, Centred, mittig, 1);
}

bool TGraphik::TextMittigNehmen(bool RightAligned, bool Centred)
{
    const bool mittig = TextMittig;
    if (!RightAligned && !Centred)
        TextMittig = false;
    return mittig;
}

void TGraphik::TextAmAnker(TCanvas& Canvas, const QString& Text, const TFont& Font, int groesse, std::int64_t a,
                           std::int64_t b, bool RightAligned, bool Centred, bool mittig, int unten)
{
    Canvas.Font.Name = Font.Name;
    Canvas.Font.Style = Font.Style;
    Canvas.Font.Size = groesse;
    Canvas.Font.Color = Farbig() ? Font.Color : clBlack;
    const std::int64_t breite = Canvas.TextWidth(Text);
    const std::int64_t hoehe = Canvas.TextHeight(Text);
    std::int64_t x = a;
    std::int64_t y = b;
    if (Centred) {
        x = a - breite / 2;
    } else if (RightAligned) {
        x = a - breite;
        y = b - unten * (hoehe / 2);
    } else if (mittig) {
        y = b - unten * (hoehe / 2);
    }
    Canvas.TextOut(SaturateToInt32(static_cast<double>(x)), SaturateToInt32(static_cast<double>(y)), Text);
}

void TGraphik::BeschriftungenZeichnen(TCanvas& Canvas, bool vorne)
{
    for (int k = 1; k <= 9; ++k) {
        const TBeschriftung& b = Beschriftungen[k];
        Canvas.Brush.Color = clWhite;
        if (b.Text.empty() || (b.Vorne != 0) != vorne)
            continue;
        DrawTextAt(Canvas, QString::fromStdString(b.Text), SchriftAusRecord(b.Font), b.X, b.Y, false, false);
    }
}

void TGraphik::NameZeichnen(TCanvas& Canvas, const TPunkt& p, const TFont& Font)
{
    TextMittig = false;
    const auto v = AnsichtsPunkt(p.X, p.Y);
    if (!v || p.Name.empty())
        return;
    const QString name = QString::fromStdString(p.Name);
    const double links = v->X - XMin;
    const double oben = YMax - v->Y;
    switch (p.NamePos) {
    case NameLinks:
        DrawTextAt(Canvas, name, Font, links - AbstandLinks, oben, true, false);
        break;
    case NameOben:
        DrawTextAt(Canvas, name, Font, links, oben - Font.Size * AbstandObenJePunkt, false, true);
        break;
    case NameUnten:
        DrawTextAt(Canvas, name, Font, links, oben + AbstandUnten, false, true);
        break;
    case NameRechts:
        TextMittig = true;
        DrawTextAt(Canvas, name, Font, links + AbstandRechts, oben, false, false);
        TextMittig = false;
        break;
    default:
        break;
    }
}

void TGraphik::DrawLabels(TCanvas& Canvas, double ScaleX, double ScaleY, double offX, double offY)
{
    TextAbbildung = TTextAbbildung{ScaleX, ScaleY, offX, offY};
    if (!ViewValid() || !std::isfinite(ScaleX) || !std::isfinite(ScaleY))
        return;

    // Labels not in front: transparent, so what lies below shows through
    // between the letters.
    Canvas.Brush.Color = clWhite;
    Canvas.Brush.Style = TBrushStyle::Clear;
    BeschriftungenZeichnen(Canvas, false);
    // Labels in front stand on a white box that covers what lies below.
    Canvas.Brush.Style = TBrushStyle::Solid;
    BeschriftungenZeichnen(Canvas, true);
    Canvas.Brush.Style = TBrushStyle::Solid;

    // Point names on white boxes, in the point's colour (a point without
    // its place has none: NameZeichnen skips it).
    for (int k = 1; k <= 10; ++k) {
        const TPunkt& p = Punkte[k];
        TFont f = SchriftAusRecord(p.Font);
        f.Color = p.Color;
        NameZeichnen(Canvas, p, f);
    }

    // Centre names, transparent, in a fixed font; shown whether or not the
    // circle shows its centre marker.
    Canvas.Brush.Style = TBrushStyle::Clear;
    for (int k = 11; k <= 20; ++k) {
        const TPunkt& p = Punkte[k];
        TFont f;
        f.Name = QStringLiteral("Tahoma");
        f.Size = 10;
        f.Style = 0;
        f.Color = p.Color;
        NameZeichnen(Canvas, p, f);
    }
    Canvas.Brush.Style = TBrushStyle::Solid;
}
