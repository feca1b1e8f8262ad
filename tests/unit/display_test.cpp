#include <gtest/gtest.h>

#include "app/display.h"
#include "app/startup.h"
#include "fixture.h"

namespace {

const char kCaption1[] = "Cubic Bezier Curve";
const char kCaption2[] = "---by Tormalind";

class DisplayPass : public testing::Test {
protected:
    void SetUp() override {
        resetProgramState();
        initScene();
        fakeReset();
    }
};

TEST_F(DisplayPass, FirstPassCallSequence) {
    onDisplay();
    std::size_t i = 0;
    auto next = [&](FakeCallId id) -> const FakeCall& {
        EXPECT_LT(i, fakeCallCount());
        const FakeCall& c = fakeCall(i++);
        EXPECT_EQ(c.id, id) << "call " << (i - 1) << " is " << fakeCallName(c.id)
                            << ", expected " << fakeCallName(id);
        return c;
    };
    EXPECT_EQ(next(Call_glClear).args[0], GL_COLOR_BUFFER_BIT);
    const FakeCall& black = next(Call_glColor3ub);
    EXPECT_EQ(black.args[0] + black.args[1] + black.args[2], 0.0);

    // First caption: raster position, then the 128 glyph lists, then text.
    const FakeCall& rp1 = next(Call_glRasterPos2f);
    EXPECT_EQ(rp1.args[0], 10.0);
    EXPECT_EQ(rp1.args[1], 460.0);
    EXPECT_EQ(next(Call_glGenLists).args[0], 128.0);
    for (int code = 0; code < 128; ++code) {
        EXPECT_EQ(next(Call_glNewList).args[0], kFakeGlyphBase + code);
        EXPECT_EQ(next(Call_glutBitmapCharacter).args[0], code);
        next(Call_glEndList);
    }
    for (const char* c = kCaption1; *c; ++c) {
        EXPECT_EQ(next(Call_glCallList).args[0], kFakeGlyphBase + *c);
    }
    const FakeCall& rp2 = next(Call_glRasterPos2f);
    EXPECT_EQ(rp2.args[0], 10.0);
    EXPECT_EQ(rp2.args[1], 440.0);
    for (const char* c = kCaption2; *c; ++c) {
        EXPECT_EQ(next(Call_glCallList).args[0], kFakeGlyphBase + *c);
    }

    // Curve: 101 vertices from exactly P0 to exactly P3.
    EXPECT_EQ(next(Call_glBegin).args[0], GL_LINE_STRIP);
    const FakeCall& first = next(Call_glVertex2f);
    EXPECT_EQ(first.args[0], 50.0);
    EXPECT_EQ(first.args[1], 100.0);
    for (int k = 1; k < 50; ++k) {
        next(Call_glVertex2f);
    }
    const FakeCall& mid = next(Call_glVertex2f);
    EXPECT_EQ(mid.args[0], 300.0);
    EXPECT_EQ(mid.args[1], 250.0);
    for (int k = 51; k < 100; ++k) {
        next(Call_glVertex2f);
    }
    const FakeCall& last = next(Call_glVertex2f);
    EXPECT_EQ(last.args[0], 550.0);
    EXPECT_EQ(last.args[1], 100.0);
    next(Call_glEnd);

    // Control polygon in red, then the control points in blue, size 10.
    const float pts[4][2] = {{50, 100}, {200, 300}, {400, 300}, {550, 100}};
    const FakeCall& red = next(Call_glColor3ub);
    EXPECT_EQ(red.args[0], 255.0);
    EXPECT_EQ(red.args[1] + red.args[2], 0.0);
    EXPECT_EQ(next(Call_glBegin).args[0], GL_LINE_STRIP);
    for (const auto& p : pts) {
        const FakeCall& v = next(Call_glVertex2f);
        EXPECT_EQ(v.args[0], p[0]);
        EXPECT_EQ(v.args[1], p[1]);
    }
    next(Call_glEnd);
    const FakeCall& blue = next(Call_glColor3ub);
    EXPECT_EQ(blue.args[0] + blue.args[1], 0.0);
    EXPECT_EQ(blue.args[2], 255.0);
    EXPECT_EQ(next(Call_glPointSize).args[0], 10.0);
    EXPECT_EQ(next(Call_glBegin).args[0], GL_POINTS);
    for (const auto& p : pts) {
        const FakeCall& v = next(Call_glVertex2f);
        EXPECT_EQ(v.args[0], p[0]);
        EXPECT_EQ(v.args[1], p[1]);
    }
    next(Call_glEnd);

    // The pass ends with its two newlines, hands its text on, then swaps.
    const std::size_t n = fakeCallCount();
    ASSERT_GE(n, 3u);
    EXPECT_EQ(fakeCall(n - 3).id, Call_report);
    EXPECT_STREQ(fakeCall(n - 3).text, "\n\n");
    EXPECT_EQ(fakeCall(n - 2).id, Call_flushReport);
    EXPECT_EQ(fakeCall(n - 1).id, Call_glutSwapBuffers);
    EXPECT_EQ(callsOf(Call_flushReport).size(), 1u);
    EXPECT_EQ(callsOf(Call_glutSwapBuffers).size(), 1u);
    EXPECT_EQ(glyphsPending, 0);
    EXPECT_EQ(glyphBase, kFakeGlyphBase);
}

TEST_F(DisplayPass, GlyphListsAreBuiltOnceAcrossPasses) {
    onDisplay();
    onDisplay();
    onDisplay();
    EXPECT_EQ(callsOf(Call_glGenLists).size(), 1u);
    EXPECT_EQ(callsOf(Call_glutBitmapCharacter).size(), 128u);
    EXPECT_EQ(callsOf(Call_glutSwapBuffers).size(), 3u);
    const std::size_t perPass = sizeof kCaption1 - 1 + sizeof kCaption2 - 1;
    EXPECT_EQ(callsOf(Call_glCallList).size(), 3 * perPass);
}

TEST_F(DisplayPass, NeverTouchesMatrixOrProjection) {
    onDisplay();
    EXPECT_TRUE(callsOf(Call_glMatrixMode).empty());
    EXPECT_TRUE(callsOf(Call_glLoadIdentity).empty());
    EXPECT_TRUE(callsOf(Call_gluOrtho2D).empty());
    EXPECT_TRUE(callsOf(Call_glViewport).empty());
}

TEST(DrawCaption, BytesAboveAsciiNameListsBelowTheBase) {
    resetProgramState();
    glyphsPending = 0;
    glyphBase = 300;
    drawCaption("A\xC8", 1.0f, 2.0f);
    const std::vector<FakeCall> lists = callsOf(Call_glCallList);
    ASSERT_EQ(lists.size(), 2u);
    EXPECT_EQ(lists[0].args[0], 300.0 + 'A');
    EXPECT_EQ(lists[1].args[0], 300.0 + 0xC8 - 256);
}

TEST(BuildGlyphLists, FailedAllocationIsNotRetried) {
    resetProgramState();
    buildGlyphLists();
    buildGlyphLists();
    EXPECT_EQ(callsOf(Call_glGenLists).size(), 1u);
    EXPECT_EQ(glyphsPending, 0);
}

}  // namespace
