// Shared pieces of the end-to-end tests: one Xvfb per test suite, the
// colours the program draws, and console helpers.
#pragma once

#include <gtest/gtest.h>

#include "expected_console.h"
#include "x_harness.h"

const Rgb kWhite{255, 255, 255};
const Rgb kBlack{0, 0, 0};
const Rgb kRed{255, 0, 0};
const Rgb kBlue{0, 0, 255};

// The program the tests start: the command named by QUORVEL_PROGRAM when it
// is set (a launcher for another build of the program, such as the Windows
// build under Wine), else the Linux build next to the tests.
const char* programUnderTest();

// A test suite whose tests share one private X server.
class OnVirtualDisplay : public testing::Test {
protected:
    static void SetUpTestSuite() { display_ = new VirtualDisplay(); }
    static void TearDownTestSuite() {
        delete display_;
        display_ = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(display_->ok()) << "Xvfb did not start"; }
    static VirtualDisplay* display_;
};

// The analysis part of a block: without the pick line a press put before it.
inline ConsoleBlock withoutPickLine(ConsoleBlock b) {
    if (!b.empty() && b[0].text.rfind("mouse location:", 0) == 0) {
        b.erase(b.begin());
    }
    return b;
}
