#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
#include <vector>

#include "match/headless_run.h"
#include "platform/surface.h"
#include "platform/wipe.h"
#include "shell/menu_input.h"
#include "setup/player_params.h"

namespace {

using headlessRun::Begin;
using headlessRun::RandomInputs;
using headlessRun::StepThrough;
using headlessRun::StartOf;

struct Case {
    int mode;
    uint32_t seed;
};
constexpr Case cases[] = {{endlessMode, 1'900'000'000}, {endlessMode, 77}, {versusMode, 1'900'000'000},
                          {versusMode, 5}, {practiceMode, 9}, {puzzleMode, 11}};

// Any field left out of the snapshot, or any rule reading something outside
// it, shows as a checksum that differs after the restore.
TEST(MatchSnapshot, RestoredMatchRunsOnExactlyAsItDidBefore) {
    for (const Case& c : cases) {
        Begin(StartOf(c.mode, c.seed), false);
        const auto inputs = RandomInputs(c.seed, 2500, c.mode == versusMode);
        // A step somewhere in the first three quarters of the match.
        const size_t length = StepThrough(inputs).size();
        ASSERT_GT(length, 200u) << "mode " << c.mode << " seed " << c.seed;
        std::mt19937 rng(c.seed);
        const size_t at = 100 + rng() % (length * 3 / 4 - 100);
        Begin(StartOf(c.mode, c.seed), false);
        StepThrough(inputs, 0, at);
        auto snapshot = std::make_unique<MatchSnapshot>();
        SaveMatchSnapshot(*snapshot);
        const uint64_t atSnapshot = MatchChecksum();
        const std::vector<uint64_t> first = StepThrough(inputs, at);
        RestoreMatchSnapshot(*snapshot);
        EXPECT_EQ(MatchChecksum(), atSnapshot);
        const std::vector<uint64_t> again = StepThrough(inputs, at);
        ASSERT_EQ(again.size(), first.size()) << "mode " << c.mode << " seed " << c.seed;
        for (size_t i = 0; i < first.size(); ++i)
            ASSERT_EQ(again[i], first[i]) << "mode " << c.mode << " seed " << c.seed << " step " << at + i;
    }
}

// The sync test of rollback play: at every step the state of a few steps
// ago is restored and those steps are run again, each to the checksum it had.
TEST(MatchSnapshot, EveryStepRunsAgainFromEightStepsBackToTheSameChecksums) {
    constexpr int back = 8;
    for (const Case& c : cases) {
        Begin(StartOf(c.mode, c.seed), false);
        const auto inputs = RandomInputs(c.seed + 1, 2000, c.mode == versusMode);
        auto ring = std::make_unique<MatchSnapshot[]>(back + 1);
        std::vector<uint64_t> sums;
        for (size_t s = 0; s < inputs.size() && !MatchOver(); ++s) {
            SaveMatchSnapshot(ring[s % (back + 1)]);
            MatchStep(inputs[s]);
            sums.push_back(MatchChecksum());
            if (s < back) continue;
            const size_t from = s - back;
            RestoreMatchSnapshot(ring[from % (back + 1)]);
            for (size_t k = from; k <= s; ++k) {
                MatchStep(inputs[k]);
                ASSERT_EQ(MatchChecksum(), sums[k])
                    << "mode " << c.mode << " seed " << c.seed << ": step " << k << " ran again from " << from;
            }
        }
        EXPECT_GT(sums.size(), 250u) << "mode " << c.mode;
    }
}

// The checksum reads every part of the state: a change to any one of them
// changes it, and putting the value back restores it.
TEST(MatchSnapshot, ChecksumSeesEveryPartOfTheState) {
    Begin(StartOf(versusMode, 3), false);
    StepThrough(RandomInputs(3, 300, true));
    const uint64_t before = MatchChecksum();
    auto flip = [&](auto& value, const char* what) {
        const auto kept = value;
        value = static_cast<std::remove_reference_t<decltype(value)>>(value + 1);
        EXPECT_NE(MatchChecksum(), before) << what;
        value = kept;
        EXPECT_EQ(MatchChecksum(), before) << what;
    };
    flip(board[2 * boardCells - 1], "the right board's last cell");
    flip(players[1].linesCleared, "the right player's last field");
    flip(players[0].cursorX, "the left player's first field");
    flip(topLineStep, "a match value");
    flip(matchStep, "the step count");
    flip(matchPuzzle.swapLimit, "the problem's swaps left");
    flip(keptMarks.cells[1][1], "a swap cell's kept mark");
    flip(gameRandom.words[30], "the random state");
    flip(gameRandom.front, "the random position");
    flip(flyingPanels[1][14][6].flyX, "a flying panel");
    flip(options.difficulty, "an option");
    flip(playerParams[1][4], "a parameter");
    flip(versusWins[1], "the series");
    flip(wipeWidth, "the wipe");
}

// Drawing is a matter of the screen only: the same start and inputs give the
// same state step by step whether the steps draw or not, and the same final
// picture when they do; another seed gives another match.
TEST(MatchSnapshot, SameStartAndInputsGiveTheSameMatchDrawnOrNot) {
    for (const Case& c : cases) {
        const auto inputs = RandomInputs(c.seed + 2, 1500, c.mode == versusMode);
        Begin(StartOf(c.mode, c.seed), true);
        const std::vector<uint64_t> drawn = StepThrough(inputs);
        const std::vector<uint8_t> picture(backBuffer.pixels, backBuffer.pixels + screenWidth * screenHeight);
        Begin(StartOf(c.mode, c.seed), true);
        EXPECT_EQ(StepThrough(inputs), drawn) << "mode " << c.mode;
        EXPECT_EQ(std::memcmp(backBuffer.pixels, picture.data(), picture.size()), 0) << "mode " << c.mode;
        Begin(StartOf(c.mode, c.seed), false);
        EXPECT_EQ(StepThrough(inputs), drawn) << "mode " << c.mode;
        Begin(StartOf(c.mode, c.seed + 1), false);
        const std::vector<uint64_t> other = StepThrough(inputs);
        ASSERT_FALSE(other.empty());
        EXPECT_NE(other.back(), drawn.back()) << "mode " << c.mode;
    }
}

// A match begun from its start record is the same match whatever the screen
// before it left behind: a wipe still closing (a replay checked right after a
// match), a grown text box (the versus set-up's confirmation).
TEST(MatchSnapshot, WhatThePreviousScreenLeftDoesNotReachTheMatch) {
    struct Leftover {
        int8_t wipe, width, box;
    };
    constexpr Leftover leftovers[] = {{1, 2, 0}, {1, 60, 10}, {0, 0, 10}};
    for (const Case& c : cases) {
        const auto inputs = RandomInputs(c.seed + 5, 300, c.mode == versusMode);
        Begin(StartOf(c.mode, c.seed), false);
        const std::vector<uint64_t> clean = StepThrough(inputs);
        for (const Leftover& l : leftovers) {
            harness::Boot();
            wipeState = l.wipe;
            wipeWidth = l.width;
            boxGrowth = l.box;
            ApplyMatchStart(StartOf(c.mode, c.seed));
            drawingSkipped = true;
            soundsMuted = true;
            RunMatchOpening();
            EXPECT_EQ(StepThrough(inputs), clean) << "mode " << c.mode << " wipe " << int(l.wipe) << " box " << int(l.box);
        }
    }
}

}  // namespace
