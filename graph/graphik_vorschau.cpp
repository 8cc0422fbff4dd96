// The construction preview's tick. So far it only follows the pointer: the
// snapped coordinates as text, which the clicks read, and in status panel 0,
// and a fresh frame with the instruction box of the step.

#include "graph/graphik_modi.h"

#include "engine/funktion.h"
#include "engine/tabellen.h"
#include "engine/zahlen.h"
#include "main/form1.h"
#include "main/trace_dlg.h"
#include "platform/statusleiste.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QSlider>

#include <algorithm>

void TGraphik::AnimatorTimer()
{
    const TModusEintrag* e = ModusEintrag(Modus);
    if (!e || !e->VorschauFolgt)
        return;
    const bool spurOderTangente = Modus == ModusSpur || Modus == ModusTangente;
    const bool schar = Form1 && Form1->Eingabeart == " Funktionenschar ";
    // Nothing new to show while the pointer rests (a family's parameter can
    // change without a move).
    if (MausX == LetzteMausX && MausY == LetzteMausY && Modus != ModusGeradeM && !(spurOderTangente && schar))
        return;

    const char trenner = Dezimaltrenner();
    const double x = PixelToWorldXSnapped(MausX);
    double y = 0.0;
    bool definiert = true;
    if (spurOderTangente) {
        // The selected function's value at x, with the trace window's
        // parameter for a family.
        double t = 0.0;
        if (schar && TraceParam && TraceParam->Edit)
            t = ParseNumber(TraceParam->Edit->text().toStdString(), trenner).value_or(0.0);
        TFunktion* f = Funktionen[0];
        definiert = false;
        if (f) {
            f->Evaluate(static_cast<long double>(x), static_cast<long double>(t));
            definiert = f->GetValueValid() && f->GetCompiled();
            y = definiert ? static_cast<double>(f->GetValue()) : 0.0;
        }
    } else {
        y = PixelToWorldYSnapped(MausY);
    }

    // The texts: decimals by the snap step.
    int n = TrackBar3->value();
    if (n == 1)
        n = 2;
    else if (n == 0)
        n = 1;
    const int d = n - 1;
    auto fest = [trenner](double v, int stellen) { return QString::fromStdString(FormatFixed(v, 10, stellen, trenner)); };
    XText = fest(x, d);
    YText = spurOderTangente ? (definiert ? fest(y, std::max(n, 2)) : QStringLiteral(" --- ")) : fest(y, d);
    QString vorsatz = QStringLiteral("P(");
    switch (Modus) {
    case ModusParabelD:
        YText = QStringLiteral("0");
        vorsatz = QStringLiteral("S(");
        break;
    case ModusParabelE:
    case ModusParabelA: vorsatz = QStringLiteral("S("); break;
    case ModusKreisMitte: vorsatz = QStringLiteral("M("); break;
    case ModusKreisRadius: vorsatz = QStringLiteral("R("); break;
    case ModusSpur: vorsatz = QStringLiteral("T("); break;
    case ModusTangente: vorsatz = IstTangente ? QStringLiteral("B(") : QStringLiteral("N("); break;
    default: break;
    }
    KoordText = vorsatz + XText + QLatin1Char('|') + YText + QLatin1Char(')');

    const int p = TrackBar3->value();
    int w = 0;
    if (spurOderTangente)
        w = p <= 1 ? 85 : (p + 4) * 15 - 5;
    else
        w = p == 0 ? 56 : p == 1 ? 73 : (p + 3) * 17 - 12;
    StatusBar1->Panels[0].Text = KoordText;
    StatusBar1->Panels[0].Width = std::max(QFontMetrics(font()).horizontalAdvance(KoordText) + 12, w);
    StatusBar1->update();

    // Off the graph the trace point waits for the pointer to come back.
    if (Modus == ModusSpur && !definiert)
        return;
    // A fresh frame with the step's instruction box; a playing effect
    // keeps the screen as it is.
    CopyBildToAnzeigebild();
    DrawModeHints();
    if (!EffektLaeuft)
        CopyToPaintBox();
    LetzteMausX = MausX;
    LetzteMausY = MausY;
}
