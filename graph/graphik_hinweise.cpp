// The instruction box of the current interaction mode: a small light-yellow
// box in the picture's top-left corner that names the tool and the step it
// expects. It is drawn on the displayed picture only, never on Bild, the
// printout or the clipboard.
#include "graph/graphik_modi.h"

#include "engine/funktion.h"
#include "engine/tabellen.h"
#include "tools/trace_dlg.h"
#include "platform/sprache.h"

#include <QLineEdit>

namespace {

constexpr TColor Kastenfarbe = RGB(255, 255, 210);
constexpr TColor Rot = RGB(255, 0, 0);
constexpr TColor Blau = RGB(0, 0, 255);
constexpr TColor Gruen = RGB(0, 128, 0);

// Lines are written at x = 12 on these rows, after the boxes.
constexpr int TextX = 12;
constexpr int Zeile1 = 8;
constexpr int Zeile2 = 25;
constexpr int Zeile3 = 42;
constexpr int Zeile4 = 59;

void Fett(TCanvas& c, bool fett)
{
    c.Font.Style = fett ? fsBold : 0;
}

// One line in the given colour; black unless it is the current step's.
void Zeile(TCanvas& c, int y, const QString& text, TColor farbe = clBlack)
{
    c.Font.Color = farbe;
    c.TextOut(TextX, y, text);
}

// The box of a step block (parabola, line, circle): the frame, then the
// white bar behind the current step's line; the texts then go on a clear
// brush so that the bar shows behind them.
void StufenKasten(TCanvas& c, int rechts, int unten, int balkenRechts, int balkenHoehe, int balkenY)
{
    c.Rectangle(5, 5, rechts, unten);
    c.Brush.Color = clWhite;
    c.Pen.Color = clWhite;
    c.Rectangle(6, balkenY, balkenRechts, balkenHoehe + balkenY);
    c.Brush.Style = TBrushStyle::Clear;
}

// The box of one bold line.
void EineZeile(TCanvas& c, int zeile)
{
    const QString s = Txt(zeile);
    c.Rectangle(5, 5, c.TextWidth(s) + 19, c.TextHeight(s) + 11);
    Zeile(c, Zeile1, s);
}

// Tangent, normal and trace point: the tool in bold, then the word, the
// term and for a family its parameter. A single function's box is at least
// `mindestens` wide.
void ZweiZeilen(TCanvas& c, const TGraphik::THinweisLage& l, int titel, int wort, int mindestens)
{
    const QString t = Txt(titel);
    QString zweite = Txt(wort) + QStringLiteral("  ") + l.Term;
    if (l.Schar)
        zweite += QStringLiteral("  ") + Txt(537) + QLatin1Char(' ') + l.Parameter;
    Fett(c, false);
    int r = c.TextWidth(zweite);
    if (!l.Schar && r < mindestens)
        r = mindestens;
    const int h = c.TextHeight(t);
    c.Rectangle(5, 5, r + 19, h + 28);
    Fett(c, true);
    Zeile(c, Zeile1, t);
    Fett(c, false);
    Zeile(c, Zeile2, zweite);
}

}  // namespace

namespace Modi {

void HinweisPunkt(TCanvas& c, const TGraphik::THinweisLage&)
{
    EineZeile(c, 512);
}

void HinweisSenkrechte(TCanvas& c, const TGraphik::THinweisLage&)
{
    EineZeile(c, 538);
}

void HinweisBeschriftung(TCanvas& c, const TGraphik::THinweisLage&)
{
    EineZeile(c, 381);
}

void HinweisSpur(TCanvas& c, const TGraphik::THinweisLage& l)
{
    // Without a graph there is nothing to trace along.
    if (!l.Kompiliert)
        EineZeile(c, 535);
    else
        ZweiZeilen(c, l, 535, 536, 0);
}

void HinweisTangente(TCanvas& c, const TGraphik::THinweisLage& l)
{
    if (l.IstTangente)
        ZweiZeilen(c, l, 215, 550, 60);
    else
        ZweiZeilen(c, l, 216, 551, 60);
}

void HinweisKreis(TCanvas& c, const TGraphik::THinweisLage& l)
{
    const QString titel = Txt(148);
    const QString mitte = Txt(552);
    const bool radius = l.Modus == ModusKreisRadius;
    Fett(c, false);
    const int w = c.TextWidth(mitte);
    StufenKasten(c, w + 19, c.TextHeight(titel) + 45, w + 17, c.TextHeight(mitte), radius ? Zeile3 : Zeile2);
    Fett(c, true);
    Zeile(c, Zeile1, titel);
    Fett(c, false);
    Zeile(c, Zeile2, mitte, radius ? clBlack : Gruen);
    Zeile(c, Zeile3, Txt(553), radius ? Rot : clBlack);
}

void HinweisGerade(TCanvas& c, const TGraphik::THinweisLage& l)
{
    const QString titel = Txt(539);
    const bool b = l.Modus == ModusGeradeB;
    const int w = c.TextWidth(titel);
    const int h = c.TextHeight(titel);
    StufenKasten(c, w + 19, h + 45, w + 17, h, b ? Zeile3 : Zeile2);
    Zeile(c, Zeile1, titel);
    Fett(c, false);
    Zeile(c, Zeile2, Txt(541), b ? clBlack : Gruen);
    Zeile(c, Zeile3, Txt(542), b ? Blau : clBlack);
}

void HinweisParabel(TCanvas& c, const TGraphik::THinweisLage& l)
{
    const QString titel = Txt(543);
    const int w = c.TextWidth(titel);
    const int h = c.TextHeight(titel);
    const int balken = l.Modus == ModusParabelD ? Zeile2 : l.Modus == ModusParabelE ? Zeile3 : Zeile4;
    StufenKasten(c, w + 19, h + 62, w + 17, h, balken);
    Zeile(c, Zeile1, titel);
    Fett(c, false);
    Zeile(c, Zeile2, Txt(544), l.Modus == ModusParabelD ? Rot : clBlack);
    Zeile(c, Zeile3, Txt(545), l.Modus == ModusParabelE ? Blau : clBlack);
    Zeile(c, Zeile4, Txt(546), l.Modus == ModusParabelA ? Gruen : clBlack);
}

}  // namespace Modi

void TGraphik::HinweiseZeichnen(TCanvas& Canvas, const THinweisLage& Lage)
{
    Canvas.Brush.Color = Kastenfarbe;
    Canvas.Brush.Style = TBrushStyle::Solid;
    Canvas.Pen.Width = 1;
    Canvas.Pen.Color = clBlack;
    Canvas.Pen.Style = TPenStyle::Solid;
    Canvas.Font.Name = QStringLiteral("Tahoma");
    Canvas.Font.Size = 10;
    Canvas.Font.Style = fsBold;
    Canvas.Font.Color = clBlack;

    // Origin and the assistant's questions have no box.
    if (const TModusEintrag* e = ModusEintrag(Lage.Modus); e && e->Hinweis)
        e->Hinweis(Canvas, Lage);

    Canvas.Brush.Color = clWhite;
}

TGraphik::THinweisLage TGraphik::HinweisLage() const
{
    THinweisLage l;
    l.Modus = Modus;
    l.IstTangente = IstTangente;
    l.Kompiliert = Funktionen[0] && Funktionen[0]->GetCompiled();
    // The equation as typed in the editor.
    l.Schar = Zustand.Editor.Eingabeart != ArtFunktion;
    l.Term = QString::fromStdString(Zustand.Editor[TEditorFeld::Gleichung].Text);
    if (TraceParam)
        l.Parameter = TraceParam->ParameterText();
    return l;
}

bool TGraphik::HatHinweis() const
{
    const TModusEintrag* e = ModusEintrag(Modus);
    return e && e->Hinweis;
}

void TGraphik::DrawModeHints()
{
    HinweiseZeichnen(*AnzeigebildCanvas, HinweisLage());
}
