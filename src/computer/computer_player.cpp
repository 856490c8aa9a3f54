#include "computer/computer_player.h"

#include "computer/strengths.h"
#include "match/match_state.h"
#include "shell/game_mode.h"

ComputerPlayer computerPlayers[2];

namespace {

constexpr int16_t greedyGap = 50;  // 60 keys a minute at 50 steps a second

uint32_t Roll(ComputerPlayer& cp) {
    // xorshift32: the computer's own dice, apart from the match's generator.
    uint32_t x = cp.random;
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    cp.random = x;
    return x;
}

ThinkSituation SituationOf(int p) {
    const Player& pl = players[p];
    ThinkSituation s;
    s.target = static_cast<int8_t>(TargetTotal());
    s.cursorRow = pl.cursorY > thinkTop ? thinkTop : pl.cursorY;
    s.cursorColumn = pl.cursorX;
    s.chain = static_cast<int8_t>(pl.chain > 100 ? 100 : pl.chain);
    s.dropComing = pl.dropActive;
    s.secondInTopRow = (gameMode == puzzleMode || gameMode == practiceMode) ? 1 : 0;
    return s;
}

// A slip: a short line from a panel picked at random, which rarely adds up.
ThinkPlan Mistake(ComputerPlayer& cp, const ThinkBoard& field) {
    ThinkPlan plan;
    const int start = static_cast<int>(Roll(cp) % 91);
    for (int k = 0; k < 91; ++k) {
        const int i = (start + k) % 91;
        const int r = thinkFloor + i / thinkColumns;
        const int c = i % thinkColumns;
        if (field.cells[r][c] < 0) continue;
        if (c + 1 < thinkColumns && field.cells[r][c + 1] >= 0) {
            plan.kind = planLine;
            plan.line = ThinkLine{static_cast<int8_t>(r), static_cast<int8_t>(c), static_cast<int8_t>(r),
                                  static_cast<int8_t>(c + 1)};
            return plan;
        }
        if (r + 1 <= thinkTop && field.cells[r + 1][c] >= 0) {
            plan.kind = planLine;
            plan.line = ThinkLine{static_cast<int8_t>(r), static_cast<int8_t>(c), static_cast<int8_t>(r + 1),
                                  static_cast<int8_t>(c)};
            return plan;
        }
    }
    return plan;
}

// The greedy player's whole thought: the first line found, else a swap of
// two panels picked at random.
ThinkPlan GreedyPlan(ComputerPlayer& cp, const ThinkBoard& field, int target) {
    ThinkPlan plan;
    ThinkLine lines[1];
    int32_t work = 0;
    if (VanishingLines(field, target, lines, 1, work) > 0) {
        plan.kind = planLine;
        plan.line = lines[0];
        cp.workLastStep += work;
        return plan;
    }
    cp.workLastStep += work;
    int cells[91];
    int n = 0;
    for (int i = 0; i < 91; ++i) {
        const int r = thinkFloor + i / thinkColumns;
        if (r < thinkTop && field.cells[r][i % thinkColumns] >= 0) cells[n++] = i;
    }
    if (n < 2) return plan;
    const int ia = static_cast<int>(Roll(cp) % n);
    const int ib = static_cast<int>((ia + 1 + Roll(cp) % (n - 1)) % n);
    const int a = cells[ia];
    const int b = cells[ib];
    plan.kind = planSwapLine;
    plan.swapRowA = static_cast<int8_t>(thinkFloor + a / thinkColumns);
    plan.swapColumnA = static_cast<int8_t>(a % thinkColumns);
    plan.swapRowB = static_cast<int8_t>(thinkFloor + b / thinkColumns);
    plan.swapColumnB = static_cast<int8_t>(b % thinkColumns);
    return plan;
}

// With nothing to clear, a low stack asks for a row: more panels, more lines.
ThinkPlan NothingToClear(const ThinkBoard& field, const Player& pl) {
    ThinkPlan plan;
    if (pl.dropActive == 0 && StackHeight(field) <= 6) plan.kind = planDrop;
    return plan;
}

uint16_t GreedyStep(ComputerPlayer& cp, int p) {
    ThinkBoard field;
    SeeBoard(p, field);
    const uint64_t print = BoardPrint(field);
    if (!cp.hands.busy && (print != cp.searchPrint || cp.searchUsed == 0)) {
        cp.searchPrint = print;
        cp.searchUsed = 1;
        TakePlan(cp.hands, GreedyPlan(cp, field, TargetTotal()), field, 0);
    }
    return HandsStep(cp.hands, p, greedyGap);
}

}  // namespace

void BeginComputerPlayer(int p, int strength, uint32_t seed) {
    ComputerPlayer& cp = computerPlayers[p == 1 ? 1 : 0];
    cp = ComputerPlayer{};
    cp.strength = static_cast<int8_t>(strength < 0 ? 0 : strength > strengthCount ? strengthCount : strength);
    cp.random = seed * 2654435761u + 0x9E3779B9u;
    if (cp.random == 0) cp.random = 1;
}

uint16_t ComputerPlayerStep(int p) {
    p = p == 1 ? 1 : 0;
    ComputerPlayer& cp = computerPlayers[p];
    cp.workLastStep = 0;
    ++cp.steps;
    uint16_t bits = 0;
    if (cp.strength == greedyStrength) {
        bits = GreedyStep(cp, p);
    } else {
        const Strength& strength = StrengthOf(cp.strength);
        const Player& pl = players[p];
        ThinkBoard field;
        SeeBoard(p, field);
        const uint64_t print = BoardPrint(field);
        // A board that changed is thought over anew; the hands finish what
        // they are doing first.
        // A plan given up leaves the board as it was: after a while it is
        // thought over again all the same.
        if (cp.searchUsed && !cp.hands.busy && cp.steps - cp.usedAt > 100) cp.searchPrint = 0;
        if (print != cp.searchPrint && !cp.hands.busy) {
            BeginSearch(cp.search, field, SituationOf(p));
            cp.searchPrint = print;
            cp.searchUsed = 0;
        }
        if (!SearchDone(cp.search)) cp.workLastStep += ContinueSearch(cp.search, strength, strength.workPerStep);
        if (!cp.hands.busy && cp.searchUsed == 0 && SearchDone(cp.search)) {
            cp.searchUsed = 1;
            cp.usedAt = cp.steps;
            ThinkPlan plan = cp.search.best;
            if (plan.kind == planNone) plan = NothingToClear(field, pl);
            else if (static_cast<int>(Roll(cp) % 100) < strength.errorPercent) plan = Mistake(cp, field);
            TakePlan(cp.hands, plan, cp.search.root, strength.reactionSteps);
        }
        bits = HandsStep(cp.hands, p, static_cast<int16_t>(3000 / strength.actionsPerMinute));
    }
    if (cp.workLastStep > cp.workMost) cp.workMost = cp.workLastStep;
    cp.workTotal += cp.workLastStep;
    return bits;
}
