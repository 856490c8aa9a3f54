#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "netplay/online_figures.h"

namespace {

RollbackFigures SomeFigures() {
    RollbackFigures f;
    f.framesRun = 3100;
    f.rollbacks = 40;
    f.stepsRerun = 126;  // a mean of 3.15 steps
    f.deepest = 7;
    f.inputDelay = 2;
    f.checksumsCompared = 118;
    return f;
}

}  // namespace

// The line gives each direction's bytes per second over the match's wall
// time, the steps, the rollbacks with their mean (in tenths, rounded down)
// and deepest, the input delay, the checksums and how the match ended.
TEST(OnlineFigures, TheLineCarriesEveryFigure) {
    OnlineTraffic traffic;
    traffic.bytesSent = 125000;
    traffic.bytesReceived = 93750;
    traffic.ms = 62500;
    traffic.steps = 3125;
    char line[256];
    const size_t n = FormatOnlineFigures(line, sizeof line, SomeFigures(), traffic, RollbackEnd::over);
    EXPECT_EQ(std::string(line),
              "sumline online: 2000 B/s sent, 1500 B/s received, 3125 steps, 40 rollbacks (mean 3.1, deepest 7), "
              "input delay 2, 118 checksums, over");
    EXPECT_EQ(n, std::strlen(line));
}

// Each way a match ends is named; a match with no rollback has a mean of 0,
// and one shorter than a step is not divided by nothing.
TEST(OnlineFigures, EndsAreNamedAndEmptyMatchesStayFinite) {
    const struct {
        RollbackEnd end;
        const char* tail;
    } cases[] = {
        {RollbackEnd::over, ", over"},
        {RollbackEnd::outOfStep, ", out-of-step"},
        {RollbackEnd::peerLost, ", peer-lost"},
        {RollbackEnd::badPeer, ", bad-peer"},
        {RollbackEnd::none, ", left"},
    };
    OnlineTraffic traffic;
    traffic.bytesSent = 100;
    for (const auto& c : cases) {
        char line[256];
        FormatOnlineFigures(line, sizeof line, RollbackFigures{}, traffic, c.end);
        const std::string s(line);
        EXPECT_EQ(s.substr(s.size() - std::strlen(c.tail)), c.tail);
        EXPECT_NE(s.find("5000 B/s sent"), std::string::npos) << s;
        EXPECT_NE(s.find("0 rollbacks (mean 0.0, deepest 0)"), std::string::npos) << s;
    }
}

// A buffer too short for the line gets as much as fits, ended.
TEST(OnlineFigures, AShortBufferIsCutAndEnded) {
    char line[16];
    std::memset(line, 'x', sizeof line);
    const size_t n = FormatOnlineFigures(line, sizeof line, SomeFigures(), OnlineTraffic{}, RollbackEnd::over);
    EXPECT_EQ(n, 15u);
    EXPECT_EQ(std::string(line), "sumline online:");
}
