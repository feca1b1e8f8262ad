// Caption glyphs on the page: the canvas draws each character with the
// browser's monospace font when its list is called, so nothing is compiled.
#include "app/glyphs.h"
#include "web/web.h"

void fillGlyphLists(unsigned int base) {
    webSetGlyphBase(base);
}
