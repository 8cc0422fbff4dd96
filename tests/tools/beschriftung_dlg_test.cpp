// The labels window, and a label that travels to the graph window's pointer
// and back.

#include "werkzeug_fixture.h"

#include "graph/interaktion_fixture.h"

#include "engine/tabellen.h"
#include "platform/fensterart.h"
#include "tools/beschriftung_dlg.h"

#include <QTemporaryDir>

namespace {

class BeschriftungTest : public InteraktionTest {
protected:
    FakeSchriftDialog SchriftDialog;

    void SetUp() override
    {
        SetSchriftDialog(&SchriftDialog);
        InteraktionTest::SetUp();
    }
    void TearDown() override
    {
        InteraktionTest::TearDown();
        SetSchriftDialog(nullptr);
    }

    TBeschriftungDlg& D() { return *BeschriftungDlg; }
    const TBeschriftungDlg::TZeile& Z(int k) { return BeschriftungDlg->Zeile(k); }
    static QLineEdit* Reiter() { return Graphik->BeschrEdit; }
    void Schreiben(int k, const char* text) { Z(k).Text->setText(QString::fromUtf8(text)); }
    // The pressed move buttons.
    std::vector<int> Gedrueckt()
    {
        std::vector<int> v;
        for (int k = 1; k <= 9; ++k)
            if (Z(k).Verschieben->isChecked())
                v.push_back(k);
        return v;
    }

    // Row k shows label k: its text in its font and colour, in front or not.
    void ZeigtBeschriftung(int k)
    {
        SCOPED_TRACE(testing::Message() << "row " << k);
        const TBeschriftung& b = Beschriftungen[k];
        EXPECT_EQ(std::tuple(Z(k).Text->text(), Schriftfarbe(Z(k).Text), Z(k).Vorne->isChecked()),
                  std::tuple(QString::fromStdString(b.Text), b.Font.Color, b.Vorne != 0));
        EXPECT_EQ(Schriftbild(Z(k).Text), std::pair(b.Font.Name, int{b.Font.Style}));
    }

    static TBeschriftung Vorgabe(int k) { return TBeschriftung{"", 2.1, k - 0.2, {"Tahoma", clBlack, 12, 0, {}}, 1, {}}; }
};

}  // namespace

TEST_F(BeschriftungTest, ALabelRidesOnThePointerAndGoesBackWithItsText)
{
    Schreiben(3, "Hallo");
    Beschriftungen[3].Font = TSchrift{"Courier", clRed, 20, fsBold, {}};
    std::tie(Beschriftungen[3].X, Beschriftungen[3].Y) = std::pair(4.5, 1.5);

    Z(3).Verschieben->click();
    EXPECT_EQ(std::pair(VerschiebeNr, Modus), std::pair(3, ModusBeschriftung));
    EXPECT_TRUE(Graphik->BeschriftButton->isChecked());
    EXPECT_EQ(Z(3).Verschieben->text(), QStringLiteral("Interaktiv"));
    EXPECT_TRUE(Beschriftungen[3].Text.empty());  // gone from the drawing
    EXPECT_EQ(std::tuple(Reiter()->text(), Tag(Reiter()), Schriftfarbe(Reiter())),
              std::tuple(QStringLiteral("Hallo"), 20, clRed));

    // Typed in the row or at the pointer, the text rides; the slot stays
    // empty; a refresh meanwhile keeps what rides. (Typed in the row, the
    // graph is asked to draw anew, though its picture holds no rider.)
    const int n = Neuzeichnungen();
    Schreiben(3, "Hallo!");
    EXPECT_EQ(Neuzeichnungen(), n + 1);
    EXPECT_EQ(Reiter()->text(), QStringLiteral("Hallo!"));
    Reiter()->setText(QStringLiteral("Hallo!!"));
    EXPECT_EQ(Z(3).Text->text(), QStringLiteral("Hallo!!"));
    D().zeigeBeschr();
    EXPECT_TRUE(Z(3).Text->text() == QStringLiteral("Hallo!!") && Reiter()->text() == QStringLiteral("Hallo!!"));
    EXPECT_TRUE(Beschriftungen[3].Text.empty());

    // Its button again: back where it was, with the text it carried; the
    // emptied typing field no longer stands over the picture.
    Bewege(100, 80);
    ASSERT_TRUE(Reiter()->isVisibleTo(Graphik));
    const QImage ohne = GraphenBild();
    Z(3).Verschieben->click();
    EXPECT_NE(GraphenBild(), ohne);  // drawn again
    EXPECT_FALSE(Reiter()->isVisibleTo(Graphik));
    EXPECT_EQ(std::tuple(Beschriftungen[3].Text, Beschriftungen[3].X, Beschriftungen[3].Y, VerschiebeNr),
              std::tuple("Hallo!!", 4.5, 1.5, 0));
    EXPECT_EQ(Z(3).Verschieben->text(), QStringLiteral("Verschieben"));
    EXPECT_TRUE(Reiter()->text().isEmpty());
}

TEST_F(BeschriftungTest, ASecondPickUpLeavingLabelModeOrOpeningADocumentPutsTheRiderBack)
{
    Schreiben(3, "drei");
    Schreiben(5, "fünf");
    Z(3).Verschieben->click();
    Z(5).Verschieben->click();
    EXPECT_EQ(std::tuple(Beschriftungen[3].Text, VerschiebeNr, Gedrueckt(), Reiter()->text()),
              std::tuple("drei", 5, std::vector<int>{5}, QStringLiteral("fünf")));
    EXPECT_EQ(Z(3).Verschieben->text(), QStringLiteral("Verschieben"));
    Graphik->UrsprungButton->click();
    EXPECT_EQ(std::tuple(Beschriftungen[5].Text, VerschiebeNr, Gedrueckt()), std::tuple("fünf", 0, std::vector<int>{}));

    // A document opened meanwhile replaces the label; nothing rides on to
    // land on it.
    QTemporaryDir ordner;
    const std::string pfad = (ordner.path() + QStringLiteral("/beschriftet.kvd")).toStdString();
    ASSERT_TRUE(Form1->speichere(pfad));
    Schreiben(3, "hier");
    Z(3).Verschieben->click();
    ASSERT_TRUE(Form1->oeffne(pfad));
    EXPECT_EQ(std::tuple(VerschiebeNr, Gedrueckt(), Z(3).Text->text()),
              std::tuple(0, std::vector<int>{}, QStringLiteral("drei")));
    Klick(100, 80);
    EXPECT_EQ(Beschriftungen[3].Text, "drei");
}

TEST_F(BeschriftungTest, AClickPutsTheRiderDownAndARightClickResetsTheNewestLabel)
{
    Schreiben(4, "Scheitel");
    Z(4).Verschieben->click();
    Klick(100, 80);
    EXPECT_EQ(std::tuple(Beschriftungen[4].Text, Beschriftungen[4].X, VerschiebeNr, Gedrueckt()),
              std::tuple("Scheitel", 11.0 * 122 / 331, 0, std::vector<int>{}));
    EXPECT_EQ(std::pair(Z(4).Verschieben->text(), Z(4).Text->text()),
              std::pair(QStringLiteral("Verschieben"), QStringLiteral("Scheitel")));
    EXPECT_TRUE(Graphik->BeschrHistorie.empty());  // moved, not new

    // A new label lands in the first free slot and shows in its row; a right
    // click takes it back through the row's reset.
    Reiter()->setText(QStringLiteral("neu"));
    Klick(50, 50);
    EXPECT_EQ(Z(1).Text->text(), QStringLiteral("neu"));
    Klick(50, 50, Qt::RightButton);
    EXPECT_TRUE(Z(1).Text->text().isEmpty());
    EXPECT_EQ(Beschriftungen[4].Text, "Scheitel");
}

TEST_F(BeschriftungTest, AResetRedrawsOnlyThroughItsEmptiedEditVorneAndTheFonts)
{
    Schreiben(5, "weg");
    Z(5).Vorne->click();
    Beschriftungen[5].Font = TSchrift{"Arial", clBlue, 30, fsItalic, {}};
    Beschriftungen[5].X = 7;
    int n = D().Neuzeichnungen();
    Z(5).Reset->click();
    EXPECT_TRUE(Beschriftungen[5] == (TBeschriftung{"", 2.1, 4.8, {"Tahoma", clBlack, 12, 0, {}}, 1, {}}));
    EXPECT_EQ(D().Neuzeichnungen(), n + 2);  // the emptied edit and the ticked box
    n = D().Neuzeichnungen();
    Z(5).Reset->click();
    EXPECT_EQ(D().Neuzeichnungen(), n);

    Z(2).Vorne->click();
    EXPECT_EQ(Beschriftungen[2].Vorne, 0);  // behind: drawn with the coordinate system
    Beschriftungen[7].Vorne = 2;            // a foreign true stays
    D().zeigeBeschr();
    EXPECT_FALSE(Z(2).Vorne->isChecked());
    EXPECT_EQ(Beschriftungen[7].Vorne, 2);

    SchriftDialog.Antwort = TFont{QString(300, QLatin1Char('f')), 16, clBlue, fsItalic};
    Z(2).Schrift->click();
    EXPECT_EQ(SchriftDialog.Vorgaben.at(0), (TFont{QStringLiteral("Tahoma"), 12, clBlack, 0}));
    EXPECT_TRUE(Beschriftungen[2].Font == (TSchrift{std::string(255, 'f'), clBlue, 16, fsItalic, {}}));
    EXPECT_TRUE(Z(2).Text->font().italic());
    EXPECT_EQ(Schriftfarbe(Z(2).Text), clBlue);
    // The font of a rider follows at once.
    Z(8).Verschieben->click();
    SchriftDialog.Antwort = TFont{QStringLiteral("Arial"), 30, clGreen, fsUnderline};
    Z(8).Schrift->click();
    EXPECT_EQ(Tag(Reiter()), 30);
    EXPECT_TRUE(Reiter()->font().underline());
}

TEST_F(BeschriftungTest, EveryControlOfARowActsOnItsOwnLabelOnly)
{
    D().show();
    for (int k : {1, 5, 9}) {
        SCOPED_TRACE(testing::Message() << "row " << k);
        TBeschriftungen soll = Beschriftungen;
        const int n = Neuzeichnungen();
        Tippen(Z(k).Text, "L");
        Druecken(Z(k).Vorne);
        SchriftDialog.Antwort = TFont{QStringLiteral("Courier"), 20, clRed, fsBold};
        Druecken(Z(k).Schrift);
        EXPECT_EQ(Neuzeichnungen(), n + 3);  // once for each
        std::tie(soll[k].Text, soll[k].Vorne) = std::tuple("L", 0);
        soll[k].Font = TSchrift{"Courier", clRed, 20, fsBold, {}};
        EXPECT_EQ(Abweichend(Beschriftungen, soll), Keine{});
        for (int j = 1; j <= 9; ++j)
            ZeigtBeschriftung(j);

        // Its move button: the label leaves its slot (and the picture) and
        // rides, its row keeps the text; pressed again, it is back in its
        // slot.
        const int m = Neuzeichnungen();
        Druecken(Z(k).Verschieben);
        EXPECT_EQ(Neuzeichnungen(), m + 1);
        EXPECT_EQ(std::tuple(VerschiebeNr, Gedrueckt(), Z(k).Text->text()),
                  std::tuple(k, std::vector<int>{k}, QStringLiteral("L")));
        soll[k].Text.clear();
        EXPECT_EQ(Abweichend(Beschriftungen, soll), Keine{});
        // A new font while it rides shows in its row.
        SchriftDialog.Antwort = TFont{QStringLiteral("Arial"), 16, clTeal, fsUnderline};
        Druecken(Z(k).Schrift);
        EXPECT_EQ(std::pair(Schriftfarbe(Z(k).Text), Schriftbild(Z(k).Text)),
                  std::pair(clTeal, std::pair(std::string("Arial"), int{fsUnderline})));
        soll[k].Font = TSchrift{"Arial", clTeal, 16, fsUnderline, {}};
        // A reset of another row leaves the rider alone.
        const int andere = k == 9 ? 8 : k + 1;
        Druecken(Z(andere).Reset);
        EXPECT_EQ(std::pair(VerschiebeNr, Z(k).Text->text()), std::pair(k, QStringLiteral("L")));
        Druecken(Z(k).Verschieben);
        soll[k].Text = "L";
        EXPECT_EQ(std::pair(VerschiebeNr, Gedrueckt()), std::pair(0, std::vector<int>{}));
        EXPECT_EQ(Abweichend(Beschriftungen, soll), Keine{});
        // Leaving label mode while it rides puts it back as well.
        Druecken(Z(k).Verschieben);
        D().VerschiebenLoesen();
        EXPECT_EQ(std::pair(VerschiebeNr, Gedrueckt()), std::pair(0, std::vector<int>{}));
        EXPECT_EQ(Abweichend(Beschriftungen, soll), Keine{});

        Druecken(Z(k).Reset);
        soll[k] = Vorgabe(k);
        EXPECT_EQ(Abweichend(Beschriftungen, soll), Keine{});
        ZeigtBeschriftung(k);
    }

    // The axis captions and their resets.
    Tippen(D().Edit1, "t");
    Tippen(D().Edit2, "s");
    EXPECT_EQ(std::pair(Achsenname(1), Achsenname(2)), std::pair(QStringLiteral("t"), QStringLiteral("s")));
    Druecken(D().SpeedButton6);
    EXPECT_EQ(std::pair(Achsenname(1), Achsenname(2)), std::pair(QStringLiteral("x"), QStringLiteral("s")));
    Druecken(D().SpeedButton7);
    EXPECT_EQ(std::pair(D().Edit2->text(), Achsenname(2)), std::pair(QStringLiteral("y"), QStringLiteral("y")));

    Druecken(D().OKBtn);
    EXPECT_FALSE(D().isVisible());
}

TEST_F(BeschriftungTest, TheRefreshShowsEachLabelInItsOwnRow)
{
    auto belegen = [](int versatz) {
        for (int k = 1; k <= 9; ++k) {
            const int i = (k + versatz) % 9;
            TBeschriftung& b = Beschriftungen[k];
            b.Text = "T" + std::to_string(i);
            b.Font = TSchrift{i % 2 ? "Courier" : "Arial", Farbreihe[i], 12, static_cast<std::uint8_t>(i + 3), {}};
            b.Vorne = i % 2;
        }
        return Beschriftungen;
    };

    const TBeschriftungen erste = belegen(0);
    D().show();
    for (int k = 1; k <= 9; ++k)
        ZeigtBeschriftung(k);
    EXPECT_EQ(Abweichend(Beschriftungen, erste), Keine{});

    const TBeschriftungen zweite = belegen(4);
    D().zeigeBeschr();
    for (int k = 1; k <= 9; ++k)
        ZeigtBeschriftung(k);
    EXPECT_EQ(Abweichend(Beschriftungen, zweite), Keine{});
}

TEST_F(BeschriftungTest, ReleasingTheMoveButtonsShowsTheTableAgain)
{
    // The refresh once the graph window has put the rider down: the move
    // buttons follow VerschiebeNr.
    Schreiben(6, "sechs");
    Z(6).Verschieben->click();
    std::tie(Beschriftungen[6].Text, Beschriftungen[2].Text, VerschiebeNr) = std::tuple("gesetzt", "zwei", 0);
    D().zeigeBeschr();
    EXPECT_EQ(std::tuple(Gedrueckt(), Z(6).Verschieben->text(), Z(6).Text->text(), Z(2).Text->text()),
              std::tuple(std::vector<int>{}, QStringLiteral("Verschieben"), QStringLiteral("gesetzt"), QStringLiteral("zwei")));
}

// The move buttons are framed even when up, unlike the flat buttons beside
// them, so that a pressed one stands out from the others.
TEST_F(BeschriftungTest, TheMoveButtonsAreFramedWhenUp)
{
    D().show();
    for (const int k : {1, 9}) {
        SCOPED_TRACE(k);
        ASSERT_FALSE(Z(k).Verschieben->isChecked());
        const QImage knopf = Z(k).Verschieben->grab().toImage();
        const QColor grund = D().GroupBox3->palette().color(QPalette::Window);
        int anders = 0;
        for (int y = 0; y < knopf.height(); ++y)
            anders += knopf.pixelColor(0, y) != grund;
        EXPECT_GT(anders, knopf.height() / 2);
    }
}
