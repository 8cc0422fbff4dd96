// The texts of the construction preview stand centred on the lines they
// measure, in either language.

#include "interaktion_fixture.h"
#include "zeichnen_hilfe.h"

namespace {

class VorschauTexte : public InteraktionTest {
protected:
    // 100 pixels per unit (view -1..2 both ways: x = 0 at column 100, y = 0
    // at row 200), snapped to halves.
    void SetUp() override
    {
        InteraktionTest::SetUp();
        std::tie(Graphik->XMin, Graphik->XMax, Graphik->YMin, Graphik->YMax) = std::tuple(-1, 2, -1, 2);
        FreieFlaeche(301, 301);
        ASSERT_EQ(Graphik->PaintBox1->size(), QSize(301, 301));
        Graphik->TrackBar3->setValue(1);
    }
    static std::unique_ptr<TRecordingCanvas> Aufnahme(int x, int y, bool deutsch)
    {
        auto c = std::make_unique<TRecordingCanvas>(301, 301);
        Graphik->VorschauZeichnen(*c, Graphik->VorschauBerechnen(x, y), deutsch);
        return c;
    }
    // The text that starts with `anfang`.
    static TRecordingCanvas::TOp Text(const TRecordingCanvas& c, const QString& anfang)
    {
        for (const auto& op : c.OpsOf(Op::Text))
            if (op.Text.startsWith(anfang))
                return op;
        ADD_FAILURE() << anfang.toStdString();
        return {};
    }
    static double Waagrecht(const TRecordingCanvas::TOp& t) { return (t.Rect.Left + t.Rect.Right) / 2.0; }
    static double Senkrecht(const TRecordingCanvas::TOp& t) { return (t.Rect.Top + t.Rect.Bottom) / 2.0; }
};

TEST_F(VorschauTexte, TheParabolasShiftsAndFactorAreWrittenAlongTheirDimensionLines)
{
    OhneLoeschen(Graphik->ParabelButton);
    // While d is chosen, only d is written.
    for (const auto& op : Aufnahme(150, 100, true)->OpsOf(Op::Text))
        EXPECT_FALSE(op.Text.startsWith("e = ") || op.Text.startsWith("a = ")) << op.Text.toStdString();
    Klick(150, 100);  // d = 0.5
    Klick(150, 100);  // e = 1
    for (const bool deutsch : {true, false}) {
        // a = 1 at the pointer (1.5 | 2): d from column 100 to 150 on row
        // 200, e from row 200 to 100 at column 150, a from row 100 to 0 one
        // unit right of the vertex.
        const auto c = Aufnahme(250, 0, deutsch);
        const auto d = Text(*c, deutsch ? "d = 0,5" : "h = 0,5");
        EXPECT_NEAR(Waagrecht(d), 125, 1.0);
        EXPECT_EQ(std::pair(d.Points[0].Y, d.Font.Color), std::pair(205, clRed));
        const auto e = Text(*c, deutsch ? "e = 1" : "k = 1");
        EXPECT_NEAR(Senkrecht(e), 150, 1.0);
        EXPECT_EQ(std::pair(e.Points[0].X, e.Font.Color), std::pair(154, clBlue));
        const auto a = Text(*c, "a = 1");
        EXPECT_NEAR(Senkrecht(a), 50, 1.0);
        EXPECT_EQ(std::pair(a.Points[0].X, a.Font.Color), std::pair(254, RGB(0, 128, 0)));
    }
}

// The slope triangle from the origin: light green with its "1" under the
// foot for a rising or level line, red with the "1" over it for a falling
// one; the slope written beside it in the triangle's colour.
TEST_F(VorschauTexte, TheSlopeTrianglesColourAndItsOneFollowTheSign)
{
    OhneLoeschen(Graphik->GeradeButton);
    const TColor Hellgruen = RGB(0, 255, 0), Etikettgruen = RGB(0, 193, 0);
    const std::tuple<int, const char*, TColor, TColor> faelle[] = {
        {150, "m = 0,5", Hellgruen, Etikettgruen}, {200, "m = 0", Hellgruen, Etikettgruen},
        {250, "m = -0,5", clRed, clRed}};
    for (const auto& [zeile, text, flaeche, schrift] : faelle) {
        const auto c = Aufnahme(200, zeile, true);
        const auto dreieck = c->OpsOf(Op::Polygon);
        ASSERT_EQ(dreieck.size(), 1u) << text;
        EXPECT_EQ(dreieck[0].Brush.Color, flaeche) << text;
        const auto eins = Text(*c, "1");
        if (flaeche == Hellgruen)
            EXPECT_EQ(eins.Points[0].Y, 202) << text;
        else
            EXPECT_NEAR(eins.Rect.Bottom, 198, 1.0) << text;
        EXPECT_EQ(Text(*c, "m = ").Text, QString::fromLatin1(text));
        EXPECT_EQ(Text(*c, "m = ").Font.Color, schrift) << text;
    }
}

// The pointer's coordinates go to the status bar's first field, except in
// the label tool, whose field shows what is typed.
TEST_F(VorschauTexte, ThePointersCoordinatesStandInTheStatusBar)
{
    Waehle(Graphik->PunktButton);
    Bewege(150, 100);
    EXPECT_EQ(Graphik->StatusBar1->Panels[0].Text, Graphik->KoordText);
    EXPECT_TRUE(Graphik->KoordText.startsWith("P(0,5")) << Graphik->KoordText.toStdString();
    Graphik->StatusBar1->Panels[0].Text = QStringLiteral("getippt");
    Modus = ModusBeschriftung;
    Graphik->VorschauBerechnen(200, 100);
    EXPECT_EQ(Graphik->StatusBar1->Panels[0].Text, QStringLiteral("getippt"));
}

}  // namespace
