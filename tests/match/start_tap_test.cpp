#include <gtest/gtest.h>

#include "frontend/frontend_steps.h"
#include "match/match_run.h"
#include "match/match_setup.h"
#include "match/pause.h"
#include "platform/keys.h"
#include "platform/virtual/virtual_backend.h"
#include "shell/farewell.h"
#include "shell/game_mode.h"

// The start sequence is a loop of its own inside the set-up; what is pressed
// during it belongs to its frames.
namespace {

using frontendSteps::At;

int tapKey = 0;
bool startShown = false;

// On the frame that shows START! (its sound starts), the key goes down, and
// up five frames later, well before play.
void TapAtStart() {
    if (startShown || !harness::Played("GameStart.wav", seBuffer1.index, false)) return;
    startShown = true;
    harness::Tap(tapKey, 5);
}

void CloseAtStart() {
    if (startShown || !harness::Played("GameStart.wav", seBuffer1.index, false)) return;
    startShown = true;
    virtualBackend::state.windowCloseRequested = true;
}

// Boots to the menu and decides on endless; the set-up runs on the next pass
// with the hook looking at each of its frames.
void EnterEndlessWith(void (*hook)()) {
    ASSERT_TRUE(frontendSteps::BootToMenu());
    gameMode = endlessMode;
    harness::Tap('X');
    ASSERT_TRUE(harness::RunUntil([] { return At(MatchSetupScene); }));
    startShown = false;
    harness::ClearSoundLog();
    virtualBackend::state.afterPresent = hook;
    harness::Pass();
    virtualBackend::state.afterPresent = nullptr;
    ASSERT_TRUE(startShown);
}

TEST(StartTap, AKeyTappedDuringStartDoesNothingInPlay) {
    struct Case {
        int key;
        const char* what;
    };
    const Case cases[] = {{'C', "pause"}, {'H', "move right"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        tapKey = c.key;
        EnterEndlessWith(TapAtStart);
        ASSERT_TRUE(At(MatchScene));
        const int8_t x = players[0].cursorX;
        harness::ClearSoundLog();
        for (int i = 0; i < 30; ++i) matchRun::Step();
        EXPECT_FALSE(AnyPaused());
        for (const auto& e : harness::SoundLog())
            EXPECT_FALSE(e.call == virtualBackend::SoundCall::play && e.slot == seBuffer2.index) << "no pause sound";
        EXPECT_EQ(players[0].cursorX, x);
    }
}

TEST(StartTap, ClosingTheWindowDuringTheCountdownSaysGoodbye) {
    EnterEndlessWith(CloseAtStart);
    EXPECT_TRUE(At(ExitScene));
    EXPECT_EQ(matchStarted, 0);
    EXPECT_TRUE(harness::RunUntil([] { return !harness::Pass(); }, 100000)) << "the game ends";
}

}  // namespace
