#include "platform/keys.h"

bool keyDown[256];
bool keyboardDown[256];
uint8_t padHolds[256];

namespace {

bool heldBack[256];

}  // namespace

bool KeyHeld(int vk) { return keyDown[vk & 0xFF] && !heldBack[vk & 0xFF]; }

void HoldBackHeldKeys() {
    for (int key = 0; key < 256; ++key) heldBack[key] = keyDown[key];
}

void ForgetHeldBackKeys() {
    for (bool& back : heldBack) back = false;
}

void RefreshKey(int vk) {
    const int key = vk & 0xFF;
    keyDown[key] = keyboardDown[key] || padHolds[key] > 0;
    // Let go, the key is the player's again.
    if (!keyDown[key]) heldBack[key] = false;
}
