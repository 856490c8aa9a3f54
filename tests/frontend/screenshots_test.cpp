#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "frontend/frontend_steps.h"
#include "shell/farewell.h"

namespace {

using namespace frontendSteps;

// Not a check: saves the front end's frames as PNGs to look at. Run with
// --gtest_also_run_disabled_tests --gtest_filter='*SaveFrontEndFrames*'.
TEST(Screenshots, DISABLED_SaveFrontEndFrames) {
    const char* folder = std::getenv("SUMLINE_SHOTS");
    const std::string out = folder != nullptr ? folder : "/tmp";
    harness::Boot();
    harness::RunFrames(40);
    harness::SaveFramePng(out + "/logo_falling.png");
    harness::RunUntil([] { return logoState.spinCount == 6; });
    harness::SaveFramePng(out + "/logo_rest.png");
    harness::RunUntil([] { return At(TitleScene) && wipeState == 0; });
    harness::RunFrames(3);
    harness::SaveFramePng(out + "/title.png");
    ASSERT_TRUE(TitleToMenu());
    harness::RunFrames(12);
    harness::SaveFramePng(out + "/menu.png");
    harness::Tap(vkUp);
    harness::RunFrames(3);
    harness::SaveFramePng(out + "/menu_back.png");
    BeginFarewell();
    harness::RunFrames(2);
    harness::SaveFramePng(out + "/farewell.png");
}

}  // namespace
