#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "match/match_run.h"
#include "options/options_file.h"
#include "ranking/ranking_file.h"


namespace {

using namespace frontendSteps;

uint64_t Fnv1a(const std::vector<uint8_t>& bytes) {
    uint64_t h = 1469598103934665603ull;
    for (uint8_t b : bytes) h = (h ^ b) * 1099511628211ull;
    return h;
}

// One press: held for a step, released for a step.
void Press(int vk) {
    harness::Hold(vk);
    matchRun::Step();
    harness::Release(vk);
    matchRun::Step();
}

// Lets the cursor and line steps in progress finish.
void Settle() {
    for (int i = 0; i < 40 && matchState == 0; ++i) {
        const Player& pl = players[0];
        if (pl.cursorMoveDir == 0 && pl.moveOffset == 0 && pl.lineState <= 0) return;
        matchRun::Step();
    }
}

struct Target {
    int row = -1, column = -1, length = 0;
    bool up = false;
};

// The lowest straight run of free panels, upward or rightward from a cell,
// that adds up to the target total without a seven.
Target FindLine() {
    for (int r = 2; r < 14; ++r)
        for (int c = 0; c < 7; ++c)
            for (int up = 0; up < 2; ++up) {
                int sum = 0;
                for (int k = 0; k < 4; ++k) {
                    const int rr = r + (up ? k : 0), cc = c + (up ? 0 : k);
                    if (rr > 14 || cc > 6) break;
                    const int8_t v = Cell(0, rr, cc);
                    if (v < 1 || v > 6) break;
                    sum += v;
                    if (sum == TargetTotal() && k >= 1) return Target{r, c, k + 1, up == 1};
                    if (sum > TargetTotal()) break;
                }
            }
    return {};
}

// A deterministic player: it looks for a line that adds up, walks the
// cursor there, anchors it, extends it and confirms it. With a fixed seed
// the keys it presses, and so the whole game, are always the same.
void PlayOneMove() {
    const Target t = FindLine();
    if (t.length == 0) {
        for (int i = 0; i < 10 && matchState == 0; ++i) matchRun::Step();
        return;
    }
    for (int guard = 0; guard < 20 && matchState == 0; ++guard) {
        const Player& pl = players[0];
        if (pl.cursorX == t.column && pl.cursorY == t.row) break;
        Press(pl.cursorX < t.column ? 'H' : pl.cursorX > t.column ? 'G' : pl.cursorY < t.row ? 'Y' : 'B');
        Settle();
    }
    Press('S');
    Settle();
    for (int k = 1; k < t.length && matchState == 0; ++k) {
        Press(t.up ? 'Y' : 'H');
        Settle();
    }
    Press('S');
    Settle();
}

// A fixed calendar time (the seed) and a deterministic key sequence play one
// exact endless game from the menu to the name entry and the retry question.
// Any change of the rules shows here first.
TEST(Replay, EndlessGameFromMenuToRankingIsExactlyReproduced) {
    harness::Boot();
    virtualBackend::state.calendarSeconds = 1'900'000'000;
    ASSERT_TRUE(matchRun::MenuToMatch(0));

    for (int move = 0; move < 3000 && matchState == 0; ++move) {
        PlayOneMove();
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
