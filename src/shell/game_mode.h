#pragma once
#include <cstdint>

// The eight modes of the main menu, in the order of its tiles (two per
// column, left to right).
enum GameMode : int8_t {
    endlessMode = 0,
    versusMode = 1,
    puzzleMode = 2,
    practiceMode = 3,
    editorMode = 4,
    rankingMode = 5,
    galleryMode = 6,
    optionsMode = 7,
};
constexpr int gameModeCount = 8;

// The main menu's choice, which keeps its value during the mode it started.
// While the menu runs, negative values are the back tile, remembering the
// column it came from (-8, -6, -4, -2); the cancel key makes it -1.
extern int8_t gameMode;

inline bool InMode(GameMode mode) { return gameMode == mode; }
