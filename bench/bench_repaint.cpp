// Full redraw of a heavy scene at 1920 x 1080: nine functions, three of them
// families of 100 members, in solid, dashed and disc styles.
//
// Baseline: the same visible line segments and discs, computed once
// beforehand and drawn with QPainter alone (connected runs as polylines with
// the pens' round ends). The ratio of the two is the pipeline's cost over
// drawing the finished picture with QPainter: sampling the terms, mapping,
// the canvas layer, the coordinate system and the two bitmap copies. The
// canvas fills wide pens on the screen bitmap itself, which is cheaper than
// QPainter's stroker, so part of the pipeline now costs less than its share
// of the baseline.
//
// The full redraw samples every function anew (the store of sampled graphs
// is off), on the pool of worker threads, which also paint the picture in
// bands of rows: once with one thread per core and once each with 1, 2, 4
// and 8 threads. The retyped redraw changes one function's term before each
// redraw, with the store on: only that function is sampled again. Beside
// the time, each prints the processor time of all threads per redraw.
//
// A further run samples the same graphs onto a canvas that draws nothing:
// the cost of evaluating the terms and walking the samples alone.
//
// The worst case: nine families t*sin(x)/x with t from 1 to 5 in steps of
// about 1e-6, four million members each, all sampled anew in each redraw
// while the store keeps the last one's. The picture's budget of evaluations
// bounds the redraw; it runs first, on all cores and on 2 threads, and its
// time and the peak memory of its redraws above the program's are printed.
#include "bench/verhaeltnis.h"
#include "engine/funktion.h"
#include "engine/tabellen.h"
#include "engine/arbeiterpool.h"
#include "graph/graphik.h"
#include "engine/proben.h"
#include "platform/farbe_qt.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int Breite = 1920;
constexpr int Hoehe = 1080;

struct TSzene {
    std::vector<std::unique_ptr<TFunktion>> Objekte;

    TSzene()
    {
        struct TDef {
            const char* Term;
            const char* Kind;
            int Stil;
            TColor Farbe, Farbe2;
            double TVon, TBis, TStep;
        };
        const TDef defs[9] = {
            {"f(x) = x^2", " Funktion ", 1, clRed, clRed, 1, 1, 1},
            {"f(x,t) = t*x^2 - 3", " Funktionenschar ", 0, clBlue, clNavy, 0.1, 10, 0.1},
            {"f(x,t) = sin(x + t) + t/20", " Funktionenschar ", 4, clGreen, clOlive, 0, 9.9, 0.1},
            {"f(x,t) = t/10*x + 1", " Funktionenschar ", 9, clYellow, clAqua, -5, 4.9, 0.1},
            {"f(x) = 1/x", " Funktion ", 6, clPurple, clPurple, 1, 1, 1},
            {"f(x) = sqrt(x)", " Funktion ", 2, clMaroon, clMaroon, 1, 1, 1},
            {"f(x) = sin(x)", " Funktion ", 10, clTeal, clTeal, 1, 1, 1},
            {"f(x) = abs(x) - 3", " Funktion ", 3, clGray, clGray, 1, 1, 1},
            {"f(x) = exp(x/2)", " Funktion ", 8, clFuchsia, clFuchsia, 1, 1, 1},
        };
        for (std::size_t k = 0; k < 9; ++k) {
            auto f = std::make_unique<TFunktion>();
            f->SetKind(defs[k].Kind);
            f->SetTerm(defs[k].Term);
            f->SetLineStyle(defs[k].Stil);
            f->SetColor(defs[k].Farbe);
            f->SetColor2(defs[k].Farbe2);
            f->SetTFrom(defs[k].TVon);
            f->SetTTo(defs[k].TBis);
            f->SetTStep(defs[k].TStep);
            if (!f->GetCompiled())
                std::fprintf(stderr, "term does not compile: %s\n", defs[k].Term);
            Funktionen[k + 1] = f.get();
            Objekte.push_back(std::move(f));
        }
        Funktionen[0] = Funktionen[1];
        FunktionNr = 1;
        ZeichnenErlaubt = true;
    }
};

// Nine families of four million members each.
struct TWinzigeSchritte {
    std::vector<std::unique_ptr<TFunktion>> Objekte;

    TWinzigeSchritte()
    {
        for (std::size_t k = 1; k <= 9; ++k) {
            auto f = std::make_unique<TFunktion>();
            f->SetKind(" Funktionenschar ");
            f->SetTerm("f(x,t)=t*sin(x)/x");
            f->SetColor(clBlue);
            f->SetColor2(clRed);
            f->SetTFrom(1);
            f->SetTTo(5);
            f->SetTStep(1e-6);
            Funktionen[k] = f.get();
            Objekte.push_back(std::move(f));
        }
        Funktionen[0] = Funktionen[1];
        FunktionNr = 1;
        ZeichnenErlaubt = true;
    }
};

// A graph window with a 1920 x 1080 drawing area on a 16 x 9 view.
std::unique_ptr<TGraphik> NeueGraphik()
{
    auto g = std::make_unique<TGraphik>();
    g->XMin = -8;
    g->XMax = 8;
    g->YMin = -4;
    g->YMax = 5;
    g->PaintBox1->resize(Breite, Hoehe);
    g->ResizeBilder();
    return g;
}

// The scene's drawing, recorded once: polylines and discs with their pens.
struct TVorberechnet {
    struct TZug {
        QPolygon Punkte;
        QPen Stift;
    };
    struct TScheibe {
        QRect Rechteck;
        QColor Fuellung;
    };
    std::vector<TZug> Zuege;
    std::vector<TScheibe> Scheiben;
    long Segmente = 0;
};

QPen StiftVon(const TPen& p)
{
    QPen q(ToQColor(p.Color));
    if (p.Width > 1) {
        q.setWidth(p.Width);
        q.setCapStyle(Qt::RoundCap);
        q.setJoinStyle(Qt::MiterJoin);
    } else {
        q.setWidth(0);
    }
    return q;
}

TVorberechnet Vorberechnen(TGraphik& g)
{
    TRecordingCanvas rec(Breite, Hoehe);
    const double sx = g.BildBreite / 16.0;
    const double sy = g.BildHoehe / 9.0;
    g.DrawGraphs(rec, sx, sy, 0, 0);
    TVorberechnet v;
    for (const auto& op : rec.Ops()) {
        if (op.Kind == TRecordingCanvas::TOpKind::Line) {
            const QPoint a(op.Points[0].X, op.Points[0].Y);
            const QPoint b(op.Points[1].X, op.Points[1].Y);
            // Segments wholly beyond one edge reach no pixel; the canvas
            // skips them too, so they are no drawing work.
            const int r = op.Pen.Width + 2;
            if ((a.x() < -r && b.x() < -r) || (a.x() > Breite + r && b.x() > Breite + r) || (a.y() < -r && b.y() < -r) ||
                (a.y() > Hoehe + r && b.y() > Hoehe + r))
                continue;
            ++v.Segmente;
            if (!v.Zuege.empty() && v.Zuege.back().Punkte.last() == a && v.Zuege.back().Stift == StiftVon(op.Pen)) {
                v.Zuege.back().Punkte << b;
            } else {
                v.Zuege.push_back({QPolygon({a, b}), StiftVon(op.Pen)});
            }
        } else if (op.Kind == TRecordingCanvas::TOpKind::Ellipse) {
            v.Scheiben.push_back({QRect(op.Rect.Left, op.Rect.Top, op.Rect.Right - op.Rect.Left - 1, op.Rect.Bottom - op.Rect.Top - 1),
                                  ToQColor(op.Brush.Color)});
        }
    }
    return v;
}

// Processor time of all the program's threads, in milliseconds.
double ProzessMs()
{
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return (r.ru_utime.tv_sec + r.ru_stime.tv_sec) * 1e3 + (r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e3;
}

// A line of /proc/self/status in KiB ("VmRSS", "VmHWM"); 0 when unknown.
double StatusKiB(const char* name)
{
    std::ifstream f("/proc/self/status");
    std::string zeile;
    const std::string kopf = std::string(name) + ":";
    while (std::getline(f, zeile))
        if (zeile.rfind(kopf, 0) == 0)
            return std::atof(zeile.c_str() + kopf.size());
    return 0;
}

// Starts a new peak of the resident memory (0 when the system cannot).
double SpitzeNeuBeginnen()
{
    std::ofstream("/proc/self/clear_refs") << "5";
    return StatusKiB("VmRSS");
}

// Processor time of all threads per iteration, as a counter.
struct TProzessZeit {
    double Start = ProzessMs();
    void Melden(benchmark::State& state) const
    {
        state.counters["cpu_all_ms"] = (ProzessMs() - Start) / static_cast<double>(std::max<benchmark::IterationCount>(1, state.iterations()));
    }
};

// Takes every drawing call and draws nothing.
class TLeeresCanvas : public TCanvas {
public:
    int Width() const override { return Breite; }
    int Height() const override { return Hoehe; }

protected:
    void DoLine(TPoint, TPoint) override {}
    void DoRectangle(TRect) override {}
    void DoRoundRect(TRect, int, int) override {}
    void DoEllipse(TRect) override {}
    void DoPolygon(const std::vector<TPoint>&, bool) override {}
    void DoFillRect(TRect) override {}
    void DoTextOut(TPoint, const QString&) override {}
    QSize DoTextExtent(const QString&) override { return QSize(8, 13); }
    void DoDraw(TRect, const QImage&) override {}
    void DoClipChanged() override {}
};

void BM_Baseline_QPainter(benchmark::State& state)
{
    TSzene szene;
    auto g = NeueGraphik();
    const TVorberechnet v = Vorberechnen(*g);
    QImage bild = MakeScreenImage(Breite, Hoehe);
    for (auto _ : state) {
        QPainter p(&bild);
        p.fillRect(bild.rect(), Qt::white);
        for (const auto& z : v.Zuege) {
            p.setPen(z.Stift);
            p.drawPolyline(z.Punkte);
        }
        p.setPen(QPen(Qt::black, 0));
        for (const auto& s : v.Scheiben) {
            p.setBrush(s.Fuellung);
            p.drawEllipse(s.Rechteck);
        }
        p.end();
        benchmark::DoNotOptimize(bild.constBits());
    }
    state.counters["segments"] = static_cast<double>(v.Segmente);
    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

// A full redraw with the given number of sampling threads (0: one per core).
void VollesNeuzeichnen(benchmark::State& state, unsigned threads)
{
    TSzene szene;
    auto g = NeueGraphik();
    g->ProbenSpeicherBenutzen = false;
    ProbenPoolGroesse(threads);
    g->RepaintGraph();  // the pictures' pixels and the pool's threads set up
    const TProzessZeit zeit;
    const std::uint64_t auswertungen = ProbenAuswertungen();
    for (auto _ : state) {
        g->RepaintGraph();
        benchmark::DoNotOptimize(g->PaintBox1->Front().constBits());
    }
    zeit.Melden(state);
    // The values the terms were evaluated at, per redraw.
    state.counters["evals"] = static_cast<double>(ProbenAuswertungen() - auswertungen) /
                              static_cast<double>(std::max<benchmark::IterationCount>(1, state.iterations()));
    ProbenPoolGroesse(0);
    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_RepaintGraph(benchmark::State& state)
{
    VollesNeuzeichnen(state, 0);
}

void BM_RepaintThreads(benchmark::State& state)
{
    VollesNeuzeichnen(state, static_cast<unsigned>(state.range(0)));
}

// One function retyped before every redraw, as typing into the input bar
// does; the others come from the store.
void BM_RepaintRetyped(benchmark::State& state)
{
    TSzene szene;
    auto g = NeueGraphik();
    g->RepaintGraph();
    bool zweite = false;
    const TProzessZeit zeit;
    const std::uint64_t auswertungen = ProbenAuswertungen();
    for (auto _ : state) {
        Funktionen[6]->SetTerm(zweite ? "f(x) = sqrt(x)" : "f(x) = sqrt(x) ");
        zweite = !zweite;
        g->RepaintGraph();
        benchmark::DoNotOptimize(g->PaintBox1->Front().constBits());
    }
    zeit.Melden(state);
    state.counters["evals"] = static_cast<double>(ProbenAuswertungen() - auswertungen) /
                              static_cast<double>(std::max<benchmark::IterationCount>(1, state.iterations()));
    if (g->Proben && g->Proben->NeuAbgetastet != 1)
        state.SkipWithError("more than the retyped function was sampled");
    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_SamplingOnly(benchmark::State& state)
{
    TSzene szene;
    auto g = NeueGraphik();
    TLeeresCanvas leer;
    const double sx = g->BildBreite / 16.0;
    const double sy = g->BildHoehe / 9.0;
    for (auto _ : state) {
        g->DrawGraphs(leer, sx, sy, 0, 0);
        benchmark::DoNotOptimize(leer.PenPos());
    }
}

// The peak memory of the worst case's redraws above the program's before
// them, in MiB, the largest of its runs.
double WinzigSpitzeMiB = 0;

void BM_RepaintTinySteps(benchmark::State& state)
{
    ProbenPoolGroesse(static_cast<unsigned>(state.range(0)));
    const double vorher = SpitzeNeuBeginnen();
    {
        // Every family changes its step before each redraw, so that all are
        // sampled anew while the store holds the last redraw's lists.
        TWinzigeSchritte szene;
        auto g = NeueGraphik();
        bool zweite = false;
        const TProzessZeit zeit;
        for (auto _ : state) {
            for (std::size_t k = 1; k <= 9; ++k)
                Funktionen[k]->SetTStep(zweite ? 1e-6 : 1.0000001e-6);
            zweite = !zweite;
            g->RepaintGraph();
            benchmark::DoNotOptimize(g->PaintBox1->Front().constBits());
        }
        zeit.Melden(state);
        if (!g->NichtAlleMitglieder)
            state.SkipWithError("all members drawn: the budget did not apply");
    }
    if (vorher > 0 && StatusKiB("VmHWM") > 0)
        WinzigSpitzeMiB = std::max(WinzigSpitzeMiB, (StatusKiB("VmHWM") - vorher) / 1024.0);
    ProbenPoolGroesse(0);
}

// First: the peak memory is measured best before the other scenes ran.
BENCHMARK(BM_RepaintTinySteps)->Arg(0)->Arg(2)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_Baseline_QPainter)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime();
BENCHMARK(BM_RepaintGraph)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime();
BENCHMARK(BM_RepaintThreads)->Arg(1)->Arg(2)->Arg(4)->Arg(8)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime();
BENCHMARK(BM_RepaintRetyped)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime();
BENCHMARK(BM_SamplingOnly)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime();


}  // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    TVerhaeltnisReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto zeit = [&](const std::string& name) {
        const auto t = reporter.Zeiten.find(name);
        return t == reporter.Zeiten.end() ? 0.0 : t->second;
    };
    const double basis = zeit("BM_Baseline_QPainter");
    const double voll = zeit("BM_RepaintGraph");
    if (basis > 0 && voll > 0) {
        std::printf("RepaintGraph, full redraw on %u threads: %.1f ms per frame, %.1f frames per second\n",
                    TArbeiterPool::Kerne(), voll, 1000.0 / voll);
        std::printf("ratio to pure QPainter drawing (%.1f ms): %.3f (goal at most 0.08)\n", basis, voll / basis);
        for (const char* n : {"1", "2", "4", "8"}) {
            if (const double t = zeit(std::string("BM_RepaintThreads/") + n); t > 0)
                std::printf("  on %s thread(s): %.1f ms, ratio %.3f%s\n", n, t, t / basis,
                            std::string(n) == "2" ? " (goal at most 0.15)" : "");
        }
        if (const double t = zeit("BM_RepaintRetyped"); t > 0)
            std::printf("one function retyped: %.1f ms, ratio %.3f (goal at most 0.05)\n", t, t / basis);
        if (const double t = zeit("BM_SamplingOnly"); t > 0)
            std::printf("sampling the terms alone (no drawing) %.1f ms, %.0f%% of a full redraw\n", t, 100.0 * t / voll);
    }
    for (const char* n : {"0", "2"}) {
        if (const double t = zeit(std::string("BM_RepaintTinySteps/") + n); t > 0)
            std::printf("worst case, nine families of 4 million members, %s: %.1f ms per redraw (goal under 1000 on 2)\n",
                        std::string(n) == "0" ? "all cores" : "2 threads", t);
    }
    if (WinzigSpitzeMiB > 0)
        std::printf("worst case, peak memory of its redraws: %.0f MiB (goal under 200)\n", WinzigSpitzeMiB);
    benchmark::Shutdown();
    return 0;
}
