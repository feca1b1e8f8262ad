#include "app/startup.h"

#include "app/gl.h"
#include "app/state.h"

// Runs once, on the fresh context whose projection is the identity, so the
// orthographic matrix is multiplied onto it without loading the identity.
void initScene() {
    ctrlPoints[0] = Point2f{50.0f, 100.0f};
    ctrlPoints[1] = Point2f{200.0f, 300.0f};
    ctrlPoints[2] = Point2f{400.0f, 300.0f};
    ctrlPoints[3] = Point2f{550.0f, 100.0f};
    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    glMatrixMode(GL_PROJECTION);
    gluOrtho2D(0.0, static_cast<double>(winWidth), 0.0, static_cast<double>(winHeight));
}

// One unit per pixel with the origin at the lower left corner, whatever
// the size: enlarging the window adds space at the right and top.
void onReshape(int width, int height) {
    winWidth = width;
    winHeight = height;
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluOrtho2D(0.0, static_cast<double>(winWidth), 0.0, static_cast<double>(winHeight));
}
