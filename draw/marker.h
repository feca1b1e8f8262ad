// Disc marker of an analysed point.
#pragma once

// Filled 20-gon of radius 5 pixels centred at (x, y), in the current colour.
void drawMarker(float x, float y);
