#include "computer/computer_hands.h"

#include "match/match_input.h"
#include "match/match_state.h"

namespace {

// A plan that waits this long for the board it was made on is dropped.
constexpr int16_t giveUpSteps = 150;

uint16_t Toward(const Player& pl, int row, int column) {
    if (pl.cursorY < row) return inputUp;
    if (pl.cursorY > row) return inputDown;
    if (pl.cursorX < column) return inputRight;
    if (pl.cursorX > column) return inputLeft;
    return 0;
}

bool CursorStill(const Player& pl) { return pl.cursorMoveDir == 0 && pl.moveOffset == 0; }

// True when each cell of the line holds, unmarked, what the plan expects.
bool LineReady(const ComputerHands& hands, int p, const ThinkLine& line) {
    bool ready = true;
    ForLineCells(line, [&](int r, int c) {
        const int8_t v = Cell(p, r, c);
        if (!HoldsPanel(v) || v != hands.field.cells[r][c]) ready = false;
    });
    return ready;
}

bool BoardQuiet(const Player& pl) { return pl.needsGravity == 0 && pl.riseOffset == 0 && pl.dropPhase != 2; }

void Drop(ComputerHands& hands) {
    hands.busy = 0;
    hands.plan = ThinkPlan{};
}

void ShiftPlanUp(ComputerHands& hands) {
    ThinkPlan& plan = hands.plan;
    auto up = [](int8_t& row) {
        if (row >= 0) ++row;
    };
    up(plan.swapRowA);
    up(plan.swapRowB);
    up(plan.line.anchorRow);
    up(plan.line.endRow);
    for (int r = thinkTop; r > 0; --r) {
        for (int c = 0; c < thinkColumns; ++c) hands.field.cells[r][c] = hands.field.cells[r - 1][c];
    }
    if (plan.swapRowA > thinkTop || plan.swapRowB > thinkTop || plan.line.anchorRow > thinkTop ||
        plan.line.endRow > thinkTop)
        hands.busy = 0;
}

uint16_t LineKeys(ComputerHands& hands, int p) {
    const Player& pl = players[p];
    const ThinkLine& line = hands.plan.line;
    if (!hands.anchored) {
        if (pl.lineState >= 0 || pl.swapState != 0) return inputCancel;
        if (!CursorStill(pl)) return 0;
        const uint16_t move = Toward(pl, line.anchorRow, line.anchorColumn);
        if (move != 0) return move;
        if (!BoardQuiet(pl) || pl.clearingLine.Active() || !LineReady(hands, p, line)) {
            if (++hands.stuckSteps > giveUpSteps) Drop(hands);
            return 0;
        }
        hands.anchored = 1;
        return inputSelect;
    }
    // Anchored: gravity or the limit may have dropped the line meanwhile.
    if (pl.lineState < 0) {
        Drop(hands);
        return 0;
    }
    if (pl.lineState != 0) return 0;
    if (pl.lineEndY == line.endRow && pl.lineEndX == line.endColumn) {
        if (pl.needsGravity != 0 || pl.clearTimer != 0 || pl.failTimer != -1) return 0;
        Drop(hands);
        return inputSelect;
    }
    if (pl.lineEndY < line.endRow) return inputUp;
    if (pl.lineEndY > line.endRow) return inputDown;
    return pl.lineEndX < line.endColumn ? inputRight : inputLeft;
}

uint16_t SwapKeys(ComputerHands& hands, int p) {
    const Player& pl = players[p];
    const ThinkPlan& plan = hands.plan;
    if (hands.swapPressed == 2) {
        // The swap runs; then the line is the search's again, on the new board.
        if (pl.swapState == 0) Drop(hands);
        return 0;
    }
    if (hands.swapPressed == 1 && pl.swapState != 1) {
        Drop(hands);
        return 0;
    }
    if (pl.lineState >= 0) return inputCancel;
    if (!CursorStill(pl)) return 0;
    const int row = hands.swapPressed == 0 ? plan.swapRowA : plan.swapRowB;
    const int column = hands.swapPressed == 0 ? plan.swapColumnA : plan.swapColumnB;
    const uint16_t move = Toward(pl, row, column);
    if (move != 0) return move;
    if (hands.swapPressed == 0) {
        const int8_t v = Cell(p, row, column);
        if (!BoardQuiet(pl) || !HoldsPanel(v) || v != hands.field.cells[row][column]) {
            if (++hands.stuckSteps > giveUpSteps) Drop(hands);
            return 0;
        }
    }
    ++hands.swapPressed;
    return inputSwap;
}

}  // namespace

void TakePlan(ComputerHands& hands, const ThinkPlan& plan, const ThinkBoard& field, int16_t reactionSteps) {
    hands.plan = plan;
    hands.busy = plan.kind != planNone ? 1 : 0;
    hands.swapPressed = 0;
    hands.anchored = 0;
    hands.waitSteps = reactionSteps;
    hands.stuckSteps = 0;
    hands.field = field;
}

uint16_t HandsStep(ComputerHands& hands, int p, int16_t gapSteps) {
    const Player& pl = players[p];
    // A rise carries the board, the cursor and a line in progress one row up.
    if (hands.busy && pl.riseOffset < hands.lastRise) ShiftPlanUp(hands);
    hands.lastRise = pl.riseOffset;
    if (hands.gapSteps > 0) --hands.gapSteps;
    // A tap: held one step, let go the next.
    if (hands.lastBits != 0) {
        hands.lastBits = 0;
        return 0;
    }
    if (!hands.busy) return 0;
    if (hands.waitSteps > 0) {
        --hands.waitSteps;
        return 0;
    }
    if (hands.gapSteps > 0) return 0;
    uint16_t bits = 0;
    switch (hands.plan.kind) {
        case planLine:
            bits = LineKeys(hands, p);
            break;
        case planSwapLine:
            bits = SwapKeys(hands, p);
            break;
        case planDrop:
            Drop(hands);
            bits = inputDrop;
            break;
        default:
            Drop(hands);
            break;
    }
    if (bits != 0) {
        hands.lastBits = bits;
        hands.gapSteps = gapSteps;
        ++hands.presses;
    }
    return bits;
}
