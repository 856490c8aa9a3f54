#include "editor/editor_state.h"

#include <cstring>

PuzzleFile editorTables;
PuzzleFile editorSavedTables;
int32_t editorProblem = 0;
int8_t editorField = boardField;
int8_t editorCursorX = 3;
int8_t editorCursorY = 2;
int8_t editorMoveDir = noDirection;
int8_t editorMoveOffset = 0;
int8_t editorRepeat = 0;
int8_t editorDialog = noDialog;
int8_t editorKeyLatch = 0;
int8_t editorConfirmLatch = 0;
int8_t editorEscapeLatch = 0;
int8_t editorLineStep = 0;
uint32_t editorStepMark = 0;
uint32_t editorHintMark = 0;

void StartEditorValues() {
    editorProblem = 0;
    editorField = boardField;
    editorCursorX = 3;
    editorCursorY = 2;
    editorMoveDir = noDirection;
    editorMoveOffset = 0;
    editorRepeat = 0;
    editorDialog = noDialog;
    editorKeyLatch = 0;
    editorConfirmLatch = 0;
    editorEscapeLatch = 0;
    editorLineStep = 0;
}

bool EditorChangesUnsaved() { return std::memcmp(&editorTables, &editorSavedTables, sizeof editorTables) != 0; }

void ResetEditorRecords() {
    DefaultPuzzleFile(editorTables);
    DefaultPuzzleFile(editorSavedTables);
    StartEditorValues();
    editorStepMark = 0;
    editorHintMark = 0;
}
