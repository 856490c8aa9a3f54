#include <SDL_mixer.h>

#include <cstdio>

#include "platform/backend.h"
#include "platform/sdl/sdl_backend.h"

// One mixer channel per sound slot, so starting a slot restarts its one
// voice. Without an audio device every call here does nothing.
namespace backend {

namespace {

bool mixerOpen = false;

bool ValidSlot(int slot) { return mixerOpen && slot >= 0 && slot < soundSlotCount; }

// The sound's samples are already in the device format; the chunk only
// points at them.
Mix_Chunk* VoiceOf(SoundPcm& pcm) {
    if (pcm.voice == nullptr && pcm.samples != nullptr && pcm.frames > 0 && pcm.frames <= UINT32_MAX / 4) {
        pcm.voice = Mix_QuickLoad_RAW(reinterpret_cast<Uint8*>(pcm.samples), pcm.frames * 4);
    }
    return static_cast<Mix_Chunk*>(pcm.voice);
}

// ALSA's own messages for a missing card come in eight lines of its
// configuration's insides; the one line below says what the player needs.
void SilentAlsa(const char*, int, const char*, int, const char*, ...) {}

void QuietAlsa() {
    // SDL loads the library the same way: this finds the copy it will use.
    void* alsa = SDL_LoadObject("libasound.so.2");
    if (alsa == nullptr) return;
    using SetHandler = int (*)(void (*)(const char*, int, const char*, int, const char*, ...));
    const auto setHandler = reinterpret_cast<SetHandler>(SDL_LoadFunction(alsa, "snd_lib_error_set_handler"));
    if (setHandler != nullptr) setHandler(SilentAlsa);
    // Kept loaded: the handler must outlive every call into the library.
}

void SaySilent(const char* why) {
    std::fprintf(stderr, "sumline: no sound device (%s); playing without sound\n", why);
}

}  // namespace

void OpenAudio() {
    if (mixerOpen) return;
    QuietAlsa();
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        SaySilent(SDL_GetError());
        return;
    }
    // No format changes allowed: SDL converts for the device, so the chunks
    // can point straight at our 44100 Hz stereo samples.
    if (Mix_OpenAudioDevice(outputRate, AUDIO_S16SYS, 2, 1024, nullptr, 0) != 0) {
        SaySilent(Mix_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    Mix_AllocateChannels(soundSlotCount);
    mixerOpen = true;
}

void CloseAudio() {
    if (!mixerOpen) return;
    Mix_HaltChannel(-1);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    mixerOpen = false;
}

void PlayVoice(int slot, SoundPcm& pcm, bool loop) {
    if (!ValidSlot(slot)) return;
    Mix_Chunk* chunk = VoiceOf(pcm);
    if (chunk != nullptr) Mix_PlayChannel(slot, chunk, loop ? -1 : 0);
}

void StopVoice(int slot) {
    if (ValidSlot(slot)) Mix_HaltChannel(slot);
}

void SlotChanged(int slot, const SoundPcm*) { StopVoice(slot); }

void PrepareVoice(SoundPcm& pcm) {
    if (mixerOpen) VoiceOf(pcm);
}

void ForgetSound(SoundPcm& pcm) {
    Mix_Chunk* chunk = static_cast<Mix_Chunk*>(pcm.voice);
    if (chunk == nullptr) return;
    pcm.voice = nullptr;
    if (!mixerOpen) {
        // The mixer is gone; the chunk is just the record QuickLoad made.
        SDL_free(chunk);
        return;
    }
    for (int slot = 0; slot < soundSlotCount; ++slot) {
        if (Mix_GetChunk(slot) == chunk) Mix_HaltChannel(slot);
    }
    Mix_FreeChunk(chunk);
}

}  // namespace backend
