#include "ranking/name_entry.h"

#include <cstdio>

#include "content/game_sheet.h"
#include "content/title_sheet.h"
#include "frontend/main_menu.h"
#include "frontend/menu_input.h"
#include "match/match_scene.h"
#include "match/match_state.h"
#include "options/options_file.h"
#include "platform/bitmap_loader.h"
#include "platform/blit.h"
#include "platform/clock.h"
#include "platform/keys.h"
#include "platform/sound.h"
#include "platform/surface.h"
#include "platform/text.h"
#include "platform/wipe.h"
#include "ranking/ranking_file.h"
#include "shell/scene.h"

int8_t entryPhase = 0;
int8_t rankPlace = -1;
int8_t entryName[4] = {};
int8_t entryCursor = 0;
int8_t charRepeat = 0;
int8_t entryMoveHeld = 0;
int32_t scrollPos = 0;

namespace {

constexpr int okPosition = 4;
constexpr int lastCode = 39;

// This call's reading of the clock, for the letter cursor's blink.
uint32_t entryNow = 0;

const Rgb white = MakeRgb(255, 255, 255);

void PrepareSurfaces() {
    if (itemSheet == nullptr) {
        CreateSheet(itemSheet, 288, 177);
        LoadBitmapToSurface(itemSheet, "Back\\Rank.bmp");
    }
    if (backdropSurface == nullptr) CreateSheet(backdropSurface, 700, 100);
}

bool DecideHeld() { return KeyHeld('C') || KeyHeld('X') || KeyHeld(vkReturn); }

void BlitPiece(const SheetRect& r, int x, int y) {
    BlitClipped(&backBuffer, x, y, mainSheet, keyedCopy, r.left, r.top, r.right, r.bottom);
}

void OpenPanelText() {
    BeginText();
    SelectPen(whitePen);
    SelectBrush(blueBrush);
    SelectFont(matchFontBig);
    SetBkMode(bkTransparent);
    SetTextColor(white);
}

// Ranks the result once; a ranked player hears the jingle and types a name.
// Returns true when the call ends here.
bool RankOnce() {
    ReloadTitleSheet();
    const int place = RankResult();
    if (place < 0) {
        entryPhase = 2;
        return false;
    }
    rankPlace = static_cast<int8_t>(place);
    LoadSoundBuffer(levelUpSound, place == 0 ? "Sound\\Hiscore.wav" : "Sound\\Omedetou.wav");
    RestartSound(levelUpSound, false);
    DrawRankingRow(rankPlace);
    entryPhase = 1;
    for (int8_t& code : entryName) code = 0;
    return true;
}

// One letter step through the shared repeat counter: at once, then every 10 calls.
void StepLetter(int delta) {
    if (charRepeat == 0 && entryCursor < okPosition) {
        int code = entryName[entryCursor] + delta;
        if (code > lastCode) code = 0;
        if (code < 0) code = lastCode;
        entryName[entryCursor] = static_cast<int8_t>(code);
        RestartSound(seBuffer1, false);
    }
    charRepeat = static_cast<int8_t>(charRepeat + 1);
    if (charRepeat > 9) charRepeat = 0;
}

void MoveLetterCursor(int delta) {
    entryMoveHeld = 1;
    int c = entryCursor + delta;
    if (c > okPosition) c = 0;
    if (c < 0) c = okPosition;
    entryCursor = static_cast<int8_t>(c);
    RestartSound(seBuffer1, false);
    blinkClock = entryNow;
}

void DrawScrollingLine() {
    const int p = scrollPos;
    if (p < 640) {
        BlitClipped(&backBuffer, 639 - p, 340, backdropSurface, keyedCopy, 0, 0, p, 100);
    } else if (p < 700) {
        BlitClipped(&backBuffer, 0, 340, backdropSurface, keyedCopy, p - 639, 0, p, 100);
    } else if (p < 1340) {
        BlitClipped(&backBuffer, 0, 340, backdropSurface, keyedCopy, p - 639, 0, 700, 100);
    }
    scrollPos = p + 3 > 1399 ? 0 : p + 3;
}

void DrawLetterCursor() {
    uint32_t elapsed = entryNow - blinkClock;
    if (elapsed > 800) {
        blinkClock = entryNow;
        elapsed = 0;
    }
    if (elapsed >= 400) return;
    const SheetRect left = titleSheet::BracketLeft(0);
    const SheetRect right = titleSheet::BracketRight(0);
    const int x = 60 * entryCursor;
    // Upper and lower parts of the brackets, spread to the letter's height.
    BlitPiece(SheetRect{left.left, 92, left.right, 114}, 174 + x, 237);
    BlitPiece(SheetRect{left.left, 110, left.right, 132}, 174 + x, 259);
    BlitPiece(SheetRect{right.left, 92, right.right, 114}, 209 + x, 237);
    BlitPiece(SheetRect{right.left, 110, right.right, 132}, 209 + x, 259);
}

void DrawNamePanels() {
    OpenPanelText();
    const int g = boxGrowth;
    RoundRect(319 - 27 * g, 50 - 3 * g, 319 + 27 * g, 50 + 3 * g, 10, 10);
    RoundRect(319 - 18 * g, 239 - 5 * g, 319 + 18 * g, 239 + 5 * g, 10, 10);
    if (g < 10) {
        ++boxGrowth;
    } else {
        char line[80];
        std::snprintf(line, sizeof line, "あなたは%d位にランキングしました。", rankPlace + 1);
        DrawTextInRect(line, textCenter, 0, 35, 639, 75);
        DrawTextInRect("名前を入力してください", textCenter, 140, 199, 500, 239);
        for (int k = 0; k < 4; ++k) {
            const char letter[2] = {NameCharacter(entryName[k]), '\0'};
            DrawTextInRect(letter, textCenter, 170 + 60 * k, 244, 230 + 60 * k, 279);
        }
        DrawTextInRect("OK", textCenter, 410, 244, 470, 279);
    }
    EndText();
    if (g == 10) {
        DrawScrollingLine();
        DrawLetterCursor();
    }
}

// Returns true when the name was decided (the call ends there).
bool NameEntryStep() {
    if (KeyHeld(vkUp) || KeyHeld('Z')) StepLetter(-1);
    if (KeyHeld(vkDown)) StepLetter(1);
    if (KeyHeld(vkLeft) && entryMoveHeld == 0) MoveLetterCursor(-1);
    if (KeyHeld(vkRight) && entryMoveHeld == 0) MoveLetterCursor(1);
    const bool decide = DecideHeld();
    if (decide && confirmHeld == 0) {
        if (entryCursor < okPosition) {
            StepLetter(1);
        } else {
            RestartSound(seBuffer2, false);
            if (rankPlace >= 0 && rankPlace < rankingEntries)
                for (int k = 0; k < 4; ++k) rankingTable.name[rankPlace][k] = entryName[k];
            entryPhase = 2;
            confirmHeld = 1;
            scrollPos = 0;
            entryCursor = 0;
            boxGrowth = 0;
            return true;
        }
    }
    if (!decide) confirmHeld = 0;
    if (!KeyHeld('X') && !KeyHeld('Z') && !KeyHeld(vkUp) && !KeyHeld(vkDown)) charRepeat = 0;
    if (!KeyHeld(vkLeft) && !KeyHeld(vkRight)) entryMoveHeld = 0;
    DrawNamePanels();
    return false;
}

void RetryQuestionStep() {
    const bool sideways = KeyHeld(vkLeft) || KeyHeld(vkRight) || KeyHeld('H') || KeyHeld('G');
    if (sideways && wipeState == 0 && entryMoveHeld == 0) {
        entryMoveHeld = 1;
        entryCursor = entryCursor == 0 ? 1 : 0;
        RestartSound(seBuffer1, false);
    }
    if (!sideways) entryMoveHeld = 0;
    const bool decide = DecideHeld();
    if (decide && wipeState == 0 && confirmHeld == 0) {
        // Either answer keeps the table, ranked or not.
        if (gameMode == 0) WriteRankingFile();
        wipeState = 1;
        confirmHeld = 1;
        RestartSound(seBuffer2, false);
    }
    if (!decide) confirmHeld = 0;

    OpenPanelText();
    const int g = boxGrowth;
    RoundRect(319 - 19 * g, 239 - 5 * g, 319 + 19 * g, 239 + 5 * g, 10, 10);
    if (g < 10 && wipeState == 0) ++boxGrowth;
    if (g == 10) {
        DrawTextInRect(gameMode == 2 ? "リトライしますか？" : "もう一度しますか？", textCenter, 140, 200, 500, 240);
        DrawTextInRect("はい      いいえ", textCenter, 135, 239, 505, 279);
    }
    EndText();
    if (g == 10) {
        // After an endless match the title sheet is back in mainSheet.
        const SheetRect arrow = gameMode == 0 ? titleSheet::rowMarker : gameSheet::pauseMarker;
        BlitPiece(arrow, 150 + 160 * entryCursor, 245);
    }
}

void BackToMenuWithMusic() {
    if (options.soundOff == 0) {
        StopSound(bgmBuffer);
        EmptySoundSlot(bgmBuffer);
        LoadSoundBuffer(bgmBuffer, "Sound\\Opening.wav");
        RestartSound(bgmBuffer, true);
    }
    currentScene = MainMenuScene;
}

// Every puzzle has been played: back to the menu with its sounds.
void AllPuzzlesPlayed(int rankingSkipped) {
    if (rankingSkipped == 1) ReloadTitleSheet();
    if (options.soundOff == 0) {
        LoadMenuSounds();
        RestartSound(bgmBuffer, true);
    }
    currentScene = MainMenuScene;
}

void AnswerAfterWipe(int rankingSkipped) {
    if (entryCursor == 0) {
        if ((gameMode == 0 || gameMode == 3) && options.soundOff == 0) RestartSound(bgmBuffer, true);
        bool again = true;
        if (gameMode == 2 && matchEnd == 1) {
            puzzleIndex = static_cast<int8_t>(puzzleIndex + 1);
            // Past the last problem there is nothing left to play.
            if (puzzleIndex > 99) {
                AllPuzzlesPlayed(rankingSkipped);
                again = false;
            }
        }
        if (again) {
            EmptySlot(mainSheet);
            currentScene = MatchSetupScene;
        }
    } else {
        if (rankingSkipped == 1) ReloadTitleSheet();
        BackToMenuWithMusic();
        versusWins[0] = 0;
        versusWins[1] = 0;
    }
    EmptySlot(backdropSurface);
    EmptySlot(itemSheet);
    rankPlace = -1;
    entryCursor = 0;
    boxGrowth = 0;
    entryPhase = 0;
}

}  // namespace

void RunNameEntry(int rankingSkipped) {
    PrepareSurfaces();
    entryNow = TimeGetTime();
    if (gameMode == 2) {
        if (matchEnd == 1) {
            // A solved puzzle moves on without waiting for an answer.
            wipeState = 1;
            entryCursor = 0;
        }
        if (matchEnd == 2) {
            EmptySlot(mainSheet);
            EmptySlot(backdropSurface);
            EmptySlot(itemSheet);
            entryPhase = 0;
            entryCursor = 0;
            boxGrowth = 0;
            currentScene = MatchSetupScene;
            return;
        }
    }
    if (rankingSkipped == 1) entryPhase = 2;
    if (entryPhase == 0 && RankOnce()) return;
    if (entryPhase == 1 && NameEntryStep()) return;
    if (entryPhase == 2) RetryQuestionStep();
    if (wipeState == 1 && StripeWipe(0)) AnswerAfterWipe(rankingSkipped);
}
