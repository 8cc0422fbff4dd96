// The object layers: circles, areas, vertical segments and points.
#include "zeichnen_hilfe.h"

namespace {

class ObjekteTest : public TZeichnenTest {
protected:
    void Kreis(int k, const std::string& x, const std::string& y, const std::string& rx, const std::string& ry,
               const std::string& fill, TColor fuellFarbe, bool hinten = false)
    {
        std::tie(Punkte[10 + k].X, Punkte[10 + k].Y) = std::tie(x, y);
        std::tie(Kreise[k].RadiusX, Kreise[k].RadiusY, Kreise[k].Fill) = std::tie(rx, ry, fill);
        Kreise[k].FillColor = fuellFarbe;
        std::tie(Kreise[k].Hinten, Kreise[k].ShowCentre) = std::tuple(hinten ? 1 : 0, "0");
    }
    void Parabel(long double hoehe = 0) { Setze(1, [hoehe](long double x, long double) { return x * x + hoehe; }); }
    void Flaeche(int k, int a, int b, const std::string& von, const std::string& bis, TColor farbe, bool linien = false)
    {
        Flaechen[k] = TFlaeche{a, b, von, bis, {}, farbe, static_cast<std::uint8_t>(linien ? 1 : 0), {}};
    }
    void Senk(int k, const std::string& x, const std::string& von, const std::string& bis, int stil, TColor farbe)
    {
        Senkrechte[k] = TSenkrechte{x, von, bis, {}, farbe, stil, {}};
    }
    void Punkt(int k, const std::string& x, const std::string& y, int stil, TColor farbe = clRed)
    {
        std::tie(Punkte[k].X, Punkte[k].Y, Punkte[k].Style, Punkte[k].Color) = std::tie(x, y, stil, farbe);
    }
    // Index of the first recorded operation of a kind in a pen colour, or -1.
    static int Erste(const TRecordingCanvas& c, Op kind, TColor farbe)
    {
        const auto& ops = c.Ops();
        for (std::size_t i = 0; i < ops.size(); ++i)
            if (ops[i].Kind == kind && ops[i].Pen.Color == farbe)
                return static_cast<int>(i);
        return -1;
    }
    // The lines of one colour and white in device column x, in order.
    static std::vector<TRecordingCanvas::TOp> Striche(const TRecordingCanvas& c, int x, TColor farbe)
    {
        std::vector<TRecordingCanvas::TOp> r;
        for (const auto& op : c.OpsOf(Op::Line))
            if (op.Points[0].X == x && (op.Pen.Color == farbe || op.Pen.Color == clWhite))
                r.push_back(op);
        return r;
    }
};

TEST_F(ObjekteTest, LayersInRedrawOrderAndColourOffBlackensAllButOutlines)
{
    Kreis(1, "-3", "5", "1", "1", "1", clYellow, true);   // behind the graphs
    Kreis(2, "3", "5", "1", "1", "1", clYellow, false);  // in front of them, with a disc centre
    std::tie(Punkte[11].Color, Punkte[12].Color, Punkte[12].Style, Kreise[2].ShowCentre) =
        std::tuple(clPurple, clTeal, MarkeScheibe, "1");
    Parabel();
    Flaeche(1, 1, 13, "-1", "1", clGreen);
    Senk(1, "4", "0", "2", LinieMittel, clBlue);
    Punkt(1, "1", "1", MarkeQuadrat, clFuchsia);
    auto c = Aufnahme();
    const int folge[] = {Erste(*c, Op::Ellipse, clPurple), Erste(*c, Op::Line, clGreen),     Erste(*c, Op::Line, clBlue),
                         Erste(*c, Op::Line, clRed),   Erste(*c, Op::Ellipse, clTeal), Erste(*c, Op::Rectangle, clFuchsia)};
    EXPECT_GE(folge[0], 0);
    EXPECT_TRUE(std::is_sorted(std::begin(folge), std::end(folge)));
    // Colour off: outlines keep the centre's colour; fills, markers, areas
    // and segments turn black.
    G->CB2->setChecked(false);
    c = Aufnahme();
    const auto ellipsen = c->OpsOf(Op::Ellipse);
    ASSERT_EQ(ellipsen.size(), 3u);  // two circles and a centre disc
    EXPECT_EQ(std::tuple(ellipsen[0].Pen.Color, ellipsen[1].Pen.Color, ellipsen[2].Pen.Color),
              std::tuple(clPurple, clTeal, clBlack));
    for (const auto& e : ellipsen)
        EXPECT_EQ(e.Brush.Color, clBlack);
    EXPECT_EQ(c->OpsOf(Op::Rectangle).back().Brush.Color, clBlack);
    EXPECT_EQ(std::tuple(Erste(*c, Op::Rectangle, clFuchsia), Erste(*c, Op::Line, clGreen), Erste(*c, Op::Line, clBlue)),
              std::tuple(-1, -1, -1));
}

TEST_F(ObjekteTest, CirclesCoverTheirRadiiAndWhiteFillsAreOffWhite)
{
    G->Gitter = "0";
    Kreis(1, "-2", "5", "2", "2", "1", clYellow);
    Kreis(2, "3", "1", "2.5", "1", "1", clAqua);  // an ellipse, typed with "."
    Kreis(3, "-3", "0", "1,5", "1,5", "1", clWhite);
    Kreis(4, "", "", "2", "2", "1", clWhite);     // not drawn, but off-white too
    Kreis(5, "-10", "3", "8", "8", "0", clWhite);  // centre outside, rim inside
    Punkte[15].Color = clFuchsia;
    const QImage img = Gemalt();
    EXPECT_EQ(Kreise[3].FillColor, RGB(251, 251, 251));
    EXPECT_EQ(Kreise[4].FillColor, RGB(251, 251, 251));
    EXPECT_EQ(FarbeBei(img, -3.5, 0.7), RGB(251, 251, 251));
    const std::tuple<double, double, TColor> orte[] = {
        {-0.2, 5, clYellow}, {-0.45, 6.55, clWhite},  // inside the rim, outside on the diagonal
        {5.2, 1, clAqua},    {3, 1.8, clAqua}, {3, 2.4, clWhite}, {-2.04, 3, clFuchsia},  // the rim of circle 5
    };
    for (const auto& [x, y, farbe] : orte)
        EXPECT_EQ(FarbeBei(img, x, y), farbe) << x << ", " << y;
}

TEST_F(ObjekteTest, HatchesRunInTheirFourDirections)
{
    G->Gitter = "0";
    // Fill text and the direction along which its hatch lines continue.
    const std::pair<const char*, std::pair<int, int>> faelle[] = {
        {"2", {0, 1}}, {"3", {1, -1}}, {"4", {1, 1}}, {"5", {1, 0}}};
    for (const auto& [fill, richtung] : faelle) {
        Kreis(1, "0", "3", "2", "2", fill, clBlue);
        const QImage img = Gemalt();
        auto blau = [&](int x, int y) { return PixelFarbe(img, x, y) == clBlue; };
        for (const auto& [d, r] : faelle) {
            // Share of hatch pixels whose neighbour one step on is hatch too.
            int treffer = 0, gesamt = 0;
            for (int y = Zeile(3) - 12; y < Zeile(3) + 12; ++y)
                for (int x = Spalte(0) - 12; x < Spalte(0) + 12; ++x)
                    if (blau(x, y)) {
                        ++gesamt;
                        treffer += blau(x + r.first, y + r.second);
                    }
            ASSERT_TRUE(gesamt > 24 && gesamt < 24 * 24 / 2) << fill;  // lines with room between them
            EXPECT_EQ(treffer > 0.9 * gesamt, r == richtung) << fill << " along " << d;
            EXPECT_EQ(treffer < 0.5 * gesamt, r != richtung) << fill << " along " << d;
        }
    }
}

TEST_F(ObjekteTest, AreaFillsBetweenParabolaAndAxisInsideItsBoundsOrNotAtAll)
{
    G->Gitter = "0";
    Parabel();
    Flaeche(1, 1, 13, "2", "-2", clGreen);  // bounds in either order
    const QImage img = Gemalt();
    for (const auto& [x, y] : {std::pair{-1.5, 1.5}, {1.9, 3.5}})
        EXPECT_EQ(FarbeBei(img, x, y), clGreen) << x << ", " << y;
    // Above the curve, beyond x = +-2, below the axis.
    for (const auto& [x, y] : {std::pair{1.0, 1.6}, {2.4, 0.5}, {-2.4, 0.5}, {0.5, -0.5}})
        EXPECT_EQ(FarbeBei(img, x, y), clWhite) << x << ", " << y;
    // Also at less than a device unit per view unit.
    const auto klein = Linien(0.5);
    EXPECT_TRUE(std::any_of(klein.begin(), klein.end(), [](const TOp& op) { return op.Pen.Color == clGreen; }));
    Setze(2, [](long double, long double t) { return t + 1; }, " Funktionenschar ");
    Setze(4, [](long double, long double) { return std::nullopt; });
    const std::pair<int, int> kurven[] = {{2, 13}, {13, 2}, {0, 13}, {1, 14},  // families, no curve
                                          {1, -7}, {4, 1},  {1, 4},  {1, 1}};  // undefined, equal
    for (int k = 1; k <= 8; ++k)
        Flaeche(k, kurven[k - 1].first, kurven[k - 1].second, "-2", "2", clAqua);
    EXPECT_TRUE(MitStift(*Aufnahme(), Op::Line, clAqua).empty());
    Flaeche(1, 1, 13, "-2", "zwei", clAqua);
    EXPECT_TRUE(MitStift(*Aufnahme(), Op::Line, clAqua).empty());
}

TEST_F(ObjekteTest, HatchedAreaStrokesAreSpacedOnScreenAndPrinter)
{
    Parabel(1);  // never meets the axis, so every stroke has a length
    Flaeche(1, 1, 13, "-2", "2", clGreen, true);
    // On screen 5 device units apart; on the printer (1000 units of 0.01 mm
    // per view unit, y up) 50, and the right edge is closed by one more
    // stroke at x = 2.
    TRecordingCanvas drucker(30000, 30000, true);
    G->DrawGraphs(drucker, 1000, -1000, 2, 2);
    for (const auto& [striche, abstand] :
         {std::pair{MitStift(*Aufnahme(), Op::Line, clGreen), 5}, {MitStift(drucker, Op::Line, clGreen), 50}}) {
        ASSERT_GT(striche.size(), 10u);
        for (std::size_t i = 1; i + 1 < striche.size(); ++i)
            EXPECT_EQ(striche[i].Points[0].X - striche[i - 1].Points[0].X, abstand) << i;
    }
    EXPECT_EQ(MitStift(drucker, Op::Line, clGreen).back().Points[0].X, (2 + 5 + 2) * 1000);
}

TEST_F(ObjekteTest, SegmentsSolidOrDashedFromEndToEnd)
{
    Senk(1, "1", "0", "3", LinieGestricheltDuenn, clBlue);  // 0.25 on, 0.1 off
    Senk(2, "2", "-100", "100", LinieMittel, clAqua);       // the defaults span the view
    Senk(3, "3", "0", "3", LiniePunktiertMittel, clBlue);   // 0.05 on, 0.05 off
    Senk(4, "abc", "0", "1", LinieMittel, clFuchsia);       // no x: not drawn
    const auto c = Aufnahme();
    for (const auto& [x, an, aus] : {std::tuple{1, 8, 3}, std::tuple{3, 2, 2}}) {  // rounded device units
        const auto striche = Striche(*c, Spalte(x), clBlue);
        ASSERT_GT(striche.size(), 10u);
        EXPECT_EQ(striche.front().Points[0].Y, Zeile(0));
        for (std::size_t i = 0; i + 1 < striche.size(); ++i) {
            EXPECT_EQ(striche[i].Pen.Color, i % 2 == 0 ? clBlue : clWhite);
            EXPECT_EQ(striche[i].Points[0].Y - striche[i].Points[1].Y, i % 2 == 0 ? an : aus);
        }
        EXPECT_EQ(striche.back().Points[1].Y, Zeile(3));  // nothing painted beyond the end
    }
    const auto solid = MitStift(*c, Op::Line, clAqua);
    ASSERT_EQ(solid.size(), 1u);
    EXPECT_LE(std::min(solid[0].Points[0].Y, solid[0].Points[1].Y), 0);
    EXPECT_GE(std::max(solid[0].Points[0].Y, solid[0].Points[1].Y), Hoehe);
    EXPECT_TRUE(MitStift(*c, Op::Line, clFuchsia).empty());
}

// Absurd bounds and sizes end quickly and stay within the view.
TEST_F(ObjekteTest, AbsurdAreasSegmentsAndCirclesEndQuicklyWithinTheView)
{
    Parabel();
    Flaeche(1, 1, 13, "-1e20", "1e300", clGreen);
    Flaeche(2, 13, 1, "-1,5e20", "3", clAqua, true);
    Senk(1, "1", "-1e20", "1e20", LinieGestricheltDick, clMaroon);
    Senk(2, "2", "1e300", "-1e300", LiniePunktiertMittel, clBlue);  // the other way round
    auto c = Aufnahme();
    const auto voll = MitStift(*c, Op::Line, clGreen);
    EXPECT_GT(voll.size(), 300u);
    EXPECT_LT(voll.size(), 345u);
    for (const auto& op : voll) {
        EXPECT_GE(op.Points[0].Y, -100);  // ends clamped just beyond the view
        EXPECT_LE(op.Points[1].Y, Hoehe + 100);
    }
    EXPECT_LT(MitStift(*c, Op::Line, clAqua).size(), 80u);
    EXPECT_LT(MitStift(*c, Op::Line, clMaroon).size(), 100u);
    // On paper device y grows upwards, so the view lies at negative rows
    // (-2000 .. -12000) and an end beyond every row sits far above it.
    TRecordingCanvas drucker(30000, 30000, true);
    G->DrawGraphs(drucker, 1000, -1000, 2, 2);
    for (const auto& [x, farbe] : {std::pair{8000, clMaroon}, {9000, clBlue}}) {
        const auto striche = Striche(drucker, x, farbe);
        ASSERT_GT(striche.size(), 10u);
        EXPECT_LT(striche.size(), 2000u);
        for (const auto& op : striche)
            for (const TPoint& p : op.Points)
                EXPECT_TRUE(p.Y <= 0 && p.Y >= -15000) << p.Y;
    }
    Flaechen = {};
    Senkrechte = {};
    Kreis(1, "0", "3", "1e7", "1e7", "3", clBlue);  // dashed rim, hatched, around everything
    Kreise[1].LineStyle = KreisGestrichelt;
    Kreis(2, "1e20", "0", "1", "1", "1", clRed);  // far outside the view
    std::tie(Kreise[2].ShowCentre, Punkte[12].Style) = std::tuple("1", MarkeScheibe);
    Kreis(3, "0", "-1", "1e300", "0.5", "1", clRed);  // wider than any device position: left out
    const QImage img = Gemalt();
    int blau = 0;
    for (int y = Zeile(4); y < Zeile(3); ++y)
        for (int x = Spalte(1); x < Spalte(2); ++x)
            blau += PixelFarbe(img, x, y) == clBlue;
    EXPECT_GT(blau, 30);  // the hatch covers the view
    const auto ellipsen = Aufnahme()->OpsOf(Op::Ellipse);
    ASSERT_EQ(ellipsen.size(), 1u);
    EXPECT_EQ(std::pair(ellipsen[0].Brush.Color, ellipsen[0].Pen.Style), std::pair(clBlue, TPenStyle::Dash));
}

TEST_F(ObjekteTest, PointMarkersInTheirFourStyles)
{
    for (int stil = MarkeKreuz; stil <= MarkeQuadrat; ++stil)
        Punkt(stil, std::to_string(stil - 3), "2", stil);
    Punkt(5, "1", "4", 7);  // no such style
    Kreis(1, "3", "3", "1", "1", "0", clWhite);
    Kreise[1].ShowCentre = "1";
    Punkte[11].Style = MarkeQuadrat;  // centres have no square
    const auto c = Aufnahme();
    const int x1 = Spalte(-2), y = Zeile(2);
    const auto kreuz = MitStift(*c, Op::Line, clRed);
    ASSERT_EQ(kreuz.size(), 2u);
    EXPECT_EQ(kreuz[0].Points, (std::vector<TPoint>{{x1 + 2, y + 2}, {x1 - 2, y - 2}}));  // 0.07 * 30 = 2.1
    EXPECT_EQ(kreuz[1].Points, (std::vector<TPoint>{{x1 + 2, y - 2}, {x1 - 2, y + 2}}));
    const auto ellipsen = MitStift(*c, Op::Ellipse, clRed);
    ASSERT_EQ(ellipsen.size(), 2u);
    EXPECT_EQ(ellipsen[0].Brush.Color, clWhite);  // circle
    EXPECT_EQ(ellipsen[1].Brush.Color, clRed);    // disc
    EXPECT_EQ(ellipsen[1].Rect, (TRect{Spalte(0) - 2, y - 2, Spalte(0) + 2, y + 2}));
    const auto quadrat = c->OpsOf(Op::Rectangle);
    ASSERT_EQ(quadrat.size(), 1u);
    EXPECT_EQ(quadrat[0].Brush.Color, clRed);
    EXPECT_EQ(quadrat[0].Rect, (TRect{Spalte(1) - 1, y - 1, Spalte(1) + 2, y + 2}));
    EXPECT_EQ(c->Brush.Color, clWhite);
}

TEST_F(ObjekteTest, CoordinatesConvertWithEitherSeparatorDividedByTheUnitsOrNotAtAll)
{
    Punkt(1, "0,5", "1", MarkeScheibe);
    Punkt(2, "1", "0.5", MarkeScheibe);
    Punkt(3, "abc", "1", MarkeScheibe);
    Punkt(4, "1", "", MarkeScheibe);
    Punkt(5, "1e300", "1", MarkeScheibe);
    for (const char* trenner : {",", "."}) {
        Texte[9] = trenner;
        const auto s = MitStift(*Aufnahme(), Op::Ellipse, clRed);
        ASSERT_EQ(s.size(), 2u) << trenner;
        EXPECT_EQ(std::pair(s[0].Rect.Left + 2, s[1].Rect.Top + 2), std::pair(Spalte(0.5), Zeile(0.5))) << trenner;
    }
    std::tie(G->EinheitX, G->EinheitY) = std::pair(0.25, 2.0);
    const auto s = MitStift(*Aufnahme(), Op::Ellipse, clRed);
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(std::pair(s[0].Rect.Left + 2, s[0].Rect.Top + 2), std::pair(Spalte(2), Zeile(0.5)));
}

TEST_F(ObjekteTest, ObjectsInAViewAtTheEndOfTheIntegerRange)
{
    // A document may move its view anywhere; only its width is bounded.
    constexpr std::int32_t Oben = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t Unten = std::numeric_limits<std::int32_t>::min();
    std::tie(G->XMin, G->XMax, G->YMin, G->YMax, G->Gitter) = std::tuple(Oben - 11, Oben, Unten, Unten + 10, "0");
    Kreis(1, std::to_string(Oben - 5), std::to_string(std::int64_t{Unten} + 5), "1", "1", "1", clYellow);
    Senk(1, std::to_string(Oben - 2), std::to_string(std::int64_t{Unten} + 1), std::to_string(std::int64_t{Unten} + 9),
         LinieMittel, clBlue);
    const auto c = Aufnahme();
    const auto kreise = c->OpsOf(Op::Ellipse);
    ASSERT_EQ(kreise.size(), 1u);
    EXPECT_EQ(kreise[0].Rect, (TRect{5 * 30, 4 * 30, 7 * 30, 6 * 30}));
    const auto senk = MitStift(*c, Op::Line, clBlue);
    ASSERT_EQ(senk.size(), 1u);
    EXPECT_EQ(senk[0].Points, (std::vector<TPoint>{{9 * 30, 9 * 30}, {9 * 30, 1 * 30}}));
}

}  // namespace
