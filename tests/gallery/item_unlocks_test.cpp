#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "gallery/gallery_test_util.h"
#include "gallery/item_unlocks.h"
#include "harness/stderr_capture.h"
#include "platform/temp_work_dir.h"

namespace {

using galleryTest::FileWith;
using galleryTest::Inode;
using galleryTest::ReadRaw;

TEST(ItemUnlocks, AWinWritesTheFileOnceThroughATemporaryFileAndNothingWonWritesNothing) {
    harness::StartFresh();
    EXPECT_EQ(UnlockItems(EndlessResult(0, 999, 4, 2, 2, 1)).added.count, 0);
    EXPECT_TRUE(FolderEntries("Data").empty());

    const UnlockOutcome first = UnlockItems(PracticeSession(10, 0));
    EXPECT_TRUE(first.saved);
    ASSERT_EQ(first.added.count, 1);
    EXPECT_EQ(first.added.items[0], 3);
    EXPECT_EQ(ReadRaw("ITEM.dat"), FileWith({0, 3}));
    EXPECT_EQ(FolderEntries("Data"), std::vector<std::string>{"ITEM.dat"});
    const ino_t written = Inode("ITEM.dat");

    EXPECT_EQ(UnlockItems(PracticeSession(10, 0)).added.count, 0);
    EXPECT_EQ(Inode("ITEM.dat"), written) << "the same again leaves the file alone";

    EXPECT_EQ(UnlockItems(PracticeSession(50, 3)).added.count, 2);
    EXPECT_NE(Inode("ITEM.dat"), written);
    EXPECT_EQ(ReadRaw("ITEM.dat"), FileWith({0, 3, 8, 15}));
    EXPECT_EQ(FolderEntries("Data"), std::vector<std::string>{"ITEM.dat"});
}

// The file's unlocks stay; its damaged bytes become 0, never an unlock; a
// short file is written whole.
TEST(ItemUnlocks, ADamagedOrShortFileKeepsItsUnlocksAndLosesItsDamage) {
    harness::StartFresh();
    std::vector<uint8_t> bytes(30, 0);
    bytes[0] = 9;
    bytes[2] = 1;
    bytes[5] = 2;
    bytes[29] = 255;
    galleryTest::WriteRaw("ITEM.dat", bytes);
    const UnlockOutcome outcome = UnlockItems(EndlessResult(0, 1500, 1, 0, 0, 1));
    ASSERT_EQ(outcome.added.count, 1);
    EXPECT_EQ(outcome.added.items[0], 1);
    EXPECT_EQ(ReadRaw("ITEM.dat"), FileWith({0, 1, 2}));
}

// A save that fails keeps the win for the rest of the run: the next read
// takes nothing away and the next write holds it.
TEST(ItemUnlocks, AWinWhoseSaveFailedIsKeptAndSavedWithTheNext) {
    harness::StartFresh();
    std::filesystem::remove_all("Data");
    std::ofstream("Data") << "in the way";
    StderrCapture capture;
    const UnlockOutcome failed = UnlockItems(PuzzleProgress(1));
    EXPECT_FALSE(failed.saved);
    EXPECT_EQ(failed.added.count, 1);
    EXPECT_NE(capture.Text().find("cannot save Data/ITEM.dat"), std::string::npos);

    std::filesystem::remove("Data");
    std::filesystem::create_directory("Data");
    ReadItemFile(unlockFlags);
    EXPECT_EQ(unlockFlags.unlocked[2], 1);
    EXPECT_TRUE(UnlockItems(PuzzleProgress(5)).saved);
    EXPECT_EQ(ReadRaw("ITEM.dat"), FileWith({0, 2, 7}));
}

}  // namespace
