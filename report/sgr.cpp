#include "report/sgr.h"

#include <cstdio>

// Console nibbles order their colour bits blue=1, green=2, red=4; ANSI
// colour numbers order them red=1, green=2, blue=4.
static int ansiColour(unsigned nibble) {
    return ((nibble & 4u) ? 1 : 0) | ((nibble & 2u) ? 2 : 0) | ((nibble & 1u) ? 4 : 0);
}

std::size_t formatSgr(unsigned short attribute, char out[kSgrMax]) {
    const unsigned fg = attribute & 0xFu;
    const unsigned bg = (attribute >> 4) & 0xFu;
    const int fgCode = ((fg & 8u) ? 90 : 30) + ansiColour(fg);
    const int bgCode = ((bg & 8u) ? 100 : 40) + ansiColour(bg);
    const int n = std::snprintf(out, kSgrMax, "\x1b[0;%d;%dm", fgCode, bgCode);
    return static_cast<std::size_t>(n);
}
