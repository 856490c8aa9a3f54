#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "frontend/frontend_steps.h"
#include "match/match_scene.h"
#include "match/match_state.h"

namespace {

using namespace frontendSteps;

// Not a check: saves frames of an endless match as PNGs to look at. Run with
// --gtest_also_run_disabled_tests --gtest_filter='*SaveMatchFrames*'.
TEST(Screenshots, DISABLED_SaveMatchFrames) {
    const char* folder = std::getenv("SUMLINE_SHOTS");
    const std::string out = folder != nullptr ? folder : "/tmp";
    ASSERT_TRUE(BootToMenu());
    harness::Tap('X');
    ASSERT_TRUE(harness::RunUntil([] { return At(MatchScene); }, 2000000));
    harness::RunMs(2000);
    harness::SaveFramePng(out + "/match_start.png");
    harness::Tap('S');
    harness::RunMs(100);
    harness::Tap('Y');
    harness::RunMs(300);
    harness::SaveFramePng(out + "/match_line.png");
    harness::RunMs(60000);
    harness::SaveFramePng(out + "/match_minute.png");
    harness::RunUntil([] { return matchState != 0; }, 2000000);
    harness::RunMs(300);
    harness::SaveFramePng(out + "/match_over.png");
    harness::RunUntil([] { return matchState == 2; }, 2000000);
    harness::RunMs(3000);
    harness::SaveFramePng(out + "/match_entry.png");
}

// Practice: the pause menu asks whether to go back to the menu.
TEST(Screenshots, DISABLED_SavePracticeFrames) {
    const char* folder = std::getenv("SUMLINE_SHOTS");
    const std::string out = folder != nullptr ? folder : "/tmp";
    ASSERT_TRUE(BootToMenu());
    gameMode = 3;
    harness::Tap('X');
    ASSERT_TRUE(harness::RunUntil([] { return At(MatchScene); }, 2000000));
    harness::RunMs(1000);
    harness::Tap('A', 3);
    harness::RunMs(600);
    harness::SaveFramePng(out + "/practice.png");
    harness::Tap('C', 3);
    harness::RunMs(600);
    harness::SaveFramePng(out + "/practice_pause.png");
}

}  // namespace
