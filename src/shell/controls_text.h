#pragma once
#include <cstddef>
#include <cstdint>

#include "platform/key_bindings.h"

// The text of the players' keys file (shell/controls_file.h): one line per
// player and action,
//
//     1 swap 27 a    # X
//
// the player (1 or 2), the action, the key's place on the keyboard (its
// scancode, so a binding survives a change of layout) and the pad button;
// "#" starts a comment.

// The names the file gives the actions (in BindingAction order) and the pad
// buttons.
extern const char* const bindingActionWords[bindingActionCount];
const char* PadButtonWord(PadButton button);
// What a reading had to put back: the actions that got the game's own key
// and button, and the lines it could not use.
struct ControlsFallback {
    bool action[bindingPlayerCount][bindingActionCount] = {};
    int badLines[8] = {};
    int8_t badLineCount = 0;  // up to 8 noted
    bool moreBadLines = false;
};

// Reads the file's text into the bindings in force, trusting none of it:
// the game's own keys first, then each sound line in turn. A line that is not
// understood is left out; an action named twice keeps its first line; a key
// or button taken already, or an action no line gives, gets the game's own;
// and when even those clash, every action does. True when nothing had to be
// put back.
bool ParseControls(const char* text, size_t size, ControlsFallback& fallback);

// The one line that names a fall-back, without a line break:
// "sumline: <path>: the game's own keys for 1P swap, 2P up (line 3 not understood)".
void ControlsFallbackLine(const char* path, const ControlsFallback& fallback, char* out, size_t capacity);

// The bindings in force as the file's text; returns its length (the text
// always fits 2048 bytes: 22 short lines and a heading).
size_t FormatControls(char* out, size_t capacity);
