#include "app/state.h"

int winWidth = 640;
int winHeight = 480;
int pickedPoint = -1;
Point2f ctrlPoints[4] = {};
float splitParams[10] = {};
int splitCount = 0;
unsigned int glyphBase = 0;
int glyphsPending = 1;
char reportBuffer[65536] = {};
