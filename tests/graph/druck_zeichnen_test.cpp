// The printed page on a recording canvas: colours on paper, black and
// white, point names, and a view far larger than the paper.
#include "zeichnen_hilfe.h"

#include "engine/druckseite.h"
#include "platform/sprache.h"

#include <QTableWidget>

// Registers the program's resources (hinweise_test.cpp).
void HinweiseTestRessourcenLaden();

#include <map>

namespace {

class DruckZeichnen : public TZeichnenTest {
protected:
    // The page of an A4 printable area, without table, with or without the
    // header.
    std::unique_ptr<TRecordingCanvas> Seite(bool kopf = false)
    {
        auto c = std::make_unique<TRecordingCanvas>(19000, 27700, true);
        G->DruckMitKopf = kopf;
        G->DruckeSeiten(*c, false, 19000, 27700, {});
        return c;
    }
    // Colours of the grid: the lines drawn before the view is clipped.
    static std::set<TColor> GitterFarben(const TRecordingCanvas& c)
    {
        std::set<TColor> r;
        for (const auto& op : c.OpsOf(Op::Line))
            if (!op.Clipped)
                r.insert(op.Pen.Color);
        return r;
    }
};

TEST_F(DruckZeichnen, GridColoursOnPaper)
{
    // Paper colours of the schemes, black without colour or scheme, the
    // millimetre grid in two colours (fine lines grey without colour).
    const std::tuple<const char*, bool, std::set<TColor>> faelle[] = {
        {"1a", true, {RGB(128, 64, 64)}}, {"2", true, {clBlack}}, {"5c", true, {G->GitterFarbe[3], RGB(0, 255, 0)}},
        {"5c", false, {RGB(192, 192, 192), clBlack}}, {"0b", true, {}},
    };
    for (const auto& [gitter, farbig, farben] : faelle) {
        G->Gitter = gitter;
        G->CB2->setChecked(farbig);
        const auto c = Seite();
        EXPECT_EQ(GitterFarben(*c), farben) << gitter << ' ' << farbig;
        // The thinnest line; the unit grid "6c" dashed.
        for (const auto& op : c->OpsOf(Op::Line))
            EXPECT_TRUE(op.Clipped || op.Pen.Width == 1) << gitter;
    }
    G->Gitter = "6c";
    EXPECT_EQ(Seite()->OpsOf(Op::Line)[0].Pen.Style, TPenStyle::Dash);
}

TEST_F(DruckZeichnen, ColourOffPrintsEquationsAndLabelsBlack)
{
    auto& f = Setze(1, [](long double x, long double) { return x; });
    f.SetTerm("f(x) = x");
    f.SetColor(clBlue);
    std::tie(Beschriftungen[1].Text, Beschriftungen[1].Font.Color, Beschriftungen[1].Font.Size) =
        std::tuple("Hallo", clRed, 12);
    for (const bool farbig : {true, false}) {
        G->CB2->setChecked(farbig);
        std::set<TColor> farben;
        bool gleichung = false, label = false;
        for (const auto& op : Seite(true)->OpsOf(Op::Text)) {
            farben.insert(op.Font.Color);
            gleichung = gleichung || (op.Text == QStringLiteral("f(x) = x") && op.Font.Color == (farbig ? clBlue : clBlack));
            label = label || (op.Text == QStringLiteral("Hallo") && op.Font.Size == 12);
        }
        EXPECT_TRUE(gleichung && label) << farbig;
        EXPECT_TRUE(farbig || farben == std::set<TColor>{clBlack});
    }
}

TEST_F(DruckZeichnen, NamesAboveTheirPointsWithYUp)
{
    std::tie(Punkte[1].X, Punkte[1].Y, Punkte[1].Name, Punkte[1].NamePos, Punkte[1].Font.Size) =
        std::tuple("1", "2", "A", NameOben, 10);
    // The top 0.05 * size view units over the point, centred on it.
    const auto a = TextOp(*Seite(), "A").value();
    EXPECT_EQ(a.Points[0].Y, G->WorldToPrintY(2.5L));
    EXPECT_NEAR(a.Rect.Left + a.Rect.Right, 2 * G->WorldToPrintX(1), 2);
    // A point without both coordinates has no place, and no name printed.
    for (const auto& [x, y] : {std::pair("3", ""), std::pair("", "3")}) {
        std::tie(Punkte[2].X, Punkte[2].Y, Punkte[2].Name) = std::tuple(x, y, "B");
        EXPECT_FALSE(TextOp(*Seite(), "B"));
    }
    // The last point's name on white in its font; the first and the last
    // centre's names see-through in 10 points, on paper and on the screen.
    std::tie(Punkte[10].X, Punkte[10].Y, Punkte[10].Name, Punkte[10].NamePos, Punkte[10].Font.Size) =
        std::tuple("2", "3", "J", NameUnten, 14);
    std::tie(Punkte[11].X, Punkte[11].Y, Punkte[11].Name, Punkte[11].NamePos) = std::tuple("-1", "4", "M1", NameRechts);
    std::tie(Punkte[20].X, Punkte[20].Y, Punkte[20].Name, Punkte[20].NamePos) = std::tuple("3", "5", "M10", NameLinks);
    const auto seite = Seite();
    const auto schirm = Aufnahme();
    for (const TRecordingCanvas* c : {seite.get(), schirm.get()}) {
        const auto j = TextOp(*c, "J"), m1 = TextOp(*c, "M1"), m10 = TextOp(*c, "M10");
        ASSERT_TRUE(j && m1 && m10);
        EXPECT_EQ(j->Brush.Style, TBrushStyle::Solid);
        EXPECT_EQ(std::pair(m1->Brush.Style, m10->Brush.Style), std::pair(TBrushStyle::Clear, TBrushStyle::Clear));
    }
    EXPECT_EQ(std::tuple(TextOp(*seite, "J")->Font.Size, TextOp(*seite, "M1")->Font.Size, TextOp(*seite, "M10")->Font.Size),
              std::tuple(14, 10, 10));
}

TEST_F(DruckZeichnen, AViewFarLargerThanThePaperIsDrawnOnlyAsFarAsThePaper)
{
    auto& f = Setze(1, [](long double x, long double) { return x; });
    std::tie(G->XMax, G->YMin, G->Gitter) = std::tuple(2000, -2000, "5b");
    const auto c = Seite();
    // 1000 samples per view unit, over the 17 cm of paper right of the
    // margin and one unit more: not over 2005 units.
    EXPECT_GT(f.Aufrufe, 17000);
    EXPECT_LT(f.Aufrufe, 25000);
    // The millimetre grid too: about 900 lines on the page, not 60000.
    const auto linien = c->OpsOf(Op::Line);
    EXPECT_LT(std::count_if(linien.begin(), linien.end(), [](const auto& op) { return !op.Clipped; }), 2000);
}

TEST_F(DruckZeichnen, LabelsInFrontStandOnWhiteThoseBehindLetThePaperShowThrough)
{
    const TSchrift schrift{"Tahoma", clBlack, 12, 0, {}};
    Beschriftungen[2] = TBeschriftung{"vorne", 1.0, 1.0, schrift, 1, {}};
    Beschriftungen[9] = TBeschriftung{"hinten", 2.0, 3.0, schrift, 0, {}};
    const auto c = Seite();
    const auto vorne = TextOp(*c, "vorne").value(), hinten = TextOp(*c, "hinten").value();
    EXPECT_EQ(vorne.Brush, (TBrush{clWhite, TBrushStyle::Solid}));
    EXPECT_EQ(hinten.Brush.Style, TBrushStyle::Clear);
    // Behind first, in front last; at their places on paper, with the
    // font's own size.
    EXPECT_EQ(c->Ops().back().Text, "vorne");
    EXPECT_EQ(hinten.Points[0], (TPoint{G->WorldToPrintX(-3.0), G->WorldToPrintY(5.0L)}));
    EXPECT_EQ(std::pair(hinten.Font.Size, vorne.Font.Size), std::pair(12, 12));
}

// The numbers of the axes on paper, in 10 points: x from -4 to 5 with its
// one "0", y from -1 to 7 without one of its own.
TEST_F(DruckZeichnen, AxisNumbersInTenPointsWithOneZero)
{
    G->Gitter = "0";
    std::map<QString, int> zahlen;
    for (const auto& op : Seite()->OpsOf(Op::Text)) {
        EXPECT_EQ(op.Font.Size, 10) << op.Text.toStdString();
        ++zahlen[op.Text];
    }
    const std::map<QString, int> soll = {{"-4", 1}, {"-2", 1}, {"-1", 2}, {"0", 1}, {"1", 2}, {"5", 2},
                                         {"6", 1},  {"7", 1},  {"8", 0},  {"-5", 0}};
    for (const auto& [z, n] : soll)
        EXPECT_EQ(zahlen[z], n) << z.toStdString();
}

// The header: a white box with its shadow, the program's name, the page's
// title, a rule, and the equations of the compiled functions in two
// columns of four, each in its function's colour.
TEST_F(DruckZeichnen, HeaderWithTitleRuleAndTheEquationsInTwoColumns)
{
    HinweiseTestRessourcenLaden();
    ASSERT_TRUE(LoadLanguage(SpracheDeutsch));
    const QString seitenTitel = Txt(291), ueberschrift = Txt(292);
    ASSERT_FALSE(seitenTitel.isEmpty() || ueberschrift.isEmpty());
    for (int k = 1; k <= 6; ++k) {
        auto& f = Setze(k, [](long double x, long double) { return x; });
        f.SetTerm("f(x) = " + std::to_string(k) + "*x");
        f.SetColor(RGB(k, 0, 0));
    }
    Setze(4, nullptr).SetTerm("f(x) = 4x");  // not compiled: left out
    const auto c = Seite(true);
    const auto boxen = c->OpsOf(Op::RoundRect);
    ASSERT_EQ(boxen.size(), 2u);
    EXPECT_EQ(std::tuple(boxen[0].Rect, boxen[0].Brush.Color, boxen[1].Rect, boxen[1].Brush.Color),
              std::tuple(TRect{2100, -3100, 6300, -2100}, clBlack, TRect{2000, -3000, 6200, -2000}, clWhite));
    EXPECT_EQ(std::tuple(TextOp(*c, "Tessaplun 8")->Font.Size, TextOp(*c, seitenTitel)->Font.Size,
                         TextOp(*c, ueberschrift)->Font.Size),
              std::tuple(13, 16, 11));
    EXPECT_EQ(TextOp(*c, ueberschrift)->Points[0], (TPoint{2000, -4000}));
    bool regel = false;
    for (const auto& op : c->OpsOf(Op::Line))
        regel = regel || op.Points == std::vector<TPoint>{{2000, -3500}, {19000, -3500}};
    EXPECT_TRUE(regel);
    // Equations 1, 2, 3, 5 in the first column, 6 heads the second.
    const std::pair<const char*, TPoint> gleichungen[] = {
        {"f(x) = 1*x", {2000, -4700}}, {"f(x) = 3*x", {2000, -6100}},
        {"f(x) = 5*x", {2000, -6800}}, {"f(x) = 6*x", {10000, -4700}}};
    for (const auto& [text, lage] : gleichungen) {
        const auto op = TextOp(*c, text);
        ASSERT_TRUE(op) << text;
        EXPECT_EQ(std::tuple(op->Points[0], op->Font.Size, op->Brush.Style), std::tuple(lage, 11, TBrushStyle::Solid))
            << text;
    }
    EXPECT_EQ(TextOp(*c, "f(x) = 3*x")->Font.Color, RGB(3, 0, 0));
    EXPECT_FALSE(TextOp(*c, "f(x) = 4x"));
}

// The value table's cells on paper: the title column grey, the values on
// white, each cell as wide as its widest text needs and as high as the
// screen's row, the text 3 points inside its cell and cut at it; a clip of
// the page is put back afterwards.
TEST_F(DruckZeichnen, ValueTableCellsWithTheirTextsInside)
{
    QTableWidget grid(2, 3);
    const char* texte[2][3] = {{" x", "-1", "1000000"}, {" f(x)", "1", "2"}};
    for (int r = 0; r < 2; ++r)
        for (int s = 0; s < 3; ++s)
            grid.setItem(r, s, new QTableWidgetItem(QString::fromLatin1(texte[r][s])));
    for (int s = 0; s < 3; ++s)
        grid.setColumnWidth(s, 40);
    grid.setRowHeight(0, 20);
    grid.setRowHeight(1, 30);
    TRecordingCanvas c(19000, 27700, true);
    c.SetClipRect(TRect{0, 0, 15000, -20000});
    G->PrintValueTable(c, grid, 1000, -1000, 0, 2, 0, 1, 1.0, false);
    EXPECT_EQ(std::pair(c.HasClip(), c.ClipRect()), std::pair(true, TRect{0, -20000, 15000, 0}));
    const auto zellen = c.OpsOf(Op::Rectangle);
    ASSERT_EQ(zellen.size(), 6u);
    const std::int32_t rand = PunkteZuSeite(3, 1.0);
    const std::int32_t breitWert = std::max(PunkteZuSeite(41, 1.0), c.TextWidth(QStringLiteral("1000000")) + 2 * rand);
    // Column by column, rows downwards (rectangles are kept with their top
    // below their bottom, as y grows upwards on paper).
    const std::int32_t zeile1 = PunkteZuSeite(21, 1.0), zeile2 = PunkteZuSeite(31, 1.0);
    EXPECT_EQ(std::tuple(zellen[0].Rect.Left, zellen[0].Rect.Bottom, zellen[0].Rect.Top),
              std::tuple(1000, -1000, -1000 - zeile1));
    EXPECT_EQ(std::pair(zellen[1].Rect.Bottom, zellen[1].Rect.Top), std::pair(-1000 - zeile1, -1000 - zeile1 - zeile2));
    EXPECT_EQ(zellen[2].Rect.Left, zellen[0].Rect.Right);
    EXPECT_EQ(zellen[2].Rect.Right - zellen[2].Rect.Left, breitWert);
    EXPECT_EQ(zellen[4].Rect.Right - zellen[4].Rect.Left, breitWert);
    EXPECT_EQ(std::tuple(zellen[0].Brush.Color, zellen[1].Brush.Color, zellen[2].Brush.Color, zellen[5].Brush.Color),
              std::tuple(RGB(192, 192, 192), RGB(192, 192, 192), clWhite, clWhite));
    EXPECT_EQ(zellen[0].Pen.Color, RGB(51, 51, 51));
    const auto texteOps = c.OpsOf(Op::Text);
    ASSERT_EQ(texteOps.size(), 6u);
    for (std::size_t i = 0; i < 6; ++i) {
        const TRect& z = zellen[i].Rect;
        const auto& t = texteOps[i];
        EXPECT_EQ(t.Points[0].X, z.Left + rand) << t.Text.toStdString();
        EXPECT_EQ(t.Clip, (TRect{z.Left + rand, z.Top, z.Right - rand, z.Bottom})) << t.Text.toStdString();
        EXPECT_TRUE(t.Clipped);
        EXPECT_NEAR(t.Points[0].Y - c.TextHeight(t.Text) / 2.0, (z.Top + z.Bottom) / 2.0, 1.0) << t.Text.toStdString();
        EXPECT_EQ(std::pair(t.Font.Color, t.Brush.Style), std::pair(clBlack, TBrushStyle::Clear));
    }
    EXPECT_EQ(std::pair(c.Brush.Color, c.Brush.Style), std::pair(clWhite, TBrushStyle::Solid));
    // Without a clip before, none after; nothing for a block beyond the grid.
    TRecordingCanvas ohne(19000, 27700, true);
    G->PrintValueTable(ohne, grid, 0, 0, 0, 2, 0, 1, 1.0, false);
    EXPECT_FALSE(ohne.HasClip());
    ohne.ClearOps();
    G->PrintValueTable(ohne, grid, 0, 0, 5, 7, 0, 1, 1.0, false);
    for (const double skala : {0.0, -1.0, std::numeric_limits<double>::infinity()})
        G->PrintValueTable(ohne, grid, 0, 0, 0, 2, 0, 1, skala, false);
    EXPECT_TRUE(ohne.Ops().empty());
}

// The axes on paper: each ends in a filled arrow head at the view's edge and
// carries a tick at every whole number strictly inside; without numbers no
// ticks, without axes neither.
TEST_F(DruckZeichnen, AxesEndInArrowHeadsAndTickEveryWholeNumberInside)
{
    G->Gitter = "0";
    auto P = [this](double x, long double y) { return TPoint{G->WorldToPrintX(x), G->WorldToPrintY(y)}; };
    auto striche = [&](const TRecordingCanvas& c) {
        std::set<std::pair<double, double>> r;  // (x, y) of each tick's centre
        for (const auto& op : c.OpsOf(Op::Line)) {
            const TPoint a = op.Points[0], b = op.Points[1];
            for (int k = -6; k <= 9; ++k) {
                if (a == P(-0.08, k) && b == P(0.08, k))
                    r.insert({0, k});
                if (a == P(k, -0.08L) && b == P(k, 0.08L))
                    r.insert({k, 0});
            }
        }
        return r;
    };
    const auto c = Seite();
    const auto pfeile = c->OpsOf(Op::Polygon);
    ASSERT_EQ(pfeile.size(), 2u);
    EXPECT_EQ(pfeile[0].Points, (std::vector<TPoint>{P(0, 8), P(-0.09, 7.75L), P(0.09, 7.75L)}));
    EXPECT_EQ(pfeile[1].Points, (std::vector<TPoint>{P(6, 0), P(5.75, 0.1L), P(5.75, -0.1L)}));
    for (const auto& p : pfeile)
        EXPECT_EQ(p.Brush, (TBrush{clBlack, TBrushStyle::Solid}));
    std::set<std::pair<double, double>> soll;
    for (int k = -1; k <= 7; ++k)
        soll.insert({0, k});
    for (int k = -4; k <= 5; ++k)
        soll.insert({k, 0});
    EXPECT_EQ(striche(*c), soll);

    G->CB4->setChecked(false);
    const auto ohneZahlen = Seite();
    EXPECT_EQ(ohneZahlen->OpsOf(Op::Polygon).size(), 2u);
    EXPECT_TRUE(striche(*ohneZahlen).empty());
    G->CB3->setChecked(false);
    EXPECT_TRUE(Seite()->OpsOf(Op::Polygon).empty());
}

// The whole-unit grid on paper: a line at every whole y from the bottom to
// the top of the view across it, and at every whole x from left to right.
// The axis captions stand at the ends of their axes: the x caption left of
// the view's right edge above the x axis, the y caption right of the y axis
// under the view's top.
TEST_F(DruckZeichnen, AxisCaptionsAtTheEndsOfTheirAxes)
{
    std::tie(G->Ansicht.XAchse, G->Ansicht.YAchse) = std::pair("Zeit", "Weg");
    const auto c = Seite();
    const auto x = TextOp(*c, "Zeit"), y = TextOp(*c, "Weg");
    ASSERT_TRUE(x && y);
    // Between two rows of the view, by the middle of the text.
    auto zwischen = [this](const TRect& r, long double unten, long double oben) {
        const int m = (r.Top + r.Bottom) / 2, a = G->WorldToPrintY(unten), b = G->WorldToPrintY(oben);
        return std::min(a, b) < m && m < std::max(a, b);
    };
    EXPECT_LE(x->Rect.Right, G->WorldToPrintX(6));
    EXPECT_GT(x->Rect.Left, G->WorldToPrintX(4));
    EXPECT_TRUE(zwischen(x->Rect, 0, 1));
    EXPECT_GE(y->Rect.Left, G->WorldToPrintX(0));
    EXPECT_LT(y->Rect.Left, G->WorldToPrintX(1));
    EXPECT_TRUE(zwischen(y->Rect, 7, 8));
}

TEST_F(DruckZeichnen, GridLinesAtEveryWholeOrHalfUnitFromEdgeToEdge)
{
    auto P = [this](double x, long double y) { return TPoint{G->WorldToPrintX(x), G->WorldToPrintY(y)}; };
    for (const auto& [gitter, teil] : {std::pair("2", 1), std::pair("1", 2)}) {
        G->Gitter = gitter;
        std::set<int> quer, laengs;  // in parts of a unit
        for (const auto& op : Seite()->OpsOf(Op::Line)) {
            if (op.Clipped)
                continue;
            for (int k = -12; k <= 18; ++k) {
                const double v = static_cast<double>(k) / teil;
                if (op.Points == std::vector<TPoint>{P(-5, v), P(6, v)})
                    quer.insert(k);
                if (op.Points == std::vector<TPoint>{P(v, 8), P(v, -2)})
                    laengs.insert(k);
            }
        }
        std::set<int> y, x;
        for (int k = -2 * teil; k <= 8 * teil; ++k)
            y.insert(k);
        for (int k = -5 * teil; k <= 6 * teil; ++k)
            x.insert(k);
        EXPECT_EQ(quer, y) << gitter;
        EXPECT_EQ(laengs, x) << gitter;
    }
}

}  // namespace
