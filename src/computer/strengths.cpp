#include "computer/strengths.h"

namespace {

// The weakest sees one line at a time, never swaps, waits a second before it
// acts and sometimes confirms a line that misses; the strongest looks at
// every swap and the chain it sets up and presses a key whenever the cursor
// allows.
constexpr Strength strengths[strengthCount] = {
    {1, 0, 1, 1000, 60, 50, 25},
    {1, 2, 1, 3000, 35, 80, 12},
    {2, 3, 1, 8000, 25, 120, 8},
    {2, 3, 1, 20000, 15, 160, 5},
    {2, 20, 2, 60000, 3, 900, 0},
};

}  // namespace

const Strength& StrengthOf(int s) {
    if (s < 1) s = 1;
    if (s > strengthCount) s = strengthCount;
    return strengths[s - 1];
}
