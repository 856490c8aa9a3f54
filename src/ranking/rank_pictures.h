#pragma once
#include <cstdint>

// The pictures of a ranking line, drawn from "Back\Rank.bmp" (itemSheet)
// into the ranking canvas (backdropSurface). Line r puts its figures at
// y 93 + 30r; line -1 is the name entry's single line at y 63.

// Top of the figures of line `line`.
int RankLineTop(int line);

// value with exactly n digit positions, position k (1..n) at x + 18k.
// Leading zeros show only with showZeros 1; value 0 then draws nothing.
void DrawRankDigits(int32_t value, int n, int x, int line, int showZeros);
// Name character code (0..39) with its top-left at (x, y); digits sit 3
// pixels further right, as the letters are wider.
void DrawRankLetter(int code, int x, int y);
// The grade mark (0 "SSS" .. 11 "G") centred on the letter at x, top at y.
void DrawGradeMark(int grade, int x, int y);
// The line's stripe in the colours of difficulty d over columns left..right.
void DrawRankStripe(int difficulty, int left, int right, int y);
// A count in large figures with its top at y: below 10 one digit stretched
// to 30 wide at x; two digits at x - 5 and x + 15; three from x - 15 on.
void DrawRankFigure(int value, int x, int y);
