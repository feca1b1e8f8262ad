// The cubic Bezier curve model.
#pragma once

#include "app/state.h"

// B(t) = (1-t)^3 P0 + 3(1-t)^2 t P1 + 3(1-t) t^2 P2 + t^3 P3, in 32-bit floats.
Point2f evalCurve(const Point2f points[4], float t);

// Per-axis coefficient vectors of the curve:
//   c1 = P1 - P0, c2 = P2 - 2 P1 + P0, c3 = P3 - 3 P2 + 3 P1 - P0,
// so that B'(t) = 3 (c1 + 2 c2 t + c3 t^2) and B''(t) = 6 (c2 + c3 t).
struct CurveCoeffs {
    Point2f c1;
    Point2f c2;
    Point2f c3;
};

CurveCoeffs curveCoeffs(const Point2f& p0, const Point2f& p1, const Point2f& p2,
                        const Point2f& p3);
