#include <gtest/gtest.h>

#include "analysis/analysis.h"
#include "fixture.h"

namespace {

const Point2f kDefault[4] = {{50, 100}, {200, 300}, {400, 300}, {550, 100}};
const char kDefaultLine[] =
    "Curvature extreme point---t is 0.500000, point is (300.00,250.00)\n";

std::vector<std::string> run(int i, float t0, float t1, const Point2f p[4]) {
    resetProgramState();
    findCurvatureExtrema(i, t0, t1, p[0], p[1], p[2], p[3]);
    std::vector<std::string> ev;
    for (std::size_t k = 0; k < fakeCallCount(); ++k) {
        const FakeCall& c = fakeCall(k);
        if (c.id == Call_setReportColour) {
            ev.push_back("attr " + std::to_string(static_cast<int>(c.args[0])));
        } else if (c.id == Call_glColor3f) {
            ev.push_back("red");
            EXPECT_EQ(c.args[0], 1.0);
            EXPECT_EQ(c.args[1] + c.args[2], 0.0);
        } else if (c.id == Call_glBegin) {
            ev.push_back("marker");
        } else if (c.id == Call_report) {
            ev.push_back(c.text);
        }
    }
    return ev;
}

TEST(CurvatureSlope, ExactlyZeroAtTheSymmetryOfTheDefaultCurve) {
    const CurveCoeffs c = curveCoeffs(kDefault[0], kDefault[1], kDefault[2], kDefault[3]);
    EXPECT_EQ(curvatureSlope(c, 0.5f), 0.0f);
    EXPECT_LT(curvatureSlope(c, 0.49f), 0.0f);
    EXPECT_GT(curvatureSlope(c, 0.51f), 0.0f);
}

TEST(FindCurvatureExtrema, DefaultCurveIntervals) {
    using V = std::vector<std::string>;
    EXPECT_EQ(run(0, 0.0f, 0.5f, kDefault), (V{"red"}));
    // start test of the second interval; s[0] is the same zero, not repeated
    EXPECT_EQ(run(1, 0.5f, 1.0f, kDefault),
              (V{"attr 4", "marker", kDefaultLine, "attr 7", "red"}));
    // one interval over the whole curve: the zero sample at j = 50
    EXPECT_EQ(run(0, 0.0f, 1.0f, kDefault),
              (V{"red", "attr 4", "marker", kDefaultLine, "attr 7"}));
}

TEST(FindCurvatureExtrema, StraightLinesReportOnlyTheirEndTests) {
    const Point2f horizontal[4] = {{50, 100}, {200, 100}, {400, 100}, {550, 100}};
    const Point2f vertical[4] = {{70, 10}, {70, 400}, {70, 20}, {70, 300}};
    const CurveCoeffs c = curveCoeffs(horizontal[0], horizontal[1], horizontal[2], horizontal[3]);
    for (float t : {0.0f, 0.123f, 0.5f, 0.999f, 1.0f}) {
        EXPECT_EQ(curvatureSlope(c, t), 0.0f) << t;
    }
    using V = std::vector<std::string>;
    const char at0[] = "Curvature extreme point---t is 0.000000, point is (50.00,100.00)\n";
    const char at1[] = "Curvature extreme point---t is 1.000000, point is (550.00,100.00)\n";
    EXPECT_EQ(run(0, 0.0f, 1.0f, horizontal), (V{"attr 4", "marker", at0, "attr 7", "red"}));
    // odd interval: the end test writes in the normal attribute
    EXPECT_EQ(run(1, 0.0f, 1.0f, horizontal),
              (V{"attr 4", "marker", at0, "attr 7", "marker", at1, "red"}));
    const std::vector<std::string> v = run(3, 0.25f, 0.75f, vertical);
    ASSERT_EQ(v.size(), 7u);
    EXPECT_EQ(v[4], "marker");
    EXPECT_EQ(v.back(), "red");
}

TEST(FindCurvatureExtrema, ZeroLengthIntervalReportsOnlyEndTests) {
    using V = std::vector<std::string>;
    // 0.3 on the default curve is no zero: nothing at all
    EXPECT_EQ(run(1, 0.3f, 0.3f, kDefault), (V{"red"}));
    // 0.5 is: the start test, and the odd end test repeats it
    EXPECT_EQ(run(1, 0.5f, 0.5f, kDefault),
              (V{"attr 4", "marker", kDefaultLine, "attr 7", "marker", kDefaultLine, "red"}));
    EXPECT_EQ(run(2, 0.5f, 0.5f, kDefault),
              (V{"attr 4", "marker", kDefaultLine, "attr 7", "red"}));
}

TEST(FindCurvatureExtrema, NaNPointsFindNothing) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const Point2f p[4] = {{nan, 1}, {2, 3}, {4, 5}, {6, 7}};
    EXPECT_EQ(run(1, 0.0f, 1.0f, p), std::vector<std::string>{"red"});
}

}  // namespace
