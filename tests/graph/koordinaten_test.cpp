// The coordinate system: grid codes and colour schemes, axes, ticks, the
// numbering in decimal units or in units of pi, captions and the two label
// passes.
#include "zeichnen_hilfe.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSlider>

#include <algorithm>
#include <numbers>

namespace {

using Op = TRecordingCanvas::TOpKind;
const QString Pi = QString(QChar(0x03C0));

class KoordinatenTest : public TZeichnenTest {
protected:
    std::unique_ptr<TRecordingCanvas> NurKoordinaten()
    {
        auto c = std::make_unique<TRecordingCanvas>(Breite, Hoehe);
        G->DrawCoordinateSystem(*c, Skala, -Skala);
        return c;
    }
    static long Zahl(const TRecordingCanvas& c, TColor farbe, TPenStyle stil)
    {
        const auto ops = c.OpsOf(Op::Line);
        return std::count_if(ops.begin(), ops.end(),
                             [&](const auto& op) { return op.Pen.Color == farbe && op.Pen.Style == stil; });
    }
    // The text centred on column x, or an empty string.
    static QString TextUeber(const TRecordingCanvas& c, int x)
    {
        for (const auto& op : c.OpsOf(Op::Text))
            if (std::abs((op.Rect.Left + op.Rect.Right) / 2 - x) <= 1)
                return op.Text;
        return QString();
    }
    static bool Hat(const TRecordingCanvas& c, const QString& text)
    {
        const auto texte = c.OpsOf(Op::Text);
        return std::any_of(texte.begin(), texte.end(), [&](const auto& op) { return op.Text == text; });
    }
};

TEST_F(KoordinatenTest, GridCodesChooseSpacingStyleAndColour)
{
    struct Fall {
        const char* code;
        bool farbig;
        TColor farbe;
        TPenStyle stil;
        long linien;
    };
    // Default view: 11 x 10 units, so 23 + 21 half-unit lines, 12 + 11 unit
    // lines, 101 + 111 tenths.
    constexpr TColor Silber = RGB(192, 192, 192), Rotbraun = RGB(177, 99, 99);
    const Fall faelle[] = {
        {"1b", true, Silber, TPenStyle::Solid, 44},
        {"7", true, clBlack, TPenStyle::Dash, 44},
        {"3c", true, RGB(183, 255, 183), TPenStyle::Dot, 44},
        {"2a", true, Rotbraun, TPenStyle::Solid, 23},
        {"6a", true, Rotbraun, TPenStyle::Dash, 23},
        {"4b", true, Silber, TPenStyle::Dot, 23},
        {"6a", false, clBlack, TPenStyle::Dash, 23},
        {"5", true, Silber, TPenStyle::Solid, 212},  // millimetre paper
        {"5", true, RGB(128, 128, 128), TPenStyle::Solid, 44},
        {"5a", true, RGB(223, 191, 191), TPenStyle::Solid, 212},
        {"5a", true, Rotbraun, TPenStyle::Solid, 44},
        {"5a", false, Silber, TPenStyle::Solid, 212},  // fine lines stay grey
        {"5a", false, Rotbraun, TPenStyle::Solid, 0},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::string(f.code) + (f.farbig ? " colour" : " black"));
        G->Gitter = f.code;
        G->CB2->setChecked(f.farbig);
        EXPECT_EQ(Zahl(*NurKoordinaten(), f.farbe, f.stil), f.linien);
    }
    // Grid lines are 2 thousandths wide: width 0 here. Unknown codes draw none.
    for (const char* code : {"", "0", "0b", "9"}) {
        G->Gitter = code;
        const auto ops = NurKoordinaten()->OpsOf(Op::Line);
        EXPECT_TRUE(std::none_of(ops.begin(), ops.end(), [](const auto& op) { return op.Pen.Width == 0; })) << code;
    }
}

TEST_F(KoordinatenTest, GridLinesSpanTheView)
{
    G->Gitter = "2";
    const auto ops = NurKoordinaten()->OpsOf(Op::Line);
    ASSERT_GE(ops.size(), 23u);
    // First the horizontal lines from the bottom up, then the vertical ones.
    EXPECT_EQ(ops[0].Points, (std::vector<TPoint>{{0, 300}, {330, 300}}));
    EXPECT_EQ(ops[11].Points, (std::vector<TPoint>{{0, 0}, {0, 300}}));
    EXPECT_EQ(ops[0].Pen.Width, 0);
}

TEST_F(KoordinatenTest, AxesArrowsTicksAndTheirSwitches)
{
    G->Gitter = "0";
    auto c = NurKoordinaten();
    const auto pfeile = c->OpsOf(Op::Polygon);
    ASSERT_EQ(pfeile.size(), 2u);
    EXPECT_EQ(pfeile[0].Points, (std::vector<TPoint>{{150, 0}, {147, 8}, {153, 8}}));
    EXPECT_EQ(pfeile[0].Brush.Color, clBlack);
    EXPECT_EQ(pfeile[1].Points[0], (TPoint{330, 240}));
    EXPECT_EQ(c->OpsOf(Op::Line).size(), 21u);  // 9 y ticks, 10 x ticks, two axes
    EXPECT_FALSE(c->OpsOf(Op::Text).empty());

    // Without ticks and numbers: only the axes.
    G->CB4->setChecked(false);
    c = NurKoordinaten();
    EXPECT_EQ(c->OpsOf(Op::Polygon).size(), 2u);
    EXPECT_EQ(c->OpsOf(Op::Line).size(), 2u);
    EXPECT_TRUE(c->OpsOf(Op::Text).empty());

    // Without axes nothing of them is drawn, even with ticks switched on.
    G->CB4->setChecked(true);
    G->CB3->setChecked(false);
    EXPECT_FALSE(G->CB4->isEnabled());
    EXPECT_TRUE(NurKoordinaten()->Ops().empty());
    G->CB3->setChecked(true);
    EXPECT_TRUE(G->CB4->isEnabled());
}

TEST_F(KoordinatenTest, PiNumberingAtThePiPositionsOfTheXTrackBar)
{
    G->TrackBar2->setValue(3);
    EXPECT_EQ(G->EinheitX, std::numbers::pi / 2);
    const auto c = NurKoordinaten();
    EXPECT_EQ(TextUeber(*c, Spalte(-4)), "-2" + Pi);
    EXPECT_EQ(TextUeber(*c, Spalte(3)), "3" + Pi + "/2");
    // The pi texts hang 0.05 below the axis, the zero 0.075 below left.
    for (const auto& op : c->OpsOf(Op::Text)) {
        if (op.Text.contains(Pi)) {
            EXPECT_EQ(op.Rect.Top, 242);
        }
        if (op.Text == "0") {
            EXPECT_EQ(op.Points[0], (TPoint{141, 242}));
        }
    }
    // Units of pi (position 5), pi/3 (position 2) and pi/2 (position 3).
    const std::tuple<int, int, QString> texte[] = {
        {1, 5, Pi},                {-1, 5, "-" + Pi},        {-3, 5, "-3" + Pi},        {3, 2, Pi},
        {-6, 2, "-2" + Pi},        {1, 2, Pi + "/3"},        {-2, 2, "-2" + Pi + "/3"}, {4, 2, "4" + Pi + "/3"},
        {-5, 2, "-5" + Pi + "/3"}, {-7, 3, "-7" + Pi + "/2"}, {-2, 3, "-" + Pi},        {-1, 3, "-" + Pi + "/2"},
        {4, 3, "2" + Pi}};
    for (const auto& [k, position, text] : texte)
        EXPECT_EQ(TGraphik::PiText(k, position), text) << k << " at " << position;
    EXPECT_TRUE(TGraphik::IstPiPosition(2) && TGraphik::IstPiPosition(3) && TGraphik::IstPiPosition(5));
    EXPECT_FALSE(TGraphik::IstPiPosition(4) || TGraphik::IstPiPosition(1));
}

TEST_F(KoordinatenTest, DecimalNumbersUseTheLanguagesSeparatorAndKeepTypedDecimals)
{
    G->Gitter = "0";
    G->EinheitX = 0.1;
    G->EinheitY = 2.5;
    auto c = NurKoordinaten();
    EXPECT_EQ(TextUeber(*c, Spalte(3)), "0,3");
    EXPECT_TRUE(Hat(*c, "7,5"));

    Texte[9] = ".";
    c = NurKoordinaten();
    EXPECT_EQ(TextUeber(*c, Spalte(3)), "0.3");
    EXPECT_EQ(TextUeber(*c, Spalte(-4)), "-0.4");

    // Typed units keep their decimals.
    Texte[9] = ",";
    G->EinheitX = 0.125;
    G->EinheitY = 0.001;
    c = NurKoordinaten();
    EXPECT_EQ(TextUeber(*c, Spalte(2)), "0,25");
    EXPECT_EQ(TextUeber(*c, Spalte(-3)), "-0,375");
    EXPECT_TRUE(Hat(*c, "0,003"));
    EXPECT_EQ(TGraphik::XTeilstrichWert(3, 0.3333), 0.9999);
    EXPECT_EQ(TGraphik::XTeilstrichWert(-4, 50.0), -200.0);
}

TEST_F(KoordinatenTest, CaptionsAndLabelsAtTheirPlaces)
{
    G->Edit1->setText("Zeit");
    G->Edit2->setText("Weg");
    Beschriftungen[1].Text = "hinten";
    Beschriftungen[1].Vorne = 0;
    Beschriftungen[2].Text = "vorne";
    Beschriftungen[2].Vorne = 1;
    const auto c = NurKoordinaten();
    ASSERT_TRUE(Hat(*c, "Zeit") && Hat(*c, "Weg"));
    for (const auto& op : c->OpsOf(Op::Text)) {
        if (op.Text == "Zeit") {
            EXPECT_EQ(op.Rect.Right, 327);  // right-aligned at x = 5.9
            EXPECT_NEAR((op.Rect.Top + op.Rect.Bottom) / 2.0, 230, 1.0);  // centred at y = 0.35
        }
        if (op.Text == "Weg") {
            EXPECT_EQ(op.Points[0].X, 156);  // top-left at (0.2, 7.85)
            EXPECT_NEAR(op.Points[0].Y, 4.5, 1.0);
        }
    }
    // Labels behind come first, labels in front last, on white.
    EXPECT_EQ(c->Ops().front().Text, "hinten");
    EXPECT_EQ(c->Ops().back().Text, "vorne");
    EXPECT_EQ(c->Ops().back().Brush.Style, TBrushStyle::Solid);
}

TEST_F(KoordinatenTest, HugeAndDegenerateViewsEndQuickly)
{
    G->Gitter = "5";
    G->XMin = -1000000000;
    G->XMax = 1000000000;
    EXPECT_LT(NurKoordinaten()->Ops().size(), 1000u);
    G->XMin = G->XMax = 3;
    EXPECT_TRUE(NurKoordinaten()->Ops().empty());
}

}  // namespace
