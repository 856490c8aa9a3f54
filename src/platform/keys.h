#pragma once
#include <cstdint>

// The game's key codes (the classic virtual-key numbers).
constexpr int vkReturn = 0x0D;
constexpr int vkEscape = 0x1B;
constexpr int vkLeft = 0x25;
constexpr int vkUp = 0x26;
constexpr int vkRight = 0x27;
constexpr int vkDown = 0x28;
constexpr int vkDigit8 = 0x38;
constexpr int vkDigit9 = 0x39;
constexpr int vkF1 = 0x70;
constexpr int vkF2 = 0x71;
constexpr int vkF3 = 0x72;
// Letters use their upper-case ASCII code: 'X' is 0x58.

// True while the key is down, as the backend last saw it, and for the frame
// after it went down even when it is already up again (a press between two
// frames is never lost), unless it is held back (below).
bool KeyHeld(int vk);

// Holds back every key that is down now: KeyHeld says it is up until it has
// been let go, so a key pressed while the key guide covered the screen acts
// only when pressed anew; a tap not yet seen is dropped.
void HoldBackHeldKeys();
// Nothing held back (start-up).
void ForgetHeldBackKeys();

// Written by the backends only: a key is down while the keyboard or a pad
// (platform/pad_input.h) holds it.
extern bool keyDown[256];
extern bool keyboardDown[256];
extern uint8_t padHolds[256];  // how many pad buttons hold the key
// keyDown[vk] anew from its two sources; a key going down is marked as
// pressed until the next frame is presented.
void RefreshKey(int vk);

// A frame is being presented: the presses it has seen are over (Present
// calls it; a scene that presents nothing on a pass keeps them).
void ClearKeyPresses();

// Nothing held, pressed or held back (start-up, the tests).
void ResetKeys();
