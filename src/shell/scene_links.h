#pragma once
#include "shell/scene.h"

// The ways up the layers. A mode ends in the main menu, which belongs to the
// front end above it; the front end fills these in before the first frame
// (LinkFrontEnd), so the modes lead there without knowing its code.
struct SceneLinks {
    // The hub of the game.
    Scene mainMenu = nullptr;
    // Title sheet, menu music and sounds back in their slots, then the main
    // menu, its music playing unless the sound is off.
    void (*returnToMainMenu)() = nullptr;
    // The match's set-up, where the versus setup hands over.
    Scene versusMatch = nullptr;
    // Online versus, from the question before the set-up: the hosting
    // screen (on the default port) and the joining screen. Unset: the
    // question stays where it is.
    Scene hostNetGame = nullptr;
    Scene joinNetGame = nullptr;
    // The ranking viewer's way to the replay of the entry at place (0..99)
    // of the endless ranking file: the replay scene is stored and nullptr
    // returned, or the reason it cannot be watched (one line for the
    // viewer's two-second notice). Unset: no replay can be watched.
    const char* (*watchRankingReplay)(int place) = nullptr;
};
extern SceneLinks sceneLinks;
