#pragma once
// Versus matches through the real scenes: both players' records set as the
// set-up screens leave them, the match entered through MatchSetupScene, and
// presses with each player's own keys, one match step at a time.
#include <array>
#include <cstdint>

#include "match/controls.h"
#include "match/match_run.h"
#include "match/match_setup.h"
#include "setup/player_params.h"
#include "shell/game_mode.h"

namespace versusRun {

// One player's records: EX, SPEED, LUCK, CHAIN, LOCK, the two item slots and
// the item switch.
struct Profile {
    std::array<int8_t, 5> params{0, 2, 5, 5, 0};
    std::array<int8_t, 2> items{-1, -1};
    int8_t itemsOff = 0;
};

inline void SetProfile(int p, const Profile& profile) {
    for (int i = 0; i < 5; ++i) playerParams[p][i] = profile.params[i];
    itemSlots[p][0] = profile.items[0];
    itemSlots[p][1] = profile.items[1];
    itemUseOff[p] = profile.itemsOff;
}

// From the menu into a running match of the mode, as the menu (or, for
// versus, the set-up screens) hands over.
inline bool EnterMatch(int mode) {
    gameMode = static_cast<int8_t>(mode);
    PrepareMatchEntry();
    currentScene = MatchSetupScene;
    return harness::RunUntil([] { return currentScene == MatchScene && matchStarted == 1; }, 5000000);
}

inline bool EnterVersus() { return EnterMatch(versusMode); }

// From a fresh menu: the profiles set, into a running versus match.
inline bool StartVersus(const Profile& left = {}, const Profile& right = {}) {
    if (!frontendSteps::BootToMenu()) return false;
    SetProfile(0, left);
    SetProfile(1, right);
    return EnterVersus();
}

// Fills a column of p's field to the top row, so the stack tops out.
inline void FillToTheTop(int p) {
    for (int r = 2; r < boardRows; ++r) Cell(p, r, 0) = static_cast<int8_t>(1 + r % 2);
}

inline void Steps(int n) {
    for (int i = 0; i < n; ++i) matchRun::Step();
}

// Steps until the predicate holds; false if it did not within n steps.
template <typename Pred>
bool StepUntil(Pred done, int n) {
    for (int i = 0; i < n && !done(); ++i) matchRun::Step();
    return done();
}

}  // namespace versusRun
