// The text layer: labels behind and in front, point names in their four
// positions with white boxes, centre names, and font sizes that follow the
// view's scale.
#include "zeichnen_hilfe.h"

#include <QCheckBox>

#include <limits>

namespace {

using Op = TRecordingCanvas::TOpKind;
constexpr TColor Gelb = RGB(255, 255, 0);

class BeschriftungTest : public TZeichnenTest {
protected:
    std::unique_ptr<TRecordingCanvas> NurTexte()
    {
        auto c = std::make_unique<TRecordingCanvas>(Breite, Hoehe);
        G->DrawLabels(*c, Skala, -Skala);
        return c;
    }
    static TRecordingCanvas::TOp TextOp(const TRecordingCanvas& c, const QString& text)
    {
        for (const auto& op : c.OpsOf(Op::Text))
            if (op.Text == text)
                return op;
        ADD_FAILURE() << "no text " << text.toStdString();
        return {};
    }
    void Punkt(int k, const std::string& x, const std::string& y, const std::string& name, int pos)
    {
        Punkte[k].X = x;
        Punkte[k].Y = y;
        Punkte[k].Name = name;
        Punkte[k].NamePos = pos;
        Punkte[k].Font.Size = 10;
    }
};

TEST_F(BeschriftungTest, LabelInFrontCoversACircleLabelBehindLetsItShowThrough)
{
    G->Gitter = "0";
    // A solid yellow circle around both labels.
    Punkte[11].X = "0";
    Punkte[11].Y = "5";
    Kreise[1].RadiusX = "4";
    Kreise[1].RadiusY = "2";
    Kreise[1].Fill = "1";
    Kreise[1].FillColor = Gelb;
    Kreise[1].ShowCentre = "0";
    for (int k = 1; k <= 2; ++k) {
        Beschriftungen[k].Text = "HHHHHH";
        Beschriftungen[k].X = k == 1 ? 3.0 : 6.0;  // view units from the left edge
        Beschriftungen[k].Y = 2.5;                 // and from the top
        Beschriftungen[k].Font = TSchrift{"Tahoma", clBlack, 12, 0, {}};
        Beschriftungen[k].Vorne = k == 1 ? 1 : 0;
    }
    const QImage img = Gemalt();
    auto zaehle = [&](int x0, TColor farbe) {
        int n = 0;
        for (int y = 77; y < 86; ++y)  // inside the text cell that starts at row 75
            for (int x = x0 + 1; x < x0 + 40; ++x)
                n += PixelFarbe(img, x, y) == farbe;
        return n;
    };
    EXPECT_EQ(zaehle(90, Gelb), 0);  // the front label stands on white
    EXPECT_GT(zaehle(90, clWhite), 20);
    EXPECT_GT(zaehle(180, Gelb), 20);  // the circle shows between the letters
    EXPECT_EQ(zaehle(180, clWhite), 0);
    EXPECT_GT(zaehle(180, clBlack), 20);  // and the letters lie on top
}

TEST_F(BeschriftungTest, PointNamesInTheirFourPositionsAndTheOneShotCentring)
{
    Punkt(1, "0", "2", "L", NameLinks);
    Punkt(2, "0", "2", "O", NameOben);
    Punkt(3, "0", "2", "U", NameUnten);
    Punkt(4, "0", "2", "R", NameRechts);
    const auto c = NurTexte();
    const int x = Spalte(0), y = Zeile(2);
    const TRect links = TextOp(*c, "L").Rect, oben = TextOp(*c, "O").Rect;
    const TRect unten = TextOp(*c, "U").Rect, rechts = TextOp(*c, "R").Rect;
    EXPECT_EQ(links.Right, x - 4);  // ends 0.13 left of the point
    EXPECT_NEAR((links.Top + links.Bottom) / 2.0, y, 1.0);
    EXPECT_EQ(oben.Top, y - 15);  // top 10 x 0.05 above the point
    EXPECT_NEAR((oben.Left + oben.Right) / 2.0, x, 1.0);
    EXPECT_EQ(unten.Top, y + 4);  // 0.13 below
    EXPECT_NEAR(rechts.Left, x + 4.5, 1.0);  // 0.15 right of the point
    EXPECT_NEAR((rechts.Top + rechts.Bottom) / 2.0, y, 1.0);
    EXPECT_FALSE(G->TextMittig);

    // Centring is a request for the next left-aligned text only.
    TRecordingCanvas t;
    G->DrawLabels(t, Skala, -Skala);
    t.ClearOps();
    TFont f;
    f.Size = 10;
    G->TextMittig = true;
    G->DrawTextAt(t, "a", f, 1, 1, false, false);
    EXPECT_FALSE(G->TextMittig);
    G->DrawTextAt(t, "b", f, 1, 1, false, false);
    const auto ops = t.OpsOf(Op::Text);
    ASSERT_EQ(ops.size(), 2u);
    EXPECT_EQ(ops[1].Rect.Top, 30);
    EXPECT_EQ(ops[0].Rect.Top, 30 - (ops[0].Rect.Bottom - ops[0].Rect.Top) / 2);  // centred on row 30
}

TEST_F(BeschriftungTest, PointNamesStandOnWhiteCentreNamesAreTransparentColourOffIsBlack)
{
    Punkt(1, "1", "1", "A", NameRechts);
    Punkte[1].Color = clRed;
    Punkte[1].Font.Color = clBlue;  // the name takes the point's colour
    Punkt(11, "2", "3", "M", NameRechts);
    Punkte[11].Color = RGB(0, 128, 0);
    Kreise[1].ShowCentre = "0";  // the name is written all the same
    const auto c = NurTexte();
    const auto a = TextOp(*c, "A");
    EXPECT_EQ(a.Brush, (TBrush{clWhite, TBrushStyle::Solid}));
    EXPECT_EQ(a.Font.Color, clRed);
    const auto m = TextOp(*c, "M");
    EXPECT_EQ(m.Brush.Style, TBrushStyle::Clear);
    EXPECT_EQ(m.Font.Color, RGB(0, 128, 0));
    EXPECT_EQ(m.Font.Name, "Tahoma");
    EXPECT_EQ(m.Font.Size, 8);  // 10 points at 30 units per cm
    EXPECT_EQ(c->Brush.Style, TBrushStyle::Solid);

    // With colour off everything is written black.
    Beschriftungen[1].Text = "Text";
    Beschriftungen[1].Font.Color = clBlue;
    Beschriftungen[1].Font.Size = 12;
    G->CB2->setChecked(false);
    const auto schwarz = NurTexte();
    ASSERT_EQ(schwarz->OpsOf(Op::Text).size(), 3u);
    for (const auto& op : schwarz->OpsOf(Op::Text))
        EXPECT_EQ(op.Font.Color, clBlack) << op.Text.toStdString();
}

TEST_F(BeschriftungTest, FontSizesFollowTheScaleWithinBounds)
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

TEST_F(BeschriftungTest, DamagedLabelsAndPointsWriteNothing)
{
    Beschriftungen[1].Text = "nan";
    Beschriftungen[1].X = std::numeric_limits<double>::quiet_NaN();
    Beschriftungen[2].Text = "fern";
    Beschriftungen[2].Y = 1e300;
    Beschriftungen[3].Text = "";  // a free slot
    Beschriftungen[3].Vorne = 1;
    Beschriftungen[4].Text = "winzig";
    Beschriftungen[4].Font.Size = 0;
    Punkt(1, "x", "1", "A", NameRechts);
    Punkt(2, "1", "1", "B", 9);  // no such position
    Punkt(3, "1e300", "1", "C", NameRechts);
    const auto c = NurTexte();
    // A y beyond every conversion lands at row 1000000, off the picture.
    std::vector<TRecordingCanvas::TOp> sichtbar;
    for (const auto& op : c->OpsOf(Op::Text))
        if (op.Rect.Top < Hoehe && op.Rect.Left < Breite)
            sichtbar.push_back(op);
    ASSERT_EQ(sichtbar.size(), 1u);
    EXPECT_EQ(sichtbar[0].Text, "winzig");
    for (const auto& op : c->OpsOf(Op::Text))
        EXPECT_NE(op.Text, "C");  // far beyond every device position: not even handed on
    EXPECT_EQ(sichtbar[0].Font.Size, 1);
    EXPECT_FALSE(G->TextMittig);
}

}  // namespace
