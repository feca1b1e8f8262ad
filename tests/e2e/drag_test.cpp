// Dragging control points with real pointer events: the stored points, the
// picture and the console report follow every move.
#include <gtest/gtest.h>

#include <algorithm>

#include "e2e_fixture.h"

namespace {

class Drag : public OnVirtualDisplay {
protected:
    void SetUp() override {
        OnVirtualDisplay::SetUp();
        if (HasFatalFailure()) {
            return;
        }
        run_.reset(new ProgramRun(*display_, programUnderTest(), Output::Terminal));
        ASSERT_TRUE(run_->waitForWindow());
        ASSERT_TRUE(run_->waitForPasses(1));
        ASSERT_TRUE(run_->waitQuiet());
    }
    void TearDown() override {
        // A test that stopped early must not leave a button held.
        for (int b : {1, 3}) {
            run_->button(b, false);
        }
        run_.reset();
    }

    // The blocks written since `from` passes, once at least one has come
    // and the program has gone idle.
    std::vector<ConsoleBlock> blocksAfter(std::size_t from) {
        EXPECT_TRUE(run_->waitForPasses(static_cast<int>(from) + 1));
        EXPECT_TRUE(run_->waitQuiet());
        std::vector<ConsoleBlock> all = parseConsole(run_->output());
        if (from > all.size()) {
            return {};
        }
        return std::vector<ConsoleBlock>(all.begin() + static_cast<long>(from), all.end());
    }
    std::size_t passes() { return parseConsole(run_->output()).size(); }

    std::unique_ptr<ProgramRun> run_;
};

const ConsoleLine kPickP1{7, "mouse location:(200 300)"};



TEST_F(Drag, LeftDragMovesP1AndTheReportFollows) {
    const std::size_t before = passes();
    run_->moveTo(200, 180);  // P1 at drawing (200, 300)
    run_->button(1, true);
    // The pick alone redraws nothing.
    EXPECT_TRUE(run_->waitQuiet());
    EXPECT_EQ(passes(), before);
    const int path[][2] = {{210, 175}, {230, 160}, {260, 140}, {250, 150}};
    for (const auto& p : path) {
        run_->moveTo(p[0], p[1]);
        sleepMs(30);
    }
    run_->button(1, false);

    const std::vector<ConsoleBlock> blocks = blocksAfter(before);
    ASSERT_GE(blocks.size(), 1u);
    // The pick line opens the first block after the press, in attribute 7.
    ASSERT_FALSE(blocks[0].empty());
    EXPECT_EQ(blocks[0][0], kPickP1);
    const float moved[8] = {50, 100, 250, 330, 400, 300, 550, 100};
    EXPECT_EQ(withoutPickLine(blocks.back()), expectedBlock(moved));

    Image im;
    EXPECT_TRUE(run_->waitForImage(
        [](const Image& i) { return i.atDrawing(250, 330) == kBlue; }, im));
    EXPECT_EQ(im.atDrawing(200, 300), kWhite);
    EXPECT_EQ(im.atDrawing(400, 300), kBlue);

    // After the release, motion with the right button moves nothing.
    run_->button(3, true);
    run_->moveTo(100, 100);
    run_->button(3, false);
    const std::vector<ConsoleBlock> after = blocksAfter(before + blocks.size());
    ASSERT_FALSE(after.empty());
    EXPECT_EQ(after.back(), expectedBlock(moved));
}

TEST_F(Drag, EveryControlPointCanBeDraggedWithReachOfSqrt30) {
    // Presses 5 right and 2 up of each point's centre: d2 = 29, in reach.
    const int points[4][2] = {{50, 100}, {200, 300}, {400, 300}, {550, 100}};
    float curve[8] = {50, 100, 200, 300, 400, 300, 550, 100};
    for (int i = 0; i < 4; ++i) {
        const std::size_t before = passes();
        const int wx = points[i][0] + 5;
        const int wy = 480 - points[i][1] - 2;
        run_->moveTo(wx, wy);
        run_->button(1, true);
        run_->moveTo(wx - 20, wy + 30);
        sleepMs(30);
        run_->button(1, false);
        curve[2 * i] = static_cast<float>(wx - 20);
        curve[2 * i + 1] = static_cast<float>(480 - (wy + 30));
        const std::vector<ConsoleBlock> blocks = blocksAfter(before);
        ASSERT_FALSE(blocks.empty()) << "point " << i;
        const std::string pick = "mouse location:(" + std::to_string(wx) + " " +
                                 std::to_string(480 - wy) + ")";
        EXPECT_EQ(blocks[0][0], (ConsoleLine{7, pick})) << "point " << i;
        EXPECT_EQ(withoutPickLine(blocks.back()), expectedBlock(curve)) << "point " << i;
    }
    // A press at d2 = 32 from the moved P0 picks nothing and writes nothing.
    const std::size_t before = passes();
    run_->moveTo(static_cast<int>(curve[0]) + 4, 480 - static_cast<int>(curve[1]) - 4);
    run_->button(1, true);
    run_->moveTo(300, 50);
    sleepMs(30);
    run_->button(1, false);
    const std::vector<ConsoleBlock> blocks = blocksAfter(before);
    ASSERT_FALSE(blocks.empty());
    for (const ConsoleBlock& b : blocks) {
        EXPECT_EQ(b, expectedBlock(curve));
    }
}

TEST_F(Drag, LeavingTheWindowStoresTheOutsidePositionAndComesBack) {
    const std::size_t before = passes();
    run_->moveTo(550, 380);  // P3
    run_->button(1, true);
    run_->moveTo(700, 530);  // right of and below the window
    std::vector<ConsoleBlock> blocks = blocksAfter(before);
    ASSERT_FALSE(blocks.empty());
    const float outside[8] = {50, 100, 200, 300, 400, 300, 700, -50};
    EXPECT_EQ(withoutPickLine(blocks.back()), expectedBlock(outside));

    run_->moveTo(500, 200);
    sleepMs(30);
    run_->button(1, false);
    blocks = blocksAfter(before);
    const float back[8] = {50, 100, 200, 300, 400, 300, 500, 280};
    EXPECT_EQ(withoutPickLine(blocks.back()), expectedBlock(back));
    Image im;
    EXPECT_TRUE(run_->waitForImage(
        [](const Image& i) { return i.atDrawing(500, 280) == kBlue; }, im));
}

// Dragging P1 below the chord makes an S: its inflection line comes in
// green, between the dark grey and red lines, as the console shows it.
TEST_F(Drag, AnSCurveReportsItsInflectionInGreen) {
    const std::size_t before = passes();
    run_->moveTo(200, 180);  // P1
    run_->button(1, true);
    run_->moveTo(200, 300);
    sleepMs(30);
    run_->moveTo(200, 440);
    sleepMs(30);
    run_->button(1, false);
    const float s[8] = {50, 100, 200, 40, 400, 300, 550, 100};
    const ConsoleBlock want = expectedBlock(s);
    std::vector<int> attributes;
    for (const ConsoleLine& l : want) {
        attributes.push_back(l.attribute);
    }
    ASSERT_NE(std::find(attributes.begin(), attributes.end(), 2), attributes.end());
    const std::vector<ConsoleBlock> blocks = blocksAfter(before);
    ASSERT_FALSE(blocks.empty());
    EXPECT_EQ(withoutPickLine(blocks.back()), want);
}

TEST_F(Drag, RightButtonMotionRepeatsTheSameBlock) {
    const std::size_t before = passes();
    run_->moveTo(200, 180);  // over P1, but the right button does not pick
    run_->button(3, true);
    for (int i = 0; i < 5; ++i) {
        run_->moveTo(200 + 10 * i, 180);
        sleepMs(40);
    }
    run_->button(3, false);
    const std::vector<ConsoleBlock> blocks = blocksAfter(before);
    EXPECT_GE(blocks.size(), 2u);
    const float defaults[8] = {50, 100, 200, 300, 400, 300, 550, 100};
    for (const ConsoleBlock& b : blocks) {
        EXPECT_EQ(b, expectedBlock(defaults));  // no pick line, nothing moved
    }
}

TEST_F(Drag, KeysAndButtonlessMotionDoNothing) {
    const std::string before = run_->output();
    run_->moveTo(200, 180);
    run_->moveTo(260, 120);
    run_->key("a");
    run_->key("Escape");
    run_->key("space");
    sleepMs(400);
    EXPECT_TRUE(run_->waitQuiet());
    EXPECT_EQ(run_->output(), before);
    EXPECT_TRUE(run_->alive());
    Image im = run_->grab();
    EXPECT_EQ(im.atDrawing(200, 300), kBlue);
}

}  // namespace
