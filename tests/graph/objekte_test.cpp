// The object layers: circles, areas, vertical segments and points, at the
// places the view geometry fixes (default view, 30 device units per unit,
// origin at device (150, 240)).
#include "zeichnen_hilfe.h"

#include <QCheckBox>

#include <algorithm>
#include <limits>
#include <set>

namespace {

using Op = TRecordingCanvas::TOpKind;

constexpr TColor Gelb = RGB(255, 255, 0);
constexpr TColor Gruen = RGB(0, 128, 0);
constexpr TColor Lila = RGB(128, 0, 128);
constexpr TColor Tuerkis = RGB(0, 128, 128);

class ObjekteTest : public TZeichnenTest {
protected:
    void Kreis(int k, const std::string& x, const std::string& y, const std::string& rx, const std::string& ry,
               const std::string& fill, TColor fuellFarbe, bool hinten = false)
    {
        Punkte[10 + k].X = x;
        Punkte[10 + k].Y = y;
        Kreise[k].RadiusX = rx;
        Kreise[k].RadiusY = ry;
        Kreise[k].Fill = fill;
        Kreise[k].FillColor = fuellFarbe;
        Kreise[k].Hinten = hinten ? 1 : 0;
    }

    TFakeFunktion& Parabel(int k = 1, long double hoehe = 0)
    {
        return Scope.Setze(k, std::make_unique<TFakeFunktion>([hoehe](long double x, long double) {
            return std::optional<long double>(x * x + hoehe);
        }));
    }

    void Flaeche(int k, int a, int b, const std::string& von, const std::string& bis, TColor farbe, bool linien = false)
    {
        Flaechen[k].CurveA = a;
        Flaechen[k].CurveB = b;
        Flaechen[k].XFrom = von;
        Flaechen[k].XTo = bis;
        Flaechen[k].Color = farbe;
        Flaechen[k].Linien = linien ? 1 : 0;
    }

    void Senk(int k, const std::string& x, const std::string& von, const std::string& bis, int stil, TColor farbe)
    {
        Senkrechte[k].X = x;
        Senkrechte[k].YFrom = von;
        Senkrechte[k].YTo = bis;
        Senkrechte[k].LineStyle = stil;
        Senkrechte[k].Color = farbe;
    }

    // Index of the first recorded operation that matches, or -1.
    template <typename P>
    static int Erste(const TRecordingCanvas& c, P passt)
    {
        const auto& ops = c.Ops();
        for (std::size_t i = 0; i < ops.size(); ++i)
            if (passt(ops[i]))
                return static_cast<int>(i);
        return -1;
    }
};

TEST_F(ObjekteTest, LayersFollowTheRedrawOrder)
{
    Kreis(1, "-3", "5", "1", "1", "1", Gelb, true);  // behind the graphs
    Punkte[11].Color = Lila;
    Kreis(2, "3", "5", "1", "1", "1", Gelb, false);  // in front of them
    Punkte[12].Color = Tuerkis;
    Parabel();
    Flaeche(1, 1, 13, "-1", "1", Gruen);
    Senk(1, "4", "0", "2", 1, clBlue);
    Punkte[1].X = "1";
    Punkte[1].Y = "1";
    Punkte[1].Style = 4;
    Punkte[1].Color = clFuchsia;

    const auto c = Aufnahme();
    const int hinten = Erste(*c, [](const auto& op) { return op.Kind == Op::Ellipse && op.Pen.Color == Lila; });
    const int flaeche = Erste(*c, [](const auto& op) { return op.Kind == Op::Line && op.Pen.Color == Gruen; });
    const int senk = Erste(*c, [](const auto& op) { return op.Kind == Op::Line && op.Pen.Color == clBlue; });
    const int graph = Erste(*c, [](const auto& op) { return op.Kind == Op::Line && op.Pen.Color == clRed; });
    const int vorne = Erste(*c, [](const auto& op) { return op.Kind == Op::Ellipse && op.Pen.Color == Tuerkis; });
    const int punkt = Erste(*c, [](const auto& op) { return op.Kind == Op::Rectangle && op.Pen.Color == clFuchsia; });
    ASSERT_GE(hinten, 0);
    EXPECT_LT(hinten, flaeche);
    EXPECT_LT(flaeche, senk);
    EXPECT_LT(senk, graph);
    EXPECT_LT(graph, vorne);
    EXPECT_LT(vorne, punkt);
}

// A white fill is stored and drawn off-white, also for a circle that
// cannot be drawn.
TEST_F(ObjekteTest, CircleAndEllipseCoverTheirRadiiAndWhiteFillsAreOffWhite)
{
    G->Gitter = "0";
    Kreis(1, "-2", "5", "2", "2", "1", Gelb);
    Kreis(2, "3", "1", "2.5", "1", "1", clAqua);  // an ellipse, typed with "."
    Kreis(3, "-3", "0", "1,5", "1,5", "1", clWhite);
    Kreis(4, "", "", "2", "2", "1", clWhite);
    for (int k = 1; k <= 3; ++k)
        Kreise[k].ShowCentre = "0";
    const QImage img = Bild();
    EXPECT_EQ(Kreise[3].FillColor, RGB(251, 251, 251));
    EXPECT_EQ(Kreise[4].FillColor, RGB(251, 251, 251));
    EXPECT_EQ(FarbeBei(img, -3.5, 0.7), RGB(251, 251, 251));

    EXPECT_EQ(FarbeBei(img, -2, 5), Gelb);
    EXPECT_EQ(FarbeBei(img, -2 + 1.8, 5), Gelb);
    EXPECT_EQ(FarbeBei(img, -2, 5 - 1.8), Gelb);
    EXPECT_EQ(FarbeBei(img, -2 + 1.55, 5 + 1.55), clWhite);  // outside the rim on the diagonal
    EXPECT_EQ(FarbeBei(img, -2 + 2.3, 5), clWhite);

    EXPECT_EQ(FarbeBei(img, 3 + 2.2, 1), clAqua);
    EXPECT_EQ(FarbeBei(img, 3, 1 + 0.8), clAqua);
    EXPECT_EQ(FarbeBei(img, 3, 1 + 1.4), clWhite);
    EXPECT_NE(FarbeBei(img, 3 + 2.8, 1.3), clAqua);
}

TEST_F(ObjekteTest, ColourOffBlackensFillsMarkersAreasSegmentsButNotOutlines)
{
    Kreis(1, "0", "4", "1", "1", "1", Gelb);
    Punkte[11].Color = Gruen;
    Punkte[11].Style = 3;
    Kreise[1].ShowCentre = "1";
    Parabel();
    Flaeche(1, 1, 13, "-1", "1", clAqua);
    Senk(1, "4", "0", "2", 1, clBlue);
    Punkte[1].X = "2";
    Punkte[1].Y = "2";
    Punkte[1].Style = 3;
    G->CB2->setChecked(false);

    const auto c = Aufnahme();
    const auto ellipsen = c->OpsOf(Op::Ellipse);
    ASSERT_EQ(ellipsen.size(), 3u);  // circle, its centre disc, point disc
    EXPECT_EQ(ellipsen[0].Pen.Color, Gruen);  // the outline keeps its colour
    EXPECT_EQ(ellipsen[0].Brush.Color, clBlack);
    EXPECT_EQ(ellipsen[1].Pen.Color, clBlack);
    EXPECT_EQ(ellipsen[1].Brush.Color, clBlack);
    EXPECT_EQ(ellipsen[2].Pen.Color, clBlack);
    EXPECT_EQ(ellipsen[2].Brush.Color, clBlack);
    EXPECT_TRUE(MitStift(*c, Op::Line, clAqua).empty());
    EXPECT_TRUE(MitStift(*c, Op::Line, clBlue).empty());
}

// Share of hatch pixels whose neighbour one step in (dx, dy) is hatch too,
// over a square well inside a filled circle.
double Fortsetzung(const QImage& img, int x0, int y0, int dx, int dy, TColor hatch)
{
    int treffer = 0, gesamt = 0;
    for (int y = y0; y < y0 + 24; ++y)
        for (int x = x0; x < x0 + 24; ++x) {
            if (PixelFarbe(img, x, y) != hatch)
                continue;
            ++gesamt;
            if (PixelFarbe(img, x + dx, y + dy) == hatch)
                ++treffer;
        }
    return gesamt == 0 ? 0.0 : static_cast<double>(treffer) / gesamt;
}

TEST_F(ObjekteTest, HatchesRunInTheirFourDirections)
{
    G->Gitter = "0";
    struct Fall {
        const char* fill;
        int dx, dy;  // the direction along which a hatch line continues
    };
    const Fall faelle[] = {{"2", 0, 1}, {"3", 1, -1}, {"4", 1, 1}, {"5", 1, 0}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.fill);
        Kreis(1, "0", "3", "2", "2", f.fill, clBlue);
        Kreise[1].ShowCentre = "0";
        const QImage img = Bild();
        const int x0 = Spalte(0) - 12, y0 = Zeile(3) - 12;
        int blau = 0;
        for (int y = y0; y < y0 + 24; ++y)
            for (int x = x0; x < x0 + 24; ++x)
                blau += PixelFarbe(img, x, y) == clBlue;
        EXPECT_GT(blau, 24);         // there are lines
        EXPECT_LT(blau, 24 * 24 / 2);  // and room between them
        const std::pair<int, int> richtungen[] = {{0, 1}, {1, -1}, {1, 1}, {1, 0}};
        for (const auto& [dx, dy] : richtungen) {
            const double anteil = Fortsetzung(img, x0, y0, dx, dy, clBlue);
            if (dx == f.dx && dy == f.dy) {
                EXPECT_GT(anteil, 0.9);
            } else {
                EXPECT_LT(anteil, 0.5);
            }
        }
    }
}

TEST_F(ObjekteTest, AreaFillsBetweenParabolaAndAxisInsideItsBounds)
{
    G->Gitter = "0";
    Parabel();
    Flaeche(1, 1, 13, "2", "-2", Gruen);  // bounds in either order
    const QImage img = Bild();
    EXPECT_EQ(FarbeBei(img, 1, 0.5), Gruen);
    EXPECT_EQ(FarbeBei(img, -1.5, 1.5), Gruen);
    EXPECT_EQ(FarbeBei(img, 1.9, 3.5), Gruen);
    EXPECT_EQ(FarbeBei(img, 1, 1.6), clWhite);    // above the curve
    EXPECT_EQ(FarbeBei(img, 2.4, 0.5), clWhite);  // beyond x = 2
    EXPECT_EQ(FarbeBei(img, -2.4, 0.5), clWhite);
    EXPECT_EQ(FarbeBei(img, 0.5, -0.5), clWhite);  // below the axis
}

TEST_F(ObjekteTest, AreasThatMustNotBeFilled)
{
    Parabel(1);
    Scope.Setze(2, std::make_unique<TFakeFunktion>(
                       [](long double x, long double t) { return std::optional<long double>(t * x); },
                       " Funktionenschar "));
    Flaeche(1, 1, 1, "-2", "2", clAqua);    // equal curves
    Flaeche(2, 2, 13, "-2", "2", clAqua);   // a family
    Flaeche(3, 0, 13, "-2", "2", clAqua);   // curve numbers outside 1..9 and 13
    Flaeche(4, 1, 14, "-2", "2", clAqua);
    Flaeche(5, 1, -7, "-2", "2", clAqua);
    Flaeche(6, 1, 12, "-2", "2", clAqua);
    Flaeche(7, 3, 13, "-2", "2", clAqua);   // function 3 does not compile
    Flaeche(8, 1, 13, "-2", "zwei", clAqua);
    const auto c = Aufnahme();
    EXPECT_TRUE(MitStift(*c, Op::Line, clAqua).empty());
}

TEST_F(ObjekteTest, HatchedAreaStrokesAreSpacedOnScreenAndPrinter)
{
    Parabel(1, 1);  // never meets the axis, so every stroke has a length
    Flaeche(1, 1, 13, "-2", "2", Gruen, true);
    const auto c = Aufnahme();
    const auto striche = MitStift(*c, Op::Line, Gruen);
    ASSERT_GT(striche.size(), 10u);
    for (std::size_t i = 1; i + 1 < striche.size(); ++i)
        EXPECT_EQ(striche[i].Points[0].X - striche[i - 1].Points[0].X, 5);

    // The printer: 1000 units of 0.01 mm per view unit, y up.
    TRecordingCanvas drucker(30000, 30000, true);
    G->DrawGraphs(drucker, 1000, -1000, 2, 2);
    const auto papier = MitStift(drucker, Op::Line, Gruen);
    ASSERT_GT(papier.size(), 10u);
    for (std::size_t i = 1; i + 1 < papier.size(); ++i)
        EXPECT_EQ(papier[i].Points[0].X - papier[i - 1].Points[0].X, 50);
    // The right edge is closed by one more stroke at x = 2.
    EXPECT_EQ(papier.back().Points[0].X, (2 + 5 + 2) * 1000);
}

TEST_F(ObjekteTest, AreaWithAbsurdBoundIsWalkedOnlyInsideTheView)
{
    Parabel();
    Flaeche(1, 1, 13, "-1e20", "1e300", Gruen);
    Flaeche(2, 13, 1, "-1,5e20", "3", clAqua, true);
    const auto c = Aufnahme();
    const auto voll = MitStift(*c, Op::Line, Gruen);
    EXPECT_GT(voll.size(), 300u);
    EXPECT_LT(voll.size(), 345u);
    for (const auto& op : voll) {
        EXPECT_GE(op.Points[0].Y, -100);  // ends clamped just beyond the view
        EXPECT_LE(op.Points[1].Y, Hoehe + 100);
    }
    EXPECT_LT(MitStift(*c, Op::Line, clAqua).size(), 80u);
}

TEST_F(ObjekteTest, DashedSegmentAlternatesInkAndWhiteAndEndsAtItsEnd)
{
    Senk(1, "1", "0", "3", 4, clBlue);  // thin dashed: 0.25 on, 0.1 off
    const auto c = Aufnahme();
    std::vector<TRecordingCanvas::TOp> striche;
    for (const auto& op : c->OpsOf(Op::Line))
        if (op.Points[0].X == Spalte(1) && (op.Pen.Color == clBlue || op.Pen.Color == clWhite))
            striche.push_back(op);
    ASSERT_GT(striche.size(), 10u);
    EXPECT_EQ(striche.front().Points[0].Y, Zeile(0));
    for (std::size_t i = 0; i < striche.size(); ++i) {
        const int laenge = striche[i].Points[0].Y - striche[i].Points[1].Y;
        EXPECT_EQ(striche[i].Pen.Color, i % 2 == 0 ? clBlue : clWhite);
        if (i + 1 < striche.size()) {
            EXPECT_EQ(laenge, i % 2 == 0 ? 8 : 3);  // rounded 7.5 and 3 device units
        }
    }
    EXPECT_EQ(striche.back().Points[1].Y, Zeile(3));  // nothing painted beyond the end
}

TEST_F(ObjekteTest, SegmentsSolidAcrossTheViewAndAbsurdOnesStayBounded)
{
    Senk(1, "1", "-100", "100", 1, clBlue);          // the defaults span the view
    Senk(2, "2", "-1e20", "1e20", 8, clAqua);        // dashed thick over an absurd span
    Senk(3, "", "0", "1", 1, clFuchsia);             // no x: not drawn
    Senk(4, "abc", "0", "1", 1, clFuchsia);
    const auto c = Aufnahme();
    const auto solid = MitStift(*c, Op::Line, clBlue);
    ASSERT_EQ(solid.size(), 1u);
    EXPECT_LE(std::min(solid[0].Points[0].Y, solid[0].Points[1].Y), 0);
    EXPECT_GE(std::max(solid[0].Points[0].Y, solid[0].Points[1].Y), Hoehe);
    const auto dashes = MitStift(*c, Op::Line, clAqua);
    EXPECT_GT(dashes.size(), 20u);
    EXPECT_LT(dashes.size(), 100u);
    EXPECT_TRUE(MitStift(*c, Op::Line, clFuchsia).empty());
}

TEST_F(ObjekteTest, AbsurdDashedSegmentOnThePrinterStaysOnThePage)
{
    // On paper device y grows upwards, so the view lies at negative rows and
    // an end beyond every row sits far above it.
    Senk(1, "1", "-1e300", "1e300", 8, clAqua);
    Senk(2, "2", "1e300", "-1e300", 5, clBlue);  // dotted, ends the other way round
    TRecordingCanvas drucker(30000, 30000, true);
    G->DrawGraphs(drucker, 1000, -1000, 2, 2);
    for (const TColor farbe : {clAqua, clBlue}) {
        SCOPED_TRACE(farbe);
        std::vector<TRecordingCanvas::TOp> striche = MitStift(drucker, Op::Line, farbe);
        const auto weiss = MitStift(drucker, Op::Line, clWhite);
        striche.insert(striche.end(), weiss.begin(), weiss.end());
        ASSERT_GT(striche.size(), 10u);
        EXPECT_LT(striche.size(), 2000u);
        for (const auto& op : striche)
            for (const TPoint& p : op.Points) {
                EXPECT_LE(p.Y, 0);  // the view's rows are -2000 .. -12000
                EXPECT_GE(p.Y, -15000);
            }
    }
}

TEST_F(ObjekteTest, ObjectsInAViewAtTheEndOfTheIntegerRange)
{
    // A document may move its view anywhere; only its width is bounded.
    constexpr std::int32_t Oben = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t Unten = std::numeric_limits<std::int32_t>::min();
    G->XMin = Oben - 11;
    G->XMax = Oben;
    G->YMin = Unten;
    G->YMax = Unten + 10;
    G->Gitter = "0";
    Kreis(1, std::to_string(Oben - 5), std::to_string(std::int64_t{Unten} + 5), "1", "1", "1", Gelb);
    Senk(1, std::to_string(Oben - 2), std::to_string(std::int64_t{Unten} + 1), std::to_string(std::int64_t{Unten} + 9),
         1, clBlue);
    const auto c = Aufnahme();
    const auto kreise = c->OpsOf(Op::Ellipse);
    ASSERT_EQ(kreise.size(), 1u);
    EXPECT_EQ(kreise[0].Rect, (TRect{5 * 30, 4 * 30, 7 * 30, 6 * 30}));
    const auto senk = MitStift(*c, Op::Line, clBlue);
    ASSERT_EQ(senk.size(), 1u);
    EXPECT_EQ(senk[0].Points[0], (TPoint{9 * 30, 9 * 30}));
    EXPECT_EQ(senk[0].Points[1], (TPoint{9 * 30, 1 * 30}));
}

TEST_F(ObjekteTest, AbsurdCirclesEndQuicklyAndFarOnesAreLeftOut)
{
    Kreis(1, "0", "3", "1e7", "1e7", "3", clBlue);  // dashed rim, hatched, around everything
    Kreise[1].LineStyle = 3;
    Kreise[1].ShowCentre = "0";
    Kreis(2, "1e20", "0", "1", "1", "1", clRed);  // far outside the view
    Punkte[12].Style = 3;
    Kreis(3, "0", "-1", "1e300", "0.5", "1", clRed);  // wider than any device position: left out
    Kreise[3].ShowCentre = "0";
    const QImage img = Bild();
    int blau = 0;
    for (int y = Zeile(4); y < Zeile(3); ++y)
        for (int x = Spalte(1); x < Spalte(2); ++x)
            blau += PixelFarbe(img, x, y) == clBlue;
    EXPECT_GT(blau, 30);  // the hatch covers the view
    const auto c = Aufnahme();
    const auto ellipsen = c->OpsOf(Op::Ellipse);
    ASSERT_EQ(ellipsen.size(), 1u);
    EXPECT_EQ(ellipsen[0].Brush.Color, clBlue);
}

TEST_F(ObjekteTest, PointMarkersInTheirFourStyles)
{
    for (int k = 1; k <= 4; ++k) {
        Punkte[k].X = std::to_string(k - 3);
        Punkte[k].Y = "2";
        Punkte[k].Style = k;
        Punkte[k].Color = clRed;
    }
    Punkte[5].X = "1";
    Punkte[5].Y = "4";
    Punkte[5].Style = 7;  // no such style
    Punkte[5].Color = clRed;
    const auto c = Aufnahme();
    const int x1 = Spalte(-2), y = Zeile(2);
    const auto kreuz = MitStift(*c, Op::Line, clRed);
    ASSERT_EQ(kreuz.size(), 2u);
    EXPECT_EQ(kreuz[0].Points[0], (TPoint{x1 + 2, y + 2}));  // 0.07 * 30 = 2.1
    EXPECT_EQ(kreuz[0].Points[1], (TPoint{x1 - 2, y - 2}));
    const auto ellipsen = MitStift(*c, Op::Ellipse, clRed);
    ASSERT_EQ(ellipsen.size(), 2u);
    EXPECT_EQ(ellipsen[0].Brush.Color, clWhite);  // circle
    EXPECT_EQ(ellipsen[1].Brush.Color, clRed);    // disc
    EXPECT_EQ(ellipsen[1].Rect, (TRect{Spalte(0) - 2, y - 2, Spalte(0) + 2, y + 2}));
    const auto quadrat = MitStift(*c, Op::Rectangle, clRed);
    ASSERT_EQ(quadrat.size(), 1u);
    EXPECT_EQ(quadrat[0].Brush.Color, clRed);
    EXPECT_EQ(quadrat[0].Rect, (TRect{Spalte(1) - 1, y - 1, Spalte(1) + 2, y + 2}));
    EXPECT_EQ(c->Brush.Color, clWhite);
}

TEST_F(ObjekteTest, PointsWhoseTextDoesNotConvertAreLeftOut)
{
    const char* schlecht[][2] = {{"abc", "1"}, {"1", ""}, {"1e400", "1"}, {"1e300", "1"}, {"nan", "1"},
                                 {"0x10", "1"}, {"1,2,3", "1"}};
    int k = 1;
    for (const auto& p : schlecht) {
        Punkte[k].X = p[0];
        Punkte[k].Y = p[1];
        Punkte[k].Style = 3;
        Punkte[k].Color = clRed;
        ++k;
    }
    std::unique_ptr<TRecordingCanvas> c;
    EXPECT_NO_THROW(c = Aufnahme());
    EXPECT_TRUE(MitStift(*c, Op::Ellipse, clRed).empty());
    for (const auto& op : c->OpsOf(Op::Text))
        EXPECT_NE(op.Font.Color, clRed) << op.Text.toStdString();
}

// Either separator converts, and world coordinates are divided by the units.
TEST_F(ObjekteTest, CoordinatesConvertWithEitherSeparatorAndAreDividedByTheUnits)
{
    Punkte[1].X = "0,5";
    Punkte[1].Y = "1";
    Punkte[2].X = "1";
    Punkte[2].Y = "0.5";
    for (int k = 1; k <= 2; ++k) {
        Punkte[k].Style = 3;
        Punkte[k].Color = clRed;
    }
    auto scheiben = [&] {
        const auto c = Aufnahme();
        return MitStift(*c, Op::Ellipse, clRed);
    };
    for (const char* trenner : {",", "."}) {
        SCOPED_TRACE(trenner);
        Texte[9] = trenner;
        const auto s = scheiben();
        ASSERT_EQ(s.size(), 2u);
        EXPECT_EQ(s[0].Rect.Left + 2, Spalte(0.5));
        EXPECT_EQ(s[1].Rect.Top + 2, Zeile(0.5));
    }
    G->EinheitX = 0.25;
    G->EinheitY = 2.0;
    const auto s = scheiben();
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(s[0].Rect.Left + 2, Spalte(2));
    EXPECT_EQ(s[0].Rect.Top + 2, Zeile(0.5));
}

}  // namespace
