#pragma once
#include <cstdint>
#include <string>

#include "replay/replay_record.h"

// Watching a replay: its match on the real match screen, with its sounds,
// marked 「リプレイ」 at the top, at 1x, 2x or 4x (left and right), paused
// and resumed with X, left with Z or Escape. At its end the last picture of
// the match stays with its result in a box until a key is pressed. Then the
// game goes back where the replay was started: the ranking viewer, or, for
// sumline --replay, the game ends (as a player watching one file expects).
// The player's own options, parameters and items are put back first.

enum class ReplayWayBack : int8_t { rankingViewer, endGame };

// The replay being watched (about 1.2 MB, so process-wide).
extern Replay watchedReplay;

// Speeds the watcher offers, in steps per 20 ms.
constexpr int8_t replaySpeeds[3] = {1, 2, 4};

// What the watcher keeps between its frames.
struct ReplayWatch {
    ReplayWayBack wayBack = ReplayWayBack::endGame;
    int8_t phase = 0;        // 0 closing the screen before, 1 playing, 2 the end shown, 3 closing after
    int8_t speedIndex = 0;   // into replaySpeeds
    int8_t paused = 0;
    int8_t keyLatch = 1;     // 1 until every watcher key is up (a key held on entry acts once released)
    uint32_t paceMark = 0;   // wall clock of the last step run
    int32_t endWait = 0;     // frames the end has been shown
};
extern ReplayWatch replayWatch;

// Starts watching watchedReplay as the current scene, to return as told.
void WatchReplay(ReplayWayBack wayBack);

// The ranking viewer's link (shell/scene_links.h): the replay of entry place
// of the endless ranking file is read and watched; nullptr, or what the
// viewer's notice says when there is none or it cannot be read (the reason
// of a bad file goes to standard error too).
const char* WatchRankingReplay(int place);

// The watcher's scene.
void ReplayWatchScene();

// The first scene of sumline --replay: watchedReplay, read beforehand, then
// the game ends.
void WatchReplayToTheEnd();

// The replay layer in the game: every match recorded, and the ranking
// viewer's way to the replays. Once, at start-up.
void LinkReplays();
