// Time of one whole analysis pass and one whole display pass, with GL going
// to a no-op sink and standard output to /dev/null, which each display
// pass hands its text to in one write, as it does to any file.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <iostream>

#include "bench/analysis_pass.h"
#include "app/display.h"
#include "app/state.h"
#include "report/report.h"

namespace {

const float kDefault[8] = {50, 100, 200, 300, 400, 300, 550, 100};
const float kEightEntries[8] = {275, 56, 189, 176, 297, 35, 171, 81};
const float kCollinear[8] = {100, 100, 200, 200, 300, 300, 400, 400};

void setCurve(const float* p) {
    for (int i = 0; i < 4; ++i) {
        ctrlPoints[i] = Point2f{p[2 * i], p[2 * i + 1]};
    }
}

void BM_AnalysisPass(benchmark::State& state, const float* curve) {
    setCurve(curve);
    for (auto _ : state) {
        analysisPass();
        benchmark::ClobberMemory();
    }
}
BENCHMARK_CAPTURE(BM_AnalysisPass, default_curve, kDefault);
BENCHMARK_CAPTURE(BM_AnalysisPass, eight_entries, kEightEntries);
BENCHMARK_CAPTURE(BM_AnalysisPass, collinear, kCollinear);

void BM_DisplayPass(benchmark::State& state, const float* curve) {
    setCurve(curve);
    glyphsPending = 0;
    for (auto _ : state) {
        onDisplay();
        benchmark::ClobberMemory();
    }
}
BENCHMARK_CAPTURE(BM_DisplayPass, default_curve, kDefault);
BENCHMARK_CAPTURE(BM_DisplayPass, eight_entries, kEightEntries);

}  // namespace

int main(int argc, char** argv) {
    // The report goes to a null sink; the benchmark's own results go to
    // standard error.
    if (std::freopen("/dev/null", "w", stdout) == nullptr) {
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::ConsoleReporter reporter(benchmark::ConsoleReporter::OO_Tabular);
    reporter.SetOutputStream(&std::cerr);
    reporter.SetErrorStream(&std::cerr);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
