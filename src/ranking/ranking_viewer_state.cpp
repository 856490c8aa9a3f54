#include "ranking/ranking_viewer_state.h"

#include <algorithm>

#include "ranking/ranking_columns.h"

RankingViewerState rankingViewer;

void StartRankingVisit() {
    RankingViewerState& v = rankingViewer;
    v.sortColumn = scoreColumn;
    v.lastSort = 0;
    v.sortReversed = 0;
    v.scrollY = 0;
    // A visit left with the headings slid (Escape on the time column) must
    // not open the next one slid with the cursor on the score column.
    v.headerShift = 0;
    v.headerSlide = 0;
    v.sortRepeat = 0;
    v.markerRow = 0;
    v.markerRepeat = 0;
}

int MarkedLine() {
    const RankingViewerState& v = rankingViewer;
    if (v.entryCount <= 0) return -1;
    // The line whose middle is nearest the middle of the marker's row.
    const int line = (v.scrollY + rankLineHeight * v.markerRow + rankLineHeight / 2) / rankLineHeight;
    return std::clamp(line, 0, v.entryCount - 1);
}
