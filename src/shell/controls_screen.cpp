#include "shell/controls_screen.h"

#include <cstdarg>
#include <cstdio>

#include "platform/key_places.h"
#include "platform/keys.h"
#include "platform/pad_input.h"
#include "shell/controls_file.h"
#include "shell/key_caps.h"
#include "shell/menu_input.h"

ControlsScreenState controlsScreen;

const ScreenWords bindingActionNames[bindingActionCount] = {
    TextName::ControlsActionUp,       TextName::ControlsActionRight,    TextName::ControlsActionDown,
    TextName::ControlsActionLeft,     TextName::ControlsActionSwap,     TextName::ControlsActionLine,
    TextName::ControlsActionRow,      TextName::ControlsActionExDelete, TextName::ControlsActionExMax,
    TextName::ControlsActionCancel,   TextName::ControlsActionPause,
};

namespace {

ControlsScreenState& s = controlsScreen;

void Say(TextName text) { std::snprintf(s.message, sizeof s.message, "%s", Tr(text)); }

// The line is written as it is said, in the language of the moment: the
// language only changes on the options screen, which this screen covers.
__attribute__((format(printf, 1, 2))) void SayFormatted(const char* format, ...) {
    va_list values;
    va_start(values, format);
    std::vsnprintf(s.message, sizeof s.message, format, values);
    va_end(values);
}

const char* ActionName(int action) { return bindingActionNames[action]; }

int Player() { return s.column / 2; }
int Action() { return s.row; }

void Moved() {
    if (s.waiting == 0) Say(TextName::ControlsBrowseLine);
}

void StartWaiting() {
    // The key that chose the cell is down now: it must go up before it can
    // be taken (and a tap not yet seen is dropped).
    HoldBackHeldKeys();
    s.waiting = static_cast<int8_t>(s.column % 2 == 0 ? 1 : 2);
    for (int seat = 0; seat < padSeatCount; ++seat)
        for (int b = 0; b < padButtonCount; ++b) s.buttonsAtStart[seat][b] = PadButtonDown(seat, static_cast<PadButton>(b));
    Say(s.waiting == 1 ? TextName::ControlsWaitKeyLine : TextName::ControlsWaitButtonLine);
}

void Changed() {
    s.changed = 1;
    FollowBoundKeys();
}

void TakeKey(int vk) {
    const int p = Player();
    const int a = Action();
    if (ReservedKey(vk)) {
        SayFormatted(Tr(TextName::ControlsKeyReserved), KeyCapLabel(vk));
        return;
    }
    const BindingHolder holder = KeyHolder(vk, p, a);
    if (holder.player >= 0) {
        SayFormatted(Tr(TextName::ControlsKeyTaken), KeyCapLabel(vk), holder.player + 1, ActionName(holder.action));
        s.waiting = 0;
        return;
    }
    BoundKey(p, a) = vk;
    s.waiting = 0;
    Changed();
    SayFormatted(Tr(TextName::ControlsKeyBound), p + 1, ActionName(a), KeyCapLabel(vk));
}

void TakeButton(PadButton button) {
    const int p = Player();
    const int a = Action();
    switch (button) {
        case PadButton::stickUp: button = PadButton::up; break;
        case PadButton::stickDown: button = PadButton::down; break;
        case PadButton::stickLeft: button = PadButton::left; break;
        case PadButton::stickRight: button = PadButton::right; break;
        default: break;
    }
    if (!BindableButton(button)) {
        SayFormatted(Tr(TextName::ControlsButtonRefused), PadButtonLabel(button));
        return;
    }
    // Every button a pad has is bound already: the two actions trade.
    const int holder = ButtonHolder(p, button, a);
    if (holder >= 0) playerButtons[p][holder] = playerButtons[p][a];
    playerButtons[p][a] = button;
    s.waiting = 0;
    Changed();
    if (holder >= 0) {
        SayFormatted(Tr(TextName::ControlsButtonTraded), p + 1, ActionName(a), PadButtonLabel(button),
                     ActionName(holder));
    } else {
        SayFormatted(Tr(TextName::ControlsButtonBound), p + 1, ActionName(a), PadButtonLabel(button));
    }
}

// The first key pressed on the keyboard (a pad's button holds keys too, but
// a button is not a key).
int PressedKey() {
    for (int vk = 1; vk < 256; ++vk)
        if (KeyHeld(vk) && padHolds[vk] == 0) return vk;
    return -1;
}

int PressedButton() {
    for (int seat = 0; seat < padSeatCount; ++seat) {
        for (int b = 0; b < padButtonCount; ++b) {
            const bool down = PadButtonDown(seat, static_cast<PadButton>(b));
            if (!down) s.buttonsAtStart[seat][b] = false;
            else if (!s.buttonsAtStart[seat][b]) return b;
        }
    }
    return -1;
}

void Wait() {
    if (KeyHeld(vkEscape) && padHolds[vkEscape] == 0) {
        s.waiting = 0;
        Say(TextName::ControlsBrowseLine);
        HoldBackHeldKeys();
        return;
    }
    if (s.waiting == 1) {
        const int vk = PressedKey();
        if (vk > 0) {
            TakeKey(vk);
            HoldBackHeldKeys();
        }
        return;
    }
    const int button = PressedButton();
    if (button == static_cast<int>(PadButton::back)) {
        s.waiting = 0;
        Say(TextName::ControlsBrowseLine);
    } else if (button >= 0) {
        TakeButton(static_cast<PadButton>(button));
    }
    HoldBackHeldKeys();
}

void ChooseSet() {
    switch (s.column) {
        case 0:
            ResetBindings();
            Say(TextName::ControlsSetDefaultTaken);
            break;
        case 1:
            TakeKeySet(KeySet::arrows);
            Say(TextName::ControlsSetArrowsTaken);
            break;
        default:
            TakeKeySet(KeySet::wasd);
            Say(TextName::ControlsSetWasdTaken);
            break;
    }
    Changed();
}

// The arrows steer, and a pad's d-pad through them; Enter chooses (player
// 1's swap key too, for a pad's A) and Escape leaves: the arrows, Enter and
// Escape always answer here, whatever the bindings.
void Browse() {
    const bool up = KeyHeld(vkUp), down = KeyHeld(vkDown);
    if (up && RepeatStep(s.verticalRepeat)) {
        s.row = static_cast<int8_t>((s.row + controlsRows - 1) % controlsRows);
        Moved();
    }
    if (down && RepeatStep(s.verticalRepeat)) {
        s.row = static_cast<int8_t>((s.row + 1) % controlsRows);
        Moved();
    }
    SettleRepeat(s.verticalRepeat, up || down);
    const bool left = KeyHeld(vkLeft), right = KeyHeld(vkRight);
    const int columns = s.row == controlsSetRow ? controlsSetCount : controlsColumns;
    if (left && RepeatStep(s.horizontalRepeat)) {
        s.column = static_cast<int8_t>((s.column + columns - 1) % columns);
        Moved();
    }
    if (right && RepeatStep(s.horizontalRepeat)) {
        s.column = static_cast<int8_t>((s.column + 1) % columns);
        Moved();
    }
    SettleRepeat(s.horizontalRepeat, left || right);
    if (s.row == controlsSetRow && s.column >= controlsSetCount) s.column = controlsSetCount - 1;
    if (DecideHeld()) {
        if (s.row == controlsSetRow) {
            ChooseSet();
            HoldBackHeldKeys();
        } else {
            StartWaiting();
        }
    }
}

}  // namespace

const char* PadButtonLabel(PadButton button) {
    const int index = static_cast<int>(button);
    return index < padButtonCount ? Tr(TextAfter(TextName::ControlsPadDpadUp, index)) : "?";
}

void BeginControlsScreen() {
    s = ControlsScreenState{};
    Say(TextName::ControlsBrowseLine);
}

bool ControlsScreenFrame() {
    if (s.waiting != 0) {
        Wait();
    } else if (KeyHeld(vkEscape)) {
        // A save that fails is said on standard error; the keys stay in
        // force for this run.
        if (s.changed != 0) WriteControlsFile();
        s.waiting = 0;
        return false;
    } else {
        Browse();
    }
    DrawControlsScreen();
    return true;
}
