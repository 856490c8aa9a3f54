#include <gtest/gtest.h>

#include <cstring>

#include "harness/probes.h"
#include "match/match_state.h"
#include "match/vanish_rule.h"
#include "match/vanish_test_util.h"

using namespace vanishTest;

namespace {

constexpr int endless = 0, versus = 1;

void FullGauge() {
    FreshMatch(endless);
    players[0].exGauge = 300;
}

// Steps of the running attack until it ends (at most `limit`).
int RunAttack(int kind, int limit = 500) {
    int steps = 0;
    while (players[0].exAttackActive != 0 && steps < limit) {
        RunExAttack(0, kind);
        ++steps;
    }
    return steps;
}

}  // namespace

TEST(ExAttack, KeysLaunchDeleteAndMaxdelete) {
    FullGauge();
    HoldKey(VkLetter('Q'));
    ExAttackKeys(0);
    EXPECT_EQ(players[0].exAttackActive, 1);
    EXPECT_EQ(exAttackKind, 0);
    EXPECT_EQ(players[0].exGauge, 0);
    EXPECT_EQ(LastLoaded(effectSound.index), "Delete.wav");
    EXPECT_EQ(PlayCount("Delete.wav", effectSound.index), 1);
    ReleaseKey(VkLetter('Q'));

    FullGauge();
    HoldKey(VkLetter('W'));
    ExAttackKeys(0);
    EXPECT_EQ(exAttackKind, 1);
    EXPECT_EQ(PlayCount("Maxdelete.wav", effectSound.index), 1);
    ReleaseKey(VkLetter('W'));

    // Player 1 uses 8 and 9; Q does nothing for him.
    FullGauge();
    players[1].exGauge = 300;
    HoldKey(VkLetter('Q'));
    ExAttackKeys(1);
    EXPECT_EQ(players[1].exAttackActive, 0);
    ReleaseKey(VkLetter('Q'));
    HoldKey(vkDigit9);
    ExAttackKeys(1);
    EXPECT_EQ(players[1].exAttackActive, 1);
    EXPECT_EQ(exAttackKind, 1);
    ReleaseKey(vkDigit9);
}

TEST(ExAttack, KeysNeedAQuietBoardAndAFullGauge) {
    struct Case {
        const char* what;
        void (*spoil)();
    };
    const Case cases[] = {
        {"gauge 299", [] { players[0].exGauge = 299; }},
        {"versus", [] { gameMode = versus; }},
        {"paused", [] { players[1].paused = 1; }},
        {"batch active", [] { players[0].dropActive = 1; }},
        {"batch immediate", [] { players[0].dropImmediate = 1; }},
        {"rising", [] { players[0].riseOffset = 3; }},
        {"swap picked", [] { players[0].swapState = 1; }},
        {"attack running", [] { players[1].exAttackActive = 1; }},
        {"clearing", [] { players[0].clearingLine = LineCells{0, 1, 2, 2}; }},
        {"failing", [] { players[0].failingLine = LineCells{0, 1, 2, 2}; }},
        {"line selected", [] { players[0].lineState = 0; }},
    };
    for (const Case& c : cases) {
        for (int key : {VkLetter('Q'), VkLetter('W')}) {
            FullGauge();
            c.spoil();
            HoldKey(key);
            ExAttackKeys(0);
            ReleaseKey(key);
            EXPECT_EQ(players[0].exAttackActive, 0) << c.what;
            EXPECT_EQ(PlayCount("Delete.wav", effectSound.index) + PlayCount("Maxdelete.wav", effectSound.index), 0)
                << c.what;
        }
    }
    // A running board-clear banner stops only Delete.
    FullGauge();
    players[0].bonusState = 1;
    HoldKey(VkLetter('Q'));
    ExAttackKeys(0);
    ReleaseKey(VkLetter('Q'));
    EXPECT_EQ(players[0].exAttackActive, 0);
    HoldKey(VkLetter('W'));
    ExAttackKeys(0);
    ReleaseKey(VkLetter('W'));
    EXPECT_EQ(players[0].exAttackActive, 1);
}

TEST(ExAttack, DeleteEmptiesTheFourLowestRowsAfterOneHundredOneSteps) {
    FullGauge();
    level = 3;
    PutRow(0, 2, 0, {1, 2, 3, 4, 5, 6, 7});
    PutRow(0, 3, 0, {1, 2, 3, 4, 5, 6, 7});
    PutRow(0, 4, 2, {0, 4});
    PutRow(0, 5, 6, {3});
    PutRow(0, 6, 0, {5, 5});
    players[0].exAttackActive = 1;
    exAttackKind = 0;

    RunExAttack(0, 0);  // scored at once
    EXPECT_EQ(panelsCleared, 17);
    EXPECT_EQ(players[0].lineScore, 300);
    EXPECT_EQ(players[0].lineWeight, 17);
    EXPECT_EQ(players[0].score, 5100);
    EXPECT_EQ(Cell(0, 2, 0), 1) << "the panels stay for the blink";

    harness::ClearSoundLog();
    EXPECT_EQ(1 + RunAttack(0), 101);
    for (int r = 2; r <= 5; ++r)
        for (int c = 0; c < 7; ++c) EXPECT_EQ(Cell(0, r, c), -1);
    EXPECT_EQ(Cell(0, 6, 0), 5);
    EXPECT_EQ(players[0].needsGravity, 1);
    EXPECT_EQ(exAttackClock, 0);
    EXPECT_EQ(players[0].score, 5100) << "scored once";
    EXPECT_EQ(LastLoaded(effectSound.index), "Item.wav");
    // Seventeen panels: a level up, the counter starts over.
    EXPECT_EQ(level, 4);
    EXPECT_EQ(panelsCleared, 0);
    EXPECT_EQ(PlayCount("Levelup.wav", levelUpSound.index), 1);
}

TEST(ExAttack, FewPanelsOrABannerGiveNoLevel) {
    FullGauge();
    PutRow(0, 2, 0, {1, 2, 3});
    players[0].exAttackActive = 1;
    RunAttack(0);
    EXPECT_EQ(level, 1);
    EXPECT_EQ(panelsCleared, 3);

    FullGauge();
    PutRow(0, 2, 0, {1, 2, 3, 4, 5, 6, 7});
    PutRow(0, 3, 0, {1, 2, 3, 4, 5, 6, 7});
    players[0].bonusState = 2;
    players[0].exAttackActive = 1;
    RunAttack(0);
    EXPECT_EQ(level, 1);
    EXPECT_EQ(panelsCleared, 14);
}

TEST(ExAttack, MaxdeleteTieGoesToTheHigherValue) {
    FullGauge();
    level = 2;
    PutRow(0, 2, 0, {3, 5, 3, 5, 1, 2, 4});
    PutRow(0, 3, 0, {5, 3, 0, 0, 0});
    Cell(0, 13, 6) = 3;
    Cell(0, 14, 6) = 5;  // four 3s against four 5s
    players[0].exAttackActive = 1;
    exAttackKind = 1;
    EXPECT_EQ(RunAttack(1), 101);
    EXPECT_EQ(maxdeleteValue, 5);
    EXPECT_EQ(players[0].lineScore, 1000);  // 100 x 5 x level 2
    EXPECT_EQ(players[0].score, 4000);
    EXPECT_EQ(panelsCleared, 4);
    EXPECT_EQ(Cell(0, 2, 1), -1);
    EXPECT_EQ(Cell(0, 3, 0), -1);
    EXPECT_EQ(Cell(0, 14, 6), -1);
    EXPECT_EQ(Cell(0, 2, 0), 3);
    EXPECT_EQ(Cell(0, 13, 6), 3);
    EXPECT_EQ(Cell(0, 3, 2), 0);
}

TEST(ExAttack, MaxdeleteOfZerosScoresNothing) {
    FullGauge();
    PutRow(0, 2, 0, {0, 0, 0, 1});
    players[0].exAttackActive = 1;
    RunAttack(1);
    EXPECT_EQ(maxdeleteValue, 0);
    EXPECT_EQ(players[0].lineScore, 0);
    EXPECT_EQ(players[0].score, 0);
    EXPECT_EQ(Cell(0, 2, 0), -1);
    EXPECT_EQ(Cell(0, 2, 3), 1);
}

TEST(ExAttack, AffectedCellsBlinkWithTheBackground) {
    FullGauge();
    CreateSheet(tileSurface, screenWidth, screenHeight);
    std::memset(tileSurface->pixels, 5, static_cast<size_t>(screenWidth) * screenHeight);
    PutRow(0, 2, 0, {4, 4});
    Cell(0, 9, 3) = 4;
    Cell(0, 9, 4) = 2;
    players[0].exAttackActive = 1;
    auto centre = [](int r, int c) {
        return backBuffer.pixels[(RowTop(0, r) + 12) * screenWidth + ColumnLeft(0, c) + 12];
    };
    int coveredSteps = 0;
    for (int step = 0; step < 100; ++step) {
        std::memset(backBuffer.pixels, 9, static_cast<size_t>(screenWidth) * screenHeight);
        RunExAttack(0, 1);
        const bool covered = centre(9, 3) == 5;
        EXPECT_EQ(covered, step % 20 < 10) << "step " << step;
        EXPECT_EQ(centre(2, 1), centre(9, 3)) << "every 4 blinks together";
        EXPECT_EQ(centre(9, 4), 9) << "a 2 is not affected";
        coveredSteps += covered ? 1 : 0;
    }
    EXPECT_EQ(coveredSteps, 50);
}
