#pragma once
#include "ranking/ranking_rules.h"

// The endless result as the ranking takes it; the chain still running counts
// towards the longest chain.
MatchResult CollectMatchResult();

// The result screen, each step while matchState is 2: the ranking and name
// entry of an endless match (unless skipped), then the question whether to
// play again, and where each answer leads.
void ResultScreenStep(int rankingSkipped);
