#include "platform/pad_keys.h"

#include "platform/key_bindings.h"
#include "platform/keys.h"

namespace {

// The stick's directions follow the d-pad's.
PadButton DpadOf(PadButton button) {
    switch (button) {
        case PadButton::stickUp: return PadButton::up;
        case PadButton::stickDown: return PadButton::down;
        case PadButton::stickLeft: return PadButton::left;
        case PadButton::stickRight: return PadButton::right;
        default: return button;
    }
}

}  // namespace

int PadKey(int player, PadButton button) {
    const int index = static_cast<int>(button);
    if (player < 0 || player >= padPlayerCount || index >= padButtonCount) return -1;
    if (button == PadButton::back) return vkEscape;
    if (button == PadButton::guide) return vkF1;
    const int action = ButtonHolder(player, DpadOf(button), -1);
    return action >= 0 ? BoundKey(player, action) : -1;
}

int PadArrowKey(PadButton button) {
    switch (DpadOf(button)) {
        case PadButton::up: return vkUp;
        case PadButton::down: return vkDown;
        case PadButton::left: return vkLeft;
        case PadButton::right: return vkRight;
        default: return -1;
    }
}
