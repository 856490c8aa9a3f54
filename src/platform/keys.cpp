#include "platform/keys.h"

#include <cstring>

bool keyDown[256];
bool keyboardDown[256];
uint8_t padHolds[256];

namespace {

// Keys that went down since the last frame was presented. A tap quicker than
// a frame (or one that falls inside a frame that stalled) still reaches that
// frame's scene: frames, not loop passes, are what see the keys, so a paced
// scene's passes between its steps leave the mark alone.
bool keyPressed[256];
bool heldBack[256];

}  // namespace

bool KeyHeld(int vk) {
    const int key = vk & 0xFF;
    return (keyDown[key] || keyPressed[key]) && !heldBack[key];
}

void HoldBackHeldKeys() {
    for (int key = 0; key < 256; ++key) heldBack[key] = keyDown[key];
    // A tap already let go is over as well.
    ClearKeyPresses();
}

void ForgetHeldBackKeys() {
    for (bool& back : heldBack) back = false;
}

void RefreshKey(int vk) {
    const int key = vk & 0xFF;
    const bool down = keyboardDown[key] || padHolds[key] > 0;
    if (down && !keyDown[key]) keyPressed[key] = true;
    keyDown[key] = down;
    // Let go, the key is the player's again.
    if (!down) heldBack[key] = false;
}

void ClearKeyPresses() { std::memset(keyPressed, 0, sizeof keyPressed); }

void ResetKeys() {
    std::memset(keyDown, 0, sizeof keyDown);
    std::memset(keyboardDown, 0, sizeof keyboardDown);
    std::memset(padHolds, 0, sizeof padHolds);
    ClearKeyPresses();
    ForgetHeldBackKeys();
}
