#include <gtest/gtest.h>

#include "netplay/rematch_vote.h"

// A rematch needs both yeses; either no ends the series at once, whoever
// answered first and whether the other has answered yet.
TEST(RematchVote, BothYesPlaysAgainAndEitherNoEndsTheSeries) {
    struct Case {
        int8_t own, peer, outcome;
    };
    const Case cases[] = {
        {-1, -1, -1}, {0, -1, -1}, {-1, 0, -1}, {0, 0, 0},
        {1, -1, 1},   {-1, 1, 1},  {1, 0, 1},   {0, 1, 1}, {1, 1, 1},
    };
    for (const Case& c : cases) {
        const RematchVote vote{c.own, c.peer};
        EXPECT_EQ(VoteOutcome(vote), c.outcome) << "own " << int{c.own} << ", peer " << int{c.peer};
    }
}
