#pragma once
#include <cstdint>

// Decoded sound in the output format: 44100 Hz, 16-bit, stereo interleaved.
// Kept in a cache by file for the whole run, so loading the same file again
// (as matches do in the middle of play) reads nothing from disk.
struct SoundPcm {
    const char* name = nullptr;   // resolved path, for logs and tests
    int16_t* samples = nullptr;   // frames * 2 values
    uint32_t frames = 0;
    void* voice = nullptr;        // backend's own handle, made on first play
};

constexpr int outputRate = 44100;
constexpr int soundSlotCount = 5;

// One slot: empty or holding one sound. One voice per slot.
struct SoundSlot {
    int8_t index = 0;
    const SoundPcm* sound = nullptr;
};

extern SoundSlot bgmBuffer;
extern SoundSlot seBuffer1;
extern SoundSlot seBuffer2;
extern SoundSlot levelUpSound;
extern SoundSlot effectSound;

// Loads "Sound\\...": the slot stops and releases what it held; a file that
// cannot be read leaves the slot empty.
void LoadSoundBuffer(SoundSlot& slot, const char* gamePath);
// While set, RestartSound starts nothing (loading and stopping still
// happen): steps run again, or without a window, stay silent. Off by default.
extern bool soundsMuted;

// Rewinds the slot's voice and starts it, once or looping. Empty or muted: nothing.
void RestartSound(SoundSlot& slot, bool loop);
void StopSound(SoundSlot& slot);
void EmptySoundSlot(SoundSlot& slot);

// Reads "Sound\\Logo.WAV", "Sound\\Select.wav" and "Sound\\Ok.wav" into their
// slots, as the game does at start-up.
void InitSound();
// Stops and empties every slot (shutdown).
void ReleaseSoundSlots();

