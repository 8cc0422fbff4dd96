// The worked examples: the one question, every example's equations, two
// examples in depth, the popup in presentation mode and an example that
// fails half-way.

#include "programm_fixture.h"

#include "engine/funktion.h"
#include "graph/graphik.h"
#include "main/beispiele.h"
#include "main/form1.h"
#include "platform/sprache.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QSlider>

#include <stdexcept>

namespace {

class Beispiele_ : public ProgrammTest {
protected:
    void SetUp() override
    {
        ProgrammTest::SetUp();
        Starten();
        Frage.Antwort = QMessageBox::Yes;
    }

    static void Laden(const char* eintrag)
    {
        QAction* a = Form1->findChild<QAction*>(QString::fromLatin1(eintrag));
        ASSERT_NE(a, nullptr) << eintrag;
        a->trigger();
    }
};

TEST_F(Beispiele_, AskedUntilTheFirstYesAndANoChangesNothing)
{
    Frage.Antwort = QMessageBox::No;
    Laden("Sinusschar1");
    Laden("Sinusschar2");
    ASSERT_EQ(Frage.Fragen.size(), 2u);
    EXPECT_EQ(Frage.Fragen[0], Txt(201) + "\n" + Txt(202) + "\n" + Txt(203) + "\n\n" + Txt(204));
    EXPECT_EQ(Funktionen[1]->GetTerm(), "f(x) = x^2");
    EXPECT_EQ(Graphik->XMin, -5);

    Frage.Antwort = QMessageBox::Yes;
    Laden("Sinusschar1");
    EXPECT_EQ(Funktionen[1]->GetTerm(), "f(x,t) = sin(t*x) * t^2");
    Laden("Kolibri1");
    EXPECT_EQ(Frage.Fragen.size(), 3u);
}

TEST_F(Beispiele_, EveryExampleLoadsAndItsEquationsCompile)
{
    for (const TBeispiel& b : Beispiele()) {
        Laden(b.Haupt);
        EXPECT_TRUE(ZeichnenErlaubt);
        EXPECT_EQ(FunktionNr, b.Auswahl) << b.Laden;
        EXPECT_EQ(Graphik->Gitter, b.Gitter) << b.Laden;
        for (const TBspFunktion& f : BeispielFunktionen()) {
            if (f.Bsp != b.Nr)
                continue;
            const TFunktion* g = Funktionen[static_cast<std::size_t>(f.Nr)];
            if (f.NurTerm) {
                EXPECT_EQ(g->GetTerm(), "f(x) = ");  // the deliberately empty equation
                continue;
            }
            EXPECT_TRUE(g->GetCompiled()) << b.Laden << " F" << f.Nr << " " << g->GetTerm();
            EXPECT_EQ(g->GetKind(), f.Schar ? ArtFunktionenschar : ArtFunktion) << b.Laden;
        }
    }
}

TEST_F(Beispiele_, GKBayern2007InDepth)
{
    Laden("BadenWrttemberg20071");
    EXPECT_EQ((std::array{Graphik->XMin, Graphik->XMax, Graphik->YMin, Graphik->YMax}), (std::array{-7, 7, -7, 7}));
    EXPECT_EQ(Graphik->Gitter, "0");
    EXPECT_TRUE(Graphik->CB2->isChecked() && Graphik->CB3->isChecked() && Graphik->CB4->isChecked());
    EXPECT_EQ(Graphik->ComboBox2->currentText(), QStringLiteral("14"));

    const TFunktion& f1 = *Funktionen[1];
    EXPECT_EQ(f1.GetTerm(), "f(x) = (x^2-3)/(x^2-9)");
    EXPECT_EQ(f1.GetColor(), clBlue);
    EXPECT_EQ(f1.GetLineStyle(), 1);
    EXPECT_DOUBLE_EQ(f1.GetXFrom(), -8);
    const TFunktion& f2 = *Funktionen[2];
    EXPECT_EQ(f2.GetTerm(), "y(x) = 1");
    EXPECT_EQ(f2.GetColor(), clRed);
    EXPECT_EQ(f2.GetLineStyle(), 6);
    EXPECT_EQ(Funktionen[3]->GetTerm(), "f(x) = ");  // as New left it

    for (int k : {1, 2}) {
        EXPECT_EQ(Senkrechte[k].X, k == 1 ? "-3" : "3");
        EXPECT_EQ(Senkrechte[k].YFrom, "8");
        EXPECT_EQ(Senkrechte[k].YTo, "-8");
        EXPECT_EQ(Senkrechte[k].Color, clRed);
        EXPECT_EQ(Senkrechte[k].LineStyle, 6);
    }
    EXPECT_EQ(Senkrechte[3].X, "");

    EXPECT_EQ(Beschriftungen[1].Text, "Graph von f");
    EXPECT_DOUBLE_EQ(Beschriftungen[1].X, 10.5);
    EXPECT_EQ(Beschriftungen[1].Font.Color, clBlue);
    EXPECT_EQ(Beschriftungen[1].Font.Size, 12);
    EXPECT_EQ(Beschriftungen[2].Text, Txt(209).toStdString());
    EXPECT_EQ(Beschriftungen[3].Text, "2007");
    EXPECT_DOUBLE_EQ(Beschriftungen[3].Y, 1.7);
    EXPECT_EQ(Beschriftungen[3].Font.Name, "Tahoma");
    EXPECT_EQ(Beschriftungen[3].Vorne, 1);
    EXPECT_EQ(Beschriftungen[4].Text, "");

    EXPECT_EQ(Punkte[1].X, "-1,73");
    EXPECT_EQ(Punkte[1].Name, "N");
    EXPECT_EQ(Punkte[3].Y, "0,33");
    EXPECT_EQ(Punkte[3].Style, 3);
    EXPECT_EQ(Punkte[3].NamePos, 2);
    EXPECT_EQ(Punkte[3].Color, clRed);
    EXPECT_EQ(Punkte[4].X, "");

    EXPECT_EQ(Flaechen[1].CurveA, 1);
    EXPECT_EQ(Flaechen[1].CurveB, 13);
    EXPECT_EQ(Flaechen[1].XFrom, "1,73");
    EXPECT_EQ(Flaechen[1].Color, RGB(166, 202, 240));
    EXPECT_EQ(Flaechen[2].XFrom, "-1,73");
    EXPECT_EQ(Flaechen[2].Color, clYellow);
    EXPECT_EQ(Flaechen[3].CurveA, Flaechen[3].CurveB);  // no area
}

TEST_F(Beispiele_, CirclesInDepthWithTheSeparatorOfTheLanguage)
{
    Form1->english1->trigger();
    Laden("Kreise3");
    EXPECT_EQ((std::array{Graphik->XMin, Graphik->XMax, Graphik->YMin, Graphik->YMax}), (std::array{-5, 6, -2, 8}));
    EXPECT_EQ(Funktionen[1]->GetTerm(), "f(x) = ");
    EXPECT_EQ(Graphik->Edit1->text(), QStringLiteral("x"));

    struct TKreisFall {
        int K;
        int Stil;
        const char* RX;
        const char* RY;
        const char* Mitte;
        const char* Fuellung;
        TColor FuellFarbe;
        const char* X;
        const char* Y;
        const char* Name;
        int Marke;
        TColor Farbe;
    };
    const TKreisFall faelle[] = {
        {1, 1, "3", "3", "1", "1", clRed, "-3", "1", "G", 1, clBlue},
        {3, 3, "0.5", "0.5", "1", "0", clYellow, "1", "1", "Z", 1, clBlue},
        {5, 0, "1", "0.5", "1", "1", clYellow, "-2", "3", "D", 3, clGreen},
        {9, 0, "1", "2", "0", "1", clLime, "1", "5", "", 2, clRed},
        {10, 1, "0.1", "0.1", "0", "1", clYellow, "0,5", "7,5", "", 3, clBlue},  // its name below
    };
    for (const TKreisFall& f : faelle) {
        const TKreis& c = Kreise[f.K];
        const TPunkt& m = Punkte[10 + f.K];
        EXPECT_EQ(c.Hinten, 0) << f.K;
        EXPECT_EQ(c.LineStyle, f.Stil) << f.K;
        EXPECT_EQ(c.RadiusX, f.RX) << f.K;
        EXPECT_EQ(c.RadiusY, f.RY) << f.K;
        EXPECT_EQ(c.ShowCentre, f.Mitte) << f.K;
        EXPECT_EQ(c.Fill, f.Fuellung) << f.K;
        EXPECT_EQ(c.FillColor, f.FuellFarbe) << f.K;
        EXPECT_EQ(m.X, f.X) << f.K;
        EXPECT_EQ(m.Y, f.Y) << f.K;
        EXPECT_EQ(m.Style, f.Marke) << f.K;
        EXPECT_EQ(m.Color, f.Farbe) << f.K;
        if (f.K != 10) {
            EXPECT_EQ(m.Name, f.Name) << f.K;
        }
    }
    EXPECT_EQ(Punkte[20].Name, "A  (" + Txt(217).toStdString() + ")");
    // Circle 6 stays as New left it, its centre empty.
    EXPECT_EQ(Kreise[6].RadiusX, "2");
    EXPECT_EQ(Punkte[16].X, "");
}

TEST_F(Beispiele_, RangeFieldsAfterAnExample)
{
    Laden("Kolibri2");
    // The graph window shows whole numbers and the step as it is; the main
    // window the function's values.
    EXPECT_EQ(Graphik->Evont->text(), QStringLiteral("0"));
    EXPECT_EQ(Graphik->Ebist->text(), QStringLiteral("2"));
    EXPECT_EQ(Graphik->Estept->text(), QStringLiteral("0,03"));
    EXPECT_EQ(Graphik->Evonx->text(), QStringLiteral("-5"));
    EXPECT_EQ(Form1->Estept->text(), QStringLiteral("0,03"));
    EXPECT_DOUBLE_EQ(Funktionen[1]->GetTStep(), 0.03);
    EXPECT_FALSE(Graphik->CB3->isChecked());
    EXPECT_FALSE(Graphik->CB4->isEnabled());

    Laden("AlternierendeFolge1");
    EXPECT_EQ(FunktionNr, 3);
    EXPECT_EQ(Form1->Edit1->text(), QStringLiteral("a(n) = (-0,8)^n"));
    EXPECT_EQ(Graphik->TrackBar1->value(), -1);
    EXPECT_EQ(Graphik->TrackBar2->value(), 4);
    EXPECT_EQ(Graphik->Edit2->text(), QStringLiteral("a(n)"));
}

TEST_F(Beispiele_, FromThePopupAMaximisedGraphWindowStaysSo)
{
    Form1->SpeedButton5Click();
    ASSERT_TRUE(Graphik->isMaximized());
    Laden("GKBerlin20072");
    EXPECT_TRUE(Graphik->isMaximized());
    EXPECT_FALSE(Graphik->LayoutHalten);
    EXPECT_EQ(Funktionen[1]->GetTerm(), "f(x) = x*exp(1-x)");

    // From the main menu it is laid out as New lays it out.
    Laden("GKBerlin20071");
    EXPECT_FALSE(Graphik->isMaximized());
}

// A function object that fails on the tangent of the Berlin example.
struct TStoerung : TFunktion {
    void SetTerm(const std::string& s) override
    {
        if (s.rfind("t(x)", 0) == 0)
            throw std::runtime_error("kaputt");
        TFunktion::SetTerm(s);
    }
};

TEST_F(Beispiele_, AnExampleThatFailsHalfWayLeavesTheWindowDrawingWithItsCursorAndLayout)
{
    TStoerung stoerung;
    TFunktion* vorher = Funktionen[2];
    Funktionen[2] = &stoerung;
    Form1->SpeedButton5Click();
    Laden("GKBerlin20072");
    Funktionen[2] = vorher;

    EXPECT_TRUE(ZeichnenErlaubt);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(Graphik->LayoutHalten);
    EXPECT_TRUE(Graphik->isMaximized());
    // What was built before the failure stands.
    EXPECT_EQ(Funktionen[1]->GetTerm(), "f(x) = x*exp(1-x)");
    EXPECT_EQ(Graphik->XMax, 5);
}

}  // namespace
