#pragma once

struct RankingFile;

// Where the figures of a ranking line stand. The name entry's single line and
// the viewer's list draw the same figures at their own places.
struct RankLineColumns {
    int stripeLeft = 0;   // the stripe's left cap
    int stripeRight = 0;  // its right cap
    int scoreX = 0;       // the eight low positions; the four high ones come just before
    int levelX = 0;       // three positions
    int chainX = 0;       // three positions
    int timeX = 0;        // the hours' two positions; the rest of the time follows them
    int gradeX = 0;       // the middle letter of the grade mark
};

// The stripe, score, level, longest chain, time and grade of the table's
// entry on the line (figures at y 93 + 30 x line, the stripe 3 rows higher).
void DrawRankLine(const RankingFile& table, int entry, const RankLineColumns& columns, int line);
