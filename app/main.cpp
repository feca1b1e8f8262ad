// Quorvel: an interactive study of one planar cubic Bezier curve.
#include "app/display.h"
#include "app/gl.h"
#include "app/startup.h"
#include "app/state.h"
#include "input/mouse.h"
#include "report/report.h"

int main(int argc, char** argv) {
    prepareConsole();
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE);
    glutInitWindowPosition(800, 200);
    glutInitWindowSize(winWidth, winHeight);
    glutCreateWindow("Quorvel");
    initScene();
    glutReshapeFunc(onReshape);
    glutDisplayFunc(onDisplay);
    glutMouseFunc(onMouse);
    glutMotionFunc(onMotion);
    glutMainLoop();
    return 0;
}
