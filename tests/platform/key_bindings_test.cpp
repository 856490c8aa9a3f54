#include <gtest/gtest.h>

#include "platform/key_bindings.h"
#include "platform/key_places.h"
#include "platform/pad_keys.h"
#include "platform/virtual/virtual_backend.h"

namespace {

class KeyBindings : public ::testing::Test {
protected:
    void SetUp() override {
        virtualBackend::Reset();
        ResetBindings();
    }
    void TearDown() override {
        virtualBackend::Reset();
        ResetBindings();
    }
};

void ExpectKeys(int player, const PlayerKeys& expected) {
    const PlayerKeys& got = playerKeys[player];
    const int gotKeys[bindingActionCount] = {got.up, got.right, got.down, got.left, got.swap, got.select,
                                             got.drop, got.exDelete, got.exMaxdelete, got.cancel, got.pause};
    const int wantKeys[bindingActionCount] = {expected.up,       expected.right,  expected.down,   expected.left,
                                              expected.swap,     expected.select, expected.drop,   expected.exDelete,
                                              expected.exMaxdelete, expected.cancel, expected.pause};
    for (int a = 0; a < bindingActionCount; ++a)
        EXPECT_EQ(gotKeys[a], wantKeys[a]) << "player " << player + 1 << " action " << a;
}

// A key is named by what the layout prints on it, and kept by its place.
TEST_F(KeyBindings, AKeyKeepsItsPlaceAndTakesTheLayoutsLabel) {
    const struct {
        int vk;
        int place;
        const char* us;
        const char* german;
    } cases[] = {
        {'Y', 28, "Y", "Z"},     {'Z', 29, "Z", "Y"},    {'X', 27, "X", "X"},      {0xBA, 51, ";", "Ö"},
        {0xDE, 52, "'", "Ä"},    {vkUp, 82, "↑", "↑"},   {vkReturn, 40, "Enter", "Enter"}, {0x20, 44, "Space", "Space"},
        {vkDigit8, 37, "8", "8"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(KeyOfPlace(c.place), c.vk) << c.us;
        EXPECT_EQ(PlaceOfKey(c.vk), c.place) << c.us;
        virtualBackend::UseKeyboardLayout(virtualBackend::KeyboardLayout::us);
        EXPECT_STREQ(KeyLabel(c.vk), c.us);
        virtualBackend::UseKeyboardLayout(virtualBackend::KeyboardLayout::german);
        EXPECT_STREQ(KeyLabel(c.vk), c.german);
        // The binding is the place: the German layout leaves player 1's
        // diamond where it was.
        EXPECT_EQ(playerKeys[0].up, 'Y');
    }
    EXPECT_EQ(KeyOfPlace(88), vkReturn) << "the keypad's Enter is Enter";
    EXPECT_EQ(KeyOfPlace(68), -1) << "F11 switches the screen, never the game's";
    EXPECT_STREQ(KeyLabel(0x07), "?");
}

TEST_F(KeyBindings, AKeyOrButtonHasOneHolderAndTheReservedKeysNone) {
    const BindingHolder x = KeyHolder('X', -1, -1);
    EXPECT_EQ(x.player, 0);
    EXPECT_EQ(x.action, bindSwap);
    const BindingHolder k = KeyHolder('K', 0, bindCancel);
    EXPECT_EQ(k.player, 1);
    EXPECT_EQ(k.action, bindCancel);
    EXPECT_EQ(KeyHolder('X', 0, bindSwap).player, -1) << "an action does not hold its key against itself";
    EXPECT_EQ(KeyHolder('J', -1, -1).player, -1);
    EXPECT_EQ(ButtonHolder(1, PadButton::a, -1), bindSwap);
    EXPECT_EQ(ButtonHolder(0, PadButton::back, -1), -1);
    for (const int vk : {vkEscape, vkF1, vkF2}) EXPECT_TRUE(ReservedKey(vk)) << vk;
    for (const int vk : {vkReturn, int{'X'}, vkUp}) EXPECT_FALSE(ReservedKey(vk)) << vk;
    EXPECT_TRUE(BindingsSound());
    playerKeys[1].swap = 'X';
    EXPECT_FALSE(BindingsSound()) << "one key for both players";
    ResetBindings();
    playerButtons[0][bindLine] = PadButton::a;
    EXPECT_FALSE(BindingsSound()) << "one button for two actions";
    ResetBindings();
    playerButtons[0][bindLine] = PadButton::guide;
    EXPECT_FALSE(BindingsSound()) << "the middle button is the key guide's";
}

TEST_F(KeyBindings, EachReadyMadeSetGivesPlayerOneItsKeysAndMovesPlayerTwoOffThem) {
    const struct {
        KeySet first;
        bool twice;  // the set taken after the other one
        KeySet set;
        PlayerKeys one;
        PlayerKeys two;
    } cases[] = {
        {KeySet::arrows, false, KeySet::arrows,
         {vkUp, vkRight, vkDown, vkLeft, 'X', 'S', 'A', 'Q', 'W', 'Z', 'C'},
         {'Y', 'H', 'B', 'G', 'L', 'O', 'I', vkDigit8, vkDigit9, 'K', vkReturn}},
        {KeySet::wasd, false, KeySet::wasd,
         {'W', 'D', 'S', 'A', 'J', 'U', 'Y', 'Q', 'E', 'K', 'C'},
         {vkUp, vkRight, vkDown, vkLeft, 'L', 'O', 'I', vkDigit8, vkDigit9, 'Z', vkReturn}},
        // Player 2 got Y H B G from the arrows; W/A/S/D then takes Y (a new
        // row), whose old key A is the set's left, whose old key is free.
        {KeySet::arrows, true, KeySet::wasd,
         {'W', 'D', 'S', 'A', 'J', 'U', 'Y', 'Q', 'E', 'K', 'C'},
         {vkLeft, 'H', 'B', 'G', 'L', 'O', 'I', vkDigit8, vkDigit9, 'Z', vkReturn}},
    };
    for (const auto& c : cases) {
        ResetBindings();
        if (c.twice) TakeKeySet(c.first);
        TakeKeySet(c.set);
        ExpectKeys(0, c.one);
        ExpectKeys(1, c.two);
        EXPECT_TRUE(BindingsSound());
    }
}

TEST_F(KeyBindings, APadButtonHoldsTheKeyOfTheActionBoundToIt) {
    EXPECT_EQ(PadKey(0, PadButton::a), 'X');
    playerButtons[0][bindSwap] = PadButton::y;
    playerButtons[0][bindRow] = PadButton::a;
    EXPECT_EQ(PadKey(0, PadButton::y), 'X');
    EXPECT_EQ(PadKey(0, PadButton::a), 'A');
    playerKeys[0].swap = 'J';
    EXPECT_EQ(PadKey(0, PadButton::y), 'J');
    EXPECT_EQ(PadKey(1, PadButton::a), 'L') << "player 2's pad keeps his own";
    // The stick follows the d-pad, Back and the middle button stay fixed.
    playerButtons[0][bindUp] = PadButton::start;
    playerButtons[0][bindPause] = PadButton::up;
    EXPECT_EQ(PadKey(0, PadButton::stickUp), 'C');
    EXPECT_EQ(PadKey(0, PadButton::start), 'Y');
    EXPECT_EQ(PadKey(0, PadButton::back), vkEscape);
    EXPECT_EQ(PadKey(0, PadButton::guide), vkF1);
    EXPECT_EQ(PadArrowKey(PadButton::up), vkUp) << "the d-pad's arrow stays the arrow";
}

}  // namespace
