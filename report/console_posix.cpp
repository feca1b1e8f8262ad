// Console colours on POSIX systems: ANSI SGR sequences written to the same
// stream as the text, so their order with the text is kept.
#include <csignal>
#include <cstdio>

#include <unistd.h>

#include "report/console.h"
#include "report/report.h"
#include "report/sgr.h"

// Asked once: the program never redirects its own output, and asking on
// every call would cost a system call per line and per colour change.
bool stdoutIsTerminal() {
    static const bool terminal = isatty(STDOUT_FILENO) == 1;
    return terminal;
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
void preparePlatformConsole() {
    std::signal(SIGPIPE, SIG_IGN);
}
