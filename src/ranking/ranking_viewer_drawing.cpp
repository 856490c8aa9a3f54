#include "ranking/ranking_viewer_drawing.h"

#include <algorithm>

#include "content/game_texts.h"
#include "content/rank_sheet.h"
#include "content/title_sheet.h"
#include "platform/blit.h"
#include "platform/surface.h"
#include "ranking/ranking_columns.h"
#include "ranking/ranking_viewer_state.h"
#include "platform/text.h"
#include "shell/line_notice.h"
#include "shell/menu_input.h"

namespace {

// Where the canvas is cut into its four windows.
constexpr int headerBottom = 35;  // back button row and header box above
constexpr int listTop = 90;       // headings above, lines below
constexpr int placeWidth = 80;    // place numbers left of the lines
constexpr int listRight = 600;    // the scroll marks' strip beyond
// The replay key's words, right of the header box; a notice below the list's middle.
constexpr int replayHintLeft = 500;
constexpr int markerLeft = 1;
constexpr int lineNoticeTop = 300;

void Put(const Surface* sheet, const SheetRect& r, int x, int y) {
    BlitClipped(&backBuffer, x, y, sheet, keyedCopy, r.left, r.top, r.right, r.bottom);
}

void Window(int sourceLeft, int sourceTop, int sourceRight, int sourceBottom, int x, int y) {
    BlitClipped(&backBuffer, x, y, backdropSurface, keyedCopy, sourceLeft, sourceTop, sourceRight, sourceBottom);
}

// Arrows either side of the chosen heading; hidden while the headings slide.
void DrawCursor() {
    RankingViewerState& v = rankingViewer;
    if (v.headerSlide != 0) return;
    const int f = CursorPhase(v.cursor);
    const SheetRect left = titleSheetLayout::BracketLeft(f);
    const SheetRect right = titleSheetLayout::BracketRight(f);
    if (v.sortColumn >= 0 && v.sortColumn < rankingColumnCount) {
        const RankingColumnLayout& c = rankingColumns[v.sortColumn];
        Put(mainSheet, left, c.cursorLeft - v.headerShift, 47);
        Put(mainSheet, right, c.cursorRight - v.headerShift, 47);
    } else {
        Put(mainSheet, left, 5, 35);
        Put(mainSheet, right, 100, 35);
    }
}

void DrawScrollMarks() {
    const RankingViewerState& v = rankingViewer;
    if (v.scrollY > 0) Put(itemSheet, rankSheetLayout::scrollUpMark, 614, 90);
    if (v.scrollY < v.maxScroll) Put(itemSheet, rankSheetLayout::scrollDownMark, 614, 445);
}

void DrawCanvasWindows() {
    const RankingViewerState& v = rankingViewer;
    const int shift = v.headerShift;
    const int top = v.scrollY + listTop;
    const int bottom = v.scrollY + screenHeight;
    Window(0, 0, screenWidth, headerBottom, 0, 0);
    Window(shift, headerBottom, shift + listRight, listTop, 0, headerBottom);
    // The place numbers stay put while the columns slide.
    Window(0, top, placeWidth, bottom, 0, listTop);
    Window(shift + placeWidth, top, shift + listRight, bottom, placeWidth, listTop);
}

// A pointer left of the marked line's place, kept inside the list's window
// (the lines themselves are left as they are), and the key that plays its
// replay named above the list.
void DrawReplayMarker() {
    const RankingViewerState& v = rankingViewer;
    const int line = MarkedLine();
    if (line < 0) return;
    const int top = std::clamp(listTop + rankLineHeight * line - v.scrollY, listTop, screenHeight - rankLineHeight);
    const Point pointer[3] = {{markerLeft, top + 7}, {markerLeft + 8, top + 15}, {markerLeft, top + 23}};
    BeginPanelText(smallFont);
    SelectBrush(pinkBrush);
    Polygon(pointer, 3);
    SelectBrush(blueBrush);
    RoundRect(replayHintLeft, 5, screenWidth - 4, 31, 10, 10);
    DrawTextInRect(Tr(TextName::RankingReplayKeyHint), textCenter, replayHintLeft, 8, screenWidth - 4, 28);
    EndText();
}

}  // namespace

void DrawRankingViewerFrame() {
    DrawCursor();
    DrawScrollMarks();
    DrawCanvasWindows();
    DrawReplayMarker();
    DrawLineNotice(lineNoticeTop);
}
