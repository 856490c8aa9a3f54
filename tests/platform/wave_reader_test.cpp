#include "platform/wave_reader.h"

#include <random>

#include "platform/pcm_convert.h"
#include "platform/wave_builder.h"

namespace {

class WaveReaderTest : public TempWorkDir {
protected:
    int32_t OpenBytes(const std::vector<uint8_t>& bytes) {
        PutFile("test.wav", bytes);
        return reader.Open("test.wav");
    }
    std::vector<uint8_t> ReadAll() {
        std::vector<uint8_t> out(reader.dataRemaining + 16);
        uint32_t got = 0;
        EXPECT_EQ(reader.Read(static_cast<uint32_t>(out.size()), out.data(), &got), waveOk);
        out.resize(got);
        return out;
    }
    WaveReader reader;
};

const std::vector<uint8_t> sampleData = {1, 2, 3, 4, 5, 6, 7, 8};

TEST_F(WaveReaderTest, ParsesPcmFormatAndData) {
    ASSERT_EQ(OpenBytes(PcmWave(2, 22050, 16, sampleData)), waveOk);
    EXPECT_TRUE(reader.hasFormat);
    EXPECT_EQ(reader.format.formatTag, 1);
    EXPECT_EQ(reader.format.channels, 2);
    EXPECT_EQ(reader.format.samplesPerSec, 22050u);
    EXPECT_EQ(reader.format.avgBytesPerSec, 88200u);
    EXPECT_EQ(reader.format.blockAlign, 4);
    EXPECT_EQ(reader.format.bitsPerSample, 16);
    EXPECT_EQ(reader.format.extraSize, 0);
    EXPECT_TRUE(reader.format.extra.empty());
    EXPECT_EQ(reader.dataSize, 8u);
    EXPECT_EQ(ReadAll(), sampleData);
}

TEST_F(WaveReaderTest, PcmIgnoresTrailingFormatBytes) {
    std::vector<uint8_t> fmt = FmtBody(1, 1, 8000, 8);
    fmt.insert(fmt.end(), {2, 0, 0xAB, 0xCD});
    ASSERT_EQ(OpenBytes(RiffWave({Chunk("fmt ", fmt), Chunk("data", sampleData)})), waveOk);
    EXPECT_EQ(reader.format.extraSize, 0);
    EXPECT_TRUE(reader.format.extra.empty());
}

TEST_F(WaveReaderTest, NonPcmFormatKeepsItsExtraBytes) {
    std::vector<uint8_t> fmt = FmtBody(2, 1, 22050, 4);
    fmt.insert(fmt.end(), {3, 0, 0x11, 0x22, 0x33});
    ASSERT_EQ(OpenBytes(RiffWave({Chunk("fmt ", fmt), Chunk("data", sampleData)})), waveOk);
    EXPECT_EQ(reader.format.formatTag, 2);
    EXPECT_EQ(reader.format.extraSize, 3);
    EXPECT_EQ(reader.format.extra, (std::vector<uint8_t>{0x11, 0x22, 0x33}));
    EXPECT_EQ(ReadAll(), sampleData);
}

TEST_F(WaveReaderTest, NonPcmFormatWithoutExtraSizeFieldHasNoExtras) {
    ASSERT_EQ(OpenBytes(RiffWave({Chunk("fmt ", FmtBody(3, 1, 44100, 32)), Chunk("data", sampleData)})), waveOk);
    EXPECT_EQ(reader.format.formatTag, 3);
    EXPECT_EQ(reader.format.extraSize, 0);
}

TEST_F(WaveReaderTest, ExtraBytesBeyondTheFormatChunkFail) {
    std::vector<uint8_t> fmt = FmtBody(2, 1, 22050, 4);
    fmt.insert(fmt.end(), {40, 0, 1, 2});
    EXPECT_EQ(OpenBytes(RiffWave({Chunk("fmt ", fmt), Chunk("data", sampleData)})), waveFail);
    EXPECT_FALSE(reader.hasFormat);
    EXPECT_EQ(reader.file, nullptr);
}

TEST_F(WaveReaderTest, SkipsOddSizedChunksWithTheirPadByte) {
    const std::vector<uint8_t> odd = {'a', 'b', 'c'};
    ASSERT_EQ(OpenBytes(RiffWave({Chunk("LIST", odd), Chunk("fmt ", FmtBody(1, 1, 8000, 8)),
                                  Chunk("junk", {9}), Chunk("data", sampleData)})),
              waveOk);
    EXPECT_EQ(reader.format.samplesPerSec, 8000u);
    EXPECT_EQ(ReadAll(), sampleData);
}

TEST_F(WaveReaderTest, FindsDataBeforeTheFormat) {
    ASSERT_EQ(OpenBytes(RiffWave({Chunk("data", sampleData), Chunk("fmt ", FmtBody(1, 1, 8000, 8))})), waveOk);
    EXPECT_EQ(ReadAll(), sampleData);
}

TEST_F(WaveReaderTest, RejectsFilesWithoutTheRequiredChunks) {
    const std::vector<uint8_t> fmt = Chunk("fmt ", FmtBody(1, 1, 8000, 8));
    const std::vector<uint8_t> data = Chunk("data", sampleData);
    std::vector<uint8_t> notRiff = PcmWave(1, 8000, 8, sampleData);
    notRiff[0] = 'X';
    std::vector<uint8_t> notWave = PcmWave(1, 8000, 8, sampleData);
    notWave[8] = 'X';
    std::vector<uint8_t> shortFmt = FmtBody(1, 1, 8000, 8);
    shortFmt.resize(14);
    const std::vector<std::vector<uint8_t>> files = {
        RiffWave({fmt}),
        RiffWave({data}),
        RiffWave({Chunk("fmt ", shortFmt), data}),
        notRiff,
        notWave,
        {'R', 'I', 'F', 'F'},
        {},
    };
    for (size_t i = 0; i < files.size(); ++i) {
        EXPECT_EQ(OpenBytes(files[i]), waveFail) << "file " << i;
        EXPECT_EQ(reader.file, nullptr);
    }
    EXPECT_EQ(reader.Open("missing.wav"), waveFail);
    EXPECT_EQ(reader.Open(nullptr), waveFail);
}

TEST_F(WaveReaderTest, DataChunkOutsideTheRiffChunkIsNotFound) {
    std::vector<uint8_t> bytes = RiffWave({Chunk("fmt ", FmtBody(1, 1, 8000, 8))});
    const std::vector<uint8_t> data = Chunk("data", sampleData);
    bytes.insert(bytes.end(), data.begin(), data.end());
    EXPECT_EQ(OpenBytes(bytes), waveFail);
}

TEST_F(WaveReaderTest, ChunkClaimingToRunPastTheEndStopsTheSearch) {
    std::vector<uint8_t> junk = Chunk("junk", {1, 2, 3, 4});
    junk[4] = 0xFF;
    junk[7] = 0x7F;
    EXPECT_EQ(OpenBytes(RiffWave({Chunk("fmt ", FmtBody(1, 1, 8000, 8)), junk, Chunk("data", sampleData)})),
              waveFail);
}

TEST_F(WaveReaderTest, TruncatedDataIsClampedToTheFile) {
    std::vector<uint8_t> bytes = PcmWave(1, 8000, 8, std::vector<uint8_t>(1000, 0x42));
    bytes.resize(bytes.size() - 990);
    ASSERT_EQ(OpenBytes(bytes), waveOk);
    EXPECT_EQ(reader.dataSize, 10u);
    EXPECT_EQ(ReadAll(), std::vector<uint8_t>(10, 0x42));
}

TEST_F(WaveReaderTest, RiffSizeLargerThanTheFileIsClamped) {
    std::vector<uint8_t> bytes = PcmWave(1, 8000, 8, sampleData);
    bytes[4] = bytes[5] = bytes[6] = bytes[7] = 0xFF;
    ASSERT_EQ(OpenBytes(bytes), waveOk);
    EXPECT_EQ(ReadAll(), sampleData);
}

TEST_F(WaveReaderTest, ReadHandsOutTheRestAndResetRewinds) {
    ASSERT_EQ(OpenBytes(PcmWave(1, 8000, 8, sampleData)), waveOk);
    uint8_t buffer[16] = {};
    uint32_t got = 99;
    ASSERT_EQ(reader.Read(3, buffer, &got), waveOk);
    EXPECT_EQ(got, 3u);
    EXPECT_EQ(std::vector<uint8_t>(buffer, buffer + 3), (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(reader.dataRemaining, 5u);
    ASSERT_EQ(reader.Read(16, buffer, &got), waveOk);
    EXPECT_EQ(got, 5u);
    EXPECT_EQ(std::vector<uint8_t>(buffer, buffer + 5), (std::vector<uint8_t>{4, 5, 6, 7, 8}));
    ASSERT_EQ(reader.Read(16, buffer, &got), waveOk);
    EXPECT_EQ(got, 0u);

    ASSERT_EQ(reader.Reset(), waveOk);
    EXPECT_EQ(reader.dataRemaining, 8u);
    EXPECT_EQ(ReadAll(), sampleData);
    reader.Close();
    EXPECT_EQ(reader.Read(4, buffer, &got), waveFail);
    EXPECT_EQ(got, 0u);
}

TEST_F(WaveReaderTest, ReopeningDiscardsTheEarlierFormat) {
    std::vector<uint8_t> fmt = FmtBody(2, 1, 22050, 4);
    fmt.insert(fmt.end(), {2, 0, 7, 7});
    ASSERT_EQ(OpenBytes(RiffWave({Chunk("fmt ", fmt), Chunk("data", sampleData)})), waveOk);
    ASSERT_EQ(OpenBytes(PcmWave(1, 8000, 8, {})), waveOk);
    EXPECT_EQ(reader.format.formatTag, 1);
    EXPECT_TRUE(reader.format.extra.empty());
    EXPECT_EQ(reader.dataSize, 0u);
}

TEST_F(WaveReaderTest, RandomDamageNeverReadsPastTheFile) {
    std::vector<uint8_t> fmt = FmtBody(0xFFFE, 2, 22050, 16);
    PutLe16(fmt, 22);
    PutLe16(fmt, 16);
    PutLe32(fmt, 3);
    fmt.insert(fmt.end(), {1, 0, 0, 0, 0, 0, 0x10, 0, 0x80, 0, 0, 0xAA, 0, 0x38, 0x9B, 0x71});
    const std::vector<uint8_t> good =
        RiffWave({Chunk("LIST", {'x'}), Chunk("fmt ", fmt), Chunk("data", std::vector<uint8_t>(64, 0x55))});
    std::mt19937 random(777);
    int opened = 0;
    for (int round = 0; round < 1500; ++round) {
        std::vector<uint8_t> bytes = good;
        const int edits = 1 + static_cast<int>(random() % 4);
        for (int e = 0; e < edits; ++e) bytes[random() % 80] = static_cast<uint8_t>(random());
        if (random() % 6 == 0) bytes.resize(random() % bytes.size());
        if (OpenBytes(bytes) != waveOk) continue;
        ++opened;
        ASSERT_LE(reader.dataOffset + static_cast<long>(reader.dataSize), static_cast<long>(bytes.size()));
        const std::vector<uint8_t> data = ReadAll();
        ASSERT_EQ(data.size(), reader.dataSize);
        std::vector<int16_t> out;
        if (ConvertToOutputPcm(reader.format, data.data(), data.size(), out)) {
            EXPECT_EQ(out.size() % 2, 0u);
            EXPECT_FALSE(out.empty());
        }
    }
    EXPECT_GT(opened, 100);
}

}  // namespace
