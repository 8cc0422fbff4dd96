// The picture on the clipboard, copied from the band's copy button: what it
// shows at 130 pixels per cm, the vector picture beside its bitmap, and a
// clipboard that refuses.

#include "interaktion_fixture.h"
#include "main/druck_fakes.h"

#include <QRadioButton>

namespace {

// A clipboard that takes nothing.
struct VolleAblage : FakeZwischenablage {
    bool Bild(const QImage&) override { return false; }
    bool Vektorbild(const QByteArray&, const QImage&) override { return false; }
};

class AblageTest : public DruckTest {
protected:
    void SetUp() override
    {
        DruckTest::SetUp();
        FreieFlaeche(331, 301);
    }
    // The band's copy button, answering its dialog with the bitmap (R3) or
    // the vector picture (R1).
    void Kopieren(QRadioButton* wahl)
    {
        Modal.Antwort = [wahl](QDialog&) {
            wahl->setChecked(true);
            KopierDlg->OKBtnClick();
        };
        Graphik->SpeedButton13->click();
    }
    // A pixel of this colour within `r` pixels of (x, y).
    static bool Nahe(const QImage& b, int x, int y, QRgb farbe, int r = 4)
    {
        for (int dy = -r; dy <= r; ++dy)
            for (int dx = -r; dx <= r; ++dx)
                if (b.valid(x + dx, y + dy) && (b.pixel(x + dx, y + dy) | 0xFF000000u) == farbe)
                    return true;
        return false;
    }
    static constexpr QRgb Schwarz = 0xFF000000u, Rot = 0xFFFF0000u, Blau = 0xFF0000FFu;
};

TEST_F(AblageTest, TheBitmapShowsAxesGraphsObjectsAndLabelsAtTheirPlaces)
{
    // A blue point at (-3, 6) and a label near the top left corner.
    std::tie(Punkte[1].X, Punkte[1].Y, Punkte[1].Color, Punkte[1].Style) = std::tuple("-3", "6", clBlue, MarkeScheibe);
    Beschriftungen[1] = TBeschriftung{"HHHH", 0.5, 0.5, {"Tahoma", clBlack, 20, 0, {}}, 0, {}};
    const QPointF vorher(Graphik->TextXdev(1.0), Graphik->TextYdev(1.0L));
    Kopieren(KopierDlg->R3);
    ASSERT_EQ(Ablage.Bilder.size(), 1u);
    EXPECT_TRUE(Meldung.Meldungen.empty());
    const QImage& b = Ablage.Bilder[0];
    EXPECT_EQ(std::tuple(b.size(), b.dotsPerMeterX(), b.dotsPerMeterY()), std::tuple(QSize(1431, 1301), 13000, 13000));
    // The y axis at column 650, the x axis at row 1040, the parabola
    // through (2, 4) and (-2, 4), the point at (260, 260); paper white and
    // transparent.
    EXPECT_EQ(b.pixel(650, 300) | 0xFF000000u, Schwarz);
    EXPECT_EQ(b.pixel(300, 1040) | 0xFF000000u, Schwarz);
    EXPECT_TRUE(Nahe(b, 910, 520, Rot) && Nahe(b, 390, 520, Rot));
    EXPECT_TRUE(Nahe(b, 260, 260, Blau));
    EXPECT_EQ(b.pixel(30, 700), qRgba(255, 255, 255, 0));
    int schrift = 0;
    for (int y = 65; y < 110; ++y)
        for (int x = 65; x < 200; ++x)
            schrift += (b.pixel(x, y) | 0xFF000000u) == Schwarz;
    EXPECT_GT(schrift, 100);
    // The screen's mappings are as before.
    EXPECT_EQ(QPointF(Graphik->TextXdev(1.0), Graphik->TextYdev(1.0L)), vorher);
}

TEST_F(AblageTest, TheVectorPictureHoldsTheGraphsAsTheirBitmapAndAPngBesideIt)
{
    Kopieren(KopierDlg->R1);
    ASSERT_EQ(Ablage.Vektorbilder.size(), 1u);
    const auto& [svg, png] = Ablage.Vektorbilder[0];
    EXPECT_EQ(svg.count("<image"), 1);
    EXPECT_EQ(std::tuple(png.size(), png.dotsPerMeterX(), png.dotsPerMeterY()), std::tuple(QSize(1435, 1305), 13000, 13000));
    // The axes drawn as vectors and the graphs from the stretched bitmap
    // stand where the bitmap has them.
    EXPECT_TRUE(Nahe(png, 650, 300, Schwarz, 2));
    EXPECT_TRUE(Nahe(png, 910, 520, Rot) && Nahe(png, 390, 520, Rot));
    EXPECT_EQ(png.pixel(30, 700) | 0xFF000000u, 0xFFFFFFFFu);
    EXPECT_TRUE(Meldung.Meldungen.empty());
}

TEST_F(AblageTest, AClipboardThatRefusesIsReported)
{
    VolleAblage voll;
    SetZwischenablage(&voll);
    Kopieren(KopierDlg->R3);
    Kopieren(KopierDlg->R1);
    EXPECT_EQ(Meldung.Meldungen, (std::vector<QString>(2, QStringLiteral("Fehler beim Kopieren!"))));
    SetZwischenablage(&Ablage);
    // An empty view copies nothing and says nothing.
    Graphik->XMax = Graphik->XMin;
    Graphik->Button1Click();
    EXPECT_EQ(std::pair(Ablage.Aufrufe(), Meldung.Meldungen.size()), std::pair(0, std::size_t{2}));
}

// Copying from the band gives the origin tool back, as the menu's copy
// does: the point tool's snap bar goes with its tool.
TEST_F(AblageTest, TheCopyButtonReturnsToTheOriginTool)
{
    Graphik->PunktButton->click();
    ASSERT_FALSE(Graphik->TrackBar3->isHidden());
    Kopieren(KopierDlg->R3);
    EXPECT_EQ(Modus, ModusUrsprung);
    EXPECT_TRUE(Graphik->UrsprungButton->isChecked());
    EXPECT_TRUE(Graphik->TrackBar3->isHidden());
}

}  // namespace
