#include "computer/think_search.h"

#include <cstdlib>

namespace {

constexpr int maxLines = 96;
constexpr int fieldCells = (thinkTop - thinkFloor + 1) * thinkColumns;  // 91

int CellRow(int i) { return thinkFloor + i / thinkColumns; }
int CellColumn(int i) { return i % thinkColumns; }

// What one line is worth: panels gone, points, a clean line for the EX gauge.
int32_t LineGain(const LineJudgement& j) {
    const int32_t product = j.product > 400 ? 400 : j.product;
    return 30 + 8 * j.cells + (j.zeros == 0 ? 4 : 0) + product / 40;
}

// A high stack is the danger: four seconds in the top row ends the match.
int32_t HeightCost(const ThinkBoard& field, int8_t dropComing) {
    int32_t cost = 0;
    for (int c = 0; c < thinkColumns; ++c) {
        const int h = ColumnHeight(field, c) + (dropComing ? 2 : 0);
        if (h > 7) cost += (h - 7) * (h - 7) * 4;
    }
    return cost;
}

int Distance(int r0, int c0, int r1, int c1) { return std::abs(r0 - r1) + std::abs(c0 - c1); }

// The best line of a board worth chaining into: its gain plus the chain it
// keeps alive (a chain of n sends n - 1 panels over).
int32_t BestFollowUp(const ThinkBoard& field, int target, int32_t& work) {
    ThinkLine lines[maxLines];
    const int n = VanishingLines(field, target, lines, maxLines, work);
    int32_t best = 0;
    for (int i = 0; i < n; ++i) {
        const int32_t g = LineGain(JudgeLine(field, lines[i], target)) + 40;
        if (g > best) best = g;
    }
    return best;
}

// A line on a board, looked at as deep as the strength goes: its gain, the
// line its fall sets up, the stack it leaves.
int32_t LineValue(const ThinkBoard& field, const ThinkLine& line, const ThinkSituation& s, int depth,
                  int32_t& work) {
    const LineJudgement j = JudgeLine(field, line, s.target);
    ThinkBoard after = field;
    ClearLine(after, line);
    int32_t value = LineGain(j) - HeightCost(after, s.dropComing);
    // A line that carries a running chain on sends more.
    if (s.chain > 0) value += 20 + 10 * (s.chain > 10 ? 10 : s.chain);
    if (depth >= 2) value += BestFollowUp(after, s.target, work) * 3 / 4;
    return value;
}

// The line ends the cursor meets first: the anchor at the nearer end.
ThinkLine Oriented(const ThinkLine& line, int cursorRow, int cursorColumn) {
    if (Distance(cursorRow, cursorColumn, line.endRow, line.endColumn) <
        Distance(cursorRow, cursorColumn, line.anchorRow, line.anchorColumn))
        return ThinkLine{line.endRow, line.endColumn, line.anchorRow, line.anchorColumn};
    return line;
}

void Consider(ThinkSearch& search, const ThinkPlan& plan) {
    if (plan.value > search.best.value) search.best = plan;
}

// The lines of the board itself, one after another while the slice lasts.
void SearchLines(ThinkSearch& search, const Strength& strength, int32_t& work, int32_t budget) {
    const ThinkSituation& s = search.situation;
    if (search.lineCount < 0) {
        search.lineCount = static_cast<int8_t>(VanishingLines(search.root, s.target, search.lines, maxLines, work));
        search.lineNext = 0;
    }
    while (search.lineNext < search.lineCount && work < budget) {
        const ThinkLine& found = search.lines[search.lineNext++];
        ThinkPlan plan;
        plan.kind = planLine;
        plan.line = Oriented(found, s.cursorRow, s.cursorColumn);
        const int32_t gain = LineGain(JudgeLine(search.root, found, s.target));
        if (gain > search.bestLineGain) search.bestLineGain = gain;
        plan.value = LineValue(search.root, plan.line, s, strength.depth, work) -
                     Distance(s.cursorRow, s.cursorColumn, plan.line.anchorRow, plan.line.anchorColumn) -
                     Distance(plan.line.anchorRow, plan.line.anchorColumn, plan.line.endRow, plan.line.endColumn);
        Consider(search, plan);
    }
}

// Lines of the board through the cell (r, c), both ways, written from the
// cell's run of panels; returns how many.
int LinesThrough(const ThinkBoard& field, int r, int c, int target, ThinkLine* lines, int count, int max,
                 int32_t& work) {
    ThinkLine found[maxLines];
    int n = 0;
    // Across: every start in the run to the left, every end to the right.
    int left = c;
    while (left > 0 && field.cells[r][left - 1] >= 0) --left;
    int down = r;
    while (down > thinkFloor && field.cells[down - 1][c] >= 0) --down;
    for (int dir = 0; dir < 2; ++dir) {
        const int from = dir == 0 ? left : down;
        const int at = dir == 0 ? c : r;
        for (int start = from; start <= at; ++start) {
            LineSum run;
            for (int k = start;; ++k) {
                const int rr = dir == 0 ? r : k;
                const int cc = dir == 0 ? k : c;
                if (rr > thinkTop || cc >= thinkColumns) break;
                const int8_t v = field.cells[rr][cc];
                if (v < 0) break;
                ++work;
                run.Add(v, target == 7);
                if (k >= at && run.Judge(target).vanishes && n < maxLines) {
                    found[n++] = dir == 0 ? ThinkLine{static_cast<int8_t>(r), static_cast<int8_t>(start),
                                                      static_cast<int8_t>(r), static_cast<int8_t>(cc)}
                                          : ThinkLine{static_cast<int8_t>(start), static_cast<int8_t>(c),
                                                      static_cast<int8_t>(rr), static_cast<int8_t>(c)};
                }
                if (run.Beyond(target)) break;
            }
        }
    }
    for (int i = 0; i < n && count < max; ++i) lines[count++] = found[i];
    return count;
}

// One swap: the board after it, the lines it makes where something moved,
// each valued as a line of that board less the way the cursor goes.
void TrySwap(ThinkSearch& search, const Strength& strength, int a, int b, int32_t& work) {
    const ThinkSituation& s = search.situation;
    const int ra = CellRow(a), ca = CellColumn(a), rb = CellRow(b), cb = CellColumn(b);
    ThinkBoard after = search.root;
    SwapCells(after, ra, ca, rb, cb);
    work += 4;
    ThinkLine lines[maxLines];
    int n = 0;
    // Where the board changed, new lines may run.
    for (int r = thinkFloor; r <= thinkTop; ++r) {
        for (int c = 0; c < thinkColumns; ++c) {
            if (after.cells[r][c] == search.root.cells[r][c] || after.cells[r][c] < 0) continue;
            n = LinesThrough(after, r, c, s.target, lines, n, maxLines, work);
        }
    }
    const int travel = Distance(s.cursorRow, s.cursorColumn, ra, ca) + Distance(ra, ca, rb, cb);
    for (int i = 0; i < n; ++i) {
        const ThinkLine line = Oriented(lines[i], rb, cb);
        const int32_t gain = LineGain(JudgeLine(after, line, s.target));
        // Looking past the line costs a whole board's look: only where the
        // line itself is among the best.
        const int depth = (strength.swapDepth >= 2 && gain + 10 >= search.bestLineGain) ? strength.depth : 1;
        ThinkPlan plan;
        plan.kind = planSwapLine;
        plan.swapRowA = static_cast<int8_t>(ra);
        plan.swapColumnA = static_cast<int8_t>(ca);
        plan.swapRowB = static_cast<int8_t>(rb);
        plan.swapColumnB = static_cast<int8_t>(cb);
        plan.line = line;
        plan.value = LineValue(after, line, s, depth, work) - 12 - travel -
                     Distance(rb, cb, line.anchorRow, line.anchorColumn) -
                     Distance(line.anchorRow, line.anchorColumn, line.endRow, line.endColumn);
        if (gain > search.bestLineGain) search.bestLineGain = gain;
        Consider(search, plan);
    }
}

bool SwapAllowed(const ThinkSearch& search, const Strength& strength, int a, int b) {
    if (a == b) return false;
    const int8_t va = search.root.cells[CellRow(a)][CellColumn(a)];
    const int8_t vb = search.root.cells[CellRow(b)][CellColumn(b)];
    if (va < 0) return false;  // the first cell is picked up: it holds a panel
    if (va == vb) return false;
    // Two panels swap the same either way round: each pair once.
    if (vb >= 0 && b < a) return false;
    if (search.situation.secondInTopRow == 0 && CellRow(b) == thinkTop) return false;
    // A panel into the air: only just above the stack, where it lands near.
    if (vb < 0 && CellRow(b) > thinkFloor && search.root.cells[CellRow(b) - 1][CellColumn(b)] < 0) return false;
    return Distance(CellRow(a), CellColumn(a), CellRow(b), CellColumn(b)) <= strength.swapReach;
}

}  // namespace

void BeginSearch(ThinkSearch& search, const ThinkBoard& field, const ThinkSituation& situation) {
    search.root = field;
    search.situation = situation;
    search.phase = 0;
    search.lineCount = -1;
    search.lineNext = 0;
    search.swapFirst = 0;
    search.swapSecond = 0;
    search.bestLineGain = 0;
    search.best = ThinkPlan{};
}

int32_t ContinueSearch(ThinkSearch& search, const Strength& strength, int32_t budget) {
    int32_t work = 0;
    if (search.phase == 0) {
        SearchLines(search, strength, work, budget);
        if (search.lineNext >= search.lineCount) search.phase = strength.swapReach > 0 ? 1 : 2;
    }
    while (search.phase == 1 && work < budget) {
        if (search.swapFirst >= fieldCells) {
            search.phase = 2;
            break;
        }
        if (SwapAllowed(search, strength, search.swapFirst, search.swapSecond))
            TrySwap(search, strength, search.swapFirst, search.swapSecond, work);
        else
            ++work;
        if (++search.swapSecond >= fieldCells) {
            search.swapSecond = 0;
            ++search.swapFirst;
        }
    }
    return work;
}
