#include <gtest/gtest.h>

#include <vector>

#include "shell/menu_input.h"

namespace {

// Frames (0-based) on which a key held from frame 0 moves the cursor.
std::vector<int> MovesWhileHeld(int frames, int keysPerFrame) {
    int8_t counter = 0;
    std::vector<int> moves;
    for (int f = 0; f < frames; ++f) {
        for (int k = 0; k < keysPerFrame; ++k)
            if (RepeatStep(counter)) moves.push_back(f);
        SettleRepeat(counter, true);
    }
    return moves;
}

TEST(AutoRepeat, FirstAtOnceThenAfterThirtyThenEveryTen) {
    const std::vector<int> moves = MovesWhileHeld(75, 1);
    EXPECT_EQ(moves, (std::vector<int>{0, 30, 40, 50, 60, 70}));
}

TEST(AutoRepeat, KeepsRepeatingEveryTenPastTheWrap) {
    const std::vector<int> moves = MovesWhileHeld(300, 1);
    for (size_t i = 2; i < moves.size(); ++i) EXPECT_EQ(moves[i] - moves[i - 1], 10) << i;
    EXPECT_GT(moves.size(), 25u);
}

TEST(AutoRepeat, CounterNeverLeavesTheSignedByteRange) {
    int8_t counter = 0;
    for (int f = 0; f < 1000; ++f) {
        RepeatStep(counter);
        RepeatStep(counter);
        SettleRepeat(counter, true);
        ASSERT_GE(counter, 0);
        ASSERT_LT(counter, 102);
    }
}

TEST(AutoRepeat, ReleaseResetsTheCounter) {
    int8_t counter = 45;
    SettleRepeat(counter, false);
    EXPECT_EQ(counter, 0);
    EXPECT_TRUE(RepeatStep(counter));
}

TEST(AutoRepeat, TwoHeldDirectionsCountTwice) {
    int8_t counter = 0;
    RepeatStep(counter);
    RepeatStep(counter);
    SettleRepeat(counter, true);
    EXPECT_EQ(counter, 2);
}

}  // namespace
