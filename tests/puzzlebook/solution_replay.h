#pragma once
// Plays a problem's stored solution through the real game, the way a quick
// and steady player would: from the puzzle picker into the match, then move
// by move with one key per match step, reacting to what the board shows.
//
// How the player times his keys (one match step = one 20 ms frame; every key
// is held for exactly one step and released on the next, and he sees the
// board only after a step, so each key comes a step after what it answers):
//   cursor    a direction key is tapped whenever the cursor stands still and
//             is not on the cell it heads for, columns first, then rows; a
//             step takes 8 frames at SPEED 2, so a cell costs 9 frames;
//   travel    the cursor starts toward a move's first cell at once, also
//             while the line before is still clearing, the cells of the swap
//             before still turn and panels still fall;
//   waiting   the move's first key waits for a quiet board: no pick or swap,
//             no selected, clearing or failing line, nothing falling;
//   swap      X on the first cell, the cursor to the second, X again; the
//             exchange takes 13 frames more;
//   line      S on the anchor; the end is stretched one cell per tap of the
//             direction key, each tapped once the end before has come to
//             rest (9 frames a cell); S again once the end is on its cell
//             and at rest confirms the line. Its clear then takes 36 frames
//             and a fall 3 frames a row.
// Every wait has a cap, so a wrong solution ends with a reason instead of
// hanging.

#include <cstdint>
#include <string>
#include <vector>

#include "puzzlebook/puzzle_book.h"

namespace solutionReplay {

// When a move happened, in match steps counted from the first step of play.
struct MoveSteps {
    int begun = -1;    // the step after the move before was put in
    int reached = -1;  // the cursor on the first cell and the board quiet
    int keyed = -1;    // the step that took the move's first key (X or S)
    int put = -1;      // the swap over, or the line confirmed
    int settled = -1;  // the board quiet again after it (clear and fall over)
};

struct ReplayResult {
    bool solved = false;       // the match ended with the problem solved
    bool clearShown = false;   // CLEAR! stood on the screen afterwards
    int timeLimitSeconds = 0;
    int secondsLeft = 0;       // on the clock when the match ended
    int movesPut = 0;          // moves put in before the match ended
    int steps = 0;             // steps of play until the match ended
    int chain = 0;             // the highest chain of the match
    std::vector<MoveSteps> moves;
    // Empty when solved; otherwise one line naming the move and what went
    // wrong, such as "move 3 (line c1 c3): the line did not vanish".
    std::string failure;
};

// Boots, writes the tables of every problem of the book as Data\PZL.dat,
// opens the main menu and chooses PUZZLE there: returns true with the
// match set-up (which opens the picker) as the next scene to run.
bool EnterPuzzleMode(const std::vector<puzzleBook::Problem>& book);

// Writes the tables of every problem of the book as Data\PZL.dat, goes from
// the main menu into the puzzle mode, starts problem `number` in the picker
// and plays its solution. The match's random numbers are seeded from the
// calendar, which is set to `seed` seconds.
ReplayResult Replay(const std::vector<puzzleBook::Problem>& book, int number, int64_t seed);

// The same with the moves given instead of the problem's own solution.
ReplayResult Replay(const std::vector<puzzleBook::Problem>& book, int number, int64_t seed,
                    const std::vector<puzzleBook::Move>& moves);

}  // namespace solutionReplay
