// The view geometry, the coordinate system (snapping, grids, axes, numbering
// in decimals or pi) and the text layer (captions, labels, point names).
#include "zeichnen_hilfe.h"

#include <numbers>

namespace {

const QString Pi = QString(QChar(0x03C0));

class KoordinatenTest : public TZeichnenTest {
protected:
    std::unique_ptr<TRecordingCanvas> NurKoordinaten()
    {
        auto c = std::make_unique<TRecordingCanvas>(Breite, Hoehe);
        G->DrawCoordinateSystem(*c, Skala, -Skala);
        return c;
    }
    // The text centred on column x, or an empty string.
    static QString TextUeber(const TRecordingCanvas& c, int x)
    {
        for (const auto& op : c.OpsOf(Op::Text))
            if (std::abs((op.Rect.Left + op.Rect.Right) / 2 - x) <= 1)
                return op.Text;
        return QString();
    }
    std::unique_ptr<TRecordingCanvas> NurTexte()
    {
        auto c = std::make_unique<TRecordingCanvas>(Breite, Hoehe);
        G->DrawLabels(*c, Skala, -Skala);
        return c;
    }
    void Punkt(int k, const std::string& x, const std::string& y, const std::string& name, int pos)
    {
        std::tie(Punkte[k].X, Punkte[k].Y, Punkte[k].Name, Punkte[k].NamePos, Punkte[k].Font.Size) =
            std::tuple(x, y, name, pos, 10);
    }
};

TEST_F(KoordinatenTest, SnappingAtEveryStepHalvesToEvenInFunctionUnits)
{
    const std::tuple<double, int, double> faelle[] = {
        {2.2, 1, 2.0}, {2.3, 1, 2.5}, {2.25, 1, 2.0},    {-0.3, 1, -0.5},    {2.5, 0, 2.0},
        {3.5, 0, 4.0}, {-2.5, 0, -2.0}, {1.2345, 4, 1.234}, {-1.6666, 3, -1.67},
    };
    for (const auto& [v, r, soll] : faelle)
        EXPECT_DOUBLE_EQ(TGraphik::SnapToStep(v, r), soll) << v << " at step " << r;
    EXPECT_FALSE(std::signbit(TGraphik::SnapToStep(-0.2, 1)));  // shown as "0", never "-0"
    EXPECT_TRUE(std::isnan(TGraphik::SnapToStep(std::nan(""), 2)));
    // Pixel 100 is view x -1.666..., pixel 45 view y 6.5; units 2 and 0.1.
    std::tie(G->EinheitX, G->EinheitY) = std::pair(2.0, 0.1);
    for (const auto& [schritt, x, y] : {std::tuple{1, -3.5, 0.5}, {3, -3.33, 0.65}}) {
        G->TrackBar3->setValue(schritt);
        EXPECT_DOUBLE_EQ(G->PixelToWorldXSnapped(100), x);
        EXPECT_DOUBLE_EQ(G->PixelToWorldYSnapped(45), y);
    }
    // A view as wide as the integers reach: no overflow on the way.
    G->XMin = G->YMin = std::numeric_limits<std::int32_t>::min() + 1;
    G->XMax = G->YMax = std::numeric_limits<std::int32_t>::max();
    EXPECT_DOUBLE_EQ(G->PixelToWorldX(330), G->XMax);
    EXPECT_DOUBLE_EQ(G->PixelToWorldY(300), G->YMin);
}

TEST_F(KoordinatenTest, GridCodesChooseSpacingStyleAndColour)
{
    // Default view: 11 x 10 units, so 23 + 21 half-unit lines, 12 + 11 unit
    // lines, 101 + 111 tenths; fine lines stay grey without colour.
    constexpr TColor Silber = RGB(192, 192, 192), Rotbraun = RGB(177, 99, 99);
    const std::tuple<const char*, bool, TColor, TPenStyle, long> faelle[] = {
        {"1b", true, Silber, TPenStyle::Solid, 44},           {"3c", true, RGB(183, 255, 183), TPenStyle::Dot, 44},
        {"2a", true, Rotbraun, TPenStyle::Solid, 23},         {"6a", false, clBlack, TPenStyle::Dash, 23},
        {"5", true, Silber, TPenStyle::Solid, 212},
        {"5a", true, Rotbraun, TPenStyle::Solid, 44},         {"5a", false, Silber, TPenStyle::Solid, 212},
    };
    for (const auto& [code, farbig, farbe, stil, linien] : faelle) {
        G->Gitter = code;
        G->CB2->setChecked(farbig);
        const auto ops = NurKoordinaten()->OpsOf(Op::Line);
        EXPECT_EQ(std::count_if(ops.begin(), ops.end(),
                                [&](const TOp& op) { return op.Pen.Color == farbe && op.Pen.Style == stil; }),
                  linien)
            << code << (farbig ? " colour" : " black");
    }
    // First the horizontal lines from the bottom up, then the vertical ones,
    // 2 thousandths wide: width 0 here.
    G->Gitter = "2";
    const auto ops = NurKoordinaten()->OpsOf(Op::Line);
    EXPECT_EQ(ops[0].Points, (std::vector<TPoint>{{0, 300}, {330, 300}}));
    EXPECT_EQ(ops[11].Points, (std::vector<TPoint>{{0, 0}, {0, 300}}));
    EXPECT_EQ(ops[0].Pen.Width, 0);
    // Unknown codes draw none.
    for (const char* code : {"", "0", "0b", "9"}) {
        G->Gitter = code;
        const auto keine = NurKoordinaten()->OpsOf(Op::Line);
        EXPECT_TRUE(std::none_of(keine.begin(), keine.end(), [](const TOp& op) { return op.Pen.Width == 0; })) << code;
    }
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
    // Without ticks and numbers: only the axes; without axes nothing of
    // them, even with ticks switched on.
    G->CB4->setChecked(false);
    c = NurKoordinaten();
    EXPECT_EQ(std::tuple(c->OpsOf(Op::Polygon).size(), c->OpsOf(Op::Line).size(), c->OpsOf(Op::Text).size()),
              std::tuple(2u, 2u, 0u));
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
    EXPECT_EQ(TextOp(*c, "3" + Pi + "/2").value().Rect.Top, 242);
    EXPECT_EQ(TextOp(*c, "0").value().Points[0], (TPoint{141, 242}));
    // Units of pi (position 5), pi/3 (position 2) and pi/2 (position 3).
    const std::tuple<int, int, QString> texte[] = {
        {-1, 5, "-" + Pi}, {3, 2, Pi},        {-6, 2, "-2" + Pi}, {1, 2, Pi + "/3"},
        {-2, 2, "-2" + Pi + "/3"}, {4, 2, "4" + Pi + "/3"}, {-5, 2, "-5" + Pi + "/3"},
        {-2, 3, "-" + Pi}, {4, 3, "2" + Pi},
        {1, 5, Pi}, {2, 5, "2" + Pi}, {-3, 2, "-" + Pi}, {-1, 2, "-" + Pi + "/3"}, {2, 2, "2" + Pi + "/3"},
        {6, 2, "2" + Pi}, {2, 3, Pi}, {1, 3, Pi + "/2"}, {-1, 3, "-" + Pi + "/2"}, {-3, 3, "-3" + Pi + "/2"},
        {-6, 3, "-3" + Pi}, {1, 4, ""}};
    for (const auto& [k, position, text] : texte)
        EXPECT_EQ(TGraphik::PiText(k, position), text) << k << " at " << position;
}

TEST_F(KoordinatenTest, DecimalNumbersUseTheLanguagesSeparatorAndKeepTypedDecimals)
{
    G->Gitter = "0";
    std::tie(G->EinheitX, G->EinheitY) = std::pair(0.1, 2.5);
    Texte[9] = ".";
    auto c = NurKoordinaten();
    EXPECT_TRUE(TextUeber(*c, Spalte(-4)) == "-0.4" && TextOp(*c, "7.5"));  // the y numbers too
    Texte[9] = ",";
    std::tie(G->EinheitX, G->EinheitY) = std::pair(0.125, 0.001);
    c = NurKoordinaten();
    EXPECT_EQ(TextUeber(*c, Spalte(-3)), "-0,375");
    EXPECT_TRUE(TextOp(*c, "0,003"));  // y: three decimals
    // One "0" at the origin, none of the y axis's own; every other whole
    // y carries its number ("1" on both axes at unit 1).
    std::tie(G->EinheitX, G->EinheitY) = std::pair(1.0, 1.0);
    c = NurKoordinaten();
    const auto texte = c->OpsOf(Op::Text);
    const auto anzahl = [&](const char* t) {
        return std::count_if(texte.begin(), texte.end(), [t](const TOp& op) { return op.Text == t; });
    };
    EXPECT_EQ(std::tuple(anzahl("0"), anzahl("1"), anzahl("-1"), anzahl("7")), std::tuple(1, 2, 2, 1));
}

TEST_F(KoordinatenTest, CaptionsAndLabelsAtTheirPlaces)
{
    G->Edit1->setText("Zeit");
    G->Edit2->setText("Weg");
    std::tie(Beschriftungen[1].Text, Beschriftungen[1].Vorne) = std::tuple("hinten", 0);
    std::tie(Beschriftungen[2].Text, Beschriftungen[2].Vorne) = std::tuple("vorne", 1);
    const auto c = NurKoordinaten();
    const TOp zeit = TextOp(*c, "Zeit").value(), weg = TextOp(*c, "Weg").value();
    EXPECT_EQ(zeit.Rect.Right, 327);                               // right-aligned at x = 5.9
    EXPECT_NEAR((zeit.Rect.Top + zeit.Rect.Bottom) / 2.0, 230, 1.0);  // centred at y = 0.35
    EXPECT_EQ(weg.Points[0].X, 156);                               // top-left at (0.2, 7.85)
    EXPECT_NEAR(weg.Points[0].Y, 4.5, 1.0);
    // Labels behind come first, labels in front last, on white.
    EXPECT_EQ(c->Ops().front().Text, "hinten");
    EXPECT_EQ(c->Ops().back().Text, "vorne");
    EXPECT_EQ(c->Ops().back().Brush.Style, TBrushStyle::Solid);
}

TEST_F(KoordinatenTest, LabelInFrontCoversACircleLabelBehindLetsItShowThrough)
{
    G->Gitter = "0";
    // A solid yellow circle around both labels, at 3 and 6 view units from
    // the left edge and 2.5 from the top.
    std::tie(Punkte[11].X, Punkte[11].Y, Kreise[1].RadiusX, Kreise[1].RadiusY) = std::tuple("0", "5", "4", "2");
    std::tie(Kreise[1].Fill, Kreise[1].FillColor, Kreise[1].ShowCentre) = std::tuple("1", clYellow, "0");
    for (int k = 1; k <= 2; ++k)
        Beschriftungen[k] = TBeschriftung{"HHHHHH", 3.0 * k, 2.5, {"Tahoma", clBlack, 12, 0, {}},
                                          static_cast<std::uint8_t>(k == 1 ? 1 : 0), {}};
    const QImage img = Gemalt();
    auto zaehle = [&](int x0, TColor farbe) {
        int n = 0;
        for (int y = 77; y < 86; ++y)  // inside the text cell that starts at row 75
            for (int x = x0 + 1; x < x0 + 40; ++x)
                n += PixelFarbe(img, x, y) == farbe;
        return n;
    };
    EXPECT_EQ(zaehle(90, clYellow), 0);  // the front label stands on white
    EXPECT_GT(zaehle(90, clWhite), 20);
    EXPECT_GT(zaehle(180, clYellow), 20);  // the circle shows between the letters
    EXPECT_GT(zaehle(180, clBlack), 20);  // and the letters lie on top
}

TEST_F(KoordinatenTest, PointNamesInTheirFourPositions)
{
    Punkt(1, "0", "2", "L", NameLinks);
    Punkt(2, "0", "2", "O", NameOben);
    Punkt(3, "0", "2", "U", NameUnten);
    Punkt(4, "0", "2", "R", NameRechts);
    const auto c = NurTexte();
    const int x = Spalte(0), y = Zeile(2);
    const TRect links = TextOp(*c, "L").value().Rect, oben = TextOp(*c, "O").value().Rect;
    const TRect unten = TextOp(*c, "U").value().Rect, rechts = TextOp(*c, "R").value().Rect;
    EXPECT_EQ(links.Right, x - 4);  // ends 0.13 left of the point
    EXPECT_NEAR((links.Top + links.Bottom) / 2.0, y, 1.0);
    EXPECT_EQ(oben.Top, y - 15);  // top 10 x 0.05 above the point
    EXPECT_NEAR((oben.Left + oben.Right) / 2.0, x, 1.0);
    EXPECT_EQ(unten.Top, y + 4);  // 0.13 below
    EXPECT_NEAR(rechts.Left, x + 4.5, 1.0);  // 0.15 right of the point
    EXPECT_NEAR((rechts.Top + rechts.Bottom) / 2.0, y, 1.0);
}

TEST_F(KoordinatenTest, PointNamesStandOnWhiteCentreNamesAreTransparentColourOffIsBlack)
{
    Punkt(1, "1", "1", "A", NameRechts);
    Punkte[1].Color = clRed;
    Punkte[1].Font.Color = clBlue;  // the name takes the point's colour
    Punkt(11, "2", "3", "M", NameRechts);
    Punkte[11].Color = RGB(0, 128, 0);
    Kreise[1].ShowCentre = "0";  // the name is written all the same
    const auto c = NurTexte();
    const auto a = TextOp(*c, "A").value(), m = TextOp(*c, "M").value();
    EXPECT_EQ(a.Brush, (TBrush{clWhite, TBrushStyle::Solid}));
    EXPECT_EQ(a.Font.Color, clRed);
    EXPECT_EQ(m.Brush.Style, TBrushStyle::Clear);
    EXPECT_EQ(std::tuple(m.Font.Color, m.Font.Name, m.Font.Size), std::tuple(RGB(0, 128, 0), "Tahoma", 8));
    EXPECT_EQ(c->Brush.Style, TBrushStyle::Solid);
    // With colour off everything is written black.
    std::tie(Beschriftungen[1].Text, Beschriftungen[1].Font.Color, Beschriftungen[1].Font.Size) =
        std::tuple("Text", clBlue, 12);
    G->CB2->setChecked(false);
    const auto schwarz = NurTexte();
    ASSERT_EQ(schwarz->OpsOf(Op::Text).size(), 3u);
    for (const auto& op : schwarz->OpsOf(Op::Text))
        EXPECT_EQ(op.Font.Color, clBlack) << op.Text.toStdString();
}

TEST_F(KoordinatenTest, DamagedLabelsAndPointsWriteNothing)
{
    std::tie(Beschriftungen[1].Text, Beschriftungen[1].X) = std::tuple("nan", std::numeric_limits<double>::quiet_NaN());
    std::tie(Beschriftungen[2].Text, Beschriftungen[2].Y) = std::tuple("fern", 1e300);
    std::tie(Beschriftungen[3].Text, Beschriftungen[3].Vorne) = std::tuple("", 1);  // a free slot
    std::tie(Beschriftungen[4].Text, Beschriftungen[4].Font.Size) = std::tuple("winzig", 0);
    Punkt(1, "x", "1", "A", NameRechts);
    Punkt(2, "1", "1", "B", 9);  // no such position
    Punkt(3, "1e300", "1", "C", NameRechts);
    const auto c = NurTexte();
    // A y beyond every conversion lands at row 1000000, off the picture; a
    // point far beyond every device position is not even handed on.
    std::vector<TOp> sichtbar;
    for (const auto& op : c->OpsOf(Op::Text)) {
        EXPECT_NE(op.Text, "C");
        if (op.Rect.Top < Hoehe && op.Rect.Left < Breite)
            sichtbar.push_back(op);
    }
    ASSERT_EQ(sichtbar.size(), 1u);
    EXPECT_EQ(std::pair(sichtbar[0].Text, sichtbar[0].Font.Size), std::pair(QStringLiteral("winzig"), 1));
    EXPECT_FALSE(G->TextMittig);
}

TEST_F(KoordinatenTest, FontSizesFollowTheScaleWithinBounds)
{
    TRecordingCanvas c;
    G->DrawLabels(c, Skala, -Skala);
    EXPECT_EQ(G->TextGroesse(12), 10);  // 12 x 0.0264 cm at 30 units per cm
    EXPECT_EQ(G->TextGroesse(-12), 10);
    EXPECT_EQ(G->TextGroesse(0), 1);
    EXPECT_EQ(G->TextGroesse(std::numeric_limits<std::int32_t>::max()), 1000);
    G->Massstab = 1.27;  // inch mode: fonts 1.27 times smaller
    EXPECT_EQ(G->TextGroesse(12), 8);
    G->DrawLabels(c, 130 * 1.27, -130 * 1.27);
    EXPECT_EQ(G->TextGroesse(10), 35);  // the clipboard bitmap: 130 pixels per cm of paper
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
