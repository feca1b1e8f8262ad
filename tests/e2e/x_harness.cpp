#include "x_harness.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

double nowSeconds() {
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

void sleepMs(int ms) {
    usleep(static_cast<useconds_t>(ms) * 1000u);
}

// ---------------------------------------------------------------- display

VirtualDisplay::VirtualDisplay(int width, int height) {
    int fds[2];
    if (pipe(fds) != 0) {
        return;
    }
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    pid_ = fork();
    if (pid_ == 0) {
        close(fds[0]);
        const int devnull = open("/dev/null", O_RDWR);
        dup2(devnull, STDIN_FILENO);
        dup2(devnull, STDOUT_FILENO);
        dup2(devnull, STDERR_FILENO);
        const std::string fd = std::to_string(fds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(),
               "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    std::string number;
    pollfd p{fds[0], POLLIN, 0};
    const double end = nowSeconds() + 20.0;
    while (nowSeconds() < end && poll(&p, 1, 200) >= 0) {
        char c;
        if ((p.revents & (POLLIN | POLLHUP)) == 0) {
            continue;
        }
        if (read(fds[0], &c, 1) != 1 || c == '\n') {
            break;
        }
        number += c;
    }
    close(fds[0]);
    if (number.empty()) {
        return;
    }
    name_ = ":" + number;
    dpy_ = XOpenDisplay(name_.c_str());
    // A window that has gone (the program ended) must fail the test, not
    // end the test process through Xlib's default handler.
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
}

VirtualDisplay::~VirtualDisplay() {
    if (dpy_ != nullptr) {
        XCloseDisplay(dpy_);
    }
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
}

// ---------------------------------------------------------------- images

bool Image::nearDrawing(int x, int y, int r, Rgb c) const {
    for (int dy = -r; dy <= r; ++dy) {
        for (int dx = -r; dx <= r; ++dx) {
            const int px = x + dx;
            const int py = height - 1 - (y + dy);
            if (px >= 0 && py >= 0 && px < width && py < height && at(px, py) == c) {
                return true;
            }
        }
    }
    return false;
}

int Image::count(int x0, int y0, int x1, int y1, Rgb c) const {
    int n = 0;
    for (int y = y0; y <= y1 && y < height; ++y) {
        for (int x = x0; x <= x1 && x < width; ++x) {
            n += at(x, y) == c ? 1 : 0;
        }
    }
    return n;
}

namespace {

std::uint32_t crc32(const unsigned char* data, std::size_t n, std::uint32_t crc = 0) {
    crc = ~crc;
    for (std::size_t i = 0; i < n; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

void put32(std::string& s, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        s += static_cast<char>((v >> shift) & 0xFFu);
    }
}

void chunk(std::string& png, const char* type, const std::string& data) {
    put32(png, static_cast<std::uint32_t>(data.size()));
    std::string body = std::string(type, 4) + data;
    png += body;
    put32(png, crc32(reinterpret_cast<const unsigned char*>(body.data()), body.size()));
}

}  // namespace

// PNG with stored (uncompressed) deflate blocks: no compression library
// needed, and a screenshot of a 640 x 480 window stays under 1 MiB.
bool writePng(const std::string& path, const Image& image) {
    std::string raw;
    for (int y = 0; y < image.height; ++y) {
        raw += '\0';  // filter: none
        for (int x = 0; x < image.width; ++x) {
            const Rgb p = image.at(x, y);
            raw += static_cast<char>(p.r);
            raw += static_cast<char>(p.g);
            raw += static_cast<char>(p.b);
        }
    }
    std::string z = "\x78\x01";
    std::size_t pos = 0;
    do {
        const std::size_t len = std::min<std::size_t>(65535, raw.size() - pos);
        const bool last = pos + len == raw.size();
        z += static_cast<char>(last ? 1 : 0);
        z += static_cast<char>(len & 0xFF);
        z += static_cast<char>(len >> 8);
        z += static_cast<char>(~len & 0xFF);
        z += static_cast<char>((~len >> 8) & 0xFF);
        z.append(raw, pos, len);
        pos += len;
    } while (pos < raw.size());
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (unsigned char c : raw) {
        a = (a + c) % 65521u;
        b = (b + a) % 65521u;
    }
    put32(z, (b << 16) | a);

    std::string ihdr;
    put32(ihdr, static_cast<std::uint32_t>(image.width));
    put32(ihdr, static_cast<std::uint32_t>(image.height));
    ihdr += std::string("\x08\x02\x00\x00\x00", 5);  // 8-bit RGB
    std::string png = "\x89PNG\r\n\x1a\n";
    chunk(png, "IHDR", ihdr);
    chunk(png, "IDAT", z);
    chunk(png, "IEND", "");
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) {
        return false;
    }
    const bool ok = std::fwrite(png.data(), 1, png.size(), f) == png.size();
    return std::fclose(f) == 0 && ok;
}

// ---------------------------------------------------------------- program

ProgramRun::ProgramRun(const VirtualDisplay& display, const std::string& binary, Output output,
                       const std::string& filePath)
    : display_(display) {
    int childOut = -1;
    if (output == Output::Terminal) {
        int slave = -1;
        if (openpty(&outFd_, &slave, nullptr, nullptr, nullptr) != 0) {
            return;
        }
        termios tio;
        tcgetattr(slave, &tio);
        cfmakeraw(&tio);  // no newline translation: the bytes as written
        tcsetattr(slave, TCSANOW, &tio);
        childOut = slave;
    } else if (output == Output::Pipe || output == Output::SlowPipe ||
               output == Output::ClosedPipe) {
        int fds[2];
        if (pipe(fds) != 0) {
            return;
        }
        outFd_ = fds[0];
        childOut = fds[1];
        if (output == Output::ClosedPipe) {
            close(outFd_);  // the reader has gone before the program starts
            outFd_ = -1;
        }
    } else if (output == Output::FullDevice) {
        childOut = open("/dev/full", O_WRONLY);
    } else {
        childOut = open(filePath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    }
    lastOutput_ = nowSeconds();
    pid_ = fork();
    if (pid_ == 0) {
        signal(SIGPIPE, SIG_DFL);  // as from a shell: the program must cope itself
        if (output == Output::Terminal) {
            setsid();
        }
        dup2(childOut, STDOUT_FILENO);
        const int devnull = open("/dev/null", O_RDONLY);
        dup2(devnull, STDIN_FILENO);
        setenv("DISPLAY", display_.name().c_str(), 1);
        execl(binary.c_str(), binary.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(childOut);
    if (outFd_ >= 0) {
        const bool slow = output == Output::SlowPipe;
        reader_ = std::thread([this, slow] { readLoop(slow); });
    }
}

ProgramRun::~ProgramRun() {
    if (pid_ > 0 && alive()) {
        kill(pid_, SIGTERM);
        waitExit(5.0);
        if (alive()) {
            kill(pid_, SIGKILL);
            waitExit(5.0);
        }
    }
    if (reader_.joinable()) {
        // Another process that inherited the output (a helper the program
        // started) may hold it open: read on for a moment, then stop.
        waitOutputEnd(2.0);
        stopReading_ = true;
        reader_.join();
    }
    if (outFd_ >= 0) {
        close(outFd_);
    }
    // Let the server forget the window before the next run looks for one.
    if (window_ != 0) {
        XSync(display_.dpy(), False);
    }
}

void ProgramRun::readLoop(bool slow) {
    char buf[65536];
    for (;;) {
        if (slow) {
            sleepMs(20);
        }
        pollfd p{outFd_, POLLIN, 0};
        const int ready = poll(&p, 1, 100);
        if (ready == 0 || (ready < 0 && errno == EINTR)) {
            if (stopReading_) {
                return;
            }
            continue;
        }
        const ssize_t n = read(outFd_, buf, slow ? 1024 : sizeof buf);  // 50 KiB/s
        if (n > 0) {
            std::lock_guard<std::mutex> lock(mutex_);
            out_.append(buf, static_cast<std::size_t>(n));
            lastOutput_ = nowSeconds();
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            // EOF, or EIO once the terminal's last writer has gone
            std::lock_guard<std::mutex> lock(mutex_);
            outputEnded_ = true;
            return;
        }
    }
}

bool ProgramRun::alive() {
    if (exited_ || pid_ <= 0) {
        return false;
    }
    if (waitpid(pid_, &status_, WNOHANG) == pid_) {
        exited_ = true;
        return false;
    }
    return true;
}

int ProgramRun::waitExit(double seconds) {
    const double end = nowSeconds() + seconds;
    while (alive() && nowSeconds() < end) {
        sleepMs(20);
    }
    return exited_ ? status_ : -1;
}

static std::string windowName(Display* dpy, Window w) {
    char* name = nullptr;
    std::string s;
    if (XFetchName(dpy, w, &name) && name != nullptr) {
        s = name;
        XFree(name);
    }
    return s;
}

bool ProgramRun::waitForWindow(double seconds) {
    Display* dpy = display_.dpy();
    const double end = nowSeconds() + seconds;
    while (nowSeconds() < end && alive()) {
        Window root = 0;
        Window parent = 0;
        Window* children = nullptr;
        unsigned int n = 0;
        XSync(dpy, False);
        if (XQueryTree(dpy, DefaultRootWindow(dpy), &root, &parent, &children, &n)) {
            for (unsigned int i = 0; i < n; ++i) {
                XWindowAttributes a;
                if (windowName(dpy, children[i]) == "Quorvel" &&
                    XGetWindowAttributes(dpy, children[i], &a) && a.map_state == IsViewable) {
                    window_ = children[i];
                }
            }
            if (children != nullptr) {
                XFree(children);
            }
        }
        if (window_ != 0) {
            return true;
        }
        sleepMs(50);
    }
    return false;
}

std::string ProgramRun::output() {
    std::lock_guard<std::mutex> lock(mutex_);
    return out_;
}

bool ProgramRun::waitOutputEnd(double seconds) {
    const double end = nowSeconds() + seconds;
    while (nowSeconds() < end) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (outputEnded_) {
                return true;
            }
        }
        sleepMs(20);
    }
    return false;
}

int ProgramRun::passCount() {
    return static_cast<int>(parseConsole(output()).size());
}

bool ProgramRun::waitForPasses(int n, double seconds) {
    const double end = nowSeconds() + seconds;
    while (passCount() < n) {
        if (nowSeconds() > end) {
            return false;
        }
        sleepMs(20);
    }
    return true;
}

bool ProgramRun::waitQuiet(int quietMs, double seconds) {
    const double end = nowSeconds() + seconds;
    while (nowSeconds() < end) {
        double last;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            last = lastOutput_;
        }
        if (nowSeconds() - last >= quietMs / 1000.0) {
            return true;
        }
        sleepMs(20);
    }
    return false;
}

Image ProgramRun::grab() {
    Image image;
    Display* dpy = display_.dpy();
    XWindowAttributes a;
    if (window_ == 0 || !XGetWindowAttributes(dpy, window_, &a)) {
        return image;
    }
    XImage* x = XGetImage(dpy, window_, 0, 0, static_cast<unsigned>(a.width),
                          static_cast<unsigned>(a.height), AllPlanes, ZPixmap);
    if (x == nullptr) {
        return image;
    }
    auto channel = [](unsigned long pixel, unsigned long mask) {
        int shift = 0;
        while (mask != 0 && (mask & 1u) == 0) {
            mask >>= 1;
            ++shift;
        }
        return static_cast<std::uint8_t>(((pixel >> shift) & mask) * 255u / (mask ? mask : 1));
    };
    image.width = a.width;
    image.height = a.height;
    image.pixels.resize(static_cast<std::size_t>(a.width) * a.height);
    for (int y = 0; y < a.height; ++y) {
        for (int px = 0; px < a.width; ++px) {
            const unsigned long p = XGetPixel(x, px, y);
            image.pixels[static_cast<std::size_t>(y) * a.width + px] =
                Rgb{channel(p, x->red_mask), channel(p, x->green_mask), channel(p, x->blue_mask)};
        }
    }
    XDestroyImage(x);
    return image;
}

void ProgramRun::moveTo(int x, int y) {
    Display* dpy = display_.dpy();
    int rx = 0;
    int ry = 0;
    Window child = 0;
    XTranslateCoordinates(dpy, window_, DefaultRootWindow(dpy), x, y, &rx, &ry, &child);
    XTestFakeMotionEvent(dpy, -1, rx, ry, CurrentTime);
    XSync(dpy, False);
    rootX_ = rx - x;
    rootY_ = ry - y;
}

void ProgramRun::moveToNoSync(int x, int y) {
    Display* dpy = display_.dpy();
    XTestFakeMotionEvent(dpy, -1, x + rootX_, y + rootY_, CurrentTime);
    XFlush(dpy);
}

void ProgramRun::button(int number, bool down) {
    Display* dpy = display_.dpy();
    XTestFakeButtonEvent(dpy, static_cast<unsigned>(number), down ? True : False, CurrentTime);
    XSync(dpy, False);
}

void ProgramRun::key(const char* keysym) {
    Display* dpy = display_.dpy();
    const KeyCode code = XKeysymToKeycode(dpy, XStringToKeysym(keysym));
    XTestFakeKeyEvent(dpy, code, True, CurrentTime);
    XTestFakeKeyEvent(dpy, code, False, CurrentTime);
    XSync(dpy, False);
}

void ProgramRun::resize(int width, int height) {
    XResizeWindow(display_.dpy(), window_, static_cast<unsigned>(width),
                  static_cast<unsigned>(height));
    XSync(display_.dpy(), False);
}

void ProgramRun::requestClose() {
    Display* dpy = display_.dpy();
    XEvent e;
    std::memset(&e, 0, sizeof e);
    e.xclient.type = ClientMessage;
    e.xclient.window = window_;
    e.xclient.message_type = XInternAtom(dpy, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(XInternAtom(dpy, "WM_DELETE_WINDOW", False));
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(dpy, window_, False, NoEventMask, &e);
    XSync(dpy, False);
}

// ---------------------------------------------------------------- console

// Skips the control sequence (ESC [ parameters final-byte) at raw[i] and
// returns the index of its last byte. An SGR sequence (final byte 'm')
// updates attribute, a console attribute word: 0 resets to 7, 30-37 and
// 90-97 set the foreground (90-97 with intensity), 40-47 and 100-107 the
// background, 39 and 49 restore the defaults. A cursor-forward sequence
// (final byte 'C') stores its count in *forward: a console that draws its
// screen buffer (Wine's on a terminal) writes a run of blanks that way.
std::size_t skipControlSequence(const std::string& raw, std::size_t i, int& attribute,
                                int* forward) {
    if (forward != nullptr) {
        *forward = 0;
    }
    if (i + 1 >= raw.size() || raw[i + 1] != '[') {
        return i;
    }
    std::size_t j = i + 2;
    while (j < raw.size() && raw[j] >= 0x20 && raw[j] <= 0x3F) {
        ++j;
    }
    if (j >= raw.size()) {
        return raw.size() - 1;
    }
    if (raw[j] == 'C' && forward != nullptr) {
        const int n = std::atoi(raw.substr(i + 2, j - i - 2).c_str());
        *forward = n > 0 ? n : 1;
    }
    if (raw[j] == 'm') {
        auto bits = [](int ansi) { return ((ansi & 1) ? 4 : 0) | (ansi & 2) | ((ansi & 4) ? 1 : 0); };
        std::string params = raw.substr(i + 2, j - i - 2);
        if (params.empty()) {
            params = "0";
        }
        std::size_t pos = 0;
        while (pos <= params.size()) {
            const std::size_t semi = std::min(params.find(';', pos), params.size());
            const int p = std::atoi(params.substr(pos, semi - pos).c_str());
            int fg = attribute & 0xF;
            int bg = (attribute >> 4) & 0xF;
            if (p == 0) {
                fg = 7;
                bg = 0;
            } else if (p >= 30 && p <= 37) {
                fg = bits(p - 30);
            } else if (p >= 90 && p <= 97) {
                fg = 8 | bits(p - 90);
            } else if (p == 39) {
                fg = 7;
            } else if (p >= 40 && p <= 47) {
                bg = bits(p - 40);
            } else if (p >= 100 && p <= 107) {
                bg = 8 | bits(p - 100);
            } else if (p == 49) {
                bg = 0;
            }
            attribute = fg | (bg << 4);
            pos = semi + 1;
        }
    }
    return j;
}

std::vector<ConsoleBlock> parseConsole(const std::string& raw, int startAttribute) {
    std::vector<ConsoleBlock> blocks;
    ConsoleBlock current;
    std::string line;
    int attribute = startAttribute;
    int lineAttribute = -1;
    int emptyLines = 0;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c == '\x1b') {
            int forward = 0;
            i = skipControlSequence(raw, i, attribute, &forward);
            if (forward > 0) {
                if (lineAttribute < 0) {
                    lineAttribute = attribute;
                }
                line.append(static_cast<std::size_t>(forward), ' ');
            }
            continue;
        }
        if (c == '\r') {
            continue;  // a console that ends lines with CR LF
        }
        if (lineAttribute < 0) {
            lineAttribute = attribute;
        }
        if (c != '\n') {
            line += c;
            continue;
        }
        if (line.empty()) {
            if (++emptyLines == 2) {
                blocks.push_back(current);
                current.clear();
                emptyLines = 0;
            }
        } else {
            emptyLines = 0;
            current.push_back(ConsoleLine{lineAttribute, line});
        }
        line.clear();
        lineAttribute = -1;
    }
    return blocks;
}
