#include "expected_console.h"

#include "app/display.h"
#include "app/state.h"
#include "fake_calls.h"
#include "report/sgr.h"

ConsoleBlock expectedBlock(const float points[8]) {
    for (int i = 0; i < 4; ++i) {
        ctrlPoints[i] = Point2f{points[2 * i], points[2 * i + 1]};
    }
    glyphsPending = 0;
    fakeReset();
    onDisplay();
    std::string raw;
    for (std::size_t i = 0; i < fakeCallCount(); ++i) {
        const FakeCall& c = fakeCall(i);
        if (c.id == Call_setReportColour) {
            char seq[kSgrMax];
            raw.append(seq, formatSgr(static_cast<unsigned short>(c.args[0]), seq));
        } else if (c.id == Call_report) {
            raw += c.text;
        }
    }
    const std::vector<ConsoleBlock> blocks = parseConsole(raw);
    return blocks.size() == 1 ? blocks[0] : ConsoleBlock{{-1, "no single block"}};
}
