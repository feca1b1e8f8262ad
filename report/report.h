// Console report: text and colour of the analysis lines on standard output.
#pragma once

// Windows console attribute words in use (low nibble foreground: 1 blue,
// 2 green, 4 red, 8 intensity; high nibble the same for the background).
enum : unsigned short {
    kAttrAxisExtreme = 8,  // dark grey on black
    kAttrInflection = 2,   // green on black
    kAttrCurvature = 4,    // red on black
    kAttrNormal = 7,       // light grey on black
};

// printf to standard output. When standard output is a terminal the text
// has reached it before the call returns, so a later colour change never
// recolours it; otherwise it waits in the buffer until flushReport.
void report(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// Hands the text a callback has reported to the file or pipe, in one
// write, before the callback returns: whatever ends the program later
// (a signal, a closed window) cannot lose it, and a reader sees every
// pass as it is drawn.
void flushReport();

// Sets the console text attribute for the text written after it. Has no
// effect when standard output is not a terminal.
void setReportColour(unsigned short attribute);

// Called once at start-up, before any output: makes a broken or full
// standard output harmless (the program keeps running and drawing) and
// gives a redirected standard output a buffer that holds a whole callback.
void prepareConsole();
