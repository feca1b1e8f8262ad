// The GLUT calls the program makes, on a web page: the window is the page's
// canvas, the callbacks are called from its pointer events, and a requested
// redisplay runs on the next animation frame.
#include <emscripten.h>

#include "app/gl.h"
#include "web/web.h"

// The registered callbacks, kept on the JS side as function-table entries.
EM_JS(void, glutWebInit, (), {
    Module.glut = {
        reshape : 0,
        display : 0,
        mouse : 0,
        motion : 0,
        pending : false,
        buttons : 0,
    };
});

EM_JS(void, glutWebSet, (int which, void* fn), {
    const names = [ "reshape", "display", "mouse", "motion" ];
    Module.glut[names[which]] = fn;
});

EM_JS(void, glutWebPostRedisplay, (), {
    const g = Module.glut;
    if (g.pending) {
        return;
    }
    g.pending = true;
    requestAnimationFrame(function() {
        g.pending = false;
        if (g.display) {
            wasmTable.get(g.display)();
        }
    });
});

// Pointer events in canvas pixels, y from the top, as GLUT reports mouse
// positions. Pointer capture keeps a drag going outside the canvas, as the
// desktop's window system does. Any held button makes motion a drag
// motion; the program's callback decides what it moves.
EM_JS(void, glutWebRun, (), {
    const g = Module.glut;
    const canvas = Module.canvas;
    const at = function(e) {
        const r = canvas.getBoundingClientRect();
        return [ Math.floor(e.clientX - r.left), Math.floor(e.clientY - r.top) ];
    };
    const glutButton = [ 0, 1, 2 ];  // left, middle, right
    canvas.addEventListener("pointerdown", function(e) {
        e.preventDefault();
        canvas.setPointerCapture(e.pointerId);
        if (e.button < 0 || e.button > 2) {
            return;
        }
        const p = at(e);
        if (g.mouse) {
            wasmTable.get(g.mouse)(glutButton[e.button], 0, p[0], p[1]);
        }
    });
    const up = function(e) {
        if (e.button < 0 || e.button > 2) {
            return;
        }
        const p = at(e);
        if (g.mouse) {
            wasmTable.get(g.mouse)(glutButton[e.button], 1, p[0], p[1]);
        }
    };
    canvas.addEventListener("pointerup", up);
    canvas.addEventListener("pointermove", function(e) {
        if (e.buttons === 0) {
            return;
        }
        const p = at(e);
        if (g.motion) {
            wasmTable.get(g.motion)(p[0], p[1]);
        }
    });
    canvas.addEventListener("contextmenu", function(e) { e.preventDefault(); });
    // The window appears: its size first, then its first picture.
    if (g.reshape) {
        wasmTable.get(g.reshape)(g.width, g.height);
    }
    _glutPostRedisplay();
});

static const int kReshape = 0;
static const int kDisplay = 1;
static const int kMouse = 2;
static const int kMotion = 3;

extern "C" {

void glutInit(int*, char**) {
    glutWebInit();
}

void glutInitDisplayMode(unsigned int) {}
void glutInitWindowPosition(int, int) {}  // the page places the canvas

// The canvas is made 640 x 480 by the page; the size asked for is the one
// reported to the reshape callback when the loop starts.
void glutInitWindowSize(int width, int height) {
    EM_ASM({ Module.glut.width = $0; Module.glut.height = $1; }, width, height);
}

int glutCreateWindow(const char*) {
    webCanvasInit();
    return 1;
}

void glutReshapeFunc(void (*fn)(int, int)) {
    glutWebSet(kReshape, reinterpret_cast<void*>(fn));
}

void glutDisplayFunc(void (*fn)(void)) {
    glutWebSet(kDisplay, reinterpret_cast<void*>(fn));
}

void glutMouseFunc(void (*fn)(int, int, int, int)) {
    glutWebSet(kMouse, reinterpret_cast<void*>(fn));
}

void glutMotionFunc(void (*fn)(int, int)) {
    glutWebSet(kMotion, reinterpret_cast<void*>(fn));
}

// Returns: the browser's event loop takes over, and the program's state
// lives on with the page.
void glutMainLoop() {
    glutWebRun();
}

EMSCRIPTEN_KEEPALIVE void glutPostRedisplay() {
    glutWebPostRedisplay();
}

void glutSwapBuffers() {}  // the canvas shows what was drawn when the frame ends

}  // extern "C"
