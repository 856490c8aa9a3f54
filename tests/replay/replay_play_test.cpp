// Matches played through the real match scene with the recorder on, saved,
// then verified again without a window and watched on the match screen.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>

#include "frontend/frontend_steps.h"
#include "harness/harness.h"
#include "match/match_scene.h"
#include "match/match_setup.h"
#include "match/match_snapshot.h"
#include "match/match_state.h"
#include "match/match_step.h"
#include "match/step_input.h"
#include "platform/draw_switch.h"
#include "platform/sound.h"
#include "replay/modelled_play.h"
#include "replay/replay_file.h"
#include "replay/replay_folder.h"
#include "replay/replay_recorder.h"
#include "replay/replay_verify.h"
#include "replay/replay_watch.h"
#include "shell/farewell.h"
#include "shell/game_mode.h"
#include "shell/scene.h"

namespace {

// Scripted hands at the keys; Escape after leaveAfter steps.
modelledPlay::Hands hands[2] = {modelledPlay::HandsOf(5), modelledPlay::HandsOf(9)};
int32_t stepsGiven = 0;
int32_t leaveAfter = 0;
void ScriptedSource(MatchInput& input) {
    input.player[0] = modelledPlay::NextStep(hands[0]);
    input.player[1] = gameMode == versusMode ? modelledPlay::NextStep(hands[1]) : uint16_t{0};
    if (++stepsGiven > leaveAfter) input.player[0] = inputLeave;
}

// The checksum after the step that ended the match, as the recorder saw it.
MatchStepObserver recorder = nullptr;
uint64_t overChecksum = 0;
void ObservedStep(const MatchInput& input) {
    recorder(input);
    if (MatchOver()) overChecksum = MatchChecksum();
}

struct Played {
    uint64_t finalChecksum = 0;
    std::string file;
};

class ReplayPlay : public ::testing::Test {
protected:
    void TearDown() override {
        matchStepSeen = nullptr;
        matchInputSource = KeyboardMatchInput;
        drawingSkipped = false;
        soundsMuted = false;
    }
    // A match of the mode played at the scripted keys until it is left.
    static bool PlayAndRecord(int mode, int32_t steps, Played& played) {
        if (!frontendSteps::BootToMenu()) return false;
        hands[0] = modelledPlay::HandsOf(5);
        hands[1] = modelledPlay::HandsOf(9);
        stepsGiven = 0;
        leaveAfter = steps;
        StartRecordingMatches();
        recorder = matchStepSeen;
        matchStepSeen = ObservedStep;
        matchInputSource = ScriptedSource;
        gameMode = static_cast<int8_t>(mode);
        currentScene = MatchSetupScene;
        if (!harness::RunUntil([] { return currentScene == MatchScene && RecordingMatch(); }, 5000000)) return false;
        if (!harness::RunUntil([] { return !RecordingMatch(); }, 5000000)) return false;
        played.finalChecksum = overChecksum;
        const std::vector<std::string> names = ListReplays();
        if (names.empty()) return false;
        played.file = ReplayFolder() + "/" + names[0];
        return true;
    }
};

struct ModeCase {
    const char* name;
    int mode;
};
const ModeCase modeCases[] = {{"Endless", endlessMode}, {"Versus", versusMode}, {"Practice", practiceMode}};

class ReplayPlayModes : public ReplayPlay, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(ReplayPlayModes, RecordedMatchVerifiesAtEveryCheckpointAndEndsTheSame) {
    Played played;
    ASSERT_TRUE(PlayAndRecord(GetParam().mode, 700, played));
    const auto replay = std::make_unique<Replay>();
    ReplayReport report;
    ASSERT_TRUE(ReadReplayFile(played.file, *replay, report)) << report.reason;
    EXPECT_EQ(replay->start.mode, GetParam().mode);
    EXPECT_EQ(replay->result.outcome, outcomeLeft);
    EXPECT_GT(replay->steps, 700);
    EXPECT_EQ(replay->checkpointCount, replay->steps / replayCheckpointInterval);

    ReplayVerdict verdict;
    EXPECT_TRUE(VerifyReplay(*replay, verdict));
    EXPECT_EQ(verdict.failedStep, -1);
    EXPECT_EQ(verdict.steps, replay->steps);
    EXPECT_EQ(MatchChecksum(), played.finalChecksum);
    EXPECT_EQ(verdict.result.score[0], replay->result.score[0]);
    EXPECT_EQ(verdict.result.score[1], replay->result.score[1]);
    EXPECT_EQ(verdict.result.outcome, outcomeLeft);
}

INSTANTIATE_TEST_SUITE_P(Modes, ReplayPlayModes, ::testing::ValuesIn(modeCases),
                         [](const ::testing::TestParamInfo<ModeCase>& p) { return std::string(p.param.name); });

TEST_F(ReplayPlay, OneChangedInputIsCaughtAtTheFirstCheckpointAfterIt) {
    Played played;
    ASSERT_TRUE(PlayAndRecord(endlessMode, 600, played));
    const auto replay = std::make_unique<Replay>();
    ReplayReport report;
    ASSERT_TRUE(ReadReplayFile(played.file, *replay, report)) << report.reason;
    // A swap pressed at step 230 that was never pressed: the board differs
    // from the step after it on.
    int k = 0;
    while (k < replay->changeCount[0] && static_cast<int32_t>(replay->changes[0][k] >> 12) < 230) ++k;
    ASSERT_LT(k, replay->changeCount[0]);
    const int32_t changedStep = static_cast<int32_t>(replay->changes[0][k] >> 12);
    replay->changes[0][k] ^= inputSwap;
    const std::string changed = harness::WorkDir() + "/changed.replay";
    ASSERT_TRUE(WriteReplayFile(changed, *replay));

    std::string out, err;
    EXPECT_EQ(VerifyReplayFile(played.file, out, err), 0);
    EXPECT_NE(out.find(" result left steps "), std::string::npos) << out;
    EXPECT_NE(out.find("checkpoints ok\n"), std::string::npos) << out;
    EXPECT_EQ(out.rfind("endless score ", 0), 0u) << out;
    EXPECT_EQ(err, "");

    out.clear();
    EXPECT_EQ(VerifyReplayFile(changed, out, err), 1);
    const int32_t firstAfter = (changedStep / replayCheckpointInterval + 1) * replayCheckpointInterval;
    EXPECT_NE(out.find("checkpoints FAILED at step " + std::to_string(firstAfter) + "\n"), std::string::npos) << out;
}

TEST_F(ReplayPlay, AFileThatCannotBeReadExitsTwoSayingWhy) {
    harness::StartFresh();
    const std::string junk = harness::WorkDir() + "/junk.replay";
    std::ofstream(junk) << "not a replay at all";
    for (const std::string& path : {junk, harness::WorkDir() + "/missing.replay", harness::WorkDir()}) {
        std::string out, err;
        EXPECT_EQ(VerifyReplayFile(path, out, err), 2) << path;
        EXPECT_EQ(out, "");
        EXPECT_EQ(err.rfind("sumline: cannot play replay " + path + ": ", 0), 0u) << err;
        EXPECT_EQ(err.back(), '\n');
    }
}

TEST_F(ReplayPlay, WatchingPlaysToTheRecordedEndOnTheMatchScreen) {
    Played played;
    ASSERT_TRUE(PlayAndRecord(endlessMode, 500, played));
    ReplayReport report;
    ASSERT_TRUE(ReadReplayFile(played.file, watchedReplay, report)) << report.reason;
    matchStepSeen = nullptr;
    const int32_t score = watchedReplay.result.score[0];
    WatchReplay(ReplayWayBack::endGame);
    ASSERT_EQ(currentScene, ReplayWatchScene);
    // 4x: the replay plays through faster than it was played.
    harness::RunFrames(2);
    harness::Tap(vkRight);
    harness::RunFrames(2);
    harness::Tap(vkRight);
    ASSERT_TRUE(harness::RunUntil([] { return replayWatch.phase == 2; }, 5000000));
    EXPECT_EQ(replayWatch.speedIndex, 2);
    EXPECT_EQ(MatchChecksum(), played.finalChecksum);
    EXPECT_EQ(players[0].score, score);
    harness::RunFrames(2);
    harness::SaveFramePng(harness::WorkDir() + "/../replay_end.png");
    harness::Tap('X');
    ASSERT_TRUE(harness::RunUntil([] { return currentScene == ShutdownScene || currentScene == nullptr; }, 100000));
}

}  // namespace
