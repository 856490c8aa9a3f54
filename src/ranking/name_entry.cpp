#include "ranking/name_entry.h"

#include <cstdio>

#include "content/game_texts.h"
#include "content/title_sheet.h"
#include "platform/blit.h"
#include "platform/keys.h"
#include "platform/sound.h"
#include "platform/surface.h"
#include "platform/text.h"
#include "ranking/ranking_file.h"
#include "ranking/ranking_row.h"
#include "ranking/ranking_rules.h"
#include "shell/menu_assets.h"
#include "shell/menu_input.h"
#include "platform/key_bindings.h"

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

void BlitPiece(const SheetRect& r, int x, int y) {
    BlitClipped(&backBuffer, x, y, mainSheet, keyedCopy, r.left, r.top, r.right, r.bottom);
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

void MoveLetterCursor(int delta, uint32_t now, uint32_t& blinkMark) {
    entryMoveHeld = 1;
    int c = entryCursor + delta;
    if (c > okPosition) c = 0;
    if (c < 0) c = okPosition;
    entryCursor = static_cast<int8_t>(c);
    RestartSound(seBuffer1, false);
    blinkMark = now;
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

void DrawLetterCursor(uint32_t now, uint32_t& blinkMark) {
    uint32_t elapsed = now - blinkMark;
    if (elapsed > 800) {
        blinkMark = now;
        elapsed = 0;
    }
    if (elapsed >= 400) return;
    const SheetRect left = titleSheetLayout::BracketLeft(0);
    const SheetRect right = titleSheetLayout::BracketRight(0);
    const int x = 60 * entryCursor;
    // Upper and lower parts of the brackets, spread to the letter's height.
    BlitPiece(titleSheetLayout::BracketUpperPart(left), 174 + x, 237);
    BlitPiece(titleSheetLayout::BracketLowerPart(left), 174 + x, 259);
    BlitPiece(titleSheetLayout::BracketUpperPart(right), 209 + x, 237);
    BlitPiece(titleSheetLayout::BracketLowerPart(right), 209 + x, 259);
}

void DrawNamePanels(FontHandle font, uint32_t now, uint32_t& blinkMark) {
    BeginPanelText(font);
    const int g = boxGrowth;
    RoundRect(319 - 27 * g, 50 - 3 * g, 319 + 27 * g, 50 + 3 * g, 10, 10);
    RoundRect(319 - 18 * g, 239 - 5 * g, 319 + 18 * g, 239 + 5 * g, 10, 10);
    if (g < 10) {
        ++boxGrowth;
    } else {
        char line[80];
        std::snprintf(line, sizeof line, Tr(TextName::NameEntryPlace), rankPlace + 1);
        DrawTextInRect(line, textCenter, 0, 35, 639, 75);
        DrawTextInRect(Tr(TextName::NameEntryPrompt), textCenter, 140, 199, 500, 239);
        for (int k = 0; k < 4; ++k) {
            const char letter[2] = {NameCharacter(entryName[k]), '\0'};
            DrawTextInRect(letter, textCenter, 170 + 60 * k, 244, 230 + 60 * k, 279);
        }
        DrawTextInRect(Tr(TextName::NameEntryOk), textCenter, 410, 244, 470, 279);
    }
    EndText();
    if (g == 10) {
        DrawScrollingLine();
        DrawLetterCursor(now, blinkMark);
    }
}

}  // namespace

bool EntryDecideHeld() { return KeyHeld(playerKeys[0].pause) || DecideHeld(); }

bool EnterRanking(const MatchResult& result) {
    ReloadTitleSheet();
    const int place = RankResult(result);
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

bool NameEntryStep(FontHandle font, uint32_t now, uint32_t& blinkMark) {
    if (KeyHeld(vkUp) || KeyHeld(menuKeys.back)) StepLetter(-1);
    if (KeyHeld(vkDown)) StepLetter(1);
    if (KeyHeld(vkLeft) && entryMoveHeld == 0) MoveLetterCursor(-1, now, blinkMark);
    if (KeyHeld(vkRight) && entryMoveHeld == 0) MoveLetterCursor(1, now, blinkMark);
    const bool decide = EntryDecideHeld();
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
    if (!KeyHeld(menuKeys.decide) && !KeyHeld(menuKeys.back) && !KeyHeld(vkUp) && !KeyHeld(vkDown)) charRepeat = 0;
    if (!KeyHeld(vkLeft) && !KeyHeld(vkRight)) entryMoveHeld = 0;
    DrawNamePanels(font, now, blinkMark);
    return false;
}

void ResetRankingRecords() {
    entryPhase = 0;
    rankPlace = -1;
    for (int8_t& code : entryName) code = 0;
    entryCursor = 0;
    charRepeat = 0;
    entryMoveHeld = 0;
    scrollPos = 0;
}

