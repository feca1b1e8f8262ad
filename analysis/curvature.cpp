// Curvature extremes of the curve, one interval of the split list at a time.
#include "analysis/analysis.h"
#include "app/gl.h"
#include "draw/marker.h"
#include "report/report.h"

// Where the build allows it, the sampling loop is compiled for both the
// baseline and AVX2 and the wider one is picked at load time. The lanes do
// the same float operations either way (contraction is off), so the bits
// do not depend on the machine.
#if defined(QUORVEL_HAVE_TARGET_CLONES)
#define QUORVEL_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define QUORVEL_VECTOR_CLONES
#endif

namespace {

const char* const kCurvatureLine = "Curvature extreme point---t is %f, point is (%.2f,%.2f)\n";

constexpr int kSamples = 101;
// The sample table is padded to a multiple of the vector width so the
// sampling loop vectorises without a scalar tail. Each sample is computed on
// its own, so lanes give the same bits as the scalar code; the padding
// samples are computed and never read.
constexpr int kSampleSlots = 104;

void markAndWrite(const Point2f points[4], float t) {
    const Point2f p = evalCurve(points, t);
    drawMarker(p.x, p.y);
    report(kCurvatureLine, static_cast<double>(t), static_cast<double>(p.x),
           static_cast<double>(p.y));
}

// A found point in red: attribute 4 around its line, back to 7 after it.
void reportInRed(const Point2f points[4], float t) {
    setReportColour(kAttrCurvature);
    markAndWrite(points, t);
    setReportColour(kAttrNormal);
}

}  // namespace

// For kappa = (x'y'' - y'x'') / (x'^2 + y'^2)^(3/2),
//   dkappa/dt = (U V - W Z) / (x'^2 + y'^2)^(5/2)
// with U = x'y''' - y'x''', V = x'^2 + y'^2, W = 3 (x'x'' + y'y''),
// Z = x'y'' - y'x''. Everything is float and in exactly this order: on
// symmetric or straight curves the result is exactly zero at the extreme,
// and the search tests for that exact zero.
static inline float slope(const CurveCoeffs& c, float t) {
    const float twoT = t * 2.0f;
    const float tt = t * t;
    const float xd = ((twoT * c.c2.x + c.c1.x) + tt * c.c3.x) * 3.0f;
    const float yd = ((twoT * c.c2.y + c.c1.y) + tt * c.c3.y) * 3.0f;
    const float xdd = (c.c3.x * t + c.c2.x) * 6.0f;
    const float ydd = (c.c3.y * t + c.c2.y) * 6.0f;
    const float xddd = c.c3.x * 6.0f;
    const float yddd = c.c3.y * 6.0f;
    const float u = xd * yddd - yd * xddd;
    const float v = yd * yd + xd * xd;
    const float w = (yd * ydd + xd * xdd) * 3.0f;
    const float z = xd * ydd - yd * xdd;
    return u * v - w * z;
}

float curvatureSlope(const CurveCoeffs& c, float t) {
    return slope(c, t);
}

// s[k] = slope at t_k = k step + t0 for every slot of the table.
QUORVEL_VECTOR_CLONES
static void sampleSlopes(CurveCoeffs c, float t0, float step, float* samples) {
    for (int k = 0; k < kSampleSlots; ++k) {
        samples[k] = slope(c, static_cast<float>(k) * step + t0);
    }
}

// Exact zeros at t0 (and at t1 for odd intervals), then 101 samples
// t_k = k step + t0: a strict sign change between neighbours reports their
// midpoint, an exact zero sample between opposite signs reports itself.
// The end-test markers come before this call's red, so they take the colour
// left by what ran before; the end-test line keeps the normal attribute.
void findCurvatureExtrema(int i, float t0, float t1, Point2f p0, Point2f p1, Point2f p2,
                          Point2f p3) {
    const Point2f points[4] = {p0, p1, p2, p3};
    const CurveCoeffs c = curveCoeffs(p0, p1, p2, p3);

    if (curvatureSlope(c, t0) == 0.0f) {
        reportInRed(points, t0);
    }
    if (i % 2 == 1 && curvatureSlope(c, t1) == 0.0f) {
        markAndWrite(points, t1);
    }

    const float step = (t1 - t0) / 100.0f;
    glColor3f(1.0f, 0.0f, 0.0f);

    float samples[kSampleSlots];
    sampleSlopes(c, t0, step, samples);

    for (int j = 0; j < kSamples - 1; ++j) {
        if (samples[j] * samples[j + 1] < 0.0f) {
            // midpoint of t_j and t_(j+1): t0 + (2j+1) step / 2, in double
            const float m = static_cast<float>(2 * j + 1);
            const double half = 0.5 * static_cast<double>(m * step);
            reportInRed(points, static_cast<float>(static_cast<double>(t0) + half));
        } else if (samples[j] == 0.0f && j >= 1 && samples[j - 1] * samples[j + 1] < 0.0f) {
            reportInRed(points, static_cast<float>(j) * step + t0);
        }
    }
}
