#pragma once
#include "shell/scene.h"

// Prepares the game as start-up does: empty sheet slots, the three start-up
// sounds, the shared fonts, brushes and pen, and the first scene (the front
// end's boot scene) as the current one.
void StartGame(Scene first);

// One pass of the main loop: window events, then the current scene once.
// Returns false when the game has ended.
bool RunLoopPass();

// Start-up, then the loop until the shutdown scene ends it. Returns the exit code.
int RunGame(Scene first);
