#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <strings.h>
#include <filesystem>
#include <fstream>
#include <string>

#include "frontend/main_menu.h"
#include "harness/harness.h"
#include "match/match_state.h"
#include "match/step_input.h"
#include "options/options_file.h"
#include "platform/keys.h"
#include "platform/sound.h"
#include "platform/surface.h"
#include "platform/virtual/virtual_backend.h"
#include "setup/player_params.h"

// Shared set-up of the vanish rule, score, EX attack and drop tests: a fresh
// match in the given mode, with a hand-built board.
namespace vanishTest {

// Fresh records, empty boards, mode `mode`, target 7 + offset, difficulty 1.
inline void FreshMatch(int mode, int targetOffset = 3, int difficulty = 1) {
    harness::StartFresh();
    ResetMatchRecords();
    ResetMatchValues();
    gameMode = static_cast<int8_t>(mode);
    options = defaultOptions;
    options.targetSumOffset = static_cast<int8_t>(targetOffset);
    options.difficulty = static_cast<int8_t>(difficulty);
    twoPlayers = mode == 1 ? 1 : 0;
    for (int p = 0; p < 2; ++p) {
        playerParams[p][paramSpeed] = 2;
        playerParams[p][paramChain] = static_cast<int8_t>(mode == 0 ? 5 - 2 * difficulty : 5);
        itemUseOff[p] = 0;
    }
    LoadSoundBuffer(levelUpSound, "Sound\\Levelup.wav");
    LoadSoundBuffer(effectSound, "Sound\\Item.wav");
    harness::ClearSoundLog();
}

// Row r of player p from column c0 on.
inline void PutRow(int p, int r, int c0, std::initializer_list<int> values) {
    int c = c0;
    for (int v : values) Cell(p, r, c++) = static_cast<int8_t>(v);
}

// Column c of player p from row r0 up.
inline void PutColumn(int p, int c, int r0, std::initializer_list<int> values) {
    int r = r0;
    for (int v : values) Cell(p, r++, c) = static_cast<int8_t>(v);
}

inline void SelectLine(int p, int x0, int y0, int x1, int y1) {
    Player& pl = players[p];
    pl.lineStartX = static_cast<int8_t>(x0);
    pl.lineStartY = static_cast<int8_t>(y0);
    pl.lineEndX = static_cast<int8_t>(x1);
    pl.lineEndY = static_cast<int8_t>(y1);
    pl.lineState = 0;
}

// Plays of the file (last path component) on the slot since the log was cleared.
inline int PlayCount(const std::string& fileName, int slot) {
    int n = 0;
    for (const auto& e : harness::SoundLog())
        if (e.call == virtualBackend::SoundCall::play && e.slot == slot &&
            strcasecmp(harness::SoundName(e).c_str(), fileName.c_str()) == 0)
            ++n;
    return n;
}

// The sound the slot was last given, or "" when it was emptied.
inline std::string LastLoaded(int slot) {
    std::string name;
    for (const auto& e : harness::SoundLog()) {
        if (e.slot != slot) continue;
        if (e.call == virtualBackend::SoundCall::load) name = harness::SoundName(e);
        if (e.call == virtualBackend::SoundCall::empty) name.clear();
    }
    return name;
}

inline void HoldKey(int vk) {
    harness::Hold(vk);
    virtualBackend::ApplyKeyScript();
    KeyboardMatchInput(matchInput);
}

inline void ReleaseKey(int vk) {
    harness::Release(vk);
    virtualBackend::ApplyKeyScript();
    KeyboardMatchInput(matchInput);
}

}  // namespace vanishTest
