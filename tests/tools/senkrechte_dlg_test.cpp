// The vertical segments window and the line style samples of its lists.

#include "werkzeug_fixture.h"

#include "engine/tabellen.h"
#include "main/form1.h"
#include "tools/senkrechte_dlg.h"
#include "tools/stilliste.h"

namespace {

class SenkrechteTest : public WerkzeugTest {
protected:
    const TSenkrechteDlg::TZeile& Z(int k) { return SenkrechteDlg->Zeile(k); }
};

struct TStueck {
    int Von, Bis, Breite;
    friend bool operator==(const TStueck&, const TStueck&) = default;
};
void PrintTo(const TStueck& s, std::ostream* os) { *os << s.Von << ".." << s.Bis << " w" << s.Breite; }

// The pieces a sample draws on an item of the given width, from its left.
std::vector<TStueck> Stuecke(int index, int breite, int links = 0)
{
    TRecordingCanvas c;
    LinienMusterZeichnen(c, TRect{links, 0, links + breite, 14}, index, clRed);
    std::vector<TStueck> v;
    for (const auto& op : c.OpsOf(TRecordingCanvas::TOpKind::Line)) {
        EXPECT_EQ(op.Points[0].Y, 7);
        v.push_back({op.Points[0].X - links, op.Points[1].X - links, op.Pen.Width});
    }
    return v;
}

}  // namespace

TEST_F(SenkrechteTest, RowsAsDesignedTheListStoresItsItemAndTheColourRecoloursTheRow)
{
    const char* const namen[4] = {"SFarbe ComboBox2", "SpeedButton1 ComboBox1", "SpeedButton2 ComboBox3",
                                  "SpeedButton3 ComboBox4"};
    SenkrechteDlg->Umschalten();
    for (int k = 1; k <= 4; ++k) {
        SCOPED_TRACE(k);
        const QStringList namenK = QString::fromLatin1(namen[k - 1]).split(QLatin1Char(' '));
        for (const auto& [n, e] : {std::pair{3 * k - 2, Z(k).X}, {3 * k - 1, Z(k).YVon}, {3 * k, Z(k).YBis}})
            EXPECT_EQ(SenkrechteDlg->findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(n)), e);
        EXPECT_EQ(SenkrechteDlg->findChild<QToolButton*>(namenK[0]), Z(k).Farbe);
        EXPECT_EQ(SenkrechteDlg->findChild<QComboBox*>(namenK[1]), Z(k).Stil);
        EXPECT_TRUE(Z(k).X->text().isEmpty());
        EXPECT_EQ(Z(k).YVon->text(), QStringLiteral("-100"));
        EXPECT_EQ(Z(k).YBis->text(), QStringLiteral("100"));
        EXPECT_EQ(Schriftfarbe(Z(k).YVon), clGreen);
        EXPECT_EQ(Z(k).Stil->currentIndex(), 1);
    }

    Waehlen(Z(2).Stil, 6);  // "7."
    EXPECT_EQ(Senkrechte[2].LineStyle, 6);
    Senkrechte[3].LineStyle = 12;  // from a document: no sample
    SenkrechteDlg->zeigeSenk();
    EXPECT_EQ(Z(3).Stil->currentIndex(), -1);

    const int n = SenkrechteDlg->Neuzeichnungen();
    Z(3).Farbe->click();  // cancelled: unchanged, still redrawn
    EXPECT_EQ(FarbDialog.Vorgaben, (std::vector<TColor>{clGreen}));
    EXPECT_EQ(Senkrechte[3].Color, clGreen);
    EXPECT_EQ(SenkrechteDlg->Neuzeichnungen(), n + 1);
    FarbDialog.Antwort = clRed;
    Z(3).Farbe->click();
    EXPECT_EQ(Senkrechte[3].Color, clRed);
    EXPECT_EQ(Schriftfarbe(Z(3).YBis), clRed);
    EXPECT_EQ(Schriftfarbe(Z(2).X), clGreen);
    EXPECT_EQ(Z(3).Stil->ItemBild(2, QSize(60, 14)).pixelColor(30, 7), QColor(Qt::red));
}

TEST(LinienMuster, EachStyleDrawsItsPiecesInsideTheSample)
{
    using V = std::vector<TStueck>;
    EXPECT_EQ(Stuecke(0, 60), (V{{5, 55, 1}}));
    EXPECT_EQ(Stuecke(2, 60), (V{{5, 55, 5}}));
    EXPECT_EQ(Stuecke(4, 60), (V{{5, 55, 1}}));
    EXPECT_EQ(Stuecke(5, 40), (V{{5, 9, 3}, {13, 17, 3}, {21, 25, 3}, {29, 33, 3}}));
    // 17-pixel dashes 24 apart from Left + 5 on, a last piece to Right - 5.
    EXPECT_EQ(Stuecke(6, 110, 20), (V{{5, 22, 3}, {29, 46, 3}, {53, 70, 3}, {77, 94, 3}, {101, 105, 3}}));
    EXPECT_EQ(Stuecke(7, 40), (V{{5, 8, 5}, {15, 18, 5}, {25, 28, 5}}));
    EXPECT_EQ(Stuecke(8, 90), (V{{5, 21, 5}, {30, 46, 5}, {55, 71, 5}, {80, 85, 5}}));
    // Where the dash loop ends beyond the sample, the last piece would run
    // backwards: it is left out, and a dash is cut at Right - 5.
    EXPECT_EQ(Stuecke(6, 70), (V{{5, 22, 3}, {29, 46, 3}, {53, 65, 3}}));
    for (int index = 0; index <= 8; ++index)
        for (int breite = 20; breite <= 120; ++breite)
            for (const TStueck& s : Stuecke(index, breite))
                EXPECT_TRUE(s.Von >= 5 && s.Von < s.Bis && s.Bis <= breite - 5) << index << " " << breite;
}
