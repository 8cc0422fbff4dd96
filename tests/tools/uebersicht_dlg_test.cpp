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

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

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

    Z(6).Gleichung->setText(QStringLiteral("f(x) = x^3"));
    EXPECT_EQ(FunktionNr, 6);
    EXPECT_EQ(F(6).GetTerm(), "f(x) = x^3");
    EXPECT_EQ(Form1->Edit1->text(), QStringLiteral("f(x) = x^3"));
    EXPECT_EQ(Feldfarbe(Z(6).Gleichung), FarbeGueltig);
    Z(6).Gleichung->setText(QStringLiteral("f(x) = x^"));
    EXPECT_EQ(Feldfarbe(Z(6).Gleichung), FarbeUngueltig);

    // A family typed into a row opens its t fields.
    EXPECT_TRUE(Z(7).TVon->isHidden());
    Z(7).Gleichung->setText(QStringLiteral("f(x,t) = t*x"));
    EXPECT_FALSE(Z(7).TVon->isHidden());
    EXPECT_FALSE(Z(7).ScharLabels[2]->isHidden());
    EXPECT_EQ(Z(7).Farbe->width(), Z(7).Zusatzfarbe->width());
}

TEST_F(UebersichtTest, TheRefreshShowsEveryRowAndAFamilyWithItsTFields)
{
    F(3).SetTerm("f(x,t) = t*x");
    F(3).SetKind(ArtFunktionenschar);
    F(3).SetTFrom(2.5);
    F(3).SetLineStyle(6);
    F(3).SetColor(clRed);
    F(3).SetXFrom(-1e20);
    F(4).SetTerm("f(x) = (");
    D().zeichneneu();

    EXPECT_EQ(Z(3).Gleichung->text(), QStringLiteral("f(x,t) = t*x"));
    EXPECT_EQ(Z(3).TVon->text(), QStringLiteral("2,5"));
    EXPECT_EQ(Z(3).XVon->text(), QStringLiteral("-1E20"));
    EXPECT_EQ(Z(3).Stil->currentIndex(), 6);
    for (const QLineEdit* e : Z(3).Felder())
        EXPECT_EQ(Schriftfarbe(e), clRed);
    for (const QWidget* w : std::initializer_list<const QWidget*>{Z(3).TVon, Z(3).TBis, Z(3).TSchritt,
                                                                  Z(3).ScharLabels[0], Z(3).Zusatzfarbe})
        EXPECT_FALSE(w->isHidden());
    EXPECT_EQ(Z(3).Farbe->width(), 20);

    EXPECT_TRUE(Z(2).TVon->isHidden());
    EXPECT_TRUE(Z(2).Zusatzfarbe->isHidden());
    EXPECT_EQ(Z(2).Farbe->width(), D().FarbBreite());
    EXPECT_EQ(D().FarbBreite(), 40);

    EXPECT_EQ(Feldfarbe(Z(4).Gleichung), FarbeUngueltig);
    EXPECT_EQ(Feldfarbe(Z(1).Gleichung), FarbeGueltig);

    // Its range colours reset only while it is not the active window.
    if (!Aktivieren(&D()))
        GTEST_SKIP() << "no active window on this platform";
    Z(2).XBis->setText(QStringLiteral("a"));
    EXPECT_EQ(Feldfarbe(Z(2).XBis), FarbeUngueltig);
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
    // Function 7 changed behind the overview's back: its refresh writes
    // row 7 anew, which must not select function 7.
    F(7).SetTerm("f(x) = 7");
    F(8).SetXTo(42);
    FarbDialog.Antwort = clNavy;
    Z(2).Farbe->click();
    EXPECT_EQ(FunktionNr, 2);
    EXPECT_EQ(F(2).GetColor(), clNavy);
    EXPECT_EQ(Z(7).Gleichung->text(), QStringLiteral("f(x) = 7"));
    EXPECT_EQ(Z(8).XBis->text(), QStringLiteral("42"));
    EXPECT_EQ(Form1->Edit1->text(), QString::fromStdString(F(2).GetTerm()));
    EXPECT_EQ(Schriftfarbe(Z(2).XVon), clNavy);

    F(7).SetTerm("f(x) = 8");
    FarbDialog.Antwort = clTeal;
    Z(4).Zusatzfarbe->click();
    EXPECT_EQ(FunktionNr, 4);
    EXPECT_EQ(F(4).GetColor2(), clTeal);
    EXPECT_EQ(F(7).GetTerm(), "f(x) = 8");

    F(7).SetTerm("f(x) = 9");
    D().Farboptionen[2]->click();
    EXPECT_EQ(FunktionNr, 4);
    EXPECT_EQ(Z(7).Gleichung->text(), QStringLiteral("f(x) = 9"));

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
    for (int n = 1; n <= 9; ++n) {
        F(n).SetColor(clWhite);
        F(n).SetColor2(clWhite);
    }
    Form1->Reset();
    std::array<TColor, 9> farben{}, zusatz{};
    for (int n = 1; n <= 9; ++n) {
        farben[static_cast<std::size_t>(n - 1)] = F(n).GetColor();
        zusatz[static_cast<std::size_t>(n - 1)] = F(n).GetColor2();
    }
    EXPECT_EQ(TUebersicht_Dlg::SchemaFarben(2), farben);
    EXPECT_EQ(TUebersicht_Dlg::SchemaZusatzfarben(2), zusatz);

    Form1->ComboBox1->setEditText(QStringLiteral("3."));
    Form1->ComboBox1Change();
    D().Farboptionen[0]->click();
    EXPECT_EQ(F(3).GetColor(), clNavy);
    EXPECT_EQ(F(9).GetColor2(), clGreen);
    EXPECT_EQ(FunktionNr, 3);  // the selection stays, in its new colour
    EXPECT_EQ(Schriftfarbe(Form1->Edit1), clNavy);
    EXPECT_EQ(Schriftfarbe(Z(3).Gleichung), clNavy);
    D().Farboptionen[1]->click();
    for (int n = 1; n <= 9; ++n) {
        EXPECT_EQ(F(n).GetColor(), farben[static_cast<std::size_t>(n - 1)]) << n;
        EXPECT_EQ(F(n).GetColor2(), zusatz[static_cast<std::size_t>(n - 1)]) << n;
    }
}

TEST_F(UebersichtTest, EveryToggleShowsAndClosesTheRefreshedOverview)
{
    F(4).SetTerm("f(x) = 4");
    Form1->SpeedButton13->click();
    EXPECT_TRUE(D().isVisible());
    EXPECT_EQ(Z(4).Gleichung->text(), QStringLiteral("f(x) = 4"));
    Form1->bersicht1->trigger();
    EXPECT_FALSE(D().isVisible());
    Graphik->SpeedButton7->click();
    EXPECT_TRUE(D().isVisible());
    D().OKBtn->click();
    EXPECT_FALSE(D().isVisible());
}

// ---------------------------------------------------------------------------
// The eleven style samples of the function graphs.

namespace {

struct TStueck {
    int Von, Bis, Breite;
    friend bool operator==(const TStueck&, const TStueck&) = default;
};
void PrintTo(const TStueck& s, std::ostream* os) { *os << s.Von << ".." << s.Bis << " w" << s.Breite; }

using TOps = std::vector<TRecordingCanvas::TOp>;

// What the sample of style `index` draws on an item of the given width.
TOps Zeichne(int index, int breite)
{
    TRecordingCanvas c;
    GraphenMusterZeichnen(c, TRect{0, 0, breite, 14}, index, clRed);
    return c.Ops();
}

TOps Von(const TOps& ops, TRecordingCanvas::TOpKind art)
{
    TOps v;
    for (const auto& op : ops)
        if (op.Kind == art)
            v.push_back(op);
    return v;
}

std::vector<TStueck> Stuecke(const TOps& ops)
{
    std::vector<TStueck> v;
    for (const auto& op : Von(ops, TRecordingCanvas::TOpKind::Line)) {
        EXPECT_EQ(op.Points[0].Y, 7);
        v.push_back({op.Points[0].X, op.Points[1].X, op.Pen.Width});
    }
    return v;
}

}  // namespace

TEST(GraphenMuster, DashesDotsAndDiscsAsTheGraphsDrawThem)
{
    // Dashes of 17 every 27 while they start left of Right - 15, then a last
    // one to Right - 5; dots of 3 every 10 while they start left of Right - 4.
    EXPECT_EQ(Stuecke(Zeichne(6, 80)), (std::vector<TStueck>{{5, 22, 3}, {32, 49, 3}, {59, 75, 3}}));
    EXPECT_EQ(Stuecke(Zeichne(8, 70)), (std::vector<TStueck>{{5, 22, 5}, {32, 49, 5}, {59, 65, 5}}));
    EXPECT_EQ(Stuecke(Zeichne(7, 36)), (std::vector<TStueck>{{5, 8, 5}, {15, 18, 5}, {25, 28, 5}}));
    EXPECT_EQ(Stuecke(Zeichne(2, 60)), (std::vector<TStueck>{{5, 55, 5}}));

    const TOps punktiert = Zeichne(3, 60);
    const TOps grund = Von(punktiert, TRecordingCanvas::TOpKind::FillRect);
    ASSERT_EQ(grund.size(), 1u);
    EXPECT_EQ(grund[0].Brush.Color, FarbeGueltig);
    EXPECT_EQ(Von(punktiert, TRecordingCanvas::TOpKind::Line).at(0).Pen.Style, TPenStyle::Dot);

    // Discs of 8 pixels, black rims, filled in the function's colour: left,
    // middle, right; item 10 adds a thin line through them.
    for (const int index : {9, 10}) {
        SCOPED_TRACE(index);
        const TOps ops = Zeichne(index, 60);
        const TOps scheiben = Von(ops, TRecordingCanvas::TOpKind::Ellipse);
        ASSERT_EQ(scheiben.size(), 3u);
        const int mitten[3] = {7, 30, 53};
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_TRUE(scheiben[i].Rect == (TRect{mitten[i] - 4, 3, mitten[i] + 4, 11})) << i;
            EXPECT_EQ(scheiben[i].Pen.Color, clBlack);
            EXPECT_EQ(scheiben[i].Brush.Color, clRed);
        }
        EXPECT_EQ(Stuecke(ops), index == 10 ? (std::vector<TStueck>{{5, 55, 1}}) : std::vector<TStueck>{});
    }
}
