#pragma once
// The board as the solver sees it: only settled positions (nothing falling,
// nothing marked), and whole moves instead of frames. A move is a swap of two
// cells or a confirmed line; after it the board settles as the game's
// gravity leaves it. The frame by frame truth is the game itself, which the
// replay tests play; this model is what lets a search look at millions of
// positions.

#include <array>
#include <cstdint>
#include <vector>

#include "puzzlebook/puzzle_book.h"

namespace solver {

constexpr int columns = 7;
constexpr int floorRow = 2;
constexpr int topRow = 14;
constexpr int fieldRows = topRow - floorRow + 1;  // 13

struct Board {
    // cells[row][col], rows 0..14 as in the game; -1 empty. Rows 0 and 1 stay
    // empty: a puzzle never rises.
    std::array<std::array<int8_t, columns>, topRow + 1> cells{};

    static Board FromGame(const int8_t* gameCells);
    int8_t At(puzzleBook::Cell c) const { return cells[c.row][c.col]; }
    int8_t& At(puzzleBook::Cell c) { return cells[c.row][c.col]; }
    // Panels standing in column c (a settled column has no holes).
    int Height(int col) const;
    int PanelCount() const;
    int Sum() const;
    bool Empty() const { return PanelCount() == 0; }
    // Panels over empty cells fall; returns the most rows any panel fell.
    int Settle();
    bool operator==(const Board&) const = default;
};

// What a confirmed line does, by the game's vanish rule.
struct LineOutcome {
    bool vanishes = false;
    int cells = 0;
    int sevens = 0;
    int zeros = 0;
    int64_t product = 1;
};

// The cells of the line from a to b (one row or one column, a != b), or an
// empty list when that is not a line the player can select: it has to run
// through panels only.
std::vector<puzzleBook::Cell> LineCells(const Board& board, puzzleBook::Cell a, puzzleBook::Cell b);
LineOutcome JudgeLine(const Board& board, const std::vector<puzzleBook::Cell>& cells, int target);

// Removes the line's cells and lets the board settle; returns the fall.
int ClearLine(Board& board, const std::vector<puzzleBook::Cell>& cells);
// Swaps the two cells and lets the board settle; returns the fall. The first
// cell must hold a panel.
int SwapCells(Board& board, puzzleBook::Cell first, puzzleBook::Cell second);

// The score a line adds outside the endless mode, with chain the chain count
// after the line: the product (or 7 per seven in a line of sevens) times
// chain x (1 + chain / 10), truncated and capped, times cells + chain.
int64_t LineScore(const LineOutcome& outcome, int chain);

}  // namespace solver
