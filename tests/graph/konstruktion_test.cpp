// Objects made with the mouse: each click writes through a tool window's
// edits or makes a function, each tool's history takes them back in turn,
// and the last slot is overwritten, never overrun.

#include "interaktion_fixture.h"
#include "zeichnen_hilfe.h"

#include "engine/funktion.h"
#include "platform/felder.h"
#include "main/trace_dlg.h"
#include "tools/kreise_dlg.h"
#include "tools/punkte_dlg.h"
#include "tools/senkrechte_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>

#include <cmath>

namespace {

class KonstruktionTest : public InteraktionTest {
protected:
    // 30 pixels per unit, the origin at pixel (150, 240).
    static int Px(double x) { return 150 + static_cast<int>(std::lround(x * 30)); }
    static int Py(double y) { return 240 - static_cast<int>(std::lround(y * 30)); }

    static void Links(double x, double y) { Klick(Px(x), Py(y)); }
    static void Rechts() { Klick(150, 150, Qt::RightButton); }

    static QString PunktX(int k) { return PunkteDlg->Zeile(k).X->text(); }

    // The line or parabola tool without clearing the graphs.
    static void OhneLoeschen(QToolButton* knopf)
    {
        Waehle(Graphik->UrsprungButton);
        Waehle(knopf);
        AssistentFenster->NeinButtonClick();
    }

    static void FunktionenBelegen(int bis)
    {
        for (int n = 1; n <= bis; ++n)
            Funktionen[static_cast<std::size_t>(n)]->SetTerm("f(x) = " + std::to_string(n));
    }
};

}  // namespace

TEST_F(KonstruktionTest, PointsAndTracePointsFillTheFirstFreeRowAndOverwriteTheTenth)
{
    struct Fall {
        QToolButton* TGraphik::*Werkzeug;
        std::string TGraphik::*Historie;
        char Erster;
        TColor Farbe;
        std::int32_t Stil;
        std::string Y;
    };
    // The trace runs on f(x) = 1 and shows its y with three decimals.
    Form1->Edit1->setText(QStringLiteral("f(x) = 1"));
    for (const Fall& f : {Fall{&TGraphik::PunktButton, &TGraphik::PunktHistorie, 'A', clGreen, MarkeScheibe, "1,00"},
                          Fall{&TGraphik::Tracebutton, &TGraphik::SpurHistorie, 'P', clBlue, MarkeQuadrat, "1,000"}}) {
        Waehle(Graphik->*f.Werkzeug);
        for (int i = 1; i <= 11; ++i)
            Links(0.1 * i, 1);
        const std::string erwartet = [&] {
            std::string s;
            for (int k = 0; k < 10; ++k)
                s += static_cast<char>(f.Erster + k);
            return s;
        }();
        // The tenth and the eleventh both land in point 10.
        EXPECT_EQ(Graphik->*f.Historie, erwartet);
        EXPECT_EQ(PunktX(9), QStringLiteral("0,90"));
        EXPECT_EQ(PunktX(10), QStringLiteral("1,10"));
        EXPECT_EQ(Punkte[10].X, "1,10");
        EXPECT_EQ(Punkte[10].Y, f.Y);
        EXPECT_EQ(Punkte[10].Color, f.Farbe);
        EXPECT_EQ(Punkte[10].Style, f.Stil);
        EXPECT_EQ(Punkte[10].NamePos, NameRechts);
        EXPECT_TRUE(PunkteDlg->Zeile(10).Stil[static_cast<std::size_t>(f.Stil - 1)]->isChecked());
        // "Foto mit": the name carries the coordinates.
        EXPECT_EQ(Punkte[10].Name, std::string(1, static_cast<char>(f.Erster + 9)) + "(1,10|" + f.Y + ")");
        EXPECT_EQ(Schriftfarbe(PunkteDlg->Zeile(10).X), f.Farbe);

        // Right clicks take them back newest first through the rows' resets.
        Gehoert();
        Rechts();
        Rechts();
        EXPECT_TRUE(PunktX(10).isEmpty());
        EXPECT_TRUE(PunktX(9).isEmpty());
        EXPECT_EQ(Punkte[10].Name, "J");
        EXPECT_EQ(Punkte[10].Color, clBlue);
        EXPECT_EQ(PunktX(8), QStringLiteral("0,80"));
        EXPECT_EQ(Gehoert(), (std::vector<std::string>{"weg", "weg"}));
        for (int i = 0; i < 8; ++i)
            Rechts();
        EXPECT_TRUE((Graphik->*f.Historie).empty());
        EXPECT_TRUE(PunktX(1).isEmpty());
        // An empty history: nothing to take back, not a sound.
        Gehoert();
        Rechts();
        EXPECT_TRUE(Gehoert().empty());
    }
}

TEST_F(KonstruktionTest, AFreedRowIsTakenAgainAndWithoutFotoOnlyTheLetterIsTheName)
{
    Waehle(Graphik->PunktButton);
    Graphik->CheckBox2->setChecked(false);
    for (double x : {1.0, 2.0, 3.0})
        Links(x, 2);
    // Point B emptied in the points window: the next click takes row 2.
    PunkteDlg->ZeileReset(2);
    Links(4, 2);
    EXPECT_EQ(Graphik->PunktHistorie, "ABCB");
    EXPECT_EQ(PunktX(2), QStringLiteral("4,00"));
    EXPECT_EQ(Punkte[2].Name, "B");
    // A point typed by hand counts as taken.
    PunkteDlg->Zeile(4).X->setText(QStringLiteral("7"));
    Links(5, 2);
    EXPECT_EQ(PunktX(5), QStringLiteral("5,00"));
    EXPECT_EQ(Graphik->PunktHistorie, "ABCBE");
}

TEST_F(KonstruktionTest, ATraceOffTheGraphSetsNoPoint)
{
    Form1->Edit1->setText(QStringLiteral("f(x) = sqrt(x)"));
    Waehle(Graphik->Tracebutton);
    Links(-1, 1);
    EXPECT_TRUE(Graphik->SpurHistorie.empty());
    EXPECT_TRUE(PunktX(1).isEmpty());
    Links(4, 0);
    EXPECT_EQ(Graphik->SpurHistorie, "P");
    EXPECT_EQ(Punkte[1].Y, "2,000");
}

TEST_F(KonstruktionTest, ATangentBecomesAFunctionWithItsTouchingPoint)
{
    Form1->Edit1->setText(QStringLiteral("f(x) = x^2"));
    Waehle(Graphik->TangenteButton);
    Links(1, 3);
    TFunktion* f = Funktionen[2];
    EXPECT_EQ(f->GetTerm(), "y(x) = 2*x-1");
    EXPECT_TRUE(f->GetCompiled());
    // Drawn: the line passes (2 | 3) in the function's colour.
    EXPECT_EQ(PixelFarbe(Graphik->Bild, Px(2), Py(3)), f->GetColor());
    EXPECT_EQ(Graphik->TangentenHistorie, "21");
    EXPECT_EQ(PunktX(1), QStringLiteral("1,00"));
    EXPECT_EQ(PunkteDlg->Zeile(1).Y->text(), QStringLiteral("1,000"));
    EXPECT_EQ(PunkteDlg->Zeile(1).Name->text(), QStringLiteral("B(1,00|1,000)"));
    EXPECT_EQ(Punkte[1].Color, f->GetColor());
    EXPECT_EQ(Punkte[1].Style, MarkeScheibe);

    // The right click empties the function and resets its point.
    Gehoert();
    Rechts();
    EXPECT_FALSE(f->GetCompiled());
    EXPECT_TRUE(PunktX(1).isEmpty());
    EXPECT_TRUE(Graphik->TangentenHistorie.empty());
    EXPECT_EQ(Gehoert(), std::vector<std::string>{"weg"});

    // Without "Foto mit" the entry says "no point", and so does its undo.
    Graphik->CheckBox2->setChecked(false);
    Links(2, 3);
    EXPECT_EQ(Graphik->TangentenHistorie, "2x");
    EXPECT_TRUE(PunktX(1).isEmpty());
    PunkteDlg->Zeile(1).X->setText(QStringLiteral("5"));
    Rechts();
    EXPECT_FALSE(f->GetCompiled());
    EXPECT_EQ(PunktX(1), QStringLiteral("5"));
}

TEST_F(KonstruktionTest, NormalsKeepTheirOwnHistoryAndFunctionNineIsReplacedWithItsPoint)
{
    Form1->Edit1->setText(QStringLiteral("f(x) = x^2"));
    FunktionenBelegen(8);
    Funktionen[1]->SetTerm("f(x) = x^2");
    Waehle(Graphik->NormaleButton);
    Links(1, 0);
    EXPECT_EQ(Graphik->NormalenHistorie, "91");
    EXPECT_EQ(Funktionen[9]->GetTerm(), "y(x) = -0,5*x +1,5");
    // Functions 1..8 taken: function 9 and its point are used again.
    Links(-1, 0);
    EXPECT_EQ(Graphik->NormalenHistorie, "91");
    EXPECT_EQ(Funktionen[9]->GetTerm(), "y(x) = 0,5*x +1,5");
    EXPECT_EQ(PunktX(1), QStringLiteral("-1,00"));
    EXPECT_TRUE(PunktX(2).isEmpty());
    EXPECT_TRUE(Graphik->TangentenHistorie.empty());
    // The tangent tool's right click leaves the normals alone.
    Waehle(Graphik->TangenteButton);
    Rechts();
    EXPECT_TRUE(Funktionen[9]->GetCompiled());
}

TEST_F(KonstruktionTest, VerticalSegmentsAndCirclesGoThroughTheirWindows)
{
    Waehle(Graphik->Senkrechtebutton);
    for (int i = 1; i <= 5; ++i)
        Links(0.5 * i, 1);
    EXPECT_EQ(Graphik->SenkrechtenHistorie, "1234");
    EXPECT_EQ(Senkrechte[4].X, "2,50");
    EXPECT_EQ(Senkrechte[4].YFrom, "-100");
    Rechts();
    EXPECT_TRUE(SenkrechteDlg->Zeile(4).X->text().isEmpty());
    EXPECT_TRUE(Senkrechte[4].X.empty());
    EXPECT_EQ(Senkrechte[3].X, "1,50");
    EXPECT_EQ(Graphik->SenkrechtenHistorie, "123");

    // Circles: the centre, then the rim; eleven of them end in circle 10.
    Waehle(Graphik->KreisButton);
    for (int i = 1; i <= 11; ++i) {
        Links(0.2 * i, 0);
        Links(0.2 * i + 3, 4);
    }
    EXPECT_EQ(Graphik->KreisHistorie, "1234567890");
    const TKreiseDlg::TZeile& z = KreiseDlg->Zeile(10);
    EXPECT_EQ(z.X->text(), QStringLiteral("2,20"));
    EXPECT_EQ(z.Y->text(), QStringLiteral("0,00"));
    EXPECT_EQ(Punkte[20].X, "2,20");
    EXPECT_EQ(Kreise[10].RadiusX, "5");
    EXPECT_EQ(Kreise[10].RadiusY, "5");
    EXPECT_EQ(Modus, ModusKreisMitte);

    // The right click in the centre step takes the newest circle back.
    Kreise[10].FillColor = clRed;
    Rechts();
    EXPECT_TRUE(z.X->text().isEmpty());
    EXPECT_TRUE(Punkte[20].X.empty());
    EXPECT_EQ(Punkte[20].Name, "V");
    EXPECT_EQ(Kreise[10].RadiusX, "2");
    EXPECT_EQ(Kreise[10].FillColor, clYellow);
    EXPECT_EQ(z.RadiusX->text(), QStringLiteral("2"));
    EXPECT_EQ(Graphik->KreisHistorie, "123456789");
    // A circle whose centre was typed by hand counts as taken.
    Rechts();
    KreiseDlg->Zeile(9).Y->setText(QStringLiteral("1"));
    Links(1, 1);
    Links(1, 2);
    EXPECT_EQ(Graphik->KreisHistorie, "123456780");
    EXPECT_TRUE(KreiseDlg->Zeile(9).X->text().isEmpty());
    EXPECT_EQ(KreiseDlg->Zeile(10).X->text(), QStringLiteral("1,00"));
    EXPECT_EQ(Kreise[10].RadiusX, "1");
}

TEST_F(KonstruktionTest, LinesAndParabolasBecomeTheSelectedFunction)
{
    Form1->Edit1->setText(QStringLiteral("f(x) = x^2"));
    OhneLoeschen(Graphik->GeradeButton);
    Links(1, 2);  // slope 2
    Links(0, -1);  // intercept -1
    EXPECT_EQ(Funktionen[2]->GetTerm(), "y(x) = 2*x-1");
    EXPECT_EQ(FunktionNr, 2);
    EXPECT_EQ(Form1->ComboBox1->currentText(), QStringLiteral("2."));
    EXPECT_EQ(Graphik->GeradenHistorie, "2");
    EXPECT_EQ(Modus, ModusGeradeFrage);

    OhneLoeschen(Graphik->ParabelButton);
    Links(1, 0);  // d
    Links(1, 2);  // e
    Links(2, 5);  // a = 5 - 2
    EXPECT_EQ(Funktionen[3]->GetTerm(), "y(x) = 3*(x -1 )^2 +2");
    EXPECT_TRUE(Funktionen[3]->GetCompiled());
    EXPECT_EQ(FunktionNr, 3);
    EXPECT_EQ(Graphik->ParabelHistorie, "3");

    // Each tool takes back its own newest function, and function 1 is the
    // selected one again.
    AssistentFenster->NeinButtonClick();
    Rechts();
    EXPECT_FALSE(Funktionen[3]->GetCompiled());
    EXPECT_TRUE(Funktionen[2]->GetCompiled());
    EXPECT_EQ(FunktionNr, 1);
    EXPECT_TRUE(Graphik->ParabelHistorie.empty());
    OhneLoeschen(Graphik->GeradeButton);
    Rechts();
    EXPECT_FALSE(Funktionen[2]->GetCompiled());
    EXPECT_TRUE(Graphik->GeradenHistorie.empty());
    Gehoert();
    Rechts();
    EXPECT_TRUE(Gehoert().empty());

    // Functions 1..8 taken: function 9 is overwritten and stands once.
    FunktionenBelegen(8);
    for (int i = 0; i < 2; ++i) {
        Links(1, 1);
        Links(0, i);
        AssistentFenster->NeinButtonClick();
    }
    EXPECT_EQ(Graphik->GeradenHistorie, "9");
    EXPECT_EQ(Funktionen[9]->GetTerm(), "y(x) = x+1 ");
}

TEST_F(KonstruktionTest, AClickAdoptsItsOwnPositionEvenWithoutAMoveAfterChoosingTheTool)
{
    // The pointer last moved in the origin tool; the point tool is chosen
    // and the click comes at once.
    Graphik->PaintBox1MouseMove(Graphik->PaintBox1, Qt::NoButton, Px(1), Py(1));
    Waehle(Graphik->PunktButton);
    Graphik->PaintBox1MouseDown(Graphik->PaintBox1, Qt::LeftButton, Px(2), Py(3));
    EXPECT_EQ(Punkte[1].X, "2,00");
    EXPECT_EQ(Punkte[1].Y, "3,00");

    // The same for a tangent after a move in another tool.
    Form1->Edit1->setText(QStringLiteral("f(x) = x^2"));
    Waehle(Graphik->TangenteButton);
    Graphik->PaintBox1MouseDown(Graphik->PaintBox1, Qt::LeftButton, Px(-1), Py(0));
    EXPECT_EQ(Funktionen[2]->GetTerm(), "y(x) = -2*x-1");
}

TEST_F(KonstruktionTest, MalformedHistoryEntriesAreDroppedWithoutReadingPastThem)
{
    struct Fall {
        QToolButton* TGraphik::*Werkzeug;
        std::string TGraphik::*Historie;
        const char* Eintrag;
        const char* Rest;
    };
    Funktionen[3]->SetTerm("f(x) = 3");
    for (const Fall& f : {Fall{&TGraphik::TangenteButton, &TGraphik::TangentenHistorie, "3", ""},
                          Fall{&TGraphik::TangenteButton, &TGraphik::TangentenHistorie, "2x3", "2"},
                          Fall{&TGraphik::PunktButton, &TGraphik::PunktHistorie, "AZ", "A"},
                          Fall{&TGraphik::Tracebutton, &TGraphik::SpurHistorie, "A", ""},
                          Fall{&TGraphik::Senkrechtebutton, &TGraphik::SenkrechtenHistorie, "9", ""},
                          Fall{&TGraphik::KreisButton, &TGraphik::KreisHistorie, "x", ""}}) {
        Waehle(Graphik->UrsprungButton);
        Waehle(Graphik->*f.Werkzeug);
        Graphik->*f.Historie = f.Eintrag;
        Rechts();
        EXPECT_EQ(Graphik->*f.Historie, f.Rest) << f.Eintrag;
    }
    EXPECT_EQ(Funktionen[3]->GetTerm(), "f(x) = 3");
    EXPECT_EQ(Punkte[1].Name, "A");
}

TEST_F(KonstruktionTest, ANewDocumentEmptiesAllNineHistories)
{
    std::string TGraphik::*const historien[] = {
        &TGraphik::PunktHistorie,   &TGraphik::SpurHistorie,        &TGraphik::TangentenHistorie,
        &TGraphik::NormalenHistorie, &TGraphik::SenkrechtenHistorie, &TGraphik::KreisHistorie,
        &TGraphik::GeradenHistorie, &TGraphik::ParabelHistorie,     &TGraphik::BeschrHistorie};
    for (auto h : historien)
        Graphik->*h = "1";
    Form1->SpeedButton3Click();
    for (auto h : historien)
        EXPECT_TRUE((Graphik->*h).empty());
}

TEST_F(KonstruktionTest, TheAssistantsYesEmptiesTheFunctionHistoriesAndNoKeepsThem)
{
    Graphik->PunktHistorie = "A";
    Graphik->TangentenHistorie = "2x";
    Graphik->NormalenHistorie = "31";
    Graphik->GeradenHistorie = "4";
    Graphik->ParabelHistorie = "5";
    Funktionen[4]->SetTerm("f(x) = 4");
    Waehle(Graphik->GeradeButton);
    AssistentFenster->NeinButtonClick();
    EXPECT_EQ(Modus, ModusGeradeM);
    EXPECT_TRUE(Funktionen[4]->GetCompiled());
    EXPECT_EQ(Graphik->GeradenHistorie, "4");
    EXPECT_FALSE(AssistentFenster->isVisible());
    EXPECT_TRUE(Graphik->Animator->isActive());

    Waehle(Graphik->UrsprungButton);
    Waehle(Graphik->ParabelButton);
    AssistentFenster->JaButtonClick();
    EXPECT_EQ(Modus, ModusParabelD);
    EXPECT_FALSE(Funktionen[4]->GetCompiled());
    EXPECT_EQ(Graphik->LetzteMausX, -3);
    for (auto h : {&TGraphik::TangentenHistorie, &TGraphik::NormalenHistorie, &TGraphik::GeradenHistorie,
                   &TGraphik::ParabelHistorie})
        EXPECT_TRUE((Graphik->*h).empty());
    EXPECT_EQ(Graphik->PunktHistorie, "A");
    // With its history empty, the right click has nothing to take back.
    Gehoert();
    Rechts();
    EXPECT_TRUE(Gehoert().empty());
}
