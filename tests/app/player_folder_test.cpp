#include "app/player_folder.h"

#include <sys/stat.h>

#include <map>

#include "harness/stderr_capture.h"
#include "platform/temp_work_dir.h"

namespace {

// The environment a test gives the game.
std::map<std::string, std::string> environment;

const char* FromEnvironment(const char* name) {
    const auto found = environment.find(name);
    return found == environment.end() ? nullptr : found->second.c_str();
}

class PlayerFolderTest : public TempWorkDir {
protected:
    void SetUp() override {
        TempWorkDir::SetUp();
        environment = {{"HOME", workDir + "/home"}};
        ASSERT_EQ(mkdir("game", 0755), 0);
        game = workDir + "/game";
        PutText("game/defaults/PZL.dat", "shipped problems");
        PutText("game/defaults/ITEM.dat", "first item");
    }

    PlayerFolderChoice Choose(const std::string& option = "") {
        return ChoosePlayerFolder(option, game, FromEnvironment);
    }

    // Prepares the folder with the old build's Data as the place to copy from.
    bool Prepare(const std::string& folder, std::string& problem, std::string& said) {
        StderrCapture capture;
        const bool ready = PreparePlayerFolder(folder, game + "/Data", game + "/defaults", problem);
        said = capture.Text();
        return ready;
    }

    std::string game;
};

TEST_F(PlayerFolderTest, ChoosesTheOptionThenThePortableFolderThenTheUsersDataFolder) {
    struct Case {
        std::map<std::string, std::string> environment;
        bool marker;
        std::string option;
        std::string folder;
        PlayerFolderChoice::Why why;
    };
    const std::string home = workDir + "/home";
    const Case cases[] = {
        {{{"HOME", home}}, false, "", home + "/.local/share/sumline/Data", PlayerFolderChoice::Why::userData},
        {{{"HOME", home}, {"XDG_DATA_HOME", "/xdg"}}, false, "", "/xdg/sumline/Data", PlayerFolderChoice::Why::userData},
        // A relative XDG_DATA_HOME is to be ignored.
        {{{"HOME", home}, {"XDG_DATA_HOME", "rel"}}, false, "", home + "/.local/share/sumline/Data",
         PlayerFolderChoice::Why::userData},
        {{{"HOME", home}, {"XDG_DATA_HOME", ""}}, false, "", home + "/.local/share/sumline/Data",
         PlayerFolderChoice::Why::userData},
        {{{"HOME", home}}, true, "", game + "/Data", PlayerFolderChoice::Why::portable},
        {{{"HOME", home}}, true, "/saves", "/saves", PlayerFolderChoice::Why::dataDirOption},
        {{{"HOME", home}}, false, "saves", workDir + "/saves", PlayerFolderChoice::Why::dataDirOption},
    };
    for (const Case& c : cases) {
        environment = c.environment;
        if (c.marker) PutText("game/Data/portable", "");
        else unlink("game/Data/portable");
        const PlayerFolderChoice choice = Choose(c.option);
        EXPECT_EQ(choice.folder, c.folder) << c.option;
        EXPECT_EQ(choice.why, c.why) << c.option;
    }
}

// Replays stand beside the Data folder, but inside the one folder --data-dir
// names for all of the player's files.
TEST_F(PlayerFolderTest, ReplaysAreKeptBesideDataOrInTheNamedFolder) {
    const std::string home = workDir + "/home";
    EXPECT_EQ(ReplayFolderOf(Choose()), home + "/.local/share/sumline/Replays");
    PutText("game/Data/portable", "");
    EXPECT_EQ(ReplayFolderOf(Choose()), game + "/Replays");
    EXPECT_EQ(ReplayFolderOf(Choose("/saves")), "/saves/Replays");
}

TEST_F(PlayerFolderTest, AnOldDataFolderWithoutTheMarkerIsNotThePlayers) {
    PutText("game/Data/ED.dat", "old ranking");
    EXPECT_EQ(Choose().why, PlayerFolderChoice::Why::userData);
    ASSERT_EQ(mkdir("game/Data/portable", 0755), 0);  // a folder is no marker
    EXPECT_EQ(Choose().why, PlayerFolderChoice::Why::userData);
}

TEST_F(PlayerFolderTest, TheFirstRunMakesTheFolderFromTheShippedDefaults) {
    const std::string folder = Choose().folder;
    std::string problem, said;
    ASSERT_TRUE(Prepare(folder, problem, said));
    EXPECT_EQ(FolderEntries(folder.c_str()), (std::vector<std::string>{"ITEM.dat", "PZL.dat"}));
    EXPECT_EQ(FileText(folder + "/PZL.dat"), "shipped problems");
    EXPECT_EQ(FileText(folder + "/ITEM.dat"), "first item");
    EXPECT_EQ(said, "sumline: saved games are kept in " + folder + "\n");
}

TEST_F(PlayerFolderTest, TheOldBuildsFilesAreCopiedOnceAndLeftWhereTheyWere) {
    PutText("game/Data/ED.dat", "old ranking");
    PutText("game/Data/PZL.dat", "edited problems");
    PutText("game/Data/notes.txt", "not the game's");
    const std::string folder = Choose().folder;
    std::string problem, said;
    ASSERT_TRUE(Prepare(folder, problem, said));
    EXPECT_EQ(FolderEntries(folder.c_str()), (std::vector<std::string>{"ED.dat", "ITEM.dat", "PZL.dat"}));
    EXPECT_EQ(FileText(folder + "/ED.dat"), "old ranking");
    EXPECT_EQ(FileText(folder + "/PZL.dat"), "edited problems");
    EXPECT_EQ(FileText(folder + "/ITEM.dat"), "first item");
    EXPECT_EQ(said, "sumline: saved games are kept in " + folder + " (copied ED.dat PZL.dat from " + game +
                        "/Data, which is left as it was)\n");
    EXPECT_EQ(FolderEntries("game/Data"), (std::vector<std::string>{"ED.dat", "PZL.dat", "notes.txt"}));

    // Once: the next start finds the folder and copies nothing more.
    PutText("game/Data/ED.dat", "a later old ranking");
    PutText(folder + "/OD.dat", "settings");
    ASSERT_EQ(unlink((folder + "/ITEM.dat").c_str()), 0);
    ASSERT_TRUE(Prepare(folder, problem, said));
    EXPECT_EQ(said, "");
    EXPECT_EQ(FileText(folder + "/ED.dat"), "old ranking");
    EXPECT_EQ(FolderEntries(folder.c_str()), (std::vector<std::string>{"ED.dat", "OD.dat", "PZL.dat"}));
}

TEST_F(PlayerFolderTest, AFolderNamedByTheOptionIsUsedAsItIs) {
    ASSERT_EQ(mkdir("saves", 0755), 0);
    PutText("saves/OD.dat", "settings");
    std::string problem, said;
    ASSERT_TRUE(Prepare(Choose("saves").folder, problem, said));
    EXPECT_EQ(FolderEntries("saves"), std::vector<std::string>{"OD.dat"});
    EXPECT_EQ(said, "");
}

TEST_F(PlayerFolderTest, SaysInOneLineWhyTheFolderCannotBeMade) {
    PutText("blocker", "a file");
    struct Case {
        std::string folder;
        std::string problem;
    };
    const Case cases[] = {
        {workDir + "/blocker", "sumline: cannot keep saved games in " + workDir + "/blocker: it is not a folder"},
        {workDir + "/blocker/Data",
         "sumline: cannot create the folder for saved games " + workDir + "/blocker/Data: Not a directory"},
    };
    for (const Case& c : cases) {
        std::string problem, said;
        EXPECT_FALSE(Prepare(c.folder, problem, said)) << c.folder;
        EXPECT_EQ(problem, c.problem);
        EXPECT_EQ(said, "");
    }
}

}  // namespace
