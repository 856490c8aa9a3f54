#include "ranking/ranking_row.h"

#include "content/rank_sheet.h"
#include "platform/blit.h"
#include "platform/surface.h"
#include "ranking/rank_pictures.h"
#include "ranking/ranking_file.h"

namespace {

constexpr int rowLine = -1;  // figures at y 63
constexpr int rowY = 63;

void Put(const SheetRect& r, int x, int y) {
    Blit(backdropSurface, x, y, itemSheet, keyedCopy, r.left, r.top, r.right, r.bottom);
}

void DrawRowTime(int32_t hours, int32_t minutes, int32_t seconds) {
    if (hours > 0) {
        DrawRankDigits(hours, 2, 420, rowLine, 0);
        Put(rankSheetLayout::colon, 478, rowY);
        DrawRankDigits(minutes, 2, 470, rowLine, 1);
    } else if (minutes == 0) {
        DrawRankDigits(0, 1, 488, rowLine, 1);
    } else {
        DrawRankDigits(minutes, 2, 470, rowLine, 0);
    }
    Put(rankSheetLayout::colon, 528, rowY);
    DrawRankDigits(seconds, 2, 520, rowLine, 1);
}

}  // namespace

void DrawRankingRow(int place) {
    if (backdropSurface == nullptr) return;
    ColorFill(backdropSurface, 0, 0, backdropSurface->width, backdropSurface->height, colorKey);
    if (place < 0 || place >= rankingEntries) return;
    const RankingFile& t = rankingTable;
    DrawRankStripe(t.difficulty[place], 0, 694, 60);
    Put(rankSheetLayout::scoreHeading, 80, 19);
    Put(rankSheetLayout::levelHeading, 255, 19);
    Put(rankSheetLayout::maxChainHeadingTop, 335, 0);
    Put(rankSheetLayout::maxChainHeadingBottom, 350, 25);
    Put(rankSheetLayout::timeHeading, 470, 19);
    Put(rankSheetLayout::gradeHeading, 620, 19);
    // Twelve positions read as one number: the low part padded once a high part shows.
    const int32_t high = t.scoreHigh[place];
    DrawRankDigits(t.score[place], 8, 59, rowLine, high > 0 ? 1 : 0);
    DrawRankDigits(high, 4, -13, rowLine, 0);
    DrawRankDigits(t.level[place], 3, 243, rowLine, 0);
    DrawRankDigits(t.maxChain[place], 3, 333, rowLine, 0);
    DrawRowTime(t.time[place][0], t.time[place][1], t.time[place][2]);
    DrawGradeMark(t.grade[place], 635, rowY);
}
