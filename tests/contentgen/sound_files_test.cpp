#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "contentgen/content_file.h"

namespace {

using contentFile::SecondsOf;
using contentFile::Wave;

using contentFile::Load;
using contentFile::Peak;

TEST(SoundFiles, EveryFileIsSixteenBitPcmAt44100) {
    for (const char* path : {"Sound/Logo.wav", "Sound/Opening.wav", "Sound/Select.wav", "Sound/Ok.wav", "Sound/GameEnd.wav"}) {
        const std::vector<uint8_t> bytes = contentFile::Read(path);
        Wave w;
        ASSERT_TRUE(contentFile::DecodeWave(bytes, w)) << path;
        EXPECT_EQ(w.riffSize + 8, bytes.size()) << path;
        EXPECT_EQ(w.formatSize, 16u) << path;
        EXPECT_EQ(w.formatTag, 1u) << path;
        EXPECT_TRUE(w.channels == 1 || w.channels == 2) << path;
        EXPECT_EQ(w.rate, 44100u) << path;
        EXPECT_EQ(w.bits, 16u) << path;
        EXPECT_EQ(w.blockAlign, w.channels * 2) << path;
        EXPECT_EQ(w.byteRate, w.rate * w.blockAlign) << path;
        EXPECT_EQ(44 + w.samples.size() * 2, bytes.size()) << path;
        EXPECT_EQ(w.samples.size() % w.channels, 0u) << path;
        // Audible, yet well clear of clipping.
        EXPECT_GT(Peak(w), 3000) << path;
        EXPECT_LT(Peak(w), 26000) << path;
    }
}

TEST(SoundFiles, LengthsSuitWhereTheyPlay) {
    EXPECT_LE(SecondsOf(Load("Sound/Select.wav")), 0.1);
    const double ok = SecondsOf(Load("Sound/Ok.wav"));
    EXPECT_GE(ok, 0.1);
    EXPECT_LE(ok, 0.4);
    const double logo = SecondsOf(Load("Sound/Logo.wav"));
    EXPECT_GE(logo, 1.5);
    EXPECT_LE(logo, 2.5);
    // The farewell screen closes the game three seconds after it starts.
    EXPECT_LT(SecondsOf(Load("Sound/GameEnd.wav")), 3.0);
    const Wave tune = Load("Sound/Opening.wav");
    EXPECT_GE(SecondsOf(tune), 16.0);
    EXPECT_LE(SecondsOf(tune), 24.0);
    EXPECT_LT(tune.samples.size() * 2, 4u * 1024u * 1024u);
}

TEST(SoundFiles, OneShotsEndInSilence) {
    for (const char* path : {"Sound/Logo.wav", "Sound/Select.wav", "Sound/Ok.wav", "Sound/GameEnd.wav"}) {
        contentFile::ExpectSilentEnds(Load(path), path);
    }
}

TEST(SoundFiles, MenuTuneLoopsWithoutAClick) {
    const Wave w = Load("Sound/Opening.wav");
    ASSERT_EQ(w.channels, 2u);
    const size_t frames = w.samples.size() / 2;
    ASSERT_GT(frames, 2u);
    for (size_t c = 0; c < 2; ++c) {
        const int last = w.samples[(frames - 1) * 2 + c], first = w.samples[c];
        // Across the seam the wave moves by no more than a smooth step.
        EXPECT_LT(std::abs(first - last), 1500) << "channel " << c;
    }
}

}  // namespace
