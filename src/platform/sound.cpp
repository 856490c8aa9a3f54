#include "platform/sound.h"

#include "platform/backend.h"
#include "platform/sound_cache.h"

SoundSlot bgmBuffer{0, nullptr};
SoundSlot seBuffer1{1, nullptr};
SoundSlot seBuffer2{2, nullptr};
SoundSlot levelUpSound{3, nullptr};
SoundSlot effectSound{4, nullptr};

void LoadSoundBuffer(SoundSlot& slot, const char* gamePath) {
    StopSound(slot);
    // The slot keeps its old sound during the lookup so the cache cannot
    // free it before the backend has been told it is released.
    SoundPcm* sound = FindOrLoadSound(gamePath);
    slot.sound = sound;
    // Reported even for the same sound: the slot's old buffer is gone.
    backend::SlotChanged(slot.index, sound);
}

bool soundsMuted = false;

void RestartSound(SoundSlot& slot, bool loop) {
    if (soundsMuted || slot.sound == nullptr) return;
    // The cache owns the sound as a mutable record; slots only show it const.
    backend::PlayVoice(slot.index, const_cast<SoundPcm&>(*slot.sound), loop);
}

void StopSound(SoundSlot& slot) {
    if (slot.sound == nullptr) return;
    backend::StopVoice(slot.index);
}

void EmptySoundSlot(SoundSlot& slot) {
    StopSound(slot);
    slot.sound = nullptr;
    backend::SlotChanged(slot.index, nullptr);
}

void InitSound() {
    LoadSoundBuffer(bgmBuffer, "Sound\\Logo.WAV");
    LoadSoundBuffer(seBuffer1, "Sound\\Select.wav");
    LoadSoundBuffer(seBuffer2, "Sound\\Ok.wav");
}

void ReleaseSoundSlots() {
    EmptySoundSlot(bgmBuffer);
    EmptySoundSlot(seBuffer1);
    EmptySoundSlot(seBuffer2);
    EmptySoundSlot(levelUpSound);
    EmptySoundSlot(effectSound);
}
