// GL, GLU and GLUT calls that do nothing, for timing the program's own
// work. Generated from the same call list as the tests' recording fake.
#include <tuple>

#include "app/gl.h"
#include "fake_calls.h"

template <typename R>
static R noResult() {
    return R();
}
template <>
void noResult<void>() {}

#define NOOP_GL_DEFINE(ret, name, params, nums, ptr, text) \
    extern "C" ret name params {                          \
        return noResult<ret>();                           \
    }
FAKE_GL_CALLS(NOOP_GL_DEFINE)
#undef NOOP_GL_DEFINE

void* glutBitmap9By15 = nullptr;
