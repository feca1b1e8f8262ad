// Time of one whole analysis pass, without a benchmark library, so that the
// same code can be timed natively and compiled to WebAssembly under node.
// Prints the median of 7 batches of about 0.2 s, in ns per pass.
#include <algorithm>
#include <chrono>
#include <cstdio>

#include "bench/analysis_pass.h"
#include "app/state.h"
#include "report/report.h"

namespace {

struct Curve {
    const char* name;
    float p[8];
};

const Curve kCurves[] = {
    {"default curve", {50, 100, 200, 300, 400, 300, 550, 100}},
    {"eight-entry curve", {275, 56, 189, 176, 297, 35, 171, 81}},
    {"collinear curve", {100, 100, 200, 200, 300, 300, 400, 400}},
};

double batchNsPerPass(long passes) {
    const auto start = std::chrono::steady_clock::now();
    for (long i = 0; i < passes; ++i) {
        analysisPass();
    }
    const std::chrono::duration<double, std::nano> d = std::chrono::steady_clock::now() - start;
    return d.count() / static_cast<double>(passes);
}

}  // namespace

int main() {
    // The report goes to a null sink; the figures to standard error.
    if (std::freopen("/dev/null", "w", stdout) == nullptr) {
        return 1;
    }
    for (const Curve& c : kCurves) {
        for (int i = 0; i < 4; ++i) {
            ctrlPoints[i] = Point2f{c.p[2 * i], c.p[2 * i + 1]};
        }
        long passes = 1000;
        while (batchNsPerPass(passes) * static_cast<double>(passes) < 2e8) {
            passes *= 2;
        }
        double batches[7];
        for (double& b : batches) {
            b = batchNsPerPass(passes);
        }
        std::sort(batches, batches + 7);
        std::fprintf(stderr, "analysis pass, %-18s %8.0f ns\n", c.name, batches[3]);
    }
    return 0;
}
