// puzzlemaker PLAN > problems.txt
//
// For each slot of the plan, builds candidates backwards from a solution,
// grades them with the solver and keeps the one whose difficulty lies
// nearest the slot's wish. Prints the chosen problems in the book's form,
// each with its shortest solution, the time limit its length asks for and a
// first draft of its idea (to be reread by a person).
//
// A plan line: N want=D target=T goal=clear|chain|panels|score value=V
//   limit=none|any|n lines=L swaps=S noise=K maxlen=M height=H zeros=Z
//   sevens=P tries=C seed=X spread=0|1
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
        else return false;
    }
    return true;
}

const char* Count(int n) {
    static const char* words[] = {"no", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine", "ten"};
    return n >= 0 && n <= 10 ? words[n] : "many";
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

std::string Plural(int n, const char* one, const char* many) {
    return std::string(Count(n)) + " " + (n == 1 ? one : many);
}

// A first draft of the one-line idea, from what the solution does.
std::string DraftIdea(const puzzleBook::Problem& p, const solver::Grade& g) {
    const Features f = Describe(p);
    std::string idea;
    switch (p.goalType) {
        case 0: idea = "Empty the board"; break;
        case 1: idea = "Build a chain of " + std::to_string(p.goalValue); break;
        case 2: idea = "Clear " + std::to_string(p.goalValue) + " panels"; break;
        default: idea = "Score " + std::to_string(p.goalValue) + " points"; break;
    }
    idea += " at target " + std::to_string(p.target) + " in " + Plural(f.swaps + f.lines, "move", "moves") + ": ";
    if (f.swaps > 0) {
        idea += Plural(f.swaps, "swap", "swaps");
        if (f.toEmpty > 0) idea += f.toEmpty == f.swaps ? " onto empty cells" : " (one onto an empty cell)";
        idea += ", then ";
    }
    idea += Plural(f.lines, "line", "lines");
    std::vector<std::string> notes;
    if (f.fallen > 0) notes.push_back(f.fallen == 1 ? "one made by a fall" : Plural(f.fallen, "made", "made") + " by falls");
    if (f.zeroLines > 0) notes.push_back("a 0-panel rides along");
    if (f.sevenLines > 0) notes.push_back("the sevens go in pairs");
    if (g.solutions == 1) notes.push_back("only one way works");
    else if (g.solutions <= 4) notes.push_back("few ways work");
    else if (g.losingFirstMoves >= 30) notes.push_back("many lines miss");
    for (size_t i = 0; i < notes.size() && i < 2; ++i) idea += (i == 0 ? "; " : ", ") + notes[i];
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
    solver::SearchLimits limits;
    limits.maxDepth = 12;
    limits.maxPositions = 3'000'000;
    std::string line;
    while (std::getline(plan, line)) {
        if (line.empty() || line[0] == '#') continue;
        Slot slot;
        if (!ParseSlot(line, slot)) {
            std::fprintf(stderr, "puzzlemaker: bad plan line: %s\n", line.c_str());
            return 1;
        }
        std::mt19937 random(slot.seed);
        puzzleBook::Problem best;
        solver::Grade bestGrade;
        double bestGap = 1e9;
        for (int t = 0; t < slot.tries; ++t) {
            puzzleBook::Problem p;
            if (!maker::BuildCandidate(slot.recipe, random, p)) continue;
            p.number = slot.number;
            if (p.goalType == 3 && p.goalValue == 0) {
                const solver::Playout out = solver::PlaySolution(p, p.solution);
                p.goalValue = static_cast<int>(out.score / 100 * 100);
                if (p.goalValue < 1000) continue;
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
