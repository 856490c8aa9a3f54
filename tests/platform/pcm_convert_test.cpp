#include "platform/pcm_convert.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "platform/temp_work_dir.h"

namespace {

WaveFormat Format(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits) {
    WaveFormat format;
    format.formatTag = tag;
    format.channels = channels;
    format.samplesPerSec = rate;
    format.bitsPerSample = bits;
    format.blockAlign = static_cast<uint16_t>(channels * bits / 8);
    return format;
}

std::vector<int16_t> Convert(const WaveFormat& format, const std::vector<uint8_t>& data) {
    std::vector<int16_t> out = {123};
    EXPECT_TRUE(ConvertToOutputPcm(format, data.data(), data.size(), out));
    return out;
}

bool Refused(const WaveFormat& format, const std::vector<uint8_t>& data) {
    std::vector<int16_t> out = {123};
    const bool ok = ConvertToOutputPcm(format, data.data(), data.size(), out);
    return !ok && out.empty();
}

std::vector<uint8_t> Samples16(const std::vector<int16_t>& values) {
    std::vector<uint8_t> out;
    for (int16_t v : values) PutLe16(out, static_cast<uint16_t>(v));
    return out;
}

WaveFormat Extensible(uint16_t subTag, uint16_t channels, uint16_t bits) {
    WaveFormat format = Format(0xFFFE, channels, 44100, bits);
    std::vector<uint8_t>& extra = format.extra;
    PutLe16(extra, bits);  // valid bits
    PutLe32(extra, 3);     // front left and right
    PutLe16(extra, subTag);
    extra.insert(extra.end(), {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71});
    format.extraSize = static_cast<uint16_t>(extra.size());
    return format;
}

TEST(SoundConvert, Mono8BitAt22050BecomesStereoAt44100) {
    const std::vector<int16_t> out = Convert(Format(1, 1, 22050, 8), {128, 192, 64});
    // Every source frame gives two: itself, then halfway to the next; the
    // last one holds its value.
    const std::vector<int16_t> expected = {0,      0,      8192,   8192,   16384,  16384,
                                           0,      0,      -16384, -16384, -16384, -16384};
    EXPECT_EQ(out, expected);
}

TEST(SoundConvert, Stereo16BitAt44100IsCopiedExactly) {
    const std::vector<int16_t> samples = {1, -1, 32767, -32768, 1000, -2000};
    EXPECT_EQ(Convert(Format(1, 2, 44100, 16), Samples16(samples)), samples);
}

TEST(SoundConvert, WiderSamplesKeepTheirTop16Bits) {
    // 24-bit 0x123456 and 32-bit 0x89ABCDEF, mono.
    EXPECT_EQ(Convert(Format(1, 1, 44100, 24), {0x56, 0x34, 0x12}), (std::vector<int16_t>{0x1234, 0x1234}));
    EXPECT_EQ(Convert(Format(1, 1, 44100, 32), {0xEF, 0xCD, 0xAB, 0x89}),
              (std::vector<int16_t>{static_cast<int16_t>(0x89AB), static_cast<int16_t>(0x89AB)}));
}

TEST(SoundConvert, FloatSamplesAreScaledAndClamped) {
    const float values[] = {0.5f, -1.0f, 2.0f, -3.0f, std::numeric_limits<float>::quiet_NaN()};
    std::vector<uint8_t> data(sizeof values);
    std::memcpy(data.data(), values, sizeof values);
    const std::vector<int16_t> out = Convert(Format(3, 1, 44100, 32), data);
    EXPECT_EQ(out, (std::vector<int16_t>{16384, 16384, -32767, -32767, 32767, 32767, -32767, -32767, 0, 0}));
}

TEST(SoundConvert, ExtensibleFormatsUseTheirSubformat) {
    EXPECT_EQ(Convert(Extensible(1, 2, 16), Samples16({5, -5})), (std::vector<int16_t>{5, -5}));
    const float half = 0.5f;
    std::vector<uint8_t> data(8);
    std::memcpy(data.data(), &half, 4);
    std::memcpy(data.data() + 4, &half, 4);
    EXPECT_EQ(Convert(Extensible(3, 2, 32), data), (std::vector<int16_t>{16384, 16384}));

    WaveFormat unknown = Extensible(1, 2, 16);
    unknown.extra[20] = 0x00;  // not the standard GUID
    EXPECT_TRUE(Refused(unknown, Samples16({5, -5})));
    WaveFormat shortExtra = Extensible(1, 2, 16);
    shortExtra.extra.resize(10);
    EXPECT_TRUE(Refused(shortExtra, Samples16({5, -5})));
}

TEST(SoundConvert, KeepsTheFirstTwoOfManyChannels) {
    EXPECT_EQ(Convert(Format(1, 4, 44100, 16), Samples16({1, 2, 3, 4, 5, 6, 7, 8})),
              (std::vector<int16_t>{1, 2, 5, 6}));
}

TEST(SoundConvert, OtherRatesGiveTheMatchingLength) {
    EXPECT_EQ(Convert(Format(1, 1, 48000, 16), Samples16(std::vector<int16_t>(48000, 7))).size(), 2u * 44100);
    EXPECT_EQ(Convert(Format(1, 1, 11025, 16), Samples16(std::vector<int16_t>(100, 7))).size(), 2u * 400);
    EXPECT_EQ(OutputFrameCount(3, 22050), 6u);
    EXPECT_EQ(OutputFrameCount(1, 48000), 1u);
}

TEST(SoundConvert, DownsamplingInterpolatesBetweenNeighbours) {
    // At 88200 Hz every second source frame is taken as it is.
    const std::vector<int16_t> out = Convert(Format(1, 1, 88200, 16), Samples16({0, 100, 200, 300, 400}));
    EXPECT_EQ(out, (std::vector<int16_t>{0, 0, 200, 200, 400, 400}));
}

TEST(SoundConvert, RefusesUnsupportedOrEmptyData) {
    const std::vector<uint8_t> some(64, 0x80);
    EXPECT_TRUE(Refused(Format(2, 1, 22050, 4), some));     // ADPCM
    EXPECT_TRUE(Refused(Format(1, 1, 22050, 12), some));
    EXPECT_TRUE(Refused(Format(3, 1, 22050, 64), some));
    EXPECT_TRUE(Refused(Format(1, 0, 22050, 16), some));
    EXPECT_TRUE(Refused(Format(1, 1, 0, 16), some));
    EXPECT_TRUE(Refused(Format(1, 1, 22050, 16), {}));
    EXPECT_TRUE(Refused(Format(1, 2, 22050, 16), {1, 2, 3}));  // not one whole frame
}

TEST(SoundConvert, SizeFromTheHeadersIsTheSizeConverted) {
    const struct {
        WaveFormat format;
        size_t bytes;
    } cases[] = {
        {Format(1, 1, 22050, 8), 301},
        {Format(1, 2, 44100, 16), 4000},
        {Format(1, 2, 48000, 24), 6006},
        {Format(3, 1, 11025, 32), 404},
        {Format(1, 6, 96000, 32), 2400},
    };
    for (const auto& c : cases) {
        uint64_t bytes = 0;
        ASSERT_TRUE(ConvertedPcmBytes(c.format, c.bytes, bytes)) << c.format.samplesPerSec;
        EXPECT_EQ(bytes, 2 * Convert(c.format, std::vector<uint8_t>(c.bytes, 0x40)).size()) << c.format.samplesPerSec;
    }
    uint64_t bytes = 1;
    EXPECT_FALSE(ConvertedPcmBytes(Format(2, 1, 22050, 4), 64, bytes));  // ADPCM
    EXPECT_FALSE(ConvertedPcmBytes(Format(1, 0, 22050, 16), 64, bytes));
    ASSERT_TRUE(ConvertedPcmBytes(Format(1, 1, 1, 8), UINT32_MAX, bytes));
    EXPECT_GT(bytes, maxSoundOutputBytes);  // no overflow back to a small size
}

TEST(SoundConvert, RefusesOutputBeyondTheCap) {
    // Two thousand frames at 1 Hz would stretch to 88 million output frames.
    EXPECT_TRUE(Refused(Format(1, 1, 1, 8), std::vector<uint8_t>(2000, 0x80)));
}

}  // namespace
