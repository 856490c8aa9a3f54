#include "netplay/rematch_vote.h"

int8_t VoteOutcome(const RematchVote& vote) {
    if (vote.own == 1 || vote.peer == 1) return 1;
    if (vote.own == 0 && vote.peer == 0) return 0;
    return -1;
}
