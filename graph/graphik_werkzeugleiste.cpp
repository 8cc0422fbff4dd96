// The graph window's tool bar band (CoolBar2, shown in presentation mode):
// its buttons repeat commands of the main window.

#include "graph/graphik.h"

#include "platform/melder.h"

#include <QToolButton>

void TGraphik::ErzeugeWerkzeugleiste()
{
    struct TKnopf {
        QToolButton** Ziel;
        const char* Name;
        const char* Text;
        void (TGraphik::*Handler)();
    };
    // The main window's commands first, then its tool-window toggles.
    const TKnopf knoepfe[] = {
        {&SpeedButton4, "SpeedButton4", "Datei", &TGraphik::SpeedButton4Click},
        {&SpeedButton15, "SpeedButton15", "Neu", &TGraphik::SpeedButton15Click},
        {&SpeedButton14, "SpeedButton14", "Beispiele", &TGraphik::SpeedButton14Click},
        {&SpeedButton8, "SpeedButton8", "Drucken", &TGraphik::SpeedButton8Click},
        {&SpeedButton13, "SpeedButton13", "Kopieren", &TGraphik::SpeedButton13Click},
        {&SpeedButton7, "SpeedButton7", "Übersicht", &TGraphik::SpeedButton7Click},
        {&SpeedButton12, "SpeedButton12", "Beschriftung", &TGraphik::SpeedButton12Click},
        {&SpeedButton11, "SpeedButton11", "Senkrechte", &TGraphik::SpeedButton11Click},
        {&SpeedButton10, "SpeedButton10", "Punkte", &TGraphik::SpeedButton10Click},
        {&SpeedButton16, "SpeedButton16", "Kreise", &TGraphik::SpeedButton16Click},
        {&SpeedButton9, "SpeedButton9", "Flächen", &TGraphik::SpeedButton9Click},
    };
    // Each as wide as its longest caption in either language; all eleven
    // and the end button fit a band 1024 pixels wide.
    int x = 4;
    for (const TKnopf& k : knoepfe) {
        auto* b = new QToolButton(CoolBar2);
        b->setObjectName(QString::fromLatin1(k.Name));
        b->setText(QString::fromUtf8(k.Text));
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setGeometry(x, 3, 78, 24);
        x += 80;
        connect(b, &QToolButton::clicked, this, k.Handler);
        *k.Ziel = b;
    }

    // The end of presentation; presentation mode moves it to the band's
    // right end.
    SpeedButton5 = new QToolButton(CoolBar2);
    SpeedButton5->setObjectName(QStringLiteral("SpeedButton5"));
    SpeedButton5->setText(QStringLiteral("Präsentation beenden"));
    SpeedButton5->setAutoRaise(true);
    SpeedButton5->setFocusPolicy(Qt::NoFocus);
    SpeedButton5->setGeometry(CoolBar2->width() - 131, 3, 130, 24);
    connect(SpeedButton5, &QToolButton::clicked, this, [this] { SpeedButton5Click(); });
}

void TGraphik::SpeedButton9Click()
{
    emit Melder().FensterUmschaltenVerlangt(TUmschaltFenster::Flaechen);
}

void TGraphik::SpeedButton10Click()
{
    emit Melder().FensterUmschaltenVerlangt(TUmschaltFenster::Punkte);
}

void TGraphik::SpeedButton11Click()
{
    emit Melder().FensterUmschaltenVerlangt(TUmschaltFenster::Senkrechte);
}

void TGraphik::SpeedButton12Click()
{
    emit Melder().FensterUmschaltenVerlangt(TUmschaltFenster::Beschriftung);
}

void TGraphik::SpeedButton16Click()
{
    emit Melder().FensterUmschaltenVerlangt(TUmschaltFenster::Kreise);
}

void TGraphik::SpeedButton7Click()
{
    emit Melder().FensterUmschaltenVerlangt(TUmschaltFenster::Uebersicht);
}
