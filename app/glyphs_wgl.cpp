// Caption glyphs on Windows: the bitmaps of the font selected into the
// window's device context, made into display lists by wgl.
#include "app/glyphs.h"

#include <windows.h>

void fillGlyphLists(unsigned int base) {
    wglUseFontBitmapsA(wglGetCurrentDC(), 0, 128, base);
}
