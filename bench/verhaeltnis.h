#pragma once
// The console reporter every benchmark program prints its ratios with: it
// keeps each run's time per iteration, under the benchmark's name and its
// arguments ("BM_RepaintThreads/4"), for the table printed after the runs.
// With repetitions (--benchmark_repetitions=5) it keeps their median, which
// a busy machine disturbs less than any single run.

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

class TVerhaeltnisReporter : public benchmark::ConsoleReporter {
public:
    // Plain text: the figures end up in logs, where colour codes only clutter.
    TVerhaeltnisReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            const bool median = r.run_type == Run::RT_Aggregate && r.aggregate_name == "median";
            if ((r.run_type != Run::RT_Iteration && !median) || r.iterations <= 0 || r.error_occurred)
                continue;
            const std::string name =
                r.run_name.function_name + (r.run_name.args.empty() ? "" : "/" + r.run_name.args);
            Zeiten[name] = r.GetAdjustedRealTime();
            Sekunden[name] = r.cpu_accumulated_time / static_cast<double>(r.iterations);
        }
    }
    std::map<std::string, double> Zeiten;    // real time, in the benchmark's unit
    std::map<std::string, double> Sekunden;  // processor seconds
};
