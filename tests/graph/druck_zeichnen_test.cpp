// The printed page on a recording canvas: colours on paper, black and
// white, point names, and a view far larger than the paper.
#include "zeichnen_hilfe.h"

#include <QCheckBox>

#include <map>
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
        for (const auto& op : c.OpsOf(TRecordingCanvas::TOpKind::Line))
            if (!op.Clipped)
                r.insert(op.Pen.Color);
        return r;
    }
};

TEST_F(DruckZeichnen, GridColoursOnPaper)
{
    const struct {
        const char* gitter;
        bool farbig;
        std::set<TColor> farben;
    } faelle[] = {
        {"1a", true, {RGB(128, 64, 64)}},
        {"1b", true, {RGB(128, 128, 128)}},
        {"6c", true, {RGB(0, 255, 0)}},
        {"2", true, {clBlack}},
        {"1a", false, {clBlack}},
        {"5a", true, {RGB(200, 145, 145), RGB(128, 64, 64)}},
        {"5b", true, {RGB(192, 192, 192), RGB(128, 128, 128)}},
        {"5c", true, {G->GitterFarbe[3], RGB(0, 255, 0)}},
        {"5c", false, {RGB(192, 192, 192), clBlack}},
        {"0b", true, {}},
    };
    for (const auto& f : faelle) {
        G->Gitter = f.gitter;
        G->CB2->setChecked(f.farbig);
        const auto c = Seite();
        EXPECT_EQ(GitterFarben(*c), f.farben) << f.gitter << ' ' << f.farbig;
        // The thinnest line; the unit grid "6c" has 12 + 11 lines.
        for (const auto& op : c->OpsOf(TRecordingCanvas::TOpKind::Line)) {
            if (!op.Clipped) {
                EXPECT_EQ(op.Pen.Width, 1);
            }
        }
        if (std::string(f.gitter) == "6c") {
            EXPECT_EQ(MitStift(*c, TRecordingCanvas::TOpKind::Line, RGB(0, 255, 0)).size(), 11u + 12u);
            EXPECT_EQ(c->OpsOf(TRecordingCanvas::TOpKind::Line)[0].Pen.Style, TPenStyle::Dash);
        }
    }
}

TEST_F(DruckZeichnen, ColourOffPrintsEquationsAndLabelsBlack)
{
    auto& f = Setze(1, [](long double x, long double) { return x; });
    f.SetTerm("f(x) = x");
    f.SetColor(clBlue);
    Beschriftungen[1].Text = "Hallo";
    Beschriftungen[1].Font.Color = clRed;
    Beschriftungen[1].Font.Size = 12;
    for (const bool farbig : {true, false}) {
        G->CB2->setChecked(farbig);
        const auto c = Seite(true);
        std::set<TColor> farben;
        bool gleichung = false, label = false;
        for (const auto& op : c->OpsOf(TRecordingCanvas::TOpKind::Text)) {
            farben.insert(op.Font.Color);
            gleichung = gleichung || (op.Text == QStringLiteral("f(x) = x") && op.Font.Color == (farbig ? clBlue : clBlack));
            label = label || (op.Text == QStringLiteral("Hallo") && op.Font.Size == 12);
        }
        EXPECT_TRUE(gleichung) << farbig;
        EXPECT_TRUE(label) << farbig;
        if (!farbig) {
            EXPECT_EQ(farben, std::set<TColor>{clBlack});
        }
    }
}

TEST_F(DruckZeichnen, NamesOfPointsAndCentresStandWhereTheyShould)
{
    auto punkt = [](int k, const char* x, const char* y, const char* name, int pos) {
        Punkte[k].X = x;
        Punkte[k].Y = y;
        Punkte[k].Name = name;
        Punkte[k].NamePos = pos;
        Punkte[k].Font.Size = 10;
    };
    punkt(1, "1", "2", "A", 2);
    punkt(12, "-1", "3", "M2", 2);
    punkt(13, "2", "1", "M3", 4);
    const auto c = Seite();
    std::map<QString, TRecordingCanvas::TOp> text;
    for (const auto& op : c->OpsOf(TRecordingCanvas::TOpKind::Text))
        text[op.Text] = op;
    ASSERT_EQ(text.count(QStringLiteral("A")) + text.count(QStringLiteral("M2")) + text.count(QStringLiteral("M3")), 3u);
    // Above: the top 0.05 * size view units over the point, centred on it;
    // a point's name on white, a centre's name transparent.
    const auto& a = text[QStringLiteral("A")];
    EXPECT_EQ(a.Points[0].Y, G->WorldToPrintY(2.5L));
    EXPECT_NEAR(a.Rect.Left + a.Rect.Right, 2 * G->WorldToPrintX(1), 2);
    EXPECT_EQ(a.Brush.Style, TBrushStyle::Solid);
    EXPECT_EQ(text[QStringLiteral("M2")].Points[0].Y, G->WorldToPrintY(3.5L));
    EXPECT_EQ(text[QStringLiteral("M2")].Brush.Style, TBrushStyle::Clear);
    // Right: 0.15 units right, centred vertically on the point (y up).
    const auto& m3 = text[QStringLiteral("M3")];
    EXPECT_EQ(m3.Points[0].X, G->WorldToPrintX(2.15));
    EXPECT_NEAR(m3.Points[0].Y - (m3.Rect.Bottom - m3.Rect.Top) / 2, G->WorldToPrintY(1.0L), 1);
    EXPECT_FALSE(G->TextMittig);
}

TEST_F(DruckZeichnen, AViewFarLargerThanThePaperIsDrawnOnlyAsFarAsThePaper)
{
    auto& f = Setze(1, [](long double x, long double) { return x; });
    G->XMax = 2000;
    G->YMin = -2000;
    G->Gitter = "5b";
    const auto c = Seite();
    // 1000 samples per view unit, over the 17 cm of paper right of the
    // margin and one unit more: not over 2005 units.
    EXPECT_GT(f.Aufrufe, 17000);
    EXPECT_LT(f.Aufrufe, 25000);
    // The millimetre grid too: about 900 lines on the page, not 60000.
    std::size_t gitter = 0;
    for (const auto& op : c->OpsOf(TRecordingCanvas::TOpKind::Line))
        gitter += op.Clipped ? 0 : 1;
    EXPECT_LT(gitter, 2000u);
    EXPECT_EQ(G->XMax, 2000);
}

}  // namespace
