// Printing the graph page: the value table, the header with the equations,
// and the drawing at its true size on paper. The page is in units of
// 0.01 mm with y up (engine/druckseite.h); the coordinate system has its own
// copy of the screen's steps here, in page units, because paper differs in
// its grid colours and line widths and in where the labels go.
#include "graph/graphik.h"

#include "engine/druckseite.h"
#include "engine/funktion.h"
#include "engine/tabellen.h"
#include "engine/zahlen.h"
#include "tools/druck_dlg.h"
#include "tools/wertetabelle_fenster.h"
#include "platform/dialoge.h"
#include "platform/drucker.h"
#include "platform/farbe_qt.h"
#include "platform/fensterart.h"
#include "platform/seitencanvas.h"
#include "platform/sprache.h"

#include <QAction>
#include <QCheckBox>
#include <QFontInfo>
#include <QLineEdit>
#include <QPrinter>
#include <QSlider>
#include <QTableWidget>

#include <algorithm>
#include <cmath>

namespace {

const QString DruckTitel = QStringLiteral("Tessaplun 8.0");  // the print job's title
constexpr int ZeileDruckFehler = 576;                          // "printing could not be started"

// The fonts of the page: "Tahoma" in a size, style and colour.
TFont Schrift(int groesse, std::uint8_t stil = 0, TColor farbe = clBlack)
{
    TFont f;
    f.Name = QStringLiteral("Tahoma");
    f.Size = groesse;
    f.Style = stil;
    f.Color = farbe;
    return f;
}

// Grid line colour on paper for a colour scheme letter.
TColor DruckGitterFarbe(char schema)
{
    switch (schema) {
    case 'a': return RGB(128, 64, 64);
    case 'b': return RGB(128, 128, 128);
    case 'c': return RGB(0, 255, 0);
    default: return clBlack;
    }
}

// Font sizes of documents may be damaged; paper takes 1 to 1000 points.
int DruckGroesse(int punkte)
{
    return std::clamp(punkte, 1, 1000);
}

// Keeps the view's right edge at the page's edge while graphs and objects
// are drawn: what lies beyond the paper is not sampled at all.
class TRechterRand {
public:
    TRechterRand(std::int32_t& xMax, std::int32_t seite) : FXMax(xMax), FAlt(xMax) { FXMax = std::min(xMax, seite); }
    ~TRechterRand() { FXMax = FAlt; }
    TRechterRand(const TRechterRand&) = delete;
    TRechterRand& operator=(const TRechterRand&) = delete;

private:
    std::int32_t& FXMax;
    std::int32_t FAlt;
};

}  // namespace

// ---------------------------------------------------------------------------
// Texts on the page

void TGraphik::DruckTextBei(TCanvas& Canvas, const QString& Text, const TFont& Font, std::int32_t a, std::int32_t b,
                            bool RightAligned, bool Centred, bool mittig)
{
    if (std::abs(std::int64_t{b}) >= SeiteFern)
        return;
    // y grows upwards on paper.
    TextAmAnker(Canvas, Text, Font, DruckGroesse(Font.Size), a, b, RightAligned, Centred, mittig, -1);
}

void TGraphik::PrintTextAt(TCanvas& Canvas, const QString& Text, const TFont& Font, double X, double Y,
                           bool RightAligned, bool Centred)
{
    const bool mittig = TextMittigNehmen(RightAligned, Centred);
    if (!std::isfinite(X) || !std::isfinite(Y))
        return;
    DruckTextBei(Canvas, Text, Font, WorldToPrintX(XMin + X), WorldToPrintY(static_cast<long double>(YMax) - Y),
                 RightAligned, Centred, mittig);
}

void TGraphik::PrintTextAtUnscaled(TCanvas& Canvas, const QString& Text, const TFont& Font, double X, double Y,
                                   bool RightAligned, bool Centred)
{
    if (!std::isfinite(X) || !std::isfinite(Y))
        return;
    Canvas.Brush = TBrush{clWhite, TBrushStyle::Solid};
    DruckTextBei(Canvas, Text, Font, WorldToPrintXUnscaled(XMin + X),
                 WorldToPrintYUnscaled(static_cast<long double>(YMax) - Y), RightAligned, Centred, false);
}

// ---------------------------------------------------------------------------
// The value table

void TGraphik::PrintValueTable(TCanvas& Canvas, const QTableWidget& Grid, std::int32_t X, std::int32_t Y,
                               int FromCol, int ToCol, int FromRow, int ToRow, double Scale, bool Coloured)
{
    if (!TabellenBereich(FromCol, ToCol, Grid.columnCount()) || !TabellenBereich(FromRow, ToRow, Grid.rowCount()) ||
        !(Scale > 0) || !std::isfinite(Scale))
        return;
    // The grid's first column holds the row titles.
    constexpr int FesteSpalten = 1;
    constexpr int FesteZeilen = 0;
    const QPalette& pal = Grid.palette();
    const TColor fest = Coloured ? FromQColor(pal.color(QPalette::Button)) : RGB(192, 192, 192);
    const TColor zelle = Coloured ? FromQColor(pal.color(QPalette::Base)) : clWhite;
    const TColor schrift = Coloured ? FromQColor(pal.color(QPalette::Text)) : clBlack;

    const std::int32_t rand = PunkteZuSeite(3, Scale);
    Canvas.Pen = Grid.showGrid() ? TPen{RGB(51, 51, 51), 1, TPenStyle::Solid} : TPen{clBlack, 1, TPenStyle::Clear};
    const QFont gf = Grid.font();
    const double punkte = QFontInfo(gf).pointSizeF();
    Canvas.Font.Name = gf.family();
    Canvas.Font.Style = static_cast<std::uint8_t>((gf.bold() ? 1 : 0) | (gf.italic() ? 2 : 0));
    Canvas.Font.Size = DruckGroesse(RoundToInt32(punkte / 0.72 * Scale));
    Canvas.Font.Color = schrift;

    // The cells are the screen's, measured in points; the paper's font is a
    // little wider than the screen's, so a column grows to its widest text
    // between the margins: the title column alone, the value columns all
    // alike over the whole grid, so that both blocks of a page line up.
    auto breitesterText = [&](int von, int bis) {
        std::int32_t breite = 0;
        for (int c = von; c <= bis; ++c) {
            for (int r = 0; r < Grid.rowCount(); ++r) {
                if (const QTableWidgetItem* item = Grid.item(r, c))
                    breite = std::max(breite, Canvas.TextWidth(item->text()));
            }
        }
        return breite + 2 * rand;
    };
    const std::int32_t titelBreite = breitesterText(0, FesteSpalten - 1);
    const std::int32_t wertBreite = breitesterText(FesteSpalten, Grid.columnCount() - 1);

    std::int32_t x = X;
    for (int c = FromCol; c <= ToCol; ++c) {
        const std::int32_t noetig = c < FesteSpalten ? titelBreite : wertBreite;
        const std::int32_t x2 = x + std::max(PunkteZuSeite(Grid.columnWidth(c) + 1, Scale), noetig);
        std::int32_t y = Y;
        for (int r = FromRow; r <= ToRow; ++r) {
            // Rows go down the page: y decreases.
            const std::int32_t y2 = y - PunkteZuSeite(Grid.rowHeight(r) + 1, Scale);
            Canvas.Brush = TBrush{(c < FesteSpalten || r < FesteZeilen) ? fest : zelle, TBrushStyle::Solid};
            Canvas.Rectangle(x, y, x2, y2);
            const QTableWidgetItem* item = Grid.item(r, c);
            const QString text = item ? item->text() : QString();
            if (!text.isEmpty()) {
                // One line, left-aligned, vertically centred, cut at the cell.
                const std::int32_t hoehe = Canvas.TextHeight(text);
                const bool clip = Canvas.HasClip();
                const TRect alt = Canvas.ClipRect();
                Canvas.SetClipRect(TRect{x + rand, y, x2 - rand, y2});
                Canvas.Brush.Style = TBrushStyle::Clear;
                Canvas.TextOut(x + rand, y - (y - y2 - hoehe) / 2, text);
                if (clip)
                    Canvas.SetClipRect(alt);
                else
                    Canvas.ClearClip();
            }
            y = y2;
        }
        x = x2;
    }
    Canvas.Brush = TBrush{clWhite, TBrushStyle::Solid};
}

// ---------------------------------------------------------------------------
// The page

void TGraphik::BDruckClick()
{
    const bool mitTabelle = DruckDlg && DruckDlg->MitTabelle();
    DruckMitKopf = DruckDlg && DruckDlg->MitKopf();
    if (QPrinter* drucker = PrintDialog(this, DruckTitel)) {
        drucker->setDocName(DruckTitel);
        TPrinterCanvas c(drucker);
        if (c.Beginne())
            DruckeSeiten(c, mitTabelle, c.Width(), c.Height(), [&c] { c.NeueSeite(); });
        else
            ShowMessage(Txt(ZeileDruckFehler));
        c.Flush();
    }
    // Printed or not: black grid lines were only for the print.
    if (DruckDlg)
        DruckDlg->GitterZuruecknehmen();
    GraphikResize();
}

void TGraphik::DruckeSeiten(TCanvas& Canvas, bool mitTabelle, std::int32_t seitenBreite, std::int32_t seitenHoehe,
                            const std::function<void()>& neueSeite)
{
    TDruckAnsicht ansicht;
    ansicht.XMin = XMin;
    ansicht.YMax = YMax;
    ansicht.XMax = XMax;
    ansicht.YMin = YMin;
    ansicht.Massstab = Massstab;
    ansicht.MitKopf = DruckMitKopf;

    // The value table: below the graph, or alone on the first page.
    if (mitTabelle && Form2 && Funktionen[0]) {
        const TTabellenLage lage = TabellenLage(ansicht);
        const QTableWidget& grid = *Form2->StringGrid1;
        PrintValueTable(Canvas, grid, lage.Block1.X, lage.Block1.Y, TabelleBlock1Von, TabelleBlock1Bis, 0, 2,
                        TabellenSkala, false);
        PrintValueTable(Canvas, grid, lage.Block2.X, lage.Block2.Y, TabelleBlock2Von, TabelleBlock2Bis, 0, 2,
                        TabellenSkala, false);
        QString titel = Txt(289) + QLatin1Char(' ') + QString::fromStdString(Funktionen[0]->GetTerm());
        if (Zustand.Editor.Eingabeart == ArtFunktionenschar && !Form2->ParameterText().isEmpty())
            titel += QStringLiteral("  ") + Txt(290) + QLatin1Char(' ') + Form2->ParameterText();
        Canvas.Brush = TBrush{clWhite, TBrushStyle::Solid};
        DruckTextBei(Canvas, titel, Schrift(11, fsBold), lage.Titel.X, lage.Titel.Y, false, false, false);
        if (lage.EigeneSeite && neueSeite)
            neueSeite();
    }

    Canvas.Pen = TPen{clBlack, 1, TPenStyle::Solid};
    Canvas.Brush = TBrush{clBlack, TBrushStyle::Solid};
    if (DruckMitKopf)
        DruckKopf(Canvas);

    if (!ViewValid() || !(Massstab > 0) || !std::isfinite(Massstab))
        return;
    const std::int32_t xMaxSeite = SeiteXMaxSichtbar(ansicht, seitenBreite);
    const std::int32_t yMinSeite = SeiteYMinSichtbar(ansicht, seitenHoehe);
    DruckKoordinatensystem(Canvas, xMaxSeite, yMinSeite);

    // Graphs and objects, cut at the view and at the page.
    {
        const TRechterRand rand(XMax, xMaxSeite);
        const double m = DruckMitKopf ? 8.0 : 2.0;
        DrawGraphs(Canvas, 1000.0 * Massstab, -1000.0 * Massstab, 2.0 / Massstab, m / Massstab);
    }

    // Labels: those behind transparent, those in front on white.
    for (const bool vorne : {false, true}) {
        Canvas.Brush = TBrush{clWhite, vorne ? TBrushStyle::Solid : TBrushStyle::Clear};
        for (int k = 1; k <= 9; ++k) {
            const TBeschriftung& b = Beschriftungen[k];
            if (b.Text.empty() || (b.Vorne != 0) != vorne)
                continue;
            PrintTextAt(Canvas, QString::fromStdString(b.Text), SchriftAusRecord(b.Font), b.X, b.Y, false, false);
        }
    }
    DruckNamen(Canvas);
    Canvas.ClearClip();
}

void TGraphik::DruckKopf(TCanvas& Canvas)
{
    const bool farbig = Farbig();
    auto punkt = [](double a, double b) { return Seitenpunkt(a, b); };
    auto text = [&](const QString& s, const TFont& f, TSeitenPunkt p) {
        Canvas.Brush = TBrush{clWhite, TBrushStyle::Solid};
        DruckTextBei(Canvas, s, f, p.X, p.Y, false, false, false);
    };

    // A white box with a black frame and a shadow 1 mm to the right and below.
    Canvas.Pen = TPen{clBlack, 50, TPenStyle::Solid};
    Canvas.Brush = TBrush{clBlack, TBrushStyle::Solid};
    const TSeitenPunkt s1 = punkt(2.1, 2.1), s2 = punkt(6.3, 3.1);
    Canvas.RoundRect(s1.X, s1.Y, s2.X, s2.Y, 500, 500);
    Canvas.Brush.Color = clWhite;
    const TSeitenPunkt k1 = punkt(2, 2), k2 = punkt(6.2, 3);
    Canvas.RoundRect(k1.X, k1.Y, k2.X, k2.Y, 500, 500);
    text(QStringLiteral("Tessaplun 8"), Schrift(13, fsBold), punkt(2.2, 2.25));
    text(Txt(291), Schrift(16, fsBold), punkt(8, 2.5));
    const TSeitenPunkt l1 = punkt(2, 3.5), l2 = punkt(19, 3.5);
    Canvas.MoveTo(l1.X, l1.Y);
    Canvas.LineTo(l2.X, l2.Y);
    text(Txt(292), Schrift(11, fsBold), punkt(2, 4));

    TDruckAnsicht ansicht;
    ansicht.MitKopf = true;
    int k = 0;
    for (std::size_t n = 1; n <= 9; ++n) {
        const TFunktion* f = Funktionen[n];
        if (!f || !f->GetCompiled())
            continue;
        ++k;
        text(QString::fromStdString(f->GetTerm()), Schrift(11, 0, farbig ? f->GetColor() : clBlack),
             GleichungsLage(ansicht, k));
    }
    Canvas.Pen = TPen{clBlack, 1, TPenStyle::Solid};
}

void TGraphik::DruckKoordinatensystem(TCanvas& Canvas, std::int32_t xMaxSeite, std::int32_t yMinSeite)
{
    auto X = [&](double x) { return WorldToPrintX(x); };
    auto Y = [&](long double y) { return WorldToPrintY(y); };
    auto linie = [&](double x1, long double y1, double x2, long double y2) {
        Canvas.MoveTo(X(x1), Y(y1));
        Canvas.LineTo(X(x2), Y(y2));
    };
    const bool farbig = Farbig();
    const bool achsen = Ansicht.Achsen;
    const bool skaliert = achsen && Ansicht.Zahlen;
    // What the paper shows of the view.
    const std::int64_t xMin = XMin, xMax = std::min(XMax, xMaxSeite), yMax = YMax, yMin = std::max(YMin, yMinSeite);

    // The grid, in the thinnest line; its lines end at the view's edges.
    const char art = Gitter.empty() ? '0' : Gitter[0];
    const char schema = Gitter.size() > 1 ? Gitter[1] : '\0';
    const TColor gitterFarbe = farbig ? DruckGitterFarbe(schema) : clBlack;
    Canvas.Pen = TPen{gitterFarbe, 1, TPenStyle::Solid};
    switch (art) {
    case '6': case '7': Canvas.Pen.Style = TPenStyle::Dash; break;
    case '3': case '4': Canvas.Pen.Style = TPenStyle::Dot; break;
    default: break;
    }
    auto gitter = [&](std::int64_t teil) {
        const double d = static_cast<double>(teil);
        for (std::int64_t k = yMin * teil; k <= yMax * teil; ++k)
            linie(XMin, k / d, static_cast<double>(xMax), k / d);
        for (std::int64_t k = xMin * teil; k <= xMax * teil; ++k)
            linie(k / d, YMax, k / d, static_cast<long double>(yMin));
    };
    switch (art) {
    case '1': case '3': case '7':
        gitter(2);
        break;
    case '2': case '4': case '6':
        gitter(1);
        break;
    case '5': {
        TColor mm = RGB(128, 128, 128);
        if (!farbig)
            mm = RGB(192, 192, 192);
        else if (schema == 'a')
            mm = RGB(200, 145, 145);
        else if (schema == 'b')
            mm = RGB(192, 192, 192);
        else if (schema == 'c')
            mm = GitterFarbe[3];
        Canvas.Pen.Color = mm;
        gitter(10);
        Canvas.Pen.Color = gitterFarbe;
        gitter(2);
        break;
    }
    default:
        break;
    }

    // Everything from here on stays inside the view.
    const double pixel = [&] {
        if (auto* p = dynamic_cast<TPrinterCanvas*>(&Canvas))
            return p->Pixel();
        return 1.0;
    }();
    Canvas.SetClipRect(TRect{X(XMin), Y(YMax), SaturateToInt32(X(XMax) + pixel),
                             SaturateToInt32(Y(YMin) - 2.0 * pixel)});

    // Axes with filled arrow heads, and the ticks: 0.4 mm, solid.
    Canvas.Pen = TPen{clBlack, 40, TPenStyle::Solid};
    auto pfeil = [&](std::vector<TPoint> ecken) {
        Canvas.Brush = TBrush{clBlack, TBrushStyle::Solid};
        Canvas.Pen.Width = 2;
        Canvas.Polygon(ecken);
        Canvas.Pen.Width = 40;
    };
    if (achsen) {
        linie(0, YMax - 0.1L, 0, YMin);
        pfeil({{X(0), Y(YMax)}, {X(-0.09), Y(YMax - 0.25L)}, {X(0.09), Y(YMax - 0.25L)}});
        if (skaliert)
            for (std::int64_t k = std::max(yMin, std::int64_t{YMin} + 1); k <= yMax - 1; ++k)
                linie(-0.08, k, 0.08, k);
        linie(XMin, 0, XMax - 0.1, 0);
        pfeil({{X(XMax), Y(0)}, {X(XMax - 0.25), Y(0.1L)}, {X(XMax - 0.25), Y(-0.1L)}});
        if (skaliert)
            for (std::int64_t k = xMin + 1; k <= std::min(xMax, std::int64_t{XMax} - 1); ++k)
                linie(static_cast<double>(k), -0.08L, static_cast<double>(k), 0.08L);
    }
    Canvas.Brush = TBrush{clWhite, TBrushStyle::Solid};
    if (!skaliert)
        return;

    // Numbers and captions, as on the screen.
    const TFont zahlen = Schrift(10);
    auto text = [&](const QString& s, double x, double y, bool rechts, bool mitte) {
        PrintTextAt(Canvas, s, zahlen, x - XMin, YMax - y, rechts, mitte);
    };
    const char trenner = Dezimaltrenner();
    const int position = TrackBar2->value();
    for (std::int64_t k = xMin + 1; k <= std::min(xMax, std::int64_t{XMax} - 1); ++k) {
        if (k == 0)
            text(QStringLiteral("0"), -0.3, -0.075, false, false);
        else if (IstPiPosition(position))
            text(PiText(k, position), static_cast<double>(k), -0.07, false, true);
        else
            text(QString::fromStdString(FormatGeneral(XTeilstrichWert(k, EinheitX), 8, 2, trenner)),
                 static_cast<double>(k), -0.075, false, true);
    }
    text(QString::fromStdString(Ansicht.XAchse), XMax - 0.1, 0.35, true, false);
    for (std::int64_t k = std::max(yMin, std::int64_t{YMin} + 1); k <= yMax - 1; ++k) {
        if (k == 0)
            continue;
        const long double wert = static_cast<long double>(k) * EinheitY;
        text(QString::fromStdString(FormatGeneral(wert, 8, 2, trenner)), -0.12, static_cast<double>(k), true, false);
    }
    text(QString::fromStdString(Ansicht.YAchse), 0.2, YMax - 0.15, false, false);
}

void TGraphik::DruckNamen(TCanvas& Canvas)
{
    auto name = [&](const TPunkt& p, const TFont& f, double oben) {
        TextMittig = false;
        const auto v = AnsichtsPunkt(p.X, p.Y);
        if (!v || p.Name.empty())
            return;
        const QString s = QString::fromStdString(p.Name);
        const double links = v->X - XMin;
        const double unten = YMax - v->Y;
        switch (p.NamePos) {
        case 1: PrintTextAt(Canvas, s, f, links - 0.13, unten, true, false); break;
        case 2: PrintTextAt(Canvas, s, f, links, unten - oben, false, true); break;
        case 3: PrintTextAt(Canvas, s, f, links, unten + 0.13, false, true); break;
        case 4:
            TextMittig = true;
            PrintTextAt(Canvas, s, f, links + 0.15, unten, false, false);
            TextMittig = false;
            break;
        default: break;
        }
    };
    // Point names on white, in the point's colour (a point without its
    // place has none).
    for (int k = 1; k <= 10; ++k) {
        const TPunkt& p = Punkte[k];
        TFont f = SchriftAusRecord(p.Font);
        f.Color = p.Color;
        Canvas.Brush = TBrush{clWhite, TBrushStyle::Solid};
        name(p, f, 0.05 * f.Size);
    }
    // Centre names, transparent, in a fixed font.
    for (int k = 11; k <= 20; ++k) {
        const TPunkt& p = Punkte[k];
        Canvas.Brush = TBrush{clWhite, TBrushStyle::Clear};
        name(p, Schrift(10, 0, p.Color), 0.5);
    }
    Canvas.Brush = TBrush{clWhite, TBrushStyle::Solid};
}
