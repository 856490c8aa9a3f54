#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "puzzle/progress_file.h"
#include "puzzle/puzzle_file.h"
#include "puzzle/puzzle_test_util.h"

namespace {

using namespace puzzleTest;

class PuzzleFileTest : public ::testing::Test {
protected:
    void SetUp() override { harness::StartFresh(); }
};

TEST_F(PuzzleFileTest, AnUnchangedFileIsTheKnownTwelveThousandBytes) {
    ASSERT_TRUE(WritePuzzleFile(NoProblems()));
    const std::vector<uint8_t> bytes = ReadRaw("PZL.dat");
    ASSERT_EQ(bytes.size(), 12000u);
    struct Run {
        size_t from, to;
        uint8_t value;
    };
    for (const Run& run : {Run{0, 10500, 0xFF}, Run{10500, 10600, 7}, Run{10600, 10700, 0xFF}, Run{10700, 12000, 0}})
        for (size_t i = run.from; i < run.to; ++i) ASSERT_EQ(bytes[i], run.value) << "byte " << i;
}

TEST_F(PuzzleFileTest, WhatIsWrittenReadsBackUnchanged) {
    PuzzleFile t = NoProblems();
    Present(t, 42, 3, 20);
    BoardCell(t, 42, 1, 0) = 7;
    BoardCell(t, 42, 14, 6) = 0;
    t.targetSums[42] = 9;
    t.swapLimits[42] = 100;
    t.goalTypes[42] = goalScore;
    t.goalValues[42] = 1000000;
    ASSERT_TRUE(WritePuzzleFile(t));
    PuzzleFile back;
    std::memset(&back, 0x55, sizeof back);
    ASSERT_TRUE(ReadPuzzleFile(back));
    EXPECT_EQ(std::memcmp(&back, &t, sizeof t), 0);
}

TEST_F(PuzzleFileTest, AMissingFileGivesNoProblemAtAll) {
    PuzzleFile t;
    std::memset(&t, 0x55, sizeof t);
    EXPECT_FALSE(ReadPuzzleFile(t));
    const PuzzleFile none = NoProblems();
    EXPECT_EQ(std::memcmp(&t, &none, sizeof t), 0);
    for (int i = 0; i < puzzleCount; ++i) EXPECT_FALSE(PuzzlePresent(t, i));
}

TEST_F(PuzzleFileTest, AShortFileKeepsTheDefaultsForWhatItLacks) {
    PuzzleFile t = NoProblems();
    Present(t, 0, 2, 30);
    BoardCell(t, 0, 2, 3) = 4;
    t.targetSums[0] = 8;
    ASSERT_TRUE(WritePuzzleFile(t));
    std::vector<uint8_t> bytes = ReadRaw("PZL.dat");
    bytes.resize(10600 + 50);  // boards, target sums and half the swap limits
    bytes[10600] = 5;
    WriteRaw("PZL.dat", bytes);
    PuzzleFile back;
    ASSERT_TRUE(ReadPuzzleFile(back));
    EXPECT_EQ(back.boards[0][2 * 7 + 3], 4);
    EXPECT_EQ(back.targetSums[0], 8);
    EXPECT_EQ(back.swapLimits[0], 5);
    EXPECT_EQ(back.swapLimits[99], -1);
    EXPECT_EQ(back.minutes[0], 0) << "the times were not in the file";
    EXPECT_FALSE(PuzzlePresent(back, 0));
}

// Every field of a damaged file comes into the range the editor gives it.
TEST_F(PuzzleFileTest, EveryFieldIsBroughtIntoItsRange) {
    struct Case {
        const char* what;
        void (*damage)(PuzzleFile&);
        bool (*holds)(const PuzzleFile&);
    };
    const Case cases[] = {
        {"cell 8", [](PuzzleFile& t) { t.boards[3][20] = 8; }, [](const PuzzleFile& t) { return t.boards[3][20] == -1; }},
        {"cell -2", [](PuzzleFile& t) { t.boards[3][0] = -2; }, [](const PuzzleFile& t) { return t.boards[3][0] == -1; }},
        {"sum 6", [](PuzzleFile& t) { t.targetSums[3] = 6; }, [](const PuzzleFile& t) { return t.targetSums[3] == 7; }},
        {"sum 11", [](PuzzleFile& t) { t.targetSums[3] = 11; }, [](const PuzzleFile& t) { return t.targetSums[3] == 10; }},
        {"swaps 0", [](PuzzleFile& t) { t.swapLimits[3] = 0; }, [](const PuzzleFile& t) { return t.swapLimits[3] == -2; }},
        {"swaps -9", [](PuzzleFile& t) { t.swapLimits[3] = -9; }, [](const PuzzleFile& t) { return t.swapLimits[3] == -2; }},
        {"swaps 101", [](PuzzleFile& t) { t.swapLimits[3] = 101; }, [](const PuzzleFile& t) { return t.swapLimits[3] == 100; }},
        {"goal type 4", [](PuzzleFile& t) { t.goalTypes[3] = 4; }, [](const PuzzleFile& t) { return t.goalTypes[3] == 3; }},
        {"goal type -1", [](PuzzleFile& t) { t.goalTypes[3] = -1; }, [](const PuzzleFile& t) { return t.goalTypes[3] == 0; }},
        {"chain 1", [](PuzzleFile& t) { t.goalTypes[3] = 1, t.goalValues[3] = 1; },
         [](const PuzzleFile& t) { return t.goalValues[3] == 2; }},
        {"chain 101", [](PuzzleFile& t) { t.goalTypes[3] = 1, t.goalValues[3] = 101; },
         [](const PuzzleFile& t) { return t.goalValues[3] == 100; }},
        {"panels 9", [](PuzzleFile& t) { t.goalTypes[3] = 2, t.goalValues[3] = 9; },
         [](const PuzzleFile& t) { return t.goalValues[3] == 10; }},
        {"score -5", [](PuzzleFile& t) { t.goalTypes[3] = 3, t.goalValues[3] = -5; },
         [](const PuzzleFile& t) { return t.goalValues[3] == 1000; }},
        {"score 2000000", [](PuzzleFile& t) { t.goalTypes[3] = 3, t.goalValues[3] = 2000000; },
         [](const PuzzleFile& t) { return t.goalValues[3] == 1000000; }},
        {"type 0 keeps 1000", [](PuzzleFile& t) { t.goalValues[3] = 1000; },
         [](const PuzzleFile& t) { return t.goalValues[3] == 1000; }},
        {"seconds 55", [](PuzzleFile& t) { t.seconds[3] = 55; }, [](const PuzzleFile& t) { return t.seconds[3] == 50; }},
        {"seconds 25", [](PuzzleFile& t) { t.seconds[3] = 25; }, [](const PuzzleFile& t) { return t.seconds[3] == 20; }},
        {"seconds -10", [](PuzzleFile& t) { t.seconds[3] = -10; }, [](const PuzzleFile& t) { return t.seconds[3] == 0; }},
        {"minutes 11", [](PuzzleFile& t) { t.minutes[3] = 11, t.seconds[3] = 30; },
         [](const PuzzleFile& t) { return t.minutes[3] == 10 && t.seconds[3] == 0; }},
        {"minutes -1", [](PuzzleFile& t) { t.minutes[3] = -1; }, [](const PuzzleFile& t) { return t.minutes[3] == 0; }},
    };
    for (const Case& c : cases) {
        PuzzleFile t = NoProblems();
        c.damage(t);
        ASSERT_TRUE(WritePuzzleFile(t));
        PuzzleFile back;
        ASSERT_TRUE(ReadPuzzleFile(back));
        EXPECT_TRUE(c.holds(back)) << c.what;
    }
}

TEST_F(PuzzleFileTest, ATimeOfNoughtIsAbsentAndNothingFollowsTheLast) {
    PuzzleFile t = NoProblems();
    Present(t, 0, 0, 10);
    Present(t, 1, 1, 0);
    Present(t, 99);
    EXPECT_TRUE(PuzzlePresent(t, 0));
    EXPECT_TRUE(NextPuzzlePresent(t, 0));
    EXPECT_FALSE(NextPuzzlePresent(t, 1)) << "problem 3 is absent";
    EXPECT_TRUE(NextPuzzlePresent(t, 98));
    EXPECT_FALSE(NextPuzzlePresent(t, 99)) << "nothing after the hundredth";
    EXPECT_FALSE(PuzzlePresent(t, 100));
    EXPECT_FALSE(PuzzlePresent(t, -1));
}

TEST_F(PuzzleFileTest, AFailedSaveSaysSo) {
    // Data\ taken by a plain file: nothing can be written beneath it.
    std::filesystem::remove_all(harness::WorkDir() + "/Data");
    { std::ofstream(harness::WorkDir() + "/Data") << "x"; }
    EXPECT_FALSE(WritePuzzleFile(NoProblems()));
}

class ProgressFileTest : public ::testing::Test {
protected:
    void SetUp() override { harness::StartFresh(); }
};

TEST_F(ProgressFileTest, OnlyAFirstOrAFasterSolveIsWritten) {
    ClearFile t;
    ReadClearFile(t);
    EXPECT_TRUE(RecordSolve(t, 4, 30));
    std::vector<uint8_t> bytes = ReadRaw("CLEAR.dat");
    ASSERT_EQ(bytes.size(), 200u);
    EXPECT_EQ(bytes[4], 1);
    EXPECT_EQ(bytes[100 + 4], 30);

    WriteRaw("CLEAR.dat", {});  // a write now would show
    EXPECT_FALSE(RecordSolve(t, 4, 30)) << "no faster";
    EXPECT_FALSE(RecordSolve(t, 4, 12)) << "slower";
    EXPECT_TRUE(ReadRaw("CLEAR.dat").empty());

    EXPECT_TRUE(RecordSolve(t, 4, 400)) << "faster, the time capped";
    bytes = ReadRaw("CLEAR.dat");
    ASSERT_EQ(bytes.size(), 200u);
    EXPECT_EQ(bytes[100 + 4], 255);
    EXPECT_FALSE(RecordSolve(t, 100, 10));
    EXPECT_FALSE(RecordSolve(t, -1, 10));
}

TEST_F(ProgressFileTest, ReadingTakesOnlyWhatMakesSense) {
    std::vector<uint8_t> bytes(150, 0);  // short: the best times of 50..99 are missing
    bytes[0] = 1, bytes[100] = 77;       // solved with 77 s left
    bytes[1] = 2, bytes[101] = 66;       // not a solve: no best time either
    bytes[2] = 0, bytes[102] = 55;
    WriteRaw("CLEAR.dat", bytes);
    ClearFile t;
    ReadClearFile(t);
    EXPECT_EQ(t.solved[0], 1);
    EXPECT_EQ(t.bestSeconds[0], 77);
    EXPECT_EQ(t.solved[1], 0);
    EXPECT_EQ(t.bestSeconds[1], 0);
    EXPECT_EQ(t.bestSeconds[2], 0);

    std::filesystem::remove(DataPath("CLEAR.dat"));
    std::memset(&t, 1, sizeof t);
    ReadClearFile(t);
    for (int i = 0; i < puzzleCount; ++i) EXPECT_EQ(t.solved[i] + t.bestSeconds[i], 0);
}

}  // namespace
