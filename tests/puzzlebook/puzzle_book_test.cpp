#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "puzzlebook/book_parse.h"
#include "puzzlebook/puzzle_book.h"

namespace {

using namespace puzzleBook;
using bookParse::ParseOrFail;
using bookParse::Refusal;

const char* const sampleBook = R"(# two problems, numbers apart
problem 2
idea: Two vertical lines, the second made by the fall of the first.
target: 9
swaps: none
goal: chain 2
time: 1:30
board:
  ....3..
  ..2.4..

  1.6.2..
solution: swap a1 c2, line c1 c3

problem 7
idea:   The tallest tower the field holds.
swaps: 12
target: 10
goal: score 5000
time: 10:00
board:
  3......
  3......
  3......
  3......
  3......
  3......
  3......
  3......
  3......
  3......
  3......
  3......
  34.....
solution: line a1 b1
)";

int8_t At(const Problem& p, int row, int col) { return p.board[7 * row + col]; }

void ExpectSameProblem(const Problem& a, const Problem& b) {
    EXPECT_EQ(a.number, b.number);
    EXPECT_EQ(a.idea, b.idea);
    EXPECT_EQ(a.target, b.target);
    EXPECT_EQ(a.swapLimit, b.swapLimit);
    EXPECT_EQ(a.goalType, b.goalType);
    EXPECT_EQ(a.goalValue, b.goalValue);
    EXPECT_EQ(a.TimeLimitSeconds(), b.TimeLimitSeconds());
    EXPECT_EQ(0, std::memcmp(a.board, b.board, sizeof a.board)) << "problem " << a.number;
    EXPECT_EQ(a.solution, b.solution);
}

TEST(PuzzleBookParse, ReadsEveryFieldOfEachProblem) {
    const std::vector<Problem> book = ParseOrFail(sampleBook);
    ASSERT_EQ(book.size(), 2u);
    struct Expected {
        int number, sourceLine;
        const char* idea;
        int target, swapLimit, goalType, goalValue, minutes, seconds;
    };
    const Expected expected[] = {
        {2, 2, "Two vertical lines, the second made by the fall of the first.", 9, -2, goalChain, 2, 1, 30},
        {7, 15, "The tallest tower the field holds.", 10, 12, goalScore, 5000, 10, 0},
    };
    for (size_t i = 0; i < book.size(); ++i) {
        const Problem& p = book[i];
        const Expected& e = expected[i];
        EXPECT_EQ(p.number, e.number);
        EXPECT_EQ(p.sourceLine, e.sourceLine);
        EXPECT_EQ(p.idea, e.idea);
        EXPECT_EQ(p.target, e.target);
        EXPECT_EQ(p.swapLimit, e.swapLimit);
        EXPECT_EQ(p.goalType, e.goalType);
        EXPECT_EQ(p.goalValue, e.goalValue);
        EXPECT_EQ(p.minutes, e.minutes);
        EXPECT_EQ(p.seconds, e.seconds);
    }
    const std::vector<Move> firstSolution = {{MoveKind::swap, {2, 0}, {3, 2}}, {MoveKind::line, {2, 2}, {4, 2}}};
    EXPECT_EQ(book[0].solution, firstSolution);
    EXPECT_EQ(book[1].solution, (std::vector<Move>{{MoveKind::line, {2, 0}, {2, 1}}}));
}

TEST(PuzzleBookParse, TheLastDrawnRowStandsOnTheFloor) {
    const std::vector<Problem> book = ParseOrFail(sampleBook);
    ASSERT_EQ(book.size(), 2u);
    struct Panel {
        size_t problem;
        int row, col, value;
    };
    const Panel panels[] = {
        {0, 2, 0, 1}, {0, 2, 2, 6}, {0, 2, 4, 2}, {0, 3, 2, 2}, {0, 3, 4, 4}, {0, 4, 4, 3},
        {1, 2, 0, 3}, {1, 2, 1, 4}, {1, 8, 0, 3}, {1, 14, 0, 3},
    };
    for (const Panel& panel : panels)
        EXPECT_EQ(At(book[panel.problem], panel.row, panel.col), panel.value)
            << "problem " << panel.problem << " row " << panel.row << " col " << panel.col;
    // Everything else, the incoming rows 0 and 1 included, is empty.
    const int panelCounts[] = {6, 14};
    for (size_t i = 0; i < book.size(); ++i) {
        EXPECT_EQ(std::count_if(std::begin(book[i].board), std::end(book[i].board), [](int8_t v) { return v >= 0; }),
                  panelCounts[i]);
        for (int cell = 0; cell < 14; ++cell) EXPECT_EQ(book[i].board[cell], -1) << "cell " << cell;
    }
}

TEST(PuzzleBookCells, NamesAndGameCellsMatchBothWays) {
    struct Named {
        const char* name;
        int row, col;
    };
    for (const Named& n : {Named{"a1", 2, 0}, Named{"g1", 2, 6}, Named{"c4", 5, 2}, Named{"a13", 14, 0},
                           Named{"g13", 14, 6}, Named{"d10", 11, 3}}) {
        Cell cell;
        ASSERT_TRUE(ParseCell(n.name, cell)) << n.name;
        EXPECT_EQ(cell, (Cell{n.row, n.col})) << n.name;
        EXPECT_EQ(CellName(cell), n.name);
    }
    for (const char* bad : {"", "a", "h1", "A1", "a0", "a14", "a01", "a-1", "a1x", "1a", "g100"}) {
        Cell cell;
        EXPECT_FALSE(ParseCell(bad, cell)) << "'" << bad << "'";
    }
}

TEST(PuzzleBookFormat, WritesAProblemInTheBooksOwnForm) {
    const std::vector<Problem> book = ParseOrFail(sampleBook);
    ASSERT_FALSE(book.empty());
    EXPECT_EQ(FormatProblem(book[0]),
              "problem 2\n"
              "idea: Two vertical lines, the second made by the fall of the first.\n"
              "target: 9\n"
              "swaps: none\n"
              "goal: chain 2\n"
              "time: 1:30\n"
              "board:\n"
              "  ....3..\n"
              "  ..2.4..\n"
              "  1.6.2..\n"
              "solution: swap a1 c2, line c1 c3\n");
}

TEST(PuzzleBookFormat, WhatIsWrittenParsesBackTheSame) {
    const std::vector<Problem> book = ParseOrFail(sampleBook);
    std::string rewritten;
    for (const Problem& p : book) rewritten += FormatProblem(p) + "\n";
    const std::vector<Problem> again = ParseOrFail(rewritten);
    ASSERT_EQ(again.size(), book.size());
    for (size_t i = 0; i < book.size(); ++i) ExpectSameProblem(again[i], book[i]);
}

TEST(PuzzleBookTables, ProblemsStandAtTheirIndexAndTheRestKeepTheDefaults) {
    const PuzzleFile tables = BookTables(ParseOrFail(sampleBook));
    uint8_t bytes[sizeof(PuzzleFile)];
    std::memcpy(bytes, &tables, sizeof bytes);
    // Offsets of the file: boards 0, targets 10500, swap limits 10600, goal
    // types 10700, goal values 10800, seconds 11200, minutes 11600.
    struct Byte {
        size_t at;
        uint8_t value;
    };
    const Byte expected[] = {
        {0, 0xFF},                       // problem 1 absent: empty board
        {105 + 14, 1},   {105 + 18, 2},  // problem 2, a1 and e1
        {105 + 13, 0xFF},                // its row 1 stays empty
        {105 + 32, 3},                   // e3
        {630 + 98, 3},   {630 + 99, 0xFF},  // problem 7, a13 and b13
        {10500, 7},      {10501, 9},     {10506, 10}, {10599, 7},
        {10600, 0xFF},   {10601, 0xFE},  {10606, 12}, {10699, 0xFF},
        {10700, 0},      {10701, 1},     {10706, 3},
        {10800, 0},      {10804, 2},     {10824, 5000 & 0xFF}, {10825, 5000 >> 8},
        {11204, 30},     {11224, 0},     {11604, 1},  {11624, 10}, {11999, 0},
    };
    for (const Byte& b : expected) EXPECT_EQ(bytes[b.at], b.value) << "byte " << b.at;
    EXPECT_EQ(std::count(bytes, bytes + 10500, 0xFF), 10500 - 6 - 14);
}

TEST(PuzzleBookTables, TheGameFolderHoldsTheShippedFile) {
    const std::filesystem::path file = std::filesystem::path(SUMLINE_CONTENT_DIR) / "defaults" / "PZL.dat";
    ASSERT_TRUE(std::filesystem::exists(file));
    EXPECT_EQ(std::filesystem::file_size(file), 12000u);
}

TEST(PuzzleBookFile, TheBookOfTheGameParses) {
    std::vector<Problem> book;
    std::string error;
    ASSERT_TRUE(ReadBook(SUMLINE_PUZZLE_BOOK, book, error)) << error;
    EXPECT_FALSE(book.empty());
    std::string rewritten;
    for (const Problem& p : book) rewritten += FormatProblem(p);
    const std::vector<Problem> again = ParseOrFail(rewritten);
    ASSERT_EQ(again.size(), book.size());
    for (size_t i = 0; i < book.size(); ++i) ExpectSameProblem(again[i], book[i]);
}

TEST(PuzzleBookFile, AMissingBookIsAnError) {
    std::vector<Problem> book;
    std::string error;
    EXPECT_FALSE(ReadBook("/nonexistent/puzzles.txt", book, error));
    EXPECT_EQ(error, "/nonexistent/puzzles.txt: cannot read the puzzle book");
}

// A valid problem, line by line; each refusal changes a line or two of it.
const std::vector<std::string> fairProblem = {
    "problem 1",  "idea: Two make seven.", "target: 7", "swaps: none",          "goal: clear",
    "time: 0:30", "board:",                "  ..3....", "  ..34...", "solution: line c1 d1",
};

struct Change {
    int line;
    std::optional<std::string> text;  // none: the line is left out
};

std::string Book(std::initializer_list<Change> changes = {}, const std::string& after = "") {
    std::string text;
    for (int line = 1; line <= static_cast<int>(fairProblem.size()); ++line) {
        const auto change = std::find_if(changes.begin(), changes.end(), [&](const Change& c) { return c.line == line; });
        if (change == changes.end()) text += fairProblem[static_cast<size_t>(line - 1)] + "\n";
        else if (change->text) text += *change->text + "\n";
    }
    return text + after;
}

std::string Rows(int count, const std::string& row) {
    std::string rows;
    for (int i = 0; i < count; ++i) rows += (i == 0 ? "" : "\n") + row;
    return rows;
}

TEST(PuzzleBookRefusal, NamesTheLineTheProblemAndTheCell) {
    struct Refused {
        std::string text;
        const char* message;
    };
    const Refused refused[] = {
        // The book's shape.
        {"", "book:1: the book holds no problem"},
        {"target: 7\n" + Book(), "book:1: 'target' comes before any problem line"},
        {Book({{5, "goals: clear"}}), "book:5: problem 1: unknown keyword 'goals'"},
        {Book({{5, "goal clear"}}), "book:5: problem 1: 'goal' is neither a problem line nor a keyword with a colon"},
        {Book({}, "target: 8\n"), "book:11: problem 1: 'target' is given twice"},
        {Book({{1, "problem"}}), "book:1: a problem line is 'problem' and its number"},
        // Every field is needed.
        {Book({{2, std::nullopt}}), "book:1: problem 1: 'idea:' is missing"},
        {Book({{3, std::nullopt}}), "book:1: problem 1: 'target:' is missing"},
        {Book({{4, std::nullopt}}), "book:1: problem 1: 'swaps:' is missing"},
        {Book({{5, std::nullopt}}), "book:1: problem 1: 'goal:' is missing"},
        {Book({{6, std::nullopt}}), "book:1: problem 1: 'time:' is missing"},
        {Book({{10, std::nullopt}}), "book:1: problem 1: 'solution:' is missing"},
        {Book({{7, std::nullopt}, {8, std::nullopt}, {9, std::nullopt}}), "book:1: problem 1: 'board:' is missing"},
        // Numbers.
        {Book({{1, "problem 0"}}), "book:1: problem 0: the number is outside 1..100"},
        {Book({{1, "problem 101"}}), "book:1: problem 101: the number is outside 1..100"},
        {Book() + Book(), "book:11: problem 1: the number is given twice"},
        {Book({{1, "problem 2"}}) + Book(), "book:11: problem 1: comes after problem 2; numbers rise"},
        // The board.
        {Book({{9, "  ..34.."}}), "book:9: problem 1: board row '..34..' is not 7 characters of '.' or 0..7"},
        {Book({{9, "  ..38..."}}), "book:9: problem 1, cell d1: value 8 is outside 0..7"},
        {Book({{8, "  9.3...."}}), "book:8: problem 1, cell a2: value 9 is outside 0..7"},
        {Book({{9, "  x.34..."}}), "book:9: problem 1, cell a1: 'x' is neither '.' nor a digit 0..7"},
        {Book({{8, Rows(13, "  ..3....")}}),
         "book:21: problem 1: 14 rows drawn: the field holds 13, and a fourteenth would be the incoming row, "
         "which starts rises and random rows"},
        {Book({{8, Rows(14, "  ..3....")}}),
         "book:22: problem 1: 15 rows drawn: the field holds 13, and a fifteenth is a row no editor reaches"},
        {Book({{8, "  ..3.5.."}}), "book:8: problem 1, cell e2: panel 5 floats over an empty cell"},
        {Book({{9, "  ..34...\n  ......."}}), "book:9: problem 1, cell c2: panel 3 floats over an empty cell"},
        {Book({{8, "  ......."}, {9, "  ......."}}), "book:7: problem 1: the board holds no panel"},
        {Book({{8, std::nullopt}, {9, std::nullopt}}), "book:7: problem 1: the board holds no panel"},
        {Book({{7, "board: ..34"}}), "book:7: problem 1: the board's rows go on the lines below 'board:'"},
        // Rules of the problem.
        {Book({{2, "idea:"}}), "book:2: problem 1: the idea is empty"},
        {Book({{3, "target: 6"}}), "book:3: problem 1: target 6 is outside 7..10"},
        {Book({{3, "target: 11"}}), "book:3: problem 1: target 11 is outside 7..10"},
        {Book({{3, "target: seven"}}), "book:3: problem 1: target 'seven' is not a number"},
        {Book({{4, "swaps: 0"}}), "book:4: problem 1: swaps '0' is not none, any or 1..100"},
        {Book({{4, "swaps: 101"}}), "book:4: problem 1: swaps '101' is not none, any or 1..100"},
        {Book({{4, "swaps: all"}}), "book:4: problem 1: swaps 'all' is not none, any or 1..100"},
        {Book({{5, "goal: chain 1"}}), "book:5: problem 1: goal chain 1 is outside 2..100"},
        {Book({{5, "goal: chain 101"}}), "book:5: problem 1: goal chain 101 is outside 2..100"},
        {Book({{5, "goal: panels 9"}}), "book:5: problem 1: goal panels 9 is outside 10..1000"},
        {Book({{5, "goal: panels 1001"}}), "book:5: problem 1: goal panels 1001 is outside 10..1000"},
        {Book({{5, "goal: score 999"}}), "book:5: problem 1: goal score 999 is outside 1000..1000000"},
        {Book({{5, "goal: score 1000001"}}), "book:5: problem 1: goal score 1000001 is outside 1000..1000000"},
        {Book({{5, "goal: chain"}}), "book:5: problem 1: goal chain needs one number"},
        {Book({{5, "goal: clear 3"}}), "book:5: problem 1: goal clear takes no number"},
        {Book({{5, "goal: win"}}), "book:5: problem 1: goal 'win' is not clear, chain N, panels N or score N"},
        {Book({{6, "time: 0:05"}}), "book:6: problem 1: time 0:05: the seconds are not a multiple of 10"},
        {Book({{6, "time: 0:00"}}), "book:6: problem 1: time 0:00 is outside 0:10..10:00"},
        {Book({{6, "time: 10:10"}}), "book:6: problem 1: time 10:10 is outside 0:10..10:00"},
        {Book({{6, "time: 0:70"}}), "book:6: problem 1: time '0:70' is not minutes:seconds"},
        {Book({{6, "time: 1:3"}}), "book:6: problem 1: time '1:3' is not minutes:seconds"},
        {Book({{6, "time: 90"}}), "book:6: problem 1: time '90' is not minutes:seconds"},
        // The solution.
        {Book({{10, "solution:"}}), "book:10: problem 1: the solution holds no move"},
        {Book({{10, "solution: line h1 d1"}}), "book:10: problem 1: 'h1' is not a cell (columns a..g, rows 1..13)"},
        {Book({{10, "solution: swap c1 c14"}}), "book:10: problem 1: 'c14' is not a cell (columns a..g, rows 1..13)"},
        {Book({{10, "solution: line c1 d2"}}),
         "book:10: problem 1, cell d2: line c1 d2 is neither in one row nor in one column"},
        {Book({{10, "solution: line c1 c1"}}), "book:10: problem 1, cell c1: the line starts and ends on this one cell"},
        {Book({{10, "solution: line c1 d1, swap a1 a1"}}), "book:10: problem 1, cell a1: a swap of a cell with itself"},
        {Book({{10, "solution: jump c1 d1"}}), "book:10: problem 1: move 'jump c1 d1' is not 'swap X Y' or 'line X Y'"},
        {Book({{10, "solution: line c1 d1,"}}), "book:10: problem 1: move '' is not 'swap X Y' or 'line X Y'"},
    };
    for (const Refused& r : refused) EXPECT_EQ(Refusal(r.text), r.message) << r.text;
}

}  // namespace
