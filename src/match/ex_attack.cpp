#include "match/match_state.h"
#include "match/player_update.h"
#include "match/score.h"
#include "match/step_input.h"
#include "match/vanish_rule.h"
#include "platform/sound.h"
#include "shell/game_mode.h"

namespace {

constexpr int deleteTop = 5;  // Delete clears rows 2..5
constexpr int attackFrames = 100;

// The cells the running attack takes: all of rows 2..5, or every panel of the chosen value.
bool Affected(int kind, int8_t v, int r) {
    if (kind == 0) return r <= deleteTop;
    return v == maxdeleteValue;
}

void StartAttack(Player& pl, int kind) {
    LoadSoundBuffer(effectSound, kind == 0 ? "Sound\\Delete.wav" : "Sound\\Maxdelete.wav");
    RestartSound(effectSound, false);
    exAttackKind = static_cast<int8_t>(kind);
    pl.exGauge = 0;
    pl.exAttackActive = 1;
}

// Scores the attack on its first step: k cells at 100 x level (x value for Maxdelete).
void ScoreAttack(int p, int kind) {
    Player& pl = players[p];
    int k = 0;
    if (kind == 0) {
        for (int r = 2; r <= deleteTop; ++r)
            for (int c = 0; c < boardColumns; ++c)
                if (Occupied(Cell(p, r, c))) ++k;
        pl.lineScore = 100 * level;
    } else {
        int counts[8] = {};
        for (int r = 2; r < boardRows; ++r)
            for (int c = 0; c < boardColumns; ++c) {
                const int8_t v = Cell(p, r, c);
                if (HoldsPanel(v)) ++counts[v];
            }
        int chosen = 0;
        for (int v = 1; v < 8; ++v)
            if (counts[v] >= counts[chosen]) chosen = v;  // ties go to the higher value
        maxdeleteValue = static_cast<int8_t>(chosen);
        k = counts[chosen];
        pl.lineScore = 100 * chosen * level;
    }
    panelsCleared = k;
    AddScore(p, static_cast<int64_t>(pl.lineScore) * k);
    pl.lineWeight = k;
}

}  // namespace

void ExAttackKeys(int p) {
    Player& pl = players[p];
    if (gameMode != endlessMode || pl.exGauge <= 299 || AnyPaused() || pl.dropActive != 0 || pl.dropImmediate != 0 ||
        pl.riseOffset != 0 || pl.swapState != 0 || AnyExAttack() || pl.clearingLine.Active() ||
        pl.failingLine.Active() || pl.lineState != -1)
        return;
    if (InputHeld(p, inputExDelete) && pl.bonusState == 0) {
        StartAttack(pl, 0);
    } else if (InputHeld(p, inputExMaxdelete)) {
        StartAttack(pl, 1);
    }
}

void RunExAttack(int p, int kind) {
    Player& pl = players[p];
    if (exAttackClock == 0) ScoreAttack(p, kind);
    const int lastRow = kind == 0 ? deleteTop : boardRows - 1;

    if (exAttackClock < attackFrames && exAttackClock % 20 < 10) {
        for (int r = 2; r <= lastRow; ++r)
            for (int c = 0; c < boardColumns; ++c)
                if (Affected(kind, Cell(p, r, c), r)) CoverWithBackground(ColumnLeft(p, c), RowTop(p, r), 24, 24);
    }

    if (exAttackClock >= attackFrames) {
        for (int r = 2; r <= lastRow; ++r)
            for (int c = 0; c < boardColumns; ++c)
                if (Affected(kind, Cell(p, r, c), r)) Cell(p, r, c) = emptyCell;
        pl.needsGravity = 1;
        pl.exAttackActive = 0;
        exAttackClock = 0;
        LoadSoundBuffer(effectSound, "Sound\\Item.wav");
        if (panelsCleared >= 10 && pl.bonusState == 0 && (gameMode == endlessMode || gameMode == practiceMode)) {
            panelsCleared = 0;
            if (level < 999) {
                ++level;
                RestartSound(levelUpSound, false);
            }
        }
        return;
    }
    ++exAttackClock;
}
