// Whole display passes on example curves, compared event by event with
// expectations computed independently of this program (tests/data).
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "app/display.h"
#include "fixture.h"

namespace {

struct PassCase {
    std::string name;
    float points[8];
    std::vector<float> split;
    std::vector<std::string> events;  // one normalised line per event
};

std::string number(double v) {
    std::ostringstream s;
    s << static_cast<float>(v);
    return s.str();
}

std::string unescape(const std::string& quoted) {
    std::string out;
    for (std::size_t i = 1; i + 1 < quoted.size(); ++i) {
        if (quoted[i] == '\\' && quoted[i + 1] == 'n') {
            out += '\n';
            ++i;
        } else {
            out += quoted[i];
        }
    }
    return out;
}

std::vector<PassCase> loadCases() {
    std::ifstream in(std::string(QUORVEL_TEST_DATA) + "/analysis-passes.txt");
    std::vector<PassCase> cases;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string key;
        words >> key;
        if (key == "case") {
            cases.emplace_back();
            cases.back().name = line.substr(5);
        } else if (key == "points") {
            for (float& v : cases.back().points) {
                std::string w;
                words >> w;
                v = std::strtof(w.c_str(), nullptr);
            }
        } else if (key == "split") {
            std::string w;
            while (words >> w) {
                cases.back().split.push_back(std::strtof(w.c_str(), nullptr));
            }
        } else if (key == "text") {
            cases.back().events.push_back("text " + unescape(line.substr(line.find('"'))));
        } else if (key == "marker") {
            cases.back().events.push_back(line.substr(line.find("marker")));
        } else if (key == "attr" || key == "colour") {
            std::string ev = key;
            std::string w;
            while (words >> w) {
                ev += " " + number(std::strtod(w.c_str(), nullptr));
            }
            cases.back().events.push_back(ev);
        }
    }
    return cases;
}

// The events of the pass after the control points, in the file's form. A
// marker is recognised by its polygon; its centre is recovered exactly from
// the first vertex, which lies at (x + 5, y) formed in double and narrowed.
std::vector<std::string> recordedEvents(std::vector<std::pair<float, float>>& firstVertices) {
    std::vector<std::string> out;
    long pos = findCall(Call_glBegin);
    while (pos >= 0 && fakeCall(pos).args[0] != GL_POINTS) {
        pos = findCall(Call_glBegin, pos + 1);
    }
    EXPECT_GE(pos, 0);
    std::size_t i = static_cast<std::size_t>(findCall(Call_glEnd, pos)) + 1;
    for (; i < fakeCallCount(); ++i) {
        const FakeCall& c = fakeCall(i);
        switch (c.id) {
            case Call_setReportColour:
                out.push_back("attr " + number(c.args[0]));
                break;
            case Call_glColor3f:
                out.push_back("colour " + number(c.args[0]) + " " + number(c.args[1]) + " " +
                              number(c.args[2]));
                break;
            case Call_report:
                out.push_back(std::string("text ") + c.text);
                break;
            case Call_glBegin: {
                EXPECT_EQ(c.args[0], GL_POLYGON);
                const FakeCall& v0 = fakeCall(i + 1);
                firstVertices.emplace_back(static_cast<float>(v0.args[0]),
                                           static_cast<float>(v0.args[1]));
                int vertices = 0;
                while (fakeCall(++i).id == Call_glVertex2f) {
                    ++vertices;
                }
                EXPECT_EQ(fakeCall(i).id, Call_glEnd);
                EXPECT_EQ(vertices, 20);
                out.push_back("marker");
                break;
            }
            case Call_flushReport:
                EXPECT_EQ(i + 2, fakeCallCount()) << "the text is handed on before the swap";
                break;
            case Call_glutSwapBuffers:
                EXPECT_EQ(i + 1, fakeCallCount()) << "swap is the last call";
                break;
            default:
                ADD_FAILURE() << "unexpected call " << fakeCallName(c.id);
        }
    }
    return out;
}

void PrintTo(const PassCase& pc, std::ostream* os) {
    *os << pc.name;
}

class AnalysisPass : public testing::TestWithParam<PassCase> {};

TEST_P(AnalysisPass, MatchesExpectedEventsSplitListAndMarkers) {
    const PassCase& pc = GetParam();
    resetProgramState();
    glyphsPending = 0;  // glyphs built in an earlier pass
    setCurve(pc.points);
    splitParams[8] = 7.0f;  // stale values the pass must clear
    splitParams[9] = 7.0f;
    onDisplay();

    std::vector<std::pair<float, float>> firstVertices;
    const std::vector<std::string> got = recordedEvents(firstVertices);

    // Expected markers carry their centre; compare through the first vertex.
    std::vector<std::string> want;
    std::size_t marker = 0;
    for (const std::string& e : pc.events) {
        if (e.rfind("marker ", 0) == 0) {
            // the centre, printed to 9 digits, names its float exactly
            char* end = nullptr;
            const float cx = std::strtof(e.c_str() + 7, &end);
            const float cy = std::strtof(end, nullptr);
            ASSERT_LT(marker, firstVertices.size()) << "missing marker " << e;
            EXPECT_EQ(firstVertices[marker].first,
                      static_cast<float>(static_cast<double>(cx) + 5.0))
                << "marker " << marker;
            EXPECT_EQ(firstVertices[marker].second, cy) << "marker " << marker;
            ++marker;
            want.push_back("marker");
        } else {
            want.push_back(e);
        }
    }
    EXPECT_EQ(marker, firstVertices.size());
    EXPECT_EQ(got, want);

    ASSERT_EQ(splitCount, static_cast<int>(pc.split.size()));
    for (int i = 0; i < splitCount; ++i) {
        EXPECT_EQ(splitParams[i], pc.split[i]) << "slot " << i;
    }
    for (int i = splitCount; i < 10; ++i) {
        EXPECT_EQ(splitParams[i], 0.0f) << "unused slot " << i;
    }
}

std::string caseName(const testing::TestParamInfo<PassCase>& info) {
    std::string n;
    for (char c : info.param.name) {
        n += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    }
    return n;
}

INSTANTIATE_TEST_SUITE_P(ExampleCurves, AnalysisPass, testing::ValuesIn(loadCases()), caseName);

TEST(AnalysisPassData, AllCasesLoaded) {
    const std::vector<PassCase> cases = loadCases();
    ASSERT_EQ(cases.size(), 11u);
    for (const PassCase& pc : cases) {
        EXPECT_FALSE(pc.events.empty()) << pc.name;
        EXPECT_EQ(pc.events.back(), "text \n\n") << pc.name;
    }
}

}  // namespace
