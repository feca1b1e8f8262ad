#include <gtest/gtest.h>

#include "app/startup.h"
#include "fixture.h"
#include "input/mouse.h"

namespace {

class Mouse : public testing::Test {
protected:
    void SetUp() override {
        resetProgramState();
        initScene();  // default points, 640 x 480
        fakeReset();
    }
};

TEST_F(Mouse, LeftPressPicksWithinSquaredReachBelowThirty) {
    const struct {
        int x, y;        // window coordinates, y from the top
        int picked;      // expected pickedPoint
        const char* line;
    } cases[] = {
        {200, 180, 1, "mouse location:(200 300)\n"},  // d2 = 0
        {205, 180, 1, "mouse location:(205 300)\n"},  // d2 = 25
        {205, 182, 1, "mouse location:(205 298)\n"},  // d2 = 29
        {204, 176, -1, ""},                           // d2 = 32
        {206, 180, -1, ""},                           // d2 = 36
        {50, 380, 0, "mouse location:(50 100)\n"},
        {553, 383, 3, "mouse location:(553 97)\n"},   // d2 = 18
        {400, 180, 2, "mouse location:(400 300)\n"},
        {-5, 900, -1, ""},
    };
    for (const auto& c : cases) {
        fakeReset();
        pickedPoint = 2;  // a miss must drop an earlier pick
        onMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, c.x, c.y);
        EXPECT_EQ(pickedPoint, c.picked) << c.x << "," << c.y;
        EXPECT_EQ(consoleText(), c.line) << c.x << "," << c.y;
        EXPECT_TRUE(callsOf(Call_glutPostRedisplay).empty());
        EXPECT_TRUE(callsOf(Call_setReportColour).empty());
        // A pick hands its line on before the callback returns.
        const std::size_t n = fakeCallCount();
        if (c.picked >= 0) {
            ASSERT_EQ(n, 2u);
            EXPECT_EQ(fakeCall(0).id, Call_report);
            EXPECT_EQ(fakeCall(1).id, Call_flushReport);
        } else {
            EXPECT_EQ(n, 0u);
        }
    }
}

TEST_F(Mouse, FirstIndexWinsWhenTwoPointsAreInReach) {
    ctrlPoints[2] = ctrlPoints[1];  // P2 dragged onto P1
    onMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 202, 181);
    EXPECT_EQ(pickedPoint, 1);
    ctrlPoints[2] = Point2f{203.0f, 300.0f};  // P2 nearer, P1 still in reach
    onMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 203, 180);
    EXPECT_EQ(pickedPoint, 1);
}

TEST_F(Mouse, OtherButtonsAndStatesChangeNothing) {
    pickedPoint = 3;
    for (int button : {GLUT_RIGHT_BUTTON, GLUT_MIDDLE_BUTTON, 3, 4}) {
        for (int state : {GLUT_DOWN, GLUT_UP}) {
            onMouse(button, state, 200, 180);
        }
    }
    onMouse(GLUT_LEFT_BUTTON, 7, 200, 180);
    EXPECT_EQ(pickedPoint, 3);
    EXPECT_EQ(fakeCallCount(), 0u);
}

TEST_F(Mouse, ReleaseAnywhereDropsThePick) {
    onMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 200, 180);
    onMouse(GLUT_LEFT_BUTTON, GLUT_UP, 9999, -9999);
    EXPECT_EQ(pickedPoint, -1);
    fakeReset();
    onMotion(10, 10);  // e.g. right button held after the release
    EXPECT_EQ(ctrlPoints[1].x, 200.0f);
    EXPECT_EQ(ctrlPoints[1].y, 300.0f);
    EXPECT_EQ(callsOf(Call_glutPostRedisplay).size(), 1u);
}

TEST_F(Mouse, MotionMovesThePickedPointOntoTheCursorUnclamped) {
    onMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 203, 182);
    const int moves[][2] = {{210, 190}, {-10, 500}, {5000, -300}};
    for (const auto& m : moves) {
        fakeReset();
        onMotion(m[0], m[1]);
        EXPECT_EQ(ctrlPoints[1].x, static_cast<float>(m[0]));
        EXPECT_EQ(ctrlPoints[1].y, static_cast<float>(480 - m[1]));
        EXPECT_EQ(callsOf(Call_glutPostRedisplay).size(), 1u);
        EXPECT_TRUE(callsOf(Call_report).empty());
    }
    EXPECT_EQ(ctrlPoints[0].x, 50.0f);
    EXPECT_EQ(ctrlPoints[2].x, 400.0f);
    EXPECT_EQ(ctrlPoints[3].x, 550.0f);
}

TEST_F(Mouse, DrawingYFollowsTheHeightAfterAResize) {
    onReshape(800, 600);
    fakeReset();
    onMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 200, 300);  // drawing (200, 300)
    EXPECT_EQ(pickedPoint, 1);
    EXPECT_EQ(consoleText(), "mouse location:(200 300)\n");
    onMotion(100, 100);
    EXPECT_EQ(ctrlPoints[1].y, 500.0f);
}

}  // namespace
