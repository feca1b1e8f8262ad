// The GL, GLU and GLUT interfaces as the program uses them.
#pragma once

// freeglut's GLUT interface; it brings GL and GLU with it.
#include <GL/freeglut_std.h>
