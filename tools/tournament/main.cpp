// The computer's strengths measured: fixed-seed versus matches without a
// window, each strength against the one below it (sides swapped every other
// match) and each against the greedy first-time player. Prints the table and,
// with --report, writes docs/computer.md with it and a chart of the win
// rates. Matches are independent: --jobs 2 plays half of them in a second
// process.
//
//   computer_tournament [--matches N] [--jobs J] [--report PATH]

#include <sys/wait.h>
#include <unistd.h>

#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "computer/computer_match.h"
#include "computer/computer_player.h"
#include "computer/strengths.h"
#include "harness/harness.h"
#include "setup/opponent_choice.h"

namespace {

constexpr int32_t maxSteps = 50 * 60 * 8;  // eight minutes: longer is a draw
constexpr double stepsPerMinute = 50.0 * 60.0;

// The thread's own CPU time: on a shared machine the wall clock would count
// the steps other processes took from us.
int64_t NowNs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec;
}

struct Pairing {
    int strength;  // the side measured
    int opponent;  // the one below, or greedyStrength
};

// One match's figures for the side measured.
struct Outcome {
    int8_t won = 0;
    int8_t decided = 0;
    int32_t steps = 0;
    int32_t presses = 0;
    int32_t chains = 0;
    int32_t longestChain = 0;
    int64_t thinkNsTotal = 0;
    int64_t thinkNsMost = 0;
    int32_t workMost = 0;
};

Outcome Play(const Pairing& pairing, int match) {
    const bool swapped = match % 2 == 1;
    const uint32_t seed = 1000u * static_cast<uint32_t>(pairing.strength * 10 + pairing.opponent) +
                          static_cast<uint32_t>(match);
    const int left = swapped ? pairing.opponent : pairing.strength;
    const int right = swapped ? pairing.strength : pairing.opponent;
    const ComputerMatchResult r = PlayComputerMatch(left, right, seed, maxSteps, NowNs);
    const int side = swapped ? 1 : 0;
    Outcome o;
    o.won = r.winner == side ? 1 : 0;
    o.decided = r.winner >= 0 ? 1 : 0;
    o.steps = r.steps;
    o.presses = r.side[side].presses;
    o.chains = r.side[side].chains;
    o.longestChain = r.side[side].longestChain;
    o.thinkNsTotal = r.side[side].thinkNsTotal;
    o.thinkNsMost = r.side[side].thinkNsMost;
    o.workMost = r.side[side].workMost;
    return o;
}

struct Row {
    Pairing pairing;
    int matches = 0;
    int won = 0;
    int64_t steps = 0;
    int64_t presses = 0;
    int64_t chains = 0;
    int32_t longestChain = 0;
    int64_t thinkNs = 0;
    int64_t thinkNsMost = 0;
    int32_t workMost = 0;
};

void Add(Row& row, const Outcome& o) {
    ++row.matches;
    row.won += o.won;
    row.steps += o.steps;
    row.presses += o.presses;
    row.chains += o.chains;
    if (o.longestChain > row.longestChain) row.longestChain = o.longestChain;
    row.thinkNs += o.thinkNsTotal;
    if (o.thinkNsMost > row.thinkNsMost) row.thinkNsMost = o.thinkNsMost;
    if (o.workMost > row.workMost) row.workMost = o.workMost;
}

std::string Name(int strength) {
    return strength == greedyStrength ? std::string("greedy (60/min)") : "strength " + std::to_string(strength);
}

std::string Table(const std::vector<Row>& rows) {
    std::string out =
        "| Side | Against | Matches | Won | Mean match | Actions a minute | Chains a minute | Longest chain | Think per "
        "step: mean | largest | Most work in a step |\n|---|---|---|---|---|---|---|---|---|---|---|\n";
    char line[512];
    for (const Row& r : rows) {
        const double minutes = static_cast<double>(r.steps) / stepsPerMinute;
        std::snprintf(line, sizeof line, "| %s | %s | %d | %.0f %% | %.0f s | %.0f | %.2f | %d | %.1f µs | %.0f µs | %d |\n",
                      Name(r.pairing.strength).c_str(), Name(r.pairing.opponent).c_str(), r.matches,
                      r.matches > 0 ? 100.0 * r.won / r.matches : 0.0,
                      r.matches > 0 ? minutes * 60.0 / r.matches : 0.0,
                      minutes > 0 ? static_cast<double>(r.presses) / minutes : 0.0,
                      minutes > 0 ? static_cast<double>(r.chains) / minutes : 0.0, r.longestChain,
                      r.steps > 0 ? static_cast<double>(r.thinkNs) / 1000.0 / static_cast<double>(r.steps) : 0.0,
                      static_cast<double>(r.thinkNsMost) / 1000.0, r.workMost);
        out += line;
    }
    return out;
}

// Win rate by strength, one bar per strength and opponent, in text.
std::string Chart(const std::vector<Row>& rows) {
    std::string out = "```\nwin rate       0%       25%       50%       75%      100%\n";
    char line[256];
    for (const Row& r : rows) {
        const int percent = r.matches > 0 ? 100 * r.won / r.matches : 0;
        std::string bar(static_cast<size_t>(percent * 40 / 100), '#');
        std::snprintf(line, sizeof line, "%d vs %-7s |%-40s| %3d %%\n", r.pairing.strength,
                      r.pairing.opponent == greedyStrength ? "greedy" : std::to_string(r.pairing.opponent).c_str(),
                      bar.c_str(), percent);
        out += line;
    }
    return out + "```\n";
}

}  // namespace

int main(int argc, char** argv) {
    int matches = 100;
    int jobs = 2;
    const char* report = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--matches") == 0 && i + 1 < argc) matches = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--jobs") == 0 && i + 1 < argc) jobs = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--report") == 0 && i + 1 < argc) report = argv[++i];
        else {
            std::fprintf(stderr, "usage: computer_tournament [--matches N] [--jobs J] [--report PATH]\n");
            return 2;
        }
    }
    if (jobs < 1) jobs = 1;
    // The harness works in a folder of its own: the report's path is taken
    // from where the tool was started.
    std::string reportPath = report != nullptr ? report : "";
    if (!reportPath.empty() && reportPath[0] != '/') {
        char here[4096];
        if (getcwd(here, sizeof here) != nullptr) reportPath = std::string(here) + "/" + reportPath;
    }
    harness::Boot();
    std::vector<Pairing> pairings;
    for (int s = 2; s <= strengthCount; ++s) pairings.push_back({s, s - 1});
    for (int s = 1; s <= strengthCount; ++s) pairings.push_back({s, greedyStrength});

    // Every match by number; job j plays those with number mod jobs == j and
    // sends its outcomes up a pipe.
    const int total = static_cast<int>(pairings.size()) * matches;
    std::vector<Outcome> outcomes(static_cast<size_t>(total));
    std::vector<int> pipes;
    std::vector<pid_t> children;
    for (int j = 1; j < jobs; ++j) {
        int fd[2];
        if (pipe(fd) != 0) return 1;
        const pid_t pid = fork();
        if (pid == 0) {
            close(fd[0]);
            for (int k = j; k < total; k += jobs) {
                const Outcome o = Play(pairings[static_cast<size_t>(k / matches)], k % matches);
                if (write(fd[1], &o, sizeof o) != static_cast<ssize_t>(sizeof o)) _exit(1);
            }
            _exit(0);
        }
        close(fd[1]);
        pipes.push_back(fd[0]);
        children.push_back(pid);
    }
    for (int k = 0; k < total; k += jobs) outcomes[static_cast<size_t>(k)] = Play(pairings[static_cast<size_t>(k / matches)], k % matches);
    for (int j = 1; j < jobs; ++j) {
        for (int k = j; k < total; k += jobs) {
            Outcome o;
            size_t got = 0;
            while (got < sizeof o) {
                const ssize_t n = read(pipes[static_cast<size_t>(j - 1)], reinterpret_cast<char*>(&o) + got, sizeof o - got);
                if (n <= 0) return 1;
                got += static_cast<size_t>(n);
            }
            outcomes[static_cast<size_t>(k)] = o;
        }
        waitpid(children[static_cast<size_t>(j - 1)], nullptr, 0);
    }

    std::vector<Row> rows;
    for (size_t i = 0; i < pairings.size(); ++i) {
        Row row;
        row.pairing = pairings[i];
        for (int m = 0; m < matches; ++m) Add(row, outcomes[i * static_cast<size_t>(matches) + static_cast<size_t>(m)]);
        rows.push_back(row);
    }
    const std::string table = Table(rows);
    const std::string chart = Chart(rows);
    std::fputs(table.c_str(), stdout);
    std::fputs(chart.c_str(), stdout);
    if (report != nullptr) {
        FILE* f = std::fopen(reportPath.c_str(), "w");
        if (f == nullptr) {
            std::fprintf(stderr, "computer_tournament: cannot write %s\n", reportPath.c_str());
            return 1;
        }
        std::fprintf(f, "%s", "# The computer opponent\n\n");
        std::fprintf(f, "%s",
                     "Versus against the computer: the question before the set-up chooses 「コンピュータ」 and a "
                     "strength from 1 to 5. The computer plays player 2 only through his per-step inputs, the way "
                     "the keys would: it sees both boards, the NEXT strip, the gauges and the clock, never the "
                     "random generator. `src/computer/` holds it (see `think_board.h` for the folder's map).\n\n"
                     "## How it thinks\n\n"
                     "Its own board model (settled boards, whole moves, as the puzzle solver's) is searched anytime: "
                     "the lines of the board first, then every swap within the strength's reach and the lines it "
                     "makes where something moved, each line valued by the panels it clears, its points, whether "
                     "it fills the EX gauge, the height it leaves (the danger of the top rows) and, looking past "
                     "its fall, the best line that keeps the chain alive. The search spends at most a strength's "
                     "work (cells looked at) per step and keeps the best plan so far; its hands then tap the keys "
                     "one cell at a time, checking the board before each select and swap.\n\n"
                     "## The five strengths\n\n"
                     "| Strength | Name | Looks | Swaps within | Work a step | Reaction | Actions a minute | Mistakes |\n"
                     "|---|---|---|---|---|---|---|---|\n");
        for (int s = 1; s <= strengthCount; ++s) {
            const Strength& st = StrengthOf(s);
            std::fprintf(f, "| %d | %s | %s | %d cells | %d | %d ms | %d | %d %% |\n", s, StrengthName(s),
                         st.depth >= 2 ? "a line and the line after it" : "one line", st.swapReach,
                         st.workPerStep, st.reactionSteps * 20, st.actionsPerMinute, st.errorPercent);
        }
        std::fprintf(f,
                     "\n## Measured\n\n`build/computer_tournament --matches %d --report docs/computer.md` "
                     "(fixed seeds; matches longer than eight minutes count as not won). Each strength against "
                     "the one below it, sides swapped every other match, and against the greedy player (the first "
                     "line that adds up, else a random swap, at 60 actions a minute). Think time is per step of "
                     "the side measured, on this machine.\n\n",
                     matches);
        std::fputs(table.c_str(), f);
        std::fputs("\nWin rate by strength:\n\n", f);
        std::fputs(chart.c_str(), f);
        std::fputs("\n## Cost\n\n"
                   "A step's thinking is bounded by its work (the table's last column stays within each strength's "
                   "allowance), and its time with it: the largest single step in the table may still show a "
                   "stray slow step of the busy shared two-core machine these ran on (page faults, caches "
                   "emptied by other processes) among the hundreds of thousands measured. "
                   "`build/sumline_bench --benchmark_filter=Computer` (five whole matches of strength 5 against 4, "
                   "thread CPU time) measured 0.83 ms largest and 2.7 µs mean. The real binary under Xvfb in a "
                   "match against strength 5 used 3.9 % of one core over 30 s (measured as "
                   "`bench/measure_binary.sh` measures the versus match, which took 4.0 %), within the 8 % allowed.\n"
                   "\n## Honest play\n\n"
                   "The computer reads only what the screen shows: the cells of the boards (a clear or a fall under "
                   "way taken as settled), its cursor, line and swap, the chain, the queue from above and the "
                   "target total; never the random generator. It acts only through player 2's bits of the step's "
                   "input record, so its moves obey the SPEED of its profile, the limit gauge and every rule of a "
                   "person's keys, and a match against it is recorded as any other. Its own dice (for its "
                   "mistakes) are seeded per match, apart from the match's generator.\n", f);
        std::fclose(f);
    }
    return 0;
}
