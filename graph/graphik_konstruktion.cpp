// Objects made with the mouse: what a left click adopts in each
// construction mode, and what a right click takes back. Points, vertical
// segments and circles go into their tables, and the change is announced:
// their tool windows show them (with the marker and name buttons of the new
// point pressed), and this window draws them at once: a tool window that
// was never opened redraws nothing. Tangents, normals, lines and parabolas become functions 1..9
// through the term setter. Each tool keeps a history of the slots it
// filled, newest last, so that right clicks take the objects back in turn.

#include "graph/graphik_modi.h"

#include "engine/funktion.h"
#include "engine/kurztext.h"
#include "engine/tabellen.h"
#include "platform/melder.h"
#include "platform/statusleiste.h"

#include <QCheckBox>
#include <QSlider>
#include <QToolButton>

namespace {

// The y text of a point that is not defined (a trace off the graph).
const QString Undefiniert = QStringLiteral(" --- ");

// The slot rule of every tool: the first of slots 1..n-1 that is free, else
// slot n, which is then overwritten.
template <typename Frei>
int FreierSlot(int n, Frei frei)
{
    for (int k = 1; k < n; ++k)
        if (frei(k))
            return k;
    return n;
}

// The last slot stands at most once at the end of its history, however
// often it is overwritten.
void Anhaengen(std::string& historie, char eintrag, bool letzterSlot)
{
    if (!letzterSlot || historie.empty() || historie.back() != eintrag)
        historie += eintrag;
}

// Slot digits: "1".."9", and "0" for slot 10.
char SlotZiffer(int k)
{
    return k == 10 ? '0' : static_cast<char>('0' + k);
}

// The slot a digit names; 0 for anything else ("x": no point).
int ZifferSlot(char c)
{
    if (c == '0')
        return 10;
    if (c >= '1' && c <= '9')
        return c - '0';
    return 0;
}

bool FunktionFrei(int k)
{
    return !Funktionen[static_cast<std::size_t>(k)] || !Funktionen[static_cast<std::size_t>(k)]->GetCompiled();
}

// A point is free while its x is empty; a circle while its centre's x and y
// are (a centre typed by hand counts as taken).
bool PunktFrei(int k)
{
    return Punkte[k].X.empty();
}

bool KreisFrei(int k)
{
    return Punkte[10 + k].X.empty() && Punkte[10 + k].Y.empty();
}

std::string Gespeichert(const QString& text)
{
    return AufKapazitaet(text.toStdString());
}

}  // namespace

// ---------------------------------------------------------------------------
// Left clicks

void TGraphik::PaintBoxClick_Links_23(QObject* /*Sender*/, int /*X*/, int /*Y*/)
{
    if (YText == Undefiniert)
        return;
    const bool spur = Modus == ModusSpur;
    const int k = FreierSlot(10, PunktFrei);
    const char buchstabe = static_cast<char>((spur ? 'P' : 'A') + k - 1);
    Anhaengen(spur ? SpurHistorie : PunktHistorie, buchstabe, k == 10);
    QString name(QLatin1Char{buchstabe});
    if (CheckBox2->isChecked())
        name += QLatin1Char('(') + XText + QLatin1Char('|') + YText + QLatin1Char(')');
    PunktSetzen(k, spur ? clBlue : clGreen, spur ? MarkeQuadrat : MarkeScheibe, name);
    GraphikResize();
}

void TGraphik::PaintBoxClick_Links_4(QObject* /*Sender*/, int /*X*/, int /*Y*/)
{
    std::string& historie = IstTangente ? TangentenHistorie : NormalenHistorie;
    const int s = FreierSlot(9, FunktionFrei);
    // Function 9 made by this tool is replaced, and the point of its entry
    // is the one the new entry reuses.
    int wieder = 0;
    if (s == 9 && historie.size() >= 2 && historie[historie.size() - 2] == '9') {
        wieder = ZifferSlot(historie.back());
        historie.resize(historie.size() - 2);
    }
    TFunktion* f = Funktionen[static_cast<std::size_t>(s)];
    if (!f)
        return;
    f->SetTerm(VorschauTerm.toStdString());
    StatusBar1->update();
    emit Melder().FunktionGeaendert(s, this);

    // Every entry has two characters: "x" stands for no point, also where
    // the touching point is not defined.
    historie += static_cast<char>('0' + s);
    if (CheckBox2->isChecked() && YText != Undefiniert) {
        const int k = FreierSlot(10, [wieder](int i) { return i == wieder || PunktFrei(i); });
        PunktSetzen(k, f->GetColor(), MarkeScheibe, KoordText);
        historie += SlotZiffer(k);
    } else {
        historie += 'x';
    }
    GraphikResize();
}

void TGraphik::PaintBoxClick_Links_5(QObject* /*Sender*/, int /*X*/, int /*Y*/)
{
    const int n = FreierSlot(4, [](int i) { return Senkrechte[i].X.empty(); });
    // The y range keeps its texts.
    Senkrechte[n].X = Gespeichert(XText);
    Anhaengen(SenkrechtenHistorie, SlotZiffer(n), n == 4);
    emit Melder().TabelleGeaendert(TObjekttabelle::Senkrechte, this);
    GraphikResize();
}

void TGraphik::PaintBoxClick_Links_71(QObject* /*Sender*/, int /*X*/, int /*Y*/)
{
    const int i = FreierSlot(10, KreisFrei);
    Anhaengen(KreisHistorie, SlotZiffer(i), i == 10);
    // A circle, not an ellipse: both radii are the one radius. The circles
    // window shows it, when it was ever opened; the picture is drawn here.
    TPunkt& m = Punkte[10 + i];
    m.X = AufKapazitaet(Flagge.MittelXText);
    m.Y = AufKapazitaet(Flagge.MittelYText);
    Kreise[i].RadiusX = AufKapazitaet(Flagge.RadiusText);
    Kreise[i].RadiusY = AufKapazitaet(Flagge.RadiusText);
    emit Melder().TabelleGeaendert(TObjekttabelle::Kreise, this);
    GraphikResize();
}

void TGraphik::PaintBoxClick_Links_81(QObject* /*Sender*/, int /*X*/, int /*Y*/)
{
    FunktionAnnehmen(GeradenHistorie);
}

void TGraphik::PaintBoxClick_Links_93(QObject* /*Sender*/, int /*X*/, int /*Y*/)
{
    FunktionAnnehmen(ParabelHistorie);
}

// Point k: colour, marker, the name on the right, the name and the
// coordinates. The points window shows it, its marker and name buttons
// pressed and its edits in the point's colour.
void TGraphik::PunktSetzen(int k, TColor farbe, std::int32_t stil, const QString& name)
{
    TPunkt& p = Punkte[k];
    p.Color = farbe;
    p.Style = stil;
    p.NamePos = NameRechts;
    p.Name = Gespeichert(name);
    p.X = Gespeichert(XText);
    p.Y = Gespeichert(YText);
    emit Melder().TabelleGeaendert(TObjekttabelle::Punkte, this);
}

// The line or parabola of the preview becomes the first function whose
// term does not compile, else function 9, and the selected one.
void TGraphik::FunktionAnnehmen(std::string& historie)
{
    const int s = FreierSlot(9, FunktionFrei);
    if (s == 9 && !historie.empty() && historie.back() == '9')
        historie.pop_back();
    TFunktion* f = Funktionen[static_cast<std::size_t>(s)];
    if (!f)
        return;
    f->SetTerm(VorschauTerm.toStdString());
    emit Melder().FunktionWaehlenVerlangt(s);
    StatusBar1->update();
    historie += static_cast<char>('0' + s);
    GraphikResize();
}

// ---------------------------------------------------------------------------
// Right clicks

void TGraphik::PaintBoxClick_Rechts(QObject* Sender, int /*X*/, int /*Y*/)
{
    // The next preview tick draws, wherever the pointer is.
    LetzteMausX = -41;
    const TModusEintrag* e = ModusEintrag(Modus);
    if (!e)
        return;
    if (e->Zuruecknehmen)
        (this->*e->Zuruecknehmen)();
    else if (e->ZurueckNach != 0)
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

// Points and trace points: the point of the newest letter is reset, as its
// row's reset in the points window does.
void TGraphik::PunktZuruecknehmen()
{
    const bool spur = Modus == ModusSpur;
    std::string& historie = spur ? SpurHistorie : PunktHistorie;
    if (historie.empty())
        return;
    const int k = historie.back() - (spur ? 'P' : 'A') + 1;
    historie.pop_back();
    if (k < 1 || k > 10)
        return;
    Klang("weg");
    PunktZuruecksetzen(k);
}

void TGraphik::PunktZuruecksetzen(int k)
{
    PunktVorbelegen(k);
    emit Melder().TabelleGeaendert(TObjekttabelle::Punkte, this);
    GraphikResize();
}

void TGraphik::TangenteZuruecknehmen()
{
    std::string& historie = IstTangente ? TangentenHistorie : NormalenHistorie;
    if (!historie.empty()) {
        Klang("weg");
        // A remainder shorter than an entry is dropped unread.
        if (historie.size() >= 2) {
            const int s = ZifferSlot(historie[historie.size() - 2]);
            if (s >= 1 && s <= 9 && Funktionen[static_cast<std::size_t>(s)])
                Funktionen[static_cast<std::size_t>(s)]->SetTerm("f(x) =");
            const int k = ZifferSlot(historie.back());
            historie.resize(historie.size() - 2);
            if (k != 0)
                PunktZuruecksetzen(k);
        } else {
            historie.clear();
        }
    }
    GraphikResize();
    StatusBar1->update();
    emit Melder().FunktionGeaendert(0, this);
}

void TGraphik::SenkrechteZuruecknehmen()
{
    if (SenkrechtenHistorie.empty())
        return;
    const int n = ZifferSlot(SenkrechtenHistorie.back());
    SenkrechtenHistorie.pop_back();
    if (n < 1 || n > 4)
        return;
    Klang("weg");
    // Without its x the segment disappears.
    Senkrechte[n].X.clear();
    emit Melder().TabelleGeaendert(TObjekttabelle::Senkrechte, this);
    GraphikResize();
}

void TGraphik::KreisZuruecknehmen()
{
    if (KreisHistorie.empty())
        return;
    const int i = ZifferSlot(KreisHistorie.back());
    KreisHistorie.pop_back();
    if (i == 0)
        return;
    Klang("weg");
    ResetCircle(i);
}

void TGraphik::GeradeZuruecknehmen()
{
    emit Melder().AuswahlErneuernVerlangt();
    FunktionZuruecknehmen(GeradenHistorie);
}

void TGraphik::ParabelZuruecknehmen()
{
    FunktionZuruecknehmen(ParabelHistorie);
}

// The function of the newest line or parabola is emptied, and function 1
// becomes the selected one.
void TGraphik::FunktionZuruecknehmen(std::string& historie)
{
    if (historie.empty())
        return;
    const int s = ZifferSlot(historie.back());
    historie.pop_back();
    if (s < 1 || s > 9 || !Funktionen[static_cast<std::size_t>(s)])
        return;
    Klang("weg");
    Funktionen[static_cast<std::size_t>(s)]->SetTerm("f(x) =");
    GraphikResize();
    StatusBar1->update();
    emit Melder().FunktionGeaendert(s, this);
    emit Melder().FunktionWaehlenVerlangt(1);
}

void TGraphik::ResetCircle(int i)
{
    KreisVorbelegen(i);
    // The circles window shows it (when it was ever opened).
    emit Melder().TabelleGeaendert(TObjekttabelle::Kreise, this);
    GraphikResize();
}

void TGraphik::NeuBeginnen(QObject* Sender)
{
    InteraktivBox->setChecked(true);
    UrsprungButton->setChecked(true);
    Modus = ModusUrsprung;
    TracebuttonClick(Sender);  // (the origin tool unticks "Foto mit")
    SoundBox->setChecked(true);
    TrackBar3->setValue(3);
    HistorienLeeren();
}

void TGraphik::HistorienLeeren()
{
    for (std::string* h : {&PunktHistorie, &SpurHistorie, &TangentenHistorie, &NormalenHistorie,
                           &SenkrechtenHistorie, &BeschrHistorie, &KreisHistorie, &GeradenHistorie,
                           &ParabelHistorie})
        h->clear();
}
