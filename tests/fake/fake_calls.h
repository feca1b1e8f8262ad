// Recording fake of the GL, GLU, GLUT and console calls the program makes.
//
// Every call appends one record to a fixed array; tests read the records
// back in order. It does not imitate GL: glGenLists returns a fixed base and
// nothing else returns anything of note.
#pragma once

#include <cstddef>
#include <initializer_list>

// One list of every recorded call. FAKE_GL_CALLS also generates the
// definitions in fake_gl.cpp: (return type, name, parameters, recorded
// numbers, recorded pointer, recorded text).
#define FAKE_GL_CALLS(X)                                                                  \
    X(void, glClear, (GLbitfield mask), (mask), nullptr, nullptr)                        \
    X(void, glClearColor, (GLclampf r, GLclampf g, GLclampf b, GLclampf a), (r, g, b, a), \
      nullptr, nullptr)                                                                   \
    X(void, glColor3ub, (GLubyte r, GLubyte g, GLubyte b), (r, g, b), nullptr, nullptr)   \
    X(void, glColor3f, (GLfloat r, GLfloat g, GLfloat b), (r, g, b), nullptr, nullptr)    \
    X(void, glBegin, (GLenum mode), (mode), nullptr, nullptr)                             \
    X(void, glEnd, (void), (), nullptr, nullptr)                                          \
    X(void, glVertex2f, (GLfloat x, GLfloat y), (x, y), nullptr, nullptr)                 \
    X(void, glPointSize, (GLfloat size), (size), nullptr, nullptr)                        \
    X(void, glRasterPos2f, (GLfloat x, GLfloat y), (x, y), nullptr, nullptr)              \
    X(GLuint, glGenLists, (GLsizei range), (range), nullptr, nullptr)                     \
    X(void, glNewList, (GLuint list, GLenum mode), (list, mode), nullptr, nullptr)        \
    X(void, glEndList, (void), (), nullptr, nullptr)                                      \
    X(void, glCallList, (GLuint list), (list), nullptr, nullptr)                          \
    X(void, glMatrixMode, (GLenum mode), (mode), nullptr, nullptr)                        \
    X(void, glLoadIdentity, (void), (), nullptr, nullptr)                                 \
    X(void, glViewport, (GLint x, GLint y, GLsizei w, GLsizei h), (x, y, w, h), nullptr,  \
      nullptr)                                                                            \
    X(void, gluOrtho2D, (GLdouble l, GLdouble r, GLdouble b, GLdouble t), (l, r, b, t),   \
      nullptr, nullptr)                                                                   \
    X(void, glutInit, (int* argc, char** argv), (*argc), argv, nullptr)                   \
    X(void, glutInitDisplayMode, (unsigned int mode), (mode), nullptr, nullptr)           \
    X(void, glutInitWindowPosition, (int x, int y), (x, y), nullptr, nullptr)             \
    X(void, glutInitWindowSize, (int w, int h), (w, h), nullptr, nullptr)                 \
    X(int, glutCreateWindow, (const char* title), (), nullptr, title)                     \
    X(void, glutReshapeFunc, (void (*cb)(int, int)), (), reinterpret_cast<const void*>(cb), nullptr)              \
    X(void, glutDisplayFunc, (void (*cb)(void)), (), reinterpret_cast<const void*>(cb), nullptr)                  \
    X(void, glutMouseFunc, (void (*cb)(int, int, int, int)), (), reinterpret_cast<const void*>(cb), nullptr)      \
    X(void, glutMotionFunc, (void (*cb)(int, int)), (), reinterpret_cast<const void*>(cb), nullptr)               \
    X(void, glutMainLoop, (void), (), nullptr, nullptr)                                   \
    X(void, glutPostRedisplay, (void), (), nullptr, nullptr)                              \
    X(void, glutSwapBuffers, (void), (), nullptr, nullptr)                                \
    X(void, glutBitmapCharacter, (void* font, int c), (c), font, nullptr)

// Calls of the console layer, defined by hand in fake_console.cpp.
#define FAKE_CONSOLE_CALLS(X) X(report) X(flushReport) X(setReportColour) X(prepareConsole)

enum FakeCallId {
#define FAKE_GL_ID(ret, name, params, nums, ptr, text) Call_##name,
    FAKE_GL_CALLS(FAKE_GL_ID)
#undef FAKE_GL_ID
#define FAKE_CONSOLE_ID(name) Call_##name,
    FAKE_CONSOLE_CALLS(FAKE_CONSOLE_ID)
#undef FAKE_CONSOLE_ID
        Call_Count
};

struct FakeCall {
    FakeCallId id;
    int argCount;
    double args[4];
    const void* ptr;
    char text[256];
};

constexpr std::size_t kFakeCallCapacity = 1u << 16;
constexpr unsigned int kFakeGlyphBase = 1000;  // what glGenLists returns

// Clears the record. Calls beyond the capacity are counted, not stored.
void fakeReset();
std::size_t fakeCallCount();
const FakeCall& fakeCall(std::size_t index);
const char* fakeCallName(FakeCallId id);

// Appends a record; used by the generated definitions and the console fake.
void fakeRecord(FakeCallId id, std::initializer_list<double> nums, const void* ptr,
                const char* text);
