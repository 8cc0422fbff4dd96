// The worked examples: their menus, the one question before the first of a
// run, the loader that turns an example's rows into a drawing, and the
// common last step `beispiele`.

#include "main/beispiele.h"

#include "main/beschriftung_tabelle.h"

#include "engine/einheiten.h"
#include "engine/funktion.h"
#include "engine/tabellen.h"
#include "engine/zahlen.h"
#include "main/form1.h"
#include "main/vorlagen.h"
#include "platform/fensterhilfen.h"
#include "platform/melder.h"
#include "platform/sprache.h"
#include "platform/statusleiste.h"
#include "platform/zeiger.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSlider>

namespace {

constexpr int ZeileBeispielFrage1 = 201;  // the example question, four lines
constexpr int ZeileBeispielFrage4 = 204;

std::string Utf8(const QString& s)
{
    return s.toStdString();
}

std::string Utf8(const char* text)
{
    return Utf8(MitDezimaltrenner(text));
}

// Whatever happens while an example is built, the graph window may draw
// again when it is over.
class TZeichnenFreigabe {
public:
    TZeichnenFreigabe() = default;
    ~TZeichnenFreigabe() { ZeichnenErlaubt = true; }
    TZeichnenFreigabe(const TZeichnenFreigabe&) = delete;
    TZeichnenFreigabe& operator=(const TZeichnenFreigabe&) = delete;
};

class TLayoutHalten {
public:
    explicit TLayoutHalten(bool halten) { Zustand.LayoutHalten = halten; }
    ~TLayoutHalten() { Zustand.LayoutHalten = false; }
    TLayoutHalten(const TLayoutHalten&) = delete;
    TLayoutHalten& operator=(const TLayoutHalten&) = delete;
};

void FunktionSetzen(const TBspFunktion& z)
{
    TFunktion* f = Funktionen[static_cast<std::size_t>(z.Nr)];
    if (!f)
        return;
    // (New, which every example starts with, made it a function.)
    if (z.NurTerm) {
        f->SetTerm(Utf8(z.Term));
        return;
    }
    f->SetXFrom(z.XVon);
    f->SetXTo(z.XBis);
    if (z.Schar) {
        f->SetTFrom(z.TVon);
        f->SetTTo(z.TBis);
        f->SetTStep(z.TSchritt);
    }
    f->SetTerm(Utf8(z.Term));
    f->SetKind(z.Schar ? ArtFunktionenschar : ArtFunktion);
    f->SetColor(z.Farbe);
    if (z.Schar)
        f->SetColor2(z.Farbe2);
    f->SetLineStyle(z.Stil);
}

void PunktSetzen(TPunkt& p, const char* x, const char* y, const TBspText& name, int stil, int lage, TColor farbe)
{
    p.X = Utf8(x);
    p.Y = Utf8(y);
    p.Name = Utf8(name.Text());
    p.Style = stil;
    p.NamePos = lage;
    p.Color = farbe;
}

// Labels fill the slots from 1 in the order of their rows.
void ObjekteSetzen(TBeispielNr nr)
{
    for (const TBspPunkt& z : BeispielPunkte()) {
        if (z.Bsp != nr)
            continue;
        TPunkt& p = Punkte[z.Slot];
        PunktSetzen(p, z.X, z.Y, z.Name, z.Stil, z.Lage, z.Farbe);
        // The points window stores a colour for the mark and the name.
        p.Font.Color = z.Farbe;
    }
    for (const TBspKreis& z : BeispielKreise()) {
        if (z.Bsp != nr)
            continue;
        TKreis& c = Kreise[z.K];
        c.Hinten = 0;
        c.LineStyle = z.Stil;
        c.RadiusX = Utf8(z.RadiusX);
        c.RadiusY = Utf8(z.RadiusY);
        c.ShowCentre = z.Mitte;
        c.Fill = z.Fuellung;
        c.FillColor = z.FuellFarbe;
        PunktSetzen(Punkte[10 + z.K], z.X, z.Y, z.Name, z.MarkenStil, z.Lage, z.Farbe);
    }
    int k = 0;
    for (const TBspBeschriftung& z : BeispielBeschriftungen()) {
        if (z.Bsp != nr || k >= 9)
            continue;
        TBeschriftung& b = Beschriftungen[++k];
        b.Text = Utf8(z.Text.Text());
        b.X = z.X;
        b.Y = z.Y;
        b.Font.Name = "Tahoma";
        b.Font.Color = z.Farbe;
        b.Font.Size = z.Groesse;
        b.Font.Style = z.Fett ? fsBold : 0;
        b.Vorne = 1;
    }
    for (const TBspSenkrechte& z : BeispielSenkrechte()) {
        if (z.Bsp != nr)
            continue;
        TSenkrechte& s = Senkrechte[z.Nr];
        s.X = z.X;
        s.YFrom = z.YVon;
        s.YTo = z.YBis;
        s.Color = z.Farbe;
        s.LineStyle = z.Stil;
    }
    for (const TBspFlaeche& z : BeispielFlaechen()) {
        if (z.Bsp != nr)
            continue;
        TFlaeche& f = Flaechen[z.Nr];
        f.CurveA = z.KurveA;
        f.CurveB = z.KurveB;
        f.XFrom = Utf8(z.XVon);
        f.XTo = Utf8(z.XBis);
        f.Color = z.Farbe;
        f.Linien = z.Linien ? 1 : 0;
    }
}

}  // namespace

QString TBspText::Text() const
{
    QString t = MitDezimaltrenner(Vor);
    if (Zeile >= 0)
        t += Txt(Zeile);
    return t + MitDezimaltrenner(Nach);
}

// ---------------------------------------------------------------------------
// Menus

void TForm1::ErzeugeBeispielmenues()
{
    const auto gruppen = BeispielGruppen();
    std::vector<QMenu*> haupt;
    std::vector<QMenu*> popup;
    for (const TBeispielGruppe& g : gruppen) {
        QMenu* h = Beispiele2->addMenu(QString::fromUtf8(g.Text));
        h->setObjectName(QString::fromLatin1(g.Haupt));
        haupt.push_back(h);
        QMenu* p = PopupMenu2->addMenu(QString::fromUtf8(g.Text));
        p->setObjectName(QString::fromLatin1(g.Popup));
        popup.push_back(p);
    }
    for (const TBeispiel& b : Beispiele()) {
        const auto gruppe = static_cast<std::size_t>(b.Gruppe);
        QAction* h = haupt[gruppe]->addAction(QString::fromUtf8(b.Text));
        h->setObjectName(QString::fromLatin1(b.Haupt));
        connect(h, &QAction::triggered, this, [this, &b] { BeispielLaden(b); });
        QAction* p = popup[gruppe]->addAction(QString::fromUtf8(b.Text));
        p->setObjectName(QString::fromLatin1(b.Popup));
        connect(p, &QAction::triggered, this, [this, &b] { BeispielAusPopup(b); });
    }
    // The parabola families' main menu also leads to more examples on the web.
    QMenu* scharen = haupt[2];
    scharen->addSeparator();
    Autor1 = scharen->addAction(QStringLiteral("Weitere Beispiele im Web"));
    Autor1->setObjectName(QStringLiteral("Autor1"));
    connect(Autor1, &QAction::triggered, this, [this] { Autor1Click(Autor1); });
}

void TForm1::BeispielmenuesFuellen()
{
    if (Autor1)
        return;
    ErzeugeVorlagenmenues();
    ErzeugeBeispielmenues();
    // In the language in force, like the rest of the window.
    for (QMenu* m : {PopupMenu1, PopupMenu2, Beispiele1, Beispiele2})
        BeschriftungAnwenden(this, m);
}

// ---------------------------------------------------------------------------
// Loading

void TForm1::Meldung()
{
    QString text;
    for (int zeile = ZeileBeispielFrage1; zeile <= ZeileBeispielFrage4; ++zeile) {
        if (zeile == ZeileBeispielFrage4)
            text += QLatin1Char('\n');
        text += Txt(zeile);
        if (zeile != ZeileBeispielFrage4)
            text += QLatin1Char('\n');
    }
    if (AskYesNo(text) == IDYES)
        BeispielBestaetigt = true;
}

void TForm1::BeispielAusPopup(const TBeispiel& b)
{
    // A maximised graph window (presentation) keeps its place and size.
    const TLayoutHalten halten(Zustand.Praesentation);
    BeispielLaden(b);
}

void TForm1::BeispielLaden(const TBeispiel& b)
{
    if (!BeispielBestaetigt)
        Meldung();
    if (!BeispielBestaetigt)
        return;
    // New and the example's rows are shown once and drawn once, after the
    // drawing is allowed again.
    const TAenderungsklammer klammer;
    try {
        const TZeichnenFreigabe freigabe;
        ZeichnenErlaubt = false;  // nothing is drawn while the data change
        // An example never brings the start template.
        StartvorlageLaden = false;
        SpeedButton3Click();
        // The example's view: a track bar position sets its step's unit, a
        // given y unit wins; colour and numbers on, the axes as it says.
        TAnsicht& a = Zustand.Ansicht;
        if (b.Ansicht) {
            a.XMin = b.Ansicht->XMin;
            a.XMax = b.Ansicht->XMax;
            a.YMax = b.Ansicht->YMax;
            a.YMin = b.Ansicht->YMin;
        }
        if (b.TrackBar1 != KeineStellung && b.TrackBar1 != a.PositionY) {
            a.PositionY = b.TrackBar1;
            a.EinheitY = EinheitYAusPosition(b.TrackBar1);
        }
        if (b.TrackBar2 != KeineStellung && b.TrackBar2 != a.PositionX) {
            a.PositionX = b.TrackBar2;
            a.EinheitX = EinheitXAusPosition(b.TrackBar2);
        }
        if (b.EinheitY > 0)
            a.EinheitY = b.EinheitY;
        a.XAchse = b.XAchse.Text().toStdString();
        a.YAchse = b.YAchse.Text().toStdString();
        a.Farbig = true;
        a.Zahlen = true;
        a.Achsen = b.Achsen;
        a.Gitter = b.Gitter;
        emit Melder().AnsichtGeaendert(this);
        for (const TBspFunktion& z : BeispielFunktionen()) {
            if (z.Bsp == b.Nr)
                FunktionSetzen(z);
        }
        ObjekteSetzen(b.Nr);
        beispiele();
        if (b.Auswahl != 1) {
            ComboBox1->setEditText(QString::number(b.Auswahl) + QLatin1Char('.'));
            ComboBox1Change();
        }
    } catch (...) {
        // A half-built example still leaves a window that draws what was
        // built.
        emit Melder().ZeichnenVerlangt();
    }
}

void TForm1::beispiele()
{
    const TSanduhr sanduhr;
    const TZeichnenFreigabe freigabe;
    const bool praesentation = Zustand.Praesentation;
    // Function 1 selected: colours, equation, ranges and line style in both
    // input bars. The range fields store what they show back into the
    // function, as after any choice of a function.
    const TFunktion* f = Funktionen[1];
    if (!f)
        return;
    // (New chose "1." in the list already.)
    // (An equation the same as New's, which the field holds then, needs no
    // change handler: New ran it for this equation and x = t = 0.)
    ComboBox1Change();
    // The lengths of the axes the view has.
    TAnsicht& a = Zustand.Ansicht;
    a.XLaenge = std::to_string(std::abs(static_cast<std::int64_t>(a.XMax) - a.XMin));
    a.YLaenge = std::to_string(std::abs(static_cast<std::int64_t>(a.YMax) - a.YMin));
    emit Melder().AnsichtGeaendert(this);

    // The graph window's range fields show whole numbers; the main window's
    // handlers must not store them back.
    BereicheGesperrt = true;
    const char sep = Dezimaltrenner();
    auto ganz = [](double v) { return QString::number(RoundToInt64(v)); };
    emit Melder().BereicheZeigenVerlangt({ganz(f->GetXFrom()), ganz(f->GetXTo()), ganz(f->GetTFrom()),
                                          ganz(f->GetTTo()), QString::fromStdString(FloatToStr(f->GetTStep(), sep))});
    BereicheGesperrt = false;

    // In presentation mode the main window stays out of the way.
    if (praesentation)
        hide();
    ZeichnenErlaubt = true;
    emit Melder().ZeichnenVerlangt();
}
