// The circles window through its handlers, and a circle typed into it in
// the picture.

#include "werkzeug_fixture.h"

#include "engine/tabellen.h"
#include "graph/graphik.h"
#include "main/beschriftung_tabelle.h"
#include "main/form1.h"
#include "tools/beschriftung_dlg.h"
#include "tools/kreise_dlg.h"
#include "tools/stilliste.h"
#include "tools/uebersicht_dlg.h"

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

}  // namespace

TEST_F(KreiseTest, TheFillCodingSwapsTheFirstTwoChoicesBothWays)
{
    const char* const gespeichert[6] = {"1", "0", "2", "3", "4", "5"};
    for (int i : {3, 0, 1, 5, 2, 4}) {
        Fuellen(2, i);
        EXPECT_EQ(Kreise[2].Fill, gespeichert[i]) << i;
    }
    EXPECT_EQ(Auswahl(1), 1);  // the default "0": "ohne Farbe"

    // Stored text -> choice, and what the refresh leaves in the record. A
    // text that is no fill number leaves the choice as it was.
    struct TFall {
        const char* Fill;
        int Vorher, Auswahl;
        const char* Danach;
    };
    const TFall faelle[] = {
        {"", 1, 0, "1"},    {"0", 0, 1, "0"}, {"2", 0, 2, "2"},   {"5", 0, 5, "5"},
        {" 3", 0, 0, " 3"}, {"7", 4, 4, "7"}, {"-1", 2, 2, "-1"}, {"2.5", 5, 5, "2.5"},
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
    EXPECT_EQ(D().findChild<QLineEdit*>(QStringLiteral("Edit48")), Z(9).RadiusY);
    EXPECT_EQ(D().findChild<QToolButton*>(QStringLiteral("SpeedButton33")), Z(9).NamePos[2]);

    const TBeschriftungsErgebnis e = BeschriftungAnwenden();
    for (const auto& liste : {e.Fehlend, e.Abgelehnt}) {
        for (const TBeschriftungsZiel& z : liste) {
            for (const TFensterNr f : {TFensterNr::Kreise, TFensterNr::Beschriftung, TFensterNr::Uebersicht})
                EXPECT_NE(z.Fenster, f) << Fensterklasse(f) << " " << z.Name.toStdString();
        }
    }
    EXPECT_EQ(Z(4).FuellWahl->button(4)->text(), QStringLiteral("schraffiert 2"));
    EXPECT_EQ(Z(10).Kreis->title(), QStringLiteral(" 10. Kreis (Ellipse) "));
}

TEST_F(KreiseTest, TheControlsWriteThroughAndForeignStoredValuesSurviveTheRefresh)
{
    Z(4).X->setText(QStringLiteral("  1,5 "));  // as typed
    Z(4).RadiusY->setText(QString(300, QLatin1Char('9')));
    EXPECT_EQ(Punkte[14].X, "  1,5 ");
    EXPECT_EQ(Kreise[4].RadiusY, std::string(255, '9'));
    Z(4).Zeigen->click();
    Z(4).Vorne->click();  // behind the graphs
    EXPECT_EQ(Kreise[4].ShowCentre, "0");
    EXPECT_EQ(Kreise[4].Hinten, 1);

    Kreise[5].Hinten = 7;
    Kreise[5].ShowCentre = "ja";
    D().ZeigePunk();
    EXPECT_FALSE(Z(5).Vorne->isChecked());
    EXPECT_FALSE(Z(5).Zeigen->isChecked());
    EXPECT_EQ(Kreise[5].Hinten, 7);
    EXPECT_EQ(Kreise[5].ShowCentre, "ja");
}

TEST_F(KreiseTest, TheColoursPaintTheCaptionsAndTheSamples)
{
    FarbDialog.Antwort = clRed;
    Z(4).Linienfarbe->click();
    EXPECT_EQ(Punkte[14].Color, clRed);
    EXPECT_EQ(Schriftfarbe(Z(4).Linienfarbe), clRed);
    EXPECT_EQ(Schriftfarbe(Z(4).RadiusX), clRed);
    EXPECT_EQ(Schriftfarbe(Z(3).X), clGreen);
    Z(4).Fuellfarbe->click();
    EXPECT_EQ(Kreise[4].FillColor, clRed);
    EXPECT_EQ(Schriftfarbe(Z(4).Fuellfarbe), clRed);
    // The fourth sample is dashed, 1 pixel wide.
    const QImage gestrichelt = Z(4).Linienstil->ItemBild(3, QSize(60, 14));
    int rot = 0;
    for (int x = 0; x < 60; ++x)
        rot += gestrichelt.pixelColor(x, 7) == QColor(Qt::red);
    EXPECT_GT(rot, 10);
    EXPECT_LT(rot, 45);
    EXPECT_EQ(gestrichelt.pixelColor(30, 8), QColor(Qt::white));
}

// The three windows open from the main window's button and menu and from
// the graph window's band, refreshed from what is stored.
TEST_F(KreiseTest, EveryToggleShowsAndClosesItsRefreshedWindow)
{
    Punkte[12].X = "4";
    Beschriftungen[9].Text = "neun";
    Funktionen[4]->SetTerm("f(x) = 4");
    struct TWeg {
        QWidget* Fenster;
        QToolButton* Haupt;
        QAction* Menue;
        QToolButton* Graph;
        const QLineEdit* Feld;
        const char* Text;
    };
    const TWeg wege[] = {
        {KreiseDlg, Form1->SpeedButton8, Form1->Kreise1, Graphik->SpeedButton16, Z(2).X, "4"},
        {BeschriftungDlg, Form1->SpeedButton12, Form1->Beschriftung1, Graphik->SpeedButton12,
         BeschriftungDlg->Zeile(9).Text, "neun"},
        {Uebersicht_Dlg, Form1->SpeedButton13, Form1->bersicht1, Graphik->SpeedButton7,
         Uebersicht_Dlg->Zeile(4).Gleichung, "f(x) = 4"},
    };
    for (const TWeg& w : wege) {
        SCOPED_TRACE(w.Fenster->objectName().toStdString());
        w.Haupt->click();
        EXPECT_TRUE(w.Fenster->isVisible());
        EXPECT_EQ(w.Feld->text(), QString::fromUtf8(w.Text));
        w.Menue->trigger();
        EXPECT_FALSE(w.Fenster->isVisible());
        w.Graph->click();
        EXPECT_TRUE(w.Fenster->isVisible());
    }
    // The labels window gives its first axis caption the focus.
    EXPECT_EQ(BeschriftungDlg->focusWidget(), BeschriftungDlg->Edit1);
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
    Fuellen(1, 0);  // "gefüllt"
    Z(1).X->setText(QStringLiteral("1"));
    EXPECT_NE(farbe(1), gelb);  // no y yet: not drawn
    Z(1).Y->setText(QStringLiteral("3,0"));
    EXPECT_EQ(farbe(1), gelb);
    EXPECT_EQ(farbe(-1.5), gelb);
    int rand = 0;  // the outline in the centre's colour, 2 pixels wide here
    for (double dx = -3; dx <= 3; ++dx)
        rand += farbe(2 + dx / e) == QColor(0, 128, 0);
    EXPECT_GE(rand, 1);
    EXPECT_LE(rand, 4);
    EXPECT_NE(farbe(2.5), gelb);
    Z(1).RadiusX->setText(QStringLiteral("3"));  // an ellipse
    EXPECT_EQ(farbe(2.5), gelb);
    Fuellen(1, 1);  // "ohne Farbe"
    EXPECT_NE(farbe(1), gelb);
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
