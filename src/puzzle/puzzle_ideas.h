#pragma once
#include <cstdint>

#include "platform/text.h"
#include "puzzle/puzzle_file.h"

// The words the shipped problems come with: each one's idea, shown in the
// picker, and a lesson's hint, shown while it is played. The build writes
// them from the puzzle book into "Text\Ideas.txt" beside the pictures: one
// line per problem, problem 1 first, the idea and the hint parted by a tab
// (either may be empty), UTF-8. They belong to the problems as shipped, so
// a problem the player has changed in the editor shows neither.

constexpr int ideaBytes = 256;
constexpr int hintBytes = 192;
constexpr int ideasFileBytes = 65536;  // a longer file is not ours

struct PuzzleIdeas {
    char idea[puzzleCount][ideaBytes];  // empty when there is none to show
    char hint[puzzleCount][hintBytes];
    // The language the words were read and broken into lines in, plus one
    // (0: none read since the start).
    int8_t readIn;
};
extern PuzzleIdeas puzzleIdeas;

// Takes the words from the text of "Text\Ideas.txt" (as read), keeping no
// line that is too long, is not UTF-8 or holds a control character; every
// problem past the text's last line has none.
void ParsePuzzleIdeas(const char* text, long length, PuzzleIdeas& ideas);

// True when problem index of tables is the shipped one in every field.
bool SameProblem(const PuzzleFile& tables, const PuzzleFile& shipped, int index);

// At a puzzle match's set-up, after the player's problems are read into
// tables: reads the words and the shipped "defaults\PZL.dat", and keeps the
// words only for the problems still as shipped. A missing or damaged file
// leaves no words at all. Each idea and hint is broken into at most three
// lines no wider than its width in the font they will be drawn with (which
// measuring also readies every glyph, so drawing them in play makes
// nothing new).
void ReadPuzzleIdeas(const PuzzleFile& tables, FontHandle font, int ideaWidth, int hintWidth);

// After a change of language, reads the words again as the last
// ReadPuzzleIdeas did (same problems, font and widths) from the file of the
// language the game speaks now, broken anew for its glyphs. Nothing when
// none were read or they are already in that language; true when it read.
bool PuzzleIdeasFollowLanguage();

// Breaks text in place into lines no wider than width in the font selected
// in the open text context: after a Japanese stop or comma where one falls
// in the line, else before the character that would pass it. At most
// maxLines lines; the rest is cut off.
void BreakIntoLines(char* text, int bytes, int width, int maxLines);

// No words for any problem (process start).
void ResetPuzzleIdeas();
