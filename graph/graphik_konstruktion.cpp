// Objects made with the mouse: what a left click adopts in each
// construction mode, and what a right click takes back. So far the clicks
// adopt nothing; the right click already steps back inside a construction.

#include "graph/graphik_modi.h"

#include "engine/tabellen.h"

void TGraphik::PaintBoxClick_Links_23(QObject* /*Sender*/, int /*X*/, int /*Y*/)
{
}

void TGraphik::PaintBoxClick_Links_4(QObject* /*Sender*/, int /*X*/, int /*Y*/)
{
}

void TGraphik::PaintBoxClick_Links_5(QObject* /*Sender*/, int /*X*/, int /*Y*/)
{
}

void TGraphik::PaintBoxClick_Links_71(QObject* /*Sender*/, int /*X*/, int /*Y*/)
{
}

void TGraphik::PaintBoxClick_Links_81(QObject* /*Sender*/, int /*X*/, int /*Y*/)
{
}

void TGraphik::PaintBoxClick_Links_93(QObject* /*Sender*/, int /*X*/, int /*Y*/)
{
}

void TGraphik::PaintBoxClick_Rechts(QObject* Sender, int /*X*/, int /*Y*/)
{
    // The next preview tick draws, wherever the pointer is.
    LetzteMausX = -41;
    if (const TModusEintrag* e = ModusEintrag(Modus); e && e->ZurueckNach != 0)
        SchrittZurueck(Sender, *e);
}

// One step back inside a construction (71 -> 7, 81 -> 8, 91 -> 9, 93 -> 91).
void TGraphik::SchrittZurueck(QObject* Sender, const TModusEintrag& e)
{
    Klang("schlag");
    Modus = e.ZurueckNach;
    WerkzeugKnopfDruecken(this->*e.ZurueckKnopf);
    TracebuttonClick(Sender);
    // The step's preview at once, without waiting for the pointer to move.
    if (e.ZurueckSofort)
        AnimatorTimer();
}
