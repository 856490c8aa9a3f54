#include "puzzlesolver/search.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <climits>
#include <unordered_map>
#include <unordered_set>

namespace solver {

using puzzleBook::Cell;
using puzzleBook::Move;
using puzzleBook::MoveKind;
using puzzleBook::Problem;

namespace {

constexpr int unreachable = INT_MAX / 2;

struct Position {
    Board board;
    int swapsLeft = -1;
    int chain = 0;  // the living chain; 0 when none lives
    Cell cursor;
    ChainClock clock;
    int cleared = 0;
    int64_t score = 0;
};

struct Rules {
    int target = 7;
    int goalType = 0;
    int goalValue = 0;
    bool timed = false;  // the goal needs the chain (a chain or a score goal)
    ChainTiming timing;
};

enum class Step { illegal, lost, ok, goal };

bool TopRowTaken(const Board& b) {
    for (int c = 0; c < columns; ++c)
        if (b.cells[topRow][c] >= 0) return true;
    return false;
}

bool OnField(Cell c) { return c.row >= floorRow && c.row <= topRow && c.col >= 0 && c.col < columns; }

// The chain survives the action when the frames since its last line plus the
// action's own pending frames stay inside the window (less the margin).
bool ChainLives(const Rules& rules, int sinceLine, int pending) {
    return sinceLine + pending < rules.timing.window - rules.timing.margin;
}

Step Apply(const Rules& rules, Position& p, const Move& m) {
    const ChainTiming& t = rules.timing;
    if (!OnField(m.from) || !OnField(m.to) || m.from == m.to) return Step::illegal;
    if (m.kind == MoveKind::swap) {
        if (p.swapsLeft == -2 || p.swapsLeft == 0 || p.board.At(m.from) < 0) return Step::illegal;
        const int pick = std::max(p.clock.cursorFree + t.cursorStep * Distance(p.cursor, m.from), p.clock.settled) +
                         t.actionGap;
        const int second = pick + t.cursorStep * Distance(m.from, m.to) + t.actionGap;
        const int done = second + t.swapAnimation;
        const int fall = SwapCells(p.board, m.from, m.to);
        if (TopRowTaken(p.board)) return Step::illegal;
        if (p.swapsLeft > 0) --p.swapsLeft;
        if (p.chain > 0 && rules.timed && ChainLives(rules, done, second - pick)) {
            p.clock = {second, done + FallFrames(t, fall)};
        } else {
            p.chain = 0;
            p.clock = {};
        }
        p.cursor = m.to;
        return Step::ok;
    }
    const std::vector<Cell> cells = LineCells(p.board, m.from, m.to);
    if (cells.empty()) return Step::illegal;
    const LineOutcome outcome = JudgeLine(p.board, cells, rules.target);
    if (!outcome.vanishes) return Step::lost;
    bool continues = false;
    if (p.chain > 0 && rules.timed) {
        const int anchor = std::max(p.clock.cursorFree + t.cursorStep * Distance(p.cursor, m.from), p.clock.settled) +
                           t.actionGap;
        const int confirm = anchor + t.lineStep * (outcome.cells - 1) + t.confirmGap;
        continues = ChainLives(rules, confirm, confirm - anchor);
    }
    p.chain = continues ? p.chain + 1 : 1;
    p.cleared += outcome.cells;
    p.score += LineScore(outcome, p.chain);
    const int fall = ClearLine(p.board, cells);
    p.clock = {0, t.clear + FallFrames(t, fall)};
    p.cursor = m.to;
    switch (rules.goalType) {
        case goalClearAll: return p.board.Empty() ? Step::goal : Step::ok;
        case goalChain: return p.chain >= rules.goalValue ? Step::goal : Step::ok;
        case goalPanels: return p.cleared >= rules.goalValue ? Step::goal : Step::ok;
        default: return p.score >= rules.goalValue ? Step::goal : Step::ok;
    }
}

// Fewest moves that can still reach the goal (unreachable when none can).
int LowerBound(const Rules& rules, const Position& p) {
    switch (rules.goalType) {
        case goalClearAll: {
            int sevens = 0, rest = 0;
            for (int r = floorRow; r <= topRow; ++r)
                for (int c = 0; c < columns; ++c) {
                    const int v = p.board.cells[r][c];
                    if (rules.target == 7 && v == 7) ++sevens;
                    else if (v > 0) rest += v;
                }
            if (p.board.Empty()) return 0;
            if (rest % rules.target != 0 || sevens == 1) return unreachable;
            const int lines = rest / rules.target + (sevens > 0 ? 1 : 0);
            return lines == 0 ? unreachable : lines;  // zeros alone never vanish
        }
        case goalChain: return std::max(1, rules.goalValue - p.chain);
        case goalPanels: return std::max(1, (rules.goalValue - p.cleared + fieldRows - 1) / fieldRows);
        default: return 1;
    }
}

// Positions as keys: four bits per field cell, and what else the goal reads.
using Key = std::array<uint64_t, 8>;

struct KeyHash {
    size_t operator()(const Key& k) const {
        uint64_t h = 0x9e3779b97f4a7c15ull;
        for (uint64_t w : k) {
            h ^= w + 0x9e3779b97f4a7c15ull + (h << 6) + (h >> 2);
            h *= 0xbf58476d1ce4e5b9ull;
        }
        return static_cast<size_t>(h ^ (h >> 31));
    }
};

Key Pack(const Rules& rules, const Position& p, int depth) {
    Key k{};
    int bit = 0;
    for (int r = floorRow; r <= topRow; ++r)
        for (int c = 0; c < columns; ++c, bit += 4)
            k[bit / 64] |= static_cast<uint64_t>(p.board.cells[r][c] + 1) << (bit % 64);
    uint64_t meta = static_cast<uint64_t>(p.swapsLeft + 2) | static_cast<uint64_t>(depth) << 8;
    if (rules.timed && p.chain > 0) {
        meta |= static_cast<uint64_t>(p.chain) << 16 | static_cast<uint64_t>(p.cursor.row) << 28 |
                static_cast<uint64_t>(p.cursor.col) << 32 | static_cast<uint64_t>(p.clock.cursorFree) << 36 |
                static_cast<uint64_t>(p.clock.settled) << 48;
    }
    k[6] = meta;
    k[7] = rules.goalType == goalScore ? static_cast<uint64_t>(p.score)
                                       : static_cast<uint64_t>(rules.goalType == goalPanels ? p.cleared : 0);
    return k;
}

std::vector<Move> CandidateMoves(const Rules& rules, const Position& p) {
    std::vector<Move> moves;
    const Board& b = p.board;
    const auto addLine = [&](Cell a, Cell z) {
        moves.push_back({MoveKind::line, a, z});
        if (rules.timed) moves.push_back({MoveKind::line, z, a});
    };
    for (int r = floorRow; r <= topRow; ++r)
        for (int a = 0; a < columns; ++a) {
            if (b.cells[r][a] < 0) continue;
            for (int z = a + 1; z < columns && b.cells[r][z] >= 0; ++z) addLine({r, a}, {r, z});
        }
    for (int c = 0; c < columns; ++c) {
        const int h = b.Height(c);
        for (int r1 = floorRow; r1 < floorRow + h; ++r1)
            for (int r2 = r1 + 1; r2 < floorRow + h; ++r2) addLine({r1, c}, {r2, c});
    }
    if (p.swapsLeft == -2 || p.swapsLeft == 0) return moves;
    std::vector<Cell> panels;
    for (int r = floorRow; r <= topRow; ++r)
        for (int c = 0; c < columns; ++c)
            if (b.cells[r][c] >= 0) panels.push_back({r, c});
    for (size_t i = 0; i < panels.size(); ++i) {
        for (size_t j = 0; j < panels.size(); ++j) {
            if (i == j || b.At(panels[i]) == b.At(panels[j])) continue;
            if (!rules.timed && j < i) continue;  // the same two panels either way round
            moves.push_back({MoveKind::swap, panels[i], panels[j]});
        }
        // Onto an empty cell: every empty cell of a column ends the same way,
        // the nearest is the lowest.
        for (int c = 0; c < columns; ++c) {
            const int row = floorRow + b.Height(c);
            if (row <= topRow) moves.push_back({MoveKind::swap, panels[i], {row, c}});
        }
    }
    return moves;
}

class Searcher {
public:
    Searcher(const Rules& rules, const SearchLimits& limits) : rules_(rules), limits_(limits) {}

    uint64_t Count(const Position& p, int remaining) {
        if (gaveUp_) return 0;
        const Key key = Pack(rules_, p, remaining);
        if (const auto found = memo_.find(key); found != memo_.end()) return found->second;
        if (memo_.size() >= limits_.maxPositions || positions_ >= limits_.maxMoves) {
            gaveUp_ = true;
            return 0;
        }
        // The same move made from either end (a line anchored at its other
        // end, a swap picked the other way round) is one solution: where the
        // chain's clock tells them apart, the better of them counts.
        std::unordered_map<Key, uint64_t, KeyHash> byMove;
        std::unordered_set<Key, KeyHash> seen;
        for (const Move& m : CandidateMoves(rules_, p)) {
            Position q = p;
            const Step step = Apply(rules_, q, m);
            ++positions_;
            if (step == Step::illegal || step == Step::lost) continue;
            if (!seen.insert(Pack(rules_, q, remaining - 1)).second) continue;
            uint64_t count = 0;
            if (step == Step::goal) {
                count = remaining == 1 ? 1 : 0;
            } else if (remaining > 1 && LowerBound(rules_, q) <= remaining - 1) {
                count = Count(q, remaining - 1);
            }
            Position plain = q;
            plain.cursor = {};
            plain.clock = {};
            uint64_t& best = byMove[Pack(rules_, plain, remaining - 1)];
            best = std::max(best, count);
        }
        uint64_t total = 0;
        for (const auto& [k, count] : byMove) total += count;
        memo_.emplace(key, total);
        return total;
    }

    // One solution through positions whose count is known to be positive.
    bool Example(const Position& p, int remaining, std::vector<Move>& path) {
        std::unordered_set<Key, KeyHash> seen;
        for (const Move& m : CandidateMoves(rules_, p)) {
            Position q = p;
            const Step step = Apply(rules_, q, m);
            if (step == Step::illegal || step == Step::lost) continue;
            if (!seen.insert(Pack(rules_, q, remaining - 1)).second) continue;
            if (step == Step::goal) {
                if (remaining != 1) continue;
                path.push_back(m);
                return true;
            }
            if (remaining > 1 && LowerBound(rules_, q) <= remaining - 1 && Count(q, remaining - 1) > 0) {
                path.push_back(m);
                return Example(q, remaining - 1, path);
            }
        }
        return false;
    }

    bool GaveUp() const { return gaveUp_; }
    uint64_t Positions() const { return positions_; }

private:
    const Rules& rules_;
    const SearchLimits& limits_;
    std::unordered_map<Key, uint64_t, KeyHash> memo_;
    uint64_t positions_ = 0;
    bool gaveUp_ = false;
};

Rules RulesOf(const Problem& problem, const ChainTiming& timing) {
    Rules r;
    r.target = problem.target;
    r.goalType = problem.goalType;
    r.goalValue = problem.goalValue;
    r.timed = problem.goalType == goalChain || problem.goalType == goalScore;
    r.timing = timing;
    return r;
}

Position StartOf(const Problem& problem) {
    Position p;
    p.board = Board::FromGame(problem.board);
    p.swapsLeft = problem.swapLimit;
    p.cursor = {floorRow, 3};
    return p;
}

}  // namespace

Grade GradeProblem(const Problem& problem, const SearchLimits& limits, const ChainTiming& timing) {
    const auto started = std::chrono::steady_clock::now();
    const Rules rules = RulesOf(problem, timing);
    const Position start = StartOf(problem);
    Grade g;

    // The first moves: lines that miss lose at once.
    const Board& b = start.board;
    const auto judge = [&](Cell a, Cell z) {
        const LineOutcome o = JudgeLine(b, LineCells(b, a, z), rules.target);
        (o.vanishes ? g.vanishingFirstLines : g.losingFirstMoves) += 1;
    };
    for (int r = floorRow; r <= topRow; ++r)
        for (int a = 0; a < columns; ++a)
            for (int z = a + 1; z < columns && b.cells[r][a] >= 0 && b.cells[r][z] >= 0; ++z) judge({r, a}, {r, z});
    for (int c = 0; c < columns; ++c)
        for (int r1 = floorRow; r1 < floorRow + b.Height(c); ++r1)
            for (int r2 = r1 + 1; r2 < floorRow + b.Height(c); ++r2) judge({r1, c}, {r2, c});
    {
        std::unordered_set<Key, KeyHash> seen;
        for (const Move& m : CandidateMoves(rules, start)) {
            Position q = start;
            const Step step = Apply(rules, q, m);
            if (step != Step::illegal && step != Step::lost) seen.insert(Pack(rules, q, 0));
        }
        g.firstMoves = static_cast<int>(seen.size());
    }

    for (int depth = std::max(1, LowerBound(rules, start)); depth <= limits.maxDepth; ++depth) {
        if (LowerBound(rules, start) >= unreachable) break;
        SearchLimits left = limits;
        left.maxMoves = limits.maxMoves > g.positions ? limits.maxMoves - g.positions : 0;
        Searcher searcher(rules, left);
        const uint64_t count = searcher.Count(start, depth);
        g.positions += searcher.Positions();
        if (searcher.GaveUp()) {
            g.gaveUp = true;
            break;
        }
        if (count > 0) {
            g.solved = true;
            g.shortest = depth;
            g.solutions = count;
            searcher.Example(start, depth, g.example);
            break;
        }
    }
    g.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    return g;
}

bool CheckSolution(const Problem& problem, const std::vector<Move>& moves, std::string& reason,
                   const ChainTiming& timing) {
    const Rules rules = RulesOf(problem, timing);
    Position p = StartOf(problem);
    for (size_t i = 0; i < moves.size(); ++i) {
        const std::string which = "move " + std::to_string(i + 1) + " (" + puzzleBook::FormatMove(moves[i]) + ")";
        const Step step = Apply(rules, p, moves[i]);
        if (step == Step::illegal) {
            reason = which + " cannot be made";
            return false;
        }
        if (step == Step::lost) {
            reason = which + " is a line that does not vanish";
            return false;
        }
        if (step == Step::goal && i + 1 < moves.size()) {
            reason = which + " already meets the goal";
            return false;
        }
        if (step != Step::goal && i + 1 == moves.size()) {
            reason = "the last move leaves the goal unmet";
            return false;
        }
    }
    return !moves.empty();
}

Playout PlaySolution(const Problem& problem, const std::vector<Move>& moves, const ChainTiming& timing) {
    Rules rules = RulesOf(problem, timing);
    rules.timed = true;
    rules.goalType = goalScore;
    rules.goalValue = INT_MAX;
    Position p = StartOf(problem);
    for (const Move& m : moves)
        if (Apply(rules, p, m) != Step::ok) break;
    return {p.chain, p.cleared, p.score};
}

}  // namespace solver
