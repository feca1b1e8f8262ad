// Runs Quorvel on a private virtual display when there is no real one:
// shows the console text of the first frames and saves a screenshot of the
// window as PNG.
//
//   quorvel-headless PROGRAM SCREENSHOT.png [--first-block]
//
// With --first-block it prints only the first pass's lines, each with its
// console attribute.
#include <unistd.h>

#include <cstdio>
#include <string>

#include "x_harness.h"

static std::string withoutEscapes(const std::string& s) {
    std::string out;
    int attribute = 7;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\x1b') {
            int forward = 0;
            i = skipControlSequence(s, i, attribute, &forward);
            out.append(static_cast<std::size_t>(forward), ' ');
        } else if (s[i] != '\r') {
            out += s[i];
        }
    }
    return out;
}

// The first display pass's lines, each with its console attribute: the
// form in which two builds of the program are compared.
static void printFirstBlock(const std::string& text) {
    const std::vector<ConsoleBlock> blocks = parseConsole(text);
    if (blocks.empty()) {
        return;
    }
    for (const ConsoleLine& line : blocks[0]) {
        std::printf("[attribute %d] %s\n", line.attribute, line.text.c_str());
    }
    std::printf("[end of pass]\n");
}

int main(int argc, char** argv) {
    const bool firstBlock = argc == 4 && std::string(argv[3]) == "--first-block";
    if (argc != 3 && !firstBlock) {
        std::fprintf(stderr, "usage: %s PROGRAM SCREENSHOT.png [--first-block]\n", argv[0]);
        return 2;
    }
    VirtualDisplay display;
    if (!display.ok()) {
        std::fprintf(stderr, "quorvel-headless: could not start Xvfb\n");
        return 1;
    }
    ProgramRun run(display, argv[1], Output::Terminal);
    if (!run.waitForWindow() || !run.waitForPasses(1) || !run.waitQuiet(500)) {
        std::fprintf(stderr, "quorvel-headless: the window did not appear\n");
        return 1;
    }
    Image image;
    const bool drawn = run.waitForImage(
        [](const Image& i) { return i.atDrawing(50, 100) == Rgb{0, 0, 255}; }, image, 5.0);
    const std::string text = run.output();
    if (firstBlock) {
        printFirstBlock(text);
        return drawn && writePng(argv[2], image) ? 0 : 1;
    }
    std::fputs(isatty(STDOUT_FILENO) ? text.c_str() : withoutEscapes(text).c_str(), stdout);
    if (isatty(STDOUT_FILENO)) {
        std::fputs("\x1b[0m", stdout);
    }
    if (!drawn || !writePng(argv[2], image)) {
        std::fprintf(stderr, "quorvel-headless: no screenshot\n");
        return 1;
    }
    std::printf("Quorvel ran on a virtual display (no DISPLAY was set); %d display pass(es) above.\n"
                "Screenshot of its %dx%d window: %s\n",
                run.passCount(), image.width, image.height, argv[2]);
    return 0;
}
