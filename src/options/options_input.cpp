#include "options/options_input.h"

#include "options/options_file.h"
#include "options/options_language.h"
#include "options/options_state.h"
#include "platform/keys.h"
#include "platform/sound.h"
#include "platform/wipe.h"
#include "shell/menu_input.h"
#include "shell/save_notice.h"

namespace {

OptionsScreenState& s = optionsState;

void MovedCursor() {
    RestartCursorCycle(s.blink);
    RestartSound(seBuffer1, false);
}

// Steps setting i by delta, wrapping around its range.
void StepSetting(int i, int delta) {
    int8_t& field = OptionField(i);
    field = static_cast<int8_t>(field + delta);
    if (field < 0) field = optionMax[i];
    if (field > optionMax[i]) field = 0;
    s.dirty = 1;
}

void Up() {
    if (s.optionsCursor == 0) s.optionsCursor = endEntry;
    else if (s.optionsCursor < endEntry) --s.optionsCursor;
    else s.optionsCursor = endEntry - 1;
}

void Down() { s.optionsCursor = s.optionsCursor < endEntry ? static_cast<int8_t>(s.optionsCursor + 1) : 0; }

void Left() {
    if (InSavePrompt()) s.saveAnswer = static_cast<int8_t>(1 - s.saveAnswer);
    else if (s.optionsCursor < endEntry) StepSetting(s.optionsCursor, -1);
    else s.optionsCursor = s.optionsCursor == endEntry ? resetEntry : static_cast<int8_t>(s.optionsCursor - 1);
}

void Right() {
    if (InSavePrompt()) s.saveAnswer = static_cast<int8_t>(1 - s.saveAnswer);
    else if (s.optionsCursor < endEntry) StepSetting(s.optionsCursor, 1);
    else s.optionsCursor = s.optionsCursor == resetEntry ? endEntry : static_cast<int8_t>(s.optionsCursor + 1);
}

// The question only listens to Left, Right, decide and Cancel.
void VerticalKeys() {
    const bool up = UpHeld(), down = DownHeld();
    if (wipeState == 0 && s.leaving == 0) {
        if (up && RepeatStep(s.optionsVerticalHold)) {
            Up();
            MovedCursor();
        }
        if (down && RepeatStep(s.optionsVerticalHold)) {
            Down();
            MovedCursor();
        }
    }
    SettleRepeat(s.optionsVerticalHold, up || down);
}

void HorizontalKeys() {
    const bool left = LeftHeld(), right = RightHeld();
    if (wipeState == 0) {
        if (left && RepeatStep(s.optionsHorizontalHold)) {
            Left();
            MovedCursor();
        }
        if (right && RepeatStep(s.optionsHorizontalHold)) {
            Right();
            MovedCursor();
        }
    }
    SettleRepeat(s.optionsHorizontalHold, left || right);
}

void Decide() {
    if (s.leaving == 1) {
        // The answer is taken; the menu must not take the same press.
        s.dirty = 0;
        confirmHeld = 1;
    } else if (s.optionsCursor < endEntry) {
        StepSetting(s.optionsCursor, 1);
    } else if (s.optionsCursor == endEntry) {
        s.optionsBoxGrowth = 0;
        s.leaving = 1;
    } else if (s.optionsCursor == recommendedEntry) {
        // The recommended settings are the ones a new player starts with.
        options = defaultOptions;
        s.dirty = 1;
    } else {
        // Back to what the screen showed on arrival: the file's values, or
        // the defaults when there was none. Those are what leaving saves.
        options = s.entered;
        s.dirty = 0;
    }
    s.optionsConfirmHeld = 1;
    RestartSound(seBuffer2, false);
}

void DecideKey() {
    const bool held = DecideHeld();
    if (held && s.optionsConfirmHeld == 0 && wipeState == 0) Decide();
    if (!held) s.optionsConfirmHeld = 0;
}

// Cancel leaves at once, also from the question, without saving.
void CancelKeys() {
    if (!(KeyHeld(menuKeys.back) || KeyHeld(menuKeys.escape)) || wipeState != 0) return;
    wipeState = 1;
    s.leaving = 1;
    confirmHeld = 1;
    s.saveAnswer = 1;
    s.dirty = 0;
    RestartSound(seBuffer2, false);
}

}  // namespace

void OptionsKeys() {
    VerticalKeys();
    HorizontalKeys();
    DecideKey();
    CancelKeys();
    LanguageKey();
}

bool LeaveOptionsIfDone() {
    if (s.leaving != 1 || s.dirty != 0) return false;
    if (s.saveAnswer == 0) {
        if (!WriteOptionsFile()) NoteFailedSave();
    } else {
        // Changes the player would not keep do not stay in force either.
        options = s.entered;
    }
    wipeState = 1;
    s.optionsCursor = 0;
    s.leaving = 0;
    s.saveAnswer = 0;
    return true;
}
