#include "app/content_lookup.h"

#include <sys/stat.h>

#include "platform/temp_work_dir.h"

namespace {

class ContentLookupTest : public TempWorkDir {};

TEST_F(ContentLookupTest, LooksBesideTheExecutableThenInTheSharedFolders) {
    struct Case {
        std::string executable, installed;
        std::vector<std::string> candidates;
    };
    const Case cases[] = {
        {"/opt/g/bin", "/usr/local/share/sumline",
         {"/opt/g/bin", "/opt/g/share/sumline", "/opt/g/share/games/sumline", "/usr/local/share/sumline"}},
        {"/usr/bin", "/usr/share/sumline", {"/usr/bin", "/usr/share/sumline", "/usr/share/games/sumline"}},
        {"/usr/local/bin/", "/usr/local/share/sumline",
         {"/usr/local/bin", "/usr/local/share/sumline", "/usr/local/share/games/sumline"}},
        {"/", "/usr/share/sumline", {"/", "/share/sumline", "/share/games/sumline", "/usr/share/sumline"}},
        {"", "/usr/share/sumline", {"/usr/share/sumline"}},
        {"/g", "", {"/g", "/share/sumline", "/share/games/sumline"}},
        // Debian's layout: the games folder's own content first.
        {"/usr/games", "/usr/share/games/sumline", {"/usr/games", "/usr/share/games/sumline", "/usr/share/sumline"}},
        {"/opt/x/games/", "/usr/share/games/sumline",
         {"/opt/x/games", "/opt/x/share/games/sumline", "/opt/x/share/sumline", "/usr/share/games/sumline"}},
        {"/opt/mygames", "", {"/opt/mygames", "/opt/share/sumline", "/opt/share/games/sumline"}},
    };
    for (const Case& c : cases) EXPECT_EQ(ContentCandidates(c.executable, c.installed), c.candidates) << c.executable;
}

TEST_F(ContentLookupTest, FindsTheFirstFolderHoldingBackAndSound) {
    for (const char* folder : {"a", "a/Back", "b", "b/back", "b/SOUND", "c", "c/Back", "c/Sound", "d"}) {
        ASSERT_EQ(mkdir(folder, 0755), 0) << folder;
    }
    PutText("d/Back", "a file, not a folder");
    ASSERT_EQ(mkdir("d/Sound", 0755), 0);
    const std::string a = workDir + "/a", b = workDir + "/b", c = workDir + "/c", d = workDir + "/d";
    EXPECT_FALSE(HoldsContent(a));
    EXPECT_TRUE(HoldsContent(b));
    EXPECT_TRUE(HoldsContent(c));
    EXPECT_FALSE(HoldsContent(d));
    EXPECT_FALSE(HoldsContent(workDir + "/missing"));
    EXPECT_EQ(FindContent({a, d, c, b}), c);
    EXPECT_EQ(FindContent({a, d}), "");
    EXPECT_EQ(FindContent({}), "");
}

// The package's tree moved elsewhere: /usr/games/sumline beside
// /usr/share/games/sumline, with a plain install's content in the same prefix.
TEST_F(ContentLookupTest, AGamesFolderFindsItsOwnContentBeforeAPlainInstall) {
    for (const char* folder : {"usr", "usr/games", "usr/bin", "usr/share", "usr/share/games", "usr/share/games/sumline",
                               "usr/share/games/sumline/Back", "usr/share/games/sumline/Sound", "usr/share/sumline",
                               "usr/share/sumline/Back", "usr/share/sumline/Sound"}) {
        ASSERT_EQ(mkdir(folder, 0755), 0) << folder;
    }
    EXPECT_EQ(FindContent(ContentCandidates(workDir + "/usr/games", "")), workDir + "/usr/share/games/sumline");
    EXPECT_EQ(FindContent(ContentCandidates(workDir + "/usr/bin", "")), workDir + "/usr/share/sumline");
    ASSERT_EQ(rmdir("usr/share/sumline/Sound"), 0);
    EXPECT_EQ(FindContent(ContentCandidates(workDir + "/usr/bin", "")), workDir + "/usr/share/games/sumline");
}

TEST_F(ContentLookupTest, TheMissingLineNamesEveryFolderLookedIn) {
    EXPECT_EQ(ContentMissingLine({"/opt/g/bin", "/usr/share/sumline"}),
              "sumline: the game's pictures and sounds (Back/ and Sound/) were not found; looked in /opt/g/bin, "
              "/usr/share/sumline");
}

}  // namespace
