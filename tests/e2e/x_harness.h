// End-to-end harness: a private Xvfb server, the real program as a child
// process, its window's pixels, real pointer and key events through XTest,
// and the program's standard output.
#pragma once

#include <sys/types.h>

#include <X11/Xlib.h>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

// A virtual X server on a free display number, stopped on destruction.
class VirtualDisplay {
public:
    VirtualDisplay(int width = 2048, int height = 1536);
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    bool ok() const { return dpy_ != nullptr; }
    const std::string& name() const { return name_; }
    Display* dpy() const { return dpy_; }

private:
    pid_t pid_ = -1;
    std::string name_;
    Display* dpy_ = nullptr;
};

struct Rgb {
    std::uint8_t r, g, b;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

// A window's pixels, row 0 at the top as X stores them.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;
    // Outside the image (or of an image never grabbed): magenta, a colour
    // the program never draws.
    Rgb at(int x, int y) const {
        if (x < 0 || y < 0 || x >= width || y >= height) {
            return Rgb{255, 0, 255};
        }
        return pixels[static_cast<std::size_t>(y) * width + x];
    }
    // Pixel at drawing coordinates (origin lower left, y up).
    Rgb atDrawing(int x, int y) const { return at(x, height - 1 - y); }
    // Whether any pixel within radius r of drawing point (x, y) has colour c.
    bool nearDrawing(int x, int y, int r, Rgb c) const;
    int count(int x0, int y0, int x1, int y1, Rgb c) const;  // X rows, inclusive
};

bool writePng(const std::string& path, const Image& image);

// SlowPipe: a pipe whose reader takes 1 KiB every 20 ms.
enum class Output { Terminal, Pipe, SlowPipe, ClosedPipe, FullDevice, File };

// The program under test, running on a VirtualDisplay.
class ProgramRun {
public:
    ProgramRun(const VirtualDisplay& display, const std::string& binary, Output output,
               const std::string& filePath = "");
    ~ProgramRun();
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    bool alive();
    // Waits for the program's top-level window titled "Quorvel" to be viewable.
    bool waitForWindow(double seconds = 20.0);
    Window window() const { return window_; }
    pid_t pid() const { return pid_; }

    std::string output();            // everything read so far (Terminal, Pipe)
    // Waits until the output's writers have all gone and it is read to the end.
    bool waitOutputEnd(double seconds = 60.0);
    int passCount();                 // display passes seen in the output
    bool waitForPasses(int n, double seconds = 10.0);
    // Waits until no output has arrived for quietMs; false on timeout.
    bool waitQuiet(int quietMs = 300, double seconds = 10.0);
    // Waits for a pass beyond the first `passes`, then for quiet.
    bool settle(int passes) { return waitForPasses(passes + 1) && waitQuiet(); }

    Image grab();
    // Polls the window until pred(image) holds; returns the last image.
    template <typename Pred>
    bool waitForImage(Pred pred, Image& image, double seconds = 10.0);

    // Pointer and keys, in window coordinates (origin top left).
    void moveTo(int x, int y);
    void moveToNoSync(int x, int y);  // queued: for paced event streams
    void button(int number, bool down);
    void key(const char* keysym);
    void resize(int width, int height);
    // Asks the window to close, as a window manager would.
    void requestClose();
    // Waits for the process to end; returns its wait status or -1.
    int waitExit(double seconds = 10.0);

private:
    void readLoop(bool slow);

    const VirtualDisplay& display_;
    pid_t pid_ = -1;
    int outFd_ = -1;
    Window window_ = 0;
    int rootX_ = 0;  // window origin on the screen, as of the last moveTo
    int rootY_ = 0;
    std::thread reader_;
    std::atomic<bool> stopReading_{false};
    std::mutex mutex_;
    std::string out_;
    double lastOutput_ = 0.0;
    bool outputEnded_ = false;
    bool exited_ = false;
    int status_ = 0;
};

double nowSeconds();
void sleepMs(int ms);

template <typename Pred>
bool ProgramRun::waitForImage(Pred pred, Image& image, double seconds) {
    const double end = nowSeconds() + seconds;
    do {
        image = grab();
        if (image.width > 0 && pred(image)) {
            return true;
        }
        sleepMs(50);
    } while (nowSeconds() < end);
    return false;
}

// Console output parsed into lines, each with the attribute current when
// its first character was written (7 before any colour sequence), and
// grouped into display passes: a pass ends with its two empty lines. CR LF
// line ends (a Windows program's text mode) read as LF.
struct ConsoleLine {
    int attribute;
    std::string text;  // without the newline
    bool operator==(const ConsoleLine& o) const {
        return attribute == o.attribute && text == o.text;
    }
};
using ConsoleBlock = std::vector<ConsoleLine>;
inline void PrintTo(const ConsoleLine& l, std::ostream* os) {
    *os << "[attr " << l.attribute << "] " << l.text;
}
std::vector<ConsoleBlock> parseConsole(const std::string& raw, int startAttribute = 7);
// Skips the control sequence starting at raw[i] (ESC), returning the index
// of its last byte; colour sequences update attribute, and a cursor-forward
// sequence stores its count in *forward (else 0).
std::size_t skipControlSequence(const std::string& raw, std::size_t i, int& attribute,
                                int* forward = nullptr);
