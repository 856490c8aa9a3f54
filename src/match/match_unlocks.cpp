#include "match/match_unlocks.h"

#include <algorithm>

#include "gallery/item_notice.h"
#include "gallery/item_unlocks.h"
#include "match/match_state.h"
#include "match/result_screen.h"
#include "options/options_file.h"
#include "platform/blit.h"
#include "platform/sound.h"
#include "platform/surface.h"
#include "puzzle/progress_file.h"
#include "shell/game_mode.h"
#include "shell/save_notice.h"

namespace {

// The failed-save notice's place, as on the result screen: under the question.
constexpr int saveNoticeTop = 301;

// A chain still running when the match ended counts as well.
int32_t LongestChain(const Player& pl) { return std::max(pl.longestChain, pl.chain); }

// The solved problems with the one just solved (the progress record takes
// it after the screen has closed).
int32_t SolvedWithThisOne() {
    int32_t count = clearTables.solved[puzzleIndex] == 1 ? 0 : 1;
    for (uint8_t solved : clearTables.solved) count += solved == 1 ? 1 : 0;
    return count;
}

bool MatchAchievements(Achievements& a) {
    if (gameMode == endlessMode) {
        const MatchResult r = CollectMatchResult();
        a = EndlessResult(r.scoreHigh, r.score, r.level, r.maxChain, 60 * r.hours + r.minutes, r.difficulty);
        return true;
    }
    if (gameMode == versusMode && (topOutResult == 1 || topOutResult == 2)) {
        const int winner = topOutResult - 1;
        a = VersusWin(versusWins[winner], LongestChain(players[winner]));
        return true;
    }
    if (gameMode == puzzleMode && matchEnd == 1 && puzzleIndex >= 0 && puzzleIndex < puzzleCount) {
        a = PuzzleProgress(SolvedWithThisOne());
        return true;
    }
    return false;
}

void Win(const Achievements& a) {
    const UnlockOutcome outcome = UnlockItems(a);
    if (!outcome.saved) NoteFailedSave();
    if (outcome.added.count == 0) return;
    StartItemNotice(outcome.added);
    if (options.soundOff == 0) {
        LoadSoundBuffer(effectSound, "Sound\\Item.wav");
        RestartSound(effectSound, false);
    }
}

}  // namespace

void WinMatchItems() {
    if (itemsChecked != 0) return;
    itemsChecked = 1;
    Achievements a;
    if (MatchAchievements(a)) Win(a);
}

bool PracticeItemsHold() {
    if (gameMode != practiceMode) return false;
    if (itemsChecked == 0) {
        itemsChecked = 1;
        const Player& pl = players[0];
        Win(PracticeSession(pl.linesCleared + pl.chain, LongestChain(pl)));
    }
    const bool itemsShown = ItemNoticeShown();
    const bool saveNotice = SaveNoticeShown();
    if (!itemsShown && !saveNotice) return false;
    ColorFill(&backBuffer, 0, 0, screenWidth, screenHeight, 0);
    DrawItemNotice(itemNoticeBottom);
    DrawSaveNotice(saveNoticeTop);
    return true;
}
