#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "contentgen/content_file.h"

namespace {

using contentFile::SecondsOf;
using contentFile::Wave;

const char* const matchSounds[] = {"Sound/Game.wav",     "Sound/Count.wav",   "Sound/GameStart.wav", "Sound/Motto.wav",
                                   "Sound/Danger.wav",   "Sound/Pause.wav",   "Sound/GameOver.wav",  "Sound/Clear.wav",
                                   "Sound/Levelup.wav",  "Sound/Item.wav",    "Sound/Delete.wav",    "Sound/Maxdelete.wav",
                                   "Sound/Hiscore.wav",  "Sound/Omedetou.wav"};

using contentFile::Load;
using contentFile::Peak;

// Loudness of the first channel over windows of the given length.
std::vector<double> Envelope(const Wave& w, double windowSeconds) {
    const size_t window = static_cast<size_t>(windowSeconds * w.rate);
    std::vector<double> out;
    const size_t frames = w.samples.size() / w.channels;
    for (size_t start = 0; start + window <= frames; start += window) {
        double sum = 0;
        for (size_t i = start; i < start + window; ++i) {
            const double s = w.samples[i * w.channels];
            sum += s * s;
        }
        out.push_back(std::sqrt(sum / static_cast<double>(window)));
    }
    return out;
}

TEST(MatchSoundFiles, EveryFileIsAudiblePcmAt44100) {
    for (const char* path : matchSounds) {
        const std::vector<uint8_t> bytes = contentFile::Read(path);
        Wave w;
        ASSERT_TRUE(contentFile::DecodeWave(bytes, w)) << path;
        EXPECT_EQ(w.formatTag, 1u) << path;
        EXPECT_EQ(w.rate, 44100u) << path;
        EXPECT_EQ(w.bits, 16u) << path;
        EXPECT_EQ(w.blockAlign, w.channels * 2) << path;
        EXPECT_EQ(44 + w.samples.size() * 2, bytes.size()) << path;
        EXPECT_GT(Peak(w), 3000) << path;
        EXPECT_LT(Peak(w), 26000) << path;
    }
}

TEST(MatchSoundFiles, LengthsSuitWhereTheyPlay) {
    struct Span {
        const char* path;
        double shortest, longest;
    };
    const Span spans[] = {
        {"Sound/Game.wav", 20.0, 30.0},     {"Sound/GameStart.wav", 0.8, 1.4}, {"Sound/Motto.wav", 0.4, 0.8},
        {"Sound/Danger.wav", 0.3, 0.7},     {"Sound/Pause.wav", 0.1, 0.5},     {"Sound/GameOver.wav", 2.0, 3.0},
        {"Sound/Clear.wav", 1.5, 2.5},      {"Sound/Levelup.wav", 0.3, 1.0},   {"Sound/Item.wav", 0.3, 1.0},
        {"Sound/Delete.wav", 0.4, 1.2},     {"Sound/Maxdelete.wav", 0.8, 2.0}, {"Sound/Hiscore.wav", 2.5, 3.5},
        {"Sound/Omedetou.wav", 2.0, 3.0},   {"Sound/Count.wav", 1.9, 2.3},
    };
    for (const Span& s : spans) {
        const double seconds = SecondsOf(Load(s.path));
        EXPECT_GE(seconds, s.shortest) << s.path;
        EXPECT_LE(seconds, s.longest) << s.path;
    }
    // The match music stays under five megabytes.
    EXPECT_LT(contentFile::Read("Sound/Game.wav").size(), 5u * 1024u * 1024u);
}

TEST(MatchSoundFiles, OneShotsStartAndEndInSilence) {
    for (const char* path : matchSounds) {
        if (std::string(path) == "Sound/Game.wav") continue;
        contentFile::ExpectSilentEnds(Load(path), path);
    }
}

TEST(MatchSoundFiles, MatchMusicLoopsWithoutAClickOrAGap) {
    const Wave w = Load("Sound/Game.wav");
    ASSERT_EQ(w.channels, 2u);
    const size_t frames = w.samples.size() / 2;
    ASSERT_GT(frames, 44100u);
    for (size_t c = 0; c < 2; ++c) {
        // Across the seam the wave moves no more than it does inside the loop.
        int largestStep = 0;
        for (size_t i = 1; i < frames; ++i) {
            largestStep = std::max(largestStep, std::abs(w.samples[i * 2 + c] - w.samples[(i - 1) * 2 + c]));
        }
        const int seam = std::abs(w.samples[c] - w.samples[(frames - 1) * 2 + c]);
        EXPECT_LE(seam, largestStep) << "channel " << c;
        EXPECT_LT(seam, 2500) << "channel " << c;
    }
    // No silence at either end: the music runs straight on.
    const std::vector<double> loudness = Envelope(w, 0.1);
    ASSERT_GT(loudness.size(), 4u);
    double mean = 0;
    for (double l : loudness) mean += l;
    mean /= static_cast<double>(loudness.size());
    EXPECT_GT(loudness.front(), mean * 0.3);
    EXPECT_GT(loudness.back(), mean * 0.3);
}

TEST(MatchSoundFiles, CountdownTicksThreeTimesWithTheDigits) {
    // The digits reach the middle about 0.38 s, 1.13 s and 1.88 s after the
    // countdown starts; each tick must fall in its own window.
    const Wave w = Load("Sound/Count.wav");
    const std::vector<double> loudness = Envelope(w, 0.01);
    const double window = 0.01;
    for (double expected : {0.38, 1.13, 1.88}) {
        size_t loudest = 0;
        for (size_t i = 0; i < loudness.size(); ++i) {
            const double t = i * window;
            if (std::fabs(t - expected) < 0.3 && loudness[i] > loudness[loudest]) loudest = i;
        }
        EXPECT_NEAR(loudest * window, expected, 0.05);
    }
    // Quiet between the ticks.
    EXPECT_LT(loudness[static_cast<size_t>(0.1 / window)], loudness[static_cast<size_t>(0.39 / window)] * 0.1);
}

}  // namespace
