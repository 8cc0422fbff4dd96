// The construction preview in the running graph window: when a tick draws,
// the family parameter, and the figures of the modes.

#include "interaktion_fixture.h"
#include "zeichnen_hilfe.h"

#include "engine/vorschau.h"

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
    // Operations of one kind drawn with a pen of the given colour.
    static std::vector<TRecordingCanvas::TOp> MitStift(const TRecordingCanvas& c, Op kind, TColor farbe)
    {
        std::vector<TRecordingCanvas::TOp> r;
        for (const auto& op : c.OpsOf(kind))
            if (op.Pen.Color == farbe)
                r.push_back(op);
        return r;
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
    // Nor does the trace or the tangent of a single function.
    for (QToolButton* werkzeug : {Graphik->Tracebutton, Graphik->TangenteButton}) {
        Waehle(werkzeug);
        Bewege(100, 100);
        const qint64 vorher = Bildschirm();
        Graphik->AnimatorTimer();
        EXPECT_EQ(Bildschirm(), vorher) << werkzeug->objectName().toStdString();
    }
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
    // A good number leaves the focus where it is; one not being typed into
    // is mended to "0", and the keyboard pointer takes the focus.
    QApplication::setActiveWindow(Graphik);
    Graphik->Edit3->setFocus();
    TraceParam->Edit->setText(QStringLiteral("1"));
    Graphik->AnimatorTimer();
    EXPECT_EQ(Graphik->focusWidget(), Graphik->Edit3);
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
        ASSERT_TRUE(TextOp(*c, label)) << label;
    // d centred under its red line (x 150..180, y 240), e beside the middle
    // of its blue one (y 240..180).
    const TRect d = TextOp(*c, "d = 1")->Rect, e = TextOp(*c, "e = 2")->Rect;
    EXPECT_NEAR((d.Left + d.Right) / 2.0, 165, 1.0);
    EXPECT_EQ(std::pair(d.Top, e.Left), std::pair(245, 184));
    EXPECT_NEAR((e.Top + e.Bottom) / 2.0, 210, 1.0);
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
    // A flat line counts as rising: its "1" hangs below the axis.
    c = Aufnahme(210, 240);
    ASSERT_TRUE(TextOp(*c, "1"));
    EXPECT_EQ(TextOp(*c, "1")->Rect.Top, 242);
    Klick(90, 210);
    c = Aufnahme(240, 180);  // b = 2
    EXPECT_EQ(TextOp(*c, "b = 2,00")->Rect.Right, 147);
    EXPECT_TRUE(Linie(*c, clBlue, {150, 240}, {150, 180}));
}

// Every frame shows the tool's instruction box under the preview; the
// point tool's marker and coordinates are green.
TEST_F(VorschauTest, EachFrameShowsTheInstructionBoxAndThePointInGreen)
{
    // The tool's box shows as soon as the tool is chosen.
    Graphik->StatusErneuern = false;
    Waehle(Graphik->PunktButton);
    Graphik->BildCanvas->Flush();
    EXPECT_NE(Graphik->PaintBox1->Front().pixel(5, 10), Graphik->Bild.pixel(5, 10));
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
    // Another tool takes the last frame's figure away at once: outside its
    // own box the screen is the picture again.
    const auto unterDemKasten = [] {
        const QImage& vorn = Graphik->PaintBox1->Front();
        int anders = 0;
        for (int y = 120; y < 301; ++y)
            for (int x = 0; x < 331; ++x)
                anders += vorn.pixel(x, y) != Graphik->Bild.pixel(x, y);
        return anders;
    };
    ASSERT_GT(unterDemKasten(), 20);
    Waehle(Graphik->Senkrechtebutton);
    EXPECT_EQ(unterDemKasten(), 0);
    // So does the box of the parabola's steps, also where the status is
    // not renewed (the pointer did not move since it was).
    OhneLoeschen(Graphik->ParabelButton);
    Graphik->StatusErneuern = false;
    Waehle(Graphik->PunktButton);
    const QImage& vorn2 = Graphik->PaintBox1->Front();
    int reste = 0;
    for (int y = 45; y < 75; ++y)
        for (int x = 5; x < 60; ++x)
            reste += vorn2.pixel(x, y) != Graphik->Bild.pixel(x, y);
    EXPECT_EQ(reste, 0);
}

// Each tool's figure where the geometry puts it, at 100 pixels per unit
// (view -1..2 both ways: x = 0 at column 100, y = 0 at row 200) and a snap
// step of 0.5, with the marker sizes of this scale.
TEST_F(VorschauTest, EachToolsFigureStandsWhereTheGeometryPutsIt)
{
    std::tie(Graphik->XMin, Graphik->XMax, Graphik->YMin, Graphik->YMax) = std::tuple(-1, 2, -1, 2);
    FreieFlaeche(301, 301);
    ASSERT_EQ(Graphik->PaintBox1->size(), QSize(301, 301));
    Graphik->TrackBar3->setValue(1);
    Form1->Edit1->setText(QStringLiteral("f(x) = x^2"));
    const TVorschauMasse ms = VorschauMasse(Graphik->VorschauAbbildung(), 1.0);
    ASSERT_NE(ms.r1, ms.r2);  // the marker's two sides differ at this scale
    const int mitte = (SchriftHoehe(ms.Schrift) - 6) / 2;
    constexpr TColor Gruen = RGB(0, 128, 0), Orange = RGB(255, 128, 0);
    auto marke = [&](int x, int y) { return TRect{x - ms.r1, y - ms.r1, x + ms.r2, y + ms.r2}; };
    auto ellipse = [](const TRecordingCanvas& c, TColor stift) {
        const auto e = MitStift(c, Op::Ellipse, stift);
        return e.empty() ? TRecordingCanvas::TOp{} : e.front();
    };
    // A long straight line through (x, y) with slope m on the screen.
    auto durch = [](const TRecordingCanvas& c, TColor farbe, int x, int y, double m) {
        for (const auto& op : MitStift(c, Op::Line, farbe)) {
            const TPoint a = op.Points[0], b = op.Points[1];
            if (std::abs(a.X + b.X - 2 * x) <= 1 && std::abs(a.Y + b.Y - 2 * y) <= 1 && b.X != a.X &&
                std::abs(static_cast<double>(a.Y - b.Y) / (b.X - a.X) - m) < 0.01 && std::hypot(b.X - a.X, b.Y - a.Y) > 500)
                return true;
        }
        return false;
    };
    // The flag of a centre at (x, y): its brown pole and green pennant.
    auto fahne = [](const TRecordingCanvas& c, int x, int y) {
        const auto pole = MitStift(c, Op::Line, RGB(80, 60, 40));
        const auto wimpel = c.OpsOf(Op::Polygon);
        return !pole.empty() && pole[0].Points == std::vector<TPoint>{{x, y + 1}, {x, y - 32}} && pole[0].Pen.Width == 2 &&
               !wimpel.empty() && wimpel.back().Points == std::vector<TPoint>{{x + 1, y - 32}, {x + 7, y - 28}, {x + 1, y - 23}} &&
               wimpel.back().Brush.Color == Gruen;
    };

    // The point: a green marker, its coordinates on white beside it.
    Waehle(Graphik->PunktButton);
    auto c = Aufnahme(150, 100);
    auto e = ellipse(*c, Gruen);
    EXPECT_EQ(std::tuple(e.Rect, e.Pen.Width, e.Brush.Style), std::tuple(marke(150, 100), ms.W135, TBrushStyle::Clear));
    auto t = TextOp(*c, Graphik->KoordText);
    ASSERT_TRUE(t && Graphik->KoordText.startsWith("P(0,5")) << Graphik->KoordText.toStdString();
    EXPECT_EQ(std::tuple(t->Points[0], t->Font.Size, t->Font.Color, t->Brush),
              std::tuple(TPoint{162, 100 + mitte}, ms.Schrift, Gruen, TBrush{clWhite, TBrushStyle::Solid}));
    // The circle's centre: the flag instead of the marker.
    Waehle(Graphik->KreisButton);
    c = Aufnahme(150, 100);
    EXPECT_TRUE(fahne(*c, 150, 100));
    EXPECT_TRUE(c->OpsOf(Op::Ellipse).empty());
    ASSERT_TRUE(Graphik->KoordText.startsWith("M(0,5"));
    EXPECT_EQ(TextOp(*c, Graphik->KoordText)->Points[0], (TPoint{162, 100 + mitte}));
    // Its radius: the green circle, a red radius to the centre and a red
    // dot on the rim, and the centre's flag.
    Klick(100, 200);
    c = Aufnahme(200, 200);
    e = ellipse(*c, Gruen);
    EXPECT_EQ(std::tuple(e.Rect, e.Pen.Width), std::tuple(TRect{-1, 100, 201, 300}, ms.W18));
    const auto rot = MitStift(*c, Op::Ellipse, clRed);
    ASSERT_EQ(rot.size(), 1u);
    EXPECT_EQ(std::tuple(rot[0].Rect, rot[0].Brush),
              std::tuple(TRect{200 - ms.RandLinks, 200 - ms.RandLinks, 200 + ms.SpurRechts, 200 + ms.SpurRechts},
                         TBrush{clRed, TBrushStyle::Solid}));
    EXPECT_EQ(MitStift(*c, Op::Line, clRed).front().Points, (std::vector<TPoint>{{200, 200}, {100, 200}}));
    EXPECT_TRUE(fahne(*c, 100, 200));
    // The trace point on x^2: a blue square and its coordinates.
    Waehle(Graphik->Tracebutton);
    c = Aufnahme(150, 20);
    const auto quadrat = MitStift(*c, Op::Rectangle, clBlue);
    ASSERT_EQ(quadrat.size(), 1u);
    EXPECT_EQ(quadrat[0].Rect, (TRect{150 - ms.SpurLinks, 175 - ms.SpurLinks, 150 + ms.SpurRechts, 175 + ms.SpurRechts}));
    EXPECT_EQ(TextOp(*c, Graphik->KoordText)->Points[0], (TPoint{150 + 2 * ms.s / 3, 175 + mitte}));
    // The vertical: a green line through the pointer, longer than the
    // picture is high on either side.
    Waehle(Graphik->Senkrechtebutton);
    c = Aufnahme(150, 100);
    const auto senkrecht = MitStift(*c, Op::Line, Gruen);
    ASSERT_EQ(senkrecht.size(), 1u);
    EXPECT_EQ(std::tuple(senkrecht[0].Points, senkrecht[0].Pen.Width),
              std::tuple(std::vector<TPoint>{{150, 404}, {150, -204}}, ms.W18));
    // The tangent at x = 0.5: a blue marker at the touching point, the
    // rising triangle one unit right and one up, its "1" under the foot,
    // its slope beside it, and the blue line through the point.
    Waehle(Graphik->TangenteButton);
    c = Aufnahme(150, 20);
    EXPECT_EQ(ellipse(*c, clBlue).Rect, marke(150, 175));
    auto dreieck = c->OpsOf(Op::Polygon);
    ASSERT_EQ(dreieck.size(), 1u);
    EXPECT_EQ(std::tuple(dreieck[0].Points, dreieck[0].Brush.Color),
              std::tuple(std::vector<TPoint>{{150, 175}, {250, 175}, {250, 75}}, RGB(0, 255, 0)));
    t = TextOp(*c, "1");
    EXPECT_EQ(t->Points[0].Y, 177);
    EXPECT_NEAR((t->Rect.Left + t->Rect.Right) / 2.0, 200, 1.0);
    t = TextOp(*c, "m = 1");
    ASSERT_TRUE(t);
    EXPECT_EQ(std::tuple(t->Points[0], t->Font.Color), std::tuple(TPoint{256, 125 + mitte}, RGB(0, 193, 0)));
    EXPECT_TRUE(durch(*c, clBlue, 150, 175, 1.0));
    // The line's slope from the origin, in orange with its "1" in orange,
    // and a blue marker at the pointer; then its intercept.
    OhneLoeschen(Graphik->GeradeButton);
    c = Aufnahme(200, 100);
    dreieck = c->OpsOf(Op::Polygon);
    ASSERT_EQ(dreieck.size(), 1u);
    EXPECT_EQ(dreieck[0].Points, (std::vector<TPoint>{{100, 200}, {200, 200}, {200, 100}}));
    EXPECT_EQ(TextOp(*c, "1")->Font.Color, Orange);
    EXPECT_TRUE(durch(*c, Orange, 100, 200, 1.0));
    EXPECT_EQ(ellipse(*c, clBlue).Rect, marke(200, 100));
    Klick(200, 100);
    c = Aufnahme(100, 50);  // b = 1.5
    EXPECT_EQ(c->OpsOf(Op::Polygon)[0].Points, (std::vector<TPoint>{{100, 50}, {200, 50}, {200, -50}}));
    EXPECT_TRUE(durch(*c, Orange, 100, 50, 1.0));
    const auto achse = MitStift(*c, Op::Line, clBlue);
    ASSERT_FALSE(achse.empty());
    EXPECT_EQ(std::tuple(achse.back().Points, achse.back().Pen.Width),
              std::tuple(std::vector<TPoint>{{100, 200}, {100, 50}}, ms.W28));
    t = TextOp(*c, "b = " + Graphik->YText);
    ASSERT_TRUE(t && Graphik->YText.startsWith("1,5")) << Graphik->YText.toStdString();
    EXPECT_EQ(t->Rect.Right, 90);
    EXPECT_NEAR((t->Rect.Top + t->Rect.Bottom) / 2.0, 125, 1.0);
    // The parabola's shifts and factor: red d along the x axis, blue e up
    // to the vertex, green a one unit right of it with its two ticks, the
    // green marker at the vertex, the orange curve through the pointer.
    OhneLoeschen(Graphik->ParabelButton);
    c = Aufnahme(150, 100);  // d = 0.5
    EXPECT_EQ(MitStift(*c, Op::Line, clRed).front().Points, (std::vector<TPoint>{{100, 200}, {150, 200}}));
    EXPECT_EQ(ellipse(*c, Gruen).Rect, marke(150, 200));
    EXPECT_FALSE(MitStift(*c, Op::Line, Orange).empty());
    Klick(150, 100);
    c = Aufnahme(150, 100);  // e = 1
    EXPECT_EQ(MitStift(*c, Op::Line, clBlue).front().Points, (std::vector<TPoint>{{150, 200}, {150, 100}}));
    EXPECT_EQ(ellipse(*c, Gruen).Rect, marke(150, 100));
    Klick(150, 100);
    c = Aufnahme(250, 0);  // a = 1 at x = 1.5, y = 2
    const auto gruen = MitStift(*c, Op::Line, Gruen);
    ASSERT_EQ(gruen.size(), 3u);
    EXPECT_EQ(gruen[0].Points, (std::vector<TPoint>{{250, 100}, {250, 0}}));
    EXPECT_EQ(std::tuple(gruen[1].Points, gruen[2].Points, gruen[2].Pen.Width),
              std::tuple(std::vector<TPoint>{{240, 100}, {260, 100}}, std::vector<TPoint>{{240, 0}, {260, 0}}, 1));
    bool kurve = false;
    for (const auto& op : MitStift(*c, Op::Line, Orange))
        kurve = kurve || op.Points[1] == TPoint{250, 0} || op.Points[1] == TPoint{50, 0};
    EXPECT_TRUE(kurve);
}

// A step taken back shows the earlier step's figure at once, where the
// pointer rests: the parabola's d runs red along the x axis to the pointer
// again, and e's blue line up to the vertex is gone.
TEST_F(VorschauTest, AStepTakenBackShowsItsFigureAtOnce)
{
    OhneLoeschen(Graphik->ParabelButton);
    Klick(180, 100);  // d = 1
    Bewege(100, 180);
    auto farbe = [](int x, int y) { return PixelFarbe(Graphik->PaintBox1->Front(), x, y); };
    ASSERT_EQ(std::pair(farbe(180, 200), farbe(120, 240)), std::pair(clBlue, clBlack));
    Graphik->PaintBox1MouseDown(Graphik->PaintBox1, Qt::RightButton, 100, 180);
    ASSERT_EQ(Modus, ModusParabelD);
    EXPECT_NE(farbe(180, 200), clBlue);
    EXPECT_EQ(farbe(120, 240), clRed);
}
