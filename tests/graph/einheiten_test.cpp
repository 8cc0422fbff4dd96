// Axis units and lengths: the unit track bars with their tables, the length
// lists in cm and inch, their resets with a message, and the colour switch.
#include "engine/tabellen.h"
#include "fake_funktion.h"
#include "graph/graphik.h"
#include "main/einheit_dlg.h"
#include "main/wertetabelle_fenster.h"
#include "platform/dialoge.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>

#include <memory>
#include <numbers>
#include <string>
#include <vector>

namespace {

class TMeldungen : public TMeldung {
public:
    void Zeige(const QString& text) override { Texte.push_back(text.toStdString()); }
    std::vector<std::string> Texte;
};

class EinheitenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        AltZeilen = {Texte[9], Texte[295], Texte[296]};
        Texte[9] = ",";
        Texte[295] = "Höhe nicht vorgesehen, wird vom Programm geändert!";
        Texte[296] = "Breite nicht vorgesehen, wird vom Programm geändert!";
        SetMeldung(&Meldungen);
        G = std::make_unique<TGraphik>();
    }
    void TearDown() override
    {
        G.reset();
        SetMeldung(nullptr);
        Texte[9] = AltZeilen[0];
        Texte[295] = AltZeilen[1];
        Texte[296] = AltZeilen[2];
    }

    // What a user does: type a text into a list, or choose an entry.
    static void Tippe(QComboBox* box, const QString& text)
    {
        box->setEditText(text);
        emit box->lineEdit()->textEdited(text);
    }
    static void Waehle(QComboBox* box, const QString& text)
    {
        const int i = box->findText(text);
        ASSERT_GE(i, 0) << text.toStdString();
        box->setCurrentIndex(i);
        emit box->activated(i);
    }

    TMeldungen Meldungen;
    std::unique_ptr<TGraphik> G;

private:
    std::vector<std::string> AltZeilen;
};

TEST_F(EinheitenTest, TrackBarsTakeTheirUnitTables)
{
    G->TrackBar1->setValue(-4);
    EXPECT_EQ(G->EinheitY, 0.001);
    G->TrackBar1->setValue(10);
    EXPECT_EQ(G->EinheitY, 10000.0);
    G->TrackBar1->setValue(3);
    EXPECT_EQ(G->EinheitY, 2.5);

    G->TrackBar2->setValue(5);
    EXPECT_EQ(G->EinheitX, std::numbers::pi);
    G->TrackBar2->setValue(2);
    EXPECT_EQ(G->EinheitX, 1.0471975511965979);
    G->TrackBar2->setValue(-4);
    EXPECT_EQ(G->EinheitX, 0.01);
    G->TrackBar2->setValue(8);
    EXPECT_EQ(G->EinheitX, 10.0);

    // While a unit dialog moves a bar itself, the typed unit stays.
    G->EinheitX = 3.0;
    G->TrackBar2Aktiv = false;
    G->TrackBar2->setValue(6);
    EXPECT_EQ(G->EinheitX, 3.0);
}

TEST_F(EinheitenTest, UnitDialogsShowTheUnitThatTheBarChose)
{
    TEinheitXDlg x;
    TEinheitYDlg y;
    EinheitXDlg = &x;
    EinheitYDlg = &y;
    int xAenderungen = 0;
    QObject::connect(x.Edit, &QLineEdit::textChanged, [&] { ++xAenderungen; });
    G->TrackBar2->setValue(5);
    EXPECT_EQ(x.Edit->text(), "Pi");
    EXPECT_EQ(xAenderungen, 0);  // the dialog's own change handling stays out
    G->TrackBar2->setValue(0);
    EXPECT_EQ(x.Edit->text(), "0,5");
    G->TrackBar1->setValue(-1);
    EXPECT_EQ(y.Edit->text(), "0,25");
    EinheitXDlg = nullptr;
    EinheitYDlg = nullptr;

    EXPECT_EQ(TGraphik::EinheitXText(3, std::numbers::pi / 2), "Pi/2");
    EXPECT_EQ(TGraphik::EinheitXText(2, 1.0), "Pi/3");
}

TEST_F(EinheitenTest, InchLengthsBecomeTwiceAsManyViewUnits)
{
    G->ComboBox1a->show();
    Waehle(G->ComboBox1a, "2.5");
    EXPECT_EQ(G->ComboBox1->currentText(), "5");
    EXPECT_EQ(G->YMax, G->YMin + 5);

    Tippe(G->ComboBox1a, "3,");  // a comma means half an inch more
    EXPECT_EQ(G->ComboBox1a->currentText(), "3.5");
    EXPECT_EQ(G->YMax, G->YMin + 7);

    Tippe(G->ComboBox1a, "4.");  // any other decimal is dropped
    EXPECT_EQ(G->ComboBox1a->currentText(), "4");
    EXPECT_EQ(G->YMax, G->YMin + 8);

    Waehle(G->ComboBox2a, "7");
    EXPECT_EQ(G->ComboBox2->currentText(), "14");
    EXPECT_EQ(G->XMax, G->XMin + 14);
    EXPECT_TRUE(Meldungen.Texte.empty());

    Tippe(G->ComboBox1a, "12");  // beyond the longest inch length
    ASSERT_EQ(Meldungen.Texte.size(), 1u);
    EXPECT_EQ(Meldungen.Texte[0], Texte[295]);
    EXPECT_EQ(G->ComboBox1->currentText(), "10");
    EXPECT_EQ(G->ComboBox1a->currentText(), "5");
    EXPECT_EQ(G->YMax, G->YMin + 10);
}

TEST_F(EinheitenTest, CmLengthsSetTheTopEdgeAndShowTheInchLength)
{
    Waehle(G->ComboBox1, "7");
    EXPECT_EQ(G->YMin, -2);
    EXPECT_EQ(G->YMax, 5);
    EXPECT_EQ(G->ComboBox1a->currentText(), "3.5");
    Tippe(G->ComboBox2, "12");
    EXPECT_EQ(G->XMin, -5);
    EXPECT_EQ(G->XMax, 7);
    EXPECT_EQ(G->ComboBox2a->currentText(), "6");

    // The view keeps at least one unit above the x axis.
    G->YMin = -12;
    Waehle(G->ComboBox1, "10");
    EXPECT_EQ(G->YMin, -9);
    EXPECT_EQ(G->YMax, 1);
    EXPECT_TRUE(Meldungen.Texte.empty());
}

TEST_F(EinheitenTest, LengthsOutsideTheListsAreResetOrIgnored)
{
    const std::int32_t alt = G->YMax;
    Tippe(G->ComboBox1, "2");  // a first digit on the way to "20": nothing yet
    Tippe(G->ComboBox1, "-3");
    EXPECT_EQ(G->YMax, alt);
    EXPECT_TRUE(Meldungen.Texte.empty());

    Tippe(G->ComboBox1, "21");
    ASSERT_EQ(Meldungen.Texte.size(), 1u);
    EXPECT_EQ(Meldungen.Texte[0], Texte[295]);
    EXPECT_EQ(G->ComboBox1->currentText(), "10");
    EXPECT_EQ(G->YMax, G->YMin + 10);

    for (const char* schlecht : {"abc", "0", "99999999999", "1e3"}) {
        SCOPED_TRACE(schlecht);
        Meldungen.Texte.clear();
        Tippe(G->ComboBox1, schlecht);
        EXPECT_EQ(Meldungen.Texte.size(), 1u);
        EXPECT_EQ(G->ComboBox1->currentText(), "10");
    }

    Meldungen.Texte.clear();
    Tippe(G->ComboBox2, "18");  // no x length, but no message either
    Tippe(G->ComboBox2, "1");
    EXPECT_TRUE(Meldungen.Texte.empty());
    EXPECT_EQ(G->XMax, 6);
    Tippe(G->ComboBox2, "2");
    ASSERT_EQ(Meldungen.Texte.size(), 1u);
    EXPECT_EQ(Meldungen.Texte[0], Texte[296]);
    EXPECT_EQ(G->ComboBox2->currentText(), "11");
    EXPECT_EQ(G->ComboBox2a->currentText(), "5.5");
    EXPECT_EQ(G->XMax, G->XMin + 11);
}

TEST_F(EinheitenTest, XUnitAndXLengthRefillTheValueTable)
{
    // The value table's own spacing bar follows the graph window's x-unit
    // bar only when the table is refilled.
    TFunktionenScope scope;
    TForm2 tabelle;
    Form2 = &tabelle;
    TGraphik* const altGraphik = Graphik;
    Graphik = G.get();
    G->TrackBar2->setValue(5);
    EXPECT_EQ(tabelle.TrackBar2->value(), 5);
    {
        const QSignalBlocker still(tabelle.TrackBar2);
        tabelle.TrackBar2->setValue(0);
    }
    Waehle(G->ComboBox2, "9");
    EXPECT_EQ(tabelle.TrackBar2->value(), 5);
    Graphik = altGraphik;
    Form2 = nullptr;
}

}  // namespace
