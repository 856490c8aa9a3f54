#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "content/game_sheet.h"
#include "match/game_random.h"
#include "match/gravity_rise.h"
#include "match/player_update.h"
#include "match/versus_run.h"
#include "platform/blit.h"
#include "platform/surface.h"
#include "platform/wipe.h"

// Parameter levels above 5, which the set-up's hidden unlock allows (up to
// 15), as the versus match reads them: every rule keeps the real level,
// nothing reaches past a table or off the board.
namespace {

using versusRun::Profile;

Profile WithLevel(ParamIndex which, int level) {
    Profile pr;
    pr.params[which] = static_cast<int8_t>(level);
    return pr;
}

// A palette index the last frame does not use, above the given one.
uint8_t UnusedIndex(uint8_t after = 0) {
    for (int i = after + 1; i < 243; ++i)
        if (harness::CountIndex(static_cast<uint8_t>(i), 0, 0, screenWidth, screenHeight) == 0)
            return static_cast<uint8_t>(i);
    return 0;
}

void PaintSheet(const SheetRect& r, uint8_t index) { ColorFill(mainSheet, r.left, r.top, r.right, r.bottom, index); }

constexpr int gaugeTop = 380, gaugeRows = 5;

// The limit gauge of both players at CHAIN levels: the rule's frames are the
// player's own; a full gauge and a full chain window are drawn in proportion
// to them, on one scale for the match that fits the longest, and inside the
// player's board.
TEST(LimitGauge, RuleKeepsTheLevelAndTheGaugeStaysOnItsBoard) {
    struct Case {
        int chain[2];
        int pixels[2];  // drawn length of each full gauge
    };
    // One pixel per frame while both fit 168 pixels; else scaled by 168/longest.
    const Case cases[] = {
        {{0, 0}, {138, 138}},   {{5, 5}, {168, 168}},   {{10, 10}, {168, 168}},
        {{15, 15}, {168, 168}}, {{0, 15}, {101, 168}},  {{15, 5}, {168, 123}},
        {{10, 0}, {168, 117}},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(versusRun::StartVersus(WithLevel(paramChain, c.chain[0]), WithLevel(paramChain, c.chain[1])));
        matchRun::Step();
        const uint8_t limitIndex[2] = {UnusedIndex(), UnusedIndex(UnusedIndex())};
        const uint8_t chainIndex = UnusedIndex(limitIndex[1]);
        ASSERT_NE(chainIndex, 0);
        PaintSheet(gameSheetLayout::LimitFill(0), limitIndex[0]);
        PaintSheet(gameSheetLayout::LimitFill(1), limitIndex[1]);
        PaintSheet(gameSheetLayout::chainFill, chainIndex);
        for (int p = 0; p < 2; ++p) {
            players[p].cursorY = 6;  // the cursor's picture off the gauge
            EXPECT_EQ(LimitFrames(p), 138 + 6 * c.chain[p]) << c.chain[p];
            players[p].limitCounter = LimitFrames(p);
            players[p].chainTimer = 0;
        }
        matchRun::Step();
        for (int p = 0; p < 2; ++p) {
            const int left = 49 + 374 * p;
            const int inBoard = harness::CountIndex(limitIndex[p], left, gaugeTop, left + 168, gaugeTop + gaugeRows);
            EXPECT_EQ(inBoard, gaugeRows * c.pixels[p]) << p << " CHAIN " << c.chain[p];
            EXPECT_EQ(harness::CountIndex(limitIndex[p], 0, 0, screenWidth, screenHeight), inBoard) << p;
            // Drawn from the board's left edge.
            EXPECT_EQ(harness::PixelAt(left, gaugeTop), limitIndex[p]) << p;
        }
        // The chain window grows from the gauge's end toward its start.
        for (int p = 0; p < 2; ++p) {
            players[p].limitCounter = 0;
            players[p].chainTimer = LimitFrames(p);
        }
        matchRun::Step();
        for (int p = 0; p < 2; ++p) {
            const int left = 49 + 374 * p;
            EXPECT_EQ(harness::CountIndex(chainIndex, left, gaugeTop, left + 168, gaugeTop + gaugeRows),
                      gaugeRows * c.pixels[p])
                << p << " CHAIN " << c.chain[p];
            EXPECT_EQ(harness::PixelAt(left, gaugeTop), chainIndex) << p;
        }
        EXPECT_EQ(harness::CountIndex(chainIndex, 0, 0, screenWidth, screenHeight),
                  gaugeRows * (c.pixels[0] + c.pixels[1]));
    }
}

// The rule itself: a picked swap cell is dropped, and a row queued, on the
// step after the player's own limit has run out, at any CHAIN level.
TEST(LimitGauge, APendingSwapRunsOutAfterThePlayersOwnLimit) {
    const int levels[][2] = {{0, 15}, {5, 10}};
    for (const auto& lv : levels) {
        ASSERT_TRUE(versusRun::StartVersus(WithLevel(paramChain, lv[0]), WithLevel(paramChain, lv[1])));
        harness::Hold(playerKeys[0].swap);
        harness::Hold(playerKeys[1].swap);
        matchRun::Step();
        harness::Release(playerKeys[0].swap);
        harness::Release(playerKeys[1].swap);
        ASSERT_EQ(players[0].swapState, 1);
        ASSERT_EQ(players[1].swapState, 1);
        int held[2] = {0, 0};
        for (int step = 1; step <= 240; ++step) {
            matchRun::Step();
            for (int p = 0; p < 2; ++p)
                if (held[p] == 0 && players[p].swapState == 0) held[p] = step;
        }
        for (int p = 0; p < 2; ++p) {
            EXPECT_EQ(held[p], 138 + 6 * lv[p] + 1) << p;
            EXPECT_EQ(players[p].dropActive, 1) << p;
        }
    }
}

// LUCK above 5 keeps adding one roll that gives a 7: the other values keep
// their counts, the rolls stay inside the roll table, and a new row's first
// panel (untouched by the neighbour rule) is a 7 that often.
TEST(NewRows, EachPointOfLuckAddsOneRollOfSeven) {
    for (int luck : {0, 5, 10, 15}) {
        ASSERT_TRUE(versusRun::StartVersus(WithLevel(paramLuck, 0), WithLevel(paramLuck, luck)));
        ASSERT_EQ(RollOutcomes(1), 35 + luck);
        int count[8] = {};
        for (int r = 1; r <= RollOutcomes(1); ++r) {
            const int v = PanelFromRoll(r);
            ASSERT_GE(v, 1);
            ASSERT_LE(v, 7);
            ++count[v];
        }
        const int expected[8] = {0, 7, 8, 8, 8, 2, 1, 1 + luck};
        for (int v = 1; v <= 7; ++v) EXPECT_EQ(count[v], expected[v]) << "LUCK " << luck << " value " << v;

        SeedGameRandom(1234);
        constexpr int rows = 20000;
        int sevens = 0;
        for (int i = 0; i < rows; ++i) {
            NewBottomRow(1);
            for (int c = 0; c < boardColumns; ++c) {
                ASSERT_GE(Cell(1, 0, c), 1);
                ASSERT_LE(Cell(1, 0, c), 7);
            }
            sevens += Cell(1, 0, 0) == 7 ? 1 : 0;
        }
        EXPECT_NEAR(static_cast<double>(sevens) / rows, (1.0 + luck) / (35.0 + luck), 0.012) << luck;
    }
}

// Levels outside 0..15 in the records are read as the nearest level.
TEST(ParamLevels, RecordsOutsideTheRangeReadAsTheNearestLevel) {
    Profile wild;
    wild.params = {-4, 40, 99, -1, 127};
    ASSERT_TRUE(versusRun::StartVersus(wild, wild));
    EXPECT_EQ(LimitFrames(0), 138);
    EXPECT_EQ(RollOutcomes(1), 50);
    EXPECT_EQ(CursorSpeed(1), 15);
}

// SPEED 0..15: a cell step of the cursor takes 24 / (SPEED + 1) steps,
// rounded up, for both players.
TEST(CursorSpeed, ACellStepTakesItsShareOfTwentyFourPixels) {
    for (int speed : {0, 5, 10, 15}) {
        ASSERT_TRUE(versusRun::StartVersus(WithLevel(paramSpeed, speed), WithLevel(paramSpeed, speed)));
        for (int p = 0; p < 2; ++p) {
            harness::Hold(playerKeys[p].right);
            matchRun::Step();
            harness::Release(playerKeys[p].right);
            ASSERT_EQ(players[p].cursorMoveDir, 2);
            int steps = 0;
            while (players[p].cursorX == 3 && steps < 40) {
                matchRun::Step();
                ++steps;
            }
            EXPECT_EQ(players[p].cursorX, 4);
            EXPECT_EQ(steps, (24 + speed) / (speed + 1)) << "SPEED " << speed << " player " << p;
            EXPECT_EQ(players[p].moveOffset, 0);
        }
    }
}

// Every parameter at 15, LOCK included (which no rule reads): a match of
// random keys by both players keeps every value in its range.
TEST(ParamLevels, AMatchWithEveryLevelAtFifteenStaysInRange) {
    Profile top;
    top.params = {15, 15, 15, 15, 15};
    top.items = {0, 1};
    ASSERT_TRUE(versusRun::StartVersus(top, top));
    uint32_t seed = 77;
    const auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 16; };
    const int keys[2][10] = {{'Y', 'H', 'B', 'G', 'X', 'S', 'A', 'Z', 'Q', 'W'},
                             {vkUp, vkRight, vkDown, vkLeft, 'L', 'O', 'I', 'K', vkDigit8, vkDigit9}};
    for (int step = 0; step < 3000 && matchState == 0; ++step) {
        for (int p = 0; p < 2; ++p) {
            const int vk = keys[p][next() % 10];
            if (next() % 2 == 0) harness::Hold(vk);
            else harness::Release(vk);
        }
        matchRun::Step();
        ASSERT_EQ(matchRun::BrokenInvariant(), "") << step;
        for (int p = 0; p < 2; ++p) {
            ASSERT_LE(players[p].exGauge, 150) << step;
            ASSERT_LE(players[p].exStock, 9) << step;
            ASSERT_LE(players[p].limitCounter, LimitFrames(p)) << step;
        }
    }
}

// Leaving a versus match with Escape closes the screen once, as fast as in
// an endless match, and returns to the menu with the wins cleared.
TEST(LeavingVersus, TheClosingWipeTakesAsManyStepsAsInEndless) {
    int steps[2] = {};
    for (int mode : {endlessMode, versusMode}) {
        ASSERT_TRUE(frontendSteps::BootToMenu());
        ASSERT_TRUE(versusRun::EnterMatch(mode));
        versusWins[0] = 3;
        harness::Hold(vkEscape);
        matchRun::Step();
        harness::Release(vkEscape);
        ASSERT_EQ(wipeState, 1);
        int n = 1;
        int lastWidth = wipeWidth;
        while (currentScene == MatchScene && n < 200) {
            matchRun::Step();
            ++n;
            // One wipe step per match step.
            if (currentScene == MatchScene) {
                EXPECT_LE(wipeWidth - lastWidth, 2) << n;
            }
            lastWidth = wipeWidth;
        }
        EXPECT_EQ(currentScene, MainMenuScene);
        EXPECT_EQ(versusWins[0], 0);
        steps[mode == versusMode ? 1 : 0] = n;
    }
    EXPECT_EQ(steps[1], steps[0]);
}

}  // namespace
