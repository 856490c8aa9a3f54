#include "ranking/ranking_viewer_state.h"

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
}
