#pragma once

// shell: what every screen runs in: the scene slot, the main loop, the game
// mode, the menu input and menu assets, the farewell, the data files' names
// and the failed-save notice, and the scene links to the main menu. It
// stands on content and platform. The layers above lead back to the main
// menu through `sceneLinks` (shell/scene_links.h), which the front end fills
// in, so no include has to run up the stack.

// A scene does one frame of its screen per call and moves the game on by
// storing another scene.
using Scene = void (*)();

// The scene the main loop calls; never empty while the loop runs.
extern Scene currentScene;
