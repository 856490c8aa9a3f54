#include "puzzlemaker/backward_builder.h"

#include <algorithm>
#include <vector>

#include "puzzlesolver/solver_board.h"

namespace maker {

using puzzleBook::Cell;
using puzzleBook::Move;
using puzzleBook::MoveKind;
using solver::Board;
using solver::columns;
using solver::floorRow;

namespace {

int Pick(std::mt19937& random, int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

// Splits the target into n numbers, each 1..6 (1..7 above target 7).
std::vector<int> Compose(std::mt19937& random, int target, int n) {
    const int top = target == 7 ? 6 : 7;
    for (int tries = 0; tries < 200; ++tries) {
        std::vector<int> parts(n);
        int left = target;
        bool ok = true;
        for (int i = 0; i < n - 1; ++i) {
            const int low = std::max(1, left - top * (n - 1 - i));
            const int high = std::min(top, left - (n - 1 - i));
            if (low > high) {
                ok = false;
                break;
            }
            parts[i] = Pick(random, low, high);
            left -= parts[i];
        }
        if (!ok || left < 1 || left > top) continue;
        parts[n - 1] = left;
        std::shuffle(parts.begin(), parts.end(), random);
        return parts;
    }
    return {};
}

// Puts values into column c from row r up, lifting what stood there.
bool Insert(Board& b, int c, int r, const std::vector<int>& values, int maxHeight) {
    const int h = b.Height(c);
    if (r > floorRow + h || h + static_cast<int>(values.size()) > maxHeight) return false;
    const int n = static_cast<int>(values.size());
    for (int row = floorRow + h - 1; row >= r; --row) b.cells[row + n][c] = b.cells[row][c];
    for (int i = 0; i < n; ++i) b.cells[r + i][c] = static_cast<int8_t>(values[i]);
    return true;
}

}  // namespace

bool BuildCandidate(const Recipe& recipe, std::mt19937& random, puzzleBook::Problem& out) {
    Board b;
    for (auto& row : b.cells) row.fill(-1);
    // Noise first: panels no line of the solution needs.
    for (int i = 0; i < recipe.noise; ++i) {
        const int c = Pick(random, 0, columns - 1);
        if (!Insert(b, c, floorRow + b.Height(c), {Pick(random, 1, 7)}, recipe.maxHeight)) return false;
    }
    // Lines, the last to clear first.
    std::vector<Move> lines;
    int centre = Pick(random, 1, 5);
    int zerosLeft = recipe.zeros, sevensLeft = recipe.sevenPairs;
    for (int i = 0; i < recipe.lines; ++i) {
        std::vector<int> values;
        if (sevensLeft > 0 && recipe.target == 7 && Pick(random, 0, recipe.lines - i - 1) < sevensLeft) {
            values = {7, 7};
            --sevensLeft;
        } else {
            values = Compose(random, recipe.target, Pick(random, 2, recipe.maxLength));
        }
        if (values.empty()) return false;
        if (zerosLeft > 0 && static_cast<int>(values.size()) < recipe.maxLength &&
            Pick(random, 0, recipe.lines - i - 1) < zerosLeft) {
            values.insert(values.begin() + Pick(random, 0, static_cast<int>(values.size())), 0);
            --zerosLeft;
        }
        const int n = static_cast<int>(values.size());
        const bool vertical = Pick(random, 0, 2) == 0;
        bool placed = false;
        for (int tries = 0; tries < 40 && !placed; ++tries) {
            Board trial = b;
            if (vertical) {
                const int c = recipe.cluster ? std::clamp(centre + Pick(random, -1, 1), 0, columns - 1)
                                             : Pick(random, 0, columns - 1);
                const int r = floorRow + Pick(random, 0, recipe.deep ? std::min(1, trial.Height(c)) : trial.Height(c));
                if (!Insert(trial, c, r, values, recipe.maxHeight)) continue;
                b = trial;
                const bool up = Pick(random, 0, 1) == 0;
                const Cell low{r, c}, high{r + n - 1, c};
                lines.push_back({MoveKind::line, up ? low : high, up ? high : low});
                placed = true;
            } else {
                const int left = recipe.cluster ? std::clamp(centre - n / 2 + Pick(random, -1, 1), 0, columns - n)
                                                : Pick(random, 0, columns - n);
                int lowest = 99;
                for (int c = left; c < left + n; ++c) lowest = std::min(lowest, trial.Height(c));
                const int r = floorRow + Pick(random, 0, recipe.deep ? std::min(1, lowest) : lowest);
                bool ok = true;
                for (int k = 0; k < n && ok; ++k) ok = Insert(trial, left + k, r, {values[k]}, recipe.maxHeight);
                if (!ok) continue;
                b = trial;
                const bool rightwards = Pick(random, 0, 1) == 0;
                const Cell a{r, left}, z{r, left + n - 1};
                lines.push_back({MoveKind::line, rightwards ? a : z, rightwards ? z : a});
                placed = true;
            }
        }
        if (!placed) return false;
        centre = std::clamp(centre + Pick(random, -1, 1), 1, 5);
    }
    std::reverse(lines.begin(), lines.end());
    // Swaps undone into the board: a swap of two panels is its own undoing;
    // a panel moved onto an empty cell came from inside another column.
    std::vector<Move> swaps;
    for (int i = 0; i < recipe.swaps; ++i) {
        std::vector<Cell> panels;
        for (int r = floorRow; r <= solver::topRow; ++r)
            for (int c = 0; c < columns; ++c)
                if (b.cells[r][c] >= 0) panels.push_back({r, c});
        if (panels.size() < 2) return false;
        bool done = false;
        for (int tries = 0; tries < 60 && !done; ++tries) {
            if (Pick(random, 0, 3) == 0) {
                const int from = Pick(random, 0, columns - 1), to = Pick(random, 0, columns - 1);
                const int hf = b.Height(from);
                if (hf == 0 || from == to) continue;
                const int value = b.cells[floorRow + hf - 1][from];
                Board trial = b;
                trial.cells[floorRow + hf - 1][from] = -1;
                const int r = floorRow + Pick(random, 0, std::max(0, trial.Height(to) - 1));
                if (!Insert(trial, to, r, {value}, recipe.maxHeight)) continue;
                b = trial;
                swaps.push_back({MoveKind::swap, {r, to}, {floorRow + b.Height(from), from}});
                done = true;
            } else {
                const Cell x = panels[Pick(random, 0, static_cast<int>(panels.size()) - 1)];
                const Cell y = panels[Pick(random, 0, static_cast<int>(panels.size()) - 1)];
                if (b.At(x) == b.At(y)) continue;
                std::swap(b.At(x), b.At(y));
                swaps.push_back({MoveKind::swap, x, y});
                done = true;
            }
        }
        if (!done) return false;
    }
    std::reverse(swaps.begin(), swaps.end());

    out = puzzleBook::Problem{};
    for (int r = 0; r <= solver::topRow; ++r)
        for (int c = 0; c < columns; ++c) out.board[r * columns + c] = b.cells[r][c];
    out.target = recipe.target;
    out.swapLimit = recipe.swapLimit;
    out.goalType = recipe.goalType;
    out.goalValue = recipe.goalValue;
    out.solution = swaps;
    out.solution.insert(out.solution.end(), lines.begin(), lines.end());
    return b.PanelCount() > 0;
}

}  // namespace maker
