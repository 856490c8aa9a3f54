#include "editor/editor_drawing.h"

#include "content/game_sheet.h"
#include "content/game_texts.h"
#include "editor/editor_state.h"
#include "match/hud.h"
#include "match/match_state.h"
#include "match/pause.h"

namespace {

using gameSheetLayout::arrowDown;
using gameSheetLayout::arrowLeft;
using gameSheetLayout::arrowRight;
using gameSheetLayout::arrowUp;

constexpr int rulesDrop = 16;       // the rules sit this much lower than in a match
constexpr int nextStripTop = 389;
constexpr int hintShownMs = 500;
constexpr int hintCycleMs = 1000;

int RowY(int row) { return row == 1 ? nextStripTop : 352 - 24 * (row - 2); }

void DrawCursor() {
    int x = 43 + 24 * editorCursorX;
    int y = editorCursorY == 1 ? 382 : 346 - 24 * (editorCursorY - 2);
    switch (editorMoveDir) {
        case upDirection: y -= editorMoveOffset; break;
        case rightDirection: x += editorMoveOffset; break;
        case downDirection: y += editorMoveOffset; break;
        case leftDirection: x -= editorMoveOffset; break;
        default: break;
    }
    DrawSheetPicture(gameSheetLayout::Cursor(0), x, y);
}

void DrawTime() {
    const int32_t minutes = editorTables.minutes[editorProblem];
    if (minutes == 0) DrawGlyph(0, 0, 500, 137);
    else DrawNumber(minutes, 0, 472, 137, 2, 0, 0);
    DrawSheetPicture(gameSheetLayout::colon, 516, 137);
    DrawNumber(editorTables.seconds[editorProblem], 0, 510, 137, 2, 0, 1);
}

// Arrows point the ways the selected field's value can still go, during
// the first half of every second.
void DrawHints() {
    const uint32_t now = editorStepMark;
    if (now - editorHintMark > hintCycleMs) editorHintMark = now;
    if (now - editorHintMark >= hintShownMs) return;
    const int i = editorProblem;
    switch (editorField) {
        case problemField:
            if (i > 0) DrawSheetPicture(arrowLeft, 450, 100);
            if (i < puzzleCount - 1) DrawSheetPicture(arrowRight, 570, 100);
            break;
        case timeField:
            if (editorTables.minutes[i] != 0 || editorTables.seconds[i] != 0) DrawSheetPicture(arrowLeft, 450, 135);
            if (editorTables.minutes[i] < 10) DrawSheetPicture(arrowRight, 570, 135);
            break;
        case goalField: {
            DrawSheetPicture(arrowLeft, 271, 335);
            DrawSheetPicture(arrowRight, 590, 335);
            const int type = editorTables.goalTypes[i];
            if (type == goalClearAll) break;
            const int32_t value = editorTables.goalValues[i];
            if (value > goalRanges[type].low) DrawSheetPicture(arrowDown, 440, 357);
            if (value < goalRanges[type].high) DrawSheetPicture(arrowUp, 440, 302);
            break;
        }
        case sumField:
            if (editorTables.targetSums[i] > 7) DrawSheetPicture(arrowLeft, 271, 395);
            if (editorTables.targetSums[i] < 10) DrawSheetPicture(arrowRight, 590, 395);
            break;
        case limitField:
            if (editorTables.swapLimits[i] > -2) DrawSheetPicture(arrowLeft, 271, 425);
            if (editorTables.swapLimits[i] < 100) DrawSheetPicture(arrowRight, 590, 425);
            break;
        default: break;
    }
}

}  // namespace

void PaintEditorFrame() {
    // A puzzle is played with the longest limit gauge.
    PaintBoardFrame(0, 5);
    PaintInfoBox(271, 66, 609, 234);
    PaintInfoBox(271, 302, 609, 470);
    PaintLabel(gameSheetLayout::problemLabel, 344, 100);
    PaintLabel(gameSheetLayout::clockLabel, 344, 135);
    PaintLabel(gameSheetLayout::goalLabel, 344, 170);
}

void DrawEditorBoard() {
    for (int row = 1; row < boardRows; ++row) {
        for (int c = 0; c < boardColumns; ++c) {
            const int8_t v = EditorCell(editorProblem, row, c);
            // The picture set of panel shape 0, whatever the option.
            if (HoldsPanel(v)) DrawSheetPicture(gameSheetLayout::Panel(v, 0), ColumnLeft(0, c), RowY(row));
        }
    }
    // Drawn here, under the question box, rather than over it.
    if (editorField == boardField) DrawCursor();
}

void DrawEditorPanel() {
    DrawTopLine(0, editorLineStep);
    editorLineStep = static_cast<int8_t>(editorLineStep >= 13 ? 0 : editorLineStep + 1);
    DrawGlyph(0, 0, 202, 447);
    // Three places, so that problem 100 shows whole, ending under the
    // time's last digit.
    DrawNumber(editorProblem + 1, 0, 496, 102, 3, 0, 0);
    DrawTime();
    DrawHints();
    const int i = editorProblem;
    DrawPuzzleRules(editorTables.goalTypes[i], editorTables.goalValues[i], editorTables.targetSums[i],
                    editorTables.swapLimits[i], rulesDrop);
    if (editorDialog == saveDialog) DrawQuestionBox(Tr(TextName::EditorSaveQuestion), pauseMenuCursor, true);
    else if (editorDialog == leaveDialog) DrawQuestionBox(Tr(TextName::EditorLeaveQuestion), pauseMenuCursor, true);
    else if (editorDialog == discardDialog) DrawQuestionBox(Tr(TextName::EditorDiscardQuestion), pauseMenuCursor, true);
}
