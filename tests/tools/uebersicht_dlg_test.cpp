// The overview of the nine functions: it mirrors them, hands what is typed
// into it to the main window's editor only while it is the active window,
// and never feeds its own refresh back.

#include "werkzeug_fixture.h"

#include "engine/funktion.h"
#include "engine/tabellen.h"
#include "graph/graphik.h"
#include "main/form1.h"
#include "tools/stilliste.h"
#include "tools/uebersicht_dlg.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>

namespace {

class UebersichtTest : public WerkzeugTest {
protected:
    TUebersicht_Dlg& D() { return *Uebersicht_Dlg; }
    const TUebersicht_Dlg::TZeile& Z(int r) { return Uebersicht_Dlg->Zeile(r); }
    static TFunktion& F(int n) { return *Funktionen[static_cast<std::size_t>(n)]; }

    // Makes `w` the active window; false where the platform has none.
    static bool Aktivieren(QWidget* w)
    {
        w->show();
        w->activateWindow();
        QApplication::setActiveWindow(w);
        return QApplication::activeWindow() == w;
    }
};

}  // namespace

TEST_F(UebersichtTest, InertWhileAnotherWindowIsActiveWritingThroughWhileActive)
{
    if (!Aktivieren(Form1))
        GTEST_SKIP() << "no active window on this platform";
    D().show();
    const double xVon = F(5).GetXFrom();
    const std::string term = F(5).GetTerm();
    Z(5).XVon->setText(QStringLiteral("-7"));
    Z(5).Gleichung->setText(QStringLiteral("f(x) = 3"));
    EXPECT_EQ(FunktionNr, 1);
    EXPECT_EQ(F(5).GetXFrom(), xVon);
    EXPECT_EQ(F(5).GetTerm(), term);

    ASSERT_TRUE(Aktivieren(&D()));
    Z(5).XVon->setText(QStringLiteral("-7.5"));  // through the main window's parsing
    EXPECT_EQ(FunktionNr, 5);
    EXPECT_EQ(F(5).GetXFrom(), -7.5);
    EXPECT_EQ(Form1->Evonx->text(), QStringLiteral("-7,5"));
    EXPECT_EQ(Feldfarbe(Z(5).XVon), FarbeGueltig);
    Z(5).TSchritt->setText(QStringLiteral("0"));
    EXPECT_EQ(Feldfarbe(Z(5).TSchritt), FarbeUngueltig);
    EXPECT_EQ(F(5).GetTStep(), 1.0);

    Z(6).Gleichung->setText(QStringLiteral("f(x) = x^"));
    EXPECT_EQ(FunktionNr, 6);
    EXPECT_EQ(F(6).GetTerm(), "f(x)=x^");
    EXPECT_EQ(Feldfarbe(Z(6).Gleichung), FarbeUngueltig);

    // A family typed into a row opens its t fields.
    Z(7).Gleichung->setText(QStringLiteral("f(x,t) = t*x"));
    EXPECT_FALSE(Z(7).ScharLabels[2]->isHidden());
    EXPECT_EQ(Z(7).Farbe->width(), 20);
}

TEST_F(UebersichtTest, TheRefreshShowsEveryRowAndAFamilyWithItsTFields)
{
    F(3).SetTerm("f(x,t) = t*x");
    F(3).SetKind(ArtFunktionenschar);
    F(3).SetTFrom(2.5);
    F(3).SetXFrom(-1e20);
    F(3).SetLineStyle(6);
    F(3).SetColor(clRed);
    F(4).SetTerm("f(x) = (");
    D().zeichneneu();

    EXPECT_EQ(Z(3).TVon->text(), QStringLiteral("2,5"));
    EXPECT_EQ(Z(3).XVon->text(), QStringLiteral("-1E20"));
    EXPECT_EQ(Z(3).Stil->currentIndex(), 6);
    EXPECT_EQ(Schriftfarbe(Z(3).TSchritt), clRed);
    EXPECT_FALSE(Z(3).TBis->isHidden() || Z(3).Zusatzfarbe->isHidden());
    EXPECT_EQ(Z(3).Farbe->width(), 20);
    EXPECT_TRUE(Z(2).TBis->isHidden() && Z(2).Zusatzfarbe->isHidden());
    EXPECT_EQ(Z(2).Farbe->width(), 40);
    EXPECT_EQ(Feldfarbe(Z(4).Gleichung), FarbeUngueltig);
    EXPECT_EQ(Feldfarbe(Z(1).Gleichung), FarbeGueltig);

    // Its range colours reset only while it is not the active window.
    if (!Aktivieren(&D()))
        GTEST_SKIP() << "no active window on this platform";
    Z(2).XBis->setText(QStringLiteral("a"));
    D().zeichneneu();
    EXPECT_EQ(Feldfarbe(Z(2).XBis), FarbeUngueltig);
    ASSERT_TRUE(Aktivieren(Form1));
    D().zeichneneu();
    EXPECT_EQ(Feldfarbe(Z(2).XBis), FarbeGueltig);
}

TEST_F(UebersichtTest, ItsOwnHandlersRefreshItWithoutReenteringTheEditor)
{
    if (!Aktivieren(&D()))
        GTEST_SKIP() << "no active window on this platform";
    // Function 7 changed behind the overview's back: each refresh writes
    // row 7 anew, which must not select function 7.
    F(7).SetTerm("f(x) = 7");
    FarbDialog.Antwort = clNavy;
    Z(2).Farbe->click();
    EXPECT_EQ(FunktionNr, 2);
    EXPECT_EQ(F(2).GetColor(), clNavy);
    EXPECT_EQ(Z(7).Gleichung->text(), QStringLiteral("f(x) = 7"));
    EXPECT_EQ(Form1->Edit1->text(), QString::fromStdString(F(2).GetTerm()));

    F(7).SetTerm("f(x) = 8");
    Z(4).Zusatzfarbe->click();
    EXPECT_EQ(FunktionNr, 4);
    EXPECT_EQ(F(4).GetColor2(), clNavy);
    F(7).SetTerm("f(x) = 9");
    D().Farboptionen[2]->click();
    EXPECT_EQ(FunktionNr, 4);
    EXPECT_EQ(F(7).GetTerm(), "f(x) = 9");

    // A style chosen in a row goes through the main window's list.
    Waehlen(Z(9).Stil, 10);
    EXPECT_EQ(FunktionNr, 9);
    EXPECT_EQ(F(9).GetLineStyle(), 10);
    EXPECT_EQ(Form1->ComboBox2->currentIndex(), 10);

    // Enter belongs to the typing here.
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(Z(1).Gleichung, &enter);
    EXPECT_TRUE(D().isVisible());
}

TEST_F(UebersichtTest, SchemeTwoGivesTheColoursOfANewDrawing)
{
    for (int n = 1; n <= 9; ++n)
        F(n).SetColor(clWhite);
    Form1->Reset();
    std::array<TColor, 9> farben{}, zusatz{};
    for (std::size_t i = 0; i < 9; ++i) {
        farben[i] = F(static_cast<int>(i) + 1).GetColor();
        zusatz[i] = F(static_cast<int>(i) + 1).GetColor2();
    }
    Form1->ComboBox1->setEditText(QStringLiteral("3."));
    Form1->ComboBox1Change();
    D().Farboptionen[0]->click();
    EXPECT_EQ(F(3).GetColor(), clNavy);
    EXPECT_EQ(FunktionNr, 3);  // the selection stays, in its new colour
    EXPECT_EQ(Schriftfarbe(Form1->Edit1), clNavy);
    EXPECT_EQ(Schriftfarbe(Z(3).Gleichung), clNavy);
    D().Farboptionen[1]->click();
    for (std::size_t i = 0; i < 9; ++i) {
        EXPECT_EQ(F(static_cast<int>(i) + 1).GetColor(), farben[i]) << i;
        EXPECT_EQ(F(static_cast<int>(i) + 1).GetColor2(), zusatz[i]) << i;
    }
}

// ---------------------------------------------------------------------------
// The eleven style samples of the function graphs.

namespace {

struct TStueck {
    int Von, Bis, Breite;
    friend bool operator==(const TStueck&, const TStueck&) = default;
};
void PrintTo(const TStueck& s, std::ostream* os) { *os << s.Von << ".." << s.Bis << " w" << s.Breite; }

// The pieces the sample of style `index` draws on an item of the given
// width, and its discs.
std::vector<TStueck> Stuecke(int index, int breite, std::vector<TRect>* scheiben = nullptr)
{
    TRecordingCanvas c;
    GraphenMusterZeichnen(c, TRect{0, 0, breite, 14}, index, clRed);
    std::vector<TStueck> v;
    for (const auto& op : c.OpsOf(TRecordingCanvas::TOpKind::Line))
        v.push_back({op.Points[0].X, op.Points[1].X, op.Pen.Width});
    for (const auto& op : c.OpsOf(TRecordingCanvas::TOpKind::Ellipse)) {
        EXPECT_EQ(op.Brush.Color, clRed);
        EXPECT_EQ(op.Pen.Color, clBlack);
        if (scheiben)
            scheiben->push_back(op.Rect);
    }
    return v;
}

}  // namespace

TEST(GraphenMuster, DashesDotsAndDiscsAsTheGraphsDrawThem)
{
    using S = std::vector<TStueck>;
    // Dashes of 17 every 27 while they start left of Right - 15, then a last
    // one to Right - 5; dots of 3 every 10 while they start left of Right - 4.
    EXPECT_EQ(Stuecke(6, 80), (S{{5, 22, 3}, {32, 49, 3}, {59, 75, 3}}));
    EXPECT_EQ(Stuecke(8, 70), (S{{5, 22, 5}, {32, 49, 5}, {59, 65, 5}}));
    EXPECT_EQ(Stuecke(7, 36), (S{{5, 8, 5}, {15, 18, 5}, {25, 28, 5}}));
    // Discs of 8 pixels at the left, in the middle, at the right; item 10
    // draws a thin line through them.
    std::vector<TRect> scheiben;
    EXPECT_EQ(Stuecke(9, 60, &scheiben), S{});
    EXPECT_EQ(Stuecke(10, 60), (S{{5, 55, 1}}));
    ASSERT_EQ(scheiben.size(), 3u);
    EXPECT_TRUE(scheiben[0] == (TRect{3, 3, 11, 11}));
    EXPECT_TRUE(scheiben[1] == (TRect{26, 3, 34, 11}));
    EXPECT_TRUE(scheiben[2] == (TRect{49, 3, 57, 11}));
}
