#include "puzzlesolver/solver_board.h"

#include <algorithm>
#include <cstdlib>

namespace solver {

using puzzleBook::Cell;

Board Board::FromGame(const int8_t* gameCells) {
    Board b;
    for (int r = 0; r <= topRow; ++r)
        for (int c = 0; c < columns; ++c) b.cells[r][c] = gameCells[r * columns + c];
    return b;
}

int Board::Height(int col) const {
    int h = 0;
    while (floorRow + h <= topRow && cells[floorRow + h][col] >= 0) ++h;
    return h;
}

int Board::PanelCount() const {
    int n = 0;
    for (int r = floorRow; r <= topRow; ++r)
        for (int c = 0; c < columns; ++c) n += cells[r][c] >= 0 ? 1 : 0;
    return n;
}

int Board::Sum() const {
    int s = 0;
    for (int r = floorRow; r <= topRow; ++r)
        for (int c = 0; c < columns; ++c) s += std::max<int>(cells[r][c], 0);
    return s;
}

int Board::Settle() {
    // Every hole of a column closes by one row per gravity step, so the
    // column falls for as many steps as its longest run of holes under a panel.
    int longestFall = 0;
    for (int c = 0; c < columns; ++c) {
        int write = floorRow, run = 0, longestRun = 0;
        for (int r = floorRow; r <= topRow; ++r) {
            if (cells[r][c] < 0) {
                ++run;
                continue;
            }
            if (run > 0) longestRun = std::max(longestRun, run);
            run = 0;
            if (write != r) {
                cells[write][c] = cells[r][c];
                cells[r][c] = -1;
            }
            ++write;
        }
        longestFall = std::max(longestFall, longestRun);
    }
    return longestFall;
}

std::vector<Cell> LineCells(const Board& board, Cell a, Cell b) {
    std::vector<Cell> cells;
    if (a == b || (a.row != b.row && a.col != b.col)) return cells;
    const int dr = (b.row > a.row) - (b.row < a.row), dc = (b.col > a.col) - (b.col < a.col);
    for (Cell at = a;; at = {at.row + dr, at.col + dc}) {
        if (at.row < floorRow || at.row > topRow || at.col < 0 || at.col >= columns || board.At(at) < 0) return {};
        cells.push_back(at);
        if (at == b) break;
    }
    return cells;
}

LineOutcome JudgeLine(const Board& board, const std::vector<Cell>& cells, int target) {
    LineOutcome o;
    int sum = 0;
    for (const Cell& at : cells) {
        const int v = board.At(at);
        sum += v;
        if (target == 7 && v == 7) ++o.sevens;
        if (v == 0) ++o.zeros;
        o.product *= v;
        ++o.cells;
    }
    o.vanishes = (o.sevens == 0 && sum == target) ||
                 (target == 7 && o.sevens >= 2 && o.sevens + o.zeros == o.cells);
    return o;
}

int ClearLine(Board& board, const std::vector<Cell>& cells) {
    for (const Cell& at : cells) board.At(at) = -1;
    return board.Settle();
}

int SwapCells(Board& board, Cell first, Cell second) {
    std::swap(board.At(first), board.At(second));
    return board.Settle();
}

int64_t LineScore(const LineOutcome& outcome, int chain) {
    const int64_t base = outcome.sevens >= 2 ? 7 * outcome.sevens : outcome.product;
    const double factor = chain * (chain * 0.1 + 1.0);
    const int64_t lineScore = std::min<int64_t>(static_cast<int64_t>(static_cast<double>(base) * factor), 999999);
    return lineScore * (outcome.cells + chain);
}

}  // namespace solver
