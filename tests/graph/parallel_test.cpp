// Graphs sampled on the worker threads and kept draw the same pixels as one
// value at a time on the drawing's thread; the store follows every change.
#include "szenen.h"
#include "zeichnen_hilfe.h"

#include "engine/arbeiterpool.h"
#include "engine/proben.h"

namespace {

class Parallel : public TZeichnenTest {
protected:
    std::vector<std::unique_ptr<TFunktion>> Objekte;
    // The scene in slots 1..9, as plain functions or as ones evaluated one
    // x at a time.
    void Szene(const std::vector<TDef>& defs, bool einzeln)
    {
        SzeneEinsetzen(Objekte, defs, einzeln);
        for (std::size_t k = 1; k <= defs.size(); ++k)
            EXPECT_TRUE(Funktionen[k]->GetCompiled()) << defs[k - 1].Term;
    }
    static QImage Bild(TGraphik& g)
    {
        g.RepaintGraph();
        return g.PaintBox1->Front().copy();
    }
    // The reference: one x at a time, on this thread, nothing kept.
    QImage Referenz(const std::vector<TDef>& defs, const std::function<void(TGraphik&)>& ansicht)
    {
        Szene(defs, true);
        auto g = NeueGraphik(ansicht);
        g->ProbenSpeicherBenutzen = false;
        return Bild(*g);
    }
    std::unique_ptr<TGraphik> NeueGraphik(const std::function<void(TGraphik&)>& ansicht)
    {
        auto g = std::make_unique<TGraphik>();
        g->PaintBox1->resize(Breite, Hoehe);
        if (ansicht)
            ansicht(*g);
        g->ResizeBilder();
        return g;
    }
};

TEST_F(Parallel, TheSamePixelsAsOneValueAtATimeOnTheBenchmarkAndTestScenes)
{
    struct TFall {
        const char* Name;
        const std::vector<TDef>* Defs;
        std::function<void(TGraphik&)> Ansicht;
    };
    const TFall faelle[] = {
        {"benchmark scene", &SchwereSzene,
         [](TGraphik& g) {
             std::tie(g.XMin, g.XMax, g.YMin, g.YMax) = std::tuple(-8, 8, -4, 5);
             g.PaintBox1->resize(960, 540);
         }},
        {"test scene, units pi/2 and 0.1", &Pruefszene,
         [](TGraphik& g) { std::tie(g.EinheitX, g.EinheitY) = std::pair(1.5707963267948966, 0.1); }},
    };
    for (const unsigned threads : {0u, 3u}) {
        ProbenPoolGroesse(threads);
        for (const TFall& fall : faelle) {
            const QImage referenz = Referenz(*fall.Defs, fall.Ansicht);
            Szene(*fall.Defs, false);
            auto g = NeueGraphik(fall.Ansicht);
            EXPECT_TRUE(BilderGleich(Bild(*g), referenz)) << fall.Name << ", sampled anew, " << threads << " threads";
            EXPECT_TRUE(BilderGleich(Bild(*g), referenz)) << fall.Name << ", from the store, " << threads << " threads";
            EXPECT_EQ(g->Proben->NeuAbgetastet, 0) << fall.Name;
        }
    }
    ProbenPoolGroesse(0);
}

// Each thing the samples depend on, changed after a picture was kept: the
// next picture is the one drawn from scratch, and only the functions it
// touches are sampled again.
TEST_F(Parallel, TheStoreFollowsEachThingItDependsOn)
{
    struct TAenderung {
        const char* Name;
        std::function<void(TGraphik&)> Tun;
        int Neu;  // functions sampled again
    };
    const auto f = [](int k) { return Funktionen[static_cast<std::size_t>(k)]; };
    const std::vector<TAenderung> aenderungen = {
        {"nothing", [](TGraphik&) {}, 0},
        {"term", [&](TGraphik&) { f(1)->SetTerm("f(x) = 1/(x-1) - sign(x+2)"); }, 1},
        {"kind", [&](TGraphik&) { f(2)->SetKind(" Funktion "); }, 1},
        {"x from", [&](TGraphik&) { f(3)->SetXFrom(-2); }, 1},
        {"t from", [&](TGraphik&) { f(6)->SetTFrom(-1.5); }, 1},
        {"t step", [&](TGraphik&) { f(2)->SetKind(" Funktionenschar "), f(2)->SetTStep(0.5); }, 1},
        {"line style to discs", [&](TGraphik&) { f(5)->SetLineStyle(9); }, 1},
        {"discs joined", [&](TGraphik&) { f(9)->SetLineStyle(10); }, 1},
        {"colour off", [&](TGraphik& g) { g.CB2->setChecked(false); }, 0},
        {"x unit", [&](TGraphik& g) { g.EinheitX = 2; }, 9},
        {"view", [&](TGraphik& g) { g.XMax = 5, g.YMin = -3; }, 9},
        {"picture size", [&](TGraphik& g) { g.PaintBox1->resize(301, 271), g.ResizeBilder(); }, 9},
        // A family the picture's budget thins out: its share changes with
        // what the others ask for, so its members change with them.
        {"budget", [&](TGraphik&) { f(7)->SetTStep(1e-7); }, 1},
        {"term that does not compile", [&](TGraphik&) { f(1)->SetTerm("f(x) = 1/"); }, 1},
        {"and compiles again", [&](TGraphik&) { f(1)->SetTerm("f(x) = x"); }, 2},
    };
    Szene(Pruefszene, false);
    auto g = NeueGraphik(nullptr);
    Bild(*g);
    for (const TAenderung& a : aenderungen) {
        a.Tun(*g);
        const QImage bild = Bild(*g);
        EXPECT_EQ(g->Proben->NeuAbgetastet, a.Neu) << a.Name;
        // The same state drawn from scratch, one value at a time.
        auto r = NeueGraphik([&](TGraphik& n) {
            std::tie(n.XMin, n.XMax, n.YMin, n.YMax, n.EinheitX, n.EinheitY) =
                std::tie(g->XMin, g->XMax, g->YMin, g->YMax, g->EinheitX, g->EinheitY);
            n.PaintBox1->resize(g->PaintBox1->size());
            n.CB2->setChecked(g->CB2->isChecked());
        });
        r->ProbenSpeicherBenutzen = false;
        ProbenPoolGroesse(1);
        EXPECT_TRUE(BilderGleich(bild, Bild(*r))) << a.Name;
        ProbenPoolGroesse(0);
    }
}

// The background and the coordinate system are drawn while the first
// members are sampled, unless an area reads two functions on this thread or
// the functions are evaluated one x at a time there; with nothing to
// sample they are drawn all the same. The picture is the one drawn in order.
TEST_F(Parallel, TheCoordinateSystemIsDrawnWhileTheGraphsAreSampled)
{
    ProbenPoolGroesse(3);
    Szene(SchwereSzene, true);
    auto r = NeueGraphik(nullptr);
    const QImage referenz = Bild(*r);
    EXPECT_EQ(r->GrundBeimAbtasten, 0);
    EXPECT_EQ(r->BildCanvas->Zaehlung().Abgezweigt, 0u) << "one x at a time on this thread";
    Szene(SchwereSzene, false);
    auto g = NeueGraphik(nullptr);
    EXPECT_TRUE(BilderGleich(Bild(*g), referenz));
    EXPECT_EQ(g->GrundBeimAbtasten, 1);
    // What was drawn before the last members was painted while they were
    // drawn: once per redraw.
    EXPECT_EQ(g->BildCanvas->Zaehlung().Abgezweigt, 1u);
    EXPECT_TRUE(BilderGleich(Bild(*g), referenz)) << "from the store";
    EXPECT_EQ(g->GrundBeimAbtasten, 2);
    EXPECT_EQ(g->BildCanvas->Zaehlung().Abgezweigt, 2u);
    Flaechen[1] = TFlaeche{1, 5, "-3", "1", {}, clAqua, 0, {}};
    const QImage mitFlaeche = Bild(*g);
    EXPECT_EQ(g->GrundBeimAbtasten, 2);
    EXPECT_FALSE(BilderGleich(mitFlaeche, referenz));
    for (const auto& [a, b] : {std::pair(1, 1), std::pair(0, 5), std::pair(1, 10)}) {
        Flaechen[1].CurveA = a, Flaechen[1].CurveB = b;
        Bild(*g);
    }
    EXPECT_EQ(g->GrundBeimAbtasten, 5) << "no area between two functions";
    Flaechen[1].CurveA = 13, Flaechen[1].CurveB = 1;  // from the x axis to f1
    EXPECT_FALSE(BilderGleich(Bild(*g), mitFlaeche));
    EXPECT_EQ(g->GrundBeimAbtasten, 5);
    Flaechen[1] = TFlaeche{};
    const std::uint64_t abgezweigt = g->BildCanvas->Zaehlung().Abgezweigt;
    Szene({}, false);
    const QImage leer = Bild(*g);
    EXPECT_EQ(g->GrundBeimAbtasten, 5);
    EXPECT_EQ(g->BildCanvas->Zaehlung().Abgezweigt, abgezweigt) << "nothing sampled";
    Szene({}, true);
    EXPECT_TRUE(BilderGleich(Bild(*g), leer));
    // The coordinate system is there.
    int tinte = 0;
    for (int y = 0; y < leer.height(); ++y)
        for (int x = 0; x < leer.width(); ++x)
            tinte += leer.pixel(x, y) != 0xFFFFFFFFu;
    EXPECT_GT(tinte, leer.width());
    // On one thread nothing is set apart.
    ProbenPoolGroesse(1);
    Szene(SchwereSzene, false);
    auto eins = NeueGraphik(nullptr);
    EXPECT_TRUE(BilderGleich(Bild(*eins), referenz));
    EXPECT_EQ(eins->BildCanvas->Zaehlung().Abgezweigt, 0u);
    ProbenPoolGroesse(0);
}

// Printer and clipboard pictures neither use nor fill the store, and a
// redraw leaves each function's last value as it was.
TEST_F(Parallel, OnlyTheScreenPictureKeepsSamplesAndLastValuesStay)
{
    Szene(Pruefszene, false);
    auto g = NeueGraphik(nullptr);
    TFunktion& f = *Funktionen[1];
    f.Evaluate(0.25L, 0);
    const long double wert = f.GetValue();
    f.Evaluate(-2.0L, 0);
    Bild(*g);
    const std::size_t bytes = g->Proben->Bytes();
    EXPECT_GT(bytes, 0u);
    EXPECT_EQ(f.GetValue(), -1.0L / 3);  // the sampling threads left it alone
    f.Evaluate(0.25L, 0);
    EXPECT_EQ(f.GetValue(), wert);
    Funktionen[2]->SetTerm("f(x,t) = floor(x*t) / 3");
    TRecordingCanvas druck(Breite, Hoehe);
    g->DrawGraphs(druck, Skala, Skala, 0, 0);
    EXPECT_EQ(g->Proben->Bytes(), bytes);
    Bild(*g);
    EXPECT_EQ(g->Proben->NeuAbgetastet, 1);
}

// Families whose terms split at their part in x alone (evaluated once per
// thread for all members) draw the pixels of evaluating each member's whole
// term one x at a time: undefined parts, jumps, dashes and wide pens.
TEST_F(Parallel, FamiliesWithTheirPartInXAloneSparedDrawTheSamePixels)
{
    const std::vector<TDef> defs = {
        {"f(x,t) = t*sin(x)", " Funktionenschar ", 1, 0.5, 3, 0.5},
        {"f(x,t) = t + ln(x^2-1)*2", " Funktionenschar ", 4, -1, 1, 0.5},
        {"f(x,t) = t*(sign(x-1)*sqrt(abs(x)))", " Funktionenschar ", 0, -2, 2, 1},
        {"f(x,t) = exp(x/3)^t", " Funktionenschar ", 5, -1, 1, 0.25},
        {"f(x,t) = t/(1+x^0.5)", " Funktionenschar ", 2, 1, 5, 1, -3, 4},
        {"f(x,t) = t*sin(x)/x", " Funktionenschar ", 3, 1, 5, 1},
    };
    for (const unsigned threads : {0u, 3u}) {
        ProbenPoolGroesse(threads);
        const QImage referenz = Referenz(defs, nullptr);
        Szene(defs, false);
        for (std::size_t k = 1; k <= defs.size(); ++k)
            EXPECT_NE(Funktionen[k]->Split(), nullptr) << defs[k - 1].Term;
        auto g = NeueGraphik(nullptr);
        g->ProbenSpeicherBenutzen = false;
        const std::uint64_t innen = ProbenInnenAuswertungen();
        EXPECT_TRUE(BilderGleich(Bild(*g), referenz)) << threads << " threads";
        // Each function's part in x alone once per thread at most.
        EXPECT_GT(ProbenInnenAuswertungen(), innen);
        EXPECT_LE(ProbenInnenAuswertungen() - innen, 6u * ProbenPool().Anzahl() * (Breite + 2));
    }
    ProbenPoolGroesse(0);
}

// A redraw of the benchmark's scene evaluates each member once at each x of
// its walk, one per device column, and each whole x of the disc members
// once, the joined discs' neighbours included.
TEST_F(Parallel, ARedrawEvaluatesEachValueOnce)
{
    Szene(SchwereSzene, false);
    auto g = NeueGraphik([](TGraphik& g) {
        std::tie(g.XMin, g.XMax, g.YMin, g.YMax) = std::tuple(-8, 8, -4, 5);
        g.PaintBox1->resize(960, 540);
    });
    g->ProbenSpeicherBenutzen = false;
    for (const unsigned threads : {1u, 3u}) {
        ProbenPoolGroesse(threads);
        const std::uint64_t vorher = ProbenAuswertungen();
        g->RepaintGraph();
        // 205 members drawn as lines (x^2, two families of 100, 1/x, sqrt,
        // abs, exp) at 960 x values; 100 members of discs and the joined
        // discs of sin at the 17 whole x values from -8 to 8.
        EXPECT_EQ(ProbenAuswertungen() - vorher, 205u * 960u + 101u * 17u) << threads << " threads";
    }
    ProbenPoolGroesse(0);
}

}  // namespace
