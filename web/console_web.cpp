// The report on the page: each line goes to the report panel, in its
// attribute's colour, and to the browser's console. The page shows text as
// soon as it is written, like a console.
#include <emscripten.h>

#include "report/console.h"
#include "report/report.h"

// The report flushes every call, so each line reaches the page (and takes
// the attribute current when it was written) before the call returns.
bool stdoutIsTerminal() {
    return true;
}

void preparePlatformConsole() {}

EM_JS(void, pageSetAttribute, (int attribute), {
    if (Module.report) {
        Module.report.attribute = attribute;
    }
});

void setReportColour(unsigned short attribute) {
    pageSetAttribute(attribute);
}
