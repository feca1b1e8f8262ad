// Hostile conditions: extreme window sizes, a slow reader of standard
// output, and a long drag far outside the window.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include "e2e_fixture.h"

namespace {


class Hostile : public OnVirtualDisplay {};

TEST_F(Hostile, ExtremeWindowSizesAndBack) {
    ProgramRun run(*display_, programUnderTest(), Output::Terminal);
    ASSERT_TRUE(run.waitForWindow());
    ASSERT_TRUE(run.waitForPasses(1));
    const int sizes[][2] = {{1, 1}, {4000, 60}, {60, 3000}, {1, 3000}, {4000, 1}, {700, 700}};
    for (const auto& s : sizes) {
        const int before = run.passCount();
        run.resize(s[0], s[1]);
        EXPECT_TRUE(run.waitForPasses(before + 1)) << s[0] << "x" << s[1];
        EXPECT_TRUE(run.alive()) << s[0] << "x" << s[1];
    }
    // Still one unit per pixel from the lower left corner at 700 x 700.
    Image im;
    ASSERT_TRUE(run.waitForImage(
        [](const Image& i) {
            return i.width == 700 && i.atDrawing(50, 100) == kBlue && i.atDrawing(400, 300) == kBlue;
        },
        im));
    EXPECT_EQ(im.atDrawing(50, 110), kWhite);
    // A pick converts y with the new height: drawing (200, 300) is window y 400.
    run.moveTo(200, 400);
    run.button(1, true);
    const int before = run.passCount();
    run.moveTo(230, 380);
    run.button(1, false);
    ASSERT_TRUE(run.settle(before));
    const std::vector<ConsoleBlock> blocks = parseConsole(run.output());
    bool picked = false;
    for (const ConsoleBlock& b : blocks) {
        for (const ConsoleLine& l : b) {
            picked = picked || l.text == "mouse location:(200 300)";
        }
    }
    EXPECT_TRUE(picked);
    const float moved[8] = {50, 100, 230, 320, 400, 300, 550, 100};
    EXPECT_EQ(withoutPickLine(blocks.back()), expectedBlock(moved));
}

TEST_F(Hostile, SlowReaderSlowsButDoesNotStopDrawing) {
    ProgramRun run(*display_, programUnderTest(), Output::SlowPipe);
    ASSERT_TRUE(run.waitForWindow());
    Image im;
    ASSERT_TRUE(run.waitForImage([](const Image& i) { return i.atDrawing(200, 300) == kBlue; }, im));
    // About 1000 passes a second of some 135 bytes each, against a reader
    // that takes 50 KiB a second: the pipe fills and the program waits for
    // the reader, then goes on.
    run.moveTo(200, 180);
    run.button(1, true);
    for (int i = 0; i < 1500; ++i) {
        run.moveToNoSync(200 + i % 40, 180);
        sleepMs(1);
    }
    run.moveTo(260, 150);
    run.button(1, false);
    EXPECT_TRUE(run.waitForImage([](const Image& i) { return i.atDrawing(260, 330) == kBlue; },
                                 im, 60.0));
    EXPECT_TRUE(run.alive());
    run.requestClose();  // exit flushes the rest through the slow reader
    const int status = run.waitExit(60.0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    ASSERT_TRUE(run.waitOutputEnd());
    const std::string out = run.output();
    EXPECT_GT(out.size(), 70000u) << "the pipe never filled";
    const std::vector<ConsoleBlock> blocks = parseConsole(out);
    ASSERT_FALSE(blocks.empty());
    // No colour on a pipe: the same lines, all in the attribute of no change.
    const float moved[8] = {50, 100, 260, 330, 400, 300, 550, 100};
    ConsoleBlock want = expectedBlock(moved);
    for (ConsoleLine& l : want) {
        l.attribute = 7;
    }
    EXPECT_EQ(withoutPickLine(blocks.back()), want);
}

TEST_F(Hostile, LongDragFarOutsideTheWindowAndBack) {
    ProgramRun run(*display_, programUnderTest(), Output::Terminal);
    ASSERT_TRUE(run.waitForWindow());
    ASSERT_TRUE(run.waitForPasses(1));
    run.moveTo(200, 180);  // P1
    run.button(1, true);
    // Around the screen, far left, above, right and below the window.
    const int path[][2] = {{-790, -190}, {-790, 990}, {790, 990}, {790, -190}, {-500, 500}};
    for (const auto& p : path) {
        for (int k = 1; k <= 20; ++k) {
            run.moveToNoSync(200 + (p[0] - 200) * k / 20, 180 + (p[1] - 180) * k / 20);
            sleepMs(2);
        }
    }
    ASSERT_TRUE(run.settle(1));
    std::vector<ConsoleBlock> blocks = parseConsole(run.output());
    const float outside[8] = {50, 100, -500, -20, 400, 300, 550, 100};
    EXPECT_EQ(withoutPickLine(blocks.back()), expectedBlock(outside));
    const int before = run.passCount();
    run.moveTo(320, 240);
    run.button(1, false);
    ASSERT_TRUE(run.settle(before));
    blocks = parseConsole(run.output());
    const float back[8] = {50, 100, 320, 240, 400, 300, 550, 100};
    EXPECT_EQ(withoutPickLine(blocks.back()), expectedBlock(back));
    Image im;
    EXPECT_TRUE(run.waitForImage([](const Image& i) { return i.atDrawing(320, 240) == kBlue; }, im));
    EXPECT_TRUE(run.alive());
}

}  // namespace
