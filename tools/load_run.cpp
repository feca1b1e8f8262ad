// Load on the real program under a private Xvfb, driven by real XTest
// pointer events while a control point is dragged.
//
//   quorvel-load PROGRAM drag-load        passes per second and per event at
//                                         500, 1000 and 2000 events/s, and
//                                         the peak pass rate, with standard
//                                         output a terminal, a pipe and a file
//   quorvel-load PROGRAM soak PASSES      resident memory over PASSES passes;
//                                         exits 1 if it grows by 1 MiB or more
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "x_harness.h"

namespace {

long residentKiB(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

std::string fileText(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Counts the ends of display passes in the output as it grows: a pass ends
// with two empty lines, so three newlines in a row with only colour
// sequences between them (or two, for a pass that wrote nothing, after the
// previous pass's end).
struct PassCounter {
    std::size_t scanned = 0;
    long passes = 0;
    int newlines = 0;
    bool inEscape = false;
    long update(const std::string& out) {
        for (; scanned < out.size(); ++scanned) {
            const char c = out[scanned];
            if (inEscape) {
                inEscape = c != 'm';
            } else if (c == '\x1b') {
                inEscape = true;
            } else if (c == '\n') {
                if (++newlines == 3) {
                    ++passes;
                    newlines = 1;  // the pass's end counts as a line end
                }
            } else {
                newlines = 0;
            }
        }
        return passes;
    }
};

// A left-button drag of P1 around a small circle of positions.
struct DragPath {
    int step = 0;
    void next(ProgramRun& run) {
        static const int offsets[8][2] = {{0, 0}, {3, 1}, {5, 4}, {3, 7},
                                          {0, 8}, {-3, 7}, {-5, 4}, {-3, 1}};
        const int* o = offsets[step++ % 8];
        run.moveToNoSync(200 + o[0], 180 + o[1]);
    }
};

bool startDrag(ProgramRun& run) {
    if (!run.waitForWindow() || !run.waitForPasses(1) || !run.waitQuiet()) {
        return false;
    }
    run.moveTo(200, 180);  // on P1
    run.button(1, true);
    return true;
}

void sleepUntil(double t) {
    const double now = nowSeconds();
    if (t > now) {
        const double d = t - now;
        timespec ts{static_cast<time_t>(d), static_cast<long>((d - static_cast<long>(d)) * 1e9)};
        nanosleep(&ts, nullptr);
    }
}

int dragLoad(const VirtualDisplay& display, const char* program, Output output) {
    std::printf("standard output: %s\n", output == Output::Terminal ? "terminal"
                                         : output == Output::Pipe   ? "pipe"
                                                                    : "file");
    char outPath[] = "/tmp/quorvel-load-XXXXXX";
    if (output == Output::File) {
        const int fd = mkstemp(outPath);
        if (fd < 0) {
            return 1;
        }
        close(fd);
    }
    std::printf("%-10s %10s %8s %8s %10s %13s\n", "target/s", "events/s", "events", "passes",
                "passes/s", "passes/event");
    for (int rate : {500, 1000, 2000, 0}) {
        ProgramRun run(display, program, output, outPath);
        Image image;
        if (!run.waitForWindow() ||
            !run.waitForImage(
                [](const Image& i) { return i.atDrawing(200, 300) == Rgb{0, 0, 255}; }, image)) {
            std::fprintf(stderr, "the window did not appear\n");
            return 1;
        }
        sleepMs(300);
        run.moveTo(200, 180);  // on P1: the pick line marks where the drag starts
        run.button(1, true);
        DragPath path;
        const double seconds = 2.0;
        const double start = nowSeconds();
        double next = start;
        long events = 0;
        while (nowSeconds() - start < seconds) {
            path.next(run);
            ++events;
            if (rate > 0) {
                // Even spacing, as a mouse reports: a late event is not
                // followed by a burst to catch up.
                next = std::max(next + 1.0 / rate, nowSeconds() + 0.5 / rate);
                sleepUntil(next);
            }
        }
        const double sent = nowSeconds() - start;
        sleepMs(300);
        run.button(1, false);
        run.requestClose();  // the program exits and flushes its output
        run.waitExit();
        const std::string out = output == Output::File ? fileText(outPath) : run.output();
        const std::size_t pick = out.find("mouse location:(200 300)\n");
        PassCounter counter;
        const long passes = pick == std::string::npos ? 0 : counter.update(out.substr(pick));
        std::printf("%-10s %10.0f %8ld %8ld %10.0f %13.3f\n",
                    rate > 0 ? std::to_string(rate).c_str() : "unpaced",
                    static_cast<double>(events) / sent, events, passes,
                    static_cast<double>(passes) / sent,
                    static_cast<double>(passes) / static_cast<double>(events));
        std::fflush(stdout);
    }
    if (output == Output::File) {
        unlink(outPath);
    }
    return 0;
}

// Resident memory is sampled every 100 passes. It swings by about 1 MiB as
// the drawing library maps and unmaps a buffer, so the peak over 20-50 % of
// the run (after warm-up) is compared with the peak over the last 30 %.
int soak(const VirtualDisplay& display, const char* program, long target) {
    ProgramRun run(display, program, Output::Terminal);
    if (!startDrag(run)) {
        std::fprintf(stderr, "the window did not appear\n");
        return 1;
    }
    PassCounter counter;
    DragPath path;
    const long warmUp = target / 5;
    const long warmEnd = target / 2;
    const long endFrom = target - target * 3 / 10;
    long warmPeak = 0;
    long endPeak = 0;
    long nextSample = 100;
    long nextReport = target / 10;
    const double start = nowSeconds();
    long events = 0;
    while (counter.update(run.output()) < target) {
        path.next(run);
        ++events;
        sleepUntil(start + static_cast<double>(events) / 1000.0);
        if (counter.passes >= nextSample) {
            const long rss = residentKiB(run.pid());
            if (counter.passes >= warmUp && counter.passes < warmEnd) {
                warmPeak = std::max(warmPeak, rss);
            } else if (counter.passes >= endFrom) {
                endPeak = std::max(endPeak, rss);
            }
            if (counter.passes >= nextReport) {
                std::printf("soak: %6ld passes, resident %ld KiB\n", counter.passes, rss);
                std::fflush(stdout);
                nextReport += target / 10;
            }
            nextSample += 100;
        }
        if (!run.alive()) {
            std::fprintf(stderr, "the program ended during the soak\n");
            return 1;
        }
        if (nowSeconds() - start > 30.0 + static_cast<double>(target) / 200.0) {
            std::fprintf(stderr, "too slow: %ld passes\n", counter.passes);
            return 1;
        }
    }
    const long passes = counter.passes;
    run.button(1, false);
    const long growth = endPeak - warmPeak;
    std::printf("soak: %ld display passes from %ld motion events in %.1f s\n", passes, events,
                nowSeconds() - start);
    std::printf("soak: peak resident memory %ld KiB after warm-up (passes %ld-%ld), %ld KiB "
                "over the last %ld passes: growth %ld KiB (limit 1024)\n",
                warmPeak, warmUp, warmEnd, endPeak, target - endFrom, growth);
    return warmPeak > 0 && endPeak > 0 && growth < 1024 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s PROGRAM drag-load | PROGRAM soak PASSES\n", argv[0]);
        return 2;
    }
    VirtualDisplay display;
    if (!display.ok()) {
        std::fprintf(stderr, "could not start Xvfb\n");
        return 1;
    }
    if (std::strcmp(argv[2], "drag-load") == 0) {
        return dragLoad(display, argv[1], Output::Terminal) |
               dragLoad(display, argv[1], Output::Pipe) | dragLoad(display, argv[1], Output::File);
    }
    if (std::strcmp(argv[2], "soak") == 0 && argc == 4) {
        return soak(display, argv[1], std::atol(argv[3]));
    }
    std::fprintf(stderr, "unknown mode %s\n", argv[2]);
    return 2;
}
