#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "match/match_run.h"
#include "match/scripted_player.h"
#include "options/options_file.h"
#include "ranking/ranking_file.h"


namespace {

using namespace frontendSteps;

uint64_t Fnv1a(const std::vector<uint8_t>& bytes) { return matchRun::Fnv1a(bytes.data(), bytes.size()); }

// A fixed calendar time (the seed) and a deterministic key sequence play one
// exact endless game from the menu to the name entry and the retry question.
// Any change of the rules shows here first.
TEST(Replay, EndlessGameFromMenuToRankingIsExactlyReproduced) {
    harness::Boot();
    virtualBackend::state.calendarSeconds = 1'900'000'000;
    ASSERT_TRUE(matchRun::MenuToMatch(0));

    for (int move = 0; move < 3000 && matchState == 0; ++move) {
        scriptedPlayer::PlayOneMove(0);
        ASSERT_EQ(matchRun::BrokenInvariant(), "");
    }
    ASSERT_TRUE(harness::RunUntil([] { return matchState == 2; }, 50000000));
    const Player result = players[0];
    const int32_t finalLevel = level, finalChain = maxChain;
    const int32_t h = clockHours, m = clockMinutes, s = clockSeconds;

    // Name entry: "CB" then OK (left from the first letter wraps to it).
    ASSERT_TRUE(harness::RunUntil([] { return entryPhase == 1 || entryPhase == 2; }, 100000));
    const int place = rankPlace;
    if (entryPhase == 1) {
        harness::RunMs(500);
        harness::Tap(vkDown, 2);
        harness::RunMs(300);
        harness::Tap(vkDown, 2);
        harness::RunMs(300);
        harness::Tap(vkRight, 2);
        harness::RunMs(300);
        harness::Tap(vkDown, 2);
        harness::RunMs(300);
        harness::Tap(vkLeft, 2);
        harness::RunMs(300);
        harness::Tap(vkLeft, 2);
        harness::RunMs(300);
        harness::Tap('X', 2);
        ASSERT_TRUE(harness::RunUntil([] { return entryPhase == 2; }, 100000));
    }
    // The retry question: no.
    harness::RunMs(500);
    harness::Tap(vkRight, 2);
    harness::RunMs(300);
    harness::Tap('X', 2);
    ASSERT_TRUE(harness::RunUntil([] { return At(MainMenuScene) && wipeState == 0; }, 1000000));

    std::ifstream in(harness::WorkDir() + "/Data/ED.dat", std::ios::binary);
    const std::vector<uint8_t> file((std::istreambuf_iterator<char>(in)), {});
    ASSERT_EQ(file.size(), 3400u);

    // Pinned results of this seed and script.
    EXPECT_EQ(result.score, 7975);
    EXPECT_EQ(result.scoreHigh, 0);
    EXPECT_EQ(finalLevel, 5);
    EXPECT_EQ(finalChain, 6);
    EXPECT_EQ(h * 3600 + m * 60 + s, 99);  // 1:39
    EXPECT_EQ(place, 0);
    EXPECT_EQ(Fnv1a(file), 3134601700934786403ull);
    if (place == 0) {
        EXPECT_EQ(rankingTable.name[0][0], 2);  // C
        EXPECT_EQ(rankingTable.name[0][1], 1);  // B
        EXPECT_EQ(rankingTable.score[0], result.score);
    }
    std::printf("replay: score %d level %d chain %d time %d:%02d:%02d place %d hash %llu\n", result.score,
                finalLevel, finalChain, h, m, s, place, static_cast<unsigned long long>(Fnv1a(file)));
}

}  // namespace
