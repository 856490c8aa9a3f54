#pragma once
#include <cstdint>

// Characters the player types, as the keyboard's layout makes them, for a
// field that takes text (an address): not the game's keys, which say only
// that a key is down. Nothing is kept unless a screen wants typing; the
// backend turns the system's text input on and off to match.

constexpr uint32_t typedBackspace = 0x08;
constexpr int typedTextMax = 64;

// A screen with a field says so on each of its frames; any other screen
// (or a new frame without the call) turns typing off again through
// FollowTypingWish.
void WantTypedText();
// Called by the backend once a frame: true while a screen wanted typing
// since the last call (the wish then lapses), and what was typed is dropped
// when it did not.
bool FollowTypingWish();

// Written by the backends: text typed (UTF-8), and the Backspace key.
void AddTypedText(const char* utf8);
void AddTypedBackspace();

// The next character typed, oldest first (typedBackspace for Backspace);
// false when none is waiting. At most typedTextMax wait; more are dropped.
bool NextTypedChar(uint32_t& codepoint);

// Nothing typed, nothing wanted.
void ResetTypedText();
