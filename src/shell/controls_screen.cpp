#include "shell/controls_screen.h"

#include <cstdio>

#include "platform/key_places.h"
#include "platform/keys.h"
#include "platform/pad_input.h"
#include "shell/controls_file.h"
#include "shell/key_caps.h"
#include "shell/menu_input.h"

ControlsScreenState controlsScreen;

const char* const bindingActionNames[bindingActionCount] = {
    "上へ", "右へ", "下へ", "左へ", "入れかえ", "ライン", "新しい段", "EXデリート", "EXマックス", "キャンセル", "ポーズ",
};

namespace {

ControlsScreenState& s = controlsScreen;

constexpr const char* browseLine = "Enter でえらんで、新しいキーかボタンを押します";

void Say(const char* text) { std::snprintf(s.message, sizeof s.message, "%s", text); }

int Player() { return s.column / 2; }
int Action() { return s.row; }

void Moved() {
    if (s.waiting == 0) Say(browseLine);
}

void StartWaiting() {
    // The key that chose the cell is down now: it must go up before it can
    // be taken (and a tap not yet seen is dropped).
    HoldBackHeldKeys();
    s.waiting = static_cast<int8_t>(s.column % 2 == 0 ? 1 : 2);
    for (int seat = 0; seat < padSeatCount; ++seat)
        for (int b = 0; b < padButtonCount; ++b) s.buttonsAtStart[seat][b] = PadButtonDown(seat, static_cast<PadButton>(b));
    Say(s.waiting == 1 ? "新しいキーを押してください（Esc でやめます）" : "新しいボタンを押してください（Esc でやめます）");
}

void Changed() {
    s.changed = 1;
    FollowBoundKeys();
}

void TakeKey(int vk) {
    const int p = Player();
    const int a = Action();
    if (ReservedKey(vk)) {
        std::snprintf(s.message, sizeof s.message, "%s はつかえません", KeyCapLabel(vk));
        return;
    }
    const BindingHolder holder = KeyHolder(vk, p, a);
    if (holder.player >= 0) {
        std::snprintf(s.message, sizeof s.message, "%s は %dP の「%s」がつかっています", KeyCapLabel(vk),
                      holder.player + 1, bindingActionNames[holder.action]);
        s.waiting = 0;
        return;
    }
    BoundKey(p, a) = vk;
    s.waiting = 0;
    Changed();
    std::snprintf(s.message, sizeof s.message, "%dP の「%s」は %s になりました", p + 1, bindingActionNames[a],
                  KeyCapLabel(vk));
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
        std::snprintf(s.message, sizeof s.message, "%s ボタンはつかえません", PadButtonLabel(button));
        return;
    }
    // Every button a pad has is bound already: the two actions trade.
    const int holder = ButtonHolder(p, button, a);
    if (holder >= 0) playerButtons[p][holder] = playerButtons[p][a];
    playerButtons[p][a] = button;
    s.waiting = 0;
    Changed();
    if (holder >= 0) {
        std::snprintf(s.message, sizeof s.message, "%dP の「%s」は %s ボタン（「%s」と入れかえ）", p + 1,
                      bindingActionNames[a], PadButtonLabel(button), bindingActionNames[holder]);
    } else {
        std::snprintf(s.message, sizeof s.message, "%dP の「%s」は %s ボタンになりました", p + 1, bindingActionNames[a],
                      PadButtonLabel(button));
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
        Say(browseLine);
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
        Say(browseLine);
    } else if (button >= 0) {
        TakeButton(static_cast<PadButton>(button));
    }
    HoldBackHeldKeys();
}

void ChooseSet() {
    switch (s.column) {
        case 0:
            ResetBindings();
            Say("1P と 2P を初期設定にもどしました");
            break;
        case 1:
            TakeKeySet(KeySet::arrows);
            Say("1P は矢印キーと Z/X になりました");
            break;
        default:
            TakeKeySet(KeySet::wasd);
            Say("1P は W/A/S/D と J/K になりました");
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
    constexpr const char* labels[padButtonCount] = {"十字↑", "十字↓", "十字←", "十字→", "スティック↑", "スティック↓",
                                                    "スティック←", "スティック→", "A", "B", "X", "Y", "LB", "RB",
                                                    "START", "BACK", "ガイド"};
    const int index = static_cast<int>(button);
    return index < padButtonCount ? labels[index] : "?";
}

void BeginControlsScreen() {
    s = ControlsScreenState{};
    Say(browseLine);
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
