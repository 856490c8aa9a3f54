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
        {"/opt/g/bin", "/usr/local/share/sumline", {"/opt/g/bin", "/opt/g/share/sumline", "/usr/local/share/sumline"}},
        {"/usr/bin", "/usr/share/sumline", {"/usr/bin", "/usr/share/sumline"}},
        {"/usr/local/bin/", "/usr/local/share/sumline", {"/usr/local/bin", "/usr/local/share/sumline"}},
        {"/", "/usr/share/sumline", {"/", "/share/sumline", "/usr/share/sumline"}},
        {"", "/usr/share/sumline", {"/usr/share/sumline"}},
        {"/g", "", {"/g", "/share/sumline"}},
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

TEST_F(ContentLookupTest, TheMissingLineNamesEveryFolderLookedIn) {
    EXPECT_EQ(ContentMissingLine({"/opt/g/bin", "/usr/share/sumline"}),
              "sumline: the game's pictures and sounds (Back/ and Sound/) were not found; looked in /opt/g/bin, "
              "/usr/share/sumline");
}

}  // namespace
