// Caption glyphs from GLUT's built-in bitmap font, compiled into display
// lists. The pixel-store settings GLUT makes around each glyph run at
// compile time, so each list holds just the glBitmap of its character.
#include "app/glyphs.h"

#include "app/gl.h"

void fillGlyphLists(unsigned int base) {
    for (int code = 0; code < 128; ++code) {
        glNewList(base + static_cast<unsigned int>(code), GL_COMPILE);
        glutBitmapCharacter(GLUT_BITMAP_9_BY_15, code);
        glEndList();
    }
}
