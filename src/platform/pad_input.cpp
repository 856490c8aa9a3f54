#include "platform/pad_input.h"

#include "platform/keys.h"

namespace {

struct ButtonState {
    bool down = false;
    int16_t key = -1;
    int16_t arrow = -1;  // the arrow a direction also holds while one player plays
};

ButtonState buttons[padSeatCount][padButtonCount];
int players = 1;

// Stick thresholds: a direction holds past half way and lets go under a
// third, so a thumb resting near the edge does not flicker.
constexpr int stickPress = 16384;
constexpr int stickLetGo = 10923;

bool ValidSeat(int seat) { return seat >= 0 && seat < padSeatCount; }

int PlayerOfSeat(int seat) { return players == 2 ? seat : 0; }

void Hold(int16_t& slot, int key) {
    slot = static_cast<int16_t>(key);
    if (key < 0) return;
    ++padHolds[key & 0xFF];
    RefreshKey(key);
}

void LetGo(int16_t& slot) {
    const int key = slot;
    slot = -1;
    if (key < 0) return;
    if (padHolds[key & 0xFF] > 0) --padHolds[key & 0xFF];
    RefreshKey(key);
}

void HoldKeys(ButtonState& state, int seat, PadButton button) {
    Hold(state.key, PadKey(PlayerOfSeat(seat), button));
    Hold(state.arrow, players == 1 ? PadArrowKey(button) : -1);
}

void LetGoKeys(ButtonState& state) {
    LetGo(state.key);
    LetGo(state.arrow);
}

void Release(ButtonState& state) {
    LetGoKeys(state);
    state = ButtonState{};
}

}  // namespace

void SetPadButton(int seat, PadButton button, bool down) {
    const int index = static_cast<int>(button);
    if (!ValidSeat(seat) || index >= padButtonCount) return;
    ButtonState& state = buttons[seat][index];
    if (down == state.down) return;
    if (!down) {
        Release(state);
        return;
    }
    state.down = true;
    HoldKeys(state, seat, button);
}

void SetPadStick(int seat, int axis, int value) {
    if (axis != 0 && axis != 1) return;
    const PadButton less = axis == 0 ? PadButton::stickLeft : PadButton::stickUp;
    const PadButton more = axis == 0 ? PadButton::stickRight : PadButton::stickDown;
    const auto follow = [&](PadButton button, int reach) {
        if (!ValidSeat(seat)) return;
        const bool held = buttons[seat][static_cast<int>(button)].down;
        if (!held && reach >= stickPress) SetPadButton(seat, button, true);
        if (held && reach < stickLetGo) SetPadButton(seat, button, false);
    };
    follow(less, -value);
    follow(more, value);
}

void ReleasePadSeat(int seat) {
    if (!ValidSeat(seat)) return;
    for (ButtonState& state : buttons[seat]) Release(state);
}

void ReleaseAllPads() {
    for (int seat = 0; seat < padSeatCount; ++seat) ReleasePadSeat(seat);
}

void SetPadPlayers(int count) {
    const int next = count == 2 ? 2 : 1;
    if (next == players) return;
    players = next;
    for (int seat = 0; seat < padSeatCount; ++seat) {
        for (int index = 0; index < padButtonCount; ++index) {
            ButtonState& state = buttons[seat][index];
            if (!state.down) continue;
            LetGoKeys(state);
            HoldKeys(state, seat, static_cast<PadButton>(index));
        }
    }
}

int PadPlayers() { return players; }

bool PadButtonDown(int seat, PadButton button) {
    const int index = static_cast<int>(button);
    return ValidSeat(seat) && index < padButtonCount && buttons[seat][index].down;
}

void ResetPads() {
    ReleaseAllPads();
    players = 1;
}
