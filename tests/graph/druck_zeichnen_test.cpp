// The printed page on a recording canvas: colours on paper, black and
// white, point names, and a view far larger than the paper.
#include "zeichnen_hilfe.h"

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

}  // namespace
