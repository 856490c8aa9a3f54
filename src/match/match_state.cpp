#include "match/match_state.h"

#include <algorithm>
#include <cstring>

#include "match/game_random.h"
#include "match/match_values.h"
#include "match/param_levels.h"
#include "options/options_file.h"
#include "setup/player_params.h"
#include "shell/game_mode.h"

int8_t board[2 * boardCells];
Player players[2];
int8_t versusWins[2] = {};
FlyingPanel flyingPanels[2][boardRows][boardColumns];
// Made at the first set-up and kept for the run, like every font.
int8_t matchFontBig = -1;
uint32_t matchPaceMark = 0;

#define DEFINE_MATCH_VALUE(type, name, start) type name = type{start};
MATCH_VALUES(DEFINE_MATCH_VALUE)
#undef DEFINE_MATCH_VALUE

int TargetTotal() { return 7 + options.targetSumOffset; }

bool AnyPaused() { return players[0].paused > 0 || players[1].paused > 0; }

bool AnyExAttack() { return players[0].exAttackActive != 0 || players[1].exAttackActive != 0; }

int LimitFramesOf(int chainLevel) { return 138 + 6 * std::clamp(chainLevel, 0, paramLevelMax); }

int LimitFrames(int p) { return LimitFramesOf(playerParams[p][paramChain]); }

void ResetMatchValues() {
    maxChain = 0;
    matchState = 0;
    matchStarted = 0;
    matchEnd = 0;
    chainBonus = 0;
    panelsCleared = 0;
    topOutResult = 0;
    dangerInCheerSlot = 0;
    attackMeterSize = 0;
    attackMeterLit = -3;
    level = 1;
    exAttackClock = 0;
    itemsChecked = 0;
    for (int p = 0; p < 2; ++p) {
        Player& pl = players[p];
        // Only the values a match starts from; the rest keep what they held.
        pl.cursorX = 3;
        pl.cursorY = 2;
        pl.riseOffset = 0;
        pl.bonusState = 0;
        // A match left while a banner ran must not start the next one half-way.
        pl.bonusBannerTimer = 0;
        pl.score = 0;
        pl.scoreHigh = 0;
        pl.chain = 0;
        pl.chainTimer = 0;
        pl.popupTimer = 0;
        pl.extraRises = 0;
        pl.cursorMoveDir = 0;
        pl.cursorPin = 0;
        pl.swapState = 0;
        pl.lineState = -1;
        pl.clearTimer = 0;
        pl.clearingLine = LineCells{};
        pl.failingLine = LineCells{};
        pl.failTimer = -1;
        pl.exGauge = 0;
        pl.exStock = 0;
        pl.exAttackActive = 0;
        pl.limitCounter = 0;
        pl.dropActive = 0;
        pl.dropImmediate = 0;
        pl.dropPhase = -1;
        pl.dropPhaseCounter = 0;
        pl.dropPending = 0;
        pl.dropOverflow = 0;
        pl.highestRow = 0;
        std::memset(pl.nextPanels, -1, sizeof pl.nextPanels);
        pl.paused = 0;
        pl.longestChain = 0;
        pl.linesCleared = 0;
    }
    std::memset(board, -1, sizeof board);
}

void ResetMatchRecords() {
    std::memset(board, 0, sizeof board);
    players[0] = Player{};
    players[1] = Player{};
    versusWins[0] = versusWins[1] = 0;
    for (auto& side : flyingPanels)
        for (auto& row : side)
            for (auto& cell : row) cell = FlyingPanel{};
    // A fresh run's generator deals as if seeded with 1, like the library's.
    SeedGameRandom(1);
    matchPaceMark = 0;
#define RESET_MATCH_VALUE(type, name, start) name = type{start};
    MATCH_VALUES(RESET_MATCH_VALUE)
#undef RESET_MATCH_VALUE
}
