#include "fixture.h"

void resetProgramState() {
    winWidth = 640;
    winHeight = 480;
    pickedPoint = -1;
    for (Point2f& p : ctrlPoints) {
        p = Point2f{0.0f, 0.0f};
    }
    for (float& s : splitParams) {
        s = 0.0f;
    }
    splitCount = 0;
    glyphBase = 0;
    glyphsPending = 1;
    fakeReset();
}

void setCurve(const float coords[8]) {
    for (int i = 0; i < 4; ++i) {
        ctrlPoints[i] = Point2f{coords[2 * i], coords[2 * i + 1]};
    }
}

std::vector<FakeCall> callsOf(FakeCallId id) {
    std::vector<FakeCall> out;
    for (std::size_t i = 0; i < fakeCallCount(); ++i) {
        if (fakeCall(i).id == id) {
            out.push_back(fakeCall(i));
        }
    }
    return out;
}

std::string consoleText() {
    std::string out;
    for (const FakeCall& c : callsOf(Call_report)) {
        out += c.text;
    }
    return out;
}

long findCall(FakeCallId id, std::size_t start) {
    for (std::size_t i = start; i < fakeCallCount(); ++i) {
        if (fakeCall(i).id == id) {
            return static_cast<long>(i);
        }
    }
    return -1;
}
