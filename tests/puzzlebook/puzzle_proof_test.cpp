#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

#include "harness/harness.h"
#include "match/match_setup.h"
#include "match/match_state.h"
#include "platform/keys.h"
#include "platform/virtual/virtual_backend.h"
#include "platform/wipe.h"
#include "puzzlebook/puzzle_book.h"
#include "puzzlebook/solution_replay.h"
#include "shell/scene.h"

// Every stored solution of the book the game ships, played through the real
// match by a steady player with two different seeds of the match's random
// numbers: each must solve its problem, with its last move, well inside the
// time.
namespace {

using puzzleBook::Problem;

struct Book {
    std::vector<Problem> problems;
    std::string error;
    bool read = false;
};

const Book& TheBook() {
    static const Book book = [] {
        Book b;
        b.read = puzzleBook::ReadBook(SUMLINE_PUZZLE_BOOK, b.problems, b.error);
        return b;
    }();
    return book;
}

struct Seed {
    char name;
    int64_t seconds;
};
constexpr Seed seeds[] = {{'A', 1'700'000'000}, {'B', 1'234'567'890}};

struct ProofCase {
    int number;
    Seed seed;
};

// What ctest shows after the test's name: the seed.
void PrintTo(const ProofCase& c, std::ostream* out) { *out << "seed " << c.seed.seconds; }

std::vector<ProofCase> EveryProblemTwice() {
    std::vector<ProofCase> cases;
    for (const Problem& p : TheBook().problems)
        for (const Seed& s : seeds) cases.push_back({p.number, s});
    return cases;
}

const Problem* Find(int number) {
    for (const Problem& p : TheBook().problems)
        if (p.number == number) return &p;
    return nullptr;
}

TEST(PuzzleBookProof, TheBookReadsWithProblemsInIt) {
    ASSERT_TRUE(TheBook().read) << TheBook().error;
    EXPECT_FALSE(TheBook().problems.empty());
}

class StoredSolution : public ::testing::TestWithParam<ProofCase> {};

TEST_P(StoredSolution, SolvesItsProblemWithItsLastMove) {
    const ProofCase& c = GetParam();
    const Problem* problem = Find(c.number);
    ASSERT_NE(problem, nullptr);
    const std::string named =
        "problem " + std::to_string(c.number) + " (" + puzzleBook::FormatSolution(problem->solution) + ")";
    const solutionReplay::ReplayResult r = solutionReplay::Replay(TheBook().problems, c.number, c.seed.seconds);
    ASSERT_TRUE(r.solved) << named << ": " << r.failure;
    EXPECT_EQ(r.movesPut, static_cast<int>(problem->solution.size()))
        << named << ": solved by move " << r.movesPut << " already";
    EXPECT_TRUE(r.clearShown) << named;
    EXPECT_EQ(r.timeLimitSeconds, problem->TimeLimitSeconds());
    EXPECT_GE(4 * r.secondsLeft, r.timeLimitSeconds)
        << named << ": " << r.secondsLeft << " s of " << r.timeLimitSeconds << " s left";
}

INSTANTIATE_TEST_SUITE_P(Book, StoredSolution, ::testing::ValuesIn(EveryProblemTwice()),
                         [](const ::testing::TestParamInfo<ProofCase>& tested) {
                             char name[32];
                             std::snprintf(name, sizeof name, "Problem%03d_Seed%c", tested.param.number,
                                           tested.param.seed.name);
                             return std::string(name);
                         });
// A book that does not read has no cases; the test above says why.
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(StoredSolution);

// What the picker showed on one frame.
struct Shown {
    int index;
    bool asInTheBook;  // board, time and target of that problem of the book
};
std::vector<Shown> shown;
uint32_t holdFrom = 0;
uint32_t holdFrames = 0;

bool AsInTheBook(int index) {
    const Problem* p = Find(index + 1);
    if (p == nullptr) return false;
    for (int r = 0; r < boardRows; ++r)
        for (int c = 0; c < boardColumns; ++c)
            if (Cell(0, r, c) != p->board[r * boardColumns + c]) return false;
    return clockMinutes == p->minutes && clockSeconds == p->seconds && TargetTotal() == p->target;
}

// Once the picker's opening wipe is over, Right is held for the given
// frames, then Escape leaves.
void HoldRightThroughThePicker() {
    if (currentScene != MatchSetupScene) return;
    const uint32_t now = harness::Frames();
    auto& script = virtualBackend::state.keyScript;
    if (holdFrom == 0) {
        if (wipeState != 0) return;
        holdFrom = now;
        script.push_back({now, vkRight, true});
        script.push_back({now + holdFrames, vkRight, false});
        script.push_back({now + holdFrames + 1, vkEscape, true});
        script.push_back({now + holdFrames + 3, vkEscape, false});
    }
    if (now <= holdFrom + holdFrames && wipeState == 0)
        shown.push_back({puzzleIndex, AsInTheBook(puzzleIndex)});
}

TEST(PuzzleBookProof, ThePickerOffersEveryProblemInTurnAsTheBookHasIt) {
    ASSERT_TRUE(TheBook().read) << TheBook().error;
    const int n = static_cast<int>(TheBook().problems.size());
    ASSERT_GT(n, 0);
    ASSERT_TRUE(solutionReplay::EnterPuzzleMode(TheBook().problems));
    // The first step at once, the second after 30 frames, then one every 10;
    // a second more shows that nothing follows the last.
    shown.clear();
    holdFrom = 0;
    holdFrames = 30 + 10 * static_cast<uint32_t>(n) + 60;
    virtualBackend::state.afterPresent = HoldRightThroughThePicker;
    harness::Pass();
    virtualBackend::state.afterPresent = nullptr;
    EXPECT_EQ(matchStarted, 0);

    std::vector<int> order;
    std::vector<int> unlikeTheBook;  // problem numbers, each once
    for (const Shown& s : shown) {
        if (order.empty() || order.back() != s.index) order.push_back(s.index);
        const int number = s.index + 1;
        if (!s.asInTheBook && (unlikeTheBook.empty() || unlikeTheBook.back() != number)) unlikeTheBook.push_back(number);
    }
    EXPECT_EQ(unlikeTheBook, std::vector<int>{}) << "problems shown otherwise than the book has them";
    std::vector<int> expected;
    for (int i = 0; i < n; ++i) expected.push_back(i);
    EXPECT_EQ(order, expected);
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.back().index, n - 1);
}

}  // namespace
