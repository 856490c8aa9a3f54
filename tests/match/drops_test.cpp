#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "content/game_sheet.h"
#include "harness/probes.h"
#include "match/drops.h"
#include "match/game_random.h"
#include "match/match_state.h"
#include "match/vanish_rule.h"
#include "match/vanish_test_util.h"

using namespace vanishTest;

namespace {

constexpr int endless = 0, practice = 3;

int BatchPanels(const Player& pl) {
    int n = 0;
    for (const auto& row : pl.nextPanels)
        for (int8_t v : row) n += v != -1 ? 1 : 0;
    return n;
}

// Queues an immediate batch of `count` for player 0 and generates it.
void Generate(int count, int announce = 0) {
    Player& pl = players[0];
    pl.dropPending = static_cast<int8_t>(count);
    pl.dropActive = 1;
    pl.dropPhase = 0;
    RunDrop(0, count, announce);
}

// Steps of RunDrop until the batch is done (at most `limit`).
int RunBatch(int limit = 1000) {
    int steps = 0;
    while (players[0].dropActive != 0 && steps < limit) {
        RunDrop(0, players[0].dropPending, players[0].dropImmediate != 0 ? 0 : 1);
        ++steps;
    }
    return steps;
}

// Steps of a falling batch until it has landed everywhere.
void RunFall() {
    for (int i = 0; players[0].dropPhase == 2 && i < 100; ++i) RunDrop(0, players[0].dropPending, 0);
}

// The value a LUCK-0 draw gives for r in 1..35.
int LuckZeroValue(int r) { return r <= 31 ? r % 4 + 1 : r <= 33 ? 5 : r == 34 ? 6 : 7; }

}  // namespace

TEST(Drops, SaturatingAddStopsAtTheByteLimits) {
    EXPECT_EQ(SaturatingAdd(120, 7), 127);
    EXPECT_EQ(SaturatingAdd(127, 7), 127);
    EXPECT_EQ(SaturatingAdd(28, 7), 35);
    EXPECT_EQ(SaturatingAdd(-120, -20), -128);
}

TEST(Drops, ColumnOrderCarriesOnFromBatchToBatch) {
    FreshMatch(endless);
    Player& pl = players[0];
    Generate(3);
    EXPECT_EQ(pl.dropPhase, 2);
    EXPECT_EQ(pl.dropRow, 15);
    for (int c = 0; c < 7; ++c) EXPECT_EQ(pl.nextPanels[0][c] != -1, c == 2 || c == 6 || c == 0) << c;
    EXPECT_EQ(pl.dropColumnCursor, 3);
    std::memset(pl.nextPanels, -1, sizeof pl.nextPanels);

    Generate(3);
    for (int c = 0; c < 7; ++c) EXPECT_EQ(pl.nextPanels[0][c] != -1, c == 3 || c == 5 || c == 4) << c;
    EXPECT_EQ(pl.dropColumnCursor, 6);
    std::memset(pl.nextPanels, -1, sizeof pl.nextPanels);

    // Ten panels: a full row, then three more starting from column 1.
    Generate(10);
    for (int c = 0; c < 7; ++c) EXPECT_NE(pl.nextPanels[0][c], -1);
    for (int c = 0; c < 7; ++c) EXPECT_EQ(pl.nextPanels[1][c] != -1, c == 1 || c == 2 || c == 6) << c;
    EXPECT_EQ(BatchPanels(pl), 10);
    EXPECT_EQ(pl.dropColumnCursor, 2);
}

TEST(Drops, ThirtyFivePanelsFillFiveRows) {
    FreshMatch(endless);
    Generate(35, 1);
    EXPECT_EQ(players[0].dropPhase, 1);
    EXPECT_EQ(BatchPanels(players[0]), 35);
}

TEST(Drops, ValuesAreTheLuckZeroDraw) {
    FreshMatch(endless);
    int sevens = 0;
    for (unsigned seed = 1; seed <= 700; ++seed) {
        std::srand(seed);
        const int expected = LuckZeroValue(std::rand() % 35 + 1);
        SeedGameRandom(seed);
        std::memset(players[0].nextPanels, -1, sizeof players[0].nextPanels);
        players[0].dropColumnCursor = 0;
        Generate(1);  // one panel, no neighbours to compare
        ASSERT_EQ(players[0].nextPanels[0][2], expected) << "seed " << seed;
        sevens += expected == 7 ? 1 : 0;
    }
    EXPECT_GT(sevens, 5);
    EXPECT_LT(sevens, 45);  // about 1 in 35
}

TEST(Drops, NeighbourRuleOverTheFirstPairsOfEachRow) {
    FreshMatch(endless);
    Player& pl = players[0];
    // A full row takes no new panels: only the neighbour rule acts on it.
    const int8_t row[7] = {3, 3, 3, 7, 7, 0, 0};
    std::memcpy(pl.nextPanels[0], row, 7);
    Generate(7);
    const int8_t full[7] = {3, 4, 3, 7, 1, 0, 0};
    for (int c = 0; c < 7; ++c) EXPECT_EQ(pl.nextPanels[0][c], full[c]) << c;

    // With three panels only the pairs (0,1) and (1,2) are looked at.
    const int8_t other[7] = {6, 6, 6, 2, 2, 5, 5};
    std::memcpy(pl.nextPanels[0], other, 7);
    Generate(3);
    const int8_t partial[7] = {6, 7, 6, 2, 2, 5, 5};
    for (int c = 0; c < 7; ++c) EXPECT_EQ(pl.nextPanels[0][c], partial[c]) << c;
}

TEST(Drops, WholeRowsNeverHoldEqualNeighbours) {
    FreshMatch(endless);
    for (unsigned seed = 1; seed <= 300; ++seed) {
        SeedGameRandom(seed);
        std::memset(players[0].nextPanels, -1, sizeof players[0].nextPanels);
        Generate(7 * (1 + seed % 5));
        for (const auto& row : players[0].nextPanels)
            for (int c = 1; c < 7; ++c) {
                if (row[c] != -1) {
                    ASSERT_NE(row[c - 1], row[c]) << "seed " << seed;
                }
            }
    }
}

TEST(Drops, WarningLastsOneHundredOneStepsAndWaitsForAClear) {
    FreshMatch(endless);
    Player& pl = players[0];
    Generate(7, 1);
    int steps = 0;
    while (pl.dropPhase == 1 && steps < 500) {
        RunDrop(0, 7, 1);
        ++steps;
    }
    EXPECT_EQ(steps, 101);
    EXPECT_EQ(pl.dropPhase, 2);

    FreshMatch(endless);
    Generate(7, 1);
    pl.clearTimer = 30;
    for (int i = 0; i < 200; ++i) RunDrop(0, 7, 1);
    EXPECT_EQ(pl.dropPhase, 1);
    EXPECT_EQ(pl.dropPhaseCounter, 120);
    pl.clearTimer = 0;
    RunDrop(0, 7, 1);
    EXPECT_EQ(pl.dropPhase, 2);
}

TEST(Drops, NextMarkersSlideInFromTheLeftEdge) {
    FreshMatch(endless);
    CreateSheet(mainSheet, gameSheetLayout::width, gameSheetLayout::height);
    const SheetRect one = gameSheetLayout::NextMarker(1);
    for (int y = one.top; y < one.bottom; ++y)
        std::memset(mainSheet->pixels + y * gameSheetLayout::width + one.left, 77, one.Width());
    Generate(2, 1);  // columns 2 and 6
    auto markerAt = [](int x) { return backBuffer.pixels[20 * screenWidth + x + 11] == 77; };
    auto step = [] {
        std::memset(backBuffer.pixels, 0, static_cast<size_t>(screenWidth) * screenHeight);
        RunDrop(0, 2, 1);
    };
    step();  // counter 0: both at the board's left edge
    EXPECT_TRUE(markerAt(49));
    for (int i = 0; i < 10; ++i) step();  // counter 10
    EXPECT_TRUE(markerAt(49 + 2 * 10));
    EXPECT_TRUE(markerAt(49 + 7 * 10));
    for (int i = 0; i < 10; ++i) step();  // counter 20: home
    EXPECT_TRUE(markerAt(49 + 48));
    EXPECT_TRUE(markerAt(49 + 144));
    EXPECT_FALSE(markerAt(49 + 24));
}

TEST(Drops, BatchFallsOneRowPerThreeStepsToTheFloor) {
    FreshMatch(endless);
    Player& pl = players[0];
    Generate(7);
    for (int i = 0; i < 38; ++i) RunDrop(0, 7, 0);
    EXPECT_EQ(pl.dropRow, 3);
    for (int c = 0; c < 7; ++c) EXPECT_EQ(Cell(0, 2, c), -1);
    int8_t expected[7];
    std::memcpy(expected, pl.nextPanels[0], 7);
    RunDrop(0, 7, 0);  // step 39: row 2
    for (int c = 0; c < 7; ++c) EXPECT_EQ(Cell(0, 2, c), expected[c]);
    EXPECT_EQ(pl.dropActive, 1);
    RunDrop(0, 7, 0);  // every column found finished
    EXPECT_EQ(pl.dropActive, 0);
    EXPECT_EQ(pl.dropPhase, -1);
    EXPECT_EQ(pl.dropPending, 0);
    EXPECT_EQ(pl.dropImmediate, 0);
    EXPECT_EQ(BatchPanels(pl), 0);
}

TEST(Drops, ColumnsLandOnTheStackAndLoseWhatIsAboveTheTop) {
    FreshMatch(endless);
    Player& pl = players[0];
    for (int r = 2; r <= 7; ++r) Cell(0, r, 0) = 1;   // column 0 up to row 7
    for (int r = 2; r <= 14; ++r) Cell(0, r, 6) = 2;  // column 6 full to the top
    for (int r = 2; r <= 12; ++r) Cell(0, r, 3) = 3;  // column 3 up to row 12
    Generate(21);  // three panels in every column
    int8_t batch[3][7];
    std::memcpy(batch, pl.nextPanels, sizeof batch);

    // Column 6 lands at once, at row 15: its panels are lost.
    RunDrop(0, 21, 0);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(pl.nextPanels[k][6], -1);
    EXPECT_EQ(Cell(0, 14, 6), 2);

    // Column 3 rests on row 12 after 6 steps: rows 13 and 14, the third is lost.
    for (int i = 1; i < 6; ++i) RunDrop(0, 21, 0);
    EXPECT_EQ(Cell(0, 13, 3), batch[0][3]);
    EXPECT_EQ(Cell(0, 14, 3), batch[1][3]);
    EXPECT_EQ(pl.nextPanels[2][3], -1);

    // Column 0 rests on row 7 after 21 steps.
    for (int i = 6; i < 20; ++i) RunDrop(0, 21, 0);
    EXPECT_EQ(Cell(0, 8, 0), -1);
    RunDrop(0, 21, 0);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(Cell(0, 8 + k, 0), batch[k][0]);

    // The free columns reach the floor at step 39; step 40 ends the batch.
    EXPECT_EQ(RunBatch(), 19);
    for (int c : {1, 2, 4, 5})
        for (int k = 0; k < 3; ++k) EXPECT_EQ(Cell(0, 2 + k, c), batch[k][c]) << c;
}

TEST(Drops, OverflowBecomesTheNextAnnouncedBatch) {
    FreshMatch(endless, 3);
    Player& pl = players[0];
    Generate(7);
    RunDrop(0, 7, 0);
    // A missed line during the fall waits behind the batch.
    PutRow(0, 8, 0, {1, 1});
    SelectLine(0, 0, 8, 1, 8);
    ConfirmLine(0);
    EXPECT_EQ(pl.dropOverflow, 7);
    EXPECT_EQ(pl.dropPending, 7);
    RunFall();
    EXPECT_EQ(pl.dropActive, 1);
    EXPECT_EQ(pl.dropPhase, 0);
    EXPECT_EQ(pl.dropPending, 7);
    EXPECT_EQ(pl.dropOverflow, 0);
    EXPECT_EQ(pl.dropImmediate, 0);

    // Forty waiting: a full batch now, five after it.
    FreshMatch(endless);
    Generate(7);
    pl.dropOverflow = 40;
    RunFall();
    EXPECT_EQ(pl.dropPending, 35);
    EXPECT_EQ(pl.dropOverflow, 5);
    RunDrop(0, 35, 1);
    EXPECT_EQ(pl.dropPhase, 1) << "announced";
}

TEST(Drops, QueueFillsTheBatchOrWaitsBehindIt) {
    FreshMatch(endless);
    Player& pl = players[0];
    QueueDrop(0, 40);
    EXPECT_EQ(pl.dropPending, 35);
    EXPECT_EQ(pl.dropOverflow, 5);
    EXPECT_EQ(pl.dropPhase, 0);
    EXPECT_EQ(pl.dropActive, 1);
    for (int i = 0; i < 10; ++i) QueueDrop(0, 21);
    EXPECT_EQ(pl.dropPending, 35);
    EXPECT_EQ(pl.dropOverflow, 127);

    FreshMatch(endless);
    QueueDrop(0, 0);
    EXPECT_EQ(pl.dropActive, 0) << "nothing to drop queues nothing";
}

TEST(Drops, LimitTimeoutDropsTheActionAndQueuesSeven) {
    FreshMatch(endless, 3, 1);  // CHAIN 3: 156 steps
    Player& pl = players[0];
    pl.swapState = 1;
    for (int i = 0; i < 156; ++i) TickLimit(0);
    EXPECT_EQ(pl.swapState, 1);
    EXPECT_EQ(pl.dropActive, 0);
    TickLimit(0);
    EXPECT_EQ(pl.swapState, 0);
    EXPECT_EQ(pl.lineState, -1);
    EXPECT_EQ(pl.limitCounter, 0);
    EXPECT_EQ(pl.dropPending, 7);
    EXPECT_EQ(pl.dropPhase, 0);
    EXPECT_EQ(pl.dropActive, 1);

    // While the stack rises the limit stands still.
    pl.lineState = 0;
    pl.riseOffset = 3;
    for (int i = 0; i < 300; ++i) TickLimit(0);
    EXPECT_EQ(pl.limitCounter, 0);
    EXPECT_EQ(pl.lineState, 0);

    // Further timeouts wait behind the batch, five rows at most.
    pl.riseOffset = 0;
    for (int n = 0; n < 8; ++n)
        for (int i = 0; i < 157; ++i) TickLimit(0);
    EXPECT_EQ(pl.dropOverflow, 35);
    EXPECT_EQ(pl.dropPending, 7);
}

TEST(Drops, RequestKeyDropsSevenAtOnceUnlessRowThirteenIsTaken) {
    FreshMatch(endless);
    Player& pl = players[0];
    EXPECT_TRUE(DropRequestKey(0)) << "key not held";
    EXPECT_EQ(pl.dropActive, 0);

    HoldKey(VkLetter('A'));
    Cell(0, 13, 5) = 3;
    EXPECT_FALSE(DropRequestKey(0));
    EXPECT_EQ(pl.dropActive, 0);

    Cell(0, 13, 5) = -1;
    EXPECT_TRUE(DropRequestKey(0));
    EXPECT_EQ(pl.dropPending, 7);
    EXPECT_EQ(pl.dropImmediate, 1);
    EXPECT_EQ(pl.dropActive, 1);
    EXPECT_EQ(pl.dropPhase, 0);
    // Held on: one batch at a time.
    EXPECT_TRUE(DropRequestKey(0));
    EXPECT_EQ(pl.dropPending, 7);
    ReleaseKey(VkLetter('A'));
}

TEST(Drops, RequestDuringAWarningMakesTheBatchImmediate) {
    FreshMatch(endless);
    Player& pl = players[0];
    Generate(7, 1);
    for (int i = 0; i < 30; ++i) RunDrop(0, 7, 1);
    HoldKey(VkLetter('A'));
    DropRequestKey(0);
    ReleaseKey(VkLetter('A'));
    EXPECT_EQ(pl.dropPending, 14);
    EXPECT_EQ(pl.dropImmediate, 1);
    RunDrop(0, 14, 0);
    EXPECT_EQ(pl.dropPhase, 2);
    EXPECT_EQ(BatchPanels(pl), 14) << "the announced row is kept, a second added";

    // Near the cap the excess waits behind.
    FreshMatch(endless);
    Generate(35, 1);
    HoldKey(VkLetter('A'));
    DropRequestKey(0);
    ReleaseKey(VkLetter('A'));
    EXPECT_EQ(pl.dropPending, 35);
    EXPECT_EQ(pl.dropOverflow, 7);
}

TEST(Drops, RequestKeyNeedsAQuietBoard) {
    FreshMatch(endless);
    Player& pl = players[0];
    HoldKey(VkLetter('A'));
    pl.lineState = 0;
    DropRequestKey(0);
    pl.lineState = -1;
    pl.swapState = 1;
    DropRequestKey(0);
    pl.swapState = 0;
    pl.clearingLine = LineCells{0, 1, 2, 2};
    DropRequestKey(0);
    pl.clearingLine = LineCells{};
    players[1].paused = 1;
    DropRequestKey(0);
    players[1].paused = 0;
    pl.dropPhase = 2;
    pl.dropActive = 1;
    pl.dropPending = 7;
    DropRequestKey(0);
    EXPECT_EQ(pl.dropPending, 7) << "not while a batch falls";
    EXPECT_EQ(pl.dropImmediate, 0);
    ReleaseKey(VkLetter('A'));
}

TEST(Drops, PracticeRequestRaisesTheStack) {
    FreshMatch(practice);
    HoldKey(VkLetter('A'));
    EXPECT_TRUE(DropRequestKey(0));
    EXPECT_EQ(players[0].riseOffset, 1);
    EXPECT_EQ(players[0].dropActive, 0);
    ReleaseKey(VkLetter('A'));

    // Player 1 uses I.
    FreshMatch(endless);
    HoldKey(VkLetter('I'));
    DropRequestKey(1);
    EXPECT_EQ(players[1].dropPending, 7);
    EXPECT_EQ(players[0].dropPending, 0);
    ReleaseKey(VkLetter('I'));
}

// Each way into the queue, from an idle queue and from a batch already
// waiting (10 pending, 30 behind it, falling): what the batch, the panels
// behind it and the queue's state become.
TEST(Drops, EachQueueRuleFromIdleAndFromAWaitingBatch) {
    struct Case {
        DropRule rule;
        bool busy;
        int amount;
        int pending, overflow, phase, immediate, active;
    };
    const Case cases[] = {
        {DropRule::behindBatch, false, 40, 35, 5, 0, 0, 1},
        {DropRule::behindBatch, true, 7, 10, 37, 2, 0, 1},
        {DropRule::atOnce, false, 21, 21, 0, 0, 1, 1},
        {DropRule::atOnce, true, 28, 35, 33, 0, 1, 1},
        {DropRule::timeout, false, 7, 7, 0, 0, 0, 1},
        {DropRule::timeout, true, 7, 10, 35, 2, 0, 1},
        {DropRule::chainAttack, false, 40, 35, 5, 0, 0, 1},
        {DropRule::chainAttack, true, 12, 10, 12, 2, 0, 1},
    };
    for (const Case& c : cases) {
        FreshMatch(endless);
        Player& pl = players[0];
        pl.dropPhaseCounter = 9;
        if (c.busy) {
            pl.dropPending = 10;
            pl.dropOverflow = 30;
            pl.dropPhase = 2;
            pl.dropActive = 1;
        }
        QueueDrop(0, c.amount, c.rule);
        const auto label = ::testing::Message() << "rule " << static_cast<int>(c.rule) << (c.busy ? " busy" : " idle");
        EXPECT_EQ(pl.dropPending, c.pending) << label;
        EXPECT_EQ(pl.dropOverflow, c.overflow) << label;
        EXPECT_EQ(pl.dropPhase, c.phase) << label;
        EXPECT_EQ(pl.dropImmediate, c.immediate) << label;
        EXPECT_EQ(pl.dropActive, c.active) << label;
        // Only a timeout on an idle queue starts its phase count afresh.
        EXPECT_EQ(pl.dropPhaseCounter, c.rule == DropRule::timeout && !c.busy ? 0 : 9) << label;
    }
}
