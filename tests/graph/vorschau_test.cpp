// The construction preview in the running graph window: what a tick leaves
// for the clicks, when it draws and copies, the family parameter, and the
// figures of the modes on a recording canvas.

#include "interaktion_fixture.h"
#include "zeichnen_hilfe.h"

#include "engine/tabellen.h"
#include "main/trace_dlg.h"

#include <QApplication>
#include <QLineEdit>

#include <memory>

namespace {

using Op = TRecordingCanvas::TOpKind;

constexpr TColor Blau = RGB(0, 0, 255);
constexpr TColor Rot = RGB(255, 0, 0);
constexpr TColor Gruen = RGB(0, 128, 0);
constexpr TColor Orange = RGB(255, 128, 0);

class VorschauTest : public InteraktionTest {
protected:
    // The pointer comes to (x, y) and the timer ticks once.
    static void Bewege(int x, int y)
    {
        Graphik->PaintBox1MouseMove(Graphik->PaintBox1, Qt::NoButton, x, y);
        Graphik->AnimatorTimer();
    }
    // Changes whenever a new frame reaches the screen.
    static qint64 Bildschirm() { return Graphik->PaintBox1->Front().cacheKey(); }

    // The figure and equation box a tick at (x, y) draws.
    static std::unique_ptr<TRecordingCanvas> Aufnahme(int x, int y, bool deutsch = true)
    {
        auto c = std::make_unique<TRecordingCanvas>(331, 301);
        const TVorschauErgebnis erg = Graphik->VorschauBerechnen(x, y);
        Graphik->VorschauZeichnen(*c, erg, deutsch);
        return c;
    }
    static std::vector<TRecordingCanvas::TOp> Texte(const TRecordingCanvas& c, const QString& text)
    {
        std::vector<TRecordingCanvas::TOp> r;
        for (const auto& op : c.OpsOf(Op::Text))
            if (op.Text == text)
                r.push_back(op);
        return r;
    }
    static std::vector<TRecordingCanvas::TOp> Linien(const TRecordingCanvas& c, TColor farbe)
    {
        std::vector<TRecordingCanvas::TOp> r;
        for (const auto& op : c.OpsOf(Op::Line))
            if (op.Pen.Color == farbe)
                r.push_back(op);
        return r;
    }

    // The line and parabola assistants without clearing the graphs.
    static void Assistent(QToolButton* knopf)
    {
        Waehle(knopf);
        AssistentFenster->NeinButtonClick();
    }
};

}  // namespace

TEST_F(VorschauTest, TangentAndNormalOverXSquaredLeaveTheirTermsForTheClick)
{
    Form1->Edit1->setText(QStringLiteral("f(x) = x^2"));
    Waehle(Graphik->TangenteButton);
    Bewege(180, 100);  // x = 1
    EXPECT_TRUE(Graphik->VorschauGueltig);
    EXPECT_EQ(Graphik->VorschauTerm, QStringLiteral("y(x) = 2*x-1"));
    EXPECT_EQ(Graphik->KoordText, QStringLiteral("B(1,00|1,000)"));
    EXPECT_EQ(Graphik->StatusBar1->Panels[0].Text, Graphik->KoordText);
    // On the screen: the tangent y = 2x - 1 passes (3 | 5), the rising
    // slope triangle stands on (1 | 1).
    const QImage& bild = Graphik->PaintBox1->Front();
    EXPECT_EQ(PixelFarbe(bild, 240, 90), Blau);
    EXPECT_EQ(PixelFarbe(bild, 205, 200), RGB(0, 255, 0));

    Waehle(Graphik->NormaleButton);
    Bewege(180, 101);
    EXPECT_EQ(Graphik->VorschauTerm, QStringLiteral("y(x) = -0,5*x +1,5"));
    EXPECT_EQ(Graphik->KoordText, QStringLiteral("N(1,00|1,000)"));

    // At the vertex there is no normal: no figure, the box says so, and the
    // term of the last normal stays (a click adopts nothing).
    Bewege(150, 100);
    EXPECT_FALSE(Graphik->VorschauGueltig);
    EXPECT_EQ(Graphik->VorschauTerm, QStringLiteral("y(x) = -0,5*x +1,5"));
    const auto c = Aufnahme(150, 100);
    EXPECT_TRUE(c->OpsOf(Op::Polygon).empty());
    EXPECT_EQ(Texte(*c, QStringLiteral(" Normale nicht definiert")).size(), 1u);
}

TEST_F(VorschauTest, AtickDrawsOnlyWhenThePointerMovedExceptInTheSlopeStep)
{
    Waehle(Graphik->PunktButton);
    Bewege(100, 100);
    qint64 k = Bildschirm();
    Graphik->AnimatorTimer();
    EXPECT_EQ(Bildschirm(), k);
    Bewege(101, 100);
    EXPECT_NE(Bildschirm(), k);
    EXPECT_EQ(Graphik->LetzteMausX, 101);

    // The slope step redraws on every tick.
    Assistent(Graphik->GeradeButton);
    ASSERT_EQ(Modus, ModusGeradeM);
    Bewege(210, 210);  // (2 | 1)
    EXPECT_DOUBLE_EQ(Graphik->SteigungM, 0.5);
    k = Bildschirm();
    Graphik->AnimatorTimer();
    EXPECT_NE(Bildschirm(), k);

    // On the y axis: no slope; the screen keeps its frame and the next tick
    // tries again.
    k = Bildschirm();
    Bewege(150, 200);
    EXPECT_EQ(Bildschirm(), k);
    EXPECT_EQ(Graphik->LetzteMausX, 210);
    EXPECT_FALSE(Graphik->VorschauGueltig);
    EXPECT_DOUBLE_EQ(Graphik->SteigungM, 0.5);

    // While an effect plays the screen stays, but the pointer is followed.
    Bewege(240, 210);
    k = Bildschirm();
    Graphik->EffektLaeuft = true;
    Bewege(270, 210);
    EXPECT_EQ(Bildschirm(), k);
    EXPECT_EQ(Graphik->LetzteMausX, 270);
    Graphik->EffektLaeuft = false;
}

TEST_F(VorschauTest, TraceOffTheGraphDrawsNothingButSaysSo)
{
    Form1->Edit1->setText(QStringLiteral("f(x) = sqrt(x)"));
    Waehle(Graphik->Tracebutton);
    Bewege(180, 100);
    EXPECT_EQ(Graphik->KoordText, QStringLiteral("T(1,00|1,000)"));
    const qint64 k = Bildschirm();
    Bewege(60, 100);  // x = -3
    EXPECT_EQ(Bildschirm(), k);
    EXPECT_EQ(Graphik->LetzteMausX, 180);
    EXPECT_EQ(Graphik->StatusBar1->Panels[0].Text, QStringLiteral("T(-3,00| --- )"));
    // At the end point of the graph the trace point exists.
    Bewege(150, 100);
    EXPECT_EQ(Graphik->KoordText, QStringLiteral("T(0,00|0,000)"));
    EXPECT_TRUE(Graphik->VorschauGueltig);
}

TEST_F(VorschauTest, AFamilysTangentFollowsTheTraceParameterWithoutAMove)
{
    Form1->Edit1->setText(QStringLiteral("f(x,t) = t*x^2"));
    Waehle(Graphik->TangenteButton);
    ASSERT_TRUE(TraceParam->isVisible());
    TraceParam->Edit->setText(QStringLiteral("2"));
    Bewege(180, 100);
    EXPECT_EQ(Graphik->VorschauTerm, QStringLiteral("y(x) = 4*x-2"));
    TraceParam->Edit->setText(QStringLiteral("1.5"));  // either separator
    Graphik->AnimatorTimer();
    EXPECT_EQ(Graphik->VorschauTerm, QStringLiteral("y(x) = 3*x-1,5"));
}

TEST_F(VorschauTest, TheTraceParameterBeingTypedKeepsItsTextAndFocus)
{
    Form1->Edit1->setText(QStringLiteral("f(x,t) = t*x^2"));
    Waehle(Graphik->TangenteButton);
    ASSERT_TRUE(TraceParam->isVisible());
    Bewege(180, 100);

    // Half a number while the user types: t counts as 0, the text stays.
    QApplication::setActiveWindow(TraceParam);
    TraceParam->Edit->setFocus();
    ASSERT_TRUE(TraceParam->Edit->hasFocus());
    TraceParam->Edit->setText(QStringLiteral("-"));
    Graphik->AnimatorTimer();
    EXPECT_EQ(TraceParam->Edit->text(), QStringLiteral("-"));
    EXPECT_TRUE(TraceParam->Edit->hasFocus());
    EXPECT_EQ(Graphik->VorschauTerm, QStringLiteral("y(x) = 0"));

    // Not being typed into: the field is mended to "0" and the keyboard
    // pointer takes the focus.
    QApplication::setActiveWindow(Graphik);
    Graphik->CursorBar->setFocus();
    TraceParam->Edit->setText(QStringLiteral("abc"));
    Graphik->AnimatorTimer();
    EXPECT_EQ(TraceParam->Edit->text(), QStringLiteral("0"));
    EXPECT_EQ(Graphik->focusWidget(), Graphik->CursorBar);
}

TEST_F(VorschauTest, AClickCanHaveTheTickComputedForItsOwnPixel)
{
    Waehle(Graphik->KreisButton);
    Bewege(180, 210);
    const qint64 k = Bildschirm();
    const TVorschauErgebnis erg = Graphik->VorschauBerechnen(210, 180);
    EXPECT_EQ(Graphik->XText, QStringLiteral("2,00"));
    EXPECT_EQ(Graphik->YText, QStringLiteral("2,00"));
    EXPECT_EQ(Graphik->KoordText, QStringLiteral("M(2,00|2,00)"));
    EXPECT_DOUBLE_EQ(erg.X, 2);
    // Nothing drawn, and the next tick still draws where the pointer is.
    EXPECT_EQ(Bildschirm(), k);
    EXPECT_EQ(Graphik->LetzteMausX, 180);

    // The preview's mapping is the window's.
    const TVorschauAbbildung a = Graphik->VorschauAbbildung();
    for (const int p : {-7, 0, 1, 165, 331, 5000}) {
        EXPECT_DOUBLE_EQ(a.PixelToWorldX(p), Graphik->PixelToWorldX(p)) << p;
        EXPECT_DOUBLE_EQ(a.PixelToWorldY(p), Graphik->PixelToWorldY(p)) << p;
    }
}

TEST_F(VorschauTest, ParabolaStepThreeDrawsCurveDimensionsAndLabels)
{
    Assistent(Graphik->ParabelButton);
    Klick(180, 100);  // d = 1
    Klick(100, 180);  // e = 2
    ASSERT_EQ(Modus, ModusParabelA);
    const auto c = Aufnahme(210, 120);  // height 4 one unit right: a = 2
    EXPECT_DOUBLE_EQ(Graphik->FaktorA, 2);
    EXPECT_EQ(Graphik->VorschauTerm, QStringLiteral("y(x) = 2*(x -1 )^2 +2"));
    const auto box = Texte(*c, QStringLiteral("y = 2(x -1 )\u00B2 +2"));
    ASSERT_EQ(box.size(), 1u);
    EXPECT_EQ(box[0].Points[0], (TPoint{12, 301 - 24}));
    EXPECT_EQ(box[0].Font.Color, Rot);

    // The green dimension stands at x = 2 from the vertex height up to 4.
    bool a = false;
    for (const auto& op : Linien(*c, Gruen))
        a = a || op.Points == std::vector<TPoint>{{210, 180}, {210, 120}};
    EXPECT_TRUE(a);
    for (const char* label : {"d = 1", "e = 2", "a = 2"})
        EXPECT_EQ(Texte(*c, QString::fromLatin1(label)).size(), 1u) << label;
    const auto englisch = Aufnahme(210, 120, false);
    for (const char* label : {"h = 1", "k = 2", "a = 2"})
        EXPECT_EQ(Texte(*englisch, QString::fromLatin1(label)).size(), 1u) << label;

    // One segment per column at most, none beyond the picture's edges.
    const auto kurve = Linien(*c, Orange);
    ASSERT_FALSE(kurve.empty());
    EXPECT_LE(kurve.size(), 331u + 2u);
    for (const auto& op : kurve)
        for (const TPoint& p : op.Points)
            EXPECT_TRUE(p.X >= -1 && p.X <= 332) << p.X;

    // A much taller view: still at most one segment per column.
    Graphik->YMax = 100000;
    const auto hoch = Aufnahme(210, 120);
    EXPECT_LE(Linien(*hoch, Orange).size(), 331u + 2u);
}

TEST_F(VorschauTest, CircleIsRoundInFunctionUnitsWithItsCentreAndRadius)
{
    Graphik->EinheitY = 2;
    Waehle(Graphik->KreisButton);
    Klick(150, 240);  // centre (0 | 0)
    ASSERT_EQ(Modus, ModusKreisRadius);
    const auto c = Aufnahme(240, 180);  // (3 | 4): radius 5
    EXPECT_DOUBLE_EQ(Flagge.Radius, 5);
    EXPECT_EQ(Flagge.RadiusText, "5");
    bool kreis = false;
    for (const auto& op : c->OpsOf(Op::Ellipse))
        if (op.Pen.Color == Gruen)
            kreis = op.Rect == TRect{-1, 165, 301, 315};
    EXPECT_TRUE(kreis);
    const auto mitte = Texte(*c, QStringLiteral("M(0|0)   "));
    ASSERT_EQ(mitte.size(), 1u);
    EXPECT_EQ(mitte[0].Font.Color, Gruen);
    const auto radius = Texte(*c, QStringLiteral("r = 5"));
    ASSERT_EQ(radius.size(), 1u);
    EXPECT_EQ(radius[0].Font.Color, Rot);
    EXPECT_GT(radius[0].Points[0].X, mitte[0].Points[0].X);
    // The radius from the pointer to the centre.
    EXPECT_FALSE(Linien(*c, Rot).empty());
}

TEST_F(VorschauTest, SlopeTriangleRisesInGreenAndFallsInRed)
{
    Assistent(Graphik->GeradeButton);
    auto c = Aufnahme(210, 210);  // (2 | 1)
    auto dreiecke = c->OpsOf(Op::Polygon);
    ASSERT_EQ(dreiecke.size(), 1u);
    EXPECT_EQ(dreiecke[0].Brush.Color, RGB(0, 255, 0));
    EXPECT_EQ(dreiecke[0].Points, (std::vector<TPoint>{{150, 240}, {180, 240}, {180, 225}}));
    EXPECT_EQ(dreiecke[0].Pen.Color, Blau);  // the equation box's pen
    auto eins = Texte(*c, QStringLiteral("1"));
    ASSERT_EQ(eins.size(), 1u);
    EXPECT_EQ(eins[0].Points[0].Y, 242);
    EXPECT_EQ(eins[0].Font.Color, Orange);
    EXPECT_EQ(Texte(*c, QStringLiteral("m = 0,5")).size(), 1u);
    EXPECT_EQ(Texte(*c, QStringLiteral("y = 0,5 x ")).size(), 1u);

    c = Aufnahme(90, 210);  // (-2 | 1)
    dreiecke = c->OpsOf(Op::Polygon);
    ASSERT_EQ(dreiecke.size(), 1u);
    EXPECT_EQ(dreiecke[0].Brush.Color, Rot);
    eins = Texte(*c, QStringLiteral("1"));
    ASSERT_EQ(eins.size(), 1u);
    EXPECT_LT(eins[0].Rect.Bottom, 240);

    // Step 2: the intercept's label ends left of the y axis, its segment
    // stands on the axis.
    Klick(210, 210);
    ASSERT_EQ(Modus, ModusGeradeB);
    c = Aufnahme(240, 180);  // b = 2
    const auto b = Texte(*c, QStringLiteral("b = 2,00"));
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0].Rect.Right, 147);
    bool abschnitt = false;
    for (const auto& op : Linien(*c, Blau))
        abschnitt = abschnitt || op.Points == std::vector<TPoint>{{150, 240}, {150, 180}};
    EXPECT_TRUE(abschnitt);
    EXPECT_EQ(Graphik->VorschauTerm, QStringLiteral("y(x) = 0,5*x +2"));
}

TEST_F(VorschauTest, PointAndVerticalShowTheSnappedPointer)
{
    Waehle(Graphik->PunktButton);
    auto c = Aufnahme(180, 210);
    const auto text = Texte(*c, QStringLiteral("P(1,00|1,00)"));
    ASSERT_EQ(text.size(), 1u);
    // Beside the point, centred on it in 8-point type: (-11 - 6) div 2.
    EXPECT_EQ(text[0].Points[0], (TPoint{192, 202}));
    EXPECT_EQ(text[0].Brush.Style, TBrushStyle::Solid);
    EXPECT_EQ(c->OpsOf(Op::Ellipse).size(), 1u);
    EXPECT_TRUE(c->OpsOf(Op::Rectangle).empty());  // no equation box

    Waehle(Graphik->Senkrechtebutton);
    c = Aufnahme(180, 100);
    const auto senkrecht = Linien(*c, Gruen);
    ASSERT_EQ(senkrecht.size(), 1u);
    EXPECT_EQ(senkrecht[0].Points, (std::vector<TPoint>{{180, 404}, {180, -204}}));
    const auto box = Texte(*c, QStringLiteral("x = 1,00"));
    ASSERT_EQ(box.size(), 1u);
    EXPECT_EQ(box[0].Points[0], (TPoint{12, 277}));
}
