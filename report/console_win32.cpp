// Console colours on Windows: the console's own text attribute.
#include <windows.h>

#include "report/console.h"
#include "report/report.h"

// Asked once: the program never redirects its own output.
bool stdoutIsTerminal() {
    static const bool console = [] {
        DWORD mode = 0;
        return GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode) != 0;
    }();
    return console;
}

// The handle is looked up on every call. Text of earlier calls has already
// reached the console (report flushes there), so only later text takes the
// new attribute. When standard output is not a console the call fails and
// nothing changes.
void setReportColour(unsigned short attribute) {
    SetConsoleTextAttribute(GetStdHandle(STD_OUTPUT_HANDLE), attribute);
}

// Nothing to prepare: a broken pipe makes writes fail without a signal.
void preparePlatformConsole() {}
