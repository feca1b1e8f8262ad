#include <gtest/gtest.h>

#include "app/curve.h"

namespace {

const Point2f kDefault[4] = {{50, 100}, {200, 300}, {400, 300}, {550, 100}};

TEST(EvalCurve, DefaultCurveAtZeroHalfAndOneIsExact) {
    const struct {
        float t;
        Point2f want;
    } cases[] = {{0.0f, {50, 100}}, {0.5f, {300, 250}}, {1.0f, {550, 100}}};
    for (const auto& c : cases) {
        const Point2f p = evalCurve(kDefault, c.t);
        EXPECT_EQ(p.x, c.want.x) << "t=" << c.t;
        EXPECT_EQ(p.y, c.want.y) << "t=" << c.t;
    }
}

TEST(EvalCurve, EndsAreExactForAwkwardPoints) {
    const Point2f curves[][4] = {
        {{0.1f, -3.7f}, {1e6f, 2e-5f}, {-123.456f, 7.0f}, {3.3f, 0.3f}},
        {{-1e-30f, 5e20f}, {0, 0}, {1, 1}, {-7.25f, 1e-7f}},
    };
    for (const auto& pts : curves) {
        EXPECT_EQ(evalCurve(pts, 0.0f).x, pts[0].x);
        EXPECT_EQ(evalCurve(pts, 0.0f).y, pts[0].y);
        EXPECT_EQ(evalCurve(pts, 1.0f).x, pts[3].x);
        EXPECT_EQ(evalCurve(pts, 1.0f).y, pts[3].y);
    }
}

// t = 0.3 on the default curve, computed step by step in float: the
// weights, then the running sum from 0 with the P0 term first.
TEST(EvalCurve, FollowsTheFloatOrderOfOperations) {
    const float t = 0.3f;
    const float s = 1.0f - t;
    const float w[4] = {(s * s) * s, ((s * s) * 3.0f) * t, (s * 3.0f) * (t * t), (t * t) * t};
    volatile float x = 0.0f;
    for (int i = 0; i < 4; ++i) {
        const float term = w[i] * kDefault[i].x;
        x = x + term;
    }
    EXPECT_EQ(evalCurve(kDefault, t).x, x);
}

TEST(CurveCoeffs, GroupingOfTheCoefficientVectors) {
    const CurveCoeffs c = curveCoeffs(kDefault[0], kDefault[1], kDefault[2], kDefault[3]);
    EXPECT_EQ(c.c1.x, 150.0f);
    EXPECT_EQ(c.c1.y, 200.0f);
    EXPECT_EQ(c.c2.x, 50.0f);
    EXPECT_EQ(c.c2.y, -200.0f);
    EXPECT_EQ(c.c3.x, -100.0f);
    EXPECT_EQ(c.c3.y, 0.0f);
}

}  // namespace
