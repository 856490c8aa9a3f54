#include "computer/computer_match.h"

#include "computer/computer_player.h"
#include "match/match_begin.h"
#include "match/match_input.h"
#include "match/match_state.h"
#include "match/match_step.h"
#include "platform/draw_switch.h"
#include "platform/sound.h"
#include "setup/opponent_choice.h"
#include "shell/game_mode.h"

namespace {

// The first-time player's profile: every parameter alike.
constexpr int8_t newcomerLevels[5] = {3, 3, 3, 3, 3};

MatchStart StartOf(int leftStrength, int rightStrength, uint32_t seed) {
    MatchStart s{};
    s.mode = versusMode;
    const int strengths[2] = {leftStrength, rightStrength};
    for (int p = 0; p < 2; ++p) {
        const int k = strengths[p] < 1 ? 1 : strengths[p] > computerStrengths ? computerStrengths : strengths[p];
        const int8_t* levels = strengths[p] == greedyStrength ? newcomerLevels : computerLevels[k - 1];
        for (int i = 0; i < 5; ++i) s.params[p][i] = levels[i];
    }
    s.seed = seed;
    return s;
}

}  // namespace

ComputerMatchResult PlayComputerMatch(int leftStrength, int rightStrength, uint32_t seed, int32_t maxSteps,
                                      int64_t (*clockNs)()) {
    ComputerMatchResult result;
    drawingSkipped = true;
    soundsMuted = true;
    ApplyMatchStart(StartOf(leftStrength, rightStrength, seed));
    RunMatchOpening();
    BeginComputerPlayer(0, leftStrength, seed * 2 + 1);
    BeginComputerPlayer(1, rightStrength, seed * 2 + 2);
    int32_t lastChain[2] = {0, 0};
    while (matchState == 0 && !MatchOver() && result.steps < maxSteps) {
        MatchInput input;
        for (int p = 0; p < 2; ++p) {
            const int64_t start = clockNs != nullptr ? clockNs() : 0;
            input.player[p] = ComputerPlayerStep(p);
            if (clockNs != nullptr) {
                const int64_t ns = clockNs() - start;
                result.side[p].thinkNsTotal += ns;
                if (ns > result.side[p].thinkNsMost) result.side[p].thinkNsMost = ns;
            }
        }
        MatchStep(input);
        ++result.steps;
        for (int p = 0; p < 2; ++p) {
            // A chain ends when it falls back to 0 from two or more.
            if (players[p].chain == 0 && lastChain[p] >= 2) ++result.side[p].chains;
            lastChain[p] = players[p].chain;
        }
    }
    if (topOutResult == 1) result.winner = 0;
    else if (topOutResult == 2) result.winner = 1;
    for (int p = 0; p < 2; ++p) {
        const ComputerPlayer& cp = computerPlayers[p];
        SideFigures& f = result.side[p];
        f.presses = cp.hands.presses;
        f.workMost = cp.workMost;
        f.workTotal = cp.workTotal;
        f.longestChain = players[p].longestChain;
        f.linesCleared = players[p].linesCleared;
    }
    return result;
}
