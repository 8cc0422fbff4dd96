// Speed of the term evaluator.
//
// Each value is kept with DoNotOptimize rather than summed, so no variant
// carries a dependency from one value to the next.
//
// Each term is evaluated at 10,000 x values four ways: through TFunktion
// one x at a time (our compiler and evaluator, 80-bit with every guard),
// through TFunktion as one column of all the x values, through muparser
// (double precision) and as a plain C++ function in long double. After the
// runs the program prints, per term and as a geometric mean, the ratios
// ours/muparser, ours/native and column/native, all measured in this same
// run (with a filter, those whose runs were measured), and column/native
// against its goals: a geometric mean of at most 1.0, no term above 2.0.
//
// ours/native is what the evaluator adds above the cost of the arithmetic
// itself; ours/muparser mostly shows the price of 80-bit library functions.
// Column evaluation is what drawing and the value table use.
#include "bench/verhaeltnis.h"
#include "engine/funktion.h"
#include "engine/proben.h"

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace {

constexpr int kPoints = 10000;
// Goals of column evaluation against the native loop: the geometric mean
// of the terms, and each term.
constexpr double kZielMittel = 1.0;
constexpr double kZielJeTerm = 2.0;
constexpr long double kT = 2;

using Native = long double (*)(long double x, long double t);

long double Sign(long double v) { return v > 0 ? 1 : (v < 0 ? -1 : 0); }

struct TermCase {
    const char* ours;
    const char* muparser;
    Native native;
};

constexpr TermCase kCases[] = {
    {"f(x) = x^2", "x^2", [](long double x, long double) { return x * x; }},
    {"f(x,t) = t*x^2-3*x+1", "t*x^2-3*x+1",
     [](long double x, long double t) { return t * x * x - 3 * x + 1; }},
    {"f(x) = sin(x)*exp(-x/5)", "sin(x)*exp(-x/5)",
     [](long double x, long double) { return std::sin(x) * std::exp(-x / 5); }},
    {"f(x) = sqrt(abs(x))+ln(x^2+1)", "sqrt(abs(x))+ln(x^2+1)",
     [](long double x, long double) { return std::sqrt(std::fabs(x)) + std::log(x * x + 1); }},
    {"f(x) = 2^x/(1+x^4)", "2^x/(1+x^4)",
     [](long double x, long double) { return std::pow(2.0L, x) / (1 + x * x * x * x); }},
    {"f(x) = round(x)+sign(x-1)*cos(3*x)", "rint(x)+sign(x-1)*cos(3*x)",
     [](long double x, long double) { return std::rint(x) + Sign(x - 1) * std::cos(3 * x); }},
    {"f(x) = arsinh(x)-artanh(x/10)", "asinh(x)-atanh(x/10)",
     [](long double x, long double) { return std::asinh(x) - std::atanh(x / 10); }},
    {"f(x) = (x-1)*(x+2)*(x-3)/(x^2+1)", "(x-1)*(x+2)*(x-3)/(x^2+1)",
     [](long double x, long double) { return (x - 1) * (x + 2) * (x - 3) / (x * x + 1); }},
};
constexpr int kCaseCount = static_cast<int>(std::size(kCases));

// x from -5 to 5, off the integers, inside every term's domain.
const std::vector<long double>& Xs()
{
    static const std::vector<long double> xs = [] {
        std::vector<long double> v;
        v.reserve(kPoints);
        for (int i = 0; i < kPoints; ++i) v.push_back(-5 + (i + 0.5L) * (10.0L / kPoints));
        return v;
    }();
    return xs;
}

void Ours(benchmark::State& state, int c)
{
    TFunktion f;
    f.SetTerm(kCases[c].ours);
    if (!f.GetCompiled()) {
        state.SkipWithError("term does not compile");
        return;
    }
    long double p[6] = {0, kT, 0, 0, 0, 0};
    const std::vector<long double>& xs = Xs();
    for (auto _ : state) {
        for (long double x : xs) {
            p[0] = x;
            f.Evaluate(p);
            long double v = f.GetValue();
            benchmark::DoNotOptimize(v);
        }
    }
}

void Column(benchmark::State& state, int c)
{
    TFunktion f;
    f.SetTerm(kCases[c].ours);
    if (!f.GetCompiled()) {
        state.SkipWithError("term does not compile");
        return;
    }
    const std::vector<long double>& xs = Xs();
    std::vector<long double> values(xs.size());
    std::unique_ptr<bool[]> defined(new bool[xs.size()]), jumps(new bool[xs.size()]);
    for (auto _ : state) {
        f.EvaluateColumn(std::span<const long double>(xs), kT, values, {defined.get(), xs.size()},
                         {jumps.get(), xs.size()});
        benchmark::DoNotOptimize(values.data());
        benchmark::ClobberMemory();
    }
}

void MuParser(benchmark::State& state, int c)
{
    double x = 0, t = static_cast<double>(kT);
    mu::Parser parser;
    try {
        parser.DefineVar("x", &x);
        parser.DefineVar("t", &t);
        parser.SetExpr(kCases[c].muparser);
        parser.Eval();
    } catch (const mu::Parser::exception_type&) {
        state.SkipWithError("muparser rejects the term");
        return;
    }
    std::vector<double> xs;
    for (long double v : Xs()) xs.push_back(static_cast<double>(v));
    for (auto _ : state) {
        for (double v : xs) {
            x = v;
            double y = parser.Eval();
            benchmark::DoNotOptimize(y);
        }
    }
}

template <int C>
void NativeRun(benchmark::State& state)
{
    constexpr Native fn = kCases[C].native;
    const std::vector<long double>& xs = Xs();
    long double t = kT;
    benchmark::DoNotOptimize(t);  // t is not a compile-time constant...
    const long double tv = t;     // ...but stays in a register
    for (auto _ : state) {
        for (long double x : xs) {
            long double y = fn(x, tv);
            benchmark::DoNotOptimize(y);
        }
    }
}

// A family of 100 members sampled on one thread, 1920 samples each, as a
// redraw samples it: t*sin(x) evaluates sin(x) once per x for all members
// (the term splits), t*sin(x+0*t) the same values for every member.
void Familie(benchmark::State& state, const char* term)
{
    TFunktion f;
    f.SetTerm(term);
    TProbenAuftrag a;
    a.Funktion = &f;
    a.Abbildung = TPlotAbbildung{-8, 5, 120, 120, 0, 0};
    a.XStart = -8;
    a.XEnde = 8 - 1.0 / 120;
    a.Dx = 1.0 / 120;
    a.SprungGrenze = 1080;
    ProbenPoolGroesse(1);
    TMitgliedBefehle liste;
    for (auto _ : state) {
        for (int m = 0; m < 100; ++m) {
            MitgliedAbtasten(a, 0.1 * m, 0, liste);
            benchmark::DoNotOptimize(liste.data());
        }
    }
    ProbenPoolGroesse(0);
}

template <int... C>
void RegisterNative(std::integer_sequence<int, C...>)
{
    (benchmark::RegisterBenchmark(("native/" + std::to_string(C)).c_str(), NativeRun<C>), ...);
}


}  // namespace

int main(int argc, char** argv)
{
    for (int c = 0; c < kCaseCount; ++c) {
        benchmark::RegisterBenchmark(("ours/" + std::to_string(c)).c_str(), Ours, c);
        benchmark::RegisterBenchmark(("column/" + std::to_string(c)).c_str(), Column, c);
        benchmark::RegisterBenchmark(("muparser/" + std::to_string(c)).c_str(), MuParser, c);
    }
    RegisterNative(std::make_integer_sequence<int, kCaseCount>{});
    benchmark::RegisterBenchmark("family/split", Familie, "f(x,t) = t*sin(x)")->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("family/whole", Familie, "f(x,t) = t*sin(x+0*t)")->Unit(benchmark::kMillisecond);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    TVerhaeltnisReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    // Each figure where its runs were not filtered out; each ratio where
    // both of its runs were, its geometric mean over those terms.
    const auto zeit = [&](const char* art, int c) {
        const auto it = reporter.Sekunden.find(std::string(art) + "/" + std::to_string(c));
        return it == reporter.Sekunden.end() ? -1.0 : it->second * 1e9 / kPoints;
    };
    const auto spalte = [](double v) {
        char text[16] = "        -";
        if (v >= 0)
            std::snprintf(text, sizeof text, "%9.2f", v);
        return std::string(text);
    };
    struct TMittel {
        double Log = 0;
        int Anzahl = 0;
        double Geben(double a, double b)
        {
            if (a < 0 || b <= 0)
                return -1;
            Log += std::log(a / b);
            ++Anzahl;
            return a / b;
        }
        double Wert() const { return Anzahl > 0 ? std::exp(Log / Anzahl) : -1; }
    } mu, nat, col;
    std::printf("\n%-38s %9s %9s %9s %9s %9s %9s %9s\n", "term (ns per value)", "ours", "column", "muparser",
                "native", "ours/mu", "ours/nat", "col/nat");
    double schlechteste = 0;
    for (int c = 0; c < kCaseCount; ++c) {
        const double o = zeit("ours", c), s = zeit("column", c), m = zeit("muparser", c), n = zeit("native", c);
        if (o < 0 && s < 0 && m < 0 && n < 0)
            continue;
        const double sn = col.Geben(s, n);
        schlechteste = std::max(schlechteste, sn);
        std::printf("%-38s %s %s %s %s %s %s %s%s\n", kCases[c].ours, spalte(o).c_str(), spalte(s).c_str(),
                    spalte(m).c_str(), spalte(n).c_str(), spalte(mu.Geben(o, m)).c_str(),
                    spalte(nat.Geben(o, n)).c_str(), spalte(sn).c_str(), sn > kZielJeTerm ? " (above 2.0)" : "");
    }
    std::printf("%-38s %9s %9s %9s %9s %s %s %s\n", "geometric mean", "", "", "", "", spalte(mu.Wert()).c_str(),
                spalte(nat.Wert()).c_str(), spalte(col.Wert()).c_str());
    if (col.Anzahl > 0)
        std::printf("col/nat: geometric mean %.2f (goal: at most %.1f), largest %.2f (goal: at most %.1f)\n", col.Wert(),
                    kZielMittel, schlechteste, kZielJeTerm);
    const auto geteilt = reporter.Sekunden.find("family/split"), ganz = reporter.Sekunden.find("family/whole");
    if (geteilt != reporter.Sekunden.end() && ganz != reporter.Sekunden.end())
        std::printf("a family of 100 members, t*sin(x) with sin(x) once per x for all: %.2f ms, %.2f of the whole term for each\n",
                    geteilt->second * 1e3, geteilt->second / ganz->second);
    return 0;
}
