#include <gtest/gtest.h>

#include <cstdlib>

#include "match/game_random.h"
#include "match/hud.h"
#include "match/hud_test_util.h"

namespace {

using namespace hudTest;

void Hud() {
    ClearBackBuffer();
    DrawHud();
}

// One DrawHud a second later.
void TickSeconds(int n) {
    for (int i = 0; i < n; ++i) {
        frameClock.now += 1000;
        Hud();
    }
}

void SetClock(int h, int m, int s) {
    clockHours = h;
    clockMinutes = m;
    clockSeconds = s;
}

// --- Score line ---

TEST(HudScore, ZeroShowsASingleZeroGlyph) {
    FreshMatch(endless);
    Hud();
    EXPECT_TRUE(GlyphAt(0, 0, 202, 447));
    EXPECT_FALSE(AnyGlyphIn(0, 440, 202, 470));
    EXPECT_FALSE(AnyGlyphIn(216, 440, 290, 470));
}

TEST(HudScore, ScoreIsRightAlignedInTwelvePlaces) {
    FreshMatch(endless);
    players[0].score = 123;
    Hud();
    EXPECT_TRUE(GlyphAt(1, 0, 175, 447));
    EXPECT_TRUE(GlyphAt(2, 0, 189, 447));
    EXPECT_TRUE(GlyphAt(3, 0, 203, 447));
    EXPECT_FALSE(AnyGlyphIn(0, 440, 175, 470));
}

TEST(HudScore, RunningLineShowsItsProductInsteadOfTheScore) {
    FreshMatch(endless);
    players[0].score = 999;
    players[0].lineScore = 43;
    players[0].lineWeight = 4;
    players[0].clearingLine = LineCells{0, 2, 2, 2};
    Hud();
    EXPECT_TRUE(GlyphAt(4, 0, 202, 447));
    EXPECT_TRUE(Filled(188, 449, 13, 15, TimesIndex(0)));
    EXPECT_TRUE(GlyphAt(3, 0, 174, 447));
    EXPECT_TRUE(GlyphAt(4, 0, 160, 447));
    EXPECT_EQ(CountIn(GlyphIndex(9, 0), 0, 440, 640, 470), 0);
}

TEST(HudScore, RightPlayersScoreSitsUnderTheRightBoard) {
    FreshMatch(versus);
    players[1].score = 5;
    Hud();
    EXPECT_TRUE(GlyphAt(0, 0, 202, 447));
    EXPECT_TRUE(GlyphAt(5, 1, 35 + 375 + 14 * 12, 447));
}

// --- Gauges and the top line ---

TEST(HudGauges, LimitGrowsFromTheLeftAndTheChainWindowFromTheEnd) {
    FreshMatch(endless);
    playerParams[0][paramChain] = 3;
    players[0].limitCounter = 10;
    players[0].chainTimer = 20;
    Hud();
    EXPECT_TRUE(Filled(49, 380, 10, 5, LimitIndex(0)));
    EXPECT_NE(At(59, 382), LimitIndex(0));
    // CHAIN 3 ends the gauge at 217 - 12.
    EXPECT_TRUE(Filled(185, 380, 20, 5, chainFillIndex));
    EXPECT_NE(At(184, 382), chainFillIndex);
    EXPECT_NE(At(205, 382), chainFillIndex);
}

TEST(HudGauges, TopLineTakesTheStepsRowAndWrapsAfterFourteen) {
    FreshMatch(endless);
    topLineStep = 12;
    Hud();
    EXPECT_TRUE(Filled(49, 85, 168, 3, TopLineIndex(12)));
    EXPECT_EQ(topLineStep, 13);
    Hud();
    EXPECT_TRUE(Filled(49, 85, 168, 3, TopLineIndex(13)));
    EXPECT_EQ(topLineStep, 0);
}

TEST(HudGauges, PracticeHasNoTopLine) {
    FreshMatch(practice);
    Hud();
    for (int k = 0; k < 14; ++k) EXPECT_EQ(CountIn(TopLineIndex(k), 49, 85, 217, 88), 0);
}

// --- Item markers ---

TEST(HudItems, EndlessMarkersBlinkOnlyWithAFullGauge) {
    FreshMatch(endless);
    players[0].exGauge = 299;
    Hud();
    EXPECT_EQ(CountIn(MarkerIndex(0), 0, 80, 640, 110) + CountIn(MarkerIndex(1), 0, 80, 640, 110), 0);
    players[0].exGauge = 300;
    // The markers show the phase the clock found on the step before.
    frameClock.now = clockMark + 100;
    Hud();
    Hud();
    EXPECT_EQ(blinkPhase, 0);
    EXPECT_TRUE(Filled(10, 89, 24, 16, MarkerIndex(0)));
    EXPECT_TRUE(Filled(232, 89, 24, 16, MarkerIndex(0)));
    frameClock.now = clockMark + 350;
    Hud();
    Hud();
    EXPECT_EQ(blinkPhase, 1);
    EXPECT_TRUE(Filled(10, 89, 24, 16, MarkerIndex(1)));
    EXPECT_TRUE(Filled(232, 89, 24, 16, MarkerIndex(1)));
}

TEST(HudItems, VersusMarkerNeedsStockAndAnItemInTheSlot) {
    FreshMatch(versus);
    itemSlots[0][0] = 5;
    itemSlots[0][1] = -1;
    itemSlots[1][0] = 7;
    itemSlots[1][1] = 8;
    players[0].exStock = 1;
    Hud();
    EXPECT_TRUE(Filled(10, 89, 24, 16, MarkerIndex(blinkPhase)));
    EXPECT_EQ(CountIn(MarkerIndex(0), 232, 89, 256, 105) + CountIn(MarkerIndex(1), 232, 89, 256, 105), 0);
    // The right player has items but no stock.
    EXPECT_EQ(CountIn(MarkerIndex(0), 374, 89, 640, 105) + CountIn(MarkerIndex(1), 374, 89, 640, 105), 0);
}

TEST(HudItems, VersusStockGlyphOnlyWithItemsOn) {
    FreshMatch(versus);
    players[0].exStock = 3;
    players[1].exStock = 2;
    itemUseOff[1] = 1;
    Hud();
    EXPECT_TRUE(GlyphAt(3, 0, 241, 365));
    EXPECT_FALSE(AnyGlyphIn(380, 360, 420, 390));
}

// --- Versus wins ---

TEST(HudWins, ZeroWinsShowOneZeroAndOthersTheirFigures) {
    FreshMatch(versus);
    versusWins[1] = 12;
    Hud();
    EXPECT_TRUE(GlyphAt(0, 0, 283, 400));
    EXPECT_TRUE(GlyphAt(1, 1, 321, 435));
    EXPECT_TRUE(GlyphAt(2, 1, 335, 435));
}

// --- The clock ---

TEST(HudClock, EndlessClockCountsUpToTheMinute) {
    FreshMatch(endless);
    SetClock(0, 0, 7);
    Hud();
    EXPECT_TRUE(GlyphAt(0, 0, 550, 202));
    EXPECT_TRUE(Filled(566, 202, 6, 19, colonIndex));
    EXPECT_TRUE(GlyphAt(0, 0, 574, 202));
    EXPECT_TRUE(GlyphAt(7, 0, 588, 202));
    TickSeconds(52);
    EXPECT_EQ(clockMinutes, 0);
    EXPECT_EQ(clockSeconds, 59);
    TickSeconds(1);
    EXPECT_EQ(clockMinutes, 1);
    EXPECT_EQ(clockSeconds, 0);
    Hud();
    EXPECT_TRUE(GlyphAt(1, 0, 550, 202));
    EXPECT_FALSE(AnyGlyphIn(520, 200, 550, 225));
    EXPECT_TRUE(GlyphAt(0, 0, 574, 202));
    EXPECT_TRUE(GlyphAt(0, 0, 588, 202));
}

TEST(HudClock, HoursAppearAfterFiftyNineFiftyNine) {
    FreshMatch(endless);
    SetClock(0, 59, 59);
    TickSeconds(1);
    EXPECT_EQ(clockHours, 1);
    EXPECT_EQ(clockMinutes, 0);
    EXPECT_EQ(clockSeconds, 0);
    Hud();
    EXPECT_TRUE(GlyphAt(1, 0, 512, 202));
    EXPECT_TRUE(Filled(528, 202, 6, 19, colonIndex));
    EXPECT_TRUE(GlyphAt(0, 0, 536, 202));
    EXPECT_TRUE(GlyphAt(0, 0, 550, 202));
    EXPECT_TRUE(GlyphAt(0, 0, 574, 202));
}

TEST(HudClock, StopsAtNinetyNineFiftyNineFiftyNine) {
    FreshMatch(endless);
    SetClock(99, 58, 59);
    TickSeconds(1);
    EXPECT_EQ(clockMinutes, 59);
    EXPECT_EQ(clockSeconds, 0);
    TickSeconds(59);
    EXPECT_EQ(clockSeconds, 59);
    TickSeconds(30);
    EXPECT_EQ(clockHours, 99);
    EXPECT_EQ(clockMinutes, 59);
    EXPECT_EQ(clockSeconds, 59);
    EXPECT_TRUE(GlyphAt(9, 0, 498, 202));
    EXPECT_TRUE(GlyphAt(9, 0, 512, 202));
}

TEST(HudClock, PuzzleTimeRunsOutOnTheEleventhTickFromTen) {
    FreshMatch(puzzle);
    SetClock(0, 0, 10);
    TickSeconds(10);
    EXPECT_EQ(clockSeconds, 0);
    EXPECT_EQ(matchState, 0);
    Hud();
    EXPECT_TRUE(GlyphAt(0, 0, 490, 100));
    EXPECT_TRUE(GlyphAt(0, 0, 514, 100));
    EXPECT_TRUE(GlyphAt(0, 0, 528, 100));
    TickSeconds(1);
    EXPECT_EQ(matchState, 1);
    EXPECT_EQ(clockMinutes, 0);
    EXPECT_EQ(clockSeconds, 0);
}

TEST(HudClock, PuzzleMinuteRollsDown) {
    FreshMatch(puzzle);
    SetClock(0, 2, 0);
    TickSeconds(1);
    EXPECT_EQ(clockMinutes, 1);
    EXPECT_EQ(clockSeconds, 59);
    Hud();
    EXPECT_TRUE(GlyphAt(1, 0, 490, 100));
}

TEST(HudClock, ClockStandsBeforeTheStartAndAfterTheEnd) {
    FreshMatch(endless);
    matchStarted = 0;
    TickSeconds(3);
    EXPECT_EQ(clockSeconds, 0);
    matchStarted = 1;
    clockMark = frameClock.now;
    matchState = 1;
    TickSeconds(3);
    EXPECT_EQ(clockSeconds, 0);
}

TEST(HudClock, ALateStepCatchesUpOneSecondAtATime) {
    FreshMatch(endless);
    frameClock.now += 3500;
    Hud();
    EXPECT_EQ(clockSeconds, 1);
    Hud();
    Hud();
    EXPECT_EQ(clockSeconds, 3);
    Hud();
    EXPECT_EQ(clockSeconds, 3);
}

TEST(HudClock, BlinkPhaseFollowsTheClockSecond) {
    FreshMatch(versus);
    frameClock.now = clockMark + 1249;
    Hud();
    EXPECT_EQ(clockMark, 100000u + 1000u);
    EXPECT_EQ(blinkPhase, 0);
    frameClock.now = clockMark + 250;
    Hud();
    EXPECT_EQ(blinkPhase, 1);
}

// --- Information box ---

TEST(HudInfo, BestScoreIsTheRankingsFirstUntilReached) {
    FreshMatch(endless);
    rankingTable.score[0] = 5000;
    rankingTable.scoreHigh[0] = 0;
    players[0].score = 4999;
    Hud();
    EXPECT_TRUE(GlyphAt(5, 0, 420 + 14 * 9, 242));
    players[0].score = 5000;
    Hud();
    EXPECT_TRUE(GlyphAt(5, 0, 420 + 14 * 9, 242));
    players[0].score = 6001;
    Hud();
    EXPECT_TRUE(GlyphAt(6, 0, 420 + 14 * 9, 242));
    EXPECT_TRUE(GlyphAt(1, 0, 420 + 14 * 12, 242));
}

TEST(HudInfo, HundredMillionsDecideTheBestScore) {
    FreshMatch(endless);
    rankingTable.score[0] = 10;
    rankingTable.scoreHigh[0] = 1;
    players[0].score = 99999999;
    Hud();
    // The entry's 100000010 still leads.
    EXPECT_TRUE(GlyphAt(1, 0, 420 + 14 * 4, 242));
    EXPECT_TRUE(GlyphAt(1, 0, 420 + 14 * 11, 242));
}

TEST(HudInfo, EmptyRankingAndNoScoreShowOneZero) {
    FreshMatch(endless);
    Hud();
    EXPECT_TRUE(GlyphAt(0, 0, 589, 242));
    EXPECT_FALSE(AnyGlyphIn(420, 240, 589, 262));
}

TEST(HudInfo, LevelAndLongestChain) {
    FreshMatch(endless);
    level = 12;
    Hud();
    EXPECT_TRUE(GlyphAt(1, 0, 420 + 14 * 11, 282));
    EXPECT_TRUE(GlyphAt(2, 0, 420 + 14 * 12, 282));
    EXPECT_TRUE(GlyphAt(0, 0, 589, 322));
    maxChain = 7;
    Hud();
    EXPECT_TRUE(GlyphAt(7, 0, 588, 322));
}

// --- The static frame ---

uint8_t TileAt(int x, int y) { return tileSurface->pixels[y * screenWidth + x]; }

TEST(HudFrame, ItemIconsTakeTheirCellsAndEmptySlotsStayEmpty) {
    FreshMatch(versus);
    CreateSheet(itemSheet, 372, 220);
    ColorFill(itemSheet, 0, 0, 372, 220, colorKey);
    ColorFill(itemSheet, 34 * 3, 34 * 1, 34 * 3 + 32, 34 * 1 + 32, 200);  // item 13
    ColorFill(itemSheet, 34 * 9, 34 * 4, 34 * 9 + 32, 34 * 4 + 32, 201);  // item 49
    itemSlots[0][0] = 13;
    itemSlots[1][1] = 49;
    PaintItemIcons();
    for (int y = 50; y < 82; ++y)
        for (int x = 0; x < 32; ++x) {
            ASSERT_EQ(TileAt(6 + x, y), 200);
            ASSERT_EQ(TileAt(6 + 222 + 374 + x, y), 201);
            ASSERT_EQ(TileAt(6 + 222 + x, y), backgroundIndex);
            ASSERT_EQ(TileAt(6 + 374 + x, y), backgroundIndex);
        }
}

TEST(HudFrame, AShorterLimitCoversTheGroovesEnd) {
    FreshMatch(endless);
    ColorFill(mainSheet, gameSheetLayout::fieldTile.left, gameSheetLayout::fieldTile.top, gameSheetLayout::fieldTile.right,
              gameSheetLayout::fieldTile.bottom, 202);
    ColorFill(mainSheet, gameSheetLayout::frameBottomEdge.left, gameSheetLayout::frameBottomEdge.top,
              gameSheetLayout::frameBottomEdge.right, gameSheetLayout::frameBottomEdge.bottom, 203);
    playerParams[0][paramChain] = 3;
    PaintPlayfieldFrame();
    // The groove runs 138 + 6 x 3 = 156 pixels from 49; beyond that the frame.
    for (int y = 379; y < 386; ++y) {
        EXPECT_EQ(TileAt(49, y), 202);
        EXPECT_EQ(TileAt(204, y), 202);
        EXPECT_EQ(TileAt(205, y), 203);
        EXPECT_EQ(TileAt(216, y), 203);
    }
}

// --- Pause counter ---

TEST(HudPause, CounterRunsOneToEightyAndRound) {
    FreshMatch(endless);
    players[0].paused = 5;
    Hud();
    EXPECT_EQ(players[0].paused, 6);
    players[0].paused = 80;
    Hud();
    EXPECT_EQ(players[0].paused, 1);
    players[0].paused = 0;
    Hud();
    EXPECT_EQ(players[0].paused, 0);
}

// --- Attack meter ---

// Steps of 20 ms until the predicate holds; returns the time it took.
template <typename Pred>
uint32_t StepUntil(Pred done, uint32_t limitMs) {
    const uint32_t start = frameClock.now;
    while (!done() && frameClock.now - start < limitMs) {
        frameClock.now += 20;
        Hud();
    }
    return frameClock.now - start;
}

TEST(HudAttack, FirstLampAfterFifteenSecondsAndTheAttackFourLater) {
    FreshMatch(endless, 1);
    SeedGameRandom(4242);
    const uint32_t start = frameClock.now;
    EXPECT_EQ(StepUntil([] { return attackMeterLit == 0; }, 30000), 15000u);
    EXPECT_EQ(players[0].dropActive, 0);
    const uint32_t lampLit = frameClock.now;
    StepUntil([] { return attackMeterLit == -1; }, 10000);
    EXPECT_EQ(frameClock.now - lampLit, 4000u);
    EXPECT_EQ(frameClock.now - start, 19000u);
    // The same two draws from a generator seeded the same way.
    std::srand(4242);
    const int amount = std::rand() % 3 + 1;
    const int size = std::rand() % (1 / 6 + 2);
    EXPECT_EQ(attackAmount, amount);
    EXPECT_EQ(attackMeterSize, size);
    EXPECT_EQ(attackMark, frameClock.now);
    EXPECT_EQ(players[0].dropPending, amount);
    EXPECT_EQ(players[0].dropPhase, 0);
    EXPECT_EQ(players[0].dropActive, 1);
}

TEST(HudAttack, LampsShowLitDarkAndFlash) {
    FreshMatch(endless);
    attackMeterSize = 9;
    attackMeterLit = 4;
    Hud();
    for (int i = 0; i <= 9; ++i) {
        const int x = 327 + 34 * (i % 8);
        const int y = 390 + 32 * (i / 8);
        EXPECT_TRUE(Filled(x, y, 27, 27, LampIndex(i <= 4 ? 1 : 0))) << i;
    }
    attackMeterLit = 9;
    frameClock.now = attackMark + 1500;
    Hud();
    EXPECT_TRUE(Filled(327, 390, 27, 27, LampIndex(2)));
    frameClock.now = attackMark + 1750;
    Hud();
    EXPECT_TRUE(Filled(327, 390, 27, 27, LampIndex(0)));
}

TEST(HudAttack, BigSizesAndTheirRandomDraws) {
    FreshMatch(endless, 2);
    level = 70;  // at difficulty 2 sizes come from 4..15 from level 60 on
    attackMeterSize = 13;
    attackMeterLit = 13;
    players[0].dropActive = 1;
    players[0].dropPending = 7;
    players[0].dropOverflow = 120;
    SeedGameRandom(99);
    frameClock.now = attackMark + 4000;
    Hud();
    std::srand(99);
    const int amount = std::rand() % 3 + 10 + 13;
    const int size = std::rand() % 12 + 4;
    EXPECT_EQ(attackAmount, amount);
    EXPECT_EQ(attackMeterSize, size);
    // Panels behind a running batch saturate instead of wrapping.
    EXPECT_EQ(players[0].dropOverflow, 127);
    EXPECT_EQ(players[0].dropPending, 7);
}

TEST(HudAttack, MeterStandsStillBeforeTheStart) {
    FreshMatch(endless);
    matchStarted = 0;
    frameClock.now += 20000;
    Hud();
    EXPECT_EQ(attackMeterLit, -3);
}

}  // namespace
