#pragma once
// How long a quick and steady player takes for each part of a move, in match
// frames (20 ms), as the replay tests play the stored solutions: the cursor
// travels while the last clear or fall finishes, an action starts once the
// board has settled. A chain lives while the frames since its last line plus
// the frames of the pending action stay under the limit window; the solver
// keeps a margin below it, because a person is less exact than a script.

#include "puzzlebook/puzzle_book.h"

namespace solver {

struct ChainTiming {
    int cursorStep = 9;      // one cell of cursor travel (a step and the next key)
    int lineStep = 9;        // one cell of a line end's travel
    int actionGap = 1;       // from arriving (or settling) to the key acting
    int confirmGap = 2;      // from the line end's last step to the confirm
    int swapAnimation = 13;  // the two cells turning
    int clear = 36;          // a confirmed line vanishing
    int fallRow = 3;         // one row of fall
    int window = 168;        // the limit window of the puzzle mode
    int margin = 16;         // kept free for a person's slack
};

// Where the clock stands since the last confirmed line of a living chain.
struct ChainClock {
    int cursorFree = 0;  // the cursor may travel from this frame on
    int settled = 0;     // the board is still from this frame on
};

inline int Distance(puzzleBook::Cell a, puzzleBook::Cell b) {
    return (a.row > b.row ? a.row - b.row : b.row - a.row) + (a.col > b.col ? a.col - b.col : b.col - a.col);
}

inline int FallFrames(const ChainTiming& t, int rows) { return rows > 0 ? t.fallRow * rows + 1 : 0; }

}  // namespace solver
