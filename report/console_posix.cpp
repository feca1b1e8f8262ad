// Console report on POSIX systems: colours as ANSI SGR sequences written to
// the same stream as the text, so their order with the text is kept.
#include <csignal>
#include <cstdarg>
#include <cstdio>

#include <unistd.h>

#include "report/format.h"
#include "report/report.h"
#include "report/sgr.h"

// Whether standard output is a terminal is asked once: the program never
// redirects its own output, and asking on every call would cost a system
// call per line and per colour change.
static bool stdoutIsTerminal() {
    static const bool terminal = isatty(STDOUT_FILENO) == 1;
    return terminal;
}

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

// The sequence goes into the stream's buffer and reaches the terminal with
// the next text, ahead of it; a change with no text after it shows nothing,
// so it need not be written on its own.
void setReportColour(unsigned short attribute) {
    if (!stdoutIsTerminal()) {
        return;  // a file or pipe gets the text without colour information
    }
    char seq[kSgrMax];
    const std::size_t n = formatSgr(attribute, seq);
    std::fwrite(seq, 1, n, stdout);
}

// A write to a pipe whose reader has gone would raise SIGPIPE and end the
// program; with the signal ignored it fails with EPIPE instead, which the
// report never looks at, and the window keeps working.
void prepareConsole() {
    std::signal(SIGPIPE, SIG_IGN);
}
