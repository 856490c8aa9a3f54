#include "computer/computer_source.h"

#include "computer/computer_player.h"
#include "match/match_state.h"
#include "match/step_input.h"
#include "platform/keys.h"
#include "setup/opponent_choice.h"
#include "shell/game_mode.h"

namespace {

MatchInputSource replacedSource = nullptr;
// The match step the computer last played, to know a new match by.
uint32_t lastStepPlayed = ~0u;
uint32_t matchesBegun = 0;

uint16_t Arrows() {
    uint16_t bits = 0;
    if (KeyHeld(vkUp)) bits |= inputUp;
    if (KeyHeld(vkRight)) bits |= inputRight;
    if (KeyHeld(vkDown)) bits |= inputDown;
    if (KeyHeld(vkLeft)) bits |= inputLeft;
    return bits;
}

void ComputerMatchInput(MatchInput& input) {
    if (replacedSource != nullptr) replacedSource(input);
    if (gameMode != versusMode || computerOpponent == twoPeople) return;
    // A step count that did not go on is a new match (a rematch starts at 0).
    if (lastStepPlayed == ~0u || matchStep <= lastStepPlayed) {
        BeginComputerPlayer(1, computerOpponent, ++matchesBegun + static_cast<uint32_t>(versusWins[0] * 31));
    }
    lastStepPlayed = matchStep;
    // The result's keys and the pause menu are the person's: the computer
    // plays only while the match is played.
    if (matchState != 0 || AnyPaused()) {
        input.player[1] = 0;
        return;
    }
    // The arrows are player 2's keys in versus; against the computer they are
    // player 1's again.
    input.player[0] = static_cast<uint16_t>(input.player[0] | Arrows());
    input.player[1] = ComputerPlayerStep(1);
}

}  // namespace

void InstallComputerOpponent() {
    if (matchInputSource == ComputerMatchInput) return;
    replacedSource = matchInputSource;
    matchInputSource = ComputerMatchInput;
}
