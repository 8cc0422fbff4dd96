// The vertical segments window and the line style samples of its lists.

#include "werkzeug_fixture.h"

#include "engine/tabellen.h"
#include "main/form1.h"
#include "tools/senkrechte_dlg.h"
#include "tools/stilliste.h"

namespace {

class SenkrechteTest : public WerkzeugTest {
protected:
    TSenkrechteDlg& D() { return *SenkrechteDlg; }
    const TSenkrechteDlg::TZeile& Z(int k) { return SenkrechteDlg->Zeile(k); }
};

struct TStueck {
    int Von, Bis, Breite;
    friend bool operator==(const TStueck&, const TStueck&) = default;
};
void PrintTo(const TStueck& s, std::ostream* os) { *os << s.Von << ".." << s.Bis << " w" << s.Breite; }

// The pieces a sample draws on a white item of the given width.
std::vector<TStueck> Stuecke(int index, int breite, int links = 0)
{
    TRecordingCanvas c;
    LinienMusterZeichnen(c, TRect{links, 0, links + breite, 14}, index, clRed);
    std::vector<TStueck> v;
    for (const auto& op : c.OpsOf(TRecordingCanvas::TOpKind::Line)) {
        EXPECT_EQ(op.Points[0].Y, 7);
        EXPECT_EQ(op.Pen.Color, clRed);
        v.push_back({op.Points[0].X - links, op.Points[1].X - links, op.Pen.Width});
    }
    return v;
}

}  // namespace

TEST_F(SenkrechteTest, ControlsCarryTheirDesignNames)
{
    const char* const farben[4] = {"SFarbe", "SpeedButton1", "SpeedButton2", "SpeedButton3"};
    const int listen[4] = {2, 1, 3, 4};
    for (int k = 1; k <= 4; ++k) {
        SCOPED_TRACE(k);
        auto edit = [&](int n) { return D().findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(n)); };
        EXPECT_EQ(edit(3 * k - 2), Z(k).X);
        EXPECT_EQ(edit(3 * k - 1), Z(k).YVon);
        EXPECT_EQ(edit(3 * k), Z(k).YBis);
        EXPECT_EQ(D().findChild<QToolButton*>(QString::fromLatin1(farben[k - 1])), Z(k).Farbe);
        EXPECT_EQ(D().findChild<QComboBox*>(QStringLiteral("ComboBox%1").arg(listen[k - 1])), Z(k).Stil);
    }
}

TEST_F(SenkrechteTest, AFreshWindowShowsTheDefaultsAndTheListsStoreTheirItem)
{
    SenkrechteDlg->Umschalten();
    for (int k = 1; k <= 4; ++k) {
        SCOPED_TRACE(k);
        EXPECT_TRUE(Z(k).X->text().isEmpty());
        EXPECT_EQ(Z(k).YVon->text(), QStringLiteral("-100"));
        EXPECT_EQ(Z(k).YBis->text(), QStringLiteral("100"));
        EXPECT_EQ(Schriftfarbe(Z(k).YVon), clGreen);
        EXPECT_EQ(Z(k).Stil->currentIndex(), 1);
        EXPECT_EQ(Z(k).Stil->count(), 9);
    }
    EXPECT_EQ(Z(1).Stil->toolTip(), QStringLiteral("Strichstärke"));

    Z(2).X->setText(QStringLiteral("3"));
    EXPECT_EQ(Senkrechte[2].X, "3");
    Z(2).YBis->setText(QStringLiteral("x^2"));  // stored as typed
    EXPECT_EQ(Senkrechte[2].YTo, "x^2");
    const int n = D().Neuzeichnungen();
    Waehlen(Z(2).Stil, 6);  // "7."
    EXPECT_EQ(Senkrechte[2].LineStyle, 6);
    EXPECT_EQ(D().Neuzeichnungen(), n + 1);

    // A style the list does not hold (from a document) shows none.
    Senkrechte[3].LineStyle = 12;
    D().zeigeSenk();
    EXPECT_EQ(Z(3).Stil->currentIndex(), -1);
}

TEST_F(SenkrechteTest, TheColourButtonRecoloursTheRowAndItsSamples)
{
    // Cancelled: unchanged, still redrawn.
    int n = D().Neuzeichnungen();
    Z(3).Farbe->click();
    ASSERT_EQ(FarbDialog.Vorgaben.size(), 1u);
    EXPECT_EQ(FarbDialog.Vorgaben[0], clGreen);
    EXPECT_EQ(Senkrechte[3].Color, clGreen);
    EXPECT_EQ(D().Neuzeichnungen(), n + 1);

    FarbDialog.Antwort = clRed;
    Z(3).Farbe->click();
    EXPECT_EQ(Senkrechte[3].Color, clRed);
    for (const QLineEdit* e : {Z(3).X, Z(3).YVon, Z(3).YBis})
        EXPECT_EQ(Schriftfarbe(e), clRed);
    EXPECT_EQ(Schriftfarbe(Z(2).X), clGreen);
    const QImage muster = Z(3).Stil->ItemBild(2, QSize(60, 14));
    EXPECT_EQ(muster.pixelColor(30, 7), QColor(Qt::red));
    EXPECT_EQ(muster.pixelColor(2, 7), QColor(Qt::white));
}

TEST(LinienMuster, EachStyleDrawsItsPiecesInsideTheSample)
{
    using V = std::vector<TStueck>;
    EXPECT_EQ(Stuecke(0, 60), (V{{5, 55, 1}}));
    EXPECT_EQ(Stuecke(1, 60), (V{{5, 55, 3}}));
    EXPECT_EQ(Stuecke(2, 60), (V{{5, 55, 5}}));
    EXPECT_EQ(Stuecke(3, 60), (V{{5, 55, 1}}));
    EXPECT_EQ(Stuecke(5, 40), (V{{5, 9, 3}, {13, 17, 3}, {21, 25, 3}, {29, 33, 3}}));
    // 17-pixel dashes 24 apart from Left + 5 on, a last piece to Right - 5.
    EXPECT_EQ(Stuecke(6, 110, 20), (V{{5, 22, 3}, {29, 46, 3}, {53, 70, 3}, {77, 94, 3}, {101, 105, 3}}));
    EXPECT_EQ(Stuecke(7, 40), (V{{5, 8, 5}, {15, 18, 5}, {25, 28, 5}}));
    EXPECT_EQ(Stuecke(8, 80), (V{{5, 21, 5}, {30, 46, 5}, {55, 71, 5}}));
    EXPECT_EQ(Stuecke(8, 90), (V{{5, 21, 5}, {30, 46, 5}, {55, 71, 5}, {80, 85, 5}}));
    EXPECT_TRUE(Stuecke(9, 60).empty());

    // The dashes of a wide pen end beyond the sample at some widths; no
    // piece runs backwards or leaves the sample.
    for (int index = 0; index <= 8; ++index)
        for (int breite = 20; breite <= 120; ++breite)
            for (const TStueck& s : Stuecke(index, breite)) {
                SCOPED_TRACE(testing::Message() << index << " " << breite);
                EXPECT_LT(s.Von, s.Bis);
                EXPECT_GE(s.Von, 5);
                EXPECT_LE(s.Bis, breite - 5);
            }
    // Where the last start lies past the end, no last piece is drawn.
    EXPECT_EQ(Stuecke(6, 70), (V{{5, 22, 3}, {29, 46, 3}, {53, 65, 3}}));
}
