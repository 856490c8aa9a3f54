#include <gtest/gtest.h>

#include "match/result_screen.h"
#include "match/versus_run.h"
#include "platform/keys.h"
#include "platform/wipe.h"
#include "ranking/name_entry.h"
#include "shell/menu_input.h"

// The rematch question when someone else has a say (the opponent of a match
// played over the network): the player's answer is told, the box waits, and
// the settled outcome closes the screen and leads where the vote says.
namespace {

using matchRun::Press;
using versusRun::StartVersus;
using versusRun::StepUntil;

struct VoteLog {
    int casts = 0;
    int8_t cast = -1;
    int8_t outcome = -1;
    int follows = 0;
    int8_t followed = -1;
};
VoteLog voteLog;

void Cast(int8_t answer) {
    ++voteLog.casts;
    voteLog.cast = answer;
}
int8_t Outcome() { return voteLog.outcome; }
void Follow(int8_t outcome) {
    ++voteLog.follows;
    voteLog.followed = outcome;
}

class RetryVoteTest : public ::testing::Test {
protected:
    void SetUp() override {
        voteLog = VoteLog{};
        ASSERT_TRUE(StartVersus());
        retryVote = RetryVote{Cast, Outcome, Follow, 0};
        versusRun::FillToTheTop(0);
        ASSERT_TRUE(StepUntil([] { return resultPhase == 2; }, 800));
        Press('X');
        ASSERT_TRUE(StepUntil([] { return matchState == 2 && boxGrowth == 10 && confirmHeld == 0; }, 100));
        versusRun::Steps(2);
    }
    void TearDown() override { retryVote = RetryVote{}; }
};

// The arrow beside はい, read off the last frame as the end-to-end runs do.
bool ArrowOnYes() { return harness::DistinctIndices(151, 250, 172, 266) > 2; }

// The answer is told once and the box waits: no arrow, the cursor does not
// move, the screen stays open; both yes then closes it and leads to the
// rematch, past the set-up of a match played alone.
TEST_F(RetryVoteTest, TheAnswerWaitsForTheOtherThenFollowsTheOutcome) {
    EXPECT_TRUE(ArrowOnYes());
    Press('X');
    EXPECT_EQ(voteLog.casts, 1);
    EXPECT_EQ(voteLog.cast, 0);
    versusRun::Steps(30);
    EXPECT_EQ(wipeState, 0);
    EXPECT_FALSE(ArrowOnYes());
    Press(vkRight);
    Press('X');
    EXPECT_EQ(entryCursor, 0);
    EXPECT_EQ(voteLog.casts, 1);

    voteLog.outcome = 0;
    matchRun::Step();
    EXPECT_EQ(wipeState, 1);
    ASSERT_TRUE(harness::RunUntil([] { return voteLog.follows > 0; }, 20000));
    EXPECT_EQ(voteLog.followed, 0);
    EXPECT_EQ(voteLog.follows, 1);
    EXPECT_EQ(retryVote.awaiting, 0);
    EXPECT_NE(currentScene, MatchSetupScene);
}

// The other's no ends the series before the player has answered: the screen
// closes with nothing told, and the vote leads on.
TEST_F(RetryVoteTest, TheOthersNoClosesTheQuestionUnanswered) {
    voteLog.outcome = 1;
    matchRun::Step();
    EXPECT_EQ(wipeState, 1);
    ASSERT_TRUE(harness::RunUntil([] { return voteLog.follows > 0; }, 20000));
    EXPECT_EQ(voteLog.casts, 0);
    EXPECT_EQ(voteLog.followed, 1);
    EXPECT_EQ(versusWins[0] + versusWins[1], 1);
}

}  // namespace
