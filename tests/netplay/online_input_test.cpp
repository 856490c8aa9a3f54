#include <gtest/gtest.h>

#include "harness/harness.h"
#include "match/match_input.h"
#include "netplay/online_input.h"
#include "platform/backend.h"
#include "platform/keys.h"
#include "shell/game_mode.h"

// Online, the player plays with player 1's keys and the arrows on whichever
// board is his; pause, Escape and player 2's other keys put nothing in.
TEST(OnlineInput, PlayerOnesKeysAndTheArrowsButNoPauseOrLeave) {
    const struct {
        int key;
        uint16_t bits;
    } cases[] = {
        {'Y', inputUp},         {'H', inputRight},   {'B', inputDown},      {'G', inputLeft},
        {vkUp, inputUp},        {vkRight, inputRight}, {vkDown, inputDown}, {vkLeft, inputLeft},
        {'X', inputSwap},       {'S', inputSelect},  {'A', inputDrop},      {'Z', inputCancel},
        {'Q', inputExDelete},   {'W', inputExMaxdelete},
        {'C', 0},               {vkEscape, 0},       {'L', 0},              {'I', 0},
        {vkReturn, 0},
    };
    for (const auto& c : cases) {
        harness::StartFresh();
        gameMode = versusMode;
        harness::Hold(c.key);
        backend::PumpEvents();
        EXPECT_EQ(OnlineMatchBits(), c.bits) << "key " << c.key;
    }
}
