// The printed page on a recording canvas: colours on paper, black and
// white, point names, and a view far larger than the paper.
#include "zeichnen_hilfe.h"

#include <set>

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

TEST_F(DruckZeichnen, PrinterUnitsWithMarginsHeaderAndInchScale)
{
    // 0.01 mm, y up; the left edge prints 2 cm from the page edge, the top
    // 2 cm below it (8 cm with the header), whatever the scale; a y that
    // cannot be converted lands far off the page.
    using T = std::tuple<double, bool, double, double, std::int32_t, std::int32_t, std::int32_t, std::int32_t>;
    for (const auto& [massstab, kopf, x, y, px, py, pxRoh, pyRoh] :
         {T{1.0, true, -5.0, 8.0, 2000, -8000, 2000, -8000}, T{1.27, false, -4.0, 7.0, 3270, -3270, 3000, -3000}}) {
        std::tie(G->Massstab, G->DruckMitKopf) = std::tuple(massstab, kopf);
        EXPECT_EQ(std::tuple(G->WorldToPrintX(x), G->WorldToPrintY(y), G->WorldToPrintXUnscaled(x),
                             G->WorldToPrintYUnscaled(y)),
                  std::tuple(px, py, pxRoh, pyRoh))
            << massstab;
    }
    EXPECT_EQ(G->WorldToPrintY(std::numeric_limits<long double>::quiet_NaN()), 1000000);
    EXPECT_EQ(G->WorldToPrintYUnscaled(-1e30L), 1000000);
}

TEST_F(DruckZeichnen, GridColoursOnPaper)
{
    // Paper colours of the schemes, black without colour or scheme, the
    // millimetre grid in two colours (fine lines grey without colour).
    const std::tuple<const char*, bool, std::set<TColor>> faelle[] = {
        {"1a", true, {RGB(128, 64, 64)}},  {"2", true, {clBlack}},
        {"1a", false, {clBlack}},          {"5c", true, {G->GitterFarbe[3], RGB(0, 255, 0)}},
        {"5c", false, {RGB(192, 192, 192), clBlack}}, {"0b", true, {}},
    };
    for (const auto& [gitter, farbig, farben] : faelle) {
        G->Gitter = gitter;
        G->CB2->setChecked(farbig);
        const auto c = Seite();
        EXPECT_EQ(GitterFarben(*c), farben) << gitter << ' ' << farbig;
        // The thinnest line; the unit grid "6c" has 12 + 11 dashed lines.
        for (const auto& op : c->OpsOf(Op::Line))
            EXPECT_TRUE(op.Clipped || op.Pen.Width == 1) << gitter;
    }
    G->Gitter = "6c";
    const auto c = Seite();
    EXPECT_EQ(MitStift(*c, Op::Line, RGB(0, 255, 0)).size(), 11u + 12u);
    EXPECT_EQ(c->OpsOf(Op::Line)[0].Pen.Style, TPenStyle::Dash);
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

TEST_F(DruckZeichnen, NamesAboveAndRightOfTheirPointsWithYUp)
{
    for (const auto& [k, x, y, name, pos] : {std::tuple{1, "1", "2", "A", NameOben}, {13, "2", "1", "M3", NameRechts}})
        std::tie(Punkte[k].X, Punkte[k].Y, Punkte[k].Name, Punkte[k].NamePos, Punkte[k].Font.Size) =
            std::tuple(x, y, name, pos, 10);
    const auto c = Seite();
    // Above: the top 0.05 * size view units over the point, centred on it.
    const auto a = TextOp(*c, "A").value(), m3 = TextOp(*c, "M3").value();
    EXPECT_EQ(a.Points[0].Y, G->WorldToPrintY(2.5L));
    EXPECT_NEAR(a.Rect.Left + a.Rect.Right, 2 * G->WorldToPrintX(1), 2);
    // Right: 0.15 units right, centred vertically on the point.
    EXPECT_EQ(m3.Points[0].X, G->WorldToPrintX(2.15));
    EXPECT_NEAR(m3.Points[0].Y - (m3.Rect.Bottom - m3.Rect.Top) / 2, G->WorldToPrintY(1.0L), 1);
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
    EXPECT_EQ(G->XMax, 2000);
}

}  // namespace
