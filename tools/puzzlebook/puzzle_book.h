#pragma once
// The puzzle problems the game ships, kept as readable text (data/puzzles.txt)
// and turned into the raw tables of "Data\PZL.dat" by the content generator.
// The solver and the tests that replay every stored solution read the same
// text through this parser, so there is one reading of the book.
//
// The text, line by line (blank lines and lines starting with # are skipped):
//
//   problem 12                 number, 1..100, each once, in rising order
//   idea: Two vertical lines, the second made by the fall of the first.
//   idea-ja: 二本のたてのライン、二本めは一本めの落下でできる
//                              the idea as the picker shows it, in Japanese
//                              (optional; a problem without one shows none)
//   idea-en: Two lines, the second made by the fall.
//                              optional: the idea as the picker shows it in
//                              English when "idea:" is too long for it
//   hint: Sで端をえらび、反対の端でもう一度S
//                              optional: a problem with a hint is a lesson,
//                              and the hint (Japanese, naming the keys) is
//                              shown during its play
//   hint-en: Press S on one end, move to the other end and press S again
//                              the hint in English, required with "hint:"
//   target: 9                  7..10
//   swaps: none                none (no swaps at all), any (no limit) or 1..100
//   goal: chain 2              clear | chain N | panels N | score N
//   time: 1:30                 minutes:seconds, seconds a multiple of 10,
//                              0:10 .. 10:00
//   board:                     then up to 13 rows of exactly 7 characters,
//     ....3..                  top row first, each '.' (empty) or a digit
//     ..2.4..                  0..7, indented; the last drawn row stands on
//     1.6.2..                  the floor of the field
//   solution: swap a1 c2, line c1 c3
//
// Cells are named as on a chess board: columns a..g from the left, rows 1..13
// from the floor up (row 1 is the lowest visible row of the field). A move is
//   swap X Y   pick cell X (a panel) first, then cell Y (a panel or empty);
//   line X Y   anchor the line on X, stretch it to Y and confirm it (X and Y
//              in one row or one column; the cursor ends on Y).
// Moves are separated by commas.
//
// The parser refuses a book that would not make a fair problem, with the
// line, the problem and the cell named: a panel over an empty cell (it would
// fall before play), a drawn row beyond the 13 of the field (the fourteenth
// from the top would be the incoming row, which starts rises and random rows;
// a fifteenth is a row no editor reaches), a value outside 0..7, a limit out
// of its range, a move naming a cell off the board.

#include <cstdint>
#include <string>
#include <vector>

#include "puzzle/puzzle_file.h"

namespace puzzleBook {

// A board cell in the game's own numbering: row 2..14 (2 the floor), column 0..6.
struct Cell {
    int row = 2;
    int col = 0;
    bool operator==(const Cell&) const = default;
};

enum class MoveKind { swap, line };

struct Move {
    MoveKind kind = MoveKind::swap;
    Cell from;  // the swap's first cell, or the line's anchor
    Cell to;    // the swap's second cell, or the line's end
    bool operator==(const Move&) const = default;
};

struct Problem {
    int number = 0;        // 1..100; stored at index number - 1
    int sourceLine = 0;    // line of "problem N" in the text, for messages
    std::string idea;
    std::string screenIdea;  // "idea-ja:", empty when not given
    std::string lessonHint;  // "hint:", empty for a problem that is no lesson
    std::string englishIdea;  // "idea-en:", empty when "idea:" is short enough to show
    std::string englishHint;  // "hint-en:", given exactly when lessonHint is
    int8_t board[puzzleCells];  // the game's layout: cell (r, c) at 7r + c; rows 0 and 1 empty
    int target = 7;
    int swapLimit = -1;    // -2 none, -1 any, 1..100
    int goalType = 0;      // goalClearAll, goalChain, goalPanels, goalScore
    int goalValue = 0;     // 0 for goalClearAll
    int minutes = 0;
    int seconds = 0;
    std::vector<Move> solution;

    int TimeLimitSeconds() const { return minutes * 60 + seconds; }
};

// Reads the whole text. On a fault returns false, with error holding one
// line: "<sourceName>:<line>: problem <n>, cell <name>: <what is wrong>" (the
// cell part only where a cell is at fault).
bool ParseBook(const std::string& text, const std::string& sourceName, std::vector<Problem>& problems,
               std::string& error);

// Reads the file at path (see ParseBook); a missing file is an error too.
bool ReadBook(const std::string& path, std::vector<Problem>& problems, std::string& error);

// The problems as the game's tables: every problem of the book at its index,
// the rest absent (the defaults of an empty file).
PuzzleFile BookTables(const std::vector<Problem>& problems);

// The text of "Text\Ideas.txt" (src/puzzle/puzzle_ideas.h): a line per
// problem 1..100, its screen idea and its hint parted by a tab. In English
// ("Text\en\Ideas.txt") the same lines with "idea-en:" (or "idea:" where
// there is none) and "hint-en:".
std::string IdeasText(const std::vector<Problem>& problems, bool english = false);

// "c4" for row 5, column 2; and back (false when the name is not a cell).
std::string CellName(Cell cell);
bool ParseCell(const std::string& name, Cell& cell);

// "swap a1 c2" / "line c1 c3", and a whole solution joined by ", ".
std::string FormatMove(const Move& move);
std::string FormatSolution(const std::vector<Move>& moves);

// One problem written back in the book's own form (for tools that rewrite
// the book, such as the solver's grading).
std::string FormatProblem(const Problem& problem);

}  // namespace puzzleBook
