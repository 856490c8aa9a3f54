#pragma once
#include "platform/keys.h"

// The editor's own keys (the cursor keys and Escape are the menus').
struct EditorKeys {
    int raise, lower;          // the number of the cell under the cursor
    int previousField, nextField;
    int confirm;               // the save question, and the answer to a question
};
inline constexpr EditorKeys editorKeys = {'X', 'Z', 'A', 'S', 'C'};

// The editor's keys, once per step, in their order: the cursor step under
// way, Escape (leaving, or asking first when changes are unsaved), C and X
// (the questions), the arrows, X Z A S, and the wipe that leaves for the
// menu.
void EditorInput();

// Back to the main menu through the shell: the menu's own sheet, its sounds,
// and its music unless the sound is off.
void LeaveEditor();
