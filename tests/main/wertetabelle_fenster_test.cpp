// The value table window (its rows are checked with the table's engine).

#include "programm_fixture.h"

#include "platform/fensterart.h"
#include "platform/fensterlage.h"

#include <QFontMetrics>
#include <QLayout>
#include <QScreen>
#include <QTableWidget>

namespace {

class WertetabelleFensterTest : public GestartetTest {
protected:
    void SetUp() override
    {
        GestartetTest::SetUp();
        Form2->show();
        Form2->FillValueTable();
    }
    static QString X(int spalte) { return Form2->Zelle(spalte, 0); }
    static QString Y(int spalte) { return Form2->Zelle(spalte, 1); }
    static bool YLeer()
    {
        for (int c = 1; c <= 25; ++c)
            if (!Y(c).isEmpty())
                return false;
        return true;
    }
};

TEST_F(WertetabelleFensterTest, FollowsTheFunctionAndAColumnClickShiftsTheView)
{
    EXPECT_EQ(std::tuple(X(0), Y(0), X(1), X(25), Y(1)), std::tuple("   x", "   y", "-6", "6", "36,00"));
    // An equation that does not compile empties the whole y row.
    Form1->Edit1->setText("f(x) = 2x");
    EXPECT_TRUE(YLeer());
    emit Form2->StringGrid1->cellClicked(0, 1);
    EXPECT_EQ(std::tuple(Graphik->XMin, Graphik->XMax, X(1), X(25)), std::tuple(1, 12, "0", "12"));
    // The row titles are not a column of values.
    emit Form2->StringGrid1->cellClicked(1, 0);
    EXPECT_EQ(Graphik->XMin, 1);
}

TEST_F(WertetabelleFensterTest, UnitTrackBarsGoTogether)
{
    Form2->TrackBar2->setValue(5);  // Pi
    EXPECT_EQ(std::tuple(Graphik->TrackBar2->value(), Graphik->EinheitX), std::tuple(5, 3.141592653589793));
    EXPECT_EQ(std::tuple(X(0), X(2), Y(2)), std::tuple(" x * Pi", "-5,5", "298,6"));  // (5.5 Pi)^2
    Graphik->TrackBar2->setValue(7);  // 5 units
    EXPECT_EQ(std::tuple(Form2->TrackBar2->value(), X(0), X(2)), std::tuple(7, "   x", "-27,5"));
}

// The calculator takes either separator; a field that is no number leaves
// the result empty and the rest working. A t that is no number empties the
// y row and says so in the caption.
TEST_F(WertetabelleFensterTest, CalculatorAndTFields)
{
    Form2->Edit2->setText("3");
    Form1->Edit1->setText("f(x) = x^2+0,5");
    EXPECT_EQ(Form2->EditErgebnis->text(), " 9,5");
    Form2->Edit2->setText("1.5");
    EXPECT_EQ(Form2->EditErgebnis->text(), " 2,75");
    Form2->Edit2->setText("drei");
    EXPECT_EQ(Form2->EditErgebnis->text(), "");
    Form1->Edit1->setText("f(x) = x");
    EXPECT_EQ(std::tuple(Form2->EditErgebnis->text(), Graphik->Edit3->text()), std::tuple("", "f(x) = x"));

    Form2->Edit2->setText("4");
    Form1->Edit1->setText("f(x,t) = t*x");
    Form2->Edit3->setText("2");
    EXPECT_EQ(std::tuple(Y(1), Tag(Form2->Edit3), Form2->EditErgebnis->text()), std::tuple("-12,0", 1, " 8"));
    Form2->Edit3->setText("zwei");
    EXPECT_TRUE(YLeer());
    EXPECT_EQ(std::tuple(Tag(Form2->Edit3), Feldfarbe(Form2->Edit3)), std::tuple(0, FarbeUngueltig));
    EXPECT_TRUE(Form2->windowTitle().endsWith("f(x,t) = t*x, Fehler bei t"));
}

// The columns take the widest text the y row can show and the view's x
// values, in the grid's font, and no more: the designed 36 pixels where the
// font allows. The window grows and shrinks with its grid.
TEST_F(WertetabelleFensterTest, ColumnsAreAsWideAsTheirWidestTextAndTheWindowFollows)
{
    QTableWidget* g = Form2->StringGrid1;
    const int fenster = Form2->StartBreite;
    auto soll = [g] {
        // A cell shows its text with a pixel on each side, left of the grid line.
        QStringList texte = {"-10000", "s.klein", " n.def.", "s.groß"};
        for (int c = 1; c <= 25; ++c)
            texte << X(c) << Y(c);
        int breite = 36;
        for (const QString& t : texte)
            breite = std::max(breite, QFontMetrics(g->font()).horizontalAdvance(t) + 3);
        return breite;
    };
    for (const int pixel : {0, 8}) {
        if (pixel > 0) {
            QFont klein = g->font();
            klein.setPixelSize(pixel);
            g->setFont(klein);
        }
        for (const int xmin : {-5, -1000005}) {
            SCOPED_TRACE(xmin);
            std::tie(Graphik->XMin, Graphik->XMax) = std::tuple(xmin, xmin + 11);
            Form2->FillValueTable();
            for (int c = 1; c <= 25; ++c)
                ASSERT_EQ(g->columnWidth(c), soll()) << c << " " << pixel;
            const int voll = g->columnWidth(0) + 25 * g->columnWidth(1) + 2 * g->frameWidth();
            EXPECT_EQ(std::tuple(g->maximumWidth(), Form2->StartBreite - Form2->layout()->contentsMargins().left() -
                                                        Form2->layout()->contentsMargins().right()),
                      std::tuple(voll, voll));
            // A screen too narrow for all of it leaves the columns that fit.
            const QMargins rand = Form2->layout()->contentsMargins();
            Form2->layout()->activate();
            EXPECT_EQ(g->width(), std::min(voll, Form2->width() - rand.left() - rand.right()));
            EXPECT_LE(g->geometry().right(), Form2->width());
        }
    }
    std::tie(Graphik->XMin, Graphik->XMax) = std::tuple(-5, 6);
    Form2->FillValueTable();
    EXPECT_EQ(std::tuple(g->columnWidth(0), g->columnWidth(1)), std::tuple(36, 36));  // a small font
    g->setFont(Form2->font());
    Form2->FillValueTable();
    EXPECT_EQ(Form2->StartBreite, fenster);
}

// As wide as its table where the screen has room for it, else up to the
// screen's edge, but never narrower than the controls below the table.
TEST_F(WertetabelleFensterTest, TheWindowEndsAtTheScreensEdgeButKeepsItsControlsWhole)
{
    const int rechts = QGuiApplication::primaryScreen()->availableGeometry().right() + 1;
    const QMargins rand = Rahmenbreiten(Form2);
    const int voll = Form2->StartBreite, mindestens = Form2->MindestBreite();
    ASSERT_LT(mindestens, voll);
    auto breite = [&](int platz) { return Form2->PassendeBreite(rechts - platz - rand.left() - rand.right()); };
    EXPECT_EQ(std::tuple(breite(voll + 1), breite(voll), breite(voll - 1), breite(mindestens + 1), breite(mindestens - 1)),
              std::tuple(voll, voll, voll - 1, mindestens + 1, mindestens));
}

TEST_F(WertetabelleFensterTest, ClosingUnchecksTheMenuItem)
{
    Form1->Wertetabelle1->setChecked(true);
    Form2->close();
    EXPECT_FALSE(Form1->Wertetabelle1->isChecked());
}

}  // namespace
