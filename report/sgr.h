// Translation of console attribute words into ANSI SGR escape sequences.
#pragma once

#include <cstddef>

// Longest sequence written by formatSgr, with its terminating NUL.
constexpr std::size_t kSgrMax = 16;

// Writes "ESC[0;<fg>;<bg>m" for the attribute's foreground and background
// nibbles into out and returns its length. The intensity bit selects the
// bright colour range (so 8 alone is dark grey).
std::size_t formatSgr(unsigned short attribute, char out[kSgrMax]);
