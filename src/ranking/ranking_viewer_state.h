#pragma once
#include <cstdint>

#include "ranking/ranking_file.h"
#include "shell/menu_input.h"

// Everything the ranking viewer keeps between its frames.
struct RankingViewerState {
    RankingFile table{};              // its own copy of the ranking, read on entry
    int8_t sortColumn = 1;            // -1 the back button, 0..5 a column
    int8_t viewerOrder[rankingEntries] = {};  // table indices in the order shown
    int8_t lastSort = 0;              // the column of the last build
    int8_t sortReversed = 0;          // 1 while that order runs backwards
    int32_t entryCount = 0;           // lines of the list: the entries before the first empty one
    int32_t scrollY = 0;              // 0..maxScroll
    int32_t maxScroll = 0;
    int32_t headerShift = 0;          // 0..400, how far the columns stand slid left
    int8_t headerSlide = 0;           // 0 still, 1 sliding to 400, 2 back to 0
    int8_t sortRepeat = 0;            // auto-repeat of left and right
    // The line whose replay R plays: the line under the marker's row of the
    // window (0..12). The list scrolls under the marker; where it can scroll
    // no further, up and down move the marker instead.
    int8_t markerRow = 0;
    int8_t markerRepeat = 0;          // auto-repeat of the marker's moves
    int8_t replayHeld = 0;            // R latch
    CursorAnimation cursor;
};
extern RankingViewerState rankingViewer;

// The viewer's canvas: the whole list, drawn once per order.
constexpr int rankingCanvasWidth = 1000;
constexpr int rankingCanvasHeight = 3100;
// Lines on the screen at once, and the height of one.
constexpr int visibleRankLines = 13;
constexpr int rankLineHeight = 30;

// The display line (0..entryCount - 1) under the marker, -1 with no lines.
int MarkedLine();

// A new visit: sorted by score, at the top, the cursor on the score column,
// the headings unslid. The table is kept.
void StartRankingVisit();
