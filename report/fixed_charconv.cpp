// Fixed-point digits from std::to_chars: the exact decimal value rounded to
// the precision, as printf prints it in the C locale, without printf's
// format parsing and locale look-ups.
#include <charconv>

#include "report/format.h"

int formatFixed(char* out, std::size_t size, double value, int decimals) {
    const std::to_chars_result r =
        std::to_chars(out, out + size, value, std::chars_format::fixed, decimals);
    return r.ec == std::errc() ? static_cast<int>(r.ptr - out) : -1;
}
