#include "replay/replay_ranking.h"

#include "ranking/ranking_file.h"
#include "shell/game_mode.h"

bool RankingStampOfReplay(const Replay& r, RankingStamp& stamp) {
    const ReplayResult& e = r.result;
    if (r.start.mode != endlessMode || e.outcome != outcomeTopOut) return false;
    if (e.score[0] <= 0 && e.scoreHigh[0] <= 0) return false;  // a zero score is never ranked
    stamp.score = e.score[0];
    stamp.scoreHigh = e.scoreHigh[0];
    stamp.level = e.level;
    stamp.maxChain = e.maxChain;
    stamp.hours = e.hours;
    stamp.minutes = e.minutes;
    stamp.seconds = e.seconds;
    stamp.difficulty = r.start.options[2];
    return true;
}

bool RankingStampOfEntry(const RankingFile& t, int i, RankingStamp& stamp) {
    if (i < 0 || i >= rankingEntries || t.score[i] < 0) return false;
    stamp.score = t.score[i];
    stamp.scoreHigh = t.scoreHigh[i];
    stamp.level = t.level[i];
    stamp.maxChain = t.maxChain[i];
    stamp.hours = t.time[i][0];
    stamp.minutes = t.time[i][1];
    stamp.seconds = t.time[i][2];
    stamp.difficulty = t.difficulty[i];
    return true;
}

int EqualEntriesAbove(const RankingFile& t, int place) {
    RankingStamp own;
    if (!RankingStampOfEntry(t, place, own)) return 0;
    int equal = 0;
    for (int i = 0; i < place; ++i) {
        RankingStamp other;
        if (RankingStampOfEntry(t, i, other) && other == own) ++equal;
    }
    return equal;
}
