#include "setup/opponent_question.h"

#include <cstdio>

#include "content/game_texts.h"
#include "platform/clock.h"
#include "platform/keys.h"
#include "platform/present.h"
#include "platform/sound.h"
#include "platform/text.h"
#include "platform/tiled_background.h"
#include "platform/wipe.h"
#include "setup/opponent_choice.h"
#include "setup/setup_guides.h"
#include "setup/setup_keys.h"
#include "setup/setup_scene.h"
#include "shell/key_guide.h"
#include "shell/menu_input.h"
#include "shell/scene.h"
#include "shell/scene_links.h"

OpponentQuestionState opponentQuestion;

namespace {

OpponentQuestionState& q = opponentQuestion;

constexpr int choiceTop = 190;
constexpr int choiceBottom = 290;
constexpr int twoLeft = 70, twoRight = 290;
constexpr int computerLeft = 350, computerRight = 570;
// The lower row, under the upper one's two columns and a little wider for
// its longer words.
constexpr int netTop = 318;
constexpr int netBottom = 372;
constexpr int hostLeft = 60, hostRight = 300;
constexpr int joinLeft = 340, joinRight = 580;

void Move(int8_t& value, int step, int low, int high) {
    if (value + step < low || value + step > high) return;
    value = static_cast<int8_t>(value + step);
    RestartSound(seBuffer1, false);
}

void Keys() {
    const bool left = LeftHeld(), right = RightHeld();
    const bool up = UpHeld(), down = DownHeld();
    if (wipeState == 0) {
        const int step = (left || right) && RepeatStep(q.horizontalHold) ? (left ? -1 : 1) : 0;
        if (step != 0) Move(q.row == 0 ? q.choice : q.netChoice, step, 0, q.row == 0 ? computerStrengths : 1);
        if ((up || down) && RepeatStep(q.verticalHold)) Move(q.row, up ? -1 : 1, 0, 1);
    }
    SettleRepeat(q.horizontalHold, left || right);
    SettleRepeat(q.verticalHold, up || down);
    const bool decide = AnyDecideHeld();
    const bool back = AnyBackHeld() || KeyHeld(vkEscape);
    if (wipeState == 0 && decide && confirmHeld == 0) {
        confirmHeld = 1;
        RestartSound(seBuffer2, false);
        boxGrowth = 0;
        if (q.row == 1) {
            const Scene online = q.netChoice == 0 ? sceneLinks.hostNetGame : sceneLinks.joinNetGame;
            if (online == nullptr) return;
            // Back from there, the cursor is where it was.
            currentScene = online;
            return;
        }
        computerOpponent = q.choice;
        // The set-up itself follows at once, as its pages follow each other.
        currentScene = SetupEnterScene;
        return;
    }
    if (wipeState == 0 && back && cancelHeld == 0) {
        cancelHeld = 1;
        escapeHeld = 1;
        computerOpponent = twoPeople;
        wipeState = 1;
        RestartSound(seBuffer2, false);
    }
    if (!decide) confirmHeld = 0;
    if (!back) cancelHeld = 0;
}

void Draw() {
    BeginPanelText(smallFont);
    const int g = boxGrowth;
    RoundRect(320 - 16 * g, 110 - 3 * g, 320 + 16 * g, 110 + 3 * g, 10, 10);
    RoundRect(180 - 11 * g, 240 - 5 * g, 180 + 11 * g, 240 + 5 * g, 10, 10);
    RoundRect(460 - 11 * g, 240 - 5 * g, 460 + 11 * g, 240 + 5 * g, 10, 10);
    RoundRect(180 - 12 * g, 345 - 3 * g, 180 + 12 * g, 345 + 3 * g, 10, 10);
    RoundRect(460 - 12 * g, 345 - 3 * g, 460 + 12 * g, 345 + 3 * g, 10, 10);
    if (g >= 10) {
        DrawTextInRect(Tr(TextName::SetupOpponentQuestion), textCenter, 160, 100, 480, 122);
        DrawTextInRect(Tr(TextName::SetupOpponentTwoPeople), textCenter, twoLeft, 230, twoRight, 252);
        DrawTextInRect(Tr(TextName::SetupOpponentComputer), textCenter, computerLeft, 205, computerRight, 227);
        const int shown = q.choice > 0 ? q.choice : 3;
        char line[64];
        std::snprintf(line, sizeof line, Tr(TextName::SetupOpponentStrength), shown, StrengthName(shown));
        DrawTextInRect(line, textCenter, computerLeft, 245, computerRight, 267);
        DrawTextInRect(Tr(TextName::SetupOpponentHost), textCenter, hostLeft, 335, hostRight, 357);
        DrawTextInRect(Tr(TextName::SetupOpponentJoin), textCenter, joinLeft, 335, joinRight, 357);
    }
    EndText();
    if (g < 10) {
        ++boxGrowth;
        return;
    }
    if (wipeState == 0) {
        const int f = static_cast<int>((TimeGetTime() / 100) % 2);
        const bool leftColumn = q.row == 0 ? q.choice == 0 : q.netChoice == 0;
        int l = leftColumn ? twoLeft : computerLeft, r = leftColumn ? twoRight : computerRight;
        if (q.row == 1) {
            l = leftColumn ? hostLeft : joinLeft;
            r = leftColumn ? hostRight : joinRight;
        }
        const int t = q.row == 0 ? choiceTop : netTop, b = q.row == 0 ? choiceBottom : netBottom;
        DrawCursorFrame(l - 4, t - 4, r - l + 8, b - t + 8, f);
    }
}

}  // namespace

void OpponentQuestionScene() {
    SetKeyGuidePage(&opponentGuide);
    ScrollTiledBackground();
    Keys();
    if (currentScene != OpponentQuestionScene) return;
    Draw();
    if (wipeState == 2) {
        StripeWipe(1);
    } else if (wipeState == 1 && StripeWipe(0)) {
        q = OpponentQuestionState{};
        boxGrowth = 0;
        currentScene = sceneLinks.mainMenu;
    }
    Present();
}
