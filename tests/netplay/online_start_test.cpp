#include <gtest/gtest.h>

#include "harness/harness.h"
#include "match/match_state.h"
#include "netplay/online_start.h"
#include "options/options_file.h"
#include "setup/player_params.h"
#include "shell/game_mode.h"

// The host's start record holds both profiles, his own rules and the series;
// each side plays it with its own sound, backdrop and panel shape.
TEST(OnlineStart, TheHostsRecordCarriesBothProfilesHisRulesAndTheSeries) {
    harness::StartFresh();
    gameMode = endlessMode;
    options = OptionsFile{2, 1, 0, 3, 1};
    const int8_t left[5] = {3, 4, 2, 5, 1};
    const int8_t right[5] = {0, 1, 6, 2, 0};
    for (int i = 0; i < 5; ++i) {
        playerParams[0][i] = left[i];
        playerParams[1][i] = right[i];
    }
    itemSlots[0][0] = 4;
    itemSlots[1][1] = 9;
    itemUseOff[1] = 1;
    versusWins[0] = 2;
    versusWins[1] = 5;

    const MatchStart start = HostMatchStart(0xC0FFEEu);
    EXPECT_EQ(start.mode, versusMode);
    EXPECT_EQ(start.seed, 0xC0FFEEu);
    const int8_t hostOptions[5] = {2, 1, 0, 3, 1};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(start.options[i], hostOptions[i]) << i;
        EXPECT_EQ(start.params[0][i], left[i]) << i;
        EXPECT_EQ(start.params[1][i], right[i]) << i;
    }
    EXPECT_EQ(start.items[0][0], 4);
    EXPECT_EQ(start.items[1][1], 9);
    EXPECT_EQ(start.itemUseOff[1], 1);
    EXPECT_EQ(start.versusWins[0], 2);
    EXPECT_EQ(start.versusWins[1], 5);
    EXPECT_EQ(start.puzzleIndex, -1);
}
