#include "match/controls.h"
#include "match/step_input.h"
#include "platform/keys.h"
#include "shell/game_mode.h"

namespace {

uint16_t Bit(bool held, MatchKeyBit bit) { return held ? bit : 0; }

// An arrow steers player 0 as well outside versus, unless he bound it to
// one of his actions: then it does that alone.
bool ArrowHeld(int p, int arrow) {
    if (p != 0 || gameMode == versusMode) return false;
    for (int action = 0; action < bindingActionCount; ++action)
        if (BoundKey(0, action) == arrow) return false;
    return KeyHeld(arrow);
}

uint16_t PlayerBits(int p) {
    const PlayerKeys& keys = playerKeys[p];
    uint16_t bits = 0;
    bits |= Bit(KeyHeld(keys.up) || ArrowHeld(p, vkUp), inputUp);
    bits |= Bit(KeyHeld(keys.right) || ArrowHeld(p, vkRight), inputRight);
    bits |= Bit(KeyHeld(keys.down) || ArrowHeld(p, vkDown), inputDown);
    bits |= Bit(KeyHeld(keys.left) || ArrowHeld(p, vkLeft), inputLeft);
    bits |= Bit(KeyHeld(keys.swap), inputSwap);
    bits |= Bit(KeyHeld(keys.select), inputSelect);
    bits |= Bit(KeyHeld(keys.drop), inputDrop);
    bits |= Bit(KeyHeld(keys.exDelete), inputExDelete);
    bits |= Bit(KeyHeld(keys.exMaxdelete), inputExMaxdelete);
    bits |= Bit(KeyHeld(keys.cancel), inputCancel);
    bits |= Bit(KeyHeld(keys.pause), inputPause);
    return bits;
}

}  // namespace

void KeyboardMatchInput(MatchInput& input) {
    input.player[0] = static_cast<uint16_t>(PlayerBits(0) | Bit(KeyHeld(vkEscape), inputLeave));
    input.player[1] = PlayerBits(1);
}
