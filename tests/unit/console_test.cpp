// The real console layer, writing to pipes and pseudo-terminals.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <string>

#include "report/report.h"
#include "report/sgr.h"

namespace {

std::string sgr(unsigned short attr) {
    char buf[kSgrMax];
    const std::size_t n = formatSgr(attr, buf);
    return std::string(buf, n);
}

TEST(Sgr, TheFourAttributesOnBlack) {
    EXPECT_EQ(sgr(8), "\x1b[0;90;40m");  // dark grey
    EXPECT_EQ(sgr(2), "\x1b[0;32;40m");  // green
    EXPECT_EQ(sgr(4), "\x1b[0;31;40m");  // red
    EXPECT_EQ(sgr(7), "\x1b[0;37;40m");  // light grey
    EXPECT_EQ(sgr(1), "\x1b[0;34;40m");  // blue bit maps to ANSI blue
    EXPECT_EQ(sgr(0xFF), "\x1b[0;97;107m");
}

// Reads what is available on fd within a short time.
std::string drain(int fd, int waitMs = 200) {
    std::string out;
    pollfd p{fd, POLLIN, 0};
    while (poll(&p, 1, waitMs) > 0) {
        char buf[4096];
        const ssize_t n = read(fd, buf, sizeof buf);
        if (n <= 0) {
            break;
        }
        out.append(buf, static_cast<std::size_t>(n));
        waitMs = 50;
    }
    return out;
}

// Runs body in a child whose standard output is outFd; returns its exit
// status as waitpid reports it.
template <typename Body>
int inChild(int outFd, Body body) {
    std::fflush(stdout);
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(outFd, STDOUT_FILENO);
        body();
        std::fflush(stdout);
        _exit(0);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return status;
}

TEST(Console, RedirectedOutputCarriesNoColourBytes) {
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    const int status = inChild(fds[1], [] {
        setReportColour(8);
        report("a %f (%.2f,%.2f)\n", 0.5, 300.0, 250.0);
        setReportColour(4);
        report("%s", "\n\n");
        setReportColour(7);
    });
    close(fds[1]);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(drain(fds[0]), "a 0.500000 (300.00,250.00)\n\n\n");
    close(fds[0]);
}

// A pipe gets a callback's text whole at flushReport, in one write: none of
// it before, even past the 4 KiB a default stdio buffer would hold, and
// all of it after, with the program still running.
TEST(Console, RedirectedTextWaitsForTheCallbacksEndThenArrivesWhole) {
    int fds[2];
    int sync[2];
    ASSERT_EQ(pipe(fds), 0);
    ASSERT_EQ(pipe(sync), 0);
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(fds[1], STDOUT_FILENO);
        // A stream as a new process has it: the inherited one was used.
        stdout = fdopen(STDOUT_FILENO, "w");
        prepareConsole();
        for (int i = 0; i < 200; ++i) {  // 8,000 bytes
            report("Curvature extreme point---t is %f\n", 0.25);
        }
        char go;
        if (read(sync[0], &go, 1) != 1) {
            _exit(2);
        }
        flushReport();
        if (read(sync[0], &go, 1) != 1) {
            _exit(2);
        }
        _exit(0);  // no flush at exit: only flushReport wrote
    }
    close(fds[1]);
    EXPECT_EQ(drain(fds[0], 300), "");
    ASSERT_EQ(write(sync[1], "g", 1), 1);
    const std::string text = drain(fds[0], 2000);
    EXPECT_EQ(text.size(), 8000u);
    EXPECT_EQ(text.substr(0, 40), "Curvature extreme point---t is 0.250000\n");
    ASSERT_EQ(write(sync[1], "g", 1), 1);
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    close(fds[0]);
}

TEST(Console, TerminalGetsEachTextBeforeTheCallReturnsAndColoursInOrder) {
    int master = -1;
    int slave = -1;
    ASSERT_EQ(openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
    termios tio;
    tcgetattr(slave, &tio);
    cfmakeraw(&tio);
    tcsetattr(slave, TCSANOW, &tio);
    int sync[2];
    ASSERT_EQ(pipe(sync), 0);
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(slave, STDOUT_FILENO);
        setReportColour(4);
        report("line %d\n", 1);
        char go;
        // Wait for the parent to read; the text must already be there.
        if (read(sync[0], &go, 1) != 1) {
            _exit(2);
        }
        setReportColour(7);
        report("%s", "\n\n");
        _exit(0);  // no flush at exit: whatever was reported is written already
    }
    close(slave);
    const std::string first = drain(master, 2000);
    EXPECT_EQ(first, sgr(4) + "line 1\n");
    ASSERT_EQ(write(sync[1], "g", 1), 1);
    // The colour change arrives with the text after it, ahead of it.
    EXPECT_EQ(drain(master, 2000), sgr(7) + "\n\n");
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    close(master);
}

TEST(Console, SurvivesAClosedPipeAndAFullDevice) {
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    close(fds[0]);  // the reader is gone
    auto writeMuch = [] {
        prepareConsole();
        for (int i = 0; i < 20000; ++i) {
            setReportColour(4);
            report("Curvature extreme point---t is %f\n", 0.25);
        }
    };
    const int closed = inChild(fds[1], writeMuch);
    close(fds[1]);
    EXPECT_TRUE(WIFEXITED(closed)) << "killed by signal " << WTERMSIG(closed);

    const int full = open("/dev/full", O_WRONLY);
    ASSERT_GE(full, 0);
    const int fullStatus = inChild(full, writeMuch);
    close(full);
    EXPECT_TRUE(WIFEXITED(fullStatus));
}

}  // namespace
