#include <gtest/gtest.h>

#include <cstdio>

#include "match/result_flow.h"
#include "match/scripted_player.h"
#include "match/versus_run.h"
#include "platform/virtual/virtual_backend.h"

namespace {

// Steps of 20 ms of the wall clock, at the last match step, since a mark.
int StepsSince(uint32_t mark) { return static_cast<int>((matchPaceMark - mark) / 20); }

// A fixed calendar time (the seed), two profiles and two deterministic
// players play one exact versus match: a minute of both players clearing
// lines turn about, then the right player gives up, asking for rows until
// his stack tops out and the left player wins. Any change of the versus
// rules shows here first.
TEST(Replay, VersusMatchOfTwoScriptedPlayersIsExactlyReproduced) {
    ASSERT_TRUE(frontendSteps::BootToMenu());
    virtualBackend::state.calendarSeconds = 1'900'000'000;
    versusRun::Profile left, right;
    left.params = {5, 4, 2, 4, 0};
    left.items = {0, 3};
    right.params = {2, 2, 6, 0, 0};
    right.itemsOff = 1;
    versusRun::SetProfile(0, left);
    versusRun::SetProfile(1, right);
    ASSERT_TRUE(versusRun::EnterVersus());

    // A minute of the run, both players playing in turn.
    const uint32_t start = 0;
    while (StepsSince(start) < 3000 && matchState == 0) {
        scriptedPlayer::PlayOneMove(0);
        scriptedPlayer::PlayOneMove(1);
        ASSERT_EQ(matchRun::BrokenInvariant(), "");
    }
    ASSERT_EQ(matchState, 0);
    const Player afterMinute[2] = {players[0], players[1]};
    const uint64_t boardsAfterMinute = matchRun::Fnv1a(board, sizeof board);

    // The right player gives up: a row asked for whenever one may be.
    while (matchState == 0 && StepsSince(start) < 9000) {
        matchRun::Press(playerKeys[1].drop);
        ASSERT_EQ(matchRun::BrokenInvariant(), "");
    }
    ASSERT_EQ(matchState, 1);
    const uint64_t finalBoards = matchRun::Fnv1a(board, sizeof board);
    ASSERT_TRUE(harness::RunUntil([] { return resultPhase == 2; }, 5000000));

    // Pinned results of this seed and script.
    EXPECT_EQ(afterMinute[0].score, 2243);
    EXPECT_EQ(afterMinute[1].score, 2518);
    EXPECT_EQ(afterMinute[0].exGauge, 105);  // 15 clears at 2 + EX 5
    EXPECT_EQ(afterMinute[0].exStock, 0);
    EXPECT_EQ(afterMinute[1].exGauge, 0);    // items off
    EXPECT_EQ(boardsAfterMinute, 9694607175106654719ull);
    EXPECT_EQ(finalBoards, 2356130541329115541ull);
    EXPECT_EQ(topOutResult, 1);
    EXPECT_EQ(versusWins[0], 1);
    EXPECT_EQ(versusWins[1], 0);
    std::printf("versus replay: scores %d %d gauges %d/%d %d stock %d boards %llu final %llu wins %d %d\n",
                afterMinute[0].score, afterMinute[1].score, afterMinute[0].exGauge, afterMinute[0].exStock,
                afterMinute[1].exGauge, afterMinute[1].exStock, static_cast<unsigned long long>(boardsAfterMinute),
                static_cast<unsigned long long>(finalBoards), versusWins[0], versusWins[1]);
}

}  // namespace
