#include "ranking/ranking_row.h"

#include "content/rank_sheet.h"
#include "platform/blit.h"
#include "platform/surface.h"
#include "ranking/rank_line.h"
#include "ranking/ranking_file.h"

namespace {

constexpr int rowLine = -1;  // figures at y 63
constexpr RankLineColumns rowColumns{0, 694, 59, 243, 333, 420, 635};

void Put(const SheetRect& r, int x, int y) {
    Blit(backdropSurface, x, y, itemSheet, keyedCopy, r.left, r.top, r.right, r.bottom);
}

}  // namespace

void DrawRankingRow(int place) {
    if (backdropSurface == nullptr) return;
    ColorFill(backdropSurface, 0, 0, backdropSurface->width, backdropSurface->height, colorKey);
    if (place < 0 || place >= rankingEntries) return;
    Put(rankSheetLayout::scoreHeading, 80, 19);
    Put(rankSheetLayout::levelHeading, 255, 19);
    Put(rankSheetLayout::maxChainHeadingTop, 335, 0);
    Put(rankSheetLayout::maxChainHeadingBottom, 350, 25);
    Put(rankSheetLayout::timeHeading, 470, 19);
    Put(rankSheetLayout::gradeHeading, 620, 19);
    DrawRankLine(rankingTable, place, rowColumns, rowLine);
}
