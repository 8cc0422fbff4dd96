// The overview of the nine functions: it mirrors them, hands what is typed
// into it to the main window's editor only while it is the active window,
// and never feeds its own refresh back.

#include "werkzeug_fixture.h"

#include "engine/funktion.h"
#include "engine/tabellen.h"
#include "graph/graphik.h"
#include "main/form1.h"
#include "platform/farbe_qt.h"
#include "platform/melder.h"
#include "tools/stilliste.h"
#include "tools/uebersicht_dlg.h"

#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QSignalSpy>

#include <cstdlib>

namespace {

class UebersichtTest : public WerkzeugTest {
protected:
    TUebersicht_Dlg& D() { return *Uebersicht_Dlg; }
    const TUebersicht_Dlg::TZeile& Z(int r) { return Uebersicht_Dlg->Zeile(r); }
    static TFunktion& F(int n) { return *Funktionen[static_cast<std::size_t>(n)]; }

    // What the overview shows of function n, as it stands in the table.
    using TWerte = std::tuple<std::string, double, double, double, double, double, int, TColor, TColor>;
    static TWerte Werte(int n)
    {
        const TFunktion& f = F(n);
        return {f.GetTerm(),  f.GetXFrom(),     f.GetXTo(),  f.GetTFrom(), f.GetTTo(),
                f.GetTStep(), f.GetLineStyle(), f.GetColor(), f.GetColor2()};
    }
    static std::vector<TWerte> AlleWerte()
    {
        std::vector<TWerte> v;
        for (int n = 1; n <= 9; ++n)
            v.push_back(Werte(n));
        return v;
    }

    // Row r shows function r.
    void ZeigtFunktion(int r)
    {
        SCOPED_TRACE(testing::Message() << "row " << r);
        const TFunktion& f = F(r);
        const TUebersicht_Dlg::TZeile& z = Z(r);
        auto zahl = [](double v) { return QString::number(v).replace(QLatin1Char('.'), QLatin1Char(',')); };
        EXPECT_EQ(std::tuple(z.Gleichung->text(), z.XVon->text(), z.XBis->text(), z.TVon->text(), z.TBis->text(),
                             z.TSchritt->text()),
                  std::tuple(QString::fromStdString(f.GetTerm()), zahl(f.GetXFrom()), zahl(f.GetXTo()),
                             zahl(f.GetTFrom()), zahl(f.GetTTo()), zahl(f.GetTStep())));
        const int stil = f.GetLineStyle() >= 0 && f.GetLineStyle() <= 10 ? f.GetLineStyle() : -1;
        EXPECT_EQ(std::tuple(z.Stil->currentIndex(), Schriftfarbe(z.Gleichung), Schriftfarbe(z.TSchritt),
                             Feldfarbe(z.Farbe), Feldfarbe(z.Zusatzfarbe)),
                  std::tuple(stil, f.GetColor(), f.GetColor(), f.GetColor(), f.GetColor2()));
        const bool schar = f.GetKind() == ArtFunktionenschar;
        EXPECT_EQ(std::tuple(z.TVon->isHidden(), z.TBis->isHidden(), z.TSchritt->isHidden(), z.Zusatzfarbe->isHidden()),
                  std::tuple(!schar, !schar, !schar, !schar));
        EXPECT_EQ(std::tuple(z.ScharLabels[0]->isHidden(), z.ScharLabels[1]->isHidden(), z.ScharLabels[2]->isHidden(),
                             z.Farbe->width()),
                  std::tuple(!schar, !schar, !schar, schar ? 20 : 40));
        // Each range field shows with the label just left of it.
        for (const QLineEdit* e : {z.XVon, z.XBis, z.TVon, z.TBis, z.TSchritt}) {
            const QLabel* davor = nullptr;
            for (const QLabel* l : D().GroupBox3->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
                if (std::abs(l->y() - e->y()) < 10 && l->x() < e->x() && (!davor || l->x() > davor->x()))
                    davor = l;
            ASSERT_NE(davor, nullptr) << e->objectName().toStdString();
            EXPECT_EQ(davor->isVisibleTo(&D()), e->isVisibleTo(&D())) << e->objectName().toStdString();
        }
        // The style samples in the function's colour.
        EXPECT_EQ(z.Stil->ItemBild(0, QSize(60, 14)).pixelColor(30, 7), ToQColor(f.GetColor()));
        EXPECT_EQ(Feldfarbe(z.Gleichung), f.GetCompiled() ? FarbeGueltig : FarbeUngueltig);
    }

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
    // A scheme changes all nine functions, and says so; the program's own
    // functions behind them keep their colours.
    ASSERT_NE(Funktionen[10], nullptr);
    Funktionen[10]->SetColor(clWhite);
    Funktionen[10]->SetColor2(clWhite);
    QSignalSpy geaendert(&Melder(), &TMelder::FunktionGeaendert);
    D().Farboptionen[1]->click();
    for (int n = 1; n <= 9; ++n)
        EXPECT_EQ(std::pair(F(n).GetColor(), F(n).GetColor2()), farben[static_cast<std::size_t>(n)]) << n;
    EXPECT_EQ(std::pair(Funktionen[10]->GetColor(), Funktionen[10]->GetColor2()), std::pair(clWhite, clWhite));
    std::vector<int> vonHier;
    for (const QList<QVariant>& meldung : geaendert)
        if (qvariant_cast<QObject*>(meldung[1]) == &D())
            vonHier.push_back(meldung[0].toInt());
    EXPECT_EQ(vonHier, std::vector<int>{0});
}

TEST_F(UebersichtTest, TheRefreshShowsEachFunctionInItsOwnRow)
{
    auto belegen = [](int versatz) {
        for (int r = 1; r <= 9; ++r) {
            const int i = (r + versatz) % 9;
            TFunktion& f = F(r);
            f.SetKind(i % 2 ? ArtFunktionenschar : ArtFunktion);
            f.SetTerm(i == 4 ? "f(x) = (" : i % 2 ? "f(x,t) = t*x+" + std::to_string(i) : "f(x) = x+" + std::to_string(i));
            f.SetXFrom(-i - 0.5);
            f.SetXTo(i);
            f.SetTFrom(i + 10);
            f.SetTTo(i + 20);
            f.SetTStep(i + 1);
            f.SetLineStyle(i + 1);
            f.SetColor(Farbreihe[i]);
            f.SetColor2(Farbreihe[8 - i]);
        }
        return AlleWerte();
    };

    const std::vector<TWerte> erste = belegen(0);
    D().show();
    for (int r = 1; r <= 9; ++r)
        ZeigtFunktion(r);
    EXPECT_EQ(AlleWerte(), erste);

    belegen(4);
    F(6).SetLineStyle(11);  // one past the list: no item
    const std::vector<TWerte> zweite = AlleWerte();
    D().zeichneneu();
    for (int r = 1; r <= 9; ++r)
        ZeigtFunktion(r);
    EXPECT_EQ(AlleWerte(), zweite);
}

TEST_F(UebersichtTest, EveryControlOfARowActsOnItsOwnFunctionOnly)
{
    if (!Aktivieren(&D()))
        GTEST_SKIP() << "no active window on this platform";
    for (int r : {1, 5, 9}) {
        SCOPED_TRACE(testing::Message() << "row " << r);
        std::vector<TWerte> soll = AlleWerte();
        const std::string term = "f(x,t)=t*x+" + std::to_string(r);
        Tippen(Z(r).Gleichung, QString::fromStdString(term));
        // A family: the row opens its t fields at once.
        EXPECT_EQ(std::pair(Z(r).TVon->isHidden(), Z(r).Farbe->width()), std::pair(false, 20));
        Tippen(Z(r).XVon, "-3");
        Tippen(Z(r).XBis, "4,5");
        Tippen(Z(r).TVon, "-1");
        Tippen(Z(r).TBis, "6");
        Tippen(Z(r).TSchritt, "0,5");
        Waehlen(Z(r).Stil, 7);
        FarbDialog.Antwort = clRed;
        EXPECT_TRUE(NeuGemalt(Z(r).Stil, [&] { Druecken(Z(r).Farbe); }));
        FarbDialog.Antwort = clAqua;
        Druecken(Z(r).Zusatzfarbe);
        soll[static_cast<std::size_t>(r - 1)] = TWerte{term, -3, 4.5, -1, 6, 0.5, 7, clRed, clAqua};
        EXPECT_EQ(AlleWerte(), soll);
        EXPECT_EQ(F(r).GetKind(), ArtFunktionenschar);
        for (int j = 1; j <= 9; ++j)
            ZeigtFunktion(j);
    }

    // The first style as well.
    Waehlen(Z(1).Stil, 0);
    EXPECT_EQ(F(1).GetLineStyle(), 0);

    // The four colour schemes recolour all nine; a row shows its new colours.
    const std::pair<TColor, TColor> schemata[4] = {
        {clBlue, clGreen}, {clRed, clGray}, {clBlack, clSilver}, {clGreen, clSilver}};
    for (int s = 4; s >= 1; --s) {
        Druecken(D().Farboptionen[static_cast<std::size_t>(s - 1)]);
        EXPECT_EQ(std::pair(F(1).GetColor(), F(9).GetColor2()), schemata[s - 1]) << s;
        for (int j : {1, 9})
            ZeigtFunktion(j);
    }
}

// A colour button shows its function's colour as it is, inside a thin
// frame.
TEST_F(UebersichtTest, AColourButtonShowsItsColourPlainInsideAFrame)
{
    F(5).SetColor(clRed);
    F(5).SetColor2(clBlue);
    D().show();
    for (QToolButton* knopf : {Z(5).Farbe, Z(5).Zusatzfarbe}) {
        SCOPED_TRACE(knopf->objectName().toStdString());
        knopf->show();
        const QImage bild = knopf->grab().toImage();
        const QPoint mitte(bild.width() / 2, bild.height() / 2);
        EXPECT_EQ(bild.pixelColor(mitte), ToQColor(knopf == Z(5).Farbe ? clRed : clBlue));
        for (const QPoint ecke : {QPoint(0, 0), QPoint(bild.width() - 1, bild.height() - 1)})
            EXPECT_EQ(bild.pixel(ecke), knopf->palette().color(QPalette::Mid).rgb());
    }
}
