#include "ranking/rank_line.h"

#include "content/rank_sheet.h"
#include "platform/blit.h"
#include "platform/surface.h"
#include "ranking/rank_pictures.h"
#include "ranking/ranking_file.h"

namespace {

void PutColon(int x, int line) {
    const SheetRect& r = rankSheetLayout::colon;
    Blit(backdropSurface, x, RankLineTop(line), itemSheet, keyedCopy, r.left, r.top, r.right, r.bottom);
}

// Hours only when there are any, and then the minutes padded; a time under a
// minute still shows a single 0 for its minutes.
void DrawTime(const int32_t (&time)[3], int x, int line) {
    const int32_t hours = time[0], minutes = time[1], seconds = time[2];
    if (hours > 0) {
        DrawRankDigits(hours, 2, x, line, 0);
        PutColon(x + 58, line);
        DrawRankDigits(minutes, 2, x + 50, line, 1);
    } else if (minutes == 0) {
        DrawRankDigits(0, 1, x + 68, line, 1);
    } else {
        DrawRankDigits(minutes, 2, x + 50, line, 0);
    }
    PutColon(x + 108, line);
    DrawRankDigits(seconds, 2, x + 100, line, 1);
}

}  // namespace

void DrawRankLine(const RankingFile& table, int entry, const RankLineColumns& columns, int line) {
    if (entry < 0 || entry >= rankingEntries) return;
    const int top = RankLineTop(line);
    DrawRankStripe(table.difficulty[entry], columns.stripeLeft, columns.stripeRight, top - 3);
    // Twelve positions read as one number: the low part padded once a high part shows.
    const int32_t high = table.scoreHigh[entry];
    DrawRankDigits(table.score[entry], 8, columns.scoreX, line, high > 0 ? 1 : 0);
    DrawRankDigits(high, 4, columns.scoreX - 72, line, 0);
    DrawRankDigits(table.level[entry], 3, columns.levelX, line, 0);
    DrawRankDigits(table.maxChain[entry], 3, columns.chainX, line, 0);
    DrawTime(table.time[entry], columns.timeX, line);
    DrawGradeMark(table.grade[entry], columns.gradeX, top);
}
