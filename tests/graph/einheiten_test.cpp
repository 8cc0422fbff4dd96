// Axis units and lengths: the unit track bars with their tables, the length
// lists in cm and inch, their resets with a message, and the colour switch.
#include "zeichnen_hilfe.h"

#include "tools/einheit_dlg.h"
#include "tools/wertetabelle_fenster.h"
#include "platform/dialoge.h"
#include "platform/felder.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QSignalBlocker>
#include <QTest>

#include <numbers>

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
        SetMeldung(&Meldungen);
        // The program's graph window: the unit windows and the value table
        // show its view.
        Zustand.Ansicht = {};
        G = std::make_unique<TGraphik>(nullptr, &Zustand.Ansicht);
        G->PaintBox1->resize(Breite, Hoehe);
        G->ResizeBilder();
    }
    void TearDown() override
    {
        SetMeldung(nullptr);
        TZeichnenTest::TearDown();
        Zustand.Ansicht = {};
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
};

TEST_F(EinheitenTest, TrackBarsTakeTheirUnitTablesAndTheDialogsShowThem)
{
    // The ends of both tables and the pi positions of the x bar, shown by
    // the unit windows without running their own change handling.
    TEinheitXDlg x;
    TEinheitYDlg y;
    std::tie(EinheitXDlg, EinheitYDlg) = std::tuple(&x, &y);
    int xAenderungen = 0;
    QObject::connect(x.Edit, &QLineEdit::textChanged, [&] { ++xAenderungen; });
    const std::tuple<QSlider*, int, double*, double, QLineEdit*, const char*> faelle[] = {
        {G->TrackBar1, -4, &G->EinheitY, 0.001, y.Edit, "0,001"}, {G->TrackBar1, 10, &G->EinheitY, 10000.0, y.Edit, "10000"},
        {G->TrackBar2, -4, &G->EinheitX, 0.01, x.Edit, "0,01"},   {G->TrackBar2, 2, &G->EinheitX, std::numbers::pi / 3, x.Edit, "Pi/3"}};
    for (const auto& [bar, position, einheit, soll, feld, text] : faelle) {
        bar->setValue(position);
        EXPECT_DOUBLE_EQ(*einheit, soll) << position;
        EXPECT_EQ(feld->text(), QString::fromLatin1(text)) << position;
    }
    EXPECT_EQ(xAenderungen, 0);
    std::tie(EinheitXDlg, EinheitYDlg) = std::tuple(nullptr, nullptr);
    // While a unit dialog moves a bar itself, the typed unit stays.
    G->EinheitX = 3.0;
    G->TrackBar2Aktiv = false;
    G->TrackBar2->setValue(6);
    EXPECT_EQ(G->EinheitX, 3.0);
}

TEST_F(EinheitenTest, LengthsInCmOrInchSetTheViewOrAreReset)
{
    // One user's session on the four length lists, in order: chosen or
    // typed text; the cm and inch texts then (nullptr: not checked), the
    // axis's length in view units, and the line of the message shown (0: none).
    QComboBox *y = G->ComboBox1, *ya = G->ComboBox1a, *x = G->ComboBox2, *xa = G->ComboBox2a;
    std::tie(Texte[295], Texte[296]) = std::pair("Höhe", "Breite");
    const std::tuple<QComboBox*, bool, const char*, const char*, const char*, int, int> schritte[] = {
        {ya, true, "2.5", "5", nullptr, 5, 0},   // an inch is two view units
        {ya, false, "3,", nullptr, "3.5", 7, 0},  // a comma means half an inch more
        {ya, false, "4.", nullptr, "4", 8, 0},    // any other decimal is dropped
        {xa, true, "7", "14", nullptr, 14, 0},
        {ya, false, "12", "10", "5", 10, 295},    // beyond the longest inch length
        {y, true, "7", nullptr, "3.5", 7, 0},     // a cm length shows its inch length
        {y, false, "2", nullptr, nullptr, 7, 0},  // a first digit on the way to "20"
        {y, false, "21", "10", nullptr, 10, 295},
        {y, false, "0", "10", nullptr, 10, 295},
        {y, false, "99999999999", "10", nullptr, 10, 295},
        {x, false, "18", nullptr, nullptr, 14, 0},  // no x length, but no message either
        {x, false, "2", "11", "5.5", 11, 296},
        {x, true, "9", nullptr, "4.5", 9, 0},
        {y, true, "16", nullptr, "8", 16, 0},
        {ya, false, "9.5", "19", nullptr, 19, 0},  // the longest inch length still applies
    };
    for (const auto& [box, waehlen, text, cm, zoll, laenge, meldung] : schritte) {
        SCOPED_TRACE(text);
        Meldungen.Texte.clear();
        if (waehlen)
            Waehle(box, QString::fromUtf8(text));
        else
            Tippe(box, QString::fromUtf8(text));
        const bool yAchse = box == y || box == ya;
        EXPECT_TRUE(!cm || (yAchse ? y : x)->currentText() == cm);
        EXPECT_TRUE(!zoll || (yAchse ? ya : xa)->currentText() == zoll);
        EXPECT_EQ(yAchse ? G->YMax - G->YMin : G->XMax - G->XMin, laenge);
        EXPECT_EQ(std::pair(G->XMin, G->YMin), std::pair(-5, -2));  // lengths move the top and right edges only
        EXPECT_EQ(Meldungen.Texte, meldung ? std::vector<std::string>{Texte[meldung]} : std::vector<std::string>{});
    }
    // The view keeps at least one unit above the x axis.
    G->YMin = -12;
    Waehle(y, "10");
    EXPECT_EQ(std::pair(G->YMin, G->YMax), std::pair(-9, 1));
}

// At 20 cm the y axis is 10 inches, more than the inch list offers; that
// is checked only when the inch list itself sent the change, so the cm lists
// go on working: a keystroke, leaving the list, the x list.
TEST_F(EinheitenTest, TwentyCentimetresStayWhileTheCmListsAreUsed)
{
    QComboBox *y = G->ComboBox1, *ya = G->ComboBox1a, *x = G->ComboBox2;
    Tippe(y, "20");
    emit y->lineEdit()->editingFinished();  // leaving the list chooses its entry "20"
    Tippe(x, "9");
    Tippe(y, "1");                          // on the way to "15"
    EXPECT_EQ(std::tuple(G->YMax - G->YMin, G->XMax - G->XMin, y->currentText(), ya->currentText()),
              std::tuple(20, 9, QString("1"), QString("0.5")));
    Tippe(y, "15");
    EXPECT_EQ(G->YMax - G->YMin, 15);
    EXPECT_TRUE(Meldungen.Texte.empty());
    // Ten inches typed into the inch list are still too long.
    Tippe(ya, "10");
    EXPECT_EQ(std::tuple(G->YMax - G->YMin, Meldungen.Texte.size()), std::tuple(10, 1u));
}

// The lists complete nothing: what is typed stays as it is, also after
// Enter (a completion would show "20" for "2", "10" for "1" and "1.5" for an
// inch "1", and Enter would apply it).
TEST_F(EinheitenTest, LengthListsCompleteNothing)
{
    G->show();
    QApplication::setActiveWindow(G.get());  // completion works only with the focus
    const std::tuple<QComboBox*, const char*> faelle[] = {
        {G->ComboBox1, "2"}, {G->ComboBox2, "1"}, {G->ComboBox1a, "1"}};
    for (const auto& [box, text] : faelle) {
        box->setFocus();
        box->lineEdit()->clear();
        QTest::keyClicks(box->lineEdit(), text);
        QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        EXPECT_EQ(box->currentText(), text) << box->objectName().toStdString();
    }
    EXPECT_EQ(std::tuple(G->YMax - G->YMin, G->XMax - G->XMin), std::tuple(10, 11));
    EXPECT_TRUE(Meldungen.Texte.empty());
}

// The length lists are editable without a completer (none is made and
// dropped on the way) and make their popup list when first opened; their
// fields take the lists' colours all the same.
TEST_F(EinheitenTest, LengthListsAreEditableWithoutACompleter)
{
    for (QComboBox* box : {G->ComboBox1, G->ComboBox2, G->ComboBox1a, G->ComboBox2a}) {
        SetzeFeldfarbe(box, FarbeUngueltig);
        EXPECT_EQ(std::tuple(box->isEditable(), box->lineEdit()->maxLength(), box->completer() == nullptr,
                             Feldfarbe(box->lineEdit()), box->findChildren<QAbstractItemView*>().size()),
                  std::tuple(true, 255, true, FarbeUngueltig, qsizetype{0}))
            << box->objectName().toStdString();
    }
    // Opened, a list shows its entries as an editable box's list does.
    G->show();
    G->ComboBox1->showPopup();
    EXPECT_EQ(std::tuple(G->ComboBox1->view()->model()->rowCount(),
                         QString::fromLatin1(G->ComboBox1->itemDelegate()->metaObject()->className()),
                         Feldfarbe(G->ComboBox1->lineEdit())),
              std::tuple(18, QStringLiteral("QComboBoxDelegate"), FarbeUngueltig));
    G->ComboBox1->hidePopup();
}

// A graph window has its font before its controls are made, so that none
// of them has a font change handed down later: the axes' controls, made
// with the window, are in it at once.
TEST(GraphikSchrift, TheControlsAreMadeInTheWindowsFont)
{
    TAnsicht a;
    TGraphik g(nullptr, &a);
    for (const QWidget* w : std::initializer_list<const QWidget*>{&g, g.ComboBox1, g.CB2, g.TrackBar1, g.Edit1})
        EXPECT_EQ(std::pair(w->font().family(), w->font().pointSize()), std::pair(QStringLiteral("Tahoma"), 8))
            << w->objectName().toStdString();
}

// The value table's spacing bar follows the x unit when the x length refills it.
TEST_F(EinheitenTest, XLengthRefillsTheValueTable)
{
    TForm2 tabelle;
    Form2 = &tabelle;
    TGraphik* const altGraphik = std::exchange(Graphik, G.get());
    G->TrackBar2->setValue(5);
    {
        const QSignalBlocker still(tabelle.TrackBar2);
        tabelle.TrackBar2->setValue(0);
    }
    Waehle(G->ComboBox2, "9");
    EXPECT_EQ(tabelle.TrackBar2->value(), 5);
    std::tie(Graphik, Form2) = std::tuple(altGraphik, nullptr);
}

// A window made for a view shows it from the start: the bars, the lengths,
// the switches and the captions; without axes the numbers' switch is off.
TEST_F(EinheitenTest, AWindowMadeForAViewShowsIt)
{
    TAnsicht a;
    std::tie(a.PositionX, a.PositionY, a.XLaenge, a.YLaenge) = std::tuple(5, -3, "9", "14");
    std::tie(a.Farbig, a.Achsen, a.Zahlen, a.XAchse, a.YAchse) = std::tuple(false, false, false, "t", "s(t)");
    TGraphik g(nullptr, &a);
    EXPECT_EQ(std::tuple(g.TrackBar2->value(), g.TrackBar1->value(), g.ComboBox2->currentText(), g.ComboBox1->currentText()),
              std::tuple(5, -3, QString("9"), QString("14")));
    EXPECT_EQ(std::tuple(g.CB2->isChecked(), g.CB3->isChecked(), g.CB4->isChecked(), g.CB4->isEnabled()),
              std::tuple(false, false, false, false));
    EXPECT_EQ(std::tuple(g.Edit1->text(), g.Edit2->text()), std::tuple(QString("t"), QString("s(t)")));
    // The inch lists wait hidden until the unit is inch.
    EXPECT_TRUE(g.ComboBox1a->isHidden() && g.ComboBox2a->isHidden());
    EXPECT_EQ(a.XLaenge, "9");
}

// Tick values of a unit with few decimals are exact at those decimals;
// one typed with more keeps them; past 15 digits the product stands.
TEST(XTeilstriche, ValuesRoundedToTheUnitsDecimals)
{
    EXPECT_EQ(TGraphik::XTeilstrichWert(3, 0.1), 0.3);
    EXPECT_EQ(TGraphik::XTeilstrichWert(-7, 0.1), -0.7);
    EXPECT_EQ(TGraphik::XTeilstrichWert(3, 0.125), 0.375);
    EXPECT_EQ(TGraphik::XTeilstrichWert(10000000000000, 0.1), 10000000000000 * 0.1);
}

}  // namespace
