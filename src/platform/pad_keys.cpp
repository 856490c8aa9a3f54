#include "platform/pad_keys.h"

#include "platform/keys.h"

namespace {

// In PadButton's order. Player 1's are the left hand's letters, which the
// menus read too; player 2's the right hand's keys of a versus match.
constexpr int16_t keysOf[padPlayerCount][padButtonCount] = {
    {'Y', 'B', 'G', 'H', 'Y', 'B', 'G', 'H', 'X', 'Z', 'S', 'A', 'Q', 'W', 'C', vkEscape, vkF1},
    {vkUp, vkDown, vkLeft, vkRight, vkUp, vkDown, vkLeft, vkRight, 'L', 'K', 'O', 'I', vkDigit8, vkDigit9, vkReturn,
     vkEscape, vkF1},
};

}  // namespace

int PadKey(int player, PadButton button) {
    const int index = static_cast<int>(button);
    if (player < 0 || player >= padPlayerCount || index >= padButtonCount) return -1;
    return keysOf[player][index];
}

int PadArrowKey(PadButton button) {
    const int index = static_cast<int>(button);
    return index < static_cast<int>(PadButton::a) ? PadKey(1, button) : -1;
}
