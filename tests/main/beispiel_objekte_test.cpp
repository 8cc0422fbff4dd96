// Every worked example builds exactly what its rows say: each function,
// point, circle, label, vertical segment and area of the example arrives in
// its slot with every field, the view and the axes are as the example sets
// them, and every slot the example leaves alone is as New left it.

#include "programm_fixture.h"

#include "main/beispiele.h"

#include <QSlider>

#include <sstream>

namespace {

// A text of the example data in the words and the separator in force: '#'
// is the decimal separator, a literal comma stays.
std::string MitTrenner(const char* text)
{
    std::string s = text;
    for (char& c : s)
        if (c == '#')
            c = Dezimaltrenner();
    return s;
}

std::string Text(const TBspText& t)
{
    std::string s = MitTrenner(t.Vor);
    if (t.Zeile >= 0)
        s += Txt(t.Zeile).toStdString();
    return s + MitTrenner(t.Nach);
}

void PunktAusZeile(TPunkt& p, const char* x, const char* y, const TBspText& name, int stil, int lage, TColor farbe)
{
    p.X = MitTrenner(x);
    p.Y = MitTrenner(y);
    p.Name = Text(name);
    p.Style = stil;
    p.NamePos = lage;
    p.Color = farbe;
}

// What a function shows of itself.
struct TFunktionsbild {
    std::string Term, Art;
    double XVon, XBis, TVon, TBis, TSchritt;
    TColor Farbe, Farbe2;
    int Stil;
    friend bool operator==(const TFunktionsbild&, const TFunktionsbild&) = default;
};

TFunktionsbild Bild(const TFunktion& f)
{
    return {f.GetTerm(),  f.GetKind(),  f.GetXFrom(),  f.GetXTo(),     f.GetTFrom(),
            f.GetTTo(),   f.GetTStep(), f.GetColor(),  f.GetColor2(),  f.GetLineStyle()};
}

std::ostream& operator<<(std::ostream& o, const TFunktionsbild& b)
{
    return o << b.Term << " [" << b.Art << "] x " << b.XVon << ".." << b.XBis << " t " << b.TVon << ".." << b.TBis
             << " step " << b.TSchritt << " colours " << b.Farbe << "/" << b.Farbe2 << " style " << b.Stil;
}

// The tables and functions as New leaves them.
struct TNeu {
    TPunkte P;
    TKreise K;
    TBeschriftungen B;
    TSenkrechten S;
    TFlaechen F;
    std::array<TFunktionsbild, 10> Fn;
};

class BeispielObjekte : public GestartetTest {
protected:
    void SetUp() override
    {
        GestartetTest::SetUp();
        Frage.Antwort = QMessageBox::Yes;
    }

    static TNeu NachNeu()
    {
        Form1->Neu1->trigger();
        TNeu n{Punkte, Kreise, Beschriftungen, Senkrechte, Flaechen, {}};
        for (std::size_t i = 1; i <= 9; ++i)
            n.Fn[i] = Bild(*Funktionen[i]);
        return n;
    }

    // What example `b` must build, from its rows and New's state.
    static TNeu Soll(const TBeispiel& b, const TNeu& neu)
    {
        TNeu s = neu;
        for (const TBspFunktion& z : BeispielFunktionen()) {
            if (z.Bsp != b.Nr)
                continue;
            TFunktionsbild& f = s.Fn[static_cast<std::size_t>(z.Nr)];
            f.Term = MitTrenner(z.Term);
            f.Art = z.Schar ? ArtFunktionenschar : ArtFunktion;
            if (z.NurTerm)
                continue;
            std::tie(f.XVon, f.XBis, f.Farbe, f.Stil) = std::tuple(z.XVon, z.XBis, z.Farbe, z.Stil);
            if (z.Schar)
                std::tie(f.TVon, f.TBis, f.TSchritt, f.Farbe2) = std::tuple(z.TVon, z.TBis, z.TSchritt, z.Farbe2);
        }
        for (const TBspPunkt& z : BeispielPunkte()) {
            if (z.Bsp != b.Nr)
                continue;
            TPunkt& p = s.P[z.Slot];
            PunktAusZeile(p, z.X, z.Y, z.Name, z.Stil, z.Lage, z.Farbe);
            p.Font.Color = z.Farbe;
        }
        for (const TBspKreis& z : BeispielKreise()) {
            if (z.Bsp != b.Nr)
                continue;
            TKreis& k = s.K[z.K];
            k.Hinten = 0;
            k.LineStyle = z.Stil;
            std::tie(k.RadiusX, k.RadiusY) = std::tuple(MitTrenner(z.RadiusX), MitTrenner(z.RadiusY));
            std::tie(k.ShowCentre, k.Fill, k.FillColor) = std::tuple(z.Mitte, z.Fuellung, z.FuellFarbe);
            PunktAusZeile(s.P[10 + z.K], z.X, z.Y, z.Name, z.MarkenStil, z.Lage, z.Farbe);
        }
        int slot = 0;
        for (const TBspBeschriftung& z : BeispielBeschriftungen()) {
            if (z.Bsp != b.Nr)
                continue;
            TBeschriftung& l = s.B[++slot];
            std::tie(l.Text, l.X, l.Y, l.Vorne) = std::tuple(Text(z.Text), z.X, z.Y, 1);
            l.Font.Name = "Tahoma";
            std::tie(l.Font.Color, l.Font.Size, l.Font.Style) = std::tuple(z.Farbe, z.Groesse, z.Fett ? fsBold : 0);
        }
        for (const TBspSenkrechte& z : BeispielSenkrechte()) {
            if (z.Bsp != b.Nr)
                continue;
            TSenkrechte& v = s.S[z.Nr];
            std::tie(v.X, v.YFrom, v.YTo, v.Color, v.LineStyle) = std::tuple(z.X, z.YVon, z.YBis, z.Farbe, z.Stil);
        }
        for (const TBspFlaeche& z : BeispielFlaechen()) {
            if (z.Bsp != b.Nr)
                continue;
            TFlaeche& f = s.F[z.Nr];
            std::tie(f.CurveA, f.CurveB, f.Color, f.Linien) = std::tuple(z.KurveA, z.KurveB, z.Farbe, z.Linien ? 1 : 0);
            std::tie(f.XFrom, f.XTo) = std::tuple(MitTrenner(z.XVon), MitTrenner(z.XBis));
        }
        return s;
    }

    template <typename T>
    static std::string Abweichungen(const char* name, const T& ist, const T& soll)
    {
        std::ostringstream o;
        for (int k = 1; k <= T::Anzahl; ++k)
            if (!(ist[k] == soll[k]))
                o << " " << name << "[" << k << "]";
        return o.str();
    }
};

TEST_F(BeispielObjekte, EveryObjectOfEveryExampleArrivesInItsSlot)
{
    // Two languages: the separators of the rows follow the one in force.
    for (QAction* sprache : {Form1->deutsch1, Form1->english1}) {
        sprache->trigger();
        const TNeu neu = NachNeu();
        int geladen = 0;
        for (const TBeispiel& b : Beispiele()) {
            SCOPED_TRACE(std::string(b.Laden) + " " + sprache->objectName().toStdString());
            // Something of another example stands in every table first.
            Punkte[1].X = Senkrechte[1].X = Flaechen[1].XFrom = Beschriftungen[1].Text = Kreise[1].RadiusX = "9";
            QAction* eintrag = Form1->findChild<QAction*>(QString::fromLatin1(b.Haupt));
            ASSERT_NE(eintrag, nullptr);
            eintrag->trigger();
            ++geladen;

            const TNeu soll = Soll(b, neu);
            EXPECT_EQ(Abweichungen("Punkte", Punkte, soll.P) + Abweichungen("Kreise", Kreise, soll.K) +
                          Abweichungen("Beschriftungen", Beschriftungen, soll.B) +
                          Abweichungen("Senkrechte", Senkrechte, soll.S) + Abweichungen("Flaechen", Flaechen, soll.F),
                      "");
            for (std::size_t i = 1; i <= 9; ++i)
                EXPECT_EQ(Bild(*Funktionen[i]), soll.Fn[i]) << "function " << i;

            // The view, the units, the axes and the function chosen.
            const TBspAnsicht a = b.Ansicht.value_or(TBspAnsicht{-5, 6, -2, 8});
            EXPECT_EQ(std::tuple(Graphik->XMin, Graphik->XMax, Graphik->YMin, Graphik->YMax),
                      std::tuple(a.XMin, a.XMax, a.YMin, a.YMax));
            EXPECT_EQ(std::tuple(Graphik->TrackBar1->value(), Graphik->TrackBar2->value()),
                      std::tuple(b.TrackBar1 == KeineStellung ? 1 : b.TrackBar1,
                                 b.TrackBar2 == KeineStellung ? 1 : b.TrackBar2));
            if (b.EinheitY > 0) {
                EXPECT_EQ(Graphik->EinheitY, b.EinheitY);
            }
            EXPECT_EQ(std::tuple(Graphik->Edit1->text().toStdString(), Graphik->Edit2->text().toStdString(), Graphik->Gitter),
                      std::tuple(Text(b.XAchse), Text(b.YAchse), std::string(b.Gitter)));
            EXPECT_EQ(std::tuple(Graphik->CB2->isChecked(), Graphik->CB3->isChecked(), Graphik->CB4->isChecked()),
                      std::tuple(true, b.Achsen, true));
            EXPECT_EQ(std::tuple(FunktionNr, Funktionen[0], Form1->ComboBox1->currentText()),
                      std::tuple(b.Auswahl, Funktionen[static_cast<std::size_t>(b.Auswahl)],
                                 QString::number(b.Auswahl) + QLatin1Char('.')));
            EXPECT_EQ(Form1->Edit1->text().toStdString(), Funktionen[0]->GetTerm());
            EXPECT_TRUE(Form1->isVisible());
        }
        EXPECT_EQ(geladen, AnzahlBeispiele);
    }
}

// The popup's items load the same examples as the main menu's.
TEST_F(BeispielObjekte, PopupItemsLoadTheirOwnExample)
{
    for (const TBeispiel& b : Beispiele()) {
        Funktionen[1]->SetTerm("f(x) = 9");
        QAction* eintrag = Form1->findChild<QAction*>(QString::fromLatin1(b.Popup));
        ASSERT_NE(eintrag, nullptr) << b.Popup;
        eintrag->trigger();
        for (const TBspFunktion& z : BeispielFunktionen())
            if (z.Bsp == b.Nr && z.Nr == 1) {
                EXPECT_EQ(Funktionen[1]->GetTerm(), MitTrenner(z.Term)) << b.Popup;
            }
    }
}

// An example chosen during presentation mode leaves the main window out of
// the way.
TEST_F(BeispielObjekte, AnExampleInPresentationModeKeepsTheMainWindowHidden)
{
    Form1->SpeedButton5->click();
    ASSERT_TRUE(Graphik->isMaximized());
    Form1->findChild<QAction*>(QStringLiteral("Sinusschar2"))->trigger();
    EXPECT_FALSE(Form1->isVisible());
    EXPECT_TRUE(Graphik->isMaximized());
}

}  // namespace
