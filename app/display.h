// The display pass: one complete frame and its analysis report.
#pragma once

void onDisplay();
void drawCaption(const char* text, float x, float y);
void buildGlyphLists();
