#include <gtest/gtest.h>

#include <cstdlib>
#include <strings.h>

#include "match/game_random.h"
#include "match/hud_test_util.h"
#include "match/start_sequence.h"
#include "platform/wipe.h"

namespace {

using namespace hudTest;

// Count of rows 2..14 of p's board that are full of panels, and whether the
// rows above them are empty.
int FullRows(int p) {
    int rows = 0;
    for (int r = 2; r <= 14; ++r) {
        int panels = 0;
        for (int c = 0; c < boardColumns; ++c) panels += HoldsPanel(Cell(p, r, c)) ? 1 : 0;
        if (panels == boardColumns) ++rows;
        else if (panels != 0) return -1;
    }
    return rows;
}

bool RowFull(int p, int r) {
    for (int c = 0; c < boardColumns; ++c)
        if (!HoldsPanel(Cell(p, r, c))) return false;
    return true;
}

// Set-up as the match begins: not started yet, the board empty.
void FreshSetUp(int mode, int difficulty = 1) {
    FreshMatch(mode, difficulty);
    matchStarted = 0;
    SeedGameRandom(7);
}

// --- Opening rise ---

TEST(OpeningRise, DifficultyGivesThreeFiveOrSevenRows) {
    for (int d = 0; d <= 2; ++d) {
        FreshSetUp(endless, d);
        const int n = 3 + 2 * d;
        const uint32_t before = harness::Frames();
        OpeningRise(static_cast<int8_t>(n));
        EXPECT_EQ(FullRows(0), n) << d;
        EXPECT_TRUE(RowFull(0, 1));
        EXPECT_TRUE(RowFull(0, 0));
        EXPECT_EQ(players[0].riseOffset, 0);
        // n + 1 rows of 24 frames, and the frame that starts the first.
        EXPECT_EQ(harness::Frames() - before, static_cast<uint32_t>(24 * (n + 1) + 1)) << d;
    }
}

TEST(OpeningRise, VersusBoardsStartIdentical) {
    FreshSetUp(versus);
    OpeningRise(3);
    for (int i = 0; i < boardCells; ++i) EXPECT_EQ(board[i], board[boardCells + i]) << i;
    EXPECT_EQ(FullRows(1), 3);
    EXPECT_EQ(players[1].riseOffset, 0);
}

TEST(OpeningRise, RowsWaitForTheWipeToOpen) {
    FreshSetUp(endless, 0);
    wipeState = 2;
    wipeWidth = 82;
    const uint32_t before = harness::Frames();
    OpeningRise(3);
    EXPECT_EQ(wipeState, 0);
    // 41 frames open the wipe before the first row moves.
    EXPECT_EQ(harness::Frames() - before, 24u * 4 + 1 + 41);
    EXPECT_EQ(FullRows(0), 3);
}

TEST(OpeningRise, PuzzleKeepsItsBoard) {
    FreshSetUp(puzzle);
    Cell(0, 2, 3) = 5;
    const uint32_t before = harness::Frames();
    OpeningRise(0);
    EXPECT_EQ(harness::Frames() - before, 1u);
    EXPECT_EQ(Cell(0, 2, 3), 5);
    EXPECT_EQ(Cell(0, 0, 0), emptyCell);
    EXPECT_EQ(Cell(0, 1, 0), emptyCell);
}

TEST(OpeningRise, LastFrameShowsTheRisenBoard) {
    FreshSetUp(endless, 0);
    OpeningRise(3);
    EXPECT_EQ(harness::CountIndex(backgroundIndex, 49, 304, 217, 376), 0);
    EXPECT_EQ(harness::CountIndex(backgroundIndex, 49, 389, 217, 413), 0);
}

// --- Start sequence ---

TEST(StartSequence, LastsTwoHundredThirtyFramesWithItsSounds) {
    FreshSetUp(endless);
    LoadSoundBuffer(seBuffer1, "Sound\\Count.wav");
    harness::ClearSoundLog();
    const uint32_t before = harness::Frames();
    StartSequence();
    EXPECT_EQ(harness::Frames() - before, 230u);
    ASSERT_GE(harness::SoundLog().size(), 3u);
    const auto& count = harness::SoundLog()[0];
    EXPECT_EQ(count.call, virtualBackend::SoundCall::play);
    EXPECT_EQ(strcasecmp(harness::SoundName(count).c_str(), "Count.wav"), 0);
    EXPECT_EQ(count.frame, before);
    int gameStart = 0;
    for (const auto& e : harness::SoundLog()) {
        if (e.call != virtualBackend::SoundCall::play || strcasecmp(harness::SoundName(e).c_str(), "GameStart.wav") != 0)
            continue;
        ++gameStart;
        EXPECT_EQ(e.slot, 1);
        EXPECT_EQ(e.frame, before + 120);
    }
    EXPECT_EQ(gameStart, 1);
}

TEST(StartSequence, PuzzleStartsLaterWithoutCountdown) {
    FreshSetUp(puzzle);
    LoadSoundBuffer(seBuffer1, "Sound\\Count.wav");
    harness::ClearSoundLog();
    const uint32_t before = harness::Frames();
    StartSequence();
    EXPECT_EQ(harness::Frames() - before, 160u);
    EXPECT_EQ(PlayCount("Count.wav", 1), 0);
    EXPECT_EQ(PlayCount("GameStart.wav", 1), 1);
}

TEST(StartSequence, SoundOffPlaysNothing) {
    FreshSetUp(endless);
    options.soundOff = 1;
    harness::ClearSoundLog();
    StartSequence();
    EXPECT_TRUE(harness::SoundLog().empty());
}

TEST(StartSequence, CountdownDigitsFlyInRestCreepAndLeave) {
    // Digit 0 moves from frame 1: 15 a frame up to 275 exactly.
    EXPECT_EQ(CountdownDigitX(0, 0), -50);
    EXPECT_EQ(CountdownDigitX(0, 1), -35);
    EXPECT_EQ(CountdownDigitX(0, 21), 265);
    EXPECT_EQ(CountdownDigitX(0, 22), 275);
    EXPECT_EQ(CountdownDigitX(0, 23), 290);
    // One pixel a frame while inside 280..309.
    for (int t = 24; t <= 43; ++t) EXPECT_EQ(CountdownDigitX(0, t), 290 + (t - 23)) << t;
    EXPECT_EQ(CountdownDigitX(0, 44), 325);
    EXPECT_EQ(CountdownDigitX(0, 45), 340);
    EXPECT_GT(CountdownDigitX(0, 65), 639);
    // The later digits start 45 frames apart.
    EXPECT_EQ(CountdownDigitX(1, 45), -50);
    EXPECT_EQ(CountdownDigitX(1, 46), -35);
    EXPECT_EQ(CountdownDigitX(2, 90 + 22), 275);
    EXPECT_EQ(CountdownDigitX(2, 90 + 43), 310);
}

TEST(StartSequence, LastFrameShowsTheCursorsNearlyOnTheirCells) {
    FreshSetUp(versus);
    StartSequence();
    // Frame 229: (114, 345)-(152, 383) on the left, 374 further on the right.
    EXPECT_EQ(harness::CountIndex(CursorIndex(0), 114, 345, 152, 383), 38 * 38);
    EXPECT_EQ(harness::CountIndex(CursorIndex(0), 0, 0, 640, 480), 38 * 38);
    EXPECT_EQ(harness::CountIndex(CursorIndex(1), 488, 345, 526, 383), 38 * 38);
    // The logo has flown out and the digits are gone.
    EXPECT_EQ(harness::CountIndex(logoIndex, 0, 0, 640, 480), 0);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(harness::CountIndex(CountdownIndex(i), 0, 0, 640, 480), 0);
}

}  // namespace
