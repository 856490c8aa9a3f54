#include "match/result_screen.h"

#include "content/game_sheet.h"
#include "content/game_texts.h"
#include "content/rank_sheet.h"
#include "content/title_sheet.h"
#include "gallery/item_notice.h"
#include "match/match_setup.h"
#include "match/match_state.h"
#include "match/match_unlocks.h"
#include "options/options_file.h"
#include "platform/bitmap_loader.h"
#include "platform/blit.h"
#include "platform/clock.h"
#include "platform/keys.h"
#include "platform/sound.h"
#include "platform/surface.h"
#include "platform/text.h"
#include "platform/wipe.h"
#include "puzzle/progress_file.h"
#include "puzzle/puzzle_file.h"
#include "ranking/name_entry.h"
#include "ranking/ranking_file.h"
#include "shell/game_mode.h"
#include "shell/menu_assets.h"
#include "shell/menu_input.h"
#include "shell/save_notice.h"
#include "shell/scene.h"
#include "shell/scene_links.h"

namespace {

// A failed save's notice sits under the question box.
constexpr int noticeTop = 301;

bool Voting() { return retryVote.cast != nullptr && retryVote.outcome != nullptr; }
bool AwaitingVote() { return Voting() && retryVote.awaiting != 0; }

// The settled question closes the screen as the player's own answer would,
// the arrow on what both will do.
void SettleVote() {
    const int8_t outcome = retryVote.outcome();
    if (outcome < 0 || wipeState != 0) return;
    retryVote.awaiting = 0;
    entryCursor = outcome;
    wipeState = 1;
}

void PrepareSurfaces() {
    if (itemSheet == nullptr) {
        CreateSheet(itemSheet, rankSheetLayout::width, rankSheetLayout::height);
        LoadBitmapToSurface(itemSheet, "Back\\Rank.bmp");
    }
    if (backdropSurface == nullptr) CreateSheet(backdropSurface, 700, 100);
}

void RetryQuestionStep() {
    const bool sideways = LeftHeld() || RightHeld();
    if (sideways && wipeState == 0 && entryMoveHeld == 0 && !AwaitingVote()) {
        entryMoveHeld = 1;
        entryCursor = entryCursor == 0 ? 1 : 0;
        RestartSound(seBuffer1, false);
    }
    if (!sideways) entryMoveHeld = 0;
    const bool decide = EntryDecideHeld();
    if (decide && wipeState == 0 && confirmHeld == 0 && !AwaitingVote()) {
        // Either answer keeps the table, ranked or not; the player hears
        // of a write that failed.
        if (gameMode == endlessMode && !WriteRankingFile()) NoteFailedSave();
        confirmHeld = 1;
        RestartSound(seBuffer2, false);
        if (Voting()) {
            retryVote.awaiting = 1;
            retryVote.cast(entryCursor);
        } else {
            wipeState = 1;
        }
    }
    if (!decide) confirmHeld = 0;
    if (Voting()) SettleVote();

    BeginPanelText(matchFontBig);
    const int g = boxGrowth;
    RoundRect(319 - 19 * g, 239 - 5 * g, 319 + 19 * g, 239 + 5 * g, 10, 10);
    if (g < 10 && wipeState == 0) ++boxGrowth;
    if (g == 10) {
        DrawTextInRect(Tr(gameMode == puzzleMode ? TextName::ResultRetryQuestion : TextName::ResultAgainQuestion), textCenter, 140, 200, 500, 240);
        DrawTextInRect(Tr(AwaitingVote() ? TextName::ResultWaitingForOpponent : TextName::QuestionYesNo), textCenter, 135, 239, 505, 279);
    }
    EndText();
    if (g == 10 && !AwaitingVote()) {
        // After an endless match the title sheet is back in mainSheet.
        const SheetRect arrow = gameMode == endlessMode ? titleSheetLayout::rowMarker : gameSheetLayout::pauseMarker;
        BlitClipped(&backBuffer, 150 + 160 * entryCursor, 245, mainSheet, keyedCopy, arrow.left, arrow.top,
                    arrow.right, arrow.bottom);
    }
}

void BackToMenuWithMusic() {
    if (options.soundOff == 0) {
        StopSound(bgmBuffer);
        EmptySoundSlot(bgmBuffer);
        LoadSoundBuffer(bgmBuffer, "Sound\\Opening.wav");
        RestartSound(bgmBuffer, true);
    }
    currentScene = sceneLinks.mainMenu;
}

// Every puzzle has been played: back to the menu with its sounds.
void AllPuzzlesPlayed(int rankingSkipped) {
    if (rankingSkipped == 1) ReloadTitleSheet();
    if (options.soundOff == 0) {
        LoadMenuSounds();
        RestartSound(bgmBuffer, true);
    }
    currentScene = sceneLinks.mainMenu;
}

// The screen's own sheets and values put away, whatever comes next.
void ClearResultScreen() {
    EmptySlot(backdropSurface);
    EmptySlot(itemSheet);
    rankPlace = -1;
    entryCursor = 0;
    boxGrowth = 0;
    entryPhase = 0;
}

void AnswerAfterWipe(int rankingSkipped) {
    if (Voting() && retryVote.follow != nullptr) {
        const int8_t outcome = entryCursor;
        ClearResultScreen();
        retryVote.awaiting = 0;
        retryVote.follow(outcome);
        return;
    }
    if (entryCursor == 0) {
        if ((gameMode == endlessMode || gameMode == practiceMode) && options.soundOff == 0) RestartSound(bgmBuffer, true);
        bool again = true;
        if (gameMode == puzzleMode && matchEnd == 1) {
            // The progress keeps the solve, and the most time left over. A
            // failed write is told on standard error only: it falls between
            // two problems, with nothing on screen to show it under.
            RecordSolve(clearTables, puzzleIndex, clockMinutes * 60 + clockSeconds);
            puzzleIndex = static_cast<int8_t>(puzzleIndex + 1);
            // Past the last present problem there is nothing left to play.
            if (puzzleIndex >= puzzleCount || !PuzzlePresent(puzzleTables, puzzleIndex)) {
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
    ClearResultScreen();
}

}  // namespace

RetryVote retryVote{};

MatchResult CollectMatchResult() {
    const Player& pl = players[0];
    if (pl.chain > maxChain) maxChain = pl.chain;
    MatchResult result;
    result.score = pl.score;
    result.scoreHigh = pl.scoreHigh;
    result.level = level;
    result.maxChain = maxChain;
    result.hours = clockHours;
    result.minutes = clockMinutes;
    result.seconds = clockSeconds;
    result.difficulty = options.difficulty;
    return result;
}

void ResultScreenStep(int rankingSkipped) {
    PrepareSurfaces();
    const uint32_t now = TimeGetTime();
    if (gameMode == puzzleMode) {
        if (matchEnd == 1 && wipeState == 0) {
            // A solved puzzle moves on without waiting for an answer. The
            // wipe starts once: asked again while a notice holds the closed
            // screen, it would cover past its width and wrap round, showing
            // the board again.
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
    if (entryPhase == 0 && EnterRanking(CollectMatchResult())) return;
    if (entryPhase == 1 && NameEntryStep(matchFontBig, now, blinkClock)) return;
    if (entryPhase == 2) {
        WinMatchItems();
        RetryQuestionStep();
    }
    // A failed save's notice stays whole above the closing wipe, and on the
    // closed screen until its time is up; then the next screen opens.
    if (wipeState == 2) ColorFill(&backBuffer, 0, 0, screenWidth, screenHeight, 0);
    const bool closed = wipeState == 2 || (wipeState == 1 && StripeWipe(0));
    DrawSaveNotice(noticeTop);
    DrawItemNotice(itemNoticeBottom);
    if (closed && !SaveNoticeShown() && !ItemNoticeShown()) AnswerAfterWipe(rankingSkipped);
}
