#include <gtest/gtest.h>

#include <filesystem>

#include "match/match_run.h"
#include "match/match_state.h"
#include "platform/sound_cache.h"

namespace {

// Steps of play load sounds into slots (danger, attacks, the result flow,
// the name entry). All of them are read at set-up, so with the sound folder
// gone afterwards every one is still there: no step touches the disk.
TEST(PlayFileAccess, EverySoundAStepLoadsIsReadAtSetUp) {
    harness::Boot();
    ASSERT_TRUE(matchRun::MenuToMatch(0));
    std::filesystem::remove(harness::WorkDir() + "/Sound");
    for (const char* path : {"Sound\\Danger.wav", "Sound\\Motto.wav", "Sound\\Delete.wav", "Sound\\Maxdelete.wav",
                             "Sound\\Item.wav", "Sound\\GameOver.wav", "Sound\\Select.wav", "Sound\\Ok.wav",
                             "Sound\\Hiscore.wav", "Sound\\Omedetou.wav"}) {
        EXPECT_NE(FindOrLoadSound(path), nullptr) << path;
    }
}

TEST(PlayFileAccess, BannerTimerStartsAtZeroInEveryMatch) {
    ASSERT_TRUE(frontendSteps::BootToMenu());
    players[0].bonusBannerTimer = 60;  // as a match left mid-banner leaves it
    harness::Tap('X');
    ASSERT_TRUE(harness::RunUntil([] { return currentScene == MatchScene && matchStarted == 1; }, 5000000));
    EXPECT_EQ(players[0].bonusBannerTimer, 0);
}

}  // namespace
