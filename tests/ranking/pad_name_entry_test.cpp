#include <gtest/gtest.h>

#include "match/match_state.h"
#include "match/result_screen.h"
#include "platform/blit.h"
#include "platform/pad_input.h"
#include "platform/present.h"
#include "ranking/name_entry.h"
#include "ranking/ranking_test_util.h"
#include "shell/scene.h"

namespace {

using namespace rankingTest;

// The result screen of an endless match as the match frame runs it.
void EntryScene() {
    Blit(&backBuffer, 0, 0, tileSurface, keyedCopy, 0, 0, screenWidth, screenHeight);
    ResultScreenStep(0);
    Present();
}

void Press(PadButton button) {
    harness::TapPad(0, button);
    harness::RunFrames(2);
}

// The name entry reads the arrow keys alone: a pad's d-pad still types a
// name there, since outside versus its directions hold the arrows too.
TEST(PadNameEntry, TheDpadAndAEnterANameAndKeepIt) {
    AtTheResultScreen(endlessMode);
    currentScene = EntryScene;
    RankingFile table;
    MakeFullTable(table);
    StoreTable(table);
    players[0].score = 1000 * (100 - 5) + 1;
    harness::RunFrames(1);
    ASSERT_EQ(entryPhase, 1);
    ASSERT_EQ(rankPlace, 5);

    struct Step {
        PadButton button;
        int8_t cursor;
        int8_t letters[4];
    };
    const Step steps[] = {
        {PadButton::down, 0, {1, 0, 0, 0}},       {PadButton::stickDown, 0, {2, 0, 0, 0}},
        {PadButton::right, 1, {2, 0, 0, 0}},      {PadButton::a, 1, {2, 1, 0, 0}},
        {PadButton::up, 1, {2, 0, 0, 0}},         {PadButton::b, 1, {2, 39, 0, 0}},
        {PadButton::stickRight, 2, {2, 39, 0, 0}}, {PadButton::left, 1, {2, 39, 0, 0}},
        {PadButton::left, 0, {2, 39, 0, 0}},      {PadButton::left, 4, {2, 39, 0, 0}},
    };
    for (const Step& s : steps) {
        Press(s.button);
        EXPECT_EQ(entryCursor, s.cursor) << static_cast<int>(s.button);
        for (int k = 0; k < 4; ++k) EXPECT_EQ(entryName[k], s.letters[k]) << static_cast<int>(s.button) << " letter " << k;
    }
    Press(PadButton::a);  // on OK
    EXPECT_EQ(entryPhase, 2);
    EXPECT_EQ(rankingTable.name[5][0], 2);
    EXPECT_EQ(rankingTable.name[5][1], 39);
}

}  // namespace
