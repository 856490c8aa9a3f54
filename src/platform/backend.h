#pragma once
#include <cstdint>
#include "platform/palette.h"
#include "platform/sound.h"

// What a backend provides: the one interface both backends implement, in
// platform/sdl/sdl_*.cpp and in platform/virtual/virtual_backend.cpp; a
// program links exactly one of them. The real one drives an SDL2 window and
// mixer, the virtual one a deterministic clock, scripted keys and recorded
// output.
namespace backend {

// Opens the window (covering the screen when fullScreen) and the audio
// device. On failure returns false and points failure at one line saying
// what could not be created.
bool Start(const char*& failure, bool fullScreen = false);
// Closes everything Start opened.
void Shutdown();

// Seconds since the epoch, for seeding the random generator.
int64_t CalendarSeconds();

// Shows a 640x480 frame of palette indices through the palette, then waits
// for the next refresh.
void PresentFrame(const uint8_t* pixels, const Rgb (&palette)[256], uint32_t version);

// Milliseconds since an arbitrary start; wraps at 2^32.
uint32_t Milliseconds();

// A main-loop pass presented nothing: give the processor back briefly.
void IdlePass();

// Handles pending window events and refreshes keyDown. Returns true once
// when the window has been closed.
bool PumpEvents();

// Sound voices: one per slot.
void PlayVoice(int slot, SoundPcm& pcm, bool loop);
void StopVoice(int slot);
// The slot now holds another sound (or none): its voice is released.
void SlotChanged(int slot, const SoundPcm* pcm);
// A sound was just decoded: make whatever the voice needs to play it.
void PrepareVoice(SoundPcm& pcm);
// The sound's decoded data is about to be freed.
void ForgetSound(SoundPcm& pcm);

}  // namespace backend
