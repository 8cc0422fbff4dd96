// The points window through its handlers: names of its controls, the
// write-through and its echo, the button groups, the font dialog, the
// resets, and a point typed in that appears in the picture.

#include "werkzeug_fixture.h"

#include "engine/tabellen.h"
#include "graph/graphik.h"
#include "main/form1.h"
#include "tools/punkte_dlg.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QRegularExpression>

#include <cmath>
#include <sstream>

namespace {

class PunkteTest : public WerkzeugTest {
protected:
    TPunkteDlg& D() { return *PunkteDlg; }
    const TPunkteDlg::TZeile& Z(int k) { return PunkteDlg->Zeile(k); }
};

TPunkt Vorgabe(int k)
{
    TPunkt p;
    p.Name = std::string(1, static_cast<char>('A' + k - 1));
    p.Style = 1;
    p.NamePos = 4;
    p.Color = clBlue;
    p.Font.Name = "Tahoma";
    p.Font.Color = clBlue;
    p.Font.Size = 10;
    return p;
}

}  // namespace

TEST_F(PunkteTest, EveryRowControlHasItsDesignName)
{
    // name, x, y edits; style buttons 1..4; "links", "hoch", "tief",
    // "rechts"; font; reset (speed buttons by number).
    const char* const tabelle[10] = {
        "3 1 2  1 2 3 80  40 41 42 43  101 90",  "6 4 5  6 7 8 81  44 45 46 47  102 91",
        "9 7 8  11 12 13 82  48 49 50 51  103 92", "12 10 11  16 17 18 83  52 53 54 55  104 93",
        "15 13 14  21 22 23 84  56 57 58 59  105 94", "18 16 17  26 27 28 85  60 61 62 63  106 95",
        "21 19 20  30 31 32 86  64 65 66 67  107 96", "24 22 23  35 36 37 87  68 69 70 71  108 97",
        "27 25 26  4 9 14 88  24 29 33 38  109 98",   "30 28 29  72 73 74 89  76 77 78 79  110 99",
    };
    auto edit = [&](int n) { return D().findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(n)); };
    auto knopf = [&](int n) { return D().findChild<QToolButton*>(QStringLiteral("SpeedButton%1").arg(n)); };
    for (int k = 1; k <= 10; ++k) {
        SCOPED_TRACE(k);
        std::istringstream zeile(tabelle[k - 1]);
        int n[3], stil[4], pos[4], schrift = 0, reset = 0;
        zeile >> n[0] >> n[1] >> n[2] >> stil[0] >> stil[1] >> stil[2] >> stil[3] >> pos[0] >> pos[1] >> pos[2] >>
            pos[3] >> schrift >> reset;
        EXPECT_EQ(edit(n[0]), Z(k).Name);
        EXPECT_EQ(edit(n[1]), Z(k).X);
        EXPECT_EQ(edit(n[2]), Z(k).Y);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(knopf(stil[i]), Z(k).Stil[static_cast<std::size_t>(i)]);
            EXPECT_EQ(knopf(pos[i]), Z(k).NamePos[static_cast<std::size_t>(i)]);
        }
        EXPECT_EQ(knopf(schrift), Z(k).Schrift);
        EXPECT_EQ(knopf(reset), Z(k).Reset);
        for (const QLineEdit* e : {Z(k).Name, Z(k).X, Z(k).Y})
            EXPECT_EQ(e->maxLength(), 255);
    }
    EXPECT_EQ(knopf(100), D().SpeedButton100);
    // No name is taken twice.
    EXPECT_EQ(D().findChildren<QLineEdit*>().size(), 30);
    EXPECT_EQ(D().findChildren<QToolButton*>(QRegularExpression(QStringLiteral("^SpeedButton\\d+$"))).size(), 101);
}

TEST_F(PunkteTest, AnEditWritesThroughWithOneRedrawAndTheRefreshEchoesWhatIsStored)
{
    int n = D().Neuzeichnungen();
    Z(1).X->setText(QStringLiteral("2"));
    EXPECT_EQ(Punkte[1].X, "2");
    EXPECT_EQ(D().Neuzeichnungen(), n + 1);

    // Typed key by key, through the edit's own key handling.
    Z(1).Y->setFocus();
    QKeyEvent taste(QEvent::KeyPress, Qt::Key_3, Qt::NoModifier, QStringLiteral("3"));
    QApplication::sendEvent(Z(1).Y, &taste);
    EXPECT_EQ(Punkte[1].Y, "3");

    // A record holds 255 characters of what is typed.
    Z(2).Name->setText(QString(300, QLatin1Char('n')));
    EXPECT_EQ(Punkte[2].Name, std::string(255, 'n'));

    // Changed behind the window's back: the refresh shows it, and its echo
    // stores the same text and redraws once, for the one edit that changed.
    Punkte[4].Y = "7,5";
    n = D().Neuzeichnungen();
    D().zeigePunk();
    EXPECT_EQ(Z(4).Y->text(), QStringLiteral("7,5"));
    EXPECT_EQ(Punkte[4].Y, "7,5");
    EXPECT_EQ(D().Neuzeichnungen(), n + 1);
    D().zeigePunk();
    EXPECT_EQ(D().Neuzeichnungen(), n + 1);
}

TEST_F(PunkteTest, StyleAndNamePositionGroupsStayExclusivePerRow)
{
    using V = std::vector<bool>;
    EXPECT_EQ(Gedrueckt(Z(1).Stil), (V{true, false, false, false}));
    EXPECT_EQ(Gedrueckt(Z(1).NamePos), (V{false, false, false, true}));

    Z(1).Stil[1]->click();
    EXPECT_EQ(Punkte[1].Style, 2);
    EXPECT_EQ(Gedrueckt(Z(1).Stil), (V{false, true, false, false}));
    Z(1).Stil[1]->click();  // a pressed button stays pressed
    EXPECT_EQ(Punkte[1].Style, 2);
    EXPECT_EQ(Gedrueckt(Z(1).Stil), (V{false, true, false, false}));

    Z(1).NamePos[0]->click();
    EXPECT_EQ(Punkte[1].NamePos, 1);
    EXPECT_EQ(Gedrueckt(Z(1).NamePos), (V{true, false, false, false}));
    Z(1).NamePos[2]->click();
    EXPECT_EQ(Punkte[1].NamePos, 3);
    EXPECT_EQ(Gedrueckt(Z(1).NamePos), (V{false, false, true, false}));
    // The other rows keep theirs.
    EXPECT_EQ(Gedrueckt(Z(2).Stil), (V{true, false, false, false}));
    EXPECT_EQ(Gedrueckt(Z(2).NamePos), (V{false, false, false, true}));

    // A value outside 1..4 leaves the buttons as they were; 4 (the trace
    // tool's square) presses the fourth.
    Punkte[1].Style = 7;
    Punkte[1].NamePos = 0;
    D().zeigePunk();
    EXPECT_EQ(Gedrueckt(Z(1).Stil), (V{false, true, false, false}));
    EXPECT_EQ(Gedrueckt(Z(1).NamePos), (V{false, false, true, false}));
    Punkte[1].Style = 4;
    Punkte[1].NamePos = 2;
    D().zeigePunk();
    EXPECT_EQ(Gedrueckt(Z(1).Stil), (V{false, false, false, true}));
    EXPECT_EQ(Gedrueckt(Z(1).NamePos), (V{false, true, false, false}));
}

TEST_F(PunkteTest, TheFontDialogShowsTheMarkColourAndColoursMarkAndName)
{
    Punkte[3].Color = clGreen;  // the mark's colour, not the name font's
    Punkte[3].Font.Color = clBlue;

    // Cancelled: nothing changes, but the window and the graph are redrawn.
    const TPunkt vorher = Punkte[3];
    int n = D().Neuzeichnungen();
    Z(3).Schrift->click();
    ASSERT_EQ(SchriftDialog.Vorgaben.size(), 1u);
    const TFont& v = SchriftDialog.Vorgaben[0];
    EXPECT_EQ(v.Color, clGreen);
    EXPECT_EQ(v.Name, QStringLiteral("Tahoma"));
    EXPECT_EQ(v.Size, 10);
    EXPECT_EQ(v.Style, 0);
    EXPECT_TRUE(Punkte[3] == vorher);
    EXPECT_EQ(D().Neuzeichnungen(), n + 1);

    SchriftDialog.Antwort = TFont{QStringLiteral("Courier"), 14, clRed, static_cast<std::uint8_t>(fsBold | fsItalic)};
    Z(3).Schrift->click();
    EXPECT_EQ(Punkte[3].Color, clRed);
    EXPECT_EQ(Punkte[3].Font.Color, clRed);
    EXPECT_EQ(Punkte[3].Font.Size, 14);
    EXPECT_EQ(Punkte[3].Font.Name, "Courier");
    EXPECT_EQ(Punkte[3].Font.Style, fsBold | fsItalic);
    // The row shows it: name in the face and style, all three edits red.
    EXPECT_EQ(Z(3).Name->font().family(), QStringLiteral("Courier"));
    EXPECT_TRUE(Z(3).Name->font().bold());
    EXPECT_TRUE(Z(3).Name->font().italic());
    for (const QLineEdit* e : {Z(3).Name, Z(3).X, Z(3).Y})
        EXPECT_EQ(Schriftfarbe(e), clRed);
    EXPECT_EQ(Schriftfarbe(Z(4).Name), clBlue);

    SchriftDialog.Antwort->Name = QString(300, QLatin1Char('f'));
    Z(3).Schrift->click();
    EXPECT_EQ(Punkte[3].Font.Name, std::string(255, 'f'));
}

TEST_F(PunkteTest, RowResetAndResetAllGiveTheDefaults)
{
    for (int k : {3, 4}) {
        Z(k).X->setText(QStringLiteral("1"));
        Z(k).Y->setText(QStringLiteral("2"));
        Z(k).Name->setText(QStringLiteral("Q"));
        Z(k).Stil[2]->click();
        Z(k).NamePos[1]->click();
        Punkte[k].Color = clRed;
        Punkte[k].Font = TSchrift{"Arial", clRed, 20, fsBold, {}};
    }
    const TPunkt vierter = Punkte[4];

    Z(3).Reset->click();
    EXPECT_TRUE(Punkte[3] == Vorgabe(3));
    EXPECT_TRUE(Punkte[4] == vierter);
    EXPECT_EQ(Z(3).X->text(), QString());
    EXPECT_EQ(Z(3).Y->text(), QString());
    EXPECT_EQ(Z(3).Name->text(), QStringLiteral("C"));
    EXPECT_EQ(Gedrueckt(Z(3).Stil), (std::vector<bool>{true, false, false, false}));
    EXPECT_EQ(Gedrueckt(Z(3).NamePos), (std::vector<bool>{false, false, false, true}));
    EXPECT_EQ(Schriftfarbe(Z(3).Name), clBlue);
    EXPECT_FALSE(Z(3).Name->font().bold());

    Punkte[10].X = "5";
    D().SpeedButton100->click();
    for (int k = 1; k <= 10; ++k) {
        SCOPED_TRACE(k);
        EXPECT_TRUE(Punkte[k] == Vorgabe(k));
        EXPECT_EQ(Z(k).Name->text(), QString(QChar('A' + k - 1)));
        EXPECT_TRUE(Z(k).X->text().isEmpty());
        EXPECT_TRUE(Z(k).Stil[0]->isChecked());
        EXPECT_TRUE(Z(k).NamePos[3]->isChecked());
    }
}

TEST_F(PunkteTest, NewResetsThePointsButKeepsThoseOfTheStartTemplate)
{
    Z(2).X->setText(QStringLiteral("4"));
    Z(2).Y->setText(QStringLiteral("1"));
    Z(2).Stil[3]->click();
    Form1->SpeedButton3Click();
    EXPECT_TRUE(Punkte[2] == Vorgabe(2));
    EXPECT_TRUE(Z(2).X->text().isEmpty());
    EXPECT_TRUE(Z(2).Stil[0]->isChecked());

    // A template with a point: the New that loads it keeps the point.
    Z(2).X->setText(QStringLiteral("4"));
    Z(2).Y->setText(QStringLiteral("1"));
    ASSERT_TRUE(QDir().mkpath(Einstellungsordner()));
    ASSERT_TRUE(Form1->speichere(Startvorlage().toStdString()));
    Einstellungen.Startvorlage = 1;
    Form1->SpeedButton3MouseDown();
    Form1->SpeedButton3Click();
    EXPECT_EQ(Punkte[2].X, "4");
    EXPECT_EQ(Z(2).X->text(), QStringLiteral("4"));
}

TEST_F(PunkteTest, APointTypedIntoRowOneAppearsWhereTheViewPutsIt)
{
    Graphik->resize(700, 600);
    Graphik->GraphikResize();
    ASSERT_GT(Graphik->BildBreite, 100);
    // The device position of (2 | 3) in the default view -5..6 x -2..8.
    const int px = static_cast<int>(std::lround(7.0 * Graphik->BildBreite / 11.0));
    const int py = static_cast<int>(std::lround(5.0 * Graphik->BildHoehe / 10.0));
    auto blau = [&](int x0, int y0) {
        Graphik->BildCanvas->Flush();
        int n = 0;
        for (int y = y0 - 2; y <= y0 + 2; ++y)
            for (int x = x0 - 2; x <= x0 + 2; ++x) {
                const QColor c = Graphik->Bild.pixelColor(x, y);
                n += c.blue() > 200 && c.red() < 90 && c.green() < 90;
            }
        return n;
    };
    EXPECT_EQ(blau(px, py), 0);

    Z(1).X->setText(QStringLiteral("2"));
    EXPECT_EQ(blau(px, py), 0);  // no y yet: not drawn
    Z(1).Y->setText(QStringLiteral("3"));
    EXPECT_GE(blau(px, py), 3);
    // One unit to the left stays white.
    EXPECT_EQ(blau(px - Graphik->BildBreite / 11, py), 0);

    // The German separator and the English one both place it.
    Z(1).X->setText(QStringLiteral("1,0"));
    EXPECT_EQ(blau(px, py), 0);
    EXPECT_GE(blau(px - Graphik->BildBreite / 11, py), 3);
    Z(1).X->setText(QStringLiteral("1.0"));
    EXPECT_GE(blau(px - Graphik->BildBreite / 11, py), 3);
}
