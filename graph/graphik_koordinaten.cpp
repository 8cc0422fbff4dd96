// The coordinate system layer of the graph picture: the labels that are not
// in front, the grid, the axes with their arrows and ticks, the numbering
// (decimal or in units of pi), the axis captions and the labels in front.
#include "graph/graphik.h"

#include "engine/tabellen.h"
#include "engine/zahlen.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSlider>

#include <cmath>
#include <cstdint>

namespace {

// A view so large that its grid, ticks or numbers would need more lines
// than this is drawn without them: they would merge into a solid area.
constexpr std::int64_t MeisteLinien = 100000;

const QString Pi = QString(QChar(0x03C0));

// Track bar positions of the x unit that number the axis in units of pi.
constexpr int PositionPiDrittel = 2;
constexpr int PositionPiHalbe = 3;
constexpr int PositionPi = 5;

// The grid's line colour for a colour scheme letter; black for none.
TColor GitterLinienFarbe(const std::array<TColor, 4>& farben, char schema)
{
    switch (schema) {
    case 'a': return farben[1];
    case 'b': return farben[2];
    case 'c': return farben[3];
    default: return farben[0];
    }
}

TColor MillimeterFarbe(char schema)
{
    switch (schema) {
    case 'a': return RGB(223, 191, 191);
    case 'b': return RGB(230, 230, 230);
    case 'c': return RGB(234, 255, 234);
    default: return RGB(192, 192, 192);
    }
}

QString Zahl(std::int64_t k) { return QString::number(k); }

}  // namespace

QString TGraphik::PiText(std::int64_t k, int position)
{
    const QString minus = k < 0 ? QStringLiteral("-") : QString();
    const std::int64_t betrag = k < 0 ? -k : k;
    switch (position) {
    case PositionPi:
        if (betrag == 1)
            return minus + Pi;
        return Zahl(k) + Pi;
    case PositionPiHalbe:
        if (betrag == 2)
            return minus + Pi;
        if (k % 2 == 0)
            return Zahl(k / 2) + Pi;
        if (betrag == 1)
            return minus + Pi + QStringLiteral("/2");
        return Zahl(k) + Pi + QStringLiteral("/2");
    case PositionPiDrittel:
        if (betrag == 3)
            return minus + Pi;
        if (k % 3 == 0)
            return Zahl(k / 3) + Pi;
        if (betrag == 1)
            return minus + Pi + QStringLiteral("/3");
        if (betrag == 2)
            return minus + QStringLiteral("2") + Pi + QStringLiteral("/3");
        return Zahl(k) + Pi + QStringLiteral("/3");
    default:
        return QString();
    }
}

bool TGraphik::IstPiPosition(int position)
{
    return position == PositionPi || position == PositionPiHalbe || position == PositionPiDrittel;
}

double TGraphik::XTeilstrichWert(std::int64_t k, double einheit)
{
    // Two decimals hide the noise of binary fractions (3 * 0.1), but a unit
    // typed with more decimals keeps them: 0.125 must read 0,125, not 0,12.
    int stellen = 2;
    double faktor = 100.0;
    while (stellen < 15) {
        const double gerundet = RoundHalfEven(einheit * faktor) / faktor;
        if (std::abs(gerundet - einheit) <= 1e-9 * std::abs(einheit))
            break;
        ++stellen;
        faktor *= 10.0;
    }
    const double wert = static_cast<double>(k) * einheit;
    const double skaliert = wert * faktor;
    if (!std::isfinite(skaliert) || std::abs(skaliert) >= 1e15)
        return wert;
    return RoundHalfEven(skaliert) / faktor;
}

void TGraphik::DrawCoordinateSystem(TCanvas& Canvas, double fx, double fy, double offX, double offY)
{
    TextAbbildung = TTextAbbildung{fx, fy, offX, offY};
    if (!ViewValid() || !std::isfinite(fx) || !std::isfinite(fy) || !std::isfinite(offX) || !std::isfinite(offY))
        return;

    auto X = [&](double x) { return AxisXdev(x, fx, offX); };
    auto Y = [&](long double y) { return AxisYdev(y, fy, offY); };
    auto linie = [&](double x1, long double y1, double x2, long double y2) {
        Canvas.MoveTo(X(x1), Y(y1));
        Canvas.LineTo(X(x2), Y(y2));
    };
    auto breite = [&](double tausendstel) { return RoundToInt32(tausendstel * fx / 1000.0); };

    const std::int64_t xMin = XMin, xMax = XMax, yMin = YMin, yMax = YMax;
    const bool farbig = Farbig();
    const bool achsen = Ansicht.Achsen;
    const bool skaliert = achsen && Ansicht.Zahlen;

    // 1. Labels that are not in front, under everything else.
    Canvas.Brush.Style = TBrushStyle::Solid;
    BeschriftungenZeichnen(Canvas, false);

    // 2. The canvas font.
    Canvas.Font.Name = QStringLiteral("Tahoma");
    Canvas.Font.Style = 0;
    Canvas.Font.Color = clBlack;

    // 3. and 4. The grid. An empty code counts as no grid.
    const char art = Gitter.empty() ? '0' : Gitter[0];
    const char schema = Gitter.size() > 1 ? Gitter[1] : '\0';
    Canvas.Pen.Color = farbig ? GitterLinienFarbe(GitterFarbe, schema) : clBlack;
    Canvas.Pen.Width = breite(2);
    switch (art) {
    case '6': case '7': Canvas.Pen.Style = TPenStyle::Dash; break;
    case '3': case '4': Canvas.Pen.Style = TPenStyle::Dot; break;
    default: Canvas.Pen.Style = TPenStyle::Solid; break;
    }

    // Lines every 1/teil unit, horizontal ones first.
    auto gitter = [&](std::int64_t teil) {
        if ((yMax - yMin) * teil > MeisteLinien || (xMax - xMin) * teil > MeisteLinien)
            return;
        const double d = static_cast<double>(teil);
        for (std::int64_t k = yMin * teil; k <= yMax * teil; ++k)
            linie(XMin, k / d, XMax + 0.01, k / d);
        for (std::int64_t k = xMin * teil; k <= xMax * teil; ++k)
            linie(k / d, YMax, k / d, YMin);
    };
    switch (art) {
    case '1': case '3': case '7':
        gitter(2);
        break;
    case '2': case '4': case '6':
        gitter(1);
        break;
    case '5':
        // Millimetre paper: fine lines every tenth, stronger ones every half.
        Canvas.Pen.Width = 1;
        Canvas.Pen.Style = TPenStyle::Solid;
        Canvas.Pen.Color = farbig ? MillimeterFarbe(schema) : RGB(192, 192, 192);
        gitter(10);
        if (!farbig)
            Canvas.Pen.Color = clBlack;
        else if (schema == 'a' || schema == 'b' || schema == 'c')
            Canvas.Pen.Color = GitterLinienFarbe(GitterFarbe, schema);
        else
            Canvas.Pen.Color = RGB(128, 128, 128);
        gitter(2);
        break;
    default:
        break;
    }

    // 5. to 9. Axes with filled arrow heads, and the ticks.
    Canvas.Pen.Style = TPenStyle::Solid;
    Canvas.Pen.Color = clBlack;
    Canvas.Pen.Width = breite(40);
    auto pfeil = [&](std::vector<TPoint> ecken) {
        Canvas.Brush = TBrush{clBlack, TBrushStyle::Solid};
        Canvas.Pen.Width = breite(2);
        Canvas.Polygon(ecken);
        Canvas.Brush = TBrush{clWhite, TBrushStyle::Solid};
    };
    const bool tickZahl = (yMax - yMin) <= MeisteLinien && (xMax - xMin) <= MeisteLinien;
    if (achsen) {
        linie(0, YMax - 0.1L, 0, YMin);
        pfeil({{X(0), Y(YMax)}, {X(-0.09), Y(YMax - 0.25L)}, {X(0.09), Y(YMax - 0.25L)}});
    }
    Canvas.Pen.Width = breite(40);
    if (skaliert && tickZahl)
        for (std::int64_t k = yMin + 1; k <= yMax - 1; ++k)
            linie(-0.08, k, 0.08, k);
    if (achsen) {
        linie(XMin, 0, XMax - 0.1, 0);
        pfeil({{X(XMax), Y(0)}, {X(XMax - 0.25), Y(0.1L)}, {X(XMax - 0.25), Y(-0.1L)}});
    }
    Canvas.Pen.Width = breite(40);
    if (skaliert && tickZahl)
        for (std::int64_t k = xMin + 1; k <= xMax - 1; ++k)
            linie(static_cast<double>(k), -0.08L, static_cast<double>(k), 0.08L);

    if (!skaliert)
        return BeschriftungenVorne(Canvas);

    // 10. The x numbering, in the fixed number font. Positions are given
    // in view coordinates; DrawTextAt counts from the view's top-left corner.
    TFont zahlen;
    zahlen.Name = QStringLiteral("Tahoma");
    zahlen.Size = 10;
    zahlen.Color = clBlack;
    zahlen.Style = 0;
    auto text = [&](const QString& s, double x, double y, bool rechts, bool mitte) {
        DrawTextAt(Canvas, s, zahlen, x - XMin, YMax - y, rechts, mitte);
    };
    const char trenner = Dezimaltrenner();
    const int position = TrackBar2->value();
    if (tickZahl) {
        for (std::int64_t k = xMin + 1; k <= xMax - 1; ++k) {
            if (k == 0)
                text(QStringLiteral("0"), -0.3, -0.075, false, false);
            else if (IstPiPosition(position))
                text(PiText(k, position), static_cast<double>(k), -0.05, false, true);
            else
                text(QString::fromStdString(FormatGeneral(XTeilstrichWert(k, EinheitX), 8, 2, trenner)),
                     static_cast<double>(k), -0.075, false, true);
        }
    }

    // 11. The x caption.
    text(QString::fromStdString(Ansicht.XAchse), XMax - 0.1, 0.35, true, false);

    // 12. The y numbering and the y caption.
    if (tickZahl) {
        for (std::int64_t k = yMin + 1; k <= yMax - 1; ++k) {
            if (k == 0)
                continue;
            const long double wert = static_cast<long double>(k) * EinheitY;
            text(QString::fromStdString(FormatGeneral(wert, 8, 2, trenner)), -0.12, static_cast<double>(k), true,
                 false);
        }
    }
    text(QString::fromStdString(Ansicht.YAchse), 0.2, YMax - 0.15, false, false);

    // 13. Labels in front.
    BeschriftungenVorne(Canvas);
}

void TGraphik::BeschriftungenVorne(TCanvas& Canvas)
{
    Canvas.Brush.Style = TBrushStyle::Solid;
    BeschriftungenZeichnen(Canvas, true);
}
