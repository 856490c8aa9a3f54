#pragma once
#include <cstdint>

#include "ranking/ranking_rules.h"

// The endless result as the ranking takes it; the chain still running counts
// towards the longest chain.
MatchResult CollectMatchResult();

// The result screen, each step while matchState is 2: the ranking and name
// entry of an endless match (unless skipped), then the question whether to
// play again, and where each answer leads.
void ResultScreenStep(int rankingSkipped);

// Someone else's say on 「もう一度しますか？」: the opponent at the other end
// of a match played over the network, who answers on his own machine. All
// unset while the player's answer alone decides.
struct RetryVote {
    // Told once, on the step the player decides (0 again, 1 end); the box
    // then says it waits for the other, until outcome settles it.
    void (*cast)(int8_t answer) = nullptr;
    // Asked on every step of the question: -1 while it is not settled, 0
    // again for both, 1 the end for both (which may come before the player
    // has answered at all).
    int8_t (*outcome)() = nullptr;
    // Once the screen has closed on the outcome: where it leads, instead of
    // the set-up or the menu.
    void (*follow)(int8_t outcome) = nullptr;
    // 1 from the player's answer until the outcome settles the question.
    int8_t awaiting = 0;
};
extern RetryVote retryVote;
