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
#include "platform/farbe_qt.h"

#include <QApplication>
#include <QImage>

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
    EXPECT_EQ(std::tuple(FunktionNr, F(5).GetXFrom(), F(5).GetTerm()), std::tuple(1, xVon, term));

    ASSERT_TRUE(Aktivieren(&D()));
    Z(5).XVon->setText(QStringLiteral("-7.5"));  // through the main window's parsing
    EXPECT_EQ(std::tuple(FunktionNr, F(5).GetXFrom(), Form1->Evonx->text()), std::tuple(5, -7.5, QStringLiteral("-7,5")));
    EXPECT_EQ(Feldfarbe(Z(5).XVon), FarbeGueltig);
    Z(5).TSchritt->setText(QStringLiteral("x"));
    EXPECT_EQ(std::pair(Feldfarbe(Z(5).TSchritt), F(5).GetTStep()), std::pair(FarbeUngueltig, 1.0));
    Z(6).Gleichung->setText(QStringLiteral("f(x) = x^"));
    EXPECT_EQ(std::tuple(FunktionNr, F(6).GetTerm(), Feldfarbe(Z(6).Gleichung)), std::tuple(6, "f(x)=x^", FarbeUngueltig));
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
    EXPECT_EQ(std::tuple(Z(3).TVon->text(), Z(3).XVon->text(), Z(3).Stil->currentIndex(), Schriftfarbe(Z(3).TSchritt)),
              std::tuple(QStringLiteral("2,5"), QStringLiteral("-1E20"), 6, clRed));
    EXPECT_FALSE(Z(3).TBis->isHidden() || Z(3).Zusatzfarbe->isHidden());
    EXPECT_TRUE(Z(2).TBis->isHidden() && Z(2).Zusatzfarbe->isHidden());
    EXPECT_EQ(std::pair(Z(3).Farbe->width(), Z(2).Farbe->width()), std::pair(20, 40));
    // The colour buttons show the colours themselves, not a shade of them.
    for (QToolButton* knopf : {Z(3).Farbe, Z(3).Zusatzfarbe}) {
        const QImage bild = knopf->grab().toImage();
        const TColor soll = knopf == Z(3).Farbe ? clRed : F(3).GetColor2();
        EXPECT_EQ(bild.pixelColor(bild.width() / 2, bild.height() / 2), ToQColor(soll));
    }
    EXPECT_EQ(std::pair(Feldfarbe(Z(4).Gleichung), Feldfarbe(Z(1).Gleichung)), std::pair(FarbeUngueltig, FarbeGueltig));

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
    EXPECT_EQ(std::tuple(FunktionNr, F(2).GetColor(), Z(7).Gleichung->text()),
              std::tuple(2, clNavy, QStringLiteral("f(x) = 7")));
    EXPECT_EQ(Form1->Edit1->text(), QString::fromStdString(F(2).GetTerm()));
    F(7).SetTerm("f(x) = 8");
    Z(4).Zusatzfarbe->click();
    EXPECT_EQ(std::pair(FunktionNr, F(4).GetColor2()), std::pair(4, clNavy));
    F(7).SetTerm("f(x) = 9");
    D().Farboptionen[2]->click();
    EXPECT_EQ(std::pair(FunktionNr, F(7).GetTerm()), std::pair(4, std::string("f(x) = 9")));

    // A style chosen in a row goes through the main window's list.
    Waehlen(Z(9).Stil, 10);
    EXPECT_EQ(std::tuple(FunktionNr, F(9).GetLineStyle(), Form1->ComboBox2->currentIndex()), std::tuple(9, 10, 10));
}

TEST_F(UebersichtTest, SchemeTwoGivesTheColoursOfANewDrawing)
{
    for (int n = 1; n <= 9; ++n)
        F(n).SetColor(clWhite);
    Form1->Reset();
    std::array<std::pair<TColor, TColor>, 10> farben{};
    for (int n = 1; n <= 9; ++n)
        farben[static_cast<std::size_t>(n)] = {F(n).GetColor(), F(n).GetColor2()};
    Form1->ComboBox1->setEditText(QStringLiteral("3."));
    Form1->ComboBox1Change();
    D().Farboptionen[0]->click();
    EXPECT_EQ(std::pair(F(3).GetColor(), FunktionNr), std::pair(clNavy, 3));  // the selection stays, in its new colour
    EXPECT_EQ(std::pair(Schriftfarbe(Form1->Edit1), Schriftfarbe(Z(3).Gleichung)), std::pair(clNavy, clNavy));
    D().Farboptionen[1]->click();
    for (int n = 1; n <= 9; ++n)
        EXPECT_EQ(std::pair(F(n).GetColor(), F(n).GetColor2()), farben[static_cast<std::size_t>(n)]) << n;
}
