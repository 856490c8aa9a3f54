#include <gtest/gtest.h>

#include <vector>

#include "match/controls.h"
#include "match/headless_run.h"
#include "match/match_run.h"
#include "match/step_input.h"
#include "platform/keys.h"

namespace {

struct KeyCase {
    int mode;
    int vk;
    int player;      // whose bit it sets, -1 none
    uint16_t bit;
};

// Today's keys, each to its player's bit; the arrows steer player 1 outside
// versus too, and Escape is the leave bit whoever presses it.
constexpr KeyCase keyCases[] = {
    {endlessMode, 'Y', 0, inputUp},          {endlessMode, 'H', 0, inputRight},
    {endlessMode, 'B', 0, inputDown},        {endlessMode, 'G', 0, inputLeft},
    {endlessMode, 'X', 0, inputSwap},        {endlessMode, 'S', 0, inputSelect},
    {endlessMode, 'A', 0, inputDrop},        {endlessMode, 'Q', 0, inputExDelete},
    {endlessMode, 'W', 0, inputExMaxdelete}, {endlessMode, 'Z', 0, inputCancel},
    {endlessMode, 'C', 0, inputPause},       {endlessMode, vkEscape, 0, inputLeave},
    {versusMode, 'L', 1, inputSwap},         {versusMode, 'O', 1, inputSelect},
    {versusMode, 'I', 1, inputDrop},         {versusMode, vkDigit8, 1, inputExDelete},
    {versusMode, vkDigit9, 1, inputExMaxdelete}, {versusMode, 'K', 1, inputCancel},
    {versusMode, vkReturn, 1, inputPause},   {versusMode, vkEscape, 0, inputLeave},
    {versusMode, vkUp, 1, inputUp},          {versusMode, vkLeft, 1, inputLeft},
    {versusMode, 'Y', 0, inputUp},           {versusMode, 'X', 0, inputSwap},
    {versusMode, 'P', -1, 0},                {endlessMode, 'V', -1, 0},
};

TEST(StepInput, TheKeyboardSourceGivesEachKeyItsPlayersBit) {
    for (const KeyCase& k : keyCases) {
        harness::StartFresh();
        gameMode = static_cast<int8_t>(k.mode);
        keyDown[k.vk] = true;
        MatchInput in{};
        KeyboardMatchInput(in);
        for (int p = 0; p < 2; ++p) {
            const uint16_t expected = p == k.player ? k.bit : 0;
            EXPECT_EQ(in.player[p], expected) << "mode " << k.mode << " key " << k.vk << " player " << p;
        }
    }
}

TEST(StepInput, TheArrowsSteerBothPlayersOutsideVersusAndOnlyTheRightOneInVersus) {
    for (const int mode : {endlessMode, puzzleMode, practiceMode, versusMode}) {
        harness::StartFresh();
        gameMode = static_cast<int8_t>(mode);
        keyDown[vkDown] = true;
        MatchInput in{};
        KeyboardMatchInput(in);
        EXPECT_EQ(in.player[0], mode == versusMode ? 0 : inputDown) << "mode " << mode;
        EXPECT_EQ(in.player[1], inputDown) << "mode " << mode;
    }
}

// A step reads its record, never the keys.
TEST(StepInput, AStepMovesByItsInputsAndIgnoresTheKeys) {
    headlessRun::Begin(headlessRun::StartOf(endlessMode, 4), false);
    keyDown['H'] = true;
    keyDown[vkEscape] = true;
    for (int i = 0; i < 30; ++i) MatchStep(MatchInput{});
    EXPECT_EQ(players[0].cursorX, 3);
    EXPECT_EQ(wipeState, 0);
    MatchInput right{};
    right.player[0] = inputRight;
    for (int i = 0; i < 30; ++i) MatchStep(right);
    EXPECT_GT(players[0].cursorX, 3);
}

TEST(StepInput, BitsBeyondTheRecordsAreNoInput) {
    MatchInput beyond{};
    beyond.player[0] = beyond.player[1] = static_cast<uint16_t>(~inputBitsMask);
    headlessRun::Begin(headlessRun::StartOf(versusMode, 4), false);
    for (int i = 0; i < 300; ++i) MatchStep(beyond);
    const uint64_t withBeyond = MatchChecksum();
    headlessRun::Begin(headlessRun::StartOf(versusMode, 4), false);
    for (int i = 0; i < 300; ++i) MatchStep(MatchInput{});
    EXPECT_EQ(MatchChecksum(), withBeyond);
}

std::vector<MatchInput> asked;
std::vector<uint32_t> told;
int toldOver = 0;

// Right for forty steps, then Escape.
void RightThenLeave(MatchInput& in) {
    in.player[0] = asked.size() < 40 ? uint16_t{inputRight} : uint16_t{inputLeave};
    asked.push_back(in);
}

void Observe(const MatchInput& in) {
    EXPECT_EQ(in.player[0], asked.back().player[0]);
    told.push_back(matchStep);
    toldOver += MatchOver() ? 1 : 0;
}

// The scene asks its source once a step, before the step, and tells its
// observer after it, until the match is over; whatever fills the record
// moves the board.
TEST(StepInput, TheSceneAsksItsSourceBeforeAndTellsItsObserverAfterEveryStep) {
    ASSERT_TRUE(matchRun::MenuToMatch(endlessMode));
    asked.clear();
    told.clear();
    toldOver = 0;
    matchInputSource = RightThenLeave;
    matchStepSeen = Observe;
    const uint32_t first = matchStep;
    ASSERT_TRUE(harness::RunUntil([] { return currentScene != MatchScene; }, 1000000));
    matchInputSource = KeyboardMatchInput;
    matchStepSeen = nullptr;
    EXPECT_EQ(players[0].cursorX, 6);
    ASSERT_EQ(told.size(), asked.size());
    for (size_t i = 0; i < told.size(); ++i) EXPECT_EQ(told[i], first + i + 1);
    // Told of the step that ended the match (the screen closed), and no later.
    EXPECT_EQ(toldOver, 1);
    EXPECT_GT(asked.size(), 41u);
}

}  // namespace
