#include "shell/data_files.h"

#include <dirent.h>

#include <algorithm>
#include <string>
#include <vector>

#include "frontend/boot_scene.h"
#include "gallery/item_file.h"
#include "harness/harness.h"
#include "options/options_file.h"
#include "platform/temp_work_dir.h"
#include "puzzle/progress_file.h"
#include "puzzle/puzzle_file.h"
#include "ranking/ranking_file.h"
#include "shell/game_loop.h"

namespace {

TEST(DataLeftovers, StartUpRemovesTheGamesOwnTemporaryFilesAndNothingElse) {
    harness::StartFresh();
    std::vector<std::string> kept = {
        "ED.dat",          "OD.dat",          ".OD.dat.old",       "OD.dat.a1B2c3",     ".OD.dat.a1B2c3.bak",
        ".OD.dat.a1B2c",   ".notes.txt.a1B2c3", "notes.txt",       ".ED.dat",           "ED.dat.XXXXXX",
    };
    for (const std::string& name : kept) PutText("Data/" + name, "keep " + name);
    for (const char* name : gameDataFiles) {
        PutText(std::string("Data/.") + name + ".a1B2c3", "half");
        PutText(std::string("Data/.") + name + ".Zq09Xw", "half");
    }
    ASSERT_EQ(FolderEntries("Data").size(), kept.size() + 2 * gameDataFileCount);

    StartGame(BootScene);

    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(FolderEntries("Data"), kept);
    EXPECT_EQ(FileText("Data/ED.dat"), "keep ED.dat");
    EXPECT_EQ(FileText("Data/notes.txt"), "keep notes.txt");
}

TEST(DataLeftovers, EveryFileTheGameWritesIsOneTheCleanUpKnows) {
    harness::StartFresh();
    WriteOptionsFile();
    ASSERT_TRUE(WriteRankingFile());
    PuzzleFile problems;
    DefaultPuzzleFile(problems);
    ASSERT_TRUE(WritePuzzleFile(problems));
    ClearFile progress{};
    ASSERT_TRUE(RecordSolve(progress, 0, 30));
    ItemFile items;
    DefaultItemFile(items);
    ASSERT_TRUE(WriteItemFile(items));

    std::vector<std::string> known(gameDataFiles, gameDataFiles + gameDataFileCount);
    std::sort(known.begin(), known.end());
    EXPECT_EQ(FolderEntries("Data"), known);
}

}  // namespace
