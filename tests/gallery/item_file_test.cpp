#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "gallery/gallery_test_util.h"
#include "gallery/item_file.h"
#include "platform/temp_work_dir.h"
#include "puzzle/progress_file.h"

namespace {

using galleryTest::FileWith;
using galleryTest::ReadRaw;
using galleryTest::WriteRaw;

std::vector<uint8_t> Flags(const ItemFile& f) { return std::vector<uint8_t>(f.unlocked, f.unlocked + itemCount); }

struct ReadCase {
    const char* name;
    bool present;
    std::vector<uint8_t> bytes;
    std::vector<uint8_t> expected;
};

TEST(ItemFile, OnlyAByteOfOneUnlocksAndItemZeroIsAlwaysHeld) {
    harness::StartFresh();
    std::vector<uint8_t> damaged(itemCount);
    for (int i = 0; i < itemCount; ++i) damaged[i] = static_cast<uint8_t>(i * 37 % 256 | 2);  // never 1
    damaged[7] = damaged[49] = 1;
    std::vector<uint8_t> longer = FileWith({0, 2, 49});
    longer.resize(longer.size() + 4, 1);
    const ReadCase cases[] = {
        {"missing", false, {}, FileWith({0})},
        {"empty", true, {}, FileWith({0})},
        {"short: what it holds", true, {1, 1, 0, 1}, FileWith({0, 1, 3})},
        {"a 0 for item 0", true, {0}, FileWith({0})},
        {"damaged: any value but 1 is locked", true, damaged, FileWith({0, 7, 49})},
        {"longer: the first 50 bytes", true, longer, FileWith({0, 2, 49})},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(galleryTest::DataPath("ITEM.dat"));
        if (c.present) WriteRaw("ITEM.dat", c.bytes);
        ItemFile flags;
        DefaultItemFile(flags);
        ReadItemFile(flags);
        EXPECT_EQ(Flags(flags), c.expected);
    }
}

// A flag set in this run stays, whatever the file says.
TEST(ItemFile, ReadingAddsTheFilesUnlocksAndTakesNoneAway) {
    harness::StartFresh();
    WriteRaw("ITEM.dat", FileWith({0, 4}));
    ItemFile flags;
    DefaultItemFile(flags);
    flags.unlocked[9] = 1;
    flags.unlocked[11] = 7;  // no flag the game sets: no unlock
    ReadItemFile(flags);
    EXPECT_EQ(Flags(flags), FileWith({0, 4, 9}));
}

TEST(ItemFile, TheWriterPutsOneForAnUnlockAndZeroForEverythingElse) {
    harness::StartFresh();
    ItemFile flags;
    for (int i = 0; i < itemCount; ++i) flags.unlocked[i] = static_cast<uint8_t>(i % 3 == 0 ? 1 : i + 1);
    flags.unlocked[0] = 0;
    ASSERT_TRUE(WriteItemFile(flags));
    const std::vector<uint8_t> bytes = ReadRaw("ITEM.dat");
    ASSERT_EQ(bytes.size(), 50u);
    for (int i = 0; i < itemCount; ++i) EXPECT_EQ(bytes[i], i % 3 == 0 ? 1 : 0) << i;
    EXPECT_EQ(FolderEntries("Data"), std::vector<std::string>{"ITEM.dat"}) << "no temporary file left";
}

// The progress record counts towards the puzzle items: a short or damaged
// one reads without harm, only a 1 being a solve.
TEST(ItemFile, ADamagedOrShortProgressRecordReadsWithoutHarm) {
    harness::StartFresh();
    std::vector<uint8_t> noise(200);
    for (size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<uint8_t>(i % 4 == 1 ? 1 : (i * 13 + 5) | 2);
    const struct {
        std::vector<uint8_t> bytes;
        int solved;
    } cases[] = {{{}, 0}, {{1, 2, 1}, 2}, {noise, 25}, {std::vector<uint8_t>(5000, 1), 100}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes.size());
        WriteRaw("CLEAR.dat", c.bytes);
        ClearFile tables;
        std::memset(&tables, 0x77, sizeof tables);
        ReadClearFile(tables);
        int solved = 0;
        for (int i = 0; i < puzzleCount; ++i) {
            EXPECT_LE(tables.solved[i], 1) << i;
            EXPECT_TRUE(tables.solved[i] == 1 || tables.bestSeconds[i] == 0) << i;
            solved += tables.solved[i];
        }
        EXPECT_EQ(solved, c.solved);
    }
}

}  // namespace
