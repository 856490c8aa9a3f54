// puzzlemaker PLAN [--all] > problems.txt
// puzzlemaker --ideas BOOK > book.txt
//
// For each slot of the plan, builds candidates backwards from a solution,
// grades them with the solver and keeps the one whose difficulty lies
// nearest the slot's wish. Prints the chosen problems in the book's form,
// each with its shortest solution, the time limit its length asks for and a
// first draft of its idea (to be reread by a person). With --all it prints
// every candidate the solver solved, for choosing by hand or by script. With
// --ideas it drafts the ideas of a whole book afresh (problems 11 on).
//
// A plan line: N want=D target=T goal=clear|chain|panels|score value=V
//   limit=none|any|n lines=L swaps=S noise=K maxlen=M height=H zeros=Z
//   sevens=P tries=C seed=X spread=0|1 deep=0|1 cap=positions
// Lines starting with # and blank lines are skipped.

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "puzzlebook/puzzle_book.h"
#include "puzzlemaker/backward_builder.h"
#include "puzzlesolver/grading.h"
#include "puzzlesolver/search.h"
#include "puzzlesolver/solver_board.h"

namespace {

struct Slot {
    int number = 0;
    double want = 1;
    int tries = 60;
    uint64_t cap = 3'000'000;
    unsigned seed = 1;
    maker::Recipe recipe;
};

bool ParseSlot(const std::string& line, Slot& slot) {
    std::istringstream in(line);
    if (!(in >> slot.number)) return false;
    slot.seed = static_cast<unsigned>(slot.number) * 7919u;
    std::string word;
    while (in >> word) {
        const size_t eq = word.find('=');
        if (eq == std::string::npos) return false;
        const std::string key = word.substr(0, eq), value = word.substr(eq + 1);
        maker::Recipe& r = slot.recipe;
        const int n = std::atoi(value.c_str());
        if (key == "want") slot.want = std::atof(value.c_str());
        else if (key == "target") r.target = n;
        else if (key == "goal") r.goalType = value == "clear" ? 0 : value == "chain" ? 1 : value == "panels" ? 2 : 3;
        else if (key == "value") r.goalValue = n;
        else if (key == "limit") r.swapLimit = value == "none" ? -2 : value == "any" ? -1 : n;
        else if (key == "lines") r.lines = n;
        else if (key == "swaps") r.swaps = n;
        else if (key == "noise") r.noise = n;
        else if (key == "maxlen") r.maxLength = n;
        else if (key == "height") r.maxHeight = n;
        else if (key == "zeros") r.zeros = n;
        else if (key == "sevens") r.sevenPairs = n;
        else if (key == "tries") slot.tries = n;
        else if (key == "seed") slot.seed = static_cast<unsigned>(n);
        else if (key == "spread") r.cluster = n == 0;
        else if (key == "deep") r.deep = n != 0;
        else if (key == "cap") slot.cap = std::strtoull(value.c_str(), nullptr, 10);
        else return false;
    }
    return true;
}

// What the solution does, for a first draft of the idea.
struct Features {
    int swaps = 0, lines = 0, toEmpty = 0, fallen = 0, zeroLines = 0, sevenLines = 0;
};

Features Describe(const puzzleBook::Problem& p) {
    Features f;
    solver::Board b = solver::Board::FromGame(p.board);
    const solver::Board start = b;
    for (const puzzleBook::Move& m : p.solution) {
        if (m.kind == puzzleBook::MoveKind::swap) {
            ++f.swaps;
            f.toEmpty += b.At(m.to) < 0 ? 1 : 0;
            solver::SwapCells(b, m.from, m.to);
            continue;
        }
        ++f.lines;
        const std::vector<puzzleBook::Cell> cells = solver::LineCells(b, m.from, m.to);
        const solver::LineOutcome o = solver::JudgeLine(b, cells, p.target);
        f.zeroLines += o.zeros > 0 ? 1 : 0;
        f.sevenLines += o.sevens >= 2 ? 1 : 0;
        bool moved = false;
        for (const puzzleBook::Cell& c : cells) moved = moved || start.At(c) != b.At(c);
        f.fallen += moved ? 1 : 0;
        solver::ClearLine(b, cells);
    }
    return f;
}

// A first draft of the one-line idea: the goal, then what the problem is
// about, chosen from what its shortest solution has to do (a hint, not the
// solution).
std::string DraftIdea(const puzzleBook::Problem& p, const solver::Grade& g) {
    const Features f = Describe(p);
    std::string goal;
    switch (p.goalType) {
        case 0: goal = "Clear every panel"; break;
        case 1: goal = "A chain of " + std::to_string(p.goalValue); break;
        case 2: goal = std::to_string(p.goalValue) + " panels"; break;
        default: goal = std::to_string(p.goalValue) + " points"; break;
    }
    std::vector<std::string> themes;
    if (p.goalType == 1) themes.push_back("plan every link before the first, the window is short");
    if (p.goalType == 2) themes.push_back("long lines of small numbers clear the most");
    if (p.goalType == 3) themes.push_back("big products score most, and a chain multiplies them");
    if (f.sevenLines > 0) themes.push_back("the sevens must meet in pairs");
    if (f.zeroLines > 0) themes.push_back("the 0-panel needs a line to ride in");
    if (p.swapLimit == -2) themes.push_back("no swaps, so the order of the lines is everything");
    else if (p.swapLimit > 0 && f.swaps == p.swapLimit)
        themes.push_back(p.swapLimit == 1 ? "one swap, spent where it counts" : "every swap allowed is needed");
    if (f.toEmpty > 0) themes.push_back("a panel has to move to an empty column");
    if (f.lines > 1 && f.fallen * 2 >= f.lines) themes.push_back("each line waits for the fall of one before it");
    if (g.solutions == 1) themes.push_back("only one order works");
    else if (g.solutions <= 4) themes.push_back("hardly any order works");
    if (g.losingFirstMoves >= 40) themes.push_back("many lines look right and miss");
    if (themes.empty()) themes.push_back("find the lines that leave no panel stranded");
    std::string idea = goal + " at target " + std::to_string(p.target) + ": " + themes[0];
    // A second theme, picked by the problem's number so neighbours differ.
    if (themes.size() > 1) idea += "; " + themes[1 + static_cast<size_t>(p.number) % (themes.size() - 1)];
    return idea + ".";
}

// The problem in the book's form, with its figures in a comment above.
void Print(puzzleBook::Problem p, const solver::Grade& g, double want) {
    const int seconds = solver::HumanSeconds(static_cast<int>(p.solution.size()));
    p.minutes = seconds / 60;
    p.seconds = seconds % 60;
    p.idea = DraftIdea(p, g);
    std::printf("# shortest %d, solutions %llu, losing %d, difficulty %.2f (wanted %.2f)\n", g.shortest,
                static_cast<unsigned long long>(g.solutions), g.losingFirstMoves, solver::Difficulty(g), want);
    std::printf("%s\n", puzzleBook::FormatProblem(p).c_str());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--ideas") {
        // Fresh drafts of the ideas of problems 11 on (the first ten are
        // written by hand), the book printed back.
        std::vector<puzzleBook::Problem> book;
        std::string error;
        if (!puzzleBook::ReadBook(argv[2], book, error)) {
            std::fprintf(stderr, "puzzlemaker: %s\n", error.c_str());
            return 1;
        }
        for (puzzleBook::Problem& p : book) {
            if (p.number > 10) p.idea = DraftIdea(p, solver::GradeProblem(p));
            std::printf("%s\n", puzzleBook::FormatProblem(p).c_str());
        }
        return 0;
    }
    const bool all = argc == 3 && std::string(argv[2]) == "--all";
    if (argc != 2 && !all) {
        std::fprintf(stderr, "usage: puzzlemaker PLAN [--all]\n");
        return 2;
    }
    std::ifstream plan(argv[1]);
    if (!plan) {
        std::fprintf(stderr, "puzzlemaker: cannot read %s\n", argv[1]);
        return 1;
    }
    std::string line;
    while (std::getline(plan, line)) {
        if (line.empty() || line[0] == '#') continue;
        Slot slot;
        if (!ParseSlot(line, slot)) {
            std::fprintf(stderr, "puzzlemaker: bad plan line: %s\n", line.c_str());
            return 1;
        }
        std::fprintf(stderr, "slot %d\n", slot.number);
        solver::SearchLimits limits;
        limits.maxDepth = 12;
        limits.maxPositions = slot.cap;
        limits.maxMoves = slot.cap * 40;
        std::mt19937 random(slot.seed);
        puzzleBook::Problem best;
        solver::Grade bestGrade;
        double bestGap = 1e9;
        for (int t = 0; t < slot.tries; ++t) {
            puzzleBook::Problem p;
            if (!maker::BuildCandidate(slot.recipe, random, p)) continue;
            p.number = slot.number;
            if (p.goalType != 0 && p.goalValue == 0) {
                // The goal is what the built solution reaches.
                const solver::Playout out = solver::PlaySolution(p, p.solution);
                if (p.goalType == 1) p.goalValue = out.chain;
                if (p.goalType == 2) p.goalValue = out.cleared;
                if (p.goalType == 3) p.goalValue = static_cast<int>(out.score / 100 * 100);
                const int lowest[4] = {0, 3, 10, 1000};
                if (p.goalValue < lowest[p.goalType]) continue;
            }
            std::string reason;
            if (!solver::CheckSolution(p, p.solution, reason)) continue;
            const solver::Grade g = solver::GradeProblem(p, limits);
            if (!g.solved) continue;
            if (all) {
                p.solution = g.example;
                Print(p, g, slot.want);
                continue;
            }
            const double gap = std::fabs(solver::Difficulty(g) - slot.want);
            if (gap < bestGap) {
                bestGap = gap;
                best = p;
                best.solution = g.example;
                bestGrade = g;
            }
        }
        if (all) continue;
        if (bestGap > 1e8) {
            std::fprintf(stderr, "puzzlemaker: no candidate for slot %d\n", slot.number);
            continue;
        }
        Print(best, bestGrade, slot.want);
        std::fflush(stdout);
    }
    return 0;
}
