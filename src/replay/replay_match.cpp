#include "replay/replay_match.h"

#include <algorithm>

#include "match/match_begin.h"
#include "match/match_setup.h"
#include "match/match_state.h"
#include "platform/draw_switch.h"
#include "platform/sound.h"
#include "shell/game_mode.h"

namespace {

int8_t OutcomeOfMatch() {
    if (matchLeft != 0) return outcomeLeft;
    switch (gameMode) {
        case versusMode:
            if (topOutResult == 1) return outcomeWonByLeft;
            if (topOutResult == 2) return outcomeWonByRight;
            if (topOutResult == 3) return outcomeDraw;
            return outcomeLeft;
        case puzzleMode:
            // A retry chosen from the pause menu ends the problem too.
            if (matchEnd == 1) return outcomeCleared;
            if (matchEnd == 2) return outcomeLeft;
            return outcomeTimeUp;
        default: return outcomeTopOut;
    }
}

}  // namespace

void BeginReplayMatch(const Replay& replay, bool shown) {
    ApplyMatchStart(replay.start);
    drawingSkipped = !shown;
    soundsMuted = !shown;
    if (shown) PrepareMatchScreen();
    RunMatchOpening();
}

ReplayResult ResultOfMatch() {
    ReplayResult r;
    r.outcome = OutcomeOfMatch();
    for (int p = 0; p < 2; ++p) {
        r.score[p] = players[p].score;
        r.scoreHigh[p] = players[p].scoreHigh;
    }
    r.level = level;
    // As the ranking takes it: the chain still running counts.
    r.maxChain = std::max(maxChain, players[0].chain);
    r.hours = clockHours;
    r.minutes = clockMinutes;
    r.seconds = clockSeconds;
    return r;
}
