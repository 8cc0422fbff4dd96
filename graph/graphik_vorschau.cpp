// The construction preview: the 20 ms tick, the inputs it gathers for the
// preview's numbers (engine/vorschau.h), and the figures it draws on the
// displayed picture: the point, trace point, vertical, tangent or normal
// with its slope triangle, the line and the parabola of the assistants with
// their dimension lines, the circle being opened, and the equation box.

#include "graph/graphik_modi.h"

#include "engine/funktion.h"
#include "engine/tabellen.h"
#include "engine/vorschau.h"
#include "engine/zahlen.h"
#include "tools/trace_dlg.h"
#include "platform/sprache.h"
#include "platform/statusleiste.h"

#include <QAction>
#include <QFontMetrics>
#include <QSlider>

#include <algorithm>
#include <array>
#include <optional>

namespace {

constexpr TColor Orange = RGB(255, 128, 0);
constexpr TColor Rot = RGB(255, 0, 0);
constexpr TColor Blau = RGB(0, 0, 255);
constexpr TColor Gruen = RGB(0, 128, 0);
constexpr TColor Hellgruen = RGB(0, 255, 0);   // rising slope triangle
constexpr TColor Etikettgruen = RGB(0, 193, 0); // m of a rising line
constexpr TColor Weiss = RGB(255, 255, 255);

QString Q(const std::string& s)
{
    return QString::fromStdString(s);
}

// The equation box of each mode that has one: colour and least width.
struct TKasten {
    std::int32_t Modus;
    TColor Farbe;
    int Mindestbreite;
};
constexpr std::array<TKasten, 8> Kaesten = {{
    {ModusParabelD, Rot, 95},
    {ModusParabelE, Rot, 125},
    {ModusParabelA, Rot, 155},
    {ModusKreisRadius, Gruen, 160},  // the radius part in red
    {ModusTangente, Blau, 145},
    {ModusGeradeB, Blau, 120},
    {ModusGeradeM, Blau, 80},
    {ModusSenkrechte, Gruen, 60},
}};

// The equation box at the lower left. Its brush style is the one the
// instruction box left: solid (white) in modes 4 and 5, clear elsewhere.
void DrawEquationBox(TCanvas& c, std::int32_t modus, const TVorschauErgebnis& erg, int hoehe)
{
    const auto k = std::find_if(Kaesten.begin(), Kaesten.end(), [modus](const TKasten& k) { return k.Modus == modus; });
    if (k == Kaesten.end())
        return;
    c.Pen.Color = k->Farbe;
    c.Font.Color = k->Farbe;
    c.Brush.Color = Weiss;
    c.Font.Style = 0;
    const QString t1 = Q(erg.Gleichung);
    const QString t2 = Q(erg.Gleichung2);
    const int h = c.TextHeight(Txt(215));
    c.Rectangle(5, hoehe - 27, std::max(c.TextWidth(t1 + t2), k->Mindestbreite) + 19, hoehe - 21 + h);
    c.TextOut(12, hoehe - 24, t1);
    if (!t2.isEmpty()) {
        c.Font.Color = Rot;
        c.TextOut(12 + c.TextWidth(t1), hoehe - 24, t2);
    }
}

// Point marker: its offsets to the right and below are larger than those to
// the left and above.
void Marke(TCanvas& c, const TVorschauMasse& m, int x, int y)
{
    c.Ellipse(x + m.r2, y + m.r2, x - m.r1, y - m.r1);
}

// The flag of a circle centre, 12 x 37 pixels with its top-left corner at
// (x, y): a pole whose foot stands at (x + 4, y + 33) and a green pennant.
// Pen and brush are left as they were.
void FahneZeichnen(TCanvas& c, int x, int y)
{
    const TPen stift = c.Pen;
    const TBrush pinsel = c.Brush;
    c.Pen = TPen{RGB(80, 60, 40), 2, TPenStyle::Solid};
    c.MoveTo(x + 4, y + 34);
    c.LineTo(x + 4, y + 1);
    c.Pen = TPen{Gruen, 1, TPenStyle::Solid};
    c.Brush = TBrush{Gruen, TBrushStyle::Solid};
    c.Polygon({{x + 5, y + 1}, {x + 11, y + 5}, {x + 5, y + 10}});
    c.Pen = stift;
    c.Brush = pinsel;
}

}  // namespace

TVorschauAbbildung TGraphik::VorschauAbbildung() const
{
    TVorschauAbbildung a;
    a.XMin = XMin;
    a.XMax = XMax;
    a.YMin = YMin;
    a.YMax = YMax;
    a.EinheitX = EinheitX;
    a.EinheitY = EinheitY;
    a.BildBreite = BildBreite;
    a.BildHoehe = BildHoehe;
    return a;
}

// ---------------------------------------------------------------------------
// The tick

void TGraphik::AnimatorTimer()
{
    const TModusEintrag* e = ModusEintrag(Modus);
    if (!e || !e->VorschauFolgt)
        return;
    // A resting pointer shows nothing new, except the slope step (it
    // redraws every tick) and a family's trace or tangent, whose parameter
    // can change in the trace window meanwhile.
    const bool schar = Zustand.Editor.Eingabeart == ArtFunktionenschar;
    const bool immer = Modus == ModusGeradeM || ((Modus == ModusSpur || Modus == ModusTangente) && schar);
    if (MausX == LetzteMausX && MausY == LetzteMausY && !immer)
        return;

    const TVorschauErgebnis erg = VorschauBerechnen(MausX, MausY);
    // No slope on the y axis, no trace point off the graph: the screen keeps
    // its frame, and the next tick tries again.
    if (!erg.Zeichnen)
        return;
    CopyBildToAnzeigebild();
    DrawModeHints();
    const bool deutsch = Zustand.Sprache == SpracheDeutsch;
    VorschauZeichnen(*AnzeigebildCanvas, erg, deutsch);
    // A playing effect keeps the screen; the pointer is followed all the same.
    if (!EffektLaeuft)
        CopyToPaintBox();
    LetzteMausX = MausX;
    LetzteMausY = MausY;
}

TVorschauErgebnis TGraphik::VorschauBerechnen(int X, int Y)
{
    TVorschauEingabe ein;
    ein.Modus = Modus;
    ein.IstTangente = IstTangente;
    ein.Raster = TrackBar3->value();
    ein.X = PixelToWorldXSnapped(X);
    ein.Sprache.Trenner = Dezimaltrenner();
    ein.Sprache.Tangente = Txt(215).toStdString();
    ein.Sprache.Normale = Txt(216).toStdString();
    ein.Sprache.NichtDefiniert = Txt(513).toStdString();
    if (Modus == ModusSpur || Modus == ModusTangente) {
        // The selected function at x, with the trace window's parameter for
        // a family.
        double t = 0.0;
        if (Zustand.Editor.Eingabeart == ArtFunktionenschar && TraceParam) {
            bool ersetzt = false;
            t = TraceParam->VorschauParameter(ersetzt);
            if (ersetzt && CursorBar)
                CursorBar->setFocus();
        }
        TFunktion* f = Funktionen[0];
        const TWertAn wert = [f, t](long double x) -> std::optional<long double> {
            if (!f)
                return std::nullopt;
            f->Evaluate(x, static_cast<long double>(t));
            if (f->GetValueValid() && f->GetCompiled())
                return f->GetValue();
            return std::nullopt;
        };
        ein.Proben = Abtasten(wert, ein.X, IstTangente);
    } else {
        ein.Y = PixelToWorldYSnapped(Y);
    }

    TVorschauStand stand;
    stand.SteigungM = SteigungM;
    stand.VerschiebungD = VerschiebungD;
    stand.VerschiebungE = VerschiebungE;
    stand.FaktorA = FaktorA;
    stand.Gueltig = VorschauGueltig;
    stand.VorschauTerm = VorschauTerm.toStdString();
    TVorschauErgebnis erg = VorschauRechnen(ein, stand, Flagge);
    SteigungM = stand.SteigungM;
    VerschiebungD = stand.VerschiebungD;
    VerschiebungE = stand.VerschiebungE;
    FaktorA = stand.FaktorA;
    VorschauGueltig = stand.Gueltig;
    VorschauTerm = Q(stand.VorschauTerm);

    if (Modus == ModusParabelD || Modus == ModusParabelE || Modus == ModusParabelA) {
        const TVorschauAbbildung abb = VorschauAbbildung();
        erg.ScheitelX = PixelToWorldXSnapped(abb.WorldToPixelX(VerschiebungD));
        erg.ScheitelY = PixelToWorldYSnapped(abb.WorldToPixelY(VerschiebungE));
    }

    XText = Q(erg.Koordinaten.XText);
    YText = Q(erg.Koordinaten.YText);
    KoordText = Q(erg.Koordinaten.KoordText);
    if (StatusBar1 && Modus != ModusBeschriftung) {
        StatusBar1->Panels[0].Text = KoordText;
        StatusBar1->Panels[0].Width =
            std::max(QFontMetrics(font()).horizontalAdvance(KoordText) + 12, erg.Koordinaten.Breite);
        StatusBar1->update();
    }
    return erg;
}

// ---------------------------------------------------------------------------
// The figures

void TGraphik::VorschauZeichnen(TCanvas& c, const TVorschauErgebnis& erg, bool deutsch)
{
    const TVorschauAbbildung abb = VorschauAbbildung();
    const TVorschauMasse ms = VorschauMasse(abb, Massstab);
    // The drawing area's size (Anzeigebild is as large).
    const int breite = BildBreite + 1;
    const int hoehe = BildHoehe + 1;
    // The font height as a canvas reports it for a size in points
    // (negative): (h - 6) div 2 centres a label on its point.
    const int h = SchriftHoehe(ms.Schrift);
    const int mitte = (h - 6) / 2;
    const char trenner = Dezimaltrenner();
    const auto px = [&abb](double v) { return abb.WorldToPixelX(v); };
    const auto py = [&abb](double v) { return abb.WorldToPixelY(v); };
    Linie.SetCanvas(&c);

    DrawEquationBox(c, Modus, erg, hoehe);

    // Marker and label font of the point-like figures.
    const auto stift = [&](TColor farbe) {
        c.Brush.Style = TBrushStyle::Clear;
        c.Pen.Color = farbe;
        c.Pen.Width = ms.W135;
        c.Font.Color = farbe;
        c.Font.Style = 0;
    };
    // A label on white beside the snapped point.
    const auto koordinaten = [&](int x, int y) {
        c.Brush.Style = TBrushStyle::Solid;
        c.Brush.Color = Weiss;
        c.TextOut(x, y, KoordText);
    };
    // The slope triangle one unit right of the anchor and m up, the long
    // line through the anchor (drawn by the caller, over the labels), the
    // "1" under or over its foot and the slope beside it.
    const auto dreieck = [&](double ax, double ay, double m, TColor linienfarbe, std::optional<TColor> einsFarbe) {
        const TPoint p0{px(ax), py(ay)};
        const TPoint p1{px(ax + 1), py(ay)};
        const TPoint p2{px(ax + 1), py(ay + m)};
        c.Brush.Style = TBrushStyle::Solid;
        c.Brush.Color = m >= 0 ? Hellgruen : Rot;
        c.Polygon({p0, p1, p2});
        Linie.SetColor2(linienfarbe);
        Linie.SetLength(2 * breite);
        Linie.SetLine(p0.X, p0.Y, 1.0 / EinheitX, m / EinheitY);
        c.Pen.Width = ms.W18;
        c.Brush.Color = Weiss;
        c.Font.Size = ms.Schrift;
        if (einsFarbe)
            c.Font.Color = *einsFarbe;
        const QString eins = QStringLiteral("1");
        const int x1 = (p1.X + p0.X - c.TextWidth(eins)) / 2;
        c.TextOut(x1, m >= 0 ? p0.Y + 2 : p0.Y - 2 - c.TextHeight(eins), eins);
        c.Font.Color = m >= 0 ? Etikettgruen : Rot;
        c.TextOut(p1.X + 6, (p0.Y + p2.Y) / 2 + mitte, QStringLiteral("m = ") + Q(ZahlM(m, trenner)));
    };

    switch (Modus) {
    case ModusPunkte:
    case ModusKreisMitte: {
        const int x = px(erg.X);
        const int y = py(erg.Y);
        stift(Gruen);
        c.Font.Size = ms.Schrift;
        if (Modus == ModusPunkte)
            Marke(c, ms, x, y);
        else
            FahneZeichnen(c, x - 4, y - 33);
        koordinaten(x + 12, y + mitte);
        break;
    }
    case ModusSpur: {
        const int x = px(erg.X);
        const int y = py(erg.Y);
        stift(Blau);
        c.Font.Size = ms.Schrift;
        c.Rectangle(x + ms.SpurRechts, y + ms.SpurRechts, x - ms.SpurLinks, y - ms.SpurLinks);
        koordinaten(x + 2 * ms.s / 3, y + mitte);
        break;
    }
    case ModusSenkrechte:
        Linie.SetColor2(Gruen);
        Linie.SetLength(2 * hoehe + 5);
        Linie.SetLine(px(erg.X), py(erg.Y), 0.0, 1.0);
        c.Pen.Width = ms.W18;
        Linie.Draw2();
        break;
    case ModusTangente:
        if (!erg.Figur)
            break;
        stift(Blau);
        Marke(c, ms, px(erg.X), py(erg.Y));
        dreieck(erg.X, erg.Y, erg.M, Blau, std::nullopt);
        Linie.Draw2();
        break;
    case ModusGeradeM:
        // The outline is the equation box's pen.
        dreieck(0.0, 0.0, erg.M, Orange, Orange);
        Linie.Draw2();
        stift(Blau);
        Marke(c, ms, px(erg.X), py(erg.Y));
        break;
    case ModusGeradeB: {
        dreieck(0.0, erg.B, erg.M, Orange, Orange);
        c.Font.Color = Blau;
        const QString b = QStringLiteral("b = ") + YText;
        c.TextOut(px(-0.1) - c.TextWidth(b), py(erg.B / 2) - c.TextHeight(QStringLiteral("b")) / 2, b);
        Linie.Draw2();
        c.Pen.Color = Blau;
        c.Pen.Width = ms.W28;
        c.MoveTo(px(0.0), py(0.0));
        c.LineTo(px(0.0), py(erg.B));
        break;
    }
    case ModusParabelD:
    case ModusParabelE:
    case ModusParabelA: {
        const double d = VerschiebungD;
        const double e = VerschiebungE;
        const std::vector<TPixel> kurve =
            ParabelPunkte(abb, Modus, d, e, FaktorA, erg.ScheitelX, erg.ScheitelY, breite, hoehe);
        c.Pen.Width = ms.W18;
        c.Pen.Color = Orange;
        if (!kurve.empty()) {
            c.MoveTo(kurve.front().X, kurve.front().Y);
            for (const TPixel& p : kurve)
                c.LineTo(p.X, p.Y);
        }

        // Dimension lines: d along the x axis in red, e up to the vertex in
        // blue, and a one unit right of it in green. The brush is clear.
        c.Font.Size = ms.Schrift;
        const int x0 = px(0.0);
        const int y0 = py(0.0);
        const int xd = px(d);
        const int ye = py(e);
        const int yy = py(erg.Y);
        c.Pen.Color = Rot;
        c.MoveTo(x0, y0);
        c.LineTo(xd, y0);
        c.Font.Color = Rot;
        const QString dText = (deutsch ? QStringLiteral("d = ") : QStringLiteral("h = ")) + Q(ZahlG(d, trenner));
        c.TextOut(x0 + (xd - x0 - c.TextWidth(dText)) / 2, y0 + 5, dText);
        if (Modus != ModusParabelD) {
            c.Pen.Color = Blau;
            c.MoveTo(xd, y0);
            c.LineTo(xd, ye);
            c.Font.Color = Blau;
            const QString buchstabe = deutsch ? QStringLiteral("e") : QStringLiteral("k");
            const QString eText = buchstabe + QStringLiteral(" = ") + Q(ZahlG(e, trenner));
            c.TextOut(xd + 4, y0 + (ye - y0 - c.TextHeight(buchstabe)) / 2, eText);
        }
        if (Modus == ModusParabelA) {
            const int x1 = px(d + 1);
            c.Pen.Color = Gruen;
            c.MoveTo(x1, ye);
            c.LineTo(x1, yy);
            c.Pen.Width = 1;
            for (const int y : {ye, yy}) {
                c.MoveTo(px(d + 0.9), y);
                c.LineTo(px(d + 1.1), y);
            }
            c.Font.Color = Gruen;
            const QString aText = QStringLiteral("a = ") + Q(ZahlG(FaktorA, trenner));
            c.TextOut(xd + px(1.0) - x0 + 4, yy + (ye - yy - c.TextHeight(QStringLiteral("a"))) / 2, aText);
        }
        stift(Gruen);
        if (Modus == ModusParabelD)
            Marke(c, ms, px(erg.X), y0);
        else
            Marke(c, ms, xd, ye);
        break;
    }
    case ModusKreisRadius: {
        const double mx = Flagge.MittelX;
        const double my = Flagge.MittelY;
        const double r = Flagge.Radius;
        c.Brush.Style = TBrushStyle::Clear;
        c.Pen.Color = Gruen;
        c.Pen.Width = ms.W18;
        // A circle in function units: an ellipse where the axis units differ.
        c.Ellipse(px(mx - r) - 1, py(my - r), px(mx + r) + 1, py(my + r));
        c.Pen.Color = Rot;
        c.Brush.Style = TBrushStyle::Solid;
        c.Brush.Color = Rot;
        c.Pen.Width = ms.W135;
        const int x = px(erg.X);
        const int y = py(erg.Y);
        c.MoveTo(x, y);
        c.LineTo(px(mx), py(my));
        c.Ellipse(x + ms.SpurRechts, y + ms.SpurRechts, x - ms.RandLinks, y - ms.RandLinks);
        FahneZeichnen(c, px(mx) - 4, py(my) - 33);
        break;
    }
    default: break;
    }
}
