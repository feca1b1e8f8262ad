// Fixed-point digits from the C library, for standard libraries that lack
// the floating-point overloads of std::to_chars.
#include <cstdio>

#include "report/format.h"

int formatFixed(char* out, std::size_t size, double value, int decimals) {
    const int n = std::snprintf(out, size, "%.*f", decimals, value);
    return n >= 0 && static_cast<std::size_t>(n) < size ? n : -1;
}
