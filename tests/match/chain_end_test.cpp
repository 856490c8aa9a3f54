#include <gtest/gtest.h>

#include <algorithm>

#include "match/hud.h"
#include "match/hud_test_util.h"

namespace {

using namespace hudTest;

// Runs EndOfChain of p until its chain is over; returns the steps taken.
int RunChainOut(int p, int limit = 1000) {
    int steps = 0;
    while (players[p].chain > 0 && steps < limit) {
        EndOfChain(p);
        ++steps;
    }
    return steps;
}

void Hud() {
    ClearBackBuffer();
    DrawHud();
}

// --- Popups ---

TEST(ChainPopup, ChainNumberAndLabelFloatUp) {
    FreshMatch(endless);
    Player& pl = players[0];
    pl.chain = 3;
    pl.popupTimer = 1;
    pl.popupX = 121;
    pl.popupY = 250;
    EndOfChain(0);
    EXPECT_TRUE(GlyphAt(3, -1, 121 - 16, 250));
    EXPECT_TRUE(Filled(121, 255, 46, 16, chainLabelIndex));
    EXPECT_EQ(pl.popupY, 247);
    EXPECT_EQ(pl.popupTimer, 2);
}

TEST(ChainPopup, TwoAndThreeDigitChainsMoveLeft) {
    FreshMatch(endless);
    Player& pl = players[0];
    pl.popupX = 200;
    pl.popupY = 200;
    pl.chain = 12;
    pl.popupTimer = 1;
    EndOfChain(0);
    EXPECT_TRUE(GlyphAt(1, -1, 200 - 30, 200));
    EXPECT_TRUE(GlyphAt(2, -1, 200 - 16, 200));
    ClearBackBuffer();
    pl.chain = 345;
    pl.chainTimer = 0;
    EndOfChain(0);
    EXPECT_TRUE(GlyphAt(3, -1, 200 - 44, 197));
    EXPECT_TRUE(GlyphAt(5, -1, 200 - 16, 197));
}

TEST(ChainPopup, MissLabelForAFailingLineWithoutChain) {
    FreshMatch(endless);
    Player& pl = players[0];
    pl.failingLine = LineCells{1, 3, 5, 5};
    pl.popupTimer = 1;
    pl.popupX = 97;
    pl.popupY = 226;
    EndOfChain(0);
    EXPECT_TRUE(Filled(97, 226, 70, 24, missLabelIndex));
    EXPECT_EQ(pl.popupY, 223);
}

TEST(ChainPopup, SingleLineShowsNothingButTheTimerRunsOutAfterAHundred) {
    FreshMatch(endless);
    Player& pl = players[0];
    pl.chain = 1;
    pl.chainTimer = 0;
    pl.limitCounter = -1000;  // keep the chain alive for the count
    pl.popupTimer = 1;
    pl.popupY = 300;
    for (int i = 0; i < 99; ++i) EndOfChain(0);
    EXPECT_EQ(pl.popupTimer, 100);
    EXPECT_EQ(pl.popupY, 300);
    EndOfChain(0);
    EXPECT_EQ(pl.popupTimer, 0);
    EXPECT_EQ(CountIn(chainLabelIndex, 0, 0, 640, 480), 0);
}

// --- End of a chain ---

TEST(ChainEnd, EndsWhenWindowAndLimitMeet) {
    FreshMatch(endless);
    Player& pl = players[0];
    playerParams[0][paramChain] = 3;  // 156 steps
    pl.chain = 4;
    pl.limitCounter = 100;
    EXPECT_EQ(RunChainOut(0), 56);
    EXPECT_EQ(pl.chainTimer, 0);
    EXPECT_EQ(maxChain, 4);
    EXPECT_EQ(chainBonus, 0);
}

TEST(ChainEnd, EndlessKeepsTheLongestChainAndBanksLongOnes) {
    FreshMatch(endless);
    players[0].chain = 12;
    maxChain = 30;
    RunChainOut(0);
    EXPECT_EQ(maxChain, 30);
    EXPECT_EQ(chainBonus, 12);
}

TEST(ChainEnd, CheerComesBackAfterTheDangerWarning) {
    FreshMatch(endless);
    LoadSoundBuffer(seBuffer1, "Sound\\Danger.wav");
    dangerInCheerSlot = 1;
    harness::ClearSoundLog();
    players[0].chain = 10;
    players[0].chainTimer = 0;
    EndOfChain(0);
    EXPECT_EQ(PlayCount("Motto.wav", 1), 1);
    EXPECT_EQ(dangerInCheerSlot, 0);
}

TEST(ChainEnd, MottoOnEveryTenthLink) {
    FreshMatch(endless);
    LoadSoundBuffer(seBuffer1, "Sound\\Motto.wav");
    harness::ClearSoundLog();
    Player& pl = players[0];
    pl.chain = 10;
    EndOfChain(0);
    EXPECT_EQ(PlayCount("Motto.wav", 1), 1);
    EndOfChain(0);
    EXPECT_EQ(PlayCount("Motto.wav", 1), 1);
    pl.chain = 11;
    pl.chainTimer = 0;
    EndOfChain(0);
    EXPECT_EQ(PlayCount("Motto.wav", 1), 1);
}

TEST(ChainEnd, VersusChainFillsAnIdleOpponentsBatch) {
    FreshMatch(versus);
    players[0].chain = 5;
    RunChainOut(0);
    const Player& o = players[1];
    EXPECT_EQ(o.dropPending, 4);
    EXPECT_EQ(o.dropPhase, 0);
    EXPECT_EQ(o.dropActive, 1);
    EXPECT_EQ(o.dropOverflow, 0);
}

TEST(ChainEnd, VersusChainReplacesWhatWaitsBehindAPendingBatch) {
    FreshMatch(versus);
    Player& o = players[0];
    o.dropPending = 7;
    o.dropOverflow = 20;
    o.dropActive = 1;
    o.dropPhase = 1;
    players[1].chain = 5;
    RunChainOut(1);
    EXPECT_EQ(o.dropOverflow, 4);
    EXPECT_EQ(o.dropPending, 7);
    EXPECT_EQ(o.dropPhase, 1);
}

TEST(ChainEnd, VersusLongChainCapsTheBatchAndSaturates) {
    FreshMatch(versus);
    players[0].chain = 40;
    RunChainOut(0);
    EXPECT_EQ(players[1].dropPending, 35);
    EXPECT_EQ(players[1].dropOverflow, 4);
    players[0].chain = 300;
    RunChainOut(0);
    EXPECT_EQ(players[1].dropOverflow, 127);
}

TEST(ChainEnd, LongChainsLowOnTheBoardRiseFurther) {
    struct Case {
        int highest, chain, extra;
    };
    const Case cases[] = {{3, 10, 2}, {4, 30, 1}, {7, 45, 2}, {5, 59, 2}, {6, 19, 0}, {5, 70, 2}, {8, 50, 9}};
    for (const Case& k : cases) {
        FreshMatch(endless);
        players[0].extraRises = 9;
        players[0].highestRow = static_cast<int8_t>(k.highest);
        players[0].chain = k.chain;
        RunChainOut(0);
        EXPECT_EQ(players[0].extraRises, k.extra) << k.highest << " " << k.chain;
    }
    FreshMatch(endless);
    players[0].extraRises = 9;
    players[0].highestRow = 2;
    players[0].chain = 9;
    RunChainOut(0);
    EXPECT_EQ(players[0].extraRises, 9);
}

TEST(ChainEnd, LevelRisesWithTenPanelsClearedUnlessABonusRuns) {
    FreshMatch(endless);
    LoadSoundBuffer(levelUpSound, "Sound\\Levelup.wav");
    harness::ClearSoundLog();
    panelsCleared = 12;
    players[0].chain = 2;
    RunChainOut(0);
    EXPECT_EQ(level, 2);
    EXPECT_EQ(panelsCleared, 0);
    EXPECT_EQ(PlayCount("Levelup.wav", 3), 1);

    panelsCleared = 10;
    players[0].bonusState = 1;
    players[0].chain = 2;
    RunChainOut(0);
    EXPECT_EQ(level, 2);
    EXPECT_EQ(panelsCleared, 10);

    players[0].bonusState = 0;
    level = 999;
    players[0].chain = 2;
    RunChainOut(0);
    EXPECT_EQ(level, 999);
    EXPECT_EQ(panelsCleared, 0);
    EXPECT_EQ(PlayCount("Levelup.wav", 3), 1);
}

// --- Bonus banners ---

TEST(BonusBanner, ChainOfHundredTwentyPaysTwelveMillionExactly) {
    FreshMatch(endless);
    players[0].score = 123;
    players[0].chain = 120;
    RunChainOut(0);
    ASSERT_EQ(chainBonus, 120);
    for (int t = 1; t <= 119; ++t) Hud();
    EXPECT_EQ(players[0].score, 123);
    EXPECT_TRUE(GlyphAt(1, 0, 77, 447));
    EXPECT_TRUE(GlyphAt(2, 0, 91, 447));
    for (int i = 3; i <= 8; ++i) EXPECT_TRUE(GlyphAt(0, 0, 63 + 14 * i, 447)) << i;
    Hud();
    EXPECT_EQ(players[0].score, 12000123);
    EXPECT_EQ(players[0].scoreHigh, 0);
    EXPECT_EQ(chainBonus, 0);
    EXPECT_EQ(players[0].bonusBannerTimer, 0);
    Hud();
    EXPECT_EQ(players[0].score, 12000123);
}

TEST(BonusBanner, SmallerChainsPayLess) {
    const int chains[] = {55, 12};
    const int pays[] = {550000, 12000};
    for (int k = 0; k < 2; ++k) {
        FreshMatch(endless);
        chainBonus = chains[k];
        for (int t = 1; t <= 120; ++t) Hud();
        EXPECT_EQ(players[0].score, pays[k]);
    }
}

TEST(BonusBanner, BannerRisesStaysAndGivesWayToTheFigure) {
    FreshMatch(endless);
    chainBonus = 12;
    Hud();  // t 1: the top row at 470
    EXPECT_EQ(CountIn(bonusBannerIndex, 83, 470, 182, 471), 99);
    EXPECT_EQ(CountIn(bonusBannerIndex, 0, 0, 640, 480), 99);
    for (int t = 2; t <= 30; ++t) Hud();
    EXPECT_TRUE(Filled(83, 447, 99, 24, bonusBannerIndex));
    for (int t = 31; t <= 60; ++t) Hud();
    // t 60: 14 rows left, the figure rising at 461 and cut at 469.
    EXPECT_EQ(CountIn(bonusBannerIndex, 0, 0, 640, 480), 99 * 14);
    EXPECT_TRUE(Filled(98, 461, 13, 8, GlyphIndex(1, 0)));
    EXPECT_EQ(At(98, 469), backgroundIndex);
}

TEST(BonusBanner, LevelBonusDropsThreeRowsAtOnceAndPays) {
    FreshMatch(endless);
    level = 3;
    Player& pl = players[0];
    pl.bonusState = 2;
    pl.dropPending = 20;
    Hud();
    EXPECT_EQ(pl.dropPending, 35);
    EXPECT_EQ(pl.dropOverflow, 6);
    EXPECT_EQ(pl.dropActive, 1);
    EXPECT_EQ(pl.dropImmediate, 1);
    EXPECT_EQ(pl.dropPhase, 0);
    pl.dropPending = 0;
    for (int t = 2; t <= 119; ++t) Hud();
    EXPECT_EQ(pl.dropPending, 0);
    EXPECT_TRUE(GlyphAt(3, 0, 77 + 14, 447));
    Hud();
    EXPECT_EQ(pl.score, 300000);
    EXPECT_EQ(pl.bonusState, 0);
}

TEST(BonusBanner, ChainBonusEarnedDuringALevelBonusFollowsIt) {
    FreshMatch(endless);
    level = 100;
    players[0].bonusState = 2;
    for (int t = 1; t <= 60; ++t) Hud();
    chainBonus = 10;
    for (int t = 61; t <= 120; ++t) Hud();
    EXPECT_EQ(players[0].score, 10000000);
    EXPECT_EQ(players[0].bonusState, 0);
    EXPECT_EQ(chainBonus, 10);
    for (int t = 1; t <= 120; ++t) Hud();
    EXPECT_EQ(players[0].score, 10010000);
    EXPECT_EQ(chainBonus, 0);
}

TEST(ClearBanner, CrossesTheScreenSlowingInTheMiddleThenAsksForTheLevelBonus) {
    FreshMatch(endless);
    players[0].bonusState = 1;
    int steps = 0;
    int slow = 0;
    while (players[0].bonusState == 1 && steps < 500) {
        const int before = clearBannerY;
        ClearBackBuffer();
        RunClearBanner(0);
        if (clearBannerY - before == 1) ++slow;
        ++steps;
        if (players[0].bonusState == 1) {
            EXPECT_TRUE(Filled(58, std::max(clearBannerY, 0), 150, 1, clearBannerIndex) || clearBannerY < -23);
        }
    }
    EXPECT_EQ(players[0].bonusState, 2);
    EXPECT_EQ(clearBannerY, -50);
    EXPECT_EQ(slow, 40);
    EXPECT_EQ(steps, 89);
}

}  // namespace
