#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "puzzlebook/puzzle_book.h"
#include "puzzlesolver/search.h"
#include "puzzlesolver/solver_board.h"

namespace {

using puzzleBook::Problem;

// One problem from the book's own text, with a placeholder solution where the
// case is about the search alone.
Problem Parse(const std::string& rules, const std::string& board, const std::string& solution = "line a1 b1") {
    const std::string text = "problem 1\nidea: x\n" + rules + "time: 1:00\nboard:\n" + board + "solution: " + solution + "\n";
    std::vector<Problem> book;
    std::string error;
    EXPECT_TRUE(puzzleBook::ParseBook(text, "t", book, error)) << error;
    return book.empty() ? Problem{} : book[0];
}

struct SearchCase {
    const char* what;
    const char* rules;
    const char* board;
    bool solvable;
    int shortest;
    uint64_t solutions;
};

TEST(PuzzleSolver, FindsTheShortestSolutionsByTheGamesRules) {
    const SearchCase cases[] = {
        {"a pair adding up", "target: 7\nswaps: none\ngoal: clear\n", "  ..34...\n", true, 1, 1},
        {"a single seven never vanishes at 7", "target: 7\nswaps: none\ngoal: clear\n", "  ..70...\n", false, 0, 0},
        {"two sevens with a zero vanish at 7", "target: 7\nswaps: none\ngoal: clear\n", "  ..707..\n", true, 1, 1},
        {"a seven counts at 8", "target: 8\nswaps: none\ngoal: clear\n", "  ..17...\n", true, 1, 1},
        {"either pair first", "target: 7\nswaps: none\ngoal: clear\n", "  ..16...\n  ..34...\n", true, 2, 2},
        {"a panel moved onto an empty cell", "target: 7\nswaps: 1\ngoal: clear\n", "  5..2...\n", true, 2, 5},
        {"no swaps allowed", "target: 7\nswaps: none\ngoal: clear\n", "  5..2...\n", false, 0, 0},
        {"a sum the target does not divide", "target: 9\nswaps: any\ngoal: clear\n", "  ..46...\n", false, 0, 0},
        {"the fall makes the second line", "target: 7\nswaps: none\ngoal: clear\n", "  ..3....\n  ..4....\n  ..16...\n",
         true, 2, 2},
        {"a chain of two", "target: 8\nswaps: none\ngoal: chain 2\n", "  ..26...\n  ..35...\n", true, 2, 2},
        {"no line reaches the target", "target: 10\nswaps: none\ngoal: panels 10\n", "  1111...\n  1111111\n", false, 0, 0},
        // Either row first leaves the same board: one solution.
        {"ten panels in two lines", "target: 10\nswaps: none\ngoal: panels 10\n", "  22222..\n  22222..\n", true, 2, 1},
        {"the score of one line", "target: 10\nswaps: none\ngoal: score 1000\n", "  ..343..\n", false, 0, 0},
    };
    for (const SearchCase& c : cases) {
        SCOPED_TRACE(c.what);
        const solver::Grade g = solver::GradeProblem(Parse(c.rules, c.board));
        EXPECT_EQ(g.solved, c.solvable);
        EXPECT_FALSE(g.gaveUp);
        if (!c.solvable) continue;
        EXPECT_EQ(g.shortest, c.shortest);
        if (c.solutions > 0) {
            EXPECT_EQ(g.solutions, c.solutions);
        }
        std::string reason;
        EXPECT_TRUE(solver::CheckSolution(Parse(c.rules, c.board), g.example, reason)) << reason;
    }
}

TEST(PuzzleSolver, ScoresLinesAsTheGameDoes) {
    // 3, 4, 3 at target 10: product 36, chain 1 gives 36 x 1.1 = 39, times
    // 3 panels + 1; the second link of a chain multiplies by 2 x 1.2.
    const Problem p = Parse("target: 10\nswaps: none\ngoal: score 1000\n", "  ..343..\n  ..343..\n");
    const solver::Playout one = solver::PlaySolution(p, {{puzzleBook::MoveKind::line, {2, 2}, {2, 4}}});
    EXPECT_EQ(one.score, 156);
    const solver::Playout two = solver::PlaySolution(
        p, {{puzzleBook::MoveKind::line, {2, 2}, {2, 4}}, {puzzleBook::MoveKind::line, {2, 4}, {2, 2}}});
    EXPECT_EQ(two.chain, 2);
    EXPECT_EQ(two.score, 156 + 86 * 5);
    EXPECT_EQ(two.cleared, 6);
}

TEST(PuzzleSolver, ChecksAStoredSolutionMoveByMove) {
    const char* rules = "target: 7\nswaps: 1\ngoal: clear\n";
    const char* board = "  ..3344.\n";
    const struct {
        const char* solution;
        const char* reason;  // empty when the solution holds
    } cases[] = {
        {"swap c1 e1, line c1 d1, line e1 f1", ""},
        {"line d1 e1", "the last move leaves the goal unmet"},
        {"line c1 d1", "move 1 (line c1 d1) is a line that does not vanish"},
        {"swap c1 e1, swap c1 e1, line c1 d1", "move 2 (swap c1 e1) cannot be made"},
        {"swap c1 e1, line c1 d1, line e1 f1, line a1 b1", "move 3 (line e1 f1) already meets the goal"},
        {"swap c1 e1, line c1 d1, line a1 b1", "move 3 (line a1 b1) cannot be made"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.solution);
        const Problem p = Parse(rules, board, c.solution);
        std::string reason;
        EXPECT_EQ(solver::CheckSolution(p, p.solution, reason), std::string(c.reason).empty());
        EXPECT_EQ(reason, c.reason);
    }
}

TEST(PuzzleSolver, BoardsSettleColumnByColumn) {
    solver::Board b;
    for (auto& row : b.cells) row.fill(-1);
    b.cells[2][0] = 1;
    b.cells[5][0] = 2;  // three rows over the floor panel's top
    b.cells[4][3] = 3;
    b.cells[6][3] = 4;
    EXPECT_EQ(b.Settle(), 2);
    EXPECT_EQ(b.cells[3][0], 2);
    EXPECT_EQ(b.cells[2][3], 3);
    EXPECT_EQ(b.cells[3][3], 4);
    EXPECT_EQ(b.Height(0), 2);
    EXPECT_EQ(b.Height(3), 2);
    EXPECT_EQ(b.PanelCount(), 4);
}

}  // namespace
