#include "match/match_step.h"

#include "match/board_pass.h"
#include "match/gravity_rise.h"
#include "match/hud.h"
#include "match/match_state.h"
#include "match/pause.h"
#include "match/player_update.h"
#include "match/result_flow.h"
#include "match/step_input.h"
#include "platform/blit.h"
#include "platform/surface.h"
#include "shell/game_mode.h"

MatchInputSource matchInputSource = KeyboardMatchInput;
MatchStepObserver matchStepSeen = nullptr;
MatchInput matchInput{};

namespace {

// The ranking screen and retry question of the one-player modes draw over
// the bare background, without the match display.
bool HudShown() { return !(matchState == 2 && (gameMode == endlessMode || gameMode == practiceMode)); }

}  // namespace

void MatchStep(const MatchInput& input) {
    matchInput.player[0] = static_cast<uint16_t>(input.player[0] & inputBitsMask);
    matchInput.player[1] = static_cast<uint16_t>(input.player[1] & inputBitsMask);
    frameClock.now = matchStep * matchStepMs;
    frameClock.lastStep = frameClock.now;
    ++matchStep;

    if (AnyPaused()) HoldPausedClocks();
    else AdvanceRises();

    if (matchEnd < 2) {
        Blit(&backBuffer, 0, 0, tileSurface, keyedCopy, 0, 0, screenWidth, screenHeight);
        if (matchState == 0 && !AnyPaused()) BoardPass();
        if (HudShown()) DrawHud();
    }

    switch (matchState) {
        case 0:
            StartRises();
            UpdatePlayer(0);
            if (twoPlayers == 1) UpdatePlayer(1);
            break;
        case 1:
            ResultFlow();
            players[0].riseTimer = 0;
            players[1].riseTimer = 0;
            break;
        default:
            break;
    }
}

bool MatchOver() { return matchState == 2 || matchLeft != 0; }
