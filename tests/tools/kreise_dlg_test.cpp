// The circles window through its handlers.

#include "werkzeug_fixture.h"

#include "engine/tabellen.h"
#include "main/beschriftung_tabelle.h"
#include "tools/kreise_dlg.h"

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
    const std::tuple<const char*, int, int, const char*> faelle[] = {
        {"", 1, 0, "1"},    {"0", 0, 1, "0"}, {"2", 0, 2, "2"},   {"5", 0, 5, "5"},
        {" 3", 0, 0, " 3"}, {"7", 4, 4, "7"}, {"-1", 2, 2, "-1"}, {"2.5", 5, 5, "2.5"},
    };
    for (const auto& [fill, vorher, auswahl, danach] : faelle) {
        Fuellen(3, vorher);
        Kreise[3].Fill = fill;
        D().ZeigePunk();
        EXPECT_EQ(std::pair(Auswahl(3), Kreise[3].Fill), std::pair(auswahl, std::string(danach))) << fill;
    }
}

TEST_F(KreiseTest, RowsAsDesignedAndTheCaptionTableFindsEveryControlOfTheToolWindows)
{
    // Row 9 has the irregular numbers.
    EXPECT_EQ(D().findChild<QLineEdit*>(QStringLiteral("Edit48")), Z(9).RadiusY);
    EXPECT_EQ(D().findChild<QToolButton*>(QStringLiteral("SpeedButton33")), Z(9).NamePos[2]);
    const TBeschriftungsErgebnis e = BeschriftungAnwenden();
    for (const auto& liste : {e.Fehlend, e.Abgelehnt})
        for (const TBeschriftungsZiel& z : liste)
            for (const TFensterNr f : {TFensterNr::Punkte, TFensterNr::Senkrechte, TFensterNr::Flaechen,
                                       TFensterNr::Kreise, TFensterNr::Beschriftung, TFensterNr::Uebersicht})
                EXPECT_NE(z.Fenster, f) << Fensterklasse(f) << " " << z.Name.toStdString();
}

TEST_F(KreiseTest, TheControlsWriteThroughAndForeignStoredValuesSurviveTheRefresh)
{
    Z(4).X->setText(QStringLiteral("  1,5 "));  // as typed
    Z(4).RadiusY->setText(QString(300, QLatin1Char('9')));
    Z(4).Zeigen->click();
    Z(4).Vorne->click();  // behind the graphs
    EXPECT_EQ(std::tuple(Punkte[14].X, Kreise[4].RadiusY, Kreise[4].ShowCentre, Kreise[4].Hinten),
              std::tuple("  1,5 ", std::string(255, '9'), "0", 1));

    std::tie(Kreise[5].Hinten, Kreise[5].ShowCentre) = std::tuple(7, "ja");
    D().ZeigePunk();
    EXPECT_FALSE(Z(5).Vorne->isChecked() || Z(5).Zeigen->isChecked());
    EXPECT_EQ(std::pair(Kreise[5].Hinten, Kreise[5].ShowCentre), std::pair(std::uint8_t{7}, std::string("ja")));
}
