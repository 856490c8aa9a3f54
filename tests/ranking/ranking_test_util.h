#pragma once
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "content/game_sheet.h"
#include "harness/harness.h"
#include "match/match_state.h"
#include "match/result_screen.h"
#include "platform/blit.h"
#include "platform/bitmap_loader.h"
#include "platform/present.h"
#include "platform/sound.h"
#include "platform/surface.h"
#include "platform/text.h"
#include "ranking/ranking_file.h"
#include "shell/game_mode.h"

// Raw "Data\ED.dat" bytes and hand-built tables for the ranking tests.
namespace rankingTest {

// A freshly booted game at the result screen of a match in `mode`: the match
// sheet, the big font and the match music in place, matchState 2.
inline void AtTheResultScreen(int mode) {
    harness::Boot();
    ResetMatchRecords();
    ResetMatchValues();
    CreateSheet(tileSurface, screenWidth, screenHeight);
    CreateSheet(mainSheet, gameSheetLayout::width, gameSheetLayout::height);
    LoadBitmapToSurface(mainSheet, "Back\\Game.bmp");
    matchFontBig = CreateGameFont(30, 800, "HG創英角ｺﾞｼｯｸUB");
    LoadSoundBuffer(bgmBuffer, "Sound\\Game.wav");
    gameMode = static_cast<int8_t>(mode);
    matchState = 2;
}

// The result screen as the match frame runs it (background, the screen's
// step, present), the ranking passed over or not.
inline int resultRankingSkipped = 0;
inline void ResultScreenFrame() {
    Blit(&backBuffer, 0, 0, tileSurface, keyedCopy, 0, 0, screenWidth, screenHeight);
    ResultScreenStep(resultRankingSkipped);
    Present();
}

inline std::string RankingPath() { return harness::WorkDir() + "/Data/ED.dat"; }

inline void WriteRaw(const std::vector<uint8_t>& bytes) {
    std::ofstream out(RankingPath(), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<uint8_t> ReadRaw() {
    std::ifstream in(RankingPath(), std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

inline void PutInt(std::vector<uint8_t>& b, size_t at, int32_t v) {
    const uint32_t u = static_cast<uint32_t>(v);
    for (size_t k = 0; k < 4; ++k) b[at + k] = static_cast<uint8_t>(u >> (8 * k));
}

inline int32_t GetInt(const std::vector<uint8_t>& b, size_t at) {
    uint32_t u = 0;
    for (size_t k = 0; k < 4; ++k) u |= static_cast<uint32_t>(b[at + k]) << (8 * k);
    return static_cast<int32_t>(u);
}

// Every entry empty, as a missing file gives.
inline void MakeEmptyTable(RankingFile& t) {
    std::memset(&t, 0, sizeof t);
    for (int32_t& s : t.score) s = -1;
}

inline void SetEntry(RankingFile& t, int i, int32_t scoreHigh, int32_t score) {
    t.score[i] = score;
    t.scoreHigh[i] = scoreHigh;
    t.level[i] = 1 + i;
    t.maxChain[i] = i % 7;
    for (int k = 0; k < 4; ++k) t.name[i][k] = static_cast<int8_t>((i + k) % 40);
    t.time[i][0] = 0;
    t.time[i][1] = i % 60;
    t.time[i][2] = (3 * i) % 60;
    t.grade[i] = static_cast<int8_t>(i % 12);
    t.difficulty[i] = static_cast<int8_t>(i % 3);
}

// A full table: place i has score 1000 x (100 - i).
inline void MakeFullTable(RankingFile& t) {
    MakeEmptyTable(t);
    for (int i = 0; i < rankingEntries; ++i) SetEntry(t, i, 0, 1000 * (100 - i));
}

// The shared table written to the file, as a finished endless match leaves it.
inline void StoreTable(const RankingFile& t) {
    rankingTable = t;
    WriteRankingFile();
}

inline bool SameEntry(const RankingFile& a, int i, const RankingFile& b, int j) {
    return a.score[i] == b.score[j] && a.scoreHigh[i] == b.scoreHigh[j] && a.level[i] == b.level[j] &&
           a.maxChain[i] == b.maxChain[j] && std::memcmp(a.name[i], b.name[j], 4) == 0 &&
           std::memcmp(a.time[i], b.time[j], sizeof a.time[i]) == 0 && a.grade[i] == b.grade[j] &&
           a.difficulty[i] == b.difficulty[j];
}

}  // namespace rankingTest
