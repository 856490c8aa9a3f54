#include "match/match_scene.h"

#include "match/board_pass.h"
#include "match/gravity_rise.h"
#include "match/hud.h"
#include "match/match_guides.h"
#include "match/match_state.h"
#include "match/pause.h"
#include "match/player_update.h"
#include "match/result_flow.h"
#include "match/result_screen.h"
#include "platform/blit.h"
#include "platform/clock.h"
#include "platform/pad_input.h"
#include "platform/present.h"
#include "platform/surface.h"
#include "shell/game_mode.h"
#include "shell/key_guide.h"

namespace {

constexpr uint32_t stepMs = 20;

// The ranking screen and retry question of the one-player modes draw over
// the bare background, without the match display.
bool HudShown() { return !(matchState == 2 && (gameMode == endlessMode || gameMode == practiceMode)); }

}  // namespace

void MatchScene() {
    SetKeyGuidePage(MatchGuidePage());
    frameClock.now = TimeGetTime();
    if (frameClock.now - frameClock.lastStep < stepMs) return;
    frameClock.lastStep = frameClock.now;
    // The second pad steers the right board while a versus match is played;
    // its result and questions take either pad, as the menus do.
    SetPadPlayers(twoPlayers == 1 && matchState == 0 ? 2 : 1);

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
        case 2:
            ResultScreenStep(gameMode == endlessMode ? 0 : 1);
            break;
        default:
            break;
    }
    Present();
}
