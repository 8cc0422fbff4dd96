// The points window through its handlers.

#include "werkzeug_fixture.h"

#include "engine/tabellen.h"
#include "graph/graphik.h"
#include "tools/punkte_dlg.h"

namespace {

class PunkteTest : public WerkzeugTest {
protected:
    TPunkteDlg& D() { return *PunkteDlg; }
    const TPunkteDlg::TZeile& Z(int k) { return PunkteDlg->Zeile(k); }

    // Row k shows point k: its texts, its buttons, its colour and its
    // name's font.
    void ZeigtPunkt(int k)
    {
        SCOPED_TRACE(testing::Message() << "row " << k);
        const TPunkt& p = Punkte[k];
        const TPunkteDlg::TZeile& z = Z(k);
        EXPECT_EQ(std::tuple(z.Name->text(), z.X->text(), z.Y->text()),
                  std::tuple(QString::fromStdString(p.Name), QString::fromStdString(p.X), QString::fromStdString(p.Y)));
        EXPECT_EQ(Gedrueckt(z.Stil), Nur(p.Style - 1, 4));
        EXPECT_EQ(Gedrueckt(z.NamePos), Nur(p.NamePos - 1, 4));
        EXPECT_EQ(std::tuple(Schriftfarbe(z.Name), Schriftfarbe(z.X), Schriftfarbe(z.Y)),
                  std::tuple(p.Color, p.Color, p.Color));
        EXPECT_EQ(Schriftbild(z.Name), std::pair(p.Font.Name, int{p.Font.Style}));
    }
};

TPunkt Vorgabe(int k)
{
    return TPunkt{"", "", std::string(1, static_cast<char>('A' + k - 1)), 1, 4, clBlue, {"Tahoma", clBlue, 10, 0, {}}};
}

using V = std::vector<bool>;

}  // namespace

TEST_F(PunkteTest, AnEditWritesThroughWithOneRedrawAndTheRefreshEchoesWhatIsStored)
{
    // Row 9 has the irregular names.
    EXPECT_EQ(D().findChild<QToolButton*>(QStringLiteral("SpeedButton33")), Z(9).NamePos[2]);
    int n = D().Neuzeichnungen();
    Z(1).X->setText(QStringLiteral("2"));
    EXPECT_EQ(std::pair(Punkte[1].X, D().Neuzeichnungen()), std::pair(std::string("2"), n + 1));
    Z(2).Name->setText(QString(300, QLatin1Char('n')));
    EXPECT_EQ(Punkte[2].Name, std::string(255, 'n'));

    // Changed behind the window's back: the refresh shows it, and its echo
    // stores the same text and redraws once, for the one edit that changed.
    Punkte[4].Y = "7,5";
    n = D().Neuzeichnungen();
    D().zeigePunk();
    EXPECT_EQ(std::tuple(Z(4).Y->text(), Punkte[4].Y, D().Neuzeichnungen()),
              std::tuple(QStringLiteral("7,5"), "7,5", n + 1));
    D().zeigePunk();
    EXPECT_EQ(D().Neuzeichnungen(), n + 1);
}

TEST_F(PunkteTest, StyleAndNamePositionGroupsStayExclusivePerRow)
{
    Z(1).Stil[1]->click();
    Z(1).Stil[1]->click();  // a pressed button stays pressed
    Z(1).NamePos[2]->click();
    EXPECT_EQ(std::pair(Punkte[1].Style, Punkte[1].NamePos), std::pair(2, 3));
    EXPECT_EQ(Gedrueckt(Z(1).Stil), (V{false, true, false, false}));
    EXPECT_EQ(Gedrueckt(Z(1).NamePos), (V{false, false, true, false}));
    EXPECT_EQ(Gedrueckt(Z(2).Stil), (V{true, false, false, false}));
    EXPECT_EQ(Gedrueckt(Z(2).NamePos), (V{false, false, false, true}));

    // A value outside 1..4 (a foreign document) leaves the buttons as they
    // were; 4 (the trace tool's square) presses the fourth.
    std::tie(Punkte[1].Style, Punkte[1].NamePos) = std::tuple(7, 0);
    D().zeigePunk();
    EXPECT_EQ(Gedrueckt(Z(1).Stil), (V{false, true, false, false}));
    EXPECT_EQ(Gedrueckt(Z(1).NamePos), (V{false, false, true, false}));
    Punkte[1].Style = 4;
    D().zeigePunk();
    EXPECT_EQ(Gedrueckt(Z(1).Stil), (V{false, false, false, true}));
}

TEST_F(PunkteTest, TheFontDialogShowsTheMarkColourAndColoursMarkAndName)
{
    Punkte[3].Color = clGreen;  // the mark's colour, not the name font's
    const TPunkt vorher = Punkte[3];
    const int n = D().Neuzeichnungen();
    Z(3).Schrift->click();  // cancelled: nothing changes, still redrawn
    EXPECT_EQ(SchriftDialog.Vorgaben, (std::vector<TFont>{{QStringLiteral("Tahoma"), 10, clGreen, 0}}));
    EXPECT_TRUE(Punkte[3] == vorher);
    EXPECT_EQ(D().Neuzeichnungen(), n + 1);

    SchriftDialog.Antwort = TFont{QString(300, QLatin1Char('f')), 14, clRed, fsBold | fsItalic};
    Z(3).Schrift->click();
    EXPECT_EQ(Punkte[3].Color, clRed);
    EXPECT_TRUE(Punkte[3].Font == (TSchrift{std::string(255, 'f'), clRed, 14, fsBold | fsItalic, {}}));
    EXPECT_TRUE(Z(3).Name->font().bold() && Z(3).Name->font().italic());
    for (const QLineEdit* e : {Z(3).Name, Z(3).X, Z(3).Y})
        EXPECT_EQ(Schriftfarbe(e), clRed);
    EXPECT_EQ(Schriftfarbe(Z(4).Name), clBlue);
}

TEST_F(PunkteTest, RowResetResetAllAndNewGiveTheDefaults)
{
    for (int k : {3, 4}) {
        Z(k).X->setText(QStringLiteral("1"));
        Z(k).Name->setText(QStringLiteral("Q"));
        Z(k).Stil[2]->click();
        Z(k).NamePos[1]->click();
        Punkte[k].Color = clRed;
        Punkte[k].Font = TSchrift{"Arial", clRed, 20, fsBold, {}};
    }
    const TPunkt vierter = Punkte[4];
    Z(3).Reset->click();
    EXPECT_TRUE(Punkte[3] == Vorgabe(3) && Punkte[4] == vierter);
    EXPECT_EQ(std::pair(Z(3).X->text(), Z(3).Name->text()), std::pair(QString(), QStringLiteral("C")));
    EXPECT_EQ(Gedrueckt(Z(3).Stil), (V{true, false, false, false}));
    EXPECT_EQ(Gedrueckt(Z(3).NamePos), (V{false, false, false, true}));
    EXPECT_EQ(Schriftfarbe(Z(3).Name), clBlue);

    D().SpeedButton100->click();
    for (int k = 1; k <= 10; ++k) {
        EXPECT_TRUE(Punkte[k] == Vorgabe(k)) << k;
        EXPECT_EQ(Z(k).Name->text(), QString(QChar('A' + k - 1)));
        EXPECT_TRUE(Z(k).Stil[0]->isChecked() && Z(k).NamePos[3]->isChecked());
    }
}

TEST_F(PunkteTest, EveryControlOfARowActsOnItsOwnPointAndTheResetShowsItsDefaults)
{
    D().show();
    for (int k : {1, 4, 10}) {
        SCOPED_TRACE(testing::Message() << "row " << k);
        TPunkte soll = Punkte;
        const int n = Neuzeichnungen();
        Tippen(Z(k).Name, "Q");
        Tippen(Z(k).X, "1,5");
        Tippen(Z(k).Y, "-2");
        for (int i : {3, 0, 1, 2}) {
            Druecken(Z(k).Stil[static_cast<std::size_t>(i)]);
            EXPECT_EQ(std::pair(Punkte[k].Style, Gedrueckt(Z(k).Stil)), std::pair(i + 1, Nur(i, 4)));
        }
        for (int i : {3, 2, 0, 1}) {
            Druecken(Z(k).NamePos[static_cast<std::size_t>(i)]);
            EXPECT_EQ(std::pair(Punkte[k].NamePos, Gedrueckt(Z(k).NamePos)), std::pair(i + 1, Nur(i, 4)));
        }
        SchriftDialog.Antwort = TFont{QStringLiteral("Courier"), 14, clRed, fsItalic};
        Druecken(Z(k).Schrift);
        EXPECT_EQ(Neuzeichnungen(), n + 12);  // once for each
        std::tie(soll[k].Name, soll[k].X, soll[k].Y, soll[k].Style, soll[k].NamePos, soll[k].Color) =
            std::tuple("Q", "1,5", "-2", 3, 2, clRed);
        soll[k].Font = TSchrift{"Courier", clRed, 14, fsItalic, {}};
        EXPECT_EQ(Abweichend(Punkte, soll), Keine{});
        for (int j = 1; j <= 10; ++j)
            ZeigtPunkt(j);

        // The reset: the defaults in the record and in the row.
        Druecken(Z(k).Reset);
        soll[k] = Vorgabe(k);
        EXPECT_EQ(Abweichend(Punkte, soll), Keine{});
        ZeigtPunkt(k);
    }

    // Reset all, and the window's close button.
    for (int k : {1, 10})
        Tippen(Z(k).X, "3");
    Druecken(Z(4).Stil[1]);
    Druecken(D().SpeedButton100);
    for (int k = 1; k <= 10; ++k) {
        EXPECT_TRUE(Punkte[k] == Vorgabe(k)) << k;
        ZeigtPunkt(k);
    }
    // Only a marker changed: no edit's echo redraws, the resets do.
    Druecken(Z(5).Stil[3]);
    int n = Neuzeichnungen();
    Druecken(D().SpeedButton100);
    EXPECT_EQ(std::pair(Punkte[5].Style, Neuzeichnungen()), std::pair(1, n + 1));
    Druecken(Z(6).Stil[3]);
    n = Neuzeichnungen();
    Druecken(Z(6).Reset);
    EXPECT_EQ(std::pair(Punkte[6].Style, Neuzeichnungen()), std::pair(1, n + 1));

    Druecken(D().OKBtn);
    EXPECT_FALSE(D().isVisible());
}

TEST_F(PunkteTest, TheRefreshShowsEachPointInItsOwnRow)
{
    // Ten points that differ from their neighbours in every field.
    auto belegen = [](int versatz) {
        for (int k = 1; k <= 10; ++k) {
            const int i = (k + versatz) % 10;
            const std::string n = std::to_string(i);
            Punkte[k] = TPunkt{"x" + n, "y" + n, "P" + n, 1 + i % 4, 1 + (i + 1) % 4, Farbreihe[i],
                               {i % 2 ? "Courier" : "Arial", Farbreihe[i], 10, static_cast<std::uint8_t>(i), {}}};
        }
        return Punkte;
    };

    // Through showing the window, and through the refresh routine itself;
    // the echo of the edits stores what the points hold.
    const TPunkte erste = belegen(0);
    D().show();
    for (int k = 1; k <= 10; ++k)
        ZeigtPunkt(k);
    EXPECT_EQ(Abweichend(Punkte, erste), Keine{});

    const TPunkte zweite = belegen(3);
    D().zeigePunk();
    for (int k = 1; k <= 10; ++k)
        ZeigtPunkt(k);
    EXPECT_EQ(Abweichend(Punkte, zweite), Keine{});
}

TEST_F(PunkteTest, APointTypedIntoARowAppearsWhereItsCoordinatesPutIt)
{
    // (2 | 3), then one unit to its left; the cross's centre is blue.
    auto blau = [](double x) { return BildFarbe(x, 3.0) == QColor(0, 0, 255); };
    Tippen(Z(10).X, "2");
    EXPECT_FALSE(blau(2));  // no y yet: not drawn
    Tippen(Z(10).Y, "3");
    EXPECT_TRUE(blau(2) && !blau(1));
    Tippen(Z(10).X, "1,0");  // either separator
    EXPECT_TRUE(blau(1) && !blau(2));
}

TEST_F(PunkteTest, TheTabKeyGoesFromFieldToFieldPastTheButtons)
{
    D().show();
    QApplication::setActiveWindow(&D());
    Z(1).Y->setFocus();
    for (QLineEdit* naechstes : {Z(2).Name, Z(2).X, Z(2).Y, Z(3).Name}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), naechstes) << naechstes->objectName().toStdString();
    }
}
