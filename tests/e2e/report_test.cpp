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

const float kDefault[8] = {50, 100, 200, 300, 400, 300, 550, 100};

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
        ProgramRun run(*display_, programUnderTest(), Output::File, path);
        ASSERT_TRUE(run.waitForWindow());
        // The first block reaches the file with no further event.
        ASSERT_TRUE(waitForLastBlock(path, texts(expectedBlock(kDefault))));

        run.moveTo(200, 180);  // P1
        run.button(1, true);
        const double end = nowSeconds() + 5.0;
        while (fileText(path).find("mouse location:(200 300)") == std::string::npos &&
               nowSeconds() < end) {
            sleepMs(20);
        }
        ASSERT_NE(fileText(path).find("mouse location:(200 300)"), std::string::npos)
            << "the pick line did not reach the file";
        const int kMoves = 12;
        for (int k = 1; k <= kMoves; ++k) {
            run.moveTo(200 + 7 * k, 180 - 4 * k);
            curve[2] = static_cast<float>(200 + 7 * k);
            curve[3] = static_cast<float>(300 + 4 * k);
            ASSERT_TRUE(waitForLastBlock(path, texts(expectedBlock(curve)))) << "move " << k;
        }
        const std::string reported = fileText(path);
        kill(run.pid(), sig);
        EXPECT_NE(run.waitExit(), -1) << "the program did not end";
        run.button(1, false);

        const std::string out = fileText(path);
        unlink(path);
        EXPECT_EQ(out, reported);  // nothing was held back for later
        const std::vector<ConsoleBlock> blocks = parseConsole(out);
        // The pick line opens the block of the first move; every pass
        // before it drew the default curve.
        std::size_t pick = 0;
        while (pick < blocks.size() &&
               (blocks[pick].empty() || blocks[pick][0].text != "mouse location:(200 300)")) {
            EXPECT_EQ(texts(blocks[pick]), texts(expectedBlock(kDefault)));
            ++pick;
        }
        ASSERT_GE(pick, 1u) << "no block before the pick";
        ASSERT_LT(pick, blocks.size()) << "no pick line";
        // From the pick on, each move's block in order; a pass that redraws
        // an unchanged curve (an exposure, or the motion event Windows sends
        // with a press) repeats the block before it.
        std::vector<std::vector<std::string>> moves{texts(expectedBlock(kDefault))};
        for (std::size_t b = pick; b < blocks.size(); ++b) {
            const std::vector<std::string> t = texts(withoutPickLine(blocks[b]));
            if (moves.empty() || moves.back() != t) {
                moves.push_back(t);
            }
        }
        ASSERT_EQ(moves.size(), static_cast<std::size_t>(kMoves) + 1);
        for (int k = 1; k <= kMoves; ++k) {
            const float moved[8] = {50, 100, static_cast<float>(200 + 7 * k),
                                    static_cast<float>(300 + 4 * k), 400, 300, 550, 100};
            EXPECT_EQ(moves[static_cast<std::size_t>(k)], texts(expectedBlock(moved)))
                << "move " << k;
        }
    }
}

TEST_F(Report, APipeReaderSeesTheFirstBlockWhileTheProgramRuns) {
    ProgramRun run(*display_, programUnderTest(), Output::Pipe);
    ASSERT_TRUE(run.waitForWindow());
    const double shown = nowSeconds();
    ASSERT_TRUE(run.waitForPasses(1, 2.0)) << "no block within 2 s of the window";
    EXPECT_LT(nowSeconds() - shown, 2.0);
    EXPECT_TRUE(run.alive());
    const float defaults[8] = {50, 100, 200, 300, 400, 300, 550, 100};
    EXPECT_EQ(texts(parseConsole(run.output())[0]), texts(expectedBlock(defaults)));
}

}  // namespace
