#include "match/match_begin.h"

#include <algorithm>

#include "gallery/item_file.h"
#include "match/game_random.h"
#include "match/match_state.h"
#include "match/param_levels.h"
#include "match/puzzle_rules.h"
#include "match/start_sequence.h"
#include "options/options_file.h"
#include "platform/sound.h"
#include "platform/wipe.h"
#include "puzzle/puzzle_file.h"
#include "setup/player_params.h"
#include "shell/game_mode.h"
#include "shell/menu_input.h"

namespace {

int8_t Within(int v, int low, int high) { return static_cast<int8_t>(std::clamp(v, low, high)); }

PuzzleProblem ProblemInRange(const PuzzleProblem& given) {
    PuzzleProblem p = given;
    for (int8_t& cell : p.cells) cell = Within(cell, -1, 7);
    p.targetSum = Within(p.targetSum, 7, 10);
    p.swapLimit = Within(p.swapLimit, -2, 100);
    p.goalType = Within(p.goalType, 0, 3);
    p.goalValue = std::clamp<int32_t>(p.goalValue, 0, 99999999);
    p.seconds = std::clamp<int32_t>(p.seconds, 0, 59);
    p.minutes = std::clamp<int32_t>(p.minutes, 0, 59);
    return p;
}

}  // namespace

MatchStart CurrentMatchStart(uint32_t seed) {
    MatchStart s{};
    s.mode = gameMode;
    for (int i = 0; i < 5; ++i) s.options[i] = OptionField(i);
    for (int p = 0; p < 2; ++p) {
        for (int i = 0; i < paramCount; ++i) s.params[p][i] = playerParams[p][i];
        s.items[p][0] = itemSlots[p][0];
        s.items[p][1] = itemSlots[p][1];
        s.itemUseOff[p] = itemUseOff[p];
        s.versusWins[p] = versusWins[p];
    }
    if (gameMode == puzzleMode) {
        s.puzzleIndex = puzzleIndex;
        s.puzzle = PuzzleFromTables(puzzleIndex);
    }
    s.seed = seed;
    return s;
}

MatchStart matchStartRecord{};

void ApplyMatchStart(const MatchStart& start) {
    matchStartRecord = start;
    // Whether the next problem skips the picker belongs to the puzzle series,
    // not to the match.
    const int8_t keptSkipPicker = skipPicker;
    ResetMatchRecords();
    skipPicker = keptSkipPicker;

    gameMode = Within(start.mode, endlessMode, practiceMode);
    for (int i = 0; i < 5; ++i) OptionField(i) = Within(start.options[i], 0, optionMax[i]);
    for (int p = 0; p < 2; ++p) {
        for (int i = 0; i < paramCount; ++i) playerParams[p][i] = Within(start.params[p][i], 0, paramLevelMax);
        for (int s = 0; s < 2; ++s) itemSlots[p][s] = Within(start.items[p][s], -1, itemCount - 1);
        itemUseOff[p] = Within(start.itemUseOff[p], 0, 1);
        versusWins[p] = Within(start.versusWins[p], 0, 99);
    }
    twoPlayers = gameMode == versusMode ? 1 : 0;
    puzzleIndex = gameMode == puzzleMode ? Within(start.puzzleIndex, 0, puzzleCount - 1) : 0;
    ResetMatchValues();
    if (gameMode == puzzleMode) ShowProblem(ProblemInRange(start.puzzle));
    SeedGameRandom(start.seed);
}

bool RunMatchOpening() {
    if (gameMode == endlessMode) {
        OpeningRise(static_cast<int8_t>(3 + 2 * options.difficulty));
    } else if (gameMode != puzzleMode) {
        OpeningRise(3);
    } else if (wipeState == 2) {
        // A retried or next problem opens the closed screen; the picker has
        // opened it already.
        OpeningRise(0);
    }
    if (!StartSequence()) return false;

    // The opening only draws; what its frames counted (the top line's colour
    // step, the time of a panel in the top row) starts afresh with play,
    // however long the screen took to open.
    topLineStep = 0;
    players[0].topOutTimer = 0;
    // Play begins on an open screen with no text box grown. What the screen
    // before left in them (a replay checked right after a match that was
    // closing the screen, the versus set-up's grown boxes) must not reach
    // the first steps: both are part of the match's state, the wipe holds
    // the keys while it runs and the pause box grows from where it stands.
    wipeState = 0;
    wipeWidth = 0;
    boxGrowth = 0;
    players[1].topOutTimer = 0;
    matchStarted = 1;
    EmptySoundSlot(seBuffer1);
    if (options.soundOff == 0) LoadSoundBuffer(seBuffer1, "Sound\\Motto.wav");
    matchStep = 0;
    frameClock = FrameClock{};
    // The clock and the attack meter count from the start of play.
    clockMark = 0;
    attackMark = 0;
    return true;
}
