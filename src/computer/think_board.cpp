#include "computer/think_board.h"

#include "match/match_state.h"

namespace {

int8_t Unmarked(int8_t v) {
    if (v == markedEmpty) return emptyCell;
    if (v > markedEmpty) return static_cast<int8_t>(v - markOffset);
    return v;
}

}  // namespace

LineJudgement LineSum::Judge(int target) const {
    LineJudgement j;
    j.cells = static_cast<int8_t>(cells);
    j.zeros = static_cast<int8_t>(zeros);
    const bool plain = sevens == 0 && sum == target;
    const bool ofSevens = target == 7 && sevens >= 2 && sevens + zeros == cells;
    j.vanishes = cells >= 2 && (plain || ofSevens);
    j.product = ofSevens ? 7 * sevens : product;
    return j;
}

void SeeBoard(int p, ThinkBoard& field) {
    for (int r = 0; r <= thinkTop; ++r) {
        for (int c = 0; c < thinkColumns; ++c) field.cells[r][c] = Unmarked(Cell(p, r, c));
    }
    const Player& pl = players[p];
    auto lineCells = [&](const LineCells& l, int8_t becomes) {
        ThinkLine line{l.startY, l.startX, l.endY, l.endX};
        if (line.anchorRow < 0 || line.anchorRow > thinkTop || line.endRow < 0 || line.endRow > thinkTop) return;
        if (line.anchorColumn < 0 || line.anchorColumn >= thinkColumns || line.endColumn < 0 ||
            line.endColumn >= thinkColumns)
            return;
        if (line.anchorRow != line.endRow && line.anchorColumn != line.endColumn) return;
        ForLineCells(line, [&](int r, int c) { field.cells[r][c] = becomes; });
    };
    if (pl.clearingLine.Active()) lineCells(pl.clearingLine, emptyCell);
    if (pl.failingLine.Active()) lineCells(pl.failingLine, 0);
    SettleBoard(field);
}

void SettleBoard(ThinkBoard& field) {
    for (int c = 0; c < thinkColumns; ++c) {
        int to = thinkFloor;
        for (int r = thinkFloor; r <= thinkTop; ++r) {
            const int8_t v = field.cells[r][c];
            if (v < 0) continue;
            field.cells[r][c] = emptyCell;
            field.cells[to++][c] = v;
        }
    }
}

int ColumnHeight(const ThinkBoard& field, int column) {
    int h = 0;
    for (int r = thinkFloor; r <= thinkTop; ++r) {
        if (field.cells[r][column] >= 0) h = r - thinkFloor + 1;
    }
    return h;
}

int StackHeight(const ThinkBoard& field) {
    int h = 0;
    for (int c = 0; c < thinkColumns; ++c) {
        const int ch = ColumnHeight(field, c);
        if (ch > h) h = ch;
    }
    return h;
}

uint64_t BoardPrint(const ThinkBoard& field) {
    // FNV-1a over the field and the incoming row.
    uint64_t h = 1469598103934665603ull;
    for (int r = 1; r <= thinkTop; ++r) {
        for (int c = 0; c < thinkColumns; ++c) {
            h ^= static_cast<uint8_t>(field.cells[r][c]);
            h *= 1099511628211ull;
        }
    }
    return h;
}

LineJudgement JudgeLine(const ThinkBoard& field, const ThinkLine& line, int target) {
    LineSum run;
    bool panelsOnly = true;
    ForLineCells(line, [&](int r, int c) {
        const int8_t v = field.cells[r][c];
        if (v < 0) panelsOnly = false;
        else run.Add(v, target == 7);
    });
    LineJudgement j = run.Judge(target);
    if (!panelsOnly) j.vanishes = false;
    return j;
}

void ClearLine(ThinkBoard& field, const ThinkLine& line) {
    ForLineCells(line, [&](int r, int c) { field.cells[r][c] = emptyCell; });
    SettleBoard(field);
}

void SwapCells(ThinkBoard& field, int rowA, int columnA, int rowB, int columnB) {
    const int8_t v = field.cells[rowA][columnA];
    field.cells[rowA][columnA] = field.cells[rowB][columnB];
    field.cells[rowB][columnB] = v;
    SettleBoard(field);
}

int VanishingLines(const ThinkBoard& field, int target, ThinkLine* lines, int max, int32_t& work) {
    int n = 0;
    for (int r = thinkFloor; r <= thinkTop; ++r) {
        for (int c = 0; c < thinkColumns; ++c) {
            if (field.cells[r][c] < 0) continue;
            // Rightwards, then upwards, from this cell.
            for (int dir = 0; dir < 2; ++dir) {
                LineSum run;
                run.Add(field.cells[r][c], target == 7);
                for (int k = 1;; ++k) {
                    const int rr = dir == 0 ? r : r + k;
                    const int cc = dir == 0 ? c + k : c;
                    if (rr > thinkTop || cc >= thinkColumns) break;
                    const int8_t v = field.cells[rr][cc];
                    if (v < 0) break;
                    ++work;
                    run.Add(v, target == 7);
                    if (run.Judge(target).vanishes && n < max) {
                        lines[n++] = ThinkLine{static_cast<int8_t>(r), static_cast<int8_t>(c), static_cast<int8_t>(rr),
                                               static_cast<int8_t>(cc)};
                    }
                    if (run.Beyond(target)) break;
                }
            }
        }
    }
    return n;
}
