#include "platform/virtual/virtual_backend.h"

#include <cstring>

#include "platform/backend.h"
#include "platform/key_places.h"
#include "platform/keys.h"
#include "platform/pad_input.h"
#include "platform/typed_text.h"

namespace virtualBackend {

State state;

void UseKeyboardLayout(KeyboardLayout layout) {
    ResetKeyLabels();
    if (layout != KeyboardLayout::german) return;
    struct Label {
        int vk;
        const char* label;
    };
    constexpr Label german[] = {{'Y', "Z"},   {'Z', "Y"},   {0xBA, "Ö"}, {0xDE, "Ä"}, {0xDB, "Ü"}, {0xBD, "ß"},
                                {0xBF, "-"}, {0xDD, "+"}, {0xDC, "#"}, {0xC0, "^"}, {0xBB, "´"}, {0xE2, "<"}};
    for (const Label& key : german) SetKeyLabel(key.vk, key.label);
}

void Reset() {
    state = State{};
    ResetKeyLabels();
    ResetPads();
    ResetKeys();
}

void ApplyKeyScript() {
    while (state.nextKeyChange < state.keyScript.size() &&
           state.keyScript[state.nextKeyChange].frame <= state.framesPresented) {
        const KeyChange& change = state.keyScript[state.nextKeyChange];
        keyboardDown[change.vk & 0xFF] = change.down;
        RefreshKey(change.vk);
        ++state.nextKeyChange;
    }
    // Pads go through the same seats and keys as the real backend's.
    while (state.nextPadChange < state.padScript.size() &&
           state.padScript[state.nextPadChange].frame <= state.framesPresented) {
        const PadChange& change = state.padScript[state.nextPadChange];
        SetPadButton(change.seat, change.button, change.down);
        ++state.nextPadChange;
    }
}

namespace {
// Refresh k happens at floor(k * 1000 / 60) ms.
uint32_t RefreshTime(uint64_t k) { return static_cast<uint32_t>(k * 1000 / 60); }

void Record(SoundCall call, int slot, const SoundPcm* pcm, bool loop) {
    SoundEvent e;
    e.call = call;
    e.slot = slot;
    if (pcm != nullptr && pcm->name != nullptr) e.file = pcm->name;
    e.loop = loop;
    e.time = state.nowMs;
    e.frame = state.framesPresented;
    state.soundLog.push_back(e);
}
}  // namespace

}  // namespace virtualBackend

namespace backend {

using virtualBackend::state;

bool Start(const char*& failure, bool) {
    if (state.failStart) {
        failure = "cannot open a window: no display";
        return false;
    }
    return true;
}

void Shutdown() {}

int64_t CalendarSeconds() { return state.calendarSeconds; }

void PresentFrame(const uint8_t* pixels, const Rgb (&palette)[256], uint32_t) {
    if (state.recordFrames) {
        std::memcpy(state.lastFrame.data(), pixels, 640 * 480);
        for (int i = 0; i < 256; ++i) state.lastPalette[i] = palette[i];
    }
    ++state.framesPresented;
    // Wait for the next refresh after now.
    while (virtualBackend::RefreshTime(state.refreshIndex) <= state.nowMs) ++state.refreshIndex;
    state.nowMs = virtualBackend::RefreshTime(state.refreshIndex);
    if (state.afterPresent != nullptr) state.afterPresent();
}

uint32_t Milliseconds() { return state.nowMs; }

void IdlePass() { state.nowMs += 1; }

bool PumpEvents() {
    virtualBackend::ApplyKeyScript();
    FollowTypingWish();
    // Text between the Backspaces goes in whole, as the system hands it over.
    size_t from = 0;
    for (size_t at = 0; at <= state.typedScript.size(); ++at) {
        if (at < state.typedScript.size() && state.typedScript[at] != '\b') continue;
        AddTypedText(state.typedScript.substr(from, at - from).c_str());
        if (at < state.typedScript.size()) AddTypedBackspace();
        from = at + 1;
    }
    state.typedScript.clear();
    if (state.windowCloseRequested) {
        state.windowCloseRequested = false;
        return true;
    }
    return false;
}

void PlayVoice(int slot, SoundPcm& pcm, bool loop) {
    virtualBackend::Record(virtualBackend::SoundCall::play, slot, &pcm, loop);
    if (slot >= 0 && slot < 5) state.voicePlaying[slot] = 1;
}

void StopVoice(int slot) {
    virtualBackend::Record(virtualBackend::SoundCall::stop, slot, nullptr, false);
    if (slot >= 0 && slot < 5) state.voicePlaying[slot] = 0;
}

void SlotChanged(int slot, const SoundPcm* pcm) {
    virtualBackend::Record(pcm != nullptr ? virtualBackend::SoundCall::load : virtualBackend::SoundCall::empty, slot, pcm,
                           false);
    if (slot >= 0 && slot < 5) state.voicePlaying[slot] = 0;
}

void PrepareVoice(SoundPcm&) {}

void ForgetSound(SoundPcm&) {}

}  // namespace backend
