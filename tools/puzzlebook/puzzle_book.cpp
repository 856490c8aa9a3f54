#include "puzzlebook/puzzle_book.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <sstream>
#include <string_view>

namespace puzzleBook {

namespace {

constexpr int fieldRows = 13;  // drawn rows the field holds: game rows 2..14
constexpr int rowLength = 7;

enum Field {
    fieldIdea,
    fieldTarget,
    fieldSwaps,
    fieldGoal,
    fieldTime,
    fieldBoard,
    fieldSolution,
    fieldScreenIdea,
    fieldHint,
    fieldEnglishIdea,
    fieldEnglishHint,
    fieldCount
};
constexpr const char* fieldNames[fieldCount] = {"idea",     "target", "swaps",   "goal",   "time",
                                                "board",    "solution", "idea-ja", "hint", "idea-en",
                                                "hint-en"};
// Fields a problem may leave out (an English hint only with no hint at all).
constexpr bool Optional(int field) {
    return field == fieldScreenIdea || field == fieldHint || field == fieldEnglishIdea || field == fieldEnglishHint;
}
constexpr const char* goalNames[4] = {"clear", "chain", "panels", "score"};

std::string_view Trim(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

std::vector<std::string> Words(std::string_view text) {
    std::istringstream in{std::string(text)};
    return std::vector<std::string>(std::istream_iterator<std::string>(in), std::istream_iterator<std::string>());
}

// A whole decimal number with an optional minus. Numbers too long to matter
// come back as a huge value, so that the range check names them.
bool ReadNumber(std::string_view text, long long& value) {
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);
    if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    value = 0;
    for (char c : text) value = std::min(value * 10 + (c - '0'), 1000000000000LL);
    if (negative) value = -value;
    return true;
}

// A drawn row waiting for the board's end, when its cells get their names.
struct DrawnRow {
    int line;
    std::string text;
};

// The problem being read, with what it still needs.
struct Pending {
    Problem problem;
    bool given[fieldCount] = {};
    int boardLine = 0;
    std::vector<DrawnRow> rows;
};

class BookReader {
public:
    BookReader(const std::string& sourceName, std::vector<Problem>& problems, std::string& error)
        : source_(sourceName), problems_(problems), error_(error) {}

    bool Read(const std::string& text) {
        problems_.clear();
        std::istringstream in(text);
        std::string raw;
        int line = 0;
        while (std::getline(in, raw)) {
            ++line;
            if (!ReadLine(line, Trim(raw))) return false;
        }
        if (pending_ && !Finish()) return false;
        if (problems_.empty()) return Fail(std::max(line, 1), "the book holds no problem");
        return true;
    }

private:
    // problem names the problem at fault when it is not the one being read.
    bool Fail(int line, const std::string& what, std::optional<Cell> cell = std::nullopt, std::string problem = "") {
        if (problem.empty() && pending_) problem = std::to_string(pending_->problem.number);
        error_ = source_ + ":" + std::to_string(line) + ": ";
        if (!problem.empty()) error_ += "problem " + problem + (cell ? ", " : ": ");
        if (cell) error_ += "cell " + CellName(*cell) + ": ";
        error_ += what;
        return false;
    }

    bool ReadLine(int line, std::string_view text) {
        if (text.empty() || text.front() == '#') return true;
        const std::vector<std::string> words = Words(text);
        const bool problemLine = words.front() == "problem";
        // Inside a board every line that is not a keyword is one of its rows.
        if (inBoard_ && !problemLine && text.find(':') == std::string_view::npos) {
            pending_->rows.push_back({line, std::string(text)});
            return true;
        }
        inBoard_ = false;
        if (problemLine) return StartProblem(line, words);

        const size_t colon = text.find(':');
        if (colon == std::string_view::npos)
            return Fail(line, "'" + words.front() + "' is neither a problem line nor a keyword with a colon");
        const std::string keyword(Trim(text.substr(0, colon)));
        const std::string_view value = Trim(text.substr(colon + 1));
        const auto found = std::find_if(std::begin(fieldNames), std::end(fieldNames),
                                        [&](const char* name) { return keyword == name; });
        if (found == std::end(fieldNames)) return Fail(line, "unknown keyword '" + keyword + "'");
        if (!pending_) return Fail(line, "'" + keyword + "' comes before any problem line");
        const Field field = static_cast<Field>(found - std::begin(fieldNames));
        if (pending_->given[field]) return Fail(line, "'" + keyword + "' is given twice");
        pending_->given[field] = true;
        return ReadField(line, field, value);
    }

    bool StartProblem(int line, const std::vector<std::string>& words) {
        if (pending_ && !Finish()) return false;
        pending_.reset();
        long long number = 0;
        if (words.size() != 2 || !ReadNumber(words[1], number))
            return Fail(line, "a problem line is 'problem' and its number");
        if (number < 1 || number > puzzleCount) return Fail(line, "the number is outside 1..100", std::nullopt, words[1]);
        const int n = static_cast<int>(number);
        if (numbers_.count(n) != 0) return Fail(line, "the number is given twice", std::nullopt, words[1]);
        if (!problems_.empty() && n < problems_.back().number)
            return Fail(line, "comes after problem " + std::to_string(problems_.back().number) + "; numbers rise",
                        std::nullopt, words[1]);
        numbers_.insert(n);
        pending_.emplace();
        Problem& p = pending_->problem;
        p.number = n;
        p.sourceLine = line;
        std::fill(std::begin(p.board), std::end(p.board), int8_t{-1});
        return true;
    }

    bool ReadField(int line, Field field, std::string_view value) {
        Problem& p = pending_->problem;
        switch (field) {
        case fieldIdea:
            if (value.empty()) return Fail(line, "the idea is empty");
            p.idea = value;
            return true;
        case fieldScreenIdea:
            if (value.empty()) return Fail(line, "the idea-ja line is empty");
            p.screenIdea = value;
            return true;
        case fieldHint:
            if (value.empty()) return Fail(line, "the hint is empty");
            p.lessonHint = value;
            return true;
        case fieldEnglishIdea:
            if (value.empty()) return Fail(line, "the idea-en line is empty");
            p.englishIdea = value;
            return true;
        case fieldEnglishHint:
            if (value.empty()) return Fail(line, "the hint-en line is empty");
            p.englishHint = value;
            return true;
        case fieldTarget:
            return ReadTarget(line, value, p);
        case fieldSwaps:
            return ReadSwaps(line, value, p);
        case fieldGoal:
            return ReadGoal(line, value, p);
        case fieldTime:
            return ReadTime(line, value, p);
        case fieldBoard:
            if (!value.empty()) return Fail(line, "the board's rows go on the lines below 'board:'");
            pending_->boardLine = line;
            inBoard_ = true;
            return true;
        case fieldSolution:
            return ReadSolution(line, value, p);
        case fieldCount:
            break;
        }
        return true;
    }

    bool ReadTarget(int line, std::string_view value, Problem& p) {
        long long n = 0;
        if (!ReadNumber(value, n)) return Fail(line, "target '" + std::string(value) + "' is not a number");
        if (n < 7 || n > 10) return Fail(line, "target " + std::string(value) + " is outside 7..10");
        p.target = static_cast<int>(n);
        return true;
    }

    bool ReadSwaps(int line, std::string_view value, Problem& p) {
        if (value == "none") {
            p.swapLimit = -2;
            return true;
        }
        if (value == "any") {
            p.swapLimit = -1;
            return true;
        }
        long long n = 0;
        if (!ReadNumber(value, n) || n < 1 || n > 100)
            return Fail(line, "swaps '" + std::string(value) + "' is not none, any or 1..100");
        p.swapLimit = static_cast<int>(n);
        return true;
    }

    bool ReadGoal(int line, std::string_view value, Problem& p) {
        const std::vector<std::string> words = Words(value);
        const auto found = words.empty() ? std::end(goalNames)
                                         : std::find_if(std::begin(goalNames), std::end(goalNames),
                                                        [&](const char* name) { return words.front() == name; });
        if (found == std::end(goalNames))
            return Fail(line, "goal '" + std::string(value) + "' is not clear, chain N, panels N or score N");
        const int type = static_cast<int>(found - std::begin(goalNames));
        if (type == goalClearAll) {
            if (words.size() != 1) return Fail(line, "goal clear takes no number");
            p.goalType = type;
            p.goalValue = 0;
            return true;
        }
        long long n = 0;
        if (words.size() != 2 || !ReadNumber(words[1], n))
            return Fail(line, "goal " + words.front() + " needs one number");
        const GoalRange range = goalRanges[type];
        if (n < range.low || n > range.high)
            return Fail(line, "goal " + words.front() + " " + words[1] + " is outside " + std::to_string(range.low) +
                                  ".." + std::to_string(range.high));
        p.goalType = type;
        p.goalValue = static_cast<int>(n);
        return true;
    }

    bool ReadTime(int line, std::string_view value, Problem& p) {
        const size_t colon = value.find(':');
        long long minutes = 0, seconds = 0;
        const bool shaped = colon != std::string_view::npos && colon >= 1 && value.size() == colon + 3 &&
                            value.front() != '-' && value[colon + 1] != '-' &&
                            ReadNumber(value.substr(0, colon), minutes) && ReadNumber(value.substr(colon + 1), seconds);
        const std::string shown(value);
        if (!shaped || seconds > 59) return Fail(line, "time '" + shown + "' is not minutes:seconds");
        if (seconds % 10 != 0) return Fail(line, "time " + shown + ": the seconds are not a multiple of 10");
        const long long total = minutes * 60 + seconds;
        if (total < 10 || total > 600) return Fail(line, "time " + shown + " is outside 0:10..10:00");
        p.minutes = static_cast<int>(minutes);
        p.seconds = static_cast<int>(seconds);
        return true;
    }

    bool ReadSolution(int line, std::string_view value, Problem& p) {
        if (value.empty()) return Fail(line, "the solution holds no move");
        size_t start = 0;
        while (true) {
            const size_t comma = value.find(',', start);
            const std::string_view text = Trim(value.substr(start, comma == std::string_view::npos ? value.npos
                                                                                                  : comma - start));
            Move move;
            if (!ReadMove(line, text, move)) return false;
            p.solution.push_back(move);
            if (comma == std::string_view::npos) return true;
            start = comma + 1;
        }
    }

    bool ReadMove(int line, std::string_view text, Move& move) {
        const std::vector<std::string> words = Words(text);
        const bool known = words.size() == 3 && (words[0] == "swap" || words[0] == "line");
        if (!known) return Fail(line, "move '" + std::string(text) + "' is not 'swap X Y' or 'line X Y'");
        move.kind = words[0] == "swap" ? MoveKind::swap : MoveKind::line;
        for (int i = 1; i <= 2; ++i) {
            Cell& cell = i == 1 ? move.from : move.to;
            if (!ParseCell(words[i], cell))
                return Fail(line, "'" + words[i] + "' is not a cell (columns a..g, rows 1..13)");
        }
        if (move.from == move.to)
            return Fail(line,
                        move.kind == MoveKind::swap ? "a swap of a cell with itself"
                                                    : "the line starts and ends on this one cell",
                        move.to);
        if (move.kind == MoveKind::line && move.from.row != move.to.row && move.from.col != move.to.col)
            return Fail(line, "line " + words[1] + " " + words[2] + " is neither in one row nor in one column", move.to);
        return true;
    }

    // The board's cells get their names once its height is known; then every
    // field is checked for being there.
    bool Finish() {
        Pending& pending = *pending_;
        Problem& p = pending.problem;
        if (pending.given[fieldBoard] && !ReadBoard(pending)) return false;
        for (int f = 0; f < fieldCount; ++f) {
            if (!pending.given[f] && !Optional(f))
                return Fail(p.sourceLine, "'" + std::string(fieldNames[f]) + ":' is missing");
        }
        // A lesson's hint is shown in both languages, so it comes in both.
        if (pending.given[fieldHint] != pending.given[fieldEnglishHint])
            return Fail(p.sourceLine, pending.given[fieldHint] ? "'hint-en:' is missing: a hint comes in English too"
                                                               : "'hint-en:' without a 'hint:'");
        problems_.push_back(std::move(p));
        pending_.reset();
        return true;
    }

    bool ReadBoard(Pending& pending) {
        Problem& p = pending.problem;
        const std::vector<DrawnRow>& rows = pending.rows;
        const int drawn = static_cast<int>(rows.size());
        if (drawn == fieldRows + 1)
            return Fail(rows[fieldRows].line, "14 rows drawn: the field holds 13, and a fourteenth would be the "
                                              "incoming row, which starts rises and random rows");
        if (drawn > fieldRows + 1)
            return Fail(rows[fieldRows + 1].line, std::to_string(drawn) + " rows drawn: the field holds 13, and a "
                                                  "fifteenth is a row no editor reaches");
        for (int i = 0; i < drawn; ++i) {
            const DrawnRow& row = rows[static_cast<size_t>(i)];
            if (static_cast<int>(row.text.size()) != rowLength)
                return Fail(row.line, "board row '" + row.text + "' is not 7 characters of '.' or 0..7");
            const int gameRow = 2 + drawn - 1 - i;
            for (int col = 0; col < rowLength; ++col) {
                const char c = row.text[static_cast<size_t>(col)];
                const Cell cell{gameRow, col};
                if (c >= '8' && c <= '9')
                    return Fail(row.line, "value " + std::string(1, c) + " is outside 0..7", cell);
                if (c != '.' && (c < '0' || c > '7'))
                    return Fail(row.line, "'" + std::string(1, c) + "' is neither '.' nor a digit 0..7", cell);
                p.board[gameRow * rowLength + col] = static_cast<int8_t>(c == '.' ? -1 : c - '0');
            }
        }
        // Top row first, so the message names the panel the player sees in the air.
        for (int i = 0; i < drawn; ++i) {
            const int gameRow = 2 + drawn - 1 - i;
            if (gameRow == 2) break;
            for (int col = 0; col < rowLength; ++col) {
                const int8_t v = p.board[gameRow * rowLength + col];
                if (v >= 0 && p.board[(gameRow - 1) * rowLength + col] < 0)
                    return Fail(rows[static_cast<size_t>(i)].line,
                                "panel " + std::to_string(v) + " floats over an empty cell", Cell{gameRow, col});
            }
        }
        if (std::all_of(std::begin(p.board), std::end(p.board), [](int8_t v) { return v < 0; }))
            return Fail(pending.boardLine, "the board holds no panel");
        return true;
    }

    const std::string& source_;
    std::vector<Problem>& problems_;
    std::string& error_;
    std::optional<Pending> pending_;
    std::set<int> numbers_;
    bool inBoard_ = false;
};

}  // namespace

bool ParseBook(const std::string& text, const std::string& sourceName, std::vector<Problem>& problems,
               std::string& error) {
    BookReader reader(sourceName, problems, error);
    if (reader.Read(text)) return true;
    problems.clear();
    return false;
}

bool ReadBook(const std::string& path, std::vector<Problem>& problems, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        problems.clear();
        error = path + ": cannot read the puzzle book";
        return false;
    }
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return ParseBook(text, path, problems, error);
}

}  // namespace puzzleBook
