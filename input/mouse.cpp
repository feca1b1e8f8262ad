#include "input/mouse.h"

#include "app/gl.h"
#include "app/state.h"
#include "report/report.h"

// Squared pick reach in pixels: a press picks a point within sqrt(30).
static const float pickRadiusSq = 30.0f;

// Mouse y counts from the top; drawing y from the bottom edge.
static int drawingY(int y) {
    return winHeight - y;
}

void onMouse(int button, int state, int x, int y) {
    if (button != GLUT_LEFT_BUTTON) {
        return;
    }
    if (state == GLUT_UP) {
        pickedPoint = -1;
        return;
    }
    if (state != GLUT_DOWN) {
        return;
    }
    const int yd = drawingY(y);
    const float fx = static_cast<float>(x);
    const float fy = static_cast<float>(yd);
    for (int i = 0; i < 4; ++i) {
        const float dx = ctrlPoints[i].x - fx;
        const float dy = ctrlPoints[i].y - fy;
        const float d2 = dy * dy + dx * dx;
        if (d2 < pickRadiusSq) {  // the first point in reach wins
            report("mouse location:(%d %d)\n", x, yd);
            flushReport();
            pickedPoint = i;
            return;
        }
    }
    pickedPoint = -1;
}

// The picked point goes onto the cursor, unclamped; every motion asks for a
// redraw, picked point or not.
void onMotion(int x, int y) {
    if (pickedPoint != -1) {
        ctrlPoints[pickedPoint].x = static_cast<float>(x);
        ctrlPoints[pickedPoint].y = static_cast<float>(drawingY(y));
    }
    glutPostRedisplay();
}
