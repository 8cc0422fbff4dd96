// Every way the screen picture is made draws the pixels of the plain serial
// drawing: one value at a time on the drawing's thread, onto the frozen
// canvas of referenz_canvas.h, in the order of a redraw. Scenes: the
// benchmark's, poles and jumps at units of pi/2 and 0.1, every pen with the
// objects, texts and a hint box, and mirrored axes.
#include "referenz_canvas.h"
#include "szenen.h"
#include "zeichnen_hilfe.h"

#include "engine/proben.h"

#include <cstring>
#include <random>
#include <sstream>

namespace {

struct TSzene {
    const char* Name;
    int Breite, Hoehe;
    std::vector<TDef> Defs;
    std::function<void(TGraphik&)> Ansicht;  // view, units, grid
    std::function<void()> Objekte;           // tables and mode
};

class Bildvergleich : public TZeichnenTest {
protected:
    std::vector<std::unique_ptr<TFunktion>> Eigene;
    std::int32_t AltModus = Modus;

    void TearDown() override
    {
        Modus = AltModus;
        ProbenPoolGroesse(0);
        TZeichnenTest::TearDown();
    }

    // The scene's functions in slots 1..9 (the rest empty), as plain ones or
    // as ones evaluated one x at a time; then its objects.
    void Aufbauen(const TSzene& s, bool einzeln)
    {
        TabellenVorbelegen();
        SzeneEinsetzen(Eigene, s.Defs, einzeln);
        Modus = ModusUrsprung;
        if (s.Objekte)
            s.Objekte();
    }
    std::unique_ptr<TGraphik> Fenster(const TSzene& s)
    {
        auto g = std::make_unique<TGraphik>();
        g->PaintBox1->resize(s.Breite, s.Hoehe);
        if (s.Ansicht)
            s.Ansicht(*g);
        g->ResizeBilder();
        return g;
    }

    // The serial drawing of a redraw on the frozen canvas: background,
    // coordinate system, graphs and objects, labels, then the mode's hint.
    QImage Referenz(const TSzene& s)
    {
        Aufbauen(s, true);
        auto g = Fenster(s);
        g->ProbenSpeicherBenutzen = false;
        QImage bild = MakeScreenImage(s.Breite, s.Hoehe);
        {
            TReferenzCanvas c(&bild);
            c.Pen = TPen{clWhite, 1, TPenStyle::Solid};
            c.Brush = TBrush{clWhite, TBrushStyle::Solid};
            c.Rectangle(0, 0, bild.width(), bild.height());
            const double fx = g->BildBreite / static_cast<double>(g->XMax - g->XMin);
            const double fy = g->BildHoehe / static_cast<double>(g->YMax - g->YMin);
            g->DrawCoordinateSystem(c, fx, -fy);
            g->DrawGraphs(c, fx, fy, 0.0, 0.0);
            g->DrawLabels(c, fx, -fy);
            TGraphik::HinweiseZeichnen(c, g->HinweisLage());
        }
        return bild;
    }

    static QImage Gezeigt(TGraphik& g)
    {
        g.RepaintGraph();
        return g.PaintBox1->Front().copy();
    }

};


// Every line style of a graph; areas, circles of every outline and fill,
// vertical segments, points with their names, labels behind and in front.
const std::vector<TDef> Stiftszene = {
    {"f(x) = x^2/4 - 1", " Funktion ", 0, 1, 1, 1},
    {"f(x,t) = sin(x) + t", " Funktionenschar ", 1, 0, 2, 1},
    {"f(x) = cos(x)/2 + 5", " Funktion ", 2, 1, 1, 1},
    {"f(x) = x/3 + 6", " Funktion ", 3, 1, 1, 1, -4, 4},
    {"f(x,t) = t - x/4", " Funktionenschar ", 4, 0, 2, 2},
    {"f(x) = 7 - x^2/8", " Funktion ", 5, 1, 1, 1},
    {"f(x) = exp(x) - 1", " Funktion ", 6, 1, 1, 1},
    {"f(x) = -x/2 + 1", " Funktion ", 7, 1, 1, 1, -5, 0},
    {"f(x) = 3*sin(x/2)", " Funktion ", 8, 1, 1, 1},
};

void Objekte()
{
    const auto kreis = [](int k, const char* x, const char* y, const char* r, const char* fill, int stil, bool hinten) {
        std::tie(Punkte[10 + k].X, Punkte[10 + k].Y) = std::tuple(x, y);
        std::tie(Kreise[k].RadiusX, Kreise[k].RadiusY, Kreise[k].Fill, Kreise[k].LineStyle) = std::tuple(r, r, fill, stil);
        Kreise[k].Hinten = hinten ? 1 : 0;
        Kreise[k].FillColor = RGB(static_cast<std::uint8_t>(40 * k), 200, 120);
    };
    kreis(1, "-3", "4", "1.5", "1", KreisMittel, true);
    kreis(2, "2", "5", "1", "3", KreisDick, false);
    kreis(3, "4", "1", "0.7", "5", KreisGestrichelt, false);
    kreis(4, "-1", "-1", "0.5", "0", KreisDuenn, false);
    Kreise[4].ShowCentre = "0";
    Flaechen[1] = TFlaeche{1, 13, "-3", "1", {}, clAqua, 0, {}};
    Flaechen[2] = TFlaeche{3, 6, "-4", "4.5", {}, clFuchsia, 1, {}};
    Senkrechte[1] = TSenkrechte{"-4.5", "-1", "7", {}, clRed, LinieDick, {}};
    Senkrechte[2] = TSenkrechte{"5", "0", "8", {}, clBlue, LinieGestricheltDick, {}};
    Senkrechte[3] = TSenkrechte{"5.5", "-2", "3", {}, clNavy, LiniePunktiertDuenn, {}};
    for (int k = 1; k <= 4; ++k) {
        TPunkt& p = Punkte[k];
        std::tie(p.X, p.Y) = std::tuple(std::to_string(k - 3), std::to_string(k % 3));
        std::tie(p.Style, p.NamePos, p.Color) = std::tuple(k, k, RGB(0, 100, static_cast<std::uint8_t>(60 * k)));
        p.Font.Style = static_cast<std::uint8_t>(k == 2 ? fsBold | fsItalic : 0);
    }
    Beschriftungen[1].Text = "hinten, unterstrichen";
    std::tie(Beschriftungen[1].Vorne, Beschriftungen[1].Font.Style, Beschriftungen[1].Font.Size) = std::tuple(0, fsUnderline, 14);
    Beschriftungen[2].Text = "vorne: f(x) = x²/4 – 1 · π";
    Beschriftungen[2].Font.Color = clMaroon;
    Beschriftungen[3].Text = "fett durchgestrichen";
    Beschriftungen[3].Font.Style = fsBold | fsStrikeOut;
    Modus = ModusParabelE;  // a mode with a hint box
}

TEST_F(Bildvergleich, EveryRedrawIsTheSerialPicture)
{
    const TSzene szenen[] = {
        {"benchmark scene", 960, 540, SchwereSzene,
         [](TGraphik& g) { std::tie(g.XMin, g.XMax, g.YMin, g.YMax) = std::tuple(-8, 8, -4, 5); }, nullptr},
        {"units pi/2 and 0.1", 331, 301, Pruefszene,
         [](TGraphik& g) { std::tie(g.EinheitX, g.EinheitY) = std::pair(1.5707963267948966, 0.1); }, nullptr},
        {"pens, objects, texts", 661, 601, Stiftszene, [](TGraphik& g) { g.Gitter = "3c"; }, Objekte},
        {"2001 and 51 members, sampled and painted in portions", 331, 301,
         {{"f(x,t) = t/300 + sin(x + t/50)", " Funktionenschar ", 2, -1000, 1000, 1},
          {"f(x,t) = cos(x*t/30) - 1", " Funktionenschar ", 0, 0, 50, 1}},
         nullptr, nullptr},
        {"mirrored axes", 400, 367, Stiftszene,
         [](TGraphik& g) {
             std::tie(g.EinheitX, g.EinheitY, g.Gitter) = std::tuple(-1.0, -0.5, "2a");
             g.CB2->setChecked(false);
         },
         Objekte},
    };
    for (const TSzene& s : szenen) {
        const QImage referenz = Referenz(s);
        for (std::size_t k = 1; k <= s.Defs.size(); ++k)
            EXPECT_TRUE(Funktionen[k]->GetCompiled()) << s.Defs[k - 1].Term;
        Aufbauen(s, false);
        for (const unsigned threads : {1u, 2u, 3u, 0u}) {
            ProbenPoolGroesse(threads);
            auto g = Fenster(s);
            std::ostringstream fall;
            fall << s.Name << ", " << threads << " threads";
            EXPECT_TRUE(BilderGleich(Gezeigt(*g), referenz)) << fall.str() << ", sampled anew";
            EXPECT_TRUE(BilderGleich(Gezeigt(*g), referenz)) << fall.str() << ", from the store";
            EXPECT_FALSE(g->NichtAlleMitglieder) << fall.str();
        }
    }
}

// Redraws after one function alone was retyped compose the layers kept
// below and above its graph; a change elsewhere, or a run of lines that
// goes on from one function into the next, makes them draw whole. Each
// picture is the one drawn from scratch.
TEST_F(Bildvergleich, RetypedRedrawsComposeKeptLayers)
{
    TSzene s{"pens, objects, texts", 661, 601, Stiftszene, [](TGraphik& g) { g.Gitter = "3c"; }, Objekte};
    Aufbauen(s, false);
    auto g = Fenster(s);
    Gezeigt(*g);
    const auto schritt = [&](const char* name, const std::function<void()>& aendern, bool ebenen, int genutzt) {
        aendern();
        const QImage referenz = Referenz(s);
        Aufbauen(s, false);
        EXPECT_TRUE(BilderGleich(Gezeigt(*g), referenz)) << name;
        EXPECT_EQ(g->Ebenen != nullptr, ebenen) << name;
        EXPECT_EQ(g->EbenenGenutzt, genutzt) << name;
    };
    const auto term = [&](const char* t) { return [&s, t] { s.Defs[4].Term = t; }; };
    schritt("retyped once: drawn whole", term("f(x) = 7 - x^2/7"), false, 0);
    schritt("again: the layers are made", term("f(x) = 6.5 - x^2/7"), true, 0);
    schritt("again: composed", term("f(x) = 6 - x^2/7"), true, 1);
    schritt("a term that does not compile", term("f(x) = 6 - x^2/"), true, 2);
    schritt("and compiles again", term("f(x) = 5 - x^2/6"), true, 3);
    const auto objekte = s.Objekte;
    schritt("a point moved, above the graph", [&] { s.Objekte = [objekte] { objekte(), Punkte[1].X = "-4"; }; }, false, 3);
    schritt("retyped", term("f(x) = 5 - x^2/5"), false, 3);
    schritt("retyped", term("f(x) = 5 - x^2/4"), true, 3);
    schritt("a label behind reworded, below the graph", [&] {
        s.Objekte = [objekte] { objekte(), Punkte[1].X = "-4", Beschriftungen[1].Text = "hinten!"; };
    }, false, 3);

    // Function k retyped three times in a row, each picture against the
    // reference; `geschichtet` tells whether the third redraw composes layers.
    const auto dreimalNeu = [&](std::size_t k, bool geschichtet) {
        Aufbauen(s, false);
        g = Fenster(s);
        Gezeigt(*g);
        const std::string alt = s.Defs[k].Term;
        for (int i = 1; i <= 3; ++i) {
            const std::string neu = alt + std::string(static_cast<std::size_t>(i), ' ');
            s.Defs[k].Term = neu.c_str();
            const QImage referenz = Referenz(s);
            Aufbauen(s, false);
            EXPECT_TRUE(BilderGleich(Gezeigt(*g), referenz)) << k << ", " << i;
            if (geschichtet)
                EXPECT_EQ(g->EbenenGenutzt, i == 3 ? 1 : 0) << k << ", " << i;
            else
                EXPECT_EQ(std::pair(g->Ebenen != nullptr, g->EbenenGenutzt), std::pair(false, 0)) << k << ", " << i;
        }
        s.Defs[k].Term = Stiftszene[k].Term;
    };
    // The second and the last function retyped (the first bounds an area):
    // composed from the third redraw on.
    dreimalNeu(1, true);
    dreimalNeu(8, true);
    // A function that bounds an area (the first: to the x axis, the third:
    // to the sixth) is drawn whole every time: the area lies below the
    // graphs before it.
    dreimalNeu(0, false);
    dreimalNeu(2, false);

    // Two halves of one curve in one pen, the second starting at the pixel
    // where the first ends: on a single canvas it goes on from there.
    TSzene h{"halves", 331, 301,
             {{"f(x) = x^2/4", " Funktion ", 0, 1, 1, 1, -100, 0.001}, {"f(x) = x^2/4", " Funktion ", 0, 1, 1, 1, 0.001, 100}},
             [](TGraphik& g) { g.CB2->setChecked(false); }, nullptr};
    Aufbauen(h, false);
    g = Fenster(h);
    Gezeigt(*g);
    for (const char* t : {"f(x) = x^2/4 ", "f(x) = x^2/4  ", "f(x) = x^2/4   "}) {
        h.Defs[1].Term = t;
        const QImage referenz = Referenz(h);
        Aufbauen(h, false);
        EXPECT_TRUE(BilderGleich(Gezeigt(*g), referenz)) << t;
        EXPECT_FALSE(g->Ebenen) << t;
    }
}

// Wide pens by every step shape the canvas keeps as a pattern and beyond:
// random walks of short and long steps, some leaving the picture, in pen
// widths from 2 to past the largest pattern, painted step by step the
// plain way.
TEST(BildvergleichStift, WidePensStepsAsThePlainFill)
{
    std::mt19937 zufall(26);
    std::uniform_int_distribution<int> kurz(-3, 3), lang(-80, 80), ort(-40, 280), art(0, 9);
    const auto malen = [&](TCanvas& c, unsigned saat) {
        zufall.seed(saat);
        for (const int w : {2, 3, 4, 5, 7, 8, 12, 19, 31, 64, 66}) {
            c.Pen = TPen{RGB(static_cast<std::uint8_t>(3 * w), 90, 200), w, TPenStyle::Solid};
            c.MoveTo(ort(zufall), ort(zufall));
            for (int i = 0; i < 60; ++i) {
                const TPoint p = c.PenPos();
                const int a = art(zufall);
                // Mostly a curve's steps: one column and a few rows; then
                // runs of equal steps, which are filled as one, and long ones.
                const int dx = a < 6 ? 1 : a < 8 ? 2 * kurz(zufall) : lang(zufall);
                const int dy = a < 6 ? kurz(zufall) * (a % 3) : a < 8 ? 4 * kurz(zufall) : lang(zufall);
                const int n = a == 6 ? 5 : 1;
                for (int k = 1; k <= n; ++k)
                    c.LineTo(p.X + k * dx, p.Y + k * dy);
            }
        }
    };
    for (const unsigned saat : {1u, 2u, 3u}) {
        QImage referenz = MakeScreenImage(240, 230), bild = MakeScreenImage(240, 230);
        {
            TReferenzCanvas r(&referenz);
            malen(r, saat);
            TImageCanvas c(&bild);
            malen(c, saat);
        }
        long tinte = 0;
        for (int y = 0; y < referenz.height(); ++y)
            for (int x = 0; x < referenz.width(); ++x)
                tinte += referenz.pixel(x, y) != 0xFFFFFFFFu;
        EXPECT_GT(tinte, 5000);
        long n = 0;
        for (int y = 0; y < referenz.height(); ++y)
            for (int x = 0; x < referenz.width(); ++x)
                n += referenz.pixel(x, y) != bild.pixel(x, y);
        EXPECT_EQ(n, 0) << "seed " << saat;
    }
}

}  // namespace
