#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/virtual/virtual_backend.h"

// Drives the real scenes through the virtual backend.
namespace harness {

// Every process-wide record back to its start value, the virtual clock at 0,
// and a fresh working directory holding the generated Back\ and Sound\ and an
// empty Data\ folder.
void StartFresh();

// StartFresh, then the game's own start-up: the three start-up sounds, the
// shared text objects and BootScene as the current scene.
void Boot();

// The working directory of this run (for writing Data files).
const std::string& WorkDir();

// One main-loop pass. False when the game has ended.
bool Pass();
// Passes until n more frames have been presented (or the game ends).
void RunFrames(int n);
// Passes until the predicate holds; false if it did not within maxPasses.
bool RunUntil(const std::function<bool()>& done, int maxPasses = 200000);
// Passes until virtual time has advanced by at least ms.
void RunMs(uint32_t ms);

// Keys: changes take effect at the next pass (or inside the next Present).
void Hold(int vk);
void Release(int vk);
// Holds the key for the given number of presented frames, then releases it.
void Tap(int vk, int frames = 1);
// The same for a button of the pad in the seat (0 the first pad, 1 the second).
void TapPad(int seat, PadButton button, int frames = 1);

// Types text (UTF-8, '\b' for Backspace) as the keyboard's characters at the next pass.
void Type(const std::string& text);

uint32_t Now();
uint32_t Frames();

// The last presented frame.
uint8_t PixelAt(int x, int y);
// Count of pixels with this index inside (l,t)-(r,b) of the last frame.
int CountIndex(uint8_t index, int left, int top, int right, int bottom);
// Distinct indices in a rectangle of the last frame.
int DistinctIndices(int left, int top, int right, int bottom);
// True when the two rectangles of the last frame hold the same pixels.
bool SameRegion(int ax, int ay, int bx, int by, int w, int h);
// Saves the last frame as a PNG (to look at).
bool SaveFramePng(const std::string& path);

// Sound calls recorded so far, and helpers over them.
const std::vector<virtualBackend::SoundEvent>& SoundLog();
void ClearSoundLog();
// File name (last path component) of the sound in an event.
std::string SoundName(const virtualBackend::SoundEvent& e);
// True when a play of this file name on this slot was recorded.
bool Played(const std::string& fileName, int slot, bool loop);

}  // namespace harness
