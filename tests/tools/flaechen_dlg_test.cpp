// The areas window: curve lists and their coding, the family warning,
// the fill choice.

#include "werkzeug_fixture.h"

#include "engine/funktion.h"
#include "engine/tabellen.h"
#include "main/form1.h"
#include "tools/flaechen_dlg.h"

#include <QCheckBox>

namespace {

class FlaechenTest : public WerkzeugTest {
protected:
    const TFlaechenDlg::TZeile& Z(int k) { return FlaechenDlg->Zeile(k); }

    static void Schar(int nr, const char* term = "f(x,t) = t*x^2")
    {
        Funktionen[static_cast<std::size_t>(nr)]->SetTerm(term);
        Funktionen[static_cast<std::size_t>(nr)]->SetKind(ArtFunktionenschar);
    }
};

}  // namespace

TEST_F(FlaechenTest, TheListsShowTheStoredCurvesAndStoreTheChosenOnes)
{
    FlaechenDlg->Umschalten();
    for (int k = 1; k <= 8; ++k) {
        EXPECT_EQ(FlaechenDlg->findChild<QComboBox*>(QStringLiteral("ComboBox%1").arg(2 * k - 1)), Z(k).KurveA);
        EXPECT_EQ(FlaechenDlg->findChild<QComboBox*>(QStringLiteral("ComboBox%1").arg(2 * k)), Z(k).KurveB);
        EXPECT_EQ(FlaechenDlg->findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(2 * k - 1)), Z(k).XVon);
        EXPECT_EQ(FlaechenDlg->findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(2 * k)), Z(k).XBis);
        EXPECT_EQ(FlaechenDlg->findChild<QCheckBox*>(QStringLiteral("CheckBox%1").arg(k)), Z(k).Linien);
    }
    EXPECT_EQ(FlaechenDlg->findChild<QToolButton*>(QStringLiteral("SpeedButton7")), Z(8).Farbe);
    EXPECT_EQ(Z(1).KurveA->currentText(), QStringLiteral("1."));
    EXPECT_EQ(Z(1).XVon->text(), QStringLiteral("-2"));
    EXPECT_EQ(Schriftfarbe(Z(1).KurveB), clGreen);

    Waehlen(Z(2).KurveB, 9);  // "x-A."
    EXPECT_EQ(Flaechen[2].CurveB, 13);

    // A number the list does not hold shows no item, not a wrong one; the
    // refresh stores nothing.
    const std::pair<std::int32_t, const char*> faelle[] = {
        {1, "1."}, {9, "9."}, {13, "x-A."}, {10, ""}, {0, ""}, {-1, ""}, {14, ""},
    };
    for (const auto& [kurve, text] : faelle) {
        Flaechen[3].CurveA = kurve;
        FlaechenDlg->ZeigeFlae();
        EXPECT_EQ(Z(3).KurveA->currentText(), QString::fromLatin1(text)) << kurve;
        EXPECT_EQ(Flaechen[3].CurveA, kurve);
    }

    // A typed text stores 0; a document's curve then shows its item again.
    Z(4).KurveA->setEditText(QStringLiteral("zz"));
    emit Z(4).KurveA->lineEdit()->textEdited(QStringLiteral("zz"));
    EXPECT_EQ(Flaechen[4].CurveA, 0);
    Flaechen[4].CurveA = 1;
    FlaechenDlg->ZeigeFlae();
    EXPECT_EQ(Z(4).KurveA->currentText(), QStringLiteral("1."));
}

TEST_F(FlaechenTest, OnlyAFunctionFamilyAmongTheCurvesBringsTheWarning)
{
    Schar(3);
    Waehlen(Z(1).KurveA, 2);
    ASSERT_EQ(Meldung.Meldungen.size(), 1u);
    EXPECT_EQ(Meldung.Meldungen[0], QStringLiteral("Eine Funktionenschar kann nicht gewählt werden!"));
    EXPECT_EQ(Flaechen[1].CurveA, 3);  // the choice is kept

    // A family that does not compile, a single function, the x-axis, and a
    // typed text (0, no function) while the selected function is a family.
    Schar(4, "f(x,t) = t*(");
    Funktionen[5]->SetTerm("f(x) = x");
    for (int index : {3, 4, 9})
        Waehlen(Z(2).KurveA, index);
    Schar(1);
    Funktionen[0] = Funktionen[1];
    emit Z(2).KurveB->lineEdit()->textEdited(QStringLiteral("7"));
    EXPECT_EQ(Flaechen[2].CurveB, 0);
    EXPECT_EQ(Meldung.Meldungen.size(), 1u);
}

TEST_F(FlaechenTest, TheFillChoiceAndTheColourWriteThrough)
{
    Z(5).Linien->click();
    EXPECT_EQ(Flaechen[5].Linien, 1);
    Z(5).Linien->click();
    EXPECT_EQ(Flaechen[5].Linien, 0);
    // A stored byte other than 1 reads as ticked and survives the echo.
    Flaechen[5].Linien = 5;
    FlaechenDlg->ZeigeFlae();
    EXPECT_TRUE(Z(5).Linien->isChecked());
    EXPECT_EQ(Flaechen[5].Linien, 5);

    FarbDialog.Antwort = clNavy;
    Z(5).Farbe->click();
    EXPECT_EQ(Flaechen[5].Color, clNavy);
    EXPECT_EQ(Schriftfarbe(Z(5).KurveA), clNavy);  // lists and edits alike
}
