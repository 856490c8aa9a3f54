#include "match/match_scene.h"

#include "match/match_guides.h"
#include "match/match_state.h"
#include "match/match_step.h"
#include "match/match_unlocks.h"
#include "match/result_screen.h"
#include "match/step_input.h"
#include "platform/clock.h"
#include "platform/pad_input.h"
#include "platform/present.h"
#include "shell/game_mode.h"
#include "shell/key_guide.h"
#include "shell/scene_links.h"

namespace {

// The screen has closed on leaving: the items a practice session won are
// told on the closed screen first, then the main menu.
void FinishLeaving() {
    if (PracticeItemsHold()) return;
    sceneLinks.returnToMainMenu();
    versusWins[0] = 0;
    versusWins[1] = 0;
}

}  // namespace

void MatchScene() {
    SetKeyGuidePage(MatchGuidePage());
    const uint32_t now = TimeGetTime();
    if (now - matchPaceMark < matchStepMs) return;
    matchPaceMark = now;
    // The second pad steers the right board while a versus match is played;
    // its result and questions take either pad, as the menus do.
    SetPadPlayers(twoPlayers == 1 && matchState == 0 ? 2 : 1);

    const bool resultScreen = matchState == 2;
    const bool played = !MatchOver();
    MatchInput input{};
    if (played) matchInputSource(input);
    MatchStep(input);
    if (played && matchStepSeen != nullptr) matchStepSeen(input);
    if (resultScreen) ResultScreenStep(gameMode == endlessMode ? 0 : 1);
    else if (matchLeft != 0) FinishLeaving();
    Present();
}
