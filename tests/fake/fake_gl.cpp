// Definitions of the recording fake, generated from the one call list.
#include <cstring>
#include <initializer_list>
#include <tuple>

#include "app/gl.h"
#include "fake_calls.h"

namespace {
FakeCall calls[kFakeCallCapacity];
std::size_t callCount = 0;
}  // namespace

void fakeReset() {
    callCount = 0;
}

std::size_t fakeCallCount() {
    return callCount;
}

const FakeCall& fakeCall(std::size_t index) {
    return calls[index];
}

const char* fakeCallName(FakeCallId id) {
    static const char* const names[] = {
#define FAKE_GL_NAME(ret, name, params, nums, ptr, text) #name,
        FAKE_GL_CALLS(FAKE_GL_NAME)
#undef FAKE_GL_NAME
#define FAKE_CONSOLE_NAME(name) #name,
            FAKE_CONSOLE_CALLS(FAKE_CONSOLE_NAME)
#undef FAKE_CONSOLE_NAME
    };
    return id < Call_Count ? names[id] : "?";
}

void fakeRecord(FakeCallId id, std::initializer_list<double> nums, const void* ptr,
                const char* text) {
    const std::size_t index = callCount++;
    if (index >= kFakeCallCapacity) {
        return;
    }
    FakeCall& c = calls[index];
    c.id = id;
    c.argCount = 0;
    for (double v : nums) {
        if (c.argCount < 4) {
            c.args[c.argCount++] = v;
        }
    }
    c.ptr = ptr;
    c.text[0] = '\0';
    if (text != nullptr) {
        std::strncpy(c.text, text, sizeof c.text - 1);
        c.text[sizeof c.text - 1] = '\0';
    }
}

// The fixed return values: a list base for glGenLists, 1 for the window id.
template <typename R>
static R fakeResult(FakeCallId id) {
    if (id == Call_glGenLists) {
        return static_cast<R>(kFakeGlyphBase);
    }
    return static_cast<R>(1);
}
template <>
void fakeResult<void>(FakeCallId) {}

// Records the numeric arguments of one call, each converted to double.
template <typename Tuple>
static void recordTuple(FakeCallId id, const Tuple& nums, const void* ptr, const char* text) {
    std::apply(
        [&](auto... v) { fakeRecord(id, {static_cast<double>(v)...}, ptr, text); }, nums);
}

#define FAKE_GL_DEFINE(ret, name, params, nums, ptr, text)                              \
    extern "C" ret name params {                                                         \
        recordTuple(Call_##name, std::make_tuple nums, ptr, text);                       \
        return fakeResult<ret>(Call_##name);                                             \
    }
FAKE_GL_CALLS(FAKE_GL_DEFINE)
#undef FAKE_GL_DEFINE

// The font handle GLUT_BITMAP_9_BY_15 points at.
void* glutBitmap9By15 = nullptr;
