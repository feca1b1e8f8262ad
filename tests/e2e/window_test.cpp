// The real window: title, size, pixels, resizing, console text and a hostile
// standard output.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <fstream>
#include <sstream>

#include "e2e_fixture.h"

namespace {

const float kDefaultCurve[8] = {50, 100, 200, 300, 400, 300, 550, 100};
const int kControl[4][2] = {{50, 100}, {200, 300}, {400, 300}, {550, 100}};

class Window : public OnVirtualDisplay {};

bool controlPointsDrawn(const Image& im) {
    for (const auto& p : kControl) {
        if (!(im.atDrawing(p[0], p[1]) == kBlue)) {
            return false;
        }
    }
    return true;
}

TEST_F(Window, OpensTitledAtSizeAndPositionAndShowsTheDefaultCurve) {
    ProgramRun run(*display_, programUnderTest(), Output::Terminal);
    ASSERT_TRUE(run.waitForWindow());
    char* title = nullptr;
    ASSERT_TRUE(XFetchName(display_->dpy(), run.window(), &title));
    EXPECT_STREQ(title, "Quorvel");
    XFree(title);
    XWindowAttributes a;
    ASSERT_TRUE(XGetWindowAttributes(display_->dpy(), run.window(), &a));
    EXPECT_EQ(a.width, 640);
    EXPECT_EQ(a.height, 480);

    Image im;
    ASSERT_TRUE(run.waitForImage(controlPointsDrawn, im));
    // Each control point is a 10 x 10 blue square centred on it.
    for (const auto& p : kControl) {
        EXPECT_EQ(im.atDrawing(p[0] - 4, p[1] - 4), kBlue);
        EXPECT_EQ(im.atDrawing(p[0] + 4, p[1] + 3), kBlue);
        EXPECT_EQ(im.atDrawing(p[0] - 7, p[1] - 7), kWhite);
    }
    EXPECT_EQ(im.atDrawing(620, 20), kWhite);
    EXPECT_EQ(im.atDrawing(320, 400), kWhite);
    // Control polygon: midpoints of its three legs.
    EXPECT_TRUE(im.nearDrawing(125, 200, 1, kRed));
    EXPECT_TRUE(im.nearDrawing(300, 300, 1, kRed));
    EXPECT_TRUE(im.nearDrawing(475, 200, 1, kRed));
    // Curve: B(0.25) = (170.3125, 212.5) and B(0.75) in black.
    EXPECT_TRUE(im.nearDrawing(170, 212, 1, kBlack));
    EXPECT_TRUE(im.nearDrawing(429, 212, 1, kBlack));
    // The curvature marker (red) covers the axis-extreme marker at (300, 250).
    EXPECT_EQ(im.atDrawing(300, 250), kRed);
    EXPECT_EQ(im.atDrawing(302, 252), kRed);
    // Captions: black glyph pixels in the top left corner, nothing further
    // right on their rows.
    EXPECT_GT(im.count(10, 5, 200, 22, kBlack), 60);
    EXPECT_GT(im.count(10, 25, 200, 42, kBlack), 50);
    EXPECT_EQ(im.count(400, 0, 639, 42, kBlack), 0);

    // Console: the first frame's block, line by line with its attribute.
    ASSERT_TRUE(run.waitForPasses(1));
    const std::vector<ConsoleBlock> blocks = parseConsole(run.output());
    const ConsoleBlock want = {
        {8, "Extreme point-------------t is 0.500000, point is (300.00,250.00)"},
        {4, "Curvature extreme point---t is 0.500000, point is (300.00,250.00)"}};
    for (const ConsoleBlock& b : blocks) {
        EXPECT_EQ(b, want);
    }
    EXPECT_EQ(expectedBlock(kDefaultCurve), want);
}

// With no window manager the X window is the drawing area itself, placed
// where GLUT was asked to put the window.
TEST_F(Window, OpensAtScreenPosition800x200) {
    ProgramRun run(*display_, programUnderTest(), Output::Terminal);
    ASSERT_TRUE(run.waitForWindow());
    XWindowAttributes a;
    ASSERT_TRUE(XGetWindowAttributes(display_->dpy(), run.window(), &a));
    EXPECT_EQ(a.x, 800);
    EXPECT_EQ(a.y, 200);
}

TEST_F(Window, TerminalSeesTheAttributeChangesOfTheDefaultFrame) {
    ProgramRun run(*display_, programUnderTest(), Output::Terminal);
    ASSERT_TRUE(run.waitForWindow());
    ASSERT_TRUE(run.waitForPasses(1));
    const std::string out = run.output();
    const std::string grey = "\x1b[0;90;40m";
    const std::string green = "\x1b[0;32;40m";
    const std::string normal = "\x1b[0;37;40m";
    const std::string red = "\x1b[0;31;40m";
    const std::string frame = grey + "Extreme point-------------t is 0.500000, point is (300.00,250.00)\n" +
                              green + normal + red +
                              "Curvature extreme point---t is 0.500000, point is (300.00,250.00)\n" +
                              normal + "\n\n";
    ASSERT_GE(out.size(), frame.size());
    EXPECT_EQ(out.substr(0, frame.size()), frame);
}

TEST_F(Window, ResizingKeepsOnePixelPerUnitFromTheLowerLeftCorner) {
    ProgramRun run(*display_, programUnderTest(), Output::Terminal);
    ASSERT_TRUE(run.waitForWindow());
    Image im;
    ASSERT_TRUE(run.waitForImage(controlPointsDrawn, im));
    const int sizes[][2] = {{800, 600}, {300, 200}, {640, 480}};
    for (const auto& s : sizes) {
        run.resize(s[0], s[1]);
        const bool ok = run.waitForImage(
            [&](const Image& i) {
                return i.width == s[0] && i.height == s[1] && i.atDrawing(50, 100) == kBlue &&
                       i.atDrawing(200, std::min(300, s[1] - 1)) == (s[1] > 305 ? kBlue : kWhite);
            },
            im);
        EXPECT_TRUE(ok) << "size " << s[0] << "x" << s[1];
        EXPECT_EQ(im.atDrawing(44, 100), kWhite);
        EXPECT_EQ(im.atDrawing(50, 94), kWhite);
    }
    // At 800 x 600 the space added right and top stays empty: no scaling.
    run.resize(800, 600);
    ASSERT_TRUE(run.waitForImage(
        [](const Image& i) { return i.width == 800 && i.atDrawing(550, 100) == kBlue; }, im));
    EXPECT_EQ(im.count(0, 0, 799, 100, kRed), 0);  // drawing y 499..599
    EXPECT_EQ(im.atDrawing(400, 300), kBlue);
    EXPECT_EQ(run.passCount() > 3, true);
}

TEST_F(Window, RedirectedOutputHoldsTheSameLinesWithoutColour) {
    char path[] = "/tmp/quorvel-out-XXXXXX";
    const int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    close(fd);
    {
        ProgramRun run(*display_, programUnderTest(), Output::File, path);
        ASSERT_TRUE(run.waitForWindow());
        Image im;
        ASSERT_TRUE(run.waitForImage(controlPointsDrawn, im));
        run.requestClose();  // GLUT's default: exit, which flushes the output
        const int status = run.waitExit();
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0);
    }
    std::ifstream in(path);
    std::stringstream ss;
    ss << in.rdbuf();
    unlink(path);
    std::string out;
    for (char c : ss.str()) {
        if (c != '\r') {  // a Windows program writes text mode: CR LF
            out += c;
        }
    }
    const std::string block =
        "Extreme point-------------t is 0.500000, point is (300.00,250.00)\n"
        "Curvature extreme point---t is 0.500000, point is (300.00,250.00)\n\n\n";
    ASSERT_FALSE(out.empty());
    EXPECT_EQ(out.find('\x1b'), std::string::npos);
    ASSERT_EQ(out.size() % block.size(), 0u) << out;
    for (std::size_t i = 0; i < out.size(); i += block.size()) {
        EXPECT_EQ(out.substr(i, block.size()), block);
    }
}

// Standard output that cannot be written: the reader of the pipe has gone,
// or the device is full. The program keeps running and keeps drawing.
TEST_F(Window, KeepsDrawingWhenStandardOutputFails) {
    for (Output output : {Output::ClosedPipe, Output::FullDevice}) {
        ProgramRun run(*display_, programUnderTest(), output);
        ASSERT_TRUE(run.waitForWindow());
        Image im;
        ASSERT_TRUE(run.waitForImage(controlPointsDrawn, im));
        // Many passes, so buffered writes are attempted and fail repeatedly:
        // right-button motion redraws without moving anything, then a drag.
        // Paced, since motion that arrives together is drawn once.
        run.moveTo(320, 240);
        run.button(3, true);
        for (int i = 0; i < 80; ++i) {
            run.moveTo(320 + i % 50, 240);
            sleepMs(8);
        }
        run.button(3, false);
        run.moveTo(200, 180);
        run.button(1, true);
        run.moveTo(220, 170);
        run.moveTo(240, 160);
        run.button(1, false);
        EXPECT_TRUE(run.waitForImage(
            [](const Image& i) { return i.atDrawing(240, 320) == kBlue; }, im));
        sleepMs(300);
        EXPECT_TRUE(run.alive()) << "the program ended; wait status " << run.waitExit(0);
        EXPECT_EQ(im.atDrawing(200, 300), kWhite);
        EXPECT_EQ(im.atDrawing(50, 100), kBlue);
    }
}

}  // namespace
