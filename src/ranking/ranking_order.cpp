#include "ranking/ranking_order.h"

#include <algorithm>

#include "ranking/ranking_columns.h"
#include "ranking/ranking_file.h"

namespace {

// Negative when entry a comes before entry b in the column's first order,
// 0 when their keys are equal.
int Compare(const RankingFile& t, int column, int a, int b) {
    switch (column) {
        case nameColumn:
            // The codes in turn, first code first, smaller first.
            for (int k = 0; k < 4; ++k)
                if (t.name[a][k] != t.name[b][k]) return t.name[a][k] - t.name[b][k];
            return 0;
        case levelColumn:
            return t.level[a] > t.level[b] ? -1 : (t.level[a] < t.level[b] ? 1 : 0);
        case chainColumn:
            return t.maxChain[a] > t.maxChain[b] ? -1 : (t.maxChain[a] < t.maxChain[b] ? 1 : 0);
        case timeColumn:
            for (int k = 0; k < 3; ++k)
                if (t.time[a][k] != t.time[b][k]) return t.time[a][k] > t.time[b][k] ? -1 : 1;
            return 0;
        case gradeColumn:
            return t.grade[a] - t.grade[b];
        default:
            // The score: the table is already best first.
            return 0;
    }
}

}  // namespace

int CountRankedEntries(const RankingFile& table) {
    int n = 0;
    while (n < rankingEntries && table.score[n] >= 0) ++n;
    return n;
}

void OrderByColumn(const RankingFile& table, int column, int count, int8_t* order) {
    count = std::clamp(count, 0, rankingEntries);
    // Insertion: stable, in place, and at most 100 entries.
    for (int i = 0; i < count; ++i) {
        int j = i;
        while (j > 0 && Compare(table, column, order[j - 1], i) > 0) {
            order[j] = order[j - 1];
            --j;
        }
        order[j] = static_cast<int8_t>(i);
    }
}

void ReverseOrder(int8_t* order, int count) {
    std::reverse(order, order + std::clamp(count, 0, rankingEntries));
}
