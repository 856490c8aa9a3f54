// A puzzle solved to CLEAR! through the real match with the recorder on: its
// saved replay re-plays to the same end, every checkpoint matched.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "harness/harness.h"
#include "match/step_input.h"
#include "puzzlebook/puzzle_book.h"
#include "puzzlebook/solution_replay.h"
#include "replay/replay_file.h"
#include "replay/replay_folder.h"
#include "replay/replay_recorder.h"
#include "replay/replay_verify.h"

namespace {

TEST(PuzzleReplay, ASolvedProblemVerifiesAsClearedAtEveryCheckpoint) {
    std::vector<puzzleBook::Problem> problems;
    std::string error;
    ASSERT_TRUE(puzzleBook::ReadBook(SUMLINE_PUZZLE_BOOK, problems, error)) << error;
    ASSERT_FALSE(problems.empty());
    StartRecordingMatches();
    const solutionReplay::ReplayResult played = solutionReplay::Replay(problems, problems[0].number, 1700000000);
    ASSERT_TRUE(played.solved) << played.failure;
    // CLEAR! stands; the match is over, and kept, once the player goes on. The
    // screen is closing toward the next problem when the replay is checked:
    // that wipe must not reach the replayed match.
    for (int n = 0; n < 200 && RecordingMatch(); ++n) {
        harness::Tap('X', 2);
        harness::RunFrames(2);
    }
    EXPECT_FALSE(RecordingMatch());
    matchStepSeen = nullptr;

    const std::vector<std::string> names = ListReplays();
    ASSERT_FALSE(names.empty());
    EXPECT_NE(names[0].find("-puzzle.replay"), std::string::npos) << names[0];
    const auto replay = std::make_unique<Replay>();
    ReplayReport report;
    ASSERT_TRUE(ReadReplayFile(ReplayFolder() + "/" + names[0], *replay, report)) << report.reason;
    EXPECT_EQ(replay->result.outcome, outcomeCleared);

    ReplayVerdict verdict;
    EXPECT_TRUE(VerifyReplay(*replay, verdict)) << VerdictLine(*replay, verdict);
    EXPECT_EQ(verdict.result.outcome, outcomeCleared);
    EXPECT_EQ(verdict.result.score[0], replay->result.score[0]);
    EXPECT_EQ(verdict.steps, replay->steps);
    EXPECT_EQ(replay->checkpointCount, replay->steps / replayCheckpointInterval);
}

}  // namespace
