#include "ranking/ranking_canvas.h"

#include "content/rank_sheet.h"
#include "content/title_sheet.h"
#include "platform/blit.h"
#include "platform/surface.h"
#include "ranking/rank_line.h"
#include "ranking/rank_pictures.h"
#include "ranking/ranking_columns.h"
#include "ranking/ranking_order.h"
#include "ranking/ranking_viewer.h"
#include "ranking/ranking_viewer_state.h"
#include "shell/scene.h"

namespace {

constexpr RankLineColumns listColumns{80, 994, 289, 473, 583, 670, 885};
constexpr int firstLineY = 90;

void Put(const Surface* sheet, const SheetRect& r, int x, int y) {
    Blit(backdropSurface, x, y, sheet, keyedCopy, r.left, r.top, r.right, r.bottom);
}

void Order() {
    RankingViewerState& v = rankingViewer;
    if (v.sortColumn == v.lastSort) {
        ReverseOrder(v.viewerOrder, v.entryCount);
        v.sortReversed = static_cast<int8_t>(1 - v.sortReversed);
    } else {
        OrderByColumn(v.table, v.sortColumn, v.entryCount, v.viewerOrder);
        v.sortReversed = 0;
    }
}

void DrawHeadings() {
    Put(mainSheet, titleSheetLayout::backTile, 20, 35);
    for (const RankingColumnLayout& c : rankingColumns) {
        Put(itemSheet, c.heading, c.headingX, c.headingY);
        if (c.secondHeading.Width() > 0) Put(itemSheet, c.secondHeading, c.secondX, c.secondY);
    }
}

// Place 1 wears the crown; the others their number, each with its mark.
void DrawPlace(int n, int y) {
    if (n == 0) {
        const SheetRect& crown = rankSheetLayout::firstPlaceMark;
        BlitStretched(backdropSurface, itemSheet, keyedStretch, 25, y + 3, 55, y + 27, crown.left, crown.top,
                      crown.right, crown.bottom);
        Put(itemSheet, rankSheetLayout::firstPlaceSuffix, 72, y + 21);
    } else {
        DrawRankFigure(n + 1, 25, y + 3);
        Put(itemSheet, rankSheetLayout::placeSuffix, 72, y + 21);
    }
}

void DrawLine(int r) {
    const RankingViewerState& v = rankingViewer;
    const int e = v.viewerOrder[r];
    const int y = firstLineY + rankLineHeight * r;
    // A turned order counts its places from the last one up.
    DrawPlace(v.sortReversed == 1 ? v.entryCount - 1 - r : r, y);
    // The stripe first: the name stands on it.
    DrawRankLine(v.table, e, listColumns, r);
    for (int k = 0; k < 4; ++k) DrawRankLetter(v.table.name[e][k], 120 + 25 * k, y + 3);
}

// The chosen column, which way it runs and how many lines there are.
void DrawHeaderBox() {
    const RankingViewerState& v = rankingViewer;
    const bool reversed = v.sortReversed == 1;
    DrawRankStripe(reversed ? rankSheetLayout::headerStripeReversed : rankSheetLayout::headerStripeNormal, 160, 474, 2);
    if (v.sortColumn >= 0 && v.sortColumn < rankingColumnCount) {
        const RankingColumnLayout& c = rankingColumns[v.sortColumn];
        if (c.secondHeading.Width() > 0) {
            Put(itemSheet, c.heading, 178, 5);
            Put(itemSheet, c.secondHeading, 178 + c.heading.Width(), 5);
        } else {
            Put(itemSheet, c.heading, 206, 5);
        }
    }
    Put(itemSheet, reversed ? rankSheetLayout::orderReversedLabel : rankSheetLayout::orderNormalLabel, 300, 5);
    DrawRankFigure(v.entryCount, 415, 5);
}

}  // namespace

void BuildRankingCanvas() {
    RankingViewerState& v = rankingViewer;
    currentScene = RankingViewerScene;
    if (backdropSurface == nullptr) return;
    ColorFill(backdropSurface, 0, 0, rankingCanvasWidth, rankingCanvasHeight, colorKey);
    Order();
    DrawHeadings();
    for (int r = 0; r < v.entryCount; ++r) DrawLine(r);
    v.lastSort = v.sortColumn;
    v.maxScroll = v.entryCount > visibleRankLines ? (v.entryCount - visibleRankLines) * rankLineHeight : 0;
    if (v.entryCount >= 2) DrawHeaderBox();
}
