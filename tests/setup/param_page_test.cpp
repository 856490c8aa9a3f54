#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "platform/keys.h"
#include "platform/sound.h"
#include "setup/setup_steps.h"

namespace {

using namespace setupSteps;

// Presses on one parameter: positive counts press Right, negative Left.
struct Presses {
    int row;
    int count;
};

struct BudgetCase {
    const char* name;
    bool itemsOff;
    std::vector<Presses> presses;
    std::array<int, 5> levels;
    int pointsLeft;
};

TEST(SetupParams, LevelsStayWithinTheCapTheBudgetAndTheItemSwitch) {
    const BudgetCase cases[] = {
        {"a level stops at 5", false, {{0, 7}}, {5, 0, 0, 0, 0}, 10},
        {"fifteen points, then nothing", false, {{0, 5}, {1, 5}, {2, 5}, {3, 3}, {4, 1}}, {5, 5, 5, 0, 0}, 0},
        {"lowering gives the points back and stops at 0", false, {{2, 3}, {2, -5}}, {0, 0, 0, 0, 0}, 15},
        {"items off: ten points", true, {{1, 5}, {2, 5}, {3, 2}}, {0, 5, 5, 0, 0}, 0},
        {"items off: EX and LOCK stay 0", true, {{0, 3}, {4, 3}, {3, 1}}, {0, 0, 0, 1, 0}, 9},
    };
    for (const BudgetCase& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(BootToSetup());
        if (c.itemsOff) DecideOn(itemUseRow);
        for (const Presses& press : c.presses) {
            S().setupCursor = static_cast<int8_t>(press.row);
            StepTimes(press.count > 0 ? 'H' : 'G', press.count > 0 ? press.count : -press.count);
        }
        EXPECT_EQ(Levels(0), c.levels);
        EXPECT_EQ(pointsLeft[0], c.pointsLeft);
        int spent = 0;
        for (int level : Levels(0)) spent += level;
        EXPECT_EQ(spent + pointsLeft[0], c.itemsOff ? 10 : 15) << "the levels and the points make the budget";
    }
}

TEST(SetupParams, DecideRaisesAndBackLowersLikeRightAndLeft) {
    ASSERT_TRUE(BootToSetup());
    S().setupCursor = paramLuck;
    harness::ClearSoundLog();
    StepTimes('X', 3);
    EXPECT_EQ(playerParams[0][paramLuck], 3);
    EXPECT_TRUE(harness::Played("Select.wav", seBuffer1.index, false));
    Step('Z');
    EXPECT_EQ(playerParams[0][paramLuck], 2);
    EXPECT_EQ(pointsLeft[0], 13);
}

TEST(SetupParams, SwitchingItemsOffResetsTheLevelsAndEmptiesTheSlots) {
    ASSERT_TRUE(BootToSetup(FirstItems(5)));
    Raise(paramSpeed, 4);
    itemSlots[0][0] = 2;
    itemSlots[0][1] = 3;
    S().setupCursor = itemUseRow;
    harness::ClearSoundLog();
    harness::Tap('X');
    harness::RunFrames(1);
    EXPECT_EQ(itemUseOff[0], 1);
    EXPECT_EQ(Levels(0), (std::array<int, 5>{0, 0, 0, 0, 0}));
    EXPECT_EQ(pointsLeft[0], 10);
    EXPECT_EQ(itemSlots[0][0], -1);
    EXPECT_EQ(itemSlots[0][1], -1);
    EXPECT_EQ(S().setupCursor, 0);
    EXPECT_LE(boxGrowth, 1) << "the panels grow again";
    EXPECT_TRUE(harness::Played("Ok.wav", seBuffer2.index, false));
    harness::RunFrames(12);
    DecideOn(itemUseRow);
    EXPECT_EQ(itemUseOff[0], 0);
    EXPECT_EQ(pointsLeft[0], 15);
}

// A held key acts at once, then on the 30th frame and every 10th after.
TEST(SetupParams, HoldingRightRaisesAtOnceThenAfterThirtyFramesThenEveryTen) {
    ASSERT_TRUE(BootToSetup());
    S().setupCursor = paramChain;
    harness::Hold('H');
    std::vector<uint32_t> raises;
    int last = 0;
    const uint32_t start = harness::Frames();
    for (int i = 0; i < 80; ++i) {
        harness::RunFrames(1);
        if (playerParams[0][paramChain] != last) raises.push_back(harness::Frames() - start);
        last = playerParams[0][paramChain];
    }
    harness::Release('H');
    ASSERT_EQ(raises.size(), 5u) << "the cap stops the sixth";
    EXPECT_EQ(raises[1] - raises[0], 30u);
    EXPECT_EQ(raises[2] - raises[1], 10u);
    EXPECT_EQ(raises[3] - raises[2], 10u);
    EXPECT_EQ(raises[4] - raises[3], 10u);
}

struct MoveCase {
    int player;
    bool itemsOff;
    int from;
    int key;
    int to;
};

TEST(SetupParams, TheCursorMovesBetweenRowsAndButtons) {
    const MoveCase cases[] = {
        {0, false, 0, 'Y', decideEntry},        {0, false, decideEntry, vkUp, decideEntry},
        {0, false, decideEntry, 'B', 0},        {0, false, cancelEntry, vkDown, 0},
        {0, false, decideEntry, 'G', cancelEntry}, {0, false, cancelEntry, 'H', decideEntry},
        {0, false, decideEntry, vkRight, cancelEntry}, {0, false, 3, 'Y', 2},
        {0, false, itemUseRow, 'B', itemsRow},  {0, false, itemsRow, 'B', itemsRow},
        {0, true, itemUseRow, 'B', itemUseRow}, {0, false, itemsRow, 'H', itemsRow},
        {1, false, 2, vkDown, 3},               {1, false, 2, 'B', 2},
        {1, false, 0, vkUp, decideEntry},       {1, false, cancelEntry, vkLeft, decideEntry},
    };
    for (const MoveCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "player " << c.player + 1 << " from " << c.from << " key " << c.key);
        ASSERT_TRUE(BootToSetup());
        if (c.player == 1) DecideOn(decideEntry);
        if (c.itemsOff) DecideOn(itemUseRow);
        S().setupCursor = static_cast<int8_t>(c.from);
        Step(c.key);
        EXPECT_EQ(S().setupCursor, c.to);
    }
}

// Ten separate presses of the player's own hidden key lift the cap of 5;
// deciding for the next player puts it back.
TEST(SetupParams, TenPressesOfTheUnlockKeyLiftTheCapUntilDecide) {
    ASSERT_TRUE(BootToSetup());
    harness::Hold('V');
    harness::RunFrames(20);
    harness::Release('V');
    harness::RunFrames(2);
    EXPECT_EQ(S().unlockPresses, 1) << "a held key counts once";
    StepTimes('P', 3);
    EXPECT_EQ(S().unlockPresses, 1) << "player 2's key is not player 1's";
    StepTimes('V', 8);
    Raise(paramEx, 7);
    EXPECT_EQ(playerParams[0][paramEx], 5) << "nine presses";
    Step('V');
    EXPECT_EQ(S().unlockPresses, 10);
    Raise(paramEx, 9);
    EXPECT_EQ(playerParams[0][paramEx], 14);
    EXPECT_EQ(pointsLeft[0], 1);
    DecideOn(decideEntry);
    EXPECT_EQ(S().setupPlayer, 1);
    EXPECT_EQ(S().unlockPresses, 0);
    StepTimes('P', 9);
    Raise(paramSpeed, 7);
    EXPECT_EQ(playerParams[1][paramSpeed], 5);
    Step('P');
    Raise(paramSpeed, 2);
    EXPECT_EQ(playerParams[1][paramSpeed], 7);
}

}  // namespace
