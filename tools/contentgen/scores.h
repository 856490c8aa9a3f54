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

// The match and its results.
SoundClip ScoreMatchTune();    // "Sound\Game.wav", a seamless loop
SoundClip ScoreCountdown();    // "Sound\Count.wav"
SoundClip ScoreGameStart();    // "Sound\GameStart.wav"
SoundClip ScoreChainCheer();   // "Sound\Motto.wav"
SoundClip ScoreDanger();       // "Sound\Danger.wav"
SoundClip ScorePause();        // "Sound\Pause.wav"
SoundClip ScoreGameOver();     // "Sound\GameOver.wav"
SoundClip ScorePuzzleClear();  // "Sound\Clear.wav"
SoundClip ScoreLevelUp();      // "Sound\Levelup.wav"
SoundClip ScoreGaugeFull();    // "Sound\Item.wav"
SoundClip ScoreDelete();       // "Sound\Delete.wav"
SoundClip ScoreMaxdelete();    // "Sound\Maxdelete.wav"
SoundClip ScoreHiscore();      // "Sound\Hiscore.wav"
SoundClip ScoreOmedetou();     // "Sound\Omedetou.wav"
