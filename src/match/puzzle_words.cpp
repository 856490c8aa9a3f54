#include "match/puzzle_words.h"

#include "match/match_state.h"
#include "platform/text.h"
#include "puzzle/puzzle_file.h"
#include "puzzle/puzzle_ideas.h"
#include "shell/menu_input.h"

namespace {

// Smaller than the menus' words: three lines of them fit the one free band
// on the right, between the clock's box and the puzzle box.
FontHandle wordsFont = -1;
constexpr int wordsHeight = 16;
constexpr int lineStep = 18;

// The words' box: the idea's in the picker, the lesson's hint in play.
constexpr int boxLeft = 240, boxTop = 189, boxRight = 632, boxBottom = 251;
constexpr int margin = 10;

bool Known(int index) { return index >= 0 && index < puzzleCount; }

// The box with the words centred in its height, each line from the left.
void DrawWordsBox(const char* words) {
    int lines = 1;
    for (const char* p = words; *p != '\0'; ++p) lines += *p == '\n' ? 1 : 0;
    const int top = (boxTop + boxBottom) / 2 - lines * lineStep / 2;
    BeginPanelText(wordsFont);
    RoundRect(boxLeft, boxTop, boxRight, boxBottom, 10, 10);
    DrawTextInRect(words, textLeft, boxLeft + margin, top, boxRight - margin, top + lines * lineStep);
    EndText();
}

}  // namespace

void PreparePuzzleWords() {
    wordsFont = CreateGameFont(wordsHeight, 800, minchoFace);
    const int width = boxRight - boxLeft - 2 * margin;
    ReadPuzzleIdeas(puzzleTables, wordsFont, width, width);
}

void DrawPuzzleIdea() {
    PuzzleIdeasFollowLanguage();
    if (Known(puzzleIndex) && puzzleIdeas.idea[puzzleIndex][0] != '\0') DrawWordsBox(puzzleIdeas.idea[puzzleIndex]);
}

void DrawLessonHint() {
    if (Known(puzzleIndex) && puzzleIdeas.hint[puzzleIndex][0] != '\0') DrawWordsBox(puzzleIdeas.hint[puzzleIndex]);
}
