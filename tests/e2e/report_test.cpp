// The report on a file or pipe: every callback's text is there when the
// callback returns, so a reader follows the passes as they are drawn and
// a signal that ends the program loses nothing already reported.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "e2e_fixture.h"

namespace {

class Report : public OnVirtualDisplay {};

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

std::vector<std::string> texts(const ConsoleBlock& b) {
    std::vector<std::string> out;
    for (const ConsoleLine& l : b) {
        out.push_back(l.text);
    }
    return out;
}

// Waits until the file's last whole block has the lines want.
bool waitForLastBlock(const std::string& path, const std::vector<std::string>& want,
                      double seconds = 5.0) {
    const double end = nowSeconds() + seconds;
    do {
        const std::vector<ConsoleBlock> blocks = parseConsole(fileText(path));
        if (!blocks.empty() && texts(withoutPickLine(blocks.back())) == want) {
            return true;
        }
        sleepMs(20);
    } while (nowSeconds() < end);
    return false;
}

TEST_F(Report, AFileHoldsEveryBlockAndThePickLineWhenASignalEndsTheProgram) {
    for (int sig : {SIGINT, SIGTERM}) {
        SCOPED_TRACE(sig == SIGINT ? "SIGINT" : "SIGTERM");
        char path[] = "/tmp/quorvel-report-XXXXXX";
        const int fd = mkstemp(path);
        ASSERT_GE(fd, 0);
        close(fd);
        float curve[8] = {50, 100, 200, 300, 400, 300, 550, 100};
        ProgramRun run(*display_, QUORVEL_BINARY, Output::File, path);
        ASSERT_TRUE(run.waitForWindow());
        // The first block reaches the file with no further event.
        ASSERT_TRUE(waitForLastBlock(path, texts(expectedBlock(curve))));
        sleepMs(300);  // the window's first exposures are drawn
        const std::size_t before = parseConsole(fileText(path)).size();

        run.moveTo(200, 180);  // P1
        run.button(1, true);
        const double end = nowSeconds() + 5.0;
        while (fileText(path).find("mouse location:(200 300)\n") == std::string::npos &&
               nowSeconds() < end) {
            sleepMs(20);
        }
        const int kMoves = 12;
        for (int k = 1; k <= kMoves; ++k) {
            run.moveTo(200 + 7 * k, 180 - 4 * k);
            curve[2] = static_cast<float>(200 + 7 * k);
            curve[3] = static_cast<float>(300 + 4 * k);
            ASSERT_TRUE(waitForLastBlock(path, texts(expectedBlock(curve)))) << "move " << k;
        }
        const std::string reported = fileText(path);
        kill(run.pid(), sig);
        const int status = run.waitExit();
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == sig) << "status " << status;
        run.button(1, false);

        const std::string out = fileText(path);
        unlink(path);
        EXPECT_EQ(out, reported);  // nothing was held back for later
        const std::vector<ConsoleBlock> blocks = parseConsole(out);
        ASSERT_EQ(blocks.size(), before + kMoves);
        ASSERT_FALSE(blocks[before].empty());
        EXPECT_EQ(blocks[before][0].text, "mouse location:(200 300)");
        for (int k = 1; k <= kMoves; ++k) {
            const float moved[8] = {50, 100, static_cast<float>(200 + 7 * k),
                                    static_cast<float>(300 + 4 * k), 400, 300, 550, 100};
            EXPECT_EQ(texts(withoutPickLine(blocks[before + k - 1])), texts(expectedBlock(moved)))
                << "move " << k;
        }
    }
}

TEST_F(Report, APipeReaderSeesTheFirstBlockWhileTheProgramRuns) {
    ProgramRun run(*display_, QUORVEL_BINARY, Output::Pipe);
    ASSERT_TRUE(run.waitForWindow());
    const double shown = nowSeconds();
    ASSERT_TRUE(run.waitForPasses(1, 2.0)) << "no block within 2 s of the window";
    EXPECT_LT(nowSeconds() - shown, 2.0);
    EXPECT_TRUE(run.alive());
    const float defaults[8] = {50, 100, 200, 300, 400, 300, 550, 100};
    EXPECT_EQ(texts(parseConsole(run.output())[0]), texts(expectedBlock(defaults)));
}

}  // namespace
