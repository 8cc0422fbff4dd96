// The circles window through its handlers.

#include "werkzeug_fixture.h"

#include "engine/tabellen.h"
#include "main/beschriftung_tabelle.h"
#include "platform/farbe_qt.h"
#include "tools/kreise_dlg.h"

#include <QCheckBox>
#include <QScrollArea>
#include <QScrollBar>

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

namespace {

// Row k shows circle k and its centre.
void ZeigtKreis(int k)
{
    SCOPED_TRACE(testing::Message() << "row " << k);
    const TKreis& c = Kreise[k];
    const TPunkt& m = Punkte[10 + k];
    const TKreiseDlg::TZeile& z = KreiseDlg->Zeile(k);
    EXPECT_EQ(std::tuple(z.Name->text(), z.X->text(), z.Y->text(), z.RadiusX->text(), z.RadiusY->text()),
              std::tuple(QString::fromStdString(m.Name), QString::fromStdString(m.X), QString::fromStdString(m.Y),
                         QString::fromStdString(c.RadiusX), QString::fromStdString(c.RadiusY)));
    std::vector<bool> stil;
    for (const QToolButton* b : z.Stil)
        stil.push_back(b->isChecked());
    std::vector<bool> position;
    for (const QToolButton* b : z.NamePos)
        position.push_back(b->isChecked());
    EXPECT_EQ(std::pair(stil, position), std::pair(Nur(m.Style - 1, 3), Nur(m.NamePos - 1, 4)));
    EXPECT_EQ(std::tuple(z.Zeigen->isChecked(), z.Vorne->isChecked(), z.Linienstil->currentIndex(),
                         z.FuellWahl->checkedId()),
              std::tuple(c.ShowCentre == "1", c.Hinten == 0, c.LineStyle,
                         TKreiseDlg::FuellIndex(TKreiseDlg::FuellZahl(c.Fill).value_or(-1))));
    // The centre's colour is the outline's: on the edits, the button and the
    // list's samples; the fill colour on its button.
    for (const QWidget* w : std::initializer_list<const QWidget*>{z.Name, z.X, z.Y, z.RadiusX, z.RadiusY, z.Linienfarbe})
        EXPECT_EQ(Schriftfarbe(w), m.Color) << w->objectName().toStdString();
    EXPECT_EQ(Schriftfarbe(z.Fuellfarbe), c.FillColor);
    EXPECT_EQ(z.Linienstil->ItemBild(0, QSize(60, 14)).pixelColor(30, 7), ToQColor(m.Color));
}

}  // namespace

TEST_F(KreiseTest, EveryControlOfARowActsOnItsOwnCircleAndCentreOnly)
{
    D().show();
    for (int k : {1, 6, 10}) {
        SCOPED_TRACE(testing::Message() << "row " << k);
        const TPunkte punkte = Punkte;
        TKreise soll = Kreise;
        TPunkt mitte = Punkte[10 + k];
        const int n = Neuzeichnungen();
        Tippen(Z(k).Name, "Z");
        Tippen(Z(k).X, "1,5");
        Tippen(Z(k).Y, "-2");
        Tippen(Z(k).RadiusX, "3");
        Tippen(Z(k).RadiusY, "0,5");
        Druecken(Z(k).Zeigen);
        for (int i : {2, 0, 1}) {
            Druecken(Z(k).Stil[static_cast<std::size_t>(i)]);
            EXPECT_EQ(std::pair(Punkte[10 + k].Style, Gedrueckt(Z(k).Stil)), std::pair(i + 1, Nur(i, 3)));
        }
        for (int i : {3, 1, 2, 0}) {
            Druecken(Z(k).NamePos[static_cast<std::size_t>(i)]);
            EXPECT_EQ(std::pair(Punkte[10 + k].NamePos, Gedrueckt(Z(k).NamePos)), std::pair(i + 1, Nur(i, 4)));
        }
        Waehlen(Z(k).Linienstil, 3);
        FarbDialog.Antwort = clRed;
        D().ScrollBox1->ensureWidgetVisible(Z(k).Linienstil);
        EXPECT_TRUE(NeuGemalt(Z(k).Linienstil, [&] { Druecken(Z(k).Linienfarbe); }));
        Druecken(Z(k).Vorne);
        FarbDialog.Antwort = clAqua;
        Druecken(Z(k).Fuellfarbe);
        Druecken(Z(k).FuellWahl->button(4));
        EXPECT_EQ(Neuzeichnungen(), n + 18);  // once for each
        std::tie(mitte.Name, mitte.X, mitte.Y, mitte.Style, mitte.NamePos, mitte.Color) =
            std::tuple("Z", "1,5", "-2", 2, 1, clRed);
        std::tie(soll[k].RadiusX, soll[k].RadiusY, soll[k].ShowCentre, soll[k].LineStyle, soll[k].Hinten,
                 soll[k].FillColor, soll[k].Fill) = std::tuple("3", "0,5", "0", 3, 1, clAqua, "4");
        EXPECT_EQ(Abweichend(Kreise, soll), Keine{});
        TPunkte sollPunkte = punkte;
        sollPunkte[10 + k] = mitte;
        EXPECT_EQ(Abweichend(Punkte, sollPunkte), Keine{});
        for (int j = 1; j <= 10; ++j)
            ZeigtKreis(j);
    }
    Druecken(D().OKBtn);
    EXPECT_FALSE(D().isVisible());
}

TEST_F(KreiseTest, TheRefreshShowsEachCircleInItsOwnRow)
{
    auto belegen = [](int versatz) {
        for (int k = 1; k <= 10; ++k) {
            const int i = (k + versatz) % 10;
            const std::string n = std::to_string(i);
            TPunkt& m = Punkte[10 + k];
            std::tie(m.Name, m.X, m.Y, m.Style, m.NamePos, m.Color) =
                std::tuple("M" + n, "x" + n, "y" + n, 1 + i % 3, 1 + (i + 1) % 4, Farbreihe[i]);
            TKreis& c = Kreise[k];
            std::tie(c.RadiusX, c.RadiusY, c.ShowCentre, c.Hinten, c.LineStyle, c.Fill, c.FillColor) =
                std::tuple("r" + n, "s" + n, i % 2 ? "1" : "0", i % 2 ? 0 : 1, i % 4, std::to_string(i % 6),
                           Farbreihe[9 - i]);
        }
        return std::pair(Kreise, Punkte);
    };

    const auto erste = belegen(0);
    D().show();
    for (int k = 1; k <= 10; ++k)
        ZeigtKreis(k);
    EXPECT_EQ(std::pair(Abweichend(Kreise, erste.first), Abweichend(Punkte, erste.second)), std::pair(Keine{}, Keine{}));

    const auto zweite = belegen(5);
    D().ZeigePunk();
    for (int k = 1; k <= 10; ++k)
        ZeigtKreis(k);
    EXPECT_EQ(std::pair(Abweichend(Kreise, zweite.first), Abweichend(Punkte, zweite.second)),
              std::pair(Keine{}, Keine{}));

    // An outline style the list does not hold (from a document) shows none.
    std::tie(Kreise[2].LineStyle, Kreise[3].LineStyle) = std::pair(4, -1);
    D().ZeigePunk();
    EXPECT_EQ(std::pair(Z(2).Linienstil->currentIndex(), Z(3).Linienstil->currentIndex()), std::pair(-1, -1));
}

TEST_F(KreiseTest, TheOutlineSamplesAreThinMediumThickAndDashedInTheCentresColour)
{
    Punkte[14].Color = clRed;
    // The red pixels along the middle of an item's sample, and how thick it
    // is in the middle.
    auto muster = [&](int index) {
        const QImage bild = Z(4).Linienstil->ItemBild(index, QSize(60, 14));
        int rot = 0, dicke = 0;
        for (int x = 0; x < 60; ++x)
            rot += bild.pixelColor(x, 7) == QColor(Qt::red);
        for (int y = 0; y < 14; ++y)
            dicke += bild.pixelColor(30, y) == QColor(Qt::red);
        return std::pair(rot, dicke);
    };
    EXPECT_EQ(muster(0), std::pair(50, 1));
    EXPECT_EQ(std::pair(muster(1).second, muster(2).second), std::pair(3, 5));
    const auto [gestrichelt, duenn] = muster(3);
    EXPECT_TRUE(gestrichelt > 10 && gestrichelt < 45 && duenn <= 1) << gestrichelt;
    EXPECT_EQ(muster(4), std::pair(0, 0));
}

TEST_F(KreiseTest, ACircleTypedIntoARowAppearsWhereTheGeometryPutsIt)
{
    // Centre (1 | 3), radius 2, filled yellow.
    auto gelb = [](double x) { return BildFarbe(x, 3.0) == QColor(255, 255, 0); };
    Druecken(Z(10).FuellWahl->button(0));  // "gefüllt"
    Tippen(Z(10).X, "1");
    EXPECT_FALSE(gelb(2));  // no y yet: not drawn
    Tippen(Z(10).Y, "3,0");
    EXPECT_TRUE(gelb(2) && gelb(-0.5) && !gelb(3.5));
    Tippen(Z(10).RadiusX, "3");  // an ellipse
    EXPECT_TRUE(gelb(3.5));
    Druecken(Z(10).FuellWahl->button(1));  // "ohne Farbe"
    EXPECT_FALSE(gelb(2));
}

// The closed line-style list is white all over, as its samples are: no
// grey button face around the arrow.
TEST_F(KreiseTest, TheClosedLineStyleListIsWhiteAroundItsSample)
{
    D().show();
    for (const int k : {1, 10}) {
        const QImage bild = Z(k).Linienstil->grab().toImage();
        int grau = 0;
        for (int x = 2; x < bild.width() - 2; ++x) {
            const int hell = bild.pixelColor(x, bild.height() / 2).lightness();
            grau += hell > 200 && hell < 250;
        }
        EXPECT_LT(grau, 4) << k;  // the arrow's smoothed edges
    }
}

// The ten rows scroll up and down only: a desktop with wide scroll bars,
// which leaves the rows less room than they need, gets no sideways bar
// that would hide part of the last row.
TEST_F(KreiseTest, TheRowsScrollOnlyUpAndDownEvenWithWideScrollBars)
{
    D().ScrollBox1->verticalScrollBar()->setStyleSheet(QStringLiteral("QScrollBar:vertical { width: 40px; }"));
    D().show();
    QApplication::processEvents();
    ASSERT_LT(D().ScrollBox1->viewport()->width(), D().ScrollBox1->widget()->width());
    EXPECT_FALSE(D().ScrollBox1->horizontalScrollBar()->isVisible());
    EXPECT_TRUE(D().ScrollBox1->verticalScrollBar()->isVisible());
}
