#include "match/controls.h"
#include "match/step_input.h"
#include "platform/keys.h"
#include "shell/game_mode.h"

namespace {

uint16_t Bit(bool held, MatchKeyBit bit) { return held ? bit : 0; }

uint16_t PlayerBits(int p) {
    const PlayerKeys& keys = playerKeys[p];
    const bool arrowsToo = p == 0 && gameMode != versusMode;
    uint16_t bits = 0;
    bits |= Bit(KeyHeld(keys.up) || (arrowsToo && KeyHeld(vkUp)), inputUp);
    bits |= Bit(KeyHeld(keys.right) || (arrowsToo && KeyHeld(vkRight)), inputRight);
    bits |= Bit(KeyHeld(keys.down) || (arrowsToo && KeyHeld(vkDown)), inputDown);
    bits |= Bit(KeyHeld(keys.left) || (arrowsToo && KeyHeld(vkLeft)), inputLeft);
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
