// Recording stand-in for the console layer: keeps each formatted text and
// each attribute change in the same record as the GL calls, so their order
// relative to markers and colours can be checked.
#include <cstdarg>
#include <cstdio>
#include <initializer_list>

#include "fake_calls.h"
#include "report/format.h"
#include "report/report.h"

// The text is formatted by the report's own line formatter, as the real
// report does, so whatever reads the record sees the program's digits.
void report(const char* format, ...) {
    char text[256];
    va_list args;
    va_start(args, format);
    va_list fallback;
    va_copy(fallback, args);
    if (formatReportLine(text, sizeof text, format, args) < 0) {
        std::vsnprintf(text, sizeof text, format, fallback);
    }
    va_end(fallback);
    va_end(args);
    fakeRecord(Call_report, {}, nullptr, text);
}

void setReportColour(unsigned short attribute) {
    fakeRecord(Call_setReportColour, {static_cast<double>(attribute)}, nullptr, nullptr);
}

void prepareConsole() {
    fakeRecord(Call_prepareConsole, {}, nullptr, nullptr);
}

void flushReport() {
    fakeRecord(Call_flushReport, {}, nullptr, nullptr);
}
