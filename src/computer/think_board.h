#pragma once

// computer: the computer opponent. It looks at what a player sees (both
// boards, the NEXT strip, the gauges, the clock), thinks over a board of its
// own, and plays by filling its player's bits of each step's input record,
// as a person at the keys would. It stands on the match and never on the
// match's random generator.
//
// A map of the folder:
//   think_board     the board as the computer sees it: settled, whole moves
//   think_search    the search over swaps and lines, spread over steps
//   strengths       the five strengths and their names
//   computer_hands  a plan turned into keys, one press at a time
//   computer_player one computer player: eyes, search and hands per step
//   greedy_player   the first-time player the strengths are measured against
//   computer_source the input source that lets the computer play player 2

#include <cstdint>

// The board the computer thinks over: rows 0..14 as the match has them, only
// the field (rows 2..14) used, nothing marked, nothing falling. A panel is
// 0..7, -1 is empty.
constexpr int thinkFloor = 2;
constexpr int thinkTop = 14;
constexpr int thinkColumns = 7;

struct ThinkBoard {
    int8_t cells[15][7];
};

// A straight run of panels from its anchor (where the cursor presses select)
// to its end (where the line's end is moved to).
struct ThinkLine {
    int8_t anchorRow = -1;
    int8_t anchorColumn = -1;
    int8_t endRow = -1;
    int8_t endColumn = -1;
    bool Valid() const { return anchorRow >= 0; }
};

// Visits each cell (row, column) of a line, anchor first, end last.
template <typename Visit>
void ForLineCells(const ThinkLine& line, Visit&& visit) {
    const int stepRow = line.endRow > line.anchorRow ? 1 : line.endRow < line.anchorRow ? -1 : 0;
    const int stepColumn = line.endColumn > line.anchorColumn ? 1 : line.endColumn < line.anchorColumn ? -1 : 0;
    for (int r = line.anchorRow, c = line.anchorColumn;; r += stepRow, c += stepColumn) {
        visit(r, c);
        if (r == line.endRow && c == line.endColumn) break;
    }
}

// What the vanish rule makes of a line.
struct LineJudgement {
    bool vanishes = false;
    int8_t cells = 0;
    int8_t zeros = 0;
    int32_t product = 0;  // 0 with a 0-panel in it; 7 per seven in a line of sevens
};

// The vanish rule of the match, a panel at a time as a line grows.
struct LineSum {
    int sum = 0;
    int sevens = 0;
    int zeros = 0;
    int cells = 0;
    int32_t product = 1;

    // sevensApart: the target is 7, where a 7 never counts toward the sum.
    void Add(int8_t v, bool sevensApart) {
        sum += v;
        if (sevensApart && v == 7) ++sevens;
        if (v == 0) ++zeros;
        if (product < 1000000) product *= v;
        ++cells;
    }
    LineJudgement Judge(int target) const;
    // No panel added can make the line vanish any more.
    bool Beyond(int target) const { return sevens > 0 ? sum - 7 * sevens > 0 : sum > target; }
};

// The board player p will have once what is under way has run out: the line
// being cleared gone, a failing line turned to zeros, marks taken off, every
// panel fallen.
void SeeBoard(int p, ThinkBoard& field);
// Panels over holes fall to the floor of the field (row 2).
void SettleBoard(ThinkBoard& field);
// Column heights above the floor, the highest of them.
int StackHeight(const ThinkBoard& field);
int ColumnHeight(const ThinkBoard& field, int column);
// A cheap fingerprint: two boards that differ almost surely differ here.
uint64_t BoardPrint(const ThinkBoard& field);

// The vanish rule over the cells of a line (anchor to end, both inclusive).
LineJudgement JudgeLine(const ThinkBoard& field, const ThinkLine& line, int target);
// Removes a line's cells and lets the board settle.
void ClearLine(ThinkBoard& field, const ThinkLine& line);
// Exchanges two cells and lets the board settle.
void SwapCells(ThinkBoard& field, int rowA, int columnA, int rowB, int columnB);

// Every line of two or more panels that vanishes, each once (anchored at its
// lower or left end), up to max; returns how many were written. work counts
// the cells looked at.
int VanishingLines(const ThinkBoard& field, int target, ThinkLine* lines, int max, int32_t& work);
