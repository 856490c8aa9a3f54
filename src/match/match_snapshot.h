#pragma once
#include <cstdint>

#include "match/game_random.h"
#include "match/match_state.h"
#include "match/match_values.h"
#include "options/options_file.h"

// The whole state of a running match, to go back to: both boards, both
// players and their queues from above, every match value (the clocks, the
// step count, the puzzle's problem and swaps left, the result flow), the
// random generator, the start records it plays by (mode, options,
// parameters, items, the series) and the closing wipe. The drawing surfaces
// and the sound slots are not part of it: a restored match draws itself anew
// on its next step.
struct MatchSnapshot {
#define MATCH_SNAPSHOT_FIELD(type, name, start) type name;
    struct Values {
        MATCH_VALUES(MATCH_SNAPSHOT_FIELD)
    } values;
#undef MATCH_SNAPSHOT_FIELD
    int8_t board[2 * boardCells];
    Player players[2];
    FlyingPanel flyingPanels[2][boardRows][boardColumns];
    GameRandom random;
    OptionsFile options;
    int8_t gameMode;
    int8_t versusWins[2];
    int8_t playerParams[2][5];
    int8_t itemSlots[2][2];
    int8_t itemUseOff[2];
    int8_t wipeState;
    int8_t wipeWidth;
    int8_t boxGrowth;
};

// One call each, cheap enough for every step (no allocation).
void SaveMatchSnapshot(MatchSnapshot& snapshot);
void RestoreMatchSnapshot(const MatchSnapshot& snapshot);

// A 64-bit checksum of the same state, field by field (never over padding):
// two runs agree on it exactly when they agree on every value a snapshot
// holds.
uint64_t MatchChecksum();

// The same checksum without the options each player of an online match
// keeps for himself (sound on or off, the backdrop, the panels' shape): the
// two machines differ there by design. The target total and the difficulty,
// which decide the match, stay in.
uint64_t SharedMatchChecksum();
