// The term templates: their table, their menus (the hidden main menu
// Beispiele1 and the popup PopupMenu1 that the library button opens) and
// the one routine that writes a template into the input bar.

#include "main/vorlagen.h"

#include "engine/tabellen.h"
#include "main/form1.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>

#include <cstring>

namespace {

constexpr const char* Voll = "-100";
constexpr const char* Hundert = "100";

// Handler, main item and caption, popup item and caption, equation, x from,
// x to, t from, t to, t step.
constexpr TVorlage Tabelle[] = {
    {"Ursprungsgerade1Click", "Ursprungsgerade1", "Ursprungsgerade", "Ursprungsgerade2", "Ursprungsgerade",
     "y(x) = x", Voll, Hundert},
    {"Gerademitm2undb11Click", "Gerademitm2undb11", "Gerade mit m=2 und b=1", "Gerademitm2undb12",
     "Gerade mit m=2 und b=1", "y(x) = 2*x+1", Voll, Hundert},
    {"ParallelezurxAchse1Click", "", "", "ParallelezurxAchse1", "Parallele zur x-Achse", "y(x) = 1#5", Voll,
     Hundert},
    {"Normalparabel1Click", "Normalparabel1", "Normalparabel", "Normalparabel2", "Normalparabel", "f(x) = x^2",
     Voll, Hundert},
    {"NormalparabelNullstellen1und21Click", "NormalparabelNullstellen1und21", "Normalparabel, Nullstellen -1 und 2",
     "Normalparabel3", "Linearfaktoren ", "g(x) = 1/2*(x+1)*(x-2)", Voll, Hundert},
    {"Normalparabel1nachrechts2nachoben1Click", "Normalparabel1nachrechts2nachoben1",
     "Normalparabel, 1 nach rechts, 2 nach oben", "Normalparabel1nachrechts2nachunten1", "Scheitelpunktsformn",
     "f(x) = 2*(x-1)^2+2", Voll, Hundert},
    {"Normalparabela2b3c11Click", "Normalparabela2b3c11", "Parabel 2. Grades, a=2, b=3, c=-1", "Parbel2Gradesa1",
     "Parabel 2. Grades, a=2, b=3, c=-1", "f(x) = 2*x^2+3*x-1", Voll, Hundert},
    {"Parabel3Grades1Click", "", "", "Parabel3Grades1", "Parabel 3. Grades", "f(x) = x^3", Voll, Hundert},
    {"Hyperbel1Click", "", "", "Hyperbel1", "Hyperbel", "g(x) = x^(-1)", Voll, Hundert},
    {"Quadratwurzel1Click", "", "", "Quadratwurzel1", "Quadratwurzel", "w(x) = sqrt(x)", "0", Hundert},
    {"Kubikwurzel1Click", "", "", "Kubikwurzel1", "Kubikwurzel", "k(x) = x^(1/3)", "0", Hundert},
    {"Halbkreis1Click", "", "", "Halbkreis1", "Halbkreis", "g(x) = sqrt(4-x^2)", Voll, Hundert},
    {"N4Grades1Click", "N4Grades1", "4. Grades, Nullstellen -1 und 2 ", "N4GradesNullstellen1und21",
     "4. Grades, Nullstellen -1 und 2", "g(x) = 1.5*(x+1)^2*(x-2)^2", Voll, Hundert},
    {"N4Grades2Click", "N4Grades2", "4. Grades, a=2, b=3, c=-1, d=1, e=3", "N4Gradesa2b3c1d1e31",
     "4. Grades, a=2, b=3, c=-1, d=1, e=3", "f(x) = 2*x^4+3*x^3-1*x^2+1*x+3", Voll, Hundert},
    {"PolmitVZW1Click", "PolmitVZW1", "Pol ohne VZW", "PolohneVZW2", "Pol ohne VZW", "h(x)=2*(x+2)/[3*(x+1)^2]",
     Voll, Hundert},
    {"PolohneVZW1Click", "PolohneVZW1", "Pol mit VZW", "PolmitVZW2", "Pol mit VZW", "h(x)=2*(x+2)/[3*(x+1)]", Voll,
     Hundert},
    {"eFunktion1Click", "eFunktion1", "e-Funktion", "eFunktion2", "e-Funktion", "f(x) = exp(x)", Voll, Hundert},
    {"Basis21Click", "", "", "Basis21", "zur Basis 2", "a(t) = 1*2^t", Voll, Hundert},
    {"Wachstumsfunktion1Click", "Wachstumsfunktion1", "Wachstumsfunktion", "Wachstumsfunktion2",
     "Wachstumsfunktion", "a(t) = 1*exp(0,3*t)", "0", Hundert},
    {"Zerfallsfunktion1Click", "Zerfallsfunktion1", "Zerfallsfunktion", "Zerfallsfunktion2", "Zerfallsfunktion",
     "a(t) = 5*exp(-0,3*t)", "0", Hundert},
    {"FreierFallGeschwZeit1Click", "", "", "", "", "v(t) = 9,81*t", "0", Hundert},
    {"zurBasis21Click", "", "", "zurBasis21", "zur Basis 2", "l(x) = log(x)/log(2)", "0", Hundert},
    {"zurBasis101Click", "", "", "zurBasis101", "zur Basis 10", "l(x) = log(x)", Voll, Hundert},
    {"zurBasise1Click", "", "", "zurBasise1", "zur Basis e", "l(x) = ln(x)", Voll, Hundert},
    {"Sinusfunktion1Click", "", "", "Sinusfunktion1", "Sinusfunktion", "f(x) = sin(x)", Voll, Hundert},
    {"phasenverschobenerKosinus1Click", "", "", "phasenverschobenerKosinus1", "phasenverschobener Kosinus",
     "f(x) = cos(x-Pi/2)", Voll, Hundert},
    {"Arcustangens1Click", "", "", "Arcustangens1", "Tangensfunktion", "f(x) = tan(x)", Voll, Hundert},
    {"Geraden1Click", "", "", "Geraden1", "Geraden", "f(x,t) = t*x+t", Voll, Hundert, "1", "5", "0#1"},
    {"Parabeln1Click", "", "", "Parabeln1", "Parabeln", "f(x,t) = 2*(x-t)^2+t", Voll, Hundert, "1", "5", "0#1"},
    {"Potenzfunktionen2Click", "", "", "Potenzfunktionen2", "Potenzfunktionen", "f(x,t) = x^t", Voll, Hundert, "1",
     "7", "1"},
    {"Hyperbeln1Click", "", "", "Hyperbeln1", "Hyperbeln", "f(x,t) = x^(-t)", Voll, Hundert, "1", "7", "1"},
    {"Sinusfunktionen1Click", "Sinusfunktionen1", "Sinusfunktionen", "Sinusfunktionen2", "Sinusfunktionen",
     "f(x,t) = sin(x)*t", Voll, Hundert, "1", "5", "0,1"},
    {"eFunktionen2Click", "eFunktionen2", "e-Funktionen", "eFunktionen3", "e-Funktionen", "f(x,t) = exp(t*x)", Voll,
     Hundert, "-2", "2", "0,1"},
};
static_assert(std::size(Tabelle) == 33);

constexpr TVorlagenGruppe Gruppen[] = {
    {"LineareFunktion2", "lineare Funktionen", {"ParallelezurxAchse1", "Ursprungsgerade2", "Gerademitm2undb12"}},
    {"QuadratischeFunktion1",
     "quadratische Funktionen",
     {"Normalparabel2", "Normalparabel3", "Normalparabel1nachrechts2nachunten1", "Parbel2Gradesa1"}},
    {"Potenzfunktionen1", "Potenzfunktionen", {"Parabel3Grades1", "Hyperbel1"}},
    {"Wurzelfunktionen1", "Wurzelfunktionen", {"Quadratwurzel1", "Kubikwurzel1", "Halbkreis1"}},
    {"Exponentialfunktion1",
     "Exponentialfunktion",
     {"Basis21", "eFunktion2", "Wachstumsfunktion2", "Zerfallsfunktion2"}},
    {"Logarithmusfunktion1", "Logarithmusfunktion", {"zurBasis21", "zurBasis101", "zurBasise1"}},
    {"Winkelfunktionen1", "Winkelfunktionen", {"Sinusfunktion1", "phasenverschobenerKosinus1", "Arcustangens1"}},
    {"ganzrationaleFunktion2", "ganzrationale Funktionen", {"N4GradesNullstellen1und21", "N4Gradesa2b3c1d1e31"}, true},
    {"gebrochenrationaleFunktion2", "gebrochenrationale Funktion", {"PolohneVZW2", "PolmitVZW2"}},
    {"Funktionenscharen1",
     "Funktionenscharen",
     {"Geraden1", "Parabeln1", "Potenzfunktionen2", "Hyperbeln1", "Sinusfunktionen2", "eFunktionen3"}},
};

const TVorlage* NachPopup(const char* popup)
{
    for (const TVorlage& v : Tabelle) {
        if (std::strcmp(v.Popup, popup) == 0)
            return &v;
    }
    return nullptr;
}

}  // namespace

QString MitDezimaltrenner(const char* text)
{
    QString s = QString::fromUtf8(text);
    s.replace(QLatin1Char('#'), QChar::fromLatin1(Dezimaltrenner()));
    return s;
}

std::span<const TVorlage> Vorlagen()
{
    return Tabelle;
}

const TVorlage* VorlageNach(const char* handler)
{
    for (const TVorlage& v : Tabelle) {
        if (std::strcmp(v.Handler, handler) == 0)
            return &v;
    }
    return nullptr;
}

std::span<const TVorlagenGruppe> Vorlagengruppen()
{
    return Gruppen;
}

// ---------------------------------------------------------------------------

void TForm1::ErzeugeVorlagenmenues()
{
    auto eintrag = [this](QMenu* menu, const char* name, const char* text, const TVorlage& v) {
        QAction* a = menu->addAction(QString::fromUtf8(text));
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, [this, &v] { VorlageAnwenden(v); });
    };
    for (const TVorlage& v : Tabelle) {
        if (*v.Haupt)
            eintrag(Beispiele1, v.Haupt, v.HauptText, v);
    }
    for (const TVorlagenGruppe& g : Gruppen) {
        if (g.TrennerDavor)
            PopupMenu1->addSeparator();
        QMenu* gruppe = PopupMenu1->addMenu(QString::fromUtf8(g.Text));
        gruppe->setObjectName(QString::fromLatin1(g.Name));
        for (const char* name : g.Eintraege) {
            if (!name)
                break;
            if (const TVorlage* v = NachPopup(name))
                eintrag(gruppe, v->Popup, v->PopupText, *v);
        }
    }
}

void TForm1::VorlageAnwenden(const TVorlage& v)
{
    // Each text fires its field's change handler, which stores the value in
    // the selected function and redraws; the order of the events does not
    // change the result.
    Evonx->setText(MitDezimaltrenner(v.XVon));
    Ebisx->setText(MitDezimaltrenner(v.XBis));
    Edit1->setText(MitDezimaltrenner(v.Gleichung));
    if (v.TVon && v.TBis && v.TSchritt) {
        Evont->setText(MitDezimaltrenner(v.TVon));
        Ebist->setText(MitDezimaltrenner(v.TBis));
        Estept->setText(MitDezimaltrenner(v.TSchritt));
    }
    // (The graph window's equation shows the text anew, its caret at the end.)
    Edit1->setCursorPosition(static_cast<int>(Edit1->text().size()));
}
