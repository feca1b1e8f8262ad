#include <gtest/gtest.h>

#include "app/display.h"
#include "app/startup.h"
#include "fixture.h"
#include "input/mouse.h"

int quorvelMain(int argc, char** argv);

namespace {

void expectOrtho(const FakeCall& c, double right, double top) {
    EXPECT_EQ(c.id, Call_gluOrtho2D);
    EXPECT_EQ(c.args[0], 0.0);
    EXPECT_EQ(c.args[1], right);
    EXPECT_EQ(c.args[2], 0.0);
    EXPECT_EQ(c.args[3], top);
}

TEST(InitScene, DefaultPointsWhiteClearAndPixelProjectionWithoutIdentity) {
    resetProgramState();
    initScene();
    ASSERT_EQ(fakeCallCount(), 3u);
    EXPECT_EQ(fakeCall(0).id, Call_glClearColor);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(fakeCall(0).args[k], 1.0);
    }
    EXPECT_EQ(fakeCall(1).id, Call_glMatrixMode);
    EXPECT_EQ(fakeCall(1).args[0], GL_PROJECTION);
    expectOrtho(fakeCall(2), 640.0, 480.0);
    const float want[4][2] = {{50, 100}, {200, 300}, {400, 300}, {550, 100}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(ctrlPoints[i].x, want[i][0]);
        EXPECT_EQ(ctrlPoints[i].y, want[i][1]);
    }
}

TEST(OnReshape, EachReshapeLoadsIdentityBeforeTheNewProjection) {
    const int sizes[][2] = {{800, 600}, {800, 600}, {1, 1}, {0, 0}, {3000, 17}};
    for (const auto& s : sizes) {
        resetProgramState();
        onReshape(s[0], s[1]);
        EXPECT_EQ(winWidth, s[0]);
        EXPECT_EQ(winHeight, s[1]);
        ASSERT_EQ(fakeCallCount(), 4u);
        EXPECT_EQ(fakeCall(0).id, Call_glViewport);
        EXPECT_EQ(fakeCall(0).args[0], 0.0);
        EXPECT_EQ(fakeCall(0).args[1], 0.0);
        EXPECT_EQ(fakeCall(0).args[2], s[0]);
        EXPECT_EQ(fakeCall(0).args[3], s[1]);
        EXPECT_EQ(fakeCall(1).id, Call_glMatrixMode);
        EXPECT_EQ(fakeCall(1).args[0], GL_PROJECTION);
        EXPECT_EQ(fakeCall(2).id, Call_glLoadIdentity);
        expectOrtho(fakeCall(3), s[0], s[1]);
        EXPECT_TRUE(callsOf(Call_glutPostRedisplay).empty());
    }
}

TEST(Main, StartUpOrderAndRegisteredCallbacks) {
    resetProgramState();
    char name[] = "quorvel";
    char* argv[] = {name, nullptr};
    EXPECT_EQ(quorvelMain(1, argv), 0);
    const FakeCallId order[] = {
        Call_prepareConsole,   Call_glutInit,        Call_glutInitDisplayMode,
        Call_glutInitWindowPosition, Call_glutInitWindowSize, Call_glutCreateWindow,
        Call_glClearColor,     Call_glMatrixMode,    Call_gluOrtho2D,
        Call_glutReshapeFunc,  Call_glutDisplayFunc, Call_glutMouseFunc,
        Call_glutMotionFunc,   Call_glutMainLoop};
    ASSERT_EQ(fakeCallCount(), std::size(order));
    for (std::size_t i = 0; i < std::size(order); ++i) {
        EXPECT_EQ(fakeCall(i).id, order[i]) << "call " << i << " is " << fakeCallName(fakeCall(i).id);
    }
    EXPECT_EQ(fakeCall(1).args[0], 1.0);
    EXPECT_EQ(fakeCall(2).args[0], GLUT_RGB | GLUT_DOUBLE);
    EXPECT_EQ(fakeCall(3).args[0], 800.0);
    EXPECT_EQ(fakeCall(3).args[1], 200.0);
    EXPECT_EQ(fakeCall(4).args[0], 640.0);
    EXPECT_EQ(fakeCall(4).args[1], 480.0);
    EXPECT_STREQ(fakeCall(5).text, "Quorvel");
    EXPECT_EQ(fakeCall(9).ptr, reinterpret_cast<const void*>(&onReshape));
    EXPECT_EQ(fakeCall(10).ptr, reinterpret_cast<const void*>(&onDisplay));
    EXPECT_EQ(fakeCall(11).ptr, reinterpret_cast<const void*>(&onMouse));
    EXPECT_EQ(fakeCall(12).ptr, reinterpret_cast<const void*>(&onMotion));
}

}  // namespace
