// Prints everything observable of whole display passes over many curves:
// the console text with its attribute changes, the split list and each
// marker's first vertex, floats in hexadecimal. Builds by different
// compilers and optimisation levels must print the same bytes.
#include <cstdint>
#include <cstdio>

#include "app/display.h"
#include "app/state.h"
#include "fake_calls.h"

namespace {

std::uint32_t nextRandom(std::uint32_t& s) {
    s = s * 1664525u + 1013904223u;
    return s >> 8;
}

void dumpPass(const float p[8]) {
    for (int i = 0; i < 4; ++i) {
        ctrlPoints[i] = Point2f{p[2 * i], p[2 * i + 1]};
    }
    glyphsPending = 0;
    fakeReset();
    onDisplay();
    std::printf("curve %a %a %a %a %a %a %a %a\n", p[0], p[1], p[2], p[3], p[4], p[5], p[6],
                p[7]);
    for (std::size_t i = 0; i < fakeCallCount(); ++i) {
        const FakeCall& c = fakeCall(i);
        if (c.id == Call_setReportColour) {
            std::printf("attr %g\n", c.args[0]);
        } else if (c.id == Call_report) {
            std::printf("text %s", c.text);
        } else if (c.id == Call_glBegin && c.args[0] == 9 /* polygon */) {
            const FakeCall& v = fakeCall(i + 1);
            std::printf("marker %a %a\n", static_cast<float>(v.args[0]),
                        static_cast<float>(v.args[1]));
        }
    }
    std::printf("split %d:", splitCount);
    for (float s : splitParams) {
        std::printf(" %a", s);
    }
    std::printf("\n");
}

}  // namespace

int main() {
    std::uint32_t seed = 12345u;
    for (int n = 0; n < 20000; ++n) {
        float p[8];
        for (float& v : p) {
            const std::uint32_t r = nextRandom(seed);
            // mostly whole pixels inside and around the window, as a drag
            // stores them; some with fractions; some collinear or repeated
            v = static_cast<float>(static_cast<int>(r % 900u) - 130);
            if (n % 7 == 3) {
                v += static_cast<float>(r % 1000u) / 1000.0f;
            }
        }
        if (n % 11 == 5) {
            p[2] = p[0];
            p[3] = p[1];
        }
        if (n % 13 == 7) {
            for (int i = 1; i < 4; ++i) {
                p[2 * i + 1] = p[1];
            }
        }
        dumpPass(p);
    }
    return 0;
}
