// Platform source of the caption glyphs.
#pragma once

// Fills the 128 display lists base .. base+127 so that list base+k draws the
// bitmap glyph of character code k at the current raster position and then
// advances the raster position by the glyph's width.
void fillGlyphLists(unsigned int base);
