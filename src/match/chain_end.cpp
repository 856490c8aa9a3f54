#include <algorithm>

#include "content/game_sheet.h"
#include "match/drops.h"
#include "match/hud.h"
#include "match/hud_parts.h"
#include "match/match_state.h"
#include "platform/sound.h"
#include "shell/game_mode.h"

namespace {

constexpr int popupSteps = 100;
constexpr int bonusChain = 10;

// The chain's number above its label, or the miss label of a failed line;
// both float up 3 pixels a step for two seconds.
void DrawPopup(Player& pl) {
    if (pl.popupTimer <= 0) return;
    if (pl.chain >= 2) {
        const int digits = std::min(DigitCount(pl.chain), 3);
        DrawNumber(pl.chain, 0, pl.popupX - 30 - 14 * (digits - 1), pl.popupY, digits, -1, 0);
        DrawSheetPicture(gameSheetLayout::chainLabel, pl.popupX, pl.popupY + 5);
        pl.popupY -= 3;
    } else if (pl.failingLine.Active()) {
        DrawSheetPicture(gameSheetLayout::missLabel, pl.popupX, pl.popupY);
        pl.popupY -= 3;
    }
    pl.popupTimer = static_cast<int8_t>(pl.popupTimer >= popupSteps ? 0 : pl.popupTimer + 1);
}

// A long chain low on the board lifts the stack by up to two more rows.
void AwardExtraRises(Player& pl) {
    if (pl.highestRow < 4) {
        pl.extraRises = 2;
    } else if (pl.highestRow <= 7) {
        pl.extraRises = static_cast<int8_t>(pl.chain < 60 ? pl.chain / 20 : 2);
    }
}

void FinishChain(int p) {
    Player& pl = players[p];
    if (gameMode == endlessMode) {
        maxChain = std::max(maxChain, pl.chain);
        if (pl.chain >= bonusChain) chainBonus = pl.chain;
    }
    if (gameMode == versusMode && pl.chain >= 2) {
        // Versus: a finished chain drops chain - 1 panels on the opponent.
        QueueDrop(1 - p, pl.chain - 1, DropRule::chainAttack);
    }
    if (pl.chain >= bonusChain) AwardExtraRises(pl);
    pl.longestChain = std::max(pl.longestChain, pl.chain);
    pl.linesCleared += pl.chain;
    pl.chain = 0;
    pl.chainTimer = 0;
    if ((gameMode == endlessMode || gameMode == practiceMode) && panelsCleared > 9 && pl.bonusState == 0) {
        panelsCleared = 0;
        if (level < 999) {
            ++level;
            RestartSound(levelUpSound, false);
        }
    }
}

}  // namespace

void EndOfChain(int p) {
    Player& pl = players[p];
    DrawPopup(pl);
    if (pl.chain <= 0) return;
    if (gameMode == endlessMode && pl.chainTimer == 0 && pl.chain % 10 == 0) {
        if (dangerInCheerSlot != 0) {
            LoadSoundBuffer(seBuffer1, "Sound\\Motto.wav");
            dangerInCheerSlot = 0;
        }
        RestartSound(seBuffer1, false);
    }
    ++pl.chainTimer;
    if (pl.chainTimer + pl.limitCounter >= LimitFrames(p)) FinishChain(p);
}
