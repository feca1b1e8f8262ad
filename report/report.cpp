#include <cstdarg>
#include <cstdio>

#include "report/console.h"
#include "report/format.h"
#include "report/report.h"

// On a terminal each call's text is written out before the call returns,
// so a colour change after it never recolours it; a file or pipe gets
// ordinary buffered output.
void report(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list fallback;
    va_copy(fallback, args);
    char line[256];
    const int n = formatReportLine(line, sizeof line, format, args);
    if (n >= 0) {
        std::fwrite(line, 1, static_cast<std::size_t>(n), stdout);
    } else {
        std::vprintf(format, fallback);
    }
    va_end(fallback);
    va_end(args);
    if (stdoutIsTerminal()) {
        std::fflush(stdout);
    }
}
