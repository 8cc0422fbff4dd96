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
// run.
//
// ours/native is what the evaluator adds above the cost of the arithmetic
// itself; ours/muparser mostly shows the price of 80-bit library functions.
#include "bench/verhaeltnis.h"
#include "engine/funktion.h"

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace {

constexpr int kPoints = 10000;
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

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    TVerhaeltnisReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::printf("\n%-38s %9s %9s %9s %9s %9s %9s %9s\n", "term (ns per value)", "ours", "column", "muparser",
                "native", "ours/mu", "ours/nat", "col/nat");
    double logMu = 0, logNat = 0, logCol = 0;
    int counted = 0;
    for (int c = 0; c < kCaseCount; ++c) {
        const std::string k = std::to_string(c);
        const auto o = reporter.Sekunden.find("ours/" + k);
        const auto m = reporter.Sekunden.find("muparser/" + k);
        const auto n = reporter.Sekunden.find("native/" + k);
        const auto s = reporter.Sekunden.find("column/" + k);
        if (o == reporter.Sekunden.end() || m == reporter.Sekunden.end() || n == reporter.Sekunden.end() ||
            s == reporter.Sekunden.end())
            continue;  // filtered out or skipped
        const double ours = o->second * 1e9 / kPoints, mu = m->second * 1e9 / kPoints,
                     nat = n->second * 1e9 / kPoints, col = s->second * 1e9 / kPoints;
        std::printf("%-38s %9.2f %9.2f %9.2f %9.2f %9.2f %9.2f %9.2f\n", kCases[c].ours, ours, col, mu, nat,
                    ours / mu, ours / nat, col / nat);
        logMu += std::log(ours / mu);
        logNat += std::log(ours / nat);
        logCol += std::log(col / nat);
        ++counted;
    }
    if (counted > 0)
        std::printf("%-38s %9s %9s %9s %9s %9.2f %9.2f %9.2f (goal: col/nat at most 1.0)\n", "geometric mean", "", "",
                    "", "", std::exp(logMu / counted), std::exp(logNat / counted), std::exp(logCol / counted));
    return 0;
}
