#include <signal.h>
#include <sys/resource.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "harness/stderr_capture.h"
#include "platform/game_files.h"
#include "platform/temp_work_dir.h"

namespace {

class GameFileWriteReport : public TempWorkDir {};

std::string Line(const char* file, const char* step, int error) {
    return std::string("sumline: cannot save ") + file + ": " + step + ": " + std::strerror(error) + "\n";
}

// A write of 100000 bytes with the file size limited to 64, as a full disk
// refuses it; the report it made.
std::string WriteOnAFullDisk() {
    struct rlimit saved;
    getrlimit(RLIMIT_FSIZE, &saved);
    struct rlimit small = saved;
    small.rlim_cur = 64;
    void (*oldHandler)(int) = signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    const std::vector<uint8_t> big(100000, 7);
    StderrCapture capture;
    const bool written = WriteGameFileAtomic("Data\\ED.dat", big.data(), big.size());
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(written);
    return capture.Text();
}

TEST_F(GameFileWriteReport, EachFailureNamesTheFileTheStepAndTheReason) {
    {
        PutText("Data", "a file where the folder should be");
        StderrCapture capture;
        EXPECT_FALSE(WriteGameFileAtomic("Data\\OD.dat", "x", 1));
        EXPECT_EQ(capture.Text(), Line("Data/OD.dat", "folder", ENOTDIR));
        unlink("Data");
    }
    {
        ASSERT_EQ(mkdir("Data", 0755), 0);
        ASSERT_EQ(mkdir("Data/OD.dat", 0755), 0);
        StderrCapture capture;
        EXPECT_FALSE(WriteGameFileAtomic("Data\\OD.dat", "x", 1));
        EXPECT_EQ(capture.Text(), Line("Data/OD.dat", "rename", EISDIR));
    }
    EXPECT_EQ(WriteOnAFullDisk(), Line("Data/ED.dat", "write", EFBIG));
    {
        StderrCapture capture;
        EXPECT_FALSE(WriteGameFileAtomic("..\\x.dat", "x", 1));
        EXPECT_EQ(capture.Text(), Line("..\\x.dat", "path outside the game folder", EINVAL));
    }
}

TEST_F(GameFileWriteReport, ASuccessfulWriteSaysNothing) {
    StderrCapture capture;
    EXPECT_TRUE(WriteGameFileAtomic("Data\\CLEAR.dat", "ok", 2));
    EXPECT_EQ(capture.Text(), "");
    EXPECT_EQ(FileText("Data/CLEAR.dat"), "ok");
}

}  // namespace
