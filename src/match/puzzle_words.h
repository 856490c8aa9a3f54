#pragma once

// The shipped problems' words in the puzzle mode, in a box between the
// clock's box and the puzzle box: the idea of the problem in the picker, and
// a lesson's hint while it is played (puzzle/puzzle_ideas.h says which
// problems have them).

// At set-up, once the player's problems are read: the words for the
// problems still as shipped, in the font and widths they are drawn with.
void PreparePuzzleWords();

// The picker's box of the idea of the problem shown, when it has one.
void DrawPuzzleIdea();

// The hint of the lesson being played (in the picker the idea covers it).
void DrawLessonHint();
