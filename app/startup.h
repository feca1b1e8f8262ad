// Scene set-up and the window's projection.
#pragma once

void initScene();
void onReshape(int width, int height);
