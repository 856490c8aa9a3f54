#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "editor/editor_scene.h"
#include "frontend/frontend_steps.h"
#include "harness/harness.h"
#include "match/match_run.h"
#include "match/match_state.h"
#include "match/versus_run.h"
#include "platform/keys.h"
#include "puzzle/puzzle_file.h"
#include "puzzle/puzzle_test_util.h"
#include "setup/setup_steps.h"
#include "shell/first_run_guides.h"
#include "shell/key_guide.h"

namespace {

using frontendSteps::At;

// What must stand still under the guide: both boards, both players, the
// clock and the attack meter.
struct Standing {
    std::vector<int8_t> cells;
    Player players[2];
    int32_t clock[3];
    int8_t meter[2];
    uint32_t lastStep;

    static Standing Now() {
        Standing s;
        s.cells.assign(board, board + 2 * boardCells);
        std::memcpy(s.players, ::players, sizeof s.players);
        s.clock[0] = clockHours;
        s.clock[1] = clockMinutes;
        s.clock[2] = clockSeconds;
        s.meter[0] = attackMeterSize;
        s.meter[1] = attackMeterLit;
        s.lastStep = frameClock.lastStep;
        return s;
    }
    bool operator==(const Standing& o) const {
        return cells == o.cells && std::memcmp(players, o.players, sizeof players) == 0 &&
               std::memcmp(clock, o.clock, sizeof clock) == 0 && meter[0] == o.meter[0] && meter[1] == o.meter[1] &&
               lastStep == o.lastStep;
    }
};

// Both players' keys of a versus match.
constexpr int bothPlayersKeys[] = {'H', 'X', 'S', 'A', vkRight, 'L', 'O', 'I'};

int ClockTotal() { return clockHours * 3600 + clockMinutes * 60 + clockSeconds; }

// The guide over a running match, the keys of both players held under it
// for five seconds: nothing moves, no step runs, and once it closes the
// clock goes on from where it stood and the held keys do nothing.
TEST(KeyGuideMatch, StandsTheMatchStillForEveryPlayer) {
    for (const GameMode mode : {endlessMode, versusMode}) {
        SCOPED_TRACE(static_cast<int>(mode));
        ASSERT_TRUE(frontendSteps::BootToMenu());
        ASSERT_TRUE(versusRun::EnterMatch(mode));
        // Let the stack rise and the clock run a while first.
        harness::RunMs(2500);
        const int clockBefore = ClockTotal();
        harness::Tap(vkF1);
        harness::RunFrames(2);
        ASSERT_TRUE(KeyGuideOpen());
        const Standing before = Standing::Now();
        const uint32_t clockElapsed = frameClock.lastStep - clockMark;
        for (const int vk : bothPlayersKeys)
            harness::Hold(vk);
        harness::RunMs(5000);
        EXPECT_TRUE(Standing::Now() == before) << "nothing moves under the guide";
        harness::Tap(vkF1);
        harness::RunFrames(2);
        ASSERT_FALSE(KeyGuideOpen());
        versusRun::Steps(1);
        EXPECT_LT(frameClock.now - clockMark, clockElapsed + 100) << "the five seconds under the guide do not count";
        versusRun::Steps(4);
        EXPECT_LE(ClockTotal() - clockBefore, 1);
        EXPECT_EQ(players[0].cursorX, before.players[0].cursorX) << "H held under the guide";
        EXPECT_EQ(players[0].swapState, 0) << "X held under the guide";
        EXPECT_EQ(players[0].lineState, -1) << "S held under the guide";
        if (mode == versusMode) {
            EXPECT_EQ(players[1].cursorX, before.players[1].cursorX);
            EXPECT_EQ(players[1].swapState, 0);
        }
        // Let go and pressed anew, a key acts again.
        for (const int vk : bothPlayersKeys)
            harness::Release(vk);
        versusRun::Steps(2);
        matchRun::Press('H');
        versusRun::Steps(40);
        EXPECT_NE(players[0].cursorX, before.players[0].cursorX);
        versusRun::Steps(100);
        if (mode == endlessMode) {
            EXPECT_GT(ClockTotal(), clockBefore) << "and the clock runs again";
        }
    }
}

// The pause page follows the pause, and the guide over a pause leaves it
// paused.
TEST(KeyGuideMatch, OverThePauseTheMatchStaysPaused) {
    ASSERT_TRUE(frontendSteps::BootToMenu());
    ASSERT_TRUE(versusRun::EnterMatch(endlessMode));
    matchRun::Press('C');
    ASSERT_TRUE(AnyPaused());
    const uint32_t elapsed = pausedClockElapsed;
    harness::Tap(vkF1);
    harness::RunMs(1500);
    ASSERT_TRUE(KeyGuideOpen());
    EXPECT_STREQ(KeyGuidePageOpen()->title, "操作説明：ポーズ");
    harness::Tap(vkF1);
    harness::RunFrames(2);
    versusRun::Steps(3);
    EXPECT_TRUE(AnyPaused());
    EXPECT_EQ(pausedClockElapsed, elapsed);
}

std::vector<uint8_t> SeenFile() { return puzzleTest::ReadRaw("Guides.dat"); }

bool EnterMode(GameMode mode) {
    if (mode == editorMode) {
        gameMode = editorMode;
        harness::Tap('X');
        return harness::RunUntil([] { return At(EditorScene) && (wipeState == 0 || KeyGuideOpen()); });
    }
    if (mode == puzzleMode) {
        if (!WritePuzzleFile(puzzleTest::OneProblemToPlay())) return false;
        // The picker is a loop of its own: X waits in the key script for its
        // opening wipe to be over.
        puzzleTest::KeyPlan().Press(80, 'X').Schedule();
    }
    return versusRun::EnterMatch(mode);
}

struct FirstRun {
    GameMode mode;
    const char* title;
};

const FirstRun firstRuns[] = {
    {endlessMode, "操作説明：エンドレス"}, {versusMode, "操作説明：対戦"},     {puzzleMode, "操作説明：パズル"},
    {practiceMode, "操作説明：練習"},      {editorMode, "操作説明：エディタ"},
};

// The first start of each mode opens its guide by itself and notes it in
// the player's folder; the second start does not, nor the first after a
// restart, which reads the note again. The other modes keep theirs.
TEST(KeyGuideMatch, FirstRunGuideShowsOncePerModeAndNotAfterARestart) {
    for (const FirstRun& f : firstRuns) {
        SCOPED_TRACE(f.title);
        ASSERT_TRUE(frontendSteps::BootToMenu());
        ReadSeenGuides();  // nothing noted yet
        ASSERT_TRUE(EnterMode(f.mode));
        harness::RunUntil([] { return KeyGuideOpen(); }, 2000);
        ASSERT_TRUE(KeyGuideOpen());
        EXPECT_STREQ(KeyGuidePageOpen()->title, f.title);
        std::vector<uint8_t> expected(firstRunModeCount, 0);
        expected[static_cast<size_t>(f.mode)] = 1;
        const std::vector<uint8_t> noted = SeenFile();
        EXPECT_EQ(noted, expected);
        harness::Tap(vkF1);
        harness::RunFrames(3);
        ASSERT_FALSE(KeyGuideOpen());

        // After a restart, the note read again from the player's folder.
        ASSERT_TRUE(frontendSteps::BootToMenu());
        puzzleTest::WriteRaw("Guides.dat", noted);
        ReadSeenGuides();
        EXPECT_EQ(guideSeen[f.mode], 1);
        for (int other = 0; other < firstRunModeCount; ++other) {
            if (other == f.mode) continue;
            EXPECT_EQ(guideSeen[other], 0) << other;
        }
        ASSERT_TRUE(EnterMode(f.mode));
        harness::RunFrames(60);
        EXPECT_FALSE(KeyGuideOpen()) << "shown once";
    }
}

// A damaged note counts as nothing seen: every mode shows its guide again.
TEST(KeyGuideMatch, ADamagedNoteMeansNothingSeen) {
    const std::vector<std::vector<uint8_t>> damaged = {
        {1, 1, 1, 1},        // short
        {1, 1, 1, 1, 1, 1},  // long
        {1, 1, 7, 1, 1},     // not a flag
        {0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
    };
    for (const auto& bytes : damaged) {
        ASSERT_TRUE(frontendSteps::BootToMenu());
        puzzleTest::WriteRaw("Guides.dat", bytes);
        ReadSeenGuides();
        for (int mode = 0; mode < firstRunModeCount; ++mode)
            EXPECT_EQ(guideSeen[mode], 0) << mode;
    }
    ASSERT_TRUE(frontendSteps::BootToMenu());
    puzzleTest::WriteRaw("Guides.dat", {1, 0, 1, 0, 1});
    ReadSeenGuides();
    EXPECT_EQ(std::vector<int8_t>(guideSeen, guideSeen + firstRunModeCount), (std::vector<int8_t>{1, 0, 1, 0, 1}));
}

}  // namespace
