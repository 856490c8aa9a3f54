#include "setup/opponent_question.h"

#include <cstdio>

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

void Keys() {
    const bool left = LeftHeld(), right = RightHeld();
    if (wipeState == 0) {
        if (left && RepeatStep(q.horizontalHold) && q.choice > 0) {
            --q.choice;
            RestartSound(seBuffer1, false);
        }
        if (right && RepeatStep(q.horizontalHold) && q.choice < computerStrengths) {
            ++q.choice;
            RestartSound(seBuffer1, false);
        }
    }
    SettleRepeat(q.horizontalHold, left || right);
    const bool decide = AnyDecideHeld();
    const bool back = AnyBackHeld() || KeyHeld(vkEscape);
    if (wipeState == 0 && decide && confirmHeld == 0) {
        confirmHeld = 1;
        RestartSound(seBuffer2, false);
        computerOpponent = q.choice;
        boxGrowth = 0;
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
    if (g >= 10) {
        DrawTextInRect("右側で遊ぶのは？", textCenter, 160, 100, 480, 122);
        DrawTextInRect("ふたりで", textCenter, twoLeft, 230, twoRight, 252);
        DrawTextInRect("コンピュータ", textCenter, computerLeft, 205, computerRight, 227);
        const int shown = q.choice > 0 ? q.choice : 3;
        char line[64];
        std::snprintf(line, sizeof line, "つよさ %d  %s", shown, strengthNames[shown - 1]);
        DrawTextInRect(line, textCenter, computerLeft, 245, computerRight, 267);
    }
    EndText();
    if (g < 10) {
        ++boxGrowth;
        return;
    }
    if (wipeState == 0) {
        const int f = static_cast<int>((TimeGetTime() / 100) % 2);
        if (q.choice == 0) DrawCursorFrame(twoLeft - 4, choiceTop - 4, twoRight - twoLeft + 8, choiceBottom - choiceTop + 8, f);
        else DrawCursorFrame(computerLeft - 4, choiceTop - 4, computerRight - computerLeft + 8, choiceBottom - choiceTop + 8, f);
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
        q.choice = 0;
        boxGrowth = 0;
        currentScene = sceneLinks.mainMenu;
    }
    Present();
}
