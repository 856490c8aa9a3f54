#include <cstring>

#include "match/gravity_rise.h"
#include "match/match_state.h"
#include "options/options_file.h"
#include "platform/sound.h"
#include "shell/game_mode.h"

namespace {

constexpr int32_t riseTimerMax = 600;
constexpr int riseStep = 3;

bool MayStartRise(const Player& pl, int p) {
    return pl.riseTimer > 500 - 50 * options.difficulty && !AnyExAttack() && pl.clearTimer == 0 &&
           pl.chainTimer == 0 && pl.needsGravity == 0 && pl.dropActive == 0 && pl.chain == 0 && pl.failTimer == -1 &&
           pl.swapState < 2 && Occupied(Cell(p, 1, 0));
}

}  // namespace

void StartRises() {
    // Practice has no automatic rise; its drop-request key raises the stack.
    if (AnyPaused() || gameMode == practiceMode) return;
    for (int p = 0; p <= twoPlayers; ++p) {
        Player& pl = players[p];
        if (pl.riseOffset >= 24) continue;
        if (pl.riseTimer < riseTimerMax) ++pl.riseTimer;
        if (MayStartRise(pl, p)) {
            pl.riseOffset = 1;
            pl.riseTimer = 0;
        }
    }
}

void AdvanceRises() {
    if (AnyPaused()) return;
    for (int p = 0; p <= twoPlayers; ++p) {
        Player& pl = players[p];
        // A finished rise waits at 24 or more for the board pass; without it
        // (the result flow) it must not run on and wrap.
        if (pl.exAttackActive == 0 && pl.riseOffset > 0 && pl.riseOffset < 24)
            pl.riseOffset = static_cast<int8_t>(pl.riseOffset + riseStep);
    }
}

void CompleteRise(int p) {
    Player& pl = players[p];
    int8_t* rows = &board[p * boardCells];
    // Row r takes row r - 1; whatever stood in the top row is lost.
    std::memmove(rows + boardColumns, rows, static_cast<size_t>((boardRows - 1) * boardColumns));
    // With the sound option off the match loads no sounds at all.
    if (gameMode == endlessMode && pl.highestRow > 8 && pl.highestRow < 15 && options.soundOff == 0) {
        // Loading the chain cheer back at once would release the warning
        // while it plays, so nobody would ever hear it: the cheer comes back
        // when it is next wanted (EndOfChain).
        LoadSoundBuffer(seBuffer1, "Sound\\Danger.wav");
        RestartSound(seBuffer1, false);
        dangerInCheerSlot = 1;
    }
    if (matchStarted == 0) return;
    NewBottomRow(p);
    ShiftRowsAfterRise(p);
    if (pl.extraRises > 0) {
        --pl.extraRises;
        pl.riseOffset = 1;
    } else {
        pl.riseOffset = 0;
    }
}

void ShiftRowsAfterRise(int p) {
    Player& pl = players[p];
    if (pl.swapState >= 1) {
        if (pl.swapFirstY < 14) ++pl.swapFirstY;
        if (pl.swapSecondY < 14) ++pl.swapSecondY;
    } else if (pl.lineState >= 0) {
        if (pl.lineStartY < 14) ++pl.lineStartY;
        if (pl.lineEndY < 14) ++pl.lineEndY;
    }
    // A cursor pinned under the field's top stays in its row.
    if (pl.cursorPin == 0) ++pl.cursorY;
    // These may reach row 15 (their cells were lost with the top row).
    if (pl.clearingLine.Active()) {
        ++pl.clearingLine.startY;
        ++pl.clearingLine.endY;
    } else if (pl.failingLine.Active()) {
        ++pl.failingLine.startY;
        ++pl.failingLine.endY;
    }
}
