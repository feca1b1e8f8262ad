// What the web platform's files provide to one another.
#pragma once

// Sets up the drawing state for the page's canvas; before any GL call.
extern "C" void webCanvasInit();

// Tells the canvas layer that display lists base .. base+127 are the
// caption glyphs of character codes 0 .. 127.
extern "C" void webSetGlyphBase(unsigned int base);
