#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "match/board_test_util.h"
#include "match/game_random.h"
#include "match/gravity_rise.h"
#include "match/match_scene.h"
#include "match/match_setup.h"
#include "match/player_update.h"
#include "match/vanish_test_util.h"
#include "platform/sound.h"
#include "shell/scene.h"

using namespace boardTest;

namespace {

// Row r of player p as seven values.
std::vector<int> Row(int p, int r) {
    std::vector<int> row;
    for (int c = 0; c < boardColumns; ++c) row.push_back(Cell(p, r, c));
    return row;
}

// A board and player 0 ready to rise: incoming row present, timer full.
void QuietRiseReady(int mode, int difficulty = 1) {
    FreshBoard(mode, difficulty);
    FillRows(0, 0, 3, 2);
    players[0].riseTimer = 600;
}

}  // namespace

TEST(Gravity, PanelsFallOneRowEveryThreeSteps) {
    FreshBoard(endless);
    Player& pl = players[0];
    PutColumn(0, 2, 2, {-1, 5, 6});
    pl.needsGravity = 1;
    ApplyGravity(0);
    ApplyGravity(0);
    EXPECT_EQ(pl.fallOffset, 16);
    EXPECT_EQ(Cell(0, 3, 2), 5);
    ApplyGravity(0);
    EXPECT_EQ(Cell(0, 2, 2), 5);
    EXPECT_EQ(Cell(0, 3, 2), 6);
    EXPECT_EQ(Cell(0, 4, 2), -1);
    EXPECT_EQ(pl.fallOffset, 0);
    EXPECT_EQ(pl.needsGravity, 1);
    ApplyGravity(0);  // nothing left to fall
    EXPECT_EQ(pl.needsGravity, 0);
    EXPECT_EQ(pl.fallOffset, 0);
}

TEST(Gravity, EveryHoleOfAColumnClosesByOneRowPerStep) {
    FreshBoard(endless);
    PutColumn(0, 4, 2, {-1, 1, 2, -1, 3, -1, -1, 4});
    players[0].needsGravity = 1;
    for (int i = 0; i < 3; ++i) ApplyGravity(0);
    EXPECT_EQ(Row(0, 2)[4], 1);
    EXPECT_EQ(Row(0, 3)[4], 2);
    EXPECT_EQ(Row(0, 4)[4], 3);
    EXPECT_EQ(Row(0, 5)[4], -1);
    EXPECT_EQ(Row(0, 6)[4], 4);  // above three holes: three rows in one step
    EXPECT_EQ(Row(0, 7)[4], -1);
    EXPECT_EQ(Cell(0, 14, 4), -1);
}

TEST(Gravity, TopRowEmptiesWhenItsColumnFalls) {
    FreshBoard(endless);
    PutColumn(0, 0, 2, {-1});
    for (int r = 3; r <= 14; ++r) Cell(0, r, 0) = static_cast<int8_t>(1 + r % 7);
    players[0].needsGravity = 1;
    for (int i = 0; i < 3; ++i) ApplyGravity(0);
    EXPECT_EQ(Cell(0, 13, 0), 1 + 14 % 7);
    EXPECT_EQ(Cell(0, 14, 0), -1);
}

TEST(Gravity, FallingPanelsAreDrawnBelowTheirPlaces) {
    FreshBoard(endless);
    PutColumn(0, 2, 2, {-1, 5});
    players[0].needsGravity = 1;
    ApplyGravity(0);
    const int x = 49 + 48 + 5;
    EXPECT_EQ(Pixel(x, 64), backgroundIndex);   // the column is covered from the top
    EXPECT_EQ(Pixel(x, 330), backgroundIndex);  // the panel's own place, 8 pixels up
    EXPECT_EQ(Pixel(x, 336), PanelIndex(5));
    EXPECT_EQ(Pixel(x, 359), PanelIndex(5));
    EXPECT_EQ(Pixel(x, 365), backgroundIndex);
    EXPECT_EQ(Pixel(x, 376), 0);  // below the hole nothing is touched
    EXPECT_EQ(Pixel(x + 24, 336), 0);
}

TEST(Gravity, MovingThePickOrTheLineDropsIt) {
    FreshBoard(endless);
    Player& pl = players[0];
    PutColumn(0, 2, 2, {-1, 5, 6, 7});
    pl.needsGravity = 1;
    pl.swapState = 1;
    pl.swapFirstX = 2;
    pl.swapFirstY = 4;
    pl.limitCounter = 50;
    ApplyGravity(0);
    ApplyGravity(0);
    EXPECT_EQ(pl.swapState, 1);
    ApplyGravity(0);
    EXPECT_EQ(pl.swapState, 0);
    EXPECT_EQ(pl.limitCounter, 0);

    FreshBoard(endless);
    PutColumn(0, 2, 2, {-1, 5, 6, 7});
    PutRow(0, 2, 3, {1, 1});
    pl.needsGravity = 1;
    pl.lineState = 0;
    pl.lineStartX = 2;
    pl.lineEndX = 2;
    pl.lineStartY = 5;
    pl.lineEndY = 4;
    pl.limitCounter = 50;
    for (int i = 0; i < 3; ++i) ApplyGravity(0);
    EXPECT_EQ(pl.lineState, -1);
    EXPECT_EQ(pl.limitCounter, 0);
}

TEST(Rise, StartsAfterTheDifficultysWait) {
    const int wait[3] = {500, 450, 400};
    for (int difficulty = 0; difficulty <= 2; ++difficulty) {
        FreshBoard(endless, difficulty);
        FillRows(0, 0, 2, 3);
        for (int i = 0; i < wait[difficulty]; ++i) StartRises();
        EXPECT_EQ(players[0].riseOffset, 0) << difficulty;
        EXPECT_EQ(players[0].riseTimer, wait[difficulty]);
        StartRises();
        EXPECT_EQ(players[0].riseOffset, 1) << difficulty;
        EXPECT_EQ(players[0].riseTimer, 0);
    }
}

TEST(Rise, TimerStopsAtSixHundred) {
    FreshBoard(endless);
    for (int i = 0; i < 700; ++i) StartRises();  // the incoming row is empty
    EXPECT_EQ(players[0].riseOffset, 0);
    EXPECT_EQ(players[0].riseTimer, 600);
}

TEST(Rise, WaitsForAQuietBoard) {
    struct Blocker {
        const char* what;
        void (*set)();
    };
    const Blocker blockers[] = {
        {"clear", [] { players[0].clearTimer = 3; }},
        {"chain window", [] { players[0].chainTimer = 1; }},
        {"gravity", [] { players[0].needsGravity = 1; }},
        {"drop", [] { players[0].dropActive = 1; }},
        {"chain", [] { players[0].chain = 1; }},
        {"miss", [] { players[0].failTimer = 0; }},
        {"swapping", [] { players[0].swapState = 2; }},
        {"no incoming row", [] { Cell(0, 1, 0) = -1; }},
        {"attack", [] { players[1].exAttackActive = 1; }},
        {"pause", [] { players[1].paused = 1; }},
    };
    for (const Blocker& b : blockers) {
        QuietRiseReady(endless);
        b.set();
        StartRises();
        EXPECT_EQ(players[0].riseOffset, 0) << b.what;
    }
    QuietRiseReady(endless);
    players[0].swapState = 1;  // a picked cell does not hold the stack
    StartRises();
    EXPECT_EQ(players[0].riseOffset, 1);
}

TEST(Rise, NeverByItselfInPractice) {
    QuietRiseReady(practice);
    for (int i = 0; i < 1000; ++i) StartRises();
    EXPECT_EQ(players[0].riseOffset, 0);
    for (int mode : {versus, puzzle}) {
        QuietRiseReady(mode);
        StartRises();
        EXPECT_EQ(players[0].riseOffset, 1) << mode;
    }
}

TEST(Rise, TakesEightSteps) {
    FreshBoard(endless);
    Player& pl = players[0];
    pl.riseOffset = 1;
    for (int i = 0; i < 7; ++i) AdvanceRises();
    EXPECT_EQ(pl.riseOffset, 22);
    AdvanceRises();
    EXPECT_EQ(pl.riseOffset, 25);
    // Waiting for the board pass, it never runs on.
    for (int i = 0; i < 100; ++i) AdvanceRises();
    EXPECT_EQ(pl.riseOffset, 25);
}

TEST(Rise, HeldByPauseAndByTheOwnAttack) {
    FreshBoard(versus);
    players[0].riseOffset = 4;
    players[1].riseOffset = 4;
    players[1].paused = 1;
    AdvanceRises();
    EXPECT_EQ(players[0].riseOffset, 4);
    players[1].paused = 0;
    players[1].exAttackActive = 1;
    AdvanceRises();
    EXPECT_EQ(players[0].riseOffset, 7);
    EXPECT_EQ(players[1].riseOffset, 4);
}

TEST(Rise, CompletionShiftsRowsAndLosesTheTopRow) {
    FreshBoard(endless);
    Player& pl = players[0];
    for (int r = 0; r < boardRows; ++r)
        for (int c = 0; c < boardColumns; ++c) Cell(0, r, c) = static_cast<int8_t>((r + c) % 7 + 1);
    int8_t before[boardCells];
    std::memcpy(before, board, boardCells);
    pl.riseOffset = 25;
    pl.highestRow = 6;
    SeedGameRandom(7);
    CompleteRise(0);
    for (int r = 1; r < boardRows; ++r)
        for (int c = 0; c < boardColumns; ++c) ASSERT_EQ(Cell(0, r, c), before[(r - 1) * 7 + c]) << r << "," << c;
    for (int c = 0; c < boardColumns; ++c) {
        EXPECT_GE(Cell(0, 0, c), 1);
        EXPECT_LE(Cell(0, 0, c), 7);
    }
    EXPECT_EQ(pl.riseOffset, 0);
    EXPECT_EQ(pl.cursorY, 3);
}

TEST(Rise, ExtraRisesStartTheNextRowAtOnce) {
    FreshBoard(endless);
    Player& pl = players[0];
    pl.riseOffset = 25;
    pl.extraRises = 2;
    CompleteRise(0);
    EXPECT_EQ(pl.riseOffset, 1);
    EXPECT_EQ(pl.extraRises, 1);
}

TEST(Rise, BeforeTheStartOnlyTheRowsMove) {
    FreshBoard(endless);
    matchStarted = 0;
    Player& pl = players[0];
    PutRow(0, 0, 0, {1, 2, 3, 4, 5, 6, 7});
    pl.riseOffset = 25;
    std::srand(3);
    const int next = std::rand();
    SeedGameRandom(3);
    CompleteRise(0);
    EXPECT_EQ(Row(0, 1), (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(Row(0, 0), (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(pl.riseOffset, 25);
    EXPECT_EQ(pl.cursorY, 2);
    EXPECT_EQ(GameRand(), next);  // no new row was drawn
}

TEST(Rise, DangerSoundNearTheTopInEndless) {
    for (int highest : {8, 9, 14}) {
        FreshBoard(endless);
        LoadSoundBuffer(seBuffer1, "Sound\\Motto.wav");
        harness::ClearSoundLog();
        players[0].riseOffset = 25;
        players[0].highestRow = static_cast<int8_t>(highest);
        CompleteRise(0);
        const bool danger = highest > 8;
        EXPECT_EQ(vanishTest::PlayCount("Danger.wav", 1), danger ? 1 : 0) << highest;
        // The warning stays in the slot so it is heard to the end.
        EXPECT_EQ(vanishTest::LastLoaded(1), danger ? "Danger.wav" : "") << highest;
        EXPECT_EQ(dangerInCheerSlot, danger ? 1 : 0) << highest;
    }
    for (int mode : {versus, puzzle, practice}) {
        FreshBoard(mode);
        harness::ClearSoundLog();
        players[0].riseOffset = 25;
        players[0].highestRow = 12;
        CompleteRise(0);
        EXPECT_EQ(vanishTest::PlayCount("Danger.wav", 1), 0) << mode;
    }
}

TEST(Rise, NoDangerSoundWithTheSoundOff) {
    FreshBoard(endless);
    options.soundOff = 1;
    harness::ClearSoundLog();
    players[0].riseOffset = 25;
    players[0].highestRow = 12;
    CompleteRise(0);
    EXPECT_TRUE(harness::SoundLog().empty());
}

TEST(Rise, ShiftRowsCarriesTheCursorAndTheActions) {
    FreshBoard(endless);
    Player& pl = players[0];
    PlaceCursor(0, 3, 14);
    pl.swapState = 1;
    pl.swapFirstY = 14;
    pl.swapSecondY = 13;
    pl.lineState = 0;
    pl.lineStartY = 5;
    pl.lineEndY = 6;
    pl.clearingLine = LineCells{0, 2, 14, 14};
    pl.failingLine = LineCells{1, 1, 4, 6};
    ShiftRowsAfterRise(0);
    EXPECT_EQ(pl.cursorY, 15);  // on no row for a moment
    EXPECT_EQ(pl.swapFirstY, 14);
    EXPECT_EQ(pl.swapSecondY, 14);
    EXPECT_EQ(pl.lineStartY, 5);  // the swap took the shift
    EXPECT_EQ(pl.clearingLine.startY, 15);
    EXPECT_EQ(pl.clearingLine.endY, 15);
    EXPECT_EQ(pl.failingLine.startY, 4);  // only one of the two moves

    pl.swapState = 0;
    pl.cursorPin = 5;
    PlaceCursor(0, 3, 14);
    pl.clearingLine = LineCells{};
    ShiftRowsAfterRise(0);
    EXPECT_EQ(pl.cursorY, 14);  // pinned under the field top
    EXPECT_EQ(pl.lineStartY, 6);
    EXPECT_EQ(pl.lineEndY, 7);
    EXPECT_EQ(pl.failingLine.startY, 5);
    EXPECT_EQ(pl.failingLine.endY, 7);
}

TEST(NewRows, NeverEqualNeighbours) {
    FreshBoard(endless);
    for (int luck = 0; luck <= 5; ++luck) {
        playerParams[0][paramLuck] = static_cast<int8_t>(luck);
        SeedGameRandom(1000u + static_cast<unsigned>(luck));
        for (int n = 0; n < 3000; ++n) {
            NewBottomRow(0);
            for (int c = 0; c < boardColumns; ++c) {
                ASSERT_GE(Cell(0, 0, c), 1);
                ASSERT_LE(Cell(0, 0, c), 7);
                if (c > 0) {
                    ASSERT_NE(Cell(0, 0, c), Cell(0, 0, c - 1)) << "luck " << luck << " row " << n;
                }
            }
        }
    }
}

// Column 0 has no left neighbour, so it shows the draw before the neighbour rule.
TEST(NewRows, LuckRaisesTheShareOfSevens) {
    FreshBoard(endless);
    const int rows = 40000;
    double share[6] = {};
    for (int luck = 0; luck <= 5; ++luck) {
        playerParams[0][paramLuck] = static_cast<int8_t>(luck);
        SeedGameRandom(77u);
        int sevens = 0;
        for (int n = 0; n < rows; ++n) {
            NewBottomRow(0);
            sevens += Cell(0, 0, 0) == 7 ? 1 : 0;
        }
        share[luck] = static_cast<double>(sevens) / rows;
        EXPECT_NEAR(share[luck], (1.0 + luck) / (35.0 + luck), 0.01) << luck;
    }
    EXPECT_NEAR(share[0], 1.0 / 35.0, 0.005);
    EXPECT_NEAR(share[5], 6.0 / 40.0, 0.01);
}

TEST(NewRows, ValueTableAtLuckZero) {
    FreshBoard(endless);
    playerParams[0][paramLuck] = 0;
    SeedGameRandom(4242u);
    const int rows = 40000;
    int count[8] = {};
    for (int n = 0; n < rows; ++n) {
        NewBottomRow(0);
        ++count[Cell(0, 0, 0)];
    }
    const double expected[8] = {0, 7 / 35.0, 8 / 35.0, 8 / 35.0, 8 / 35.0, 2 / 35.0, 1 / 35.0, 1 / 35.0};
    EXPECT_EQ(count[0], 0);
    for (int v = 1; v <= 7; ++v) EXPECT_NEAR(static_cast<double>(count[v]) / rows, expected[v], 0.01) << v;
}

TEST(NewRows, SevenAfterSevenBecomesOne) {
    FreshBoard(endless);
    playerParams[0][paramLuck] = 5;
    unsigned seed = 1;
    for (; seed < 100000; ++seed) {
        std::srand(seed);
        const int a = std::rand() % 40 + 1;
        const int b = std::rand() % 40 + 1;
        if (a >= 35 && b >= 35) break;
    }
    SeedGameRandom(seed);
    NewBottomRow(0);
    EXPECT_EQ(Cell(0, 0, 0), 7);
    EXPECT_EQ(Cell(0, 0, 1), 1);
}

TEST(IdleCleanUp, EmptiesMarkedCellsOnceNothingOwnsThem) {
    FreshBoard(endless);
    Player& pl = players[0];
    PutRow(0, 2, 0, {8, 12, 16, 0, 7, -1});
    PutRow(0, 0, 0, {9});
    IdleCleanUp(0);
    EXPECT_EQ(Row(0, 2), (std::vector<int>{-1, -1, -1, 0, 7, -1, -1}));
    EXPECT_EQ(Cell(0, 0, 0), -1);
    EXPECT_EQ(pl.needsGravity, 1);
}

TEST(IdleCleanUp, WaitsWhileAnActionOwnsMarks) {
    struct Owner {
        const char* what;
        void (*set)();
    };
    const Owner owners[] = {
        {"swap", [] { players[0].swapState = 1; }},
        {"line", [] { players[0].lineState = 0; }},
        {"clear", [] { players[0].clearingLine = LineCells{0, 1, 2, 2}; }},
        {"miss", [] { players[0].failingLine = LineCells{0, 1, 2, 2}; }},
        {"not started", [] { matchStarted = 0; }},
    };
    for (const Owner& o : owners) {
        FreshBoard(endless);
        FillRows(0, 0, 14, 3);
        PutRow(0, 2, 0, {12, 8});
        o.set();
        IdleCleanUp(0);
        EXPECT_EQ(Cell(0, 2, 0), 12) << o.what;
        EXPECT_EQ(Cell(0, 2, 1), 8) << o.what;
        EXPECT_EQ(players[0].needsGravity, 0) << o.what;
    }
}

TEST(IdleCleanUp, AQuietBoardAsksNothingOfGravity) {
    FreshBoard(endless);
    FillRows(0, 0, 4, 3);
    IdleCleanUp(0);
    EXPECT_EQ(players[0].needsGravity, 0);
    EXPECT_EQ(Cell(0, 4, 0), 3);
    EXPECT_EQ(Cell(0, 5, 0), -1);
}

TEST(Rise, QuietEndlessMatchRisesAfterItsWait) {
    harness::Boot();
    harness::RunFrames(2);
    gameMode = endless;
    currentScene = MatchSetupScene;
    ASSERT_TRUE(harness::RunUntil([] { return currentScene == MatchScene; }));
    const std::vector<int> incoming = Row(0, 1);
    const bool rose = harness::RunUntil([] { return players[0].riseOffset > 0; });
    ASSERT_TRUE(rose);
    EXPECT_EQ(matchStep, 451u);  // difficulty 1: the timer must pass 450
    ASSERT_TRUE(harness::RunUntil([] { return players[0].riseOffset == 0; }));
    EXPECT_EQ(Row(0, 2), incoming);  // the incoming row entered the field
}
