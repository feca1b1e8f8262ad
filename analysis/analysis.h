// Per-frame curve analysis: axis extremes, inflection points, curvature
// extremes. Each found point is marked in the window and reported on the
// console.
#pragma once

#include "app/curve.h"

// Marks and reports the axis extremes (black, attribute 8) and inflection
// points (green, attribute 2) strictly inside (0, 1) and fills splitParams
// with 0, those parameters and 1, sorted, and splitCount. Expects slot 0 of
// splitParams at 0. Leaves the drawing colour green and attribute 7.
void findAxisExtremaAndInflections();

// Marks and reports the curvature extremes on [t0, t1], the interval with
// index i of the split list. Leaves the drawing colour red, attribute 7.
void findCurvatureExtrema(int i, float t0, float t1, Point2f p0, Point2f p1, Point2f p2,
                          Point2f p3);

// A value with the sign of the derivative of the signed curvature at t,
// wherever the speed is not zero.
float curvatureSlope(const CurveCoeffs& c, float t);
