// Fuzz target: any eight 32-bit floats as control points (NaN, infinities,
// subnormals, huge values, coincident points) through whole display passes
// on the recording fake, checking what must hold for every curve.
#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/display.h"
#include "app/gl.h"
#include "app/state.h"
#include "fake_calls.h"
#include "report/format.h"

namespace {

[[noreturn]] void fail(const char* what, std::size_t call) {
    std::fprintf(stderr, "invariant broken: %s (call %zu)\n", what, call);
    for (int i = 0; i < 4; ++i) {
        std::fprintf(stderr, "  P%d = (%a, %a)\n", i, ctrlPoints[i].x, ctrlPoints[i].y);
    }
    std::abort();
}

#define CHECK(cond, call) \
    do {                  \
        if (!(cond)) {    \
            fail(#cond, call); \
        }                 \
    } while (0)

enum class Kind { None, Axis, InflectionLinear, InflectionQuadratic, Curvature };

const char* const kPrefixes[] = {
    nullptr, "Extreme point-------------t is ", "inflection point-----------t is ",
    "inflection point----------t is ", "Curvature extreme point---t is "};

Kind kindOf(const char* text) {
    for (int k = 1; k <= 4; ++k) {
        if (std::strncmp(text, kPrefixes[k], std::strlen(kPrefixes[k])) == 0) {
            return static_cast<Kind>(k);
        }
    }
    return Kind::None;
}

// The line's own format, printed by the report's formatter and by the C
// library from the same values, must match the recorded text.
void checkLine(const char* text, std::size_t call, float markerY) {
    const Kind kind = kindOf(text);
    CHECK(kind != Kind::None, call);
    char tail[64];
    double t = 0.0;
    double x = 0.0;
    double y = 0.0;
    const char* rest = text + std::strlen(kPrefixes[static_cast<int>(kind)]);
    CHECK(std::sscanf(rest, "%lf, point is (%lf,%lf)%63s", &t, &x, &y, tail) >= 3, call);
    CHECK(t >= 0.0 && t <= 1.0, call);
    // The marker's first vertex has the point's exact y.
    char printedY[64];
    std::snprintf(printedY, sizeof printedY, ",%.2f)\n", static_cast<double>(markerY));
    const std::size_t n = std::strlen(text);
    const std::size_t m = std::strlen(printedY);
    CHECK(n > m && std::strcmp(text + n - m, printedY) == 0, call);
}

bool sameFormatting(const char* format, ...) {
    char fast[256];
    char libc[512];
    va_list a;
    va_start(a, format);
    va_list b;
    va_copy(b, a);
    const int n = formatReportLine(fast, sizeof fast, format, a);
    std::vsnprintf(libc, sizeof libc, format, b);
    va_end(b);
    va_end(a);
    return n >= 0 && std::strcmp(fast, libc) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 32) {
        return 0;
    }
    float p[8];
    std::memcpy(p, data, sizeof p);
    for (int i = 0; i < 4; ++i) {
        ctrlPoints[i] = Point2f{p[2 * i], p[2 * i + 1]};
    }
    splitParams[8] = 5.0f;  // stale values the pass must reset
    splitParams[9] = 5.0f;
    glyphsPending = 0;
    fakeReset();
    onDisplay();

    // The split list.
    CHECK(splitCount >= 2 && splitCount <= 8, 0);
    CHECK(splitParams[0] == 0.0f && splitParams[splitCount - 1] == 1.0f, 0);
    for (int i = 0; i + 1 < splitCount; ++i) {
        CHECK(splitParams[i] <= splitParams[i + 1], 0);
    }
    for (int i = splitCount; i < 10; ++i) {
        CHECK(splitParams[i] == 0.0f, 0);
    }

    // The layout: 8, axis markers and lines, 2, inflection markers and
    // lines, 7, then curvature lines each inside a 4..7 pair or, for an
    // end test, in 7; every line right after its marker; "\n\n" and swap.
    int phase = 0;  // attributes seen: 0 none, 1 after 8, 2 after 2, 3 after 7
    int attribute = -1;
    int pendingMarker = 0;
    float markerY = 0.0f;
    int curvatureLinesInRed = 0;
    std::size_t i = static_cast<std::size_t>(-1);
    for (std::size_t k = 0; k < fakeCallCount(); ++k) {
        if (fakeCall(k).id == Call_glBegin && fakeCall(k).args[0] == GL_POINTS) {
            i = k + 6;  // past the four control points and glEnd
            break;
        }
    }
    CHECK(i < fakeCallCount(), 0);
    bool closed = false;
    for (; i < fakeCallCount(); ++i) {
        const FakeCall& c = fakeCall(i);
        CHECK(!closed || c.id == Call_flushReport || c.id == Call_glutSwapBuffers, i);
        switch (c.id) {
            case Call_setReportColour: {
                const int a = static_cast<int>(c.args[0]);
                CHECK(pendingMarker == 0 || phase < 3, i);
                if (phase == 0) {
                    CHECK(a == 8, i);
                    phase = 1;
                } else if (phase == 1) {
                    CHECK(a == 2, i);
                    phase = 2;
                } else if (phase == 2) {
                    CHECK(a == 7, i);
                    phase = 3;
                } else {
                    CHECK((a == 4 && attribute == 7) || (a == 7 && attribute == 4), i);
                    if (a == 7) {
                        CHECK(curvatureLinesInRed == 1, i);
                        curvatureLinesInRed = 0;
                    }
                }
                attribute = a;
                pendingMarker = 0;  // double-root markers have no line
                break;
            }
            case Call_glBegin:
                CHECK(c.args[0] == GL_POLYGON && phase >= 1, i);
                CHECK(phase < 3 || pendingMarker == 0, i);
                markerY = static_cast<float>(fakeCall(i + 1).args[1]);
                i += 21;
                CHECK(fakeCall(i).id == Call_glEnd, i);
                pendingMarker = 1;
                break;
            case Call_glColor3f:
                CHECK(phase >= 1, i);
                break;
            case Call_report:
                if (std::strcmp(c.text, "\n\n") == 0) {
                    CHECK(phase == 3 && attribute == 7 && pendingMarker == 0, i);
                    closed = true;
                    break;
                }
                CHECK(pendingMarker == 1, i);
                checkLine(c.text, i, markerY);
                {
                    const Kind k = kindOf(c.text);
                    CHECK(phase != 1 || k == Kind::Axis, i);
                    CHECK(phase != 2 || k == Kind::InflectionLinear ||
                              k == Kind::InflectionQuadratic, i);
                    CHECK(phase != 3 || k == Kind::Curvature, i);
                    if (phase == 3 && attribute == 4) {
                        ++curvatureLinesInRed;
                    }
                }
                pendingMarker = 0;
                break;
            case Call_flushReport:
                CHECK(closed && i + 2 == fakeCallCount(), i);
                break;
            case Call_glutSwapBuffers:
                CHECK(closed && i + 1 == fakeCallCount(), i);
                break;
            default:
                fail("unexpected call", i);
        }
    }
    CHECK(closed, 0);

    // The report's formatting of these very values equals the C library's.
    for (float v : p) {
        CHECK(sameFormatting("t is %f, point is (%.2f,%.2f)\n", static_cast<double>(v),
                             static_cast<double>(v), static_cast<double>(-v)),
              0);
    }
    return 0;
}
