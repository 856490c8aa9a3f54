#include "platform/game_folders.h"

#include <sys/stat.h>

#include "platform/file_read.h"
#include "platform/game_files.h"
#include "platform/platform_reset.h"
#include "platform/temp_work_dir.h"

namespace {

// Content in one folder, the player's files in another, the test standing
// in a third: the game's own paths must still find each.
class GameFoldersTest : public TempWorkDir {
protected:
    void SetUp() override {
        TempWorkDir::SetUp();
        for (const char* folder : {"elsewhere", "content"}) ASSERT_EQ(mkdir(folder, 0755), 0);
        PutText("content/Back/Title.bmp", "picture");
        ASSERT_EQ(mkdir("player", 0755), 0);
        PutText("player/Data/ED.dat", "ranking");
        SetGameFolders(workDir + "/content", workDir + "/player/Data");
        ASSERT_EQ(chdir("elsewhere"), 0);
    }
    void TearDown() override {
        SetGameFolders("", "");
        TempWorkDir::TearDown();
    }
};

TEST_F(GameFoldersTest, LeadEachGamePathIntoItsFolder) {
    struct Case {
        const char* gamePath;
        std::string disk;
    };
    const Case cases[] = {
        {"Back\\Title.bmp", workDir + "/content/Back/Title.bmp"},
        {"back\\TITLE.BMP", workDir + "/content/Back/Title.bmp"},
        {"Sound\\Logo.wav", workDir + "/content/Sound/Logo.wav"},
        {"Data\\ED.dat", workDir + "/player/Data/ED.dat"},
        {"DATA\\ed.DAT", workDir + "/player/Data/ED.dat"},
        {"Data\\OD.dat", workDir + "/player/Data/OD.dat"},
        {"Data", workDir + "/player/Data"},
        {"Database\\x", workDir + "/content/Database/x"},
    };
    for (const Case& c : cases) EXPECT_EQ(ResolveGamePath(c.gamePath), c.disk) << c.gamePath;
}

TEST_F(GameFoldersTest, StillRefusePathsThatClimbOut) {
    for (const char* path : {"Data\\..\\Back\\Title.bmp", "..\\player\\Data\\ED.dat", "/etc/passwd"}) {
        EXPECT_EQ(ResolveGamePath(path), "") << path;
    }
}

TEST_F(GameFoldersTest, ReadAndWriteThePlayersFilesFromAnyWorkingDirectory) {
    std::string text;
    ASSERT_TRUE(ReadWholeGameFile("Data\\ED.dat", text, 100));
    EXPECT_EQ(text, "ranking");
    ASSERT_TRUE(WriteGameFileAtomic("Data\\OD.dat", "opts", 4));
    EXPECT_EQ(FileText(workDir + "/player/Data/OD.dat"), "opts");
    EXPECT_EQ(FolderEntries("."), std::vector<std::string>{});
}

TEST_F(GameFoldersTest, AWriteCreatesAMissingDataFolder) {
    SetGameFolders(workDir + "/content", workDir + "/new/deep/Data");
    ASSERT_TRUE(WriteGameFileAtomic("Data\\CLEAR.dat", "c", 1));
    EXPECT_EQ(FileText(workDir + "/new/deep/Data/CLEAR.dat"), "c");
}

TEST_F(GameFoldersTest, ATrailingSlashNamesTheSameFolder) {
    SetGameFolders(workDir + "/content//", workDir + "/player/Data/");
    EXPECT_EQ(ContentFolder(), workDir + "/content");
    EXPECT_EQ(PlayerDataFolder(), workDir + "/player/Data");
    EXPECT_EQ(ResolveGamePath("Data\\ED.dat"), workDir + "/player/Data/ED.dat");
    SetGameFolders("/", "/");
    EXPECT_EQ(ContentFolder(), "/");
}

TEST_F(GameFoldersTest, AResetLeadsPathsFromTheWorkingDirectoryAgain) {
    ResetPlatformRecords();
    EXPECT_EQ(ContentFolder(), "");
    EXPECT_EQ(PlayerDataFolder(), "");
    EXPECT_EQ(ResolveGamePath("Data\\ED.dat"), "Data/ED.dat");
    EXPECT_EQ(ResolveGamePath("Back\\Title.bmp"), "Back/Title.bmp");
}

}  // namespace
