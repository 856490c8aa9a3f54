#pragma once
#include <cstdint>

// Versus against a player on another machine bends the set-up, as the
// computer opponent does: this machine sets up its own side only, steered
// with player 1's keys whichever board it plays, and the layer above that
// owns the link fills in what happens around it. The set-up itself never
// hears of the network.
struct RemoteOpponent {
    int8_t ownSide = -1;  // -1 both sides are set up here; 0 or 1 the side this machine sets up
    // Called at the start of every frame of the set-up screen, before its
    // keys: reads the link, and may leave the screen (currentScene changed).
    void (*eachFrame)() = nullptr;
    // While the key guide covers the set-up or the confirmation: keeps the
    // link moving, so the other machine does not take this one for gone;
    // true once the link is gone, and the screen must say so.
    bool (*keepAlive)() = nullptr;
    // Own side's decide button: the profile is final and the screen is left
    // for whatever the hook stores in currentScene.
    void (*decided)() = nullptr;
    // Own side's cancel button or Escape: the game against the other
    // machine ends.
    void (*left)() = nullptr;
    // The confirmation leaves a side's chart, points, items and answer out
    // while its profile is not here (1).
    int8_t hidden[2] = {};
    // Said on the confirmation in place of its question while set: what this
    // side waits for.
    const char* confirmLine = nullptr;
};
extern RemoteOpponent remoteOpponent;

// True while the set-up serves one side of a game against another machine.
inline bool RemoteSetup() { return remoteOpponent.ownSide >= 0; }

// The seat whose keys steer the set-up of the player being set up: online
// always player 1's, on one keyboard the player's own.
int SetupSeat();

// The online key guide pages' hook: remoteOpponent.keepAlive, when set.
bool KeepRemoteAlive();
