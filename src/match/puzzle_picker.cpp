#include "match/puzzle_picker.h"

#include "content/game_sheet.h"
#include "match/board_pass.h"
#include "match/hud.h"
#include "match/hud_parts.h"
#include "match/match_guides.h"
#include "match/match_state.h"
#include "match/puzzle_rules.h"
#include "match/puzzle_words.h"
#include "options/options_file.h"
#include "platform/blit.h"
#include "platform/key_bindings.h"
#include "platform/keys.h"
#include "platform/present.h"
#include "platform/sound.h"
#include "platform/surface.h"
#include "platform/wipe.h"
#include "puzzle/progress_file.h"
#include "puzzle/puzzle_file.h"
#include "shell/game_loop.h"
#include "shell/key_guide.h"
#include "shell/menu_input.h"
#include "shell/scene_links.h"

namespace {

using namespace gameSheetLayout;

bool StartHeld() { return KeyHeld(playerKeys[0].swap) || KeyHeld(playerKeys[0].pause); }

void DrawHeading() {
    DrawSheetPicture(problemLabel, 240, 5);
    const int number = puzzleIndex + 1;
    DrawNumber(number, 0, 345, 9, number <= 9 ? 1 : (number <= 99 ? 2 : 3), 0, 0);
    if (puzzleIndex > 0) DrawSheetPicture(arrowLeft, 210, 7);
    if (NextPuzzlePresent(puzzleTables, puzzleIndex)) DrawSheetPicture(arrowRight, 400, 7);
    // A problem the player has solved before carries the win mark.
    if (clearTables.solved[puzzleIndex] == 1) DrawSheetPicture(winLabel, 426, 9);
}

void Browse(int delta) {
    puzzleIndex = static_cast<int8_t>(puzzleIndex + delta);
    ShowPuzzle(puzzleIndex);
    RestartSound(seBuffer1, false);
}

}  // namespace

bool PuzzlePicker() {
    SetKeyGuidePage(&puzzlePickerGuide);
    ShowPuzzle(puzzleIndex);
    int8_t holdCounter = 0;
    // A start key still held from the menu's decision does not start a
    // problem: it must be pressed anew.
    bool startLatch = StartHeld();
    bool chosen = false;
    while (!chosen) {
        // The player may wait here for long: keys and the window's close
        // come in as in the main loop.
        if (!ModalLoopPass()) return false;
        Blit(&backBuffer, 0, 0, tileSurface, keyedCopy, 0, 0, screenWidth, screenHeight);
        BoardPass();
        DrawHud();
        DrawHeading();
        DrawPuzzleIdea();
        if (wipeState == 1) {
            if (StripeWipe(0)) {
                sceneLinks.returnToMainMenu();
                versusWins[0] = 0;
                versusWins[1] = 0;
                return false;
            }
        } else if (wipeState == 2) {
            StripeWipe(1);
        } else {
            if (KeyHeld(vkEscape)) {
                wipeState = 1;
                if (options.soundOff == 0) LoadSoundBuffer(seBuffer2, "Sound\\Ok.wav");
                RestartSound(seBuffer2, false);
                return false;
            }
            const bool left = LeftHeld();
            const bool right = RightHeld();
            if (left && RepeatStep(holdCounter) && puzzleIndex > 0) Browse(-1);
            if (right && RepeatStep(holdCounter) && NextPuzzlePresent(puzzleTables, puzzleIndex)) Browse(1);
            SettleRepeat(holdCounter, left || right);
            const bool start = StartHeld();
            // A problem without a time limit is absent: it would be lost on
            // the clock's first tick, so it cannot be started.
            if (start && !startLatch && PuzzlePresent(puzzleTables, puzzleIndex)) {
                skipPicker = 1;
                chosen = true;
                RestartSound(seBuffer2, false);
            }
            if (!start) startLatch = false;
        }
        Present();
    }
    if (options.soundOff == 0) {
        LoadSoundBuffer(seBuffer1, "Sound\\Count.wav");
        LoadSoundBuffer(seBuffer2, "Sound\\Pause.wav");
    }
    return true;
}
