// After the first display pass, passes, picks and drags allocate nothing
// on the heap. Every allocation of the process is counted by interposing
// the C allocator, which operator new also goes through.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "app/display.h"
#include "app/gl.h"
#include "app/startup.h"
#include "app/state.h"
#include "fake_calls.h"
#include "input/mouse.h"
#include "report/report.h"

extern "C" void* __libc_malloc(std::size_t);
extern "C" void* __libc_calloc(std::size_t, std::size_t);
extern "C" void* __libc_realloc(void*, std::size_t);

namespace {
volatile long allocations = 0;
}

extern "C" void* malloc(std::size_t n) {
    allocations = allocations + 1;
    return __libc_malloc(n);
}
extern "C" void* calloc(std::size_t n, std::size_t size) {
    allocations = allocations + 1;
    return __libc_calloc(n, size);
}
extern "C" void* realloc(void* p, std::size_t n) {
    allocations = allocations + 1;
    return __libc_realloc(p, n);
}

namespace {

TEST(Allocations, NoneAfterTheFirstPass) {
    // The report goes to /dev/null; the test's own output is restored after.
    std::fflush(stdout);
    const int saved = dup(STDOUT_FILENO);
    const int null = open("/dev/null", O_WRONLY);
    ASSERT_GE(null, 0);
    dup2(null, STDOUT_FILENO);
    prepareConsole();
    initScene();
    onReshape(640, 480);
    fakeReset();
    onDisplay();  // builds the glyph lists; stdio sets up its buffer

    const long before = allocations;
    const float curves[][8] = {
        {50, 100, 200, 300, 400, 300, 550, 100},
        {275, 56, 189, 176, 297, 35, 171, 81},
        {100, 200, 400, 200, 0, 200, 300, 200},
        {100, 100, 200, 200, 300, 300, 400, 400},
    };
    for (int n = 0; n < 2000; ++n) {
        const float* c = curves[n % 4];
        for (int i = 0; i < 4; ++i) {
            ctrlPoints[i] = Point2f{c[2 * i], c[2 * i + 1]};
        }
        fakeReset();
        onDisplay();
        // a pick and a short drag between passes
        onMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, static_cast<int>(c[2]), 480 - static_cast<int>(c[3]));
        onMotion(static_cast<int>(c[2]) + n % 7, 480 - static_cast<int>(c[3]));
        fakeReset();
        onDisplay();
        onMouse(GLUT_LEFT_BUTTON, GLUT_UP, 0, 0);
        onReshape(640 + n % 3, 480);
    }
    std::fflush(stdout);
    const long counted = allocations - before;
    dup2(saved, STDOUT_FILENO);
    close(null);
    close(saved);
    EXPECT_EQ(counted, 0);
    EXPECT_GT(before, 0) << "the counting allocator is not in use";
}

}  // namespace
