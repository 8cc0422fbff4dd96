// Axis units and lengths: the unit track bars with their tables, the length
// lists in cm and inch, their resets with a message, and the colour switch.
#include "zeichnen_hilfe.h"

#include "main/einheit_dlg.h"
#include "main/wertetabelle_fenster.h"
#include "platform/dialoge.h"

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

class EinheitenTest : public TZeichnenTest {
protected:
    void SetUp() override
    {
        TZeichnenTest::SetUp();
        AltZeilen = {Texte[295], Texte[296]};
        Texte[295] = "Höhe";
        Texte[296] = "Breite";
        SetMeldung(&Meldungen);
    }
    void TearDown() override
    {
        SetMeldung(nullptr);
        Texte[295] = AltZeilen[0];
        Texte[296] = AltZeilen[1];
        TZeichnenTest::TearDown();
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

private:
    std::vector<std::string> AltZeilen;
};

TEST_F(EinheitenTest, TrackBarsTakeTheirUnitTables)
{
    // The ends of both tables and the pi positions of the x bar.
    const std::tuple<QSlider*, int, double*, double> faelle[] = {
        {G->TrackBar1, -4, &G->EinheitY, 0.001},           {G->TrackBar1, 10, &G->EinheitY, 10000.0},
        {G->TrackBar1, 3, &G->EinheitY, 2.5},              {G->TrackBar2, -4, &G->EinheitX, 0.01},
        {G->TrackBar2, 2, &G->EinheitX, std::numbers::pi / 3}, {G->TrackBar2, 5, &G->EinheitX, std::numbers::pi},
        {G->TrackBar2, 10, &G->EinheitX, 100.0}};
    for (const auto& [bar, position, einheit, soll] : faelle) {
        bar->setValue(position);
        EXPECT_DOUBLE_EQ(*einheit, soll) << position;
    }
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

TEST_F(EinheitenTest, LengthsInCmOrInchSetTheViewOrAreReset)
{
    // One user's session on the four length lists, in order. Expected: the
    // cm and inch texts (nullptr: not checked), the axis's length in view
    // units afterwards, and the message shown (nullptr: none).
    QComboBox *y = G->ComboBox1, *ya = G->ComboBox1a, *x = G->ComboBox2, *xa = G->ComboBox2a;
    struct Schritt {
        QComboBox* box;
        bool waehlen;
        const char* text;
        const char *cm, *zoll;
        int laenge;
        const char* meldung;
    };
    const Schritt schritte[] = {
        {ya, true, "2.5", "5", nullptr, 5, nullptr},  // an inch is two view units
        {ya, false, "3,", nullptr, "3.5", 7, nullptr},  // a comma means half an inch more
        {ya, false, "4.", nullptr, "4", 8, nullptr},    // any other decimal is dropped
        {xa, true, "7", "14", nullptr, 14, nullptr},
        {ya, false, "12", "10", "5", 10, "Höhe"},       // beyond the longest inch length
        {y, true, "7", nullptr, "3.5", 7, nullptr},     // a cm length shows its inch length
        {x, false, "12", nullptr, "6", 12, nullptr},
        {y, false, "2", nullptr, nullptr, 7, nullptr},  // a first digit on the way to "20"
        {y, false, "-3", nullptr, nullptr, 7, nullptr},
        {y, false, "21", "10", nullptr, 10, "Höhe"},
        {y, false, "abc", "10", nullptr, 10, "Höhe"},
        {y, false, "0", "10", nullptr, 10, "Höhe"},
        {y, false, "99999999999", "10", nullptr, 10, "Höhe"},
        {y, false, "1e3", "10", nullptr, 10, "Höhe"},
        {x, false, "18", nullptr, nullptr, 12, nullptr},  // no x length, but no message either
        {x, false, "1", nullptr, nullptr, 12, nullptr},
        {x, false, "2", "11", "5.5", 11, "Breite"},
    };
    for (const Schritt& s : schritte) {
        SCOPED_TRACE(s.text);
        Meldungen.Texte.clear();
        if (s.waehlen)
            Waehle(s.box, QString::fromUtf8(s.text));
        else
            Tippe(s.box, QString::fromUtf8(s.text));
        const bool yAchse = s.box == y || s.box == ya;
        if (s.cm) {
            EXPECT_EQ((yAchse ? y : x)->currentText(), s.cm);
        }
        if (s.zoll) {
            EXPECT_EQ((yAchse ? ya : xa)->currentText(), s.zoll);
        }
        EXPECT_EQ(yAchse ? G->YMax - G->YMin : G->XMax - G->XMin, s.laenge);
        EXPECT_EQ(G->YMin, -2);  // lengths move the top and right edges only
        EXPECT_EQ(G->XMin, -5);
        EXPECT_EQ(Meldungen.Texte, s.meldung ? std::vector<std::string>{s.meldung} : std::vector<std::string>{});
    }
    // The view keeps at least one unit above the x axis.
    G->YMin = -12;
    Waehle(y, "10");
    EXPECT_EQ(G->YMin, -9);
    EXPECT_EQ(G->YMax, 1);
}

TEST_F(EinheitenTest, XUnitAndXLengthRefillTheValueTable)
{
    // The value table's own spacing bar follows the graph window's x-unit
    // bar only when the table is refilled.
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
