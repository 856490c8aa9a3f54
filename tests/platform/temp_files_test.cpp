#include "platform/temp_files.h"

#include <dirent.h>

#include <algorithm>

#include "platform/game_files.h"
#include "platform/temp_work_dir.h"

namespace {

class TempFiles : public TempWorkDir {};

const char* const names[] = {"OD.dat", "ED.dat"};

TEST(TempFileNames, TheTemplateSitsBesideTheTargetAndWhatMkstempMakesOfItIsRecognised) {
    EXPECT_EQ(TempTemplateBeside("Data/ED.dat"), "Data/.ED.dat.XXXXXX");
    EXPECT_EQ(TempTemplateBeside("OD.dat"), ".OD.dat.XXXXXX");
    char made[] = ".ED.dat.XXXXXX";
    const int fd = mkstemp(made);
    ASSERT_GE(fd, 0);
    close(fd);
    unlink(made);
    EXPECT_TRUE(IsTempOfWrite(made, names, 2)) << made;
}

TEST(TempFileNames, OnlyADotAKnownNameADotAndSixLettersOrDigitsAreRecognised) {
    struct Case {
        const char* entry;
        bool recognised;
    };
    const Case cases[] = {
        {".OD.dat.a1B2c3", true},   {".ED.dat.XXXXXX", true},  {".od.DAT.000000", true},
        {".OD.dat.old", false},     {".OD.dat.a1B2c3d", false}, {".OD.dat.a1B2c", false},
        {"OD.dat.a1B2c3", false},   {".OD.dat", false},         {".OD.dat.", false},
        {".OD.dat.a1-2c3", false},  {".OD.dat.a1 2c3", false},  {".OD.datXa1B2c3", false},
        {".PZL.dat.a1B2c3", false}, {".ED.dat.a1B2c3.txt", false}, {"..ED.dat.a1B2c", false},
        {"notes.txt", false},       {"", false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsTempOfWrite(c.entry, names, 2), c.recognised) << c.entry;
    EXPECT_FALSE(IsTempOfWrite(nullptr, names, 2));
}

TEST_F(TempFiles, RemovesTheRecognisedRegularFilesOfTheFolderFoundInAnyCase) {
    PutText("data/.OD.dat.a1B2c3", "half");
    PutText("data/.ed.dat.Zz9Zz9", "half");
    PutText("data/.OD.dat.old", "keep");
    PutText("data/OD.dat", "keep");
    ASSERT_EQ(mkdir("data/.ED.dat.folder", 0755), 0);
    ASSERT_EQ(symlink("OD.dat", "data/.ED.dat.linked"), 0);
    PutText(".OD.dat.a1B2c3", "not in the folder");

    EXPECT_EQ(RemoveWriteLeftovers("Data", names, 2), 2);
    EXPECT_EQ(FolderEntries("data"), (std::vector<std::string>{".ED.dat.folder", ".ED.dat.linked", ".OD.dat.old", "OD.dat"}));
    EXPECT_EQ(FileText("data/OD.dat"), "keep");
    EXPECT_EQ(FileText(".OD.dat.a1B2c3"), "not in the folder");
    EXPECT_EQ(RemoveWriteLeftovers("Missing", names, 2), 0);
}

}  // namespace
