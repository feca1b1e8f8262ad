#include <cstdarg>
#include <cstdio>

#include "app/state.h"
#include "report/console.h"
#include "report/format.h"
#include "report/report.h"

// On a terminal each call's text is written out before the call returns,
// so a colour change after it never recolours it. A file or pipe gets the
// text through the ordinary stdio buffer, which flushReport empties once
// per callback.
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

// Empty on a terminal (each report flushed already); otherwise the one
// write of the callback's text. A failed write is not looked at.
void flushReport() {
    std::fflush(stdout);
}

// A redirected standard output gets a buffer that holds a whole callback's
// text, so that the stream never writes part of it on its own: the text of
// a callback reaches the file or pipe whole, at its end.
void prepareConsole() {
    preparePlatformConsole();
    if (!stdoutIsTerminal()) {
        std::setvbuf(stdout, reportBuffer, _IOFBF, sizeof reportBuffer);
    }
}
