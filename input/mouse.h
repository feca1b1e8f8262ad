// Picking and dragging control points with the mouse.
#pragma once

void onMouse(int button, int state, int x, int y);
void onMotion(int x, int y);
