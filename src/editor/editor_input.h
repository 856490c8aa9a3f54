#pragma once

// The editor's keys, once per step, in their order: the cursor step under
// way, Escape (leaving, or asking first when changes are unsaved), C and X
// (the questions), the arrows, X Z A S, and the wipe that leaves for the
// menu.
void EditorInput();

// Back to the main menu through the shell: the menu's own sheet, its sounds,
// and its music unless the sound is off.
void LeaveEditor();
