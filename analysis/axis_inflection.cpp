// Axis extremes (x'(t) = 0 or y'(t) = 0) and inflection points
// (B'(t) x B''(t) = 0) of the current curve.
#include <cmath>

#include "analysis/analysis.h"
#include "app/gl.h"
#include "app/state.h"
#include "draw/marker.h"
#include "report/report.h"

namespace {

const char* const kAxisLine = "Extreme point-------------t is %f, point is (%.2f,%.2f)\n";
const char* const kInflectionLinearLine =
    "inflection point-----------t is %f, point is (%.2f,%.2f)\n";
const char* const kInflectionQuadraticLine =
    "inflection point----------t is %f, point is (%.2f,%.2f)\n";

// Accepts t if 0 < t < 1 (ordered float compares, so NaN is dropped):
// marker at B(t), next split slot, and the line when one is given.
void accept(float t, const char* line, int& nextSlot) {
    if (!(t > 0.0f && t < 1.0f)) {
        return;
    }
    const Point2f p = evalCurve(ctrlPoints, t);
    drawMarker(p.x, p.y);
    splitParams[nextSlot] = t;
    if (line != nullptr) {
        report(line, static_cast<double>(t), static_cast<double>(p.x),
               static_cast<double>(p.y));
    }
    ++nextSlot;
}

// Discriminant 4 b^2 - 4 a c of a t^2 + 2 b t + c, with a = c3, b = c2,
// c = c1 of one axis. The b^2 term is formed in double ((b * 4) * b, exact
// for float b) and the a c term in float, then narrowed: this mix decides
// whether a double root comes out exactly 0, so it must stay as it is.
float axisDiscriminant(float a, float b, float c) {
    const double bb = (static_cast<double>(b) * 4.0) * static_cast<double>(b);
    const double ac = static_cast<double>((a * 4.0f) * c);
    return static_cast<float>(bb - ac);
}

// Zeros of one axis's derivative, a t^2 + 2 b t + c. When a^2 < 1e-4 the
// quadratic term is ignored and t = -c / 2b; otherwise the roots
// (-2b +- sqrt(d)) / 2a are formed in double, larger-sign root first, each
// narrowed before its range test. A double root (d exactly 0) is marked
// but not written.
void findAxisZeros(float a, float b, float c, float d, int& nextSlot) {
    if (static_cast<double>(a * a) < 0.0001) {
        if (b == 0.0f) {
            return;
        }
        const double t = static_cast<double>(-c) / (static_cast<double>(b) * 2.0);
        accept(static_cast<float>(t), kAxisLine, nextSlot);
    } else if (d > 0.0f) {
        const double r = std::sqrt(static_cast<double>(d));
        const double wa = static_cast<double>(a);
        const double wb = static_cast<double>(b);
        const double first = (r - wb * 2.0) / (wa * 2.0);
        const double second = (wb * -2.0 - r) / (wa * 2.0);
        accept(static_cast<float>(first), kAxisLine, nextSlot);
        accept(static_cast<float>(second), kAxisLine, nextSlot);
    } else if (d == 0.0f) {
        accept(-(b / a), nullptr, nextSlot);
    }
}

// Zeros of inflA t^2 + inflB t + inflC, which is B' x B'' / -18. The
// coefficients and the discriminant are all float; roots as above, with
// -inflB negated in float before widening.
void findInflections(const CurveCoeffs& k, int& nextSlot) {
    const Point2f c1 = k.c1;
    const Point2f c2 = k.c2;
    const Point2f c3 = k.c3;
    const float inflA = c2.y * c3.x - c3.y * c2.x;
    const float inflB = c1.y * c3.x - c3.y * c1.x;
    const float inflC = c1.y * c2.x - c2.y * c1.x;
    const float inflDisc = inflB * inflB - (inflA * 4.0f) * inflC;

    if (static_cast<double>(inflA * inflA) < 0.0001) {
        if (inflB == 0.0f) {
            return;
        }
        accept(-(inflC / inflB), kInflectionLinearLine, nextSlot);
    } else if (inflDisc > 0.0f) {
        const double r = std::sqrt(static_cast<double>(inflDisc));
        const double twoA = static_cast<double>(inflA) * 2.0;
        const double first = (r - static_cast<double>(inflB)) / twoA;
        const double second = (static_cast<double>(-inflB) - r) / twoA;
        accept(static_cast<float>(first), kInflectionQuadraticLine, nextSlot);
        accept(static_cast<float>(second), kInflectionQuadraticLine, nextSlot);
    } else if (inflDisc == 0.0f) {
        const double t = static_cast<double>(-inflB) / (static_cast<double>(inflA) * 2.0);
        accept(static_cast<float>(t), nullptr, nextSlot);
    }
}

// Bubble sort with count passes; only a strictly greater left neighbour is
// swapped, so equal parameters keep their order.
void sortSplitParams(int count) {
    for (int pass = 0; pass < count; ++pass) {
        for (int j = 0; j + 1 < count - pass; ++j) {
            if (splitParams[j] > splitParams[j + 1]) {
                const float tmp = splitParams[j];
                splitParams[j] = splitParams[j + 1];
                splitParams[j + 1] = tmp;
            }
        }
    }
}

}  // namespace

void findAxisExtremaAndInflections() {
    const CurveCoeffs k =
        curveCoeffs(ctrlPoints[0], ctrlPoints[1], ctrlPoints[2], ctrlPoints[3]);
    const float discX = axisDiscriminant(k.c3.x, k.c2.x, k.c1.x);
    const float discY = axisDiscriminant(k.c3.y, k.c2.y, k.c1.y);
    int nextSlot = 1;  // slot 0 keeps the 0 the display pass put there

    setReportColour(kAttrAxisExtreme);
    glColor3f(0.0f, 0.0f, 0.0f);
    findAxisZeros(k.c3.x, k.c2.x, k.c1.x, discX, nextSlot);
    findAxisZeros(k.c3.y, k.c2.y, k.c1.y, discY, nextSlot);

    setReportColour(kAttrInflection);
    glColor3f(0.0f, 1.0f, 0.0f);
    findInflections(k, nextSlot);

    splitParams[nextSlot] = 1.0f;
    splitCount = nextSlot + 1;
    sortSplitParams(splitCount);
    setReportColour(kAttrNormal);
}
