#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <memory>
#include <string>

#include "harness/harness.h"
#include "replay/modelled_play.h"
#include "replay/replay_file.h"

namespace {

TEST(ReplayFile, WrittenFileReadsBackTheSameReplay) {
    harness::StartFresh();
    auto replay = std::make_unique<Replay>();
    MatchStart start;
    start.mode = 1;
    modelledPlay::RecordMatch(*replay, start, 3000, 8);
    ASSERT_TRUE(WriteReplayFile("Replays/one.replay", *replay));
    auto read = std::make_unique<Replay>();
    ReplayReport report;
    ASSERT_TRUE(ReadReplayFile("Replays/one.replay", *read, report)) << report.reason;
    EXPECT_EQ(report.problem, ReplayProblem::none);
    EXPECT_TRUE(SameReplay(*replay, *read));
}

// What stands where a replay should be is named, at once: nothing is waited
// for and nothing too large is read.
TEST(ReplayFile, RefusesWhatIsNoReplayFile) {
    harness::StartFresh();
    ASSERT_EQ(mkdir("folder.replay", 0755), 0);
    ASSERT_EQ(mkfifo("pipe.replay", 0644), 0);
    FILE* huge = std::fopen("huge.replay", "wb");
    ASSERT_NE(huge, nullptr);
    std::fclose(huge);
    ASSERT_EQ(truncate("huge.replay", 3 << 20), 0);  // sparse: nothing to read
    FILE* text = std::fopen("text.replay", "wb");
    ASSERT_NE(text, nullptr);
    std::fputs("SLREPLAY", text);
    std::fclose(text);

    struct Case {
        const char* path;
        ReplayProblem problem;
        const char* reason;
    };
    const Case cases[] = {
        {"missing.replay", ReplayProblem::missing, "no such file"},
        {"folder.replay", ReplayProblem::notRegularFile, "not a regular file (a folder, a pipe or a device)"},
        {"pipe.replay", ReplayProblem::notRegularFile, "not a regular file (a folder, a pipe or a device)"},
        {"huge.replay", ReplayProblem::tooLarge, "too large: 3145728 bytes, a replay has at most 2097152"},
        {"text.replay", ReplayProblem::truncated, "truncated: it ends inside the header"},
    };
    auto replay = std::make_unique<Replay>();
    for (const Case& c : cases) {
        ReplayReport report;
        EXPECT_FALSE(ReadReplayFile(c.path, *replay, report)) << c.path;
        EXPECT_EQ(report.problem, c.problem) << c.path;
        EXPECT_STREQ(report.reason, c.reason) << c.path;
        EXPECT_EQ(replay->steps, 0) << c.path;
    }
    ReplayReport report;
    ReadReplayFile("huge.replay", *replay, report);
    EXPECT_EQ(ReplayProblemLine("huge.replay", report),
              "sumline: cannot play replay huge.replay: too large: 3145728 bytes, a replay has at most 2097152");
}

}  // namespace
