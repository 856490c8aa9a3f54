#include "platform/pad_input.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/keys.h"

namespace {

class PadInputTest : public ::testing::Test {
protected:
    void SetUp() override { Clear(); }
    void TearDown() override { Clear(); }
    static void Clear() {
        ResetPads();
        ResetKeys();
    }
};

// A frame has been presented: presses it saw are over.
void NextFrame() { ClearKeyPresses(); }

TEST_F(PadInputTest, EachButtonHoldsItsKeyForEachPlayer) {
    struct Case {
        PadButton button;
        int player1, player2;
    };
    const Case cases[] = {
        {PadButton::up, 'Y', vkUp},          {PadButton::down, 'B', vkDown},
        {PadButton::left, 'G', vkLeft},      {PadButton::right, 'H', vkRight},
        {PadButton::stickUp, 'Y', vkUp},     {PadButton::stickDown, 'B', vkDown},
        {PadButton::stickLeft, 'G', vkLeft}, {PadButton::stickRight, 'H', vkRight},
        {PadButton::a, 'X', 'L'},            {PadButton::b, 'Z', 'K'},
        {PadButton::x, 'S', 'O'},            {PadButton::y, 'A', 'I'},
        {PadButton::leftShoulder, 'Q', vkDigit8}, {PadButton::rightShoulder, 'W', vkDigit9},
        {PadButton::start, 'C', vkReturn},   {PadButton::back, vkEscape, vkEscape},
        {PadButton::guide, vkF1, vkF1},
    };
    ASSERT_EQ(std::size(cases), static_cast<size_t>(padButtonCount));
    for (const Case& c : cases) {
        EXPECT_EQ(PadKey(0, c.button), c.player1) << static_cast<int>(c.button);
        EXPECT_EQ(PadKey(1, c.button), c.player2) << static_cast<int>(c.button);
    }
    EXPECT_EQ(PadKey(2, PadButton::a), -1);
    EXPECT_EQ(PadKey(-1, PadButton::a), -1);
}

TEST_F(PadInputTest, BothSeatsPlayPlayerOneUntilTwoPlay) {
    struct Case {
        int players, seat;
        int key;
    };
    const Case cases[] = {{1, 0, 'X'}, {1, 1, 'X'}, {2, 0, 'X'}, {2, 1, 'L'}};
    for (const Case& c : cases) {
        SetPadPlayers(c.players);
        SetPadButton(c.seat, PadButton::a, true);
        EXPECT_TRUE(KeyHeld(c.key)) << c.players << " players, seat " << c.seat;
        NextFrame();
        SetPadButton(c.seat, PadButton::a, false);
        EXPECT_FALSE(KeyHeld(c.key));
    }
}

TEST_F(PadInputTest, AHeldButtonFollowsAChangeOfPlayers) {
    SetPadButton(1, PadButton::right, true);
    EXPECT_TRUE(KeyHeld('H'));
    NextFrame();
    SetPadPlayers(2);
    EXPECT_EQ(PadPlayers(), 2);
    EXPECT_FALSE(KeyHeld('H'));
    EXPECT_TRUE(KeyHeld(vkRight));
    NextFrame();
    SetPadPlayers(1);
    EXPECT_TRUE(KeyHeld('H'));
    EXPECT_TRUE(KeyHeld(vkRight));
    NextFrame();
    SetPadButton(1, PadButton::right, false);
    EXPECT_FALSE(KeyHeld('H'));
    EXPECT_FALSE(KeyHeld(vkRight));
    EXPECT_EQ(padHolds['H'], 0);
    EXPECT_EQ(padHolds[vkRight], 0);
}

TEST_F(PadInputTest, DirectionsHoldTheArrowsTooWhileOnePlayerPlays) {
    struct Case {
        int players, seat;
        PadButton button;
        std::vector<int> held;
    };
    const Case cases[] = {
        {1, 0, PadButton::up, {'Y', vkUp}},         {1, 1, PadButton::stickDown, {'B', vkDown}},
        {1, 0, PadButton::left, {'G', vkLeft}},     {1, 1, PadButton::right, {'H', vkRight}},
        {1, 0, PadButton::a, {'X'}},                {2, 0, PadButton::up, {'Y'}},
        {2, 1, PadButton::up, {vkUp}},              {2, 0, PadButton::stickRight, {'H'}},
    };
    for (const Case& c : cases) {
        SetPadPlayers(c.players);
        SetPadButton(c.seat, c.button, true);
        std::vector<int> held;
        for (int vk = 0; vk < 256; ++vk) {
            if (KeyHeld(vk)) held.push_back(vk);
        }
        std::sort(held.begin(), held.end());
        std::vector<int> expected = c.held;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(held, expected) << c.players << " players, seat " << c.seat << ", button " << static_cast<int>(c.button);
        SetPadButton(c.seat, c.button, false);
        NextFrame();
    }
    EXPECT_EQ(PadArrowKey(PadButton::stickLeft), vkLeft);
    EXPECT_EQ(PadArrowKey(PadButton::start), -1);
}

TEST_F(PadInputTest, AKeyStaysDownWhileAnySourceHoldsIt) {
    SetPadButton(0, PadButton::up, true);
    SetPadButton(0, PadButton::stickUp, true);
    SetPadButton(1, PadButton::up, true);
    keyboardDown['Y'] = true;
    EXPECT_EQ(padHolds['Y'], 3);
    NextFrame();
    SetPadButton(0, PadButton::up, false);
    SetPadButton(1, PadButton::up, false);
    EXPECT_TRUE(KeyHeld('Y'));
    SetPadButton(0, PadButton::stickUp, false);
    EXPECT_TRUE(KeyHeld('Y'));  // the keyboard still holds it
    keyboardDown['Y'] = false;
    RefreshKey('Y');
    EXPECT_FALSE(KeyHeld('Y'));
}

TEST_F(PadInputTest, AQuickTapIsSeenForOneFrame) {
    SetPadButton(0, PadButton::a, true);
    SetPadButton(0, PadButton::a, false);
    EXPECT_TRUE(KeyHeld('X'));
    NextFrame();
    EXPECT_FALSE(KeyHeld('X'));
    // Pressed again within the frame: simply held on.
    SetPadButton(0, PadButton::b, true);
    SetPadButton(0, PadButton::b, false);
    SetPadButton(0, PadButton::b, true);
    NextFrame();
    EXPECT_TRUE(KeyHeld('Z'));
}

TEST_F(PadInputTest, TheStickHoldsPastHalfWayAndLetsGoUnderAThird) {
    struct Step {
        int axis, value;
        bool up, down, left, right;
    };
    const Step steps[] = {
        {1, -16000, false, false, false, false}, {1, -16384, true, false, false, false},
        {1, -11000, true, false, false, false},  {1, -10000, false, false, false, false},
        {1, 32767, false, true, false, false},   {1, -32768, true, false, false, false},
        {0, -20000, true, false, true, false},   {0, 20000, true, false, false, true},
        {1, 0, false, false, false, true},       {0, 0, false, false, false, false},
        {2, 32767, false, false, false, false},
    };
    for (const Step& s : steps) {
        NextFrame();
        SetPadStick(0, s.axis, s.value);
        EXPECT_EQ(KeyHeld('Y'), s.up) << s.axis << " " << s.value;
        EXPECT_EQ(KeyHeld('B'), s.down) << s.axis << " " << s.value;
        EXPECT_EQ(KeyHeld('G'), s.left) << s.axis << " " << s.value;
        EXPECT_EQ(KeyHeld('H'), s.right) << s.axis << " " << s.value;
    }
}

TEST_F(PadInputTest, APadPulledOutLetsGoOfEverythingItHeld) {
    SetPadPlayers(2);
    SetPadButton(1, PadButton::a, true);
    SetPadButton(1, PadButton::left, true);
    SetPadButton(0, PadButton::a, true);
    NextFrame();
    ReleasePadSeat(1);
    EXPECT_FALSE(KeyHeld('L'));
    EXPECT_FALSE(KeyHeld(vkLeft));
    EXPECT_TRUE(KeyHeld('X'));
    // Its buttons' releases arriving late change nothing.
    SetPadButton(1, PadButton::a, false);
    EXPECT_EQ(padHolds['L'], 0);
    ReleaseAllPads();
    EXPECT_FALSE(KeyHeld('X'));
}

TEST_F(PadInputTest, SeatsOutsideTheTwoAreIgnored) {
    for (int seat : {-1, 2, 7}) {
        SetPadButton(seat, PadButton::a, true);
        SetPadStick(seat, 0, 32767);
        ReleasePadSeat(seat);
    }
    for (int vk = 0; vk < 256; ++vk) EXPECT_FALSE(KeyHeld(vk)) << vk;
}

}  // namespace
