// The construction preview in the running graph window: when a tick draws,
// the family parameter, and the figures of the modes.

#include "interaktion_fixture.h"
#include "zeichnen_hilfe.h"

namespace {

class VorschauTest : public InteraktionTest {
protected:
    // Changes whenever a new frame reaches the screen.
    static qint64 Bildschirm() { return Graphik->PaintBox1->Front().cacheKey(); }
    // What a tick at (x, y) draws over the instruction box.
    static std::unique_ptr<TRecordingCanvas> Aufnahme(int x, int y, bool deutsch = true)
    {
        auto c = std::make_unique<TRecordingCanvas>(331, 301);
        Graphik->VorschauZeichnen(*c, Graphik->VorschauBerechnen(x, y), deutsch);
        return c;
    }
    static bool Linie(const TRecordingCanvas& c, TColor farbe, TPoint von, TPoint bis)
    {
        for (const auto& op : c.OpsOf(Op::Line))
            if (op.Pen.Color == farbe && op.Points == std::vector<TPoint>{von, bis})
                return true;
        return false;
    }
};

}  // namespace

TEST_F(VorschauTest, TangentAndNormalOverXSquaredLeaveTheirTermsForTheClick)
{
    // 30 pixels per unit, the origin at pixel (150, 240).
    Form1->Edit1->setText(QStringLiteral("f(x) = x^2"));
    Waehle(Graphik->TangenteButton);
    Bewege(180, 100);  // x = 1; the term and the point are the click's
    // The tangent passes (3 | 5); the rising slope triangle stands on (1 | 1).
    const QImage& bild = Graphik->PaintBox1->Front();
    EXPECT_EQ(PixelFarbe(bild, 240, 90), clBlue);
    EXPECT_EQ(PixelFarbe(bild, 205, 200), RGB(0, 255, 0));
    Waehle(Graphik->NormaleButton);
    Bewege(180, 101);
    EXPECT_EQ(Graphik->VorschauTerm, QStringLiteral("y(x) = -0,5*x +1,5"));
    // At the vertex there is no normal: the box says so, no figure, and the
    // click finds the preview invalid.
    Bewege(150, 100);
    EXPECT_FALSE(Graphik->VorschauGueltig);
    const auto c = Aufnahme(150, 100);
    EXPECT_TRUE(c->OpsOf(Op::Polygon).empty());
    EXPECT_TRUE(TextOp(*c, " Normale nicht definiert"));
}

TEST_F(VorschauTest, ATickDrawsOnlyWhenThePointerMovedExceptInTheSlopeStep)
{
    Waehle(Graphik->PunktButton);
    Bewege(100, 100);
    qint64 k = Bildschirm();
    Graphik->AnimatorTimer();
    EXPECT_EQ(Bildschirm(), k);
    Bewege(101, 100);
    EXPECT_NE(Bildschirm(), k);
    // What a click computes for its own pixel draws no frame.
    k = Bildschirm();
    Graphik->VorschauBerechnen(210, 180);
    EXPECT_EQ(Bildschirm(), k);
    // While an effect plays the screen stays, but the pointer is followed.
    k = Bildschirm();
    Graphik->EffektLaeuft = true;
    Bewege(120, 100);
    EXPECT_EQ(Bildschirm(), k);
    EXPECT_EQ(Graphik->LetzteMausX, 120);
    Graphik->EffektLaeuft = false;
    // The slope step redraws on every tick; on the y axis it has no slope
    // and the screen keeps its frame.
    OhneLoeschen(Graphik->GeradeButton);
    Bewege(210, 210);  // (2 | 1)
    k = Bildschirm();
    Graphik->AnimatorTimer();
    EXPECT_NE(Bildschirm(), k);
    k = Bildschirm();
    Bewege(150, 200);
    EXPECT_EQ(Bildschirm(), k);
    EXPECT_DOUBLE_EQ(Graphik->SteigungM, 0.5);
}

TEST_F(VorschauTest, AFamilysParameterIsReadEveryTickButNotOverwrittenWhileTyped)
{
    Form1->Edit1->setText(QStringLiteral("f(x,t) = t*x^2"));
    Waehle(Graphik->TangenteButton);
    ASSERT_TRUE(TraceParam->isVisible());
    TraceParam->Edit->setText(QStringLiteral("2"));
    Bewege(180, 100);
    EXPECT_EQ(Graphik->VorschauTerm, QStringLiteral("y(x) = 4*x-2"));
    TraceParam->Edit->setText(QStringLiteral("1.5"));  // either separator, no move
    Graphik->AnimatorTimer();
    EXPECT_EQ(Graphik->VorschauTerm, QStringLiteral("y(x) = 3*x-1,5"));
    // Half a number while the user types: t counts as 0, text and focus stay.
    QApplication::setActiveWindow(TraceParam);
    TraceParam->Edit->setFocus();
    ASSERT_TRUE(TraceParam->Edit->hasFocus());
    TraceParam->Edit->setText(QStringLiteral("-"));
    Graphik->AnimatorTimer();
    EXPECT_EQ(TraceParam->Edit->text(), QStringLiteral("-"));
    EXPECT_TRUE(TraceParam->Edit->hasFocus());
    EXPECT_EQ(Graphik->VorschauTerm, QStringLiteral("y(x) = 0"));
    // Not being typed into: mended to "0", the keyboard pointer takes the focus.
    QApplication::setActiveWindow(Graphik);
    Graphik->CursorBar->setFocus();
    TraceParam->Edit->setText(QStringLiteral("abc"));
    Graphik->AnimatorTimer();
    EXPECT_EQ(TraceParam->Edit->text(), QStringLiteral("0"));
    EXPECT_EQ(Graphik->focusWidget(), Graphik->CursorBar);
}

TEST_F(VorschauTest, ParabolaCircleAndLineFiguresWithTheirLabels)
{
    OhneLoeschen(Graphik->ParabelButton);
    Klick(180, 100);  // d = 1
    Klick(100, 180);  // e = 2
    auto c = Aufnahme(210, 120);  // height 4 one unit right: a = 2
    const auto box = TextOp(*c, "y = 2(x -1 )\u00B2 +2");
    ASSERT_TRUE(box);
    EXPECT_EQ(box->Points[0], (TPoint{12, 277}));
    EXPECT_EQ(box->Font.Color, clRed);
    EXPECT_TRUE(Linie(*c, clGreen, {210, 180}, {210, 120}));
    for (const char* label : {"d = 1", "e = 2", "a = 2"})
        EXPECT_TRUE(TextOp(*c, label)) << label;
    c = Aufnahme(210, 120, false);
    EXPECT_TRUE(TextOp(*c, "h = 1") && TextOp(*c, "k = 2"));
    // The circle is round in function units: an ellipse twice as wide as
    // high where the y unit is twice the x unit.
    Graphik->EinheitY = 2;
    Waehle(Graphik->KreisButton);
    Klick(150, 240);  // centre (0 | 0)
    c = Aufnahme(240, 180);  // (3 | 4): radius 5
    EXPECT_EQ(c->OpsOf(Op::Ellipse).front().Rect, (TRect{-1, 165, 301, 315}));
    ASSERT_TRUE(TextOp(*c, "r = 5") && TextOp(*c, "M(0|0)   "));
    EXPECT_EQ(TextOp(*c, "M(0|0)   ")->Font.Color, clGreen);
    Graphik->EinheitY = 1;
    // The line through the origin: a falling triangle in red with its "1"
    // above the axis; then the intercept on the y axis, labelled left of it.
    OhneLoeschen(Graphik->GeradeButton);
    c = Aufnahme(90, 210);  // (-2 | 1)
    ASSERT_EQ(c->OpsOf(Op::Polygon).size(), 1u);
    EXPECT_EQ(c->OpsOf(Op::Polygon)[0].Brush.Color, clRed);
    EXPECT_EQ(c->OpsOf(Op::Polygon)[0].Points, (std::vector<TPoint>{{150, 240}, {180, 240}, {180, 255}}));
    EXPECT_LT(TextOp(*c, "1")->Rect.Bottom, 240);
    EXPECT_NEAR((TextOp(*c, "1")->Rect.Left + TextOp(*c, "1")->Rect.Right) / 2.0, 165, 1.0);  // under its side
    Klick(90, 210);
    c = Aufnahme(240, 180);  // b = 2
    EXPECT_EQ(TextOp(*c, "b = 2,00")->Rect.Right, 147);
    EXPECT_TRUE(Linie(*c, clBlue, {150, 240}, {150, 180}));
}

// Every frame shows the tool's instruction box under the preview; the
// point tool's marker and coordinates are green.
TEST_F(VorschauTest, EachFrameShowsTheInstructionBoxAndThePointInGreen)
{
    Waehle(Graphik->PunktButton);
    Bewege(180, 210);
    const QImage& vorn = Graphik->PaintBox1->Front();
    Graphik->BildCanvas->Flush();
    int kasten = 0;
    for (int y = 6; y < 20; ++y)
        kasten += vorn.pixel(5, y) != Graphik->Bild.pixel(5, y);
    EXPECT_GT(kasten, 10);
    const auto c = Aufnahme(180, 210);
    ASSERT_FALSE(c->Ops().empty());
    for (const auto& op : c->Ops())
        EXPECT_EQ(op.Kind == Op::Text ? op.Font.Color : op.Pen.Color, RGB(0, 128, 0)) << op.Text.toStdString();
}
