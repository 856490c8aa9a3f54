#pragma once
#include <cstdint>

#include "puzzle/puzzle_file.h"

// The editor's records: its own copy of the problems, the one being edited,
// the selected field, the board cursor and the keys' latches and counters.

// The problems as edited; the puzzle mode plays from puzzleTables, which
// only the saved file reaches.
extern PuzzleFile editorTables;
// The problems as the file last held them (read on entry, or saved since):
// what Escape compares with before it leaves without a word.
extern PuzzleFile editorSavedTables;

// The fields, in the order A and S step through them.
enum EditorField : int8_t {
    boardField = 0,
    problemField = 1,
    timeField = 2,
    goalField = 3,
    sumField = 4,
    limitField = 5,
};
constexpr int editorFieldCount = 6;

// Directions of a cursor step and of the arrow keys (0 none).
enum EditorDirection : int8_t { noDirection = 0, upDirection = 1, rightDirection = 2, downDirection = 3, leftDirection = 4 };

// The questions: none, record the data?, return to the menu?, leave
// without saving? (Escape with changes not yet saved).
enum EditorDialog : int8_t { noDialog = 0, saveDialog = 1, leaveDialog = 2, discardDialog = 3 };

extern int32_t editorProblem;    // 0..99
extern int8_t editorField;       // an EditorField
extern int8_t editorCursorX;     // 0..6
extern int8_t editorCursorY;     // 1..14 (1 is the incoming row)
extern int8_t editorMoveDir;     // the cursor step under way, an EditorDirection
extern int8_t editorMoveOffset;  // its pixels, +3 per step
extern int8_t editorRepeat;      // steps an arrow key has been held
extern int8_t editorDialog;      // an EditorDialog; the answer is pauseMenuCursor
extern int8_t editorKeyLatch;    // X, Z, A, S
extern int8_t editorConfirmLatch;  // C
extern int8_t editorEscapeLatch;   // Escape: one question per press
extern int8_t editorLineStep;    // 0..13, colour of the line across the board's top
extern uint32_t editorStepMark;  // time of the last step
extern uint32_t editorHintMark;  // start of the arrow hints' second

// Cell (row, column) of problem i as edited.
inline int8_t& EditorCell(int i, int row, int column) { return editorTables.boards[i][row * 7 + column]; }

// The values a visit starts with (the tables aside).
void StartEditorValues();
// True when a problem differs from the file as last read or saved.
bool EditorChangesUnsaved();

// Every record back to its process start.
void ResetEditorRecords();
