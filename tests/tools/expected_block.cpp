// Prints the console block the program's own analysis code writes for one
// curve: one line per report line, "<attribute><TAB><text>". The browser
// tests compare the page's report with it.
//   expected_block X0 Y0 X1 Y1 X2 Y2 X3 Y3
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/display.h"
#include "app/state.h"
#include "fake_calls.h"

int main(int argc, char** argv) {
    if (argc != 9) {
        std::fprintf(stderr, "usage: %s X0 Y0 X1 Y1 X2 Y2 X3 Y3\n", argv[0]);
        return 2;
    }
    for (int i = 0; i < 4; ++i) {
        ctrlPoints[i] = Point2f{std::strtof(argv[1 + 2 * i], nullptr),
                                std::strtof(argv[2 + 2 * i], nullptr)};
    }
    glyphsPending = 0;
    fakeReset();
    onDisplay();
    int attribute = 7;
    std::string pending;
    for (std::size_t i = 0; i < fakeCallCount(); ++i) {
        const FakeCall& c = fakeCall(i);
        if (c.id == Call_setReportColour) {
            attribute = static_cast<int>(c.args[0]);
        } else if (c.id == Call_report && std::string(c.text) != "\n\n") {
            std::string text = c.text;
            if (!text.empty() && text.back() == '\n') {
                text.pop_back();
            }
            std::printf("%d\t%s\n", attribute, text.c_str());
        }
    }
    return 0;
}
