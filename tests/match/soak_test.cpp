#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "match/match_run.h"

namespace {

using namespace frontendSteps;

// Minutes of simulated play per mode; the sanitizer run uses the same count.
int SoakMinutes() {
    const char* env = std::getenv("SUMLINE_SOAK_MINUTES");
    return env != nullptr ? std::max(1, std::atoi(env)) : 10;
}

// Random keys, held for random spans, for many minutes of play. After every
// pass every value stays inside its range; a finished game is played again.
void Soak(int mode, uint32_t seed) {
    harness::Boot();
    virtualBackend::state.calendarSeconds = 1'700'000'000 + seed;
    ASSERT_TRUE(matchRun::MenuToMatch(mode));
    std::mt19937 keys(seed);
    const uint32_t end = harness::Now() + static_cast<uint32_t>(SoakMinutes()) * 60000u;
    int games = 1;
    while (harness::Now() < end) {
        if (currentScene == MainMenuScene && wipeState == 0) {
            gameMode = static_cast<int8_t>(mode);
            harness::Tap('X', 2);
            harness::RunUntil([] { return currentScene == MatchScene && matchStarted == 1; }, 2000000);
            continue;
        }
        // Random keys go to the match only: on the menu or the title they
        // could choose the end of the game.
        if (currentScene != MatchScene) {
            ASSERT_TRUE(harness::Pass()) << "the game ended at " << harness::Now() << " ms, game " << games;
            continue;
        }
        const int vk = matchRun::playKeys[keys() % std::size(matchRun::playKeys)];
        // Escape and pause are rare, so play goes on most of the time.
        if (vk == 'C' && keys() % 8 != 0) continue;
        harness::Hold(vk);
        const int hold = 1 + static_cast<int>(keys() % 12);
        for (int i = 0; i < hold; ++i) {
            harness::Pass();
            const std::string broken = matchRun::BrokenInvariant();
            ASSERT_EQ(broken, "") << "at " << harness::Now() << " ms, game " << games;
        }
        harness::Release(vk);
        harness::Pass();
        if (currentScene == MatchScene && matchState == 2 && entryPhase == 2 && wipeState == 0) {
            // Answer the retry question with yes and keep playing.
            // Random left and right keys may have moved the answer to no.
            harness::Tap('X', 2);
            harness::RunUntil(
                [] {
                    return (currentScene == MatchScene && matchStarted == 1 && matchState == 0) ||
                           (currentScene == MainMenuScene && wipeState == 0);
                },
                2000000);
            ++games;
        } else if (currentScene == MatchScene && matchState == 2 && entryPhase == 1) {
            harness::Tap(vkLeft, 2);
            harness::RunFrames(3);
            harness::Tap('X', 2);
            harness::RunFrames(3);
        }
    }
    std::printf("soak mode %d: %d games in %d simulated minutes\n", mode, games, SoakMinutes());
}

TEST(Soak, EndlessWithRandomKeysKeepsEveryValueInRange) { Soak(0, 11); }

TEST(Soak, PracticeWithRandomKeysKeepsEveryValueInRange) { Soak(3, 23); }

}  // namespace
