// The areas window: curve lists and their coding, the family warning,
// intervals, colours and the fill choice.

#include "werkzeug_fixture.h"

#include "engine/funktion.h"
#include "engine/tabellen.h"
#include "main/form1.h"
#include "tools/flaechen_dlg.h"

#include <QCheckBox>

namespace {

class FlaechenTest : public WerkzeugTest {
protected:
    TFlaechenDlg& D() { return *FlaechenDlg; }
    const TFlaechenDlg::TZeile& Z(int k) { return FlaechenDlg->Zeile(k); }

    static void Schar(int nr)
    {
        Funktionen[static_cast<std::size_t>(nr)]->SetTerm("f(x,t) = t*x^2");
        Funktionen[static_cast<std::size_t>(nr)]->SetKind(ArtFunktionenschar);
    }
};

}  // namespace

TEST_F(FlaechenTest, ControlsCarryTheirDesignNames)
{
    const char* const farben[8] = {"SFarbe",       "SpeedButton1", "SpeedButton2", "SpeedButton3",
                                   "SpeedButton4", "SpeedButton5", "SpeedButton6", "SpeedButton7"};
    for (int k = 1; k <= 8; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(D().findChild<QComboBox*>(QStringLiteral("ComboBox%1").arg(2 * k - 1)), Z(k).KurveA);
        EXPECT_EQ(D().findChild<QComboBox*>(QStringLiteral("ComboBox%1").arg(2 * k)), Z(k).KurveB);
        EXPECT_EQ(D().findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(2 * k - 1)), Z(k).XVon);
        EXPECT_EQ(D().findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(2 * k)), Z(k).XBis);
        EXPECT_EQ(D().findChild<QToolButton*>(QString::fromLatin1(farben[k - 1])), Z(k).Farbe);
        EXPECT_EQ(D().findChild<QCheckBox*>(QStringLiteral("CheckBox%1").arg(k)), Z(k).Linien);
    }
}

TEST_F(FlaechenTest, AFreshAreaAndTheStoredCurvesAsTheListsShowThem)
{
    FlaechenDlg->Umschalten();
    EXPECT_EQ(Z(1).KurveA->currentText(), QStringLiteral("1."));
    EXPECT_EQ(Z(1).KurveB->currentText(), QStringLiteral("1."));
    EXPECT_EQ(Z(1).XVon->text(), QStringLiteral("-2"));
    EXPECT_EQ(Z(1).XBis->text(), QStringLiteral("2"));
    EXPECT_EQ(Schriftfarbe(Z(1).XVon), clGreen);
    EXPECT_EQ(Schriftfarbe(Z(1).KurveA), clGreen);
    EXPECT_FALSE(Z(1).Linien->isChecked());

    // Choosing the x-axis stores 13 and shows "x-A." again.
    Waehlen(Z(2).KurveB, 9);
    EXPECT_EQ(Flaechen[2].CurveB, 13);
    D().ZeigeFlae();
    EXPECT_EQ(Z(2).KurveB->currentText(), QStringLiteral("x-A."));

    // A number the list does not hold shows no item, not a wrong one.
    const std::pair<std::int32_t, const char*> faelle[] = {
        {1, "1."}, {9, "9."}, {13, "x-A."}, {10, ""}, {0, ""}, {-1, ""}, {14, ""}, {4, "4."},
    };
    for (const auto& [kurve, text] : faelle) {
        SCOPED_TRACE(kurve);
        Flaechen[3].CurveA = kurve;
        D().ZeigeFlae();
        EXPECT_EQ(Z(3).KurveA->currentText(), QString::fromLatin1(text));
        EXPECT_EQ(Flaechen[3].CurveA, kurve);  // the refresh stores nothing
    }

    // A typed text stores 0; a document's curve then shows its item again.
    Z(4).KurveA->setEditText(QStringLiteral("zz"));
    emit Z(4).KurveA->lineEdit()->textEdited(QStringLiteral("zz"));
    EXPECT_EQ(Flaechen[4].CurveA, 0);
    Flaechen[4].CurveA = 1;
    D().ZeigeFlae();
    EXPECT_EQ(Z(4).KurveA->currentText(), QStringLiteral("1."));
}

TEST_F(FlaechenTest, OnlyAFunctionFamilyAmongTheCurvesBringsTheWarning)
{
    const QString warnung = QStringLiteral("Eine Funktionenschar kann nicht gewählt werden!");
    Schar(3);
    const int n = D().Neuzeichnungen();
    Waehlen(Z(1).KurveA, 2);
    ASSERT_EQ(Meldung.Meldungen.size(), 1u);
    EXPECT_EQ(Meldung.Meldungen[0], warnung);
    EXPECT_EQ(Flaechen[1].CurveA, 3);  // the choice is kept
    EXPECT_EQ(D().Neuzeichnungen(), n + 1);
    Waehlen(Z(1).KurveB, 2);
    EXPECT_EQ(Meldung.Meldungen.size(), 2u);

    // A family that does not compile, a single function and the x-axis
    // warn of nothing.
    Funktionen[4]->SetTerm("f(x,t) = t*(");
    Funktionen[4]->SetKind(ArtFunktionenschar);
    Funktionen[5]->SetTerm("f(x) = x");
    for (int index : {3, 4, 9})
        Waehlen(Z(2).KurveA, index);
    EXPECT_EQ(Meldung.Meldungen.size(), 2u);
    EXPECT_EQ(Flaechen[2].CurveA, 13);

    // A typed text stores 0, which names no function, even while the
    // selected function is a family.
    Schar(1);
    Funktionen[0] = Funktionen[1];
    emit Z(2).KurveB->lineEdit()->textEdited(QStringLiteral("7"));
    EXPECT_EQ(Flaechen[2].CurveB, 0);
    EXPECT_EQ(Meldung.Meldungen.size(), 2u);
}

TEST_F(FlaechenTest, IntervalsColoursAndTheFillChoiceWriteThrough)
{
    Z(5).XVon->setText(QStringLiteral("-1"));
    Z(5).XBis->setText(QString(300, QLatin1Char('9')));
    EXPECT_EQ(Flaechen[5].XFrom, "-1");
    EXPECT_EQ(Flaechen[5].XTo, std::string(255, '9'));

    Z(5).Linien->click();
    EXPECT_EQ(Flaechen[5].Linien, 1);
    Z(5).Linien->click();
    EXPECT_EQ(Flaechen[5].Linien, 0);
    // A stored byte other than 1 reads as ticked and survives the echo.
    Flaechen[5].Linien = 5;
    D().ZeigeFlae();
    EXPECT_TRUE(Z(5).Linien->isChecked());
    EXPECT_EQ(Flaechen[5].Linien, 5);

    FarbDialog.Antwort = clNavy;
    Z(5).Farbe->click();
    EXPECT_EQ(FarbDialog.Vorgaben.back(), clGreen);
    EXPECT_EQ(Flaechen[5].Color, clNavy);
    for (QWidget* w : std::initializer_list<QWidget*>{Z(5).KurveA, Z(5).KurveB, Z(5).XVon, Z(5).XBis})
        EXPECT_EQ(Schriftfarbe(w), clNavy);
    EXPECT_EQ(Schriftfarbe(Z(6).XVon), clGreen);
}
