#pragma once
#include <cstdint>

#include "computer/strengths.h"
#include "computer/think_board.h"

// A plan: an optional swap, then a line (or only a request for a new row).
enum PlanKind : int8_t { planNone = 0, planLine = 1, planSwapLine = 2, planDrop = 3 };

struct ThinkPlan {
    int8_t kind = planNone;
    int8_t swapRowA = -1, swapColumnA = -1, swapRowB = -1, swapColumnB = -1;
    ThinkLine line;
    int32_t value = -1000000;
};

// What the search needs to know besides the board.
struct ThinkSituation {
    int8_t target = 7;
    int8_t cursorRow = 2;
    int8_t cursorColumn = 3;
    int8_t chain = 0;          // the player's chain still alive
    int8_t dropComing = 0;     // 1 while panels from above are queued or falling
    int8_t secondInTopRow = 1; // 0 where a swap's second cell may lie in the top row
};

// An anytime search over one board: the lines first, then each swap and the
// line it makes, a slice per step within the strength's work, the best plan
// so far kept throughout.
struct ThinkSearch {
    ThinkBoard root;
    ThinkSituation situation;
    int8_t phase = 0;          // 0 lines, 1 swaps, 2 done
    ThinkLine lines[96];       // the board's vanishing lines, valued one by one
    int8_t lineCount = -1;     // -1 until they are found
    int8_t lineNext = 0;
    int16_t swapFirst = 0;     // swaps tried so far: first cell index, second
    int16_t swapSecond = 0;
    int32_t bestLineGain = 0;  // the best gain of one line, to prune the look beyond
    ThinkPlan best;
};

// A new search from this board.
void BeginSearch(ThinkSearch& search, const ThinkBoard& field, const ThinkSituation& situation);
// One slice: at most budget cells looked at; returns the cells looked at.
int32_t ContinueSearch(ThinkSearch& search, const Strength& strength, int32_t budget);
inline bool SearchDone(const ThinkSearch& search) { return search.phase >= 2; }
