#pragma once

// A scene does one frame of its screen per call and moves the game on by
// storing another scene.
using Scene = void (*)();

// The scene the main loop calls; never empty while the loop runs.
extern Scene currentScene;
