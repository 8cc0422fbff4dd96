// One tick of the construction preview against one plain redraw of the same
// picture, at 1920 x 1080 with x^2 on the default grid.
//
// Baseline: RepaintGraph, the full redraw of the picture (grid, axes, the
// graph, the instruction box, the copy to the screen). A tick never
// replots the graphs: it copies the composed picture, writes the
// instruction box, draws the preview and copies the frame to the screen.
// Each tick here is forced to draw (a pointer that moved by one pixel).
//
// Modes measured: the parabola's third step (a curve with one segment per
// pixel column in the thick pen, three dimension lines and labels), the
// tangent (three samples, triangle, long line) and the circle.
#include "bench/verhaeltnis.h"
#include "engine/funktion.h"
#include "engine/tabellen.h"
#include "graph/graphik.h"
#include "platform/sprache.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

// The language lists are resources of the window library.
static void RessourcenLaden()
{
    Q_INIT_RESOURCE(resources);
}

namespace {

constexpr int Breite = 1920;
constexpr int Hoehe = 1080;

struct TSzene {
    std::unique_ptr<TFunktion> Parabel = std::make_unique<TFunktion>();
    std::unique_ptr<TGraphik> G = std::make_unique<TGraphik>();

    TSzene()
    {
        Parabel->SetTerm("f(x) = x^2");
        Parabel->SetColor(clRed);
        Parabel->SetColor2(clRed);
        Funktionen[1] = Parabel.get();
        Funktionen[0] = Parabel.get();
        FunktionNr = 1;
        ZeichnenErlaubt = true;
        // A 16 x 9 view, 120 pixels per unit.
        G->XMin = -8;
        G->XMax = 8;
        G->YMin = -1;
        G->YMax = 8;
        G->PaintBox1->resize(Breite, Hoehe);
        G->ResizeBilder();
        G->RepaintGraph();
    }
    ~TSzene()
    {
        Funktionen[0] = nullptr;
        Funktionen[1] = nullptr;
    }
};

void BM_Baseline_RepaintGraph(benchmark::State& state)
{
    TSzene s;
    Modus = ModusUrsprung;
    for (auto _ : state) {
        s.G->RepaintGraph();
        benchmark::DoNotOptimize(s.G->PaintBox1->Front().constBits());
    }
}

// Ticks of one mode with the pointer moving by a pixel each time.
void Ticks(benchmark::State& state, TSzene& s, int x0, int y0)
{
    int n = 0;
    for (auto _ : state) {
        s.G->MausX = x0 + (n++ & 1);
        s.G->MausY = y0;
        s.G->AnimatorTimer();
        benchmark::DoNotOptimize(s.G->PaintBox1->Front().constBits());
    }
}

void BM_Tick_Parabel(benchmark::State& state)
{
    TSzene s;
    Modus = ModusParabelA;
    s.G->VerschiebungD = 1;  // vertex (1 | 0.5)
    s.G->VerschiebungE = 0.5;
    Ticks(state, s, 1200, 840);  // a = 0.5: the curve spans some 900 columns
}

void BM_Tick_Tangente(benchmark::State& state)
{
    TSzene s;
    Modus = ModusTangente;
    s.G->IstTangente = true;
    Ticks(state, s, 1080, 400);
}

void BM_Tick_Kreis(benchmark::State& state)
{
    TSzene s;
    Modus = ModusKreisRadius;
    Flagge.MittelX = 0;
    Flagge.MittelY = 3;
    Ticks(state, s, 1300, 300);
}

BENCHMARK(BM_Baseline_RepaintGraph)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime();
BENCHMARK(BM_Tick_Parabel)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime();
BENCHMARK(BM_Tick_Tangente)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime();
BENCHMARK(BM_Tick_Kreis)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime();


}  // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    RessourcenLaden();
    LoadLanguage(SpracheDeutsch);
    benchmark::Initialize(&argc, argv);
    TVerhaeltnisReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto basis = reporter.Zeiten.find("BM_Baseline_RepaintGraph");
    if (basis != reporter.Zeiten.end() && basis->second > 0) {
        std::printf("plain redraw of the picture: %.2f ms\n", basis->second);
        for (const char* name : {"BM_Tick_Parabel", "BM_Tick_Tangente", "BM_Tick_Kreis"}) {
            const auto t = reporter.Zeiten.find(name);
            if (t != reporter.Zeiten.end())
                std::printf("%s: %.2f ms, ratio to the redraw %.2f (goal below 1; 20 ms per tick at most)\n", name,
                            t->second, t->second / basis->second);
        }
    }
    benchmark::Shutdown();
    return 0;
}
