#pragma once

// Prepares the game as start-up does: empty sheet slots, the three start-up
// sounds, the shared fonts, brushes and pen, and BootScene as the first scene.
void StartGame();

// One pass of the main loop: window events, then the current scene once.
// Returns false when the game has ended.
bool RunLoopPass();

// Start-up, then the loop until the shutdown scene ends it. Returns the exit code.
int RunGame();
