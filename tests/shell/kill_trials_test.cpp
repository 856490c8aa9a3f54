#include <dirent.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <string>

#include "platform/game_files.h"
#include "platform/temp_work_dir.h"
#include "shell/data_files.h"

namespace {

class KillTrials : public TempWorkDir {};

using Clock = std::chrono::steady_clock;

constexpr int trials = 200;

// Saves the two records in turn until it is killed, a byte down the pipe
// after each write that returned.
[[noreturn]] void Writer(int done, const std::string& a, const std::string& b) {
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    for (unsigned i = 0;; ++i) {
        const std::string& record = i % 2 == 0 ? b : a;
        WriteGameFileAtomic("Data\\ED.dat", record.data(), record.size());
        const char mark = 'w';
        if (write(done, &mark, 1) != 1) _exit(1);
    }
}

// A writer process; killed and reaped at the latest when this goes, so a
// failed check never leaves it running.
struct WriterProcess {
    pid_t pid = -1;
    int done = -1;  // the pipe's reading end
    int status = 0;

    WriterProcess(const std::string& a, const std::string& b) {
        int ends[2];
        if (pipe(ends) != 0) return;
        pid = fork();
        if (pid == 0) {
            close(ends[0]);
            Writer(ends[1], a, b);
        }
        close(ends[1]);
        done = ends[0];
    }
    ~WriterProcess() { Kill(); }

    // Blocks until n more writes have returned.
    bool AwaitWrites(int n) {
        char mark;
        for (int i = 0; i < n; ++i)
            if (read(done, &mark, 1) != 1) return false;
        return true;
    }
    // True when it died of the SIGKILL.
    bool Kill() {
        if (pid <= 0) return false;
        kill(pid, SIGKILL);
        const bool reaped = waitpid(pid, &status, 0) == pid;
        pid = -1;
        close(done);
        return reaped && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    }
};

TEST_F(KillTrials, AWriterKilledAtAnyMomentLeavesOneWholeRecordAndTheCleanUpItsTemporaryFile) {
    const std::string a(3400, 'A');
    const std::string b(3400, 'B');
    ASSERT_TRUE(WriteGameFileAtomic("Data\\ED.dat", a.data(), a.size()));
    // The time of one write here: the kills fall anywhere in the next one.
    const Clock::time_point measured = Clock::now();
    for (int i = 0; i < 4; ++i) ASSERT_TRUE(WriteGameFileAtomic("Data\\ED.dat", a.data(), a.size()));
    const long writeUs = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - measured).count() / 4;
    const long longestDelayUs = std::clamp<long>(writeUs + writeUs / 2, 100, 20000);

    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed) + ", one write " + std::to_string(writeUs) + " us");
    std::mt19937 random(seed);
    // After none, one or two finished writes, a random delay: a kill before
    // the first write, inside a write, or between two.
    std::uniform_int_distribution<int> writesFirst(0, 2);
    std::uniform_int_distribution<long> delayUs(0, longestDelayUs);
    int killedMidWrite = 0, foundA = 0, foundB = 0;
    const Clock::time_point start = Clock::now();
    for (int trial = 0; trial < trials; ++trial) {
        WriterProcess writer(a, b);
        ASSERT_GT(writer.pid, 0);
        ASSERT_TRUE(writer.AwaitWrites(writesFirst(random)));
        usleep(static_cast<useconds_t>(delayUs(random)));
        ASSERT_TRUE(writer.Kill()) << "trial " << trial << ": status " << writer.status;

        const std::string saved = FileText("Data/ED.dat");
        ASSERT_TRUE(saved == a || saved == b) << "trial " << trial << ": " << saved.size() << " bytes, starting "
                                              << saved.substr(0, 8);
        foundA += saved == a ? 1 : 0;
        foundB += saved == b ? 1 : 0;
        killedMidWrite += FolderEntries("Data").size() > 1 ? 1 : 0;
        RemoveDataLeftovers();
        ASSERT_EQ(FolderEntries("Data").size(), 1u) << "trial " << trial << ": a temporary file outlived the clean-up";
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("%d kills in %.2f s: %d inside a write, %d left A, %d left B\n", trials, seconds, killedMidWrite,
                foundA, foundB);
    // The kills reached into the writes, and the writer got records through.
    EXPECT_GE(killedMidWrite, trials / 10);
    EXPECT_GT(foundA, 0);
    EXPECT_GT(foundB, 0);
}

}  // namespace
