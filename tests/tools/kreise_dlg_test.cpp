// The circles window through its handlers, and a circle typed into it in
// the picture.

#include "werkzeug_fixture.h"

#include "engine/tabellen.h"
#include "graph/graphik.h"
#include "main/beschriftung_tabelle.h"
#include "main/form1.h"
#include "tools/kreise_dlg.h"
#include "tools/stilliste.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>

namespace {

class KreiseTest : public WerkzeugTest {
protected:
    TKreiseDlg& D() { return *KreiseDlg; }
    const TKreiseDlg::TZeile& Z(int k) { return KreiseDlg->Zeile(k); }
    int Auswahl(int k) { return Z(k).FuellWahl->checkedId(); }
    void Fuellen(int k, int index) { Z(k).FuellWahl->button(index)->click(); }
};

using V = std::vector<bool>;

}  // namespace

TEST_F(KreiseTest, TheFillCodingSwapsTheFirstTwoChoicesBothWays)
{
    // Choice -> stored digit.
    const char* const gespeichert[6] = {"1", "0", "2", "3", "4", "5"};
    for (int i : {3, 0, 1, 5, 2, 4}) {
        Fuellen(2, i);
        EXPECT_EQ(Kreise[2].Fill, gespeichert[i]) << i;
    }
    EXPECT_EQ(Kreise[1].Fill, "0");  // the default: no fill, shown as "ohne Farbe"
    EXPECT_EQ(Auswahl(1), 1);

    // Stored text -> choice, and what the refresh leaves in the record. A
    // text that is no fill number leaves the choice as it was.
    struct TFall {
        const char* Fill;
        int Vorher, Auswahl;
        const char* Danach;
    };
    const TFall faelle[] = {
        {"", 1, 0, "1"},  {"0", 0, 1, "0"},   {"1", 1, 0, "1"},  {"2", 0, 2, "2"},   {"5", 0, 5, "5"},
        {" 3", 0, 0, " 3"}, {"7", 4, 4, "7"}, {"-1", 2, 2, "-1"}, {"x", 3, 3, "x"}, {"2.5", 5, 5, "2.5"},
    };
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.Fill);
        Fuellen(3, f.Vorher);
        Kreise[3].Fill = f.Fill;
        D().ZeigePunk();
        EXPECT_EQ(Auswahl(3), f.Auswahl);
        EXPECT_EQ(Kreise[3].Fill, f.Danach);
    }
}

TEST_F(KreiseTest, RowsAsDesignedAndTheCaptionTableFindsEveryControlOfTheThreeWindows)
{
    // Row 9 has the irregular numbers.
    auto kn = [&](const char* n) { return D().findChild<QWidget*>(QString::fromLatin1(n)); };
    EXPECT_EQ(kn("Edit27"), Z(9).Name);
    EXPECT_EQ(kn("Edit25"), Z(9).X);
    EXPECT_EQ(kn("Edit48"), Z(9).RadiusY);
    EXPECT_EQ(kn("SpeedButton9"), Z(9).Stil[1]);
    EXPECT_EQ(kn("SpeedButton33"), Z(9).NamePos[2]);
    EXPECT_EQ(kn("SpeedButton19"), Z(9).Linienfarbe);
    EXPECT_EQ(kn("SpeedButton96"), Z(9).Fuellfarbe);
    EXPECT_EQ(kn("CheckBox26"), Z(9).Vorne);
    EXPECT_EQ(kn("ComboBox9"), Z(9).Linienstil);
    EXPECT_EQ(kn("RadioGroup9"), Z(9).Fuellung);
    EXPECT_EQ(kn("SFarbe"), Z(1).Linienfarbe);
    EXPECT_EQ(kn("ComboBox2"), Z(1).Linienstil);
    EXPECT_EQ(Z(1).X->maxLength(), 255);

    // The captions come from the language lines by these names, here and
    // in the labels window and the overview.
    const TBeschriftungsErgebnis e = BeschriftungAnwenden();
    for (const auto& liste : {e.Fehlend, e.Abgelehnt}) {
        for (const TBeschriftungsZiel& z : liste) {
            for (const TFensterNr f : {TFensterNr::Kreise, TFensterNr::Beschriftung, TFensterNr::Uebersicht})
                EXPECT_NE(z.Fenster, f) << Fensterklasse(f) << " " << z.Name.toStdString();
        }
    }
    EXPECT_EQ(Z(4).Fuellung->title(), QStringLiteral(" Optionen Füllfläche "));
    EXPECT_EQ(Z(4).FuellWahl->button(4)->text(), QStringLiteral("schraffiert 2"));
    EXPECT_EQ(Z(10).Kreis->title(), QStringLiteral(" 10. Kreis (Ellipse) "));
}

TEST_F(KreiseTest, EveryControlWritesItsFieldAndTheRefreshShowsWhatIsStored)
{
    Z(4).X->setText(QStringLiteral("  1,5 "));  // as typed
    Z(4).RadiusY->setText(QString(300, QLatin1Char('9')));
    EXPECT_EQ(Punkte[14].X, "  1,5 ");
    EXPECT_EQ(Kreise[4].RadiusY, std::string(255, '9'));
    Z(4).Name->setText(QStringLiteral("Z"));
    EXPECT_EQ(Punkte[14].Name, "Z");

    Z(4).Zeigen->click();
    EXPECT_EQ(Kreise[4].ShowCentre, "0");
    Z(4).Vorne->click();  // behind the graphs
    EXPECT_EQ(Kreise[4].Hinten, 1);
    Z(4).Stil[2]->click();
    Z(4).NamePos[0]->click();
    EXPECT_EQ(Punkte[14].Style, 3);
    EXPECT_EQ(Punkte[14].NamePos, 1);
    EXPECT_EQ(Gedrueckt(Z(4).Stil), (V{false, false, true}));
    EXPECT_EQ(Gedrueckt(Z(4).NamePos), (V{true, false, false, false}));
    Waehlen(Z(4).Linienstil, 3);
    EXPECT_EQ(Kreise[4].LineStyle, 3);

    // Stored values another program may write survive the refresh's echo.
    Kreise[5].Hinten = 7;
    Kreise[5].ShowCentre = "ja";
    D().ZeigePunk();
    EXPECT_FALSE(Z(5).Vorne->isChecked());
    EXPECT_FALSE(Z(5).Zeigen->isChecked());
    EXPECT_EQ(Kreise[5].Hinten, 7);
    EXPECT_EQ(Kreise[5].ShowCentre, "ja");
    Kreise[5].Hinten = 0;
    Punkte[15].Style = 9;  // no button: the pressed one stays
    D().ZeigePunk();
    EXPECT_TRUE(Z(5).Vorne->isChecked());
    EXPECT_EQ(Gedrueckt(Z(5).Stil), (V{true, false, false}));
}

TEST_F(KreiseTest, TheColoursPaintTheCaptionsAndTheSamples)
{
    const int n = D().Neuzeichnungen();
    Z(4).Linienfarbe->click();  // cancelled: nothing changes, still redrawn
    EXPECT_EQ(FarbDialog.Vorgaben, (std::vector<TColor>{clGreen}));
    EXPECT_EQ(D().Neuzeichnungen(), n + 1);
    FarbDialog.Antwort = clRed;
    Z(4).Linienfarbe->click();
    EXPECT_EQ(Punkte[14].Color, clRed);
    for (const QWidget* w : std::initializer_list<const QWidget*>{Z(4).Linienfarbe, Z(4).X, Z(4).RadiusX})
        EXPECT_EQ(Schriftfarbe(w), clRed);
    EXPECT_EQ(Schriftfarbe(Z(3).X), clGreen);
    FarbDialog.Antwort = clBlue;
    Z(4).Fuellfarbe->click();
    EXPECT_EQ(Kreise[4].FillColor, clBlue);
    EXPECT_EQ(Schriftfarbe(Z(4).Fuellfarbe), clBlue);

    // The samples in the outline's colour: medium 3 pixels, dashed with gaps.
    const QImage mittel = Z(4).Linienstil->ItemBild(1, QSize(60, 14));
    EXPECT_EQ(mittel.pixelColor(30, 6), QColor(Qt::red));
    EXPECT_EQ(mittel.pixelColor(30, 8), QColor(Qt::red));
    EXPECT_EQ(mittel.pixelColor(3, 7), QColor(Qt::white));
    const QImage gestrichelt = Z(4).Linienstil->ItemBild(3, QSize(60, 14));
    int rot = 0;
    for (int x = 5; x < 55; ++x)
        rot += gestrichelt.pixelColor(x, 7) == QColor(Qt::red);
    EXPECT_GT(rot, 10);
    EXPECT_LT(rot, 45);
    EXPECT_EQ(gestrichelt.pixelColor(30, 6), QColor(Qt::white));
}

TEST_F(KreiseTest, EveryToggleShowsAndClosesTheRefreshedWindow)
{
    Punkte[12].X = "4";
    Form1->SpeedButton8->click();
    EXPECT_TRUE(D().isVisible());
    EXPECT_EQ(Z(2).X->text(), QStringLiteral("4"));
    Form1->Kreise1->trigger();
    EXPECT_FALSE(D().isVisible());
    Graphik->SpeedButton16->click();
    EXPECT_TRUE(D().isVisible());
    D().OKBtn->click();
    EXPECT_FALSE(D().isVisible());
}

TEST_F(KreiseTest, ACircleTypedInRowOneAppearsWhereTheGeometryPutsIt)
{
    Graphik->resize(700, 600);
    Graphik->GraphikResize();
    ASSERT_GT(Graphik->BildBreite, 100);
    // Centre (1 | 3) in the default view -5..6 x -2..8, radius 2.
    const double e = Graphik->BildBreite / 11.0;
    const int mx = static_cast<int>(std::lround(6.0 * e));
    const int my = static_cast<int>(std::lround(5.0 * Graphik->BildHoehe / 10.0));
    auto farbe = [&](double dx) {
        Graphik->BildCanvas->Flush();
        return Graphik->Bild.pixelColor(static_cast<int>(std::lround(mx + dx * e)), my);
    };
    const QColor gelb(255, 255, 0);
    const QColor gruen(0, 128, 0);
    Fuellen(1, 0);  // "gefüllt"
    Z(1).X->setText(QStringLiteral("1"));
    EXPECT_NE(farbe(1), gelb);  // no y yet: not drawn
    Z(1).Y->setText(QStringLiteral("3,0"));
    EXPECT_EQ(farbe(1), gelb);
    EXPECT_EQ(farbe(-1.5), gelb);
    int rand = 0;  // the outline, 2 pixels wide at this zoom
    for (double dx = -3; dx <= 3; ++dx)
        rand += farbe(2 + dx / e) == gruen;
    EXPECT_GE(rand, 1);
    EXPECT_LE(rand, 4);
    EXPECT_NE(farbe(2.5), gelb);
    Z(1).RadiusX->setText(QStringLiteral("3"));  // an ellipse
    EXPECT_EQ(farbe(2.5), gelb);

    // "ohne Farbe" leaves the inside as it was; a hatch shows some yellow.
    Fuellen(1, 1);
    EXPECT_NE(farbe(1), gelb);
    Fuellen(1, 4);
    Graphik->BildCanvas->Flush();
    int streifen = 0;
    for (int x = mx; x < mx + static_cast<int>(e); ++x)
        streifen += Graphik->Bild.pixelColor(x, my + 3) == gelb;
    EXPECT_GT(streifen, 0);
    EXPECT_LT(streifen, static_cast<int>(e) - 2);
}

TEST_F(KreiseTest, NothingTypedIntoTheRowsStopsTheRedraw)
{
    for (int k = 1; k <= 10; ++k)
        Fuellen(k, (k - 1) % 6);
    for (const char* t : {"1e308", "-1e308", "1e-320", "nan", "inf", "0x10", "-", "", "2147483648", "1e30000", "ä€"}) {
        const QString text = QString::fromUtf8(t);
        for (int k = 1; k <= 10; ++k) {
            const TKreiseDlg::TZeile& z = Z(k);
            z.X->setText(k % 2 ? text : QStringLiteral("1"));
            z.Y->setText(k % 3 ? QStringLiteral("-") + text : QStringLiteral("0"));
            z.RadiusX->setText(k % 4 ? text : QStringLiteral("1"));
            z.RadiusY->setText(QStringLiteral("-") + text);
            z.Name->setText(text);
        }
    }
    EXPECT_EQ(Punkte[11].Name, "ä€");
    EXPECT_EQ(Kreise[10].RadiusY, "-ä€");
}
