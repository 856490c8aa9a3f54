#include "platform/game_files.h"

#include <dirent.h>
#include <signal.h>
#include <sys/resource.h>

#include <algorithm>

#include "platform/temp_work_dir.h"

namespace {

class GameFileTest : public TempWorkDir {};

TEST_F(GameFileTest, ResolvesEachComponentIgnoringCase) {
    PutText("sound/Logo.wav", "x");
    EXPECT_EQ(ResolveGamePath("Sound\\Logo.WAV"), "sound/Logo.wav");
    EXPECT_EQ(ResolveGamePath("SOUND\\logo.wav"), "sound/Logo.wav");
    // Missing parts keep the spelling asked for.
    EXPECT_EQ(ResolveGamePath("Sound\\Opening.wav"), "sound/Opening.wav");
    EXPECT_EQ(ResolveGamePath("Data\\OD.dat"), "Data/OD.dat");
}

TEST_F(GameFileTest, PrefersTheExactSpellingWhenSeveralMatch) {
    PutText("Sound/Logo.WAV", "upper");
    PutText("Sound/Logo.wav", "lower");
    PutText("Sound/LOGO.wav", "shout");
    EXPECT_EQ(ResolveGamePath("Sound\\Logo.wav"), "Sound/Logo.wav");
    EXPECT_EQ(ResolveGamePath("Sound\\Logo.WAV"), "Sound/Logo.WAV");
    // No exact match: the same choice every time, whatever the folder order.
    EXPECT_EQ(ResolveGamePath("Sound\\logo.Wav"), "Sound/LOGO.wav");
}

TEST_F(GameFileTest, RefusesPathsThatLeaveTheWorkingDirectory) {
    for (const char* path : {"..\\x.dat", "Data\\..\\..\\x.dat", "Data/../x.dat", "\\etc\\passwd",
                             "/etc/passwd", "C:\\x.dat", "", "Data\\.."}) {
        EXPECT_EQ(ResolveGamePath(path), "") << path;
    }
    EXPECT_EQ(ResolveGamePath(nullptr), "");
    EXPECT_EQ(ResolveGamePath("Data\\\\.\\OD.dat"), "Data/OD.dat");
}

TEST_F(GameFileTest, CannotReadOrWriteAFileOutsideTheWorkingDirectory) {
    PutText("outside.dat", "secret");
    ASSERT_EQ(mkdir("inner", 0755), 0);
    ASSERT_EQ(chdir("inner"), 0);
    char buffer[16];
    EXPECT_EQ(ReadGameFile("..\\outside.dat", buffer, sizeof buffer), -1);
    EXPECT_FALSE(WriteGameFileAtomic("..\\outside.dat", "new", 3));
    ASSERT_EQ(chdir(".."), 0);
    EXPECT_EQ(FileText("outside.dat"), "secret");
}

TEST_F(GameFileTest, ReadGameFileReadsAtMostTheCapacity) {
    PutText("data/ed.DAT", "0123456789");
    char buffer[8] = {};
    EXPECT_EQ(ReadGameFile("Data\\ED.dat", buffer, 4), 4);
    EXPECT_EQ(std::string(buffer, 4), "0123");
    char whole[32] = {};
    EXPECT_EQ(ReadGameFile("Data\\ED.dat", whole, sizeof whole), 10);
    EXPECT_EQ(std::string(whole), "0123456789");
}

TEST_F(GameFileTest, ReadGameFileFailsForMissingFilesAndFolders) {
    ASSERT_EQ(mkdir("Data", 0755), 0);
    char buffer[8];
    EXPECT_EQ(ReadGameFile("Data\\OD.dat", buffer, sizeof buffer), -1);
    EXPECT_EQ(ReadGameFile("Data", buffer, sizeof buffer), -1);
}

TEST_F(GameFileTest, ReadWholeGameFileRespectsTheCap) {
    PutText("Back/Title.bmp", "abcdef");
    std::string out = "stale";
    EXPECT_TRUE(ReadWholeGameFile("back\\title.BMP", out, 6));
    EXPECT_EQ(out, "abcdef");
    EXPECT_FALSE(ReadWholeGameFile("Back\\Title.bmp", out, 5));
    EXPECT_EQ(out, "");
    EXPECT_FALSE(ReadWholeGameFile("Back\\Missing.bmp", out, 100));
    PutText("Back/Empty.bmp", "");
    EXPECT_TRUE(ReadWholeGameFile("Back\\Empty.bmp", out, 100));
    EXPECT_EQ(out, "");
}

TEST_F(GameFileTest, AtomicWriteCreatesTheFolderAndLeavesNoTemporaryFile) {
    const uint8_t record[5] = {0, 0, 1, 0, 0};
    ASSERT_TRUE(WriteGameFileAtomic("Data\\OD.dat", record, sizeof record));
    EXPECT_EQ(FileText("Data/OD.dat"), std::string("\0\0\1\0\0", 5));
    EXPECT_EQ(FolderEntries("Data"), std::vector<std::string>{"OD.dat"});
    struct stat info;
    ASSERT_EQ(stat("Data/OD.dat", &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644u);
}

TEST_F(GameFileTest, AtomicWriteReplacesTheExistingFileWhateverItsCase) {
    PutText("data/od.dat", "old contents");
    ASSERT_TRUE(WriteGameFileAtomic("Data\\OD.dat", "new", 3));
    EXPECT_EQ(FileText("data/od.dat"), "new");
    EXPECT_EQ(FolderEntries("."), std::vector<std::string>{"data"});
    EXPECT_EQ(FolderEntries("data"), std::vector<std::string>{"od.dat"});
}

TEST_F(GameFileTest, FailedWriteKeepsTheOldContentsAndCleansUp) {
    PutText("Data/ED.dat", "ranking");
    // Let the file system refuse a big write, as a full disk would.
    struct rlimit saved;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct rlimit small = saved;
    small.rlim_cur = 64;
    void (*oldHandler)(int) = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::vector<uint8_t> big(100000, 7);
    const bool written = WriteGameFileAtomic("Data\\ED.dat", big.data(), big.size());
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(FileText("Data/ED.dat"), "ranking");
    EXPECT_EQ(FolderEntries("Data"), std::vector<std::string>{"ED.dat"});
}

TEST_F(GameFileTest, WriteFailsWhenTheTargetCannotBeAFile) {
    ASSERT_EQ(mkdir("Data", 0755), 0);
    ASSERT_EQ(mkdir("Data/OD.dat", 0755), 0);
    EXPECT_FALSE(WriteGameFileAtomic("Data\\OD.dat", "x", 1));
    EXPECT_EQ(FolderEntries("Data"), std::vector<std::string>{"OD.dat"});
    // A file standing where the folder should be.
    PutText("Back", "not a folder");
    EXPECT_FALSE(WriteGameFileAtomic("Back\\Title.bmp", "x", 1));
    EXPECT_EQ(FileText("Back"), "not a folder");
}

}  // namespace
