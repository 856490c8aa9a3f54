#pragma once
#include <cstdint>

// Everything that decides a match besides its per-step inputs: a match is a
// pure function of this record and of those inputs. Replays store it field by
// field (docs/replay-format.md), never as raw memory.

// One puzzle problem as the match plays it (its row of the puzzle tables).
struct PuzzleProblem {
    int8_t cells[105];       // -1 empty, 0..7 a panel, row 0 first
    int8_t targetSum = 7;    // 7..10
    int8_t swapLimit = -1;   // -1 no limit, -2 no swaps, 1..100
    int8_t goalType = 0;     // 0 clear all, 1 chain, 2 panels, 3 score
    int32_t goalValue = 0;
    int32_t seconds = 0;     // 0, 10, ..., 50
    int32_t minutes = 0;     // 0..10
};

struct MatchStart {
    int8_t mode = 0;             // gameMode: 0 endless, 1 versus, 2 puzzle, 3 practice
    int8_t options[5] = {0, 0, 1, 0, 0};  // the OD.dat bytes in their order
    int8_t params[2][5] = {};    // EX, SPEED, LUCK, CHAIN, LOCK per player
    int8_t items[2][2] = {{-1, -1}, {-1, -1}};  // item slots, -1 empty
    int8_t itemUseOff[2] = {0, 0};
    int8_t versusWins[2] = {0, 0};  // the series so far, as the boards show it
    int8_t puzzleIndex = -1;     // 0..99 in the puzzle mode, -1 otherwise
    PuzzleProblem puzzle{};      // the problem's data (all empty otherwise)
    uint32_t seed = 0;           // the random generator's seed
};
