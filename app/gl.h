// The GL, GLU and GLUT interfaces as the program uses them.
#pragma once

#include <GL/glut.h>
