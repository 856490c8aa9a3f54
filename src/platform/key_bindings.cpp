#include "platform/key_bindings.h"

#include "platform/key_places.h"

PlayerKeys playerKeys[bindingPlayerCount] = {defaultPlayerKeys[0], defaultPlayerKeys[1]};
PadButton playerButtons[bindingPlayerCount][bindingActionCount] = {
    {defaultButtons[0], defaultButtons[1], defaultButtons[2], defaultButtons[3], defaultButtons[4], defaultButtons[5],
     defaultButtons[6], defaultButtons[7], defaultButtons[8], defaultButtons[9], defaultButtons[10]},
    {defaultButtons[0], defaultButtons[1], defaultButtons[2], defaultButtons[3], defaultButtons[4], defaultButtons[5],
     defaultButtons[6], defaultButtons[7], defaultButtons[8], defaultButtons[9], defaultButtons[10]},
};

namespace {

constexpr int PlayerKeys::*actionKeys[bindingActionCount] = {
    &PlayerKeys::up,     &PlayerKeys::right, &PlayerKeys::down,     &PlayerKeys::left,
    &PlayerKeys::swap,   &PlayerKeys::select, &PlayerKeys::drop,    &PlayerKeys::exDelete,
    &PlayerKeys::exMaxdelete, &PlayerKeys::cancel, &PlayerKeys::pause,
};

// Player 1's sets, in the action order.
constexpr PlayerKeys keySets[2] = {
    // The arrows steer; Z and X stay where the game's own set has them.
    {vkUp, vkRight, vkDown, vkLeft, 'X', 'S', 'A', 'Q', 'W', 'Z', 'C'},
    // W/A/S/D steer; J swaps and K cancels under the right hand, the line
    // above them as S sits above X and Z, the EX attacks either side of W.
    {'W', 'D', 'S', 'A', 'J', 'U', 'Y', 'Q', 'E', 'K', 'C'},
};

}  // namespace

int& BoundKey(int player, int action) { return playerKeys[player].*actionKeys[action]; }

int DefaultKey(int player, int action) { return defaultPlayerKeys[player].*actionKeys[action]; }

bool ReservedKey(int vk) { return vk == vkEscape || vk == vkF1 || vk == vkF2 || vk == vkF3; }

bool BindableButton(PadButton button) {
    switch (button) {
        case PadButton::stickUp:
        case PadButton::stickDown:
        case PadButton::stickLeft:
        case PadButton::stickRight:
        case PadButton::back:
        case PadButton::guide: return false;
        default: return static_cast<int>(button) < padButtonCount;
    }
}

BindingHolder KeyHolder(int vk, int player, int action) {
    for (int p = 0; p < bindingPlayerCount; ++p) {
        for (int a = 0; a < bindingActionCount; ++a) {
            if (p == player && a == action) continue;
            if (BoundKey(p, a) == vk) return {static_cast<int8_t>(p), static_cast<int8_t>(a)};
        }
    }
    return {};
}

int ButtonHolder(int player, PadButton button, int action) {
    for (int a = 0; a < bindingActionCount; ++a)
        if (a != action && playerButtons[player][a] == button) return a;
    return -1;
}

bool BindingsSound() {
    for (int p = 0; p < bindingPlayerCount; ++p) {
        for (int a = 0; a < bindingActionCount; ++a) {
            const int vk = BoundKey(p, a);
            if (PlaceOfKey(vk) < 0 || ReservedKey(vk) || KeyHolder(vk, p, a).player >= 0) return false;
            const PadButton button = playerButtons[p][a];
            if (!BindableButton(button) || ButtonHolder(p, button, a) >= 0) return false;
        }
    }
    return true;
}

void ResetBindings() {
    for (int p = 0; p < bindingPlayerCount; ++p) {
        playerKeys[p] = defaultPlayerKeys[p];
        for (int a = 0; a < bindingActionCount; ++a) playerButtons[p][a] = defaultButtons[a];
    }
}

void TakeKeySet(KeySet set) {
    const PlayerKeys before = playerKeys[0];
    playerKeys[0] = keySets[static_cast<int>(set)];
    for (int a = 0; a < bindingActionCount; ++a) {
        int& key = BoundKey(1, a);
        // Follow the taken key back to what player 1 held for the action
        // that took it, until that is a key the set left free. Player 1's
        // old keys and new keys are each distinct, so the trail ends, and
        // two trails never end on the same key.
        for (int step = 0; step < bindingActionCount; ++step) {
            const BindingHolder holder = KeyHolder(key, 1, a);
            if (holder.player != 0) break;
            key = before.*actionKeys[holder.action];
        }
    }
}
