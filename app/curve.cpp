#include "app/curve.h"

// Bernstein weights, then a running sum that starts at 0 and adds the P0
// term first. Every step is a separate float operation (no contraction), so
// t = 0 and t = 1 give P0 and P3 exactly and results are reproducible bit
// for bit across compilers.
Point2f evalCurve(const Point2f points[4], float t) {
    const float s = 1.0f - t;
    const float w0 = (s * s) * s;
    const float w1 = ((s * s) * 3.0f) * t;
    const float w2 = (s * 3.0f) * (t * t);
    const float w3 = (t * t) * t;

    float x = 0.0f;
    x = x + w0 * points[0].x;
    x = x + w1 * points[1].x;
    x = x + w2 * points[2].x;
    x = x + w3 * points[3].x;

    float y = 0.0f;
    y = y + w0 * points[0].y;
    y = y + w1 * points[1].y;
    y = y + w2 * points[2].y;
    y = y + w3 * points[3].y;
    return Point2f{x, y};
}

// c1 = P1 - P0; c2 = (P2 - 2 P1) + P0; c3 = ((P3 - 3 P2) + 3 P1) - P0, per
// axis in float and in this grouping: the analysis compares values derived
// from these with exactly zero, so the rounding must not change.
static float coeff2(float p0, float p1, float p2) {
    return (p2 - 2.0f * p1) + p0;
}

static float coeff3(float p0, float p1, float p2, float p3) {
    return ((p3 - 3.0f * p2) + 3.0f * p1) - p0;
}

CurveCoeffs curveCoeffs(const Point2f& p0, const Point2f& p1, const Point2f& p2,
                        const Point2f& p3) {
    CurveCoeffs c;
    c.c1 = Point2f{p1.x - p0.x, p1.y - p0.y};
    c.c2 = Point2f{coeff2(p0.x, p1.x, p2.x), coeff2(p0.y, p1.y, p2.y)};
    c.c3 = Point2f{coeff3(p0.x, p1.x, p2.x, p3.x), coeff3(p0.y, p1.y, p2.y, p3.y)};
    return c;
}
