#pragma once
// Walks whole matches through the real scenes: from the menu into a match,
// a deterministic or random player, and the checks every step must pass.
#include <cstddef>
#include <cstdint>
#include <random>
#include <string>

#include "frontend/frontend_steps.h"
#include "match/match_scene.h"
#include "match/match_state.h"
#include "ranking/name_entry.h"

namespace matchRun {

// From boot, through the menu, into a running match of the given mode.
inline bool MenuToMatch(int mode) {
    if (!frontendSteps::BootToMenu()) return false;
    gameMode = static_cast<int8_t>(mode);
    harness::Tap('X');
    return harness::RunUntil([] { return currentScene == MatchScene && matchStarted == 1; }, 5000000);
}

// Runs until the match has taken one more 20 ms step (or the scene changes).
inline void Step() {
    const uint32_t last = matchStep;
    harness::RunUntil([last] { return matchStep != last || currentScene != MatchScene; }, 100);
}

// A 64-bit FNV-1a hash of the bytes, to pin a file or a board in a replay.
inline uint64_t Fnv1a(const void* data, size_t size) {
    uint64_t h = 1469598103934665603ull;
    const auto* bytes = static_cast<const uint8_t*>(data);
    for (size_t i = 0; i < size; ++i) h = (h ^ bytes[i]) * 1099511628211ull;
    return h;
}

// One press: held for a match step, released for a step.
inline void Press(int vk) {
    harness::Hold(vk);
    Step();
    harness::Release(vk);
    Step();
}

// Every value a step may leave behind stays inside its range.
inline std::string BrokenInvariant() {
    for (int i = 0; i < 2 * boardCells; ++i)
        if (board[i] < -1 || board[i] > 16) return "cell " + std::to_string(i) + " = " + std::to_string(board[i]);
    for (int p = 0; p < 2; ++p) {
        const Player& pl = players[p];
        const auto bad = [&](const char* what, long v) { return "player " + std::to_string(p) + " " + what + " = " + std::to_string(v); };
        if (pl.cursorX < 0 || pl.cursorX > 6) return bad("cursorX", pl.cursorX);
        if (pl.cursorY < 2 || pl.cursorY > 15) return bad("cursorY", pl.cursorY);
        if (pl.score < 0 || pl.score > 99999999) return bad("score", pl.score);
        if (pl.scoreHigh < 0 || pl.scoreHigh > 9999) return bad("scoreHigh", pl.scoreHigh);
        if (pl.chain < 0 || pl.chain > 999) return bad("chain", pl.chain);
        if (pl.exGauge < 0 || pl.exGauge > 300) return bad("exGauge", pl.exGauge);
        if (pl.limitCounter < 0 || pl.limitCounter > LimitFrames(p)) return bad("limitCounter", pl.limitCounter);
        if (pl.riseOffset < 0 || pl.riseOffset > 26) return bad("riseOffset", pl.riseOffset);
        if (pl.dropPending < 0 || pl.dropPending > 35) return bad("dropPending", pl.dropPending);
        if (pl.dropOverflow < 0) return bad("dropOverflow", pl.dropOverflow);
        if (pl.dropPhase < -1 || pl.dropPhase > 2) return bad("dropPhase", pl.dropPhase);
        if (pl.lineState < -1 || pl.lineState > 4) return bad("lineState", pl.lineState);
        if (pl.swapState < 0 || pl.swapState > 2) return bad("swapState", pl.swapState);
        if (pl.lineScore < 0 || pl.lineScore > 999999) return bad("lineScore", pl.lineScore);
        if (pl.topOutTimer < 0 || pl.topOutTimer > 201) return bad("topOutTimer", pl.topOutTimer);
        for (const auto& row : pl.nextPanels)
            for (int8_t v : row)
                if (v < -1 || v > 7) return bad("nextPanels", v);
    }
    if (level < 1 || level > 999) return "level " + std::to_string(level);
    if (maxChain < 0 || maxChain > 999) return "maxChain " + std::to_string(maxChain);
    if (clockSeconds < 0 || clockSeconds > 59 || clockMinutes < 0 || clockMinutes > 59 || clockHours < 0 ||
        clockHours > 99)
        return "clock";
    if (attackMeterSize < 0 || attackMeterSize > 15) return "attackMeterSize " + std::to_string(attackMeterSize);
    return {};
}

// The keys a player uses in a one-player match.
constexpr int playKeys[] = {'Y', 'H', 'B', 'G', 'X', 'S', 'A', 'Q', 'W', 'Z', 'C'};

}  // namespace matchRun
