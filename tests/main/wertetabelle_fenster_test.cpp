// The value table window follows the function, the t value, the x unit and
// the view, and shifts the view when a column is clicked. The rows
// themselves are checked with the table's engine.

#include "programm_fixture.h"

#include "platform/fensterart.h"

#include <QFontMetrics>
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
        bool leer = true;
        for (int c = 1; c <= 25; ++c)
            leer = leer && Y(c).isEmpty();
        return leer;
    }
};

TEST_F(WertetabelleFensterTest, FollowsTheFunctionAndAColumnClickShiftsTheView)
{
    EXPECT_EQ(std::tuple(X(0), Y(0), X(1), X(25), Y(1)),
              std::tuple(QStringLiteral("   x"), QStringLiteral("   y"), QStringLiteral("-6"), QStringLiteral("6"),
                         QStringLiteral("36,00")));
    Form1->Edit1->setText(QStringLiteral("f(x) = -x^6"));
    EXPECT_EQ(std::tuple(Y(5), Y(25)), std::tuple(QStringLiteral("-4096"), QStringLiteral("s.klein")));
    // An equation that does not compile empties the whole y row.
    Form1->Edit1->setText(QStringLiteral("f(x) = 2x"));
    EXPECT_TRUE(YLeer());
    EXPECT_EQ(X(1), QStringLiteral("-6"));

    emit Form2->StringGrid1->cellClicked(0, 1);
    EXPECT_EQ(std::tuple(Graphik->XMin, Graphik->XMax, X(1), X(25)),
              std::tuple(1, 12, QStringLiteral("0"), QStringLiteral("12")));
    // The row titles are not a column of values.
    emit Form2->StringGrid1->cellClicked(1, 0);
    EXPECT_EQ(Graphik->XMin, 1);
}

TEST_F(WertetabelleFensterTest, UnitTrackBarsGoTogether)
{
    Form2->TrackBar2->setValue(5);  // Pi
    EXPECT_EQ(Graphik->TrackBar2->value(), 5);
    EXPECT_DOUBLE_EQ(Graphik->EinheitX, 3.141592653589793);
    EXPECT_EQ(std::tuple(X(0), X(2), Y(2)),
              std::tuple(QStringLiteral(" x * Pi"), QStringLiteral("-5,5"), QStringLiteral("298,6")));  // (5.5 Pi)^2
    Graphik->TrackBar2->setValue(7);  // 5 units
    EXPECT_EQ(Form2->TrackBar2->value(), 7);
    EXPECT_EQ(std::tuple(X(0), X(2)), std::tuple(QStringLiteral("   x"), QStringLiteral("-27,5")));
}

// The calculator takes either separator; a field that is no number leaves
// the result empty and the rest working. A t that is no number empties the
// y row and says so in the caption.
TEST_F(WertetabelleFensterTest, CalculatorAndTFields)
{
    Form2->Edit2->setText(QStringLiteral("3"));
    Form1->Edit1->setText(QStringLiteral("f(x) = x^2+0,5"));
    EXPECT_EQ(Form2->EditErgebnis->text(), QStringLiteral(" 9,5"));
    EXPECT_TRUE(Form2->windowTitle().contains(QStringLiteral("1.  f(x) = x^2+0,5")));
    Form2->Edit2->setText(QStringLiteral("1.5"));
    EXPECT_EQ(std::tuple(Tag(Form2->Edit2), Form2->EditErgebnis->text()), std::tuple(1, QStringLiteral(" 2,75")));
    Form1->Edit1->setText(QStringLiteral("f(x) = ln(x-5)"));
    EXPECT_EQ(Form2->EditErgebnis->text(), QStringLiteral(" nicht def."));
    Form2->Edit2->setText(QStringLiteral("drei"));
    EXPECT_EQ(std::tuple(Tag(Form2->Edit2), Form2->EditErgebnis->text()), std::tuple(0, QString()));
    Form1->Edit1->setText(QStringLiteral("f(x) = x"));
    EXPECT_TRUE(Form2->EditErgebnis->text().isEmpty());
    EXPECT_EQ(Graphik->Edit3->text(), QStringLiteral("f(x) = x"));

    Form2->Edit2->setText(QStringLiteral("4"));
    Form1->Edit1->setText(QStringLiteral("f(x,t) = t*x"));
    Form2->Edit3->setText(QStringLiteral("2"));
    EXPECT_EQ(std::tuple(Y(1), Tag(Form2->Edit3), Form2->EditErgebnis->text()),
              std::tuple(QStringLiteral("-12,0"), 1, QStringLiteral(" 8")));
    Form2->Edit3->setText(QStringLiteral("zwei"));
    EXPECT_TRUE(YLeer());
    EXPECT_EQ(std::tuple(Tag(Form2->Edit3), Feldfarbe(Form2->Edit3)), std::tuple(0, FarbeUngueltig));
    EXPECT_TRUE(Form2->windowTitle().endsWith(QStringLiteral("f(x,t) = t*x, Fehler bei t")));
    Form2->Edit3->setText(QStringLiteral("0.5"));  // either separator
    EXPECT_EQ(std::tuple(Y(1), Feldfarbe(Form2->Edit3)), std::tuple(QStringLiteral("-3,00"), FarbeGueltig));
}

// The columns take the widest text the y row can show and the view's x
// values, in the grid's font, and no more: the designed 36 pixels where the
// font allows. The window grows and shrinks with its grid.
TEST_F(WertetabelleFensterTest, ColumnsAreAsWideAsTheirWidestTextAndTheWindowFollows)
{
    QTableWidget* g = Form2->StringGrid1;
    const int fenster = Form2->width();
    auto soll = [g] {
        // A cell shows its text with a pixel on each side, left of the grid line.
        QStringList texte = {QStringLiteral("-10000"), QStringLiteral("s.klein"), QStringLiteral(" n.def."),
                             QStringLiteral("s.groß")};
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
            Graphik->XMin = xmin;
            Graphik->XMax = xmin + 11;
            Form2->FillValueTable();
            for (int c = 1; c <= 25; ++c)
                ASSERT_EQ(g->columnWidth(c), soll()) << c << " " << pixel;
            EXPECT_EQ(g->width(), g->columnWidth(0) + 25 * g->columnWidth(1) + 2 * g->frameWidth());
            EXPECT_LE(g->geometry().right(), Form2->width());
        }
    }
    Graphik->XMin = -5;
    Graphik->XMax = 6;
    Form2->FillValueTable();
    EXPECT_EQ(std::tuple(g->columnWidth(0), g->columnWidth(1)), std::tuple(36, 36));  // a small font
    g->setFont(Form2->font());
    Form2->FillValueTable();
    EXPECT_EQ(Form2->width(), fenster);
}

TEST_F(WertetabelleFensterTest, ClosingUnchecksTheMenuItemAndTheSizeStays)
{
    Form1->Wertetabelle1->setChecked(true);
    Form2->close();
    EXPECT_FALSE(Form1->Wertetabelle1->isChecked());
    const QSize vorher = Form2->size();
    Form2->resize(vorher.width() + 50, vorher.height() + 50);
    EXPECT_EQ(Form2->size(), vorher);
}

}  // namespace
