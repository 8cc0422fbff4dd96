// The graph window's tool bar band (CoolBar2, shown in presentation mode):
// its buttons repeat commands of the main window.

#include "graph/graphik.h"

#include "main/form1.h"

#include <QToolButton>

void TGraphik::ErzeugeWerkzeugleiste()
{
    struct TKnopf {
        QToolButton** Ziel;
        const char* Name;
        const char* Text;
        void (TGraphik::*Handler)();
    };
    const TKnopf knoepfe[] = {
        {&SpeedButton11, "SpeedButton11", "Senkrechte", &TGraphik::SpeedButton11Click},
        {&SpeedButton10, "SpeedButton10", "Punkte", &TGraphik::SpeedButton10Click},
        {&SpeedButton9, "SpeedButton9", "Flächen", &TGraphik::SpeedButton9Click},
        {&SpeedButton12, "SpeedButton12", "Beschriftung", &TGraphik::SpeedButton12Click},
        {&SpeedButton16, "SpeedButton16", "Kreise", &TGraphik::SpeedButton16Click},
        {&SpeedButton7, "SpeedButton7", "Übersicht", &TGraphik::SpeedButton7Click},
    };
    int x = 4;
    for (const TKnopf& k : knoepfe) {
        auto* b = new QToolButton(CoolBar2);
        b->setObjectName(QString::fromLatin1(k.Name));
        b->setText(QString::fromUtf8(k.Text));
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setGeometry(x, 3, 70, 24);
        x += 72;
        connect(b, &QToolButton::clicked, this, k.Handler);
        *k.Ziel = b;
    }
}

void TGraphik::SpeedButton9Click()
{
    if (Form1)
        Form1->SpeedButton9Click();
}

void TGraphik::SpeedButton10Click()
{
    if (Form1)
        Form1->SpeedButton10Click();
}

void TGraphik::SpeedButton11Click()
{
    if (Form1)
        Form1->SpeedButton11Click();
}

void TGraphik::SpeedButton12Click()
{
    if (Form1)
        Form1->SpeedButton12Click();
}

void TGraphik::SpeedButton16Click()
{
    if (Form1)
        Form1->SpeedButton8Click();
}

void TGraphik::SpeedButton7Click()
{
    if (Form1)
        Form1->SpeedButton13Click();
}
