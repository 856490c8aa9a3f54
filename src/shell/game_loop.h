#pragma once
#include "shell/scene.h"

// Prepares the game as start-up does: the leftovers of interrupted writes
// removed from "Data\", empty sheet slots, the game's palette
// (content/game_palette.h) as the display palette, the three start-up
// sounds, the shared fonts, brushes and pen, and the first scene (the front
// end's boot scene) as the current one.
void StartGame(Scene first);

// One pass of the main loop: window events, then the current scene once.
// Returns false when the game has ended.
bool RunLoopPass();

// For a scene that runs a loop of its own (a modal loop that waits for the
// player): handles the window's events as the main loop does. False when
// the window was closed: the farewell is then the current scene, and the
// loop must end without storing another.
bool ModalLoopPass();

// What must go on while a modal loop holds the main loop for seconds (the
// countdown of a match): the link to another game, which would otherwise
// hear nothing and give up on this one. Called on every modal pass; none
// unless set.
extern void (*modalLoopChore)();

// What must go on in the background whatever the scene (a connection to
// another game being closed gracefully, its goodbye still on the way).
// Called on every pass of the main loop; none unless set.
extern void (*everyPassChore)();

// Start-up, then the loop until the shutdown scene ends it. Returns the exit code.
int RunGame(Scene first);
