#include "harness/probes.h"
#include "platform/sound.h"

#include <unistd.h>

#include "harness/harness.h"
#include "platform/sound_cache.h"
#include "platform/wave_builder.h"

namespace {

using virtualBackend::SoundCall;
using virtualBackend::SoundEvent;

class SoundTest : public TempWorkDir {
protected:
    void SetUp() override {
        TempWorkDir::SetUp();
        Forget();
    }
    void TearDown() override {
        Forget();
        TempWorkDir::TearDown();
    }
    static void Forget() {
        ReleaseSoundSlots();
        ClearSoundCache();
        harness::ClearSoundLog();
    }
};

// A short 16-bit stereo 44100 Hz sound whose first sample is marker.
std::vector<uint8_t> ShortSound(int16_t marker, int frames = 4) {
    std::vector<uint8_t> data;
    for (int i = 0; i < frames * 2; ++i) PutLe16(data, static_cast<uint16_t>(marker + i));
    return PcmWave(2, 44100, 16, data);
}

struct Expected {
    SoundCall call;
    int slot;
    std::string file;
    bool loop = false;
};

void ExpectLog(const std::vector<Expected>& expected) {
    const std::vector<SoundEvent>& log = harness::SoundLog();
    ASSERT_EQ(log.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(log[i].call, expected[i].call) << "event " << i;
        EXPECT_EQ(log[i].slot, expected[i].slot) << "event " << i;
        EXPECT_EQ(log[i].file, expected[i].file) << "event " << i;
        EXPECT_EQ(log[i].loop, expected[i].loop) << "event " << i;
    }
}

TEST_F(SoundTest, LoadingConvertsTheFileAndReportsTheSlot) {
    PutFile("Sound/Select.wav", PcmWave(1, 22050, 8, {128, 192, 64}));
    LoadSoundBuffer(seBuffer1, "Sound\\Select.wav");
    ASSERT_NE(seBuffer1.sound, nullptr);
    const SoundPcm& pcm = *seBuffer1.sound;
    ASSERT_EQ(pcm.frames, 6u);
    const std::vector<int16_t> samples(pcm.samples, pcm.samples + 12);
    EXPECT_EQ(samples, (std::vector<int16_t>{0, 0, 8192, 8192, 16384, 16384, 0, 0, -16384, -16384, -16384, -16384}));
    ExpectLog({{SoundCall::load, 1, "Sound/Select.wav"}});
}

TEST_F(SoundTest, BothSpellingsShareOneCachedSound) {
    PutFile("Sound/Logo.wav", ShortSound(100));
    LoadSoundBuffer(bgmBuffer, "Sound\\Logo.WAV");
    const SoundPcm* first = bgmBuffer.sound;
    ASSERT_NE(first, nullptr);
    LoadSoundBuffer(bgmBuffer, "Sound\\Logo.wav");
    EXPECT_EQ(bgmBuffer.sound, first);
    EXPECT_EQ(CachedSoundCount(), 1);
    // Kept for the run: gone from disk, still there for both spellings.
    ASSERT_EQ(unlink("Sound/Logo.wav"), 0);
    LoadSoundBuffer(seBuffer1, "Sound\\Logo.WAV");
    LoadSoundBuffer(seBuffer2, "Sound\\Logo.wav");
    EXPECT_EQ(seBuffer1.sound, first);
    EXPECT_EQ(seBuffer2.sound, first);
    EXPECT_EQ(first->samples[0], 100);
}

TEST_F(SoundTest, ReloadingStopsTheVoiceAndReportsTheChangeAgain) {
    PutFile("Sound/Count.wav", ShortSound(1));
    LoadSoundBuffer(seBuffer1, "Sound\\Count.wav");
    RestartSound(seBuffer1, false);
    LoadSoundBuffer(seBuffer1, "Sound\\Count.wav");
    ExpectLog({{SoundCall::load, 1, "Sound/Count.wav"},
               {SoundCall::play, 1, "Sound/Count.wav"},
               {SoundCall::stop, 1, ""},
               {SoundCall::load, 1, "Sound/Count.wav"}});
}

TEST_F(SoundTest, UnusableFilesLeaveTheSlotEmpty) {
    PutFile("Sound/Ok.wav", ShortSound(1));
    PutFile("Sound/Adpcm.wav", RiffWave({Chunk("fmt ", FmtBody(2, 1, 22050, 4)), Chunk("data", {1, 2, 3, 4})}));
    PutFile("Sound/Silent.wav", PcmWave(1, 22050, 16, {}));
    PutFile("Sound/Broken.wav", {'R', 'I', 'F', 'F', 0, 0});
    for (const char* path : {"Sound\\Missing.wav", "Sound\\Adpcm.wav", "Sound\\Silent.wav", "Sound\\Broken.wav",
                             "..\\Sound\\Ok.wav"}) {
        LoadSoundBuffer(seBuffer2, "Sound\\Ok.wav");
        harness::ClearSoundLog();
        LoadSoundBuffer(seBuffer2, path);
        EXPECT_EQ(seBuffer2.sound, nullptr) << path;
        ExpectLog({{SoundCall::stop, 2, ""}, {SoundCall::empty, 2, ""}});
    }
}

TEST_F(SoundTest, EmptySlotsNeitherPlayNorStop) {
    RestartSound(effectSound, true);
    StopSound(effectSound);
    EXPECT_TRUE(harness::SoundLog().empty());
}

TEST_F(SoundTest, RestartAndStopReachTheSlotsVoice) {
    PutFile("Sound/Opening.wav", ShortSound(1));
    LoadSoundBuffer(bgmBuffer, "Sound\\Opening.wav");
    harness::ClearSoundLog();
    RestartSound(bgmBuffer, true);
    RestartSound(bgmBuffer, false);
    StopSound(bgmBuffer);
    ExpectLog({{SoundCall::play, 0, "Sound/Opening.wav", true},
               {SoundCall::play, 0, "Sound/Opening.wav", false},
               {SoundCall::stop, 0, ""}});
    EXPECT_NE(bgmBuffer.sound, nullptr);
}

// Steps run again or without a window load and stop as ever, but start nothing.
TEST_F(SoundTest, MutedSlotsLoadAndStopButStartNothing) {
    PutFile("Sound/Opening.wav", ShortSound(1));
    soundsMuted = true;
    LoadSoundBuffer(bgmBuffer, "Sound\\Opening.wav");
    RestartSound(bgmBuffer, true);
    StopSound(bgmBuffer);
    soundsMuted = false;
    ExpectLog({{SoundCall::load, 0, "Sound/Opening.wav"}, {SoundCall::stop, 0, ""}});
    EXPECT_NE(bgmBuffer.sound, nullptr);
}

TEST_F(SoundTest, EmptyingASlotStopsAndReleasesIt) {
    PutFile("Sound/Item.wav", ShortSound(1));
    LoadSoundBuffer(effectSound, "Sound\\Item.wav");
    harness::ClearSoundLog();
    EmptySoundSlot(effectSound);
    EXPECT_EQ(effectSound.sound, nullptr);
    ExpectLog({{SoundCall::stop, 4, ""}, {SoundCall::empty, 4, ""}});
    RestartSound(effectSound, false);
    EXPECT_EQ(harness::SoundLog().size(), 2u);
}

TEST_F(SoundTest, InitSoundLoadsTheThreeStartUpSounds) {
    PutFile("Sound/Logo.wav", ShortSound(1));
    PutFile("Sound/Select.wav", ShortSound(2));
    PutFile("Sound/Ok.wav", ShortSound(3));
    InitSound();
    ExpectLog({{SoundCall::load, 0, "Sound/Logo.wav"},
               {SoundCall::load, 1, "Sound/Select.wav"},
               {SoundCall::load, 2, "Sound/Ok.wav"}});
    EXPECT_EQ(bgmBuffer.sound->samples[0], 1);
    EXPECT_EQ(seBuffer1.sound->samples[0], 2);
    EXPECT_EQ(seBuffer2.sound->samples[0], 3);
}

TEST_F(SoundTest, ReleaseEmptiesEverySlot) {
    PutFile("Sound/Levelup.wav", ShortSound(1));
    LoadSoundBuffer(levelUpSound, "Sound\\Levelup.wav");
    harness::ClearSoundLog();
    ReleaseSoundSlots();
    EXPECT_EQ(levelUpSound.sound, nullptr);
    ExpectLog({{SoundCall::empty, 0, ""},
               {SoundCall::empty, 1, ""},
               {SoundCall::empty, 2, ""},
               {SoundCall::stop, 3, ""},
               {SoundCall::empty, 3, ""},
               {SoundCall::empty, 4, ""}});
}

TEST_F(SoundTest, ClearingTheCacheLeavesNoSlotPointingIntoIt) {
    PutFile("Sound/Game.wav", ShortSound(1));
    LoadSoundBuffer(bgmBuffer, "Sound\\Game.wav");
    ClearSoundCache();
    EXPECT_EQ(bgmBuffer.sound, nullptr);
    EXPECT_EQ(CachedSoundCount(), 0);
}

TEST_F(SoundTest, AFullCacheMakesRoomWithoutTouchingSoundsInSlots) {
    PutFile("Sound/Game.wav", ShortSound(42));
    LoadSoundBuffer(bgmBuffer, "Sound\\Game.wav");
    const SoundPcm* music = bgmBuffer.sound;
    for (int i = 0; i < 100; ++i) {
        const std::string name = "Sound/Effect" + std::to_string(i) + ".wav";
        PutFile(name, ShortSound(static_cast<int16_t>(i)));
        const std::string gamePath = "Sound\\Effect" + std::to_string(i) + ".wav";
        LoadSoundBuffer(effectSound, gamePath.c_str());
        ASSERT_NE(effectSound.sound, nullptr) << i;
        EXPECT_EQ(effectSound.sound->samples[0], i);
    }
    EXPECT_LE(CachedSoundCount(), 64);
    EXPECT_EQ(bgmBuffer.sound, music);
    EXPECT_EQ(music->samples[0], 42);
    EXPECT_STREQ(music->name, "Sound/Game.wav");
}

}  // namespace
