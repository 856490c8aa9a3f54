#pragma once
#include <cstdint>

// Gamepads play through the keys: each button holds the key it stands for,
// so every screen reads a pad exactly as it reads the keyboard.

enum class PadButton : uint8_t {
    up, down, left, right,                      // the d-pad
    stickUp, stickDown, stickLeft, stickRight,  // the left stick past its dead zone
    a, b, x, y,
    leftShoulder, rightShoulder,
    start, back,
    guide,  // the middle button: the key guide
};
constexpr int padButtonCount = 17;

// Player 1 (the left board) and player 2.
constexpr int padPlayerCount = 2;

// The key a button stands for when its pad plays the player (0 or 1): the
// key of the action the player bound it to (platform/key_bindings.h; at
// first the directions, A swap and decide, B cancel and back, X the line, Y
// a new row, the shoulders the two EX attacks, Start pause), Back Escape and
// the middle (guide) button F1, the key guide; -1 for a button bound to
// nothing.
int PadKey(int player, PadButton button);

// The arrow key a direction also holds while one player plays, or -1: the
// arrows steer player 1 everywhere but in versus, and the name entry of the
// ranking reads the arrows alone.
int PadArrowKey(PadButton button);
