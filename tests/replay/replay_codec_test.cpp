#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>

#include "replay/modelled_play.h"
#include "replay/replay_codec.h"

namespace {

std::unique_ptr<Replay> NewReplay() { return std::make_unique<Replay>(); }

// A start record with a value off the defaults in every field.
MatchStart UnusualStart(int8_t mode) {
    MatchStart s;
    s.mode = mode;
    const int8_t options[5] = {3, 1, 2, 3, 1};
    std::memcpy(s.options, options, sizeof options);
    for (int p = 0; p < 2; ++p)
        for (int k = 0; k < 5; ++k) s.params[p][k] = static_cast<int8_t>(p * 5 + k + 3);
    s.items[0][0] = 0;
    s.items[0][1] = 49;
    s.items[1][0] = -1;
    s.items[1][1] = 17;
    s.itemUseOff[1] = 1;
    s.versusWins[0] = 99;
    s.versusWins[1] = 4;
    s.puzzleIndex = mode == 2 ? 99 : -1;
    for (int i = 0; i < 105; ++i) s.puzzle.cells[i] = static_cast<int8_t>(i % 9 - 1);
    s.puzzle.targetSum = 10;
    s.puzzle.swapLimit = -2;
    s.puzzle.goalType = 3;
    s.puzzle.goalValue = 1000000;
    s.puzzle.seconds = 50;
    s.puzzle.minutes = 9;
    s.seed = 0xFEDCBA98u;
    return s;
}

std::string Encoded(const Replay& r) {
    std::string bytes;
    EncodeReplay(r, bytes);
    return bytes;
}

bool Decode(const std::string& bytes, Replay& r, ReplayReport& report) {
    return DecodeReplay(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), r, report);
}

TEST(ReplayCodec, RoundTripKeepsEveryField) {
    for (int8_t mode = 0; mode < 4; ++mode) {
        auto recorded = NewReplay();
        modelledPlay::RecordMatch(*recorded, UnusualStart(mode), 4321, 5u + static_cast<uint32_t>(mode));
        recorded->result.hours = 99;
        const std::string bytes = Encoded(*recorded);
        auto decoded = NewReplay();
        ReplayReport report;
        ASSERT_TRUE(Decode(bytes, *decoded, report)) << report.reason;
        EXPECT_TRUE(SameReplay(*recorded, *decoded)) << "mode " << int{mode};
        EXPECT_STREQ(decoded->gameVersion, ReplayGameVersion());
        EXPECT_EQ(decoded->start.seed, 0xFEDCBA98u);
        EXPECT_EQ(decoded->checkpointCount, 4321 / 50);
        EXPECT_EQ(Encoded(*decoded), bytes) << "one encoding per replay";
    }
}

// Ten minutes of play, as a person presses keys, stay under 16 KB, one
// player or two.
TEST(ReplayCodec, TenMinutesOfPlayFitIn16KB) {
    for (int8_t mode : {int8_t{0}, int8_t{1}}) {
        auto replay = NewReplay();
        modelledPlay::RecordMatch(*replay, UnusualStart(mode), 30000, 42);
        const size_t size = Encoded(*replay).size();
        std::printf("ten minutes of %s: %zu bytes, %d + %d input changes, %d checkpoints\n",
                    mode == 0 ? "endless" : "versus", size, replay->changeCount[0], replay->changeCount[1],
                    replay->checkpointCount);
        EXPECT_LT(size, 16384u) << "mode " << int{mode};
        // The model presses about three keys a second.
        EXPECT_GT(replay->changeCount[0], 3000);
    }
}

TEST(ReplayCodec, EveryCutShortReplayIsTruncated) {
    auto replay = NewReplay();
    modelledPlay::RecordMatch(*replay, UnusualStart(1), 400, 3);
    const std::string bytes = Encoded(*replay);
    auto decoded = NewReplay();
    for (size_t length = 0; length < bytes.size(); ++length) {
        ReplayReport report;
        ASSERT_FALSE(Decode(bytes.substr(0, length), *decoded, report)) << length;
        ASSERT_EQ(report.problem, ReplayProblem::truncated) << length << ": " << report.reason;
        ASSERT_EQ(decoded->steps, 0);
    }
}

// Where the fields sit in a replay whose game version is "1.0.0".
constexpr size_t startAt = 8 + 2 + 1 + 5;
constexpr size_t stepsAt = startAt + 149;
constexpr size_t firstChangeAt = stepsAt + 4 + 4;

void PutU32(std::string& b, size_t at, uint32_t v) {
    for (int k = 0; k < 4; ++k) b[at + k] = static_cast<char>(v >> (8 * k));
}

TEST(ReplayCodec, BadBytesGiveTheirReason) {
    // Player 1 presses swap on step 0 and holds it; one checkpoint.
    auto replay = NewReplay();
    BeginRecording(*replay, MatchStart{});
    std::strcpy(replay->gameVersion, "1.0.0");
    MatchInput swap;
    swap.player[0] = inputSwap;
    for (int s = 0; s < 60; ++s) {
        RecordStep(*replay, swap);
        if (CheckpointDue(*replay)) RecordCheckpoint(*replay, 77);
    }
    EndRecording(*replay, ReplayResult{});
    const std::string good = Encoded(*replay);
    ASSERT_EQ(static_cast<uint8_t>(good[firstChangeAt]), 0x04);
    const size_t resultAt = good.size() - 42;

    struct Case {
        const char* what;
        std::function<void(std::string&)> change;
        ReplayProblem problem;
        const char* reason;
    };
    const Case cases[] = {
        {"random bytes", [](std::string& b) { b = "\x7f" "ELF\x02\x01\x01 random bytes of another file"; },
         ReplayProblem::notReplay, "not a replay file"},
        {"empty", [](std::string& b) { b.clear(); }, ReplayProblem::truncated, "ends inside the header"},
        {"format 2", [](std::string& b) { b[8] = 2; }, ReplayProblem::otherFormat,
         "a replay of format version 2; this game reads version 1"},
        {"no version", [](std::string& b) { b[10] = 0; }, ReplayProblem::damaged, "the game version's length is 0"},
        {"version unprintable", [](std::string& b) { b[11] = '\n'; }, ReplayProblem::damaged, "not printable"},
        {"mode", [](std::string& b) { b[startAt] = 4; }, ReplayProblem::damaged, "the mode is 4, not 0..3"},
        {"difficulty", [](std::string& b) { b[startAt + 3] = 3; }, ReplayProblem::damaged, "option 3 is 3, not 0..2"},
        {"parameter", [](std::string& b) { b[startAt + 15] = 16; }, ReplayProblem::damaged,
         "parameter 5 of player 2 is 16, not 0..15"},
        {"item", [](std::string& b) { b[startAt + 18] = 50; }, ReplayProblem::damaged,
         "item slot 1 of player 2 is 50, not -1..49"},
        {"wins", [](std::string& b) { b[startAt + 22] = -1; }, ReplayProblem::damaged, "the wins of player 1 is -1"},
        {"puzzle number", [](std::string& b) { b[startAt + 24] = 100; }, ReplayProblem::damaged,
         "the puzzle number is 100, not -1..99"},
        {"puzzle cell", [](std::string& b) { b[startAt + 25 + 104] = 8; }, ReplayProblem::damaged,
         "puzzle cell 105 is 8, not -1..7"},
        {"swap limit 0", [](std::string& b) { b[startAt + 131] = 0; }, ReplayProblem::damaged,
         "the puzzle's swap limit is 0"},
        {"seconds", [](std::string& b) { b[startAt + 137] = 15; }, ReplayProblem::damaged, "not whole tens"},
        {"steps", [](std::string& b) { PutU32(b, stepsAt, replayMaxSteps + 1); }, ReplayProblem::damaged,
         "the step count is 720001, not 0..720000"},
        {"change count", [](std::string& b) { PutU32(b, stepsAt + 4, 0xFFFFFFFFu); }, ReplayProblem::damaged,
         "the change count of player 1 is 4294967295, not 0..60"},
        {"key", [](std::string& b) { b[firstChangeAt] = 0x0C; }, ReplayProblem::damaged,
         "the inputs of player 1 name key 12"},
        {"one key as several", [](std::string& b) { b.replace(firstChangeAt, 1, "\x0F\x10"); },
         ReplayProblem::damaged, "is not one a step can make"},
        {"long number", [](std::string& b) { b.replace(firstChangeAt, 1, "\xF4\x80\x00"); }, ReplayProblem::damaged,
         "spelt too long"},
        {"change past the end", [](std::string& b) { b.replace(firstChangeAt, 1, "\xF4\x2E"); },
         ReplayProblem::damaged, "go past the last step 60"},
        {"checkpoints", [&](std::string& b) { PutU32(b, resultAt - 12, 2); }, ReplayProblem::damaged,
         "the checkpoint count is 2, not 0..1"},
        {"outcome", [&](std::string& b) { b[resultAt] = 7; }, ReplayProblem::damaged, "the outcome is 7, not 0..6"},
        {"flags", [&](std::string& b) { b[resultAt + 1] = 2; }, ReplayProblem::damaged, "the result's flags is 2"},
        {"match steps", [&](std::string& b) { PutU32(b, resultAt + 2, 61); }, ReplayProblem::damaged,
         "the match's steps is 61, not 60..60"},
        {"score", [&](std::string& b) { PutU32(b, resultAt + 6, 100000000); }, ReplayProblem::damaged,
         "the score of player 1 is 100000000"},
        {"clock", [&](std::string& b) { PutU32(b, resultAt + 38, 60); }, ReplayProblem::damaged,
         "the clock's seconds is 60, not 0..59"},
        {"extra bytes", [](std::string& b) { b += "xyz"; }, ReplayProblem::damaged, "3 bytes follow the result"},
    };
    auto decoded = NewReplay();
    for (const Case& c : cases) {
        std::string bytes = good;
        c.change(bytes);
        ReplayReport report;
        EXPECT_FALSE(Decode(bytes, *decoded, report)) << c.what;
        EXPECT_EQ(report.problem, c.problem) << c.what << ": " << report.reason;
        EXPECT_NE(std::strstr(report.reason, c.reason), nullptr) << c.what << ": " << report.reason;
        EXPECT_EQ(decoded->steps, 0) << c.what;
    }
    ReplayReport report;
    EXPECT_TRUE(Decode(good, *decoded, report)) << report.reason;
}

}  // namespace
