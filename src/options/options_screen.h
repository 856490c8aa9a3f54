#pragma once
#include "shell/scene.h"

// The options screen, reached from the main menu: the five settings, the end,
// recommended and reset buttons, and the question whether to save.

// Loads the screen's sheet and the options file, then runs the screen.
void OptionsEnterScene();

// One frame: keys, pictures, boxes, leaving and the wipes.
void OptionsScene();

// The screen's own state back to its process start.
void ResetOptionsScreen();
