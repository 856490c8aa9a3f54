#include "ranking/ranking_viewer_input.h"

#include <algorithm>

#include "content/game_texts.h"
#include "platform/keys.h"
#include "platform/sound.h"
#include "platform/wipe.h"
#include "ranking/ranking_canvas.h"
#include "ranking/ranking_columns.h"
#include "ranking/ranking_viewer_state.h"
#include "shell/line_notice.h"
#include "shell/menu_input.h"
#include "shell/scene.h"
#include "shell/scene_links.h"

namespace {

constexpr int scrollStep = 15;
constexpr int slideStep = 30;
constexpr int slideWidth = 400;

bool Browsing() { return wipeState == 0 && rankingViewer.headerSlide == 0; }

// Held keys scroll at once and every frame, within the list; at either end
// of it they move the replay marker over the window's lines instead, with
// the auto-repeat.
void ScrollKeys() {
    RankingViewerState& v = rankingViewer;
    const bool up = UpHeld();
    const bool down = DownHeld();
    if (Browsing()) {
        const int lastRow = std::min(visibleRankLines, v.entryCount) - 1;
        if (up && v.scrollY > 0) {
            v.scrollY = std::max(0, v.scrollY - scrollStep);
        } else if (up && v.markerRow > 0 && RepeatStep(v.markerRepeat)) {
            --v.markerRow;
        }
        if (down && v.scrollY < v.maxScroll) {
            v.scrollY = std::min(v.maxScroll, v.scrollY + scrollStep);
        } else if (down && v.markerRow < lastRow && RepeatStep(v.markerRepeat)) {
            ++v.markerRow;
        }
    }
    SettleRepeat(v.markerRepeat, up || down);
}

// R plays the replay of the marked line's entry, or says why it cannot.
void ReplayKey() {
    RankingViewerState& v = rankingViewer;
    const bool held = KeyHeld('R');
    if (held && v.replayHeld == 0 && Browsing()) {
        v.replayHeld = 1;
        const int line = MarkedLine();
        if (line < 0) return;
        const char* problem = sceneLinks.watchRankingReplay != nullptr
                                  ? sceneLinks.watchRankingReplay(v.viewerOrder[line])
                                  : Tr(TextName::RankingReplayMissing);
        RestartSound(seBuffer2, false);
        if (problem != nullptr) ShowLineNotice(problem, nullptr);
    }
    if (!held) v.replayHeld = 0;
}

// Right runs through the columns to the back button and round again; the
// headings slide left on the way to the fourth column and back after the sixth.
void MoveColumn(int delta) {
    RankingViewerState& v = rankingViewer;
    int c = v.sortColumn + delta;
    if (delta > 0) {
        if (c == firstSlidColumn) v.headerSlide = 1;
        if (c == rankingColumnCount) {
            c = backButtonColumn;
            v.headerSlide = 2;
        }
    } else {
        if (c < backButtonColumn) {
            c = rankingColumnCount - 1;
            v.headerSlide = 1;
        }
        if (c == firstSlidColumn - 1) v.headerSlide = 2;
    }
    v.sortColumn = static_cast<int8_t>(c);
    RestartSound(seBuffer1, false);
}

void ColumnKeys() {
    int8_t& counter = rankingViewer.sortRepeat;
    const bool right = RightHeld();
    const bool left = LeftHeld();
    if (right && Browsing() && RepeatStep(counter)) MoveColumn(1);
    if (left && Browsing() && RepeatStep(counter)) MoveColumn(-1);
    SettleRepeat(counter, left || right);
}

// X sorts by the column (again: turned around) or leaves from the back button.
void DecideKey() {
    if (confirmHeld != 0 || wipeState != 0 || !DecideHeld()) return;
    confirmHeld = 1;
    if (rankingViewer.sortColumn == backButtonColumn) {
        wipeState = 1;
    } else {
        currentScene = BuildRankingCanvas;
    }
    RestartSound(seBuffer2, false);
}

// Z takes the cursor to the back button, or leaves from there.
void BackKey() {
    RankingViewerState& v = rankingViewer;
    if (confirmHeld != 0 || wipeState != 0 || !KeyHeld(menuKeys.back)) return;
    confirmHeld = 1;
    if (v.sortColumn == backButtonColumn) {
        wipeState = 1;
    } else {
        if (v.sortColumn >= firstSlidColumn) v.headerSlide = 2;
        v.sortColumn = backButtonColumn;
    }
    RestartSound(seBuffer2, false);
}

void EscapeKey() {
    const bool held = KeyHeld(vkEscape);
    if (held && cancelHeld == 0 && wipeState == 0) {
        wipeState = 1;
        cancelHeld = 1;
        RestartSound(seBuffer2, false);
    }
    if (!held) cancelHeld = 0;
}

}  // namespace

void RankingViewerKeys() {
    ScrollKeys();
    ColumnKeys();
    DecideKey();
    BackKey();
    EscapeKey();
    ReplayKey();
    if (wipeState == 0 && !DecideHeld() && !KeyHeld(menuKeys.back)) confirmHeld = 0;
}

void SlideRankingHeadings() {
    RankingViewerState& v = rankingViewer;
    if (v.headerSlide == 1) {
        v.headerShift = std::min(slideWidth, v.headerShift + slideStep);
        if (v.headerShift == slideWidth) v.headerSlide = 0;
    } else if (v.headerSlide == 2) {
        v.headerShift = std::max(0, v.headerShift - slideStep);
        if (v.headerShift == 0) v.headerSlide = 0;
    }
}
