#include "editor/editor_input.h"

#include <algorithm>

#include "editor/editor_fields.h"
#include "editor/editor_state.h"
#include "match/match_state.h"
#include "platform/keys.h"
#include "platform/sound.h"
#include "platform/wipe.h"
#include "puzzle/puzzle_file.h"
#include "shell/menu_input.h"
#include "shell/save_notice.h"
#include "shell/scene_links.h"

namespace {

constexpr int stepPixels = 3;
constexpr int cellStep = 23;       // a step completes once the offset passes this
constexpr int nextStripStep = 29;  // the way down into the NEXT strip is longer
constexpr int topRow = 14;
constexpr int lastColumn = 6;
constexpr int repeatEvery = 10;

void KeySound() { RestartSound(seBuffer1, false); }
void ChoiceSound() { RestartSound(seBuffer2, false); }

void AdvanceCursorStep() {
    if (editorMoveDir == noDirection) return;
    editorMoveOffset = static_cast<int8_t>(editorMoveOffset + stepPixels);
    const int length = editorMoveDir == downDirection && editorCursorY == 2 ? nextStripStep : cellStep;
    if (editorMoveOffset <= length) return;
    switch (editorMoveDir) {
        case upDirection: ++editorCursorY; break;
        case rightDirection: ++editorCursorX; break;
        case downDirection: --editorCursorY; break;
        case leftDirection: --editorCursorX; break;
        default: break;
    }
    editorMoveDir = noDirection;
    editorMoveOffset = 0;
}

// True when the cursor can go that way and a step starts.
bool StartCursorStep(int direction) {
    if (editorMoveDir != noDirection) return false;
    const bool open = (direction == upDirection && editorCursorY < topRow) ||
                      (direction == rightDirection && editorCursorX < lastColumn) ||
                      (direction == downDirection && editorCursorY > 1) ||
                      (direction == leftDirection && editorCursorX > 0);
    if (open) editorMoveDir = static_cast<int8_t>(direction);
    return open;
}

// Each question opens (and the last one closes) with yes preset and the
// box to grow anew.
void SetQuestion(EditorDialog next) {
    editorDialog = next;
    pauseMenuCursor = 0;
    boxGrowth = 0;
}

// C opens the save question; C or X, the game's decide key, answers the
// open one. True when it answered (the rest of the step is left out).
bool ConfirmKey() {
    const bool c = KeyHeld(editorKeys.confirm);
    if (!c) editorConfirmLatch = 0;
    const bool x = editorDialog != noDialog && KeyHeld(menuKeys.decide) && editorKeyLatch == 0;
    if (wipeState != 0 || !(x || (c && editorConfirmLatch == 0))) return false;
    ChoiceSound();
    if (c) editorConfirmLatch = 1;
    // X answering must not go on to change a cell once the box has closed.
    if (x) editorKeyLatch = 1;
    const bool yes = pauseMenuCursor == 0;
    switch (editorDialog) {
        case noDialog: SetQuestion(saveDialog); return false;
        case saveDialog:
            if (yes) {
                // A write that fails leaves the old file whole; the player
                // is told under the question that follows.
                if (WritePuzzleFile(editorTables)) editorSavedTables = editorTables;
                else NoteFailedSave();
                KeySound();
            }
            // Saved or not, the player is asked whether to leave.
            SetQuestion(leaveDialog);
            return true;
        default:
            // The leave question, or Escape's: yes leaves, no edits on.
            if (yes) {
                wipeState = 1;
                ChoiceSound();
            }
            SetQuestion(noDialog);
            return true;
    }
}

// Escape leaves at once when nothing is left unsaved; otherwise it asks
// first. True when it acted (the rest of the step is left out).
bool EscapeKey() {
    if (!KeyHeld(vkEscape)) {
        editorEscapeLatch = 0;
        return false;
    }
    if (wipeState != 0 || editorDialog != noDialog || editorEscapeLatch != 0) return false;
    editorEscapeLatch = 1;
    ChoiceSound();
    if (EditorChangesUnsaved()) SetQuestion(discardDialog);
    else wipeState = 1;
    return true;
}

bool FieldKey(int direction) {
    switch (editorField) {
        case boardField: return StartCursorStep(direction);
        case problemField: return ProblemKey(direction);
        case timeField: return TimeKey(direction);
        case goalField: return GoalKey(direction);
        case sumField: return SumKey(direction);
        case limitField: return LimitKey(direction);
        default: return false;
    }
}

// The first held of Up, Right, Down, Left acts at once, then every 10
// steps; held on a field for 120 steps it acts on every step.
void ArrowKeys() {
    const int direction = UpHeld()     ? upDirection
                          : RightHeld() ? rightDirection
                          : DownHeld()  ? downDirection
                          : LeftHeld()  ? leftDirection
                                        : noDirection;
    if (direction == noDirection) {
        editorRepeat = 0;
        return;
    }
    const bool onBoard = editorField == boardField;
    const bool vertical = direction == upDirection || direction == downDirection;
    const int window = onBoard && vertical ? 11 : 121;
    if (editorRepeat % repeatEvery == 0 && editorRepeat < window) {
        if (editorDialog != noDialog) {
            // The question's answer turns once per press.
            if (editorRepeat == 0 && !vertical) {
                pauseMenuCursor = static_cast<int8_t>(1 - pauseMenuCursor);
                KeySound();
            }
        } else if (FieldKey(direction)) {
            KeySound();
        }
    }
    editorRepeat = static_cast<int8_t>(std::min(editorRepeat + 1, onBoard ? 10 : 120));
}

void ChangeCell(int delta) {
    int8_t& cell = EditorCell(editorProblem, editorCursorY, editorCursorX);
    int next = cell + delta;
    if (next > 7) next = 0;
    if (next < -1) next = 7;
    cell = static_cast<int8_t>(next);
    KeySound();
}

void SelectField(int delta) {
    editorField = static_cast<int8_t>((editorField + delta + editorFieldCount) % editorFieldCount);
    ChoiceSound();
}

// X and Z change the cell under the cursor, A and S select the field;
// one action per press.
void EditKeys() {
    const bool x = KeyHeld(editorKeys.raise), z = KeyHeld(editorKeys.lower);
    const bool a = KeyHeld(editorKeys.previousField), s = KeyHeld(editorKeys.nextField);
    if (!x && !z && !a && !s) {
        editorKeyLatch = 0;
        return;
    }
    if (editorDialog != noDialog || wipeState != 0 || editorKeyLatch != 0) return;
    const bool onBoard = editorField == boardField;
    if (x && onBoard) ChangeCell(1);
    else if (z && onBoard) ChangeCell(-1);
    else if (a) SelectField(-1);
    else if (s) SelectField(1);
    else return;
    editorKeyLatch = 1;
}

}  // namespace

void EditorInput() {
    if (editorField == boardField) AdvanceCursorStep();
    if (EscapeKey()) return;
    if (ConfirmKey()) return;
    if (wipeState == 0) ArrowKeys();
    EditKeys();
    if (wipeState == 2) {
        StripeWipe(1);
    } else if (wipeState == 1 && StripeWipe(0)) {
        pauseMenuCursor = 0;
        boxGrowth = 0;
        LeaveEditor();
    }
}

void LeaveEditor() { sceneLinks.returnToMainMenu(); }
