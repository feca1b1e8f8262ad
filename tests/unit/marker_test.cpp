#include <gtest/gtest.h>

#include "draw/marker.h"
#include "fixture.h"

namespace {

TEST(DrawMarker, TwentyVerticesInOnePolygonWithExactQuarterPoints) {
    resetProgramState();
    drawMarker(100.0f, 200.0f);
    ASSERT_EQ(fakeCallCount(), 22u);
    EXPECT_EQ(fakeCall(0).id, Call_glBegin);
    EXPECT_EQ(fakeCall(0).args[0], GL_POLYGON);
    EXPECT_EQ(fakeCall(21).id, Call_glEnd);
    const std::vector<FakeCall> v = callsOf(Call_glVertex2f);
    ASSERT_EQ(v.size(), 20u);
    const struct {
        int k;
        float x, y;
    } exact[] = {{0, 105, 200}, {5, 100, 205}, {10, 95, 200}, {15, 100, 195}};
    for (const auto& e : exact) {
        EXPECT_EQ(static_cast<float>(v[e.k].args[0]), e.x) << "k=" << e.k;
        EXPECT_EQ(static_cast<float>(v[e.k].args[1]), e.y) << "k=" << e.k;
    }
    // counter-clockwise: the second vertex lies above the first
    EXPECT_GT(v[1].args[1], v[0].args[1]);
    EXPECT_LT(v[1].args[0], v[0].args[0]);
    // angle steps of 0.31415926, not pi/10: the last vertex is short of
    // closing the circle, just below the first.
    EXPECT_LT(v[19].args[1], 200.0);
    EXPECT_GT(v[19].args[1], 198.4);
}

TEST(DrawMarker, LeavesColourToTheCaller) {
    resetProgramState();
    drawMarker(-3.0f, 1e6f);
    EXPECT_TRUE(callsOf(Call_glColor3f).empty());
    EXPECT_TRUE(callsOf(Call_glColor3ub).empty());
    EXPECT_TRUE(callsOf(Call_report).empty());
}

}  // namespace
