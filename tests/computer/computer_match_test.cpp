#include <gtest/gtest.h>

#include "computer/computer_match.h"
#include "computer/computer_player.h"
#include "computer/strengths.h"
#include "harness/harness.h"

namespace {

constexpr int32_t eightMinutes = 50 * 60 * 8;

// The short tournament: ten fixed-seed matches of the strongest against the
// greedy first-time player, sides swapped every other match.
TEST(ComputerMatch, TheStrongestBeatsTheGreedyPlayer) {
    harness::Boot();
    int won = 0;
    for (uint32_t seed = 1; seed <= 10; ++seed) {
        const bool swapped = seed % 2 == 0;
        const ComputerMatchResult r = PlayComputerMatch(swapped ? greedyStrength : 5, swapped ? 5 : greedyStrength,
                                                        seed, eightMinutes);
        if (r.winner == (swapped ? 1 : 0)) ++won;
    }
    EXPECT_GE(won, 8);
}

// The thinking is spread over the steps: no step looks at more cells than
// the strength allows, give or take the one move being weighed when the
// allowance ran out.
TEST(ComputerMatch, NoStepThinksBeyondItsBudget) {
    harness::Boot();
    const ComputerMatchResult r = PlayComputerMatch(5, 4, 3, 50 * 60 * 2);
    EXPECT_GT(r.steps, 1000);
    for (int side = 0; side < 2; ++side) {
        SCOPED_TRACE(side);
        const Strength& s = StrengthOf(side == 0 ? 5 : 4);
        EXPECT_GT(r.side[side].workTotal, 0);
        EXPECT_LE(r.side[side].workMost, s.workPerStep + 2000);
        EXPECT_GT(r.side[side].presses, 0) << "it plays";
        EXPECT_GT(r.side[side].linesCleared, 0) << "it clears lines";
    }
}

// The same seeds give the same match: the computer's dice are its own and
// seeded, so a tournament can be played again.
TEST(ComputerMatch, AMatchPlaysTheSameTwice) {
    harness::Boot();
    const ComputerMatchResult a = PlayComputerMatch(3, 2, 11, 3000);
    const ComputerMatchResult b = PlayComputerMatch(3, 2, 11, 3000);
    EXPECT_EQ(a.steps, b.steps);
    EXPECT_EQ(a.side[0].presses, b.side[0].presses);
    EXPECT_EQ(a.side[1].presses, b.side[1].presses);
    EXPECT_EQ(a.side[0].linesCleared, b.side[0].linesCleared);
}

}  // namespace
