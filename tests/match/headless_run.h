#pragma once
// Whole matches run from a start record and scripted inputs by MatchStep
// itself, without MatchScene: headless (nothing drawn, nothing heard) or
// drawn into the back buffer, as a replay would run them.
#include <cstdint>
#include <random>
#include <vector>

#include "harness/harness.h"
#include "match/match_begin.h"
#include "match/match_setup.h"
#include "match/match_snapshot.h"
#include "match/match_state.h"
#include "match/match_step.h"
#include "platform/draw_switch.h"
#include "platform/sound.h"
#include "shell/game_mode.h"

namespace headlessRun {

// A start record of the mode as the set-up makes it with the default options:
// endless and practice at difficulty 1, versus with two different profiles,
// puzzle with a problem of six rows of mixed panels, the target 9, twenty
// swaps and two minutes to clear the board.
inline MatchStart StartOf(int mode, uint32_t seed) {
    MatchStart s{};
    s.mode = static_cast<int8_t>(mode);
    if (mode == puzzleMode) {
        s.puzzleIndex = 4;
        for (int i = 0; i < boardCells; ++i) {
            const int r = i / boardColumns;
            s.puzzle.cells[i] = static_cast<int8_t>(r >= 2 && r < 8 ? (i * 5 + r) % 7 + 1 : -1);
        }
        s.puzzle.targetSum = 9;
        s.puzzle.swapLimit = 20;
        s.puzzle.minutes = 2;
    }
    const int8_t oneplayer[5] = {0, 2, 3, 3, 0};
    const int8_t left[5] = {5, 4, 2, 4, 0};
    const int8_t right[5] = {2, 2, 6, 0, 0};
    for (int i = 0; i < 5; ++i) {
        s.params[0][i] = mode == versusMode ? left[i] : oneplayer[i];
        s.params[1][i] = mode == versusMode ? right[i] : 0;
    }
    s.seed = seed;
    return s;
}

// Applies the start and runs the opening; drawn runs get their pictures first.
inline void Begin(const MatchStart& start, bool drawn) {
    harness::Boot();
    ApplyMatchStart(start);
    drawingSkipped = !drawn;
    soundsMuted = !drawn;
    if (drawn) PrepareMatchScreen();
    RunMatchOpening();
}

// Inputs a restless player might give: one play key (now and then none) held
// for a random while, each player on his own; the pause key seldom, and
// never the leave key.
inline std::vector<MatchInput> RandomInputs(uint32_t seed, int steps, bool versus) {
    static constexpr uint16_t playBits[] = {inputUp,     inputRight,    inputDown,        inputLeft,
                                            inputSwap,   inputSelect,   inputDrop,        inputExDelete,
                                            inputExMaxdelete, inputCancel, 0,             0};
    std::mt19937 rng(seed);
    std::vector<MatchInput> inputs(static_cast<size_t>(steps));
    uint16_t held[2] = {0, 0};
    int left[2] = {0, 0};
    for (MatchInput& in : inputs) {
        for (int p = 0; p < (versus ? 2 : 1); ++p) {
            if (left[p] <= 0) {
                held[p] = rng() % 97 == 0 ? uint16_t{inputPause} : playBits[rng() % std::size(playBits)];
                left[p] = held[p] == inputPause ? 2 : static_cast<int>(1 + rng() % 12);
            }
            --left[p];
            in.player[p] = held[p];
        }
    }
    return inputs;
}

// Steps inputs first..end - 1 while the match runs; the checksum after each
// step, in order.
inline std::vector<uint64_t> StepThrough(const std::vector<MatchInput>& inputs, size_t first = 0,
                                         size_t end = SIZE_MAX) {
    std::vector<uint64_t> sums;
    for (size_t i = first; i < inputs.size() && i < end && !MatchOver(); ++i) {
        MatchStep(inputs[i]);
        sums.push_back(MatchChecksum());
    }
    return sums;
}

}  // namespace headlessRun
