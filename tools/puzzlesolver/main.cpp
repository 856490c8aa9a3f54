// puzzlesolver BOOK [--problem N] [--report FILE.md] [--max-depth D] [--max-positions M]
//
// Searches every problem of the puzzle book for its shortest solutions and
// grades the set: shortest length, number of shortest solutions, lines that
// lose at once on the first move. Checks each stored solution on the model,
// that it is a shortest one, that the time limit is the one its length asks
// for, that the tiers rise and that the set holds the promised mix. With
// --report it writes the report (and the plot beside it). Exit status 1 when
// any check fails.

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "puzzlebook/puzzle_book.h"
#include "puzzlesolver/grading.h"
#include "puzzlesolver/search.h"

namespace {

bool WriteText(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    return static_cast<bool>(out);
}

std::string Folder(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? "" : path.substr(0, slash + 1);
}

int Usage() {
    std::fprintf(stderr, "usage: puzzlesolver BOOK [--problem N] [--report FILE.md] [--max-depth D] "
                         "[--max-positions M]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    const std::string bookPath = argv[1];
    int only = 0;
    std::string report;
    solver::SearchLimits limits;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc) return Usage();
        if (arg == "--problem") only = std::atoi(argv[++i]);
        else if (arg == "--report") report = argv[++i];
        else if (arg == "--max-depth") limits.maxDepth = std::atoi(argv[++i]);
        else if (arg == "--max-positions") limits.maxPositions = std::strtoull(argv[++i], nullptr, 10);
        else return Usage();
    }
    std::vector<puzzleBook::Problem> book;
    std::string error;
    if (!puzzleBook::ReadBook(bookPath, book, error)) {
        std::fprintf(stderr, "puzzlesolver: %s\n", error.c_str());
        return 1;
    }
    if (only > 0) {
        book.erase(std::remove_if(book.begin(), book.end(), [&](const auto& p) { return p.number != only; }),
                   book.end());
        if (book.empty()) {
            std::fprintf(stderr, "puzzlesolver: no problem %d in %s\n", only, bookPath.c_str());
            return 1;
        }
    }

    std::vector<solver::GradedProblem> set(book.size());
    const auto started = std::chrono::steady_clock::now();
    std::atomic<size_t> next{0};
    const auto work = [&] {
        for (size_t i; (i = next++) < book.size();) {
            solver::GradedProblem& g = set[i];
            g.problem = book[i];
            g.grade = solver::GradeProblem(book[i], limits);
            g.storedValid = solver::CheckSolution(book[i], book[i].solution, g.storedReason);
        }
    };
    std::vector<std::thread> threads;
    const unsigned n = std::max(1u, std::thread::hardware_concurrency());
    for (unsigned t = 0; t < n; ++t) threads.emplace_back(work);
    for (std::thread& t : threads) t.join();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();

    bool ok = true;
    std::printf("  no tier goal        tgt swaps time  stored shortest solutions losing  first  diff   secs\n");
    for (const solver::GradedProblem& g : set) {
        const puzzleBook::Problem& p = g.problem;
        const int stored = static_cast<int>(p.solution.size());
        std::printf("%4d %4d %-11s %3d %5d %2d:%02d %6d %8d %9llu %6d %6d %5.2f %6.2f", p.number,
                    solver::Tier(p.number),
                    (p.goalType == 0 ? std::string("clear") : std::to_string(p.goalType) + ":" +
                                                                  std::to_string(p.goalValue)).c_str(),
                    p.target, p.swapLimit, p.minutes, p.seconds, stored, g.grade.shortest,
                    static_cast<unsigned long long>(g.grade.solutions), g.grade.losingFirstMoves,
                    g.grade.firstMoves, solver::Difficulty(g.grade), g.grade.seconds);
        std::string trouble;
        if (!g.grade.solved) trouble += g.grade.gaveUp ? " [search gave up]" : " [NO SOLUTION]";
        if (!g.storedValid) trouble += " [stored: " + g.storedReason + "]";
        if (g.grade.solved && stored > g.grade.shortest)
            trouble += " [stored is not shortest: " + puzzleBook::FormatSolution(g.grade.example) + "]";
        if (p.TimeLimitSeconds() != solver::HumanSeconds(stored))
            trouble += " [time should be " + std::to_string(solver::HumanSeconds(stored)) + " s]";
        std::printf("%s\n", trouble.c_str());
        if (only > 0 && g.grade.solved)
            std::printf("     shortest: %s\n", puzzleBook::FormatSolution(g.grade.example).c_str());
        if (!trouble.empty()) ok = false;
    }
    std::printf("solved %zu problems in %.1f s\n", set.size(), seconds);
    if (only == 0 && set.size() == 100) {
        for (const std::string& s : solver::TierOverlaps(set)) std::printf("tiers: %s\n", s.c_str()), ok = false;
        for (const std::string& s : solver::MixShortfalls(set)) std::printf("mix: %s\n", s.c_str()), ok = false;
    }
    if (!report.empty()) {
        const std::string plot = "puzzles-curve.svg";
        if (!WriteText(report, solver::MarkdownReport(set, plot, seconds)) ||
            !WriteText(Folder(report) + plot, solver::CurveSvg(set))) {
            std::fprintf(stderr, "puzzlesolver: cannot write %s\n", report.c_str());
            return 1;
        }
    }
    return ok ? 0 : 1;
}
