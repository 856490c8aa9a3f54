#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "replay/modelled_play.h"
#include "replay/replay_record.h"

namespace {

std::unique_ptr<Replay> NewReplay() { return std::make_unique<Replay>(); }

MatchStart VersusStart() {
    MatchStart start;
    start.mode = 1;
    start.seed = 99;
    return start;
}

TEST(ReplayRecord, PlaysBackEveryStepAsRecorded) {
    auto replay = NewReplay();
    BeginRecording(*replay, VersusStart());
    modelledPlay::Hands hands[2] = {modelledPlay::HandsOf(1), modelledPlay::HandsOf(2)};
    std::vector<MatchInput> recorded;
    for (int s = 0; s < 6000; ++s) {
        MatchInput input;
        input.player[0] = modelledPlay::NextStep(hands[0]);
        input.player[1] = modelledPlay::NextStep(hands[1]);
        // The leave bit and a chord now and then, as a step may carry them.
        if (s == 5000) input.player[0] |= inputLeave | inputPause;
        recorded.push_back(input);
        RecordStep(*replay, input);
    }
    ASSERT_EQ(replay->steps, 6000);
    ReplayCursor cursor;
    MatchInput played;
    for (int s = 0; s < 6000; ++s) {
        ASSERT_TRUE(ReadReplayStep(*replay, cursor, played)) << s;
        ASSERT_EQ(played.player[0], recorded[s].player[0]) << "step " << s;
        ASSERT_EQ(played.player[1], recorded[s].player[1]) << "step " << s;
    }
    EXPECT_FALSE(ReadReplayStep(*replay, cursor, played));
    EXPECT_EQ(played.player[0], 0);
}

TEST(ReplayRecord, KeepsOnlyTheInputBits) {
    auto replay = NewReplay();
    BeginRecording(*replay, MatchStart{});
    MatchInput input;
    input.player[0] = 0xF000 | inputSwap;
    input.player[1] = 0x8000;
    RecordStep(*replay, input);
    ReplayCursor cursor;
    MatchInput played;
    ASSERT_TRUE(ReadReplayStep(*replay, cursor, played));
    EXPECT_EQ(played.player[0], inputSwap);
    EXPECT_EQ(played.player[1], 0);
    EXPECT_EQ(replay->changeCount[1], 0);
}

TEST(ReplayRecord, TakesACheckpointEveryFiftySteps) {
    auto replay = NewReplay();
    BeginRecording(*replay, MatchStart{});
    std::vector<int> due;
    for (int s = 1; s <= 260; ++s) {
        RecordStep(*replay, MatchInput{});
        if (!CheckpointDue(*replay)) continue;
        due.push_back(s);
        RecordCheckpoint(*replay, 1000u + static_cast<uint64_t>(s));
        EXPECT_FALSE(CheckpointDue(*replay)) << "a second checksum for step " << s;
    }
    EXPECT_EQ(due, (std::vector<int>{50, 100, 150, 200, 250}));
    ASSERT_EQ(replay->checkpointCount, 5);
    EXPECT_EQ(replay->checkpoints[0], 1050u);
    EXPECT_EQ(replay->checkpoints[4], 1250u);
    // A checksum offered between checkpoints is not one.
    RecordCheckpoint(*replay, 7);
    EXPECT_EQ(replay->checkpointCount, 5);
}

// Past its room a replay keeps what it has, counts the rest of the match's
// steps and says it is truncated.
TEST(ReplayRecord, StopsAtItsRoomMarkedTruncated) {
    struct Case {
        const char* what;
        bool toggleEveryStep;  // fills the changes before the steps
        int32_t kept;
    };
    const Case cases[] = {
        {"steps", false, replayMaxSteps},
        {"changes", true, replayMaxChanges},
    };
    for (const Case& c : cases) {
        auto replay = NewReplay();
        BeginRecording(*replay, MatchStart{});
        const int32_t total = c.kept + 100;
        for (int32_t s = 0; s < total; ++s) {
            MatchInput input;
            input.player[1] = c.toggleEveryStep && s % 2 == 0 ? inputDrop : 0;
            RecordStep(*replay, input);
            if (CheckpointDue(*replay)) RecordCheckpoint(*replay, 1);
        }
        EXPECT_EQ(replay->steps, c.kept) << c.what;
        EXPECT_EQ(replay->checkpointCount, c.kept / replayCheckpointInterval) << c.what;
        ReplayResult result;
        result.outcome = outcomeTopOut;
        EndRecording(*replay, result);
        EXPECT_EQ(replay->result.truncated, 1) << c.what;
        EXPECT_EQ(replay->result.steps, total) << c.what;
    }
}

TEST(ReplayRecord, ModesAndOutcomesHaveTheirWords) {
    const char* modes[] = {"endless", "versus", "puzzle", "practice", "?"};
    for (int m = 0; m < 5; ++m) EXPECT_STREQ(ReplayModeWord(m), modes[m]);
    const char* outcomes[] = {"top-out", "cleared", "time-up", "left", "won-by-left", "won-by-right", "draw", "?"};
    for (int o = 0; o < 8; ++o) EXPECT_STREQ(ReplayOutcomeWord(o), outcomes[o]);
    EXPECT_STREQ(ReplayOutcomeWord(-1), "?");
}

TEST(ReplayRecord, EndKeepsTheStepsAndStopsRecording) {
    auto replay = NewReplay();
    BeginRecording(*replay, MatchStart{});
    for (int s = 0; s < 120; ++s) RecordStep(*replay, MatchInput{});
    ReplayResult result;
    result.outcome = outcomeCleared;
    result.steps = 5;  // the recorder's own count wins
    result.truncated = 1;
    EndRecording(*replay, result);
    RecordStep(*replay, MatchInput{});
    EXPECT_EQ(replay->steps, 120);
    EXPECT_EQ(replay->result.steps, 120);
    EXPECT_EQ(replay->result.truncated, 0);
    EXPECT_EQ(replay->result.outcome, outcomeCleared);
}

}  // namespace
