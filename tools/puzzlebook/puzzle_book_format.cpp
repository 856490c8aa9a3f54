// The book's pieces written back as text, and the book as the game's tables.

#include "puzzlebook/puzzle_book.h"

#include <algorithm>
#include <string>

namespace puzzleBook {

namespace {

constexpr int firstRow = 2;  // the floor
constexpr int lastRow = 14;  // the top of the field
constexpr int columns = 7;

bool OnField(Cell cell) { return cell.row >= firstRow && cell.row <= lastRow && cell.col >= 0 && cell.col < columns; }

std::string SwapsText(int limit) {
    if (limit == -2) return "none";
    if (limit == -1) return "any";
    return std::to_string(limit);
}

std::string GoalText(int type, int value) {
    switch (type) {
    case goalChain:
        return "chain " + std::to_string(value);
    case goalPanels:
        return "panels " + std::to_string(value);
    case goalScore:
        return "score " + std::to_string(value);
    default:
        return "clear";
    }
}

}  // namespace

std::string CellName(Cell cell) {
    // Not a cell of the field: still readable in a message, never parsed back.
    if (!OnField(cell)) return "(row " + std::to_string(cell.row) + ", column " + std::to_string(cell.col) + ")";
    return std::string(1, static_cast<char>('a' + cell.col)) + std::to_string(cell.row - 1);
}

bool ParseCell(const std::string& name, Cell& cell) {
    if (name.size() < 2 || name.size() > 3 || name[0] < 'a' || name[0] >= 'a' + columns) return false;
    // One spelling per cell: no sign, no leading zero.
    if (name[1] < '1' || name[1] > '9') return false;
    if (name.size() == 3 && (name[2] < '0' || name[2] > '9')) return false;
    const int number = std::stoi(name.substr(1));
    if (number > lastRow - 1) return false;
    cell = Cell{number + 1, name[0] - 'a'};
    return true;
}

std::string FormatMove(const Move& move) {
    return std::string(move.kind == MoveKind::swap ? "swap " : "line ") + CellName(move.from) + " " + CellName(move.to);
}

std::string FormatSolution(const std::vector<Move>& moves) {
    std::string text;
    for (const Move& move : moves) text += (text.empty() ? "" : ", ") + FormatMove(move);
    return text;
}

std::string FormatProblem(const Problem& problem) {
    std::string text = "problem " + std::to_string(problem.number) + "\n";
    text += "idea: " + problem.idea + "\n";
    if (!problem.screenIdea.empty()) text += "idea-ja: " + problem.screenIdea + "\n";
    if (!problem.englishIdea.empty()) text += "idea-en: " + problem.englishIdea + "\n";
    if (!problem.lessonHint.empty()) text += "hint: " + problem.lessonHint + "\n";
    if (!problem.englishHint.empty()) text += "hint-en: " + problem.englishHint + "\n";
    text += "target: " + std::to_string(problem.target) + "\n";
    text += "swaps: " + SwapsText(problem.swapLimit) + "\n";
    text += "goal: " + GoalText(problem.goalType, problem.goalValue) + "\n";
    text += "time: " + std::to_string(problem.minutes) + ":" + (problem.seconds < 10 ? "0" : "") +
            std::to_string(problem.seconds) + "\n";
    text += "board:\n";
    // From the highest row holding a panel down to the floor.
    int top = firstRow - 1;
    for (int row = firstRow; row <= lastRow; ++row) {
        const int8_t* cells = problem.board + row * columns;
        if (std::any_of(cells, cells + columns, [](int8_t v) { return v >= 0; })) top = row;
    }
    for (int row = top; row >= firstRow; --row) {
        text += "  ";
        for (int col = 0; col < columns; ++col) {
            const int8_t v = problem.board[row * columns + col];
            text += v >= 0 && v <= 7 ? static_cast<char>('0' + v) : '.';
        }
        text += "\n";
    }
    text += "solution: " + FormatSolution(problem.solution) + "\n";
    return text;
}

std::string IdeasText(const std::vector<Problem>& problems, bool english) {
    std::string lines[puzzleCount];
    // A tab would part the line: the reader's one separator.
    const auto clean = [](std::string text) {
        std::replace(text.begin(), text.end(), '\t', ' ');
        return text;
    };
    for (const Problem& p : problems) {
        if (p.number < 1 || p.number > puzzleCount) continue;
        const std::string& idea = english ? (p.englishIdea.empty() ? p.idea : p.englishIdea) : p.screenIdea;
        const std::string& hint = english ? p.englishHint : p.lessonHint;
        lines[p.number - 1] = clean(idea) + (hint.empty() ? "" : "\t" + clean(hint));
    }
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

PuzzleFile BookTables(const std::vector<Problem>& problems) {
    PuzzleFile tables;
    std::fill(&tables.boards[0][0], &tables.boards[0][0] + puzzleCount * puzzleCells, int8_t{-1});
    std::fill(std::begin(tables.targetSums), std::end(tables.targetSums), int8_t{7});
    std::fill(std::begin(tables.swapLimits), std::end(tables.swapLimits), int8_t{-1});
    std::fill(std::begin(tables.goalTypes), std::end(tables.goalTypes), int8_t{goalClearAll});
    std::fill(std::begin(tables.goalValues), std::end(tables.goalValues), 0);
    std::fill(std::begin(tables.seconds), std::end(tables.seconds), 0);
    std::fill(std::begin(tables.minutes), std::end(tables.minutes), 0);
    for (const Problem& p : problems) {
        if (p.number < 1 || p.number > puzzleCount) continue;
        const int i = p.number - 1;
        std::copy(std::begin(p.board), std::end(p.board), tables.boards[i]);
        tables.targetSums[i] = static_cast<int8_t>(p.target);
        tables.swapLimits[i] = static_cast<int8_t>(p.swapLimit);
        tables.goalTypes[i] = static_cast<int8_t>(p.goalType);
        tables.goalValues[i] = p.goalValue;
        tables.seconds[i] = p.seconds;
        tables.minutes[i] = p.minutes;
    }
    return tables;
}

}  // namespace puzzleBook
