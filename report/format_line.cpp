#include <charconv>
#include <cstring>

#include "report/format.h"

int formatReportLine(char* out, std::size_t size, const char* format, va_list args) {
    char* const end = out + size - 1;  // room kept for the NUL
    char* pos = out;
    for (const char* p = format; *p != '\0'; ++p) {
        if (pos == end) {
            return -1;
        }
        if (*p != '%') {
            *pos++ = *p;
            continue;
        }
        ++p;
        int decimals = 6;
        const bool precision = *p == '.';
        if (precision) {
            ++p;
            if (*p < '0' || *p > '9') {
                return -1;
            }
            decimals = *p++ - '0';
        }
        if (precision && *p != 'f') {
            return -1;
        }
        int n = -1;
        switch (*p) {
            case 'f':
                n = formatFixed(pos, static_cast<std::size_t>(end - pos), va_arg(args, double),
                                decimals);
                break;
            case 'd': {
                const std::to_chars_result r = std::to_chars(pos, end, va_arg(args, int));
                n = r.ec == std::errc() ? static_cast<int>(r.ptr - pos) : -1;
                break;
            }
            case 's': {
                const char* s = va_arg(args, const char*);
                const std::size_t len = std::strlen(s);
                if (len <= static_cast<std::size_t>(end - pos)) {
                    std::memcpy(pos, s, len);
                    n = static_cast<int>(len);
                }
                break;
            }
            case '%':
                *pos = '%';
                n = 1;
                break;
            default:
                return -1;
        }
        if (n < 0) {
            return -1;
        }
        pos += n;
    }
    *pos = '\0';
    return static_cast<int>(pos - out);
}
