#pragma once
#include <cstdint>
#include <vector>

// The game's sounds, each written as a little score for the synthesiser.
struct SoundClip {
    int channels = 2;
    std::vector<int16_t> samples;  // interleaved
};

SoundClip ScoreLogoJingle();  // "Sound\Logo.wav"
SoundClip ScoreMenuTune();    // "Sound\Opening.wav", a seamless loop
SoundClip ScoreSelect();      // "Sound\Select.wav"
SoundClip ScoreOk();          // "Sound\Ok.wav"
SoundClip ScoreFarewell();    // "Sound\GameEnd.wav"
