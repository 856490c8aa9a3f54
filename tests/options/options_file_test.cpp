#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "harness/harness.h"
#include "options/options_file.h"

namespace {

void WriteRaw(const std::vector<uint8_t>& bytes) {
    std::ofstream out(harness::WorkDir() + "/Data/OD.dat", std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<uint8_t> ReadRaw() {
    std::ifstream in(harness::WorkDir() + "/Data/OD.dat", std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

TEST(OptionsFile, MissingFileGivesTheDefaults) {
    harness::StartFresh();
    options = OptionsFile{3, 1, 2, 3, 1};
    ReadOptionsFile();
    EXPECT_EQ(options.targetSumOffset, 0);
    EXPECT_EQ(options.soundOff, 0);
    EXPECT_EQ(options.difficulty, 1);
    EXPECT_EQ(options.backgroundPattern, 0);
    EXPECT_EQ(options.panelShape, 0);
}

TEST(OptionsFile, ShortFileKeepsTheBytesItLacks) {
    harness::StartFresh();
    options = OptionsFile{3, 1, 2, 3, 1};
    WriteRaw({2, 0});
    ReadOptionsFile();
    EXPECT_EQ(options.targetSumOffset, 2);
    EXPECT_EQ(options.soundOff, 0);
    EXPECT_EQ(options.difficulty, 2);
    EXPECT_EQ(options.backgroundPattern, 3);
    EXPECT_EQ(options.panelShape, 1);
}

TEST(OptionsFile, WritingTheDefaultsGivesFiveBytes) {
    harness::StartFresh();
    options = defaultOptions;
    WriteOptionsFile();
    EXPECT_EQ(ReadRaw(), (std::vector<uint8_t>{0, 0, 1, 0, 0}));
}

TEST(OptionsFile, RoundTrip) {
    harness::StartFresh();
    options = OptionsFile{3, 1, 0, 2, 1};
    WriteOptionsFile();
    options = defaultOptions;
    ReadOptionsFile();
    EXPECT_EQ(ReadRaw(), (std::vector<uint8_t>{3, 1, 0, 2, 1}));
    EXPECT_EQ(options.targetSumOffset, 3);
    EXPECT_EQ(options.backgroundPattern, 2);
}

TEST(OptionsFile, DamagedBytesAreBroughtIntoRange) {
    harness::StartFresh();
    for (int v = 0; v < 256; ++v) {
        const uint8_t b = static_cast<uint8_t>(v);
        WriteRaw({b, b, b, b, b, b, b});
        ReadOptionsFile();
        for (int i = 0; i < 5; ++i) {
            ASSERT_GE(OptionField(i), 0) << v;
            ASSERT_LE(OptionField(i), optionMax[i]) << v;
        }
        // Negative bytes go to 0, large ones to the top of the range.
        const int8_t expectDifficulty = static_cast<int8_t>(b) < 0 ? 0 : (b > 2 ? 2 : static_cast<int8_t>(b));
        EXPECT_EQ(options.difficulty, expectDifficulty);
    }
}

TEST(OptionsFile, BootReadsTheFile) {
    harness::Boot();
    WriteRaw({1, 1, 0, 2, 1});
    harness::Pass();
    EXPECT_EQ(options.soundOff, 1);
    EXPECT_EQ(options.backgroundPattern, 2);
}

}  // namespace
