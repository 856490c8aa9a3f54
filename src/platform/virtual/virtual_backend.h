#pragma once

// platform/virtual: the backend the tests, the screenshot tool and the
// benchmarks link instead of platform/sdl, implementing platform/backend.h
// without a window or a sound device. It stands on the platform layer only.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/pad_keys.h"
#include "platform/palette.h"

// The deterministic backend: a clock that moves only when the game presents
// (to the next 1/60 s refresh) or idles (1 ms), keys played from a script
// keyed by presented frame (taken in when the game handles its events, as
// the real backend's are: a loop that does not, does not see them), the
// last frame kept as palette indices, and every sound call recorded.
namespace virtualBackend {

enum class SoundCall { load, empty, play, stop };

struct SoundEvent {
    SoundCall call = SoundCall::load;
    int slot = 0;
    std::string file;   // resolved path of the sound, empty for none
    bool loop = false;
    uint32_t time = 0;  // virtual milliseconds
    uint32_t frame = 0; // presented frames so far
};

struct KeyChange {
    uint32_t frame = 0;  // applied when this many frames have been presented
    int vk = 0;
    bool down = false;
};

// A pad's button in a seat, as the real backend reports one.
struct PadChange {
    uint32_t frame = 0;  // applied when this many frames have been presented
    int seat = 0;
    PadButton button = PadButton::a;
    bool down = false;
};

struct State {
    uint32_t nowMs = 0;
    uint64_t refreshIndex = 0;     // refreshes passed since start
    uint32_t framesPresented = 0;
    std::vector<uint8_t> lastFrame = std::vector<uint8_t>(640 * 480, 0);
    Rgb lastPalette[256];
    std::vector<SoundEvent> soundLog;
    std::vector<KeyChange> keyScript;  // applied in order
    size_t nextKeyChange = 0;
    std::vector<PadChange> padScript;  // applied in order
    size_t nextPadChange = 0;
    bool windowCloseRequested = false;
    // Typed at the next pass as the keyboard's text (UTF-8); '\b' is Backspace.
    std::string typedScript;
    bool failStart = false;
    int64_t calendarSeconds = 1'800'000'000;
    bool recordFrames = true;      // benchmarks switch the frame copy off
    int voicePlaying[5] = {};      // 1 while a slot's voice sounds (looping or once)
    // Called after every presented frame (when set), so a test can look at
    // the frames of a modal loop that runs inside one scene call.
    void (*afterPresent)() = nullptr;
};

extern State state;

// Back to the start: clock 0, no keys, empty logs.
void Reset();

// Applies the key and pad changes due at the current frame count.
void ApplyKeyScript();

// The keyboard layout the key labels come from: US (the start), or German,
// where the keys at the places of Y and Z say "Z" and "Y" and the signs
// right of L say "Ö" and "Ä".
enum class KeyboardLayout { us, german };
void UseKeyboardLayout(KeyboardLayout layout);

}  // namespace virtualBackend
