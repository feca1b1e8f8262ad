// Console report on POSIX systems: colours as ANSI SGR sequences written to
// the same stream as the text, so their order with the text is kept.
#include <csignal>
#include <cstdarg>
#include <cstdio>

#include <unistd.h>

#include "report/report.h"
#include "report/sgr.h"

static bool stdoutIsTerminal() {
    return isatty(STDOUT_FILENO) == 1;
}

void report(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::vprintf(format, args);
    va_end(args);
    if (stdoutIsTerminal()) {
        std::fflush(stdout);
    }
}

void setReportColour(unsigned short attribute) {
    if (!stdoutIsTerminal()) {
        return;  // a file or pipe gets the text without colour information
    }
    char seq[kSgrMax];
    const std::size_t n = formatSgr(attribute, seq);
    std::fwrite(seq, 1, n, stdout);
    std::fflush(stdout);
}

// A write to a pipe whose reader has gone would raise SIGPIPE and end the
// program; with the signal ignored it fails with EPIPE instead, which the
// report never looks at, and the window keeps working.
void prepareConsole() {
    std::signal(SIGPIPE, SIG_IGN);
}
