// Objects made with the mouse, each tool's history taking them back, and the
// last slot overwritten, never overrun.

#include "interaktion_fixture.h"
#include "zeichnen_hilfe.h"

#include "platform/felder.h"
#include "platform/melder.h"
#include "tools/beschriftung_dlg.h"
#include "tools/kreise_dlg.h"
#include "tools/punkte_dlg.h"
#include "tools/senkrechte_dlg.h"

namespace {

class KonstruktionTest : public InteraktionTest {
protected:
    static void Links(double x, double y) { Klick(Spalte(x), Zeile(y)); }
    static void Rechts() { Klick(150, 150, Qt::RightButton); }
    static QString PunktX(int k) { return PunkteDlg->Zeile(k).X->text(); }
};

}  // namespace

TEST_F(KonstruktionTest, ElevenPointsEndInPointTenAndRightClicksTakeThemBack)
{
    // The tool, its history, the names given, colour, style and the name
    // of point 10 ("Foto mit": with the coordinates).
    using Fall = std::tuple<QToolButton* TGraphik::*, std::string TGraphik::*, const char*, TColor, std::int32_t, const char*>;
    Form1->Edit1->setText(QStringLiteral("f(x) = 1"));  // the trace's y has three decimals
    for (const auto& [werkzeug, historie, namen, farbe, stil, name] :
         {Fall{&TGraphik::PunktButton, &TGraphik::PunktHistorie, "ABCDEFGHIJ", clGreen, MarkeScheibe, "J(1,10|1,00)"},
          Fall{&TGraphik::Tracebutton, &TGraphik::SpurHistorie, "PQRSTUVWXY", clBlue, MarkeQuadrat, "Y(1,10|1,000)"}}) {
        Waehle(Graphik->*werkzeug);
        for (int i = 1; i <= 11; ++i)
            Links(0.1 * i, 1);
        EXPECT_EQ(Graphik->*historie, namen);
        EXPECT_EQ(std::tuple(PunktX(9), Punkte[10].X, Punkte[10].Name), std::tuple(QStringLiteral("0,90"), "1,10", name));
        EXPECT_EQ(std::tuple(Punkte[10].Color, Punkte[10].Style), std::tuple(farbe, stil));
        EXPECT_TRUE(PunkteDlg->Zeile(10).Stil[static_cast<std::size_t>(stil - 1)]->isChecked());
        Gehoert();
        for (int i = 0; i < 11; ++i)  // the eleventh finds nothing to take back
            Rechts();
        EXPECT_TRUE((Graphik->*historie).empty() && PunktX(1).isEmpty() && PunktX(10).isEmpty());
        EXPECT_EQ(Punkte[10].Name, "J");
        EXPECT_EQ(Gehoert(), std::vector<std::string>(10, "weg"));
    }
}

// What the mouse made is stored in the tables; the tool windows show it as
// if it had been typed there: the point's row with its marker and "rechts"
// pressed and its edits in its colour, the segment's and the circle's
// fields, and a label's row emptied again by the right click.
TEST_F(KonstruktionTest, TheToolWindowsShowWhatTheMouseMadeAndTookBack)
{
    Waehle(Graphik->Tracebutton);
    Form1->Edit1->setText(QStringLiteral("f(x) = 1"));
    Links(2, 1);
    const TPunkteDlg::TZeile& p = PunkteDlg->Zeile(1);
    EXPECT_EQ(std::tuple(p.Name->text(), p.X->text(), p.Y->text()),
              std::tuple(QStringLiteral("P(2,00|1,000)"), QStringLiteral("2,00"), QStringLiteral("1,000")));
    EXPECT_TRUE(p.Stil[MarkeQuadrat - 1]->isChecked() && p.NamePos[NameRechts - 1]->isChecked());
    EXPECT_FALSE(p.Stil[0]->isChecked() || p.NamePos[0]->isChecked());
    for (const QLineEdit* e : {p.Name, p.X, p.Y})
        EXPECT_EQ(Schriftfarbe(e), clBlue);
    EXPECT_EQ(PixelFarbe(Graphik->Bild, Spalte(2), Zeile(1)), clBlue);

    Waehle(Graphik->Senkrechtebutton);
    Links(-1, 0);
    EXPECT_EQ(SenkrechteDlg->Zeile(1).X->text(), QStringLiteral("-1,00"));
    Rechts();
    EXPECT_TRUE(SenkrechteDlg->Zeile(1).X->text().isEmpty() && Senkrechte[1].X.empty());

    Waehle(Graphik->KreisButton);
    Links(1, 1);
    Links(1, 3);
    const TKreiseDlg::TZeile& k = KreiseDlg->Zeile(1);
    EXPECT_EQ(std::tuple(k.X->text(), k.Y->text(), k.RadiusX->text(), k.RadiusY->text()),
              std::tuple(QStringLiteral("1,00"), QStringLiteral("1,00"), QStringLiteral("2"), QStringLiteral("2")));

    Waehle(Graphik->BeschriftButton);
    Graphik->PaintBox1MouseMove(Graphik->PaintBox1, Qt::NoButton, 100, 80);
    Graphik->BeschrEdit->setText(QStringLiteral("Gipfel"));
    Klick(100, 80);
    EXPECT_EQ(BeschriftungDlg->Zeile(1).Text->text(), QStringLiteral("Gipfel"));
    Rechts();
    EXPECT_TRUE(BeschriftungDlg->Zeile(1).Text->text().isEmpty() && Beschriftungen[1].Text.empty());
}

// What is typed into the label field shows in the labels window only for a
// label that rides on the pointer, in that label's row.
TEST_F(KonstruktionTest, TypingShowsInTheRowOfTheLabelThatRidesOnly)
{
    Waehle(Graphik->BeschriftButton);
    Graphik->PaintBox1MouseMove(Graphik->PaintBox1, Qt::NoButton, 100, 80);
    Graphik->BeschrEdit->setText(QStringLiteral("Gipfel"));
    Klick(100, 80);
    Graphik->BeschrEdit->setText(QStringLiteral("Tal"));
    EXPECT_EQ(BeschriftungDlg->Zeile(1).Text->text(), QStringLiteral("Gipfel"));
    BeschriftungDlg->Zeile(1).Verschieben->click();
    ASSERT_EQ(Graphik->BeschrEdit->text(), QStringLiteral("Gipfel"));
    Graphik->BeschrEdit->setText(QStringLiteral("Tal"));
    EXPECT_EQ(BeschriftungDlg->Zeile(1).Text->text(), QStringLiteral("Tal"));
    EXPECT_TRUE(BeschriftungDlg->Zeile(2).Text->text().isEmpty());
    // A request for no label at all changes nothing.
    Waehle(Graphik->PunktButton);
    for (const int k : {0, 10}) {
        emit Melder().BeschriftungAufnehmenVerlangt(k, nullptr);
        EXPECT_EQ(Modus, ModusPunkte) << k;
    }
}

TEST_F(KonstruktionTest, ATangentBecomesAFunctionWithItsTouchingPoint)
{
    Form1->Edit1->setText(QStringLiteral("f(x) = x^2"));
    Waehle(Graphik->TangenteButton);
    Links(1, 3);
    TFunktion* f = Funktionen[2];
    EXPECT_EQ(f->GetTerm(), "y(x) = 2*x-1");
    EXPECT_EQ(PixelFarbe(Graphik->Bild, Spalte(2), Zeile(3)), f->GetColor());  // drawn through (2 | 3)
    EXPECT_EQ(Graphik->TangentenHistorie, "21");
    EXPECT_EQ(std::tuple(Punkte[1].Name, Punkte[1].Color), std::tuple("B(1,00|1,000)", f->GetColor()));
    Gehoert();
    Rechts();
    EXPECT_EQ(Gehoert(), std::vector<std::string>{"weg"});
    EXPECT_FALSE(f->GetCompiled());
    EXPECT_TRUE(PunktX(1).isEmpty() && Graphik->TangentenHistorie.empty());
    // Without "Foto mit" the entry says "no point", and so does its undo.
    Graphik->CheckBox2->setChecked(false);
    Links(2, 3);
    EXPECT_EQ(Graphik->TangentenHistorie, "2x");
    PunkteDlg->Zeile(1).X->setText(QStringLiteral("5"));
    Rechts();
    EXPECT_FALSE(f->GetCompiled());
    EXPECT_EQ(PunktX(1), QStringLiteral("5"));
    // Functions 1..8 taken: function 9 and the point of its entry are
    // used again; the tangent tool's history is not the normal tool's.
    for (std::size_t n = 2; n <= 8; ++n)
        Funktionen[n]->SetTerm("f(x) = 1");
    Graphik->CheckBox2->setChecked(true);
    Waehle(Graphik->NormaleButton);
    Links(1, 0);
    Links(-1, 0);
    EXPECT_EQ(Graphik->NormalenHistorie, "92");
    EXPECT_EQ(Funktionen[9]->GetTerm(), "y(x) = 0,5*x +1,5");
    EXPECT_EQ(std::tuple(PunktX(2), PunktX(3)), std::tuple(QStringLiteral("-1,00"), QString()));
    Waehle(Graphik->TangenteButton);
    Rechts();
    EXPECT_TRUE(Funktionen[9]->GetCompiled());
}

TEST_F(KonstruktionTest, SegmentsAndCirclesGoThroughTheirWindowsAndRightClicksResetThem)
{
    Waehle(Graphik->Senkrechtebutton);
    for (int i = 1; i <= 5; ++i)
        Links(0.5 * i, 1);
    EXPECT_EQ(std::tuple(Graphik->SenkrechtenHistorie, Senkrechte[4].X), std::tuple("1234", "2,50"));
    Rechts();
    EXPECT_EQ(std::tuple(Graphik->SenkrechtenHistorie, Senkrechte[4].X), std::tuple("123", ""));
    Waehle(Graphik->KreisButton);
    for (int i = 1; i <= 11; ++i) {
        Links(0.2 * i, 0);
        Links(0.2 * i + 3, 4);
        // Back at the centre step, set up for it.
        EXPECT_EQ(std::pair(Modus, Graphik->StatusBar1->Panels[0].Text), std::pair(ModusKreisMitte, QStringLiteral("M(|)")));
        EXPECT_TRUE(Graphik->KreisButton->isChecked());
    }
    EXPECT_EQ(Graphik->KreisHistorie, "1234567890");
    EXPECT_EQ(std::tuple(KreiseDlg->Zeile(10).X->text(), Punkte[20].Y, Kreise[10].RadiusX, Kreise[10].RadiusY),
              std::tuple(QStringLiteral("2,20"), "0,00", "5", "5"));
    Kreise[9].FillColor = clRed;
    Rechts();
    Rechts();
    EXPECT_EQ(std::tuple(Punkte[19].X, Punkte[19].Name, Kreise[9].RadiusX, Kreise[9].FillColor),
              std::tuple("", "U", "2", clYellow));
    // A centre typed by hand counts as taken.
    KreiseDlg->Zeile(9).Y->setText(QStringLiteral("1"));
    Links(1, 1);
    Links(1, 2);
    EXPECT_EQ(Graphik->KreisHistorie, "123456780");
}

TEST_F(KonstruktionTest, LinesAndParabolasBecomeTheSelectedFunction)
{
    Form1->Edit1->setText(QStringLiteral("f(x) = x^2"));
    OhneLoeschen(Graphik->GeradeButton);
    Links(1, 2);   // slope 2
    Links(0, -1);  // intercept -1
    EXPECT_EQ(Funktionen[2]->GetTerm(), "y(x) = 2*x-1");
    EXPECT_EQ(Form1->ComboBox1->currentText(), QStringLiteral("2."));
    OhneLoeschen(Graphik->ParabelButton);
    Links(1, 0);  // d
    Links(1, 2);  // e
    Links(2, 5);  // a = 5 - 2
    EXPECT_EQ(Funktionen[3]->GetTerm(), "y(x) = 3*(x -1 )^2 +2");
    EXPECT_EQ(std::tuple(FunktionNr, Graphik->GeradenHistorie, Graphik->ParabelHistorie), std::tuple(3, "2", "3"));
    AssistentFenster->NeinButtonClick();
    Gehoert();
    Rechts();
    EXPECT_EQ(Gehoert(), std::vector<std::string>{"weg"});
    EXPECT_EQ(std::tuple(Funktionen[3]->GetCompiled(), Funktionen[2]->GetCompiled(), FunktionNr),
              std::tuple(false, true, 1));
    OhneLoeschen(Graphik->GeradeButton);
    Rechts();
    EXPECT_FALSE(Funktionen[2]->GetCompiled());
    // Functions 1..8 taken: function 9 is overwritten and stands once.
    for (std::size_t n = 2; n <= 8; ++n)
        Funktionen[n]->SetTerm("f(x) = 1");
    for (int i = 0; i < 2; ++i) {
        Links(1, 1);
        Links(0, i);
        AssistentFenster->NeinButtonClick();
    }
    EXPECT_EQ(std::tuple(Graphik->GeradenHistorie, Funktionen[9]->GetTerm()), std::tuple("9", "y(x) = x+1 "));
}

// Taken back while another function is the selected one: nothing else
// redraws, the picture must lose the parabola all the same.
TEST_F(KonstruktionTest, AParabolaTakenBackLeavesThePicture)
{
    Form1->Edit1->setText(QStringLiteral("f(x) = x^2"));
    OhneLoeschen(Graphik->ParabelButton);
    Links(1, 0);
    Links(1, 2);  // vertex (1 | 2), away from x^2
    Links(2, 5);
    AssistentFenster->NeinButtonClick();
    const TColor farbe = Funktionen[2]->GetColor();
    ASSERT_EQ(Funktionen[2]->GetTerm(), "y(x) = 3*(x -1 )^2 +2");
    emit Melder().FunktionWaehlenVerlangt(1);
    Graphik->BildCanvas->Flush();
    ASSERT_EQ(PixelFarbe(Graphik->Bild, Spalte(1), Zeile(2)), farbe);
    Rechts();
    Graphik->BildCanvas->Flush();
    EXPECT_NE(PixelFarbe(Graphik->Bild, Spalte(1), Zeile(2)), farbe);
}

// An adopted line is drawn at once, even where choosing it changes no
// text in the editor (the selected function has the same term).
TEST_F(KonstruktionTest, AnAdoptedLineIsDrawnAtOnce)
{
    Form1->Edit1->setText(QStringLiteral("y(x) = 2*x-1"));
    Funktionen[2]->SetTerm("f(x) =");
    OhneLoeschen(Graphik->GeradeButton);
    Links(1, 2);
    Links(0, -1);
    ASSERT_EQ(std::pair(FunktionNr, Funktionen[2]->GetTerm()), std::pair(2, std::string("y(x) = 2*x-1")));
    Graphik->BildCanvas->Flush();
    EXPECT_EQ(PixelFarbe(Graphik->Bild, Spalte(2), Zeile(3)), Funktionen[2]->GetColor());
}

TEST_F(KonstruktionTest, AClickAdoptsItsOwnPositionEvenWithoutAMoveAfterChoosingTheTool)
{
    Graphik->PaintBox1MouseMove(Graphik->PaintBox1, Qt::NoButton, Spalte(1), Zeile(1));
    Waehle(Graphik->PunktButton);
    Graphik->PaintBox1MouseDown(Graphik->PaintBox1, Qt::LeftButton, Spalte(2), Zeile(3));
    EXPECT_EQ(std::tuple(Punkte[1].X, Punkte[1].Y), std::tuple("2,00", "3,00"));
}

TEST_F(KonstruktionTest, MalformedHistoryEntriesAreDroppedWithoutReadingPastThem)
{
    using Fall = std::tuple<QToolButton* TGraphik::*, std::string TGraphik::*, const char*, const char*>;
    Funktionen[3]->SetTerm("f(x) = 3");
    for (const auto& [werkzeug, historie, eintrag, rest] :
         {Fall{&TGraphik::TangenteButton, &TGraphik::TangentenHistorie, "3", ""},
          Fall{&TGraphik::PunktButton, &TGraphik::PunktHistorie, "AZ", "A"},
          Fall{&TGraphik::Senkrechtebutton, &TGraphik::SenkrechtenHistorie, "9", ""},
          Fall{&TGraphik::KreisButton, &TGraphik::KreisHistorie, "x", ""}}) {
        Waehle(Graphik->UrsprungButton);
        Waehle(Graphik->*werkzeug);
        Graphik->*historie = eintrag;
        Rechts();
        EXPECT_EQ(Graphik->*historie, rest) << eintrag;
    }
    EXPECT_TRUE(Funktionen[3]->GetCompiled());
}

TEST_F(KonstruktionTest, NewEmptiesAllHistoriesTheAssistantsYesThoseOfTheFunctions)
{
    std::string TGraphik::*const historien[] = {
        &TGraphik::TangentenHistorie, &TGraphik::NormalenHistorie,    &TGraphik::GeradenHistorie,
        &TGraphik::ParabelHistorie,   &TGraphik::PunktHistorie,       &TGraphik::SpurHistorie,
        &TGraphik::KreisHistorie,     &TGraphik::SenkrechtenHistorie, &TGraphik::BeschrHistorie};
    for (auto h : historien)
        Graphik->*h = "1";
    OhneLoeschen(Graphik->GeradeButton);
    EXPECT_EQ(Graphik->GeradenHistorie, "1");
    Waehle(Graphik->UrsprungButton);
    Waehle(Graphik->ParabelButton);
    AssistentFenster->JaButtonClick();
    for (std::size_t i = 0; i < std::size(historien); ++i)
        EXPECT_EQ((Graphik->*historien[i]).empty(), i < 4) << i;
    // New also gives back the tool box as it starts: interaction on, the
    // origin tool, "Foto mit" off, sounds on, the snap step 0.01.
    Waehle(Graphik->PunktButton);
    Graphik->CheckBox2->setChecked(true);
    Graphik->SoundBox->setChecked(false);
    Graphik->TrackBar3->setValue(0);
    Graphik->InteraktivBox->setChecked(false);
    Form1->SpeedButton3Click();
    for (auto h : historien)
        EXPECT_TRUE((Graphik->*h).empty());
    EXPECT_EQ(std::tuple(Graphik->InteraktivBox->isChecked(), Modus, Graphik->UrsprungButton->isChecked(),
                         Graphik->CheckBox2->isChecked(), Graphik->SoundBox->isChecked(), Graphik->TrackBar3->value()),
              std::tuple(true, ModusUrsprung, true, false, true, 3));
}

TEST_F(KonstruktionTest, WhereTheNormalIsUndefinedAClickAdoptsNothing)
{
    Form1->Edit1->setText(QStringLiteral("f(x) = x^2"));
    Waehle(Graphik->NormaleButton);
    Links(0, 0);  // the vertex: no normal
    EXPECT_FALSE(Graphik->VorschauGueltig);
    EXPECT_TRUE(Graphik->NormalenHistorie.empty() && Punkte[1].X.empty());
    EXPECT_FALSE(Funktionen[2]->GetCompiled());
    Links(1, 0);
    EXPECT_EQ(Graphik->NormalenHistorie, "21");
}
